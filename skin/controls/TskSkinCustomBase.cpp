#include "skin/controls/TskSkinCustomBase.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/controls/TskSkinToolBar.h"

template <class TBase>
TskSkinCustomBase<TBase>::TskSkinCustomBase(TComponent* AOwner)
    : TBase(AOwner), FDefaultFont(std::make_unique<TFont>()) {
  FDefaultFont->SetName("Tahoma");
  FDefaultFont->SetHeight(13);
  FDefaultFont->OnChange = [this](TObject*) { DefaultFontChanged(); };
}

template <class TBase> TskSkinCustomBase<TBase>::~TskSkinCustomBase() { FDefaultFont->OnChange = nullptr; }

template <class TBase> void TskSkinCustomBase<TBase>::SetDefaultWidth(int Value) {
  FDefaultWidth = Value;
  if (this->FIndex == -1 && Value > 0) this->SetWidth(Value);
}

template <class TBase> void TskSkinCustomBase<TBase>::SetDefaultHeight(int Value) {
  FDefaultHeight = Value;
  if (this->FIndex == -1 && Value > 0) this->SetHeight(Value);
}

template <class TBase> void TskSkinCustomBase<TBase>::DefaultFontChanged() {
  DefaultFontChange();
  if (this->FIndex == -1) this->Repaint();
}

template <class TBase> void TskSkinCustomBase<TBase>::GetSkinData() {
  TBase::GetSkinData();
  if (this->FIndex == -1)
    Picture = nullptr;
  else
    ReadGeometry(this->SkinData(), this->SkinRecord());
}

template <class TBase> void TskSkinCustomBase<TBase>::CalcSize(int& W, int& H) {
  if (this->FIndex != -1) CalcGeometry(W, H);
}

template <class TBase> void TskSkinCustomBase<TBase>::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  GetSkinData();
  const bool Changed = (AWidth != this->FWidth || AHeight != this->FHeight) && this->FIndex != -1;
  if (Changed) {
    CalcSize(AWidth, AHeight);
    if (ResizeMode == 0) NewClRect = ClRect;
  }
  // A skinned tool bar that adjusts its controls keeps them centred vertically in its client area.
  if (auto* Bar = dynamic_cast<TskSkinToolBar*>(this->Parent()); Bar && Bar->AdjustControls()) {
    const TRect R = Bar->GetSkinClientRect();
    ATop = R.Top + R.Height() / 2 - AHeight / 2;
  }
  TBase::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!Changed) return;
  SetControlRegion();
  this->Repaint();
}

template <class TBase> void TskSkinCustomBase<TBase>::ChangeSkinData() {
  GetSkinData();
  if (this->FIndex == -1) {
    if (FDefaultWidth > 0) this->SetWidth(FDefaultWidth);
    if (FDefaultHeight > 0) this->SetHeight(FDefaultHeight);
  } else {
    int W = this->FWidth, H = this->FHeight;
    CalcSize(W, H);
    if (W != this->FWidth || H != this->FHeight) {
      this->SetBounds(this->FLeft, this->FTop, W, H);
      return;
    }
  }
  SetControlRegion();
  this->Repaint();
}

template <class TBase>
void TskSkinCustomBase<TBase>::DrawSkinPicture(TBitmap* B, TBitmap* APicture, const TRect& ARect) {
  DrawGeometryPicture(B, APicture, ARect, this->FWidth, this->FHeight, ComposesNinePart());
}

template <class TBase> void TskSkinCustomBase<TBase>::CreateControlDefaultImage(TBitmap* B) {
  B->Canvas()->Brush()->SetColor(clBtnFace);
  B->Canvas()->FillRect(Rect(0, 0, B->Width(), B->Height()));
}

template <class TBase> void TskSkinCustomBase<TBase>::CreateControlSkinImage(TBitmap* B) {
  if (!Picture) {
    CreateControlDefaultImage(B);
    return;
  }
  DrawSkinPicture(B, Picture, SkinRect);
}

template class TskSkinCustomBase<TskSkinControl>;
template class TskSkinCustomBase<TskGraphicSkinControl>;
