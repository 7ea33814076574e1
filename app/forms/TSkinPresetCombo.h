#pragma once
// A window's skinned combo box as the catalogue's preset steps fill and read it.
#include "app/catalogue/IPresetCombo.h"

class TskSkinComboBox;

/// One preset combo of a window seen by the catalogue steps; the combo outlives this object.
class TSkinPresetCombo : public IPresetCombo {
public:
  explicit TSkinPresetCombo(TskSkinComboBox& Combo) : FCombo(Combo) {}

  void ClearItems() override;
  void AddItem(const String& Text) override;
  int ItemIndex() const override;
  void SetItemIndex(int Index) override;
  void SetEnabled(bool Value) override;
  String Text() const override;

private:
  TskSkinComboBox& FCombo;
};
