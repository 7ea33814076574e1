#pragma once
// The items of an application menu. An item with a page is a page item (its page shows in the menu's page
// area while it is selected); one without is a command item, whose OnClick the ribbon runs after the menu
// has closed because of it.
#include "platform/base/TTypedCollection.h"
#include "platform/ui/toolkit/ControlTypes.h"

class TskAppMenu;
class TskAppMenuPage;

/// An application-menu item; see the file comment.
class TskAppMenuItem : public TCollectionItem {
public:
  /// A new item is captioned "TskAppMenuItem" and its index.
  explicit TskAppMenuItem(TCollection* Collection);

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  /// The picture in the menu's ItemImageList (command items) or ItemPageImageList (page items).
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  TskAppMenuPage* Page() const { return FPage; }
  /// A page already shown by a menu becomes that menu's active page.
  void SetPage(TskAppMenuPage* Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

  /// From another item: Page, Caption, ImageIndex, Visible and Enabled (not OnClick); any other source
  /// raises EConvertError.
  void Assign(TPersistent* Source) override;

  TNotifyEvent OnClick;
  /// The mouse is over the item.
  bool Active { false };
  /// The item's rectangle in the menu from the last layout.
  TRect ItemRect;

private:
  friend class TskAppMenu;

  TskAppMenu* Menu() const;

  String FCaption;
  int FImageIndex { -1 };
  TskAppMenuPage* FPage { nullptr };
  bool FEnabled { true };
  bool FVisible { true };
};

/// The item collection of an application menu: a change updates the menu's scroll bar (while the menu is
/// visible) and repaints it.
class TskAppMenuItems : public TTypedCollection<TskAppMenuItem> {
public:
  explicit TskAppMenuItems(TskAppMenu* AAppMenu) : AppMenu(AAppMenu) {}

  TskAppMenuItem* GetItem(int Index) const { return Items(Index); }

  TskAppMenu* AppMenu;

protected:
  void Update(TCollectionItem* Item) override;
  TPersistent* GetOwner() const override;
};
