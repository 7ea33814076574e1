#pragma once
// The ribbon's application menu: a control the ribbon lays over its form's client area. Its left column
// (ItemWidth, at least 100) lists the items: page items 35 pixels high across the whole column, 8 pixels
// apart and from a command item before them; command items 28 high, inset by 8 (with a skin whose item
// and page-item pictures are equal, all items are full width and packed). The first page item of the list
// starts at y 30. To the right, the page area (ItemWidth + PageOffset, 25, ..., Height - 50) shows the
// selected item's page.
//
// Selection: keys (arrows, Page Up / Page Down to the first / last usable item, no wrap-around, hidden
// and disabled items skipped), a press on an item, the wheel over the menu while it has the focus. Enter
// or Space on a command item closes the menu through the ribbon, which then runs the item's OnClick; Tab
// moves on; on a page item they focus the page's FirstActiveControl. A release over the selected command
// item closes the menu likewise; the skin's back button closes it without a command.
//
// A list taller than the menu gets a vertical scroll bar of its own at the right edge. A size grip in the
// lower-right corner (10 x 10, HTBOTTOMRIGHT) resizes the form unless its frame is maximized, rolled up or
// its form has a single border.
//
// Skin: record SkinDataName ("appmenu"); a record of another kind, or one whose picture the skin does not
// have, counts as none and gives the built-in look. The frame draws the record's caption piece into its
// caption bar while the menu shows (DrawAppMenuCaption).
#include <memory>

#include "skin/controls/TskSkinControl.h"
#include "skin/ribbon/TskAppMenuItem.h"

class TBitmap;
class TCanvas;
class TCustomImageList;
class TskAppMenuPage;
class TskDataSkinAppMenu;
class TskRibbon;
class TskSkinHint;
class TskSkinScrollBar;

/// The application menu; see the file comment.
class TskAppMenu : public TskSkinControl {
public:
  explicit TskAppMenu(TComponent* AOwner);
  ~TskAppMenu() override;

  TskAppMenuItems* Items() const { return FItems.get(); }
  void SetItems(TskAppMenuItems* Value);
  /// The selected item; -1: none. Writing stores the value unchecked; an existing item's page becomes
  /// the active page and the item is scrolled into view.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  /// The page shown in the page area.
  TskAppMenuPage* ActivePage() const { return FActivePage; }
  void SetActivePage(TskAppMenuPage* Value);
  /// Values below 100 become 100.
  int ItemWidth() const { return FItemWidth; }
  void SetItemWidth(int Value);
  TCustomImageList* ItemImageList() const { return FItemImageList; }
  void SetItemImageList(TCustomImageList* Value);
  TCustomImageList* ItemPageImageList() const { return FItemPageImageList; }
  void SetItemPageImageList(TCustomImageList* Value);
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  TskSkinHint* SkinHint() const { return FSkinHint; }
  void SetSkinHint(TskSkinHint* Value);
  /// The list's own scroll bar; null while the list fits.
  TskSkinScrollBar* ScrollBar() const { return FScrollBar; }
  int ScrollOffset() const { return FScrollOffset; }
  /// The back button's rectangle from the last layout; empty without one.
  const TRect& BackButtonRect() const { return FBackButtonRect; }

  void FindNextItem();
  void FindPriorItem();
  void FindFirstItem();
  void FindLastItem();
  /// Creates, names ("skAppMenuPage%d") and activates a new page; it is bound to no item.
  TskAppMenuPage* CreatePage();
  /// The page area: left ItemWidth + PageOffset, top 25, width Width - left - 25, height Height - 50.
  TRect GetPageBounds();
  int ItemIndexOfPage(const TskAppMenuPage* Page) const;
  /// Creates, updates or frees the scroll bar for the list's current extent.
  void UpdateScrollInfo();
  /// The list's layout (run by every paint).
  void CalcItemRects();

  // ---- The caption piece drawn by the form frame ----
  /// Where the frame's caption text starts while the piece shows: ItemWidth + the record's
  /// CaptionLeftOffset (ItemWidth without a record).
  int GetAppMenuCaptionOffset() const;
  /// A record with a caption piece was found at the last lookup.
  bool CanDrawAppMenuCaption() const;
  /// Stretches the caption piece into R moved right by CaptionLeftOffset, its top at CaptionTopOffset.
  void DrawAppMenuCaption(TCanvas* Cnvs, const TRect& R);

  /// Also reads the record as an application-menu record with its pictures.
  void GetSkinData() override;
  /// Also forgets the record and its pictures.
  void BeforeChangeSkinData() override;

  TNotifyEvent OnChangePage;
  /// Fired by the ribbon around showing and hiding the menu; Sender is the ribbon.
  TNotifyEvent OnShowingMenu;
  TNotifyEvent OnShowMenu;
  TNotifyEvent OnHidingMenu;
  TNotifyEvent OnHideMenu;

  /// The ribbon that hosts the menu.
  TskRibbon* Ribbon { nullptr };
  /// The record and its pictures; null without a record.
  TskDataSkinAppMenu* FData { nullptr };
  TBitmap* FDataPicture { nullptr };
  TBitmap* FDataBGPicture { nullptr };
  TBitmap* FDataPageBGPicture { nullptr };

protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Dispatch(TMessage& Message) override;

private:
  struct TScrollRange {
    int Min { 0 };
    int Max { 0 };
    int Page { 0 };
  };
  /// Item heights and the list's top margin for the current record.
  struct TListMetrics {
    int PageHeight { 35 };
    int CommandHeight { 28 };
    bool Same { false };
    int Top { 0 };
  };

  TListMetrics Metrics() const;
  TScrollRange CalcScrollRange() const;
  void ApplyScrollRange(const TScrollRange& Range);
  void CreateScrollBar();
  void FreeScrollBar();
  void PlaceScrollBar();
  void ScrollBarChange(TObject* Sender);
  void ScrollToItem(int Index);
  bool SizeGripShown() const;
  void Resized();
  void TestActive(int X, int Y);
  void KeyOnItem(Word Key);
  void MouseWheel(TMessage& Message);
  bool Usable(int Index) const;
  /// Selects the first usable item from From stepping by Step, if any.
  void SelectUsable(int From, int Step);

  // Painting (TskAppMenuPaint.cpp).
  void DrawAppMenu(TCanvas* Canvas);
  void DrawSkinBackground(TCanvas* Canvas);
  void DrawPageFrame(TCanvas* Canvas);
  void DrawSkinItem(TCanvas* Canvas, int Index);
  void DrawDefaultItem(TCanvas* Canvas, int Index);
  /// The item's text and image in R, as both looks place them.
  void DrawItemContent(TCanvas* Canvas, int Index, TRect R, int Spacing, bool Same);

  std::unique_ptr<TskAppMenuItems> FItems;
  int FItemIndex { -1 };
  TskAppMenuPage* FActivePage { nullptr };
  int FItemWidth { 100 };
  TCustomImageList* FItemImageList { nullptr };
  TCustomImageList* FItemPageImageList { nullptr };
  bool FUseSkinFont { true };
  TskSkinHint* FSkinHint { nullptr };
  int FScrollOffset { 0 };
  TskSkinScrollBar* FScrollBar { nullptr };
  int FOldHeight { -1 };
  TRect FBackButtonRect;
  bool FBackButtonActive { false };
  int FItemActive { -1 };
  int FOldItemActive { -1 };
};
