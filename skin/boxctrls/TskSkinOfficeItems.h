#pragma once
// The items of an office list (TskSkinOfficeListBox): each shows a bold title, a word-wrapped caption, an
// image and a check mark, or is a header that starts a titled group. A change of anything an item shows
// repaints the list and updates its scroll bar (Data changes nothing). The collection never touches the
// list's ItemIndex: after Clear the list keeps it, and an item added later at that index is born Active.
#include "platform/base/TTypedCollection.h"
#include "platform/ui/toolkit/ControlTypes.h"

class TskSkinOfficeListBox;

/// One item of an office list; see the file comment.
class TskSkinOfficeItem : public TCollectionItem {
public:
  /// Active when its index is the owning list's ItemIndex.
  explicit TskSkinOfficeItem(TCollection* Collection);

  int ImageIndex() const { return FImageIndex; }
  virtual void SetImageIndex(int Value);
  const String& Title() const { return FTitle; }
  virtual void SetTitle(const String& Value);
  const String& Caption() const { return FCaption; }
  virtual void SetCaption(const String& Value);
  /// The caller's pointer; stored only.
  void* Data() const { return FData; }
  virtual void SetData(void* Value);
  /// A disabled item is drawn greyed and never selected by the keys or the mouse.
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);
  bool Header() const { return FHeader; }
  virtual void SetHeader(bool Value);
  bool Checked() const { return FChecked; }
  virtual void SetChecked(bool Value);
  /// From another office item: ImageIndex, Caption, Title, Enabled, Checked and Header (not Data, not
  /// OnClick); anything else raises the assignment error.
  void Assign(TPersistent* Source) override;

  /// Fires (sender: the list) when the item is selected through ItemIndex or the keys.
  TNotifyEvent OnClick;

  /// Where the item is, in the list's client coordinates, shifted by the scroll offset; whether any of it
  /// shows in the items area; whether it is the selected item. Recomputed by the list.
  TRect ItemRect;
  bool IsVisible { false };
  bool Active { false };

private:
  int FImageIndex { -1 };
  String FTitle;
  String FCaption;
  bool FEnabled { true };
  void* FData { nullptr };
  bool FHeader { false };
  bool FChecked { false };
};

/// The items of an office list; every change repaints the list and updates its scroll information.
class TskSkinOfficeItems : public TTypedCollection<TskSkinOfficeItem> {
public:
  explicit TskSkinOfficeItems(TskSkinOfficeListBox* AListBox) : OfficeListBox(AListBox) {}

  TskSkinOfficeListBox* OfficeListBox;

protected:
  void Update(TCollectionItem* Item) override;
  TPersistent* GetOwner() const override;
};
