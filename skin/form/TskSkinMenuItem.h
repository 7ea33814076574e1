#pragma once
// One row of a skinned popup window: a platform menu item paired with the skin's menu-item record. The
// row keeps its rectangle and hover state, hands hover and clicks to the menu controller, and paints
// itself: from the skin at skin size, from the skin stretched to any size, or in the built-in look
// without a record.
//
// Row kinds by caption: "-" is a separator; a disabled item whose caption begins and ends with "-" is a
// header showing the text between; everything else is a normal row.
//
// Transitions: with the record's Morphing and the skin's effects on, hovering blends the normal image
// toward the active one in five steps (one per tick of the window's morph timer) and back in five; with
// an animation strip (AnimateSkinRect, FrameCount above 0) the row plays its frames instead.
#include "platform/base/TObject.h"
#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"

class TBitmap;
class TCanvas;
class TMenuItem;
class TskDataSkinMenuItem;
class TskSkinPopupWindow;

/// One row of a skinned popup window; see the file comment.
class TskSkinMenuItem : public TObject {
public:
  /// A row of AParent for AMenuItem drawn from AData (null: the built-in look). A record whose active
  /// picture is missing loses its item images (the shared record is changed).
  TskSkinMenuItem(TskSkinPopupWindow* AParent, TMenuItem* AMenuItem, TskDataSkinMenuItem* AData);

  bool IsSeparator() const;
  bool IsHeader() const;
  /// Hover transitions and frame animation are in force.
  bool EnableMorphing() const;
  bool EnableAnimation() const;
  /// A transition step is due: the row is visible and its factor has not reached its target. A row
  /// scrolled out of view with a factor left is reset and answers false.
  virtual bool CanMorphing();
  /// One transition step toward the target, then a redraw on the window.
  void DoMorphing();
  /// The hover factor in fifths: 0 the normal image .. 5 the active one.
  int MorphSteps() const { return FMorphSteps; }
  void SetMorphSteps(int Value);
  /// Shows the row's new state: through the window's morph timer when a transition or animation runs,
  /// else at once.
  void ReDraw();

  /// The pointer (or the keyboard, Kb) came onto the row.
  void MouseEnter(bool Kb);
  void MouseLeave();
  /// A click (or Enter, Right, an accelerator) on the row; disabled rows and rows whose submenu is
  /// open ignore it.
  void MouseDown(int X, int Y);

  /// Paints the row at ObjectRect with the painter the window's look asks for.
  void Draw(TCanvas* Cnvs);

  TskSkinPopupWindow* Parent;
  TskDataSkinMenuItem* MI;
  /// The picture the record's images lie in (borrowed); null without a record.
  TBitmap* ActivePicture { nullptr };
  TMenuItem* MenuItem;
  TRect ObjectRect;
  bool Active { false };
  /// The row's submenu is open.
  bool Down { false };
  /// The row lies in the window's visible range.
  bool FVisible { true };
  /// Highlighted by the window at opening and not yet touched by the mouse.
  bool WaitCommand { false };
  /// The current animation frame (1..FrameCount; 0 none, FrameCount + 1 past the end).
  int CurrentFrame { 0 };

private:
  /// Hovered or open: the target of the transitions.
  bool Lit() const { return Active || Down; }
  /// The skin-size painting.
  void SkinDraw(TCanvas* Cnvs);
  /// The skin stretched to the row's size.
  void ResizeDraw(TCanvas* Cnvs);
  /// The built-in look.
  void DefaultDraw(TCanvas* Cnvs);
  /// The row's background from Source (a normal, active or frame image) into B at the row's width
  /// (and, Resized, height).
  void DrawRowImage(TBitmap* B, const TRect& Source, bool AActive, bool Animating, bool Resized);
  /// The background of the row in its current state, the transition or frame included.
  void DrawRowBackground(TBitmap* B, bool Resized);
  /// Caption, shortcut, arrow, glyph and marks of a skinned row on B; TextRect in row coordinates.
  void DrawRowContent(TBitmap* B, TRect TextRect, TRect ImageRect, bool AActive);
  /// The header row on B in the "menuheader" (or "label") record's look.
  void DrawHeader(TBitmap* B, bool Resized);
  /// The source of animation frame n (1-based).
  TRect FrameRect(int n) const;
  /// The check, radio or arrow image of the record centred in R; false when its rectangle is empty.
  bool DrawSkinImage(TCanvas* Canvas, const TRect& R, const TRect& Normal, const TRect& Hot, bool AActive);
  /// The glyph (item bitmap or image-list image) at (X, Y) with a frame when ticked; false without one.
  bool DrawGlyph(TCanvas* C, TRect Area, bool CentreInArea, TColor FrameColor);
  /// The system-menu glyph named by the item, or a ticked item's radio or check mark.
  void DrawMark(TCanvas* C, int X, int Y, const TRect& GlyphRect, TColor Color, bool AActive, bool Builtin);
  /// The row's text font and colour on C.
  void SelectFont(TCanvas* C, bool AActive);
  /// The caption shown: the caption, or a header's text between its hyphens.
  String ShownCaption() const;

  int FMorphSteps { 0 };
};
