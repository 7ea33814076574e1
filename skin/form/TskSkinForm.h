#pragma once
// The form frame: the component that gives one form a frame drawn by the skin library.
//
// Attach and detach. Created on a form (its owner, which must be a form), the frame empties the form's
// BorderIcons, becomes the form's OnShortCut, puts FormWindowProc in the place of the form's WindowProc and
// makes the form's window again, so that the new window asks the frame for its client area from its first
// message on. Destroyed, it gives the form its saved WindowProc back and clears the form's OnShortCut
// while that is still the frame's; BorderIcons stay empty.
//
// Looks. Skinned while SkinData holds a skin (SkinSupport), built-in otherwise: a 3-pixel border and a
// caption 19 pixels high (15 for tool windows) in system colours. SkinnableForm false (the model says so,
// or UseRibbon) hands the frame back to the system: the form gets its own border icons and frame.
//
// Skin changes. Setting SkinData applies the skin at once (ApplySkin), also while the form is being built.
// The model's three change messages reach every form: between WM_BEFORECHANGESKINDATA and
// WM_CHANGESKINDATA of the frame's own model the frame paints nothing, its timers stop and its skinned
// controls have dropped their records; WM_CHANGESKINDATA applies the new skin and lets the controls bound
// to the changing model (whichever it is) read theirs again; WM_AFTERCHANGESKINDATA fires
// OnAfterChangeSkinData.
//
// Menus and keys. While a skinned menu of the form is open the frame holds the application's exclusive
// message hook: the wheel does nothing and every key goes to the menu. Shortcuts: the frame's own
// OnShortCut first, Alt+Space for the system menu, then the main menu's and the system menu's shortcuts.
// The toolkit asks a form for a shortcut twice per keystroke (at the application and at the focused
// control); once a key was taken, the frame lets the next ask go by unanswered.
#include <memory>
#include <vector>

#include "platform/base/TComponent.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/toolkit/FormTypes.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/winsys/WindowProc.h"
#include "skin/form/skFormTypes.h"

class TCustomImageList;
class TMainMenu;
class TMenu;
class TMenuItem;
class TPopupMenu;
class TTimer;
class TskActiveSkinObject;
class TskClientInActivePanel;
class TskCustomRibbon;
class TskFormLayerBorder;
class TskLayerManager;
class TskQuickButtonItems;
class TskSkinData;
class TskSkinHint;
class TskSkinStatusBar;
class TskSkinMainMenuBar;
class TskSkinMDIClient;
class TskSkinMDITabsBar;
class TskSkinScrollBar;
class TskSkinMenu;
class TskSkinPopupMenu;
class TskTrayIcon;
struct TskSystemMenuItemText;

/// Decides whether an MDI child gets a tab on the main form's tab bar (Accept starts true).
using TskAcceptToMDITabsBarEvent = std::function<void(TCustomForm* Child, bool& Accept)>;

/// The frame of one form; see the file comment.
class TskSkinForm : public TComponent {
public:
  /// Attaches to AOwner, which must be a form (else EInvalidCast).
  explicit TskSkinForm(TComponent* AOwner);
  ~TskSkinForm() override;

  // ---- Skin ----
  TskSkinData* SkinData() const { return FSD; }
  /// Stores the model, takes its SkinnableForm (not on an MDI child) and applies the skin.
  void SetSkinData(TskSkinData* Value);
  /// The model of the form's skinned menus (SkinData when null).
  TskSkinData* MenusSkinData() const { return FMSD; }
  void SetMenusSkinData(TskSkinData* Value);
  /// The skinned look is in force: SkinData holds a skin.
  bool SkinSupport() const { return FSkinSupport; }
  /// A skin change of the frame's own model is under way: nothing paints.
  bool StopPainting() const { return FStopPainting; }
  /// Re-reads the look from the model: the form's caption buttons, its size within the frame's limits,
  /// the geometry, a repaint, OnChangeSkinData, and last the client size asked for.
  void ApplySkin();

  bool SkinnableForm() const { return FSkinnableForm; }
  /// Switches between the skinned frame and the system's, then re-reads the controls of the form.
  void SetSkinnableForm(bool Value);
  bool UseRibbon() const { return FUseRibbon; }
  /// True hands the frame to the system (SkinnableForm false) from now on.
  void SetUseRibbon(bool Value);
  TskCustomRibbon* SkinRibbon() const { return FSkinRibbon; }
  /// Stores the ribbon and tells it its frame.
  void SetSkinRibbon(TskCustomRibbon* Value);
  /// The ribbon's shown application menu puts its caption piece at the left of the skinned caption bar
  /// (not under a full layered border): meanwhile the caption text starts at AppMenuCaptionOffset, the
  /// standard buttons starting left of it and the quick buttons are not drawn.
  bool AppMenuCaptionDrawn() const;
  int AppMenuCaptionOffset() const;

  // ---- Caption buttons and caption ----
  TskBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TskBorderIcons Value);
  bool HideCaptionButtons() const { return FHideCaptionButtons; }
  void SetHideCaptionButtons(bool Value) { FHideCaptionButtons = Value; }
  bool ShowIcon() const { return FShowIcon; }
  /// Stores and, once the form is built, repaints the frame.
  void SetShowIcon(bool Value);
  TFont* DefCaptionFont() const { return FDefCaptionFont.get(); }
  /// Copies the font; repaints the built-in frame.
  void SetDefCaptionFont(TFont* Value);
  TFont* DefInActiveCaptionFont() const { return FDefInActiveCaptionFont.get(); }
  void SetDefInActiveCaptionFont(TFont* Value);
  bool UseSkinFontInCaption() const { return FUseSkinFontInCaption; }
  void SetUseSkinFontInCaption(bool Value) { FUseSkinFontInCaption = Value; }
  TBitmap* LogoBitMap() const { return FLogoBitMap.get(); }
  void SetLogoBitMap(TBitmap* Value) { FLogoBitMap->Assign(Value); }
  bool LogoBitMapTransparent() const { return FLogoBitMapTransparent; }
  void SetLogoBitMapTransparent(bool Value) { FLogoBitMapTransparent = Value; }
  TskSkinHint* SkinHint() const { return FSkinHint; }
  void SetSkinHint(TskSkinHint* Value);
  /// A status bar with a size grip loses the grip while the form is maximized.
  TskSkinStatusBar* StatusBar() const { return FStatusBar; }
  void SetStatusBar(TskSkinStatusBar* Value);
  bool ShowObjectHint() const { return FShowObjectHint; }
  void SetShowObjectHint(bool Value) { FShowObjectHint = Value; }
  bool UseDefaultObjectHint() const { return FUseDefaultObjectHint; }
  void SetUseDefaultObjectHint(bool Value) { FUseDefaultObjectHint = Value; }

  // ---- Size, place and state ----
  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int Value) { FMinWidth = Value; }
  int MinHeight() const { return FMinHeight; }
  void SetMinHeight(int Value) { FMinHeight = Value; }
  int MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int Value) { FMaxWidth = Value; }
  int MaxHeight() const { return FMaxHeight; }
  void SetMaxHeight(int Value) { FMaxHeight = Value; }
  /// The client size every skin application gives the form (0: the form's own).
  int ClientWidth() const { return FClientWidth; }
  void SetClientWidth(int Value) { FClientWidth = Value; }
  int ClientHeight() const { return FClientHeight; }
  void SetClientHeight(int Value) { FClientHeight = Value; }
  bool Magnetic() const { return FMagnetic; }
  void SetMagnetic(bool Value) { FMagnetic = Value; }
  Byte MagneticSize() const { return FMagneticSize; }
  void SetMagneticSize(Byte Value) { FMagneticSize = Value; }
  TskPositionInMonitor PositionInMonitor() const { return FPositionInMonitor; }
  void SetPositionInMonitor(TskPositionInMonitor Value) { FPositionInMonitor = Value; }
  /// The state in force (minimized also when the system minimized the form); the request while the form
  /// is being built.
  TWindowState WindowState() const;
  /// Stores the request and, once the form is built, applies it: the frame maximizes its form to the
  /// work area of its monitor (less a pixel per side when that is the whole single screen), minimizes a
  /// secondary form to its caption in a row along the work area's bottom, and restores the bounds it
  /// had. The main form, and any form with MinimizeDefault, minimize through the system (the
  /// application). A frame the system draws sets the form's own state.
  void SetWindowState(TWindowState Value);
  /// Minimize with the system's minimize instead of the skinned one.
  bool MinimizeDefault() const { return FMinimizeDefault; }
  void SetMinimizeDefault(bool Value) { FMinimizeDefault = Value; }
  bool AlwaysResize() const { return FAlwaysResize; }
  void SetAlwaysResize(bool Value) { FAlwaysResize = Value; }
  bool MaximizeOnFullScreen() const { return FMaximizeOnFullScreen; }
  void SetMaximizeOnFullScreen(bool Value) { FMaximizeOnFullScreen = Value; }
  bool RollUpState() const { return FRollUpState; }
  /// Rolls the form up to its caption, or down to the height it had (ClientHeight when set); only with
  /// biRollUp, never while minimized. OnChangeRollUpState.
  void SetRollUpState(bool Value);
  /// The height before the roll-up while rolled up, else the frame's height.
  int RealHeight() const { return FRollUpState ? OldHeight : FFormHeight; }
  /// Place the form by its outer bounds: the layered border's extent outside the form is taken off while
  /// the border shows (the form's own bounds otherwise).
  void Move(int AX, int AY);
  void SetBounds(int AX, int AY, int AWidth, int AHeight);
  /// Centres the form in the monitor nearest to it as PositionInMonitor says: the whole monitor
  /// (skpScreenCenter) or its work area (skpDesktopCenter); nothing for skpDefault.
  void ApplyPositionInMonitor();
  /// Where a form of AW x AH goes by PositionInMonitor; (AX, AY) for skpDefault.
  TPoint GetPositionInMonitor(int AX, int AY, int AW, int AH);
  /// The smallest and largest outer size the frame allows now.
  int GetMinWidth();
  int GetMinHeight();
  int GetMaxWidth();
  int GetMaxHeight();
  /// The form can be sized by its edges (AlwaysResize, or a sizeable border style).
  bool IsSizeable() const;
  /// True in PreviewMode; otherwise the form's active state.
  bool GetFormActive() const;
  /// Sets the form's border style, then re-reads every skinned control of the form.
  void SetFormBorderStyle(TFormBorderStyle BS);
  /// The same for fsNormal and fsStayOnTop; other styles change nothing.
  void SetFormStyle(TFormStyle FS);
  /// Repaints the frame.
  void UpDateFormNC();

  // ---- Alpha ----
  bool AlphaBlend() const { return FAlphaBlend; }
  /// Makes the form window layered with AlphaBlendValue, or opaque again (where layered windows exist).
  void SetAlphaBlend(bool Value);
  Byte AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(Byte Value);
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }

  // ---- Menus ----
  /// The main menu whose shortcuts the frame handles.
  TMainMenu* MainMenu() const { return FMainMenu; }
  void SetMainMenu(TMainMenu* Value);
  /// The form's skinned main menu bar; the frame drives its keyboard menu mode.
  TskSkinMainMenuBar* MainMenuBar() const { return FMainMenuBar; }
  /// Stores the bar (following its removal) and links it to this frame.
  void SetMainMenuBar(TskSkinMainMenuBar* Value);
  /// The user's system menu.
  TPopupMenu* SystemMenu() const { return FSystemMenu; }
  void SetSystemMenu(TPopupMenu* Value);
  bool UseDefaultSysMenu() const { return FUseDefaultSysMenu; }
  void SetUseDefaultSysMenu(bool Value) { FUseDefaultSysMenu = Value; }
  bool DisableSystemMenu() const { return FDisableSystemMenu; }
  void SetDisableSystemMenu(bool Value) { FDisableSystemMenu = Value; }
  // These hand their value to SkinMenu as well.
  bool MenusAlphaBlend() const { return FMenusAlphaBlend; }
  void SetMenusAlphaBlend(bool Value);
  Byte MenusAlphaBlendValue() const { return FMenusAlphaBlendValue; }
  void SetMenusAlphaBlendValue(Byte Value);
  bool MenusAlphaBlendAnimation() const { return FMenusAlphaBlendAnimation; }
  void SetMenusAlphaBlendAnimation(bool Value);
  int MaxMenuItemsInWindow() const { return FMaxMenuItemsInWindow; }
  /// Negative values are ignored.
  void SetMaxMenuItemsInWindow(int Value);
  bool UseSkinFontInMenu() const;
  void SetUseSkinFontInMenu(bool Value);
  bool UseSkinSizeInMenu() const;
  void SetUseSkinSizeInMenu(bool Value);
  int DefMenuItemHeight() const;
  /// Values below 1 are ignored.
  void SetDefMenuItemHeight(int Value);
  TFont* DefMenuItemFont() const;
  void SetDefMenuItemFont(TFont* Value);

  /// A skinned menu of the form opens: the menu hook goes in (unless the main menu bar has the
  /// keyboard), InMenu and OnSkinMenuOpen the first time.
  void SkinMenuOpen();
  /// The form's skinned menu closed: InMenu false, the hook out, OnSkinMenuClose; leaves main-menu mode.
  void SkinMenuClose();
  /// Opens Menu's items at P, or beside R (above it with PopupUp), through SkinMenu.
  void PopupSkinMenu(TMenu* Menu, TPoint P);
  void PopupSkinMenu1(TMenu* Menu, const TRect& R, bool PopupUp);
  /// Menu's OnPopup, then its items at (X, Y).
  void DoPopupMenu(TPopupMenu* Menu, int X, int Y);
  /// Takes the application's message hook (exclusive: keys go to the menus only); once.
  void InstallMenuMessageHook();
  void RemoveMenuMessageHook();
  /// Leaves the main menu bar's keyboard mode: open menus close, the bar releases its item.
  void LeaveMainMenuMode();

  // ---- Multiple documents ----
  // The frames of an MDI main form and of its children keep each other informed by the private messages
  // of skFormMessages.h: a child maximizing maximizes every child that can, and the main form's caption
  // and menu bar show it; restoring or minimizing one restores the others. The main form's frame
  // arranges the children in the part of its client area its aligned controls leave (MDIClientArea).
  /// Restores the children, then lays them side by side by TileMode.
  void Tile();
  /// Restores the children, then places them down and right of each other (the step at least a pixel).
  void Cascade();
  void MinimizeAll();
  /// Every child whose frame allows maximizing.
  void MaximizeAll();
  /// Closes the children from the last to the first.
  void CloseAll();
  /// Every child not in the normal state is restored; a rolled-up one unrolls.
  void RestoreAll();
  void RestoreAllExcept(HWND AFormHandle);
  /// The MDI main form's client area less its visible aligned controls (client coordinates).
  TRect MDIClientArea() const;
  TTileMode TileMode() const { return FTileMode; }
  void SetTileMode(TTileMode Value) { FTileMode = Value; }
  /// A child is maximized (main form's frame).
  bool MDIChildMaximized() const { return FMDIChildMaximized; }
  /// The tab bar that shows the children (main form's frame).
  TskSkinMDITabsBar* MDITabsBar() const { return FMDITabsBar; }
  void SetMDITabsBar(TskSkinMDITabsBar* Value);
  TskAcceptToMDITabsBarEvent OnAcceptToMDITabsBar;
  // What a child's frame does on the main form's frame: the window-menu item named the child's Name
  // followed by "_BSFCHILDITEM" and the child's tab.
  void AddChildToMenu(TCustomForm* Child);
  void DeleteChildFromMenu(TCustomForm* Child);
  void UpDateChildCaptionInMenu(TCustomForm* Child);
  /// Every child item is checked when it belongs to the active child.
  void UpDateChildActiveInMenu();
  /// Shows the child the window-menu item names, restored when minimized.
  void MDIItemClick(TObject* Sender);
  void AddChildToBar(TCustomForm* Child);
  void DeleteChildFromBar(TCustomForm* Child);
  void RefreshMDIBarTab(TCustomForm* Child);
  /// The caption the frame shows: the form's, followed by " - [" the maximized child's "]" on an MDI
  /// main form while one is maximized.
  String CaptionText() const;
  // The MDI client window, which the main form's frame subclasses when the form first shows: it paints
  // the client's background, and the frame's skinned scroll bars lie over the client while children
  // reach outside it (ShowMDIScrollBars, no child maximized); scrolling moves the children.
  /// The client window's background into DC: the skin's MDI background picture, else the form's
  /// background (picture or client piece of the frame picture), else clAppWorkSpace; then the logo.
  void PaintMDIClientBG(HDC DC);
  /// The client window took a new size: maximized children fit it again, minimized ones go back to their
  /// row (without MDI scroll bars), a stretched background or a logo repaints whole, the bars follow.
  void MDIClientResized();
  /// Shows, hides and places the scroll bars for where the visible children lie; Recalc also sets their
  /// ranges and positions (the position is how far the children lie left of or above the client).
  void UpdateMDIScrollBars(bool Recalc);
  /// Null until the MDI client is subclassed.
  TskSkinScrollBar* MDIHScrollBar() const { return FMDIHScrollBar; }
  TskSkinScrollBar* MDIVScrollBar() const { return FMDIVScrollBar; }

  // ---- Other ----
  /// An inactive form's client area shows a still picture of itself in ClientInActiveEffectType's look.
  bool ClientInActiveEffect() const { return FClientInActiveEffect; }
  void SetClientInActiveEffect(bool Value) { FClientInActiveEffect = Value; }
  TskClientInActiveEffect ClientInActiveEffectType() const { return FClientInActiveEffectType; }
  void SetClientInActiveEffectType(TskClientInActiveEffect Value) { FClientInActiveEffectType = Value; }
  bool ShowMDIScrollBars() const { return FShowMDIScrollBars; }
  /// Stores; the bars follow at once.
  void SetShowMDIScrollBars(bool Value);
  bool UseFormCursorInNCArea() const { return FUseFormCursorInNCArea; }
  void SetUseFormCursorInNCArea(bool Value) { FUseFormCursorInNCArea = Value; }
  bool AlwaysShowInTray() const { return FAlwaysShowInTray; }
  void SetAlwaysShowInTray(bool Value) { FAlwaysShowInTray = Value; }
  /// The minimize button and the system menu's Minimize put the application in the tray.
  bool AlwaysMinimizeToTray() const { return FAlwaysMinimizeToTray; }
  void SetAlwaysMinimizeToTray(bool Value) { FAlwaysMinimizeToTray = Value; }
  /// The icon the application goes to when minimized to the tray.
  TskTrayIcon* TrayIcon() const { return FTrayIcon; }
  /// Links the icon: hidden (unless AlwaysShowInTray) until the frame minimizes to it, its own minimize
  /// to tray off; without a popup menu of its own it opens the frame's tray menu (Restore, Close), and
  /// without an OnDblClick a double click restores from the tray.
  void SetTrayIcon(TskTrayIcon* Value);
  /// The frame's tray menu: "&Restore" (RestoreFromTray), a line, "&Close" (the form), built-in captions.
  TskSkinPopupMenu* SysTrayMenu() const { return FSysTrayMenu; }
  /// With a tray icon: the application minimizes into the notification area; OnMinimizeToTray.
  void MinimizeToTray();
  /// With a tray icon: the main form shows again, the icon goes (unless AlwaysShowInTray);
  /// OnRestoreFromTray, then CheckAppLayeredBorders.
  void RestoreFromTray();
  /// The application's restore on the main form's frame: while its layered border is in use, the other
  /// visible forms (not stay-on-top, no MDI children) and then the main form show again in screen
  /// order, so that each border stacks with its form.
  void CheckAppLayeredBorders();
  /// Covers the client area with a new overlay (replacing one shown), or takes the overlay away.
  void ShowClientInActiveEffect();
  void HideClientInActiveEffect();
  /// "10.10".
  static String GetProductVersion() { return "10.10"; }
  /// The frame's form.
  TCustomForm* Form() const { return FForm; }
  /// The tracking timer of the caption objects (50 ms); it runs while the frame shows a look.
  const TTimer* MouseTimer() const { return FMouseTimer; }

  // ---- Caption objects ----
  // The caption, caption buttons, animated and user objects of the frame, in hit-test order: built from
  // the skin's object records, or the six built-in buttons at the first built-in paint. BorderIcons,
  // HideCaptionButtons and DisableSystemMenu decide which buttons are enabled and shown.
  /// Frees every object.
  void ClearObjects();
  /// The index of the first object named exactly AIDName, or -1.
  int GetIndex(const String& AIDName) const;
  /// AMenu's items drop down from the named button (above it with APopupUp).
  void LinkMenu(const String& AIDName, TMenu* AMenu, bool APopupUp);
  /// Enables or disables the named object (no repaint).
  void SetEnabled(const String& AIDName, bool Value);
  /// Draws the named user object on the form's window now.
  void UserObjectDraw(const String& AIDName);
  /// Repaints one object on the form's window.
  void DrawSkinObject(TskActiveSkinObject* AObject);
  /// Starts the 25 ms hover-transition and animation timers.
  void EnableMorphTimer();
  void EnableAnimateTimer();
  /// Finds the object under (X, Y) (frame coordinates; InFrame false: none) and moves the hover to it.
  void TrackActiveObject(int X, int Y, bool InFrame);
  /// The caption objects take the form's activity (with Animate: their animation and transition run);
  /// OnActivate or OnDeActivate.
  void UpdateActiveState(bool Animate);
  /// A skinnable MDI child in the skinned maximized state: its caption lives on the main form's menu bar,
  /// so it neither animates nor tracks the pointer.
  bool SkinnedMaximizedMDIChild() const;
  /// The hover glow of objects and the glow of an object whose menu is open.
  TskLayerManager* LayerManager() const { return FLayerManager; }
  TskLayerManager* MenuLayerManager() const { return FMenuLayerManager; }
  /// Hides both glows.
  void HideLayers();
  /// R (frame coordinates) on the screen.
  TRect FrameToScreen(const TRect& R) const;
  /// Adds or removes the drop shadow of the form's window class (only where windows can be layered),
  /// hiding the form meanwhile with AHideFormBefore.
  void EnableShadow(bool AShowShadow, bool AHideFormBefore);
  bool HaveShadow() const { return FHaveShadow; }
  /// The form's small icon carries an alpha channel of its own; false without an icon size.
  bool CheckIconAlpha();
  /// Set from CheckIconAlpha when a full layered border binds to the frame.
  bool IsAlphaIcon { false };
  /// Draws the form's small icon with its top-left at (X, Y).
  void DrawFormIcon(TCanvas* Canvas, int X, int Y);
  /// The items of the system menu in use, made ready for an opening (an open menu closes first): the
  /// built-in one made afresh for the form's state and BorderIcons (Minimize, Maximize, Restore, RollUp,
  /// Minimize to tray, a line, Close); a user's SystemMenu with these items put in again at the top and
  /// Close at the end (UseDefaultSysMenu), or as it is.
  TMenuItem* SystemMenuItems();
  /// Opens AItem's items beside R (screen), above it with PopupUp, through SkinMenu.
  void PopupSkinMenuItems(TMenuItem* AItem, const TRect& R, bool PopupUp);
  /// The quick buttons left of the caption text, with glyphs from QuickImageList (none without it).
  TskQuickButtonItems* QuickButtons() const { return FQuickButtons.get(); }
  /// Copies Value's items.
  void SetQuickButtons(TskQuickButtonItems* Value);
  TCustomImageList* QuickImageList() const { return FQuickImageList; }
  void SetQuickImageList(TCustomImageList* Value);
  bool QuickButtonsShowHint { false };
  bool QuickButtonsShowDivider { true };
  /// The activity the frame last heard of (WM_NCACTIVATE).
  bool FormActiveFlag() const { return FFormActive; }
  /// The hovered object, the one hovered before and the one holding the mouse (indexes; -1 none).
  int ActiveObject { -1 };
  int OldActiveObject { -1 };
  int MouseCaptureObject { -1 };
  std::vector<std::unique_ptr<TskActiveSkinObject>> ObjectList;
  TskMouseDownEvent OnMouseDownEvent;
  TskMouseUpEvent OnMouseUpEvent;
  TskMouseMoveEvent OnMouseMoveEvent;
  TskMouseEnterEvent OnMouseEnterEvent;
  TskMouseLeaveEvent OnMouseLeaveEvent;
  TskPaintEvent OnPaintEvent;
  /// Decides whether a custom (cmDefault) button shows.
  TskActivateCustomObjectEvent OnActivateCustomObject;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeActivate;

  // ---- Events (Sender: the frame) ----
  TNotifyEvent OnChangeSkinData;
  TNotifyEvent OnBeforeChangeSkinData;
  TNotifyEvent OnAfterChangeSkinData;
  TNotifyEvent OnSkinMenuOpen;
  TNotifyEvent OnSkinMenuClose;
  TNotifyEvent OnMainMenuEnter;
  TNotifyEvent OnMainMenuExit;
  TNotifyEvent OnRestore;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnMaximize;
  TNotifyEvent OnChangeRollUpState;
  TNotifyEvent OnMinimizeToTray;
  TNotifyEvent OnRestoreFromTray;
  /// Sees every key before the frame's own shortcut handling; Handled stops it.
  TShortCutEvent OnShortCut;
  TskCaptionPaintEvent OnCaptionPaint;

  // ---- Layered border ----
  /// The skin's layered border shows around the form: a loaded skin whose layer frame has its picture
  /// and ShowLayeredBorders on, layered windows available, a skinnable frame not in PreviewMode and
  /// without AlwaysDisableLayeredFrames, a form with a border that is no MDI child, no show effect pending.
  bool UseLayeredBorder() const;
  /// The border in use carries the whole frame: its windows show the caption and its objects, the form
  /// shows only its client area.
  bool FullLayeredBorder() const;
  /// Such a border is on the screen now.
  bool FullBorderShown() const;
  TskFormLayerBorder* BorderLayer() const { return FBorderLayer; }
  bool AlwaysDisableLayeredFrames { false };
  /// The layered border is sizing the form.
  bool FBorderLayerChangeSize { false };

  // ---- Public state ----
  /// The controller of the form's skinned popup windows.
  TskSkinMenu* SkinMenu { nullptr };
  /// A skinned menu is open; the main menu bar has the keyboard.
  bool InMenu { false };
  bool InMainMenu { false };
  /// Always painted active, without tracking.
  bool PreviewMode { false };

protected:
  // The border windows drag and snap the form, and route the caption double click, as the frame does.
  friend class TskFormLayerBorder;
  friend class TskFormLayerWindow;

  /// Applies the streamed WindowState.
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  /// The handler the frame installs as the form's OnShortCut.
  struct TFormShortCut {
    TskSkinForm* Frame;
    void operator()(TWMKey& Msg, bool& Handled) const { Frame->FormShortCut(Msg, Handled); }
  };

  // ---- Window procedure ----
  void FormWindowProc(TMessage& Message);
  /// The multiple-document messages of a main form's or a child's frame; false when the saved
  /// procedure is not to see the message.
  bool HandleMDIMessage(TMessage& Message);
  /// A child's reports after its saved procedure saw the message: moves, sizes and showing reach the
  /// scroll bars; a hidden child's menu leaves the main form's menu bar.
  void AfterMDIMessage(const TMessage& Message);
  /// The main form's frame, when this is an MDI child's and the main form has one.
  TskSkinForm* MDIMainFrame() const;
  /// Sends Msg to the application's main form.
  static LRESULT SendToMainForm(UINT Msg, WPARAM WParam = 0);
  /// Maximized children take the whole MDI client area again; without MDI scroll bars minimized ones go
  /// back to their row.
  void RefitMDIChildren();
  /// Every skinned-minimized child moves to its place in the row along the client's bottom.
  void ArrangeMinimizedMDIChildren();
  /// The menu bar takes the active child's menu (or leaves the one it merged) when a child or merge
  /// menu is involved.
  void UpDateMergedItems();
  /// The first show, and a frame that changes its look, subclass the form's current MDI client window
  /// (once per window) and make the scroll bars.
  void SubclassMDIClient();
  void CreateMDIScrollBars();
  /// A bar's position moved: the children move by the difference to the position remembered.
  void SyncMDIScrollBars();
  /// One pass of UpdateMDIScrollBars; whether a bar was shown or hidden.
  bool PlaceMDIScrollBars(bool Recalc);
  /// The skin's change reaches the client: the bars take the model, the background repaints, the
  /// children fit again.
  void ApplySkinToMDIClient();
  /// The frames of the main form's children in child order.
  std::vector<TskSkinForm*> MDIChildFrames() const;
  /// A child's part of maximizing, minimizing and restoring.
  void MaximizeMDIChild();
  void MDIChildStateChanged(TWindowState Value);
  void CloseMenusOnMessage(TMessage& Message);
  /// The message's own handling; false when the saved procedure is not to see it.
  bool HandleMessage(TMessage& Message);
  void HandleSysCommand(TMessage& Message);
  void WMNCActivate(TMessage& Message);
  void BeforeChangeSkin(TskSkinData* Model);
  void ChangeSkin(TskSkinData* Model);
  void AfterChangeSkin();
  /// Hands the message to the form's saved procedure; false when its handling freed the form, and with
  /// it this frame, which then must not be touched.
  [[nodiscard]] bool CallOldWindowProc(TMessage& Message);
  /// The layered border follows the form's placement, visibility and activity.
  void LayerBorderMessage(const TMessage& Message);
  /// The layered border of the skin now applied, shown with a visible form.
  void ApplyLayerBorder();
  /// The main form restored by its own command while its layered border is in use: the form's procedure
  /// restores it, then the border shows with it (answers false: the command is done).
  bool RestoreWithLayerBorder(TMessage& Message);
  /// Back from the tray with the layered border in use: the main form comes to the foreground, then each
  /// visible stay-on-top form (no border window) in screen order, so that their borders stack with them.
  void BringFormsForwardFromTray();
  /// The shown border reaches outside the form: Move and SetBounds place the outer bounds.
  bool BorderOutsideForm() const;
  /// The border in use is to show now: the form shows, not minimized by the system, and a maximized
  /// form only with a full border.
  bool BorderShowsNow() const;
  /// Before a change of skin or border: the outer bounds (with a shown full border, the form's and the
  /// border's) are remembered; after it the form takes them again, less the border it now has.
  void RememberOuterBounds();
  void RestoreOuterBounds();
  /// The main form's frame becomes the application's OnRestore (when it has none) and leaves it when it
  /// goes.
  void HookAppRestore();
  void UnhookAppRestore();

  // ---- Menus and keys ----
  void MenuMessageHook(TMsg& Msg, bool& Handled);
  void MenuKeyDown(Word Key);
  /// Alt or F10: an open menu closes and the main menu bar takes the keyboard.
  void EnterMainMenuMode();
  void FormShortCut(TWMKey& Msg, bool& Handled);
  /// Opens the system menu below the system-menu button (or at the caption's left).
  void ShowSystemMenu();
  /// A new item of the frame's menus, captioned from the model's string table (WithModel) or built in.
  TMenuItem* NewSystemItem(const TskSystemMenuItemText& Text, TNotifyEvent OnClick, bool WithModel);
  /// The Close item: closes the form, Ctrl+F4 on an MDI child, else Alt+F4.
  TMenuItem* NewCloseItem(const TskSystemMenuItemText& Text, bool WithModel);
  /// The system menu's items the form's state and BorderIcons allow, Close aside; Restore before
  /// Maximize when RestoreFirst.
  std::vector<TMenuItem*> StateItems(bool RestoreFirst);
  void CreateTrayMenu();

  // ---- Ribbon (TskSkinFormRibbon.cpp) ----
  /// Alt alone with a ribbon: a shown application menu and an open skinned menu close, the ribbon takes
  /// the focus.
  void RibbonKeyMenu();
  /// The application button's popup menu's shortcuts, then Alt with a tab's accelerator selects the tab.
  void RibbonShortCut(TWMKey& Msg, bool& Handled);
  /// The application menu's caption piece into the top band, when AppMenuCaptionDrawn.
  void DrawAppMenuCaption(TBitmap* Top);

  // ---- Window states, the move/size loop and showing ----
  /// The state the form is in: minimized also when the system minimized it.
  TWindowState StateInForce() const;
  void ApplyWindowState(TWindowState Value);
  void Minimize();
  void Maximize();
  void Restore();
  /// Where a skinned-minimized form goes: the first place in rows along the bottom of its work area that
  /// no other minimized form holds.
  TPoint MinimizedPosition();
  /// The work area of the form's monitor, or the whole monitor.
  TRect MonitorArea(bool WorkArea) const;
  /// A caption double click: restore, maximize or roll up, as the form allows.
  void CaptionDblClick();
  void WMMoving(TRect& R);
  /// R's left and top snap to the work area's edges and to the edges of other forms within MagneticSize.
  void Snap(TRect& R);
  void ClearMagnets();
  void WMShowWindow(bool Show);
  /// Timer 1 after a show: the form fades in to its alpha.
  void FadeIn();

  // ---- Geometry and painting ----
  /// The corner points and client rectangle for FFormWidth x FFormHeight.
  void CalcSkinRects();
  /// The client area of window rectangle R (WM_NCCALCSIZE).
  TRect CalcClientRect(TRect R);
  int CaptionHeight() const;
  LRESULT HitTest(TPoint ScreenPoint);
  void PaintNC(HDC DC);
  void PaintNCSkin(HDC DC);
  void PaintNCDefault(HDC DC);
  void PaintBG(HDC DC);
  /// The client background over Client: the MDI background picture first when MDIClient.
  void PaintBackground(HDC DC, const TRect& Client, bool MDIClient);
  /// The caption objects' places for the current geometry (skinned) and the built-in caption's.
  void CalcObjectRects();
  void CalcDefRects();
  /// The hit test of the skinned frame and of the built-in one (P in frame coordinates).
  LRESULT SkinHitTest(TPoint P);
  LRESULT DefaultHitTest(TPoint P);
  /// P lies on a caption object (not on its quick-button room).
  bool IsCaptionArea(TPoint P) const;
  /// P lies inside the window's shape by the mask bands.
  bool InsideShape(TPoint P) const;
  /// The window's region: the mask's black pixels composed for the current size (the bands kept for the
  /// shape test), a rectangle without a mask, none for a borderless form or the system's frame.
  void UpdateFrameRegion();
  void ShowStatusBarGrip(bool Show);
  /// Repaints the form and sends WM_CHECKPARENTBG to each direct child.
  void TellChildrenOfNewBackground();
  /// Draws the visible objects into the composed frame bands.
  void DrawObjectsIntoBands(TBitmap* Top, TBitmap* Bottom);
  /// The frame's small copy of the form's icon (made once).
  HICON FormSmallIcon();
  /// The point of a non-client mouse message (screen) in frame coordinates.
  TPoint FramePoint(LPARAM Pos) const;

  // ---- Caption objects ----
  void CreateSkinObjects();
  void CreateDefaultObjects();
  /// Enabled and Visible of the buttons from BorderIcons, HideCaptionButtons and DisableSystemMenu.
  void SetObjectStates();
  void SetDefaultHints();
  /// Every object back to its normal, unhovered look.
  void ResetObjectStates();
  /// The non-client mouse after the form's own procedure saw it.
  void AfterMouseMessage(const TMessage& Message);
  void ObjectMouseDown(TPoint P, TMouseButton Button);
  void ObjectMouseUp(TPoint P, TMouseButton Button);
  void MouseTimerTick(TObject* Sender);
  void MorphTimerTick(TObject* Sender);
  void AnimateTimerTick(TObject* Sender);
  /// The first button held pressed by its open menu is released (the menu closed).
  void ReleaseMenuObject();
  /// The object at Index, null outside the list.
  TskActiveSkinObject* ObjectAt(int Index) const;
  /// The form's size changed: the geometry follows.
  void UpdateFrameGeometry();
  /// Width − 1 and back (+ 1 and back at the minimum), so the form lays out and takes its limits again.
  void NudgeWidth();
  void StopTimers();

  TCustomForm* FForm { nullptr };
  TWndMethod OldWindowProc;
  TskSkinData* FSD { nullptr };
  TskSkinData* FMSD { nullptr };
  TskCustomRibbon* FSkinRibbon { nullptr };
  TskSkinHint* FSkinHint { nullptr };
  TskSkinStatusBar* FStatusBar { nullptr };
  bool FHaveShadow { false };
  TMainMenu* FMainMenu { nullptr };
  TskSkinMainMenuBar* FMainMenuBar { nullptr };
  TPopupMenu* FSystemMenu { nullptr };
  /// The built-in system menu.
  TPopupMenu* FSysMenu { nullptr };
  TskSkinPopupMenu* FSysTrayMenu { nullptr };
  TskTrayIcon* FTrayIcon { nullptr };
  TskClientInActivePanel* FInActivePanel { nullptr };
  /// The overlay is taking its picture: an MDI form paints its background for it.
  bool FClientInActiveDraw { false };
  TTimer* FMouseTimer { nullptr };
  TTimer* FMorphTimer { nullptr };
  TTimer* FAnimateTimer { nullptr };
  std::unique_ptr<TFont> FDefCaptionFont;
  std::unique_ptr<TFont> FDefInActiveCaptionFont;
  std::unique_ptr<TBitmap> FLogoBitMap { std::make_unique<TBitmap>() };

  bool FSkinnableForm { true };
  bool FSkinSupport { false };
  bool FStopPainting { false };
  bool FUseRibbon { false };
  bool FInChangeSkinData { false };
  bool FInAppHook { false };
  bool FInShortCut { false };
  bool FFormActive { false };
  bool FSmartEffectsShow { false };
  bool FRollUpState { false };
  /// A move/size loop runs; one ran inside the non-client press being handled.
  bool FSizeMove { false };
  bool FSizeMoveDone { false };
  /// A live resize of the loop changed the size.
  bool FSizing { false };
  TWindowState FWindowState { wsNormal };
  TWindowState FWindowStateInit { wsNormal };
  bool FMinimizeDefault { false };
  /// Rolled up while maximized; the roll-up state when the form was maximized.
  bool MaxRollUpState { false };
  bool FRollUpBeforeMaximize { false };
  int OldHeight { 0 };
  /// The normal bounds while minimized or maximized; empty otherwise.
  TRect OldBoundsRect;
  /// True until the first show or restore placed the form.
  bool FStartShow { true };
  /// Timer 1 runs: the form fades in at its tick.
  bool FFadeInPending { false };
  /// Whether each edge (left, top, right, bottom) is held by a magnet, and the place it is held at.
  bool HMagnetized { false };
  bool VMagnetized { false };
  bool HMagnetized2 { false };
  bool VMagnetized2 { false };
  TRect FMagnetPlaces;
  /// The cursor where the move started or a magnet took an edge.
  TPoint FOnMouseDownCoord { -1, -1 };
  /// Cleared when the frame goes, so a fade that serves messages notices.
  std::shared_ptr<bool> FAlive { std::make_shared<bool>(true) };

  TskBorderIcons FBorderIcons { TskBorderIcon::biSystemMenu, TskBorderIcon::biMinimize, TskBorderIcon::biMaximize,
                               TskBorderIcon::biRollUp };
  bool FHideCaptionButtons { false };
  bool FShowIcon { false };
  bool FUseSkinFontInCaption { true };
  bool FLogoBitMapTransparent { false };
  bool FShowObjectHint { false };
  bool FUseDefaultObjectHint { true };
  int FMinWidth { 0 };
  int FMinHeight { 0 };
  int FMaxWidth { 0 };
  int FMaxHeight { 0 };
  int FClientWidth { 0 };
  int FClientHeight { 0 };
  bool FMagnetic { false };
  Byte FMagneticSize { 5 };
  TskPositionInMonitor FPositionInMonitor { skpDefault };
  bool FAlwaysResize { false };
  bool FMaximizeOnFullScreen { false };
  bool FAlphaBlend { false };
  Byte FAlphaBlendValue { 200 };
  bool FAlphaBlendAnimation { false };
  bool FUseDefaultSysMenu { true };
  bool FDisableSystemMenu { false };
  bool FMenusAlphaBlend { false };
  Byte FMenusAlphaBlendValue { 200 };
  bool FMenusAlphaBlendAnimation { false };
  int FMaxMenuItemsInWindow { 0 };
  bool FClientInActiveEffect { false };
  TskClientInActiveEffect FClientInActiveEffectType { skieSemiTransparent };
  bool FShowMDIScrollBars { true };
  bool FUseFormCursorInNCArea { false };
  bool FAlwaysShowInTray { false };
  bool FAlwaysMinimizeToTray { false };

  // The geometry for the size it was computed for (frame coordinates: the window's top-left is (0, 0)).
  int FFormWidth { 0 };
  int FFormHeight { 0 };
  TPoint NewLTPoint;
  TPoint NewRTPoint;
  TPoint NewLBPoint;
  TPoint NewRBPoint;
  TRect NewClRect;
  TRect NewCaptionRect;
  TRect NewButtonsRect;
  int NewButtonsOffset { 0 };
  bool NewButtonsInLeft { false };
  TRect NewMaskRectArea;
  TPoint NewHitTestLTPoint;
  TPoint NewHitTestRTPoint;
  TPoint NewHitTestLBPoint;
  TPoint NewHitTestRBPoint;
  TRect NewDefCaptionRect;
  /// The mask's four bands for the current size; they give the window its shape.
  std::unique_ptr<TBitmap> RMTop { std::make_unique<TBitmap>() };
  std::unique_ptr<TBitmap> RMLeft { std::make_unique<TBitmap>() };
  std::unique_ptr<TBitmap> RMRight { std::make_unique<TBitmap>() };
  std::unique_ptr<TBitmap> RMBottom { std::make_unique<TBitmap>() };
  HICON FIcon { 0 };
  std::unique_ptr<TskQuickButtonItems> FQuickButtons;
  TCustomImageList* FQuickImageList { nullptr };
  TskLayerManager* FLayerManager { nullptr };
  TskLayerManager* FMenuLayerManager { nullptr };
  TskFormLayerBorder* FBorderLayer { nullptr };
  /// The outer bounds remembered before a skin or border change, and whether a full border was shown
  /// then (1), not (0), or nothing is remembered (-1).
  TRect FOldFormBounds;
  int FOldFullBorder { -1 };

  // Multiple documents.
  TTileMode FTileMode { tbHorizontal };
  TskSkinMDITabsBar* FMDITabsBar { nullptr };
  bool FMDIChildMaximized { false };
  bool FInMaximizeAll { false };
  bool FInRestoreAll { false };
  std::unique_ptr<TskSkinMDIClient> FMDIClient;
  TskSkinScrollBar* FMDIHScrollBar { nullptr };
  TskSkinScrollBar* FMDIVScrollBar { nullptr };
  /// The child being hidden or destroyed: the scroll bars leave it out.
  HWND ChangeVisibleChildHanle { 0 };
  /// The scroll bars move the children: their moves are not reported back.
  bool FStopCheckChildMove { false };
  /// The bars' positions the children were last moved for.
  int FOldHSrollBarPosition { 0 };
  int FOldVSrollBarPosition { 0 };
};
