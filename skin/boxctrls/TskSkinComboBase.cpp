#include "skin/boxctrls/TskSkinComboBase.h"

#include "platform/ui/winsys/Ui.h"
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
  if (Message.Msg == WM_ERASEBKGND) {
    if (!FromWMPaint && Message.WParam) PaintWindow(reinterpret_cast<HDC>(Message.WParam));
    Message.Result = 1;
    return;
  }
  TskSkinCustomControl::Dispatch(Message);
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
