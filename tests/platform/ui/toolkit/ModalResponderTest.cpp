// Modal responders: a form shown modally is answered by the responder of its name, its class name or the
// default one, from inside its running loop; the plain message box is answered by name with its text and
// buttons readable.
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Icons.h"
#include "platform/ui/toolkit/ModalResponders.h"
#include "platform/ui/toolkit/TCustomLabel.h"
#include "tests/platform/ui/AppFixture.h"

namespace {

class ModalResponderTest : public AppTest {
protected:
  void TearDown() override {
    ClearModalResponders();
    AppTest::TearDown();
  }

  /// A dialog named AName with a button "Ok" that answers mrOk.
  TForm* NewDialog(const String& AName) {
    TForm* Dialog = NewForm(Bounds(200, 150, 300, 200), AName);
    auto* Ok = new KeyProbe(Dialog, &Log, "Ok", Dialog, Bounds(10, 10, 80, 25));
    Ok->Result = mrOk;
    return Dialog;
  }
};

TEST_F(ModalResponderTest, TheResponderAnswersEveryShowingFromInsideTheRunningLoopUntilItIsRemoved) {
  TForm* Main = NewForm(Bounds(100, 100, 400, 300), "Main");
  Main->Show();
  TForm* Dialog = NewDialog("Options");
  struct Seen {
    bool Modal;
    bool Visible;
    bool MainDisabled;
  };
  std::vector<Seen> Calls;
  SetModalResponder("Options", [&](TCustomForm* Form) {
    EXPECT_EQ(Form, Dialog);
    Calls.push_back({ Form->Modal(), IsWindowVisible(Form->Handle()), !IsWindowEnabled(Main->Handle()) });
    ClickOn(static_cast<TControl*>(Form->FindComponent("Ok")));
  });
  EXPECT_EQ(Dialog->ShowModal(), mrOk);
  EXPECT_EQ(Dialog->ShowModal(), mrOk);
  ASSERT_EQ(Calls.size(), 2u) << "once per showing";
  for (const Seen& Call : Calls) {
    EXPECT_TRUE(Call.Modal);
    EXPECT_TRUE(Call.Visible);
    EXPECT_TRUE(Call.MainDisabled);
  }
  EXPECT_EQ(Log, AppLog({ "Ok.Click", "Ok.Click" })) << "answered through the real input path";

  SetModalResponder("Options", nullptr);
  Later([&] { Dialog->SetModalResult(mrCancel); });
  EXPECT_EQ(Dialog->ShowModal(), mrCancel) << "without a responder the form waits for the user";
  EXPECT_EQ(Calls.size(), 2u);
}

TEST_F(ModalResponderTest, TheFormsNameComesBeforeItsClassNameAndTheDefaultTakesTheRest) {
  const auto Answer = [](TModalResult Result) { return [Result](TCustomForm* Form) { Form->SetModalResult(Result); }; };
  TForm* Options = NewDialog("Options");
  SetModalResponder("TForm", Answer(mrNo));
  SetModalResponder("options", Answer(mrYes));  // names compare case-insensitively
  EXPECT_EQ(Options->ShowModal(), mrYes);
  EXPECT_EQ(NewDialog("")->ShowModal(), mrNo) << "an unnamed form is answered by its class name";
  EXPECT_EQ(NewDialog("Other")->ShowModal(), mrNo);

  SetModalResponder("TForm", nullptr);
  SetDefaultModalResponder(Answer(mrAbort));
  EXPECT_EQ(NewDialog("Another")->ShowModal(), mrAbort);
  EXPECT_EQ(Options->ShowModal(), mrYes) << "a named responder comes before the default";
}

TEST_F(ModalResponderTest, AFormAnsweredBeforeItsResponderRunsIsNotHandedToIt) {
  int Called = 0;
  SetDefaultModalResponder([&](TCustomForm*) { ++Called; });
  TForm* Dialog = NewDialog("Dialog");
  Later([&] { Dialog->SetModalResult(mrIgnore); });
  EXPECT_EQ(Dialog->ShowModal(), mrIgnore);
  EXPECT_EQ(Called, 0);
}

TEST_F(ModalResponderTest, ThePlainMessageBoxIsAnsweredByNameWithItsTextAndButtonsReadable) {
  String Text;
  String Buttons;
  SetModalResponder("MessageBox", [&](TCustomForm* Box) {
    Text = static_cast<TCustomLabel*>(Box->FindComponent("Message"))->Caption();
    for (const char* Name : { "Yes", "No", "Cancel", "OK" })
      if (Box->FindComponent(Name)) Buttons += String(Name) + " ";
    ClickOn(static_cast<TControl*>(Box->FindComponent("No")));
  });
  EXPECT_EQ(App->MessageBox("Overwrite the file?", "", MB_YESNOCANCEL), IDNO);
  EXPECT_EQ(Text, "Overwrite the file?");
  EXPECT_EQ(Buttons, "Yes No Cancel ");
}

// The box shows the standard icon its flags name, drawn as the icon itself draws over the box's face, with
// the text beside it; a box without an icon flag shows none.
TEST_F(ModalResponderTest, ThePlainMessageBoxDrawsTheStandardIconItsFlagsAskFor) {
  struct TCase {
    UINT Flag;
    uintptr_t Icon;  // 0: none
  };
  for (const TCase& Case : { TCase { MB_ICONERROR, IDI_ERROR }, TCase { MB_ICONQUESTION, IDI_QUESTION },
                             TCase { MB_ICONWARNING, IDI_WARNING }, TCase { MB_ICONINFORMATION, IDI_INFORMATION },
                             TCase { 0, 0 } }) {
    SCOPED_TRACE(Case.Flag);
    int Mismatches = -1;
    int TextLeft = -1, IconRight = -1;
    SetModalResponder("MessageBox", [&](TCustomForm* Box) {
      auto* Icon = static_cast<TControl*>(Box->FindComponent("Icon"));
      TextLeft = static_cast<TControl*>(Box->FindComponent("Message"))->Left();
      if (Icon) {
        Display->PumpUntilIdle();
        IconRight = Icon->Left() + Icon->Width();
        const HDC DC = CreateCompatibleDC(nullptr);
        const HBITMAP Bitmap = CreateCompatibleBitmap(DC, 32, 32);
        const HGDIOBJ Old = SelectObject(DC, Bitmap);
        const HBRUSH Face = CreateSolidBrush(ColorToRGB(Box->Color()));
        DrawIconEx(DC, 0, 0, LoadIcon(0, Case.Icon), 32, 32, 0, Face, DI_NORMAL);
        Mismatches = 0;
        const TPoint Corner = Icon->ClientToScreen({ 0, 0 });
        for (int Y = 0; Y < 32; ++Y)
          for (int X = 0; X < 32; ++X) Mismatches += Display->PixelAt(Corner.X + X, Corner.Y + Y) != GetPixel(DC, X, Y);
        DeleteObject(Face);
        SelectObject(DC, Old);
        DeleteObject(Bitmap);
        DeleteDC(DC);
      }
      ClickOn(static_cast<TControl*>(Box->FindComponent("OK")));
    });
    EXPECT_EQ(App->MessageBox("The file could not be converted.", "", MB_OK | Case.Flag), IDOK);
    if (Case.Icon) {
      EXPECT_EQ(Mismatches, 0);
      EXPECT_GT(TextLeft, IconRight) << "the text stands beside the icon";
    } else {
      EXPECT_EQ(Mismatches, -1) << "no icon";
      EXPECT_EQ(TextLeft, 12);
    }
  }
}

TEST_F(ModalResponderTest, AResponderMayOpenAnotherModalFormWhichItsOwnResponderAnswers) {
  TForm* Outer = NewDialog("Outer");
  int Asked = 0;
  SetModalResponder("MessageBox", [&](TCustomForm* Box) {
    ++Asked;
    Box->SetModalResult(IDOK);
  });
  SetModalResponder("Outer", [&](TCustomForm* Form) {
    Form->SetModalResult(App->MessageBox("Sure?", "", MB_OKCANCEL) == IDOK ? mrOk : mrCancel);
  });
  EXPECT_EQ(Outer->ShowModal(), mrOk);
  EXPECT_EQ(Asked, 1);
}

}  // namespace
