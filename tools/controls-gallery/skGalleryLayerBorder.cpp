#include "tools/controls-gallery/skGalleryLayerBorder.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TForm.h"
#include "skin/core/TskSkinData.h"
#include "skin/form/TskFormLayerBorder.h"
#include "skin/form/TskQuickButtonItems.h"
#include "skin/form/TskSkinForm.h"
#include "tools/controls-gallery/TskControlsGallery.h"
#include "tools/controls-gallery/skGalleryFrames.h"

namespace {

using TCells = std::vector<std::pair<String, std::unique_ptr<TBitmap>>>;

constexpr TColor ShadowColour = RGB(12, 16, 26);
/// The shadow picture: the form's place in the middle, a shadow of Reach pixels around it.
constexpr int Reach = 12;
constexpr int Side = 60;
constexpr TPoint Place { 640, 420 };
constexpr TSize FormSize { 320, 150 };
/// The full border's picture: the shadow around a caption band of CaptionHeight rows over the form's
/// place, with a dark line around both.
constexpr int FullWidth = 120;
constexpr int CaptionHeight = 30;
constexpr int FullHeight = 2 * Reach + CaptionHeight + 40;
constexpr TColor EdgeColour = RGB(20, 34, 64);
constexpr TColor InactiveCaption = RGB(120, 128, 140);

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

/// Alpha levels that fall off outside Inner within Reach pixels; full inside Inner.
std::unique_ptr<TBitmap> FadingMask(int Width, int Height, const TRect& Inner, int Strength) {
  auto Mask = std::make_unique<TBitmap>();
  Mask->SetPixelFormat(pf24bit);
  Mask->SetSize(Width, Height);
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X) {
      const int DX = std::max({ Inner.Left - X, X - (Inner.Right - 1), 0 });
      const int DY = std::max({ Inner.Top - Y, Y - (Inner.Bottom - 1), 0 });
      const int Distance = std::max(DX, DY);
      const int Level = Distance == 0 ? 255 : std::max(0, Strength - Distance * Strength / Reach);
      Mask->Canvas()->SetPixels(X, Y, RGB(Level, Level, Level));
    }
  return Mask;
}

/// The colour in the middle of the top band of a skin's frame picture: its caption's colour, which its
/// caption buttons are drawn over.
TColor CaptionColour(TBitmap* Picture, const TskSkinData& Skin, TColor Otherwise) {
  if (!Picture || Picture->Empty() || Skin.ClRect.Top <= 0) return Otherwise;
  return Picture->Canvas()->Pixels(Picture->Width() / 2, Skin.ClRect.Top / 2);
}

/// The full border's picture: a caption band of the colour Caption and a dark edge, the shadow's colour
/// outside them.
std::unique_ptr<TBitmap> FullPicture(TColor Caption) {
  auto Picture = std::make_unique<TBitmap>();
  Picture->SetPixelFormat(pf24bit);
  Picture->SetSize(FullWidth, FullHeight);
  TCanvas* C = Picture->Canvas();
  C->Brush()->SetColor(ShadowColour);
  C->FillRect(Rect(0, 0, FullWidth, FullHeight));
  C->Brush()->SetColor(EdgeColour);
  C->FillRect(Rect(Reach, Reach, FullWidth - Reach, FullHeight - Reach));
  C->Brush()->SetColor(Caption);
  C->FillRect(Rect(Reach + 1, Reach + 1, FullWidth - Reach - 1, Reach + CaptionHeight));
  return Picture;
}

/// Sets Skin's layer frame to the full border (pictures appended): the caption and the caption buttons
/// of the skin in its top window; and takes it away again.
class FullBorderLayer {
public:
  explicit FullBorderLayer(TskSkinData& Skin) : FSkin(Skin), FFirst(Skin.FActivePictures.size()) {
    auto& Layer = *Skin.LayerFrame;
    const TRect Form = Rect(Reach + 1, Reach + CaptionHeight, FullWidth - Reach - 1, FullHeight - Reach - 1);
    const TColor Active = CaptionColour(Skin.FPicture.get(), Skin, EdgeColour);
    Skin.FActivePictures.push_back(FullPicture(Active));
    Skin.FActivePictures.push_back(FullPicture(CaptionColour(Skin.FInActivePicture.get(), Skin, InactiveCaption)));
    const TRect Shadowed = Rect(Reach, Reach, FullWidth - Reach, FullHeight - Reach);
    Skin.FActivePictures.push_back(FadingMask(FullWidth, FullHeight, Shadowed, 150));
    Layer.PictureIndex = int(FFirst);
    Layer.InActivePictureIndex = int(FFirst) + 1;
    Layer.MaskPictureIndex = Layer.InActiveMaskPictureIndex = int(FFirst) + 2;
    Layer.LTPoint = { Form.Left, Form.Top };
    Layer.RTPoint = { Form.Right, Form.Top };
    Layer.LBPoint = { Form.Left, Form.Bottom };
    Layer.RBPoint = { Form.Right, Form.Bottom };
    Layer.ClRect = Form;
    Layer.BorderRect = Rect(Reach - 4, Reach - 4, FullWidth - Reach + 4, FullHeight - Reach + 4);
    Layer.HitTestEnable = true;
    Layer.HitTestSize = 6;
    Layer.HitTestLTPoint = { Reach + 6, Reach + 6 };
    Layer.HitTestRTPoint = { FullWidth - Reach - 6, Reach + 6 };
    Layer.HitTestLBPoint = { Reach + 6, FullHeight - Reach - 6 };
    Layer.HitTestRBPoint = { FullWidth - Reach - 6, FullHeight - Reach - 6 };
    Layer.CaptionRect = Rect(Reach + 4, Reach, FullWidth - Reach - 4, Reach + CaptionHeight);
    Layer.ButtonsTopOffset = Reach + 4;
    Layer.FullBorder = true;
    Layer.InitAlphaImages(&Skin);
    for (auto& Object : Skin.ObjectList) Object->InitAlphaImages(&Skin);
  }
  ~FullBorderLayer() {
    auto& Layer = *FSkin.LayerFrame;
    Layer.PictureIndex = -1;
    Layer.FullBorder = false;
    Layer.ButtonsTopOffset = 0;
    Layer.FSourceBitmap.reset();
    Layer.FSourceInActiveBitMap.reset();
    for (auto& Object : FSkin.ObjectList) Object->InitAlphaImages(&FSkin);
    FSkin.FActivePictures.resize(FFirst);
  }

private:
  TskSkinData& FSkin;
  size_t FFirst;
};

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

/// Two 16 x 16 quick-button glyphs on Frame's caption: a page and a disc.
void AddQuickButtons(TskSkinForm* Frame) {
  auto* Images = new TCustomImageList(Frame, 16, 16);
  TBitmap Glyph;
  Glyph.SetPixelFormat(pf24bit);
  Glyph.SetSize(16, 16);
  TCanvas* C = Glyph.Canvas();
  C->Brush()->SetColor(clFuchsia);
  C->FillRect(Rect(0, 0, 16, 16));
  C->Brush()->SetColor(clWhite);
  C->Pen()->SetColor(EdgeColour);
  C->Rectangle(3, 1, 13, 15);
  Images->AddMasked(&Glyph, clFuchsia);
  C->Brush()->SetColor(clFuchsia);
  C->FillRect(Rect(0, 0, 16, 16));
  C->Brush()->SetColor(RGB(250, 200, 60));
  C->Ellipse(1, 1, 15, 15);
  Images->AddMasked(&Glyph, clFuchsia);
  Frame->SetQuickImageList(Images);
  for (int Index = 0; Index < 2; ++Index) Frame->QuickButtons()->Add()->SetImageIndex(Index);
}

/// The screen around a sizeable skinned form with the skin's layer frame, active or not, with quick buttons
/// on its caption or without.
std::unique_ptr<TBitmap> TakeBorderedForm(TskControlsGallery& Gallery, HeadlessPresenter& Display, bool Active,
                                          bool QuickButtons = false) {
  const TRect Around = Rect(Place.X - 30, Place.Y - 50, Place.X + FormSize.cx + 30, Place.Y + FormSize.cy + 30);
  TForm* Sheet = ShowBackdrop(Around);
  auto* Form = new TForm(nullptr);
  Form->SetBorderStyle(bsSizeable);
  Form->SetBounds(Place.X, Place.Y, FormSize.cx, FormSize.cy);
  Form->SetCaption("带阴影边框的窗体");
  auto* Frame = new TskSkinForm(Form);
  Frame->SetSkinData(Gallery.Skin());
  if (QuickButtons) AddQuickButtons(Frame);
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
}

}  // namespace

void AddLayerBorderRow(TskControlsGallery& Gallery, HeadlessPresenter& Display) {
  if (!Gallery.Skin()) return;
  TCells Cells;
  {
    ShadowLayer Shadow(*Gallery.Skin());
    Cells.emplace_back("分层阴影边框·活动", TakeBorderedForm(Gallery, Display, true));
    Cells.emplace_back("分层阴影边框·非活动", TakeBorderedForm(Gallery, Display, false));
  }
  {
    FullBorderLayer Full(*Gallery.Skin());
    Cells.emplace_back("整框分层边框·活动", TakeBorderedForm(Gallery, Display, true, true));
    Cells.emplace_back("整框分层边框·非活动", TakeBorderedForm(Gallery, Display, false, true));
  }
  Gallery.AddPictureRow("分层边框", Cells);
}
