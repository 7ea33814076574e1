#include "platform/ui/winsys/ScrollBarState.h"

#include <algorithm>

void ScrollBarState::Set(const SCROLLINFO& Info) {
  if (Info.fMask & SIF_RANGE) {
    FMin = Info.nMin;
    FMax = std::max(Info.nMin, Info.nMax);
  }
  if (Info.fMask & SIF_PAGE)
    FPage = Info.nPage;
  if (Info.fMask & SIF_POS)
    FPos = Info.nPos;
  const Int64 Span = Int64(FMax) - FMin + 1;
  FPage = UINT(std::min<Int64>(FPage, Span));
  FPos = std::clamp(FPos, FMin, MaxPos());
}

void ScrollBarState::Get(SCROLLINFO& Info) const {
  if (Info.fMask & SIF_RANGE) {
    Info.nMin = FMin;
    Info.nMax = FMax;
  }
  if (Info.fMask & SIF_PAGE)
    Info.nPage = FPage;
  if (Info.fMask & SIF_POS)
    Info.nPos = FPos;
  if (Info.fMask & SIF_TRACKPOS)
    Info.nTrackPos = FPos;
}

int ScrollBarState::MaxPos() const {
  return int(std::max<Int64>(FMin, Int64(FMax) - std::max<Int64>(Int64(FPage) - 1, 0)));
}

bool ScrollBarState::CanScroll() const { return MaxPos() > FMin; }
