#pragma once
// The platform page control dressed by the skin record SkinDataName (kind "tab") or a built-in look.
//
// The native tab control keeps laying out, selecting and scrolling the tab row; this control paints the
// page frame and the tabs itself and reshapes what the window procedure reports: TCM_ADJUSTRECT gives the
// page area inside the skin's frame (the sheets fill it) and TCM_GETITEMRECT the tabs as they are drawn
// (moved by 2 pixels toward the frame, and right by the tabs offset for centred or offset tabs, whose
// mouse messages are moved back before the native hit test). Each tab keeps room for an image and a close
// button through an empty image list of that size given to the native control. A single row too long for
// the control scrolls by whole tabs with a skinned up-down at its right end, placed by its actual width
// (the up-down may take its record's size). Tabs can be hidden (HideTabs / ShowTabs keep the former
// position, multi-line setting and height), the border too; the wheel changes pages while the control
// has the focus; a close button on a tab closes the active page (OnClose may refuse, FreeOnClose frees it).
#include <memory>

#include "platform/gdi/TFont.h"
#include "platform/ui/toolkit/TPageControl.h"
#include "platform/ui/toolkit/TTabSheet.h"
#include "skin/controls/IskSkinChangeable.h"
#include "skin/core/skGlyphText.h"
#include "skin/core/skSkinTypes.h"

class TBitmap;
class TImageList;
class TskSkinData;
class TskSkinUpDown;

/// Asked before the active page closes; CanClose false keeps it.
using TskCloseEvent = std::function<void(TObject* Sender, bool& CanClose)>;
/// Draws a tab's content (image and text) into its image; Rct is the whole image.
using TskDrawSkinTabEvent =
    std::function<void(int TabIndex, const TRect& Rct, bool Active, bool MouseIn, TCanvas* Cnvs)>;

/// A page of the skinned page control: its background from the control's skin or a wallpaper, and its
/// tab's close button state.
class TskSkinCustomTabSheet : public TTabSheet {
public:
  explicit TskSkinCustomTabSheet(TComponent* AOwner);
  ~TskSkinCustomTabSheet() override;

  TBitmap* WallPaper() const { return FWallPaper.get(); }
  void SetWallPaper(TBitmap* Value);

  /// The tab's close button, relative to the tab's top-left corner.
  TRect ButtonRect;
  bool ButtonMouseIn { false };
  bool ButtonMouseDown { false };

protected:
  void WndProc(TMessage& Message) override;

private:
  void PaintBG(HDC DC);
  std::unique_ptr<TBitmap> FWallPaper;
};

/// The published tab sheet.
class TskSkinTabSheet : public TskSkinCustomTabSheet {
public:
  using TskSkinCustomTabSheet::TskSkinCustomTabSheet;
};

/// The skinned page control; see the file comment.
class TskSkinPageControl : public TPageControl, public IskSkinChangeable {
public:
  explicit TskSkinPageControl(TComponent* AOwner);
  ~TskSkinPageControl() override;

  void ChangeSkinData() override;
  /// The tab size again; no scroller in multi-line; realign.
  void UpDateTabs();
  void HideTabs();
  void ShowTabs();
  void HideBorderAndTabs();
  void ShowBorderAndTabs();

  TskSkinData* SkinData() const override { return FSD; }
  void SetSkinData(TskSkinData* Value);
  const String& SkinDataName() const { return FSkinDataName; }
  void SetSkinDataName(const String& Value) { FSkinDataName = Value; }
  const String& ButtonTabSkinDataName() const { return FButtonTabSkinDataName; }
  void SetButtonTabSkinDataName(const String& Value) { FButtonTabSkinDataName = Value; }
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  int DefaultItemHeight() const { return FDefaultItemHeight; }
  /// Without a record the tabs take the height; the scroller follows.
  void SetDefaultItemHeight(int Value);

  bool MouseWheelSupport() const { return FMouseWheelSupport; }
  void SetMouseWheelSupport(bool Value) { FMouseWheelSupport = Value; }
  /// Tabs lay out their image and text by TabLayout with TabMargin (-1: centred) and TabSpacing.
  bool TabExtededDraw() const { return FTabExtendedDraw; }
  void SetTabExtededDraw(bool Value);
  int TabMargin() const { return FTabMargin; }
  /// Values below -1 are refused.
  void SetTabMargin(int Value);
  int TabSpacing() const { return FTabSpacing; }
  void SetTabSpacing(int Value);
  TskButtonLayout TabLayout() const { return FTabLayout; }
  void SetTabLayout(TskButtonLayout Value);
  bool TextInHorizontal() const { return FTextInHorizontal; }
  void SetTextInHorizontal(bool Value);
  bool TabsBGTransparent() const { return FTabsBGTransparent; }
  void SetTabsBGTransparent(bool Value);
  bool TabsInCenter() const { return FTabsInCenter; }
  /// Refused while TabWidth is 0; on: top tabs in one row over the parent's background.
  void SetTabsInCenter(bool Value);
  int TabsOffset() const { return FTabsOffset; }
  /// Above 0: top tabs in one row, moved right by the value, over the parent's background.
  void SetTabsOffset(int Value);
  bool ShowCloseButtons() const { return FShowCloseButtons; }
  void SetShowCloseButtons(bool Value);
  bool FreeOnClose() const { return FFreeOnClose; }
  void SetFreeOnClose(bool Value) { FFreeOnClose = Value; }
  bool HideTabsState() const { return FHideTabs; }
  bool HideBorder() const { return FHideBorder; }
  void SetHideBorder(bool Value);
  /// The tab images (each tab keeps room for one).
  TCustomImageList* TabImages() const { return FImages; }
  void SetTabImages(TCustomImageList* Value);

  /// The tab scroller while some tab does not show whole; null otherwise.
  TskSkinUpDown* SkinUpDown() const { return FSkinUpDown; }
  /// The tabs offset of centred or offset tabs (0 otherwise).
  int TabsOffsetNow();
  /// The page area inside the frame (TCM_ADJUSTRECT of the client rectangle).
  TRect PageArea();

  TskCloseEvent OnClose;
  TNotifyEvent OnAfterClose;
  TskDrawSkinTabEvent OnDrawSkinTab;

  // The record's geometry, read before every paint, erase and size change.
  TBitmap* Picture { nullptr };
  TRect SkinRect, ClRect, TabRect, ActiveTabRect, FocusTabRect, MouseInTabRect, TabsBGRect;
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  int TabLeftOffset { 0 };
  int TabRightOffset { 0 };
  String FontName;
  TFontStyles FontStyle;
  int FontHeight { 13 };
  TColor FontColor { clBlack };
  TColor ActiveFontColor { clBlack };
  TColor FocusFontColor { clBlack };
  TColor MouseInFontColor { clBlack };
  String UpDown;
  int BGPictureIndex { -1 };
  bool TabStretchEffect { false };
  bool ShowFocus { false };
  int FocusOffsetX { 0 };
  int FocusOffsetY { 0 };
  bool StretchEffect { false };
  bool LeftStretch { false };
  bool TopStretch { false };
  bool RightStretch { false };
  bool BottomStretch { false };
  TskStretchType StretchType { skstFull };
  TRect TabLeftBottomActiveRect, TabLeftBottomFocusRect;
  TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
  bool ButtonTransparent { false };
  TColor ButtonTransparentColor { clFuchsia };

  /// The record's index; -1 without one.
  int FIndex { -1 };

protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void WndProc(TMessage& Message) override;
  void PaintWindow(HDC DC) override;
  void Change() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  friend class TskSkinCustomTabSheet;

  void GetSkinData();
  /// The tab's rectangle as drawn (TCM_GETITEMRECT through the window procedure).
  TRect ItemRect(int Index) { return TCustomTabControl::TabRect(Index); }
  void SetTabSize();
  bool Sided() const { return TabPosition() == tpLeft || TabPosition() == tpRight; }
  /// Grows (or with a negative amount shrinks) the room the native control keeps in each tab.
  void GrowTempImages(int Amount);
  void AdjustPageArea(TRect& R);
  void AdjustTabRect(TRect& R);
  bool CenteredOrOffset() const { return FTabsInCenter || FTabsOffset > 0; }
  int VisibleTabCount() const;
  /// The page of visible tab Index; null when none.
  TskSkinCustomTabSheet* SheetOfTab(int Index) const;

  // ---- Scroller ----
  void CheckScroller();
  void DestroyScroller();
  void PlaceScroller();
  /// Where visible tab Index ends along the row: its right edge, its bottom for side tabs.
  int TabEnd(int Index);
  /// The visible tabs not fully shown, and those scrolled off before the row's start.
  int HiddenTabCount();
  int TabsScrolledOffLeft();
  void SyncScroller();
  void ScrollerChange(TObject* Sender);

  // ---- Mouse ----
  void TestActive(int X, int Y);
  TRect CloseArea(TskSkinCustomTabSheet* Page, int TabIndex);
  void CloseActivePage();
  void MouseLeft();
  void WheelPages(int Delta);

  // ---- Painting (TskSkinPageControlPaint.cpp) ----
  void DrawDefaultPage(TCanvas* C);
  TRect SkinFrame();
  void DrawSkinPageFrame(TCanvas* C);
  TRect SelectedArea();
  void DrawTabs(TCanvas* C);
  void DrawTab(int TabIndex, const TRect& Rct, bool Active, bool MouseIn, TCanvas* C);
  void DrawTabBackground(TBitmap* B, bool Active, bool MouseIn, const TRect& Rct);
  void SelectTabFont(TCanvas* C, bool Active, bool MouseIn, TColor ButtonColor, bool ButtonStyle);
  void DrawCloseButton(const TRect& A, int BW, int BH, TskSkinCustomTabSheet* Page, TCanvas* C);
  void PaintPageAreaBackground(HDC DC);
  void DrawClientPiece(TCanvas* C, int W, int H);

  bool FMouseWheelSupport { false };
  bool FTabExtendedDraw { false };
  int FTabMargin { -1 };
  int FTabSpacing { 1 };
  TskButtonLayout FTabLayout { blGlyphLeft };
  bool FTextInHorizontal { false };
  bool FHideTabs { false };
  bool FHideBorder { false };
  TTabPosition FOldTabPosition { tpTop };
  bool FOldMultiLine { false };
  int FOldTabHeight { -1 };
  int FCloseSize { 14 };
  bool FFreeOnClose { false };
  bool FShowCloseButtons { false };
  bool FTabsBGTransparent { false };
  int FActiveTab { -1 };
  int FOldActiveTab { -1 };
  int FActiveTabIndex { -1 };
  int FOldActiveTabIndex { -1 };
  TCustomImageList* FImages { nullptr };
  std::unique_ptr<TImageList> FTempImages;
  bool FTabsInCenter { false };
  int FTabsOffset { 0 };
  String FButtonTabSkinDataName { "resizetoolbutton" };
  TskSkinData* FSD { nullptr };
  String FSkinDataName { "tab" };
  TskSkinUpDown* FSkinUpDown { nullptr };
  std::unique_ptr<TFont> FDefaultFont;
  bool FUseSkinFont { true };
  int FDefaultItemHeight { 20 };
};
