#pragma once
// The base of the objects a skinned main menu bar shows: a rectangle on the bar with a normal, hot and
// pressed image from a form-object record, and a hover transition in fifths driven by the bar's morph
// timer. The base draws nothing and ignores the mouse.
#include "platform/base/TObject.h"
#include "platform/base/Types.h"
#include "platform/ui/toolkit/ControlTypes.h"
#include "skin/core/skSkinTypes.h"

class TBitmap;
class TCanvas;
class TskDataSkinObject;
class TskSkinMainMenuBar;

/// An object of the main menu bar; see the file comment.
class TskMenuBarObject : public TObject {
public:
  /// An object of AParent built from AData (null: the built-in look). A record without a hot image does
  /// not morph.
  TskMenuBarObject(TskSkinMainMenuBar* AParent, TskDataSkinObject* AData);

  /// Shows the new state: through the bar's morph timer while a transition runs, else at once.
  virtual void ReDraw();
  virtual void Draw(TCanvas*) {}
  virtual void MouseDown(int, int, TMouseButton) {}
  virtual void MouseUp(int, int, TMouseButton) {}
  virtual void DblClick() {}
  virtual void MouseEnter();
  virtual void MouseLeave();
  /// A transition step is due: not pressed with a pressed image, and the factor short of its target.
  virtual bool CanMorphing();
  /// The record morphs, the bar's skin is present with its effects on, and the bar is not in tool-bar
  /// mode with transparent items.
  bool EnableMorphing() const;
  /// One step toward the target, then a draw on the bar.
  void DoMorphing();
  /// The hover factor in fifths: 0 normal .. 5 hot.
  int MorphSteps() const { return FMorphSteps; }
  void SetMorphSteps(int Value);

  TskSkinMainMenuBar* Parent;
  bool FMouseIn { false };
  TBitmap* Picture { nullptr };
  bool FDown { false };
  String IDName;
  TRect SkinRect;
  TRect ActiveSkinRect;
  TRect DownRect;
  TRect ObjectRect;
  bool Active { false };
  bool Enabled { true };
  bool Visible { true };
  bool Morphing { false };
  TskMorphKind MorphKind { mkDefault };

protected:
  int FMorphSteps { 0 };
};
