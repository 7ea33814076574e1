// The skinned status bar: the grip's client area, rectangle, ridges and hit codes, the record's gripper
// piece, and the model handed to windowed skinned children only.
#include <map>
#include <string>
#include <vector>

#include "platform/base/TMemIniFile.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/TskSkinStatusBar.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

class StatusBarTest : public SkinControlTest {
protected:
  TskSkinStatusBar* NewBar() {
    auto* Bar = Add<TskSkinStatusBar>(Bounds(0, 0, 300, 21));
    Bar->SetAlign(alNone);
    Bar->SetBounds(20, 100, 300, 21);
    Display->PumpUntilIdle();
    return Bar;
  }
  LRESULT HitAt(TskSkinStatusBar* Bar, int X, int Y) {
    return SendMessage(Bar->Handle(), WM_NCHITTEST, 0, PointToLParam(At(Bar, X, Y)));
  }
};

TEST_F(StatusBarTest, GripWithoutSkinNarrowsTheClientAreaDrawsRidgesAndAnswersBottomRight) {
  auto* Bar = NewBar();
  EXPECT_EQ(Bar->GetSkinClientRect(), Rect(0, 0, 300, 21)) << "no grip until SizeGrip";
  EXPECT_EQ(HitAt(Bar, 299, 18), HTCLIENT);
  Bar->SetSizeGrip(true);
  EXPECT_EQ(Bar->GetSkinClientRect(), Rect(0, 0, 279, 21));
  EXPECT_EQ(Bar->GetGripRect(), Rect(281, 0, 300, 19));
  const std::pair<TPoint, LRESULT> Hits[] = {
    { { 281, 0 }, HTBOTTOMRIGHT }, { { 299, 18 }, HTBOTTOMRIGHT }, { { 280, 10 }, HTCLIENT }, { { 290, 20 }, HTCLIENT }
  };
  for (const auto& [P, Code] : Hits) EXPECT_EQ(HitAt(Bar, P.X, P.Y), Code) << P.X << "," << P.Y;
  // The first pair of ridges runs from (287, 17) to (298, 6) and from (288, 17) to (298, 7); the last
  // from (296, 17) to (298, 15) and (297, 17) to (298, 16).
  EXPECT_EQ(Shown(Bar, 287, 17), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Shown(Bar, 297, 7), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Shown(Bar, 288, 17), ColorToRGB(clBtnFace));
  EXPECT_EQ(Shown(Bar, 296, 17), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Shown(Bar, 297, 16), ColorToRGB(clBtnShadow));

  Bar->SetShowGrip(false);
  EXPECT_EQ(Bar->GetSkinClientRect(), Rect(0, 0, 300, 21)) << "a maximised form hides the grip";
  EXPECT_EQ(HitAt(Bar, 299, 18), HTCLIENT);
}

TEST_F(StatusBarTest, RecordsGripperPieceStandsRightOfTheClientAreaOnItsBottom) {
  TskSkinModelBuilder Skin(Model);
  const int Pic = Skin.AddPicture(80, 40, clNavy);
  auto& Rec = Skin.Add<TskDataSkinPanelControl>("panel", "statusbar");
  Rec.PictureIndex = Pic;
  SetHorzStrip(Rec, Rect(0, 0, 40, 21), 4, 4);
  Rec.ClRect = Rect(4, 2, 36, 19);
  Rec.GripperRect = Skin.Paint(Pic, Rect(50, 0, 62, 12), clLime);
  auto& Body = Skin.Add<TskDataSkinPanelControl>("panel", "panel");
  Body.PictureIndex = Pic;
  SetHorzStrip(Body, Rect(0, 0, 40, 21), 4, 4);
  Body.ClRect = Rect(4, 2, 36, 19);
  Skin.Finish();
  auto* Bar = NewBar();
  Bar->SetSkinData(&Model);
  Bar->SetSizeGrip(true);
  const TRect Client = Bar->GetSkinClientRect();
  EXPECT_EQ(Client, Rect(4, 2, 284, 19)) << "12 pixels less at the right";
  EXPECT_EQ(Bar->GetGripRect(), Rect(284, 7, 296, 19));
  EXPECT_EQ(Shown(Bar, 290, 12), ColorToRGB(clLime));

  // Off the skin's size with a caption, the body comes from the "panel" record: the grip still shows.
  Bar->SetUseSkinSize(false);
  Bar->SetCaptionMode(true);
  Bar->SetCaption("Ready");
  const TRect Grip = Bar->GetGripRect();
  EXPECT_EQ(Shown(Bar, Grip.Left + 6, Grip.Top + 5), ColorToRGB(clLime));
}

TEST_F(StatusBarTest, RecordWithoutGripperPieceDrawsRidgesInTheSkinsShadowAndHighlight) {
  TskSkinModelBuilder Skin(Model);
  const int Pic = Skin.AddPicture(80, 40, clNavy);
  auto& Rec = Skin.Add<TskDataSkinPanelControl>("panel", "statusbar");
  Rec.PictureIndex = Pic;
  SetHorzStrip(Rec, Rect(0, 0, 40, 21), 4, 4);
  Rec.ClRect = Rect(4, 2, 36, 19);
  Skin.Finish();
  TMemIniFile Ini;
  Ini.WriteInteger("SKINCOLORS", "cbtnhighlight", clAqua);
  Ini.WriteInteger("SKINCOLORS", "cbtnshadow", clMaroon);
  Model.SkinColors()->LoadFromFile(&Ini);
  auto* Bar = NewBar();
  Bar->SetSkinData(&Model);
  Bar->SetSizeGrip(true);
  const TRect Grip = Bar->GetGripRect();
  ASSERT_EQ(Grip, Rect(281, 2, 296, 17)) << "the client area's height square, less two at its left and bottom";

  // The ridges run up to the right inside the grip shrunk by 2 (283, 4, 294, 15), each a shadow line (S)
  // with a highlight line (L) at its right, three columns apart; the body (.) shows between them.
  const std::map<TColor, char> Legend { { ColorToRGB(clMaroon), 'S' }, { ColorToRGB(clAqua), 'L' },
                                        { ColorToRGB(clNavy), '.' } };
  std::vector<std::string> Rows;
  for (int Y = 8; Y <= 15; ++Y) {
    std::string Row;
    for (int X = 287; X <= 294; ++X) {
      const auto It = Legend.find(Shown(Bar, X, Y));
      Row += It == Legend.end() ? '?' : It->second;
    }
    Rows.push_back(Row);
  }
  EXPECT_EQ(Rows, (std::vector<std::string> { "........", "......S.", ".....SL.", "....SL..", "...SL.S.", "..SL.SL.",
                                              ".SL.SL..", "SL.SL..." }));
}

TEST_F(StatusBarTest, TheModelGoesToWindowedSkinnedChildrenOnly) {
  TskSkinModelBuilder Skin(Model);
  Skin.Finish();
  auto* Bar = NewBar();
  auto* Panel = Add<TskSkinPanel>(Bounds(0, 0, 50, 20), Bar);
  auto* Button = Add<TskSkinSpeedButton>(Bounds(60, 0, 25, 20), Bar);
  Bar->SetSkinData(&Model);
  EXPECT_EQ(Panel->SkinData(), &Model);
  EXPECT_EQ(Button->SkinData(), nullptr);
}

}  // namespace
