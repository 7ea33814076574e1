#pragma once
// One item (row) of a list view.
#include "platform/base/TPersistent.h"
#include "platform/ui/toolkit/TSubItems.h"
#include "platform/ui/toolkit/ViewTypes.h"

class TCustomListView;
class TListItems;

/// An item: caption, sub-items, images, check mark, data, and its selection and focus in the list view.
/// Changing the caption, the image or a state reports the change to the list view (Change); changing
/// sub-items only repaints the row. An item of an owner-data list is a stand-in filled for one index at a
/// time.
class TListItem : public TPersistent {
public:
  explicit TListItem(TListItems* AOwner);
  ~TListItem() override;

  TListItems* Owner() const { return FOwner; }
  TCustomListView* ListView() const;
  /// Position in the list (-1 once removed).
  int Index() const { return FIndex; }

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  TStrings* SubItems() { return &FSubItems; }
  /// Copies the strings of Value into the sub-items.
  void SetSubItems(TStrings* Value) { FSubItems.Assign(Value); }
  int SubItemImages(int Index) const { return FSubItems.ImageIndex(Index); }
  void SetSubItemImages(int Index, int Value) { FSubItems.SetImageIndex(Index, Value); }
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  void* Data() const { return FData; }
  void SetData(void* Value) { FData = Value; }

  bool Selected() const;
  /// True selects the item (in a single-selection list the others lose their selection); every item
  /// whose selection changes raises OnSelectItem.
  void SetSelected(bool Value);
  bool Focused() const;
  void SetFocused(bool Value);

  /// The item's rectangles in the list view's client coordinates (LVM_GETITEMRECT).
  TRect DisplayRect(TDisplayCode Code);
  /// Pixel top and left of the item's bounds.
  int Top() { return DisplayRect(drBounds).Top; }
  int Left() { return DisplayRect(drBounds).Left; }
  /// Scrolls the list so that the item shows (PartialOK: showing partly is enough).
  void MakeVisible(bool PartialOK);
  /// Starts editing the caption in place; false when the list refuses (ReadOnly, OnEditing).
  bool EditCaption();
  /// Ends an edit of this item's caption without taking the text.
  void CancelEdit();
  /// Repaints the item.
  void Update();
  /// Removes the item from its list and frees it.
  void Delete();

  /// From another item: caption, sub-items with their images, image, check mark and data.
  void Assign(TPersistent* Source) override;

private:
  friend class TListItems;
  friend class TCustomListView;
  friend class TSubItems;

  /// Caption, image and sub-items cleared, for an owner-data stand-in about to be filled.
  void Reset(int AIndex);
  /// The owner-data stand-in reports none of its changes.
  bool IsStandIn() const;
  void SubItemsChanged();

  TListItems* FOwner;
  int FIndex { -1 };
  String FCaption;
  TSubItems FSubItems { this };
  int FImageIndex { -1 };
  bool FChecked { false };
  bool FSelected { false };
  void* FData { nullptr };
};
