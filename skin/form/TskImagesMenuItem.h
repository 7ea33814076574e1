#pragma once
// One item of an images menu: an image cell of the grid, a full-width button row with image and caption,
// or a full-width caption row (a header, never picked).
#include "platform/base/TCollectionItem.h"
#include "platform/base/TTypedCollection.h"
#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"

class TskSkinImagesMenu;

/// One item of an images menu; see the file comment.
class TskImagesMenuItem : public TCollectionItem {
public:
  using TCollectionItem::TCollectionItem;

  /// Copies ImageIndex, Caption, Button and Hint of another images-menu item.
  void Assign(TPersistent* Source) override;

  int ImageIndex() const { return FImageIndex; }
  virtual void SetImageIndex(int Value) { FImageIndex = Value; }
  const String& Caption() const { return FCaption; }
  virtual void SetCaption(const String& Value) { FCaption = Value; }
  bool Button() const { return FButton; }
  void SetButton(bool Value) { FButton = Value; }
  bool Header() const { return FHeader; }
  void SetHeader(bool Value) { FHeader = Value; }
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }

  TNotifyEvent OnClick;
  /// The item's cell in the popup window, set by its layout.
  TRect ItemRect;
  TColor FColor { clNone };

private:
  int FImageIndex { -1 };
  String FCaption;
  bool FButton { false };
  bool FHeader { false };
  String FHint;
};

/// The items of an images menu; their owner is the menu.
class TskImagesMenuItems : public TTypedCollection<TskImagesMenuItem> {
public:
  explicit TskImagesMenuItems(TskSkinImagesMenu* AImagesMenu) : ImagesMenu(AImagesMenu) {}

  TskSkinImagesMenu* ImagesMenu;

protected:
  TPersistent* GetOwner() const override;
};
