#pragma once
// A bar of tabs, one per MDI child of the main form, usually aligned to the top of the MDI form. The main
// form's frame adds a tab when a child is shown (AddTab), removes it when the child hides or goes
// (DeleteTab) and marks the active child's tab (UpdateActiveTab); the bar does not look for children
// itself.
//
// Layout: tabs side by side from x 15, each (width - 15) / count wide but at most DefaultTabWidth, the
// last one stretched to the right edge when they are narrower. With a MinTabWidth they never get
// narrower than that: the tabs that do not fit are hidden (HiddenCount). An add button can follow the
// last tab.
//
// Mouse: a press on a tab shows its child (a minimized one restored); with MoveTabs a drag moves the tab
// to where it is dropped (past the centre of another tab); a release over a tab's close button closes
// its child, also when the press began elsewhere; the add button fires OnAddButtonClick. A right press
// on a tab opens the child's system menu (SupportChildMenus, through the frame SkinForm).
//
// Menus: while there are tabs a button at the bar's left lists every child, and while tabs are hidden a
// button at its right lists the hidden ones; choosing a child shows it.
//
// Looks: the skin's "tab" record (a TskDataSkinTabControl) when the model has one, drawn as tabs or,
// with TabKind sktkButton, from the "resizebutton" record; the add button and a record without its own
// close button take "resizetoolbutton". Without a record plain colours: clBtnFace, RGB(193, 212, 243)
// for the hovered tab and RGB(162, 187, 228) for the active one.
#include <functional>
#include <memory>
#include <vector>

#include "platform/gdi/TFont.h"
#include "skin/controls/TskSkinControl.h"
#include "skin/form/TskMDITab.h"

class TskDataSkinButtonControl;
class TskSkinForm;
class TskSkinMenuSpeedButton;
class TskSkinPopupMenu;

enum TskSkinMDITabKind { sktkTab, sktkButton };

using TskMDITabMouseEnterEvent = std::function<void(TskMDITab* MDITab)>;
using TskMDITabMouseLeaveEvent = std::function<void(TskMDITab* MDITab)>;
using TskMDITabMouseUpEvent = std::function<void(TMouseButton Button, TShiftState Shift, TskMDITab* MDITab)>;
using TskMDITabMouseDownEvent = std::function<void(TMouseButton Button, TShiftState Shift, TskMDITab* MDITab)>;
using TskMDITabGetDrawParamsEvent = std::function<void(TskMDITab* MDITab, TCanvas* Cnvs)>;

/// The MDI tab bar; see the file comment.
class TskSkinMDITabsBar : public TskSkinControl {
public:
  explicit TskSkinMDITabsBar(TComponent* AOwner);
  ~TskSkinMDITabsBar() override;

  /// Appends a tab for Child and repaints.
  void AddTab(TCustomForm* Child);
  /// Removes Child's first tab (a hovered one gets OnTabMouseLeave first) and repaints.
  void DeleteTab(TCustomForm* Child);
  /// Marks the tab of the main form's active MDI child and repaints.
  void UpdateActiveTab();
  /// Redraws Child's tab in place.
  void RefreshTab(TCustomForm* Child);
  /// The first visible tab whose rectangle holds (X, Y), edges included; -1 / null when none.
  int GetTabIndex(int X, int Y) const;
  TskMDITab* GetTab(int X, int Y) const;
  int TabCount() const { return int(ObjectList.size()); }
  TskMDITab* Tabs(int Index) const { return ObjectList[size_t(Index)].get(); }
  /// The tabs the layout had no room for at the last paint.
  int HiddenCount() const { return FInVisibleCount; }
  /// Lays out the tabs for the bar's size (done at each paint).
  void CalcTabRects();
  /// The add button's rectangle as last laid out.
  TRect AddButtonRect() const { return FAddButtonRect; }
  /// The button listing every child (while there are tabs) and the one listing the hidden children
  /// (while tabs are hidden); null otherwise.
  TskSkinMenuSpeedButton* ListButton() const { return FListButton; }
  TskSkinMenuSpeedButton* HideListButton() const { return FHideListButton; }
  /// Their menus, rebuilt each time before they open.
  TskSkinPopupMenu* ListMenu() const { return FListMenu; }
  TskSkinPopupMenu* HideListMenu() const { return FHideListMenu; }
  /// The model's button record Name composed into B at W x H by its nine parts: its pressed look
  /// (Down), its hot look (Hot) or its normal one, an empty hot look falling back to the normal and an
  /// empty pressed look to the hot. Null, B untouched, without such a record or its picture.
  const TskDataSkinButtonControl* ComposeButtonRecord(const String& Name, TBitmap* B, int W, int H, bool Down,
                                                      bool Hot) const;

  /// The main form's frame; needed for the children's menus.
  TskSkinForm* SkinForm() const { return BSF; }
  void SetSkinForm(TskSkinForm* Value);
  bool ShowAddButton() const { return FShowAddButton; }
  void SetShowAddButton(bool Value);
  bool ShowCloseButtons() const { return FShowCloseButtons; }
  void SetShowCloseButtons(bool Value) { FShowCloseButtons = Value; }
  int MinTabWidth() const { return FMinTabWidth; }
  void SetMinTabWidth(int Value) { FMinTabWidth = Value; }
  int DefaultTabWidth() const { return FDefaultTabWidth; }
  void SetDefaultTabWidth(int Value) { FDefaultTabWidth = Value; }
  int DefaultHeight() const { return FDefaultHeight; }
  /// Stores; without a skin a positive value is the height at once.
  void SetDefaultHeight(int Value);
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
  bool MoveTabs() const { return FMoveTabs; }
  void SetMoveTabs(bool Value) { FMoveTabs = Value; }
  /// A double click on a tab moves a child in the normal state to the client area's top-left.
  bool DblClickChildMove() const { return FDblClickChildMove; }
  void SetDblClickChildMove(bool Value) { FDblClickChildMove = Value; }
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  TskSkinMDITabKind TabKind() const { return FTabKind; }
  /// Stores; repaints when skinned.
  void SetTabKind(TskSkinMDITabKind Value);
  /// Each tab shows its child's small icon left of the caption.
  bool ShowChildIcon() const { return FShowChildIcon; }
  void SetShowChildIcon(bool Value);
  /// A right press on a tab opens the child's system menu.
  bool SupportChildMenus() const { return FSupportChildMenus; }
  void SetSupportChildMenus(bool Value) { FSupportChildMenus = Value; }
  /// The close button's size: the skin's close button width, else 14.
  int CloseSize() const { return FCloseSize; }

  TNotifyEvent OnAddButtonClick;
  TskMDITabMouseEnterEvent OnTabMouseEnter;
  TskMDITabMouseLeaveEvent OnTabMouseLeave;
  TskMDITabMouseUpEvent OnTabMouseUp;
  TskMDITabMouseDownEvent OnTabMouseDown;
  /// The last chance to change the canvas's font before a tab's text is drawn.
  TskMDITabGetDrawParamsEvent OnTabGetDrawParamsEvent;

  // ---- The tab record, as the tabs draw it ----
  TBitmap* Picture { nullptr };
  TRect TabRect;
  TRect ActiveTabRect;
  TRect MouseInTabRect;
  TRect TabsBGRect;
  int TabLeftOffset { 0 };
  int TabRightOffset { 0 };
  String FontName;
  TFontStyles FontStyle;
  int FontHeight { 0 };
  TColor FontColor { clBtnText };
  TColor ActiveFontColor { clBtnText };
  TColor MouseInFontColor { clBtnText };
  bool TabStretchEffect { false };
  TRect CloseButtonRect;
  TRect CloseButtonActiveRect;
  TRect CloseButtonDownRect;
  bool ButtonTransparent { false };
  TColor ButtonTransparentColor { clFuchsia };
  TPoint LTPoint;
  TPoint RTPoint;
  TRect SkinRect;
  bool TopStretch { false };
  /// How much taller the active tab's picture is than the others'.
  int FActiveTabOffset { 0 };
  /// The tab record is in use.
  bool SkinSupport() const { return Picture != nullptr; }
  /// The height tabs take: the bar's less the page strip below them (tabs only).
  int TabHeight() const { return FTabKind == sktkTab ? Height() - FBottomOffset : Height(); }

  void GetSkinData() override;
  void ChangeSkinData() override;

protected:
  void Paint() override;
  void CreateControlSkinImage(TBitmap* B) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void AdjustClientRect(TRect& Rect) override;
  void CheckParentBackground() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  /// Where the dragged tab would drop: the tab whose centre it passed; -1 without one.
  int GetDropIndex() const;
  /// Moves the hover to the tab and buttons under (X, Y).
  void UpdateHover(int X, int Y);
  void DrawAddButton(TCanvas* C);
  void DrawDropMarker(TCanvas* C, int Target);
  /// Shows the child, back to the normal state when its frame has it minimized.
  static void ShowChild(TCustomForm* Child);
  /// Opens the child's system menu at (X, Y) of the bar.
  void PopupChildMenu(TCustomForm* Child, int X, int Y);
  /// A menu button of the bar at Align with an arrow of ArrowType opening Menu.
  TskSkinMenuSpeedButton* NewListButton(TAlign Align, int ArrowType, TskSkinPopupMenu* Menu);
  /// The hidden-tabs button is there exactly while tabs are hidden.
  void UpdateHideListButton();
  /// Fills Menu with a radio item per tab (only the hidden ones with HiddenOnly), named after the child
  /// with Suffix, the active child's checked.
  void FillListMenu(TskSkinPopupMenu* Menu, const String& Suffix, bool HiddenOnly);
  /// A list menu's item was chosen: the children of the item's name show.
  void ListItemClick(TObject* Sender);

  TskSkinForm* BSF { nullptr };
  std::vector<std::unique_ptr<TskMDITab>> ObjectList;
  std::unique_ptr<TFont> FDefaultFont;
  bool FShowAddButton { false };
  bool FAddButtonActive { false };
  bool FAddButtonDown { false };
  bool FDblClickChildMove { false };
  int FBottomOffset { 0 };
  bool FShowCloseButtons { false };
  int FMinTabWidth { 0 };
  bool IsDrag { false };
  int DX { 0 };
  int TabDX { 0 };
  bool FDown { false };
  int DragIndex { -1 };
  int FDefaultTabWidth { 100 };
  int FDefaultHeight { 21 };
  int ActiveTabIndex { -1 };
  int OldTabIndex { -1 };
  bool FMoveTabs { true };
  bool FUseSkinSize { true };
  bool FUseSkinFont { true };
  int FInVisibleCount { 0 };
  TRect FAddButtonRect;
  int FCloseSize { 14 };
  TskSkinMDITabKind FTabKind { sktkTab };
  bool FShowChildIcon { false };
  bool FSupportChildMenus { true };
  TskSkinMenuSpeedButton* FListButton { nullptr };
  TskSkinMenuSpeedButton* FHideListButton { nullptr };
  TskSkinPopupMenu* FListMenu { nullptr };
  TskSkinPopupMenu* FHideListMenu { nullptr };
};
