#include "skin/core/skDataSkinBarControls.h"

void TskDataSkinTabControl::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinControl::VisitFields(Visitor);
  using C = TskDataSkinTabControl;
  static const TskFieldTable<C> Table {
    { "tabrect", &C::TabRect },
    { "activetabrect", &C::ActiveTabRect },
    { "focustabrect", &C::FocusTabRect },
    { "mouseintabrect", &C::MouseInTabRect },
    { "clientrect", &C::ClRect },
    { "bgpictureindex", &C::BGPictureIndex, -1 },
    TskCornerPoints::Fields(),
    { "tableftoffset", &C::TabLeftOffset },
    { "tabrightoffset", &C::TabRightOffset },
    { "tabsbgrect", &C::TabsBGRect },
    { "tabstretcheffect", &C::TabStretchEffect },
    TskStretchSides::Fields(),
    FontGroup<C>(),
    { "activefontcolor", &C::ActiveFontColor },
    { "focusfontcolor", &C::FocusFontColor },
    { "mouseinfontcolor", &C::MouseInFontColor },
    { "updown", &C::UpDown },
    { "showfocus", &C::ShowFocus },
    { "focusoffsetx", &C::FocusOffsetX },
    { "focusoffsety", &C::FocusOffsetY },
    { "closebuttonrect", &C::CloseButtonRect },
    { "closebuttonactiverect", &C::CloseButtonActiveRect },
    { "closebuttondownrect", &C::CloseButtonDownRect },
    { "buttontransparent", &C::ButtonTransparent },
    { "buttontransparentcolor", &C::ButtonTransparentColor },
    { "dividerrect", &C::DividerRect },
    { "dividertransparent", &C::DividerTransparent },
    { "dividertransparentcolor", &C::DividerTransparentColor },
    { "mdicloserect", &C::MDICloseRect },
    { "mdicloseactiverect", &C::MDICloseActiveRect },
    { "mdiclosedownrect", &C::MDICloseDownRect },
    { "mdirestorerect", &C::MDIRestoreRect },
    { "mdirestoreactiverect", &C::MDIRestoreActiveRect },
    { "mdirestoredownrect", &C::MDIRestoreDownRect },
    { "mdiminrect", &C::MDIMinRect },
    { "mdiminactiverect", &C::MDIMinActiveRect },
    { "mdimindownrect", &C::MDIMinDownRect },
    { "mdibuttonstransparent", &C::MDIButtonsTransparent },
    { "mdibuttonstransparentcolor", &C::MDIButtonsTransparentColor },
    { "tableftbottomactiverect", &C::TabLeftBottomActiveRect },
    { "tableftbottomfocusrect", &C::TabLeftBottomFocusRect },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinGridControl::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinControl::VisitFields(Visitor);
  using C = TskDataSkinGridControl;
  static const TskFieldTable<C> Table {
    {
      { "fixedcellrect", &C::FixedCellRect },
      { "selectcellrect", &C::SelectCellRect },
      { "focuscellrect", &C::FocusCellRect },
      { "fixedcellleftoffset", &C::FixedCellLeftOffset },
      { "fixedcellrightoffset", &C::FixedCellRightOffset },
      { "fixedcelltextrect", &C::FixedCellTextRect },
      { "cellleftoffset", &C::CellLeftOffset },
      { "cellrightoffset", &C::CellRightOffset },
      { "celltextrect", &C::CellTextRect },
      { "bgpictureindex", &C::BGPictureIndex, -1 },
      { "linescolor", &C::LinesColor },
      { "bgcolor", &C::BGColor },
      FontGroup<C>(),
      { "selectfontcolor", &C::SelectFontColor },
      { "focusfontcolor", &C::FocusFontColor },
      { TskFontFields<C> { &C::FixedFontName, &C::FixedFontHeight, &C::FixedFontStyle, &C::FixedFontColor }, "fixed" },
      { "cellstretcheffect", &C::CellStretchEffect },
      { "fixedcellstretcheffect", &C::FixedCellStretchEffect },
      { "showfocus", &C::ShowFocus },
    },
    { { "bgpictureindex", "bgcolor" } },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinMainMenuBar::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinControl::VisitFields(Visitor);
  using C = TskDataSkinMainMenuBar;
  static const TskFieldTable<C> Table {
    { "itemsrect", &C::ItemsRect },
    { "menubaritem", &C::MenuBarItem },
    { "closebutton", &C::CloseButton },
    { "minbutton", &C::MinButton },
    { "maxbutton", &C::MaxButton },
    { "sysmenubutton", &C::SysMenuButton },
    { "trackmarkcolor", &C::TrackMarkColor },
    { "trackmarkactivecolor", &C::TrackMarkActiveColor },
    { "stretcheffect", &C::StretchEffect },
    { "itemtransparent", &C::ItemTransparent },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinControlBar::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinCustomControl::VisitFields(Visitor);
  using C = TskDataSkinControlBar;
  static const TskFieldTable<C> Table {
    {
      { "itemrect", &C::ItemRect },
      { "bgpictureindex", &C::BGPictureIndex, -1 },
      { "hgriprect", &C::HGripRect },
      { "vgriprect", &C::VGripRect },
      { "gripoffset1", &C::GripOffset1 },
      { "gripoffset2", &C::GripOffset2 },
      { "itemstretcheffect", &C::ItemStretchEffect },
      { "itemoffset1", &C::ItemOffset1, 3 },
      { "itemoffset2", &C::ItemOffset2, 3 },
      { "itemtransparent", &C::ItemTransparent },
      { "itemtransparentcolor", &C::ItemTransparentColor },
      { "griptransparent", &C::GripTransparent },
      { "griptransparentcolor", &C::GripTransparentColor },
    },
    { { "itemstretcheffect", "itemoffset2" } },
  };
  Table.Visit(*this, Visitor);
}

void TskDataSkinAppMenu::VisitFields(TskFieldVisitor& Visitor) {
  TskDataSkinCustomControl::VisitFields(Visitor);
  using C = TskDataSkinAppMenu;
  // The font keys are not a font group: the page height stands between height and style.
  static const TskFieldTable<C> Table {
    { "bgpictureindex", &C::BGPictureIndex, -1 },
    { "bgstretcheffect", &C::BGStretchEffect },
    { "bgpagepictureindex", &C::BGPagePictureIndex, -1 },
    { "bgpagestretcheffect", &C::BGPageStretchEffect },
    { "itemrect", &C::ItemRect },
    { "pageitemrect", &C::PageItemRect },
    { "pageitemactiverect", &C::PageItemActiveRect },
    { "itemoffset1", &C::ItemOffset1, 3 },
    { "itemoffset2", &C::ItemOffset2, 3 },
    { "pageitemoffset1", &C::PageItemOffset1, 10 },
    { "pageitemoffset2", &C::PageItemOffset2, 10 },
    { "pageoffset", &C::PageOffset },
    { "fontname", &C::FontName, "Tahoma" },
    { "fontheight", &C::FontHeight, 13 },
    { "fontpageheight", &C::FontPageHeight, 16 },
    { "fontstyle", &C::FontStyle },
    { "fontcolor", &C::FontColor },
    { "disabledfontcolor", &C::DisabledFontColor },
    { "activefontcolor", &C::ActiveFontColor },
    { "fontpagecolor", &C::FontPageColor },
    { "activefontpagecolor", &C::ActiveFontPageColor },
    { "gripperrect", &C::GripperRect },
    { "grippertransparentcolor", &C::GripperTransparentColor },
    { "toplinerect", &C::TopLineRect },
    { "toplineoffset1", &C::TopLineOffset1 },
    { "toplineoffset2", &C::TopLineOffset2 },
    { "backbuttonrect", &C::BackButtonRect },
    { "backbuttonactiverect", &C::BackButtonActiveRect },
    { "captionrect", &C::CaptionRect },
    { "captionleftoffset", &C::CaptionLeftOffset },
    { "captiontopoffset", &C::CaptionTopOffset },
  };
  Table.Visit(*this, Visitor);
}
