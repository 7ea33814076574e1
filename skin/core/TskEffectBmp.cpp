#include "skin/core/TskEffectBmp.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/base/SysUtils.h"
#include "platform/gdi/Gdi.h"

namespace {

Byte ToChannel(double Value) { return Byte(std::clamp(std::nearbyint(Value), 0.0, 255.0)); }

// t old + (1 - t) new: t = 0 gives new, t = 1 keeps old.
void Mix(uint8_t* Old, const uint8_t* New, double T) {
  for (int C = 0; C < 3; ++C)
    Old[C] = ToChannel(T * Old[C] + (1 - T) * New[C]);
}

bool IsWhite(const uint8_t* P) { return P[0] == 255 && P[1] == 255 && P[2] == 255; }

int RoundToInt(double Value) { return int(std::nearbyint(Value)); }

}  // namespace

TskEffectBmp::TskEffectBmp(int cx, int cy) {
  BmpHeader.biWidth = cx;
  BmpHeader.biHeight = -cy;
  BmpHeader.biBitCount = 24;
  BmpHeader.biCompression = BI_RGB;
  BmpInfo = BITMAPINFO {};
  BmpInfo.bmiHeader = BmpHeader;
  void* Memory = nullptr;
  Handle = CreateDIBSection(nullptr, &BmpInfo, DIB_RGB_COLORS, &Memory, nullptr, 0);
  if (!Handle || !Memory)
    return;
  Bits = static_cast<uint8_t*>(Memory);
  Width = cx;
  Height = cy;
  Size = RowBytes() * Height;
}

TskEffectBmp::~TskEffectBmp() {
  if (Handle)
    DeleteObject(Handle);
}

std::unique_ptr<TskEffectBmp> TskEffectBmp::CreateFromhWnd(HBITMAP hBmp) {
  BITMAP Info {};
  GetObject(hBmp, sizeof Info, &Info);
  auto Result = std::make_unique<TskEffectBmp>(Info.bmWidth, Info.bmHeight);
  if (Result->Bits) {
    HDC DC = CreateCompatibleDC(nullptr);
    GetDIBits(DC, hBmp, 0, unsigned(Result->Height), Result->Bits, &Result->BmpInfo, DIB_RGB_COLORS);
    DeleteDC(DC);
  }
  return Result;
}

std::unique_ptr<TskEffectBmp> TskEffectBmp::CreateCopy(const TskEffectBmp& Source) {
  auto Result = std::make_unique<TskEffectBmp>(Source.Width, Source.Height);
  if (Result->Bits && Source.Bits)
    std::memcpy(Result->Bits, Source.Bits, size_t(Source.Size));
  return Result;
}

void TskEffectBmp::Draw(HDC DC, int x, int y) {
  if (Bits)
    SetDIBitsToDevice(DC, x, y, unsigned(Width), unsigned(Height), 0, 0, 0, unsigned(Height), Bits, &BmpInfo,
                      DIB_RGB_COLORS);
}

void TskEffectBmp::Stretch(HDC DC, int x, int y, int cx, int cy) {
  if (Bits)
    StretchDIBits(DC, x, y, cx, cy, 0, 0, Width, Height, Bits, &BmpInfo, DIB_RGB_COLORS, SRCCOPY);
}

void TskEffectBmp::DrawRect(HDC DC, int hx, int hy, int x, int y, int cx, int cy) {
  // Source rows are counted upwards from the bottom edge: rows y .. y + cy - 1 from the top start at
  // Height - y - cy from the bottom.
  if (Bits)
    StretchDIBits(DC, hx, hy, cx, cy, x, Height - y - cy, cx, cy, Bits, &BmpInfo, DIB_RGB_COLORS, SRCCOPY);
}

void TskEffectBmp::GetScanLine(int y, uint8_t* Line) const { std::memcpy(Line, Row(y), size_t(Width) * 3); }

bool TskEffectBmp::SameSize(const TskEffectBmp* BMP) const {
  return Bits && BMP && BMP->Bits && BMP->Width == Width && BMP->Height == Height;
}

bool TskEffectBmp::MaskFits(const TskEffectBmp* Msk) const {
  return Bits && Msk && Msk->Bits && Msk->Width == Width && Msk->Height >= Height;
}

void TskEffectBmp::Morph(TskEffectBmp* BMP, double Kf) {
  if (!SameSize(BMP))
    return;
  Kf = std::clamp(Kf, 0.0, 1.0);
  for (int y = 0; y < Height; ++y) {
    uint8_t* Old = Row(y);
    const uint8_t* New = BMP->Row(y);
    for (int I = 0; I < 3 * Width; ++I)
      Old[I] = ToChannel((1 - Kf) * Old[I] + Kf * New[I]);
  }
}

void TskEffectBmp::MorphRect(TskEffectBmp* BMP, double Kf, const TRect& Rct, int StartX, int StartY) {
  if (!Bits || !BMP || !BMP->Bits)
    return;
  Kf = std::clamp(Kf, 0.0, 1.0);
  for (int y = std::max(Rct.Top, 0); y < std::min(Rct.Bottom, Height); ++y)
    for (int x = std::max(Rct.Left, 0); x < std::min(Rct.Right, Width); ++x) {
      const int sx = StartX + x - Rct.Left, sy = StartY + y - Rct.Top;
      if (sx < 0 || sy < 0 || sx >= BMP->Width || sy >= BMP->Height)
        continue;
      Mix(Pixel(x, y), BMP->Pixel(sx, sy), 1 - Kf);
    }
}

void TskEffectBmp::CopyRect(TskEffectBmp* BMP, const TRect& Rct, int StartX, int StartY) {
  if (!Bits || !BMP || !BMP->Bits)
    return;
  for (int y = std::max(Rct.Top, 0); y <= std::min(Rct.Bottom, Height - 1); ++y)
    for (int x = std::max(Rct.Left, 0); x <= std::min(Rct.Right, Width - 1); ++x) {
      const int sx = StartX + x - Rct.Left, sy = StartY + y - Rct.Top;
      if (sx >= 0 && sy >= 0 && sx < BMP->Width && sy < BMP->Height)
        std::memcpy(Pixel(x, y), BMP->Pixel(sx, sy), 3);
    }
}

void TskEffectBmp::MorphGrad(TskEffectBmp* BMP, double Kf) {
  if (Width < Height)
    MorphVGrad(BMP, Kf);
  else
    MorphHGrad(BMP, Kf);
}

void TskEffectBmp::MorphHGrad(TskEffectBmp* BMP, double Kf) {
  if (!SameSize(BMP))
    return;
  // Factors beyond 0..1 would make the fading step negative.
  const int b = RoundToInt(Width * std::clamp(Kf, 0.0, 1.0));
  const int g = (Width - b) / 2;
  const double Step = g == 0 ? 1 : 1.0 / g;
  const int L = std::max(Width / 2 - b / 2, 0), R = std::min(Width / 2 + b / 2, Width - 1);
  for (int y = 0; y < Height; ++y) {
    for (int x = L; x <= R; ++x)
      std::memcpy(Pixel(x, y), BMP->Pixel(x, y), 3);
    double T = 0;
    for (int x = L; x >= 0; --x, T = std::min(1.0, T + Step))
      Mix(Pixel(x, y), BMP->Pixel(x, y), T);
    T = 0;
    for (int x = R; x < Width; ++x, T = std::min(1.0, T + Step))
      Mix(Pixel(x, y), BMP->Pixel(x, y), T);
  }
}

void TskEffectBmp::MorphVGrad(TskEffectBmp* BMP, double Kf) {
  if (!SameSize(BMP))
    return;
  const int b = RoundToInt(Height * std::clamp(Kf, 0.0, 1.0));
  const int g = (Height - 1 - b) / 2;
  const double Step = g == 0 ? 0 : 1.0 / g;
  const int T0 = std::max(Height / 2 - b / 2, 0), B0 = std::min(Height / 2 + b / 2, Height - 1);
  const auto MixRow = [&](int y, double T) {
    for (int x = 0; x < Width; ++x)
      Mix(Pixel(x, y), BMP->Pixel(x, y), T);
  };
  for (int y = T0; y <= B0; ++y)
    std::memcpy(Row(y), BMP->Row(y), size_t(Width) * 3);
  double T = 0;
  for (int y = T0; y >= 0; --y, T = std::min(1.0, T + Step))
    MixRow(y, T);
  T = 0;
  for (int y = B0; y < Height; ++y, T = std::min(1.0, T + Step))
    MixRow(y, T);
}

void TskEffectBmp::MorphLeftGrad(TskEffectBmp* BMP, double Kf) {
  if (!SameSize(BMP))
    return;
  const int b = std::max(1, std::min(RoundToInt(Width * Kf), Width - 1));
  for (int y = 0; y < Height; ++y) {
    double T = 0;
    for (int x = 0; x <= b && x < Width; ++x, T = std::min(1.0, T + 1.0 / b))
      Mix(Pixel(x, y), BMP->Pixel(x, y), T);
  }
}

void TskEffectBmp::MorphRightGrad(TskEffectBmp* BMP, double Kf) {
  if (!SameSize(BMP))
    return;
  const int c = std::max(0, std::min(Width - RoundToInt(Width * Kf), Width - 1));
  for (int y = 0; y < Height; ++y) {
    double T = 0;
    for (int x = Width - 1; x >= c; --x, T = std::min(1.0, T + 1.0 / (Width - c)))
      Mix(Pixel(x, y), BMP->Pixel(x, y), T);
  }
}

void TskEffectBmp::MorphLeftSlide(TskEffectBmp* BMP, double Kf) {
  if (!SameSize(BMP))
    return;
  const int b = std::min(std::max(1, std::min(RoundToInt(Width * Kf), Width - 1)), Width);
  for (int y = 0; y < Height; ++y)
    std::memcpy(Row(y), BMP->Pixel(Width - b, y), size_t(b) * 3);
}

void TskEffectBmp::MorphRightSlide(TskEffectBmp* BMP, double Kf) {
  if (!SameSize(BMP))
    return;
  const int b = std::min(std::max(1, std::min(RoundToInt(Width * Kf), Width - 1)), Width);
  for (int y = 0; y < Height; ++y)
    std::memcpy(Pixel(Width - b, y), BMP->Row(y), size_t(b) * 3);
}

void TskEffectBmp::MorphPush(TskEffectBmp* BMP, double Kf) {
  if (!SameSize(BMP))
    return;
  const int b = std::max(0, std::min(RoundToInt(Width * Kf), Width - 1));
  for (int y = 0; y < Height; ++y) {
    std::memmove(Pixel(b + 1, y), Row(y), size_t(Width - b - 1) * 3);
    std::memcpy(Row(y), BMP->Pixel(Width - b - 1, y), size_t(b + 1) * 3);
  }
}

void TskEffectBmp::ChangeBrightness(double Kf) {
  Kf = std::clamp(Kf, 0.0, 1.0);
  for (int y = 0; y < Height; ++y)
    for (uint8_t *P = Row(y), *End = P + 3 * Width; P < End; ++P)
      *P = ToChannel((1 - Kf) * *P + Kf * 255);
}

void TskEffectBmp::ChangeDarkness(double Kf) {
  Kf = std::clamp(Kf, 0.0, 1.0);
  for (int y = 0; y < Height; ++y)
    for (uint8_t *P = Row(y), *End = P + 3 * Width; P < End; ++P)
      *P = ToChannel((1 - Kf) * *P);
}

void TskEffectBmp::GrayScale() {
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) {
      uint8_t* P = Pixel(x, y);
      P[0] = P[1] = P[2] = ToChannel(0.30 * P[2] + 0.59 * P[1] + 0.11 * P[0]);
    }
}

void TskEffectBmp::Invert() {
  for (int y = 0; y < Height; ++y)
    for (uint8_t *P = Row(y), *End = P + 3 * Width; P < End; ++P)
      *P = uint8_t(255 - *P);
}

void TskEffectBmp::NeighbourPlaces(int x, int y, int Amount, TPoint (&Places)[4]) const {
  // A neighbour beyond an edge is replaced by the pixel's own row or column, on either side.
  const int Up = y - Amount < 0 ? y : y - Amount, Down = y + Amount >= Height ? y : y + Amount;
  const int Left = x - Amount < 0 ? x : x - Amount, Right = x + Amount >= Width ? x : x + Amount;
  Places[0] = { Left, Up };
  Places[1] = { Left, Down };
  Places[2] = { Right, Up };
  Places[3] = { Right, Down };
}

void TskEffectBmp::BlurPixel(int x, int y, const TPoint (&Places)[4]) {
  uint8_t* P = Pixel(x, y);
  for (int C = 0; C < 3; ++C) {
    int Sum = 0;
    for (const TPoint& N : Places)
      Sum += Pixel(N.X, N.Y)[C];
    P[C] = uint8_t(Sum / 4);
  }
}

void TskEffectBmp::BlurPixel(int x, int y, int Amount) {
  TPoint Places[4];
  NeighbourPlaces(x, y, Amount, Places);
  BlurPixel(x, y, Places);
}

void TskEffectBmp::SplitBlur(int Amount) {
  if (Amount <= 0)
    return;
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x)
      BlurPixel(x, y, Amount);
}

void TskEffectBmp::Mosaic(int ASize) {
  if (ASize <= 1)
    return;
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x)
      std::memcpy(Pixel(x, y), Pixel(x - x % ASize, y - y % ASize), 3);
}

void TskEffectBmp::AddMonoNoise(int Amount) {
  if (Amount <= 0)
    return;
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) {
      uint8_t* P = Pixel(x, y);
      const int Noise = Random(Amount) - Amount / 2;
      for (int C = 0; C < 3; ++C)
        P[C] = uint8_t(std::clamp(P[C] + Noise, 0, 255));
    }
}

void TskEffectBmp::AddColorNoise(int Amount) {
  if (Amount <= 0)
    return;
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) {
      uint8_t* P = Pixel(x, y);
      for (int C = 2; C >= 0; --C)
        P[C] = uint8_t(std::clamp(P[C] + Random(Amount) - Amount / 2, 0, 255));
    }
}

void TskEffectBmp::Rotate90_1(TskEffectBmp* Dst) {
  if (!Bits || !Dst || !Dst->Bits || Dst->Width != Height || Dst->Height != Width)
    return;
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x)
      std::memcpy(Dst->Pixel(y, Width - 1 - x), Pixel(x, y), 3);
}

void TskEffectBmp::Rotate90_2(TskEffectBmp* Dst) {
  if (!Bits || !Dst || !Dst->Bits || Dst->Width != Height || Dst->Height != Width)
    return;
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x)
      std::memcpy(Dst->Pixel(Height - 1 - y, x), Pixel(x, y), 3);
}

void TskEffectBmp::FlipVert(TskEffectBmp* Dst) {
  if (!SameSize(Dst))
    return;
  const size_t Bytes = size_t(Width) * 3;
  if (Dst == this) {
    for (int Top = 0, Bottom = Height - 1; Top < Bottom; ++Top, --Bottom)
      std::swap_ranges(Row(Top), Row(Top) + Bytes, Row(Bottom));
    return;
  }
  for (int y = 0; y < Height; ++y)
    std::memcpy(Dst->Row(Height - 1 - y), Row(y), Bytes);
}

void TskEffectBmp::Wave(int XDIV, int YDIV, int RatioVal) {
  if (XDIV == 0 || YDIV == 0 || !Bits)
    return;
  const std::vector<uint8_t> Copy(Bits, Bits + Size);
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) {
      const int sx = std::clamp(RoundToInt(std::sin(double(y) / YDIV) * RatioVal + x), 0, Width - 1);
      const int sy = std::clamp(RoundToInt(y + RatioVal * std::sin(double(x) / XDIV)), 0, Height - 1);
      std::memcpy(Pixel(x, y), &Copy[size_t(sy) * RowBytes() + size_t(sx) * 3], 3);
    }
}

void TskEffectBmp::Resize(TskEffectBmp* Dst) {
  if (!Bits || !Dst || !Dst->Bits)
    return;
  const int BlockW = RoundToInt(double(Dst->Width - 1) / Width) + 1;
  const int BlockH = RoundToInt(double(Dst->Height - 1) / Height) + 1;
  for (int y = 0; y < Height; ++y) {
    const int Top = RoundToInt(double(y) * (Dst->Height - 1) / Height);
    for (int x = 0; x < Width; ++x) {
      const int Left = RoundToInt(double(x) * (Dst->Width - 1) / Width);
      for (int v = Top; v < std::min(Top + BlockH, Dst->Height); ++v)
        for (int u = Left; u < std::min(Left + BlockW, Dst->Width); ++u)
          std::memcpy(Dst->Pixel(u, v), Pixel(x, y), 3);
    }
  }
}

void TskEffectBmp::MaskBlur(TskEffectBmp* Msk, int Amount) {
  if (Amount <= 0 || !MaskFits(Msk))
    return;
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x)
      if (!IsWhite(Msk->Pixel(x, y)))
        BlurPixel(x, y, Amount);
}

void TskEffectBmp::MaskAntialiasing(TskEffectBmp* Msk, int Amount) {
  if (Amount <= 0 || !MaskFits(Msk))
    return;
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) {
      if (IsWhite(Msk->Pixel(x, y)))
        continue;
      // The mask is read at the image's own neighbour places.
      TPoint Places[4];
      NeighbourPlaces(x, y, Amount, Places);
      if (std::any_of(std::begin(Places), std::end(Places), [&](TPoint N) { return IsWhite(Msk->Pixel(N.X, N.Y)); }))
        BlurPixel(x, y, Places);
    }
}

void TskEffectBmp::MaskFillColor(TskEffectBmp* Msk, TColor C, double kf) {
  if (!MaskFits(Msk))
    return;
  const TColor Rgb = ColorToRGB(C);
  const double Fill[3] { double(GetBValue(Rgb)), double(GetGValue(Rgb)), double(GetRValue(Rgb)) };
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) {
      if (IsWhite(Msk->Pixel(x, y)))
        continue;
      uint8_t* P = Pixel(x, y);
      for (int Ch = 0; Ch < 3; ++Ch)
        P[Ch] = ToChannel((1 - kf) * P[Ch] + kf * Fill[Ch]);
    }
}
