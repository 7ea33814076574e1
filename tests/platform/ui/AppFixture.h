#pragma once
// An application object with its screen on the headless presenter, and small controls for forms: a
// button that closes its modal form with a result, and a control that logs keys and dialog keys.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/Exception.h"
#include "platform/base/MainThread.h"
#include "platform/display/HeadlessPresenter.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TCustomControl.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/toolkit/TScreen.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"

using AppLog = std::vector<std::string>;

/// A focusable control that logs its key handling and dialog keys under its name; it takes CM_DIALOGKEY
/// for the key in Takes (0: none) and, when clicked, gives its form the modal result Result.
class KeyProbe : public TCustomControl {
public:
  KeyProbe(TComponent* AOwner, AppLog* ALog, const std::string& AName, TWinControl* AParent, TRect R)
      : TCustomControl(AOwner), Log(ALog) {
    SetName(AName);
    SetTabStop(true);
    SetBounds(R.Left, R.Top, R.Width(), R.Height());
    SetParent(AParent);
  }

  AppLog* Log;
  Word Takes { 0 };
  TModalResult Result { mrNone };

protected:
  void KeyDown(Word& Key, TShiftState Shift) override {
    Log->push_back(Name() + ".KeyDown(" + std::to_string(Key) + ")");
    TCustomControl::KeyDown(Key, Shift);
  }
  void Click() override {
    Log->push_back(Name() + ".Click");
    if (Result != mrNone) GetParentForm(this)->SetModalResult(Result);
  }
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == CM_DIALOGKEY) {
      Log->push_back(Name() + ".CM_DIALOGKEY(" + std::to_string(Message.WParam) + ")");
      if (Takes && Message.WParam == Takes) Message.Result = 1;
      return;
    }
    TCustomControl::Dispatch(Message);
  }
};

/// A new control owned by Owner, placed at Bounds on Parent.
template <class T> T* Place(TComponent* Owner, TWinControl* Parent, TRect Bounds) {
  auto* C = new T(Owner);
  C->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
  C->SetParent(Parent);
  return C;
}

class AppTest : public ::testing::Test {
protected:
  void SetUp() override {
    WindowSystem::Get().Reset();
    Display.emplace(TSize { 1280, 800 });
    App = std::make_unique<TApplication>(nullptr);
  }

  void TearDown() override {
    App.reset();
    Display.reset();
  }

  /// A form owned by the application at R, not shown yet.
  TForm* NewForm(TRect R, const std::string& Name = "") {
    auto* Form = new TForm(App.get());
    Form->SetName(Name);
    Form->SetBounds(R.Left, R.Top, R.Width(), R.Height());
    return Form;
  }

  /// Clicks the middle of a control.
  void ClickOn(TControl* Control) {
    const TPoint P = Control->ClientToScreen({ Control->Width() / 2, Control->Height() / 2 });
    Display->Click(P.X, P.Y);
  }

  /// Runs Step inside the next loop step (a modal loop that opens meanwhile serves it).
  static void Later(std::function<void()> Step) { Queue(std::move(Step)); }

  std::optional<HeadlessPresenter> Display;
  std::unique_ptr<TApplication> App;
  AppLog Log;
};
