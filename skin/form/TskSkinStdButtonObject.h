#pragma once
// A standard caption button: close, maximize, minimize, system menu, roll-up, minimize to tray or a
// custom one, chosen by its Command (never by its name). While the form is in the state the button would
// undo it shows its restore look. Without a record it draws the built-in look: a plain face, or a framed
// hot or pressed face, with the command's glyph. The system-menu button of a frame with ShowIcon shows the
// form's small icon instead, without glow, transition or pressed look.
#include "skin/form/TskSkinButtonObject.h"

class TskDataSkinStdButton;

/// A standard caption button; see the file comment.
class TskSkinStdButtonObject : public TskSkinButtonObject {
public:
  /// From a "stdbutton" record; null: a built-in button (Command cmClose until set).
  TskSkinStdButtonObject(TskSkinForm* AParent, TskDataSkinObject* AData);

  bool PointInObject(int X, int Y) override;
  void ShowLayer() override;
  void HideLayer() override;
  bool CanMorphing() override;
  void Draw(TCanvas* Cnvs, bool UpDate) override;
  /// The record's 32-bit look for the state (pressed, hot, normal or inactive; the restore variant when
  /// the look is the restore look and has one) blended over ObjectRect; the form's icon for the
  /// system-menu button with ShowIcon. Nothing without that look.
  void DrawAlpha(TCanvas* Cnvs, TskBitmap* ABitMap) override;
  /// The system-menu button closes the form.
  void DblClick() override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  /// Released over the button (Active), the command runs: a close button after it is drawn released,
  /// every other button before.
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  /// The built-in look.
  void DefaultDraw(TCanvas* Cnvs);
  /// Runs Command.
  void ButtonClick();

  /// Built from a record.
  bool FSkinSupport { false };
  /// The record, borrowed: its 32-bit looks for a full layered border.
  const TskDataSkinStdButton* FData { nullptr };
  TskStdCommand Command { cmClose };
  TRect RestoreRect;
  TRect RestoreActiveRect;
  TRect RestoreInActiveRect;
  TRect RestoreDownRect;
  String RestoreHint;
  String FTempHint;

private:
  /// The form is in the state the button would undo (MainFormMinimized: a minimized main form counts).
  bool RestoreLook(bool MainFormMinimized) const;
  /// The system-menu button shows the form's icon.
  bool IconCase() const;
};
