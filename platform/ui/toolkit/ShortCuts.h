#pragma once
// Keyboard shortcuts and accelerator characters: a shortcut is a virtual key plus modifier bits in one
// word (the menus' ShortCut values), shown and parsed as "Ctrl+F4"; an accelerator is the character
// after "&" in a caption ("&&" is a literal "&").
#include "platform/base/Types.h"
#include "platform/ui/toolkit/ControlTypes.h"
#include "platform/ui/winsys/UiTypes.h"

using TShortCut = Word;
constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

/// The shortcut of a virtual key with Shift, Ctrl and Alt of Shift (scNone for a key above 255).
TShortCut ShortCut(Word Key, TShiftState Shift);
/// The parts of a shortcut.
void ShortCutToKey(TShortCut Value, Word& Key, TShiftState& Shift);
/// "Shift+", "Ctrl+", "Alt+" in that order, then the key's name ("F1", "Enter", "A"); empty for scNone
/// or a key without a name.
String ShortCutToText(TShortCut Value);
/// The shortcut ShortCutToText would show as Text (modifier and key names matched without regard to
/// case); scNone for text that names no shortcut.
TShortCut TextToShortCut(const String& Text);

/// The accelerator character of a caption, folded to lower case; 0 when it has none.
char32_t GetHotkey(const String& Caption);
/// The caption without its "&" markers ("&&" becomes "&").
String StripHotkey(const String& Caption);
/// Whether the character (a virtual key of a letter or digit, or a WM_CHAR code point) is the caption's
/// accelerator, compared without regard to case.
bool IsAccel(char32_t Key, const String& Caption);
