#include "app/forms/TSkinPresetCombo.h"

#include "skin/boxctrls/TskSkinComboBox.h"

void TSkinPresetCombo::ClearItems() { FCombo.Items()->Clear(); }

void TSkinPresetCombo::AddItem(const String& Text) { FCombo.Items()->Add(Text); }

int TSkinPresetCombo::ItemIndex() const { return FCombo.ItemIndex(); }

void TSkinPresetCombo::SetItemIndex(int Index) { FCombo.SetItemIndex(Index); }

void TSkinPresetCombo::SetEnabled(bool Value) { FCombo.SetEnabled(Value); }

String TSkinPresetCombo::Text() const { return FCombo.Text(); }
