// The frame's geometry, hit test and painting, and the size limits it gives its form.
//
// Frame coordinates: the window's top-left corner is (0, 0). Skinned, the frame picture is laid around the
// client area by its corner points: the parts left of LTPoint and above it keep their place, the rest
// moves with the right and bottom edges. Built-in: a 3-pixel border and a caption band.
#include <cstring>
#include <optional>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TScreen.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/controls/skCheckParentBg.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skComposers.h"
#include "skin/core/skRegions.h"
#include "skin/core/skUtils.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "skin/form/TskFormLayerBorder.h"
#include "skin/form/TskQuickButtonItems.h"
#include "skin/form/TskSkinAnimateObject.h"
#include "skin/form/TskSkinCaptionObject.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMDIClient.h"
#include "skin/form/TskSkinStdButtonObject.h"
#include "skin/form/skInActiveEffect.h"

namespace {

constexpr int DefBorder = 3;
constexpr int DefCaptionHeight = 19;
constexpr int DefToolCaptionHeight = 15;
constexpr int DefMinWidth = 120;
constexpr int DefButtonSize = 17;
constexpr int DefToolButtonSize = 13;
constexpr int DefButtonTop = 4;
/// The distance from a built-in frame's edge within which the edge sizes the form.
constexpr int DefSizingEdge = 2;

/// The caption buttons' order in their row, from the outer end.
constexpr TskStdCommand ButtonRowOrder[] = { cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray };

/// The command of a button placed in the caption's row: a visible button with a picture of its own.
std::optional<TskStdCommand> RowCommand(TskActiveSkinObject* Object) {
  if (!Object->Visible || !Object->SkinRectInAPicture) return std::nullopt;
  if (auto* Std = dynamic_cast<TskSkinStdButtonObject*>(Object)) return Std->Command;
  if (auto* Animate = dynamic_cast<TskSkinAnimateObject*>(Object)) return Animate->Command;
  return std::nullopt;
}

/// Where R of the frame picture goes for a frame dW wider and dH higher: a rectangle within one corner
/// area moves with that corner, one reaching from one area into another stretches, any other stays.
TRect MovedWithFrame(const TRect& R, const TskSkinData& SD, int DW, int DH) {
  const int PW = SD.FPicture->Width(), PH = SD.FPicture->Height();
  const TRect TL = Rect(0, 0, SD.LTPoint.X, SD.LTPoint.Y);
  const TRect TR = Rect(SD.RTPoint.X, 0, PW, SD.RTPoint.Y);
  const TRect BL = Rect(0, SD.LBPoint.Y, SD.LBPoint.X, PH);
  const TRect BR = Rect(SD.RBPoint.X, SD.RBPoint.Y, PW, PH);
  const TPoint A = R.TopLeft(), B { R.Right - 1, R.Bottom - 1 };
  auto Spans = [&](const TRect& From, const TRect& To) { return From.Contains(A) && To.Contains(B); };
  TRect N = R;
  if (Spans(TL, TL)) return N;
  if (Spans(TR, TR)) return N.Offset(DW, 0);
  if (Spans(BL, BL)) return N.Offset(0, DH);
  if (Spans(BR, BR)) return N.Offset(DW, DH);
  if (Spans(TL, BR)) {
    N.Right += DW;
    N.Bottom += DH;
  } else if (Spans(TL, TR)) {
    N.Right += DW;
  } else if (Spans(BL, BR)) {
    N.Right += DW;
    N = N.Offset(0, DH);
  } else if (Spans(TL, BL)) {
    N.Bottom += DH;
  } else if (Spans(TR, BR)) {
    N = N.Offset(DW, 0);
    N.Bottom += DH;
  }
  return N;
}

/// The size of a small icon.
TSize SmallIconExtent() { return { GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON) }; }

/// The black pixels of Band as a region at (X, Y), united into Rgn; nothing for an empty band.
void UniteBand(HRGN Rgn, TBitmap* Band, int X, int Y) {
  if (Band->Empty() || Band->Width() <= 0 || Band->Height() <= 0) return;
  HRGN Part = nullptr;
  CreateRegionFromMask(Part, Band);
  if (!Part) return;
  OffsetRgn(Part, X, Y);
  CombineRgn(Rgn, Rgn, Part, RGN_OR);
  DeleteObject(Part);
}

/// The pixel (X, Y) of Band is black; false outside it.
bool BlackAt(TBitmap* Band, int X, int Y) {
  if (Band->Empty() || X < 0 || Y < 0 || X >= Band->Width() || Y >= Band->Height()) return false;
  return (ColorToRGB(Band->Canvas()->Pixels(X, Y)) & 0xFFFFFF) == 0;
}

}  // namespace

// ---- Geometry ------------------------------------------------------------------------------------------

int TskSkinForm::CaptionHeight() const {
  const TFormBorderStyle Style = FForm->BorderStyle();
  return Style == bsToolWindow || Style == bsSizeToolWin ? DefToolCaptionHeight : DefCaptionHeight;
}

void TskSkinForm::CalcSkinRects() {
  if (!FSD || FSD->Empty) return;
  const int PW = FSD->FPicture->Width();
  const int DW = FFormWidth - PW;
  const int DH = FFormHeight - FSD->FPicture->Height();
  NewLTPoint = FSD->LTPoint;
  NewRTPoint = { FSD->RTPoint.X + DW, FSD->RTPoint.Y };
  NewLBPoint = { FSD->LBPoint.X, FSD->LBPoint.Y + DH };
  NewRBPoint = { FSD->RBPoint.X + DW, FSD->RBPoint.Y + DH };
  const TRect& Cl = FSD->ClRect;
  NewClRect = Rect(Cl.Left, Cl.Top, Cl.Right + DW, Cl.Bottom + DH);
  NewCaptionRect = FSD->CaptionRect;
  if (!IsEmptyRect(NewCaptionRect)) NewCaptionRect.Right += DW;
  NewButtonsRect = FSD->ButtonsRect;
  NewButtonsInLeft = FSD->CapButtonsInLeft;
  if (!IsEmptyRect(NewButtonsRect) && NewButtonsRect.Left > PW / 2) NewButtonsRect = NewButtonsRect.Offset(DW, 0);
  NewButtonsOffset = FSD->ButtonsOffset;
  NewHitTestLTPoint = FSD->HitTestLTPoint;
  NewHitTestRTPoint = { FSD->HitTestRTPoint.X + DW, FSD->HitTestRTPoint.Y };
  NewHitTestLBPoint = { FSD->HitTestLBPoint.X, FSD->HitTestLBPoint.Y + DH };
  NewHitTestRBPoint = { FSD->HitTestRBPoint.X + DW, FSD->HitTestRBPoint.Y + DH };
  NewMaskRectArea = FSD->MaskRectArea;
  NewMaskRectArea.Right += DW;
  NewMaskRectArea.Bottom += DH;
}

void TskSkinForm::CalcObjectRects() {
  // A full border lays the objects out in its own top window.
  if (!FSD || FSD->Empty || FullLayeredBorder()) return;
  const int DW = FFormWidth - FSD->FPicture->Width();
  const int DH = FFormHeight - FSD->FPicture->Height();
  TskSkinCaptionObject* Caption = nullptr;
  for (auto& Object : ObjectList) {
    if (!Object->SkinRectInAPicture) Object->ObjectRect = MovedWithFrame(Object->SkinRect, *FSD, DW, DH);
    if (!Caption) Caption = dynamic_cast<TskSkinCaptionObject*>(Object.get());
  }
  const bool SharedRow = IsEmptyRect(NewButtonsRect);
  const TRect Row = SharedRow ? NewCaptionRect : NewButtonsRect;
  if (IsEmptyRect(Row)) return;
  auto Size = [this](TskActiveSkinObject* Object, TskStdCommand Command) {
    if (Command == cmSysMenu && FShowIcon) return SmallIconExtent();
    return TSize { Object->SkinRect.Width(), Object->SkinRect.Height() };
  };
  // The row's buttons in their order: the standard commands, then the custom ones in list order.
  std::vector<std::pair<TskActiveSkinObject*, TskStdCommand>> Buttons;
  for (TskStdCommand Command : ButtonRowOrder)
    for (auto& Object : ObjectList)
      if (RowCommand(Object.get()) == Command) Buttons.emplace_back(Object.get(), Command);
  for (auto& Object : ObjectList)
    if (RowCommand(Object.get()) == cmDefault) Buttons.emplace_back(Object.get(), cmDefault);
  TskActiveSkinObject* SysMenu = nullptr;
  for (auto& Object : ObjectList)
    if (!SysMenu && RowCommand(Object.get()) == cmSysMenu) SysMenu = Object.get();
  if (NewButtonsInLeft) {
    if (SharedRow && SysMenu) Buttons.emplace_back(SysMenu, cmSysMenu);
    int X = Row.Left;
    for (auto [Object, Command] : Buttons) {
      const TSize S = Size(Object, Command);
      Object->ObjectRect = Rect(X, Row.Top, X + S.cx, Row.Top + S.cy);
      X += S.cx + NewButtonsOffset;
    }
    if (SharedRow && Caption) Caption->ObjectRect.Left = X + NewButtonsOffset;
    return;
  }
  int X = Row.Right;
  for (auto [Object, Command] : Buttons) {
    const TSize S = Size(Object, Command);
    Object->ObjectRect = Rect(X - S.cx, Row.Top, X, Row.Top + S.cy);
    X -= S.cx + NewButtonsOffset;
  }
  if (SharedRow && Caption) Caption->ObjectRect.Right = X + NewButtonsOffset;
  if (!SysMenu) return;
  const TSize S = Size(SysMenu, cmSysMenu);
  X = NewCaptionRect.Left;
  const int Top = NewCaptionRect.Top + NewCaptionRect.Height() / 2 - S.cy / 2;
  SysMenu->ObjectRect = Rect(X, Top, X + S.cx, Top + S.cy);
  X += S.cx + NewButtonsOffset;
  if (Caption) Caption->ObjectRect.Left = X - NewButtonsOffset;
}

void TskSkinForm::CalcDefRects() {
  if (ObjectList.empty()) return;
  const int W = FFormWidth, CH = CaptionHeight();
  const TFormBorderStyle Style = FForm->BorderStyle();
  const int B = Style == bsToolWindow || Style == bsSizeToolWin ? DefToolButtonSize : DefButtonSize;
  NewDefCaptionRect = Rect(DefBorder, DefBorder, W - DefBorder, CH);
  int X = W - DefBorder;
  for (TskStdCommand Command : ButtonRowOrder)
    for (auto& Object : ObjectList)
      if (dynamic_cast<TskSkinStdButtonObject*>(Object.get()) && RowCommand(Object.get()) == Command) {
        Object->ObjectRect = Rect(X - B, DefButtonTop, X, DefButtonTop + B);
        X -= B;
      }
  NewDefCaptionRect.Right = X;
  X = DefBorder;
  for (auto& Object : ObjectList)
    if (dynamic_cast<TskSkinStdButtonObject*>(Object.get()) && RowCommand(Object.get()) == cmSysMenu) {
      const TSize S = FShowIcon ? SmallIconExtent() : TSize { B, B };
      Object->ObjectRect = Rect(X, DefButtonTop, X + S.cx, DefButtonTop + S.cy);
      X += S.cx;
    }
  NewDefCaptionRect.Left = X;
}

TRect TskSkinForm::CalcClientRect(TRect R) {
  if (FForm->BorderStyle() == bsNone) return R;
  FFormWidth = R.Width();
  FFormHeight = R.Height();
  if (FSkinSupport) {
    CalcSkinRects();
    if (FullLayeredBorder()) return R;
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
  if (FSkinnableForm && FSkinSupport) {
    CalcSkinRects();
    CalcObjectRects();
  }
  UpdateFrameRegion();
  if (FSkinSupport && FSD->StretchEffect && FForm->HandleAllocated()) TellChildrenOfNewBackground();
}

// A stretched client picture changed under the children: the form repaints and the children that show
// their parent's background take it again.
void TskSkinForm::TellChildrenOfNewBackground() {
  FForm->Invalidate();
  SendCheckParentBg(FForm);
}

void TskSkinForm::UpdateFrameRegion() {
  if (!FForm->HandleAllocated()) return;
  const HWND Wnd = FForm->Handle();
  if (!FSkinnableForm || FForm->BorderStyle() == bsNone) {
    SetWindowRgn(Wnd, nullptr, true);
    return;
  }
  const int W = FFormWidth, H = FFormHeight;
  if (FSkinSupport && FullLayeredBorder()) {
    // Rolled up, or minimized by the frame, the form keeps only the rows the border's picture gives it.
    const bool Small = FRollUpState || (FWindowState == wsMinimized && !FMinimizeDefault &&
                                        !(Application && Application->MainForm() == FForm));
    SetWindowRgn(Wnd, CreateRectRgn(0, 0, W, Small ? FBorderLayer->Data()->RollUpFormHeight : H), true);
    return;
  }
  if (!FSkinSupport || FSD->FMask->Empty()) {
    if (!FSkinSupport)
      for (TBitmap* Band : { RMTop.get(), RMLeft.get(), RMRight.get(), RMBottom.get() }) Band->SetSize(0, 0);
    SetWindowRgn(Wnd, CreateRectRgn(0, 0, W, H), true);
    return;
  }
  ComposeMaskBands(FSD->LTPoint, FSD->RTPoint, FSD->LBPoint, FSD->RBPoint, FSD->ClRect, NewLTPoint, NewRTPoint,
                   NewLBPoint, NewRBPoint, NewClRect, FSD->FMask.get(), RMTop.get(), RMLeft.get(), RMRight.get(),
                   RMBottom.get(), W, H);
  const TRect& M = NewMaskRectArea;
  HRGN Rgn = CreateRectRgn(M.Left, M.Top, std::max(M.Right, M.Left), std::max(M.Bottom, M.Top));
  UniteBand(Rgn, RMTop.get(), 0, 0);
  UniteBand(Rgn, RMBottom.get(), 0, M.Bottom);
  UniteBand(Rgn, RMLeft.get(), 0, M.Top);
  UniteBand(Rgn, RMRight.get(), M.Right, M.Top);
  SetWindowRgn(Wnd, Rgn, true);
}

// ---- Hit testing ---------------------------------------------------------------------------------------

TPoint TskSkinForm::FramePoint(LPARAM Pos) const {
  TRect Window;
  GetWindowRect(FForm->Handle(), &Window);
  return { GET_X_LPARAM(Pos) - Window.Left, GET_Y_LPARAM(Pos) - Window.Top };
}

// A caption may reach under the buttons that come before it in hit order; a point on such a button is
// the button's, so that a press there never starts a move.
bool TskSkinForm::IsCaptionArea(TPoint P) const {
  for (auto& Object : ObjectList) {
    if (!Object->ObjectRect.Contains(P)) continue;
    if (dynamic_cast<TskSkinCaptionObject*>(Object.get())) {
      // The quick buttons at the caption's left are no caption (they are not shown under the menu's piece).
      if (FQuickButtons->Count() == 0 || !FQuickImageList || AppMenuCaptionDrawn()) return true;
      return P.X >= Object->ObjectRect.Left + 7 + FQuickButtons->Count() * (FQuickImageList->Width() + 8);
    }
    if (Object->Visible) return false;
  }
  return false;
}

bool TskSkinForm::InsideShape(TPoint P) const {
  const TRect& M = NewMaskRectArea;
  if (M.Contains(P)) return true;
  if (P.Y < M.Top) return BlackAt(RMTop.get(), P.X, P.Y);
  if (P.Y < M.Bottom)
    return P.X < M.Left ? BlackAt(RMLeft.get(), P.X, P.Y - M.Top) : BlackAt(RMRight.get(), P.X - M.Right, P.Y - M.Top);
  return BlackAt(RMBottom.get(), P.X, P.Y - M.Bottom);
}

LRESULT TskSkinForm::HitTest(TPoint ScreenPoint) {
  TRect Window;
  GetWindowRect(FForm->Handle(), &Window);
  const TPoint P { ScreenPoint.X - Window.Left, ScreenPoint.Y - Window.Top };
  // The border windows take the frame's clicks.
  if (FForm->BorderStyle() == bsNone || FullBorderShown()) return HTCLIENT;
  FFormWidth = Window.Width();
  FFormHeight = Window.Height();
  return FSkinSupport ? SkinHitTest(P) : DefaultHitTest(P);
}

LRESULT TskSkinForm::SkinHitTest(TPoint P) {
  const bool InCaption = IsCaptionArea(P);
  if (FRollUpState || FWindowState == wsMinimized) return InCaption ? HTCAPTION : HTOBJECT;
  if (ActiveObject != -1 && !InCaption && !NewClRect.Contains(P) && !FSizeMove) return HTOBJECT;
  const int W = FFormWidth, H = FFormHeight;
  auto Plain = [&] { return NewClRect.Contains(P) ? HTCLIENT : InCaption ? HTCAPTION : HTOBJECT; };
  if (!IsSizeable() || FWindowState == wsMaximized) return Plain();
  const int B = FSD->BorderW;
  const TPoint Probes[] = { { P.X - B, P.Y }, { P.X, P.Y - B }, { P.X + B, P.Y }, { P.X, P.Y + B } };
  bool NearEdge = false;
  for (const TPoint& Probe : Probes) {
    if (FSD->FMask->Empty())
      NearEdge = NearEdge || !Rect(0, 0, W, H).Contains(Probe);
    else
      NearEdge = NearEdge || (!NewMaskRectArea.Contains(P) && !InsideShape(Probe));
  }
  if (!NearEdge) return Plain();
  if (P.X <= NewHitTestLTPoint.X && P.Y <= NewHitTestLTPoint.Y) return HTTOPLEFT;
  if (P.X >= NewHitTestRTPoint.X && P.Y <= NewHitTestRTPoint.Y) return HTTOPRIGHT;
  if (P.X <= NewHitTestLBPoint.X && P.Y >= NewHitTestLBPoint.Y) return HTBOTTOMLEFT;
  if (P.X >= NewHitTestRBPoint.X && P.Y >= NewHitTestRBPoint.Y) return HTBOTTOMRIGHT;
  if (Rect(NewHitTestLTPoint.X, 0, NewHitTestRTPoint.X, NewClRect.Top).Contains(P)) return HTTOP;
  if (Rect(NewHitTestLBPoint.X, NewClRect.Bottom, NewHitTestRBPoint.X, H).Contains(P)) return HTBOTTOM;
  if (Rect(0, NewHitTestLTPoint.Y, NewClRect.Left, NewHitTestLBPoint.Y).Contains(P)) return HTLEFT;
  if (Rect(NewClRect.Right, NewHitTestRTPoint.Y, W, NewHitTestRBPoint.Y).Contains(P)) return HTRIGHT;
  return Plain();
}

LRESULT TskSkinForm::DefaultHitTest(TPoint P) {
  const int W = FFormWidth, H = FFormHeight, E = DefSizingEdge;
  if (FWindowState != wsMaximized && !FRollUpState && FWindowState != wsMinimized && IsSizeable()) {
    if (ActiveObject != -1) return HTOBJECT;
    const bool Left = P.X <= E, Top = P.Y <= E, Right = P.X >= W - E, Bottom = P.Y >= H - E;
    if (Left && Top) return HTTOPLEFT;
    if (Right && Top) return HTTOPRIGHT;
    if (Left && Bottom) return HTBOTTOMLEFT;
    if (Right && Bottom) return HTBOTTOMRIGHT;
    if (Left) return HTLEFT;
    if (Top) return HTTOP;
    if (Right) return HTRIGHT;
    if (Bottom) return HTBOTTOM;
  }
  CalcDefRects();
  if (NewDefCaptionRect.Contains(P)) return HTCAPTION;
  if (Rect(DefBorder, CaptionHeight() + DefBorder, W - DefBorder, H - DefBorder).Contains(P)) return HTCLIENT;
  return HTOBJECT;
}

// ---- Painting ------------------------------------------------------------------------------------------

void TskSkinForm::PaintNC(HDC DC) {
  if (FForm->BorderStyle() == bsNone || !FForm->HandleAllocated()) return;
  const HWND Wnd = FForm->Handle();
  const HDC Target = DC ? DC : GetWindowDC(Wnd);
  const int Saved = SaveDC(Target);
  if (FSkinSupport) {
    if (!FullLayeredBorder()) PaintNCSkin(Target);
  } else if (!FStopPainting && !(FSD && FSD->ChangeSkinDataProcess))
    PaintNCDefault(Target);
  RestoreDC(Target, Saved);
  if (!DC) ReleaseDC(Wnd, Target);
}

void TskSkinForm::DrawObjectsIntoBands(TBitmap* Top, TBitmap* Bottom) {
  for (auto& Object : ObjectList) {
    if (!Object->Visible) continue;
    if (Object->ObjectRect.Bottom <= NewClRect.Top) {
      Object->Draw(Top->Canvas(), false);
      continue;
    }
    const TRect Saved = Object->ObjectRect;
    Object->ObjectRect = Saved.Offset(0, -NewClRect.Bottom);
    Object->Draw(Bottom->Canvas(), false);
    Object->ObjectRect = Saved;
  }
}

void TskSkinForm::PaintNCSkin(HDC DC) {
  if (FFormWidth == 0) UpdateFrameGeometry();
  const int W = FFormWidth, H = FFormHeight;
  if (W < GetMinWidth() || H < GetMinHeight()) return;
  CalcSkinRects();
  CalcObjectRects();
  TBitmap* Picture = GetFormActive() || FSD->FInActivePicture->Empty() ? FSD->FPicture.get()
                                                                        : FSD->FInActivePicture.get();
  TBitmap Left, Top, Right, Bottom;
  ComposeFrameBands(FSD->LTPoint, FSD->RTPoint, FSD->LBPoint, FSD->RBPoint, FSD->ClRect, NewLTPoint, NewRTPoint,
                    NewLBPoint, NewRBPoint, NewClRect, &Left, &Top, &Right, &Bottom, Picture,
                    Rect(0, 0, Picture->Width(), Picture->Height()), W, H, FSD->LeftStretch, FSD->TopStretch,
                    FSD->RightStretch, FSD->BottomStretch);
  DrawObjectsIntoBands(&Top, &Bottom);
  DrawAppMenuCaption(&Top);
  if (!IsEmptyRect(NewClRect)) ExcludeClipRect(DC, NewClRect.Left, NewClRect.Top, NewClRect.Right, NewClRect.Bottom);
  if (!GetFormActive() && FSD->AutoRenderingInActiveImage)
    for (TBitmap* Band : { &Top, &Left, &Right, &Bottom }) ApplyInActiveEffect(Band, FSD->InActiveEffect);
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
  if (ObjectList.empty()) CreateDefaultObjects();
  CalcDefRects();
  TBitmap Caption;
  Caption.SetSize(std::max(W - 2 * DefBorder, 0), CH);
  TCanvas* C = Caption.Canvas();
  C->Brush()->SetColor(clBtnFace);
  C->FillRect(Rect(0, 0, Caption.Width(), CH));
  C->Font()->Assign(Active ? FDefCaptionFont.get() : FDefInActiveCaptionFont.get());
  if (FSD && FSD->ResourceStrData()) C->Font()->SetCharset(FSD->ResourceStrData()->CharSet());
  if (OnCaptionPaint) {
    OnCaptionPaint(C, NewDefCaptionRect.Offset(-DefBorder, -DefBorder), Active);
  } else if (String Text = CaptionText(); !Text.empty()) {
    const int Room = NewDefCaptionRect.Width();
    ShortenTextW(C, Text, Room + DefBorder);
    const int TW = C->TextWidth(Text), TH = C->TextHeight(Text);
    const int X = NewDefCaptionRect.Left - DefBorder + Room / 2 - (TW + 5) / 2, Y = CH / 2 - TH / 2;
    C->FillRect(Rect(X - 2, Y - 2, X + TW + 2, Y + TH + 2));
    C->Brush()->SetStyle(bsClear);
    C->TextOut(X, Y, Text);
  }
  for (auto& Object : ObjectList) {
    if (!Object->Visible) continue;
    const TRect Saved = Object->ObjectRect;
    Object->ObjectRect = Saved.Offset(-DefBorder, -DefBorder);
    Object->Draw(C, true);
    Object->ObjectRect = Saved;
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

void TskSkinForm::DrawSkinObject(TskActiveSkinObject* AObject) {
  if (FForm->BorderStyle() == bsNone || !FForm->HandleAllocated() || FStopPainting) return;
  // Objects on a full border are drawn into its top picture.
  if (FullBorderShown()) {
    FBorderLayer->UpdateBorder();
    return;
  }
  const HWND Wnd = FForm->Handle();
  const HDC DC = GetWindowDC(Wnd);
  TCanvas Canvas;
  Canvas.SetHandle(DC);
  AObject->Draw(&Canvas, true);
  Canvas.SetHandle(nullptr);
  ReleaseDC(Wnd, DC);
}

HICON TskSkinForm::FormSmallIcon() {
  if (FIcon) return FIcon;
  HICON Source = FForm->Icon()->Handle();
  if (!Source && Application) Source = Application->Icon()->Handle();
  if (!Source) Source = LoadIcon(0, IDI_APPLICATION);
  int CX = GetSystemMetrics(SM_CXSMICON), CY = GetSystemMetrics(SM_CYSMICON);
  if (CX == 0) CX = GetSystemMetrics(SM_CXSIZE);
  if (CY == 0) CY = GetSystemMetrics(SM_CYSIZE);
  FIcon = CopyImage(Source, IMAGE_ICON, CX, CY, 0);
  return FIcon;
}

bool TskSkinForm::CheckIconAlpha() {
  const int CX = GetSystemMetrics(SM_CXSMICON), CY = GetSystemMetrics(SM_CYSMICON);
  const HICON Icon = FormSmallIcon();
  if (CX <= 0 || CY <= 0 || !Icon) return false;
  // Drawn over pixels of alpha 0, only a picture with an alpha channel of its own leaves any alpha.
  TBitmap Probe;
  Probe.SetPixelFormat(pf32bit);
  Probe.SetSize(CX, CY);
  for (int Y = 0; Y < CY; ++Y) std::memset(Probe.ScanLine(Y), 0, size_t(CX) * 4);
  DrawIconEx(Probe.Canvas()->Handle(), 0, 0, Icon, CX, CY, 0, nullptr, DI_NORMAL);
  for (int Y = 0; Y < CY; ++Y) {
    const auto* Row = static_cast<const Byte*>(Probe.ScanLine(Y));
    for (int X = 0; X < CX; ++X)
      if (Row[X * 4 + 3] != 0) return true;
  }
  return false;
}

void TskSkinForm::DrawFormIcon(TCanvas* Canvas, int X, int Y) {
  if (HICON Icon = FormSmallIcon()) DrawIconEx(Canvas->Handle(), X, Y, Icon, 0, 0, 0, nullptr, DI_NORMAL);
}

void TskSkinForm::PaintBG(HDC DC) { PaintBackground(DC, FForm->ClientRect(), false); }

void TskSkinForm::PaintMDIClientBG(HDC DC) {
  TRect Client;
  if (FMDIClient && FMDIClient->Handle()) GetClientRect(FMDIClient->Handle(), &Client);
  PaintBackground(DC, Client, true);
}

void TskSkinForm::PaintBackground(HDC DC, const TRect& Client, bool MDIClient) {
  if (!DC) return;
  TCanvas Canvas;
  Canvas.SetHandle(DC);
  TBitmap Piece;
  bool Stretch = false;
  TskStretchType StretchType = skstFull;
  if (TBitmap* MDIPicture = FSkinSupport && MDIClient ? TskSkinGeometry::ModelPicture(FSD, FSD->MDIBGPictureIndex)
                                                       : nullptr) {
    Piece.Assign(MDIPicture);
    Stretch = FSD->MDIBGStretchEffect;
    StretchType = FSD->MDIBGStretchType;
  } else if (TBitmap* Picture = FSkinSupport ? TskSkinGeometry::ModelPicture(FSD, FSD->BGPictureIndex) : nullptr) {
    Piece.Assign(Picture);
    Stretch = FSD->StretchEffect;
    StretchType = FSD->StretchType;
  } else if (FSkinSupport && !IsEmptyRect(FSD->ClRect)) {
    const TRect& Cl = FSD->ClRect;
    Piece.SetSize(Cl.Width(), Cl.Height());
    Piece.Canvas()->CopyRect(Rect(0, 0, Cl.Width(), Cl.Height()), FSD->FPicture->Canvas(), Cl);
    Stretch = FSD->StretchEffect;
    StretchType = FSD->StretchType;
  }
  if (Piece.Empty() || Piece.Width() <= 0 || Piece.Height() <= 0) {
    Canvas.Brush()->SetColor(MDIClient && !FSkinSupport ? clAppWorkSpace : clBtnFace);
    Canvas.FillRect(Client);
  } else if (Stretch && !IsEmptyRect(Client)) {
    TBitmap Strip;
    switch (StretchType) {
    case skstFull: Canvas.StretchDraw(Client, &Piece); break;
    case skstHorz:
      Strip.SetSize(Piece.Width(), FFormHeight);
      Strip.Canvas()->StretchDraw(Rect(0, 0, Strip.Width(), Strip.Height()), &Piece);
      for (int i = 0; i <= FFormWidth / Strip.Width(); ++i) Canvas.Draw(i * Strip.Width(), 0, &Strip);
      break;
    case skstVert:
      Strip.SetSize(FFormWidth, Piece.Height());
      Strip.Canvas()->StretchDraw(Rect(0, 0, Strip.Width(), Strip.Height()), &Piece);
      for (int i = 0; i <= FFormHeight / Strip.Height(); ++i) Canvas.Draw(0, i * Strip.Height(), &Strip);
      break;
    }
  } else {
    for (int Y = 0; Y <= Client.Height() / Piece.Height(); ++Y)
      for (int X = 0; X <= Client.Width() / Piece.Width(); ++X)
        Canvas.Draw(X * Piece.Width(), Y * Piece.Height(), &Piece);
  }
  if (!FLogoBitMap->Empty()) {
    FLogoBitMap->SetTransparent(FLogoBitMapTransparent);
    Canvas.Draw(std::max(Client.Width() / 2 - FLogoBitMap->Width() / 2, 0),
                std::max(Client.Height() / 2 - FLogoBitMap->Height() / 2, 0), FLogoBitMap.get());
  }
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
  if (FSkinSupport && FullLayeredBorder()) {
    // The border carries the caption: the form itself may be all but gone.
    constexpr int FullBorderMinHeight = 10;
    return FSD->FPicture->Height() - FSD->ClRect.Height() >= FMinHeight || Small ? FullBorderMinHeight : FMinHeight;
  }
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
