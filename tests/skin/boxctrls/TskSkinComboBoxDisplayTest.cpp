// The combo box on the SDL2 presenter and a real X server: its drop-down is a native popup window placed
// right under the combo box, and a click of the X server on a row picks that row. Skipped without DISPLAY.
#include <cstdlib>
#include <string>

#include "platform/display/X11Native.h"
#include "platform/ui/toolkit/TForm.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/boxctrls/TskPopupListBox.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "tests/platform/display/SdlAppFixture.h"

namespace {

class ComboBoxDisplay : public SdlAppFixture {
protected:
  /// Moves the X pointer to P and clicks the left button there.
  static void ClickAt(TPoint P) {
    const std::string Command =
        "xdotool mousemove --sync " + std::to_string(P.X) + " " + std::to_string(P.Y) + " click 1";
    ASSERT_EQ(std::system(Command.c_str()), 0);
  }
};

TEST_F(ComboBoxDisplay, TheListOpensAsANativePopupUnderTheComboAndAClickOnARowPicksIt) {
  auto* Form = new TForm(App.get());
  Form->SetBounds(100, 100, 400, 300);
  auto* Combo = new TskSkinComboBox(Form);
  Combo->SetBounds(20, 20, 160, 20);
  Combo->SetParent(Form);
  for (int I = 0; I < 10; ++I) Combo->Items()->Add("选项 " + std::to_string(I));
  Combo->SetItemIndex(0);
  Form->Show();
  const auto FormWindow = X11Native::Of(Presenter->NativeWindow(Form->Handle()));
  ASSERT_TRUE(FormWindow);
  ASSERT_TRUE(RunUntil([&] {
    const auto Placed = FormWindow->Geometry();
    return Placed && Placed->TopLeft() == TPoint { 100, 100 };
  })) << "the form is on the screen";

  ClickAt(Combo->ClientToScreen({ 150, 10 }));
  ASSERT_TRUE(RunUntil([&] { return Combo->IsPopupVisible(); })) << "a click on the button opens the list";
  TskPopupListBox* List = Combo->ListBox();
  const auto Native = X11Native::Of(Presenter->NativeWindow(List->Handle()));
  ASSERT_TRUE(Native) << "the drop-down has a native window of its own";
  const TPoint Under = Combo->ClientToScreen({ 0, Combo->Height() });
  std::optional<TRect> Placed;
  EXPECT_TRUE(RunUntil([&] {
    Placed = Native->Geometry();
    return Placed && Placed->TopLeft() == Under;
  })) << "at " << (Placed ? Placed->Left : -1) << "," << (Placed ? Placed->Top : -1);

  TskListBox* Inner = List->ListBox;
  const TRect Row = Inner->ItemRect(3);
  ClickAt(Inner->ClientToScreen({ 10, Row.Top + Row.Height() / 2 }));
  EXPECT_TRUE(RunUntil([&] { return !Combo->IsPopupVisible(); }));
  EXPECT_EQ(Combo->ItemIndex(), 3);
  EXPECT_EQ(Combo->Text(), "选项 3");
}

}  // namespace
