#include "skin/ribbon/TskScrollingPage.h"

#include <algorithm>

#include "platform/base/TemporaryChange.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TCustomForm.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/TskSkinControl.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/controls/skBuiltInLook.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skPainters.h"
#include "skin/core/skUtils.h"
#include "skin/form/skFormMessages.h"

namespace {

constexpr UINT_PTR ScrollTimer = 1;
constexpr UINT_PTR LeaveTimer = 2;
constexpr UINT LeaveInterval = 100;
constexpr int TimerIdle = 0;
constexpr int TimerTowardStart = 1;
constexpr int TimerTowardEnd = 2;

/// The "resizetoolbutton" record of the owner's model while the owner has a record of its own.
TskDataSkinButtonControl* ScrollButtonRecord(TskSkinControl* Owner) {
  if (!Owner || Owner->FIndex == -1 || !Owner->SkinData()) return nullptr;
  TskSkinData* Model = Owner->SkinData();
  const int Index = Model->GetControlIndex("resizetoolbutton");
  return Index == -1 ? nullptr : dynamic_cast<TskDataSkinButtonControl*>(Model->CtrlList[size_t(Index)].get());
}

}  // namespace

TskScrollingPage::TskScrollingPage(TComponent* AOwner, bool Vertical) : TCustomControl(AOwner), FVertical(Vertical) {
  FWidth = 150;
  FHeight = 30;
}

TskScrollingPage::~TskScrollingPage() = default;

// ---- Properties ----

void TskScrollingPage::SetScrollOffset(int Value) {
  if (Value >= 0) FScrollOffset = Value;
}

void TskScrollingPage::SetScrollTimerInterval(int Value) {
  if (Value >= 1) FScrollTimerInterval = Value;
}

void TskScrollingPage::SetPosition(int Value) {
  if (Value == SPosition) return;
  SPosition = Value;
  GetScrollInfo();
}

void TskScrollingPage::GetScrollInfo() {
  if (RangeUpdatesAllowed() && !FRecreating) UpdateScrollRange();
}

void TskScrollingPage::UpDateSize() { SetBounds(FLeft, FTop, FWidth, FHeight); }

void TskScrollingPage::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const int OldSize = FVertical ? FHeight : FWidth;
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  const int NewSize = FVertical ? FHeight : FWidth;
  FSizeOffset = NewSize > OldSize && OldSize != 0 ? NewSize - OldSize : 0;
  if (FCanScroll) GetScrollInfo();
}

void TskScrollingPage::AdjustClientRect(TRect& Rect) {
  if (FCanScroll) {
    const int CW = ClientWidth(), CH = ClientHeight();
    Rect = FVertical ? Bounds(0, -SPosition, CW, std::max(SMax, CH)) : Bounds(-SPosition, 0, std::max(SMax, CW), CH);
  }
  TCustomControl::AdjustClientRect(Rect);
}

// ---- Range and steps ----

int TskScrollingPage::ChildExtent(const TControl* Child) const {
  return FVertical ? Child->Top() + Child->Height() : Child->Left() + Child->Width();
}

int TskScrollingPage::ClientExtent() { return FVertical ? ClientHeight() : ClientWidth(); }

void TskScrollingPage::ScrollControls(int Delta) {
  if (FVertical)
    ScrollBy(0, -Delta);
  else
    ScrollBy(-Delta, 0);
}

void TskScrollingPage::UpdateScrollRange() {
  int E = 0;
  for (int i = 0; i < ControlCount(); ++i)
    if (Controls(i)->Visible()) E = std::max(E, ChildExtent(Controls(i)));
  if (E == 0) {
    ShowScrollButtons(false);
    return;
  }
  const int C = ClientExtent();
  const int P = SPosition;
  const int T = P + E;
  // Whether everything fits is judged without the buttons' strips, so buttons shown while the page was
  // smaller go away once the page has grown to hold its children.
  const int Room = Buttons[0].Visible ? (FVertical ? FHeight : FWidth) : C;
  if (Room >= T) {
    if (P > 0) ScrollControls(-P);
    FSizeOffset = SMax = SPosition = SPage = 0;
    ShowScrollButtons(false);
    return;
  }
  ShowScrollButtons(true);
  if (P > 0 && E < C && FSizeOffset > 0) {
    // The page grew while scrolled: the children follow the growth, so no gap opens at the far end.
    FSizeOffset = std::min(FSizeOffset, P);
    SMax = T - 1;
    SPosition = P - FSizeOffset;
    SPage = C;
    ScrollControls(-FSizeOffset);
  } else if (FSizeOffset == 0 && T - 1 < SMax && P > 0 && E < C) {
    // The content shrank while scrolled: its far end goes back to the client's far edge.
    SMax = T - 1;
    SPosition = P - (C - E);
    SPage = C;
    ScrollControls(E - C);
  } else {
    SMax = T - 1;
    SPage = C;
    FSizeOffset = 0;
  }
  SOldPosition = SPosition;
}

void TskScrollingPage::ScrollStep(bool TowardStart) {
  const int Step = FScrollOffset != 0 ? FScrollOffset : ClientExtent();
  if (TowardStart)
    SPosition = std::max(0, SPosition - Step);
  else
    SPosition = std::min(SPosition + Step, SMax - SPage + 1);
  const int D = SPosition - SOldPosition;
  if (D == 0) {
    if (HandleAllocated()) KillTimer(Handle(), ScrollTimer);
    TimerMode = TimerIdle;
    return;
  }
  ScrollControls(D);
  UpdateScrollRange();
}

// The client area changes with the buttons, so the window is made again; the control that had the focus
// inside the page gets it back.
void TskScrollingPage::ShowScrollButtons(bool Value) {
  if (Buttons[0].Visible == Value) return;
  Buttons[0].Visible = Buttons[1].Visible = Value;
  TWinControl* Focused = nullptr;
  if (TCustomForm* Form = GetParentForm(this)) {
    TWinControl* Active = Form->ActiveControl();
    if (Active && Active->Focused() &&
        (Active->Parent() == this || (Active->Parent() && Active->Parent()->Parent() == this)))
      Focused = Active;
  }
  FMouseIn = false;
  const TemporaryChange Recreating(FRecreating, true);
  RecreateWnd();
  if (Parent()) HandleNeeded();
  if (Focused && Focused->Visible() && !Focused->Focused() && Focused->CanFocus()) Focused->SetFocus();
}

void TskScrollingPage::StartScroll(int Mode) {
  TimerMode = Mode;
  if (HandleAllocated()) SetTimer(Handle(), ScrollTimer, UINT(FScrollTimerInterval));
}

void TskScrollingPage::StopScroll() {
  if (HandleAllocated()) KillTimer(Handle(), ScrollTimer);
  TimerMode = TimerIdle;
}

void TskScrollingPage::MouseLeft() {
  FMouseIn = false;
  if (!FCanScroll) return;
  TPoint P;
  if (GetCursorPos(&P) && WindowFromPoint(P) == Handle()) return;
  TScrollButton& Hot = Buttons[0].MouseIn && Buttons[0].Visible ? Buttons[0] : Buttons[1];
  Hot.MouseIn = false;
  if (TimerMode != TimerIdle) StopScroll();
  DrawScrollButtons();
}

// ---- Painting ----

void TskScrollingPage::DrawScrollButton(TCanvas* Canvas, int Index) {
  const TScrollButton& Button = Buttons[Index];
  const int W = RectWidth(Button.R), H = RectHeight(Button.R);
  if (W <= 0 || H <= 0) return;
  const bool Pressed = Button.MouseIn && (Button.Down || FHotScroll);
  TBitmap B;
  B.SetSize(W, H);
  TColor ArrowColor = clBtnText;
  TskSkinControl* Owner = SkinOwner();
  const TskDataSkinButtonControl* D = ScrollButtonRecord(Owner);
  TBitmap* Picture = D ? TskSkinGeometry::ModelPicture(Owner->SkinData(), D->PictureIndex) : nullptr;
  if (D && Picture) {
    TRect Source = D->SkinRect;
    ArrowColor = D->FontColor;
    if (!IsEmptyRect(D->DownSkinRect) && Pressed) {
      Source = D->DownSkinRect;
      ArrowColor = D->DownFontColor;
    } else if (Button.MouseIn && !IsEmptyRect(D->ActiveSkinRect)) {
      Source = D->ActiveSkinRect;
      ArrowColor = D->ActiveFontColor;
    }
    const int DW = W - RectWidth(D->SkinRect), DH = H - RectHeight(D->SkinRect);
    const TPoint NewRT { D->RTPoint.X + DW, D->RTPoint.Y }, NewLB { D->LBPoint.X, D->LBPoint.Y + DH },
        NewRB { D->RBPoint.X + DW, D->RBPoint.Y + DH };
    const TRect NewCl { D->ClRect.Left, D->ClRect.Top, D->ClRect.Right + DW, D->ClRect.Bottom + DH };
    ComposeSkinImage(D->LTPoint, D->RTPoint, D->LBPoint, D->RBPoint, D->ClRect, D->LTPoint, NewRT, NewLB, NewRB, NewCl,
                     &B, Picture, Source, W, H, true, D->LeftStretch, D->TopStretch, D->RightStretch,
                     D->BottomStretch, D->StretchEffect, D->StretchType);
  } else {
    DrawBuiltInButton(B.Canvas(), Rect(0, 0, W, H), Button.MouseIn, Pressed);
  }
  const int Kind = FVertical ? (Index == 0 ? 3 : 4) : (Index == 0 ? 1 : 2);
  DrawArrow(B.Canvas(), Rect(0, 0, W, H), ArrowColor, Kind);
  Canvas->Draw(Button.R.Left, Button.R.Top, &B);
}

void TskScrollingPage::DrawScrollButtons() {
  if (!HandleAllocated() || !Buttons[0].Visible) return;
  const HDC DC = GetWindowDC(Handle());
  PrintScrollButtons(DC);
  ReleaseDC(Handle(), DC);
}

bool TskScrollingPage::PrintScrollButtons(HDC DC) {
  if (!DC || !Buttons[0].Visible) return false;
  TCanvas C;
  C.SetHandle(DC);
  for (int i = 0; i < 2; ++i)
    if (Buttons[i].Visible) DrawScrollButton(&C, i);
  C.SetHandle(nullptr);
  return true;
}

// ---- Messages ----

int TskScrollingPage::ButtonOf(WPARAM HitCode) {
  if (HitCode == WPARAM(HTSCROLLSTART)) return 0;
  if (HitCode == WPARAM(HTSCROLLEND)) return 1;
  return -1;
}

bool TskScrollingPage::ScrollMessage(TMessage& Message) {
  switch (Message.Msg) {
  case WM_WINDOWPOSCHANGING:
    if (HandleAllocated() && Align() == alNone) GetScrollInfo();
    return false;
  case WM_NCHITTEST: {
    if (!FMouseIn) {
      FMouseIn = true;
      if (Buttons[0].Visible) SetTimer(Handle(), LeaveTimer, LeaveInterval);
    }
    const TPoint P = ScreenToClient(LParamToPoint(Message.LParam));
    const int At = FVertical ? P.Y : P.X;
    if (At < 0 && Buttons[0].Visible) {
      Message.Result = HTSCROLLSTART;
      return true;
    }
    if (At >= ClientExtent() && Buttons[1].Visible) {
      Message.Result = HTSCROLLEND;
      return true;
    }
    return false;
  }
  case WM_NCMOUSEMOVE: {
    const int I = ButtonOf(Message.WParam);
    if (I == -1 || Buttons[I].MouseIn) return false;
    Buttons[I].MouseIn = true;
    Buttons[1 - I].MouseIn = false;
    DrawScrollButtons();
    if (FHotScroll) StartScroll(I == 0 ? TimerTowardStart : TimerTowardEnd);
    return false;
  }
  case WM_NCLBUTTONDOWN:
  case WM_NCLBUTTONDBLCLK: {
    const int I = ButtonOf(Message.WParam);
    if (I == -1) return false;
    Buttons[I].Down = true;
    DrawScrollButtons();
    StartScroll(I == 0 ? TimerTowardStart : TimerTowardEnd);
    return false;
  }
  case WM_NCLBUTTONUP: {
    const int I = ButtonOf(Message.WParam);
    if (I == -1) return false;
    Buttons[I].Down = false;
    DrawScrollButtons();
    StopScroll();
    ScrollStep(I == 0);
    return false;
  }
  case WM_MOUSEMOVE: {
    TScrollButton& Hot = Buttons[0].MouseIn && Buttons[0].Visible ? Buttons[0] : Buttons[1];
    if (Hot.MouseIn && Hot.Visible) {
      if (TimerMode != TimerIdle) StopScroll();
      Hot.MouseIn = false;
      DrawScrollButtons();
    }
    return false;
  }
  default: return false;
  }
}

void TskScrollingPage::WndProc(TMessage& Message) {
  switch (Message.Msg) {
  case WM_DESTROY:
    KillTimer(Handle(), ScrollTimer);
    KillTimer(Handle(), LeaveTimer);
    FMouseIn = false;
    break;
  case WM_SETCURSOR:
    if (FCanScroll && ButtonOf(LOWORD(Message.LParam)) != -1)
      Message.LParam = MAKELPARAM(HTCLIENT, HIWORD(Message.LParam));
    break;
  case WM_NCCALCSIZE: {
    auto* R = reinterpret_cast<TRect*>(Message.LParam);
    if (FVertical) {
      if (Buttons[0].Visible) R->Top += ScrollButtonSize;
      if (Buttons[1].Visible) R->Bottom -= ScrollButtonSize;
    } else {
      if (Buttons[0].Visible) R->Left += ScrollButtonSize;
      if (Buttons[1].Visible) R->Right -= ScrollButtonSize;
    }
    return;
  }
  case WM_SIZE:
    TCustomControl::WndProc(Message);
    if (LaysOutButtons() && Buttons[0].Visible) {
      const int S = ScrollButtonSize;
      Buttons[0].R = FVertical ? Rect(0, 0, FWidth, S) : Rect(0, 0, S, FHeight);
      Buttons[1].R = FVertical ? Rect(0, FHeight - S, FWidth, FHeight) : Rect(FWidth - S, 0, FWidth, FHeight);
      DrawScrollButtons();
    }
    return;
  case WM_NCPAINT:
    if (FCanScroll) DrawScrollButtons();
    return;
  case WM_TIMER:
    TCustomControl::WndProc(Message);
    if (Message.WParam == ScrollTimer && TimerMode != TimerIdle) ScrollStep(TimerMode == TimerTowardStart);
    if (Message.WParam == LeaveTimer) {
      TPoint P;
      if (!GetCursorPos(&P) || WindowFromPoint(P) != Handle()) {
        KillTimer(Handle(), LeaveTimer);
        MouseLeft();
      }
    }
    return;
  case WM_SKINPRINTNC:
    Message.Result = PrintScrollButtons(HDC(Message.WParam)) ? SkinNCPrinted : 0;
    return;
  case WM_SKINPRINTNCEX:
    if (Message.LParam != SkinPrintNCExKey) break;
    PrintScrollButtons(HDC(Message.WParam));
    Message.Result = SkinPrintNCExKey;
    return;
  default:
    if (FCanScroll && ScrollMessage(Message)) return;
    break;
  }
  TCustomControl::WndProc(Message);
}
