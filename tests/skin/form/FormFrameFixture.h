#pragma once
// Form frames on the headless presenter: a main form, skin models to bind frames to, a frame skin built in
// code whose zones each have a colour of their own, a layered border for it, and the program's
// colour-coded test skin.
#include <gtest/gtest.h>

#include "platform/base/TMemoryStream.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "resources/EmbeddedSkins.h"
#include "skin/core/TskCompressedStoredSkin.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/core/skSkinKinds.h"
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

// The frame skin's caption objects: their own looks in the objects picture, in these colours.
constexpr TColor ButtonNormal = RGB(240, 240, 60);
constexpr TColor ButtonHot = RGB(60, 240, 240);
constexpr TColor ButtonDown = RGB(240, 60, 240);
constexpr TColor FrameInactive = RGB(120, 120, 120);
/// Where the frame skin's caption buttons sit in the picture's caption band: a row of 20 x 20 buttons
/// from x 188 leftwards, 2 pixels apart, 5 from the top; the system-menu button at the caption's left.
constexpr int ButtonRowRight = 188;
constexpr int ButtonTop = 5;
constexpr int ButtonSize = 20;
constexpr int ButtonGap = 2;

/// Adds to the frame skin of BuildFrameSkin: an inactive picture, a mask whose top corners lose a step
/// of three pixels, sizing points 10 pixels in from the corners and a 4-pixel sizing border, the caption
/// record over the whole caption band and the standard buttons close, maximize, minimize and system menu
/// (in that record order) with their normal, hot and pressed looks in an objects picture, morphing.
inline void AddFrameObjects(TskSkinData& Model) {
  Model.FInActivePicture->Assign(Model.FPicture.get());
  TCanvas* Inactive = Model.FInActivePicture->Canvas();
  Inactive->Brush()->SetColor(FrameInactive);
  Inactive->FillRect(Rect(0, 0, 200, 30));
  TBitmap* Mask = Model.FMask.get();
  Mask->SetPixelFormat(pf24bit);
  Mask->SetSize(200, 100);
  Mask->Canvas()->Brush()->SetColor(clBlack);
  Mask->Canvas()->FillRect(Rect(0, 0, 200, 100));
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3 - y; ++x) {
      Mask->Canvas()->SetPixels(x, y, clWhite);
      Mask->Canvas()->SetPixels(199 - x, y, clWhite);
    }
  Model.MaskRectArea = Model.ClRect;
  Model.HitTestLTPoint = { 10, 10 };
  Model.HitTestRTPoint = { 190, 10 };
  Model.HitTestLBPoint = { 10, 90 };
  Model.HitTestRBPoint = { 190, 90 };
  Model.BorderW = 4;
  Model.CaptionRect = Rect(0, 0, 200, 30);
  Model.ButtonsRect = Rect(110, ButtonTop, ButtonRowRight, ButtonTop + ButtonSize);
  Model.ButtonsOffset = ButtonGap;
  const int Objects = int(Model.FActivePictures.size());
  auto Picture = std::make_unique<TBitmap>();
  Picture->SetSize(60, 80);
  Model.FActivePictures.push_back(std::move(Picture));
  TCanvas* C = Model.FActivePictures.back()->Canvas();
  auto Face = [C](int Row, int Column, TColor Color) {
    const TRect R = Rect(Column * 20, Row * 20, Column * 20 + 20, Row * 20 + 20);
    C->Brush()->SetColor(Color);
    C->FillRect(R);
    return R;
  };
  const std::pair<const char*, TskStdCommand> Buttons[] = {
    { "closebutton", cmClose }, { "maxbutton", cmMaximize }, { "minbutton", cmMinimize }, { "sysmenubutton", cmSysMenu }
  };
  for (int i = 0; i < 4; ++i) {
    auto Record = CreateSkinObject("stdbutton", Buttons[i].first);
    auto& Button = dynamic_cast<TskDataSkinStdButton&>(*Record);
    Button.Command = Buttons[i].second;
    Button.SkinRectInAPicture = true;
    Button.ActivePictureIndex = Objects;
    Button.SkinRect = Face(i, 0, ButtonNormal);
    Button.ActiveSkinRect = Face(i, 1, ButtonHot);
    Button.DownRect = Face(i, 2, ButtonDown);
    Button.Morphing = true;
    Model.ObjectList.push_back(std::move(Record));
  }
  auto Record = CreateSkinObject("caption", "caption");
  auto& Caption = dynamic_cast<TskDataSkinCaption&>(*Record);
  Caption.SkinRect = Rect(0, 0, 200, 30);
  Caption.TextRct = Rect(4, 0, 100, 30);
  Caption.FontName = "Arial";
  Caption.FontHeight = 14;
  Caption.ActiveFontColor = clWhite;
  Caption.FontColor = clSilver;
  Model.ObjectList.push_back(std::move(Record));
}

// The zones of the 100 x 80 layer picture: a top band of 30 rows with corners of 20 columns, sides of 20
// columns whose 30 rows are two stripes, a bottom band of 20 rows, the form's place (20, 30, 80, 60). Its
// mask gives the outer 5 columns on the left half alpha and everything else full alpha.
constexpr TColor LayerTop = RGB(250, 120, 0);
constexpr TColor LayerLeftCorner = RGB(0, 120, 250);
constexpr TColor LayerRightCorner = RGB(120, 0, 250);
constexpr TColor LayerStripeA = RGB(0, 250, 120);
constexpr TColor LayerStripeB = RGB(120, 250, 250);
constexpr TColor LayerBottom = RGB(250, 250, 0);
constexpr TColor LayerInactiveTop = RGB(90, 90, 160);

inline void Fill(TBitmap* Picture, const TRect& R, TColor Colour) {
  Picture->Canvas()->Brush()->SetColor(Colour);
  Picture->Canvas()->FillRect(R);
}

inline int AddLayerPicture(TskSkinData& Model, TColor Top) {
  auto Picture = std::make_unique<TBitmap>();
  Picture->SetPixelFormat(pf24bit);
  Picture->SetSize(100, 80);
  Fill(Picture.get(), Rect(0, 0, 100, 30), Top);
  Fill(Picture.get(), Rect(0, 0, 20, 30), LayerLeftCorner);
  Fill(Picture.get(), Rect(80, 0, 100, 30), LayerRightCorner);
  Fill(Picture.get(), Rect(0, 30, 100, 45), LayerStripeA);
  Fill(Picture.get(), Rect(0, 45, 100, 60), LayerStripeB);
  Fill(Picture.get(), Rect(0, 60, 100, 80), LayerBottom);
  Model.FActivePictures.push_back(std::move(Picture));
  return int(Model.FActivePictures.size()) - 1;
}

/// Adds the layer frame to a frame skin: active and inactive pictures with their mask, a sizing area 10
/// pixels around the form (20 above it) with corner zones of 10 x 10 and a 6-pixel band, alphas 255 and
/// 200.
inline void AddLayerFrame(TskSkinData& Model) {
  auto& Layer = *Model.LayerFrame;
  Layer.PictureIndex = AddLayerPicture(Model, LayerTop);
  Layer.InActivePictureIndex = AddLayerPicture(Model, LayerInactiveTop);
  auto Mask = std::make_unique<TBitmap>();
  Mask->SetPixelFormat(pf24bit);
  Mask->SetSize(100, 80);
  Fill(Mask.get(), Rect(0, 0, 100, 80), clWhite);
  Fill(Mask.get(), Rect(0, 0, 5, 80), RGB(128, 128, 128));
  Model.FActivePictures.push_back(std::move(Mask));
  Layer.MaskPictureIndex = Layer.InActiveMaskPictureIndex = int(Model.FActivePictures.size()) - 1;
  Layer.LTPoint = { 20, 30 };
  Layer.RTPoint = { 80, 30 };
  Layer.LBPoint = { 20, 60 };
  Layer.RBPoint = { 80, 60 };
  Layer.ClRect = Rect(20, 30, 80, 60);
  Layer.BorderRect = Rect(10, 10, 90, 70);
  Layer.HitTestEnable = true;
  Layer.HitTestSize = 6;
  Layer.HitTestLTPoint = { 20, 20 };
  Layer.HitTestRTPoint = { 80, 20 };
  Layer.HitTestLBPoint = { 20, 60 };
  Layer.HitTestRBPoint = { 80, 60 };
  Layer.CaptionRect = Rect(20, 0, 80, 30);
  Layer.AlphaBlendValue = 255;
  Layer.InActiveAlphaBlendValue = 200;
  Layer.InitAlphaImages(&Model);
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
