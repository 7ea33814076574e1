#pragma once
// A window's skinned office combo box as the catalogue's format list step fills it.
#include "app/catalogue/IFormatCombo.h"

class TskSkinOfficeComboBox;

/// The format combo of the main window or the preset dialog, seen through IFormatCombo; the combo box
/// outlives this view. Its ItemIndex assignment runs the combo box's OnClick and OnChange every time.
class TSkinFormatCombo : public IFormatCombo {
public:
  explicit TSkinFormatCombo(TskSkinOfficeComboBox& Combo) : FCombo(Combo) {}

  void ClearItems() override;
  void AddItem(const String& Caption, int ImageIndex) override;
  void Repaint() override;
  int ItemIndex() const override;
  void SetItemIndex(int Index) override;
  String ItemCaption(int Index) const override;

private:
  TskSkinOfficeComboBox& FCombo;
};
