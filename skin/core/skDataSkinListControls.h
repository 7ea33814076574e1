#pragma once
// The control records of list boxes, check list boxes, combo boxes, edits, memos and spin edits.
#include "skin/core/skDataSkinControl.h"

/// Kind "listbox": item images in three states, a caption with its own font, buttons, and the names of
/// the scroll-bar records its list uses.
class TskDataSkinListBox : public TskDataSkinCustomControl,
                           public TskItemImages,
                           public TskRecordFont,
                           public TskUpDownButtonImages {
public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TColor ActiveFontColor { 0 };
  TColor FocusFontColor { 0 };
  TRect CaptionRect;
  String CaptionFontName { "Tahoma" };
  TFontStyles CaptionFontStyle;
  int CaptionFontHeight { 13 };
  TColor CaptionFontColor { 0 };
  TRect CheckButtonRect;
  TRect ActiveCheckButtonRect;
  TRect DownCheckButtonRect;
  String HScrollBarName;
  String VScrollBarName;
  String BothScrollBarName;
  bool ShowFocus { false };
  TRect DisabledButtonsRect;
  TRect ButtonsArea;
};

/// Kind "checklistbox": a list box record with the item check images.
class TskDataSkinCheckListBox : public TskDataSkinListBox {
public:
  using TskDataSkinListBox::TskDataSkinListBox;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TRect UnCheckImageRect;
  TRect CheckImageRect;
  TRect ItemCheckRect;
};

/// Kind "combobox": face, item images, button images, and the name of its drop-down list's record.
class TskDataSkinComboBox : public TskDataSkinCustomControl,
                            public TskItemImages,
                            public TskRecordFont,
                            public TskButtonImages {
public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TColor FocusFontColor { 0 };
  TColor ActiveFontColor { 0 };
  bool ItemStretchEffect { false };
  bool FocusItemStretchEffect { false };
  TRect ActiveSkinRect;
  String ListBoxName;
  bool ShowFocus { false };
};

/// Kind "edit": face, font colours and the images of an edit's button.
class TskDataSkinEditControl : public TskDataSkinCustomControl, public TskRecordFont, public TskButtonImages {
public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TRect ActiveSkinRect;
  TColor DisabledFontColor { 0 };
  TColor ActiveFontColor { 0 };
};

/// Kind "memo": an edit record with background colours.
class TskDataSkinMemoControl : public TskDataSkinEditControl {
public:
  using TskDataSkinEditControl::TskDataSkinEditControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TColor BGColor { 0 };
  TColor ActiveBGColor { 0 };
};

/// Kind "spinedit": face, font colours and the up and down button images.
class TskDataSkinSpinEditControl : public TskDataSkinCustomControl, public TskRecordFont, public TskUpDownButtonImages {
public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TRect ActiveSkinRect;
  TColor ActiveFontColor { 0 };
  TColor DisabledFontColor { 0 };
};
