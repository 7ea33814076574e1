#pragma once
// Value types and event signatures of the list view, the tree view and the tab control.
#include <functional>

#include "platform/base/TObject.h"
#include "platform/base/TSet.h"
#include "platform/base/Types.h"
#include "platform/ui/toolkit/StdControlTypes.h"

class TCustomListView;
class TCustomTreeView;
class TListColumn;
class TListItem;
class TTreeNode;

// ---- Shared by the list and tree views ----

/// What an item being drawn is; handed to the custom-draw events.
enum TCustomDrawStateItem {
  cdsSelected,
  cdsGrayed,
  cdsDisabled,
  cdsChecked,
  cdsFocused,
  cdsDefault,
  cdsHot,
  cdsMarked,
  cdsIndeterminate
};
using TCustomDrawState = TSet<TCustomDrawStateItem>;

/// When a custom-draw event runs.
enum TCustomDrawStage { cdPrePaint, cdPostPaint, cdPreErase, cdPostErase };

// ---- List view ----

/// How the items are laid out: large icons in rows, small icons in rows, a column-wise list, or rows
/// with columns under a header.
enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

/// Which rectangle of an item DisplayRect answers (LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL, LVIR_SELECTBOUNDS).
enum TDisplayCode { drBounds, drIcon, drLabel, drSelectBounds };

/// What changed about an item.
enum TItemChange { ctText, ctImage, ctState };

/// What an owner-data request asks for.
enum TItemRequestItem { irText, irImage, irParam, irState, irIndent };
using TItemRequest = TSet<TItemRequestItem>;

/// States GetNextItem looks for.
enum TItemStateItem { isNone, isCut, isDropHilited, isFocused, isSelected, isActivating };
using TItemStates = TSet<TItemStateItem>;

/// Where GetNextItem searches (sdAll: the following items in list order).
enum TSearchDirection { sdLeft, sdRight, sdAbove, sdBelow, sdAll };

/// How an owner-data search compares.
enum TItemFind { ifData, ifPartialString, ifExactString, ifNearest };

using TLVSelectItemEvent = std::function<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVChangeEvent = std::function<void(TObject* Sender, TListItem* Item, TItemChange Change)>;
using TLVColumnClickEvent = std::function<void(TObject* Sender, TListColumn* Column)>;
/// At item pre-paint; DefaultDraw := false makes the list draw nothing of the item.
using TLVCustomDrawItemEvent =
    std::function<void(TCustomListView* Sender, TListItem* Item, TCustomDrawState State, bool& DefaultDraw)>;
/// Fills an owner-data item (caption, image, sub-items) for its Index.
using TLVOwnerDataEvent = std::function<void(TObject* Sender, TListItem* Item)>;
/// Sets Index to the owner-data item found (-1: none).
using TLVOwnerDataFindEvent =
    std::function<void(TObject* Sender, TItemFind Find, const String& FindString, TPoint FindPosition, void* FindData,
                       int StartIndex, TSearchDirection Direction, bool Wrap, int& Index)>;
using TLVEditingEvent = std::function<void(TObject* Sender, TListItem* Item, bool& AllowEdit)>;
/// S is the edited text; the caption becomes what the handler leaves in it.
using TLVEditedEvent = std::function<void(TObject* Sender, TListItem* Item, String& S)>;

// ---- Tree view ----

using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVChangingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVExpandingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVCollapsingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowCollapse)>;
using TTVExpandedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVEditingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowEdit)>;
/// S is the edited text; the node's text becomes what the handler leaves in it.
using TTVEditedEvent = std::function<void(TObject* Sender, TTreeNode* Node, String& S)>;
/// At item pre-paint; DefaultDraw := false makes the tree draw nothing of the node.
using TTVAdvancedCustomDrawItemEvent =
    std::function<void(TCustomTreeView* Sender, TTreeNode* Node, TCustomDrawState State, TCustomDrawStage Stage,
                       bool& PaintImages, bool& DefaultDraw)>;
/// Orders two nodes for CustomSort: negative, zero or positive.
using TTVCompare = std::function<int(TTreeNode* Node1, TTreeNode* Node2)>;

// ---- Tab control ----

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;
