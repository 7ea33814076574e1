#pragma once
// Value types of the standard controls: borders, letter case of edits, scroll bars of memos, list box
// styles, check box states, scroll bar kinds, track bar and up-down orientation, input method modes and the events they use.
#include <functional>

#include "platform/base/TObject.h"
#include "platform/base/TSet.h"
#include "platform/base/Types.h"
#include "platform/ui/toolkit/FormTypes.h"

/// A control's own border: none or a single (sunken) one.
using TBorderStyle = TFormBorderStyle;

/// The letter case an edit puts typed and pasted text into.
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

/// The scroll bars a memo shows.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

/// How a list box draws its items: itself, or through its owner with one or a per-item height.
enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };

/// The state an owner-drawn item is drawn in; the values follow the ODS_* bits, in order.
enum TOwnerDrawStateItem { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight,
                           odInactive, odNoAccel, odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit };
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

class TWinControl;
/// Draws item Index of Control into Rect on the control's canvas.
using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;
/// Sets the height of item Index of a variable-height list.
using TMeasureItemEvent = std::function<void(TWinControl* Control, int Index, int& Height)>;

/// The state of a check box: clear, ticked or (AllowGrayed) neither.
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

/// Which way a scroll bar lies.
enum TScrollBarKind { sbHorizontal, sbVertical };

enum TTrackBarOrientation { trHorizontal, trVertical };
/// Which way an up-down's two buttons lie.
enum TUDOrientation { udHorizontal, udVertical };
/// Where a track bar draws its ticks.
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };

/// The input method's mode for a control, kept for whoever switches input methods.
enum TImeMode { imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata, imKata, imChinese,
                imSHanguel, imHanguel };

/// The plain combo box's kinds: an edit with a drop-down list, a list only, or owner-drawn lists.
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
