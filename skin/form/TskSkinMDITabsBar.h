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
// its child, also when the press began elsewhere; the add button fires OnAddButtonClick.
//
// Looks: the skin's "tab" record (a TskDataSkinTabControl) when the model has one, else plain colours:
// clBtnFace, RGB(193, 212, 243) for the hovered tab and RGB(162, 187, 228) for the active one.
#include <functional>
#include <memory>
#include <vector>

#include "platform/gdi/TFont.h"
#include "skin/controls/TskSkinControl.h"
#include "skin/form/TskMDITab.h"

class TskSkinForm;

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
  /// The tab record is in use.
  bool SkinSupport() const { return Picture != nullptr; }

  void GetSkinData() override;
  void ChangeSkinData() override;

protected:
  void Paint() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  /// The height tabs take: the bar's less the page strip below them.
  int TabHeight() const { return Height() - FBottomOffset; }
  /// Where the dragged tab would drop: the tab whose centre it passed; -1 without one.
  int GetDropIndex() const;
  /// Moves the hover to the tab and buttons under (X, Y).
  void UpdateHover(int X, int Y);
  void DrawAddButton(TCanvas* C);
  void DrawDropMarker(TCanvas* C, int Target);
  /// Shows the child, back to the normal state when its frame has it minimized.
  static void ShowChild(TCustomForm* Child);

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
};
