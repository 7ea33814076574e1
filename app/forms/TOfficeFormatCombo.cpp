#include "app/forms/TOfficeFormatCombo.h"

#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "skin/boxctrls/TskSkinOfficeItems.h"

void TOfficeFormatCombo::ClearItems() { FCombo.Items()->Clear(); }

void TOfficeFormatCombo::AddItem(const String& Caption, int ImageIndex) {
  TskSkinOfficeItem* Item = FCombo.Items()->Add();
  Item->SetCaption(Caption);
  Item->SetImageIndex(ImageIndex);
}

void TOfficeFormatCombo::Repaint() { FCombo.Repaint(); }

int TOfficeFormatCombo::ItemIndex() const { return FCombo.ItemIndex(); }

void TOfficeFormatCombo::SetItemIndex(int Index) { FCombo.SetItemIndex(Index); }

String TOfficeFormatCombo::ItemCaption(int Index) const {
  return Index >= 0 && Index < FCombo.Items()->Count() ? FCombo.Items()->Items(Index)->Caption() : String();
}
