#pragma once
// The platform splitter drawn as a three-part strip from the skin's "vsplitter" (aligned left or right) or
// "hsplitter" (aligned top or bottom) record, with the record's gripper centred on it. Without a record or
// picture, and aligned alNone or alClient, it paints as the platform splitter; transparent, it paints
// nothing.
#include "skin/controls/TskSkinLink.h"
#include "platform/ui/toolkit/TSplitter.h"

class TBitmap;

/// The skinned splitter; see the file comment.
class TskSkinSplitter : public TskSkinLink<TSplitter> {
public:
  explicit TskSkinSplitter(TComponent* AOwner);

  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  /// The thickness without a record, or when transparent.
  int DefaultSize() const { return FDefaultSize; }
  void SetDefaultSize(int Value) { FDefaultSize = Value; }

  /// Also copies the record's strip geometry, gripper and picture.
  void GetSkinData() override;
  /// Also takes the record's thickness (DefaultSize without one or when transparent).
  void ChangeSkinData() override;

  TPoint LTPt;
  TPoint RTPt;
  TPoint LBPt;
  TRect SkinRect;
  /// The record's picture in the model, borrowed; null when none.
  TBitmap* FSkinPicture { nullptr };
  bool StretchEffect { false };
  TRect GripperRect;
  bool GripperTransparent { false };
  TColor GripperTransparentColor { clFuchsia };

protected:
  void Paint() override;

private:
  bool FTransparent { false };
  int FDefaultSize { 10 };
};
