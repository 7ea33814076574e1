// The default window procedure: what a window does with a message its own procedures leave alone. The
// input layer answers first (frames, hit testing, input, activation, cursors, sizing, system commands);
// what it leaves comes here.
#include <cstring>

#include "platform/gdi/Gdi.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"
#include "platform/ui/winsys/WindowSystemOps.h"

namespace {

/// The longest prefix of Text that fits Capacity bytes and ends on a whole UTF-8 sequence.
size_t FittingPrefix(const String& Text, size_t Capacity) {
  if (Text.size() <= Capacity)
    return Text.size();
  size_t N = Capacity;
  while (N > 0 && (Byte(Text[N]) & 0xC0) == 0x80)
    --N;
  return N;
}

LRESULT GetText(const Window& W, WPARAM Size, LPARAM Buffer) {
  char* Out = reinterpret_cast<char*>(Buffer);
  if (!Out || Size == 0)
    return 0;
  const size_t N = FittingPrefix(W.Text, Size - 1);
  std::memcpy(Out, W.Text.data(), N);
  Out[N] = '\0';
  return LRESULT(N);
}

LRESULT EraseBackground(const Window& W, HDC DC) {
  HBRUSH Brush = W.Class->Def.hbrBackground;
  if (!Brush || !DC)
    return 0;
  const uintptr_t Value = reinterpret_cast<uintptr_t>(Brush);
  HBRUSH Temporary = nullptr;
  if (Value <= 64)
    Brush = Temporary = CreateSolidBrush(GetSysColor(int(Value) - 1));
  TRect Box;
  GetClipBox(DC, &Box);
  FillRect(DC, Box, Brush);
  if (Temporary)
    DeleteObject(Temporary);
  return 1;
}

/// WM_MOVE and WM_SIZE after a placement change, as the change's flags say.
void SendMoveSize(HWND Wnd, const WINDOWPOS& Pos) {
  Window* W = WindowSystem::Get().Find(Wnd);
  if (W && !(Pos.flags & SWP_NOCLIENTMOVE))
    SendMessage(Wnd, WM_MOVE, 0, PointToLParam({ W->Rect.Left + W->Client.Left, W->Rect.Top + W->Client.Top }));
  W = WindowSystem::Get().Find(Wnd);
  if (W && !(Pos.flags & SWP_NOCLIENTSIZE))
    SendMessage(Wnd, WM_SIZE, SizeType(*W), MAKELPARAM(Word(W->Client.Width()), Word(W->Client.Height())));
}

/// Asks the parent of a child window first; its non-zero answer stands.
LRESULT AskParent(const Window& W, UINT Msg, WPARAM WParam, LPARAM LParam) {
  return W.IsChild() && W.Parent && !W.Parent->IsDesktop() ? SendMessage(W.Parent->Handle, Msg, WParam, LParam) : 0;
}

LRESULT SystemCommand(HWND Wnd, WPARAM Command) {
  switch (Command & 0xFFF0) {
  case SC_CLOSE:
    SendMessage(Wnd, WM_CLOSE, 0, 0);
    break;
  case SC_MINIMIZE:
    ShowWindow(Wnd, SW_MINIMIZE);
    break;
  case SC_MAXIMIZE:
    ShowWindow(Wnd, SW_MAXIMIZE);
    break;
  case SC_RESTORE:
    ShowWindow(Wnd, SW_RESTORE);
    break;
  }
  return 0;
}

}  // namespace

LRESULT DefWindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  WindowSystem& WS = WindowSystem::Get();
  Window* W = WS.Find(Wnd);
  if (!W)
    return 0;
  if (IInputLayer* Input = WS.InputLayer()) {
    LRESULT Result = 0;
    if (Input->DefaultProc(Wnd, Msg, WParam, LParam, Result))
      return Result;
    W = WS.Find(Wnd);
    if (!W)
      return 0;
  }
  switch (Msg) {
  case WM_NCCREATE: {
    const auto* Create = reinterpret_cast<const CREATESTRUCT*>(LParam);
    if (Create && Create->lpszName)
      W->Text = Create->lpszName;
    return 1;
  }
  case WM_NCCALCSIZE:
  case WM_WINDOWPOSCHANGING:
  case WM_GETMINMAXINFO:
  case WM_NCPAINT:
  case WM_PARENTNOTIFY:
  case WM_SHOWWINDOW:
    return 0;
  case WM_NCHITTEST: {
    const TPoint P = LParamToPoint(LParam);
    const TPoint O = WindowSystem::ScreenOrigin(*W);
    const int X = P.X - O.X, Y = P.Y - O.Y;
    const bool Inside = X >= 0 && Y >= 0 && X < W->Rect.Width() && Y < W->Rect.Height() &&
                        (!W->WindowRgn || W->WindowRgn->Contains(X, Y));
    return Inside ? HTCLIENT : HTNOWHERE;
  }
  case WM_NCACTIVATE:
  case WM_QUERYENDSESSION:
    return 1;
  case WM_SETTEXT: {
    const char* Text = reinterpret_cast<const char*>(LParam);
    W->Text = Text ? Text : "";
    if (W->IsTopLevel())
      if (IPresenter* P = WindowSystem::Get().Presenter())
        P->WindowTextChanged(Wnd);
    if ((W->Style & WS_CAPTION) == WS_CAPTION)
      RedrawWindow(Wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
    return 1;
  }
  case WM_GETTEXT:
    return GetText(*W, WParam, LParam);
  case WM_GETTEXTLENGTH:
    return LRESULT(W->Text.size());
  case WM_SETICON: {
    HICON& Slot = WParam == ICON_BIG ? W->BigIcon : W->SmallIcon;
    const HICON Old = Slot;
    Slot = HICON(LParam);
    if (IPresenter* Presenter = WS.Presenter(); Presenter && W->IsTopLevel())
      Presenter->WindowIconChanged(Wnd);
    return LRESULT(Old);
  }
  case WM_GETICON:
    if (WParam == ICON_SMALL2)
      return LRESULT(W->SmallIcon ? W->SmallIcon : W->BigIcon);
    return LRESULT(WParam == ICON_BIG ? W->BigIcon : W->SmallIcon);
  case WM_CLOSE:
    DestroyWindow(Wnd);
    return 0;
  case WM_ERASEBKGND:
    return EraseBackground(*W, reinterpret_cast<HDC>(WParam));
  case WM_PAINT: {
    // A paint into a given DC is a copy for someone else: the window's own update region stays pending.
    if (WParam) return 0;
    PAINTSTRUCT Paint;
    BeginPaint(Wnd, &Paint);
    EndPaint(Wnd, &Paint);
    return 0;
  }
  case WM_WINDOWPOSCHANGED:
    if (LParam)
      SendMoveSize(Wnd, *reinterpret_cast<const WINDOWPOS*>(LParam));
    return 0;
  case WM_SETREDRAW:
    W->RedrawOff = WParam == 0;
    if (!W->RedrawOff)
      WS.PaintMayBePending();
    return 0;
  case WM_SETCURSOR:
  case WM_MOUSEWHEEL:
    return AskParent(*W, Msg, WParam, LParam);
  case WM_CONTEXTMENU:
    AskParent(*W, Msg, WParam, LParam);
    return 0;
  case WM_MOUSEACTIVATE: {
    const LRESULT Parent = AskParent(*W, Msg, WParam, LParam);
    return Parent ? Parent : MA_ACTIVATE;
  }
  case WM_SYSCOMMAND:
    return SystemCommand(Wnd, WParam);
  default:
    return 0;
  }
}
