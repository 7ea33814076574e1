#pragma once
// One level of an open skinned menu: a borderless top-most tool window that never takes the activation
// (the form keeps the focus), listing the visible subitems of one menu item as TskSkinMenuItem rows.
//
// Size: the widest caption (with its shortcut) plus the glyph column and the skin's frame; the rows'
// heights from the skin's menu-item record (or 20 and 4 for separators without a skin). A window taller
// than the work area, or holding more rows than MaxMenuItemsInWindow, scrolls between two 10-pixel
// markers. Placement: below the rectangle it opens against (above with PopupUp), a submenu beside its
// parent row, always inside the controller's work area.
//
// Input: a 50 ms poll of the pointer tracks hover (the window has no mouse-move handling of its own); a
// release over a row clicks it; PopupKeyDown takes the keys the frame's menu hook hands the deepest
// window. Painting composes background and rows off screen and copies them once; hover changes redraw
// single rows.
//
// A popup-window record whose picture is missing, or a skin without a menu-item record, gives the
// built-in look.
#include <memory>
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/TCustomControl.h"

class TCustomImageList;
class TMenuItem;
class TTimer;
class TskDataSkinMenuItem;
class TskDataSkinPopupWindow;
class TskSkinData;
class TskSkinMenu;
class TskSkinMenuItem;

/// One level of an open skinned menu; see the file comment.
class TskSkinPopupWindow : public TCustomControl {
public:
  /// A hidden level of AParentMenu drawn from AData (null: the built-in look).
  TskSkinPopupWindow(TComponent* AOwner, TskSkinMenu* AParentMenu, TskDataSkinPopupWindow* AData);
  ~TskSkinPopupWindow() override;

  /// Builds the rows from AItem's subitems from StartIndex on, sizes, places against R (screen) and
  /// shows the window. PopupByItem: a submenu beside its parent row R.
  void Show(const TRect& R, TMenuItem* AItem, int StartIndex, bool PopupByItem, bool PopupUp);
  /// The same with AItem's subitems followed by AItem2's (StartIndex counting through both).
  void Show2(const TRect& R, TMenuItem* AItem, TMenuItem* AItem2, int StartIndex, bool PopupByItem, bool PopupUp);
  /// Hides the window and stops its timers.
  void Hide();
  /// Paints the whole window into DC.
  void PaintMenu(HDC DC);
  /// A key for this level (only while the window shows).
  void PopupKeyDown(int CharCode);
  /// Closes the levels above Window and releases its open rows.
  static void ResetSubMenu(TskSkinPopupWindow* Window);
  /// The morph timer, which rows switch on for their transitions.
  TTimer* MorphTimer() const { return FMorphTimer; }
  bool IsRootWindow() const override { return true; }

  // ---- State the rows and the controller read ----
  TskSkinMenu* ParentMenu;
  TskSkinData* SD { nullptr };
  TskDataSkinPopupWindow* PW { nullptr };
  TskDataSkinMenuItem* DSMI { nullptr };
  std::vector<std::unique_ptr<TskSkinMenuItem>> ItemList;
  int ActiveItem { -1 };
  int OldActiveItem { -1 };
  int VisibleStartIndex { 0 };
  int VisibleCount { 0 };
  bool Scroll { false };
  bool Scroll2 { false };
  /// 0 idle, 1 scrolling up, 2 scrolling down.
  int ScrollCode { 0 };
  TCustomImageList* ImgL { nullptr };
  int GlyphWidth { 19 };
  TRect NewItemsRect;
  int ShowX { 0 };
  int ShowY { 0 };
  /// The background without rows, kept for rows whose inactive look is transparent.
  std::unique_ptr<TBitmap> FPaintBuffer;

protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  /// The rows of AItem's visible subitems from StartIndex on (and AItem2's after them).
  void CreateMenu(TMenuItem* AItem, TMenuItem* AItem2, int StartIndex);
  void AddItems(TMenuItem* AItem, int StartIndex);
  /// The measuring font on the window's canvas.
  void SelectMeasuringFont();
  int GetItemHeight(const TskSkinMenuItem* Item) const;
  int NormalItemHeight() const;
  int GetMenuWidth();
  int GetMenuHeight();
  void SetMenuSize();
  void LayoutItems();
  int GetLastPageStart() const;
  void SetMenuRegion();
  void CalcShowPosition(const TRect& R, bool PopupByItem, bool PopupUp);
  void ShowWindow();
  void DrawMenuBackground(TBitmap* B, bool ADrawClient);
  void DrawItemBackground(TCanvas* C, const TRect& R);
  TRect UpMarkerRect() const;
  TRect DownMarkerRect() const;
  void DrawUpMarker(TCanvas* C);
  void DrawDownMarker(TCanvas* C);
  void DrawMarkers();
  bool CanScroll(int ACode) const;
  void StartScroll();
  void StopScroll();
  void ScrollUp(bool ACycle);
  void ScrollDown(bool ACycle);
  void ScrollTick();
  void NextItem();
  void PriorItem();
  bool FindAccelItem(int CharCode);
  void MouseTimerProc();
  void MorphTimerProc();
  void TrackMouse(int X, int Y);
  bool PointInVisibleItem(int X, int Y) const;
  bool Usable(int Index) const;
  /// Moves the highlight from OldActiveItem to ActiveItem (the new row first).
  void ChangeActive(bool Kb);

  TBitmap* WindowPicture { nullptr };
  TBitmap* MaskPicture { nullptr };
  TPoint NewLTPoint;
  TPoint NewRTPoint;
  TPoint NewLBPoint;
  TPoint NewRBPoint;
  /// Skinless frame: 4 for Show, 6 for Show2.
  int DefaultFrame { 4 };
  int OMX { -1 };
  int OMY { -1 };
  TTimer* FMouseTimer { nullptr };
  TTimer* FMorphTimer { nullptr };
};
