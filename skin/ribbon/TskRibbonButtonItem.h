#pragma once
// The buttons at the right end of a ribbon's tab strip: caption-area buttons (an image of the ribbon's
// ButtonsImageList, a hint, OnClick and an optional popup menu) and the MDI buttons the ribbon fills itself
// while an MDI child is maximized (Code 1 close, 2 restore, 3 minimize). Changing ImageIndex, Enabled or
// Visible repaints the ribbon unless it is being loaded.
#include "platform/base/TTypedCollection.h"
#include "platform/ui/toolkit/ControlTypes.h"

class IskSkinPopupMenu;
class TskRibbon;

/// A caption-area or MDI button of a ribbon; see the file comment.
class TskRibbonButtonItem : public TCollectionItem {
public:
  explicit TskRibbonButtonItem(TCollection* Collection) : TCollectionItem(Collection) {}

  /// The image in the ribbon's ButtonsImageList; -1: none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  /// A disabled button is never hot, so it cannot be pressed; its image is drawn disabled.
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  /// An invisible button takes no room and is not drawn.
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

  /// From another button item: ImageIndex, Hint, Enabled and Visible (not OnClick, PopupMenu or Code).
  void Assign(TPersistent* Source) override;

  /// A completed click; Sender is the ribbon.
  TNotifyEvent OnClick;
  /// Opened below the button when it is pressed.
  IskSkinPopupMenu* PopupMenu { nullptr };
  /// The rectangle from the last layout, the hot and the pressed state.
  TRect ItemRect;
  bool Active { false };
  bool Down { false };
  /// 0 for a caption-area button; 1 close, 2 restore, 3 minimize for an MDI button.
  int Code { 0 };

private:
  int FImageIndex { -1 };
  String FHint;
  bool FEnabled { true };
  bool FVisible { true };
};

/// The caption-area or MDI buttons of a ribbon; see the file comment.
class TskRibbonButtonItems : public TTypedCollection<TskRibbonButtonItem> {
public:
  explicit TskRibbonButtonItems(TskRibbon* ARibbon) : Ribbon(ARibbon) {}

  TskRibbonButtonItem* GetItem(int Index) const { return Items(Index); }

  TskRibbon* Ribbon;

protected:
  void Update(TCollectionItem* Item) override;
  TPersistent* GetOwner() const override;
};
