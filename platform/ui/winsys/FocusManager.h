#pragma once
// Keyboard focus and activation. The program has one active top-level window (0 while the program is
// inactive) and one focus window, kept inside the active window. Activation changes send
// WM_NCACTIVATE then WM_ACTIVATE to the window losing activation and then to the one gaining it; the
// program's own activation follows the native windows' keyboard focus (WM_ACTIVATEAPP to every top-level
// window), deciding that the program went inactive only once no native window of it has the focus.
#include <memory>

#include "platform/base/Types.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/winsys/Window.h"

/// Focus, activation and the program's activation.
class FocusManager {
public:
  FocusManager() = default;
  ~FocusManager() { *FSelf = nullptr; }
  FocusManager(const FocusManager&) = delete;
  FocusManager& operator=(const FocusManager&) = delete;

  HWND Focus() const { return FFocus; }
  HWND Active() const { return FActive; }
  bool ProgramActive() const { return FProgramActive; }
  /// Whether native text input is on (the focus window wants characters, DLGC_WANTCHARS).
  bool TextInputOn() const { return FTextInput; }

  /// SetFocus: see Input.h.
  HWND SetFocus(HWND Wnd);
  /// Activates top-level Wnd (a child stands for its top-level window) with How = WA_ACTIVE or
  /// WA_CLICKACTIVE, raising it and the windows it owns to the top of its z-order band; returns the
  /// previously active window.
  HWND Activate(HWND Wnd, WPARAM How);

  /// The presenter says a native window got or lost the system's keyboard focus.
  void NativeFocusChanged(HWND Wnd, bool Gained);
  /// Wnd was hidden, disabled or is being destroyed: focus and activation leave it and its descendants.
  void WindowHidden(HWND Wnd);
  void WindowDisabled(HWND Wnd);
  void WindowDestroying(HWND Wnd);

  /// Whether Wnd is Root or one of its descendants.
  static bool Within(HWND Wnd, HWND Root);

private:
  /// The window that takes activation when Gone loses it: its owner when it can, else the topmost
  /// shown, enabled top-level window that is neither a popup tool window nor click-through.
  HWND Successor(HWND Gone) const;
  /// Popup tool windows (drop-downs, menus) and no-activate or click-through windows.
  static bool NeverActivates(const Window& W);
  static bool CanActivate(const Window& W);
  void Deactivate(HWND Other);
  void ActivateProgram();
  void DeactivateProgram();
  /// Native text input follows the focus: on while the focus window wants characters.
  void UpdateTextInput();

  HWND FFocus { 0 };
  HWND FActive { 0 };
  bool FProgramActive { true };
  /// The native window holding the system's keyboard focus (0: none of the program's).
  HWND FNativeFocus { 0 };
  /// Counts focus losses, so a deferred "the program went inactive" check sees a later change.
  uint64_t FNativeChanges { 0 };
  bool FTextInput { false };
  /// This object for closures that run later: null once it is gone.
  std::shared_ptr<FocusManager*> FSelf { std::make_shared<FocusManager*>(this) };
};
