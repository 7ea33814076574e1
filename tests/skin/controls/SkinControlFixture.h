#pragma once
// Skinned controls on a shown form of the headless presenter, with a skin model to bind them to.
#include <gtest/gtest.h>

#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/core/TskSkinData.h"
#include "tests/platform/ui/AppFixture.h"
#include "tests/skin/support/TskSkinModelBuilder.h"

class SkinControlTest : public AppTest {
protected:
  void SetUp() override {
    AppTest::SetUp();
    Form = NewForm(Bounds(100, 100, 400, 300));
    Form->SetColor(clWhite);
    Form->Show();
  }

  /// A new control of the form at Bounds (client coordinates).
  template <class T> T* Add(TRect Bounds, TWinControl* Parent = nullptr) {
    return Place<T>(Form, Parent ? Parent : Form, Bounds);
  }

  /// A point of a control in screen coordinates.
  static TPoint At(TControl* Control, int X, int Y) { return Control->ClientToScreen({ X, Y }); }
  /// The colour shown at a point of a control, after the loop painted.
  TColor Shown(TControl* Control, int X, int Y) {
    Display->PumpUntilIdle();
    const TPoint P = At(Control, X, Y);
    return Display->PixelAt(P.X, P.Y);
  }
  void Press(TControl* Control, int X, int Y, PointerButton Button = PointerButton::Left) {
    const TPoint P = At(Control, X, Y);
    Display->MoveTo(P.X, P.Y);
    Display->ButtonDown(P.X, P.Y, Button);
  }
  void MoveTo(TControl* Control, int X, int Y) {
    const TPoint P = At(Control, X, Y);
    Display->MoveTo(P.X, P.Y);
  }
  void Release(TControl* Control, int X, int Y, PointerButton Button = PointerButton::Left) {
    const TPoint P = At(Control, X, Y);
    Display->MoveTo(P.X, P.Y);
    Display->ButtonUp(P.X, P.Y, Button);
  }
  void ClickAt(TControl* Control, int X, int Y, PointerButton Button = PointerButton::Left) {
    Press(Control, X, Y, Button);
    Release(Control, X, Y, Button);
  }

  TForm* Form { nullptr };
  TskSkinData Model { nullptr };
};
