#pragma once
// Parts that several skin records share: the same fields, filled from the same keys. A record class
// inherits the part and names the part's table as one row of its own table (or, for the font, the font
// group), so a shared field is declared and keyed in one place.
#include "skin/core/skSkinFields.h"

/// The text font of a control record; a new record draws with 13-pixel Tahoma. Its keys are the plain
/// font group (FontGroup).
struct TskRecordFont {
  String FontName { "Tahoma" };
  TFontStyles FontStyle;
  int FontHeight { 13 };
  TColor FontColor { 0 };
};

/// The corner points of a resizable image, measured from its top-left corner: they cut it into the nine
/// parts it is composed from.
struct TskCornerPoints {
  /// lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint.
  static const TskFieldTable<TskCornerPoints>& Fields();

  TPoint LTPoint;
  TPoint RTPoint;
  TPoint LBPoint;
  TPoint RBPoint;
};

/// Whether the side parts of a resizable image are stretched rather than tiled, with the stretch effect
/// and the stretch type of its middle.
struct TskStretchSides {
  /// leftstretch, topstretch, rightstretch, bottomstretch, stretcheffect, stretchtype: the control
  /// records' order.
  static const TskFieldTable<TskStretchSides>& Fields();
  /// leftstretch, rightstretch, topstretch, bottomstretch, stretcheffect, stretchtype: the order of the
  /// form frame and of the popup and hint windows.
  static const TskFieldTable<TskStretchSides>& FrameFields();

  bool LeftStretch { false };
  bool TopStretch { false };
  bool RightStretch { false };
  bool BottomStretch { false };
  bool StretchEffect { false };
  TskStretchType StretchType { skstFull };
};

/// The up and the down arrow button, each normal, hot and pressed.
struct TskUpDownButtonImages {
  /// upbuttonrect, activeupbuttonrect, downupbuttonrect, downbuttonrect, activedownbuttonrect,
  /// downdownbuttonrect.
  static const TskFieldTable<TskUpDownButtonImages>& Fields();

  TRect UpButtonRect;
  TRect ActiveUpButtonRect;
  TRect DownUpButtonRect;
  TRect DownButtonRect;
  TRect ActiveDownButtonRect;
  TRect DownDownButtonRect;
};

/// The item image of a list in its normal, hot and focused state, its fixed left and right parts and
/// the text area in it.
struct TskItemImages {
  /// itemrect (into SItemRect), activeitemrect, focusitemrect, itemleftoffset, itemrightoffset,
  /// itemtextrect.
  static const TskFieldTable<TskItemImages>& Fields();

  TRect SItemRect;
  TRect ActiveItemRect;
  TRect FocusItemRect;
  int ItemLeftOffset { 0 };
  int ItemRightOffset { 0 };
  TRect ItemTextRect;
};

/// The button of an edit or a combo box: normal, hot, pressed and disabled.
struct TskButtonImages {
  /// buttonrect, activebuttonrect, downbuttonrect, unenabledbuttonrect.
  static const TskFieldTable<TskButtonImages>& Fields();

  TRect ButtonRect;
  TRect ActiveButtonRect;
  TRect DownButtonRect;
  TRect UnEnabledButtonRect;
};

/// The face a caption button shows while its window is maximized, minimized or rolled up: images for
/// the normal, hot, pressed and inactive state and its hint.
struct TskRestoreFace {
  /// restorerect, restoreactiverect, restoredownrect, restoreinactiverect, restorehint.
  static const TskFieldTable<TskRestoreFace>& Fields();

  /// Skins name the restore hint only when it is not the usual "Restore" of a maximize, minimize or
  /// roll-up button; the button's own hint tells which one it is.
  void DeriveRestoreHint(const String& Hint, TskStdCommand Command);

  String RestoreHint;
  TRect RestoreRect;
  TRect RestoreActiveRect;
  TRect RestoreDownRect;
  TRect RestoreInActiveRect;
};

/// The frame animation of a caption, a menu item or a main menu item: FrameCount frames in
/// AnimateSkinRect shown AnimateInterval apart, and whether it also runs while inactive.
struct TskFrameAnimation {
  /// animateskinrect, framecount, animateinterval (absent: 25), inactiveanimation.
  static const TskFieldTable<TskFrameAnimation>& Fields();

  TRect AnimateSkinRect;
  int FrameCount { 0 };
  int AnimateInterval { 0 };
  bool InActiveAnimation { false };
};
