#include "platform/gdi/Icons.h"

#include <mutex>
#include <unordered_map>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiHandles.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"

namespace {

struct IconEntry {
  std::shared_ptr<const TIconImages> Images;
  bool Shared { false };
};

/// The live icons. Handles count up from above the cursor names, so an icon never takes the number of a
/// cursor, and are never given out twice.
struct IconTable {
  std::mutex Lock;
  std::unordered_map<HICON, IconEntry> Icons;
  HICON Next { 0x10000 };
};

IconTable& Table() {
  static IconTable* T = new IconTable;  // never destroyed: shared icons outlive static destruction order
  return *T;
}

enum class Part { Colours, Mask };

// Part of Image as a bitmap of its size: the colours premultiplied by alpha (alpha pictures) or black
// where transparent (masked pictures), or the mask, white where transparent.
void Fill(TBitmap& Bitmap, const TIconImage& Image, Part What) {
  Bitmap.SetPixelFormat(pf32bit);
  Bitmap.SetSize(Image.Width(), Image.Height());
  for (int y = 0; y < Image.Height(); ++y) {
    auto* row = static_cast<uint32_t*>(Bitmap.ScanLine(y));
    for (int x = 0; x < Image.Width(); ++x) {
      const uint32_t p = Image.Pixels->Pixel(x, y), a = p >> 24;
      if (What == Part::Mask) {
        row[x] = a == 0 ? 0xFFFFFFFFu : 0xFF000000u;
        continue;
      }
      uint32_t q = a << 24;
      for (int c = 0; c < 24; c += 8) q |= (((p >> c) & 0xFF) * a + 127) / 255 << c;
      row[x] = q;
    }
  }
}

}  // namespace

HICON CreateIconFromImages(TIconImages Images, bool Shared) {
  IconTable& t = Table();
  std::lock_guard<std::mutex> lock(t.Lock);
  const HICON icon = t.Next++;
  t.Icons[icon] = { std::make_shared<const TIconImages>(std::move(Images)), Shared };
  return icon;
}

std::shared_ptr<const TIconImages> IconImagesOf(HICON Icon) {
  IconTable& t = Table();
  std::lock_guard<std::mutex> lock(t.Lock);
  const auto found = t.Icons.find(Icon);
  return found == t.Icons.end() ? nullptr : found->second.Images;
}

bool DestroyIcon(HICON Icon) {
  IconTable& t = Table();
  std::lock_guard<std::mutex> lock(t.Lock);
  const auto found = t.Icons.find(Icon);
  if (found == t.Icons.end()) return false;
  if (!found->second.Shared) t.Icons.erase(found);
  return true;
}

bool DrawIconEx(HDC DC, int X, int Y, HICON Icon, int Width, int Height, uint32_t, HBRUSH FlickerFreeBrush,
                uint32_t Flags) {
  const std::shared_ptr<const TIconImages> images = IconImagesOf(Icon);
  if (!images || !LiveDC(DC)) return false;
  const TIconImage& own = PrimaryIconImage(*images);
  const bool standard = Flags & DI_DEFAULTSIZE;
  if (Width == 0) Width = standard ? StandardIconSize : own.Width();
  if (Height == 0) Height = standard ? StandardIconSize : own.Height();
  const TIconImage& best = BestIconImage(*images, Width, Height);
  const TIconImage image = best.Width() == Width && best.Height() == Height ? best : ResizedIconImage(best, Width, Height);

  if (FlickerFreeBrush) FillRect(DC, { X, Y, X + Width, Y + Height }, FlickerFreeBrush);
  TBitmap colours, mask;
  if ((Flags & DI_NORMAL) == DI_NORMAL && image.HasAlpha()) {
    Fill(colours, image, Part::Colours);
    const BLENDFUNCTION blend { AC_SRC_OVER, 0, 255, AC_SRC_ALPHA };
    return AlphaBlend(DC, X, Y, Width, Height, colours.Canvas()->Handle(), 0, 0, Width, Height, blend);
  }
  if (Flags & DI_MASK) {
    Fill(mask, image, Part::Mask);
    const uint32_t rop = Flags & DI_IMAGE ? SRCAND : SRCCOPY;
    if (!BitBlt(DC, X, Y, Width, Height, mask.Canvas()->Handle(), 0, 0, rop)) return false;
  }
  if (Flags & DI_IMAGE) {
    Fill(colours, image, Part::Colours);
    const uint32_t rop = Flags & DI_MASK ? SRCINVERT : SRCCOPY;
    if (!BitBlt(DC, X, Y, Width, Height, colours.Canvas()->Handle(), 0, 0, rop)) return false;
  }
  return true;
}

HICON CopyImage(HICON Image, uint32_t Type, int Width, int Height, uint32_t) {
  const std::shared_ptr<const TIconImages> images = IconImagesOf(Image);
  if (Type != IMAGE_ICON || !images) return 0;
  const TIconImage& own = PrimaryIconImage(*images);
  if (Width == 0) Width = own.Width();
  if (Height == 0) Height = own.Height();
  const TIconImage& best = BestIconImage(*images, Width, Height);
  if (best.Width() == Width && best.Height() == Height) return CreateIconFromImages({ best });
  return CreateIconFromImages({ ResizedIconImage(best, Width, Height) });
}
