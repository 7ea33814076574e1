#include "skin/form/skFormFinders.h"

#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TScreen.h"
#include "skin/form/TskSkinForm.h"

namespace {

/// The main form when it holds MDI children.
TCustomForm* MDIMainForm() {
  TCustomForm* Main = Application ? Application->MainForm() : nullptr;
  return Main && Main->FormStyle() == fsMDIForm ? Main : nullptr;
}

}  // namespace

TskSkinForm* GetSkinFormComponent(TCustomForm* AForm) {
  if (!AForm) return nullptr;
  for (int i = 0; i < AForm->ComponentCount(); ++i)
    if (auto* Frame = dynamic_cast<TskSkinForm*>(AForm->Components(i))) return Frame;
  return nullptr;
}

TskSkinForm* GetMaximizedMDIChildSkinForm() {
  if (!MDIMainForm() || !Screen) return nullptr;
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* Child = Screen->Forms(i);
    if (Child->FormStyle() != fsMDIChild) continue;
    if (TskSkinForm* Frame = GetSkinFormComponent(Child); Frame && Frame->WindowState() == wsMaximized) return Frame;
  }
  return nullptr;
}

// The MDI parent knows its active child also while another form of the program has the activation.
TskSkinForm* GetActiveMDIChildSkinForm() {
  TCustomForm* Main = MDIMainForm();
  return Main ? GetSkinFormComponent(Main->ActiveMDIChild()) : nullptr;
}
