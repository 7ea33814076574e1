#include "platform/ui/views/ViewScrolling.h"

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

int ThumbPosition(HWND Wnd, int Bar, WPARAM WParam) {
  const int Short = HIWORD(WParam);
  SCROLLINFO Info;
  Info.fMask = SIF_POS;
  if (GetScrollInfo(Wnd, Bar, &Info) && (Info.nPos & 0xFFFF) == Short) return Info.nPos;
  return Short;
}
