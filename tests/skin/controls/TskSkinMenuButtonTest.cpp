// The menu button and the menu speed button against recording menus: what opens the menus and in which
// order, the button held down while they are open, the close notice before the chosen command, the keys,
// the drop-down part, and a menu that cannot open.
#include "skin/controls/TskSkinMenuButton.h"
#include "skin/controls/TskSkinMenuSpeedButton.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "tests/skin/controls/RecordingMenus.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

/// A menu button that shows whether it is hot.
class TProbeMenuButton : public TskSkinMenuButton {
public:
  using TskSkinMenuButton::TskSkinMenuButton;
  bool Hot() const { return FMouseIn; }
};

class MenuButtonTest : public SkinControlTest {
protected:
  template <class T> T* NewButton(TRect Bounds = ::Bounds(10, 10, 75, 25)) {
    auto* Button = Add<T>(Bounds);
    Button->SetCaption("");
    Button->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { Log.push_back("Down"); };
    Button->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { Log.push_back("Up"); };
    Button->OnClick = [this](TObject*) { Log.push_back("Click"); };
    Button->OnShowTrackMenu = [this](TObject*) { Log.push_back("Show"); };
    Button->OnHideTrackMenu = [this](TObject*) { Log.push_back("Hide"); };
    Button->SetSkinPopupMenu(&Popup);
    Display->PumpUntilIdle();
    return Button;
  }
  AppLog Take() { return std::exchange(Log, {}); }

  TRecordingPopupMenu Popup { &Log };
  TRecordingImagesMenu Images { &Log };
};

TEST_F(MenuButtonTest, APressOpensTheMenuBelowTheButtonWhichStaysDownUntilTheCloseNotice) {
  auto* Button = NewButton<TProbeMenuButton>();
  Press(Button, 30, 12);
  EXPECT_EQ(Take(), (AppLog { "Show", "popup.Open" })) << "no OnMouseDown";
  EXPECT_EQ(Popup.At, Bounds(At(Button, 0, 0).X, At(Button, 0, 0).Y, 75, 25));
  EXPECT_FALSE(Popup.Up);
  Release(Button, 30, 12);
  EXPECT_EQ(Take(), AppLog {}) << "the release does nothing while the menu is open";
  EXPECT_TRUE(Button->Down());
  EXPECT_TRUE(Button->MenuTracked());
  MoveTo(Button, 30, 200);
  Popup.Close([this] { Log.push_back("item.Click"); });
  EXPECT_EQ(Take(), (AppLog { "Hide", "item.Click" }));
  EXPECT_FALSE(Button->Down());
  EXPECT_FALSE(Button->MenuTracked());
  EXPECT_FALSE(Button->Hot()) << "the pointer is elsewhere";

  Button->DropDown();
  EXPECT_EQ(Take(), (AppLog { "Show", "popup.Open" })) << "from code as from a press";
  EXPECT_TRUE(Button->Down());
}

TEST_F(MenuButtonTest, WithBothMenusEachOpeningIsAnnounced) {
  auto* Button = NewButton<TskSkinMenuButton>();
  Button->SetSkinImagesMenu(&Images);
  ClickAt(Button, 30, 12);
  EXPECT_EQ(Take(), (AppLog { "Show", "popup.Open", "Show", "images.Open" }));
  Images.Close();
  EXPECT_EQ(Take(), (AppLog { "Hide" }));
  EXPECT_FALSE(Button->Down());
}

TEST_F(MenuButtonTest, AMenuThatCannotOpenLeavesTheButtonUpAndClickable) {
  Popup.Opens = false;
  auto* Button = NewButton<TskSkinMenuButton>();
  ClickAt(Button, 30, 12);
  EXPECT_EQ(Take(), (AppLog { "Show", "popup.Open", "Up" })) << "no OnHideTrackMenu for a menu that never opened";
  EXPECT_FALSE(Button->Down());
  EXPECT_FALSE(Button->MenuTracked());
  Popup.Opens = true;
  ClickAt(Button, 30, 12);
  EXPECT_EQ(Take(), (AppLog { "Show", "popup.Open" }));
}

TEST_F(MenuButtonTest, SpaceOpensAtItsKeyDownOrClicksAtItsReleaseInTrackButtonMode) {
  auto* Button = NewButton<TskSkinMenuButton>();
  Button->SetFocus();
  Display->KeyDown(VK_SPACE);
  EXPECT_EQ(Take(), (AppLog { "Show", "popup.Open" }));
  Display->KeyUp(VK_SPACE);
  EXPECT_EQ(Take(), AppLog {});
  EXPECT_TRUE(Button->Down());
  Popup.Close();
  Take();

  Button->SetTrackButtonMode(true);
  Display->KeyDown(VK_SPACE);
  EXPECT_EQ(Take(), AppLog {});
  Display->KeyUp(VK_SPACE);
  EXPECT_EQ(Take(), (AppLog { "Click" }));
  EXPECT_FALSE(Button->Down());
}

TEST_F(MenuButtonTest, EnterClicksAFocusedMenuButtonOnce) {
  auto* Button = NewButton<TskSkinMenuButton>();
  Button->SetFocus();
  Display->KeyDown(VK_RETURN);
  Display->KeyUp(VK_RETURN);
  EXPECT_EQ(Take(), (AppLog { "Click" }));
}

TEST_F(MenuButtonTest, InTrackButtonModeOnlyTheDropDownPartOpensTheMenu) {
  TskSkinModelBuilder Skin(Model);
  const int Picture = Skin.AddPicture(100, 60);
  auto& Resize = Skin.Add<TskDataSkinButtonControl>("button", "resizebutton");
  Resize.PictureIndex = Picture;
  SetNinePart(Resize, Skin.Paint(Picture, Bounds(0, 0, 40, 25), clRed, clWhite), 3, Rect(3, 3, 37, 22));
  auto& Tool = Skin.Add<TskDataSkinMenuButtonControl>("menubutton", "toolmenubutton");
  Tool.PictureIndex = Picture;
  Tool.SkinRect = Skin.Paint(Picture, Bounds(0, 30, 40, 25), clBlue, clWhite);
  Skin.Finish();

  auto* Button = NewButton<TskSkinMenuButton>();
  Button->SetSkinDataName("resizebutton");
  Button->SetSkinData(&Model);
  Button->SetTrackButtonMode(true);
  Display->PumpUntilIdle();
  ClickAt(Button, 59, 12);
  EXPECT_EQ(Take(), (AppLog { "Down", "Click", "Up" })) << "left of the part: a plain click";
  Press(Button, 60, 12);
  EXPECT_EQ(Take(), (AppLog { "Show", "popup.Open" })) << "the part's left edge included";
  Release(Button, 60, 12);
  Popup.Close();
  Take();

  auto* Empty = NewButton<TskSkinMenuButton>(Bounds(10, 60, 40, 25));
  Empty->SetSkinData(&Model);
  Empty->SetTrackButtonMode(true);
  Display->PumpUntilIdle();
  ClickAt(Empty, 1, 1);
  EXPECT_EQ(Take(), (AppLog { "Down", "Click", "Up" }));
  Press(Empty, 0, 0);
  EXPECT_EQ(Take(), (AppLog { "Show", "popup.Open" })) << "an empty part is the single point (0, 0)";
}

TEST_F(MenuButtonTest, ANinePartMenuButtonDrawsItsTwoPartsByStateWithTheSkinsMarker) {
  TskSkinModelBuilder Skin(Model);
  const int Picture = Skin.AddPicture(200, 60);
  auto& Record = Skin.Add<TskDataSkinButtonControl>("button", "resizebutton");
  Record.PictureIndex = Picture;
  SetNinePart(Record, Skin.Paint(Picture, Bounds(0, 0, 40, 25), clRed, clWhite), 3, Rect(3, 3, 37, 22));
  Record.ActiveSkinRect = Skin.Paint(Picture, Bounds(40, 0, 40, 25), clLime, clWhite);
  Record.DownSkinRect = Skin.Paint(Picture, Bounds(80, 0, 40, 25), clBlue, clWhite);
  // A 5 x 3 marker whose yellow background is left out.
  Record.MenuMarkerRect = Skin.Paint(Picture, Bounds(120, 0, 5, 3), clAqua);
  Skin.Paint(Picture, Bounds(120, 0, 1, 3), clYellow);
  Record.MenuMarkerTransparentColor = clYellow;
  Skin.Finish();
  auto* Button = NewButton<TskSkinMenuButton>(Bounds(10, 10, 90, 25));
  Button->SetSkinDataName("resizebutton");
  Button->SetSkinData(&Model);
  Button->SetCanFocused(false);
  Button->SetTrackButtonMode(true);
  EXPECT_EQ(Shown(Button, 30, 12), clRed);
  EXPECT_EQ(Shown(Button, 78, 5), clRed) << "the drop-down part, normal";
  const TPoint Marker { 75 + 15 / 2 - 5 / 2, 25 / 2 - 3 / 2 };  // centred, halves truncated
  EXPECT_EQ(Shown(Button, Marker.X, Marker.Y), clRed) << "the marker's transparent column";
  EXPECT_EQ(Shown(Button, Marker.X + 1, Marker.Y), clAqua);
  Press(Button, 80, 12);
  EXPECT_EQ(Shown(Button, 30, 12), clLime) << "main part hot while the menu is open";
  EXPECT_EQ(Shown(Button, 78, 5), clBlue) << "drop-down part pressed";
  Release(Button, 80, 12);
  Popup.Close();
}

TEST_F(MenuButtonTest, TheMenuSpeedButtonOpensClosesAndRecoversAlike) {
  auto* Button = NewButton<TskSkinMenuSpeedButton>();
  Button->SetFlat(true);
  MoveTo(Button, 30, 12);
  Press(Button, 30, 12);
  EXPECT_EQ(Take(), (AppLog { "Show", "popup.Open" }));
  EXPECT_TRUE(Button->Transparent()) << "a flat button does not stay opaque under its menu";
  Release(Button, 30, 12);
  EXPECT_TRUE(Button->Down());
  Popup.Close([this] { Log.push_back("item.Click"); });
  EXPECT_EQ(Take(), (AppLog { "Hide", "item.Click" }));
  EXPECT_FALSE(Button->Down());

  Popup.Opens = false;
  ClickAt(Button, 30, 12);
  EXPECT_FALSE(Button->Down());
  EXPECT_FALSE(Button->MenuTracked());
}

TEST_F(MenuButtonTest, TheBuiltInMenuSpeedButtonCentresItsArrowInTheStripAndShiftsItWhileOpen) {
  auto* Button = NewButton<TskSkinMenuSpeedButton>();
  const TColor Ink = ColorToRGB(clBtnText);
  // The strip is the right 15 pixels (60 to 75); its centre (67, 12) tops a 5-3-1 arrow.
  const auto ArrowAt = [&](int X, int Y) {
    return Shown(Button, X - 2, Y) == Ink && Shown(Button, X + 2, Y) == Ink && Shown(Button, X - 3, Y) != Ink &&
           Shown(Button, X + 3, Y) != Ink && Shown(Button, X - 1, Y + 1) == Ink && Shown(Button, X + 1, Y + 1) == Ink &&
           Shown(Button, X - 2, Y + 1) != Ink && Shown(Button, X, Y + 2) == Ink && Shown(Button, X - 1, Y + 2) != Ink;
  };
  EXPECT_TRUE(ArrowAt(67, 12));
  Press(Button, 30, 12);
  EXPECT_TRUE(ArrowAt(69, 14)) << "pressed in by two pixels while the menu is open";
  Release(Button, 30, 12);
  Popup.Close();
  EXPECT_TRUE(ArrowAt(67, 12));

  Button->SetFlat(true);
  Button->SetTransparent(true);
  EXPECT_TRUE(ArrowAt(67, 12)) << "a transparent flat button draws it over what lies behind";
  EXPECT_EQ(Shown(Button, 30, 2), clWhite);
}

TEST_F(MenuButtonTest, TheNewStyleBottomPartIsTheOnlyPlaceThatOpensInTrackButtonMode) {
  auto* Button = NewButton<TskSkinMenuSpeedButton>(Bounds(10, 10, 40, 50));
  Button->SetNewStyle(true);
  Button->SetTrackPosition(sktpBottom);
  Button->SetTrackButtonMode(true);
  ClickAt(Button, 20, 34);
  EXPECT_EQ(Take(), (AppLog { "Down", "Up", "Click" }));
  Press(Button, 20, 35);
  EXPECT_EQ(Take(), (AppLog { "Show", "popup.Open" }));
}

TEST_F(MenuButtonTest, TheNewStyleDrawsTheToolButtonRecordWithThePartFromItsOwnRecordWhileHot) {
  TskSkinModelBuilder Skin(Model);
  const int Picture = Skin.AddPicture(200, 60);
  auto Record = [&](const String& Name, int Left, TColor Normal, TColor Hot) {
    auto& R = Skin.Add<TskDataSkinButtonControl>("button", Name);
    R.PictureIndex = Picture;
    SetNinePart(R, Skin.Paint(Picture, Bounds(Left, 0, 32, 32), Normal, clWhite), 4, Rect(4, 4, 28, 28));
    R.ActiveSkinRect = Skin.Paint(Picture, Bounds(Left, 32, 32, 32), Hot, clWhite);
  };
  Record("resizetoolbutton", 0, clRed, clLime);
  Record("htracktoolbutton", 40, clBlue, clAqua);
  Skin.Finish();
  auto* Button = NewButton<TskSkinMenuSpeedButton>(Bounds(10, 10, 40, 50));
  Button->SetNewStyle(true);
  Button->SetTrackPosition(sktpBottom);
  Button->SetTrackButtonMode(true);
  Button->SetSkinData(&Model);
  EXPECT_EQ(Shown(Button, 20, 10), clRed);
  EXPECT_EQ(Shown(Button, 3, 44), clRed) << "at rest one image over the whole button";
  MoveTo(Button, 20, 10);
  Display->Advance(200);
  EXPECT_EQ(Shown(Button, 20, 10), clLime);
  EXPECT_EQ(Shown(Button, 20, 28), clLime) << "the hot image reaches under the part";
  EXPECT_EQ(Shown(Button, 3, 40), clAqua) << "the bottom part from its own record";
}

// Menus that are members or stack objects announce their removal from ~TComponent, when they can no
// longer be cast: each button must still let go of them.
TEST_F(MenuButtonTest, MenusFreedBeforeTheirButtonsAreLetGoAndNeverOpened) {
  auto* Button = NewButton<TskSkinMenuButton>();
  auto* Speed = NewButton<TskSkinMenuSpeedButton>(Bounds(10, 60, 75, 25));
  {
    TRecordingPopupMenu Scoped { &Log };
    TRecordingImagesMenu ScopedImages { &Log };
    Button->SetSkinPopupMenu(&Scoped);
    Button->SetSkinImagesMenu(&ScopedImages);
    Speed->SetSkinPopupMenu(&Scoped);
    Speed->SetSkinImagesMenu(&ScopedImages);
  }
  EXPECT_EQ(Button->SkinPopupMenu(), nullptr);
  EXPECT_EQ(Button->SkinImagesMenu(), nullptr);
  EXPECT_EQ(Speed->SkinPopupMenu(), nullptr);
  EXPECT_EQ(Speed->SkinImagesMenu(), nullptr);
  ClickAt(Button, 30, 12);
  ClickAt(Speed, 30, 12);
  EXPECT_EQ(Take(), (AppLog { "Down", "Click", "Up", "Down", "Up", "Click" })) << "plain clicks, no menu";
}

}  // namespace
