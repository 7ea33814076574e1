#pragma once
// Form frames on the headless presenter: a main form, skin models to bind frames to, a frame skin built in
// code whose zones each have a colour of their own, and the program's colour-coded test skin.
#include <gtest/gtest.h>

#include "platform/base/TMemoryStream.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "resources/EmbeddedSkins.h"
#include "skin/core/TskCompressedStoredSkin.h"
#include "skin/core/TskSkinData.h"
#include "skin/form/TskSkinForm.h"
#include "tests/platform/ui/AppFixture.h"
#include "tests/skin/support/TskSkinModelBuilder.h"

// The zones of the frame skin's 200 x 100 picture: caption band above y 30, borders of 10 pixels, client
// (10, 30, 190, 90). Its smallest frame is 200 x 40 (the picture's width; its height less the client's).
constexpr TColor FrameCaption = RGB(200, 30, 30);
constexpr TColor FrameBorder = RGB(30, 30, 200);
constexpr TColor FrameClient = RGB(30, 200, 30);
constexpr TColor HintFill = RGB(40, 40, 40);
constexpr TColor HintText = RGB(250, 250, 250);

/// Builds the frame skin into Model: the frame picture, its geometry and a hint record (a 40 x 20 picture
/// with a 5-pixel edge, white Arial 14 text).
inline void BuildFrameSkin(TskSkinData& Model) {
  TskSkinModelBuilder Skin(Model);
  TBitmap* Picture = Model.FPicture.get();
  Picture->SetPixelFormat(pf24bit);
  Picture->SetSize(200, 100);
  TCanvas* C = Picture->Canvas();
  C->Brush()->SetColor(FrameBorder);
  C->FillRect(Rect(0, 0, 200, 100));
  C->Brush()->SetColor(FrameCaption);
  C->FillRect(Rect(0, 0, 200, 30));
  C->Brush()->SetColor(FrameClient);
  C->FillRect(Rect(10, 30, 190, 90));
  Model.LTPoint = { 10, 30 };
  Model.RTPoint = { 190, 30 };
  Model.LBPoint = { 10, 90 };
  Model.RBPoint = { 190, 90 };
  Model.ClRect = Rect(10, 30, 190, 90);
  auto& Hint = *Model.HintWindow;
  Hint.WindowPictureIndex = Skin.AddPicture(40, 20, HintFill);
  Hint.LTPoint = { 5, 5 };
  Hint.RTPoint = { 35, 5 };
  Hint.LBPoint = { 5, 15 };
  Hint.RBPoint = { 35, 15 };
  Hint.ClRect = Rect(5, 5, 35, 15);
  Hint.FontName = "Arial";
  Hint.FontHeight = 14;
  Hint.FontColor = HintText;
  Skin.Finish();
}

/// Loads the program's colour-coded test skin into Model, announcing it to the forms as a load does.
inline void LoadTestSkin(TskSkinData& Model) {
  TMemoryStream Bytes;
  const auto Container = TestSkinContainer();
  Bytes.WriteBuffer(Container.data(), Int64(Container.size()));
  TskCompressedStoredSkin Stored(nullptr);
  Stored.LoadFromCompressStream(&Bytes);
  Model.LoadCompressedStoredSkin(&Stored);
}

class FormFrameTest : public AppTest {
protected:
  void SetUp() override {
    AppTest::SetUp();
    App->CreateForm(Main);
    Main->SetBounds(100, 100, 400, 300);
  }

  /// A frame on Form bound to Model.
  static TskSkinForm* Attach(TCustomForm* Form, TskSkinData* Model) {
    auto* Frame = new TskSkinForm(Form);
    Frame->SetSkinData(Model);
    return Frame;
  }

  /// The colour the screen shows at (X, Y) of a form's window (frame coordinates), after the loop painted.
  TColor FrameColor(TCustomForm* Form, int X, int Y) {
    Display->PumpUntilIdle();
    return Display->PixelAt(Form->Left() + X, Form->Top() + Y);
  }

  TForm* Main { nullptr };
  /// Bound to the frames; each test fills it as it needs.
  TskSkinData Model { nullptr };
};
