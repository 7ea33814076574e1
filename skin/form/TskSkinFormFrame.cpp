// The frame's geometry, hit test and painting, and the size limits it gives its form.
//
// Frame coordinates: the window's top-left corner is (0, 0). Skinned, the frame picture is laid around the
// client area by its corner points: the parts left of LTPoint and above it keep their place, the rest
// moves with the right and bottom edges. Built-in: a 3-pixel border and a caption band.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TScreen.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skComposers.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskSkinForm.h"

namespace {

constexpr int DefBorder = 3;
constexpr int DefCaptionHeight = 19;
constexpr int DefToolCaptionHeight = 15;
constexpr int DefMinWidth = 120;

}  // namespace

// ---- Geometry ------------------------------------------------------------------------------------------

int TskSkinForm::CaptionHeight() const {
  const TFormBorderStyle Style = FForm->BorderStyle();
  return Style == bsToolWindow || Style == bsSizeToolWin ? DefToolCaptionHeight : DefCaptionHeight;
}

void TskSkinForm::CalcSkinRects() {
  if (!FSD || FSD->Empty) return;
  const int DW = FFormWidth - FSD->FPicture->Width();
  const int DH = FFormHeight - FSD->FPicture->Height();
  NewLTPoint = FSD->LTPoint;
  NewRTPoint = { FSD->RTPoint.X + DW, FSD->RTPoint.Y };
  NewLBPoint = { FSD->LBPoint.X, FSD->LBPoint.Y + DH };
  NewRBPoint = { FSD->RBPoint.X + DW, FSD->RBPoint.Y + DH };
  const TRect& Cl = FSD->ClRect;
  NewClRect = Rect(Cl.Left, Cl.Top, Cl.Right + DW, Cl.Bottom + DH);
}

TRect TskSkinForm::CalcClientRect(TRect R) {
  if (FForm->BorderStyle() == bsNone) return R;
  FFormWidth = R.Width();
  FFormHeight = R.Height();
  if (FSkinSupport) {
    CalcSkinRects();
    const TRect& Cl = FSD->ClRect;
    R = Rect(R.Left + Cl.Left, R.Top + Cl.Top, R.Right - (FSD->FPicture->Width() - Cl.Right),
             R.Bottom - (FSD->FPicture->Height() - Cl.Bottom));
  } else {
    R = Rect(R.Left + DefBorder, R.Top + CaptionHeight() + DefBorder, R.Right - DefBorder, R.Bottom - DefBorder);
  }
  R.Right = std::max(R.Right, R.Left);
  R.Bottom = std::max(R.Bottom, R.Top);
  return R;
}

void TskSkinForm::UpdateFrameGeometry() {
  FFormWidth = FForm->Width();
  FFormHeight = FForm->Height();
  if (FSkinSupport) CalcSkinRects();
}

LRESULT TskSkinForm::HitTest(TPoint ScreenPoint) {
  TRect Window;
  GetWindowRect(FForm->Handle(), &Window);
  const TPoint P { ScreenPoint.X - Window.Left, ScreenPoint.Y - Window.Top };
  const int W = Window.Width(), H = Window.Height();
  if (FForm->BorderStyle() == bsNone) return HTCLIENT;
  if (FSkinSupport) {
    if (NewClRect.Contains(P)) return HTCLIENT;
    return P.Y < NewClRect.Top ? HTCAPTION : HTOBJECT;
  }
  if (Rect(DefBorder, DefBorder, W - DefBorder, CaptionHeight() + DefBorder).Contains(P)) return HTCAPTION;
  if (Rect(DefBorder, CaptionHeight() + DefBorder, W - DefBorder, H - DefBorder).Contains(P)) return HTCLIENT;
  return HTOBJECT;
}

// ---- Painting ------------------------------------------------------------------------------------------

void TskSkinForm::PaintNC(HDC DC) {
  if (FForm->BorderStyle() == bsNone || !FForm->HandleAllocated()) return;
  const HWND Wnd = FForm->Handle();
  const HDC Target = DC ? DC : GetWindowDC(Wnd);
  const int Saved = SaveDC(Target);
  if (FSkinSupport)
    PaintNCSkin(Target);
  else if (!FStopPainting && !(FSD && FSD->ChangeSkinDataProcess))
    PaintNCDefault(Target);
  RestoreDC(Target, Saved);
  if (!DC) ReleaseDC(Wnd, Target);
}

void TskSkinForm::PaintNCSkin(HDC DC) {
  if (FFormWidth == 0) UpdateFrameGeometry();
  const int W = FFormWidth, H = FFormHeight;
  if (W < GetMinWidth() || H < GetMinHeight()) return;
  CalcSkinRects();
  TBitmap* Picture = GetFormActive() || FSD->FInActivePicture->Empty() ? FSD->FPicture.get()
                                                                        : FSD->FInActivePicture.get();
  TBitmap Left, Top, Right, Bottom;
  ComposeFrameBands(FSD->LTPoint, FSD->RTPoint, FSD->LBPoint, FSD->RBPoint, FSD->ClRect, NewLTPoint, NewRTPoint,
                    NewLBPoint, NewRBPoint, NewClRect, &Left, &Top, &Right, &Bottom, Picture,
                    Rect(0, 0, Picture->Width(), Picture->Height()), W, H, FSD->LeftStretch, FSD->TopStretch,
                    FSD->RightStretch, FSD->BottomStretch);
  if (!IsEmptyRect(NewClRect)) ExcludeClipRect(DC, NewClRect.Left, NewClRect.Top, NewClRect.Right, NewClRect.Bottom);
  TCanvas Canvas;
  Canvas.SetHandle(DC);
  Canvas.Draw(0, 0, &Top);
  Canvas.Draw(0, Top.Height(), &Left);
  Canvas.Draw(W - Right.Width(), Top.Height(), &Right);
  Canvas.Draw(0, H - Bottom.Height(), &Bottom);
  Canvas.SetHandle(nullptr);
}

void TskSkinForm::PaintNCDefault(HDC DC) {
  if (FFormWidth == 0) UpdateFrameGeometry();
  const int W = FFormWidth, H = FFormHeight, CH = CaptionHeight();
  const bool Active = GetFormActive();
  TBitmap Caption;
  Caption.SetSize(std::max(W - 2 * DefBorder, 0), CH);
  TCanvas* C = Caption.Canvas();
  C->Brush()->SetColor(clBtnFace);
  C->FillRect(Rect(0, 0, Caption.Width(), CH));
  C->Font()->Assign(Active ? FDefCaptionFont.get() : FDefInActiveCaptionFont.get());
  if (OnCaptionPaint) {
    OnCaptionPaint(C, Rect(0, 0, Caption.Width(), CH - DefBorder), Active);
  } else if (String Text = FForm->Caption(); !Text.empty()) {
    ShortenTextW(C, Text, Caption.Width() + DefBorder);
    const int TW = C->TextWidth(Text), TH = C->TextHeight(Text);
    const int X = Caption.Width() / 2 - (TW + 5) / 2, Y = CH / 2 - TH / 2;
    C->FillRect(Rect(X - 2, Y - 2, X + TW + 2, Y + TH + 2));
    C->Brush()->SetStyle(bsClear);
    C->TextOut(X, Y, Text);
  }
  ExcludeClipRect(DC, DefBorder, CH + DefBorder, W - DefBorder, H - DefBorder);
  TCanvas Canvas;
  Canvas.SetHandle(DC);
  Canvas.Draw(DefBorder, DefBorder, &Caption);
  const TColor Lines[] = { cl3DDkShadow, clBtnFace, clBtnFace };
  for (int i = 0; i < DefBorder; ++i) {
    Canvas.Brush()->SetColor(Lines[i]);
    Canvas.FrameRect(Rect(i, i, W - i, H - i));
  }
  Canvas.SetHandle(nullptr);
}

void TskSkinForm::PaintBG(HDC DC) {
  if (!DC) return;
  TCanvas Canvas;
  Canvas.SetHandle(DC);
  Canvas.Brush()->SetColor(FForm->Color());
  Canvas.FillRect(FForm->ClientRect());
  Canvas.SetHandle(nullptr);
}

// ---- Size limits ---------------------------------------------------------------------------------------

int TskSkinForm::GetMinWidth() {
  if (!FSkinSupport) return FMinWidth > 0 ? FMinWidth : DefMinWidth;
  const bool Minimized = FWindowState == wsMinimized;
  const int PictureWidth = FSD->FPicture->Width();
  if (PictureWidth < FMinWidth && !Minimized) return FMinWidth;
  if (FSD->FormMinWidth > 0) return FSD->FormMinWidth >= FMinWidth || Minimized ? FSD->FormMinWidth : FMinWidth;
  return PictureWidth;
}

int TskSkinForm::GetMinHeight() {
  const bool Small = FRollUpState || FWindowState == wsMinimized;
  int Frame = CaptionHeight() + 6;
  if (FSkinSupport)
    Frame = FSD->FormMinHeight != 0 ? FSD->FormMinHeight : FSD->FPicture->Height() - FSD->ClRect.Height();
  return Frame >= FMinHeight || Small ? Frame : FMinHeight;
}

int TskSkinForm::GetMaxWidth() {
  if (FMaxWidth != 0) return FMaxWidth;
  TRect R = Screen->WorkAreaRect();
  if (FForm->HandleAllocated()) GetMonitorWorkArea(FForm->Handle(), !FMaximizeOnFullScreen, R);
  return R.Width();
}

int TskSkinForm::GetMaxHeight() {
  if (FMaxHeight != 0) return FMaxHeight;
  TRect R = Screen->WorkAreaRect();
  if (FForm->HandleAllocated()) GetMonitorWorkArea(FForm->Handle(), !FMaximizeOnFullScreen, R);
  return R.Height();
}

void TskSkinForm::NudgeWidth() {
  const int W = FForm->Width();
  const int Step = W - 1 < GetMinWidth() ? 1 : -1;
  FForm->SetWidth(W + Step);
  FForm->SetWidth(W);
}
