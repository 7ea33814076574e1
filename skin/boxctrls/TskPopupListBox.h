#pragma once
// The combo box's drop-down: a skinned list box in a borderless popup tool window that never takes the
// activation or the focus. Its toolkit parent is the combo box (which owns the window); its position is in
// screen coordinates.
#include "skin/boxctrls/TskSkinListBox.h"

/// The drop-down list of a skinned combo box; see the file comment.
class TskPopupListBox : public TskSkinListBox {
public:
  explicit TskPopupListBox(TComponent* AOwner);
  ~TskPopupListBox() override;

  /// Shows the list with its top-left corner at Origin (screen), translucent by the owning combo box's
  /// alpha settings; with a fade-in it returns when the fade ends, or at once when the list was hidden or
  /// freed by a handler that ran during the fade.
  void Show(TPoint Origin);
  void Hide();

protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;

private:
  void FadeIn(Byte Target);

  bool FOldAlphaBlend { false };
  Byte FOldAlphaBlendValue { 0 };
  std::shared_ptr<bool> FAlive { std::make_shared<bool>(true) };
};
