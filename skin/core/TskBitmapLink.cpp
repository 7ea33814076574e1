#include "skin/core/TskBitmapLink.h"

#include "platform/base/TStream.h"
#include "skin/core/TskBitmap.h"
#include "skin/core/skBitmapStorage.h"

namespace {

bool Inside(int X, int Y, int Left, int Top, int Right, int Bottom) {
  return X >= Left && X < Right && Y >= Top && Y < Bottom;
}

}  // namespace

bool TskBitmapLink::Assigned() const { return FImage && int64_t(FRect.Width()) * FRect.Height() > 0; }

void TskBitmapLink::Assign(TPersistent* Source) {
  auto* Other = dynamic_cast<TskBitmapLink*>(Source);
  if (!Other) {
    TPersistent::Assign(Source);
    return;
  }
  FImage = Other->FImage;
  FRect = Other->FRect;
  FName = Other->FName;
  FMasked = Other->FMasked;
  FMaskedBorder = Other->FMaskedBorder;
  FMaskedAngles = Other->FMaskedAngles;
}

void TskBitmapLink::LoadFromStream(TStream* Stream) {
  ReadStringFromStream(Stream, FName);
  FRect.Left = Stream->ReadInt32();
  FRect.Top = Stream->ReadInt32();
  FRect.Right = Stream->ReadInt32();
  FRect.Bottom = Stream->ReadInt32();
}

void TskBitmapLink::SaveToStream(TStream* Stream) {
  WriteStringToStream(Stream, FName);
  for (int V : { FRect.Left, FRect.Top, FRect.Right, FRect.Bottom })
    Stream->WriteInt32(V);
}

bool TskBitmapLink::Drawable() const {
  return FImage && !FImage->Empty() && FRect.Width() > 0 && FRect.Height() > 0;
}

void TskBitmapLink::Draw(TCanvas* Canvas, int X, int Y) {
  if (Drawable())
    FImage->Draw(Canvas, X, Y, FRect);
}

void TskBitmapLink::Draw(TskBitmap* Bitmap, int X, int Y) {
  if (Drawable())
    FImage->Draw(Bitmap, X, Y, FRect);
}

void TskBitmapLink::CheckingMasked() { CheckingMasked(TRect()); }

void TskBitmapLink::CheckingMasked(const TRect& Margin) {
  FMasked = FMaskedBorder = FMaskedAngles = false;
  const bool NoMargin = Margin == TRect();
  const int W = FRect.Width(), H = FRect.Height();
  const int ML = Margin.Left, MT = Margin.Top, MR = Margin.Right, MB = Margin.Bottom;
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) {
      const int IX = FRect.Left + X, IY = FRect.Top + Y;
      const bool InImage = FImage && !FImage->Empty() && IX >= 0 && IY >= 0 && IX < FImage->Width() &&
                           IY < FImage->Height();
      const TskColor P = InImage ? *FImage->PixelPtr(IX, IY) : 0;
      if (P == 0x33333333u || (P != TransparentKeyColor && P >> 24 == 255))
        continue;
      if (NoMargin) {
        FMasked = true;
        continue;
      }
      if (Inside(X, Y, 0, 0, ML, MT) || Inside(X, Y, W - MR, 0, W, MT) || Inside(X, Y, W - MR, H - MB, W, H) ||
          Inside(X, Y, 0, H - MB, ML, H))
        FMaskedAngles = true;
      if (Inside(X, Y, ML, 0, W - MR, MT) || Inside(X, Y, ML, H - MB, W - MR, H) || Inside(X, Y, 0, MT, ML, H - MB) ||
          Inside(X, Y, W - MR, MT, W, H - MB))
        FMaskedBorder = true;
      if (Inside(X, Y, ML, MT, W - MR, H - MB))
        FMasked = true;
    }
}
