#pragma once
// A drop-down picker of the images of an image list laid out in a grid of ColumnsCount cells, with
// optional full-width header rows and button rows; the buttons of the standard controls open it below
// themselves. It keeps the picked index (ItemIndex) and reports a pick through the item's OnClick,
// OnItemClick and, when the index changed, OnChange. It does not use the frame's menu controller: it owns
// its one popup window, which holds the mouse capture and the application's exclusive message hook
// while it is open.
#include <memory>

#include "platform/base/TComponent.h"
#include "platform/gdi/TFont.h"
#include "skin/controls/IskSkinImagesMenu.h"
#include "skin/form/TskImagesMenuItem.h"

class TCustomImageList;
class TskSkinData;
class TskSkinHint;
class TskSkinImagesMenuPopupWindow;

/// An image-grid picker; see the file comment.
class TskSkinImagesMenu : public TComponent, public IskSkinImagesMenu {
public:
  explicit TskSkinImagesMenu(TComponent* AOwner);
  ~TskSkinImagesMenu() override;

  /// Opens the grid at the screen point (X, Y).
  void Popup(int X, int Y);
  /// Opens the grid below R (above when it does not fit below); false when nothing opened (no images).
  bool PopupFromRect(const TRect& R) override;
  /// Closes an open grid without a pick.
  void Hide();
  /// The window of the open grid; null while closed.
  TskSkinImagesMenuPopupWindow* PopupWindow() const { return FPopupWindow; }

  TCustomImageList* Images() const override { return FImages; }
  void SetImages(TCustomImageList* Value);
  TskImagesMenuItems* ImagesItems() const { return FImagesItems.get(); }
  /// The item at ItemIndex; null when ItemIndex lies outside the items.
  TskImagesMenuItem* SelectedItem() const;
  /// The selected item as the buttons show it.
  std::optional<TskImagesMenuSelection> GetSelectedItem() const override;
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value) { FItemIndex = Value; }
  int ColumnsCount() const { return FColumnsCount; }
  /// Values outside 1..50 are ignored.
  void SetColumnsCount(int Value);
  TskSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TskSkinData* Value);
  TskSkinHint* SkinHint() const { return FSkinHint; }
  void SetSkinHint(TskSkinHint* Value);
  bool ShowSelectedItem { true };
  bool ShowHints { true };
  bool UseSkinFont { true };
  bool AlphaBlend { false };
  bool AlphaBlendAnimation { false };
  Byte AlphaBlendValue { 200 };
  /// The font without a skin (assignment copies).
  TFont* DefaultFont() const { return FDefaultFont.get(); }

  TNotifyEvent OnItemClick;
  TNotifyEvent OnChange;
  TNotifyEvent OnMenuClose;
  TNotifyEvent OnMenuPopup;

  /// The window closed (AProcessEvents: with a pick): it goes, then the close and pick events fire.
  void CloseMenu(bool AProcessEvents);

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  TCustomImageList* FImages { nullptr };
  std::unique_ptr<TskImagesMenuItems> FImagesItems;
  int FItemIndex { -1 };
  int FColumnsCount { 1 };
  TskSkinData* FSkinData { nullptr };
  TskSkinHint* FSkinHint { nullptr };
  TskSkinImagesMenuPopupWindow* FPopupWindow { nullptr };
  int FOldItemIndex { -1 };
  std::unique_ptr<TFont> FDefaultFont;
};
