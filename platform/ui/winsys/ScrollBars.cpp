#include "platform/ui/winsys/ScrollBars.h"

#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"
#include "platform/ui/winsys/WindowSystemOps.h"

namespace {

ScrollBarState* StateOf(HWND Wnd, int Bar) {
  Window* W = WindowSystem::Get().Find(Wnd);
  if (!W || W->IsDesktop())
    return nullptr;
  if (Bar == SB_HORZ)
    return &W->HScroll;
  if (Bar == SB_VERT)
    return &W->VScroll;
  return nullptr;
}

DWORD StyleOf(int Bar) {
  switch (Bar) {
    case SB_HORZ: return WS_HSCROLL;
    case SB_VERT: return WS_VSCROLL;
    case SB_BOTH: return WS_HSCROLL | WS_VSCROLL;
    default: return 0;
  }
}

/// Repaints the frame when the bar shows; a hidden bar has nothing on screen to bring up to date.
void RedrawBar(HWND Wnd, int Bar) {
  Window* W = WindowSystem::Get().Find(Wnd);
  if (W && (W->Style & StyleOf(Bar)))
    InvalidateArea(*W, Region(), false, false, false, true);
}

}  // namespace

bool GetScrollInfo(HWND Wnd, int Bar, SCROLLINFO* Info) {
  const ScrollBarState* State = StateOf(Wnd, Bar);
  if (!State || !Info)
    return false;
  State->Get(*Info);
  return true;
}

int SetScrollInfo(HWND Wnd, int Bar, const SCROLLINFO& Info, bool Redraw) {
  ScrollBarState* State = StateOf(Wnd, Bar);
  if (!State)
    return 0;
  State->Set(Info);
  const int Pos = State->Pos();
  if (Redraw)
    RedrawBar(Wnd, Bar);
  return Pos;
}

bool GetScrollRange(HWND Wnd, int Bar, int* MinPos, int* MaxPos) {
  const ScrollBarState* State = StateOf(Wnd, Bar);
  if (MinPos)
    *MinPos = State ? State->Min() : 0;
  if (MaxPos)
    *MaxPos = State ? State->Max() : 0;
  return State != nullptr;
}

bool SetScrollRange(HWND Wnd, int Bar, int MinPos, int MaxPos, bool Redraw) {
  if (!StateOf(Wnd, Bar))
    return false;
  SCROLLINFO Info;
  Info.fMask = SIF_RANGE;
  Info.nMin = MinPos;
  Info.nMax = MaxPos;
  SetScrollInfo(Wnd, Bar, Info, Redraw);
  return true;
}

int GetScrollPos(HWND Wnd, int Bar) {
  const ScrollBarState* State = StateOf(Wnd, Bar);
  return State ? State->Pos() : 0;
}

int SetScrollPos(HWND Wnd, int Bar, int Pos, bool Redraw) {
  const ScrollBarState* State = StateOf(Wnd, Bar);
  if (!State)
    return 0;
  const int Previous = State->Pos();
  SCROLLINFO Info;
  Info.fMask = SIF_POS;
  Info.nPos = Pos;
  SetScrollInfo(Wnd, Bar, Info, Redraw);
  return Previous;
}

bool ShowScrollBar(HWND Wnd, int Bar, bool Show) {
  Window* W = WindowSystem::Get().Find(Wnd);
  const DWORD Bits = StyleOf(Bar);
  if (!W || W->IsDesktop() || !Bits)
    return false;
  const DWORD Style = Show ? (W->Style | Bits) : (W->Style & ~Bits);
  if (Style != W->Style) {
    W->Style = Style;
    SetWindowPos(Wnd, 0, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return true;
}

bool EnableScrollBar(HWND Wnd, UINT Bar, UINT Arrows) {
  bool Changed = false;
  for (int One : { SB_HORZ, SB_VERT }) {
    if (Bar != UINT(One) && Bar != UINT(SB_BOTH))
      continue;
    ScrollBarState* State = StateOf(Wnd, One);
    if (!State || State->DisabledArrows() == (Arrows & ESB_DISABLE_BOTH))
      continue;
    State->SetDisabledArrows(Arrows & ESB_DISABLE_BOTH);
    RedrawBar(Wnd, One);
    Changed = true;
  }
  return Changed;
}
