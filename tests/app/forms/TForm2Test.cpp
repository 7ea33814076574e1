// The about box: its controls as stored, the links opening the web site and a mail to the support address
// through the desktop, and "确定" closing it.
#include "app/forms/TForm2.h"

#include "app/forms/WebAddresses.h"
#include "platform/shell/IShellOpenService.h"
#include "platform/ui/toolkit/TImage.h"
#include "skin/boxctrls/TskSkinLinkLabel.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/form/TskSkinForm.h"
#include "tests/app/forms/DialogFormsFixture.h"

namespace {

/// Records what the desktop is asked to open.
class TRecordingShellOpen : public IShellOpenService {
public:
  bool Open(const String& Target, const String&) override {
    Opened.push_back(Target);
    return true;
  }
  std::vector<String> Opened;
};

class TForm2Test : public DialogFormsTest {
protected:
  void SetUp() override {
    DialogFormsTest::SetUp();
    IShellOpenService::SetCurrent(&Shell);
  }
  void TearDown() override {
    IShellOpenService::SetCurrent(nullptr);
    DialogFormsTest::TearDown();
  }

  TRecordingShellOpen Shell;
};

TEST_F(TForm2Test, EveryControlHasItsStoredPlaceCaptionAndLook) {
  auto* About = Build<TForm2>();
  EXPECT_EQ(About->Caption(), "关于");
  EXPECT_EQ(About->ClientWidth(), 350) << "the frame's own client size holds";
  EXPECT_EQ(About->ClientHeight(), 230);
  EXPECT_EQ(About->BorderStyle(), bsSingle);
  TskSkinForm* Frame = About->skSkinForm1;
  EXPECT_TRUE(Frame->BorderIcons().Empty());
  EXPECT_EQ(Frame->PositionInMonitor(), skpDesktopCenter);
  EXPECT_EQ(Frame->SkinData(), MainWindow().skSkinData1);

  const TInventoryRow Rows[] = {
    { "Image1", "TImage", "", nullptr, 30, 18, 87, 83 },
    { "skSkinStdLabel3", "TskSkinStdLabel", "", "ZorvikWMV格式转换器", 144, 14, -1, -1 },
    { "skSkinStdLabel4", "TskSkinStdLabel", "", "Ver:1.00.102", 160, 50, -1, -1 },
    { "skSkinStdLabel5", "TskSkinStdLabel", "", nullptr, 152, 81, -1, -1 },
    { "skSkinStdLabel1", "TskSkinStdLabel", "", "了解更多请访问：", 30, 126, -1, -1 },
    { "skSkinLinkLabel1", "TskSkinLinkLabel", "", WebSiteShownAddress.c_str(), 19, 145, 153, 33 },
    { "skSkinStdLabel2", "TskSkinStdLabel", "", "联系邮箱：", 202, 124, -1, -1 },
    { "skSkinLinkLabel2", "TskSkinLinkLabel", "", SupportMailAddress.c_str(), 186, 145, 153, 33 },
    { "skSkinButton1", "TskSkinButton", "", "确定", 252, 184, 72, 25 },
  };
  ExpectInventory(About, Rows);
  EXPECT_FALSE(About->skSkinStdLabel5->Caption().empty()) << "the maker's notice";
  ASSERT_NE(About->Image1->Picture()->Graphic(), nullptr);
  EXPECT_EQ(About->Image1->Picture()->Graphic()->Width(), 87);
  EXPECT_EQ(About->Image1->Picture()->Graphic()->Height(), 83);
  for (TskSkinLinkLabel* Link : { About->skSkinLinkLabel1, About->skSkinLinkLabel2 }) {
    SCOPED_TRACE(Link->Name());
    EXPECT_EQ(Link->Alignment(), taCenter);
    EXPECT_FALSE(Link->AutoSize());
    EXPECT_TRUE(Link->GlowEffect());
    EXPECT_EQ(Link->GlowSize(), 6);
    EXPECT_EQ(Link->Cursor(), crHandPoint);
    EXPECT_EQ(Link->DefaultActiveFontColor(), clBlue);
  }
}

// A click on a link asks the desktop to open the web site, or a new mail to the support address; "确定"
// closes the box.
TEST_F(TForm2Test, LinksOpenTheSiteAndTheMailAndOkClosesTheBox) {
  auto* About = Build<TForm2>();
  Later([&] {
    ClickOn(About->skSkinLinkLabel1);
    ClickOn(About->skSkinLinkLabel2);
    ClickOn(About->skSkinButton1);
  });
  About->ShowModal();
  EXPECT_FALSE(About->Visible());
  EXPECT_EQ(Shell.Opened, (std::vector<String> { WebSiteAddress, "mailto:" + SupportMailAddress }));
}

}  // namespace
