// The input calls of Input.h over the input layer's state.
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/ui/winsys/CursorImage.h"
#include "platform/ui/winsys/HitTester.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/InputLayer.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"

namespace {

InputLayer& Layer() { return InputLayer::Get(); }

Window* Find(HWND Wnd) { return Wnd ? WindowSystem::Get().Find(Wnd) : nullptr; }

HWND Live(HWND Wnd) { return Find(Wnd) ? Wnd : 0; }

TPoint ClientToScreenPoint(const Window& W, TPoint P) {
  const TPoint O = WindowSystem::ClientScreenOrigin(W);
  return { P.X + O.X, P.Y + O.Y };
}

}  // namespace

HWND SetCapture(HWND Wnd) { return Layer().Pointer().SetCapture(Wnd); }
bool ReleaseCapture() { return Layer().Pointer().ReleaseCapture(); }
HWND GetCapture() { return Live(Layer().Pointer().Capture()); }

HWND SetFocus(HWND Wnd) { return Layer().Focus().SetFocus(Wnd); }
HWND GetFocus() { return Live(Layer().Focus().Focus()); }
HWND SetActiveWindow(HWND Wnd) { return Layer().Focus().Activate(Wnd, WA_ACTIVE); }
HWND GetActiveWindow() { return Live(Layer().Focus().Active()); }

bool SetForegroundWindow(HWND Wnd) {
  if (!Find(Wnd))
    return false;
  Layer().Focus().Activate(Wnd, WA_ACTIVE);
  if (IPresenter* Presenter = WindowSystem::Get().Presenter())
    Presenter->RaiseWindow(GetAncestor(Wnd, GA_ROOT));
  return true;
}

HWND GetForegroundWindow() { return Layer().Focus().ProgramActive() ? GetActiveWindow() : 0; }

short GetKeyState(int VirtualKey) { return Layer().Keys().MessageState(UINT(VirtualKey)); }
short GetAsyncKeyState(int VirtualKey) { return Layer().Keys().AsyncState(UINT(VirtualKey)); }

bool GetCursorPos(TPoint* P) {
  if (!P)
    return false;
  *P = Layer().PointerPosition();
  return true;
}

bool SetCursorPos(int X, int Y) {
  Layer().MovePointer({ X, Y });
  return true;
}

HWND WindowFromPoint(TPoint P) {
  for (Window* Top = HitTester::TopLevelAt(P); Top; Top = HitTester::TopLevelAt(P, Top))
    if (!(Top->Style & WS_DISABLED))
      return HitTester::DeepestIn(*Top, P)->Handle;
  return 0;
}

HWND ChildWindowFromPointEx(HWND Parent, TPoint P, UINT Flags) {
  const Window* W = Find(Parent);
  if (!W)
    return 0;
  const TPoint Screen = ClientToScreenPoint(*W, P);
  if (!HitTester::Contains(*W, Screen))
    return 0;
  for (const Window* Child : W->Children) {
    if (((Flags & CWP_SKIPINVISIBLE) && !(Child->Style & WS_VISIBLE)) ||
        ((Flags & CWP_SKIPDISABLED) && (Child->Style & WS_DISABLED)) ||
        ((Flags & CWP_SKIPTRANSPARENT) && (Child->ExStyle & WS_EX_TRANSPARENT)))
      continue;
    if (HitTester::Contains(*Child, Screen))
      return Child->Handle;
  }
  return Parent;
}

HWND ChildWindowFromPoint(HWND Parent, TPoint P) { return ChildWindowFromPointEx(Parent, P, CWP_ALL); }

HWND RealChildWindowFromPoint(HWND Parent, TPoint P) {
  const Window* W = Find(Parent);
  if (!W)
    return 0;
  const TPoint Screen = ClientToScreenPoint(*W, P);
  std::vector<HWND> Candidates;
  for (const Window* Child : W->Children)
    if ((Child->Style & WS_VISIBLE) && HitTester::Contains(*Child, Screen))
      Candidates.push_back(Child->Handle);
  for (HWND Child : Candidates)
    if (Find(Child) && SendMessage(Child, WM_NCHITTEST, 0, PointToLParam(Screen)) != HTTRANSPARENT)
      return Child;
  return Live(Parent);
}

bool TrackMouseEvent(TRACKMOUSEEVENT* Track) { return Track && Layer().Pointer().TrackMouseEvent(*Track); }

HCURSOR LoadCursor(uintptr_t Instance, uintptr_t CursorName) {
  return Instance == 0 && CursorImage::System(CursorName) ? HCURSOR(CursorName) : 0;
}

HCURSOR SetCursor(HCURSOR Cursor) { return Layer().SetCursor(Cursor); }
HCURSOR GetCursor() { return Layer().Cursor(); }

bool GetIconInfo(HICON Icon, ICONINFO* Info) {
  const CursorImage* Image = CursorImage::FromHandle(Icon);
  if (!Image || !Info)
    return false;
  std::vector<Byte> Masks = Image->AndMask();
  Masks.insert(Masks.end(), Image->XorMask().begin(), Image->XorMask().end());
  HBITMAP Mask = CreateBitmap(CursorImage::Size, 2 * CursorImage::Size, 1, 1, Masks.data());
  if (!Mask)
    return false;
  Info->fIcon = false;
  Info->xHotspot = DWORD(Image->HotSpot().X);
  Info->yHotspot = DWORD(Image->HotSpot().Y);
  Info->hbmMask = Mask;
  Info->hbmColor = nullptr;
  return true;
}

bool ClipboardHasText() {
  if (IPresenter* Presenter = WindowSystem::Get().Presenter())
    return Presenter->ClipboardHasText();
  return !Layer().OwnClipboard().empty();
}

String GetClipboardText() {
  if (IPresenter* Presenter = WindowSystem::Get().Presenter())
    return Presenter->ClipboardText();
  return Layer().OwnClipboard();
}

void SetClipboardText(const String& Text) {
  if (IPresenter* Presenter = WindowSystem::Get().Presenter())
    Presenter->SetClipboardText(Text);
  else
    Layer().OwnClipboard() = Text;
}

bool MessageBeep(UINT) {
  Layer().CountBeep();
  return true;
}

int MessageBeepCount() { return Layer().BeepCount(); }
