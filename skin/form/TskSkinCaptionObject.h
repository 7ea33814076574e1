#pragma once
// The caption object: the form's Caption in the skin's caption font over the skin's caption area, with
// optional light and shadow copies, glow or reflection, a text plate, a frame animation played when the
// form's activity changes, and a transition between the inactive and active looks. For the caption,
// Active means the form is active. A text wider than its room ends in "...".
//
// Looks: while an animation frame is due, that frame of AnimateSkinRect with the text in the style of the
// state being left; during a transition the inactive image turned toward the active one; without an
// active rectangle (or inactive, without morphing, stretching or animation) only the text, over the frame
// picture already composed; else the inactive or active caption image with its text.
//
// Quick buttons. With the frame's quick buttons and its QuickImageList, the caption shows a divider and
// the visible buttons at its left (the text then starts after the room of every button and is centred),
// tracks the hovered button, presses it, and fires its OnClick or drops its menu down. On a full layered
// border they are written into the border's top picture: the divider and the hot or pressed backgrounds
// keep or take the alpha the skin gives them, the glyphs cover the picture with their own.
#include <functional>

#include "platform/base/TAlignment.h"
#include "platform/gdi/TFont.h"
#include "skin/form/TskActiveSkinObject.h"

class TskDataSkinButtonControl;
class TskQuickButtonItem;

/// The frame's caption text object; see the file comment.
class TskSkinCaptionObject : public TskActiveSkinObject {
public:
  TskSkinCaptionObject(TskSkinForm* AParent, TskDataSkinObject* AData);

  void Draw(TCanvas* Cnvs, bool UpDate) override;
  /// The caption text, the divider and the quick buttons written into a full layered border's top picture:
  /// the letters opaque, the picture's own alpha kept around them (text plates are not drawn there).
  void DrawAlpha(TCanvas* Cnvs, TskBitmap* ABitMap) override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseMove(int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  /// The quick button whose menu was open is released (the menu closed).
  void ReleasePopupQuickButton();

  /// The skin's effects are on and the record has an animation strip of at least one frame.
  bool EnableAnimation() const;
  /// One tick of the frame's animation timer; true when a frame changed.
  bool AnimationTick();

  String FontName;
  TFontStyles FontStyle;
  int FontHeight { 0 };
  TColor FontColor { 0 };
  TColor ActiveFontColor { 0 };
  TColor ShadowColor { 0 };
  TColor ActiveShadowColor { 0 };
  bool Shadow { false };
  TColor LightColor { 0 };
  TColor ActiveLightColor { 0 };
  bool Light { false };
  TAlignment Alignment { taLeftJustify };
  /// The text's room, relative to SkinRect's top-left corner.
  TRect TextRct;
  TRect FrameRect;
  TRect ActiveFrameRect;
  int FrameLeftOffset { 0 };
  int FrameRightOffset { 0 };
  TRect FrameTextRect;
  bool StretchEffect { false };
  bool FullFrame { false };
  int FIncTime { 0 };
  TRect AnimateSkinRect;
  int FrameCount { 0 };
  int AnimateInterval { 0 };
  /// 0: the static inactive look; 1..FrameCount: a frame; FrameCount + 1: the static active look.
  int CurrentFrame { 0 };
  bool InActiveAnimation { false };
  bool VistaGlowEffect { false };
  bool VistaGlowInActiveEffect { false };
  bool GlowEffect { false };
  bool GlowInActiveEffect { false };
  int GlowSize { 0 };
  TColor GlowColor { 0 };
  TColor GlowActiveColor { 0 };
  int GlowOffset { 0 };
  bool ReflectionEffect { false };
  TColor ReflectionColor { 0 };
  TColor ReflectionActiveColor { 0 };
  int ReflectionOffset { 0 };
  TRect DividerRect;
  TRect InActiveDividerRect;
  bool DividerTransparent { false };
  TColor DividerTransparentColor { 0 };
  /// The picture whose stretched copy gives the quick buttons' backgrounds their alpha on a layered
  /// border; -1: opaque backgrounds.
  int QuickButtonAlphaMaskPictureIndex { -1 };
  /// Quick buttons (indexes; -1 none): hovered, hovered before, pressed without a menu, with its menu open.
  int ActiveQuickButton { -1 };
  int OldActiveQuickButton { -1 };
  int MouseCaptureQuickButton { -1 };
  int PopupMenuQuickButton { -1 };
  /// The left button went down on the caption.
  bool FDown { false };

private:
  /// The frame has quick buttons and glyphs for them.
  bool HasQuickButtons() const;
  /// The divider and the visible quick buttons over the caption on Cnvs (frame coordinates).
  void PaintQuickButtons(TCanvas* Cnvs);
  /// Divider := Source of ActivePicture, its DividerTransparentColor left out when DividerTransparent.
  void DividerPicture(const TRect& Source, TBitmap* Divider) const;
  /// Gives each visible quick button its ItemRect, in a row from X, and hands it to Paint.
  void LayOutQuickButtons(int X, const std::function<void(TskQuickButtonItem*)>& Paint);
  /// Face := Item's hot or pressed background (ItemRect's size) from the skin's "officequickbutton" record,
  /// else its "resizetoolbutton"; answers that record, null when the skin has neither.
  const TskDataSkinButtonControl* QuickButtonFace(const TskQuickButtonItem* Item, TBitmap* Face) const;
  /// Room the divider and the quick buttons take at the caption's left on a layered border (0 without).
  int AlphaQuickButtonsRoom() const;
  /// The divider and the quick buttons written into ABitMap, a layered border's top picture.
  void PaintAlphaQuickButtons(TskBitmap* ABitMap);
  void PaintAlphaDivider(TskBitmap* ABitMap);
  void PaintAlphaQuickButton(TskBitmap* ABitMap, TskQuickButtonItem* Item);
  void PaintAlphaGlyph(TskBitmap* ABitMap, TskQuickButtonItem* Item);
  /// The hovered quick button follows (X, Y) (frame coordinates); repaints and hints on a change.
  void UpdateQuickButtonHover(int X, int Y);
  /// The text's room relative to the object's top-left corner.
  TRect TextRect() const;
  /// Sets the caption font on Canvas in the active or inactive style.
  void SetCaptionFont(TCanvas* Canvas, bool ActiveStyle) const;
  /// Paints the caption text onto Canvas, the object's top-left corner at Origin.
  void PaintText(TCanvas* Canvas, TPoint Origin, bool ActiveStyle) const;
  /// The text of a full layered border over the object from Left on (Mask: every layer in white).
  void PaintAlphaText(TCanvas* Canvas, TPoint Origin, int Left, bool ActiveStyle, bool Mask) const;
  /// Where Text starts in TR by the alignment, with the font set on Canvas.
  TPoint TextOrigin(TCanvas* Canvas, const String& Text, const TRect& TR) const;
  /// The text format: vertically centred, right to left where the form reads so.
  unsigned TextFormat() const;
  /// Image := the caption image (ObjectRect's size) of Source in APicture.
  void CaptionImage(TBitmap* Image, TBitmap* APicture, const TRect& Source) const;
  /// The animation frame N of AnimateSkinRect.
  TRect AnimationFrame(int N) const;
  void ApplySkinInActiveEffect(TBitmap* Image) const;
};
