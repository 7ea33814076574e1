#pragma once
// The skinned tool bar: a panel holding a row of speed buttons and other controls. It centres its
// children vertically (AdjustControls), hands its image lists, flat style, captions and skin model to its
// speed buttons, and with CanScroll scrolls a row wider than the bar: two 12-pixel scroll buttons appear
// in its non-client area (hit codes 119 and 120) and move the children by ScrollOffset, on a press, while
// held (window timer 1, ScrollTimerInterval ms) or, with HotScroll, while the pointer rests on them. Timer
// 2 (100 ms) notices the pointer leaving the bar.
#include "skin/controls/TskSkinPanel.h"

class TskDataSkinButtonControl;

/// The skinned tool bar; see the file comment.
class TskSkinToolBar : public TskSkinPanel {
public:
  explicit TskSkinToolBar(TComponent* AOwner);

  bool AdjustControls() const { return FAdjustControls; }
  void SetAdjustControls(bool Value) { FAdjustControls = Value; }
  bool CanScroll() const { return FCanScroll; }
  void SetCanScroll(bool Value) { FCanScroll = Value; }
  bool HotScroll() const { return FHotScroll; }
  void SetHotScroll(bool Value) { FHotScroll = Value; }
  /// The scroll step in pixels; 0: one client width. Negative values are ignored.
  int ScrollOffset() const { return FScrollOffset; }
  void SetScrollOffset(int Value);
  /// The repeat interval in milliseconds; values of 0 or less are ignored.
  int ScrollTimerInterval() const { return FScrollTimerInterval; }
  void SetScrollTimerInterval(int Value);
  TCustomImageList* Images() const { return FImages; }
  /// Repaints the speed buttons, which draw their images from it.
  void SetImages(TCustomImageList* Value);
  TCustomImageList* HotImages() const { return FHotImages; }
  void SetHotImages(TCustomImageList* Value);
  TCustomImageList* DisabledImages() const { return FDisabledImages; }
  void SetDisabledImages(TCustomImageList* Value);
  bool Flat() const { return FFlat; }
  /// Also sets Flat of every speed button on the bar.
  void SetFlat(bool Value);
  bool AutoShowHideCaptions() const { return FAutoShowHideCaptions; }
  void SetAutoShowHideCaptions(bool Value) { FAutoShowHideCaptions = Value; }
  bool ShowCaptions() const { return FShowCaptions; }
  /// On a change: with AutoShowHideCaptions the speed buttons follow; with both widths set the bar takes
  /// the matching one.
  void SetShowCaptions(bool Value);
  int WidthWithCaptions() const { return FWidthWithCaptions; }
  void SetWidthWithCaptions(int Value) { FWidthWithCaptions = Value; }
  int WidthWithoutCaptions() const { return FWidthWithoutCaptions; }
  void SetWidthWithoutCaptions(int Value) { FWidthWithoutCaptions = Value; }

  /// Whether the scroll buttons show (both or neither).
  bool ScrollButtonsVisible() const { return Buttons[0].Visible; }
  /// The scrolled distance in pixels (0: not scrolled).
  int ScrollPosition() const { return SPosition; }

  /// Also hands the model to the speed buttons and bevels on the bar.
  void SetSkinData(TskSkinData* Value) override;
  /// Also finds the skin's "resizebutton" record for the scroll buttons.
  void GetSkinData() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  /// The hit codes of the left and right scroll button.
  static constexpr int HTLEFTSCROLL = 119;
  static constexpr int HTRIGHTSCROLL = 120;
  /// The scroll buttons' width.
  static constexpr int ScrollButtonWidth = 12;

protected:
  void AdjustClientRect(TRect& Rect) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;

private:
  struct TScrollButton {
    TRect R;
    bool MouseIn { false };
    bool Down { false };
    bool Visible { false };
  };

  void CentreChildren();
  void UpdateScroll();
  void ScrollStep(bool Left);
  void MoveChildren(int DX);
  void SetScrollButtonsVisible(bool Value);
  void DrawScrollButtons();
  void DrawScrollButton(TCanvas* C, int Index);
  void StartScrollTimer(int Mode);
  void StopScrollTimer();
  void MouseLeft();
  /// The scroll button under a hit code: 0, 1, or -1.
  static int ButtonOf(WPARAM HitCode);
  template <class F> void ForSpeedButtons(F Do);

  bool FAdjustControls { true };
  bool FMouseIn { false };
  bool FCanScroll { false };
  bool FHotScroll { false };
  int TimerMode { 0 };
  int SMax { 0 };
  int SPosition { 0 };
  int SPage { 0 };
  int SOldPosition { 0 };
  int FHSizeOffset { 0 };
  int FScrollOffset { 0 };
  int FScrollTimerInterval { 50 };
  TScrollButton Buttons[2];
  TskDataSkinButtonControl* ButtonData { nullptr };
  TCustomImageList* FImages { nullptr };
  TCustomImageList* FDisabledImages { nullptr };
  TCustomImageList* FHotImages { nullptr };
  bool FFlat { false };
  bool FAutoShowHideCaptions { false };
  bool FShowCaptions { false };
  int FWidthWithCaptions { 0 };
  int FWidthWithoutCaptions { 0 };
};
