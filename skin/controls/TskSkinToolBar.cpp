#include "skin/controls/TskSkinToolBar.h"

#include <algorithm>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TCustomForm.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/TskSkinBevel.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/skBuiltInLook.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skPainters.h"
#include "skin/core/skUtils.h"

namespace {

constexpr UINT_PTR ScrollTimer = 1;
constexpr UINT_PTR LeaveTimer = 2;
constexpr UINT LeaveInterval = 100;
constexpr int ArrowLeft = 1;
constexpr int ArrowRight = 2;

}  // namespace

TskSkinToolBar::TskSkinToolBar(TComponent* AOwner) : TskSkinPanel(AOwner) {
  SetForcebackGround(false);
  SetSkinDataName("toolpanel");
  SetDefaultHeight(0);
  FHeight = 25;
  SetBorderStyle(TskSkinBorderStyle::bvNone);
}

template <class F> void TskSkinToolBar::ForSpeedButtons(F Do) {
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* Button = dynamic_cast<TskSkinSpeedButton*>(Controls(i))) Do(Button);
}

// ---- Properties ----

void TskSkinToolBar::SetScrollOffset(int Value) {
  if (Value >= 0) FScrollOffset = Value;
}

void TskSkinToolBar::SetScrollTimerInterval(int Value) {
  if (Value > 0) FScrollTimerInterval = Value;
}

void TskSkinToolBar::SetImages(TCustomImageList* Value) {
  if (FImages && FImages != Value) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages) FImages->FreeNotification(this);
  ForSpeedButtons([](TskSkinSpeedButton* B) { B->Repaint(); });
}

void TskSkinToolBar::SetHotImages(TCustomImageList* Value) {
  if (FHotImages && FHotImages != Value) FHotImages->RemoveFreeNotification(this);
  FHotImages = Value;
  if (FHotImages) FHotImages->FreeNotification(this);
}

void TskSkinToolBar::SetDisabledImages(TCustomImageList* Value) {
  if (FDisabledImages && FDisabledImages != Value) FDisabledImages->RemoveFreeNotification(this);
  FDisabledImages = Value;
  if (FDisabledImages) FDisabledImages->FreeNotification(this);
}

void TskSkinToolBar::Notification(TComponent* AComponent, TOperation Operation) {
  TskSkinPanel::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) SetImages(nullptr);
  if (AComponent == FHotImages) SetHotImages(nullptr);
  if (AComponent == FDisabledImages) SetDisabledImages(nullptr);
}

void TskSkinToolBar::SetFlat(bool Value) {
  FFlat = Value;
  ForSpeedButtons([Value](TskSkinSpeedButton* B) { B->SetFlat(Value); });
}

void TskSkinToolBar::SetShowCaptions(bool Value) {
  if (Value == FShowCaptions) return;
  FShowCaptions = Value;
  if (FAutoShowHideCaptions) ForSpeedButtons([Value](TskSkinSpeedButton* B) { B->SetShowCaption(Value); });
  if (FWidthWithCaptions != 0 && FWidthWithoutCaptions != 0)
    SetWidth(Value ? FWidthWithCaptions : FWidthWithoutCaptions);
}

void TskSkinToolBar::SetSkinData(TskSkinData* Value) {
  TskSkinPanel::SetSkinData(Value);
  for (int i = 0; i < ControlCount(); ++i) {
    if (auto* Button = dynamic_cast<TskSkinSpeedButton*>(Controls(i)))
      Button->SetSkinData(Value);
    else if (auto* Bevel = dynamic_cast<TskSkinBevel*>(Controls(i)))
      Bevel->SetSkinData(Value);
  }
}

void TskSkinToolBar::GetSkinData() {
  TskSkinPanel::GetSkinData();
  ButtonData = nullptr;
  if (FIndex == -1) return;
  const int Index = SkinData()->GetControlIndex("resizebutton");
  if (Index != -1) ButtonData = dynamic_cast<TskDataSkinButtonControl*>(SkinData()->CtrlList[Index].get());
}

// ---- Layout ----

void TskSkinToolBar::CentreChildren() {
  if (!HandleAllocated() || !FAdjustControls) return;
  const TRect R = GetSkinClientRect();
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* Child = Controls(i);
    if (dynamic_cast<TskSkinControl*>(Child) || dynamic_cast<TskGraphicSkinControl*>(Child) ||
        Child->Align() != alNone)
      continue;
    const int Top = RectHeight(R) / 2 + R.Top - Child->Height() / 2;
    if (Child->Top() != Top) Child->SetTop(Top);
  }
}

void TskSkinToolBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const int OldWidth = FWidth;
  TskSkinPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FAdjustControls)
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* Child = Controls(i);
      Child->SetBounds(Child->Left(), Child->Top(), Child->Width(), Child->Height());
    }
  if (!FCanScroll) return;
  FHSizeOffset = FWidth > OldWidth && OldWidth != 0 ? FWidth - OldWidth : 0;
  UpdateScroll();
  CentreChildren();
}

void TskSkinToolBar::AdjustClientRect(TRect& R) {
  TskSkinPanel::AdjustClientRect(R);
  if (!Buttons[0].Visible) return;
  const int CW = ClientWidth(), CH = ClientHeight();
  const TRect Scrolled = Rect(-SPosition, 0, -SPosition + std::max(SMax, CW), CH);
  R.Left = Scrolled.Left;
  R.Right = Scrolled.Right;
  if (FIndex == -1) {
    R.Top = 1;
    R.Bottom = CH - 1;
  } else if (BorderStyle() != TskSkinBorderStyle::bvNone || ResizeMode != 1) {
    R.Top = NewClRect.Top;
    R.Bottom = NewClRect.Bottom;
  } else {
    R.Top = Scrolled.Top;
    R.Bottom = Scrolled.Bottom;
  }
}

// ---- Scrolling ----

void TskSkinToolBar::MoveChildren(int DX) {
  ScrollBy(DX, 0);
  Repaint();
}

void TskSkinToolBar::UpdateScroll() {
  if (!FCanScroll || FWidth == 0) return;
  int A = 0;
  for (int i = 0; i < ControlCount(); ++i)
    if (Controls(i)->Visible()) A = std::max(A, Controls(i)->Left() + Controls(i)->Width());
  const int CW = ClientWidth();
  const int P0 = SPosition;
  const int Ext = P0 + A;
  if (A == 0) {
    SetScrollButtonsVisible(false);
    return;
  }
  if (CW < Ext) {
    SetScrollButtonsVisible(true);
    const int CWNow = ClientWidth();
    const int P = SPosition;
    if (P > 0 && CWNow > A && FHSizeOffset > 0) {
      FHSizeOffset = std::min(FHSizeOffset, P);
      SMax = Ext - 1;
      SPosition = P - FHSizeOffset;
      SPage = CWNow;
      MoveChildren(FHSizeOffset);
      SOldPosition = SPosition;
      return;
    }
    if (FHSizeOffset == 0 && Ext - 1 < SMax && P > 0 && CWNow > A) {
      SMax = Ext - 1;
      SPosition = P - (CWNow - A);
      SPage = CWNow;
      MoveChildren(CWNow - A);
    } else {
      SMax = Ext - 1;
      SPage = CWNow;
    }
    FHSizeOffset = 0;
    SOldPosition = SPosition;
    return;
  }
  if (P0 > 0) MoveChildren(P0);
  FHSizeOffset = SMax = SPosition = SPage = 0;
  SetScrollButtonsVisible(false);
}

void TskSkinToolBar::ScrollStep(bool Left) {
  const int Step = FScrollOffset != 0 ? FScrollOffset : ClientWidth();
  if (Left)
    SPosition = std::max(SPosition - Step, 0);
  else
    SPosition = std::min(SPosition + Step, SMax - SPage + 1);
  if (SPosition == SOldPosition) {
    StopScrollTimer();
    return;
  }
  MoveChildren(SOldPosition - SPosition);
  UpdateScroll();
}

// The client area changes with the buttons: the window is made again, and the control that had the focus
// inside the bar gets it back.
void TskSkinToolBar::SetScrollButtonsVisible(bool Value) {
  if (Buttons[0].Visible == Value) return;
  Buttons[0].Visible = Buttons[1].Visible = Value;
  TWinControl* Focused = nullptr;
  if (TCustomForm* Form = GetParentForm(this)) {
    TWinControl* Active = Form->ActiveControl();
    if (Active && Active != this && ContainsControl(Active)) Focused = Active;
  }
  FMouseIn = false;
  RecreateWnd();
  if (Focused && Focused->Visible() && !Focused->Focused() && Focused->CanFocus()) Focused->SetFocus();
}

void TskSkinToolBar::StartScrollTimer(int Mode) {
  TimerMode = Mode;
  if (HandleAllocated()) SetTimer(Handle(), ScrollTimer, FScrollTimerInterval);
}

void TskSkinToolBar::StopScrollTimer() {
  if (TimerMode == 0) return;
  TimerMode = 0;
  if (HandleAllocated()) KillTimer(Handle(), ScrollTimer);
}

// ---- Painting ----

void TskSkinToolBar::CreateControlSkinImage(TBitmap* B) {
  if (Buttons[0].Visible && ResizeMode == 2 && Picture) {
    ComposeHorzStripImageMiddle(LTPt.X, RectWidth(SkinRect) - RTPt.X, B, Picture, SkinRect, FWidth, FHeight,
                                StretchEffect);
    return;
  }
  TskSkinPanel::CreateControlSkinImage(B);
}

void TskSkinToolBar::DrawScrollButton(TCanvas* C, int Index) {
  const TScrollButton& Button = Buttons[Index];
  const bool Pressed = Button.MouseIn && (Button.Down || FHotScroll);
  const int W = RectWidth(Button.R), H = RectHeight(Button.R);
  TBitmap B;
  B.SetSize(W, H);
  TColor ArrowColor = clBtnText;
  TBitmap* ButtonPicture = ButtonData ? ModelPicture(SkinData(), ButtonData->PictureIndex) : nullptr;
  if (ButtonData && ButtonPicture) {
    const TskDataSkinButtonControl& D = *ButtonData;
    TRect Source = D.SkinRect;
    ArrowColor = D.FontColor;
    if (!IsEmptyRect(D.DownSkinRect) && Pressed) {
      Source = D.DownSkinRect;
      ArrowColor = D.DownFontColor;
    } else if (Button.MouseIn && !IsEmptyRect(D.ActiveSkinRect)) {
      Source = D.ActiveSkinRect;
      ArrowColor = D.ActiveFontColor;
    }
    const int DX = W - RectWidth(D.SkinRect), DY = H - RectHeight(D.SkinRect);
    const TPoint NewRT { D.RTPoint.X + DX, D.RTPoint.Y }, NewLB { D.LBPoint.X, D.LBPoint.Y + DY },
        NewRB { D.RBPoint.X + DX, D.RBPoint.Y + DY };
    const TRect NewCl { D.ClRect.Left, D.ClRect.Top, D.ClRect.Right + DX, D.ClRect.Bottom + DY };
    ComposeSkinImage(D.LTPoint, D.RTPoint, D.LBPoint, D.RBPoint, D.ClRect, D.LTPoint, NewRT, NewLB, NewRB, NewCl, &B,
                     ButtonPicture, Source, W, H, true, D.LeftStretch, D.TopStretch, D.RightStretch, D.BottomStretch,
                     D.StretchEffect, D.StretchType);
  } else {
    DrawBuiltInButton(B.Canvas(), Rect(0, 0, W, H), Button.MouseIn, Pressed);
  }
  DrawArrow(B.Canvas(), Rect(0, 0, W, H), ArrowColor, Index == 0 ? ArrowLeft : ArrowRight);
  C->Draw(Button.R.Left, Button.R.Top, &B);
}

void TskSkinToolBar::DrawScrollButtons() {
  if (!HandleAllocated() || !Buttons[0].Visible) return;
  const HDC DC = GetWindowDC(Handle());
  TCanvas C;
  C.SetHandle(DC);
  GetSkinData();
  DrawScrollButton(&C, 0);
  DrawScrollButton(&C, 1);
  C.SetHandle(nullptr);
  ReleaseDC(Handle(), DC);
}

// ---- Messages ----

int TskSkinToolBar::ButtonOf(WPARAM HitCode) {
  if (HitCode == WPARAM(HTLEFTSCROLL)) return 0;
  if (HitCode == WPARAM(HTRIGHTSCROLL)) return 1;
  return -1;
}

void TskSkinToolBar::MouseLeft() {
  FMouseIn = false;
  TPoint P;
  if (GetCursorPos(&P) && WindowFromPoint(P) == Handle()) return;
  for (TScrollButton& Button : Buttons)
    if (Button.MouseIn) {
      Button.MouseIn = false;
      break;
    }
  StopScrollTimer();
  DrawScrollButtons();
}

void TskSkinToolBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_DESTROY:
    KillTimer(Handle(), ScrollTimer);
    KillTimer(Handle(), LeaveTimer);
    TimerMode = 0;
    FMouseIn = false;
    break;
  case WM_SETCURSOR:
    if (ButtonOf(LOWORD(Message.LParam)) != -1)
      Message.LParam = MAKELPARAM(HTCLIENT, HIWORD(Message.LParam));
    break;
  case WM_WINDOWPOSCHANGING:
    TskSkinPanel::Dispatch(Message);
    if (Align() == alNone) UpdateScroll();
    CentreChildren();
    return;
  default: break;
  }
  if (!FCanScroll) return TskSkinPanel::Dispatch(Message);
  switch (Message.Msg) {
  case WM_NCCALCSIZE: {
    TskSkinPanel::Dispatch(Message);
    GetSkinData();
    auto* R = reinterpret_cast<TRect*>(Message.LParam);
    if (Buttons[0].Visible) R->Left += ScrollButtonWidth;
    if (Buttons[1].Visible) R->Right -= ScrollButtonWidth;
    return;
  }
  case WM_SIZE:
    TskSkinPanel::Dispatch(Message);
    if (Buttons[0].Visible) {
      Buttons[0].R = Rect(0, 0, ScrollButtonWidth, FHeight);
      Buttons[1].R = Rect(FWidth - ScrollButtonWidth, 0, FWidth, FHeight);
      DrawScrollButtons();
    }
    return;
  case WM_NCPAINT: DrawScrollButtons(); return;
  case WM_NCHITTEST: {
    if (!FMouseIn) {
      FMouseIn = true;
      if (Buttons[0].Visible) SetTimer(Handle(), LeaveTimer, LeaveInterval);
    }
    const TPoint P = ScreenToClient(LParamToPoint(Message.LParam));
    if (P.X < 0 && Buttons[0].Visible) {
      Message.Result = HTLEFTSCROLL;
      return;
    }
    if (P.X >= ClientWidth() && Buttons[1].Visible) {
      Message.Result = HTRIGHTSCROLL;
      return;
    }
    TskSkinPanel::Dispatch(Message);
    return;
  }
  case WM_NCMOUSEMOVE: {
    const int I = ButtonOf(Message.WParam);
    if (I == -1) break;
    if (!Buttons[I].MouseIn) {
      Buttons[I].MouseIn = true;
      Buttons[1 - I].MouseIn = false;
      DrawScrollButtons();
      if (FHotScroll) StartScrollTimer(I + 1);
    }
    return;
  }
  case WM_NCLBUTTONDOWN:
  case WM_NCLBUTTONDBLCLK: {
    const int I = ButtonOf(Message.WParam);
    if (I == -1) break;
    Buttons[I].Down = true;
    DrawScrollButtons();
    StartScrollTimer(I + 1);
    return;
  }
  case WM_NCLBUTTONUP: {
    const int I = ButtonOf(Message.WParam);
    if (I == -1) break;
    Buttons[I].Down = false;
    DrawScrollButtons();
    StopScrollTimer();
    ScrollStep(I == 0);
    return;
  }
  case WM_MOUSEMOVE:
    for (TScrollButton& Button : Buttons)
      if (Button.MouseIn && Button.Visible) {
        Button.MouseIn = false;
        StopScrollTimer();
        DrawScrollButtons();
        break;
      }
    break;
  case WM_TIMER:
    TskSkinPanel::Dispatch(Message);
    if (Message.WParam == ScrollTimer && TimerMode != 0) ScrollStep(TimerMode == 1);
    if (Message.WParam == LeaveTimer) {
      TPoint P;
      if (!GetCursorPos(&P) || WindowFromPoint(P) != Handle()) {
        KillTimer(Handle(), LeaveTimer);
        MouseLeft();
      }
    }
    return;
  default: break;
  }
  TskSkinPanel::Dispatch(Message);
}
