#pragma once
// The skin library's ribbon bar: a control at the top of a form (115 pixels, alTop) whose tab strip
// shows the application button at the left, the tabs after it and, at the right end, the MDI buttons
// (while an MDI child is maximized) and the caption-area buttons; below the strip the page of the selected
// tab holds the user's controls.
//
// Layout runs at every paint (CalcItemRects): caption-area buttons (image width + 6 wide, strip height - 2
// high) from the right end, then the MDI buttons left of them, then the tabs from LeftOffset (application
// button width + 3): each tab is its caption's width + 30, and when the tabs do not fit they are squeezed
// in proportion (at least 15 pixels each) and ShowDivider is set. Hit tests use the rectangles of the last
// paint.
//
// Skin: the record SkinDataName ("officetab", read as a tab-control record) and its picture; a record of
// another kind, or one whose picture the skin does not have, counts as none and gives the built-in look
// in system colours. Caption-area button faces come from "officeribbonbutton", else "resizetoolbutton".
//
// Input: tabs switch by click, by Page Up / Page Down / arrows while the ribbon has the focus and by the
// wheel while it has the focus; OnChangingPage and OnChangePage bracket every change of the selected tab.
// A button clicks when released over the button that was pressed; a button with a popup menu opens it on
// the press and stays drawn pressed until the menu closes. Hover tracking, and so the buttons, work also
// without any tab.
//
// The application menu (AppMenu) opens over the client area of the ribbon's form when the application
// button is pressed: Escape (through an exclusive message hook that holds back the application's own
// hooks meanwhile), a tab click, the button or a chosen item close it; a chosen command item's OnClick
// runs after the menu is hidden and pending messages were handled.
#include <memory>

#include "skin/form/TskCustomRibbon.h"
#include "skin/ribbon/TskRibbonButtonItem.h"
#include "skin/ribbon/TskRibbonTab.h"

class TBitmap;
class TCanvas;
class TCustomImageList;
class TskAppButton;
class TskAppMenu;
class TskAppMenuItem;
class TskDataSkinButtonControl;
class TskDataSkinTabControl;
class TskSkinHint;

/// The ribbon; see the file comment.
class TskRibbon : public TskCustomRibbon {
public:
  explicit TskRibbon(TComponent* AOwner);
  ~TskRibbon() override;

  // ---- Tabs and pages ----
  TskRibbonTabs* Tabs() const { return FTabs.get(); }
  /// Replaces the tabs with copies of Value's (each bound to the same page) and repaints.
  void SetTabs(TskRibbonTabs* Value);
  /// The selected tab; -1: none.
  int TabIndex() const { return FTabIndex; }
  /// Selects a tab (see the file comment); an index outside the tabs changes nothing, and with no visible
  /// tab the index becomes -1.
  void SetTabIndex(int Value);
  /// The selected tab's page; null without one.
  TskRibbonPage* ActivePage() const;
  /// Selects the first tab bound to Page (marking a hidden one visible); nothing for null, a page no tab
  /// holds or when no tab is visible.
  void SetActivePage(TskRibbonPage* Page);
  /// The rectangle every page takes: inside the skin frame's client part, or the built-in margins.
  TRect GetPageBounds();
  bool HasVisibleTab() const;
  /// The first visible tab containing P (right and bottom edges excluded); -1 for none.
  int TabFromPoint(TPoint P) const;
  /// The first tab bound to Page; -1 for none.
  int TabIndexOfPage(const TskRibbonPage* Page) const;
  void FindFirstTab();
  void FindLastTab();
  void FindNextTab();
  /// Selects the nearest visible tab before the selected one; on the first tab, with FocusAppButton, the
  /// application button takes the focus.
  void FindPriorTab(bool FocusAppButton);
  int TabCount() const override;
  /// The caption of the tab's page; empty for a tab without a page.
  String TabCaption(int Index) const override;
  /// SetActivePage with the tab's page.
  void SelectTabPage(int Index) override;
  /// Caption tabs bold when selected.
  bool TabBoldStyle() const { return FTabBoldStyle; }
  void SetTabBoldStyle(bool Value);
  /// Tab captions use the record's font.
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }

  // ---- Caption-area buttons ----
  TskRibbonButtonItems* Buttons() const { return FButtons.get(); }
  void SetButtons(TskRibbonButtonItems* Value);
  TskRibbonButtonItems* MDIButtons() const { return FMDIButtons.get(); }
  /// Without it no caption-area button is laid out, drawn or clickable.
  TCustomImageList* ButtonsImageList() const { return FButtonsImageList; }
  void SetButtonsImageList(TCustomImageList* Value);
  bool ButtonsShowHint() const { return FButtonsShowHint; }
  void SetButtonsShowHint(bool Value) { FButtonsShowHint = Value; }
  TskSkinHint* SkinHint() const { return FSkinHint; }
  void SetSkinHint(TskSkinHint* Value);

  // ---- Application button and menu ----
  TskAppButton* AppButton() const { return FAppButton; }
  String AppButtonCaption() const;
  void SetAppButtonCaption(const String& Value);
  int AppButtonMargin() const;
  void SetAppButtonMargin(int Value);
  int AppButtonSpacing() const;
  void SetAppButtonSpacing(int Value);
  /// Values below 35 are ignored; LeftOffset follows at width + 3.
  int AppButtonWidth() const { return FAppButtonWidth; }
  void SetAppButtonWidth(int Value);
  TCustomImageList* AppButtonImageList() const { return FAppButtonImageList; }
  void SetAppButtonImageList(TCustomImageList* Value);
  /// A negative value becomes 0.
  int AppButtonImageIndex() const { return FAppButtonImageIndex; }
  void SetAppButtonImageIndex(int Value);
  IskSkinPopupMenu* AppButtonPopupMenu() const override { return FAppButtonPopupMenu; }
  void SetAppButtonPopupMenu(IskSkinPopupMenu* Value);
  TskAppMenu* AppMenu() const { return FAppMenu; }
  /// Stores the menu and hides it.
  void SetAppMenu(TskAppMenu* Value);
  /// Shows the application menu over the form's client area; nothing without a menu or without items.
  void ShowAppMenu();
  /// Hides the application menu, then runs Item's OnClick when Item is given; nothing without a menu.
  void HideAppMenu(TskAppMenuItem* Item) override;
  /// The application menu is assigned and visible.
  bool AppMenuShown() const override;
  bool CanDrawAppMenuCaption() const override;
  void DrawAppMenuCaption(TCanvas* Cnvs, const TRect& R) override;
  int GetAppMenuCaptionOffset() const override;
  int AppMenuItemWidth() const override;

  // ---- MDI buttons ----
  /// A child was maximized: adds the close, restore and minimize buttons when there are none.
  void MDIChildMaximize() override;
  /// A child stopped being maximized: removes the buttons once no child is maximized.
  void MDIChildRestore() override;

  // ---- Skin ----
  /// Also reads the record as a tab-control record with its picture (see the file comment).
  void GetSkinData() override;
  /// Also forgets the record and its picture.
  void BeforeChangeSkinData() override;
  /// Also gives the model to the application button.
  void SetSkinData(TskSkinData* Value) override;
  /// Also puts the active page into the new page area and places a shown application menu again.
  void ChangeSkinData() override;
  int GetTabStripHeight();
  TSize GetMDIButtonSize();

  /// The layout of the strip on Canvas (whose font is the tab font); see the file comment.
  void CalcItemRects(TCanvas* Canvas);
  int LeftOffset() const { return FLeftOffset; }
  int RightOffset() const { return FRightOffset; }
  /// The last layout squeezed the tabs.
  bool ShowDivider() const { return FShowDivider; }

  TNotifyEvent OnChangingPage;
  TNotifyEvent OnChangePage;
  /// The application menu or the application button's popup menu closed.
  TNotifyEvent OnMenuClose;

  /// The "officetab" record and its picture (borrowed from the model); null without a record.
  TskDataSkinTabControl* FData { nullptr };
  TBitmap* FDataPicture { nullptr };

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

  /// While set, TabIndex may be set although no tab is visible.
  bool FStopCheckTabIndex { false };

private:
  friend class TskRibbonTab;
  friend class TskRibbonTabs;

  void CreateAppButton();
  /// Registers for the removal of a tab's page, so the tab forgets a page freed elsewhere.
  void WatchPage(TskRibbonPage* Page);
  /// Keeps the selection on the same tab after the tab at Index was deleted; the selected tab's deletion
  /// selects the next visible tab, else the one before, else none.
  void TabDeleted(int Index);
  void PlaceAppMenu();

  // Painting (TskRibbonPaint.cpp).
  void DrawRibbon(TCanvas* Canvas);
  void DrawDefaultTab(TCanvas* Canvas, int Index);
  void DrawSkinTab(TCanvas* Canvas, int Index);
  void DrawTabFace(TCanvas* Canvas, int Index, const TRect& FaceRect, TColor FontColor, bool Bold, int TextBottom);
  void DrawButton(TCanvas* Canvas, int Index);
  void DrawDefaultButtonFace(TCanvas* Canvas, const TRect& R, bool Pressed);
  void DrawSkinButtonFace(TCanvas* Canvas, const TRect& R, bool Pressed);
  void DrawMDIButton(TCanvas* Canvas, int Index);
  void DrawClientBackground(TCanvas* Canvas, const TRect& R);
  /// The record of the caption-area button faces: "officeribbonbutton", else "resizetoolbutton".
  TskDataSkinButtonControl* ButtonFaceRecord() const;
  bool Skinned() const;

  // Input (TskRibbonInput.cpp).
  void TestActive(int X, int Y);
  void TrackHotMDIButton(TPoint P);
  void TrackHotButton(TPoint P);
  void PopupButtonMenu(const TRect& R, IskSkinPopupMenu* Menu);
  /// Selects the nearest visible tab from From stepping by Step; false when there is none.
  bool SelectVisibleTab(int From, int Step);
  void MouseWheel(TMessage& Message);
  void MenuClosed();

  // Application menu and MDI buttons (TskRibbonAppMenu.cpp).
  void InstallAppMenuHook();
  void RemoveAppMenuHook();
  void AppMenuHook(TMsg& Msg, bool& Handled);
  void AddMDIButtons();
  void ClearMDIButtons();
  void CloseMDIChild(TObject* Sender);
  void RestoreMDIChild(TObject* Sender);
  void MinimizeMDIChild(TObject* Sender);

  bool FInAppHook { false };
  TskAppMenu* FAppMenu { nullptr };
  std::unique_ptr<TskRibbonButtonItems> FMDIButtons;
  std::unique_ptr<TskRibbonButtonItems> FButtons;
  TCustomImageList* FButtonsImageList { nullptr };
  bool FButtonsShowHint { false };
  TskSkinHint* FSkinHint { nullptr };
  bool FShowDivider { false };
  bool FUseSkinFont { true };
  std::unique_ptr<TskRibbonTabs> FTabs;
  int FTabIndex { -1 };
  bool WMEraseReady { false };
  int FLeftOffset { 0 };
  int FRightOffset { 5 };
  int FOldTabActive { -1 };
  int FTabActive { -1 };
  int FActiveButton { -1 };
  int FOldActiveButton { -1 };
  int FMDIActiveButton { -1 };
  int FMDIOldActiveButton { -1 };
  int FAppButtonWidth { 54 };
  TskAppButton* FAppButton { nullptr };
  TCustomImageList* FAppButtonImageList { nullptr };
  int FAppButtonImageIndex { 0 };
  IskSkinPopupMenu* FAppButtonPopupMenu { nullptr };
  int FMouseCaptureButton { -1 };
  int FMouseCaptureMDIButton { -1 };
  int FPopupButton { -1 };
  bool FTabBoldStyle { false };
};
