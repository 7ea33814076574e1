// Freeing forms and controls: their windows die, and every destruction message is delivered, while the
// whole object still exists, whichever way it is freed. A message procedure overridden by the most derived
// class runs only while that class's part of the object is alive, so each probe's log shows it.
#include <gmock/gmock.h>

#include "platform/ui/toolkit/TPanel.h"
#include "tests/platform/ui/AppFixture.h"

namespace {

using ::testing::IsSupersetOf;

/// Logs the destruction messages its own procedure sees under its name.
template <class Base> class DestroyProbe : public Base {
public:
  DestroyProbe(TComponent* AOwner, AppLog* ALog, const std::string& AName) : Base(AOwner), Log(ALog) {
    this->SetName(AName);
  }

protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_DESTROY) Log->push_back(this->Name() + ".WM_DESTROY");
    if (Message.Msg == WM_NCDESTROY) Log->push_back(this->Name() + ".WM_NCDESTROY");
    Base::WndProc(Message);
  }

private:
  AppLog* Log;
};

using FormProbe = DestroyProbe<TForm>;
using PanelProbe = DestroyProbe<TPanel>;
using ControlProbe = DestroyProbe<TCustomControl>;

std::vector<std::string> Died(const std::string& Name) { return { Name + ".WM_DESTROY", Name + ".WM_NCDESTROY" }; }

class DestructionOrderTest : public AppTest {
protected:
  /// A shown form F holding a panel P that holds a windowed control C, all owned by the form.
  FormProbe* NewTree() {
    auto* F = new FormProbe(App.get(), &Log, "F");
    F->SetBounds(100, 100, 300, 200);
    auto* P = new PanelProbe(F, &Log, "P");
    P->SetBounds(10, 10, 200, 150);
    P->SetParent(F);
    auto* C = new ControlProbe(F, &Log, "C");
    C->SetBounds(5, 5, 50, 50);
    C->SetParent(P);
    F->Show();
    EXPECT_TRUE(C->HandleAllocated());
    return F;
  }

  void ExpectDied(std::initializer_list<const char*> Names) {
    std::vector<std::string> All;
    for (const char* Name : Names)
      for (const std::string& Line : Died(Name)) All.push_back(Line);
    EXPECT_THAT(Log, IsSupersetOf(All));
  }
};

TEST_F(DestructionOrderTest, EveryWayOfFreeingAFormDeliversItsWindowsDeathsToTheWholeObjects) {
  struct Case {
    const char* How;
    std::function<void(FormProbe*)> Free;
  };
  const Case Cases[] = {
    { "deleted", [](FormProbe* F) { delete F; } },
    { "released",
      [this](FormProbe* F) {
        F->Release();
        App->ProcessMessages();
      } },
    { "closed to be freed",
      [this](FormProbe* F) {
        F->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
        F->Close();
        App->ProcessMessages();
      } },
    { "freed with the application", [this](FormProbe*) { App.reset(); } },
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.How);
    if (!App) App = std::make_unique<TApplication>(nullptr);
    Log.clear();
    FormProbe* F = NewTree();
    const std::weak_ptr<bool> Life = F->LifeToken();
    C.Free(F);
    ASSERT_TRUE(Life.expired());
    ExpectDied({ "F", "P", "C" });
  }
}

TEST_F(DestructionOrderTest, AControlFreedAloneOrWithItsParentSeesItsWindowDieWhole) {
  FormProbe* F = NewTree();
  delete F->FindComponent("C");
  ExpectDied({ "C" });
  EXPECT_EQ(static_cast<TWinControl*>(F->FindComponent("P"))->ControlCount(), 0);

  Log.clear();
  auto* C = new ControlProbe(F, &Log, "C");
  C->SetParent(static_cast<TWinControl*>(F->FindComponent("P")));
  C->HandleNeeded();
  delete F->FindComponent("P");
  ExpectDied({ "P", "C" });
  EXPECT_EQ(F->ControlCount(), 0);
  EXPECT_EQ(F->FindComponent("C"), nullptr);
}

TEST_F(DestructionOrderTest, AnMDIMainFormAndItsChildrenSeeTheirWindowsDieWhole) {
  struct Case {
    const char* How;
    std::function<void(FormProbe* Main, FormProbe* A)> Free;
  };
  const Case Cases[] = {
    { "main form deleted", [](FormProbe* Main, FormProbe*) { delete Main; } },
    { "maximized child closed to be freed, then the main form",
      [this](FormProbe* Main, FormProbe* A) {
        A->SetWindowState(wsMaximized);
        A->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
        A->Close();
        App->ProcessMessages();
        delete Main;
      } },
    { "child released, then the application freed",
      [this](FormProbe*, FormProbe* A) {
        A->Release();
        App->ProcessMessages();
        App.reset();
      } },
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.How);
    if (!App) App = std::make_unique<TApplication>(nullptr);
    Log.clear();
    FormProbe* Main = nullptr;
    App->CreateForm(Main, &Log, "Main");
    Main->SetFormStyle(fsMDIForm);
    Main->SetBounds(50, 50, 700, 500);
    Main->Show();
    FormProbe* Children[2] = {};
    for (int i = 0; i < 2; ++i) {
      Children[i] = new FormProbe(App.get(), &Log, i == 0 ? "A" : "B");
      Children[i]->SetFormStyle(fsMDIChild);
      Children[i]->Show();
    }
    const std::weak_ptr<bool> MainLife = Main->LifeToken();
    C.Free(Main, Children[0]);
    ASSERT_TRUE(MainLife.expired());
    ExpectDied({ "Main", "A", "B" });
    App.reset();  // frees the children that outlived their main form
  }
}

}  // namespace
