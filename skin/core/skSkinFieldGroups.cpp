#include "skin/core/skSkinFieldGroups.h"

const TskFieldTable<TskCornerPoints>& TskCornerPoints::Fields() {
  using C = TskCornerPoints;
  static const TskFieldTable<C> Table {
    { "lefttoppoint", &C::LTPoint },
    { "righttoppoint", &C::RTPoint },
    { "leftbottompoint", &C::LBPoint },
    { "rightbottompoint", &C::RBPoint },
  };
  return Table;
}

const TskFieldTable<TskStretchSides>& TskStretchSides::Fields() {
  using C = TskStretchSides;
  static const TskFieldTable<C> Table {
    { "leftstretch", &C::LeftStretch },     { "topstretch", &C::TopStretch },
    { "rightstretch", &C::RightStretch },   { "bottomstretch", &C::BottomStretch },
    { "stretcheffect", &C::StretchEffect }, { "stretchtype", &C::StretchType },
  };
  return Table;
}

const TskFieldTable<TskStretchSides>& TskStretchSides::FrameFields() {
  using C = TskStretchSides;
  static const TskFieldTable<C> Table {
    { "leftstretch", &C::LeftStretch },     { "rightstretch", &C::RightStretch },
    { "topstretch", &C::TopStretch },       { "bottomstretch", &C::BottomStretch },
    { "stretcheffect", &C::StretchEffect }, { "stretchtype", &C::StretchType },
  };
  return Table;
}

const TskFieldTable<TskUpDownButtonImages>& TskUpDownButtonImages::Fields() {
  using C = TskUpDownButtonImages;
  static const TskFieldTable<C> Table {
    { "upbuttonrect", &C::UpButtonRect },
    { "activeupbuttonrect", &C::ActiveUpButtonRect },
    { "downupbuttonrect", &C::DownUpButtonRect },
    { "downbuttonrect", &C::DownButtonRect },
    { "activedownbuttonrect", &C::ActiveDownButtonRect },
    { "downdownbuttonrect", &C::DownDownButtonRect },
  };
  return Table;
}

const TskFieldTable<TskItemImages>& TskItemImages::Fields() {
  using C = TskItemImages;
  static const TskFieldTable<C> Table {
    { "itemrect", &C::SItemRect },
    { "activeitemrect", &C::ActiveItemRect },
    { "focusitemrect", &C::FocusItemRect },
    { "itemleftoffset", &C::ItemLeftOffset },
    { "itemrightoffset", &C::ItemRightOffset },
    { "itemtextrect", &C::ItemTextRect },
  };
  return Table;
}

const TskFieldTable<TskButtonImages>& TskButtonImages::Fields() {
  using C = TskButtonImages;
  static const TskFieldTable<C> Table {
    { "buttonrect", &C::ButtonRect },
    { "activebuttonrect", &C::ActiveButtonRect },
    { "downbuttonrect", &C::DownButtonRect },
    { "unenabledbuttonrect", &C::UnEnabledButtonRect },
  };
  return Table;
}

const TskFieldTable<TskRestoreFace>& TskRestoreFace::Fields() {
  using C = TskRestoreFace;
  static const TskFieldTable<C> Table {
    { "restorerect", &C::RestoreRect },
    { "restoreactiverect", &C::RestoreActiveRect },
    { "restoredownrect", &C::RestoreDownRect },
    { "restoreinactiverect", &C::RestoreInActiveRect },
    { "restorehint", &C::RestoreHint },
  };
  return Table;
}

void TskRestoreFace::DeriveRestoreHint(const String& Hint, TskStdCommand Command) {
  if (!RestoreHint.empty()) return;
  if ((Hint == "Maximize" && Command == cmMaximize) || (Hint == "Minimize" && Command == cmMinimize) ||
      ((Hint == "RollUp" || Hint == "Roll Up") && Command == cmRollUp))
    RestoreHint = "Restore";
}

const TskFieldTable<TskFrameAnimation>& TskFrameAnimation::Fields() {
  using C = TskFrameAnimation;
  static const TskFieldTable<C> Table {
    { "animateskinrect", &C::AnimateSkinRect },
    { "framecount", &C::FrameCount },
    { "animateinterval", &C::AnimateInterval, 25 },
    { "inactiveanimation", &C::InActiveAnimation },
  };
  return Table;
}
