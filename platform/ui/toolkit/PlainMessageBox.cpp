#include "platform/ui/toolkit/PlainMessageBox.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/ShortCuts.h"
#include "platform/ui/toolkit/TCustomControl.h"
#include "platform/ui/toolkit/TCustomForm.h"
#include "platform/ui/toolkit/TGraphicControl.h"
#include "platform/ui/toolkit/TLabel.h"
#include "platform/ui/winsys/VirtualKeys.h"

namespace {

constexpr int Margin = 12;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 23;
constexpr int ButtonGap = 6;
constexpr int MaxTextWidth = 400;
constexpr int IconSize = 32;

bool NoModifiers(LPARAM KeyData) {
  const TShiftState Shift = KeyDataToShiftState(KeyData);
  return !Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt);
}

/// A button of the box: its component name, its caption and the answer it gives.
struct ButtonSpec {
  const char* Name;
  const char* Caption;
  int Result;
};

/// A push button of the box. Enter presses the focused button, or the default one while the focus is on
/// no button; Esc presses the cancel button; its accelerator presses it too.
class TBoxButton : public TCustomControl {
public:
  TBoxButton(TComponent* AOwner, const ButtonSpec& ASpec, bool ADefault, bool ACancel)
      : TCustomControl(AOwner), FResult(ASpec.Result), FDefault(ADefault), FCancel(ACancel), FActive(ADefault) {
    SetName(ASpec.Name);
    SetCaption(ASpec.Caption);
    SetTabStop(true);
    SetColor(clBtnFace);
  }

protected:
  void Click() override {
    if (TCustomForm* Form = GetParentForm(this)) Form->SetModalResult(FResult);
  }

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    if (Button == mbLeft) {
      if (CanFocus()) SetFocus();
      FPressed = true;
      Invalidate();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
  }

  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    if (Button == mbLeft) {
      FPressed = false;
      Invalidate();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
  }

  void KeyUp(Word& Key, TShiftState Shift) override {
    TCustomControl::KeyUp(Key, Shift);
    if (Key == VK_SPACE) Click();
  }

  void Paint() override {
    TCanvas* C = Canvas();
    TRect R = ClientRect();
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(R);
    if (FActive) {
      C->Brush()->SetColor(clWindowFrame);
      C->FrameRect(R);
      R = Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
    }
    DrawEdge(C->Handle(), R, FPressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    C->Font()->Assign(Font());
    C->Brush()->SetStyle(bsClear);
    TRect Text = R;
    const String Label = Caption();
    DrawText(C->Handle(), Label, Text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (Focused()) C->DrawFocusRect(Rect(R.Left + 3, R.Top + 3, R.Right - 3, R.Bottom - 3));
  }

  void Dispatch(TMessage& Message) override {
    switch (Message.Msg) {
    case CM_DIALOGKEY:
      if (((Message.WParam == VK_RETURN && FActive) || (Message.WParam == VK_ESCAPE && FCancel)) &&
          NoModifiers(Message.LParam) && CanFocus()) {
        Click();
        Message.Result = 1;
      }
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(char32_t(Message.WParam), Caption()) && CanFocus()) {
        Click();
        Message.Result = 1;
      }
      return;
    case CM_FOCUSCHANGED: {
      auto* Focus = reinterpret_cast<TControl*>(Message.LParam);
      FActive = Focus == this || (FDefault && !dynamic_cast<TBoxButton*>(Focus));
      Invalidate();
      return;
    }
    case WM_GETDLGCODE: Message.Result = DLGC_BUTTON | (FActive ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON); return;
    case CM_ENTER:
    case CM_EXIT: Invalidate(); break;
    }
    TCustomControl::Dispatch(Message);
  }

private:
  int FResult;
  bool FDefault;
  bool FCancel;
  bool FActive;
  bool FPressed { false };
};

/// The standard icon the flags ask for, 0 for none.
uintptr_t IconNameOf(UINT Flags) {
  switch (Flags & 0xF0) {
  case MB_ICONHAND: return IDI_HAND;
  case MB_ICONQUESTION: return IDI_QUESTION;
  case MB_ICONEXCLAMATION: return IDI_EXCLAMATION;
  case MB_ICONASTERISK: return IDI_ASTERISK;
  default: return 0;
  }
}

/// The box's standard icon, drawn at its standard size.
class TBoxIcon : public TGraphicControl {
public:
  TBoxIcon(TComponent* AOwner, HICON AIcon) : TGraphicControl(AOwner), FIcon(AIcon) { SetName("Icon"); }

protected:
  void Paint() override { DrawIconEx(Canvas()->Handle(), 0, 0, FIcon, IconSize, IconSize, 0, nullptr, DI_NORMAL); }

private:
  HICON FIcon;
};

std::vector<ButtonSpec> ButtonsOf(UINT Flags) {
  switch (Flags & 0xF) {
  case MB_OKCANCEL: return { { "OK", "OK", IDOK }, { "Cancel", "Cancel", IDCANCEL } };
  case MB_ABORTRETRYIGNORE:
    return { { "Abort", "&Abort", IDABORT }, { "Retry", "&Retry", IDRETRY }, { "Ignore", "&Ignore", IDIGNORE } };
  case MB_YESNOCANCEL: return { { "Yes", "&Yes", IDYES }, { "No", "&No", IDNO }, { "Cancel", "Cancel", IDCANCEL } };
  case MB_YESNO: return { { "Yes", "&Yes", IDYES }, { "No", "&No", IDNO } };
  case MB_RETRYCANCEL: return { { "Retry", "&Retry", IDRETRY }, { "Cancel", "Cancel", IDCANCEL } };
  default: return { { "OK", "OK", IDOK } };
  }
}

/// The box: the standard icon the flags ask for at the top left, the text (a label) beside it, the
/// buttons centred below them.
class TBoxForm : public TCustomForm {
public:
  TBoxForm(const String& AText, const String& ACaption, UINT Flags) : TCustomForm(nullptr) {
    SetName("MessageBox");
    SetCaption(ACaption);
    SetBorderStyle(bsDialog);
    SetBorderIcons({ biSystemMenu });
    SetPosition(poMainFormCenter);
    int TextLeft = Margin;
    if (const HICON Icon = LoadIcon(0, IconNameOf(Flags))) {
      auto* Picture = new TBoxIcon(this, Icon);
      Picture->SetBounds(Margin, Margin, IconSize, IconSize);
      Picture->SetParent(this);
      TextLeft += IconSize + Margin;
    }
    auto* Text = new TLabel(this);
    Text->SetName("Message");
    Text->SetShowAccelChar(false);
    Text->SetWordWrap(true);
    Text->SetBounds(TextLeft, Margin, MaxTextWidth, 0);
    Text->SetCaption(AText);
    Text->SetParent(this);
    const std::vector<ButtonSpec> Specs = ButtonsOf(Flags);
    const int Count = int(Specs.size());
    const int DefaultIndex = std::min(int((Flags >> 8) & 0xF), Count - 1);
    for (const ButtonSpec& S : Specs)
      if (S.Result == IDCANCEL || (Count == 1 && S.Result == IDOK)) FEscapeResult = S.Result;
    const int ButtonsWidth = Count * ButtonWidth + (Count - 1) * ButtonGap;
    const int ClientW = std::max(TextLeft + Text->Width() + Margin, ButtonsWidth + 2 * Margin);
    const int ButtonTop = std::max(Text->Top() + Text->Height(), TextLeft > Margin ? Margin + IconSize : 0) + Margin;
    SetClientWidth(ClientW);
    SetClientHeight(ButtonTop + ButtonHeight + Margin);
    for (int I = 0; I < Count; ++I) {
      auto* B = new TBoxButton(this, Specs[size_t(I)], I == DefaultIndex, Specs[size_t(I)].Result == FEscapeResult);
      B->SetBounds((ClientW - ButtonsWidth) / 2 + I * (ButtonWidth + ButtonGap), ButtonTop, ButtonWidth, ButtonHeight);
      B->SetParent(this);
      if (I == DefaultIndex) SetActiveControl(B);
    }
  }

protected:
  // The close box and Alt+F4 answer like Esc; a box without a way out keeps open.
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_CLOSE) {
      if (FEscapeResult) SetModalResult(FEscapeResult);
      Message.Result = 0;
      return;
    }
    TCustomForm::Dispatch(Message);
  }

private:
  int FEscapeResult { 0 };
};

}  // namespace

int ShowPlainMessageBox(const String& Text, const String& Caption, UINT Flags) {
  const std::unique_ptr<TBoxForm> Box(new TBoxForm(Text, Caption, Flags));
  return Box->ShowModal();
}
