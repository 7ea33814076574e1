// The form frame's skin-change walk reaches the skinned controls that are not on the skinned control
// bases: the edit with its skinned frame and the link label.
#include "skin/controls/skSkinChangeWalk.h"

#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/boxctrls/TskSkinLinkLabel.h"
#include "skin/core/skDataSkinListControls.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

constexpr TColor OldText = clMaroon;
constexpr TColor NewText = clGreen;

class SkinChangeWalk : public SkinControlTest {};

TEST_F(SkinChangeWalk, ReachesAnEditAndALinkLabelBoundToTheModel) {
  TskSkinModelBuilder Skin(Model);
  const int Picture = Skin.AddPicture(100, 40);
  auto& EditRecord = Skin.Add<TskDataSkinEditControl>("edit", "edit");
  EditRecord.PictureIndex = Picture;
  EditRecord.SkinRect = Skin.Paint(Picture, Rect(0, 0, 80, 24), clWhite, clBlack);
  EditRecord.LTPoint = { 5, 0 };
  EditRecord.RTPoint = { 75, 0 };
  EditRecord.ClRect = Rect(3, 4, 77, 20);
  auto& LabelRecord = Skin.Add<TskDataSkinStdLabelControl>("stdlabel", "stdlabel");
  LabelRecord.FontColor = OldText;
  Skin.Finish();

  auto* Edit = Add<TskSkinEdit>(Bounds(10, 10, 200, 20));
  Edit->SetSkinData(&Model);
  auto* Label = Add<TskSkinLinkLabel>(Bounds(10, 60, 200, 30));
  Label->SetAutoSize(false);
  Label->SetCaption("访问网站 WWW");
  Label->SetSkinData(&Model);
  const auto Shows = [&](TColor Colour) {
    for (int Y = 0; Y < Label->Height(); ++Y)
      for (int X = 0; X < Label->Width(); ++X)
        if (Shown(Label, X, Y) == Colour) return true;
    return false;
  };
  ASSERT_EQ(Edit->Height(), 24);
  ASSERT_TRUE(Shows(OldText));

  // The new skin: a taller edit frame and another label colour.
  EditRecord.SkinRect = Skin.Paint(Picture, Rect(0, 0, 80, 30), clWhite, clBlack);
  LabelRecord.FontColor = NewText;
  BeforeChangeSkinDataWalk(Form, &Model);
  ChangeSkinDataWalk(Form, &Model);
  EXPECT_EQ(Edit->Height(), 30);
  EXPECT_TRUE(Shows(NewText));
  EXPECT_FALSE(Shows(OldText));

  // A change of another model leaves them alone.
  TskSkinData Other { nullptr };
  EditRecord.SkinRect = Skin.Paint(Picture, Rect(0, 0, 80, 26), clWhite, clBlack);
  ChangeSkinDataWalk(Form, &Other);
  EXPECT_EQ(Edit->Height(), 30);
}

}  // namespace
