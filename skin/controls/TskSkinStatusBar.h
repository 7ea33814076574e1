#pragma once
// The skinned strip at the bottom of a form: a panel on the "statusbar" record, aligned to the bottom,
// that hands its skin model to its windowed skinned children and can show a size grip at its right end
// (SizeGrip; a form frame turns ShowGrip off while its form is maximised). The grip is the record's
// gripper piece or diagonal ridges; inside it the bar answers HTBOTTOMRIGHT so the form can be sized.
#include "skin/controls/TskSkinPanel.h"

/// The skinned status bar; see the file comment.
class TskSkinStatusBar : public TskSkinPanel {
public:
  explicit TskSkinStatusBar(TComponent* AOwner);

  bool SizeGrip() const { return FSizeGrip; }
  /// Every assignment repaints and realigns the children.
  void SetSizeGrip(bool Value);
  bool ShowGrip() const { return FShowGrip; }
  /// Every assignment repaints and realigns the children.
  void SetShowGrip(bool Value);

  /// The grip rectangle in control coordinates.
  TRect GetGripRect();

  /// Also hands the model to the windowed skinned children (windowless ones keep theirs).
  void SetSkinData(TskSkinData* Value) override;
  /// Also copies the record's gripper piece.
  void GetSkinData() override;

  TRect GripperRect;
  bool GripperTransparent { false };
  TColor GripperTransparentColor { clFuchsia };

protected:
  void AdjustClientRect(TRect& Rect) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void FinishSkinImage(TBitmap* B) override;
  void Dispatch(TMessage& Message) override;

private:
  /// SizeGrip and ShowGrip both on.
  bool GripActive() const { return FSizeGrip && FShowGrip; }
  /// The record's gripper piece is drawn (a record with a non-empty GripperRect).
  bool PieceGrip() const;
  void DrawGripPiece(TBitmap* B);

  bool FSizeGrip { false };
  bool FShowGrip { true };
};

/// Diagonal ridges in the grip square R: w div 4 + 1 passes, each a ShadowColor and a LightColor line
/// one pixel apart, three pixels after the previous pair, inside R shrunk by 2.
void DrawGripLines(const TRect& R, TCanvas* Canvas, TColor LightColor, TColor ShadowColor);
