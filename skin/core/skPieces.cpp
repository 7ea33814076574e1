#include "skin/core/skPieces.h"

#include "platform/gdi/Gdi.h"

namespace {

bool IsEmpty(const TRect& R) { return R.Width() <= 0 || R.Height() <= 0; }

// S over D, repeated along the axes asked for and stretched along the others, in one blit.
void RepeatPiece(HDC Dst, HDC Src, const TRect& D, const TRect& S, bool AcrossX, bool AcrossY) {
  if (IsEmpty(D) || IsEmpty(S))
    return;
  TileBlt(Dst, D.Left, D.Top, D.Width(), D.Height(), Src, S.Left, S.Top, S.Width(), S.Height(), AcrossX, AcrossY);
}

}  // namespace

void CopyPiece(HDC Dst, HDC Src, const TRect& D, const TRect& S) {
  if (IsEmpty(D) || IsEmpty(S))
    return;
  StretchBlt(Dst, D.Left, D.Top, D.Width(), D.Height(), Src, S.Left, S.Top, S.Width(), S.Height(), SRCCOPY);
}

void TilePieceX(HDC Dst, HDC Src, const TRect& D, const TRect& S) { RepeatPiece(Dst, Src, D, S, true, false); }

void TilePieceY(HDC Dst, HDC Src, const TRect& D, const TRect& S) { RepeatPiece(Dst, Src, D, S, false, true); }

void TilePiece(HDC Dst, HDC Src, const TRect& D, const TRect& S) { RepeatPiece(Dst, Src, D, S, true, true); }
