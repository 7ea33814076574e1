#include "skin/core/skDataSkinListControls.h"

void TskDataSkinListBox::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinCustomControl::VisitFields(Visitor);
  using C = TskDataSkinListBox;
  static const TskFieldTable<C> Table {
    TskItemImages::Fields(),
    FontGroup<C>(),
    { "activefontcolor", &C::ActiveFontColor },
    { "focusfontcolor", &C::FocusFontColor },
    { "captionrect", &C::CaptionRect },
    { TskFontFields<C> { &C::CaptionFontName, &C::CaptionFontHeight, &C::CaptionFontStyle, &C::CaptionFontColor },
      "caption" },
    TskUpDownButtonImages::Fields(),
    { "checkbuttonrect", &C::CheckButtonRect },
    { "activecheckbuttonrect", &C::ActiveCheckButtonRect },
    { "downcheckbuttonrect", &C::DownCheckButtonRect },
    { "vscrollbarname", &C::VScrollBarName, "vscrollbar" },
    { "hscrollbarname", &C::HScrollBarName, "hscrollbar" },
    { "bothhscrollbarname", &C::BothScrollBarName, "bothhscrollbar" },
    { "showfocus", &C::ShowFocus },
    { "disabledbuttonsrect", &C::DisabledButtonsRect },
    { "buttonsarea", &C::ButtonsArea },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinCheckListBox::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinListBox::VisitFields(Visitor);
  using C = TskDataSkinCheckListBox;
  static const TskFieldTable<C> Table {
    {
      { "itemcheckrect", &C::ItemCheckRect },
      { "checkimagerect", &C::CheckImageRect },
      { "uncheckimagerect", &C::UnCheckImageRect },
    },
    { { "uncheckimagerect", "itemcheckrect" } },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinComboBox::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinCustomControl::VisitFields(Visitor);
  using C = TskDataSkinComboBox;
  static const TskFieldTable<C> Table {
    {
      { "activeskinrect", &C::ActiveSkinRect },
      TskItemImages::Fields(),
      FontGroup<C>(),
      { "focusfontcolor", &C::FocusFontColor },
      { "activefontcolor", &C::ActiveFontColor },
      { "listboxname", &C::ListBoxName },
      TskButtonImages::Fields(),
      { "itemstretcheffect", &C::ItemStretchEffect },
      { "focusitemstretcheffect", &C::FocusItemStretchEffect },
      { "showfocus", &C::ShowFocus },
    },
    { { "listboxname", "unenabledbuttonrect" } },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinEditControl::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinCustomControl::VisitFields(Visitor);
  using C = TskDataSkinEditControl;
  static const TskFieldTable<C> Table {
    { "activeskinrect", &C::ActiveSkinRect },
    FontGroup<C>(),
    { "disabledfontcolor", &C::DisabledFontColor },
    { "activefontcolor", &C::ActiveFontColor },
    TskButtonImages::Fields(),
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinMemoControl::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinEditControl::VisitFields(Visitor);
  using C = TskDataSkinMemoControl;
  static const TskFieldTable<C> Table { { "bgcolor", &C::BGColor }, { "activebgcolor", &C::ActiveBGColor } };
  Table.Visit(*this, Visitor);
}

void TskDataSkinSpinEditControl::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinCustomControl::VisitFields(Visitor);
  using C = TskDataSkinSpinEditControl;
  static const TskFieldTable<C> Table {
    { "activeskinrect", &C::ActiveSkinRect },
    FontGroup<C>(),
    { "activefontcolor", &C::ActiveFontColor },
    { "disabledfontcolor", &C::DisabledFontColor },
    TskUpDownButtonImages::Fields(),
  };
  Table.Visit(*this, Visitor);
}
