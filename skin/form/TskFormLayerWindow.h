#pragma once
// One of the four windows of a form's layered border.
#include "platform/ui/toolkit/TForm.h"

class TskFormLayerBorder;

/// Which side of the form a border window stands on.
enum TskFormLayerBorderType { skflLeft, skflTop, skflRight, skflBottom };

/// What the cursor is over in a border window: nothing, a sizing edge or corner, the caption or another
/// caption object.
enum TskFormLayerBorderHit {
  skflhNone,
  skflhLeft,
  skflhTop,
  skflhRight,
  skflhBottom,
  skflhTopLeft,
  skflhTopRight,
  skflhBottomLeft,
  skflhBottomRight,
  skflCaption,
  skflObject
};

/// A borderless per-pixel-alpha window showing one side of the border (the picture comes only from its
/// layered upload). It never takes the activation; a press on it shows the skinned form, and where the
/// skin allows, dragging a sizing zone sizes the form. Without a sizing area in the skin it lets every
/// click through to the windows below. On a full border the top window hands the mouse to the caption
/// object under it, drags the form by the caption (snapping it when the frame is magnetic), and answers
/// a double click on the caption as the frame's caption does.
class TskFormLayerWindow : public TForm {
public:
  /// A hidden border window of AOwner for the skinned form AForm.
  TskFormLayerWindow(TskFormLayerBorder* AOwner, TCustomForm* AForm);

  TskFormLayerBorderType BorderType { skflLeft };
  /// A drag is under way.
  bool FDown { false };

protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;

private:
  /// The border carries the whole frame.
  bool FullBorder() const;
  /// A double click on the window (full border): on the caption as the frame's caption double click, on
  /// the system-menu button the form closes.
  void DblClick();
  /// One drag step of the caption: the form moves by the cursor's way, snapped when magnetic.
  void MoveStep(int DX, int DY);
  /// Serves the loop once, the move it delivers to this window only catching up with the cursor.
  void ProcessMessagesInStep();
  /// What lies under the cursor (screen coordinates) in this window.
  TskFormLayerBorderHit GetHitMode(TPoint P) const;
  /// The form may be sized: a resizable frame, not rolled up, in the normal state.
  bool CanSize() const;
  /// One drag step of the sizing zone FHitMode by the cursor's movement since the last step.
  void SizeStep(int DX, int DY);
  void ShowFormIfInactive();
  /// The sizing cursor for FHitMode.
  void UpdateCursor();

  TCustomForm* FForm;
  TskFormLayerBorder* FLayerBorder;
  /// The cursor at the last step and now (screen).
  TPoint MousePos1;
  TPoint MousePos2;
  TskFormLayerBorderHit FHitMode { skflhNone };
  /// The loop is being run inside a drag step.
  bool FInProcessMessages { false };
};
