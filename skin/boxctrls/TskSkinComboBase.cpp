#include "skin/boxctrls/TskSkinComboBase.h"

#include <memory>

#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skDataSkinListControls.h"
#include "skin/core/skUtils.h"

namespace {

constexpr UINT AutoScrollInterval = 25;
constexpr int BuiltInButtonWidth = 19;

}  // namespace

void TskSkinComboBase::SetDefaultColor(TColor Value) {
  FDefaultColor = Value;
  if (FIndex == -1) Invalidate();
}

void TskSkinComboBase::SetToolButtonStyle(bool Value) {
  if (FToolButtonStyle == Value) return;
  FToolButtonStyle = Value;
  if (Value) FUseSkinSize = false;
  Repaint();
}

bool TskSkinComboBase::IsPopupVisible() const {
  const TControl* List = DropDownList();
  return List && List->Visible();
}

bool TskSkinComboBase::Loading() const {
  return ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning);
}

void TskSkinComboBase::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_ERASEBKGND:
    if (!FromWMPaint && Message.WParam) PaintWindow(reinterpret_cast<HDC>(Message.WParam));
    Message.Result = 1;
    return;
  case CM_WANTSPECIALKEY:
    if (Message.WParam == VK_UP || Message.WParam == VK_DOWN || Message.WParam == VK_LEFT ||
        Message.WParam == VK_RIGHT) {
      Message.Result = 1;
      return;
    }
    break;
  case WM_TIMER:
    if (Message.WParam == AutoScrollTimer) AutoScrollTick();
    return;
  case CM_CANCELMODE:
    if (IsPopupVisible() && !IsListPart(reinterpret_cast<TControl*>(Message.LParam))) CloseUp(false);
    return;
  default: break;
  }
  TskSkinCustomControl::Dispatch(Message);
}

void TskSkinComboBase::TrackMouseIn(bool In) {
  FMouseIn = In;
  if (FMouseIn || !Button.MouseIn) return;
  Button.MouseIn = false;
  Repaint();
}

void TskSkinComboBase::FilterListWindow(TWinControl* Window) {
  FListWindow = Window;
  FListWindowProc = Window->WindowProc();
  Window->SetWindowProc([this](TMessage& Message) { ListFilter(Message); });
}

void TskSkinComboBase::ListFilter(TMessage& Message) {
  switch (Message.Msg) {
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK:
    FLBDown = true;
    WasInLB = true;
    SetCapture(Handle());
    return;
  case WM_LBUTTONUP:
  case WM_RBUTTONDOWN:
  case WM_RBUTTONUP:
  case WM_MBUTTONDOWN:
  case WM_MBUTTONUP: return;
  case WM_MOUSEACTIVATE:
    FListWindowProc(Message);
    Message.Result = MA_NOACTIVATE;
    return;
  default: FListWindowProc(Message);
  }
}

TFont* TskSkinComboBase::ListBoxDefaultFont() const { return DropDownList()->DefaultFont(); }
void TskSkinComboBase::SetListBoxDefaultFont(TFont* Value) { DropDownList()->SetDefaultFont(Value); }
bool TskSkinComboBase::ListBoxUseSkinFont() const { return DropDownList()->UseSkinFont(); }
void TskSkinComboBase::SetListBoxUseSkinFont(bool Value) { DropDownList()->SetUseSkinFont(Value); }

bool TskSkinComboBase::ClickAndChange() {
  const std::weak_ptr<bool> Alive = LifeToken();
  if (OnClick) OnClick(this);
  if (Alive.expired()) return false;
  Change();
  return !Alive.expired();
}

void TskSkinComboBase::CloseOnKey(WPARAM Key) {
  if (!IsPopupVisible()) return;
  if (Key == VK_RETURN) CloseUp(true);
  if (Key == VK_ESCAPE) CloseUp(false);
}

int TskSkinComboBase::ShownItemOf(int Selected, int Count) const {
  const int Index = IsPopupVisible() ? FOldItemIndex : Selected;
  return Index >= 0 && Index < Count ? Index : -1;
}

void TskSkinComboBase::MouseDown(TMouseButton AButton, TShiftState Shift, int X, int Y) {
  TskSkinCustomControl::MouseDown(AButton, Shift, X, Y);
  if (FocusOnPress() && !Focused() && CanFocus()) SetFocus();
  if (AButton != mbLeft) return;
  if (Button.MouseIn || FToolButtonStyle || (ItemAreaOpens() && CBItem.R.Contains({ X, Y }))) {
    Button.Down = true;
    Repaint();
    if (!IsPopupVisible()) {
      WasInLB = false;
      FLBDown = true;
      DropDown();
    } else {
      CloseUp(false);
    }
  } else if (IsPopupVisible()) {
    CloseUp(false);
  }
}

void TskSkinComboBase::TrackButtonHover(int X, int Y) {
  const bool In = Button.R.Contains({ X, Y });
  if (In == Button.MouseIn) return;
  Button.MouseIn = In;
  Repaint();
}

bool TskSkinComboBase::TrackListPointer(TWinControl* Rows, bool CanScroll, TPoint& P) {
  GetCursorPos(&P);
  P = Rows->ScreenToClient(P);
  if (P.Y < 0 && CanScroll && WasInLB) {
    SetTimerMode(1);
  } else if (P.Y > Rows->Height() && CanScroll && WasInLB) {
    SetTimerMode(2);
  } else if (P.Y >= 0 && P.Y <= Rows->Height()) {
    StopAutoScroll();
    return true;
  }
  return false;
}

void TskSkinComboBase::MouseUp(TMouseButton AButton, TShiftState Shift, int X, int Y) {
  if (FLBDown && WasInLB) {
    ReleaseCapture();
    FLBDown = false;
    TPoint P;
    GetCursorPos(&P);
    const std::weak_ptr<bool> Alive = LifeToken();
    CloseUp(FListWindow && WindowFromPoint(P) == FListWindow->Handle());
    if (Alive.expired()) return;
  } else {
    FLBDown = false;
  }
  TskSkinCustomControl::MouseUp(AButton, Shift, X, Y);
  if (Button.Down) {
    Button.Down = false;
    Repaint();
  }
}

void TskSkinComboBase::DefaultFontChange() { Font()->Assign(DefaultFont()); }

void TskSkinComboBase::GetSkinData() {
  TskSkinCustomControl::GetSkinData();
  const auto* R = dynamic_cast<const TskDataSkinComboBox*>(SkinRecord());
  if (!R) return;
  ActiveSkinRect = R->ActiveSkinRect;
  ActiveFontColor = R->ActiveFontColor;
  FontName = R->FontName;
  FontStyle = R->FontStyle;
  FontHeight = R->FontHeight;
  SItemRect = R->SItemRect;
  FocusItemRect = IsEmptyRect(R->FocusItemRect) ? R->SItemRect : R->FocusItemRect;
  ActiveItemRect = R->ActiveItemRect;
  ItemLeftOffset = R->ItemLeftOffset;
  ItemRightOffset = R->ItemRightOffset;
  ItemTextRect = R->ItemTextRect;
  FontColor = R->FontColor;
  FocusFontColor = R->FocusFontColor;
  ButtonRect = R->ButtonRect;
  ActiveButtonRect = R->ActiveButtonRect;
  DownButtonRect = R->DownButtonRect;
  UnEnabledButtonRect = R->UnEnabledButtonRect;
  ListBoxName = R->ListBoxName;
  ItemStretchEffect = R->ItemStretchEffect;
  FocusItemStretchEffect = R->FocusItemStretchEffect;
  ShowFocus = R->ShowFocus;
}

void TskSkinComboBase::CalcRects() {
  if (FIndex == -1 || FToolButtonStyle) {
    Button.R = Rect(FWidth - BuiltInButtonWidth, 0, FWidth, FHeight);
    CBItem.R = Rect(2, 2, Button.R.Left - 1, FHeight - 2);
    return;
  }
  const int DX = FWidth - SkinRect.Width();
  Button.R = ButtonRect;
  if (ButtonRect.Left >= SkinRect.Width() - RTPt.X) Button.R = Button.R.Offset(DX, 0);
  CBItem.R = ClRect;
  CBItem.R.Right += DX;
  if (!FUseSkinSize) {
    const int DY = FHeight - SkinRect.Height();
    Button.R.Bottom += DY;
    CBItem.R.Bottom += DY;
  }
}

void TskSkinComboBase::CalcSize(int& W, int& H) {
  if (FUseSkinSize) TskSkinCustomControl::CalcSize(W, H);
}

void TskSkinComboBase::SetControlRegion() {
  if (FUseSkinSize) TskSkinCustomControl::SetControlRegion();
}

TFontCharset TskSkinComboBase::CurrentCharset() {
  return SkinData() && SkinData()->ResourceStrData() ? SkinData()->ResourceStrData()->CharSet()
                                                     : DefaultFont()->Charset();
}

TColor TskSkinComboBase::DisabledFontColor() {
  if (FIndex != -1 && SkinData()) {
    const int Index = SkinData()->GetControlIndex("edit");
    if (Index != -1)
      if (auto* Edit = dynamic_cast<TskDataSkinEditControl*>(SkinData()->CtrlList[Index].get()))
        return Edit->DisabledFontColor;
  }
  return clGrayText;
}

void TskSkinComboBase::SetTimerMode(int Mode) {
  if (TimerMode == Mode) return;
  TimerMode = Mode;
  KillTimer(Handle(), AutoScrollTimer);
  SetTimer(Handle(), AutoScrollTimer, AutoScrollInterval);
}

void TskSkinComboBase::StopAutoScroll() {
  if (TimerMode == 0) return;
  TimerMode = 0;
  if (HandleAllocated()) KillTimer(Handle(), AutoScrollTimer);
}
