// The borrowed references of a dialog component: followed while any property holds them, cleared from
// every property when freed, and no notice once no property holds them.
#include <gtest/gtest.h>

#include "platform/base/TComponent.h"
#include "skin/dialogs/TskBorrowedComponents.h"

namespace {

/// A component with two borrowing properties that counts the removal notices it is sent.
class TBorrower : public TComponent {
public:
  TBorrower() : TComponent(nullptr), Borrowed(this, First, Second) {}
  ~TBorrower() override {
    Borrowed.Set(First, static_cast<TComponent*>(nullptr));
    Borrowed.Set(Second, static_cast<TComponent*>(nullptr));
  }

  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    ++Removals;
    Borrowed.Forget(AComponent);
  }

  TComponent* First { nullptr };
  TComponent* Second { nullptr };
  int Removals { 0 };
  TskBorrowedComponents Borrowed;
};

TEST(TskBorrowedComponentsTest, AComponentHeldByTwoPropertiesStaysFollowedUntilNeitherHoldsIt) {
  TBorrower Owner;
  auto* Shared = new TComponent(nullptr);
  Owner.Borrowed.Set(Owner.First, Shared);
  Owner.Borrowed.Set(Owner.Second, Shared);
  Owner.Borrowed.Set(Owner.First, static_cast<TComponent*>(nullptr));
  delete Shared;
  EXPECT_EQ(Owner.Removals, 1) << "the other property still held it";
  EXPECT_EQ(Owner.Second, nullptr);

  auto* Former = new TComponent(nullptr);
  auto* Next = new TComponent(nullptr);
  Owner.Borrowed.Set(Owner.First, Former);
  Owner.Borrowed.Set(Owner.First, Next);
  delete Former;
  EXPECT_EQ(Owner.Removals, 1) << "a component no property holds sends no notice";
  EXPECT_EQ(Owner.First, Next);
  delete Next;
  EXPECT_EQ(Owner.First, nullptr);
}

}  // namespace
