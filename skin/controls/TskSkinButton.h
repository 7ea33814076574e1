#pragma once
// The windowed, focusable push button of the skinned windows (state model and image: TskSkinButtonBase.h).
//
// Events. A plain left click raises OnMouseDown, OnClick, OnMouseUp; a press dragged off and released
// outside gives no OnClick (dragging back in before the release does). A checked button clicks at the
// press that puts it down and at the release that raises it; a group button at the press. A right or
// middle press raises OnMouseDown only. A press on an unfocused button first takes the focus; a refused
// focus drops the press. Every click first writes ModalResult to the topmost form while CanFocused.
//
// Keys (only while CanFocused): Space puts the button down and clicks at its release (a repeat button
// also at every key-down); Enter clicks. The dialog's Enter clicks the focused skinned button, or the
// Default button while a control of another kind has the focus (the default button is lit exactly then);
// Escape clicks a Cancel button when no Shift, Ctrl or Alt is held; the caption's accelerator focuses and
// clicks.
//
// Looks: the record ("button") by state: disabled, pressed, focused, hot (or the lit transition), normal,
// with the 20 ms hover transition between normal and hot; or, without a record, a flat built-in face.
// Entering shows the record's glow frame around the button (posted, so after the current message) where
// the platform layers windows; leaving hides it.
#include <memory>

#include "platform/ui/toolkit/FormTypes.h"
#include "skin/controls/TskSkinButtonBase.h"

class TskLayerManager;

/// A skinned push button; see the file comment.
class TskSkinButton : public TskSkinButtonBase<TskSkinCustomControl> {
public:
  explicit TskSkinButton(TComponent* AOwner);
  ~TskSkinButton() override;

  /// Non-zero removes the button from the tab order (CanFocused off); 0 does not put it back.
  void SetGroupIndex(int Value) override;
  bool CanFocused() const { return FCanFocused; }
  /// Also sets TabStop.
  void SetCanFocused(bool Value);
  bool Default() const { return FDefault; }
  /// Every button of the form works out again whether it answers Enter.
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  /// In the normal state show what lies behind the button instead of the record's image.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  /// Show the glow frame even when the model's ShowButtonGlowFrames is off.
  bool AlwaysShowLayeredFrame() const { return FAlwaysShowGlowFrame; }
  void SetAlwaysShowLayeredFrame(bool Value) { FAlwaysShowGlowFrame = Value; }

  /// Writes ModalResult to the topmost form (while CanFocused), then clicks.
  void ButtonClick() override;
  /// Shows the record's glow picture around the button (see the file comment); nothing when glow frames
  /// are off, the record names no usable glow picture and mask, the platform cannot layer windows, or the
  /// record's resize mode has no glow rule.
  void ShowLayer();
  /// Hides the glow frame under the conditions ShowLayer shows it.
  void HideLayer();

  void GetSkinData() override;
  void ChangeSkinData() override;
  void BeforeChangeSkinData() override;

  // From the record.
  TRect FocusedSkinRect;
  bool ShowFocus { false };
  int GlowLayerPictureIndex { -1 };
  int GlowLayerMaskPictureIndex { -1 };
  int GlowLayerOffsetLeft { 0 };
  int GlowLayerOffsetRight { 0 };
  int GlowLayerOffsetTop { 0 };
  int GlowLayerOffsetBottom { 0 };
  int GlowLayerShowOffsetX { 0 };
  int GlowLayerShowOffsetY { 0 };
  int GlowLayerAlphaBlendValue { 255 };
  /// Set by the form frame on its form's active button while the form fades in: the next transition step
  /// ends lit at once.
  bool FStopAnimate { false };

protected:
  bool IsFocused() override { return FCanFocused && Focused(); }
  void MorphTick() override;
  void ReadButtonRecord(const TskDataSkinButtonControl& R) override;
  bool ShowsParent(bool ADown, bool AMouseIn) override { return FTransparent && !ADown && !AMouseIn; }
  void DrawParentImage(TBitmap* B) override;
  void DrawFocusMark(TCanvas* C, const TRect& R) override;
  void DrawContent(TCanvas* C, const TRect& R, bool ADown, bool AMouseIn) override;
  void Paint() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CheckParentBackground() override;
  void CreateWnd() override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Dispatch(TMessage& Message) override;

  /// Pressed by the pointer (or held down) in the look: down and hot, focused while not held by the
  /// mouse, or a group button.
  bool DrawnDown();
  /// The focus window's own handling of a message while CanFocused; true when it was taken.
  virtual bool FocusMessage(TMessage& Message);

  /// The forced pressed look of an application button whose menu is open; it also stops the focus
  /// animations.
  bool FDownState { false };
  /// Space and Enter key-downs press and click (the menu button turns them off).
  bool FSpaceSupport { true };
  std::unique_ptr<TskLayerManager> FLayerManager;

private:
  /// Whether the glow rules can show a layer now (model, switches, pictures, layering, resize mode).
  bool CanShowLayer();
  void MouseEnter(TMessage& Message);
  void MouseLeave(TMessage& Message);
  void FocusChanged(TMessage& Message);
  bool DialogKey(TMessage& Message);

  bool FTransparent { false };
  bool FAlwaysShowGlowFrame { false };
  bool FActive { false };
  bool FDefault { false };
  bool FCancel { false };
  TModalResult FModalResult { mrNone };
  bool FClicksDisabled { false };
  bool FCanFocused { true };
};
