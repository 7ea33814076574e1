#include "skin/form/TskSkinHintWindow.h"

#include "platform/base/Clock.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TScreen.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowClass.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skComposers.h"
#include "skin/core/skRegions.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskSkinHint.h"
#include "skin/form/skLayering.h"

namespace {

/// Room between the plain hint's text and its edges, and between title, image and text.
constexpr int PlainMargin = 2;
constexpr int Gap = 5;

TBitmap* HintPicture(TskSkinData* Model) {
  return Model->FActivePictures[size_t(Model->HintWindow->WindowPictureIndex)].get();
}

TSize TextSize(TCanvas* C, const String& Text) {
  TRect R;
  DrawText(C->Handle(), Text, R, DT_CALCRECT);
  return { R.Width(), R.Height() };
}

/// The work area a hint stays inside: of the active form's monitor, else of the visible main form's, else
/// the screen.
TRect HintLimit() {
  TCustomForm* Form = Screen ? Screen->ActiveCustomForm() : nullptr;
  if (!Form && Application && Application->MainForm() && Application->MainForm()->Visible())
    Form = Application->MainForm();
  TRect R = Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  if (Form && Form->HandleAllocated()) GetMonitorWorkArea(Form->Handle(), true, R);
  return R;
}

}  // namespace

TskSkinHintWindow::TskSkinHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

TskSkinHintWindow::~TskSkinHintWindow() = default;

void TskSkinHintWindow::CreateParams(TCreateParams& Params) {
  THintWindow::CreateParams(Params);
  Params.Style &= ~WS_BORDER;
  if (IsXPOrLater()) Params.WindowClass.style |= CS_DROPSHADOW;
}

TskSkinHint* TskSkinHintWindow::FindHintComponent() {
  TCustomForm* Main = Application ? Application->MainForm() : nullptr;
  if (!Main) return nullptr;
  for (int i = 0; i < Main->ComponentCount(); ++i)
    if (auto* Hint = dynamic_cast<TskSkinHint*>(Main->Components(i)); Hint && Hint->Active()) return Hint;
  return nullptr;
}

// ---- Activation ----------------------------------------------------------------------------------------

void TskSkinHintWindow::ActivateHint(TRect Rect, const String& AHint) {
  AExtendedStyle = false;
  TskSkinHint* Hint = FindHintComponent();
  if (Hint && (!Hint->HintTitle().empty() || Hint->HintImageList())) {
    ActivateHintEx(Rect, Hint->HintTitle(), AHint, Hint->HintImageIndex(), Hint->HintImageList());
    return;
  }
  Activate(Rect, AHint, false, false);
}

void TskSkinHintWindow::ActivateHintEx(TRect Rect, const String& AHintTitle, const String& AHint, int AImageIndex,
                                       TCustomImageList* AImageList) {
  AExtendedStyle = true;
  FTitle = AHintTitle;
  FImageIndex = AImageIndex;
  FImageList = AImageList;
  Activate(Rect, AHint, false, false);
}

void TskSkinHintWindow::ActivateHintFromRect(const TRect& ARect, const String& AHint, bool ATop) {
  AExtendedStyle = false;
  Activate(ARect, AHint, true, ATop);
}

TRect TskSkinHintWindow::CalcHintRect(int, const String& AHint, void*) {
  TskSkinHint* Hint = FindHintComponent();
  if (!Hint) return {};
  AExtendedStyle = !Hint->HintTitle().empty() || Hint->HintImageList();
  FTitle = Hint->HintTitle();
  FImageIndex = Hint->HintImageIndex();
  FImageList = Hint->HintImageList();
  Prepare(Hint);
  SetCaption(AHint);
  const TSize Size = CalcHintSize();
  return Rect(0, 0, Size.cx, Size.cy);
}

void TskSkinHintWindow::Activate(TRect Rect, const String& AHint, bool FromRect, bool ATop) {
  TskSkinHint* Hint = FindHintComponent();
  if (!Hint || !Hint->Active()) return;
  Prepare(Hint);
  const String& Separator = Hint->LineSeparator();
  SetCaption(Separator.empty() ? AHint : StringReplace(AHint, Separator, "\n\r", { rfReplaceAll }));
  const TSize Size = CalcHintSize();
  TRect R = Bounds(Rect.Left, Rect.Top, Size.cx, Size.cy);
  if (FromRect)
    R = Bounds(Rect.Left + Rect.Width() / 2 - Size.cx / 2, ATop ? Rect.Top - Size.cy : Rect.Bottom, Size.cx, Size.cy);
  // Past the work area the hint goes to the other side of its anchor.
  const TRect Limit = HintLimit();
  if (R.Right > Limit.Right) R = R.Offset(-(Size.cx + 2), 0);
  if (R.Bottom > Limit.Bottom) R = R.Offset(0, -(Size.cy + 2));
  ApplyAlpha(Hint);
  SetBoundsRect(R);
  SetHintRegion();
  SetWindowPos(Handle(), HWND_TOPMOST, R.Left, R.Top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  SetVisible(true);
  Repaint();
  FadeIn(Hint);
}

void TskSkinHintWindow::Prepare(TskSkinHint* Hint) {
  TskSkinData* Model = Hint->SkinData();
  const int Picture = Model && !Model->Empty ? Model->HintWindow->WindowPictureIndex : -1;
  FSD = Picture >= 0 && Picture < int(Model->FActivePictures.size()) ? Model : nullptr;
  TFont* F = Canvas()->Font();
  if (FSD && Hint->UseSkinFont()) {
    const auto& Record = *FSD->HintWindow;
    F->SetName(Record.FontName);
    F->SetHeight(Record.FontHeight);
    F->SetStyle(Record.FontStyle);
    F->SetColor(Record.FontColor);
  } else {
    F->Assign(Hint->DefaultFont());
    F->SetColor(FSD ? FSD->HintWindow->FontColor : clInfoText);
  }
  // The skin's strings may be in another script than the default font.
  F->SetCharset(Model && Model->ResourceStrData() ? Model->ResourceStrData()->CharSet() : Hint->DefaultFont()->Charset());
}

TSize TskSkinHintWindow::CalcHintSize() {
  TCanvas* C = Canvas();
  const TSize Text = TextSize(C, Caption());
  int W = Text.cx, H = Text.cy;
  if (AExtendedStyle) {
    int TitleHeight = 0;
    if (!FTitle.empty()) {
      const TSize Title = TextSize(C, FTitle);
      TitleHeight = Title.cy;
      H += Title.cy + 10;
      W = std::max(W, Title.cx);
    }
    if (FImageList && FImageIndex >= 0 && FImageIndex < FImageList->Count()) {
      W += FImageList->Width() + 10;
      H = std::max(H, FImageList->Height() + TitleHeight + Gap);
    }
  }
  if (!FSD) return { W + 2 * PlainMargin, H + 2 * PlainMargin };
  const auto& Record = *FSD->HintWindow;
  TBitmap* Picture = HintPicture(FSD);
  const int PW = Picture->Width(), PH = Picture->Height();
  W += Record.ClRect.Left + PW - Record.ClRect.Right + (AExtendedStyle ? 2 * Gap : Gap);
  H += Record.ClRect.Top + PH - Record.ClRect.Bottom;
  // The picture's corners never cross, however short the text.
  W += std::max(0, Record.LTPoint.X - (Record.RTPoint.X + W - PW));
  W += std::max(0, Record.LBPoint.X - (Record.RBPoint.X + W - PW));
  H += std::max(0, Record.LTPoint.Y - (Record.LBPoint.Y + H - PH));
  H += std::max(0, Record.RTPoint.Y - (Record.RBPoint.Y + H - PH));
  const int DX = W - PW, DY = H - PH;
  NewClRect = Rect(Record.ClRect.Left, Record.ClRect.Top, Record.ClRect.Right + DX, Record.ClRect.Bottom + DY);
  NewLTPoint = Record.LTPoint;
  NewRTPoint = { Record.RTPoint.X + DX, Record.RTPoint.Y };
  NewLBPoint = { Record.LBPoint.X, Record.LBPoint.Y + DY };
  NewRBPoint = { Record.RBPoint.X + DX, Record.RBPoint.Y + DY };
  return { W, H };
}

void TskSkinHintWindow::SetHintRegion() {
  HRGN Rgn = nullptr;
  if (FSD) {
    const auto& Record = *FSD->HintWindow;
    const int Mask = Record.MaskPictureIndex;
    if (Mask >= 0 && Mask < int(FSD->FActivePictures.size()))
      CreateSkinRegion(Rgn, Record.LTPoint, Record.RTPoint, Record.LBPoint, Record.RBPoint, Record.ClRect, NewLTPoint,
                       NewRTPoint, NewLBPoint, NewRBPoint, NewClRect, FSD->FActivePictures[size_t(Mask)].get(),
                       Width(), Height());
  }
  SetWindowRgn(Handle(), Rgn, false);
}

void TskSkinHintWindow::ApplyAlpha(TskSkinHint* Hint) {
  if (!CanLayer()) return;
  const HWND Wnd = Handle();
  const DWORD ExStyle = GetWindowLong(Wnd, GWL_EXSTYLE);
  if (Hint->AlphaBlend() && !FOldAlphaBlend) SetWindowLong(Wnd, GWL_EXSTYLE, ExStyle | WS_EX_LAYERED);
  if (!Hint->AlphaBlend() && FOldAlphaBlend) SetWindowLong(Wnd, GWL_EXSTYLE, ExStyle & ~WS_EX_LAYERED);
  FOldAlphaBlend = Hint->AlphaBlend();
  if (Hint->AlphaBlend() && Hint->AlphaBlendAnimation()) SetWindowAlpha(Wnd, 0);
  if (Hint->AlphaBlend() && Hint->AlphaBlendValue() != FOldAlphaBlendValue) {
    if (!Hint->AlphaBlendAnimation()) SetWindowAlpha(Wnd, Hint->AlphaBlendValue());
    FOldAlphaBlendValue = Hint->AlphaBlendValue();
  }
}

void TskSkinHintWindow::FadeIn(TskSkinHint* Hint) {
  if (!CanLayer() || !Hint->AlphaBlend() || !Hint->AlphaBlendAnimation()) return;
  const int Target = Hint->AlphaBlendValue();
  const int Step = std::max(Target / 10, 1);
  int Alpha = 0;
  Cardinal Last = GetTickCount();
  bool First = true;
  // A short blocking fade, as the hint's pause already let the user wait; no message is handled meanwhile.
  while (Alpha < Target) {
    const Cardinal Now = GetTickCount();
    if (!First && Now - Last <= 3) continue;
    First = false;
    Last = Now;
    Alpha = std::min(Alpha + Step, Target);
    Repaint();
    SetWindowAlpha(Handle(), Byte(Alpha));
  }
}

// ---- Painting ------------------------------------------------------------------------------------------

void TskSkinHintWindow::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_NCPAINT: return;
  case WM_ERASEBKGND: Message.Result = 1; return;
  default: THintWindow::Dispatch(Message);
  }
}

void TskSkinHintWindow::Paint() {
  // The component and its model are looked up again: either may have gone since the activation.
  TskSkinHint* Hint = FindHintComponent();
  if (!Hint) return;
  Prepare(Hint);
  if (FSD) CalcHintSize();
  TBitmap Buffer;
  Buffer.SetSize(Width(), Height());
  TCanvas* C = Buffer.Canvas();
  if (FSD) {
    const auto& Record = *FSD->HintWindow;
    TBitmap* Picture = HintPicture(FSD);
    ComposePopupSkinImage(Record.LTPoint, Record.RTPoint, Record.LBPoint, Record.RBPoint, Record.ClRect, NewLTPoint,
                          NewRTPoint, NewLBPoint, NewRBPoint, NewClRect, &Buffer, Picture,
                          Rect(0, 0, Picture->Width(), Picture->Height()), Width(), Height(), true,
                          Record.LeftStretch, Record.TopStretch, Record.RightStretch, Record.BottomStretch,
                          Record.StretchEffect, Record.StretchType);
  } else {
    C->Brush()->SetColor(clInfoBk);
    C->FillRect(Rect(0, 0, Width(), Height()));
    C->Brush()->SetColor(clBtnShadow);
    C->FrameRect(Rect(0, 0, Width(), Height()));
  }
  C->Font()->Assign(Canvas()->Font());
  C->Brush()->SetStyle(bsClear);
  PaintText(C, FSD ? NewClRect : Rect(PlainMargin, PlainMargin, Width() - PlainMargin, Height() - PlainMargin));
  Canvas()->Draw(0, 0, &Buffer);
}

void TskSkinHintWindow::PaintText(TCanvas* C, const TRect& Area) {
  const String Text = Caption();
  TRect TextRect = Area;
  if (AExtendedStyle) {
    // Skinned, the content keeps a margin inside the client rectangle.
    const int Margin = FSD ? Gap : 0;
    int TitleHeight = 0;
    if (!FTitle.empty()) {
      TFont Plain;
      Plain.Assign(C->Font());
      C->Font()->SetStyle(C->Font()->Style().Include(fsBold));
      TitleHeight = TextSize(C, FTitle).cy;
      C->TextOut(Area.Left + Margin, Area.Top, FTitle);
      C->Font()->Assign(&Plain);
    }
    TextRect.Left += Margin;
    const TSize Measured = TextSize(C, Text);
    TextRect.Top = FTitle.empty() ? Area.Top + (Area.Height() - Measured.cy) / 2 : Area.Top + TitleHeight + Gap;
    if (FImageList && FImageIndex >= 0 && FImageIndex < FImageList->Count()) {
      const int ImageTop = FTitle.empty() ? Area.Top + (Area.Height() - FImageList->Height()) / 2
                                          : Area.Top + TitleHeight + Gap;
      FImageList->Draw(C, TextRect.Left, ImageTop, FImageIndex, true);
      TextRect.Left += FImageList->Width() + Gap;
    }
    DrawText(C->Handle(), Text, TextRect, 0);
    return;
  }
  if (FSD) {
    // The text's own rectangle, centred in the client rectangle both ways.
    const TSize Measured = TextSize(C, Text);
    TextRect = Bounds(Area.Left + (Area.Width() - Measured.cx) / 2, Area.Top + (Area.Height() - Measured.cy) / 2,
                      Measured.cx, Measured.cy);
  }
  DrawText(C->Handle(), Text, TextRect, 0);
}
