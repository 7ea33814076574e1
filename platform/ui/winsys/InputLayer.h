#pragma once
// The window system's input layer (IInputLayer): the default frame and non-client handling, pointer and
// keyboard routing, capture, focus and activation, cursors, the clipboard and the beep counter. One per
// process (InputLayer::Get()); Install() hands it to the window system, whose Reset() lets it go again,
// so tests install it after each reset and call Reset() here too.
//
// Native input is routed when it arrives: the presenter's event becomes its message (hit testing,
// activation, cursor and parent notices are sent on the way) and the message is queued with
// WindowSystem::PostInput, so it passes the message hooks before translation and dispatch. A presenter
// that delivers several events at once should let the loop dispatch them in between when capture or
// modifier state must follow a handler's reaction exactly.
#include <memory>

#include "platform/base/Types.h"
#include "platform/ui/winsys/FocusManager.h"
#include "platform/ui/winsys/IInputLayer.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/KeyStateTable.h"
#include "platform/ui/winsys/KeyboardInput.h"
#include "platform/ui/winsys/NonClient.h"
#include "platform/ui/winsys/PointerInput.h"

/// The input layer; see the file comment.
class InputLayer : public IInputLayer {
public:
  static InputLayer& Get();

  /// Makes this the window system's input layer and offers the monitor of a window through the
  /// capability table (NearestMonitor).
  void Install();
  /// Forgets focus, activation, capture, key state, cursor, clipboard and beeps.
  void Reset();

  FocusManager& Focus() { return FState->Focus; }
  PointerInput& Pointer() { return FState->Pointer; }
  KeyboardInput& Keyboard() { return FState->Keyboard; }
  KeyStateTable& Keys() { return FState->Keys; }
  NonClient& Frames() { return FState->Frames; }

  /// The cursor shown (SetCursor / GetCursor).
  HCURSOR Cursor() const { return FState->Cursor; }
  HCURSOR SetCursor(HCURSOR Cursor);
  /// The pointer position: the last one native input or SetCursorPos gave, or the presenter's once the
  /// pointer left the program's windows.
  TPoint PointerPosition() const;
  /// SetCursorPos: the position answered from now on, and a mouse move there.
  void MovePointer(TPoint P);
  /// The clipboard of the program when no presenter offers one.
  String& OwnClipboard() { return FState->Clipboard; }
  void CountBeep() { ++FState->Beeps; }
  int BeepCount() const { return FState->Beeps; }

  // ---- IInputLayer ----
  bool DefaultProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) override;
  bool Translate(const TMsg& Msg) override;
  void ActivateRequested(HWND Wnd) override;
  void WindowHidden(HWND Wnd) override;
  void WindowDisabled(HWND Wnd) override;
  void WindowDestroying(HWND Wnd) override;
  void PointerMoved(TPoint Screen) override;
  void PointerButtonChanged(PointerButton Button, bool Down, TPoint Screen) override;
  void PointerWheel(int Delta, TPoint Screen) override;
  void PointerLeft() override;
  void KeyChanged(UINT Key, bool Down, bool Repeat) override;
  void TextCommitted(const String& Text) override;
  void CompositionChanged(bool Composing) override;
  void NativeFocusChanged(HWND Wnd, bool Gained) override;
  void CloseRequested(HWND Wnd) override;
  void NativeMinimizedChanged(HWND Wnd, bool Minimized) override;

private:
  struct State {
    KeyStateTable Keys;
    FocusManager Focus;
    PointerInput Pointer { Focus, Keys };
    KeyboardInput Keyboard { Focus, Keys };
    NonClient Frames;
    HCURSOR Cursor { IDC_ARROW };
    TPoint PointerPos;
    bool PointerInside { true };
    String Clipboard;
    int Beeps { 0 };
  };

  InputLayer();
  void Submit(const PointerEvent& Event);
  void Submit(const KeyEvent& Event);

  std::unique_ptr<State> FState;
};
