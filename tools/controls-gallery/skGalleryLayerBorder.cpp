#include "tools/controls-gallery/skGalleryLayerBorder.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TForm.h"
#include "skin/core/TskSkinData.h"
#include "skin/form/TskFormLayerBorder.h"
#include "skin/form/TskSkinForm.h"
#include "tools/controls-gallery/TskControlsGallery.h"

namespace {

using TCells = std::vector<std::pair<String, std::unique_ptr<TBitmap>>>;

constexpr TColor Backdrop = RGB(236, 238, 242);
constexpr TColor ShadowColour = RGB(12, 16, 26);
/// The shadow picture: the form's place in the middle, a shadow of Reach pixels around it.
constexpr int Reach = 12;
constexpr int Side = 60;
constexpr TPoint Place { 640, 420 };
constexpr TSize FormSize { 320, 150 };

std::unique_ptr<TBitmap> SolidPicture(TColor Colour) {
  auto Picture = std::make_unique<TBitmap>();
  Picture->SetPixelFormat(pf24bit);
  Picture->SetSize(Side, Side);
  Picture->Canvas()->Brush()->SetColor(Colour);
  Picture->Canvas()->FillRect(Rect(0, 0, Side, Side));
  return Picture;
}

/// Grey levels that fall off with the distance from the form's place: the shadow's alpha.
std::unique_ptr<TBitmap> ShadowMask(int Strength) {
  auto Mask = SolidPicture(clBlack);
  for (int Y = 0; Y < Side; ++Y)
    for (int X = 0; X < Side; ++X) {
      const int DX = std::max({ Reach - X, X - (Side - Reach - 1), 0 });
      const int DY = std::max({ Reach - Y, Y - (Side - Reach - 1), 0 });
      const int Distance = std::max(DX, DY);
      const int Level = Distance == 0 ? 0 : std::max(0, Strength - Distance * Strength / Reach);
      Mask->Canvas()->SetPixels(X, Y, RGB(Level, Level, Level));
    }
  return Mask;
}

/// Sets Skin's layer frame to the shadow (pictures appended), and takes it away again.
class ShadowLayer {
public:
  explicit ShadowLayer(TskSkinData& Skin) : FSkin(Skin), FFirst(Skin.FActivePictures.size()) {
    auto& Layer = *Skin.LayerFrame;
    Skin.FActivePictures.push_back(SolidPicture(ShadowColour));
    Skin.FActivePictures.push_back(ShadowMask(150));
    Skin.FActivePictures.push_back(ShadowMask(70));
    Layer.PictureIndex = Layer.InActivePictureIndex = int(FFirst);
    Layer.MaskPictureIndex = int(FFirst) + 1;
    Layer.InActiveMaskPictureIndex = int(FFirst) + 2;
    Layer.LTPoint = { Reach, Reach };
    Layer.RTPoint = { Side - Reach, Reach };
    Layer.LBPoint = { Reach, Side - Reach };
    Layer.RBPoint = { Side - Reach, Side - Reach };
    Layer.ClRect = Rect(Reach, Reach, Side - Reach, Side - Reach);
    Layer.BorderRect = Rect(Reach - 6, Reach - 6, Side - Reach + 6, Side - Reach + 6);
    Layer.HitTestEnable = true;
    Layer.HitTestSize = 6;
    Layer.HitTestLTPoint = { Reach + 4, Reach + 4 };
    Layer.HitTestRTPoint = { Side - Reach - 4, Reach + 4 };
    Layer.HitTestLBPoint = { Reach + 4, Side - Reach - 4 };
    Layer.HitTestRBPoint = { Side - Reach - 4, Side - Reach - 4 };
    Layer.InitAlphaImages(&Skin);
  }
  ~ShadowLayer() {
    FSkin.LayerFrame->PictureIndex = -1;
    FSkin.LayerFrame->FSourceBitmap.reset();
    FSkin.LayerFrame->FSourceInActiveBitMap.reset();
    FSkin.FActivePictures.resize(FFirst);
  }

private:
  TskSkinData& FSkin;
  size_t FFirst;
};

/// The screen around the form, its border included.
std::unique_ptr<TBitmap> ScreenPicture(HeadlessPresenter& Display, const TRect& R) {
  auto Picture = std::make_unique<TBitmap>();
  Picture->SetPixelFormat(pf24bit);
  Picture->SetSize(R.Width(), R.Height());
  for (int Y = 0; Y < R.Height(); ++Y)
    for (int X = 0; X < R.Width(); ++X) Picture->Canvas()->SetPixels(X, Y, Display.PixelAt(R.Left + X, R.Top + Y));
  return Picture;
}

}  // namespace

void AddLayerBorderRow(TskControlsGallery& Gallery, HeadlessPresenter& Display) {
  if (!Gallery.Skin()) return;
  ShadowLayer Shadow(*Gallery.Skin());
  const TRect Around = Rect(Place.X - 30, Place.Y - 30, Place.X + FormSize.cx + 30, Place.Y + FormSize.cy + 30);
  auto Take = [&](bool Active) {
    auto* Sheet = new TForm(nullptr);
    Sheet->SetBorderStyle(bsNone);
    Sheet->SetColor(Backdrop);
    Sheet->SetBoundsRect(Around);
    Sheet->Show();
    auto* Form = new TForm(nullptr);
    Form->SetBorderStyle(bsSizeable);
    Form->SetBounds(Place.X, Place.Y, FormSize.cx, FormSize.cy);
    Form->SetCaption("带阴影边框的窗体");
    auto* Frame = new TskSkinForm(Form);
    Frame->SetSkinData(Gallery.Skin());
    Form->Show();
    if (!Active) {
      // Another form takes the activation; it goes with the framed one.
      auto* Other = new TForm(Form);
      Other->SetBounds(10, 10, 50, 50);
      Other->Show();
    }
    Display.PumpUntilIdle();
    std::unique_ptr<TBitmap> Picture = ScreenPicture(Display, Around);
    delete Form;
    delete Sheet;
    Display.PumpUntilIdle();
    return Picture;
  };
  TCells Cells;
  Cells.emplace_back("分层阴影边框·活动", Take(true));
  Cells.emplace_back("分层阴影边框·非活动", Take(false));
  Gallery.AddPictureRow("分层边框", Cells);
}
