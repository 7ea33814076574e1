#include "app/forms/TSkinFormatCombo.h"

#include "skin/boxctrls/TskSkinOfficeComboBox.h"

void TSkinFormatCombo::ClearItems() { FCombo.Items()->Clear(); }

void TSkinFormatCombo::AddItem(const String& Caption, int ImageIndex) {
  TskSkinOfficeItem* Item = FCombo.Items()->Add();
  Item->SetCaption(Caption);
  Item->SetImageIndex(ImageIndex);
}

void TSkinFormatCombo::Repaint() { FCombo.Repaint(); }

int TSkinFormatCombo::ItemIndex() const { return FCombo.ItemIndex(); }

void TSkinFormatCombo::SetItemIndex(int Index) { FCombo.SetItemIndex(Index); }

String TSkinFormatCombo::ItemCaption(int Index) const {
  return Index >= 0 && Index < FCombo.Items()->Count() ? FCombo.Items()->Items(Index)->Caption() : String();
}
