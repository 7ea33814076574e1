#include "platform/display/SdlKeyMap.h"

#include <SDL.h>

#include "platform/ui/winsys/VirtualKeys.h"

namespace {

/// Punctuation at its US position, by the character it types unshifted.
UINT PunctuationKey(int Character) {
  switch (Character) {
    case ';': return VK_OEM_1;
    case '=': return VK_OEM_PLUS;
    case ',': return VK_OEM_COMMA;
    case '-': return VK_OEM_MINUS;
    case '.': return VK_OEM_PERIOD;
    case '/': return VK_OEM_2;
    case '`': return VK_OEM_3;
    case '[': return VK_OEM_4;
    case '\\': return VK_OEM_5;
    case ']': return VK_OEM_6;
    case '\'': return VK_OEM_7;
    default: return 0;
  }
}

UINT KeypadKey(SDL_Keycode Code, bool NumLock) {
  static constexpr UINT Navigation[10] = { VK_INSERT, VK_END,  VK_DOWN, VK_NEXT, VK_LEFT,
                                           VK_CLEAR,  VK_RIGHT, VK_HOME, VK_UP,   VK_PRIOR };
  switch (Code) {
    case SDLK_KP_DIVIDE: return VK_DIVIDE;
    case SDLK_KP_MULTIPLY: return VK_MULTIPLY;
    case SDLK_KP_MINUS: return VK_SUBTRACT;
    case SDLK_KP_PLUS: return VK_ADD;
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_KP_PERIOD: return NumLock ? VK_DECIMAL : VK_DELETE;
    case SDLK_KP_0: return NumLock ? VK_NUMPAD0 : Navigation[0];
    default: break;
  }
  if (Code >= SDLK_KP_1 && Code <= SDLK_KP_9) {
    const int Digit = Code - SDLK_KP_1 + 1;
    return NumLock ? VK_NUMPAD0 + Digit : Navigation[Digit];
  }
  return 0;
}

UINT KeyFromCode(SDL_Keycode Code, bool NumLock) {
  if (Code >= SDLK_a && Code <= SDLK_z) return UINT('A' + (Code - SDLK_a));
  if (Code >= SDLK_0 && Code <= SDLK_9) return UINT(Code);
  if (Code >= SDLK_F1 && Code <= SDLK_F12) return VK_F1 + (Code - SDLK_F1);
  if (const UINT Key = PunctuationKey(Code)) return Key;
  if (const UINT Key = KeypadKey(Code, NumLock)) return Key;
  switch (Code) {
    case SDLK_RETURN: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_UP: return VK_UP;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_HOME: return VK_HOME;
    case SDLK_END: return VK_END;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_CAPSLOCK: return VK_CAPITAL;
    case SDLK_NUMLOCKCLEAR: return VK_NUMLOCK;
    case SDLK_SCROLLLOCK: return VK_SCROLL;
    case SDLK_PAUSE: return VK_PAUSE;
    case SDLK_PRINTSCREEN: return VK_SNAPSHOT;
    case SDLK_APPLICATION: return VK_APPS;
    case SDLK_LGUI: return VK_LWIN;
    case SDLK_RGUI: return VK_RWIN;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return VK_MENU;
    default: return 0;
  }
}

UINT KeyFromScancode(SDL_Scancode Code) {
  if (Code >= SDL_SCANCODE_A && Code <= SDL_SCANCODE_Z) return UINT('A' + (Code - SDL_SCANCODE_A));
  if (Code >= SDL_SCANCODE_1 && Code <= SDL_SCANCODE_9) return UINT('1' + (Code - SDL_SCANCODE_1));
  switch (Code) {
    case SDL_SCANCODE_0: return '0';
    case SDL_SCANCODE_SEMICOLON: return VK_OEM_1;
    case SDL_SCANCODE_EQUALS: return VK_OEM_PLUS;
    case SDL_SCANCODE_COMMA: return VK_OEM_COMMA;
    case SDL_SCANCODE_MINUS: return VK_OEM_MINUS;
    case SDL_SCANCODE_PERIOD: return VK_OEM_PERIOD;
    case SDL_SCANCODE_SLASH: return VK_OEM_2;
    case SDL_SCANCODE_GRAVE: return VK_OEM_3;
    case SDL_SCANCODE_LEFTBRACKET: return VK_OEM_4;
    case SDL_SCANCODE_BACKSLASH: return VK_OEM_5;
    case SDL_SCANCODE_RIGHTBRACKET: return VK_OEM_6;
    case SDL_SCANCODE_APOSTROPHE: return VK_OEM_7;
    default: return 0;
  }
}

}  // namespace

UINT SdlVirtualKey(int Keycode, int Scancode, unsigned Modifiers) {
  if (const UINT Key = KeyFromCode(SDL_Keycode(Keycode), (Modifiers & KMOD_NUM) != 0)) return Key;
  return KeyFromScancode(SDL_Scancode(Scancode));
}
