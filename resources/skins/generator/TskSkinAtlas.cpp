#include "resources/skins/generator/TskSkinAtlas.h"

#include <algorithm>

#include "platform/base/Exception.h"
#include "platform/gdi/TBitmap.h"

TskSkinAtlas::TskSkinAtlas(int AWidth, int AHeight, TColor ABackground) : FWidth(AWidth), FFixedHeight(AHeight) {
  FBitmap.SetSize(AWidth, AHeight > 0 ? AHeight : MaxHeight);
  FCanvas.FillRect(Rect(0, 0, FBitmap.Width(), FBitmap.Height()), ABackground);
}

TRect TskSkinAtlas::Place(int AWidth, int AHeight) {
  if (FX > 0 && FX + AWidth > FWidth) {
    FRowTop += FRowHeight + Gap;
    FX = 0;
    FRowHeight = 0;
  }
  if (AWidth > FWidth || FRowTop + AHeight > FBitmap.Height())
    throw Exception("skin picture has no room for a " + std::to_string(AWidth) + " x " + std::to_string(AHeight) +
                    " piece");
  const TRect r = Bounds(FX, FRowTop, AWidth, AHeight);
  FX += AWidth + Gap;
  FRowHeight = std::max(FRowHeight, AHeight);
  return r;
}

std::unique_ptr<TBitmap> TskSkinAtlas::Finish() {
  const int height = FFixedHeight > 0 ? FFixedHeight : FRowTop + FRowHeight;
  auto picture = std::make_unique<TBitmap>();
  picture->SetPixelFormat(pf24bit);
  picture->SetSize(FWidth, height);
  for (int y = 0; y < height; ++y) {
    auto* row = static_cast<Byte*>(picture->ScanLine(y));
    for (int x = 0; x < FWidth; ++x) {
      const TskColor pixel = *FBitmap.PixelPtr(x, y);
      row[3 * x] = Byte(pixel);
      row[3 * x + 1] = Byte(pixel >> 8);
      row[3 * x + 2] = Byte(pixel >> 16);
    }
  }
  return picture;
}
