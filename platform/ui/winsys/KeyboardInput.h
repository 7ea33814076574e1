#pragma once
// Keyboard input: key presses and releases become WM_KEYDOWN / WM_KEYUP (WM_SYSKEYDOWN / WM_SYSKEYUP
// with Alt held and Ctrl not, for F10, and for every key while no window has the focus) to the focus
// window, else to the active window; committed text becomes one WM_CHAR per code point. Key data
// (lParam): repeat count 1, bit 29 while Alt is down, bit 30 when the key was already down, bit 31 on
// release. Translation makes the characters of keys that native text input does not deliver, and the
// default handling of key messages makes the system commands of the keyboard (SC_KEYMENU, SC_CLOSE) and
// the context-menu request.
#include <optional>

#include "platform/base/Types.h"
#include "platform/ui/winsys/Messages.h"

class FocusManager;
class KeyStateTable;

/// One key event or committed character from a presenter.
struct KeyEvent {
  enum class Kind { Key, Character };
  Kind What { Kind::Key };
  /// A virtual-key code (Key events).
  UINT Key { 0 };
  bool Down { false };
  bool Repeat { false };
  /// A code point (Character events).
  char32_t Character { 0 };
  DWORD Time { 0 };
  TPoint Screen;
};

/// Routing and translation of keys.
class KeyboardInput {
public:
  KeyboardInput(FocusManager& Focus, KeyStateTable& Keys) : FFocus(Focus), FKeys(Keys) {}

  /// Whether an input method composes text now: keys are then its own and reach no window.
  bool Composing() const { return FComposing; }
  void SetComposing(bool Composing) { FComposing = Composing; }

  /// The message Event becomes; none when no window takes keys.
  std::optional<TMsg> Route(const KeyEvent& Event);
  /// TranslateMessage: queues WM_CHAR / WM_SYSCHAR for a key-down message that makes a character.
  bool Translate(const TMsg& Msg);
  /// Default handling of key and character messages; true when Msg is one of them.
  bool DefaultProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result);

  /// The character a key makes (0: none). Printable keys (US layout) only count when Printable, since
  /// native text input delivers them otherwise; Alt combinations give the key's own character.
  static char32_t CharacterFor(UINT Key, bool Shift, bool Ctrl, bool Alt, bool CapsLock, bool Printable);

private:
  /// Key data bit: this Alt release ends a press of Alt alone (no other key between), which opens the
  /// menu bar. Bits 25-28 are free in key data; the bit travels with the message, so the answer holds
  /// however much input is queued behind it.
  static constexpr uint32_t AltAloneBit = 1u << 25;

  FocusManager& FFocus;
  KeyStateTable& FKeys;
  bool FComposing { false };
  /// Alt went down and no other key since.
  bool FAltAlone { false };
};
