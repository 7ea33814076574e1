#pragma once
// The office combo box's drop-down: an office list in a borderless popup tool window that never takes the
// activation or the focus, shown and hidden as the plain combo box's drop-down is. The combo box makes it;
// it is never loaded from a form's description, so its item events fire also while the form loads.
#include "skin/boxctrls/TskSkinOfficeListBox.h"
#include "skin/boxctrls/skDropDownWindow.h"

/// The drop-down list of an office combo box; see the file comment.
class TskPopupOfficeListBox : public TskSkinOfficeListBox {
public:
  explicit TskPopupOfficeListBox(TComponent* AOwner);

  /// Shows the list with its top-left corner at Origin (screen), translucent by the owning combo box's
  /// alpha settings (skDropDownWindow.h).
  void Show(TPoint Origin);
  void Hide();

protected:
  bool Loading() const override;
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;

private:
  TskDropDownAlpha FAlpha;
};
