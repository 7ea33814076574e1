#pragma once
// The skinned slider: a thumb moving along a ruler between MinValue and MaxValue, horizontal or vertical,
// with tick points beside the ruler. Ruler and thumb come from the "slider" record, else from four bitmaps
// the user may replace (by default the program's own pictures, DefaultSliderImage), and the thumb also
// from an image list. Elements sit 6 pixels from the edges; the ruler's fixed ends are EdgeSize long and
// its middle is repeated.
//
// Value. Code clamps Value into the range and raises OnChange when it changes. The user drags the thumb
// (OnChange per new value, OnChanged at the release), presses the ruler beside the thumb (a jump at the
// press and every 400 ms on window timer 1 while the pointer stays on that side; OnChanged at the
// release), or uses Home, End and the arrows (a jump, then OnChanged always). Without soSmooth a dragged
// value snaps to the Increment grid; a value set by code keeps its value while the thumb shows the
// nearest grid position. Rounding is half to even. A zero range or a zero track maps every value to the
// start and every position to MinValue.
#include <array>
#include <memory>

#include "platform/base/TSet.h"
#include "skin/controls/TskSkinControl.h"

class TBitmap;
class TCanvas;
class TCustomImageList;

enum TskSliderImage { siHThumb, siHRuler, siVThumb, siVRuler };
enum TskSliderOrientation { soHorizontal, soVertical };
enum TskSliderOption { soShowFocus, soShowPoints, soSmooth, soRulerOpaque, soThumbOpaque };
using TskSliderOptions = TSet<TskSliderOption>;
using TskSliderImages = TSet<TskSliderImage>;
enum TskJumpMode { jmNone, jmHome, jmEnd, jmNext, jmPrior };

/// The program's own picture for slider bitmap Image (in the converter's style): horizontal thumb 10 x 15
/// and vertical thumb 31 x 7 with two states side by side, rulers 10 x 7 and 7 x 10; the bottom-left pixel
/// is the transparent colour.
void DefaultSliderImage(TskSliderImage Image, TBitmap* B);

/// The skinned slider; see the file comment.
class TskSkinCustomSlider : public TskSkinControl {
public:
  explicit TskSkinCustomSlider(TComponent* AOwner);
  ~TskSkinCustomSlider() override;

  int Value() const { return FValue; }
  /// Clamped into the range; OnChange when the value changes.
  void SetValue(int Value);
  int MinValue() const { return FMinValue; }
  void SetMinValue(int Value);
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int Value);
  /// Ignored unless Max > Min; Increment shrinks to Max - Min when larger.
  void SetRange(int Min, int Max);
  int Increment() const { return FIncrement; }
  /// Values of 0 or less are ignored.
  void SetIncrement(int Value);
  TskSliderOrientation Orientation() const { return FOrientation; }
  /// Also exchanges width and height.
  void SetOrientation(TskSliderOrientation Value);
  TskSliderOptions Options() const { return FOptions; }
  void SetOptions(TskSliderOptions Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  int EdgeSize() const { return FEdgeSize; }
  /// Refused unless twice the value is below the ruler bitmap's length.
  void SetEdgeSize(int Value);
  int NumThumbStates() const { return FNumThumbStates; }
  void SetNumThumbStates(int Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  bool UseSkinThumb() const { return FUseSkinThumb; }
  void SetUseSkinThumb(bool Value);
  TCustomImageList* ThumbImageList() const { return FThumbImageList; }
  void SetThumbImageList(TCustomImageList* Value);
  void SetThumbImageIndex(int Value) { FThumbImageIndex = Value; }
  void SetThumbActiveImageIndex(int Value) { FThumbActiveImageIndex = Value; }
  /// Bitmap Image (the user's, or the program's picture).
  TBitmap* Image(TskSliderImage Image) const { return FImages[Image].get(); }
  /// A copy of Value becomes bitmap Image and joins UserImages; null brings back the program's picture,
  /// leaves UserImages and, unless the slider is being read, drops the matching opaque option.
  void SetImage(TskSliderImage Image, TBitmap* Value);
  /// The bitmaps the user replaced: the stored "UserImages". A form builder that reads pictures straight
  /// into Image(...) sets it while loading, and Loaded makes those bitmaps the slider's again.
  TskSliderImages UserImages() const { return FUserImages; }
  void SetUserImages(TskSliderImages Value) { FUserImages = Value; }

  /// Moves to MinValue, MaxValue or the next or prior multiple of Increment (clamped into the range).
  void JumpTo(TskJumpMode Mode);

  /// Also copies the record's ruler and thumb pieces and colours.
  void GetSkinData() override;
  void ChangeSkinData() override;

  const TRect& ThumbRect() const { return FThumbRect; }
  const TPoint& RulerOrg() const { return FRulerOrg; }
  const TRect& PointsRect() const { return FPointsRect; }
  TBitmap* Ruler() const { return FRuler.get(); }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanged;
  /// Replaces the default tick points.
  TNotifyEvent OnDrawPoints;

  TRect HRulerRect;
  TRect HThumbRect;
  TRect VRulerRect;
  TRect VThumbRect;
  int SkinEdgeSize { 0 };
  TColor BGColor { 0 };
  TColor PointsColor { 0 };
  /// The record's picture, borrowed; null without one.
  TBitmap* Picture { nullptr };

protected:
  virtual bool CanModify() { return true; }
  virtual int GetSliderValue() { return FValue; }
  /// Rebuilds the ruler and places ruler, thumb and points for the current size.
  virtual void AdjustElements();
  virtual void RangeChanged() {}
  virtual void ThumbMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void ThumbMouseMove(TShiftState Shift, int X, int Y);
  virtual void ThumbMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  /// Ticks every PointsStep values (thinned to at least 4 pixels apart), the ends ExtremePointsHeight
  /// long, the others PointsHeight.
  virtual void DefaultDrawPoints(int PointsStep, int PointsHeight, int ExtremePointsHeight);
  virtual void Change();
  virtual void Changed();

  /// Takes every user image again (transparent by its bottom-left colour) and rebuilds.
  void Loaded() override;
  void Paint() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;
  void CheckParentBackground() override;

private:
  enum class TThumbSource { Skin, List, Bitmap };
  TThumbSource ThumbSource() const;
  /// Whole width and height of the horizontal (or vertical) thumb source, and its number of states.
  TSize ThumbSize(bool Vertical) const;
  int ThumbStates() const;
  bool Vertical() const { return FOrientation == soVertical; }
  /// Bitmap Image as a user image: transparent by its bottom-left colour and in UserImages.
  void UseAsUserImage(TskSliderImage Image);
  void BuildRuler();
  void BuildBitmapRuler(int L);
  int TrackLength() const;
  int VerticalThumbHeight() const;
  int ValueToPos(int V) const;
  int PosToValue(int P) const;
  int PlacedPos(int P) const;
  void ThumbMove(int P);
  TskJumpMode JumpModeAt(TPoint P) const;
  void JumpStep();
  void StopJumping();
  void DrawThumb(TCanvas* C, TPoint P);
  void PaintBuffered(TMessage& Message);

  TCustomImageList* FThumbImageList { nullptr };
  int FThumbImageIndex { 0 };
  int FThumbActiveImageIndex { 1 };
  bool FUseSkinThumb { true };
  bool FTransparent { false };
  TskSliderImages FUserImages;
  std::array<std::unique_ptr<TBitmap>, 4> FImages;
  int FEdgeSize { 2 };
  std::unique_ptr<TBitmap> FRuler;
  bool FPaintBuffered { false };
  TPoint FRulerOrg;
  TRect FThumbRect;
  bool FThumbDown { false };
  int FNumThumbStates { 2 };
  TRect FPointsRect;
  TskSliderOrientation FOrientation { soHorizontal };
  TskSliderOptions FOptions { soShowFocus, soShowPoints, soSmooth };
  int FMinValue { 0 };
  int FMaxValue { 100 };
  int FIncrement { 10 };
  int FValue { 0 };
  int FHit { 0 };
  bool FFocused { false };
  bool FSliding { false };
  bool FTracking { false };
  bool FTimerActive { false };
  TPoint FMousePos;
  TskJumpMode FStartJump { jmNone };
  bool FReadOnly { false };
  bool FCreating { true };
};

/// The slider forms place.
class TskSkinSlider : public TskSkinCustomSlider {
public:
  using TskSkinCustomSlider::TskSkinCustomSlider;
};
