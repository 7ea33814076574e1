// What a skinned form shows: the frame bands and objects of the product and test skins at two sizes and
// in both activity states, and the built-in frame.
#include "tests/skin/form/FormFrameFixture.h"
#include "tests/skin/support/EmbeddedSkinModels.h"

namespace {

using FrameLook = FormFrameTest;

TEST_F(FrameLook, Shots) {
  auto Product = LoadEmbeddedSkin(ProductSkinContainer());
  auto Test = LoadEmbeddedSkin(TestSkinContainer());
  Main->SetCaption("Zorvik视频格式转换器 - 任务列表");
  Main->SetBorderStyle(bsSizeable);
  TskSkinForm* Frame = Attach(Main, Product.get());
  Frame->SetBorderIcons({ TskBorderIcon::biSystemMenu, TskBorderIcon::biMinimize, TskBorderIcon::biMaximize });
  Main->Show();
  Display->PumpUntilIdle();
  Display->SaveScreenPng("/tmp/frameshots/product.png");
  Frame->SetSkinData(Test.get());
  Display->PumpUntilIdle();
  Display->SaveScreenPng("/tmp/frameshots/test.png");
  Frame->SetSkinData(nullptr);
  Display->PumpUntilIdle();
  Display->SaveScreenPng("/tmp/frameshots/builtin.png");
}

}  // namespace
