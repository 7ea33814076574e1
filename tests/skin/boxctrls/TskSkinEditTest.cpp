// The skinned edit with buttons: its frame geometry with and without a skin, the edit button and the
// image buttons hit by their codes, hover on the virtual clock, and the program's read-only folder field.
#include "skin/boxctrls/TskSkinEdit.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TImageList.h"
#include "skin/boxctrls/skBoxMessages.h"
#include "skin/core/skDataSkinListControls.h"
#include "skin/controls/TskSkinToolBar.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

constexpr TColor FrameRed = TColor(0x0000C0);
constexpr TColor FaceGreen = TColor(0x00C000);
constexpr TColor HotBlue = TColor(0xC00000);
constexpr TColor ButtonHot = TColor(0x00C0C0);

class TskSkinEditTest : public SkinControlTest {
protected:
  /// An "edit" record 80 x 24: 5-pixel ends (the right end 24 wide holding the button), client (3, 4, 55,
  /// 20); the face green inside a red frame, hot in blue; the button's hot look yellow.
  TskDataSkinEditControl& BuildSkin() {
    TskSkinModelBuilder Skin(Model);
    const int Picture = Skin.AddPicture(200, 100);
    auto& Edit = Skin.Add<TskDataSkinEditControl>("edit", "edit");
    Edit.PictureIndex = Picture;
    Edit.SkinRect = Skin.Paint(Picture, Rect(0, 0, 80, 24), FaceGreen, FrameRed);
    Edit.ActiveSkinRect = Skin.Paint(Picture, Rect(0, 30, 80, 54), HotBlue, FrameRed);
    Edit.LTPoint = { 5, 0 };
    Edit.RTPoint = { 56, 0 };
    Edit.ClRect = Rect(3, 4, 55, 20);
    Edit.ButtonRect = Rect(57, 2, 78, 22);
    Edit.ActiveButtonRect = Skin.Paint(Picture, Rect(100, 2, 121, 22), ButtonHot);
    Edit.FontColor = clBlack;
    Edit.ActiveFontColor = clBlack;
    Edit.DisabledFontColor = TColor(0x808000);
    Skin.Finish();
    return Edit;
  }

  TskSkinEdit* NewEdit(TRect Bounds, bool Skinned) {
    auto* Edit = Add<TskSkinEdit>(Bounds);
    if (Skinned) Edit->SetSkinData(&Model);
    Edit->OnMouseEnter = [this](TObject*) { Log.push_back("Enter"); };
    Edit->OnMouseLeave = [this](TObject*) { Log.push_back("Leave"); };
    Edit->OnButtonClick = [this](TObject*) { Log.push_back("Button"); };
    Edit->OnLeftButtonClick = [this](TObject*) { Log.push_back("Left"); };
    Display->PumpUntilIdle();
    return Edit;
  }
  AppLog Take() { return std::exchange(Log, {}); }

  /// The client area's place in the window.
  static TRect ClientInWindow(TskSkinEdit* Edit) {
    TRect Window;
    GetWindowRect(Edit->Handle(), &Window);
    const TPoint Origin = Edit->ClientToScreen({ 0, 0 });
    return Bounds(Origin.X - Window.Left, Origin.Y - Window.Top, Edit->ClientWidth(), Edit->ClientHeight());
  }
  /// A point of the edit in window coordinates, as the pointer reaches it.
  void PressAtWindow(TskSkinEdit* Edit, int X, int Y) {
    TRect Window;
    GetWindowRect(Edit->Handle(), &Window);
    Display->MoveTo(Window.Left + X, Window.Top + Y);
    Display->ButtonDown(Window.Left + X, Window.Top + Y);
  }
  void ReleaseAtWindow(TskSkinEdit* Edit, int X, int Y) {
    TRect Window;
    GetWindowRect(Edit->Handle(), &Window);
    Display->MoveTo(Window.Left + X, Window.Top + Y);
    Display->ButtonUp(Window.Left + X, Window.Top + Y);
  }
};

TEST_F(TskSkinEditTest, FrameGeometryWithAndWithoutSkin) {
  BuildSkin();
  struct Case {
    bool Skinned, ButtonMode;
    TRect Client, EditRect, ButtonRect;
  };
  // 200 wide; without skin the height is the font's, with the record and its font the record's 24.
  auto* Probe = NewEdit(Bounds(10, 10, 200, 20), false);
  const int H = Probe->Height();
  delete Probe;
  const Case Cases[] = {
    { false, false, Rect(2, 2, 198, H - 2), Rect(2, 2, 198, H - 2), TRect {} },
    { false, true, Rect(2, 2, 200 - H - 2, H - 2), Rect(2, 2, 200 - H - 2, H - 2), Rect(200 - H, 0, 200, H) },
    { true, false, Rect(3, 4, 175, 20), Rect(3, 4, 175, 20), Rect(57, 2, 78, 22) },
    // The button in the record's right end moves with it.
    { true, true, Rect(3, 4, 175, 20), Rect(3, 4, 175, 20), Rect(177, 2, 198, 22) },
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(std::to_string(C.Skinned) + " " + std::to_string(C.ButtonMode));
    auto* Edit = NewEdit(Bounds(10, 10, 200, 20), C.Skinned);
    Edit->SetButtonMode(C.ButtonMode);
    Display->PumpUntilIdle();
    EXPECT_EQ(Edit->Height(), C.Skinned ? 24 : H);
    EXPECT_EQ(ClientInWindow(Edit), C.Client);
    Edit->Perform(WM_NCHITTEST, 0, PointToLParam(Edit->ClientToScreen({ 0, 0 })));
    EXPECT_EQ(Edit->EditRect(), C.EditRect);
    if (C.ButtonMode) EXPECT_EQ(Edit->EditButtonRect(), C.ButtonRect);
    delete Edit;
  }
}

TEST_F(TskSkinEditTest, EditButtonClicksOnPressAndReleaseOverIt) {
  auto* Edit = NewEdit(Bounds(10, 10, 200, 20), false);
  Edit->SetButtonMode(true);
  Display->PumpUntilIdle();
  const TRect B = Edit->EditButtonRect();
  PressAtWindow(Edit, B.Left + 5, 5);
  ReleaseAtWindow(Edit, B.Left + 5, 5);
  EXPECT_EQ(Take(), (AppLog { "Enter", "Button" }));
  EXPECT_TRUE(Edit->Focused());
  PressAtWindow(Edit, B.Left + 5, 5);
  ReleaseAtWindow(Edit, 20, 8);
  EXPECT_EQ(Take(), AppLog {}) << "a release away from the button is no click";
}

TEST_F(TskSkinEditTest, SkinnedEditButtonShowsItsHotLook) {
  BuildSkin();
  auto* Edit = NewEdit(Bounds(10, 10, 200, 20), true);
  Edit->SetButtonMode(true);
  Display->PumpUntilIdle();
  TRect Window;
  GetWindowRect(Edit->Handle(), &Window);
  const TRect B = Edit->EditButtonRect();
  EXPECT_NE(Display->PixelAt(Window.Left + B.Left + 10, Window.Top + 12), ButtonHot);
  Display->MoveTo(Window.Left + B.Left + 10, Window.Top + 12);
  EXPECT_EQ(Display->PixelAt(Window.Left + B.Left + 10, Window.Top + 12), ButtonHot);
}

TEST_F(TskSkinEditTest, ImageButtonsShowHotAndDownImagesAndClickWithoutMovingTheCaret) {
  TImageList Images(nullptr);
  Images.SetSize(24, 24);
  for (TColor Color : { clRed, clLime, clBlue }) {
    TBitmap B;
    B.SetSize(24, 24);
    B.Canvas()->Brush()->SetColor(Color);
    B.Canvas()->FillRect(Rect(0, 0, 24, 24));
    Images.Add(&B, nullptr);
  }
  auto* Edit = NewEdit(Bounds(10, 10, 200, 20), false);
  Edit->SetImages(&Images);
  Edit->SetLeftImageIndex(0);
  Edit->LeftImageHotIndex = 1;
  Edit->LeftImageDownIndex = 2;
  Edit->SetText("输出目录");
  Edit->SetFocus();
  Edit->SetSelStart(2);
  Display->PumpUntilIdle();
  EXPECT_EQ(Edit->Height(), 24 + 4) << "the images are taller than the font";
  EXPECT_EQ(Shown(Edit, 8, 8), clRed);
  MoveTo(Edit, 8, 8);
  EXPECT_EQ(Shown(Edit, 8, 8), clLime);
  Press(Edit, 8, 8);
  EXPECT_EQ(Shown(Edit, 8, 8), clBlue);
  Release(Edit, 8, 8);
  EXPECT_EQ(Take(), (AppLog { "Enter", "Left" }));
  EXPECT_EQ(Edit->SelStart(), 2);
  ClickAt(Edit, 27, 8);
  EXPECT_EQ(Edit->SelStart(), 0) << "the text starts right of the strip";
}

TEST_F(TskSkinEditTest, EveryEntryAndLeaveFiresOnceAlsoWithoutHotTracking) {
  auto* Other = Add<TskSkinEdit>(Bounds(10, 100, 200, 20));
  auto* Edit = NewEdit(Bounds(10, 10, 200, 20), false);  // no skin, button or images
  for (int Round = 0; Round < 2; ++Round) {
    MoveTo(Edit, 20, 8);
    MoveTo(Edit, 40, 8);
    Display->Advance(100);
    MoveTo(Other, 20, 8);
    Display->Advance(100);
    Display->Advance(100);
  }
  EXPECT_EQ(Take(), (AppLog { "Enter", "Leave", "Enter", "Leave" }));
}

TEST_F(TskSkinEditTest, ReadOnlyFolderFieldWithTheSkin) {
  BuildSkin();
  auto* Edit = NewEdit(Bounds(10, 10, 345, 20), true);
  Edit->SetReadOnly(true);
  Edit->SetText("/home/用户/输出");
  Edit->OnClick = [this](TObject*) { Log.push_back("Click"); };
  Display->PumpUntilIdle();
  EXPECT_EQ(Edit->Height(), 24);
  ClickAt(Edit, 50, 8);
  Display->TypeText("x");
  Display->Key(VK_BACK);
  EXPECT_EQ(Edit->Text(), "/home/用户/输出");
  EXPECT_EQ(Take(), (AppLog { "Enter", "Click" }));
  EXPECT_EQ(Shown(Edit, 160, 2), HotBlue) << "hovered and focused: the hot face";
}

TEST_F(TskSkinEditTest, DisabledEditDrawsItsTextInTheDisabledColourOverTheSkin) {
  BuildSkin();
  auto* Edit = NewEdit(Bounds(10, 10, 200, 20), true);
  Edit->SetText("输出目录");
  Edit->SetEnabled(false);
  Display->PumpUntilIdle();
  int Disabled = 0, Face = 0;
  for (int X = 0; X < Edit->ClientWidth(); ++X)
    for (int Y = 0; Y < Edit->ClientHeight(); ++Y) {
      const TColor C = Shown(Edit, X, Y);
      Disabled += C == TColor(0x808000);
      Face += C == FaceGreen;
    }
  EXPECT_GT(Disabled, 10);
  EXPECT_GT(Face, 10);
}

TEST_F(TskSkinEditTest, FramePrintedOnRequestOnlyWithTheKey) {
  BuildSkin();
  auto* Edit = NewEdit(Bounds(10, 10, 200, 20), true);
  TBitmap B;
  B.SetSize(200, 24);
  const HDC DC = B.Canvas()->Handle();
  EXPECT_EQ(Edit->Perform(WM_SKINPRINTNCEX, WPARAM(DC), 1), 0);
  EXPECT_EQ(Edit->Perform(WM_SKINPRINTNCEX, WPARAM(DC), SkinPrintNCExKey), SkinPrintNCExKey);
  EXPECT_EQ(B.Canvas()->Pixels(0, 0), FrameRed);
  EXPECT_EQ(B.Canvas()->Pixels(2, 12), FaceGreen);
}

TEST_F(TskSkinEditTest, PaintSkinToDrawsTheGivenTextAndLeavesTheEdit) {
  BuildSkin();
  auto* Edit = NewEdit(Bounds(10, 10, 200, 20), true);
  Edit->SetText("原文");
  Edit->OnChange = [this](TObject*) { Log.push_back("Change"); };
  TBitmap B;
  B.SetSize(220, 40);
  B.Canvas()->Brush()->SetColor(clWhite);
  B.Canvas()->FillRect(Rect(0, 0, 220, 40));
  Edit->PaintSkinTo(B.Canvas(), 10, 10, "输出目录");
  EXPECT_EQ(B.Canvas()->Pixels(10, 10), FrameRed);
  EXPECT_EQ(B.Canvas()->Pixels(9, 9), clWhite);
  int Ink = 0;
  for (int X = 15; X < 100; ++X)
    for (int Y = 14; Y < 30; ++Y) Ink += B.Canvas()->Pixels(X, Y) == clBlack;
  EXPECT_GT(Ink, 10);
  EXPECT_EQ(Edit->Text(), "原文");
  EXPECT_EQ(Take(), AppLog {});
}

TEST_F(TskSkinEditTest, AnAlignedEditInAToolBarSitsInTheMiddleOfItsClientArea) {
  BuildSkin();
  auto* Bar = Add<TskSkinToolBar>(Bounds(10, 10, 300, 40));
  auto* Edit = Add<TskSkinEdit>(Bounds(0, 0, 120, 24), Bar);
  Edit->SetSkinData(&Model);
  Edit->SetAlign(alLeft);
  Display->PumpUntilIdle();
  const TRect Client = Bar->GetSkinClientRect();
  EXPECT_EQ(Edit->Height(), 24) << "the skin fixes the height";
  EXPECT_EQ(Edit->Top(), Client.Top + Client.Height() / 2 - 12);
  Bar->SetAdjustControls(false);
  Bar->SetHeight(60);
  Edit->SetAlign(alNone);
  Edit->SetTop(0);
  EXPECT_EQ(Edit->Top(), 0) << "an edit that is not aligned stays where it is put";
}

}  // namespace
