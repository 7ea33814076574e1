// The overlay of an inactive client area: one at most however often the form changes its activation,
// none for an empty client area, and the semi-transparent look as the captured picture under the form's
// background at alpha 170.
#include "platform/ui/toolkit/TPanel.h"
#include "skin/form/TskClientInActivePanel.h"
#include "tests/skin/form/FormFrameFixture.h"

namespace {

using ClientInActivePanel = FormFrameTest;

int Overlays(TWinControl* Form) {
  int Count = 0;
  for (int i = 0; i < Form->ControlCount(); ++i)
    Count += dynamic_cast<TskClientInActivePanel*>(Form->Controls(i)) && Form->Controls(i)->Visible();
  return Count;
}

TEST_F(ClientInActivePanel, ActivationChangesLeaveOneOverlayOrNone) {
  Main->Show();
  auto* Frame = Attach(Main, &Model);
  Frame->SetClientInActiveEffect(true);
  for (int i = 0; i < 10; ++i) {
    SendMessage(Main->Handle(), WM_NCACTIVATE, 0, 0);
    EXPECT_EQ(Overlays(Main), 1);
    SendMessage(Main->Handle(), WM_NCACTIVATE, 1, 0);
    EXPECT_EQ(Overlays(Main), 0);
  }
  Main->SetClientHeight(0);
  SendMessage(Main->Handle(), WM_NCACTIVATE, 0, 0);
  EXPECT_EQ(Overlays(Main), 0) << "no overlay over an empty client area";
}

TEST_F(ClientInActivePanel, TheSemiTransparentLookIsThePictureUnderTheBackgroundAtAlpha170) {
  Main->SetColor(RGB(0, 0, 200));
  Main->Show();
  auto* Frame = Attach(Main, &Model);
  auto* Red = Place<TPanel>(Main, Main, Bounds(20, 20, 60, 40));
  Red->SetColor(RGB(250, 0, 0));
  const TPoint P = Red->ClientToScreen({ 30, 20 });
  Display->PumpUntilIdle();
  ASSERT_EQ(Display->PixelAt(P.X, P.Y), RGB(250, 0, 0));
  Frame->ShowClientInActiveEffect();
  Display->PumpUntilIdle();
  // The built-in frame's background is the button face whatever the form's colour.
  const TColor Shown = Display->PixelAt(P.X, P.Y), Face = ColorToRGB(clBtnFace);
  EXPECT_NEAR(GetRValue(Shown), 250 * 85 / 255 + GetRValue(Face) * 170 / 255, 2);
  EXPECT_NEAR(GetGValue(Shown), GetGValue(Face) * 170 / 255, 2);
  EXPECT_NEAR(GetBValue(Shown), GetBValue(Face) * 170 / 255, 2);
  Frame->HideClientInActiveEffect();
  EXPECT_EQ(Overlays(Main), 0);
  Display->PumpUntilIdle();
  EXPECT_EQ(Display->PixelAt(P.X, P.Y), RGB(250, 0, 0));
}

}  // namespace
