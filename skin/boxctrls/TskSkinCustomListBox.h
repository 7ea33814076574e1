#pragma once
// A skinned list box assembled from three kinds of window: this control paints the skin's frame and an
// optional caption with a glyph and three caption buttons (up, down, check); the inner list (TskListBox)
// holds the strings and draws the rows from this control's skin fields; up to two skinned scroll bars
// stand in for the inner list's native bars, which it keeps but never shows.
//
// Bars: UpDateScrollBar mirrors the inner list's hidden scroll state; a bar exists only while there is
// something to scroll (vertical: more items than rows, unless RowCount equals the item count; horizontal
// with HorizontalExtent: an item wider than the list, scrolled by drawing offset).
//
// Caption buttons (CaptionMode with ShowCaptionButtons): a press holds a button; up and down step the
// selection after 500 ms and then every 100 ms while the pointer stays on the button (paused off it,
// every 50 ms after it returns); the release runs the button's event when assigned and the pointer is
// still on it, else the default action (previous item, next item, the inner list's Click), also when
// released away from the button. The repeat runs on window timer 1. Selecting from code fires nothing.
//
// Record "listbox" (kind "listbox"): frame, item pictures (normal, selected, focused), caption and
// caption buttons. Without a record: a clBtnShadow frame, clWindow rows, built-in caption buttons.
#include <memory>

#include "platform/base/TAlignment.h"
#include "platform/base/TStrings.h"
#include "platform/ui/toolkit/StdControlTypes.h"
#include "skin/boxctrls/TskDrawSkinItemEvent.h"
#include "skin/controls/TskCBButtonX.h"
#include "skin/controls/TskSkinCustomControl.h"

class TBitmap;
class TCanvas;
class TCustomImageList;
class TPopupMenu;
class TskListBox;
class TskSkinScrollBar;

/// A skinned list box; see the file comment.
class TskSkinCustomListBox : public TskSkinCustomControl {
public:
  explicit TskSkinCustomListBox(TComponent* AOwner);
  ~TskSkinCustomListBox() override;

  // ---- Items (the inner list's; no event of the list box) ----
  TStrings* Items() const;
  /// Assigns, then updates the bars.
  void SetItems(TStrings* Value);
  int ItemIndex() const;
  void SetItemIndex(int Value);
  int TopIndex() const;
  void SetTopIndex(int Value);
  bool Sorted() const;
  void SetSorted(bool Value);
  bool MultiSelect() const;
  void SetMultiSelect(bool Value);
  int SelCount() const;
  bool Selected(int Index) const;
  void SetSelected(int Index, bool Value);
  int Columns() const;
  /// Then updates the bars.
  void SetColumns(int Value);
  /// Clears the inner list, then updates the bars.
  void Clear();
  int ItemAtPos(TPoint Pos, bool Existing) const;
  TRect ItemRect(int Item) const;
  bool ExtandedSelect() const;
  void SetExtandedSelect(bool Value);
  bool AutoComplete() const;
  void SetAutoComplete(bool Value);

  // ---- The inner list's own properties ----
  TFont* ListBoxFont() const;
  /// Assigned into the inner list's font.
  void SetListBoxFont(TFont* Value);
  bool ListBoxTabStop() const;
  void SetListBoxTabStop(bool Value);
  int ListBoxTabOrder() const;
  void SetListBoxTabOrder(int Value);
  TPopupMenu* ListBoxPopupMenu() const;
  void SetListBoxPopupMenu(TPopupMenu* Value);
  TDragMode ListBoxDragMode() const;
  void SetListBoxDragMode(TDragMode Value);
  TDragKind ListBoxDragKind() const;
  void SetListBoxDragKind(TDragKind Value);
  TCursor ListBoxDragCursor() const;
  void SetListBoxDragCursor(TCursor Value);
  /// The inner list's drag events, kept there: Sender is the inner list.
  const TNotifyEvent& OnListBoxStartDrag() const;
  void SetOnListBoxStartDrag(TNotifyEvent Value);
  const TDragOverEvent& OnListBoxDragOver() const;
  void SetOnListBoxDragOver(TDragOverEvent Value);
  const TDragDropEvent& OnListBoxDragDrop() const;
  void SetOnListBoxDragDrop(TDragDropEvent Value);
  const TEndDragEvent& OnListBoxEndDrag() const;
  void SetOnListBoxEndDrag(TEndDragEvent Value);
  /// The inner list's canvas, where its rows are drawn.
  TCanvas* ListBoxCanvas() const;

  // ---- Look ----
  bool ShowCaptionButtons() const { return FShowCaptionButtons; }
  void SetShowCaptionButtons(bool Value);
  /// Tab stops in pixels, one number a line (a line with anything but digits counts as 0).
  TStrings* TabWidths() const { return FTabWidths.get(); }
  void SetTabWidths(TStrings* Value);
  bool UseSkinItemHeight() const { return FUseSkinItemHeight; }
  void SetUseSkinItemHeight(bool Value) { FUseSkinItemHeight = Value; }
  bool HorizontalExtent() const { return FHorizontalExtent; }
  void SetHorizontalExtent(bool Value);
  /// When not 0 the height fits that many rows (CalcHeight).
  int RowCount() const { return FRowCount; }
  void SetRowCount(int Value);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  /// -1: each item shows the image of its own index.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  int DefaultItemHeight() const { return FDefaultItemHeight; }
  void SetDefaultItemHeight(int Value);
  int DefaultCaptionHeight() const { return FDefaultCaptionHeight; }
  void SetDefaultCaptionHeight(int Value);
  TFont* DefaultCaptionFont() const { return FDefaultCaptionFont.get(); }
  void SetDefaultCaptionFont(TFont* Value);
  bool CaptionMode() const { return FCaptionMode; }
  void SetCaptionMode(bool Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  /// The caption's glyph, NumGlyphs cells wide (cell 2 while disabled), Spacing pixels before the text.
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* Value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);

  /// The height showing AItemsCount rows with the frame, the caption and a horizontal bar.
  int CalcHeight(int AItemsCount);
  /// Synchronises the skinned bars with the inner list (see the file comment).
  void UpDateScrollBar();

  void GetSkinData() override;
  void ChangeSkinData() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TNotifyEvent OnUpButtonClick;
  TNotifyEvent OnDownButtonClick;
  TNotifyEvent OnCheckButtonClick;
  TNotifyEvent OnListBoxClick;
  TNotifyEvent OnListBoxDblClick;
  TMouseEvent OnListBoxMouseDown;
  TMouseMoveEvent OnListBoxMouseMove;
  TMouseEvent OnListBoxMouseUp;
  TKeyEvent OnListBoxKeyDown;
  TKeyEvent OnListBoxKeyUp;
  TKeyPressEvent OnListBoxKeyPress;
  TskDrawSkinItemEvent OnDrawItem;

  /// The skinned bars (owned; null while not needed) and the inner list.
  TskSkinScrollBar* ScrollBar { nullptr };
  TskSkinScrollBar* HScrollBar { nullptr };
  TskListBox* ListBox { nullptr };

  // From the record (see the skin model's list-box record); item rectangles are pictures' rectangles,
  // button and caption rectangles relative to SkinRect, ItemTextRect relative to SItemRect.
  String FontName { "Tahoma" };
  TFontStyles FontStyle;
  int FontHeight { 13 };
  TRect SItemRect;
  TRect ActiveItemRect;
  TRect FocusItemRect;
  int ItemLeftOffset { 0 };
  int ItemRightOffset { 0 };
  TRect ItemTextRect;
  TColor FontColor { clBlack };
  TColor ActiveFontColor { clBlack };
  TColor FocusFontColor { clBlack };
  TRect CaptionRect;
  String CaptionFontName { "Tahoma" };
  TFontStyles CaptionFontStyle;
  int CaptionFontHeight { 13 };
  TColor CaptionFontColor { clBlack };
  TRect UpButtonRect;
  TRect ActiveUpButtonRect;
  TRect DownUpButtonRect;
  TRect DownButtonRect;
  TRect ActiveDownButtonRect;
  TRect DownDownButtonRect;
  TRect CheckButtonRect;
  TRect ActiveCheckButtonRect;
  TRect DownCheckButtonRect;
  String VScrollBarName;
  String HScrollBarName;
  String BothScrollBarName;
  bool ShowFocus { false };
  TRect ButtonsArea;
  TRect DisabledButtonsRect;

  // ---- What the inner list calls (descendants override) ----
  /// The width of item Index measured on Canvas.
  virtual int GetItemWidth(int Index, TCanvas* Canvas);
  virtual void ListBoxMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void ListBoxMouseMove(TShiftState Shift, int X, int Y);
  virtual void ListBoxMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void ListBoxClick();
  virtual void ListBoxDblClick();
  virtual void ListBoxKeyDown(Word& Key, TShiftState Shift);
  virtual void ListBoxKeyUp(Word& Key, TShiftState Shift);
  virtual void ListBoxKeyPress(char32_t& Key);
  virtual void ListBoxEnter() {}
  virtual void ListBoxExit() {}
  /// Pre-filter of every message of the inner list; Handled false drops it.
  virtual void ListBoxWProc(TMessage& Message, bool& Handled);
  virtual void ListBoxCreateWnd() {}

protected:
  /// The caption and the caption buttons' places and the bounds of the bars and the inner list.
  void CalcRects();
  void ShowVScrollBar();
  void HideVScrollBar();
  void ShowHScrollBar();
  void HideHScrollBar();
  void VScrollBarChange(TObject* Sender);
  void HScrollBarChange(TObject* Sender);

  void CreateParams(TCreateParams& Params) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void DefaultFontChange() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Dispatch(TMessage& Message) override;

  /// The list area at the current size; the inner list's bounds.
  TRect NewClRect;
  TRect ListRect;
  TRect NewCaptionRect;
  /// 0 up, 1 down, 2 check.
  TskCBButtonX Buttons[3];

private:
  // ---- Caption (TskSkinListBoxCaption.cpp) ----
  void DrawDefaultCaption(TCanvas* C);
  void DrawGlyphAndText(TCanvas* C, const TRect& TextRect);
  void DrawButton(TCanvas* C, int I);
  /// With buttons hidden: covers the record's buttons on the picture (DX: width beyond the record's).
  void CoverCaptionButtons(TCanvas* C, int DX);
  /// Caption mode: the caption rectangle and the buttons for the current size.
  void PlaceSkinCaption(int DX, int DY);
  bool CaptionButtonsActive() const;
  void TestActive(int X, int Y);
  void ButtonDown(int I);
  void ButtonUp(int I);
  void ButtonEnter(int I);
  void ButtonLeave(int I);
  void StartRepeatTimer(UINT Elapse);
  void StopRepeatTimer();
  void Tick();
  /// Height of the caption without skin: DefaultCaptionHeight in caption mode, else 1.
  int DefaultCaptionSpace() const;

  void DefaultCaptionFontChanged(TObject* Sender);
  /// The page width the horizontal bar compares the widest item with.
  int HorizontalPage();

  bool FShowCaptionButtons { true };
  std::unique_ptr<TStrings> FTabWidths;
  bool FUseSkinItemHeight { true };
  bool FHorizontalExtent { false };
  bool FStopUpDateHScrollBar { false };
  int FRowCount { 0 };
  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs { 1 };
  int FSpacing { 2 };
  TCustomImageList* FImages { nullptr };
  int FImageIndex { -1 };
  int FDefaultItemHeight { 20 };
  int FDefaultCaptionHeight { 20 };
  std::unique_ptr<TFont> FDefaultCaptionFont;
  bool FCaptionMode { false };
  TAlignment FAlignment { taLeftJustify };
  int OldActiveButton { -1 };
  int ActiveButton { -1 };
  int CaptureButton { -1 };
  /// 0 none, 1 repeat up, 2 repeat down.
  int TimerMode { 0 };
  bool WaitMode { false };
  bool FUpdatingBars { false };
};
