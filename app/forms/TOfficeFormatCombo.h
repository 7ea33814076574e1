#pragma once
// A window's skinned office combo as the catalogue's format list step fills it.
#include "app/catalogue/IFormatCombo.h"

class TskSkinOfficeComboBox;

/// The format combo of a window seen by the catalogue steps; the combo outlives this object.
class TOfficeFormatCombo : public IFormatCombo {
public:
  explicit TOfficeFormatCombo(TskSkinOfficeComboBox& Combo) : FCombo(Combo) {}

  void ClearItems() override;
  void AddItem(const String& Caption, int ImageIndex) override;
  void Repaint() override;
  int ItemIndex() const override;
  void SetItemIndex(int Index) override;
  String ItemCaption(int Index) const override;

private:
  TskSkinOfficeComboBox& FCombo;
};
