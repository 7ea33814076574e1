#include "platform/ui/winsys/NonClient.h"

#include "platform/ui/winsys/DefaultFrame.h"
#include "platform/ui/winsys/FocusManager.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/SizeMoveLoop.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"

namespace {

Window* Find(HWND Wnd) { return Wnd ? WindowSystem::Get().Find(Wnd) : nullptr; }

/// The cursor the default shows for a hit code outside the client area.
uintptr_t CursorForHit(int Hit) {
  switch (Hit) {
  case HTLEFT:
  case HTRIGHT:
    return IDC_SIZEWE;
  case HTTOP:
  case HTBOTTOM:
    return IDC_SIZENS;
  case HTTOPLEFT:
  case HTBOTTOMRIGHT:
    return IDC_SIZENWSE;
  case HTTOPRIGHT:
  case HTBOTTOMLEFT:
    return IDC_SIZENESW;
  default:
    return IDC_ARROW;
  }
}

bool IsSizingCode(WPARAM Hit) { return Hit >= WPARAM(HTLEFT) && Hit <= WPARAM(HTBOTTOMRIGHT); }

}  // namespace

bool NonClient::DefaultProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) {
  const Window* W = Find(Wnd);
  if (!W)
    return false;
  Result = 0;
  switch (Msg) {
  case WM_NCCALCSIZE:
    Result = CalcSize(*W, WParam, LParam);
    return true;
  case WM_NCHITTEST:
    Result = HitTest(*W, LParam);
    return true;
  case WM_NCPAINT:
    PaintFrame(Wnd);
    return true;
  case WM_NCACTIVATE:
    if (WParam)
      FActiveFrames.insert(Wnd);
    else
      FActiveFrames.erase(Wnd);
    if (DefaultFrame::HasCaption(W->Style))
      PaintFrame(Wnd);
    Result = 1;
    return true;
  case WM_SETCURSOR:
    Result = SetCursor(*W, WParam, LParam);
    return true;
  case WM_NCLBUTTONDOWN:
    Result = ButtonDown(Wnd, WParam, LParam);
    return true;
  case WM_NCLBUTTONUP:
    Result = ButtonUp(Wnd, WParam, LParam);
    return true;
  case WM_NCLBUTTONDBLCLK:
    Result = DoubleClick(*W, WParam);
    return true;
  case WM_RBUTTONUP: {
    TPoint P = LParamToPoint(LParam);
    ClientToScreen(Wnd, &P);
    SendMessage(Wnd, WM_CONTEXTMENU, Wnd, PointToLParam(P));
    return true;
  }
  case WM_NCRBUTTONUP:
    SendMessage(Wnd, WM_CONTEXTMENU, Wnd, LParam);
    return true;
  case WM_SYSCOMMAND:
    return SystemCommand(Wnd, WParam, LParam);
  case WM_ACTIVATE:
    if (LOWORD(WParam) != WA_INACTIVE && !HIWORD(WParam))
      ::SetFocus(Wnd);
    return true;
  case WM_CANCELMODE:
    if (GetCapture() == Wnd)
      ReleaseCapture();
    return true;
  default:
    return false;
  }
}

void NonClient::Forget(HWND Wnd) {
  for (auto It = FActiveFrames.begin(); It != FActiveFrames.end();)
    It = FocusManager::Within(*It, Wnd) || !IsWindow(*It) ? FActiveFrames.erase(It) : std::next(It);
  if (FocusManager::Within(FButtonWindow, Wnd))
    FButtonWindow = 0;
}

LRESULT NonClient::CalcSize(const Window& W, WPARAM WParam, LPARAM LParam) {
  if (!LParam)
    return 0;
  TRect& R = WParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(LParam)->rgrc[0] : *reinterpret_cast<TRect*>(LParam);
  R = DefaultFrame::ClientFor(R, W.Style, W.ExStyle);
  return 0;
}

LRESULT NonClient::HitTest(const Window& W, LPARAM LParam) {
  const TPoint P = LParamToPoint(LParam), O = WindowSystem::ScreenOrigin(W);
  const TPoint Local { P.X - O.X, P.Y - O.Y };
  if (W.WindowRgn && !W.WindowRgn->Contains(Local.X, Local.Y))
    return HTNOWHERE;
  return DefaultFrame::HitTest(W, Local);
}

void NonClient::PaintFrame(HWND Wnd) {
  const Window* W = Find(Wnd);
  if (!W || W->Client == TRect { 0, 0, W->Rect.Width(), W->Rect.Height() })
    return;
  if (HDC DC = GetWindowDC(Wnd)) {
    DefaultFrame::Paint(DC, *Find(Wnd), FrameActive(Wnd));
    ReleaseDC(Wnd, DC);
  }
}

LRESULT NonClient::SetCursor(const Window& W, WPARAM WParam, LPARAM LParam) {
  const HWND Wnd = W.Handle;
  if (W.IsChild() && W.Parent && !W.Parent->IsDesktop())
    if (const LRESULT Parent = SendMessage(W.Parent->Handle, WM_SETCURSOR, WParam, LParam))
      return Parent;
  const Window* Self = Find(Wnd);
  if (!Self)
    return 0;
  const int Hit = int16_t(LOWORD(uintptr_t(LParam)));
  if (Hit == HTCLIENT) {
    const HCURSOR Class = Self->Class ? Self->Class->Def.hCursor : 0;
    if (!Class)
      return 0;
    ::SetCursor(Class);
    return 1;
  }
  ::SetCursor(LoadCursor(0, CursorForHit(Hit)));
  return 1;
}

LRESULT NonClient::ButtonDown(HWND Wnd, WPARAM Hit, LPARAM LParam) {
  if (Hit == WPARAM(HTCAPTION))
    SendMessage(Wnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, LParam);
  else if (IsSizingCode(Hit))
    SendMessage(GetAncestor(Wnd, GA_ROOT), WM_SYSCOMMAND, SC_SIZE | (Hit - HTLEFT + WMSZ_LEFT), LParam);
  else if (Hit == WPARAM(HTCLOSE) || Hit == WPARAM(HTMINBUTTON) || Hit == WPARAM(HTMAXBUTTON)) {
    FButtonWindow = Wnd;
    FButtonHit = Hit;
  }
  return 0;
}

LRESULT NonClient::ButtonUp(HWND Wnd, WPARAM Hit, LPARAM LParam) {
  const bool Released = FButtonWindow == Wnd && FButtonHit == Hit;
  FButtonWindow = 0;
  const Window* W = Find(Wnd);
  if (!Released || !W)
    return 0;
  if (Hit == WPARAM(HTCLOSE))
    SendMessage(Wnd, WM_SYSCOMMAND, SC_CLOSE, LParam);
  else if (Hit == WPARAM(HTMINBUTTON))
    SendMessage(Wnd, WM_SYSCOMMAND, SC_MINIMIZE, LParam);
  else
    SendMessage(Wnd, WM_SYSCOMMAND, (W->Style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE, LParam);
  return 0;
}

LRESULT NonClient::DoubleClick(const Window& W, WPARAM Hit) {
  if (Hit == WPARAM(HTCAPTION) && (W.Style & WS_MAXIMIZEBOX))
    SendMessage(W.Handle, WM_SYSCOMMAND, (W.Style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE, 0);
  return 0;
}

bool NonClient::SystemCommand(HWND Wnd, WPARAM Command, LPARAM LParam) {
  switch (Command & 0xFFF0) {
  case SC_MOVE:
  case SC_SIZE: {
    TPoint Start = LParamToPoint(LParam);
    if (!(Command & 0x000F))
      GetCursorPos(&Start);
    SizeMoveLoop(Wnd, Command, Start).Run();
    return true;
  }
  case SC_KEYMENU:
    return true;
  default:
    return false;
  }
}
