// The skinned link label: its look with and without the "stdlabel" record under the pointer, and the
// click that hands its URL to the desktop's opener.
#include "skin/boxctrls/TskSkinLinkLabel.h"

#include "platform/shell/IShellOpenService.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

class RecordingOpener : public IShellOpenService {
public:
  bool Open(const String& Target, const String&) override {
    Targets.push_back(Target);
    return true;
  }
  std::vector<String> Targets;
};

class TskSkinLinkLabelTest : public SkinControlTest {
protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    IShellOpenService::SetCurrent(&Opener);
  }
  void TearDown() override {
    IShellOpenService::SetCurrent(nullptr);
    SkinControlTest::TearDown();
  }

  TskSkinLinkLabel* NewLabel() {
    auto* Label = new TskSkinLinkLabel(Form);
    Label->SetAutoSize(false);
    Label->SetBounds(20, 20, 200, 40);
    Label->SetCaption("访问 Zorvik 网站");
    Label->SetParent(Form);
    Display->PumpUntilIdle();
    return Label;
  }

  /// How many pixels of the label show Color, and the top row where any does (-1: none).
  std::pair<int, int> Count(TControl* Label, TColor Color) {
    int N = 0, Top = -1;
    for (int Y = 0; Y < Label->Height(); ++Y)
      for (int X = 0; X < Label->Width(); ++X)
        if (Shown(Label, X, Y) == Color) {
          ++N;
          if (Top == -1) Top = Y;
        }
    return { N, Top };
  }

  RecordingOpener Opener;
};

TEST_F(TskSkinLinkLabelTest, WithoutSkinUnderlinedAndBlueUnderThePointer) {
  TskSkinLinkLabel* Label = NewLabel();
  EXPECT_GT(Count(Label, clBlack).first, 0);
  EXPECT_EQ(Count(Label, clBlue).first, 0);
  MoveTo(Label, 5, 5);
  EXPECT_TRUE(Label->MouseIn());
  EXPECT_EQ(Count(Label, clBlack).first, 0);
  EXPECT_GT(Count(Label, clBlue).first, 0);
  const int Underlined = Count(Label, clBlue).first;
  Label->SetUseUnderLine(false);
  EXPECT_LT(Count(Label, clBlue).first, Underlined);
}

TEST_F(TskSkinLinkLabelTest, GlowKeepsTheRecordsColourAndLowersTheText) {
  TskSkinModelBuilder Skin(Model);
  auto& Record = Skin.Add<TskDataSkinStdLabelControl>("stdlabel", "stdlabel");
  Record.FontColor = clMaroon;
  Record.ActiveFontColor = clLime;
  Skin.Finish();
  TskSkinLinkLabel* Label = NewLabel();
  Label->SetSkinData(&Model);
  const int PlainTop = Count(Label, clMaroon).second;
  Label->SetGlowEffect(true);
  Label->SetGlowSize(6);
  MoveTo(Label, 5, 5);
  const auto [Text, TextTop] = Count(Label, clMaroon);
  EXPECT_GT(Text, 0) << "the text keeps FontColor";
  EXPECT_EQ(TextTop, PlainTop + 6);
  int Glow = 0;
  for (int X = 0; X < Label->Width(); ++X) {
    const TColor C = Shown(Label, X, TextTop - 2);
    Glow += GetGValue(ColorToRGB(C)) > GetRValue(ColorToRGB(C));
  }
  EXPECT_GT(Glow, 0) << "a green glow above the text";
}

TEST_F(TskSkinLinkLabelTest, ClickFiresOnClickAndOpensTheUrlAsOneArgument) {
  TskSkinLinkLabel* Label = NewLabel();
  Label->OnClick = [this](TObject*) { Log.push_back("Click"); };
  ClickAt(Label, 5, 5);
  EXPECT_EQ(Log, AppLog { "Click" });
  EXPECT_TRUE(Opener.Targets.empty());
  Label->SetURL("https://example.com/a b;rm -rf ~");
  Display->Advance(1000);  // not a double click
  ClickAt(Label, 5, 5);
  EXPECT_EQ(Opener.Targets, std::vector<String> { "https://example.com/a b;rm -rf ~" });
}

}  // namespace
