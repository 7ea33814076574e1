#include "platform/ui/winsys/KeyboardInput.h"

#include "platform/ui/winsys/FocusManager.h"
#include "platform/ui/winsys/KeyStateTable.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "platform/ui/winsys/WindowSystem.h"

namespace {

constexpr uint32_t AltHeldBit = 1u << 29;
constexpr uint32_t WasDownBit = 1u << 30;
constexpr uint32_t ReleaseBit = 1u << 31;
/// The lParam of WM_CONTEXTMENU asked for from the keyboard: (-1, -1).
constexpr LPARAM KeyboardPoint = MAKELPARAM(0xFFFF, 0xFFFF);

/// The printable character of a key on a US layout, plain and shifted; 0 for keys without one.
char32_t UsCharacter(UINT Key, bool Shift) {
  static constexpr char ShiftedDigits[] = ")!@#$%^&*(";
  if (Key >= '0' && Key <= '9')
    return Shift ? char32_t(ShiftedDigits[Key - '0']) : char32_t(Key);
  if (Key >= VK_NUMPAD0 && Key <= VK_NUMPAD9)
    return char32_t('0' + (Key - VK_NUMPAD0));
  struct Pair {
    UINT Key;
    char Plain, Shifted;
  };
  static constexpr Pair Pairs[] = {
    { VK_SPACE, ' ', ' ' },      { VK_OEM_1, ';', ':' },      { VK_OEM_PLUS, '=', '+' },
    { VK_OEM_COMMA, ',', '<' },  { VK_OEM_MINUS, '-', '_' },  { VK_OEM_PERIOD, '.', '>' },
    { VK_OEM_2, '/', '?' },      { VK_OEM_3, '`', '~' },      { VK_OEM_4, '[', '{' },
    { VK_OEM_5, '\\', '|' },     { VK_OEM_6, ']', '}' },      { VK_OEM_7, '\'', '"' },
    { VK_MULTIPLY, '*', '*' },   { VK_ADD, '+', '+' },        { VK_SUBTRACT, '-', '-' },
    { VK_DECIMAL, '.', '.' },    { VK_DIVIDE, '/', '/' },
  };
  for (const Pair& P : Pairs)
    if (P.Key == Key)
      return char32_t(Shift ? P.Shifted : P.Plain);
  return 0;
}

HWND RootOf(HWND Wnd) { return GetAncestor(Wnd, GA_ROOT); }

}  // namespace

char32_t KeyboardInput::CharacterFor(UINT Key, bool Shift, bool Ctrl, bool Alt, bool CapsLock, bool Printable) {
  if (Ctrl && Alt)
    return 0;
  switch (Key) {
  case VK_RETURN:
    return Ctrl ? 10 : 13;
  case VK_ESCAPE:
    return 27;
  case VK_BACK:
    return Ctrl ? 127 : 8;
  case VK_TAB:
    return Ctrl ? 0 : 9;
  }
  const bool Letter = Key >= 'A' && Key <= 'Z';
  if (Ctrl)
    return Letter ? char32_t(Key - 'A' + 1) : 0;
  if (!Alt && !Printable)
    return 0;
  if (Letter)
    return Shift != CapsLock ? char32_t(Key) : char32_t(Key + ('a' - 'A'));
  return UsCharacter(Key, Shift);
}

std::optional<TMsg> KeyboardInput::Route(const KeyEvent& Event) {
  const HWND Focus = FFocus.Focus();
  const HWND Target = Focus ? Focus : FFocus.Active();
  if (Event.What == KeyEvent::Kind::Character) {
    if (!Focus || !WindowSystem::Get().Find(Focus))
      return std::nullopt;
    return TMsg { Focus, WM_CHAR, WPARAM(Event.Character), 1, Event.Time, Event.Screen };
  }
  const UINT Key = KeyStateTable::Common(Event.Key);
  const bool WasDown = FKeys.Down(Key);
  const bool AltBefore = FKeys.Down(VK_MENU);
  FKeys.Commit(Event.Key, Event.Down);

  bool AltAlone = false;
  if (Key == VK_MENU && !Event.Down) {
    AltAlone = FAltAlone;
    FAltAlone = false;
  } else if (Event.Down && !Event.Repeat)
    FAltAlone = Key == VK_MENU;

  if (!Target || !WindowSystem::Get().Find(Target))
    return std::nullopt;
  const bool Alt = AltBefore || FKeys.Down(VK_MENU);
  const bool System = (Alt && !FKeys.Down(VK_CONTROL)) || Key == VK_F10 || !Focus;
  const UINT Message = Event.Down ? (System ? WM_SYSKEYDOWN : WM_KEYDOWN) : (System ? WM_SYSKEYUP : WM_KEYUP);
  const uint32_t Data = 1 | (Alt ? AltHeldBit : 0) | (WasDown ? WasDownBit : 0) | (Event.Down ? 0 : ReleaseBit) |
                        (AltAlone ? AltAloneBit : 0);
  return TMsg { Target, Message, Key, LPARAM(Data), Event.Time, Event.Screen };
}

bool KeyboardInput::Translate(const TMsg& Msg) {
  if (Msg.message != WM_KEYDOWN && Msg.message != WM_SYSKEYDOWN)
    return false;
  const bool Alt = uint32_t(Msg.lParam) & AltHeldBit;
  const char32_t Character =
      CharacterFor(UINT(Msg.wParam), FKeys.Down(VK_SHIFT), FKeys.Down(VK_CONTROL), Alt,
                   FKeys.MessageState(VK_CAPITAL) & 1, !FFocus.TextInputOn());
  if (!Character)
    return false;
  const UINT CharMessage = Msg.message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
  WindowSystem::Get().PostInput({ Msg.hwnd, CharMessage, WPARAM(Character), Msg.lParam, Msg.time, Msg.pt });
  return true;
}

bool KeyboardInput::DefaultProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, LRESULT& Result) {
  const uint32_t Data = uint32_t(LParam);
  Result = 0;
  switch (Msg) {
  case WM_SYSKEYDOWN:
    if (WParam == VK_F4 && (Data & AltHeldBit))
      SendMessage(RootOf(Wnd), WM_SYSCOMMAND, SC_CLOSE, 0);
    else if (WParam == VK_F10 && FKeys.Down(VK_SHIFT))
      SendMessage(Wnd, WM_CONTEXTMENU, Wnd, KeyboardPoint);
    return true;
  case WM_SYSKEYUP:
    if ((WParam == VK_MENU && (Data & AltAloneBit)) || (WParam == VK_F10 && !FKeys.Down(VK_SHIFT)))
      SendMessage(RootOf(Wnd), WM_SYSCOMMAND, SC_KEYMENU, 0);
    return true;
  case WM_KEYUP:
    if (WParam == VK_APPS)
      SendMessage(Wnd, WM_CONTEXTMENU, Wnd, KeyboardPoint);
    return true;
  case WM_SYSCHAR:
    if (WParam != 9 && WParam != 13 && WParam != 27)
      SendMessage(RootOf(Wnd), WM_SYSCOMMAND, SC_KEYMENU, LPARAM(WParam));
    return true;
  case WM_KEYDOWN:
  case WM_CHAR:
    return true;
  default:
    return false;
  }
}
