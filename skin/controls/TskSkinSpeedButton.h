#pragma once
// The windowless tool button of the skinned windows (state model and image: TskSkinButtonBase.h). It never
// takes the focus and has no default, cancel, modal result or glow frame.
//
// Events. A plain left click raises OnMouseDown, OnMouseUp, OnClick (the release's OnMouseUp comes before
// the click); checked, group and repeat modes click as the push button's. The caption's accelerator
// clicks.
//
// Image: the images menu's selected item when one is shown; else, with an empty glyph on a skinned tool
// bar, ImageIndex of the bar's lists: DisabledImages drawn undimmed while disabled, HotImages while hot or
// pressed, else Images; else the glyph, or ImageIndex of ImageList with an empty glyph.
//
// Looks: the record ("toolbutton") by state: pressed (also while a menu it opened is open), hot (or the
// lit transition), normal or disabled, with the 20 ms hover transition; or, without a record, a flat
// built-in face. Transparent is the absence of the opaque style: the parent shows behind the button and
// only caption and image are drawn at rest. A Flat button is transparent until the pointer is over it or
// it is down.
#include "skin/controls/TskSkinButtonBase.h"

class TskSkinToolBar;

/// A skinned speed button; see the file comment.
class TskSkinSpeedButton : public TskSkinButtonBase<TskGraphicSkinCustomControl> {
public:
  explicit TskSkinSpeedButton(TComponent* AOwner);

  /// The parent shows behind the button at rest (the opaque style is off); repaints.
  bool Transparent() const { return !ControlStyle().Contains(csOpaque); }
  void SetTransparent(bool Value);
  /// SetTransparent without the repaint.
  virtual void SetTransparentNoRedraw(bool Value);
  /// Transparent until hot or down.
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  /// Draw the caption; with both widths set the button takes the width that matches.
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value);
  int WidthWithCaption() const { return FWidthWithCaption; }
  void SetWidthWithCaption(int Value) { FWidthWithCaption = Value; }
  int WidthWithoutCaption() const { return FWidthWithoutCaption; }
  void SetWidthWithoutCaption(int Value) { FWidthWithoutCaption = Value; }

  void ChangeSkinData() override;

protected:
  void Loaded() override;
  bool CanAnimate() const override;
  void DoMorph() override;
  void DownChanged() override;
  void ReadButtonRecord(const TskDataSkinButtonControl& R) override;
  void DrawContent(TCanvas* C, const TRect& R, bool ADown, bool AMouseIn) override;
  void Paint() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Dispatch(TMessage& Message) override;

  /// Pressed in the look: down and hot, or a down group button.
  bool DrawnDown() const;
  /// The caption text: Caption, or nothing with ShowCaption off.
  String ShownCaption();
  /// The transparent look's font: the record's (UseSkinFont) or DefaultFont's, in the skin's button text
  /// colour (its shadow colour when disabled) or DefaultFont's colour.
  void SelectTransparentFont(TCanvas* C);
  /// The image of the record's rectangle R in the state, drawn over the whole button.
  void PaintImage(const TRect& R, bool ADown, bool AMouseIn);
  /// The built-in face over the whole button.
  void PaintDefaultImage();
  /// A built-in face in R: the outline and fill of Down or Hot; else a darkened clBtnFace outline round
  /// clBtnFace, or for a Flat button only the clBtnFace fill when FlatFill.
  void DrawDefaultFace(TCanvas* C, const TRect& R, bool Hot, bool Down, bool FlatFill);

  /// A marker bar in FColorMarkerValue under the content.
  bool FDrawColorMarker { false };
  TColor FColorMarkerValue { 0 };

private:
  /// Image ImageIndex and Text in R from the tool bar's list for the state (Lit: hot or pressed).
  void DrawToolBarImage(TCanvas* C, const TRect& R, const String& Text, const TskSkinToolBar& Bar, bool Lit);
  void MouseEnter(TMessage& Message);
  void MouseLeave(TMessage& Message);

  bool FStopDraw { false };
  bool FFlat { false };
  bool FShowCaption { true };
  int FWidthWithCaption { 0 };
  int FWidthWithoutCaption { 0 };
};
