#pragma once
// A frame object animated through a strip of CountFrames frames of SkinRect's size laid side by side in
// its picture (frame 1 at SkinRect). Hovered, a button-style object plays forward and, unless it cycles,
// stops on its last frame; left, it plays back to frame 1. One frame lasts TimerInterval rounded up to
// whole 25 ms ticks of the frame's animation timer. A button-style object runs its command like a
// standard button; its system-menu command drops the system menu down on press.
#include "skin/form/TskActiveSkinObject.h"

class TMenuItem;

/// An animated frame object; see the file comment.
class TskSkinAnimateObject : public TskActiveSkinObject {
public:
  TskSkinAnimateObject(TskSkinForm* AParent, TskDataSkinObject* AData);

  void ShowLayer() override;
  void HideLayer() override;
  void Draw(TCanvas* Cnvs, bool UpDate) override;
  /// The system-menu command closes the form.
  void DblClick() override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  /// Plays forward from frame 1.
  void Start();
  /// Back to frame 1, still.
  void Stop();
  /// One tick of the animation timer.
  void ChangeFrame();

  int FFrame { 1 };
  int FInc { 25 };
  int TimerInterval { 25 };
  TMenuItem* MenuItem { nullptr };
  bool FPopupUp { false };
  bool FDown { false };
  /// A menu opened by the object is showing.
  bool FMenuTracking { false };
  int CountFrames { 0 };
  bool Cycle { false };
  bool ButtonStyle { false };
  /// Frames advance (else they go back).
  bool Increment { true };
  TskStdCommand Command { cmClose };
  TRect DownSkinRect;
  TRect RestoreRect;
  TRect RestoreActiveRect;
  TRect RestoreInActiveRect;
  TRect RestoreDownRect;
  String RestoreHint;
  String FTempHint;

protected:
  /// ObjectRect offset by the form's own place only: a full layered border never shows this object, so its
  /// glow and menu do not follow the border's top window.
  TRect ScreenObjectRect() const override;

private:
  void SetFrame(int Value);
  /// The form is in the state the command would undo.
  bool RestoreLook() const;
  /// Starts the animation timer, or repaints when the pressed look holds the object still.
  void Animate();
  void RunCommand();
  void ShowMenu();
};
