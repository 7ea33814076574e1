// Start-up and shut-down of the main window.
#include <functional>
#include <initializer_list>

#include "app/engine/IFFConverter.h"
#include "app/forms/TForm1.h"
#include "engine/player/FFPlay.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TComboBox.h"
#include "skin/dialogs/TskSkinSavePictureDialog.h"

namespace {

/// Runs Step; an error it raises is shown by the application and ends only that step.
void RunCreationStep(const std::function<void()>& Step) {
  try {
    Step();
  } catch (...) {
    Application->HandleException();
  }
}

}  // namespace

void TForm1::FormCreate(TObject*) {
  const std::initializer_list<std::function<void()>> Steps = {
    [this] { Button15->Click(); },
    [this] { Button17->Click(); },
    [this] { Button21->Click(); },
    [this] { Button3->Click(); },
    [this] { Button2->Click(); },
    [this] { FillScreenList(); },
    [this] { PrepareSnapshotDialog(); },
    [this] { skSkinSlider1_down_UP = "UP"; },
  };
  for (const auto& Step : Steps) RunCreationStep(Step);
}

void TForm1::FillScreenList() {
  cboScreens->Items()->Clear();
  cboScreens->Items()->Add("Panel6");
  for (int TabOrder = 0;; ++TabOrder) {
    TWinControl* Found = nullptr;
    for (int i = 0; i < ControlCount() && !Found; ++i) {
      auto* Child = dynamic_cast<TWinControl*>(Controls(i));
      if (Child && Child->TabOrder() == TabOrder) Found = Child;
    }
    if (!Found) break;
    cboScreens->Items()->Add(Found->Name());
  }
  cboScreens->SetItemIndex(0);
}

// The skinned save-picture dialog stands in for the plain one: it always asks before overwriting, keeps
// hidden read-only state and sizing to itself, and a typed name without extension takes the chosen type's,
// which for the first type is the default extension "bmp".
void TForm1::PrepareSnapshotDialog() {
  SavePictureDialog1->SetOverwritePromt(true);
  SavePictureDialog1->SetFilter("Bitmaps (*.bmp)|*.bmp|JPEG Image File |*.jpg;*.jpeg");
  SavePictureDialog1->SetFilterIndex(1);
}

void TForm1::FormCloseQuery(TObject*, bool&) {
  FClosing = true;
  FFPlayer->OnPosition = nullptr;
  FFPlayer->OnState = nullptr;
  FFPlayer->OnHook = nullptr;
  FFConverter->OnCustomHook = nullptr;
  FFConverter->OnProgress = nullptr;
  FFConverter->OnTerminate = nullptr;
  FFConverter->Stop(true);
  FFLogger->OnLog = nullptr;
}
