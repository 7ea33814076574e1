// Forms: modal showing, closing and its actions, activation and the focused control, keyboard
// navigation and the key order, building a form in code, and the screen's form list.
#include <algorithm>
#include <atomic>
#include <thread>

#include "platform/ui/toolkit/TScreen.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "platform/ui/winsys/InputLayer.h"
#include "tests/platform/ui/AppFixture.h"

namespace {

using FormTest = AppTest;

TEST_F(FormTest, ShowModalDisablesTheOtherFormsAndAnswersTheResultAControlSet) {
  TForm* Main = NewForm(Bounds(100, 100, 400, 300), "Main");
  Main->Show();
  TForm* Dialog = NewForm(Bounds(200, 150, 300, 200), "Dialog");
  auto* Ok = new KeyProbe(Dialog, &Log, "Ok", Dialog, Bounds(10, 10, 80, 25));
  Ok->Result = mrOk;
  bool MainDisabledMeanwhile = false;
  bool DialogActiveMeanwhile = false;
  Later([&] {
    MainDisabledMeanwhile = !IsWindowEnabled(Main->Handle());
    DialogActiveMeanwhile = Dialog->Active() && GetActiveWindow() == Dialog->Handle();
    ClickOn(Ok);
  });
  EXPECT_EQ(Dialog->ShowModal(), mrOk);
  EXPECT_TRUE(MainDisabledMeanwhile);
  EXPECT_TRUE(DialogActiveMeanwhile);
  EXPECT_FALSE(Dialog->Visible());
  EXPECT_TRUE(IsWindowEnabled(Main->Handle()));
  EXPECT_EQ(GetActiveWindow(), Main->Handle()) << "the activation goes back to the form that had it";
  EXPECT_THROW(Main->ShowModal(), EInvalidOperation) << "a visible form cannot become modal";
}

TEST_F(FormTest, AWorkersHandOverIsServedWhileTheModalLoopRuns) {
  TForm* Dialog = NewForm(Bounds(200, 150, 300, 200));
  std::thread Worker;
  std::atomic<bool> Served { false };
  Later([&] {
    Worker = std::thread([&] {
      Synchronize([&] {
        Served = true;
        Dialog->SetModalResult(mrYes);
      });
    });
  });
  EXPECT_EQ(Dialog->ShowModal(), mrYes);
  Worker.join();
  EXPECT_TRUE(Served);
}

TEST_F(FormTest, CloseQueryAndCloseActionsDecideWhatClosingDoes) {
  struct Case {
    bool CanClose;
    TCloseAction Action;
    bool VisibleAfter;
    bool FreedAfter;
    TWindowState State;
  };
  const Case Cases[] = {
    { false, caHide, true, false, wsNormal },     { true, caNone, true, false, wsNormal },
    { true, caHide, false, false, wsNormal },     { true, caMinimize, true, false, wsMinimized },
    { true, caFree, true, true, wsNormal },
  };
  NewForm(Bounds(0, 0, 100, 100), "Main")->Show();  // the main form would end the application instead
  for (const Case& C : Cases) {
    SCOPED_TRACE(int(C.Action));
    TForm* Form = NewForm(Bounds(100, 100, 200, 150), "Second");
    Form->Show();
    Display->PumpUntilIdle();
    Form->OnCloseQuery = [&](TObject*, bool& CanClose) { CanClose = C.CanClose; };
    Form->OnClose = [&](TObject*, TCloseAction& Action) { Action = C.Action; };
    bool Destroyed = false;
    Form->OnDestroy = [&](TObject*) { Destroyed = true; };
    Form->Close();
    EXPECT_FALSE(Destroyed) << "a freed form goes only after the message being handled";
    Display->PumpUntilIdle();
    EXPECT_EQ(Destroyed, C.FreedAfter);
    if (Destroyed) continue;
    EXPECT_EQ(Form->Visible() && IsWindowVisible(Form->Handle()), C.VisibleAfter);
    EXPECT_EQ(Form->WindowState(), C.State);
    delete Form;
  }
}

TEST_F(FormTest, ClosingTheModalFormAnswersCancelAndAFreedModalFormGoesAfterwards) {
  TForm* Dialog = NewForm(Bounds(200, 150, 300, 200));
  Later([&] { PostMessage(Dialog->Handle(), WM_CLOSE, 0, 0); });
  EXPECT_EQ(Dialog->ShowModal(), mrCancel);

  bool Destroyed = false;
  Dialog->OnDestroy = [&](TObject*) { Destroyed = true; };
  Dialog->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
  Later([&] { Dialog->SetModalResult(mrOk); });
  EXPECT_EQ(Dialog->ShowModal(), mrOk);
  EXPECT_FALSE(Destroyed);
  Display->PumpUntilIdle();
  EXPECT_TRUE(Destroyed);
}

TEST_F(FormTest, DialogKeysReachTheFormsControlsBeforeTheFocusedControlsKeyDown) {
  TForm* Form = NewForm(Bounds(100, 100, 300, 200));
  auto* Focused = new KeyProbe(Form, &Log, "Edit", Form, Bounds(10, 10, 100, 25));
  auto* Other = new KeyProbe(Form, &Log, "Button", Form, Bounds(10, 50, 100, 25));
  Other->Takes = VK_ESCAPE;
  Form->Show();
  Focused->SetFocus();
  Display->PumpUntilIdle();
  Display->Key(VK_RETURN);
  Display->Key(VK_ESCAPE);
  Display->Key('A');
  const AppLog Expected = {
    "Edit.CM_DIALOGKEY(13)", "Button.CM_DIALOGKEY(13)", "Edit.KeyDown(13)",  // nobody took Enter
    "Edit.CM_DIALOGKEY(27)", "Button.CM_DIALOGKEY(27)",                      // the button took Esc
    "Edit.KeyDown(65)",                                                      // no dialog key
  };
  EXPECT_EQ(Log, Expected);
}

TEST_F(FormTest, ACaptionPressAndLosingTheActivationCancelTheFocusedControlsModes) {
  class CancelProbe : public KeyProbe {
  public:
    using KeyProbe::KeyProbe;

  protected:
    void Dispatch(TMessage& Message) override {
      if (Message.Msg == CM_CANCELMODE) {
        const auto* Sender = reinterpret_cast<TControl*>(Message.LParam);
        Log->push_back("CM_CANCELMODE(" + (Sender ? Sender->Name() : std::string("nil")) + ")");
      }
      KeyProbe::Dispatch(Message);
    }
  };
  TForm* Form = NewForm(Bounds(100, 100, 300, 200), "Form");
  auto* Edit = new CancelProbe(Form, &Log, "Edit", Form, Bounds(10, 10, 100, 25));
  Form->Show();
  Edit->SetFocus();
  // The caption press runs the move loop; the release ends it.
  const TPoint Caption { 200, 110 };
  const TWndMethod Saved = Form->WindowProc();
  Form->SetWindowProc([&, Saved](TMessage& M) {
    if (M.Msg == WM_ENTERSIZEMOVE)
      Later([Caption] { InputLayer::Get().PointerButtonChanged(PointerButton::Left, false, Caption); });
    Saved(M);
  });
  ASSERT_EQ(SendMessage(Form->Handle(), WM_NCHITTEST, 0, PointToLParam(Caption)), HTCAPTION);
  Display->ButtonDown(Caption.X, Caption.Y);
  EXPECT_EQ(Log, (AppLog { "CM_CANCELMODE(Form)" }));

  Log.clear();
  Display->SetNativeFocus(Form->Handle(), true);
  Display->SetNativeFocus(Form->Handle(), false);
  EXPECT_FALSE(App->Active());
  EXPECT_EQ(Log, (AppLog { "CM_CANCELMODE(nil)" }));
}

TEST_F(FormTest, TabAndArrowsMoveTheFocusAndTheFormsActiveControlFollows) {
  TForm* Form = NewForm(Bounds(100, 100, 300, 200));
  auto* A = new KeyProbe(Form, &Log, "A", Form, Bounds(10, 10, 50, 20));
  auto* B = new KeyProbe(Form, &Log, "B", Form, Bounds(10, 40, 50, 20));
  auto* C = new KeyProbe(Form, &Log, "C", Form, Bounds(10, 70, 50, 20));
  B->SetTabStop(false);
  C->SetTabOrder(0);  // tab order C, A, B
  Form->Show();
  Display->PumpUntilIdle();
  EXPECT_EQ(Form->ActiveControl(), C) << "the first control in tab order gets the focus";
  EXPECT_TRUE(C->Focused());
  Display->Key(VK_TAB);
  EXPECT_EQ(Form->ActiveControl(), A);
  Display->Key(VK_TAB);
  EXPECT_EQ(Form->ActiveControl(), C) << "B has no tab stop, the order wraps";
  Display->Key(VK_TAB, { VK_SHIFT });
  EXPECT_EQ(Form->ActiveControl(), A);
  Display->Key(VK_DOWN);
  EXPECT_EQ(Form->ActiveControl(), B) << "arrows move among siblings without tab stops";
  EXPECT_TRUE(B->Focused());
  EXPECT_EQ(Screen->ActiveControl(), B);
  EXPECT_EQ(Screen->ActiveForm(), Form);
}

TEST_F(FormTest, ShortcutsOfTheMainFormWorkFromAnotherFormAndEachKeystrokeAsksTwice) {
  TForm* Main = nullptr;
  App->CreateForm(Main);
  ASSERT_EQ(App->MainForm(), Main);
  Main->SetBounds(0, 0, 300, 200);
  auto* MainEdit = new KeyProbe(Main, &Log, "MainEdit", Main, Bounds(10, 10, 100, 25));
  // A shortcut handler that, having taken a key, lets the next call pass (as a menu's does).
  bool InShortCut = false;
  int Runs = 0;
  Main->OnShortCut = [&](TWMKey& Key, bool& Handled) {
    if (Key.CharCode != VK_F1) return;
    InShortCut = !InShortCut;
    Handled = InShortCut;
    Runs += InShortCut;
  };
  std::vector<std::pair<Word, bool>> AppSaw;
  App->OnShortCut = [&](TWMKey& Key, bool&) { AppSaw.push_back({ Key.CharCode, (Key.KeyData & (1 << 29)) != 0 }); };
  Main->Show();
  MainEdit->SetFocus();
  for (int I = 0; I < 3; ++I) Display->Key(VK_F1);
  EXPECT_EQ(Runs, 3) << "the second call of each keystroke takes what the first let pass";
  EXPECT_TRUE(Log.empty()) << "no F1 reached the control";

  TForm* Other = NewForm(Bounds(400, 0, 300, 200));
  auto* OtherEdit = new KeyProbe(Other, &Log, "OtherEdit", Other, Bounds(10, 10, 100, 25));
  Other->Show();
  OtherEdit->SetFocus();
  Runs = 0;
  InShortCut = false;
  Display->Key(VK_F1);
  EXPECT_EQ(Runs, 1) << "the main form's shortcut works while another form has the focus";
  AppSaw.clear();
  Display->Key(VK_SPACE, { VK_MENU });
  EXPECT_NE(std::find(AppSaw.begin(), AppSaw.end(), std::pair<Word, bool> { VK_SPACE, true }), AppSaw.end())
      << "Alt+Space reaches OnShortCut";
}

// A shortcut handler that lets the second ask of a keystroke pass relies on being asked twice; a modal
// dialog (its main form disabled) is asked at the application as the main form would be.
TEST_F(FormTest, AModalDialogIsAskedTwicePerKeystrokeAsTheMainFormIs) {
  TForm* Main = nullptr;
  App->CreateForm(Main);
  Main->SetBounds(0, 0, 300, 200);
  Main->Show();
  TForm* Dialog = NewForm(Bounds(400, 0, 300, 200));
  auto* Edit = new KeyProbe(Dialog, &Log, "DialogEdit", Dialog, Bounds(10, 10, 100, 25));
  bool InShortCut = false;
  int Runs = 0;
  Dialog->OnShortCut = [&](TWMKey& Key, bool& Handled) {
    if (Key.CharCode != VK_F1) return;
    InShortCut = !InShortCut;
    Handled = InShortCut;
    Runs += InShortCut;
  };
  Later([&] {
    Edit->SetFocus();
    Display->Key(VK_F1);
    Display->Key(VK_F1);
    Dialog->SetModalResult(mrOk);
  });
  Dialog->ShowModal();
  EXPECT_EQ(Runs, 2);
  EXPECT_TRUE(Log.empty()) << "no F1 reached the control";
}

TEST_F(FormTest, ClosingTheMainFormEndsRun) {
  TForm* Main = nullptr;
  App->CreateForm(Main);
  TForm* Second = nullptr;
  App->CreateForm(Second);
  EXPECT_EQ(App->MainForm(), Main) << "only the first form becomes the main form";
  bool Shown = false;
  Main->OnShow = [&](TObject*) { Shown = true; };
  Later([&] { Main->Close(); });
  App->Run();
  EXPECT_TRUE(Shown);
  EXPECT_TRUE(App->Terminated());
}

TEST_F(FormTest, TheScreenListsFormsInCreationOrderFromTheirCreationOn) {
  TForm* A = NewForm(Bounds(0, 0, 100, 100), "A");
  TForm* B = NewForm(Bounds(0, 0, 100, 100), "B");
  TForm* C = NewForm(Bounds(0, 0, 100, 100), "C");
  C->Show();
  A->Show();  // z-order and activation do not reorder the list
  Display->PumpUntilIdle();
  ASSERT_EQ(Screen->FormCount(), 3);
  EXPECT_EQ(Screen->Forms(0), A);
  EXPECT_EQ(Screen->Forms(1), B);
  EXPECT_EQ(Screen->Forms(2), C);
  EXPECT_FALSE(B->HandleAllocated()) << "listed without a window";
  EXPECT_EQ(Screen->ActiveForm(), A);
  delete B;
  ASSERT_EQ(Screen->FormCount(), 2);
  EXPECT_EQ(Screen->Forms(1), C);
  delete A;
  EXPECT_EQ(Screen->ActiveForm(), C) << "the window system activated the form that was left";
  EXPECT_THROW(Screen->Forms(1), EListError);
}

TEST_F(FormTest, OnDestroyRunsWhileTheFormIsWholeWhoeverOwnsIt) {
  struct TWithField : TForm {
    using TForm::TForm;
    String Field { "kept" };
  };
  TForm* OwnerForm = NewForm(Bounds(0, 0, 100, 100));
  for (TComponent* Owner : { static_cast<TComponent*>(App.get()), static_cast<TComponent*>(nullptr),
                             static_cast<TComponent*>(OwnerForm) }) {
    auto* Form = new TWithField(Owner);
    new KeyProbe(Form, &Log, "Child", Form, Bounds(0, 0, 10, 10));
    String Seen;
    Form->OnDestroy = [&](TObject* Sender) {
      auto* Whole = dynamic_cast<TWithField*>(Sender);  // null once the derived part is gone
      Seen = Whole ? Whole->Field + " " + std::to_string(Whole->ComponentCount()) : "partly destroyed";
    };
    delete Form;
    EXPECT_EQ(Seen, "kept 1");
  }
}

TEST_F(FormTest, AFormReleasedInsideItsOwnClickGoesAfterTheClick) {
  TForm* Form = NewForm(Bounds(100, 100, 200, 100));
  bool Destroyed = false, AliveAfterRelease = false;
  Form->OnDestroy = [&](TObject*) { Destroyed = true; };
  Form->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) {
    Form->Release();
    AliveAfterRelease = !Destroyed;
  };
  Form->Show();
  ClickOn(Form);
  EXPECT_TRUE(AliveAfterRelease);
  EXPECT_TRUE(Destroyed);
  EXPECT_EQ(Screen->FormCount(), 0);
}

}  // namespace
