// Colour adjustments, reflections, the stored form and links of the working bitmap.
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "platform/base/Exception.h"
#include "platform/base/TStream.h"
#include "platform/gdi/EmbeddedResources.h"
#include "platform/gdi/TBitmap.h"
#include "skin/core/TskBitmap.h"
#include "skin/core/TskBitmapLink.h"
#include "skin/core/skBitmapStorage.h"
#include "skin/core/skPcxImage.h"

namespace {

// Hue, saturation and lightness, each 0..1, in single precision as the adjustments have always used.
struct THsl {
  float H { 0 };
  float S { 0 };
  float L { 0 };
};

THsl RgbToHsl(TskColor P) {
  const float R = float(P >> 16 & 0xFF) / 255, G = float(P >> 8 & 0xFF) / 255, B = float(P & 0xFF) / 255;
  const float Max = std::max({ R, G, B }), Min = std::min({ R, G, B });
  THsl Result;
  Result.L = (Max + Min) / 2;
  if (Max == Min)
    return Result;
  const float D = Max - Min;
  Result.S = Result.L >= 0.5f ? D / (2 - Max - Min) : D / (Max + Min);
  if (Max == R)
    Result.H = (G - B) / D;
  else if (Max == G)
    Result.H = (B - R) / D + 2;
  else
    Result.H = (R - G) / D + 4;
  Result.H /= 6;
  if (Result.H < 0)
    Result.H += 1;
  return Result;
}

TskColor ChannelOf(float Value) { return TskColor(std::clamp(std::nearbyint(Value * 255), 0.0f, 255.0f)); }

float HueValue(float M1, float M2, float H) {
  H -= std::floor(H);
  if (6 * H < 1)
    return M1 + (M2 - M1) * 6 * H;
  if (2 * H < 1)
    return M2;
  if (3 * H < 2)
    return M1 + (M2 - M1) * (2.0f / 3 - H) * 6;
  return M1;
}

// The colour bits of a hue, saturation and lightness.
TskColor HslToRgb(const THsl& C) {
  if (C.S == 0) {
    const TskColor V = ChannelOf(C.L);
    return V << 16 | V << 8 | V;
  }
  const float M2 = C.L <= 0.5f ? C.L * (1 + C.S) : C.L + C.S - C.L * C.S;
  const float M1 = 2 * C.L - M2;
  return ChannelOf(HueValue(M1, M2, C.H + 1.0f / 3)) << 16 | ChannelOf(HueValue(M1, M2, C.H)) << 8 |
         ChannelOf(HueValue(M1, M2, C.H - 1.0f / 3));
}

// A shifted hue or saturation in 255ths, brought back into 0..255 by one turn either way.
int Wrapped(int Value) {
  if (Value > 255)
    Value -= 255;
  if (Value < 0)
    Value += 255;
  return Value;
}

// Runs Change over the colour bits of every pixel that is not fully transparent; alpha is kept.
template <class TChange> void AdjustVisible(TskBitmap* Bitmap, TChange&& Change) {
  if (Bitmap->Empty())
    return;
  for (int Y = 0; Y < Bitmap->Height(); ++Y) {
    TskColor* Row = Bitmap->ScanLine(Y);
    for (int X = 0; X < Bitmap->Width(); ++X)
      if (Row[X] >> 24 != 0)
        Row[X] = (Row[X] & 0xFF000000u) | (Change(Row[X]) & 0x00FFFFFFu);
  }
}

}  // namespace

void TskBitmap::ChangeBitmapBrightness(int DeltaBrightness) {
  if (DeltaBrightness == 0)
    return;
  AdjustVisible(this, [DeltaBrightness](TskColor P) {
    TskColor Result = 0;
    for (int Shift = 0; Shift < 24; Shift += 8)
      Result |= TskColor(std::clamp(int(P >> Shift & 0xFF) + DeltaBrightness, 0, 255)) << Shift;
    return Result;
  });
}

void TskBitmap::SetBitmapHue(int Hue) {
  const float H = float(std::clamp(Hue, 0, 255)) / 255;
  AdjustVisible(this, [H](TskColor P) {
    THsl C = RgbToHsl(P);
    C.H = H;
    return HslToRgb(C);
  });
}

void TskBitmap::ChangeBitmapHue(int DeltaHue) {
  if (DeltaHue == 0)
    return;
  AdjustVisible(this, [DeltaHue](TskColor P) {
    THsl C = RgbToHsl(P);
    C.H = float(Wrapped(int(std::nearbyint(C.H * 255)) + DeltaHue)) / 255;
    return HslToRgb(C);
  });
}

void TskBitmap::ChangeBitmapSat(int DeltaSat) {
  if (DeltaSat == 0)
    return;
  AdjustVisible(this, [DeltaSat](TskColor P) {
    THsl C = RgbToHsl(P);
    C.S = float(Wrapped(int(std::nearbyint(C.S * 255)) + DeltaSat)) / 255;
    return HslToRgb(C);
  });
}

void TskBitmap::FlipVert() {
  if (Empty())
    return;
  for (int Top = 0, Bottom = FHeight - 1; Top < Bottom; ++Top, --Bottom)
    std::swap_ranges(ScanLine(Top), ScanLine(Top) + FWidth, ScanLine(Bottom));
}

void TskBitmap::Reflection() { Reflect(3); }

void TskBitmap::Reflection2() { Reflect(4); }

void TskBitmap::Reflection3() { Reflect(2); }

void TskBitmap::Reflect(int Divisor) {
  FlipVert();
  if (Empty())
    return;
  double Fade = 1;
  for (int Y = 0; Y < FHeight; ++Y, Fade -= 2.0 / FHeight) {
    TskColor* Row = ScanLine(Y);
    for (int X = 0; X < FWidth; ++X)
      if (const TskColor A = Row[X] >> 24; A != 0) {
        const int Faded = std::max(0, int(std::nearbyint(Fade * A)) / Divisor);
        Row[X] = (Row[X] & 0x00FFFFFFu) | TskColor(Faded) << 24;
      }
  }
}

void TskBitmap::LoadFromStream(TStream* Stream) {
  String AName;
  ReadStringFromStream(Stream, AName);
  FName = AName;
  const int32_t W = Stream->ReadInt32(), StoredHeight = Stream->ReadInt32();
  const int64_t H = std::llabs(int64_t(StoredHeight));
  // A damaged size must not allocate more than the stream could fill.
  if (int64_t(W) * H * int64_t(sizeof(TskColor)) > Stream->Size() - Stream->Position())
    throw EReadError("Stream read error");
  SetSize(W, int(H));
  if (W <= 0 || W != FWidth || H != FHeight)
    return;
  Stream->ReadBuffer(FBits, Int64(W) * H * Int64(sizeof(TskColor)));
  if (StoredHeight <= 0)
    FlipVert();
}

void TskBitmap::SaveToStream(TStream* Stream) {
  WriteStringToStream(Stream, FName);
  Stream->WriteInt32(FWidth);
  Stream->WriteInt32(FHeight);
  if (!Empty())
    Stream->WriteBuffer(FBits, Int64(FWidth) * FHeight * Int64(sizeof(TskColor)));
}

void TskBitmap::LoadFromResource(const String& ResName) {
  TBitmap Picture;
  LoadFromResourceName(Picture, ResName);
  Assign(&Picture);
}

void TskBitmap::LoadFromPcxStream(TStream* Stream) {
  const std::optional<TPcxImage> Image = ReadPcxImage(Stream);
  if (!Image)
    return;
  SetSize(Image->Width, Image->Height);
  CopyPixels(Image->Pixels.data(), FBits, FWidth * FHeight);
}

std::unique_ptr<TskBitmapLink> TskBitmap::GetBitmapLink(const TRect& Rect) {
  auto Link = std::make_unique<TskBitmapLink>();
  Link->SetImage(this);
  Link->SetName(FName);
  Link->SetRect(Rect);
  return Link;
}

std::unique_ptr<TskBitmapLink> TskBitmap::GetBitmapLink(const String& Rect) { return GetBitmapLink(RectFromText(Rect)); }
