#include "skin/core/skPieces.h"

#include "platform/gdi/Gdi.h"

void CopyPiece(HDC Dst, HDC Src, const TRect& D, const TRect& S) {
  if (D.Width() <= 0 || D.Height() <= 0 || S.Width() <= 0 || S.Height() <= 0)
    return;
  StretchBlt(Dst, D.Left, D.Top, D.Width(), D.Height(), Src, S.Left, S.Top, S.Width(), S.Height(), SRCCOPY);
}

void TilePieceX(HDC Dst, HDC Src, const TRect& D, const TRect& S) {
  const int Length = S.Width();
  if (Length <= 1) {
    // A single column repeats into exactly the pixels of a stretched copy, which takes one blit.
    if (Length == 1)
      CopyPiece(Dst, Src, D, S);
    return;
  }
  const int Count = D.Width() / Length;
  for (int I = 0; I <= Count; ++I) {
    const int Start = D.Left + I * Length, End = Start + Length, Over = End > D.Right ? End - D.Right : 0;
    CopyPiece(Dst, Src, TRect { Start, D.Top, End - Over, D.Bottom }, TRect { S.Left, S.Top, S.Right - Over, S.Bottom });
  }
}

void TilePieceY(HDC Dst, HDC Src, const TRect& D, const TRect& S) {
  const int Length = S.Height();
  if (Length <= 1) {
    if (Length == 1)
      CopyPiece(Dst, Src, D, S);
    return;
  }
  const int Count = D.Height() / Length;
  for (int I = 0; I <= Count; ++I) {
    const int Start = D.Top + I * Length, End = Start + Length, Over = End > D.Bottom ? End - D.Bottom : 0;
    CopyPiece(Dst, Src, TRect { D.Left, Start, D.Right, End - Over }, TRect { S.Left, S.Top, S.Right, S.Bottom - Over });
  }
}
