// Drawing a working bitmap onto device contexts, canvases and other working bitmaps, tiling it, and
// merging another image behind it.
#include <algorithm>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TCanvas.h"
#include "skin/core/TskBitmap.h"

namespace {

TRect Intersection(const TRect& A, const TRect& B) {
  return { std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right), std::min(A.Bottom, B.Bottom) };
}

bool IsEmpty(const TRect& R) { return R.Left >= R.Right || R.Top >= R.Bottom; }

TRect Moved(const TRect& R, int DX, int DY) { return { R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY }; }

// N / D rounded to nearest, halves to the even neighbour; N >= 0, D > 0.
int RoundHalfEven(int64_t N, int64_t D) {
  int64_t Q = N / D;
  const int64_t R2 = 2 * (N % D);
  if (R2 > D || (R2 == D && (Q & 1)))
    ++Q;
  return int(Q);
}

// The source index that destination index K (counted from the destination's start) shows when SrcLength
// pixels from SrcStart are scaled to DstLength: the ends map onto the ends, and a destination shorter than
// two pixels shows the middle.
int SourceIndex(int K, int SrcStart, int SrcLength, int DstLength) {
  if (DstLength < 2)
    return (SrcStart + SrcStart + SrcLength - 1) / 2;
  return SrcStart + RoundHalfEven(int64_t(K) * (SrcLength - 1), DstLength - 1);
}

// Whether DC draws into a bitmap of 32 bits per pixel, whose alpha the drawing sets.
bool HoldsAlpha(HDC DC) {
  BITMAP Info {};
  return GetObject(GetCurrentObject(DC, OBJ_BITMAP), sizeof(Info), &Info) != 0 && Info.bmBitsPixel == 32;
}

using TRowKernel = void (*)(const TskColor* Src, TskColor* Dst, int Count);

// The row kernel of a bitmap's drawing flags; per-pixel alpha wins over the transparent key.
TRowKernel KernelFor(bool AlphaBlend, bool Transparent) {
  return AlphaBlend ? BlendRow : Transparent ? TransparentRow : CopyPixels;
}

}  // namespace

TskBitmap::TDrawMode TskBitmap::Mode() const {
  return FAlphaBlend ? TDrawMode::Blend : FTransparent ? TDrawMode::Transparent : TDrawMode::Copy;
}

void TskBitmap::Draw(HDC DC, int X, int Y) { Draw(DC, TRect { X, Y, X + FWidth, Y + FHeight }, TRect { 0, 0, FWidth, FHeight }); }

void TskBitmap::Draw(HDC DC, int X, int Y, const TRect& SrcRect) {
  Draw(DC, TRect { X, Y, X + SrcRect.Width(), Y + SrcRect.Height() }, SrcRect);
}

void TskBitmap::Draw(HDC DC, const TRect& DstRect) { Draw(DC, DstRect, TRect { 0, 0, FWidth, FHeight }); }

void TskBitmap::Draw(HDC DC, const TRect& DstRect, const TRect& SrcRect) {
  if (TskBitmap* Target = FromDC(DC)) {
    // The system would map through the window origin too, so the pixels land where it would put them.
    TPoint Origin;
    GetWindowOrgEx(DC, &Origin);
    Draw(Target, Moved(DstRect, -Origin.X, -Origin.Y), SrcRect);
    return;
  }
  if (Empty() || IsEmpty(DstRect))
    return;
  switch (Mode()) {
    case TDrawMode::Blend: DrawThroughTemporary(DC, DstRect, SrcRect); break;
    case TDrawMode::Transparent:
      TransparentBlt(DC, DstRect.Left, DstRect.Top, DstRect.Width(), DstRect.Height(), FDC, SrcRect.Left,
                     SrcRect.Top, SrcRect.Width(), SrcRect.Height(), RGB(127, 0, 127));
      break;
    case TDrawMode::Copy:
      SetStretchBltMode(DC, COLORONCOLOR);
      StretchBlt(DC, DstRect.Left, DstRect.Top, DstRect.Width(), DstRect.Height(), FDC, SrcRect.Left, SrcRect.Top,
                 SrcRect.Width(), SrcRect.Height(), SRCCOPY);
      break;
  }
}

// Per-pixel alpha onto a foreign context: its pixels under DstRect are fetched into a working bitmap,
// blended there and put back.
void TskBitmap::DrawThroughTemporary(HDC DC, const TRect& DstRect, const TRect& SrcRect) {
  const int W = DstRect.Width(), H = DstRect.Height();
  TskBitmap Under;
  Under.SetSize(W, H);
  BitBlt(Under.FDC, 0, 0, W, H, DC, DstRect.Left, DstRect.Top, SRCCOPY);
  Draw(&Under, TRect { 0, 0, W, H }, SrcRect);
  BitBlt(DC, DstRect.Left, DstRect.Top, W, H, Under.FDC, 0, 0, SRCCOPY);
}

void TskBitmap::Draw(TCanvas* Canvas, int X, int Y) { Draw(Canvas->Handle(), X, Y); }

void TskBitmap::Draw(TCanvas* Canvas, int X, int Y, const TRect& SrcRect) { Draw(Canvas->Handle(), X, Y, SrcRect); }

void TskBitmap::Draw(TCanvas* Canvas, const TRect& DstRect) { Draw(Canvas->Handle(), DstRect); }

void TskBitmap::Draw(TCanvas* Canvas, const TRect& DstRect, const TRect& SrcRect) {
  Draw(Canvas->Handle(), DstRect, SrcRect);
}

void TskBitmap::Draw(TskBitmap* Bitmap, int X, int Y) {
  Draw(Bitmap, TRect { X, Y, X + FWidth, Y + FHeight }, TRect { 0, 0, FWidth, FHeight });
}

void TskBitmap::Draw(TskBitmap* Bitmap, int X, int Y, const TRect& SrcRect) {
  Draw(Bitmap, TRect { X, Y, X + SrcRect.Width(), Y + SrcRect.Height() }, SrcRect);
}

void TskBitmap::Draw(TskBitmap* Bitmap, const TRect& DstRect) { Draw(Bitmap, DstRect, TRect { 0, 0, FWidth, FHeight }); }

void TskBitmap::Draw(TskBitmap* Bitmap, const TRect& DstRect, const TRect& SrcRect) {
  if (!Bitmap || Bitmap->Empty() || Empty() || SrcRect.Width() <= 0 || SrcRect.Height() <= 0)
    return;
  const TRect Clipped = Intersection(DstRect, TRect { 0, 0, Bitmap->FWidth, Bitmap->FHeight });
  if (IsEmpty(Clipped))
    return;
  if (SrcRect.Left < 0 || SrcRect.Top < 0 || SrcRect.Right > FWidth || SrcRect.Bottom > FHeight)
    return;
  if (SrcRect.Width() != DstRect.Width() || SrcRect.Height() != DstRect.Height()) {
    DrawScaled(Bitmap, DstRect, SrcRect, Clipped);
    return;
  }
  const TRowKernel Kernel = KernelFor(FAlphaBlend, FTransparent);
  const int SrcX = SrcRect.Left + Clipped.Left - DstRect.Left;
  for (int Y = Clipped.Top; Y < Clipped.Bottom; ++Y)
    Kernel(PixelPtr(SrcX, SrcRect.Top + Y - DstRect.Top), Bitmap->PixelPtr(Clipped.Left, Y), Clipped.Width());
}

void TskBitmap::DrawScaled(TskBitmap* Target, const TRect& DstRect, const TRect& SrcRect, const TRect& Clipped) {
  const TRowKernel Kernel = KernelFor(FAlphaBlend, FTransparent);
  const bool Copying = Mode() == TDrawMode::Copy;
  const int Count = Clipped.Width();
  std::vector<int> Columns(static_cast<size_t>(Count));
  for (int X = Clipped.Left; X < Clipped.Right; ++X)
    Columns[size_t(X - Clipped.Left)] = SourceIndex(X - DstRect.Left, SrcRect.Left, SrcRect.Width(), DstRect.Width());
  // One source row is gathered once and serves every target row that maps to it.
  std::vector<TskColor> Row(static_cast<size_t>(Count));
  int GatheredRow = -1;
  for (int Y = Clipped.Top; Y < Clipped.Bottom; ++Y) {
    const int SrcY = SourceIndex(Y - DstRect.Top, SrcRect.Top, SrcRect.Height(), DstRect.Height());
    TskColor* Dst = Target->PixelPtr(Clipped.Left, Y);
    if (SrcY == GatheredRow && Copying) {
      CopyPixels(Target->PixelPtr(Clipped.Left, Y - 1), Dst, Count);
      continue;
    }
    if (SrcY != GatheredRow) {
      const TskColor* Src = ScanLine(SrcY);
      for (int I = 0; I < Count; ++I)
        Row[size_t(I)] = Src[Columns[size_t(I)]];
      GatheredRow = SrcY;
    }
    Kernel(Row.data(), Dst, Count);
  }
}

template <class TTileDraw>
void TskBitmap::ForEachTile(const TRect& DstRect, const TRect& SrcRect, const TRect* DstClip, TTileDraw&& DrawTile) {
  const int W = SrcRect.Width(), H = SrcRect.Height();
  if (W <= 0 || H <= 0)
    return;
  const int DW = DstRect.Width(), DH = DstRect.Height();
  const int Columns = DW / W + (DW % W != 0 ? 1 : 0), Rows = DH / H + (DH % H != 0 ? 1 : 0);
  if (Columns < 0)
    return;
  const bool Everywhere = !DstClip || IsEmpty(*DstClip);
  for (int I = 0; I <= Columns; ++I)
    for (int J = 0; J <= Rows; ++J) {
      const int X = DstRect.Left + I * W, Y = DstRect.Top + J * H;
      const TRect Tile = Intersection(TRect { X, Y, X + W, Y + H }, DstRect);
      if (IsEmpty(Tile))
        break;
      if (!Everywhere && IsEmpty(Intersection(Tile, *DstClip)))
        continue;
      DrawTile(Tile, TRect { SrcRect.Left, SrcRect.Top, SrcRect.Left + Tile.Width(), SrcRect.Top + Tile.Height() });
    }
}

void TskBitmap::Tile(HDC DC, const TRect& DstRect, const TRect& SrcRect) { TileClip(DC, DstRect, TRect(), SrcRect); }

void TskBitmap::Tile(TCanvas* Canvas, const TRect& DstRect, const TRect& SrcRect) {
  TileClip(Canvas->Handle(), DstRect, TRect(), SrcRect);
}

void TskBitmap::Tile(TskBitmap* Bitmap, const TRect& DstRect, const TRect& SrcRect) {
  TileClip(Bitmap, DstRect, TRect(), SrcRect);
}

void TskBitmap::TileClip(HDC DC, const TRect& DstRect, const TRect& DstClip, const TRect& SrcRect) {
  const bool Inside = SrcRect.Left >= 0 && SrcRect.Top >= 0 && SrcRect.Right <= FWidth && SrcRect.Bottom <= FHeight;
  if (Mode() == TDrawMode::Transparent && !FromDC(DC) && Inside && !IsEmpty(SrcRect) && HoldsAlpha(DC)) {
    // Tiles written into a 32-bit bitmap are opaque wherever they are drawn, as in a working bitmap
    // (the transparent row): tile an opaque copy of the piece, whose key pixels are still left out.
    TskBitmap Opaque;
    Opaque.SetSize(SrcRect.Width(), SrcRect.Height());
    Opaque.SetTransparent(true);
    for (int Y = 0; Y < SrcRect.Height(); ++Y) {
      CopyPixels(PixelPtr(SrcRect.Left, SrcRect.Top + Y), Opaque.PixelPtr(0, Y), SrcRect.Width());
      SetPixelsAlpha(Opaque.PixelPtr(0, Y), SrcRect.Width(), 255);
    }
    Opaque.ForEachTile(DstRect, TRect { 0, 0, SrcRect.Width(), SrcRect.Height() }, &DstClip,
                       [&](const TRect& Tile, const TRect& Part) { Opaque.Draw(DC, Tile, Part); });
    return;
  }
  ForEachTile(DstRect, SrcRect, &DstClip, [&](const TRect& Tile, const TRect& Part) { Draw(DC, Tile, Part); });
}

void TskBitmap::TileClip(TCanvas* Canvas, const TRect& DstRect, const TRect& DstClip, const TRect& SrcRect) {
  TileClip(Canvas->Handle(), DstRect, DstClip, SrcRect);
}

void TskBitmap::TileClip(TskBitmap* Bitmap, const TRect& DstRect, const TRect& DstClip, const TRect& SrcRect) {
  ForEachTile(DstRect, SrcRect, &DstClip, [&](const TRect& Tile, const TRect& Part) { Draw(Bitmap, Tile, Part); });
}

void TskBitmap::MergeDraw(TskBitmap* Bitmap, int X, int Y, const TRect& SrcRect) {
  if (!Bitmap || Bitmap->Empty() || Empty())
    return;
  const TRect Part = Intersection(SrcRect, TRect { 0, 0, Bitmap->FWidth, Bitmap->FHeight });
  for (int B = Part.Top; B < Part.Bottom; ++B) {
    const int DY = Y + B - SrcRect.Top;
    if (DY < 0 || DY >= FHeight)
      continue;
    for (int A = Part.Left; A < Part.Right; ++A) {
      const int DX = X + A - SrcRect.Left;
      if (DX < 0 || DX >= FWidth)
        continue;
      TskColor& D = *PixelPtr(DX, DY);
      const TskColor Alpha = D >> 24, Behind = *Bitmap->PixelPtr(A, B);
      if (Alpha == 0)
        D = Behind;
      else if (Alpha < 255)
        D = BlendPixel(D, Behind);
    }
  }
}
