#pragma once
// One of the four buttons a main menu bar shows while an MDI child is maximized: the child's system menu,
// close, restore and minimize. A press and a release over the button act on the maximized child's frame
// (the system-menu button acts at the press; its double click closes the child); without a maximized
// child nothing happens. A record that morphs fades the button between its normal and hot faces as the
// pointer comes and goes.
#include "skin/form/TskMenuBarObject.h"

class TskDataSkinMainMenuBarButton;

/// An MDI button of the main menu bar; see the file comment.
class TskSkinMainMenuBarButton : public TskMenuBarObject {
public:
  /// A button from AData, or the built-in look with ACommand without a record.
  TskSkinMainMenuBarButton(TskSkinMainMenuBar* AParent, TskDataSkinMainMenuBarButton* AData, TskStdCommand ACommand);

  void Draw(TCanvas* Cnvs) override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void DblClick() override;
  void MouseEnter() override;
  void MouseLeave() override;
  /// The built-in look: clBtnFace, framed and filled while hot or pressed, with the command's glyph.
  void DefaultDraw(TCanvas* Cnvs);

  bool FSkinSupport { false };
  TskStdCommand Command { cmClose };

private:
  /// The normal face changed toward the hot one as far as the transition has come.
  void DrawMorph(TCanvas* Cnvs);
  /// Runs the command on the maximized child.
  void Action();
};
