#include "skin/form/TskFormLayerBorder.h"

#include <algorithm>
#include <cmath>

#include "platform/base/Clock.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/toolkit/ReleaseControl.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TTimer.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/core/TskBitmap.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skLayeredBitmap.h"
#include "skin/form/TskActiveSkinObject.h"
#include "skin/form/TskQuickButtonItems.h"
#include "skin/form/TskSkinAnimateObject.h"
#include "skin/form/TskSkinCaptionObject.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinHint.h"
#include "skin/form/TskSkinStdButtonObject.h"

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

/// The caption buttons of a full border from its right end leftwards.
constexpr TskStdCommand ButtonRowOrder[] = { cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray };

/// Object carries Command as a caption button of its own picture: a standard button or an animated one.
bool CarriesCommand(TskActiveSkinObject* Object, TskStdCommand Command) {
  if (!Object->Visible || !Object->SkinRectInAPicture) return false;
  if (auto* Std = dynamic_cast<TskSkinStdButtonObject*>(Object)) return Std->Command == Command;
  if (auto* Animate = dynamic_cast<TskSkinAnimateObject*>(Object)) return Animate->Command == Command;
  return false;
}

/// The size of a small icon (the caption button's where the system gives none).
TSize SmallIconSize() {
  int CX = GetSystemMetrics(SM_CXSMICON), CY = GetSystemMetrics(SM_CYSMICON);
  if (CX == 0) CX = GetSystemMetrics(SM_CXSIZE);
  if (CY == 0) CY = GetSystemMetrics(SM_CYSIZE);
  return { CX, CY };
}

/// The border's poll of the hovered object.
constexpr Cardinal MousePollInterval = 500;

}  // namespace

TskFormLayerBorder::TskFormLayerBorder(TskSkinForm* AOwner) : TComponent(AOwner), BSF(AOwner) {
  MouseTimer = new TTimer(this);
  MouseTimer->SetEnabled(false);
  MouseTimer->SetInterval(MousePollInterval);
  MouseTimer->OnTimer = [this](TObject*) { MouseTimerProc(); };
}

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
  if (FData->FullBorder) {
    if (BSF) BSF->IsAlphaIcon = BSF->CheckIconAlpha();
    ActiveObject = OldActiveObject = MouseCaptureObject = -1;
  }
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

bool TskFormLayerBorder::RolledUpFullBorder() const {
  if (!FData->FullBorder) return false;
  const bool MainForm = Application && Application->MainForm() == FForm;
  return BSF->RollUpState() || (BSF->WindowState() == wsMinimized && !BSF->MinimizeDefault() && !MainForm);
}

TRect TskFormLayerBorder::BorderBounds(int L, int T, int W, int H, bool RollUp) const {
  const TskBitmap* S = FData->FSourceBitmap.get();
  const int FormHeight = RollUp && RolledUpFullBorder() ? FData->RollUpFormHeight : H + FData->HeightOffset;
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
    if (FData->FullBorder) {
      ArrangeObjects();
      for (auto& Object : BSF->ObjectList)
        if (Object->Visible) Object->DrawAlpha(TopImage->Canvas(), TopImage.get());
    }
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
  // A layered window shows premultiplied pixels: the picture's colours are scaled by their alpha once.
  for (TskBitmap* Image : { TopImage.get(), BottomImage.get(), LeftImage.get(), RightImage.get() })
    if (!Image->Empty()) Image->CheckRGBA2();
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

// A window may be the one whose mouse handler hid the border: it goes once that handler has returned.
void TskFormLayerBorder::FreeWindows() {
  for (TskFormLayerWindow** Window : { &LeftBorder, &RightBorder, &TopBorder, &BottomBorder }) {
    if (!*Window) continue;
    (*Window)->SetVisible(false);
    ReleaseControl(*Window);
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

void TskFormLayerBorder::StackWithForm() {
  if (!FData || !FVisible || !FForm->HandleAllocated()) return;
  for (TskFormLayerWindow* Window : { LeftBorder, RightBorder, TopBorder, BottomBorder }) {
    if (!Window->Visible()) continue;
    const HWND Above = GetWindow(FForm->Handle(), GW_HWNDPREV);
    if (Above == Window->Handle()) continue;
    SetWindowPos(Window->Handle(), Above ? Above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
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
  if (!AValue) {
    // An inactive form has no hovered or pressed caption object.
    if (auto* Caption = dynamic_cast<TskSkinCaptionObject*>(ObjectAt(ActiveObject));
        Caption && Caption->ActiveQuickButton != -1 && Caption->ActiveQuickButton < BSF->QuickButtons()->Count()) {
      TskQuickButtonItem* Item = BSF->QuickButtons()->Items(Caption->ActiveQuickButton);
      Item->Active = Item->Down = false;
    }
    for (auto& Object : BSF->ObjectList)
      if (auto* Std = dynamic_cast<TskSkinStdButtonObject*>(Object.get())) Std->FDown = Std->FMouseIn = false;
    MouseCaptureObject = -1;
    TestActive(-1, -1);
    ActiveObject = -1;
  }
  if (!FVisible) return;
  if (FData->FullBorder || FData->FSourceInActiveBitMap) SetBoundsWithForm();
  if (AUpdate) SetAlphaBlend2();
}

void TskFormLayerBorder::ShowWithFormAnimation() {
  if (!FData) return;
  const int Target = FCurrentAlphaBlendValue;
  FCurrentAlphaBlendValue = 0;
  const TRect F = FormBounds();
  const TRect R = BorderBounds(F.Left, F.Top, F.Width(), F.Height(), false);
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

// ---- Full border: the caption objects ------------------------------------------------------------------

TskActiveSkinObject* TskFormLayerBorder::ObjectAt(int Index) const {
  return Index >= 0 && Index < int(BSF->ObjectList.size()) ? BSF->ObjectList[size_t(Index)].get() : nullptr;
}

void TskFormLayerBorder::ArrangeObjects() {
  const int DX = TopImage->Width() - FData->FSourceBitmap->Width();
  const int Gap = FSD->ButtonsOffset;
  TRect CR = FData->CaptionRect;
  CR.Right += DX;
  int X = CR.Right;
  int Top = FData->ButtonsTopOffset != 0 ? FData->ButtonsTopOffset : CR.Top;
  if (!IsEmptyRect(FData->ButtonsRect)) {
    X = FData->ButtonsRect.Right + DX;
    Top = FData->ButtonsRect.Top;
  }
  auto& Objects = BSF->ObjectList;
  for (TskStdCommand Command : ButtonRowOrder) {
    const auto It = std::find_if(Objects.begin(), Objects.end(),
                                 [Command](const auto& Object) { return CarriesCommand(Object.get(), Command); });
    if (It == Objects.end()) continue;
    TskActiveSkinObject* Object = It->get();
    const int W = Object->SkinRect.Width(), H = Object->SkinRect.Height();
    if (dynamic_cast<TskSkinStdButtonObject*>(Object)) Object->ObjectRect = Rect(X - W, Top, X, Top + H);
    X -= W + Gap;
  }
  TskActiveSkinObject* Caption = nullptr;
  for (auto& Object : Objects)
    if (!Caption && dynamic_cast<TskSkinCaptionObject*>(Object.get())) Caption = Object.get();
  if (Caption) Caption->ObjectRect = Rect(CR.Left, CR.Top, X - Gap, CR.Bottom);
  const auto SysMenu = std::find_if(Objects.begin(), Objects.end(), [](const auto& Object) {
    auto* Std = dynamic_cast<TskSkinStdButtonObject*>(Object.get());
    return Std && Std->Command == cmSysMenu;
  });
  if (SysMenu == Objects.end()) return;
  TskActiveSkinObject* Button = SysMenu->get();
  const TSize Size = BSF->ShowIcon() ? SmallIconSize() : TSize { Button->SkinRect.Width(), Button->SkinRect.Height() };
  const TRect& SR = FData->SysMenuButtonRect;
  if (!IsEmptyRect(SR)) {
    const int SysTop = SR.Top + SR.Height() / 2 - Size.cy / 2;
    Button->ObjectRect = Rect(SR.Left, SysTop, SR.Left + Size.cx, SysTop + Size.cy);
    return;
  }
  const int SysTop = BSF->ShowIcon() || FData->SysButtonTopOffset == 0 ? CR.Top + CR.Height() / 2 - Size.cy / 2
                                                                        : FData->SysButtonTopOffset;
  Button->ObjectRect = Rect(CR.Left, SysTop, CR.Left + Size.cx, SysTop + Size.cy);
  if (Caption) Caption->ObjectRect.Left = CR.Left + Size.cx + Gap;
}

void TskFormLayerBorder::TestActive(int X, int Y) {
  TskSkinForm* Frame = BSF;
  if (Frame->ObjectList.empty() || !Frame->GetFormActive() || Frame->FSizeMove || Frame->FBorderLayerChangeSize ||
      Frame->PreviewMode || FForm->BorderStyle() == bsNone || (FData && !FData->FullBorder))
    return;
  OldActiveObject = ActiveObject;
  ActiveObject = -1;
  for (size_t i = 0; i < Frame->ObjectList.size() && ActiveObject == -1; ++i) {
    TskActiveSkinObject* Object = Frame->ObjectList[i].get();
    if (Object->Enabled && Object->Visible && Object->ObjectRect.Contains({ X, Y }) &&
        Object->PointInObject(X - Object->ObjectRect.Left, Y - Object->ObjectRect.Top))
      ActiveObject = int(i);
  }
  if (MouseCaptureObject != -1 && MouseCaptureObject != ActiveObject) ActiveObject = -1;
  if (ActiveObject == OldActiveObject) return;
  TskSkinHint* Hint = Frame->SkinHint();
  if (TskActiveSkinObject* Old = ObjectAt(OldActiveObject); Old && Old->Enabled && Old->Visible) {
    Old->MouseLeave();
    if (Frame->ShowObjectHint() && Hint && !Old->Hint.empty()) Hint->HideHint();
  }
  if (TskActiveSkinObject* New = ObjectAt(ActiveObject); New && New->Enabled && New->Visible) {
    New->MouseEnter();
    if (Frame->GetFormActive() && Frame->ShowObjectHint() && Hint && !New->Hint.empty()) Hint->ActivateHint2(New->Hint);
  }
}

void TskFormLayerBorder::MouseTimerProc() {
  if (FData && !FData->FullBorder) {
    MouseTimer->SetEnabled(false);
    return;
  }
  if (!TopBorder || !TopBorder->HandleAllocated()) return;
  TPoint P;
  GetCursorPos(&P);
  if (WindowFromPoint(P) == TopBorder->Handle()) return;
  MouseTimer->SetEnabled(false);
  MouseCaptureObject = -1;
  TestActive(-1, -1);
}
