// A control freed from inside its own click: it lives until its handling returns, and a release of a
// control its owner freed first does nothing.
#include "platform/ui/toolkit/ReleaseControl.h"
#include "tests/platform/ui/AppFixture.h"

namespace {

/// Releases itself when clicked, then goes on using itself in the same handler.
class SelfReleasing : public TCustomControl {
public:
  using TCustomControl::TCustomControl;

protected:
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    ReleaseControl(this);
    TCustomControl::MouseUp(Button, Shift, X, Y);
    SetTag(Tag() + 1);
  }
};

class ReleaseControlTest : public AppTest {};

TEST_F(ReleaseControlTest, AControlReleasedInItsOwnHandlerIsFreedAfterItReturns) {
  TForm* Form = NewForm(Bounds(100, 100, 300, 200));
  auto* C = Place<SelfReleasing>(Form, Form, Bounds(10, 10, 50, 50));
  const std::weak_ptr<bool> Life = C->LifeToken();
  Form->Show();
  ClickOn(C);
  Display->PumpUntilIdle();
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
