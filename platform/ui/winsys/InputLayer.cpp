#include "platform/ui/winsys/InputLayer.h"

#include "platform/base/Clock.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/Capabilities.h"
#include "platform/ui/winsys/CursorImage.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"

namespace {

int ButtonIndex(PointerButton Button) {
  switch (Button) {
  case PointerButton::Left:
    return 0;
  case PointerButton::Right:
    return 1;
  default:
    return 2;
  }
}

constexpr UINT ButtonKeys[] = { VK_LBUTTON, VK_RBUTTON, VK_MBUTTON };

}  // namespace

InputLayer::InputLayer() : FState(std::make_unique<State>()) {}

InputLayer& InputLayer::Get() {
  static InputLayer Layer;
  return Layer;
}

void InputLayer::Install() {
  WindowSystem::Get().SetInputLayer(this);
  PlatformCapabilities().NearestMonitor = [](HWND Wnd) {
    return int(MonitorFromWindow(Wnd, MONITOR_DEFAULTTONEAREST)) - 1;
  };
}

void InputLayer::Reset() { FState = std::make_unique<State>(); }

HCURSOR InputLayer::SetCursor(HCURSOR Cursor) {
  const HCURSOR Old = FState->Cursor;
  if (Cursor == Old)
    return Old;
  FState->Cursor = Cursor;
  if (IPresenter* Presenter = WindowSystem::Get().Presenter()) {
    const CursorImage* Image = CursorImage::FromHandle(Cursor);
    Presenter->SetPointerImage(Image ? &Image->Pixels() : nullptr, Image ? Image->HotSpot() : TPoint {});
  }
  return Old;
}

TPoint InputLayer::PointerPosition() const {
  IPresenter* Presenter = WindowSystem::Get().Presenter();
  return !FState->PointerInside && Presenter ? Presenter->PointerPosition() : FState->PointerPos;
}

void InputLayer::MovePointer(TPoint P) { PointerMoved(P); }

// ---- Default procedure and translation ----

bool InputLayer::DefaultProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) {
  return Keyboard().DefaultProc(Wnd, Msg, WParam, LParam, Result) ||
         Frames().DefaultProc(Wnd, Msg, WParam, LParam, Result);
}

bool InputLayer::Translate(const TMsg& Msg) { return Keyboard().Translate(Msg); }

// ---- Notices ----

void InputLayer::ActivateRequested(HWND Wnd) { Focus().Activate(Wnd, WA_ACTIVE); }

void InputLayer::WindowHidden(HWND Wnd) {
  Pointer().Forget(Wnd);
  Focus().WindowHidden(Wnd);
}

void InputLayer::WindowDisabled(HWND Wnd) { Focus().WindowDisabled(Wnd); }

void InputLayer::WindowDestroying(HWND Wnd) {
  Pointer().Forget(Wnd);
  Focus().WindowDestroying(Wnd);
  Frames().Forget(Wnd);
}

// ---- Native input ----

void InputLayer::Submit(const PointerEvent& Event) {
  if (const auto Msg = Pointer().Route(Event))
    WindowSystem::Get().PostInput(*Msg);
}

void InputLayer::Submit(const KeyEvent& Event) {
  if (const auto Msg = Keyboard().Route(Event))
    WindowSystem::Get().PostInput(*Msg);
}

void InputLayer::PointerMoved(TPoint Screen) {
  FState->PointerPos = Screen;
  FState->PointerInside = true;
  Submit(PointerEvent { PointerEvent::Kind::Move, 0, 0, Screen, GetTickCount() });
}

void InputLayer::PointerButtonChanged(PointerButton Button, bool Down, TPoint Screen) {
  const int Index = ButtonIndex(Button);
  FState->PointerPos = Screen;
  FState->PointerInside = true;
  Keys().Change(ButtonKeys[Index], Down);
  Submit(PointerEvent { Down ? PointerEvent::Kind::Press : PointerEvent::Kind::Release, Index, 0, Screen,
                        GetTickCount() });
}

void InputLayer::PointerWheel(int Delta, TPoint Screen) {
  Submit(PointerEvent { PointerEvent::Kind::Wheel, 0, Delta, Screen, GetTickCount() });
}

void InputLayer::PointerLeft() {
  FState->PointerInside = false;
  Pointer().Left();
}

void InputLayer::KeyChanged(UINT Key, bool Down, bool Repeat) {
  if (Keyboard().Composing())
    return;
  Keys().Change(Key, Down);
  KeyEvent Event;
  Event.Key = Key;
  Event.Down = Down;
  Event.Repeat = Repeat;
  Event.Time = GetTickCount();
  Event.Screen = FState->PointerPos;
  Submit(Event);
}

void InputLayer::TextCommitted(const String& Text) {
  for (size_t Index = 0; Index < Text.size();) {
    KeyEvent Event;
    Event.What = KeyEvent::Kind::Character;
    Event.Character = ReadCodePoint(Text, Index);
    Event.Time = GetTickCount();
    Event.Screen = FState->PointerPos;
    Submit(Event);
  }
}

void InputLayer::CompositionChanged(bool Composing) { Keyboard().SetComposing(Composing); }

void InputLayer::NativeFocusChanged(HWND Wnd, bool Gained) { Focus().NativeFocusChanged(Wnd, Gained); }

void InputLayer::CloseRequested(HWND Wnd) { PostMessage(Wnd, WM_SYSCOMMAND, SC_CLOSE, 0); }

void InputLayer::NativeMinimizedChanged(HWND Wnd, bool Minimized) {
  // The desktop minimizing a window (its taskbar entry clicked) is the window's own minimize command;
  // the main form turns it into the program's. The program minimizes itself through its application
  // window, so when the desktop gives a native window back, that window (the owner of the forms) is
  // told to restore the program.
  if (Minimized) {
    PostMessage(Wnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    return;
  }
  const HWND Owner = GetWindow(Wnd, GW_OWNER);
  PostMessage(Owner ? Owner : Wnd, WM_SYSCOMMAND, SC_RESTORE, 0);
}
