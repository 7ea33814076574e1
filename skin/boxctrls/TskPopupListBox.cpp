#include "skin/boxctrls/TskPopupListBox.h"

#include "platform/ui/winsys/Ui.h"
#include "skin/boxctrls/TskSkinComboBase.h"

TskPopupListBox::TskPopupListBox(TComponent* AOwner) : TskSkinListBox(AOwner) {
  FControlStyle.Include(csAcceptsControls);
  FControlStyle.Include(csReplicatable);
  SetCtl3D(false);
  SetParentCtl3D(false);
  SetVisible(false);
}

void TskPopupListBox::CreateParams(TCreateParams& Params) {
  TskSkinListBox::CreateParams(Params);
  Params.Style = WS_POPUP | WS_CLIPSIBLINGS;
  Params.ExStyle = WS_EX_TOOLWINDOW;
  Params.WindowClass.style |= CS_SAVEBITS;
}

void TskPopupListBox::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_MOUSEACTIVATE) {
    Message.Result = MA_NOACTIVATE;
    return;
  }
  TskSkinListBox::Dispatch(Message);
}

void TskPopupListBox::Show(TPoint Origin) {
  ShowDropDown(this, Origin, dynamic_cast<TskSkinComboBase*>(Owner()), FAlpha);
}

void TskPopupListBox::Hide() { HideDropDown(this); }
