#include "platform/ui/toolkit/TCustomImageList.h"

#include <algorithm>
#include <unordered_map>

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/PixelOps.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TIcon.h"

namespace {

std::unordered_map<HIMAGELIST, TCustomImageList*>& Lists() {
  static std::unordered_map<HIMAGELIST, TCustomImageList*> Map;
  return Map;
}

HIMAGELIST NextHandle() {
  static HIMAGELIST Last = 0;
  return ++Last;
}

uint32_t* Pixels(TBitmap* Image, int Y) { return static_cast<uint32_t*>(Image->ScanLine(Y)); }

/// A transparent 32-bit picture of the list's size.
std::unique_ptr<TBitmap> NewImage(int Width, int Height) {
  auto Image = std::make_unique<TBitmap>();
  Image->SetPixelFormat(pf32bit);
  Image->SetSize(Width, Height);
  for (int Y = 0; Y < Height; ++Y) std::fill_n(Pixels(Image.get(), Y), Width, 0u);
  return Image;
}

/// The colour of a source pixel as 0x00RRGGBB and its alpha (255 unless the picture has its own).
uint32_t SourcePixel(TBitmap* Source, int X, int Y, bool OwnAlpha) {
  if (Source->Monochrome()) return ColorToPixel(Source->Canvas()->Pixels(X, Y)) | 0xFF000000u;
  const auto* Row = static_cast<const uint8_t*>(Source->ScanLine(Y));
  if (Source->PixelFormat() == pf24bit) return uint32_t(Row[3 * X]) | Row[3 * X + 1] << 8 | Row[3 * X + 2] << 16 | 0xFF000000u;
  const uint32_t P = reinterpret_cast<const uint32_t*>(Row)[X];
  return OwnAlpha ? P : (P | 0xFF000000u);
}

bool HasOwnAlpha(TBitmap* Source) {
  if (Source->PixelFormat() != pf32bit || Source->Monochrome()) return false;
  for (int Y = 0; Y < Source->Height(); ++Y) {
    const uint32_t* Row = Pixels(Source, Y);
    if (std::any_of(Row, Row + Source->Width(), [](uint32_t P) { return (P >> 24) != 0; })) return true;
  }
  return false;
}

uint32_t Premultiply(uint32_t P) {
  const uint32_t A = P >> 24;
  if (A == 255) return P;
  const auto Channel = [A](uint32_t C) { return (C * A + 127) / 255; };
  return A << 24 | Channel((P >> 16) & 0xFF) << 16 | Channel((P >> 8) & 0xFF) << 8 | Channel(P & 0xFF);
}

/// The disabled look: the dark parts of the image as a grey relief (highlight one pixel down and right,
/// shadow on top); light parts vanish.
std::unique_ptr<TBitmap> Greyed(TBitmap* Image) {
  const int W = Image->Width(), H = Image->Height();
  auto Result = NewImage(W, H);
  const uint32_t Highlight = ColorToPixel(ColorToRGB(clBtnHighlight)) | 0xFF000000u;
  const uint32_t Shadow = ColorToPixel(ColorToRGB(clBtnShadow)) | 0xFF000000u;
  const auto Dark = [&](int X, int Y) {
    const uint32_t P = Pixels(Image, Y)[X];
    if ((P >> 24) < 128) return false;
    const uint32_t Luma = (((P >> 16) & 0xFF) * 30 + ((P >> 8) & 0xFF) * 59 + (P & 0xFF) * 11) / 100;
    return Luma < 192;
  };
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) {
      if (Dark(X, Y))
        Pixels(Result.get(), Y)[X] = Shadow;
      else if (X > 0 && Y > 0 && Dark(X - 1, Y - 1))
        Pixels(Result.get(), Y)[X] = Highlight;
    }
  return Result;
}

}  // namespace

TCustomImageList::TCustomImageList(TComponent* AOwner) : TCustomImageList(AOwner, 16, 16) {}

TCustomImageList::TCustomImageList(TComponent* AOwner, int AWidth, int AHeight)
    : TComponent(AOwner), FWidth(std::max(AWidth, 1)), FHeight(std::max(AHeight, 1)), FHandle(NextHandle()) {
  Lists()[FHandle] = this;
}

TCustomImageList::~TCustomImageList() { Lists().erase(FHandle); }

void TCustomImageList::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 1);
  AHeight = std::max(AHeight, 1);
  if (AWidth == FWidth && AHeight == FHeight) return;
  FWidth = AWidth;
  FHeight = AHeight;
  FImages.clear();
  Change();
}

void TCustomImageList::SetBkColor(TColor Value) {
  if (FBkColor == Value) return;
  FBkColor = Value;
  Change();
}

void TCustomImageList::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index > Limit) throw EListError(Format("List index out of bounds (%d)", Index));
}

TCustomImageList::ImageVector TCustomImageList::Cut(TBitmap* Source, TBitmap* Mask, bool UseMaskColor,
                                                    TColor MaskColor) const {
  ImageVector Result;
  if (!Source || Source->Empty()) throw EInvalidOperation("Invalid image size");
  if (UseMaskColor && MaskColor == clDefault) MaskColor = Source->TransparentColor();
  const uint32_t Key = ColorToPixel(ColorToRGB(MaskColor)) & 0xFFFFFFu;
  const bool OwnAlpha = !Mask && !UseMaskColor && HasOwnAlpha(Source);
  const int Pieces = std::max(Source->Width() / FWidth, 1);
  for (int Piece = 0; Piece < Pieces; ++Piece) {
    auto Image = NewImage(FWidth, FHeight);
    const int X0 = Piece * FWidth;
    for (int Y = 0; Y < std::min(FHeight, Source->Height()); ++Y)
      for (int X = 0; X < std::min(FWidth, Source->Width() - X0); ++X) {
        const uint32_t P = SourcePixel(Source, X0 + X, Y, OwnAlpha);
        const bool Transparent =
            UseMaskColor ? (P & 0xFFFFFFu) == Key
                         : Mask && X0 + X < Mask->Width() && Y < Mask->Height() &&
                               (ColorToRGB(Mask->Canvas()->Pixels(X0 + X, Y)) & 0xFFFFFF) != 0;
        Pixels(Image.get(), Y)[X] = Transparent ? 0u : Premultiply(P);
      }
    Result.push_back(std::move(Image));
  }
  return Result;
}

void TCustomImageList::InsertImages(int Index, ImageVector Images) {
  FImages.insert(FImages.begin() + Index, std::make_move_iterator(Images.begin()), std::make_move_iterator(Images.end()));
  Change();
}

int TCustomImageList::Add(TBitmap* Image, TBitmap* Mask) {
  const int Index = Count();
  Insert(Index, Image, Mask);
  return Index;
}

int TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
  const int Index = Count();
  InsertMasked(Index, Image, MaskColor);
  return Index;
}

void TCustomImageList::Insert(int Index, TBitmap* Image, TBitmap* Mask) {
  CheckIndex(Index, Count());
  InsertImages(Index, Cut(Image, Mask, false, clNone));
}

void TCustomImageList::InsertMasked(int Index, TBitmap* Image, TColor MaskColor) {
  CheckIndex(Index, Count());
  InsertImages(Index, Cut(Image, nullptr, true, MaskColor));
}

void TCustomImageList::Replace(int Index, TBitmap* Image, TBitmap* Mask) {
  CheckIndex(Index, Count() - 1);
  FImages[size_t(Index)] = std::move(Cut(Image, Mask, false, clNone).front());
  Change();
}

void TCustomImageList::ReplaceMasked(int Index, TBitmap* NewImage, TColor MaskColor) {
  CheckIndex(Index, Count() - 1);
  FImages[size_t(Index)] = std::move(Cut(NewImage, nullptr, true, MaskColor).front());
  Change();
}

void TCustomImageList::Delete(int Index) {
  CheckIndex(Index, Count() - 1);
  FImages.erase(FImages.begin() + Index);
  Change();
}

void TCustomImageList::Clear() {
  if (FImages.empty()) return;
  FImages.clear();
  Change();
}

bool TCustomImageList::GetBitmap(int Index, TBitmap* Image) const {
  if (Index < 0 || Index >= Count() || !Image) return false;
  Image->Assign(FImages[size_t(Index)].get());
  return true;
}

bool TCustomImageList::GetIcon(int Index, TIcon* Icon) {
  if (Index < 0 || Index >= Count() || !Icon) return false;
  TBitmap Drawn;
  Drawn.SetPixelFormat(pf32bit);
  Drawn.SetSize(FWidth, FHeight);
  for (int Y = 0; Y < FHeight; ++Y) std::fill_n(static_cast<uint32_t*>(Drawn.ScanLine(Y)), FWidth, 0u);
  DoDraw(Index, Drawn.Canvas(), 0, 0, ILD_TRANSPARENT, true);
  // Icons hold straight colours: the drawn, premultiplied ones are divided by their alpha.
  auto Pixels = std::make_shared<Surface>(FWidth, FHeight, SurfaceFormat::Bgra32);
  for (int Y = 0; Y < FHeight; ++Y)
    for (int X = 0; X < FWidth; ++X) {
      const uint32_t P = static_cast<const uint32_t*>(Drawn.ScanLine(Y))[X], A = P >> 24;
      uint32_t Straight = A << 24;
      for (int Shift = 0; A && Shift < 24; Shift += 8)
        Straight |= std::min(255u, (((P >> Shift) & 0xFF) * 255 + A / 2) / A) << Shift;
      Pixels->SetPixel(X, Y, Straight);
    }
  Icon->SetHandle(CreateIconFromImages({ { std::move(Pixels), 32 } }));
  return true;
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, UINT Style, bool Enabled) {
  if (Index < 0 || Index >= Count() || !Canvas) return;
  DoDraw(Index, Canvas, X, Y, Style, Enabled);
}

void TCustomImageList::DoDraw(int Index, TCanvas* Canvas, int X, int Y, UINT Style, bool Enabled) {
  if (!(Style & ILD_TRANSPARENT) && FBkColor != clNone) {
    const HBRUSH Brush = CreateSolidBrush(ColorToRGB(FBkColor));
    FillRect(Canvas->Handle(), Bounds(X, Y, FWidth, FHeight), Brush);
    DeleteObject(Brush);
  }
  std::unique_ptr<TBitmap> Grey;
  TBitmap* Source = Image(Index);
  if (!Enabled) {
    Grey = Greyed(Source);
    Source = Grey.get();
  }
  const BLENDFUNCTION Blend { AC_SRC_OVER, 0, 255, AC_SRC_ALPHA };
  AlphaBlend(Canvas->Handle(), X, Y, FWidth, FHeight, Source->Canvas()->Handle(), 0, 0, FWidth, FHeight, Blend);
}

void TCustomImageList::Change() {
  if (OnChange) {
    const TNotifyEvent Handler = OnChange;
    Handler(this);
  }
}

TCustomImageList* TCustomImageList::FromHandle(HIMAGELIST List) {
  const auto It = Lists().find(List);
  return It == Lists().end() ? nullptr : It->second;
}
