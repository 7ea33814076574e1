#pragma once
// A skinned container whose children may be larger than it: two skinned scroll bars placed beside it
// (VScrollBar, HScrollBar) scroll the children. The box shows a bar while its visible children reach
// beyond its client area and hides it when they fit, moving them back into view; it ranges the bars from
// the children's extent (Max = extent - 1 from the top, PageSize = the client size). When the box grows
// while scrolled and its content then ends inside it, the content moves back by the growth (at most by
// the position), once.
//
// Frame (non-client area): the record "scrollbox" composed around the client area, none when the record
// has a background picture or BorderStyle is bvNone; without a record a one-pixel frame by BorderStyle.
// Background: the record's client part or background picture, tiled or stretched by StretchType; the
// box's Color without a record. The background is painted straight to the screen, not buffered.
#include "skin/controls/TskSkinCustomControl.h"
#include "skin/controls/TskSkinPanel.h"

class TskSkinScrollBar;

/// The skinned scroll box; see the file comment.
class TskSkinScrollBox : public TskSkinCustomControl {
public:
  explicit TskSkinScrollBox(TComponent* AOwner);

  TskSkinScrollBar* VScrollBar() const { return FVScrollBar; }
  /// Adopts the bar (kept unfocusable and enabled, hidden until needed) and ranges it.
  void SetVScrollBar(TskSkinScrollBar* Value);
  TskSkinScrollBar* HScrollBar() const { return FHScrollBar; }
  void SetHScrollBar(TskSkinScrollBar* Value);
  TskSkinBorderStyle BorderStyle() const { return FBorderStyle; }
  /// The window is made again with the new frame.
  void SetBorderStyle(TskSkinBorderStyle Value);
  /// A left click gives the box the focus.
  bool CanFocused() const { return FCanFocused; }
  void SetCanFocused(bool Value) { FCanFocused = Value; }

  /// Ranges both bars from the children again.
  void UpDateScrollRange();
  void GetVRange() { GetRange(true); }
  void GetHRange() { GetRange(false); }
  /// Scrolls to APosition (within what the bar allows) with a page-sized bar; the children move once.
  void VScroll(int APosition);
  void HScroll(int APosition);
  /// Scrolls just enough for the direct child C to show (its top-left corner when it is larger than the
  /// box); nothing for any other control.
  void ScrollToControl(TControl* C);

  void GetSkinData() override;
  /// Also makes the window again (the frame follows) and lets the parent place the bars again.
  void ChangeSkinData() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  /// The record's background picture; -1: the client part of the record's own picture.
  int BGPictureIndex { -1 };

protected:
  void CreateParams(TCreateParams& Params) override;
  void AdjustClientRect(TRect& Rect) override;
  void Paint() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;

private:
  TskSkinScrollBar* Bar(bool Vertical) const { return Vertical ? FVScrollBar : FHScrollBar; }
  void AdoptBar(TskSkinScrollBar*& Field, TskSkinScrollBar* Value, bool Vertical);
  /// Ranges one bar from the children; see the file comment.
  void GetRange(bool Vertical);
  /// Shows or hides a bar and lets an aligned box's parent and the box lay out again.
  void ShowBar(TskSkinScrollBar* ABar, bool Show);
  /// Moves the children by Delta against the axis (a positive delta scrolls toward the end).
  void Scroll(bool Vertical, int Delta);
  void BarChange(bool Vertical);
  int& OldPos(bool Vertical) { return Vertical ? FOldVScrollBarPos : FOldHScrollBarPos; }
  int& SizeOffset(bool Vertical) { return Vertical ? FVSizeOffset : FHSizeOffset; }
  bool HasFrame() const;
  void PaintNCFrame(HDC DC);
  void PaintBuiltInFrame(HDC DC);
  void TileBackground(TBitmap* Tile, const TRect& Source);

  bool FClicksDisabled { false };
  bool FCanFocused { false };
  bool FInCheckScrollBars { false };
  TskSkinScrollBar* FVScrollBar { nullptr };
  TskSkinScrollBar* FHScrollBar { nullptr };
  int FOldVScrollBarPos { 0 };
  int FOldHScrollBarPos { 0 };
  int FVSizeOffset { 0 };
  int FHSizeOffset { 0 };
  TskSkinBorderStyle FBorderStyle { TskSkinBorderStyle::bvFrame };
};
