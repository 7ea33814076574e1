// The skinned combo box's properties that are its drop-down list's own.
#include <utility>

#include "skin/boxctrls/TskPopupListBox.h"
#include "skin/boxctrls/TskSkinCustomComboBox.h"

TCustomImageList* TskSkinCustomComboBox::Images() const { return FListBox->Images(); }
void TskSkinCustomComboBox::SetImages(TCustomImageList* Value) {
  FListBox->SetImages(Value);
  Repaint();
}
int TskSkinCustomComboBox::ImageIndex() const { return FListBox->ImageIndex(); }
void TskSkinCustomComboBox::SetImageIndex(int Value) {
  FListBox->SetImageIndex(Value);
  Repaint();
}
void TskSkinCustomComboBox::SetOnListBoxDrawItem(TskDrawSkinItemEvent Value) {
  FOnListBoxDrawItem = Value;
  FListBox->OnDrawItem = std::move(Value);
}
bool TskSkinCustomComboBox::Sorted() const { return FListBox->Sorted(); }
void TskSkinCustomComboBox::SetSorted(bool Value) { FListBox->SetSorted(Value); }
TStrings* TskSkinCustomComboBox::TabWidths() const { return FListBox->TabWidths(); }
void TskSkinCustomComboBox::SetTabWidths(TStrings* Value) { FListBox->SetTabWidths(Value); }
bool TskSkinCustomComboBox::HorizontalExtent() const { return FListBox->HorizontalExtent(); }
void TskSkinCustomComboBox::SetHorizontalExtent(bool Value) { FListBox->SetHorizontalExtent(Value); }
String TskSkinCustomComboBox::ListBoxCaption() const { return FListBox->Caption(); }
void TskSkinCustomComboBox::SetListBoxCaption(const String& Value) { FListBox->SetCaption(Value); }
bool TskSkinCustomComboBox::ListBoxCaptionMode() const { return FListBox->CaptionMode(); }
void TskSkinCustomComboBox::SetListBoxCaptionMode(bool Value) { FListBox->SetCaptionMode(Value); }
TAlignment TskSkinCustomComboBox::ListBoxCaptionAlignment() const { return FListBox->Alignment(); }
void TskSkinCustomComboBox::SetListBoxCaptionAlignment(TAlignment Value) { FListBox->SetAlignment(Value); }
TFont* TskSkinCustomComboBox::ListBoxDefaultCaptionFont() const { return FListBox->DefaultCaptionFont(); }
void TskSkinCustomComboBox::SetListBoxDefaultCaptionFont(TFont* Value) { FListBox->SetDefaultCaptionFont(Value); }
int TskSkinCustomComboBox::ListBoxDefaultItemHeight() const { return FListBox->DefaultItemHeight(); }
void TskSkinCustomComboBox::SetListBoxDefaultItemHeight(int Value) { FListBox->SetDefaultItemHeight(Value); }
bool TskSkinCustomComboBox::ListBoxUseSkinItemHeight() const { return FListBox->UseSkinItemHeight(); }
void TskSkinCustomComboBox::SetListBoxUseSkinItemHeight(bool Value) { FListBox->SetUseSkinItemHeight(Value); }
