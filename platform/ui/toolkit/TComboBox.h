#pragma once
// A plain combo box: a field showing the chosen one of its Items. Its items and ItemIndex are data of
// the control (with or without a window): inserting or deleting items before the chosen one keeps the
// same item chosen. The user chooses with Up, Down, PageUp, PageDown, Home and End, which runs Click
// (OnClick) and then Change (OnChange); choosing from code (ItemIndex) runs neither. There is no
// drop-down list: the program's combos are chosen from code or from the keyboard.
#include <memory>

#include "platform/base/TStrings.h"
#include "platform/ui/toolkit/StdControlTypes.h"
#include "platform/ui/toolkit/TCustomControl.h"

/// A combo box; see the file comment.
class TComboBox : public TCustomControl {
public:
  explicit TComboBox(TComponent* AOwner);
  ~TComboBox() override;

  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  /// The chosen item; -1 when none (also for values out of range).
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  /// Stored: the field shows the chosen item in every style.
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value) { FStyle = Value; }
  /// Stored only.
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value) { FDropDownCount = Value; }

  TNotifyEvent OnChange;

protected:
  virtual void Change();
  String GetText() override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void KeyDown(Word& Key, TShiftState Shift) override;

private:
  friend class TComboBoxStrings;
  /// The items changed at Index by Delta items (+1 inserted, -1 deleted; 0: all replaced).
  void ItemsChanged(int Index, int Delta);

  std::unique_ptr<TStrings> FItems;
  int FItemIndex { -1 };
  TComboBoxStyle FStyle { csDropDown };
  int FDropDownCount { 8 };
};
