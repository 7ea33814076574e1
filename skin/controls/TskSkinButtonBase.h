#pragma once
// What the windowed push button and the windowless speed button share (TBase is TskSkinCustomControl or
// TskGraphicSkinCustomControl): the state model, its timers and the composing of a skinned image.
//
// State. Down is the pressed state (held, checked or group-selected); hot (FMouseIn) the pointer over the
// button. GroupIndex 0 is a plain button, > 0 a member of the group of buttons of the same parent and
// GroupIndex of which one is down, -1 a toggle (CheckedMode). A plain button in RepeatMode clicks while
// held: first 500 ms + RepeatInterval after the press, then every RepeatInterval, and once at the release.
// Every click goes through ButtonClick: OnClick when assigned, else the linked action.
//
// Timers, each existing only while it runs: the hover transition (the factor between the normal image, 0,
// and the lit one, 1, in steps of 0.2 every 20 ms, ending exactly at 0 or 1), the frame animation
// (AnimateSkinRect's frames at the record's AnimateInterval: into the hot image on entering, out of the
// normal image on leaving) and the repeat.
//
// Image. CreateButtonImage draws a rectangle of the record's picture at the button's size (stretched
// whole when UseSkinSize is off), the caption in the state's colour and the content: the selected item of
// an images menu, an image of ImageList, or an image of the Glyph strip (1 normal, 2 disabled, 3 pressed,
// 4 hot).
#include <memory>
#include <optional>

#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/TTimer.h"
#include "skin/controls/IskSkinImagesMenu.h"
#include "skin/controls/TskGraphicSkinCustomControl.h"
#include "skin/controls/TskSkinCustomControl.h"
#include "skin/core/skGlyphText.h"

class TCanvas;
class TskDataSkinButtonControl;

/// The drawing hook of the buttons: runs on an image after its background, before caption and content;
/// DrawDefault := false leaves them out.
using TskButtonPaintEvent =
  std::function<void(TObject* Sender, TCanvas* Cnvs, TRect R, bool ADown, bool AMouseIn, bool& DrawDefault)>;

/// The push button's state model and image composing; see the file comment.
template <class TBase> class TskSkinButtonBase : public TBase {
public:
  explicit TskSkinButtonBase(TComponent* AOwner);
  ~TskSkinButtonBase() override;

  bool Down() const { return FDown; }
  /// Stores, moves the transition toward the state, repaints, and raises the other down buttons of the
  /// group (without events) unless AllowAllUp.
  void SetDown(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  virtual void SetGroupIndex(int Value) { FGroupIndex = Value; }
  bool CheckedMode() const { return FCheckedMode; }
  /// On: GroupIndex -1; off: GroupIndex 0 when it is -1.
  void SetCheckedMode(bool Value);
  /// A click on a down group or checked button raises it; the group's mutual release is off.
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  bool RepeatMode() const { return FRepeatMode; }
  void SetRepeatMode(bool Value) { FRepeatMode = Value; }
  int RepeatInterval() const { return FRepeatInterval; }
  void SetRepeatInterval(int Value) { FRepeatInterval = Value; }

  TBitmap* Glyph() const { return FGlyph.get(); }
  /// Copies the bitmap (a strip of NumGlyphs images) and repaints.
  void SetGlyph(TBitmap* Value);
  TskNumGlyphs NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(TskNumGlyphs Value);
  /// Distance of glyph and caption from the edge; -1 centres them. Values below -1 are ignored.
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  TskButtonLayout Layout() const { return FLayout; }
  void SetLayout(TskButtonLayout Value);
  /// The list of the image shown instead of the glyph (removal is followed).
  TCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TCustomImageList* Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  /// Off: any size, the skin image stretched to it.
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
  /// Off: the caption in DefaultFont's colour while enabled.
  bool UseSkinFontColor() const { return FUseSkinFontColor; }
  void SetUseSkinFontColor(bool Value) { FUseSkinFontColor = Value; }

  /// The images menu whose selected item the button can show (removal is followed when it is a
  /// component); its change notice repaints the button.
  IskSkinImagesMenu* SkinImagesMenu() const { return FSkinImagesMenu; }
  void SetSkinImagesMenu(IskSkinImagesMenu* Value);
  bool UseImagesMenuImage() const { return FUseImagesMenuImage; }
  void SetUseImagesMenuImage(bool Value) { FUseImagesMenuImage = Value; }
  bool UseImagesMenuCaption() const { return FUseImagesMenuCaption; }
  void SetUseImagesMenuCaption(bool Value) { FUseImagesMenuCaption = Value; }

  /// Hot and Down cleared without events, the transition at rest, the animation stopped; repaints.
  void RefreshButton();
  /// Performs a click: OnClick when assigned, else the linked action.
  virtual void ButtonClick();

  /// Also copies the record's drawing fields and puts the current animation frame in place.
  void GetSkinData() override;

  TskButtonPaintEvent OnPaint;

  // From the record.
  String FontName;
  TFontStyles FontStyle;
  int FontHeight { 0 };
  TColor FontColor { 0 };
  TColor ActiveFontColor { 0 };
  TColor DownFontColor { 0 };
  TColor DisabledFontColor { 0 };
  TRect ActiveSkinRect;
  TRect DownSkinRect;
  TRect DisabledSkinRect;
  TRect AnimateSkinRect;
  int FrameCount { 0 };
  int AnimateInterval { 0 };
  bool Morphing { false };
  TskMorphKind MorphKind { mkDefault };
  TRect MenuMarkerRect;
  TRect MenuMarkerActiveRect;
  TRect MenuMarkerDownRect;
  TRect MenuMarkerFlatRect;
  TColor MenuMarkerTransparentColor { 0 };

protected:
  /// Enabling or disabling ends the transition and the hot state; a new caption repaints.
  void Dispatch(TMessage& Message) override;
  /// The button has the keyboard focus (never for a windowless button).
  virtual bool IsFocused() { return false; }
  /// What the transition moves toward: hot, or focused.
  bool Lit() { return FMouseIn || IsFocused(); }
  /// The model is set, holds a skin and has its effects on.
  bool EffectsOn() const;
  bool CanMorphing() const { return Morphing && EffectsOn(); }
  bool Skinned() const { return this->FIndex != -1; }
  virtual bool CanAnimate() const;

  void StartMorph();
  void StopMorph();
  /// Starts the transition when it can run, else repaints.
  virtual void DoMorph();
  /// One step of the transition.
  virtual void MorphTick();
  void StartAnimate(bool Forward);
  void StopAnimate();
  void StartRepeat();
  void StopRepeat();

  /// After the base's CM_MOUSEENTER with hot set: React moves the look (a down button to its lit
  /// factor, an up one into the hot animation and transition); a held repeat button starts repeating.
  void MouseEntered(bool React);
  /// After the base's CM_MOUSELEAVE with hot cleared: the look moves back; a held repeat button stops.
  void MouseLeft(bool React);
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  /// While the button is down, crossing its edge (edges count as inside) leaves and enters it.
  void MouseMove(TShiftState Shift, int X, int Y) override;
  /// The left button's release: checked, plain and group rules. False when a click freed the button.
  bool ReleaseButton();
  /// Runs in SetDown after the transition moved and before the repaint; nothing here.
  virtual void DownChanged() {}

  /// 3 pressed and hot (with 3 images), 4 hot (with 4), 2 disabled (with 2), else 1.
  int GetGlyphNum(bool ADown, bool AMouseIn);
  /// The record's font (UseSkinFont) or DefaultFont's, the string table's character set, and the state's
  /// colour.
  void SelectButtonFont(TCanvas* C, bool ADown, bool AMouseIn);
  /// The canvas font from the record or DefaultFont with the string table's character set.
  void SelectFontFace(TCanvas* C);
  /// R of the picture at the button's size with the caption and content, in the state ADown / AMouseIn.
  virtual void CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn);
  /// Whether the image of a state shows what lies behind the button instead of the record's picture.
  virtual bool ShowsParent(bool, bool) { return false; }
  /// Paints what lies behind the button into B; nothing here.
  virtual void DrawParentImage(TBitmap*) {}
  /// Draws the focus frame around R; nothing here.
  virtual void DrawFocusMark(TCanvas*, const TRect&) {}
  /// Lays the content (images-menu item, list image or glyph) and caption out in R.
  virtual void DrawContent(TCanvas* C, const TRect& R, bool ADown, bool AMouseIn) = 0;
  /// Draws the selected item of the images menu when one is shown; false when none is.
  bool DrawImagesMenuItem(TCanvas* C, const TRect& R, const String& Text, bool DrawColorMarker, TColor Marker);
  /// Whether ImageIndex names an image of ImageList.
  bool ListImageShown() const;
  /// OnPaint when assigned; false when it left out the default drawing.
  bool DoPaint(TCanvas* C, const TRect& R, bool ADown, bool AMouseIn);
  /// The menu marker piece (MenuMarkerDownRect when Down, else MenuMarkerActiveRect when Active, else
  /// MenuMarkerRect) without MenuMarkerTransparentColor, centred in R.
  void DrawMenuMarker(TCanvas* Cnvs, const TRect& R, bool Active, bool Down);
  /// The piece M of the picture without MenuMarkerTransparentColor, centred in R.
  void DrawMarkerPiece(TCanvas* Cnvs, const TRect& R, const TRect& M);
  /// The blend of the normal and the hot image by the transition factor, drawn at (0, 0).
  void PaintMorph(TCanvas* C);
  /// The images of the states are made by CreateButtonImage.
  void CreateControlSkinImage(TBitmap*) override {}
  /// With UseSkinSize on or a nine-part record, the record's rules; else the size stays and the client
  /// rectangle grows with it.
  void CalcSize(int& W, int& H) override;

  /// Copies the fields of a record of the buttons' kind that only one kind of button has; nothing here.
  virtual void ReadButtonRecord(const TskDataSkinButtonControl&) {}

  void Notification(TComponent* AComponent, TOperation Operation) override;
  /// Also takes a custom action's image when the button has no glyph.
  void ActionChange(TObject* Sender, bool CheckDefaults) override;

  bool FDown { false };
  /// A menu the button opened is open (menu buttons): the button stays down meanwhile.
  bool FMenuTracked { false };
  bool FMouseIn { false };
  bool FMouseDown { false };
  bool FStopMouseUp { false };
  bool FAllowAllUpCheck { false };
  /// The transition's factor: 0 normal, 1 lit.
  double FMorphKf { 0 };
  /// The animation frame shown, from 1; 0 when none.
  int CurrentFrame { 0 };
  bool AnimateInc { true };
  std::unique_ptr<TTimer> MorphTimer;
  std::unique_ptr<TTimer> AnimateTimer;
  std::unique_ptr<TTimer> RepeatTimer;
  int FImageIndex { -1 };
  int FSpacing { 1 };

private:
  void AnimateTick();
  void RepeatTick();
  /// Raises the other down buttons of the parent with the same GroupIndex.
  void ReleaseGroup();

  bool FCheckedMode { false };
  bool FAllowAllUp { false };
  bool FRepeatMode { false };
  int FRepeatInterval { 100 };
  int FGroupIndex { 0 };
  std::unique_ptr<TBitmap> FGlyph;
  TskNumGlyphs FNumGlyphs { 1 };
  int FMargin { -1 };
  TskButtonLayout FLayout { blGlyphLeft };
  TCustomImageList* FImageList { nullptr };
  bool FUseSkinSize { true };
  bool FUseSkinFontColor { true };
  IskSkinImagesMenu* FSkinImagesMenu { nullptr };
  /// The images menu as a component, taken when it is set: its removal notice comes from ~TComponent, when
  /// the menu can no longer be cast.
  TComponent* FSkinImagesMenuComponent { nullptr };
  bool FUseImagesMenuImage { false };
  bool FUseImagesMenuCaption { false };
};

extern template class TskSkinButtonBase<TskSkinCustomControl>;
extern template class TskSkinButtonBase<TskGraphicSkinCustomControl>;
