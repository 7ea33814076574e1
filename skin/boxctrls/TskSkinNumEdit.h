#pragma once
// The skinned edit narrowed to numbers: digits, "-" at the start, with Float the locale's decimal
// separator once; a refused character beeps. Up and Down, and the wheel (a turn away from the user is
// up), fire OnUpClick and OnDownClick instead of moving the caret. With EditorEnabled off nothing
// printable can be typed, so the value changes only through those events.
#include "skin/boxctrls/TskCustomEdit.h"

/// A numeric skinned edit; see the file comment.
class TskSkinNumEdit : public TskCustomEdit {
public:
  using TskCustomEdit::TskCustomEdit;

  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  /// Whether C may enter the text as it stands (selection and text included).
  bool IsValidChar(char32_t C);

  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;
  /// The decimal separator is allowed.
  bool Float { false };

protected:
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void Dispatch(TMessage& Message) override;

private:
  void Fire(const TNotifyEvent& Event);

  bool FEditorEnabled { true };
};
