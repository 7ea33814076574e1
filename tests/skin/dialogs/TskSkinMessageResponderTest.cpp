// The skinned message box answered by a modal responder registered under its form's class name: the
// responder reads the message and clicks one of the buttons.
#include "platform/ui/toolkit/ModalResponders.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/dialogs/TskMessageForm.h"
#include "skin/dialogs/TskSkinMessage.h"
#include "tests/platform/ui/AppFixture.h"

namespace {

class SkinMessageResponderTest : public AppTest {
protected:
  void TearDown() override {
    ClearModalResponders();
    AppTest::TearDown();
  }
};

TEST_F(SkinMessageResponderTest, TheBoxIsAnsweredByItsFormsClassNameWithTheMessageReadable) {
  auto* Message = new TskSkinMessage(App.get());
  String Shown;
  int Asked = 0;
  SetModalResponder("TskMessageForm", [&](TCustomForm* Box) {
    ++Asked;
    Shown = static_cast<TskSkinStdLabel*>(Box->FindComponent("Message"))->Caption();
    ClickOn(static_cast<TControl*>(Box->FindComponent("No")));
  });
  EXPECT_EQ(Message->MessageDlg("文件已存在，要覆盖吗？", mtConfirmation, { mbYes, mbNo }, 0), mrNo);
  EXPECT_EQ(Shown, "文件已存在，要覆盖吗？");
  EXPECT_EQ(Message->MessageDlg("再问一次", mtWarning, { mbYes, mbNo }, 0), mrNo);
  EXPECT_EQ(Asked, 2);
}

}  // namespace
