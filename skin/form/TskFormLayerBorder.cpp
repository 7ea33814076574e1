#include "skin/form/TskFormLayerBorder.h"

#include <algorithm>
#include <cmath>

#include "platform/base/Clock.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/core/TskBitmap.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skLayeredBitmap.h"
#include "skin/form/TskSkinForm.h"

namespace {

/// Source rectangle S of Src stretched onto D of Dst, pixels and alpha as they are.
void CopyStretched(TskBitmap* Dst, const TRect& D, TskBitmap* Src, const TRect& S) {
  if (D.Width() <= 0 || D.Height() <= 0 || S.Width() <= 0 || S.Height() <= 0) return;
  StretchBlt(Dst->DC(), D.Left, D.Top, D.Width(), D.Height(), Src->DC(), S.Left, S.Top, S.Width(), S.Height(),
             SRCCOPY);
}

/// Source columns Left..Right of the band Top..Bottom of Src: left corner, right corner at the right end,
/// middle stretched between them, over the whole of Dst.
void ComposeBand(TskBitmap* Dst, TskBitmap* Src, int Top, int Bottom, int LeftCorner, int RightCorner) {
  const int W = Dst->Width(), H = Dst->Height(), RightWidth = Src->Width() - RightCorner;
  CopyStretched(Dst, Rect(0, 0, LeftCorner, H), Src, Rect(0, Top, LeftCorner, Bottom));
  CopyStretched(Dst, Rect(LeftCorner, 0, W - RightWidth, H), Src, Rect(LeftCorner, Top, RightCorner, Bottom));
  CopyStretched(Dst, Rect(W - RightWidth, 0, W, H), Src, Rect(RightCorner, Top, Src->Width(), Bottom));
}

/// Src's columns Left..Right between rows Top and Bottom over the whole of Dst: stretched, or repeated
/// downward with the last copy cut at Dst's bottom.
void ComposeSide(TskBitmap* Dst, TskBitmap* Src, const TRect& Band, bool Stretch) {
  if (Stretch) {
    CopyStretched(Dst, Rect(0, 0, Dst->Width(), Dst->Height()), Src, Band);
    return;
  }
  for (int Y = 0; Y < Dst->Height(); Y += Band.Height()) {
    const int Rows = std::min(Band.Height(), Dst->Height() - Y);
    CopyStretched(Dst, Rect(0, Y, Dst->Width(), Y + Rows), Src, Rect(Band.Left, Band.Top, Band.Right, Band.Top + Rows));
  }
}

/// A new 32-bit image of W x H, empty (0 x 0) when either side is not positive.
std::unique_ptr<TskBitmap> NewImage(int W, int H) {
  auto Image = std::make_unique<TskBitmap>();
  if (W > 0 && H > 0) Image->SetSize(W, H);
  return Image;
}

int Height(const std::unique_ptr<TskBitmap>& Image) { return Image ? Image->Height() : 0; }
int Width(const std::unique_ptr<TskBitmap>& Image) { return Image ? Image->Width() : 0; }

}  // namespace

TskFormLayerBorder::TskFormLayerBorder(TskSkinForm* AOwner) : TComponent(AOwner), BSF(AOwner) {}

TskFormLayerBorder::~TskFormLayerBorder() { FreeWindows(); }

TskFormLayerWindow* TskFormLayerBorder::Window(TskFormLayerBorderType Side) const {
  switch (Side) {
  case skflLeft: return LeftBorder;
  case skflTop: return TopBorder;
  case skflRight: return RightBorder;
  default: return BottomBorder;
  }
}

// ---- Binding -------------------------------------------------------------------------------------------

void TskFormLayerBorder::InitFrame(TskSkinData* ASkinData, TCustomForm* AForm) {
  FForm = AForm;
  FSD = ASkinData;
  FData = FSD && !FSD->Empty ? FSD->LayerFrame.get() : nullptr;
  // Every step reads the alpha picture: a record whose picture or mask is missing counts as none.
  if (FData && (FData->PictureIndex == -1 || !FData->FSourceBitmap)) FData = nullptr;
  if (!FData) return;
  FCurrentAlphaBlendValue = FData->AlphaBlendValue;
  FCurrentInActiveAlphaBlendValue = FData->InActiveAlphaBlendValue;
  const TRect& B = FData->BorderRect;
  if (B.IsEmpty()) {
    LeftSize = TopSize = RightSize = BottomSize = 0;
    return;
  }
  const TRect& Cl = FData->ClRect;
  LeftSize = Cl.Left - B.Left;
  TopSize = Cl.Top - B.Top;
  RightSize = B.Right - Cl.Right;
  BottomSize = B.Bottom - Cl.Bottom;
  HitTopLeftX = FData->HitTestLTPoint.X - B.Left;
  HitTopLeftY = FData->HitTestLTPoint.Y - B.Top;
  HitTopRightX = B.Right - FData->HitTestRTPoint.X;
  HitTopRightY = FData->HitTestRTPoint.Y - B.Top;
  HitBottomLeftX = FData->HitTestLBPoint.X - B.Left;
  HitBottomLeftY = B.Bottom - FData->HitTestLBPoint.Y;
  HitBottomRightX = B.Right - FData->HitTestRBPoint.X;
  HitBottomRightY = B.Bottom - FData->HitTestRBPoint.Y;
}

// ---- Geometry ------------------------------------------------------------------------------------------

TRect TskFormLayerBorder::FormBounds() const {
  // Inside the form's WM_WINDOWPOSCHANGED only the window already has its new place.
  TRect R;
  if (FForm->HandleAllocated() && GetWindowRect(FForm->Handle(), &R)) return R;
  return Bounds(FForm->Left(), FForm->Top(), FForm->Width(), FForm->Height());
}

TRect TskFormLayerBorder::BorderBounds(int L, int T, int W, int H) const {
  const TskBitmap* S = FData->FSourceBitmap.get();
  const bool RolledUp = FData->FullBorder && BSF->RollUpState();
  const int FormHeight = RolledUp ? FData->RollUpFormHeight : H + FData->HeightOffset;
  return Bounds(L + FData->LeftOffset - FData->ClRect.Left, T + FData->TopOffset - FData->ClRect.Top,
                W + FData->WidthOffset + S->Width() - FData->ClRect.Width(),
                FormHeight + S->Height() - FData->ClRect.Height());
}

void TskFormLayerBorder::CreateBorderImages(int AWidth, int AHeight) {
  TskBitmap* S = !FActive && FData->FSourceInActiveBitMap ? FData->FSourceInActiveBitMap.get()
                                                          : FData->FSourceBitmap.get();
  const int TH = std::min(std::max(FData->LTPoint.Y, FData->RTPoint.Y), AHeight);
  TopImage = NewImage(AWidth, TH);
  if (!TopImage->Empty()) {
    ComposeBand(TopImage.get(), S, 0, TH, FData->LTPoint.X, FData->RTPoint.X);
    TopImage->CheckingAlphaBlend();
  }
  const int D = S->Height() - std::min(FData->LBPoint.Y, FData->RBPoint.Y);
  const int BH = std::max(TH + D > AHeight ? AHeight - TH : D, 0);
  BottomImage = NewImage(AWidth, BH);
  if (!BottomImage->Empty())
    ComposeBand(BottomImage.get(), S, S->Height() - BH, S->Height(), FData->LBPoint.X, FData->RBPoint.X);
  // The sides repeat the picture's rows between its top and bottom bands; a picture without such rows
  // leaves them empty.
  const int SH = AHeight - TH - BH;
  const TRect Middle = Rect(0, TH, S->Width(), S->Height() - BH);
  const bool HasSides = SH > 0 && Middle.Height() > 0;
  LeftImage = NewImage(HasSides ? FData->ClRect.Left : 0, SH);
  RightImage = NewImage(HasSides ? S->Width() - FData->ClRect.Right : 0, SH);
  if (!LeftImage->Empty())
    ComposeSide(LeftImage.get(), S, Rect(0, Middle.Top, LeftImage->Width(), Middle.Bottom), FData->FullStretch);
  if (!RightImage->Empty())
    ComposeSide(RightImage.get(), S, Rect(S->Width() - RightImage->Width(), Middle.Top, S->Width(), Middle.Bottom),
                FData->FullStretch);
  for (TskBitmap* Image : { TopImage.get(), BottomImage.get(), LeftImage.get(), RightImage.get() })
    if (!Image->Empty()) Image->CheckRGBA();
}

// ---- Windows -------------------------------------------------------------------------------------------

Byte TskFormLayerBorder::CurrentAlpha() const {
  return Byte(std::clamp(FActive ? FCurrentAlphaBlendValue : FCurrentInActiveAlphaBlendValue, 0, 255));
}

void TskFormLayerBorder::UploadImages() {
  const Byte Alpha = CurrentAlpha();
  if (Width(TopImage) > 0) UpdateLayeredBitmap(TopImage.get(), Alpha, TopBorder);
  if (Width(BottomImage) > 0) UpdateLayeredBitmap(BottomImage.get(), Alpha, BottomBorder);
  if (Height(LeftImage) > 0) UpdateLayeredBitmap(LeftImage.get(), Alpha, LeftBorder);
  if (Height(RightImage) > 0) UpdateLayeredBitmap(RightImage.get(), Alpha, RightBorder);
}

void TskFormLayerBorder::PlaceWindows(int X, int Y, bool BringToTop) {
  const int Total = FHeight;
  const int Top = Y + Height(TopImage);
  const struct {
    TskFormLayerWindow* Window;
    TskBitmap* Image;
    TPoint At;
  } Places[] = {
    { TopBorder, TopImage.get(), { X, Y } },
    { BottomBorder, BottomImage.get(), { X, Y + Total - BottomImage->Height() } },
    { LeftBorder, LeftImage.get(), { X, Top } },
    { RightBorder, RightImage.get(), { X + FWidth - RightImage->Width(), Top } },
  };
  for (const auto& Place : Places) {
    if (Place.Image->Height() < 1 || Place.Image->Width() < 1) {
      Place.Window->SetVisible(false);
      continue;
    }
    UINT Flags = SWP_NOACTIVATE | SWP_NOSIZE;
    if (!BringToTop) Flags |= SWP_NOZORDER | SWP_NOOWNERZORDER;
    SetWindowPos(Place.Window->Handle(), HWND_TOP, Place.At.X, Place.At.Y, 0, 0, Flags);
    Place.Window->SetVisible(true);
  }
}

void TskFormLayerBorder::FreeWindows() {
  for (TskFormLayerWindow** Window : { &LeftBorder, &RightBorder, &TopBorder, &BottomBorder }) {
    delete *Window;
    *Window = nullptr;
  }
}

void TskFormLayerBorder::Show(int X, int Y, int AWidth, int AHeight) {
  if (!FData) return;
  FWidth = AWidth;
  FHeight = AHeight;
  FVisible = true;
  CreateBorderImages(AWidth, AHeight);
  FreeWindows();
  LeftBorder = new TskFormLayerWindow(this, FForm);
  RightBorder = new TskFormLayerWindow(this, FForm);
  TopBorder = new TskFormLayerWindow(this, FForm);
  BottomBorder = new TskFormLayerWindow(this, FForm);
  LeftBorder->BorderType = skflLeft;
  RightBorder->BorderType = skflRight;
  TopBorder->BorderType = skflTop;
  BottomBorder->BorderType = skflBottom;
  // The uploads place the windows; they show afterwards.
  const int SideTop = Y + TopImage->Height();
  TopBorder->SetBounds(X, Y, TopImage->Width(), TopImage->Height());
  BottomBorder->SetBounds(X, Y + AHeight - BottomImage->Height(), BottomImage->Width(), BottomImage->Height());
  LeftBorder->SetBounds(X, SideTop, LeftImage->Width(), LeftImage->Height());
  RightBorder->SetBounds(X + AWidth - RightImage->Width(), SideTop, RightImage->Width(), RightImage->Height());
  UploadImages();
  PlaceWindows(X, Y, true);
}

void TskFormLayerBorder::SetBounds(int X, int Y, int AWidth, int AHeight) {
  if (!FData || !FVisible) return;
  FWidth = AWidth;
  FHeight = AHeight;
  CreateBorderImages(AWidth, AHeight);
  const int SideTop = Y + TopImage->Height();
  TopBorder->SetBounds(X, Y, TopBorder->Width(), TopBorder->Height());
  BottomBorder->SetBounds(X, Y + AHeight - BottomImage->Height(), BottomBorder->Width(), BottomBorder->Height());
  LeftBorder->SetBounds(X, SideTop, LeftBorder->Width(), LeftBorder->Height());
  RightBorder->SetBounds(X + AWidth - RightImage->Width(), SideTop, RightBorder->Width(), RightBorder->Height());
  UploadImages();
  PlaceWindows(X, Y, false);
}

void TskFormLayerBorder::Update(int, int, int AWidth, int AHeight) {
  if (!FData || !FVisible) return;
  FWidth = AWidth;
  FHeight = AHeight;
  CreateBorderImages(AWidth, AHeight);
  UploadImages();
}

void TskFormLayerBorder::Draw(TCanvas* C, int X, int Y, int AWidth, int AHeight) {
  if (!FData) return;
  CreateBorderImages(AWidth, AHeight);
  const int SideTop = Y + TopImage->Height();
  TopImage->Draw(C, X, Y);
  BottomImage->Draw(C, X, Y + AHeight - BottomImage->Height());
  LeftImage->Draw(C, X, SideTop);
  RightImage->Draw(C, X + AWidth - RightImage->Width(), SideTop);
}

void TskFormLayerBorder::ShowWithForm() {
  if (!FData) return;
  const TRect F = FormBounds();
  const TRect R = BorderBounds(F.Left, F.Top, F.Width(), F.Height());
  Show(R.Left, R.Top, R.Width(), R.Height());
}

void TskFormLayerBorder::SetBoundsWithForm() {
  if (!FData) return;
  const TRect F = FormBounds();
  SetBoundsWithForm3(F.Left, F.Top, F.Width(), F.Height());
}

void TskFormLayerBorder::UpdateBorder() {
  if (!FData) return;
  const TRect F = FormBounds();
  const TRect R = BorderBounds(F.Left, F.Top, F.Width(), F.Height());
  Update(R.Left, R.Top, R.Width(), R.Height());
}

void TskFormLayerBorder::SetBoundsWithForm2(int AW, int AH) {
  if (!FData) return;
  SetBoundsWithForm3(FForm->Left(), FForm->Top(), AW, AH);
}

void TskFormLayerBorder::SetBoundsWithForm3(int ALeft, int ATop, int AW, int AH) {
  if (!FData) return;
  const TRect R = BorderBounds(ALeft, ATop, AW, AH);
  SetBounds(R.Left, R.Top, R.Width(), R.Height());
}

void TskFormLayerBorder::MoveWithForm() {
  if (!FData) return;
  MoveWithForm2(FForm->Left(), FForm->Top());
}

void TskFormLayerBorder::MoveWithForm2(int ALeft, int ATop) {
  if (!FData || !FVisible) return;
  const TRect R = BorderBounds(ALeft, ATop, FForm->Width(), FForm->Height());
  const int SideTop = R.Top + TopBorder->Height();
  auto Move = [](TskFormLayerWindow* Window, int X, int Y) {
    Window->SetBounds(X, Y, Window->Width(), Window->Height());
  };
  Move(TopBorder, R.Left, R.Top);
  Move(BottomBorder, R.Left, R.Bottom - BottomBorder->Height());
  if (LeftBorder->Visible()) Move(LeftBorder, R.Left, SideTop);
  if (RightBorder->Visible()) Move(RightBorder, R.Right - RightBorder->Width(), SideTop);
}

void TskFormLayerBorder::Hide() {
  FVisible = false;
  TopImage.reset();
  BottomImage.reset();
  LeftImage.reset();
  RightImage.reset();
  FreeWindows();
}

// ---- Alpha and activity --------------------------------------------------------------------------------

void TskFormLayerBorder::SetAlphaBlend() {
  if (!FData || !FVisible || !TopImage) return;
  const Byte Alpha = CurrentAlpha();
  if (Width(TopImage) > 0) UpdateLayeredBitmap(TopImage.get(), Alpha, TopBorder);
  if (Width(BottomImage) > 0) UpdateLayeredBitmap(BottomImage.get(), Alpha, BottomBorder);
  if (LeftBorder->Visible()) UpdateLayeredBitmap(LeftImage.get(), Alpha, LeftBorder);
  if (RightBorder->Visible()) UpdateLayeredBitmap(RightImage.get(), Alpha, RightBorder);
}

void TskFormLayerBorder::SetAlphaBlend2() {
  SetAlphaBlend();
  if (!FData || !FVisible) return;
  const TRect F = FormBounds();
  const TRect R = BorderBounds(F.Left, F.Top, F.Width(), F.Height());
  PlaceWindows(R.Left, R.Top, false);
}

void TskFormLayerBorder::CheckFormAlpha(int AFormAlpha, bool AUpdate) {
  if (!FData) return;
  FCurrentAlphaBlendValue = int(std::nearbyint(FData->AlphaBlendValue * AFormAlpha / 255.0));
  FCurrentInActiveAlphaBlendValue = int(std::nearbyint(FData->InActiveAlphaBlendValue * AFormAlpha / 255.0));
  if (AUpdate) SetAlphaBlend();
}

void TskFormLayerBorder::SetActive(bool AValue, bool AUpdate) {
  if (!FData) return;
  FActive = AValue;
  if (!FVisible) return;
  if (FData->FullBorder || FData->FSourceInActiveBitMap) SetBoundsWithForm();
  if (AUpdate) SetAlphaBlend2();
}

void TskFormLayerBorder::ShowWithFormAnimation() {
  if (!FData) return;
  const int Target = FCurrentAlphaBlendValue;
  FCurrentAlphaBlendValue = 0;
  const TRect F = FormBounds();
  const TRect R = BorderBounds(F.Left, F.Top, F.Width(), F.Height());
  Show(R.Left, R.Top, R.Width(), R.Height());
  if (Application) Application->ProcessMessages();
  const int Step = std::max(Target / 15, 1);
  Cardinal Last = 0;
  bool First = true;
  do {
    const Cardinal Now = GetTickCount();
    if (!First && Now - Last <= 5) continue;
    First = false;
    Last = Now;
    FCurrentAlphaBlendValue = std::min(FCurrentAlphaBlendValue + Step, Target);
    SetAlphaBlend();
  } while (FCurrentAlphaBlendValue < Target);
}
