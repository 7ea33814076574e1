#include "platform/ui/winsys/SizeMoveLoop.h"

#include <algorithm>

#include "platform/base/MainThread.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"
#include "platform/ui/winsys/WindowSystemOps.h"

namespace {

/// How far one arrow key moves the window or its edge.
constexpr int KeyboardStep = 8;

bool IsPointerMessage(UINT Msg) {
  return (Msg >= WM_MOUSEFIRST && Msg <= WM_MOUSELAST) || (Msg >= WM_NCMOUSEMOVE && Msg <= WM_NCMBUTTONDBLCLK);
}

bool IsButtonPress(UINT Msg) {
  switch (Msg) {
  case WM_LBUTTONDOWN:
  case WM_RBUTTONDOWN:
  case WM_MBUTTONDOWN:
  case WM_NCLBUTTONDOWN:
  case WM_NCRBUTTONDOWN:
  case WM_NCMBUTTONDOWN:
    return true;
  default:
    return false;
  }
}

bool DragsLeft(WPARAM Edge) { return Edge == WMSZ_LEFT || Edge == WMSZ_TOPLEFT || Edge == WMSZ_BOTTOMLEFT; }
bool DragsRight(WPARAM Edge) { return Edge == WMSZ_RIGHT || Edge == WMSZ_TOPRIGHT || Edge == WMSZ_BOTTOMRIGHT; }
bool DragsTop(WPARAM Edge) { return Edge == WMSZ_TOP || Edge == WMSZ_TOPLEFT || Edge == WMSZ_TOPRIGHT; }
bool DragsBottom(WPARAM Edge) { return Edge == WMSZ_BOTTOM || Edge == WMSZ_BOTTOMLEFT || Edge == WMSZ_BOTTOMRIGHT; }

}  // namespace

SizeMoveLoop::SizeMoveLoop(HWND Wnd, WPARAM Command, TPoint Start)
    : FWnd(Wnd), FMoving((Command & 0xFFF0) == SC_MOVE), FMouse((Command & 0x000F) != 0), FAnchor(Start),
      FPointer(Start) {
  FEdge = FMoving ? 0 : FMouse ? (Command & 0x000F) : WMSZ_BOTTOMRIGHT;
}

void SizeMoveLoop::Run() {
  if (!IsWindow(FWnd))
    return;
  GetWindowRect(FWnd, &FStart);
  FCurrent = FStart;
  FLimits = QueryMinMaxInfo(FWnd);
  SetCapture(FWnd);
  SendMessage(FWnd, WM_ENTERSIZEMOVE, 0, 0);
  WindowSystem& WS = WindowSystem::Get();
  for (;;) {
    if (!IsWindow(FWnd) || GetCapture() != FWnd)
      break;
    CheckSynchronize(0);
    TMsg Msg;
    if (!PeekMessage(&Msg, 0, 0, 0, PM_REMOVE)) {
      WS.FlushPresents();
      WaitForWork();
      continue;
    }
    if (!Handle(Msg))
      break;
  }
  if (GetCapture() == FWnd)
    ReleaseCapture();
  if (FCancelled && IsWindow(FWnd))
    Apply(FStart);
  if (IsWindow(FWnd))
    SendMessage(FWnd, WM_EXITSIZEMOVE, 0, 0);
  if (FQuit)
    PostQuitMessage(FQuitCode);
}

bool SizeMoveLoop::Handle(const TMsg& Msg) {
  if (Msg.message == WM_QUIT) {
    FQuit = true;
    FQuitCode = int(Msg.wParam);
    return false;
  }
  if (IsPointerMessage(Msg.message)) {
    if (Msg.message == WM_MOUSEWHEEL)
      return true;
    if (FMouse ? Msg.message == WM_LBUTTONUP || Msg.message == WM_NCLBUTTONUP : IsButtonPress(Msg.message))
      return false;
    Track(Msg.pt);
    return true;
  }
  if (Msg.message == WM_KEYDOWN || Msg.message == WM_SYSKEYDOWN) {
    switch (Msg.wParam) {
    case VK_ESCAPE:
      FCancelled = true;
      return false;
    case VK_RETURN:
      return false;
    case VK_LEFT:
      Track({ FPointer.X - KeyboardStep, FPointer.Y });
      return true;
    case VK_RIGHT:
      Track({ FPointer.X + KeyboardStep, FPointer.Y });
      return true;
    case VK_UP:
      Track({ FPointer.X, FPointer.Y - KeyboardStep });
      return true;
    case VK_DOWN:
      Track({ FPointer.X, FPointer.Y + KeyboardStep });
      return true;
    default:
      return true;
    }
  }
  if (Msg.message >= WM_KEYFIRST && Msg.message <= WM_KEYLAST)
    return true;
  TranslateMessage(Msg);
  DispatchMessage(Msg);
  return true;
}

void SizeMoveLoop::Track(TPoint P) {
  if (P == FPointer)
    return;
  FPointer = P;
  const int DX = P.X - FAnchor.X, DY = P.Y - FAnchor.Y;
  TRect R = FStart;
  if (FMoving) {
    R = { R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY };
    SendMessage(FWnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&R));
  } else {
    if (DragsLeft(FEdge))
      R.Left += DX;
    if (DragsRight(FEdge))
      R.Right += DX;
    if (DragsTop(FEdge))
      R.Top += DY;
    if (DragsBottom(FEdge))
      R.Bottom += DY;
    SendMessage(FWnd, WM_SIZING, FEdge, reinterpret_cast<LPARAM>(&R));
    R = Clamped(R);
  }
  if (IsWindow(FWnd))
    Apply(R);
}

TRect SizeMoveLoop::Clamped(TRect R) const {
  const int Width = std::clamp(R.Width(), FLimits.ptMinTrackSize.X, std::max(FLimits.ptMinTrackSize.X, FLimits.ptMaxTrackSize.X));
  const int Height =
      std::clamp(R.Height(), FLimits.ptMinTrackSize.Y, std::max(FLimits.ptMinTrackSize.Y, FLimits.ptMaxTrackSize.Y));
  if (DragsLeft(FEdge))
    R.Left = R.Right - Width;
  else
    R.Right = R.Left + Width;
  if (DragsTop(FEdge))
    R.Top = R.Bottom - Height;
  else
    R.Bottom = R.Top + Height;
  return R;
}

void SizeMoveLoop::Apply(const TRect& Screen) {
  if (Screen == FCurrent)
    return;
  TRect R = Screen;
  if (const HWND Parent = GetAncestor(FWnd, GA_PARENT); Parent && Parent != GetDesktopWindow())
    MapWindowPoints(0, Parent, &R);
  const bool SameSize = Screen.Width() == FCurrent.Width() && Screen.Height() == FCurrent.Height();
  FCurrent = Screen;
  SetWindowPos(FWnd, 0, R.Left, R.Top, R.Width(), R.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE | (SameSize ? SWP_NOSIZE : 0));
}
