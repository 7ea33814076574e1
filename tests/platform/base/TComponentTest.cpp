#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/base/Exception.h"
#include "platform/base/TComponent.h"

namespace {

using TLog = std::vector<String>;

// A component that writes its life and the notices it receives into a shared log, and can hold one
// reference to another component, cleared on its removal notice as every referring component must.
class TProbe : public TComponent {
public:
  TProbe(TComponent* AOwner, String AName, TLog* ALog) : TComponent(AOwner), Log(ALog) {
    SetName(AName);
  }
  ~TProbe() override { Log->push_back("free " + Name()); }

  void SetRef(TComponent* Value) {
    Ref = Value;
    if (Value) Value->FreeNotification(this);
  }

  TLog* Log;
  TComponent* Ref { nullptr };
  std::function<void(TComponent*, TOperation)> OnNotification;
  std::function<void()> OnLoaded;
  TComponentState StateInLoaded;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    if (Operation == opRemove && AComponent == Ref) {
      // The notice must come while the component is still whole: its class is still the derived one.
      Log->push_back(Name() + " loses " + AComponent->ClassName() + " " + AComponent->Name());
      Ref = nullptr;
    }
    if (OnNotification) OnNotification(AComponent, Operation);
    TComponent::Notification(AComponent, Operation);
  }
  void Loaded() override {
    StateInLoaded = ComponentState();
    TComponent::Loaded();
    Log->push_back("loaded " + Name());
    if (OnLoaded) OnLoaded();
  }
};

TEST(TComponentTest, OwnerFreesItsComponentsOnceLastCreatedFirst) {
  TLog log;
  auto* form = new TProbe(nullptr, "Form", &log);
  new TProbe(form, "A", &log);
  auto* b = new TProbe(form, "B", &log);
  new TProbe(b, "B1", &log);
  new TProbe(form, "C", &log);
  ASSERT_EQ(form->ComponentCount(), 3);
  EXPECT_EQ(form->Components(1), b);
  EXPECT_EQ(b->ComponentIndex(), 1);

  delete form;
  EXPECT_EQ(log, (TLog { "free Form", "free C", "free B", "free B1", "free A" }));
}

TEST(TComponentTest, DeletingAnOwnedComponentUnlinksItAndKeepsTheOrderOfTheOthers) {
  TLog log;
  TProbe form(nullptr, "Form", &log);
  auto* a = new TProbe(&form, "A", &log);
  auto* b = new TProbe(&form, "B", &log);
  auto* c = new TProbe(&form, "C", &log);
  delete b;
  ASSERT_EQ(form.ComponentCount(), 2);
  EXPECT_EQ(form.Components(0), a);
  EXPECT_EQ(form.Components(1), c);
  EXPECT_EQ(form.FindComponent("b"), nullptr);
  EXPECT_EQ(log, TLog { "free B" });
}

TEST(TComponentTest, AConstructorThatRaisesLeavesTheOwnerAsItWas) {
  TLog log;
  TProbe form(nullptr, "Form", &log);
  new TProbe(&form, "Taken", &log);
  EXPECT_THROW(new TProbe(&form, "TAKEN", &log), EComponentError);
  EXPECT_THROW(new TProbe(&form, "not valid", &log), EComponentError);
  EXPECT_EQ(form.ComponentCount(), 1);
}

TEST(TComponentTest, BadComponentIndexRaisesTheListIndexError) {
  TComponent owner(nullptr);
  new TComponent(&owner);
  for (int index : { -1, 1 }) {
    try {
      owner.Components(index);
      FAIL() << index;
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message, "List index out of bounds (" + std::to_string(index) + ")");
    }
  }
}

TEST(TComponentTest, FreeNotificationClearsTheReferenceWhicheverSideGoesFirst) {
  TLog log;
  TComponent formA(nullptr), formB(nullptr);
  auto* holder = new TProbe(&formA, "Holder", &log);
  auto* target = new TProbe(&formB, "Target", &log);
  holder->SetRef(target);
  EXPECT_TRUE(target->ComponentState().Contains(csFreeNotification));

  delete target;
  EXPECT_EQ(holder->Ref, nullptr);
  EXPECT_EQ(log, (TLog { "Holder loses TProbe Target", "free Target" }));

  // The other way round: the referring component goes first and the target must forget it, or the
  // target's own removal would notify freed memory.
  auto* target2 = new TProbe(&formB, "Target2", &log);
  holder->SetRef(target2);
  delete holder;
  EXPECT_FALSE(target2->ComponentState().Contains(csFreeNotification));
  delete target2;
}

TEST(TComponentTest, RemoveFreeNotificationWithdrawsTheNotice) {
  TLog log;
  TComponent formA(nullptr), formB(nullptr);
  auto* holder = new TProbe(&formA, "Holder", &log);
  auto* target = new TProbe(&formB, "Target", &log);
  holder->SetRef(target);
  target->RemoveFreeNotification(holder);
  delete target;
  EXPECT_EQ(log, TLog { "free Target" });
}

TEST(TComponentTest, SiblingsHearOfEachOthersRemovalThroughTheOwnerExactlyOnce) {
  TLog log;
  TProbe form(nullptr, "Form", &log);
  auto* holder = new TProbe(&form, "Holder", &log);
  auto* target = new TProbe(&form, "Target", &log);
  holder->SetRef(target);
  std::vector<TOperation> seen;
  holder->OnNotification = [&](TComponent* AComponent, TOperation Operation) {
    if (AComponent != holder) seen.push_back(Operation);
  };
  auto* late = new TComponent(&form);
  delete late;
  delete target;
  EXPECT_EQ(holder->Ref, nullptr);
  EXPECT_EQ(seen, (std::vector<TOperation> { opInsert, opRemove, opRemove }));
  holder->OnNotification = nullptr;
}

TEST(TComponentTest, AComponentMayBeFreedInsideTheRemovalNoticeOfAnother) {
  TLog log;
  TComponent formA(nullptr), formB(nullptr);
  auto* watcher = new TProbe(&formA, "Watcher", &log);
  auto* other = new TProbe(&formA, "Other", &log);
  auto* target = new TProbe(&formB, "Target", &log);
  other->SetRef(target);
  watcher->SetRef(target);  // registered last, told first
  // The watcher reacts to the loss by freeing a sibling that is itself still waiting for the same notice.
  watcher->OnNotification = [&](TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent == target && other) {
      TComponent* victim = other;
      other = nullptr;
      delete victim;
    }
  };
  delete target;
  EXPECT_EQ(formA.ComponentCount(), 1);
  EXPECT_EQ(watcher->Ref, nullptr);
}

TEST(TComponentTest, OwnedComponentsSeeTheirOwnerDestroying) {
  TLog log;
  auto* form = new TProbe(nullptr, "Form", &log);
  auto* child = new TProbe(form, "Child", &log);
  bool destroying = false;
  child->OnNotification = [&](TComponent*, TOperation) {
    destroying = child->ComponentState().Contains(csDestroying) && child->Owner() &&
                 child->Owner()->ComponentState().Contains(csDestroying);
  };
  delete new TComponent(form);
  EXPECT_FALSE(destroying);
  delete form;
  EXPECT_TRUE(destroying);
}

TEST(TComponentTest, NamesAreIdentifiersUniqueAmongSiblingsIgnoringCase) {
  TComponent form(nullptr);
  auto* a = new TComponent(&form);
  auto* b = new TComponent(&form);
  a->SetName("Button1");
  for (const char* bad : { "1Button", "Button 1", "Button-1", "Bütton" }) {
    try {
      b->SetName(bad);
      FAIL() << bad;
    } catch (const EComponentError& e) {
      EXPECT_EQ(e.Message, String("'") + bad + "' is not a valid component name");
    }
  }
  try {
    b->SetName("BUTTON1");
    FAIL();
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.Message, "A component named BUTTON1 already exists");
  }
  EXPECT_EQ(b->Name(), "");
  a->SetName("BUTTON1");  // a new case of its own name is no clash
  b->SetName("_button_2");
  EXPECT_EQ(form.FindComponent("button1"), a);
  EXPECT_EQ(form.FindComponent("_BUTTON_2"), b);
  EXPECT_EQ(form.FindComponent(""), nullptr);
  auto* c = new TComponent(&form);
  EXPECT_NO_THROW(c->SetName(""));  // unnamed components never clash
}

TEST(TComponentTest, InsertComponentMovesAComponentBetweenOwners) {
  TLog log;
  TProbe first(nullptr, "First", &log);
  TProbe second(nullptr, "Second", &log);
  auto* item = new TProbe(&first, "Item", &log);
  new TProbe(&second, "ITEM", &log);
  EXPECT_THROW(second.InsertComponent(item), EComponentError);
  EXPECT_EQ(item->Owner(), &first);  // a refused move leaves it where it was

  item->SetName("Moved");
  std::vector<String> heard;
  first.OnNotification = [&](TComponent* AComponent, TOperation Operation) {
    heard.push_back(String(Operation == opInsert ? "first+" : "first-") + AComponent->Name());
  };
  second.OnNotification = [&](TComponent* AComponent, TOperation Operation) {
    heard.push_back(String(Operation == opInsert ? "second+" : "second-") + AComponent->Name());
  };
  second.InsertComponent(item);
  EXPECT_EQ(item->Owner(), &second);
  EXPECT_EQ(first.ComponentCount(), 0);
  EXPECT_EQ(heard, (std::vector<String> { "first-Moved", "second+Moved" }));
  first.OnNotification = nullptr;
  second.OnNotification = nullptr;
}

TEST(TComponentTest, AComponentCannotOwnItselfOrItsOwner) {
  TComponent root(nullptr);
  auto* child = new TComponent(&root);
  auto* grandchild = new TComponent(child);
  EXPECT_THROW(child->InsertComponent(child), EComponentError);
  EXPECT_THROW(grandchild->InsertComponent(&root), EComponentError);
  EXPECT_EQ(root.Owner(), nullptr);
}

TEST(TComponentTest, SetComponentIndexMovesWithinTheOwner) {
  TComponent form(nullptr);
  auto* a = new TComponent(&form);
  auto* b = new TComponent(&form);
  auto* c = new TComponent(&form);
  c->SetComponentIndex(0);
  a->SetComponentIndex(99);
  EXPECT_EQ(form.Components(0), c);
  EXPECT_EQ(form.Components(1), b);
  EXPECT_EQ(form.Components(2), a);
}

TEST(TComponentTest, LoadingBracketCallsLoadedOnceOnEveryComponentAfterReading) {
  TLog log;
  TProbe form(nullptr, "Form", &log);
  auto* a = new TProbe(&form, "A", &log);
  auto* nested = new TProbe(a, "Nested", &log);
  form.BeginLoading();
  auto* b = new TProbe(&form, "B", &log);  // created inside the bracket
  for (TProbe* probe : { &form, a, nested, b }) {
    EXPECT_TRUE(probe->ComponentState().Contains(csLoading)) << probe->Name();
    EXPECT_TRUE(probe->ComponentState().Contains(csReading)) << probe->Name();
  }
  form.EndLoading();
  EXPECT_EQ(log, (TLog { "loaded Form", "loaded A", "loaded Nested", "loaded B" }));
  for (TProbe* probe : { &form, a, nested, b }) {
    EXPECT_EQ(probe->StateInLoaded, TComponentState { csLoading }) << probe->Name();
    EXPECT_TRUE(probe->ComponentState().Empty()) << probe->Name();
  }
  log.clear();
  form.EndLoading();  // a second end finds nothing to load
  EXPECT_TRUE(log.empty());
}

TEST(TComponentTest, LoadedMayFreeAComponentThatIsStillWaiting) {
  TLog log;
  TProbe form(nullptr, "Form", &log);
  auto* a = new TProbe(&form, "A", &log);
  new TProbe(&form, "B", &log);
  new TProbe(&form, "C", &log);
  form.BeginLoading();
  a->OnLoaded = [&] { delete form.FindComponent("B"); };
  form.EndLoading();
  EXPECT_EQ(log, (TLog { "loaded Form", "loaded A", "free B", "loaded C" }));
}

}  // namespace
