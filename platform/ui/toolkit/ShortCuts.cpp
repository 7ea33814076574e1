#include "platform/ui/toolkit/ShortCuts.h"

#include "platform/base/SysUtils.h"
#include "platform/ui/winsys/VirtualKeys.h"

namespace {

struct KeyName {
  Word Key;
  const char* Name;
};

constexpr KeyName Names[] = {
  { VK_BACK, "BkSp" },    { VK_TAB, "Tab" },    { VK_RETURN, "Enter" }, { VK_ESCAPE, "Esc" },
  { VK_SPACE, "Space" },  { VK_PRIOR, "PgUp" }, { VK_NEXT, "PgDn" },    { VK_END, "End" },
  { VK_HOME, "Home" },    { VK_LEFT, "Left" },  { VK_UP, "Up" },        { VK_RIGHT, "Right" },
  { VK_DOWN, "Down" },    { VK_INSERT, "Ins" }, { VK_DELETE, "Del" },
};

struct Modifier {
  TShortCut Bit;
  const char* Prefix;
};

constexpr Modifier Modifiers[] = { { scShift, "Shift+" }, { scCtrl, "Ctrl+" }, { scAlt, "Alt+" } };

String KeyToText(Word Key) {
  if ((Key >= 'A' && Key <= 'Z') || (Key >= '0' && Key <= '9')) return String(1, char(Key));
  if (Key >= VK_F1 && Key <= VK_F12) return "F" + IntToStr(Key - VK_F1 + 1);
  for (const KeyName& N : Names)
    if (N.Key == Key) return N.Name;
  return {};
}

}  // namespace

TShortCut ShortCut(Word Key, TShiftState Shift) {
  if (Key > 0xFF) return scNone;
  TShortCut Result = Key;
  if (Shift.Contains(ssShift)) Result |= scShift;
  if (Shift.Contains(ssCtrl)) Result |= scCtrl;
  if (Shift.Contains(ssAlt)) Result |= scAlt;
  return Result;
}

void ShortCutToKey(TShortCut Value, Word& Key, TShiftState& Shift) {
  Key = Value & 0xFF;
  Shift = {};
  if (Value & scShift) Shift.Include(ssShift);
  if (Value & scCtrl) Shift.Include(ssCtrl);
  if (Value & scAlt) Shift.Include(ssAlt);
}

String ShortCutToText(TShortCut Value) {
  const String Key = KeyToText(Value & 0xFF);
  if (Key.empty()) return {};
  String Result;
  for (const Modifier& M : Modifiers)
    if (Value & M.Bit) Result += M.Prefix;
  return Result + Key;
}

TShortCut TextToShortCut(const String& Text) {
  TShortCut Bits = 0;
  size_t Start = 0;
  for (bool Found = true; Found;) {
    Found = false;
    for (const Modifier& M : Modifiers) {
      const String Prefix = M.Prefix;
      if (SameText(Text.substr(Start, Prefix.size()), Prefix)) {
        Bits |= M.Bit;
        Start += Prefix.size();
        Found = true;
      }
    }
  }
  const String Rest = Text.substr(Start);
  for (int Key = 1; Key <= 0xFF; ++Key) {
    const String Name = KeyToText(Word(Key));
    if (!Name.empty() && SameText(Name, Rest)) return TShortCut(Key | Bits);
  }
  return scNone;
}

char32_t GetHotkey(const String& Caption) {
  for (size_t I = 0; I < Caption.size();) {
    if (Caption[I] != '&') {
      ReadCodePoint(Caption, I);
      continue;
    }
    ++I;
    if (I >= Caption.size()) return 0;
    if (Caption[I] == '&') {
      ++I;
      continue;
    }
    return LowerCodePoint(ReadCodePoint(Caption, I));
  }
  return 0;
}

String StripHotkey(const String& Caption) {
  String Result;
  for (size_t I = 0; I < Caption.size(); ++I) {
    if (Caption[I] == '&') {
      if (I + 1 >= Caption.size()) break;
      ++I;
    }
    Result += Caption[I];
  }
  return Result;
}

bool IsAccel(char32_t Key, const String& Caption) {
  const char32_t Hotkey = GetHotkey(Caption);
  return Hotkey != 0 && Hotkey == LowerCodePoint(Key);
}
