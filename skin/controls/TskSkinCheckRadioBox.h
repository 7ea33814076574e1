#pragma once
// A check box, or a radio box when Radio is on, drawn by the skin library.
//
// States: unchecked, checked and grayed (reached by clicking only with AllowGrayed); Checked is true
// exactly when State is cbChecked. Setting Checked repaints, unchecks the checked boxes of the same parent
// and GroupIndex (check boxes too, in the parent's control order) and raises OnClick: a check box on every
// assignment, a radio box only when set true. Setting State raises OnClick always and touches no group.
// A left click toggles on the release over the box (a press dragged out and released outside does not);
// with CanFocused the box takes the focus on a click (a refused focus drops the click), toggles on the
// release of Space and on its accelerator.
//
// Looks: flat (the default; any size; the check image and caption over what lies behind the box, with an
// optional image and word wrap) or non-flat (the record's picture at the record's size rules with the check
// image and caption in the record's areas, and a 20 ms hover transition in steps of 0.2). Records
// "checkbox" and "radiobox" (kind "checkradio"); without one, a built-in framed box with a drawn mark.
#include <memory>

#include "platform/ui/toolkit/StdControlTypes.h"
#include "platform/ui/toolkit/TTimer.h"
#include "skin/controls/TskSkinCustomControl.h"

class TCanvas;

/// A skinned check or radio box; see the file comment.
class TskSkinCheckRadioBox : public TskSkinCustomControl {
public:
  explicit TskSkinCheckRadioBox(TComponent* AOwner);
  ~TskSkinCheckRadioBox() override;

  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState Value);
  bool Radio() const { return FRadio; }
  void SetRadio(bool Value);
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value);
  bool Flat() const { return FFLat; }
  void SetFlat(bool Value);
  bool WordWrap() const { return FWordWrap; }
  /// Wraps the caption in the flat look.
  void SetWordWrap(bool Value);
  TCustomImageList* Images() const { return FImages; }
  /// The list of the image shown before the caption in the flat look (removal is followed).
  void SetImages(TCustomImageList* Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  bool CanFocused() const { return FCanFocused; }
  /// Also sets TabStop.
  void SetCanFocused(bool Value);
  /// 0: no group; boxes of one parent with the same GroupIndex exclude each other.
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value) { FGroupIndex = Value; }
  /// In the skinned flat look take the text colour from the record (off: DefaultFont's colour).
  bool UseSkinFontColor() const { return FUseSkinFontColor; }
  void SetUseSkinFontColor(bool Value) { FUseSkinFontColor = Value; }

  /// A check box flips Checked; a radio box becomes checked (a checked one does nothing).
  virtual void Toggle();
  /// Draws the box into C at (X, Y) as it would look with Checked = AChecked, neither hot nor focused (the
  /// flat look keeps a hot check image); a non-flat box without a record draws nothing.
  void PaintSkinTo(TCanvas* C, int X, int Y, bool AChecked);

  void GetSkinData() override;
  void ChangeSkinData() override;

  // From the record.
  String FontName;
  TFontStyles FontStyle;
  int FontHeight { 0 };
  TColor FontColor { 0 };
  TColor ActiveFontColor { 0 };
  TColor FrameFontColor { 0 };
  TColor UnEnabledFontColor { 0 };
  TRect ActiveSkinRect;
  TRect CheckImageArea;
  TRect TextArea;
  TRect CheckImageRect;
  TRect UnCheckImageRect;
  TRect ActiveCheckImageRect;
  TRect ActiveUnCheckImageRect;
  TRect UnEnabledCheckImageRect;
  TRect UnEnabledUnCheckImageRect;
  bool Morphing { false };
  TskMorphKind MorphKind { mkDefault };
  TRect GrayedCheckImageRect;
  TRect ActiveGrayedCheckImageRect;

protected:
  /// Flat: the size stays as asked. Non-flat: the record's rules, then the check image's and caption's
  /// places for the size.
  void CalcSize(int& W, int& H) override;
  void CheckParentBackground() override;
  void Paint() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;

  /// Where the check image goes in the non-flat skinned look, and the caption's rectangle, for the size.
  TRect CIRect;
  TRect NewTextArea;
  /// The hover transition's progress: 0 normal, 1 hot.
  double FMorphKf { 0 };

private:
  bool IsFocused() { return FCanFocused && Focused(); }
  bool Hot() { return FMouseIn || IsFocused(); }
  bool ImageShown() const;
  bool CanMorphing() const;
  void DoMorph();
  void MorphTick();
  void UncheckGroup();
  void Clicked();
  /// The focus window's own handling of a message while CanFocused; true when it was taken.
  bool FocusMessage(TMessage& Message);

  /// The flat look with Checked = AChecked; ALive off leaves out the hot frame, the grayed mark and the
  /// focus dots of the look without a record.
  void PaintFlat(TBitmap* B, bool AChecked, bool ALive);
  /// The flat look's caption, image and focus dots, the caption starting TextLeft pixels in.
  void DrawFlatCaption(TCanvas* C, int TextLeft, int ImageGap, TColor TextColor, bool FocusDots);
  /// The built-in box: framed in the hot colour when AHot, the grayed mark when AGrayed, else the mark of
  /// AChecked.
  void DrawBuiltInBox(TCanvas* C, bool AChecked, bool AHot, bool AGrayed);
  void DrawSkinState(TBitmap* B, const TRect& R, bool AHot, bool AChecked, bool AMouseIn);
  /// The check image for AChecked (or grayed) in the enabled, hot (AMouseIn) or disabled look, at (X, Y).
  void DrawStateImage(TCanvas* C, int X, int Y, bool AChecked, bool AMouseIn);
  void DrawCheckImage(TCanvas* C, int X, int Y, const TRect& R);
  void DrawGrayedImage(TCanvas* C, int X, int Y, const TRect& R, bool AMouseIn);
  void SelectFont(TCanvas* C);

  bool FDown { false };
  bool FUseSkinFontColor { true };
  bool FWordWrap { false };
  bool FAllowGrayed { false };
  TCheckBoxState FState { cbUnchecked };
  TCustomImageList* FImages { nullptr };
  int FImageIndex { 0 };
  bool FFLat { true };
  bool FClicksDisabled { false };
  bool FCanFocused { true };
  bool FMouseIn { false };
  int FGroupIndex { 0 };
  bool FChecked { false };
  bool FRadio { false };
  /// Exists only while a hover transition runs.
  std::unique_ptr<TTimer> MorphTimer;
};
