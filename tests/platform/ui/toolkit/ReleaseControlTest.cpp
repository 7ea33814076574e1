// A control freed from inside its own click: it lives until its handling returns, and a release of a
// control its owner freed first does nothing.
#include "platform/ui/toolkit/ReleaseControl.h"
#include "tests/platform/ui/AppFixture.h"

namespace {

/// Releases itself when clicked, runs the loop inside its handler (as a modal dialog opened by a menu
/// command does), then goes on using itself in the same handler.
class SelfReleasing : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  /// Set when the control was still there after the loop inside its handler.
  bool* Survived { nullptr };

protected:
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    ReleaseControl(this);
    TCustomControl::MouseUp(Button, Shift, X, Y);
    const std::weak_ptr<bool> Life = LifeToken();
    Application->ProcessMessages();
    if (Life.expired()) return;
    if (Survived) *Survived = true;
    SetTag(Tag() + 1);
  }
};

class ReleaseControlTest : public AppTest {};

TEST_F(ReleaseControlTest, AControlReleasedInItsOwnHandlerIsFreedAfterItReturnsNotInALoopInsideIt) {
  TForm* Form = NewForm(Bounds(100, 100, 300, 200));
  auto* C = Place<SelfReleasing>(Form, Form, Bounds(10, 10, 50, 50));
  const std::weak_ptr<bool> Life = C->LifeToken();
  bool Alive = false;
  C->Survived = &Alive;
  Form->Show();
  ClickOn(C);
  Display->PumpUntilIdle();
  EXPECT_TRUE(Alive);
  EXPECT_TRUE(Life.expired());
  EXPECT_EQ(Form->ControlCount(), 0);
}

TEST_F(ReleaseControlTest, AReleaseOfAControlFreedMeanwhileDoesNothing) {
  TForm* Form = NewForm(Bounds(100, 100, 300, 200));
  auto* C = Place<TCustomControl>(Form, Form, Bounds(10, 10, 50, 50));
  ReleaseControl(C);
  delete C;
  Display->PumpUntilIdle();
  EXPECT_EQ(Form->ControlCount(), 0);
}

}  // namespace
