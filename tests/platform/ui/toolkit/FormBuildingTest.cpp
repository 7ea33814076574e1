// Building a form in code: components are created, loaded, given their properties and references, and
// told Loaded once each before OnCreate; nothing fires while they load.
#include "platform/ui/toolkit/TCustomLabel.h"
#include "tests/platform/ui/AppFixture.h"

namespace {

AppLog* GLog = nullptr;

/// A component whose value setter reports changes unless it is loading, and that logs Loaded.
class TValueBox : public TComponent {
public:
  using TComponent::TComponent;
  void SetValue(int Value) {
    FValue = Value;
    if (!ComponentState().Contains(csLoading) && OnChange) OnChange(this);
  }
  int Value() const { return FValue; }
  TComponent* Partner { nullptr };
  TNotifyEvent OnChange;

protected:
  void Loaded() override {
    TComponent::Loaded();
    GLog->push_back(Name() + ".Loaded" + (Partner ? "(partner " + Partner->Name() + ")" : ""));
  }

private:
  int FValue { 0 };
};

/// A control whose Checked setter clicks it unless it is loading (as check boxes do).
class TCheckProbe : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  void SetChecked(bool Value) {
    FChecked = Value;
    if (!ComponentState().Contains(csLoading)) Click();
  }

protected:
  void Loaded() override {
    TCustomControl::Loaded();
    GLog->push_back(Name() + ".Loaded");
  }

private:
  bool FChecked { false };
};

class TBuiltForm : public TForm {
public:
  using TForm::TForm;
  TValueBox* Combo { nullptr };
  TValueBox* Model { nullptr };
  TCheckProbe* Check { nullptr };

protected:
  void CreateComponents() override {
    Combo = new TValueBox(this);
    Model = new TValueBox(this);
    Check = new TCheckProbe(this);
    GLog->push_back(std::string("created, loading ") + (Combo->ComponentState().Contains(csLoading) ? "yes" : "no"));
  }
  void AssignProperties() override {
    GLog->push_back(std::string("properties, loading ") +
                    (Combo->ComponentState().Contains(csLoading) && Check->ComponentState().Contains(csLoading) &&
                             ComponentState().Contains(csLoading)
                         ? "yes"
                         : "no"));
    SetName("Built");
    Combo->SetName("Combo");
    Model->SetName("Model");
    Check->SetName("Check");
    Combo->OnChange = [](TObject*) { GLog->push_back("Combo.OnChange"); };
    Combo->SetValue(2);
    Check->OnClick = [](TObject*) { GLog->push_back("Check.OnClick"); };
    Check->SetParent(this);
    Check->SetChecked(true);
    OnCreate = [](TObject*) { GLog->push_back("OnCreate"); };
    OnShow = [](TObject*) { GLog->push_back("OnShow"); };
    SetVisible(true);
  }
  void ResolveReferences() override { Combo->Partner = Model; }
  void Loaded() override {
    TForm::Loaded();
    GLog->push_back("Built.Loaded");
  }
};

using FormBuilding = AppTest;

TEST_F(FormBuilding, NothingFiresWhileLoadingAndLoadedRunsOncePerComponentBeforeOnCreate) {
  GLog = &Log;
  TBuiltForm* Form = nullptr;
  App->CreateForm(Form);
  const AppLog Expected = {
    "created, loading no", "properties, loading yes",
    "Built.Loaded",        "Combo.Loaded(partner Model)",
    "Model.Loaded",        "Check.Loaded",
    "OnCreate",            "OnShow",
  };
  EXPECT_EQ(Log, Expected);
  EXPECT_EQ(Form->Combo->Value(), 2);
  EXPECT_TRUE(Form->Visible()) << "Visible set while loading shows the form after OnCreate";
  EXPECT_EQ(App->MainForm(), Form);
  Log.clear();
  Form->Combo->SetValue(3);
  Form->Check->SetChecked(false);
  EXPECT_EQ(Log, (AppLog { "Combo.OnChange", "Check.OnClick" })) << "events fire once loading is over";
  GLog = nullptr;
}

TEST_F(FormBuilding, AFailingStepFreesTheForm) {
  struct TFailingForm : TForm {
    using TForm::TForm;
    void AssignProperties() override { throw EInvalidOperation("bad property"); }
  };
  TFailingForm* Form = nullptr;
  EXPECT_THROW(App->CreateForm(Form), EInvalidOperation);
  EXPECT_EQ(Screen->FormCount(), 0);
  EXPECT_EQ(App->MainForm(), nullptr);
}

// A failing OnCreate ends only itself: the error is shown and the form is there, complete.
TEST_F(FormBuilding, AnErrorOfOnCreateIsShownAndTheFormIsKept) {
  struct TFailingCreate : TForm {
    using TForm::TForm;
    void AssignProperties() override {
      SetCaption("kept");
      OnCreate = [](TObject*) { throw EInvalidOperation("Unable to write to /opt/option.ini"); };
    }
  };
  String Shown;
  Later([&] {
    auto* Box = Screen->ActiveForm();
    for (int I = 0; I < Box->ControlCount(); ++I)
      if (auto* Label = dynamic_cast<TCustomLabel*>(Box->Controls(I))) Shown = Label->Caption();
    Box->SetModalResult(IDOK);
  });
  TFailingCreate* Form = nullptr;
  App->CreateForm(Form);
  EXPECT_EQ(Shown, "Unable to write to /opt/option.ini");
  ASSERT_NE(Form, nullptr);
  EXPECT_EQ(Form->Caption(), "kept");
  EXPECT_EQ(App->MainForm(), Form);
}

TEST_F(FormBuilding, TheFormsConstructorGetsTheArgumentsAfterTheOwner) {
  struct TGivenForm : TForm {
    TGivenForm(TComponent* AOwner, const String& Given) : TForm(AOwner), Seen(Given) {}
    void AssignProperties() override { SetCaption(Seen); }
    String Seen;
  };
  TGivenForm* Form = nullptr;
  App->CreateForm(Form, String("given"));
  EXPECT_EQ(Form->Caption(), "given") << "the argument is there before the stored properties are set";
  EXPECT_EQ(App->MainForm(), Form);
}

}  // namespace
