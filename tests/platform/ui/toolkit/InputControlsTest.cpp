// The standard controls forms use directly: buttons and the form's dialog keys, check boxes, track bars,
// plain combo boxes, images and group boxes.
#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TCheckBox.h"
#include "platform/ui/toolkit/TComboBox.h"
#include "platform/ui/toolkit/TEdit.h"
#include "platform/ui/toolkit/TGroupBox.h"
#include "platform/ui/toolkit/TImage.h"
#include "platform/ui/toolkit/TTrackBar.h"
#include "tests/platform/ui/AppFixture.h"
#include "tests/platform/ui/ControlFixture.h"

namespace {

class ButtonTest : public AppTest {};

TEST_F(ButtonTest, DefaultAndCancelButtonsAnswerEnterAndEscUnlessAnotherButtonHasTheFocus) {
  TForm* Form = NewForm(Bounds(100, 100, 300, 200));
  auto* Edit = Place<TEdit>(Form, Form, Bounds(10, 10, 100, 21));
  auto* Ok = Place<TButton>(Form, Form, Bounds(10, 50, 75, 25));
  auto* Cancel = Place<TButton>(Form, Form, Bounds(90, 50, 75, 25));
  auto* Other = Place<TButton>(Form, Form, Bounds(170, 50, 75, 25));
  Ok->SetDefault(true);
  Cancel->SetCancel(true);
  for (TButton* B : { Ok, Cancel, Other })
    B->OnClick = [&, B](TObject*) { Log.push_back(B == Ok ? "Ok" : B == Cancel ? "Cancel" : "Other"); };
  Form->Show();
  Edit->SetFocus();
  Display->PumpUntilIdle();
  Display->Key(VK_RETURN);
  Display->Key(VK_ESCAPE);
  Other->SetFocus();
  Display->PumpUntilIdle();
  Display->Key(VK_RETURN);  // the focused button is the active one now
  Display->Key(VK_SPACE);
  Edit->SetFocus();
  Display->PumpUntilIdle();
  Display->Key(VK_RETURN, { VK_SHIFT });  // a shifted Enter is no dialog key
  Display->Key(VK_RETURN);
  EXPECT_EQ(Log, (AppLog { "Ok", "Cancel", "Other", "Other", "Ok" }));
}

TEST_F(ButtonTest, ClickFromCodeRunsOnClickWhateverTheStateAndEndsTheModalForm) {
  TForm* Form = NewForm(Bounds(100, 100, 300, 200));
  auto* Hidden = Place<TButton>(Form, Form, Bounds(900, 10, 75, 25));  // outside the client area
  auto* Ok = Place<TButton>(Form, Form, Bounds(10, 10, 75, 25));
  int Clicks = 0;
  Hidden->OnClick = [&](TObject*) { ++Clicks; };
  Hidden->SetEnabled(false);
  Hidden->SetVisible(false);
  Hidden->Click();
  EXPECT_EQ(Clicks, 1);
  Ok->SetModalResult(mrOk);
  Later([&] { ClickOn(Ok); });
  EXPECT_EQ(Form->ShowModal(), mrOk);
}

class StdControlTest : public ControlTest {
protected:
  void PressAt(TControl* C, int X, int Y) {
    Screen->Advance(1000);
    const TPoint P = C->ClientToScreen({ X, Y });
    Screen->Click(P.X, P.Y);
  }
};

TEST_F(StdControlTest, ACheckBoxRunsClickForEveryChangeOfItsState) {
  auto* Box = Place<TCheckBox>(Root.get(), Root.get(), Bounds(10, 10, 120, 17));
  std::vector<TCheckBoxState> Seen;
  Box->OnClick = [&](TObject*) { Seen.push_back(Box->State()); };
  ShowRoot();
  Box->SetChecked(true);
  Box->SetChecked(true);  // no change, no click
  PressAt(Box, 5, 8);
  Box->SetFocus();
  Screen->Key(VK_SPACE);
  Box->SetAllowGrayed(true);
  PressAt(Box, 60, 8);  // the caption counts too
  PressAt(Box, 60, 8);
  Box->SetEnabled(false);
  PressAt(Box, 5, 8);
  EXPECT_EQ(Seen, (std::vector<TCheckBoxState> { cbChecked, cbUnchecked, cbChecked, cbUnchecked, cbGrayed }));
}

TEST_F(StdControlTest, ATrackBarKeepsItsPositionInRangeAndReportsEveryChange) {
  auto* Bar = Place<TTrackBar>(Root.get(), Root.get(), Bounds(10, 10, 150, 45));
  int Changes = 0;
  Bar->OnChange = [&](TObject*) { ++Changes; };
  Bar->SetMax(128);
  Bar->SetPosition(128);
  Bar->SetPosition(500);  // clamped to 128: no change
  EXPECT_EQ(std::make_pair(Bar->Position(), Changes), std::make_pair(128, 1));
  Bar->SetMin(200);  // above the maximum: refused
  EXPECT_EQ(Bar->Min(), 0);
  ShowRoot();
  Bar->SetFocus();
  const struct {
    UINT Key;
    int Position;
  } Keys[] = { { VK_LEFT, 127 }, { VK_HOME, 0 }, { VK_NEXT, 2 }, { VK_DOWN, 3 }, { VK_END, 128 }, { VK_RIGHT, 128 } };
  for (const auto& K : Keys) {
    Screen->Key(K.Key);
    EXPECT_EQ(Bar->Position(), K.Position) << K.Key;
  }
  EXPECT_EQ(Changes, 6);
  // A click on the channel moves a page towards the pointer; dragging the thumb follows the pointer.
  PressAt(Bar, 20, 12);
  EXPECT_EQ(Bar->Position(), 126);
  Bar->SetPosition(64);
  Screen->PumpUntilIdle();
  const TPoint Thumb = Bar->ClientToScreen({ 75, 12 });
  const TPoint End = Bar->ClientToScreen({ 149, 12 });
  Screen->Advance(1000);
  Screen->Drag(Thumb, End);
  EXPECT_EQ(Bar->Position(), 128);
}

TEST_F(StdControlTest, AComboBoxKeepsItsChoiceOnItsItemAndNotifiesOnlyTheUsersChoices) {
  auto* Combo = Place<TComboBox>(Root.get(), Root.get(), Bounds(10, 10, 145, 21));
  EventLog Events;
  Combo->OnClick = [&](TObject*) { Events.push_back("Click " + std::to_string(Combo->ItemIndex())); };
  Combo->OnChange = [&](TObject*) { Events.push_back("Change " + std::to_string(Combo->ItemIndex())); };
  Combo->Items()->BeginUpdate();
  for (const char* S : { "Default", "DDraw", "GDI" }) Combo->Items()->Add(S);
  Combo->Items()->EndUpdate();
  Combo->SetItemIndex(1);
  Combo->Items()->Insert(0, "Panel6");
  EXPECT_EQ(Combo->ItemIndex(), 2);
  EXPECT_EQ(Combo->Text(), "DDraw");
  Combo->SetItemIndex(7);
  EXPECT_EQ(Combo->ItemIndex(), -1);
  EXPECT_EQ(Combo->Text(), "");
  Combo->SetItemIndex(3);
  Combo->Items()->Delete(3);
  EXPECT_EQ(Combo->ItemIndex(), -1);
  ShowRoot();
  Combo->SetFocus();
  Screen->Key(VK_DOWN);
  Screen->Key(VK_END);
  Screen->Key(VK_END);
  EXPECT_EQ(Events, (EventLog { "Click 0", "Change 0", "Click 2", "Change 2" }));
  Combo->SetEnabled(false);
  Screen->Key(VK_HOME);
  EXPECT_EQ(Combo->ItemIndex(), 2);
}

TEST_F(StdControlTest, AnImageDrawsItsPictureAtItsSizeOrStretched) {
  TBitmap Picture;
  Picture.SetSize(4, 2);
  Picture.Canvas()->Brush()->SetColor(clRed);
  Picture.Canvas()->FillRect(Rect(0, 0, 4, 2));
  auto* Image = Place<TImage>(Root.get(), Root.get(), Bounds(10, 10, 40, 20));
  Image->Picture()->SetGraphic(&Picture);
  ShowRoot();
  const TColor Red = ColorToRGB(clRed);
  EXPECT_EQ(Pixel(13, 11), Red);
  EXPECT_NE(Pixel(14, 12), Red);
  Image->SetStretch(true);
  Screen->PumpUntilIdle();
  EXPECT_EQ(Pixel(49, 29), Red);
  Image->SetStretch(false);
  Image->SetCenter(true);
  Screen->PumpUntilIdle();
  EXPECT_NE(Pixel(10, 10), Red);
  EXPECT_EQ(Pixel(28, 19), Red);  // the middle of the control
  Image->SetAutoSize(true);
  Picture.SetSize(8, 6);
  Image->Picture()->SetGraphic(&Picture);
  EXPECT_EQ(std::make_pair(Image->Width(), Image->Height()), std::make_pair(8, 6));
}

TEST_F(StdControlTest, AGroupBoxHoldsItsControlsInsideItsFrame) {
  auto* Group = Place<TGroupBox>(Root.get(), Root.get(), Bounds(10, 10, 150, 80));
  Group->SetCaption("Options");
  auto* Inner = Place<TCheckBox>(Root.get(), Group, Bounds(0, 0, 10, 10));
  Inner->SetAlign(alClient);
  ShowRoot();
  const TRect In = Inner->BoundsRect();
  EXPECT_EQ(In.Left, 2);
  EXPECT_GT(In.Top, 2);  // below the caption
  EXPECT_EQ(In.Right, 148);
  EXPECT_EQ(In.Bottom, 78);
}

}  // namespace
