#include "skin/boxctrls/TskPopupOfficeListBox.h"

#include "platform/ui/winsys/Ui.h"
#include "skin/boxctrls/TskSkinComboBase.h"

TskPopupOfficeListBox::TskPopupOfficeListBox(TComponent* AOwner) : TskSkinOfficeListBox(AOwner) {
  FControlStyle.Include(csAcceptsControls);
  FControlStyle.Include(csNoDesignVisible);
  FControlStyle.Include(csReplicatable);
  SetVisible(false);
}

bool TskPopupOfficeListBox::Loading() const { return ComponentState().Contains(csDesigning); }

void TskPopupOfficeListBox::CreateParams(TCreateParams& Params) {
  TskSkinOfficeListBox::CreateParams(Params);
  Params.Style = WS_POPUP | WS_CLIPSIBLINGS;
  Params.ExStyle = WS_EX_TOOLWINDOW;
  Params.WindowClass.style |= CS_SAVEBITS;
}

void TskPopupOfficeListBox::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_MOUSEACTIVATE) {
    Message.Result = MA_NOACTIVATE;
    return;
  }
  TskSkinOfficeListBox::Dispatch(Message);
}

void TskPopupOfficeListBox::Show(TPoint Origin) {
  ShowDropDown(this, Origin, dynamic_cast<TskSkinComboBase*>(Owner()), FAlpha);
}

void TskPopupOfficeListBox::Hide() { HideDropDown(this); }
