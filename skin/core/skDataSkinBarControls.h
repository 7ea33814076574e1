#pragma once
// The control records of tabs, grids, main menu bars, control bars and the application menu.
#include "skin/core/skDataSkinControl.h"

/// Kind "tab": the page area with a resizable geometry of its own, the tab images by state, tab close
/// buttons, a divider and the buttons of the MDI tab bar; UpDown names the record of its tab scroller.
class TskDataSkinTabControl : public TskDataSkinControl,
                              public TskCornerPoints,
                              public TskStretchSides,
                              public TskRecordFont {
public:
  using TskDataSkinControl::TskDataSkinControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TRect TabRect;
  TRect ActiveTabRect;
  TRect FocusTabRect;
  TRect MouseInTabRect;
  TRect ClRect;
  TRect TabsBGRect;
  int TabLeftOffset { 0 };
  int TabRightOffset { 0 };
  TColor ActiveFontColor { 0 };
  TColor FocusFontColor { 0 };
  TColor MouseInFontColor { 0 };
  String UpDown;
  int BGPictureIndex { -1 };
  bool TabStretchEffect { false };
  bool ShowFocus { false };
  int FocusOffsetX { 0 };
  int FocusOffsetY { 0 };
  TRect CloseButtonRect;
  TRect CloseButtonActiveRect;
  TRect CloseButtonDownRect;
  bool ButtonTransparent { false };
  TColor ButtonTransparentColor { clFuchsia };
  TRect DividerRect;
  bool DividerTransparent { false };
  TColor DividerTransparentColor { clFuchsia };
  TRect TabLeftBottomActiveRect;
  TRect TabLeftBottomFocusRect;
  TRect MDICloseRect;
  TRect MDICloseActiveRect;
  TRect MDICloseDownRect;
  TRect MDIRestoreRect;
  TRect MDIRestoreActiveRect;
  TRect MDIRestoreDownRect;
  TRect MDIMinRect;
  TRect MDIMinActiveRect;
  TRect MDIMinDownRect;
  bool MDIButtonsTransparent { false };
  TColor MDIButtonsTransparentColor { 0 };
};

/// Kind "grid": fixed, selected and focused cell images, lines and background, and a second font for
/// fixed cells.
class TskDataSkinGridControl : public TskDataSkinControl, public TskRecordFont {
public:
  using TskDataSkinControl::TskDataSkinControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TRect FixedCellRect;
  TRect SelectCellRect;
  TRect FocusCellRect;
  int FixedCellLeftOffset { 0 };
  int FixedCellRightOffset { 0 };
  TRect FixedCellTextRect;
  int CellLeftOffset { 0 };
  int CellRightOffset { 0 };
  TRect CellTextRect;
  TColor LinesColor { 0 };
  TColor BGColor { 0 };
  TColor SelectFontColor { 0 };
  TColor FocusFontColor { 0 };
  String FixedFontName { "Tahoma" };
  TFontStyles FixedFontStyle;
  int FixedFontHeight { 13 };
  TColor FixedFontColor { 0 };
  bool FixedCellStretchEffect { false };
  bool CellStretchEffect { false };
  bool ShowFocus { false };
  int BGPictureIndex { -1 };
};

/// Kind "mainmenubar": the items' area and the names of the form-object records of its items and its
/// system-menu, minimize, maximize and close buttons.
class TskDataSkinMainMenuBar : public TskDataSkinControl {
public:
  using TskDataSkinControl::TskDataSkinControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TRect ItemsRect;
  String MenuBarItem;
  String CloseButton;
  String MaxButton;
  String MinButton;
  String SysMenuButton;
  TColor TrackMarkColor { 0 };
  TColor TrackMarkActiveColor { 0 };
  bool StretchEffect { false };
  bool ItemTransparent { false };
};

/// Kind "controlbar": band item image, background picture and the grip images.
class TskDataSkinControlBar : public TskDataSkinCustomControl {
public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TRect ItemRect;
  int BGPictureIndex { -1 };
  TRect HGripRect;
  TRect VGripRect;
  int GripOffset1 { 0 };
  int GripOffset2 { 0 };
  bool ItemStretchEffect { false };
  int ItemOffset1 { 0 };
  int ItemOffset2 { 0 };
  bool ItemTransparent { false };
  TColor ItemTransparentColor { 0 };
  bool GripTransparent { false };
  TColor GripTransparentColor { 0 };
};

/// Kind "appmenu": the ribbon's application menu: backgrounds, item and page-item images, fonts of items
/// and pages, gripper, top line, back button and caption. A new record has no font.
class TskDataSkinAppMenu : public TskDataSkinCustomControl {
public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  int BGPictureIndex { -1 };
  bool BGStretchEffect { false };
  int BGPagePictureIndex { -1 };
  bool BGPageStretchEffect { false };
  TRect ItemRect;
  TRect PageItemRect;
  TRect PageItemActiveRect;
  int ItemOffset1 { 0 };
  int ItemOffset2 { 0 };
  int PageItemOffset1 { 0 };
  int PageItemOffset2 { 0 };
  int PageOffset { 0 };
  String FontName;
  TFontStyles FontStyle;
  int FontHeight { 0 };
  int FontPageHeight { 0 };
  TColor FontColor { 0 };
  TColor DisabledFontColor { 0 };
  TColor FontPageColor { 0 };
  TColor ActiveFontColor { 0 };
  TColor ActiveFontPageColor { 0 };
  TRect GripperRect;
  TColor GripperTransparentColor { 0 };
  TRect TopLineRect;
  int TopLineOffset1 { 0 };
  int TopLineOffset2 { 0 };
  TRect BackButtonRect;
  TRect BackButtonActiveRect;
  TRect CaptionRect;
  int CaptionLeftOffset { 0 };
  int CaptionTopOffset { 0 };
};
