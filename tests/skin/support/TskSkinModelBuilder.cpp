#include "tests/skin/support/TskSkinModelBuilder.h"

#include <stdexcept>

#include "platform/base/TMemIniFile.h"
#include "platform/gdi/TCanvas.h"
#include "skin/core/skDataSkinControl.h"
#include "skin/core/skSkinKinds.h"

TskSkinModelBuilder::TskSkinModelBuilder(TskSkinData& Model) : FModel(Model) { FModel.ClearAll(); }

int TskSkinModelBuilder::AddPicture(int Width, int Height, TColor Background) {
  auto Picture = std::make_unique<TBitmap>();
  Picture->SetPixelFormat(pf24bit);
  Picture->SetSize(Width, Height);
  Picture->Canvas()->Brush()->SetColor(Background);
  Picture->Canvas()->FillRect(Rect(0, 0, Width, Height));
  FModel.FActivePictures.push_back(std::move(Picture));
  FModel.FActivePicturesNames->Add("picture" + std::to_string(FModel.FActivePictures.size()) + ".bmp");
  return int(FModel.FActivePictures.size()) - 1;
}

TRect TskSkinModelBuilder::Paint(int Picture, const TRect& R, TColor Fill, TColor Border) {
  TCanvas* C = FModel.FActivePictures.at(Picture)->Canvas();
  C->Brush()->SetColor(Border == clNone ? Fill : Border);
  C->FillRect(R);
  C->Brush()->SetColor(Fill);
  C->FillRect(Border == clNone ? R : Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1));
  return R;
}

TskDataSkinControl& TskSkinModelBuilder::AddRecord(const String& Kind, const String& Name) {
  std::unique_ptr<TskDataSkinControl> Record = CreateSkinControl(Kind, Name);
  if (!Record) throw std::invalid_argument("no record kind " + Kind);
  TMemIniFile None;
  Record->LoadFromFile(&None);
  FModel.CtrlList.push_back(std::move(Record));
  return *FModel.CtrlList.back();
}

void TskSkinModelBuilder::Finish() { FModel.Empty = false; }

void SetNinePart(TskDataSkinCustomControl& Record, const TRect& SkinRect, int Corner, const TRect& Client) {
  const int W = SkinRect.Width(), H = SkinRect.Height();
  Record.SkinRect = SkinRect;
  Record.LTPoint = { Corner, Corner };
  Record.RTPoint = { W - Corner, Corner };
  Record.LBPoint = { Corner, H - Corner };
  Record.RBPoint = { W - Corner, H - Corner };
  Record.ClRect = Client;
}

void SetHorzStrip(TskDataSkinCustomControl& Record, const TRect& SkinRect, int Left, int Right) {
  Record.SkinRect = SkinRect;
  Record.LTPoint = { Left, 0 };
  Record.RTPoint = { SkinRect.Width() - Right, 0 };
  Record.LBPoint = {};
  Record.RBPoint = {};
  Record.ClRect = Rect(Left, 0, SkinRect.Width() - Right, SkinRect.Height());
}

void SetVertStrip(TskDataSkinCustomControl& Record, const TRect& SkinRect, int Top, int Bottom) {
  Record.SkinRect = SkinRect;
  Record.LTPoint = { 0, Top };
  Record.RTPoint = {};
  Record.LBPoint = { 0, SkinRect.Height() - Bottom };
  Record.RBPoint = {};
  Record.ClRect = Rect(0, Top, SkinRect.Width(), SkinRect.Height() - Bottom);
}
