// The combo box's face against the flat-colour test skin and the built-in look: which picture each state
// shows, the shown item while the list is open, owner drawing, and painting a face for another text.
#include <string>
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/boxctrls/TskCustomEdit.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/boxctrls/TskPopupListBox.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/controls/skBuiltInLook.h"
#include "tests/skin/boxctrls/BoxSkin.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

using namespace BoxSkin;

class ComboBoxPaintTest : public SkinControlTest {
protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    BuildBoxSkin(Model);
  }
  TskSkinComboBox* NewCombo(bool Skinned, TRect Bounds = Rect(10, 10, 130, 30)) {
    auto* Combo = Add<TskSkinComboBox>(Bounds);
    for (int I = 0; I < 5; ++I) Combo->Items()->Add("项目 " + std::to_string(I));
    if (Skinned) Combo->SetSkinData(&Model);
    Combo->SetItemIndex(1);
    Display->PumpUntilIdle();
    return Combo;
  }
  /// Whether any pixel of R (control coordinates) shows Colour.
  bool AnyPixel(TControl* Control, const TRect& R, TColor Colour) {
    Display->PumpUntilIdle();
    for (int Y = R.Top; Y < R.Bottom; ++Y)
      for (int X = R.Left; X < R.Right; ++X)
        if (Shown(Control, X, Y) == Colour) return true;
    return false;
  }
  enum class Action { None, Hover, HoverButton, PressButton, Focus, Disable };
  void Enter(TskSkinComboBox* Combo, Action A) {
    switch (A) {
    case Action::None: break;
    case Action::Hover: MoveTo(Combo, 10, 10); break;
    case Action::HoverButton: MoveTo(Combo, 110, 10); break;
    case Action::PressButton: Press(Combo, 110, 10); break;
    case Action::Focus: Combo->SetFocus(); break;
    case Action::Disable: Combo->SetEnabled(false); break;
    }
  }
  void Park() {
    Display->MoveTo(5, 700);
    Display->ButtonUp(5, 700);
  }
};

struct StateCase {
  const char* Name;
  int Action;
  std::vector<TColor> Expected;
};

TEST_F(ComboBoxPaintTest, EachStateShowsItsFaceItemAndButtonPictures) {
  // Probes: the face left of the item, the item's right end, the button.
  const TPoint FacePt { 1, 1 }, ItemPt { 98, 5 }, ButtonPt { 110, 10 };
  const StateCase Cases[] = {
    { "normal", int(Action::None), { Face, Item, Face } },
    { "hover", int(Action::Hover), { FaceHot, ItemHot, FaceHot } },
    { "hover on the button", int(Action::HoverButton), { FaceHot, ItemHot, ButtonHot } },
    { "button pressed", int(Action::PressButton), { FaceHot, ItemFocus, ButtonDown } },
    { "focused", int(Action::Focus), { FaceHot, ItemFocus, FaceHot } },
    { "disabled", int(Action::Disable), { Face, Item, ButtonOff } },
  };
  for (const StateCase& Case : Cases) {
    auto* Combo = NewCombo(true);
    ASSERT_EQ(Combo->Height(), 20) << "the skin fixes the height";
    Enter(Combo, Action(Case.Action));
    const std::vector<TColor> Shows { Shown(Combo, FacePt.X, FacePt.Y), Shown(Combo, ItemPt.X, ItemPt.Y),
                                      Shown(Combo, ButtonPt.X, ButtonPt.Y) };
    EXPECT_EQ(Shows, Case.Expected) << Case.Name;
    Park();
    delete Combo;
  }
}

TEST_F(ComboBoxPaintTest, WithoutSkinSizeTheFaceStretchesAndTheButtonComesFromItsOwnRecord) {
  const StateCase Cases[] = {
    { "normal", int(Action::None), { Face, Item, SeparateButton } },
    { "hover on the button", int(Action::HoverButton), { FaceHot, ItemHot, SeparateButtonHot } },
    { "button pressed", int(Action::PressButton), { FaceHot, ItemFocus, SeparateButtonDown } },
  };
  for (const StateCase& Case : Cases) {
    auto* Combo = NewCombo(false, Rect(10, 10, 130, 36));
    Combo->SetUseSkinSize(false);
    Combo->SetSkinData(&Model);
    ASSERT_EQ(Combo->Height(), 26);
    Enter(Combo, Action(Case.Action));
    const std::vector<TColor> Shows { Shown(Combo, 1, 24), Shown(Combo, 97, 21), Shown(Combo, 104, 5) };
    EXPECT_EQ(Shows, Case.Expected) << Case.Name;
    Park();
    delete Combo;
  }
}

TEST_F(ComboBoxPaintTest, TheToolButtonLookFollowsHoverAndTheOpenList) {
  for (const bool Skinned : { true, false }) {
    const TColor Normal = Skinned ? ToolButton : ColorToRGB(clBtnFace);
    const TColor Hot = Skinned ? ToolButtonHot : BuiltInHotColor;
    const TColor Open = Skinned ? ToolButtonDown : BuiltInDownColor;
    auto* Combo = NewCombo(Skinned);
    Combo->SetToolButtonStyle(true);
    EXPECT_FALSE(Combo->UseSkinSize());
    EXPECT_EQ(Shown(Combo, 100, 3), Normal) << Skinned;
    MoveTo(Combo, 100, 10);
    EXPECT_EQ(Shown(Combo, 100, 3), Hot) << Skinned;
    Press(Combo, 20, 10);
    ASSERT_TRUE(Combo->IsPopupVisible()) << "a press anywhere opens";
    EXPECT_EQ(Shown(Combo, 100, 3), Open) << Skinned;
    Park();
    delete Combo;
  }
}

TEST_F(ComboBoxPaintTest, TheDisabledBuiltInArrowTurnsShadowGrey) {
  auto* Combo = NewCombo(false);
  const TRect ButtonArea = Rect(102, 4, 118, 16);
  EXPECT_TRUE(AnyPixel(Combo, ButtonArea, clBlack));
  Combo->SetEnabled(false);
  EXPECT_FALSE(AnyPixel(Combo, ButtonArea, clBlack));
  EXPECT_TRUE(AnyPixel(Combo, ButtonArea, ColorToRGB(clBtnShadow)));
}

TEST_F(ComboBoxPaintTest, OwnerDrawingGetsTheShownItemWhichStaysWhileTheHighlightMoves) {
  struct Drawn {
    int Index, W, H;
    bool Focused;
  };
  std::vector<Drawn> Calls;
  auto* Combo = NewCombo(true);
  Combo->OnComboBoxDrawItem = [&](TCanvas*, int Index, int W, int H, TRect&, TOwnerDrawState State) {
    Calls.push_back({ Index, W, H, State.Contains(odFocused) });
  };
  Combo->SetFocus();
  Combo->SetItemIndex(2);
  ASSERT_FALSE(Calls.empty());
  EXPECT_EQ(Calls.back().Index, 2);
  EXPECT_EQ(Calls.back().W, 97) << "the item area's width";
  EXPECT_EQ(Calls.back().H, 14) << "the item picture's height";
  EXPECT_TRUE(Calls.back().Focused);
  Combo->DropDown();
  TskListBox* Inner = Combo->ListBox()->ListBox;
  const TRect Row = Inner->ItemRect(4);
  const TPoint P = Inner->ClientToScreen({ 5, Row.Top + 3 });
  Display->MoveTo(P.X, P.Y);
  ASSERT_EQ(Combo->ItemIndex(), 4);
  Calls.clear();
  Combo->Repaint();
  ASSERT_FALSE(Calls.empty());
  EXPECT_EQ(Calls.back().Index, 2) << "the face keeps the item the list opened with";
  Combo->CloseUp(false);
  Combo->Items()->Clear();
  Calls.clear();
  Combo->Repaint();
  EXPECT_TRUE(Calls.empty()) << "no item: background only";
}

TEST_F(ComboBoxPaintTest, PaintingAFaceForAnotherTextLeavesTextAndFiresNothing) {
  for (const bool Skinned : { true, false }) {
    auto* Combo = NewCombo(Skinned);
    int Changes = 0;
    Combo->OnChange = [&](TObject*) { ++Changes; };
    TBitmap B;
    B.SetSize(Combo->Width(), Combo->Height());
    B.Canvas()->Brush()->SetColor(clWhite);
    B.Canvas()->FillRect(Rect(0, 0, B.Width(), B.Height()));
    Combo->PaintSkinTo(B.Canvas(), 0, 0, "其他文字");
    EXPECT_EQ(Combo->Text(), "项目 1");
    EXPECT_EQ(Changes, 0);
    EXPECT_EQ(B.Canvas()->Pixels(0, 0), Skinned ? Face : ColorToRGB(clBtnShadow)) << Skinned;
    delete Combo;
  }
}

// The edit part shows its text over the skinned item picture, and the combo box paints its face into an
// erase request coming from outside its own painting (a parent composing what lies behind a child).
TEST_F(ComboBoxPaintTest, AnEditStyleFaceShowsTheSkinBehindTheEditPartAndPaintsIntoAnErase) {
  auto* Combo = NewCombo(true);
  Combo->SetStyle(skcbEditStyle);
  Combo->EditPart()->SetText("");
  Display->PumpUntilIdle();
  TskCustomEdit* Edit = Combo->EditPart();
  ASSERT_NE(Edit, nullptr);
  EXPECT_TRUE(Edit->EditTransparent());
  EXPECT_EQ(Shown(Edit, Edit->Width() - 3, Edit->Height() / 2), Face) << "no opaque box over the face";
  auto* Plain = NewCombo(false);
  Plain->SetStyle(skcbEditStyle);
  EXPECT_FALSE(Plain->EditPart()->EditTransparent()) << "without a record the edit part paints its own colour";

  auto* Fixed = NewCombo(true);
  TBitmap B;
  B.SetSize(Fixed->Width(), Fixed->Height());
  B.Canvas()->Brush()->SetColor(clWhite);
  B.Canvas()->FillRect(Rect(0, 0, B.Width(), B.Height()));
  Fixed->Perform(WM_ERASEBKGND, WPARAM(B.Canvas()->Handle()), 0);
  EXPECT_EQ(B.Canvas()->Pixels(1, 1), Face);
  EXPECT_EQ(B.Canvas()->Pixels(98, 5), Item);
}

}  // namespace
