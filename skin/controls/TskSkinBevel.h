#pragma once
// The platform bevel drawn in the light and dark colours of the skin's "bevel" record (the system
// highlight and shadow colours without one), with a divider mode that draws a single groove across the
// middle. In a skinned tool bar that centres its controls it centres itself vertically.
#include "platform/ui/toolkit/TBevel.h"
#include "skin/controls/TskSkinLink.h"

/// The skinned bevel; see the file comment.
class TskSkinBevel : public TskSkinLink<TBevel> {
public:
  explicit TskSkinBevel(TComponent* AOwner);

  bool DividerMode() const { return FDividerMode; }
  void SetDividerMode(bool Value);

  /// Also takes the record's colours (the system's without a record; a record of another kind keeps them).
  void ChangeSkinData() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TColor LightColor { clBtnHighlight };
  TColor DarkColor { clBtnShadow };

protected:
  void Paint() override;

private:
  bool FDividerMode { false };
};
