// The frame and its tray icon: minimizing the application into the notification area, bringing it back,
// the layered borders of the other forms stacked again after the application is restored, and the forms
// brought forward when the main form comes back from the tray.
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TScreen.h"
#include "platform/ui/winsys/Input.h"
#include "skin/core/TskSkinData.h"
#include "skin/form/TskFormLayerWindow.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinPopupMenu.h"
#include "skin/form/TskTrayIcon.h"

namespace {

/// The frame's CheckAppLayeredBorders as the application's OnRestore; its type tells the frame's own
/// handler from anyone else's.
struct TAppRestore {
  TskSkinForm* Frame;
  void operator()(TObject*) const { Frame->CheckAppLayeredBorders(); }
};

}  // namespace

void TskSkinForm::HookAppRestore() {
  if (Application && Application->MainForm() == FForm && FSkinnableForm && !Application->OnRestore)
    Application->OnRestore = TAppRestore { this };
}

void TskSkinForm::UnhookAppRestore() {
  if (!Application) return;
  if (auto* Handler = Application->OnRestore.target<TAppRestore>(); Handler && Handler->Frame == this)
    Application->OnRestore = nullptr;
}

void TskSkinForm::SetTrayIcon(TskTrayIcon* Value) {
  if (FTrayIcon) FTrayIcon->RemoveFreeNotification(this);
  FTrayIcon = Value;
  if (!FTrayIcon) return;
  FTrayIcon->FreeNotification(this);
  // The icon shows only while the application is in the tray; the frame's commands put it there.
  if (!FAlwaysShowInTray) FTrayIcon->SetIconVisible(false);
  FTrayIcon->SetMinimizeToTray(false);
  if (!FTrayIcon->PopupMenu()) FTrayIcon->SetPopupMenu(FSysTrayMenu);
  if (!FTrayIcon->OnDblClick) FTrayIcon->OnDblClick = [this](TObject*) { RestoreFromTray(); };
}

void TskSkinForm::MinimizeToTray() {
  if (!FTrayIcon || !Application) return;
  FTrayIcon->SetMinimizeToTray(true);
  Application->Minimize();
  if (OnMinimizeToTray) OnMinimizeToTray(this);
}

void TskSkinForm::RestoreFromTray() {
  if (!FTrayIcon || !Application) return;
  FTrayIcon->SetMinimizeToTray(false);
  FTrayIcon->ShowMainForm();
  Application->Restore();
  if (!FAlwaysShowInTray) FTrayIcon->SetIconVisible(false);
  if (OnRestoreFromTray) OnRestoreFromTray(this);
  CheckAppLayeredBorders();
}

void TskSkinForm::CheckAppLayeredBorders() {
  if (!Application || !Screen || Application->MainForm() != FForm) return;
  if (!FSD || !FSD->ShowLayeredBorders() || !UseLayeredBorder()) return;
  auto Restacks = [this](TCustomForm* Form) {
    return Form != FForm && Form->Visible() && !dynamic_cast<TskFormLayerWindow*>(Form) &&
           Form->FormStyle() != fsStayOnTop && Form->FormStyle() != fsMDIChild;
  };
  bool Others = false;
  for (int i = 0; i < Screen->FormCount() && !Others; ++i) Others = Restacks(Screen->Forms(i));
  if (!Others) return;
  // Showing each form again brings it, and with it its border, above the ones before it.
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (TCustomForm* Form = Screen->Forms(i); Restacks(Form)) Form->Show();
  if (FForm->Visible()) FForm->Show();
}

void TskSkinForm::BringFormsForwardFromTray() {
  if (!Application || !Screen) return;
  if (TCustomForm* Main = Application->MainForm(); Main && Main->HandleAllocated())
    SetForegroundWindow(Main->Handle());
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (TCustomForm* Form = Screen->Forms(i); Form->Visible() && Form->FormStyle() == fsStayOnTop &&
                                              !dynamic_cast<TskFormLayerWindow*>(Form) && Form->HandleAllocated())
      SetForegroundWindow(Form->Handle());
}
