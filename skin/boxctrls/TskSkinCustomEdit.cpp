#include "skin/boxctrls/TskSkinCustomEdit.h"

#include <algorithm>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/boxctrls/skBoxMessages.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/controls/TskSkinToolBar.h"
#include "skin/controls/skControlMessages.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skDataSkinListControls.h"
#include "skin/core/skUtils.h"

namespace {

/// Window timer 1: the pointer-leave poll while the pointer is over the edit.
constexpr UINT_PTR HoverTimer = 1;
constexpr UINT HoverInterval = 100;

bool Aligned(TAlign Align) { return Align == alClient || Align == alLeft || Align == alRight; }

}  // namespace

TskSkinCustomEdit::TskSkinCustomEdit(TComponent* AOwner)
    : TskCustomEdit(AOwner), FDefaultFont(std::make_unique<TFont>()) {
  Font()->SetName("Tahoma");
  Font()->SetHeight(13);
  Font()->SetColor(clBlack);
  Font()->SetStyle({});
  FDefaultFont->Assign(Font());
  FDefaultFont->OnChange = [this](TObject*) {
    if (!Skinned()) Font()->Assign(FDefaultFont.get());
  };
  SetBorderStyle(bsNone);
  SetEditTransparent(true);
  FHeight = 20;
}

TskSkinCustomEdit::~TskSkinCustomEdit() = default;

// ---- Skin ------------------------------------------------------------------------------------------------

void TskSkinCustomEdit::SetSkinData(TskSkinData* Value) {
  if (FSD && FSD != Value) FSD->RemoveFreeNotification(this);
  FSD = Value;
  if (FSD) FSD->FreeNotification(this);
  if (FSD && !FSD->Empty) ChangeSkinData();
}

// A record of another kind leaves the copied fields as they are and draws the built-in look.
void TskSkinCustomEdit::GetSkinData() {
  FIndex = FSD && !FSD->Empty ? FSD->GetControlIndex(FSkinDataName) : -1;
  const auto* R = FIndex == -1 ? nullptr : dynamic_cast<const TskDataSkinEditControl*>(FSD->CtrlList[FIndex].get());
  if (!R) {
    Picture = nullptr;
    return;
  }
  Picture = TskSkinGeometry::ModelPicture(FSD, R->PictureIndex);
  SkinRect = R->SkinRect;
  ActiveSkinRect = IsEmptyRect(R->ActiveSkinRect) ? R->SkinRect : R->ActiveSkinRect;
  LOffset = R->LTPoint.X;
  ROffset = RectWidth(R->SkinRect) - R->RTPoint.X;
  ClRect = R->ClRect;
  FontName = R->FontName;
  FontStyle = R->FontStyle;
  FontHeight = R->FontHeight;
  FontColor = R->FontColor;
  DisabledFontColor = R->DisabledFontColor;
  ActiveFontColor = R->ActiveFontColor;
  ButtonRect = R->ButtonRect;
  ActiveButtonRect = R->ActiveButtonRect;
  DownButtonRect = IsEmptyRect(R->DownButtonRect) ? R->ActiveButtonRect : R->DownButtonRect;
  UnEnabledButtonRect = R->UnEnabledButtonRect;
  StretchEffect = R->StretchEffect;
}

void TskSkinCustomEdit::ApplySkinFont() {
  if (Skinned() && FUseSkinFont) {
    Font()->SetName(FontName);
    Font()->SetStyle(FontStyle);
    Font()->SetHeight(FontHeight);
  } else {
    Font()->Assign(FDefaultFont.get());
  }
  TskResourceStrData* Table = FSD ? FSD->ResourceStrData() : nullptr;
  Font()->SetCharset(Table ? Table->CharSet() : FDefaultFont->Charset());
}

void TskSkinCustomEdit::ApplyFontColor() {
  if (!Skinned())
    Font()->SetColor(FDefaultFont->Color());
  else
    Font()->SetColor(Hot() ? ActiveFontColor : FontColor);
}

void TskSkinCustomEdit::ChangeSkinData() {
  GetSkinData();
  ApplySkinFont();
  if (!Skinned()) {
    if (FDefaultWidth > 0) SetWidth(FDefaultWidth);
    if (FDefaultHeight > 0) SetHeight(FDefaultHeight);
  } else if (FUseSkinFont) {
    SetHeight(RectHeight(SkinRect));
  }
  RecreateWnd();
  ApplyFontColor();
  if (!FUseSkinFont) AdjustEditHeight();
  RedrawFrame();
  if (FImages) {
    CalcImageButtonRects(true);
    Invalidate();
  }
}

void TskSkinCustomEdit::Loaded() {
  TskCustomEdit::Loaded();
  if (FSD && FSD->ResourceStrData()) Font()->SetCharset(FSD->ResourceStrData()->CharSet());
}

void TskSkinCustomEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TskCustomEdit::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSD) {
    FSD = nullptr;
    GetSkinData();
    RecreateWnd();
  }
  if (AComponent == FImages) FImages = nullptr;
}

// ---- Properties ------------------------------------------------------------------------------------------

void TskSkinCustomEdit::SetDefaultColor(TColor Value) {
  FDefaultColor = Value;
  if (!Skinned()) RedrawFrame();
}

void TskSkinCustomEdit::SetDefaultWidth(int Value) {
  FDefaultWidth = Value;
  if (!Skinned() && Value > 0) SetWidth(Value);
}

void TskSkinCustomEdit::SetDefaultHeight(int Value) {
  FDefaultHeight = Value;
  if (!Skinned() && Value > 0 && FUseSkinFont)
    SetHeight(Value);
  else
    AdjustEditHeight();
}

void TskSkinCustomEdit::SetButtonMode(bool Value) {
  if (FButtonMode == Value) return;
  FButtonMode = Value;
  RecreateWnd();
  RedrawFrame();
}

void TskSkinCustomEdit::SetImages(TCustomImageList* Value) {
  if (FImages == Value) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages) FImages->FreeNotification(this);
  CalcImageButtonRects(true);
  if (!(Skinned() && FUseSkinFont)) AdjustEditHeight();
  Invalidate();
}

void TskSkinCustomEdit::SetLeftImageIndex(int Value) {
  FLeftImageIndex = Value;
  CalcImageButtonRects(true);
  Invalidate();
}

void TskSkinCustomEdit::SetRightImageIndex(int Value) {
  FRightImageIndex = Value;
  CalcImageButtonRects(true);
  Invalidate();
}

void TskSkinCustomEdit::SetButtonImageIndex(int Value) {
  if (FButtonImageIndex == Value) return;
  FButtonImageIndex = Value;
  RedrawFrame();
}

// ---- Geometry --------------------------------------------------------------------------------------------

TRect TskSkinCustomEdit::FrameInsets() const {
  if (!Skinned()) return Rect(2, 2, FButtonMode ? FHeight + 2 : 2, 2);
  return Rect(ClRect.Left, ClRect.Top, RectWidth(SkinRect) - ClRect.Right, RectHeight(SkinRect) - ClRect.Bottom);
}

void TskSkinCustomEdit::CalcEditRect() {
  if (!Skinned()) {
    FButtonRect = FButtonMode ? Rect(FWidth - FHeight, 0, FWidth, FHeight) : TRect {};
    FEditRect = Rect(2, 2, (FButtonMode ? FButtonRect.Left : FWidth) - 2, FHeight - 2);
    return;
  }
  const int Grow = FWidth - RectWidth(SkinRect);
  FEditRect = ClRect;
  FEditRect.Right += Grow;
  FButtonRect = ButtonRect;
  if (ButtonRect.Left >= RectWidth(SkinRect) - ROffset) FButtonRect = FButtonRect.Offset(Grow, 0);
  if (!FUseSkinFont) {
    FEditRect.Bottom += FHeight - RectHeight(SkinRect);
    FButtonRect.Bottom += FHeight - RectHeight(SkinRect);
  }
}

void TskSkinCustomEdit::CalcImageButtonRects(bool SetFormatRect) {
  if (!FImages) return;
  TRect R = ClientRect();
  LeftButton.R = {};
  RightButton.R = {};
  if (FLeftImageIndex >= 0) {
    LeftButton.R = Rect(R.Left, R.Top, R.Left + FImages->Width(), R.Bottom);
    R.Left += FImages->Width() + 2;
  }
  if (FRightImageIndex >= 0) {
    RightButton.R = Rect(R.Right - FImages->Width(), R.Top, R.Right, R.Bottom);
    R.Right -= FImages->Width() + 2;
  }
  if (SetFormatRect && HandleAllocated()) SendEdit(EM_SETRECTNP, 0, LPARAM(&R));
}

bool TskSkinCustomEdit::Hot() const {
  return FMouseIn || (HandleAllocated() && GetFocus() == FHandle);
}

int TskSkinCustomEdit::CalcEditHeight() {
  GetSkinData();
  const HDC DC = CreateCompatibleDC(nullptr);
  SelectObject(DC, Font()->Handle());
  TEXTMETRIC Metrics;
  GetTextMetrics(DC, Metrics);
  DeleteDC(DC);
  const int Images = FImages ? FImages->Height() : 0;
  if (!Skinned()) return std::max(int(Metrics.tmHeight) + 2, Images) + 4;
  return std::max(int(Metrics.tmHeight), Images) + RectHeight(SkinRect) - RectHeight(ClRect);
}

void TskSkinCustomEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  GetSkinData();
  if (!Skinned() && !Aligned(Align()))
    AHeight = CalcEditHeight();
  else if ((AWidth != FWidth || AHeight != FHeight) && (Skinned() || !FUseSkinFont))
    AHeight = FUseSkinFont ? RectHeight(SkinRect) : CalcEditHeight();
  // Aligned in a tool bar that lays out its controls, the edit sits in the middle of the bar's client area.
  if (auto* Bar = dynamic_cast<TskSkinToolBar*>(Parent()); Bar && Bar->AdjustControls() && Align() != alNone) {
    const TRect R = Bar->GetSkinClientRect();
    ATop = RectHeight(R) / 2 + R.Top - AHeight / 2;
  }
  TskCustomEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
  RedrawFrame();
}

// ---- Mouse and focus -------------------------------------------------------------------------------------

void TskSkinCustomEdit::Fire(const TNotifyEvent& Event) {
  if (!Event) return;
  const TNotifyEvent Handler = Event;
  Handler(this);
}

LRESULT TskSkinCustomEdit::HitTest(TPoint Screen) {
  if (!FMouseIn) DoMouseEnter();
  const TPoint P = ScreenToClient(Screen);
  if (FImages) {
    const bool InLeft = FLeftImageIndex >= 0 && LeftButton.R.Contains(P);
    const bool InRight = !InLeft && FRightImageIndex >= 0 && RightButton.R.Contains(P);
    if (InLeft != LeftButton.MouseIn || InRight != RightButton.MouseIn) {
      LeftButton.MouseIn = InLeft;
      RightButton.MouseIn = InRight;
      Invalidate();
    }
    if (InLeft) return HTLEFTIMAGEBUTTON;
    if (InRight) return HTRIGHTIMAGEBUTTON;
  }
  if (FButtonMode) {
    CalcEditRect();
    const TRect Insets = FrameInsets();
    const TPoint W = P.Offset(Insets.Left, Insets.Top);
    if (FButtonRect.Contains(W)) return HTEDITBUTTON;
    if (!FEditRect.Contains(W)) return HTOUTSIDETEXT;
  }
  return -1;
}

void TskSkinCustomEdit::DoMouseEnter() {
  FMouseIn = true;
  if (GetFocus() != FHandle && Skinned()) {
    ApplyFontColor();
    CalcImageButtonRects(false);
    RedrawFrame();
  }
  Fire(OnMouseEnter);
  if (HandleAllocated()) SetTimer(FHandle, HoverTimer, HoverInterval);
}

void TskSkinCustomEdit::DoMouseLeave() {
  FMouseIn = false;
  if (GetFocus() != FHandle && Skinned()) {
    ApplyFontColor();
    CalcImageButtonRects(false);
    RedrawFrame();
  }
  if (FButtonDown || FButtonActive) {
    FButtonDown = FButtonActive = false;
    RedrawFrame();
  }
  if (LeftButton.MouseIn || RightButton.MouseIn) {
    LeftButton.MouseIn = RightButton.MouseIn = false;
    RePaintBuffered();
  }
  Fire(OnMouseLeave);
}

void TskSkinCustomEdit::SetButtonActive(bool Value) {
  if (FButtonActive == Value) return;
  FButtonActive = Value;
  RedrawFrame();
}

void TskSkinCustomEdit::NCButtonDown(LRESULT Hit) {
  TskCBButtonX& Button = Hit == HTLEFTIMAGEBUTTON ? LeftButton : RightButton;
  Button.Down = true;
  if (GetFocus() != FHandle) SetFocus();
  Invalidate();
}

// Whether the release finished a click of one of the edit's buttons.
bool TskSkinCustomEdit::NCButtonUp(LRESULT Hit) {
  if (FImages && (Hit == HTLEFTIMAGEBUTTON || Hit == HTRIGHTIMAGEBUTTON)) {
    TskCBButtonX& Button = Hit == HTLEFTIMAGEBUTTON ? LeftButton : RightButton;
    if (!Button.Down) return false;
    Button.Down = false;
    Invalidate();
    Fire(Hit == HTLEFTIMAGEBUTTON ? OnLeftButtonClick : OnRightButtonClick);
    return true;
  }
  if (FButtonMode && Hit == HTEDITBUTTON && FButtonDown) {
    FButtonDown = false;
    RedrawFrame();
    if (GetFocus() != FHandle) SetFocus();
    Fire(OnButtonClick);
    return true;
  }
  return false;
}

void TskSkinCustomEdit::FocusChanged(TMessage& Message) {
  TskCustomEdit::Dispatch(Message);
  RedrawFrame();
  if (!FMouseIn && Skinned()) ApplyFontColor();
  CalcImageButtonRects(false);
  Invalidate();
}

// ---- Messages --------------------------------------------------------------------------------------------

void TskSkinCustomEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_NCCALCSIZE: {
    GetSkinData();
    const TRect Insets = FrameInsets();
    auto* R = reinterpret_cast<TRect*>(Message.LParam);
    *R = Rect(R->Left + Insets.Left, R->Top + Insets.Top, R->Right - Insets.Right, R->Bottom - Insets.Bottom);
    Message.Result = 0;
    return;
  }
  case WM_NCPAINT: WMNCPaint(); return;
  case WM_SKINPRINTNC:
    if (Message.WParam) PaintFrameTo(reinterpret_cast<HDC>(Message.WParam), false);
    Message.Result = SKINPRINTNC_ANSWER;
    return;
  case WM_SKINPRINTNCEX:
    if (Message.LParam != SkinPrintNCExKey) break;
    if (Message.WParam) PaintFrameTo(reinterpret_cast<HDC>(Message.WParam), true);
    Message.Result = SkinPrintNCExKey;
    return;
  case WM_NCHITTEST: {
    const LRESULT Hit = HitTest(LParamToPoint(Message.LParam));
    if (Hit == -1) break;
    Message.Result = Hit;
    return;
  }
  case WM_NCLBUTTONDOWN:
  case WM_NCLBUTTONDBLCLK:
    if (FImages && (Message.WParam == HTLEFTIMAGEBUTTON || Message.WParam == HTRIGHTIMAGEBUTTON))
      return NCButtonDown(LRESULT(Message.WParam));
    if (FButtonMode && Message.WParam == HTEDITBUTTON) {
      FButtonDown = true;
      RedrawFrame();
      return;
    }
    break;
  case WM_NCLBUTTONUP:
    if (NCButtonUp(LRESULT(Message.WParam))) return;
    break;
  case WM_NCMOUSEMOVE:
    if (FButtonMode) SetButtonActive(Message.WParam == HTEDITBUTTON);
    break;
  case WM_MOUSEMOVE:
    SetButtonActive(false);
    break;
  case WM_TIMER:
    TskCustomEdit::Dispatch(Message);
    if (Message.WParam == HoverTimer) {
      TPoint P;
      GetCursorPos(&P);
      if (WindowFromPoint(P) != FHandle) {
        KillTimer(FHandle, HoverTimer);
        DoMouseLeave();
      }
    }
    return;
  case WM_DESTROY:
    KillTimer(FHandle, HoverTimer);
    FMouseIn = false;
    break;
  case CM_MOUSEENTER:
  case CM_MOUSELEAVE:
    // The edit tracks the pointer itself (hit test and leave poll) and fires the events from there.
    return;
  case WM_SETFOCUS:
  case WM_KILLFOCUS: FocusChanged(Message); return;
  case WM_SETFONT:
    TskCustomEdit::Dispatch(Message);
    CalcImageButtonRects(true);
    return;
  case WM_SIZE:
    TskCustomEdit::Dispatch(Message);
    CalcImageButtonRects(true);
    RedrawFrame();
    return;
  case WM_PAINT:
    if (!Enabled() && FStopDraw) return DrawDisabledText(reinterpret_cast<HDC>(Message.WParam));
    break;
  case CM_FONTCHANGED:
    TskCustomEdit::Dispatch(Message);
    if (!FUseSkinFont) {
      AdjustEditHeight();
      if (!Skinned()) RecreateWnd();
    }
    return;
  case CM_ENABLEDCHANGED:
    TskCustomEdit::Dispatch(Message);
    RedrawFrame();
    Invalidate();
    return;
  default: break;
  }
  TskCustomEdit::Dispatch(Message);
}
