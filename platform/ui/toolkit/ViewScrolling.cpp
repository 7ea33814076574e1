#include "platform/ui/toolkit/ViewScrolling.h"

#include "platform/ui/winsys/Messages.h"
#include "platform/ui/winsys/ScrollBars.h"
#include "platform/ui/winsys/Ui.h"

void PublishScrollState(HWND Wnd, int Bar, int Min, int Max, int Page, int Pos) {
  SCROLLINFO Info;
  Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  Info.nMin = Min;
  Info.nMax = Max;
  Info.nPage = UINT(Page < 0 ? 0 : Page);
  Info.nPos = Pos;
  SetScrollInfo(Wnd, Bar, Info, true);
  const bool Needed = Max - Min + 1 > Page && Page > 0;
  const DWORD Style = Bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
  if (Needed != ((GetWindowLongPtr(Wnd, GWL_STYLE) & Style) != 0)) ShowScrollBar(Wnd, Bar, Needed);
}

std::optional<int> RequestedScrollPosition(HWND Wnd, int Bar, WPARAM WParam, const SCROLLINFO& Info, int Pos, int Line) {
  const int Page = Info.nPage > 1 ? int(Info.nPage) : 1;
  switch (LOWORD(WParam)) {
  case SB_LINEUP: return Pos - Line;
  case SB_LINEDOWN: return Pos + Line;
  case SB_PAGEUP: return Pos - Page;
  case SB_PAGEDOWN: return Pos + Page;
  case SB_THUMBPOSITION:
  case SB_THUMBTRACK: return ThumbPosition(Wnd, Bar, WParam);
  case SB_TOP: return Info.nMin;
  case SB_BOTTOM: return Info.nMax;
  default: return std::nullopt;
  }
}

int ThumbPosition(HWND Wnd, int Bar, WPARAM WParam) {
  const int Short = HIWORD(WParam);
  SCROLLINFO Info;
  Info.fMask = SIF_POS;
  if (GetScrollInfo(Wnd, Bar, &Info) && (Info.nPos & 0xFFFF) == Short) return Info.nPos;
  return Short;
}
