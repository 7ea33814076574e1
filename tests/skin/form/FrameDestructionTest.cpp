// Freeing framed forms in every order the program allows: the frame's procedure sees the form's window
// die while the form is whole, and a message whose handling frees the form (a release, a close that
// frees) leaves the frame untouched afterwards. The sanitizer build reports any slip; the states checked
// here are what must be left behind.
#include "platform/ui/toolkit/TMainMenu.h"
#include "skin/form/TskSkinHint.h"
#include "skin/form/TskSkinMenu.h"
#include "tests/skin/form/MDIFormFixture.h"

namespace {

/// How a form goes: each way the program and the library free one.
struct FreeWay {
  const char* How;
  std::function<void(TCustomForm*)> Free;
};

std::vector<FreeWay> FreeWays(TApplication* App) {
  return {
    { "deleted", [](TCustomForm* Form) { delete Form; } },
    { "released",
      [App](TCustomForm* Form) {
        Form->Release();
        App->ProcessMessages();
      } },
    { "closed to be freed",
      [App](TCustomForm* Form) {
        Form->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
        Form->Close();
        App->ProcessMessages();
      } },
  };
}

class FrameDestruction : public FormFrameTest {
protected:
  void SetUp() override {
    FormFrameTest::SetUp();
    BuildFrameSkin(Model);
    App->SetShowHint(true);
    Hint = new TskSkinHint(Main);
    Hint->SetSkinData(&Model);
  }

  /// A shown framed form whose frame uses the main form's skinned hint, the hint showing over one of its
  /// controls and, when MenuOpen, its frame's menu mode on (the application's message hook held for it).
  TForm* NewHookedForm(bool MenuOpen) {
    TForm* Form = NewForm(Bounds(200, 150, 400, 300), "Hooked");
    TskSkinForm* Frame = Attach(Form, &Model);
    auto* Menu = new TMainMenu(Form);
    auto* Item = new TMenuItem(Menu);
    Item->SetCaption("File");
    Menu->Items()->Add(Item);
    Frame->SetMainMenu(Menu);
    Frame->SetSkinHint(Hint);
    auto* Target = new KeyProbe(Form, &Log, "Target", Form, Bounds(20, 20, 120, 40));
    Target->SetHint("保存");
    Target->SetShowHint(true);
    Form->Show();
    Display->PumpUntilIdle();
    const TPoint P = Target->ClientToScreen({ 30, 10 });
    Display->MoveTo(P.X, P.Y);
    Display->Advance(App->HintPause() + 10);
    EXPECT_TRUE(App->HintWindow()->Visible());
    if (MenuOpen) {
      Frame->SkinMenuOpen();
      EXPECT_TRUE(Frame->InMenu);
    }
    return Form;
  }

  TskSkinHint* Hint { nullptr };
};

TEST_F(FrameDestruction, AFormWithAFrameHookedByMenusAndHintsGoesEveryWayAndLeavesNoHook) {
  for (const bool MenuOpen : { false, true })
    for (const FreeWay& Way : FreeWays(App.get())) {
      SCOPED_TRACE(std::string(Way.How) + (MenuOpen ? ", menu open" : ""));
      TForm* Form = NewHookedForm(MenuOpen);
      const std::weak_ptr<bool> Life = Form->LifeToken();
      Way.Free(Form);
      ASSERT_TRUE(Life.expired());
      EXPECT_TRUE(App->OnMessage().Empty()) << "no hook of the freed frame is left";
      EXPECT_FALSE(App->HintWindow()->Visible());
      Display->Key('A');  // the loop goes on without the frame
      Display->PumpUntilIdle();
    }
  // And with the application, which frees the main form's and every other frame at its end.
  NewHookedForm(true);
  App.reset();
}

class MDIFrameDestruction : public MDIFrame {};

TEST_F(MDIFrameDestruction, ChildrenMaximizedOrTabbedGoEveryWayAndTheMainFormKeepsNothingOfThem) {
  for (const bool Maximized : { false, true })
    for (const FreeWay& Way : FreeWays(App.get())) {
      SCOPED_TRACE(std::string(Way.How) + (Maximized ? ", maximized" : ""));
      TForm* A = NewChild("A");
      TForm* B = NewChild("B");
      if (Maximized) FrameOf(B)->SetWindowState(wsMaximized);
      ASSERT_EQ(Tabs->TabCount(), 2);
      Way.Free(B);
      Display->PumpUntilIdle();
      EXPECT_EQ(Tabs->TabCount(), 1);
      EXPECT_EQ(WindowMenu->Count(), 1);
      Way.Free(A);
      Display->PumpUntilIdle();
      EXPECT_EQ(Tabs->TabCount(), 0);
      EXPECT_EQ(WindowMenu->Count(), 0);
      EXPECT_EQ(Bar->ButtonsCount(), 0) << "no maximized child is left";
    }
}

TEST_F(MDIFrameDestruction, TheMainFormGoesBeforeItsNormalAndMaximizedChildren) {
  NewChild("A");
  TForm* B = NewChild("B");
  FrameOf(B)->SetWindowState(wsMaximized);
  const std::weak_ptr<bool> Life = B->LifeToken();
  delete Main;
  ASSERT_FALSE(Life.expired()) << "the children are the application's";
  EXPECT_FALSE(B->HandleAllocated()) << "their windows went with the main form's";
  delete B;
}

TEST_F(MDIFrameDestruction, TheApplicationFreesTheMainFormAndItsNormalAndMaximizedChildren) {
  NewChild("A");
  FrameOf(NewChild("B"))->SetWindowState(wsMaximized);
  const std::weak_ptr<bool> Life = Main->LifeToken();
  App.reset();
  EXPECT_TRUE(Life.expired());
}

}  // namespace
