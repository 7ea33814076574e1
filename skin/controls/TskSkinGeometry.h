#pragma once
// The resizable geometry of a control skin record and how a control of any size is drawn and cut from it.
// The windowed and the windowless skinned controls share it.
//
// Resize modes: -1 no skin image (empty SkinRect); 0 fixed size (SkinRect's); 1 resizable both ways (nine
// parts); 2 in width only (a horizontal strip: the left end up to LTPt.X, the right end from RTPt.X); 3 in
// height only (a vertical strip: the top end up to LTPt.Y, the bottom end from LBPt.Y). Points and ClRect
// are relative to SkinRect's top-left corner; the New points and NewClRect are those for the current size.
#include "platform/base/Types.h"
#include "skin/core/skSkinTypes.h"

class TBitmap;
class TskDataSkinControl;
class TskDataSkinCustomControl;
class TskSkinData;

/// The geometry a skinned control copies from its record at every lookup; see the file comment.
class TskSkinGeometry {
public:
  /// The client rectangle for the current size.
  const TRect& RealClientRect() const { return NewClRect; }
  int RealClientWidth() const { return NewClRect.Width(); }
  int RealClientHeight() const { return NewClRect.Height(); }
  int RealClientLeft() const { return NewClRect.Left; }
  int RealClientTop() const { return NewClRect.Top; }

  /// R (skin coordinates) moved and grown to a control of AWidth x AHeight by the resize mode: areas in
  /// the fixed corners and ends keep their distance to their edges, areas spanning a stretched part grow.
  TRect MapSkinRect(const TRect& R, int AWidth, int AHeight) const;

  TPoint LTPt;
  TPoint RTPt;
  TPoint LBPt;
  TPoint RBPt;
  TRect SkinRect;
  TRect ClRect;
  TPoint NewLTPoint;
  TPoint NewRTPoint;
  TPoint NewLBPoint;
  TPoint NewRBPoint;
  TRect NewClRect;
  /// The record's picture in the model, borrowed; null when the record names none the model has.
  TBitmap* Picture { nullptr };
  int ResizeMode { 0 };
  bool StretchEffect { false };
  TskStretchType StretchType { skstFull };
  bool LeftStretch { false };
  bool TopStretch { false };
  bool RightStretch { false };
  bool BottomStretch { false };

  /// The model's further picture Index; null for -1 or an index the model does not have.
  static TBitmap* ModelPicture(TskSkinData* Model, int Index);

protected:
  /// Copies the geometry of Record and its picture and sets the resize mode; a record of another kind
  /// gives resize mode 0 and no picture. Returns the record as a resizable one, or null.
  const TskDataSkinCustomControl* ReadGeometry(TskSkinData* Model, TskDataSkinControl* Record);
  /// Snaps a requested size W x H to the resize mode and computes the New geometry for it.
  void CalcGeometry(int& W, int& H);
  /// Draws the ARect piece of APicture at the size AWidth x AHeight into B with the record's geometry:
  /// copied (mode 0, B takes ARect's size), nine parts (mode 1, only with NinePart), or a strip (2, 3).
  void DrawGeometryPicture(TBitmap* B, TBitmap* APicture, const TRect& ARect, int AWidth, int AHeight,
                           bool NinePart);
};
