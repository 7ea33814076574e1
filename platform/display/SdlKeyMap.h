#pragma once
// The virtual key of a native key event of the SDL2 presenter.
#include "platform/ui/winsys/UiTypes.h"

/// The virtual key (VirtualKeys.h) for an SDL key code, scan code and modifier state; 0 for keys the window
/// system has no code for. The key code decides, so letters follow the keyboard layout; keys whose code
/// the table lacks (letters of non-Latin layouts) fall back to the scan code's US position. Left and right
/// Shift, Ctrl and Alt give VK_SHIFT, VK_CONTROL and VK_MENU; keypad digits give VK_NUMPAD0..9 while Num
/// Lock is on and the navigation keys printed on them while it is off.
UINT SdlVirtualKey(int Keycode, int Scancode, unsigned Modifiers);
