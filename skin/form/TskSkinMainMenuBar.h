#pragma once
// A skinned form's main menu as a control along the top of its client area: one TskSkinMainMenuBarItem
// per visible top-level item of MainMenu, drawn from the "mainmenubar" record (or in clBtnFace with
// built-in items), hot as the pointer passes (a 50 ms poll while the pointer is over the bar), opening
// the items' menus through the linked frame's menu controller.
//
// Overflow: items that end beyond the items area (less a 5-pixel marker with ScrollMenu) are hidden and
// disabled; the marker's click lists them in a menu. Widening the bar shows them again, enabled as they
// were.
//
// MDI: while a child of the MDI main form is maximized the bar shows the child's system-menu button at
// its left end and its close, restore and minimize buttons at its right end (TskSkinMainMenuBarButton).
//
// Merging: on an MDI main form the bar shows the active child's main menu merged into MainMenu (or the
// menu given to Merge, on any form): MainMenu's items of the groups the child menu has no item of, and
// all the child menu's items, in ascending GroupIndex; items of one group keep their menu order. The
// bar then never scrolls its items (ScrollMenu goes off for good).
//
// Tool-bar mode: the items take the look of the skin's tool buttons ("resizetoolbutton", their normal
// look the bar's background with ToolBarModeItemTransparent) and, unless the bar takes its height from
// the skin, the bar that of its tool panel ("resizetoolpanel", else "panel").
//
// A skin with MainMenuBarTransparent shows the parent's background behind the bar instead of its
// picture, painted again when the parent's background changes or an unaligned bar moves.
//
// Menu mode (MenuActive: accelerator underlines shown, the hot item stays hot off the bar): entered by
// MenuEnter (the frame's Alt or F10) or by pressing an item with subitems; the frame then drives the bar
// with NextMainMenuItem, PriorMainMenuItem, OpenActiveItem, FindAccelItem, MenuClose and MenuExit.
#include <memory>
#include <vector>

#include "platform/gdi/TFont.h"
#include "skin/controls/TskSkinControl.h"
#include "skin/form/skFormTypes.h"

class TMainMenu;
class TMenuItem;
class TTimer;
class TskMenuBarObject;
class TskSkinForm;
class TskSkinMainMenuBarItem;

/// Called with the menu item of the bar item the pointer enters or leaves.
using TskItemEnterEvent = std::function<void(TMenuItem* MenuItem)>;

/// A skinned main menu bar; see the file comment.
class TskSkinMainMenuBar : public TskSkinControl {
public:
  explicit TskSkinMainMenuBar(TComponent* AOwner);
  ~TskSkinMainMenuBar() override;

  TMainMenu* MainMenu() const { return FMainMenu; }
  /// Stores the menu (following its removal) and builds the items.
  void SetMainMenu(TMainMenu* Value);
  /// The frame whose menus the items open; set by the frame's MainMenuBar.
  TskSkinForm* SkinForm() const { return BSF; }
  void SetSkinForm(TskSkinForm* Value);
  /// Builds the items again, with nothing hot.
  void UpDateItems();
  /// Shows Menu's items merged into MainMenu's (following Menu's removal), until UnMerge.
  void Merge(TMainMenu* Menu);
  void UnMerge();
  /// The menu merged into MainMenu: the one given to Merge, else the first main menu owned by the
  /// application main form's active MDI child; null when none (or it is being destroyed).
  TMainMenu* GetChildMainMenu() const;
  /// The items shown include a child or merge menu's.
  bool ChildMenuIn() const { return FChildMenuIn; }
  /// Every item takes its menu item's Enabled.
  void UpDateEnabledItems();

  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  bool ScrollMenu() const { return FScrollMenu; }
  void SetScrollMenu(bool Value) { FScrollMenu = Value; }
  bool PopupToUp() const { return FPopupToUp; }
  void SetPopupToUp(bool Value) { FPopupToUp = Value; }
  TFont* DefItemFont() const { return FDefItemFont.get(); }
  /// Copies the font; repaints without a record.
  void SetDefItemFont(TFont* Value);
  int DefaultHeight() const { return FDefaultHeight; }
  /// Stores; without a record a positive value is the height at once.
  void SetDefaultHeight(int Value);
  int DefaultWidth() const { return FDefaultWidth; }
  /// Stores; without a record a positive value is the width at once.
  void SetDefaultWidth(int Value);
  bool ToolBarMode() const { return FToolBarMode; }
  void SetToolBarMode(bool Value);
  bool ToolBarModeItemTransparent() const { return FToolBarModeItemTransparent; }
  void SetToolBarModeItemTransparent(bool Value);
  /// Items show the bar's background where their look has none of its own: the bar's record says so,
  /// or tool-bar mode with ToolBarModeItemTransparent. Their changes repaint the whole bar.
  bool ItemsTransparent() const;

  // ---- MDI buttons, driven by the MDI main form's frame ----
  /// A child maximized: the four buttons appear (once), enabled by the child's BorderIcons.
  void MDIChildMaximize();
  /// No child is maximized any more: the buttons go; else they follow the maximized child's BorderIcons.
  void MDIChildRestore();
  /// The MDI buttons shown (0 or 4); they lead the bar's objects.
  int ButtonsCount() const { return FButtonsCount; }
  TskMenuBarObject* Object(int Index) const { return ObjectList[size_t(Index)].get(); }

  // ---- Menu mode, driven by the frame ----
  /// Enters menu mode: underlines, the first item hot, the frame's hook and InMainMenu.
  void MenuEnter();
  /// The first shown, enabled item whose caption has Key as accelerator becomes hot and is pressed
  /// (opened, or run when it has no subitems); false when none matches.
  bool FindAccelItem(Word Key);
  /// The hot (or pressed) item's next or previous neighbour becomes hot, wrapping around.
  void NextMainMenuItem();
  void PriorMainMenuItem();
  /// Presses the pressed leaf or the hot item (when no menu is open); false when there is none.
  bool OpenActiveItem();
  /// Esc closed the open menu: the pressed item stays hot.
  void MenuClose();
  /// Menu mode ends: no underlines, nothing hot or pressed.
  void MenuExit();

  // ---- What the items use ----
  TskSkinMainMenuBarItem* Item(int Index) const;
  int ItemCount() const;
  /// Draws one object on the bar (transparent items repaint the bar).
  void DrawObject(TskMenuBarObject* AObject);
  TTimer* MorphTimer() const { return FMorphTimer; }
  TTimer* AnimateTimer() const { return FAnimateTimer; }
  /// The bar's record is in use.
  bool SkinSupport() const { return FSkinSupport; }
  /// A skin picture of the bar's record and its values.
  TBitmap* Picture { nullptr };
  bool ItemTransparent { false };
  bool StretchEffect { false };
  TRect NewItemsRect;
  /// Some item did not fit at the last paint.
  bool Scroll { false };
  bool MenuActive { false };
  /// The bitmap the bar is being painted into (transparent items copy from it); null outside painting.
  TBitmap* PaintBuffer { nullptr };

  TskItemEnterEvent OnItemMouseEnter;
  TskItemEnterEvent OnItemMouseLeave;

  void GetSkinData() override;
  void ChangeSkinData() override;
  void BeforeChangeSkinData() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
  void Paint() override;
  void Dispatch(TMessage& Message) override;
  void CheckParentBackground() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;

private:
  void CreateMenu();
  /// Follows the removal of the child menu the items now come from.
  void SetChildMenu(TMainMenu* Value);
  void ClearObjects();
  void CreateMDIButtons();
  void UpdateMDIButtons(TskBorderIcons BorderIcons);
  void DeleteMDIButtons();
  /// Places the MDI buttons at the items area's ends and narrows the area by them.
  void PlaceMDIButtons();
  void CalcItemsRect();
  void PaintMenuBar(TCanvas* Target);
  void PaintBackground(TBitmap* B);
  /// The bar shows its parent's background (the skin's MainMenuBarTransparent with a record).
  bool ShowsParentBackground() const;
  TRect MarkerRect() const;
  void DrawMarker(TCanvas* C);
  void TestActive(int X, int Y);
  void PopupHiddenItems();
  void MouseTimerProc();
  void MorphTimerProc();
  void AnimateTimerProc();
  /// The shown, enabled items in order.
  std::vector<TskSkinMainMenuBarItem*> ShownItems() const;
  /// Index of the first item that is hot or pressed among Items; -1 none.
  static int FindLit(const std::vector<TskSkinMainMenuBarItem*>& Items);

  TskSkinForm* BSF { nullptr };
  TMainMenu* FMainMenu { nullptr };
  TMainMenu* FMergeMenu { nullptr };
  /// The child or merge menu whose items the bar's items include.
  TMainMenu* FChildMenu { nullptr };
  bool FChildMenuIn { false };
  std::vector<std::unique_ptr<TskMenuBarObject>> ObjectList;
  TTimer* FMouseTimer { nullptr };
  TTimer* FMorphTimer { nullptr };
  TTimer* FAnimateTimer { nullptr };
  int ActiveObject { -1 };
  int OldActiveObject { -1 };
  int MouseCaptureObject { -1 };
  int FButtonsCount { 0 };
  bool FMDIChildMax { false };
  bool MarkerActive { false };
  bool FSkinSupport { false };
  bool FUseSkinSize { true };
  bool FUseSkinFont { true };
  bool FScrollMenu { true };
  bool FPopupToUp { false };
  bool FToolBarMode { false };
  bool FToolBarModeItemTransparent { false };
  int FDefaultWidth { 0 };
  int FDefaultHeight { 22 };
  std::unique_ptr<TFont> FDefItemFont;
  TRect SkinRect;
  TRect ItemsRect;
  String MenuBarItem;
  String CloseButton;
  String MaxButton;
  String MinButton;
  String SysMenuButton;
  TColor TrackMarkColor { 0 };
  TColor TrackMarkActiveColor { 0 };
};
