#include "skin/boxctrls/TskSkinNumEdit.h"

#include <clocale>

#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/VirtualKeys.h"

namespace {

char32_t DecimalSeparator() {
  const char* Point = std::localeconv()->decimal_point;
  return Point && Point[0] ? char32_t(Byte(Point[0])) : U'.';
}

bool Holds(const String& Text, char32_t C) { return C < 128 && Text.find(char(C)) != String::npos; }

}  // namespace

bool TskSkinNumEdit::IsValidChar(char32_t C) {
  if (C > 255) return false;
  const char32_t Separator = DecimalSeparator();
  bool Valid = C == U'-' || (C >= U'0' && C <= U'9') || (Float && C == Separator) || (C < 32 && C != 13);
  if (!FEditorEnabled && (C >= 32 || C == 8)) Valid = false;
  if (Float && C == Separator && Holds(Text(), Separator)) Valid = false;
  if (C == U'-') {
    const int Start = SelStart();
    if (Start != 0)
      Valid = false;
    else if (SelLength() > 0)
      Valid = FEditorEnabled;
    else if (Holds(Text(), U'-'))
      Valid = false;
  }
  return Valid;
}

void TskSkinNumEdit::Fire(const TNotifyEvent& Event) {
  if (!Event) return;
  const TNotifyEvent Handler = Event;
  Handler(this);
}

void TskSkinNumEdit::KeyDown(Word& Key, TShiftState Shift) {
  if (Key == VK_UP || Key == VK_DOWN) {
    Fire(Key == VK_UP ? OnUpClick : OnDownClick);
    Key = 0;
    return;
  }
  TskCustomEdit::KeyDown(Key, Shift);
}

void TskSkinNumEdit::KeyPress(char32_t& Key) {
  if (!IsValidChar(Key)) {
    Key = 0;
    MessageBeep(0);
    return;
  }
  TskCustomEdit::KeyPress(Key);
}

void TskSkinNumEdit::Dispatch(TMessage& Message) {
  if (Message.Msg != WM_MOUSEWHEEL) return TskCustomEdit::Dispatch(Message);
  const int Delta = short(HIWORD(Message.WParam));
  if (Delta > 0)
    Fire(OnUpClick);
  else if (Delta < 0)
    Fire(OnDownClick);
  Message.Result = 1;
}
