#pragma once
// The skinned container: a rectangle drawn from a "panel" record (or a built-in look) that may carry a
// caption bar with text, a glyph or an image-list image, a check box (CheckedMode) and a roll-up marker
// (RollUpMode). Children are aligned inside the skin's client area (AdjustClientRect), so a skin's frame is
// never covered. Painting picks one of ten paths (see Paint in the source).
//
// Rolling up keeps the full height in RealHeight, hides the children and shrinks the panel to its caption;
// rolling down restores the height, the size constraints saved at roll-up and exactly the children that were
// visible then, however often the panel rolls.
#include <memory>
#include <vector>

#include "platform/base/TAlignment.h"
#include "skin/controls/TskSkinCustomControl.h"

class TCustomImageList;

/// The border of the look without skin; bvNone also selects the plain tiled skin look. Scoped: the
/// platform's bevel cuts use the same names.
enum class TskSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };
enum TskImagePosition { skipDefault, skipLeft };
/// 1 or 2: cells in a caption glyph strip; the second is drawn while the panel is disabled.
using TskSkinPanelNumGlyphs = int;

/// The skinned panel; see the file comment.
class TskSkinPanel : public TskSkinCustomControl {
public:
  explicit TskSkinPanel(TComponent* AOwner);
  ~TskSkinPanel() override;

  bool EmptyDrawing() const { return FEmptyDrawing; }
  /// Draw nothing at run time and give the whole client area to the children.
  void SetEmptyDrawing(bool Value) { FEmptyDrawing = Value; }
  bool RibbonStyle() const { return FRibbonStyle; }
  /// Without skin the caption bar lies at the bottom.
  void SetRibbonStyle(bool Value);
  TskImagePosition ImagePosition() const { return FImagePosition; }
  void SetImagePosition(TskImagePosition Value);
  bool TransparentMode() const { return FTransparentMode; }
  /// Show the parent's background; a change tells the children (WM_CHECKPARENTBG).
  void SetTransparentMode(bool Value);
  bool CheckedMode() const { return FCheckedMode; }
  void SetCheckedMode(bool Value);
  bool Checked() const { return FChecked; }
  /// Every assignment repaints in CheckedMode, enables or disables the children with AutoEnabledControls
  /// and raises OnChecked, also when the value stays.
  void SetChecked(bool Value);
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* Value);
  TskSkinPanelNumGlyphs NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(TskSkinPanelNumGlyphs Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  /// The full height while rolled up; -1 while rolled down.
  int RealHeight() const { return FRealHeight; }
  void SetRealHeight(int Value) { FRealHeight = Value; }
  bool RollUpState() const { return FRollUpState; }
  /// With RollUpMode on, rolls the panel up or down and raises OnChangeRollUpState; with it off, puts the
  /// constraints saved at the last roll-up back and leaves the panel rolled down.
  void SetRollUpState(bool Value);
  bool RollUpMode() const { return FRollUpMode; }
  void SetRollUpMode(bool Value);
  bool CaptionMode() const { return FCaptionMode; }
  virtual void SetCaptionMode(bool Value);
  TskSkinBorderStyle BorderStyle() const { return FBorderStyle; }
  /// Repaints and realigns, with a skin as without.
  void SetBorderStyle(TskSkinBorderStyle Value);
  int DefaultCaptionHeight() const { return FDefaultCaptionHeight; }
  virtual void SetDefaultCaptionHeight(int Value);
  TAlignment DefaultAlignment() const { return FDefaultAlignment; }
  void SetDefaultAlignment(TAlignment Value);
  bool AutoEnabledControls() const { return FAutoEnabledControls; }
  void SetAutoEnabledControls(bool Value) { FAutoEnabledControls = Value; }
  TCustomImageList* CaptionImageList() const { return FCaptionImageList; }
  /// A reference, forgotten when the list is freed.
  void SetCaptionImageList(TCustomImageList* Value);
  int CaptionImageIndex() const { return FCaptionImageIndex; }
  void SetCaptionImageIndex(int Value);
  bool UseSkinSize() const { return FUseSkinSize; }
  /// Take the caption height and client area from the skin (on) or DefaultCaptionHeight with a skin too.
  void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }

  /// (0, 0, Width, Height) through AdjustClientRect: where the children are aligned.
  TRect GetSkinClientRect();
  /// Draws the panel's look (without the transparent or tiled paints) on C at (X, Y).
  void PaintskinTo(TCanvas* C, int X, int Y);
  /// Rolls up (hides the children, shrinks to the caption) or down; any other combination does nothing.
  void DoRollUp(bool ARollUp);

  void GetSkinData() override;
  void ChangeSkinData() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TNotifyEvent OnChecked;
  TNotifyEvent OnChangeRollUpState;

  String FontName { "Tahoma" };
  TFontStyles FontStyle;
  int FontHeight { 13 };
  TColor FontColor { 0 };
  TAlignment Alignment { taCenter };
  /// The record's caption rectangle (skin coordinates).
  TRect CaptionRect;
  /// The caption rectangle at the current size (control coordinates); also where caption clicks hit.
  TRect NewCaptionRect;
  int BGPictureIndex { -1 };
  TRect CheckImageRect;
  TRect UnCheckImageRect;
  TRect MarkFrameRect;
  TRect FrameRect;
  int FrameLeftOffset { 0 };
  int FrameRightOffset { 0 };
  TRect FrameTextRect;

protected:
  /// Runs in the transparent paints with the bitmap being drawn; nothing here.
  virtual void DoPanelPaint(TCanvas*) {}

  void AdjustClientRect(TRect& Rect) override;
  bool CanAutoSize(int& NewWidth, int& NewHeight) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;
  void Paint() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  /// What a derived panel draws over its finished skinned image, after the caption (also over the caption
  /// composite); nothing here.
  virtual void FinishSkinImage(TBitmap*) {}

  /// The plain tiled look: a borderless record of resize mode 1 without caption.
  bool PlainTiled() const;

private:
  void Realigned();
  /// The caption's image: the list image when no glyph is set, else the glyph; its width and height.
  bool CaptionImage(int& W, int& H) const;
  void DrawCaptionImage(TCanvas* C, int X, int Y);
  int ContentWidth(TCanvas* C);
  void DrawSkinCaption(TBitmap* B);
  void DrawPlainTiledImage(TBitmap* B);
  void PaintCaptionComposite();
  void PaintTransparentPlain();
  void PaintTransparentGroup();
  void PaintTiledClient();
  void PaintBackgroundPicture();
  /// Draws P stretched or in a grid across R by StretchEffect and StretchType; nothing for an empty P.
  void DrawTiled(TCanvas* C, TBitmap* P, const TRect& StretchFull);
  void SetCaptionFont(TCanvas* C);

  bool FUseSkinSize { true };
  bool FEmptyDrawing { false };
  bool FRibbonStyle { false };
  bool FInChangingRollUp { false };
  TskImagePosition FImagePosition { skipDefault };
  bool FTransparentMode { false };
  int FCMaxWidth { 0 };
  int FCMinWidth { 0 };
  int FCMaxHeight { 0 };
  int FCMinHeight { 0 };
  bool FCheckedMode { false };
  bool FChecked { false };
  std::unique_ptr<TBitmap> FGlyph;
  TskSkinPanelNumGlyphs FNumGlyphs { 1 };
  int FSpacing { 2 };
  int FRealHeight { -1 };
  bool FRollUpState { false };
  bool FRollUpMode { false };
  bool FCaptionMode { false };
  TskSkinBorderStyle FBorderStyle { TskSkinBorderStyle::bvFrame };
  int FDefaultCaptionHeight { 20 };
  TAlignment FDefaultAlignment { taLeftJustify };
  bool FAutoEnabledControls { true };
  TCustomImageList* FCaptionImageList { nullptr };
  int FCaptionImageIndex { -1 };
  /// The children that were visible when the panel rolled up: only these show again.
  std::vector<TControl*> FRolledChildren;
};

/// A panel whose client area is painted by OnPanelPaint (canvas, GetSkinClientRect).
class TskSkinPaintPanel : public TskSkinPanel {
public:
  explicit TskSkinPaintPanel(TComponent* AOwner);

  std::function<void(TCanvas* Cnvs, const TRect& R)> OnPanelPaint;

protected:
  void DoPanelPaint(TCanvas* C) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void FinishSkinImage(TBitmap* B) override;
  void Dispatch(TMessage& Message) override;
};

/// A panel on the "groupbox" record with its caption on.
class TskSkinGroupBox : public TskSkinPanel {
public:
  explicit TskSkinGroupBox(TComponent* AOwner);

  /// A record whose client area ends above its caption leaves the frame-band paint.
  void GetSkinData() override;
};
