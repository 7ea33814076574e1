#pragma once
// The objects a form frame shows on its caption and borders (caption buttons, the caption text, animated
// and user-drawn objects). The frame owns them in its ObjectList, lays them out (ObjectRect, in frame
// coordinates), finds the one under the mouse, routes the non-client mouse to it and drives its hover
// transition on a 25 ms timer. Pictures and records are borrowed from the frame's skin model.
//
// Hover transition. The factor from the normal look (0) to the hot look (1) is kept as a count of fifths:
// each morph tick moves it by one fifth, so a transition takes exactly five ticks either way.
#include "platform/base/TObject.h"
#include "platform/base/Types.h"
#include "platform/ui/toolkit/ControlTypes.h"
#include "skin/core/skSkinTypes.h"
#include "skin/core/skUtils.h"

class TBitmap;
class TCanvas;
class TskDataSkinObject;
class TskLayerManager;
class TskSkinData;
class TskBitmap;
class TskSkinForm;

/// Base of the frame's objects; see the file comment. Without a usable skin model it draws nothing and
/// every point is inside it.
class TskActiveSkinObject : public TObject {
public:
  /// The hover factor's steps from the normal to the hot look.
  static constexpr int MorphSteps = 5;

  /// An object of AParent from AData (null: an object without a record, as the built-in frame makes).
  /// An active picture index outside the skin's pictures empties the active rectangle, in the object
  /// and in the record; a morphing record without an active rectangle does not morph.
  TskActiveSkinObject(TskSkinForm* AParent, TskDataSkinObject* AData);

  /// (X, Y) relative to ObjectRect belongs to the object: a black pixel of the active mask picture, or
  /// anywhere when there is no mask.
  virtual bool PointInObject(int X, int Y);
  /// The hover glow around the object (only with a glow picture in range and a layering presenter).
  virtual void ShowLayer();
  virtual void HideLayer();
  /// A hover transition is still under way.
  virtual bool CanMorphing();
  /// Draws the object on Cnvs at ObjectRect. UpDate false: into the frame being composed, where the
  /// frame picture already shows the normal look of objects drawn in it.
  virtual void Draw(TCanvas* Cnvs, bool UpDate);
  /// Draws the object into ABitMap, the 32-bit top picture of a full layered border (Cnvs its canvas),
  /// keeping the picture's alpha; nothing here.
  virtual void DrawAlpha(TCanvas* Cnvs, TskBitmap* ABitMap);
  virtual void DblClick() {}
  virtual void MouseDown(int X, int Y, TMouseButton Button);
  virtual void MouseUp(int X, int Y, TMouseButton Button);
  virtual void MouseMove(int X, int Y);
  virtual void MouseEnter();
  virtual void MouseLeave();

  /// Morphing is wanted and the skin's effects allow it (never on a full layered border).
  bool EnableMorphing() const;
  /// Starts the frame's morph timer when morphing, else repaints at once.
  void ReDraw();
  /// One morph tick: a fifth toward the hot look while Active, else toward the normal look; repaints.
  void DoMorphing();
  /// Sets the factor (0..1, limited and rounded to fifths).
  void SetMorphKf(double Value);
  double MorphKf() const { return double(FMorphKf) / MorphSteps; }

  TskSkinForm* Parent;
  TskSkinData* SD;
  TBitmap* Picture { nullptr };
  TBitmap* ActivePicture { nullptr };
  TBitmap* ActiveMaskPicture { nullptr };
  String IDName;
  String Hint;
  TRect SkinRect;
  TRect ActiveSkinRect;
  TRect InActiveSkinRect;
  /// Where the object lies in the window (frame coordinates).
  TRect ObjectRect;
  /// Hovered (the caption: the form is active).
  bool Active { false };
  bool Morphing { false };
  TskMorphKind MorphKind { mkDefault };
  bool Enabled { true };
  bool Visible { true };
  /// The normal look comes from ActivePicture instead of the frame picture.
  bool SkinRectInAPicture { false };
  int GlowLayerPictureIndex { -1 };
  int GlowLayerMaskPictureIndex { -1 };
  int GlowLayerOffsetX { 0 };
  int GlowLayerOffsetY { 0 };
  int GlowLayerAlphaBlendValue { 255 };
  bool FMouseIn { false };
  /// The hover factor in fifths (0 normal .. MorphSteps hot).
  int FMorphKf { 0 };

protected:
  /// The frame's skin model holds a skin.
  bool SkinUsable() const;
  /// The skin picture at Index, null outside the skin's pictures.
  TBitmap* SkinPicture(int Index) const;
  /// Copies Source of APicture onto Cnvs at ObjectRect (stretched).
  void CopyPicture(TCanvas* Cnvs, TBitmap* APicture, const TRect& Source) const;
  /// The normal look transformed toward the hot look by the factor, drawn at ObjectRect.
  void DrawMorph(TCanvas* Cnvs, TBitmap* NormalPicture, const TRect& NormalRect, const TRect& HotRect) const;
  /// The glow of the object on Manager.
  void ShowLayerOn(TskLayerManager* Manager);
  /// ObjectRect on the screen (on a shown full border, in its top window): where the glow and a menu go.
  virtual TRect ScreenObjectRect() const { return ToScreen(ObjectRect); }
  /// R, in the coordinates of ObjectRect, on the screen.
  TRect ToScreen(const TRect& R) const;
  /// The transition between the normal and the hot look is under way.
  bool InTransition() const { return Active ? FMorphKf != MorphSteps : FMorphKf != 0; }
};
