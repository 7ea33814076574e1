#pragma once
// The windowed skinned control with resizable skin geometry (TskSkinCustomBase.h), which also cuts its
// window's region from the record's mask picture, can paint a nine-part record band by band with its
// client area tiled or stretched in place (ForcebackGround), and tells its children WM_CHECKPARENTBG when
// a stretched background is laid out again.
#include "skin/controls/TskSkinCustomBase.h"

/// A windowed skinned control with resizable skin geometry; see the file comment.
class TskSkinCustomControl : public TskSkinCustomBase<TskSkinControl> {
public:
  explicit TskSkinCustomControl(TComponent* AOwner) : TskSkinCustomBase<TskSkinControl>(AOwner) {}

  /// Paint a nine-part record's frame bands and client area straight to the canvas.
  bool ForcebackGround() const { return FForceBackground; }
  void SetForcebackGround(bool Value) { FForceBackground = Value; }
  /// In that paint, draw the record's client area.
  bool DrawbackGround() const { return FDrawbackground; }
  void SetDrawbackGround(bool Value) { FDrawbackground = Value; }

  /// Also finds the record's mask picture.
  void GetSkinData() override;
  /// With a record whose centre stretches (StretchEffect), every call, also one that changes nothing,
  /// sends WM_CHECKPARENTBG to the direct children (performed on windowless ones).
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  /// The record's mask picture in the model, borrowed; null when none.
  TBitmap* MaskPicture { nullptr };

protected:
  /// The window's region: the mask's black pixels at the current size; removed without mask or record.
  void SetControlRegion() override;
  bool ComposesNinePart() const override { return !FForceBackground; }
  void Paint() override;

private:
  /// The ForcebackGround paint: the four frame bands, with the client area tiled or stretched between.
  void PaintForceBackground();
  void DrawClientArea();
  /// The region of MaskPicture for the current size by the resize mode; null for none.
  HRGN MaskRegion();

  bool FForceBackground { false };
  bool FDrawbackground { true };
  /// The region last given to the window (the window owns it); null when none.
  HRGN FRgn { nullptr };
};
