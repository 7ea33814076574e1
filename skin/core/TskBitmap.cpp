#include "skin/core/TskBitmap.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/base/Exception.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TPicture.h"

namespace {

// Every working bitmap that holds pixels, in the order they first got them.
std::vector<TskBitmap*>& Registry() {
  static std::vector<TskBitmap*> Bitmaps;
  return Bitmaps;
}

constexpr TskColor Magenta = 0x00FF00FF;

int Channel(TskColor C, int Shift) { return int(C >> Shift & 0xFF); }

}  // namespace

TskBitmap::TskBitmap() = default;

TskBitmap::~TskBitmap() {
  if (FRegistered)
    std::erase(Registry(), this);
  ReleasePixels();
}

TskBitmap* TskBitmap::FromDC(HDC DC) {
  if (!DC)
    return nullptr;
  for (TskBitmap* B : Registry())
    if (B->FDC == DC)
      return B;
  return nullptr;
}

void TskBitmap::ReleasePixels() {
  if (FCanvas)
    FCanvas->SetHandle(nullptr);
  if (FDC)
    DeleteDC(FDC);
  if (FHandle)
    DeleteObject(FHandle);
  FDC = nullptr;
  FHandle = nullptr;
  FBits = nullptr;
}

void TskBitmap::SetSize(int AWidth, int AHeight) {
  // Sizes beyond what a bitmap can hold are left to the system to refuse.
  const int64_t W = std::llabs(int64_t(AWidth)), H = std::llabs(int64_t(AHeight));
  if (W == 0 || H == 0 || (W == FWidth && H == FHeight))
    return;
  ReleasePixels();
  // A failure leaves an empty 0 x 0 bitmap, so nothing can reach pixels that are no longer there.
  FWidth = FHeight = 0;

  BITMAPINFO Info {};
  Info.bmiHeader.biWidth = int32_t(std::min<int64_t>(W, INT32_MAX));
  Info.bmiHeader.biHeight = -int32_t(std::min<int64_t>(H, INT32_MAX));
  Info.bmiHeader.biBitCount = 32;
  Info.bmiHeader.biCompression = BI_RGB;
  void* Bits = nullptr;
  HBITMAP Section = CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
  if (!Section || !Bits) {
    if (Section)
      DeleteObject(Section);
    throw Exception("Can't allocate the DIB handle");
  }
  HDC Context = CreateCompatibleDC(nullptr);
  if (!Context) {
    DeleteObject(Section);
    throw Exception("Can't create compatible DC");
  }
  if (!SelectObject(Context, Section)) {
    DeleteDC(Context);
    DeleteObject(Section);
    throw Exception("Can't bslect an object into DC");
  }
  FHandle = Section;
  FDC = Context;
  FBits = static_cast<TskColor*>(Bits);
  if (!FRegistered) {
    Registry().push_back(this);
    FRegistered = true;
  }
  if (FCanvas)
    FCanvas->SetHandle(FDC);
  FWidth = int(W);
  FHeight = int(H);
}

TCanvas* TskBitmap::Canvas() {
  if (!FCanvas) {
    FCanvas = std::make_unique<TCanvas>();
    FCanvas->SetHandle(FDC);
  }
  return FCanvas.get();
}

TskColor* TskBitmap::ScanLine(int Y) const {
  assert(FBits && Y >= 0 && Y < FHeight);
  return FBits + size_t(Y) * size_t(FWidth);
}

TskColor* TskBitmap::PixelPtr(int X, int Y) const {
  assert(X >= 0 && X < FWidth);
  return ScanLine(Y) + X;
}

void TskBitmap::SetPixel(int X, int Y, TskColor Color) {
  if (FBits && X >= 0 && X < FWidth && Y >= 0 && Y < FHeight)
    *PixelPtr(X, Y) = Color;
}

void TskBitmap::Clear(TskColor Color) {
  if (!Empty())
    FillPixels(FBits, FWidth * FHeight, Color);
}

void TskBitmap::SetAlpha(Byte Alpha) {
  if (!Empty())
    SetPixelsAlpha(FBits, FWidth * FHeight, Alpha);
}

void TskBitmap::SetAlpha(Byte Alpha, const TRect& R) {
  if (Empty() || R.Width() == 0 || R.Height() == 0)
    return;
  const TRect C { std::max(R.Left, 0), std::max(R.Top, 0), std::min(R.Right, FWidth), std::min(R.Bottom, FHeight) };
  if (C.Left < C.Right && C.Top < C.Bottom)
    SetAlphaInRect(FBits, FWidth, Alpha, C.Left, C.Top, C.Right - 1, C.Bottom - 1);
}

void TskBitmap::CheckRGBA() {
  if (Empty())
    return;
  for (TskColor *P = FBits, *End = FBits + size_t(FWidth) * FHeight; P < End; ++P) {
    const TskColor A = *P >> 24;
    TskColor Result = *P & 0xFF000000u;
    for (int Shift = 0; Shift < 24; Shift += 8)
      Result |= std::min<TskColor>(*P >> Shift & 0xFF, A) << Shift;
    *P = Result;
  }
}

void TskBitmap::CheckRGBA2() {
  if (Empty())
    return;
  for (TskColor *P = FBits, *End = FBits + size_t(FWidth) * FHeight; P < End; ++P) {
    const TskColor A = *P >> 24;
    TskColor Result = *P & 0xFF000000u;
    // channel * alpha / 255 never ends in exactly one half, so rounding needs no tie rule.
    for (int Shift = 0; Shift < 24; Shift += 8)
      Result |= (((*P >> Shift & 0xFF) * A + 127) / 255) << Shift;
    *P = Result;
  }
}

void TskBitmap::CheckingAlphaBlend() {
  FAlphaBlend = false;
  if (Empty())
    return;
  const TskColor* Begin = FBits;
  FAlphaBlend = std::any_of(Begin, Begin + size_t(FWidth) * FHeight, [](TskColor P) {
    const TskColor A = P >> 24;
    return A != 0 && A != 255;
  });
}

void TskBitmap::CheckingAlphaBlend(const TRect&) { CheckingAlphaBlend(); }

void TskBitmap::CheckingTransparent(TskColor Color) {
  FTransparent = false;
  if (Empty())
    return;
  for (TskColor *P = FBits, *End = FBits + size_t(FWidth) * FHeight; P < End; ++P) {
    bool Near = true;
    for (int Shift = 0; Shift < 24 && Near; Shift += 8)
      Near = std::abs(Channel(*P, Shift) - Channel(Color, Shift)) <= 5;
    if (Near) {
      *P = TransparentKeyColor;
      FTransparent = true;
    }
  }
}

void TskBitmap::CheckingTransparent(const TRect&, TskColor Color) { CheckingTransparent(Color); }

void TskBitmap::FillRect(const TRect& R, TskColor Color) {
  if (Empty())
    return;
  const TRect C { std::max(R.Left, 0), std::max(R.Top, 0), std::min(R.Right, FWidth), std::min(R.Bottom, FHeight) };
  if (C.Left >= C.Right || C.Top >= C.Bottom)
    return;
  if (!FAlphaBlend) {
    FillPixelRect(FBits, FWidth, Color, C.Left, C.Top, C.Right - 1, C.Bottom - 1);
    return;
  }
  const std::vector<TskColor> Row(size_t(C.Width()), Color);
  for (int Y = C.Top; Y < C.Bottom; ++Y)
    BlendRow(Row.data(), PixelPtr(C.Left, Y), C.Width());
}

void TskBitmap::Assign(TPersistent* Source) {
  if (auto* Other = dynamic_cast<TskBitmap*>(Source)) {
    SetSize(Other->FWidth, Other->FHeight);
    if (Other->Empty() || Empty() || FWidth != Other->FWidth || FHeight != Other->FHeight)
      return;
    CopyPixels(Other->FBits, FBits, FWidth * FHeight);
    FName = Other->FName;
    FTransparent = Other->FTransparent;
    FAlphaBlend = Other->FAlphaBlend;
  } else if (auto* Bitmap = dynamic_cast<TBitmap*>(Source)) {
    AssignBitmap(Bitmap);
  } else if (auto* Picture = dynamic_cast<TPicture*>(Source)) {
    if (auto* PictureBitmap = dynamic_cast<TBitmap*>(Picture->Graphic()))
      AssignBitmap(PictureBitmap);
    else
      AssignGraphic(Picture->Graphic());
  } else if (auto* Graphic = dynamic_cast<TGraphic*>(Source)) {
    AssignGraphic(Graphic);
  } else {
    TPersistent::Assign(Source);
  }
}

void TskBitmap::AssignBitmap(TBitmap* Source) {
  if (Source->Empty())
    return;
  SetSize(Source->Width(), Source->Height());
  if (Source->PixelFormat() == pf32bit && !Source->Monochrome()) {
    for (int Y = 0; Y < FHeight; ++Y)
      std::memcpy(ScanLine(Y), Source->ScanLine(Y), size_t(FWidth) * sizeof(TskColor));
    CheckingAlphaBlend();
    return;
  }
  BitBlt(FDC, 0, 0, FWidth, FHeight, Source->Canvas()->Handle(), 0, 0, SRCCOPY);
  SetAlpha(255);
}

void TskBitmap::AssignGraphic(TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty())
    return;
  SetSize(Graphic->Width(), Graphic->Height());
  DrawGraphic(Graphic, TRect { 0, 0, FWidth, FHeight });
  SetAlpha(255);
}

void TskBitmap::AssignTo(TPersistent* Dest) {
  if (auto* Picture = dynamic_cast<TPicture*>(Dest)) {
    AssignTo(Picture->Bitmap());
  } else if (auto* Bitmap = dynamic_cast<TBitmap*>(Dest)) {
    Bitmap->SetPixelFormat(pf32bit);
    Bitmap->SetSize(FWidth, FHeight);
    if (!Empty())
      Draw(Bitmap->Canvas(), 0, 0);
  } else {
    TPersistent::AssignTo(Dest);
  }
}

void TskBitmap::DrawGraphic(TGraphic* Graphic, const TRect& DstRect) {
  if (Empty() || !Graphic)
    return;
  // The graphic is drawn over magenta; whatever it leaves magenta counts as not drawn.
  TBitmap Scratch;
  Scratch.SetPixelFormat(pf32bit);
  Scratch.SetSize(FWidth, FHeight);
  TCanvas* C = Scratch.Canvas();
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(RGB(255, 0, 255));
  C->FillRect(TRect { 0, 0, FWidth, FHeight });
  C->StretchDraw(DstRect, Graphic);
  for (int Y = 0; Y < FHeight; ++Y) {
    const auto* Row = static_cast<const TskColor*>(Scratch.ScanLine(Y));
    for (int X = 0; X < FWidth; ++X)
      if ((Row[X] & 0x00FFFFFFu) != Magenta)
        SetPixel(X, Y, Row[X]);
  }
}

namespace {

/// The triangle-weighted sums (weights Radius + 1 - |k|) of one line of Count three-channel values, edge
/// values repeated: Read(I, C) gives channel C of value I, Write(I, Sums) takes value I's three sums. The sum
/// moves on by what enters on the right less what leaves on the left, so each value costs the same at any
/// radius.
template <class TRead, class TWrite> void TriangleSums(int Count, int Radius, TRead Read, TWrite Write) {
  const auto At = [&](int64_t I, int C) -> int64_t { return Read(int(std::clamp<int64_t>(I, 0, Count - 1)), C); };
  int64_t Sum[3] {}, In[3] {}, Out[3] {};
  for (int C = 0; C < 3; ++C) {
    for (int64_t K = -Radius; K <= Radius; ++K) Sum[C] += (Radius + 1 - std::abs(K)) * At(K, C);
    for (int64_t K = 1; K <= int64_t(Radius) + 1; ++K) In[C] += At(K, C);
    for (int64_t K = -Radius; K <= 0; ++K) Out[C] += At(K, C);
  }
  for (int X = 0; X < Count; ++X) {
    Write(X, Sum);
    for (int C = 0; C < 3; ++C) {
      Sum[C] += In[C] - Out[C];
      In[C] += At(int64_t(X) + Radius + 2, C) - At(X + 1, C);
      Out[C] += At(X + 1, C) - At(int64_t(X) - Radius, C);
    }
  }
}

}  // namespace

void StackBlurBitmap(TskBitmap* Bitmap, int Radius) {
  if (!Bitmap || Bitmap->Empty() || Radius <= 0)
    return;
  const int W = Bitmap->Width(), H = Bitmap->Height();
  const int64_t Weights = (int64_t(Radius) + 1) * (int64_t(Radius) + 1);
  // Red, green and blue after the horizontal pass, each W x H.
  std::vector<uint8_t> Pass(size_t(W) * H * 3);
  for (int Y = 0; Y < H; ++Y) {
    const TskColor* Row = Bitmap->ScanLine(Y);
    uint8_t* Line = &Pass[size_t(Y) * W * 3];
    TriangleSums(
        W, Radius, [&](int X, int C) { return int64_t(Channel(Row[X], 8 * C)); },
        [&](int X, const int64_t* Sums) {
          for (int C = 0; C < 3; ++C) Line[X * 3 + C] = uint8_t(Sums[C] / Weights);
        });
  }
  for (int X = 0; X < W; ++X) {
    TriangleSums(
        H, Radius, [&](int Y, int C) { return int64_t(Pass[(size_t(Y) * W + X) * 3 + C]); },
        [&](int Y, const int64_t* Sums) {
          Bitmap->ScanLine(Y)[X] = 0xFF000000u | TskColor(Sums[2] / Weights) << 16 | TskColor(Sums[1] / Weights) << 8 |
                                   TskColor(Sums[0] / Weights);
        });
  }
}

void SetAlphaFromMask(TskBitmap* Bitmap, TskBitmap* Mask) {
  if (!Bitmap || Bitmap->Empty())
    return;
  const int MW = Mask && !Mask->Empty() ? Mask->Width() : 0, MH = MW ? Mask->Height() : 0;
  for (int Y = 0; Y < Bitmap->Height(); ++Y) {
    TskColor* Row = Bitmap->ScanLine(Y);
    for (int X = 0; X < Bitmap->Width(); ++X) {
      TskColor Alpha = 0;
      if (X < MW && Y < MH) {
        const TskColor M = *Mask->PixelPtr(X, Y);
        Alpha = TskColor(Channel(M, 16) + Channel(M, 8) + Channel(M, 0)) / 3;
      }
      Row[X] = (Row[X] & 0x00FFFFFFu) | Alpha << 24;
    }
  }
}

void SetPremultipliedAlphaFromMask(TskBitmap* Bitmap, TskBitmap* Mask) {
  SetAlphaFromMask(Bitmap, Mask);
  if (Bitmap)
    Bitmap->CheckRGBA2();
}
