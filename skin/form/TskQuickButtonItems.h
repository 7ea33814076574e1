#pragma once
// The quick buttons a frame shows left of its caption text: small image buttons with glyphs from the
// frame's QuickImageList. A quick button fires OnClick when released over it after a press, or drops
// down its popup menu on the press and stays pressed until that menu closes. Changing an item repaints
// the frame.
#include "platform/base/TCollection.h"
#include "platform/ui/toolkit/ControlTypes.h"

class IskSkinPopupMenu;
class TskSkinForm;

/// One quick button; see the file comment.
class TskQuickButtonItem : public TCollectionItem {
public:
  explicit TskQuickButtonItem(TCollection* Collection) : TCollectionItem(Collection) {}

  int ImageIndex() const { return FImageIndex; }
  virtual void SetImageIndex(int Value);
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);
  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool Value);
  String Hint;
  TNotifyEvent OnClick;
  /// The menu the button drops down instead of clicking (not stored).
  IskSkinPopupMenu* PopupMenu { nullptr };
  /// Copies ImageIndex, Hint, Enabled and Visible.
  void Assign(TPersistent* Source) override;

  /// Where the button was last painted (frame coordinates); hovered; pressed.
  TRect ItemRect;
  bool Active { false };
  bool Down { false };

private:
  int FImageIndex { -1 };
  bool FEnabled { true };
  bool FVisible { true };
};

/// The frame's quick buttons; a change repaints the frame unless it is loading.
class TskQuickButtonItems : public TCollection {
public:
  explicit TskQuickButtonItems(TskSkinForm* ABSF);
  TskQuickButtonItem* Items(int Index) const { return static_cast<TskQuickButtonItem*>(TCollection::Items(Index)); }
  TskQuickButtonItem* Add() { return static_cast<TskQuickButtonItem*>(TCollection::Add()); }

  TskSkinForm* BSF;

protected:
  void Update(TCollectionItem* Item) override;
  TPersistent* GetOwner() const override;
};
