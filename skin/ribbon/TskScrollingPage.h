#pragma once
// What the ribbon's pages and the application menu's pages share: a windowed container of the user's
// controls that scrolls them along one axis (across for the ribbon, down for the menu) when they reach
// beyond its client area.
//
// Scroll buttons. While the visible children overflow, two 12-pixel scroll buttons take strips of the
// non-client area at both ends of the axis (hit codes 119 and 120, answered as HTCLIENT for the cursor);
// both always show together. A click scrolls one step (ScrollOffset, 0: one client extent) at its
// release; holding a button steps every ScrollTimerInterval ms on window timer 1, and with HotScroll
// resting on a button does the same. Timer 2 polls every 100 ms whether the pointer left the window.
// Showing or hiding the buttons makes the window again; the focused control inside gets the focus back.
//
// Range. The content extent is the largest far edge of the visible children; a range update keeps the
// children in place while they overflow, closes a gap that opens at the far end when the page grows or
// the content shrinks while scrolled, and puts them back to their unscrolled places once everything fits.
// The buttons draw from the owner's skin model (record "resizetoolbutton") while the owner has a record
// of its own, else in the built-in look.
#include "platform/ui/toolkit/TCustomControl.h"

class TCanvas;
class TskSkinControl;

/// A scrolling page container; see the file comment.
class TskScrollingPage : public TCustomControl {
public:
  /// A container scrolling down (Vertical) or across; created 150 x 30.
  TskScrollingPage(TComponent* AOwner, bool Vertical);
  ~TskScrollingPage() override;

  bool CanScroll() const { return FCanScroll; }
  void SetCanScroll(bool Value) { FCanScroll = Value; }
  /// Resting on a scroll button scrolls, and the button shows its pressed look.
  bool HotScroll() const { return FHotScroll; }
  void SetHotScroll(bool Value) { FHotScroll = Value; }
  /// Pixels per step; 0: one client extent. Negative values are ignored.
  int ScrollOffset() const { return FScrollOffset; }
  void SetScrollOffset(int Value);
  /// Milliseconds between steps while a button is held or hot; values below 1 are ignored.
  int ScrollTimerInterval() const { return FScrollTimerInterval; }
  void SetScrollTimerInterval(int Value);
  /// How far the children are shifted toward the start. Writing another value stores it and updates the
  /// range; the children are not moved by the write.
  int Position() const { return SPosition; }
  void SetPosition(int Value);
  /// Whether the scroll buttons show (both or neither).
  bool ScrollButtonsVisible() const { return Buttons[0].Visible; }

  /// Updates the scroll range when scrolling is on (see RangeUpdatesAllowed).
  void GetScrollInfo();
  /// Applies the current bounds again, so a page snaps to its owner's page area.
  void UpDateSize();
  /// Also records how far the page grew along its axis and updates the range.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  /// The hit codes of the scroll button at the start (left or top) and at the end (right or bottom).
  static constexpr int HTSCROLLSTART = 119;
  static constexpr int HTSCROLLEND = 120;
  /// The thickness of a scroll button's strip.
  static constexpr int ScrollButtonSize = 12;

protected:
  /// The skinned control whose model and record the page draws from; null: the built-in look.
  virtual TskSkinControl* SkinOwner() const = 0;
  /// Whether range updates run now; CanScroll here.
  virtual bool RangeUpdatesAllowed() const { return FCanScroll; }
  /// Moves the children Delta pixels toward the start.
  virtual void ScrollControls(int Delta);
  /// Whether the buttons' rectangles follow a size change; CanScroll here.
  virtual bool LaysOutButtons() const { return FCanScroll; }

  /// With CanScroll the children are laid out in the scrolled content rectangle.
  void AdjustClientRect(TRect& Rect) override;
  void Paint() override {}
  void WndProc(TMessage& Message) override;

private:
  struct TScrollButton {
    TRect R;
    bool MouseIn { false };
    bool Down { false };
    bool Visible { false };
  };

  void UpdateScrollRange();
  void ShowScrollButtons(bool Value);
  void ScrollStep(bool TowardStart);
  void StartScroll(int Mode);
  void StopScroll();
  void MouseLeft();
  void DrawScrollButtons();
  void DrawScrollButton(TCanvas* Canvas, int Index);
  /// Answers WM_SKINPRINTNC and WM_SKINPRINTNCEX by drawing the shown buttons into the DC.
  bool PrintScrollButtons(HDC DC);
  /// Whether the message is one of the scroll mechanism's and was taken.
  bool ScrollMessage(TMessage& Message);

  int ChildExtent(const TControl* Child) const;
  int ClientExtent();
  static int ButtonOf(WPARAM HitCode);

  const bool FVertical;
  bool FCanScroll { true };
  bool FHotScroll { false };
  bool FMouseIn { false };
  int FScrollOffset { 0 };
  int FScrollTimerInterval { 50 };
  int TimerMode { 0 };
  int SMax { 0 };
  int SPosition { 0 };
  int SPage { 0 };
  int SOldPosition { 0 };
  /// How much the page grew along its axis in the last SetBounds.
  int FSizeOffset { 0 };
  TScrollButton Buttons[2];
  /// The window is being made again for the buttons: the range waits.
  bool FRecreating { false };
};
