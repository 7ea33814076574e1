// The combo box's edit style: the edit part, its window procedure, typing and completion from the list,
// stepping through the items, and the edit part's font and colours following the skin, focus and hover.
#include <algorithm>
#include <memory>
#include <utility>

#include "platform/base/Clock.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/Text.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/boxctrls/TskCustomEdit.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/boxctrls/TskPopupListBox.h"
#include "skin/boxctrls/TskSkinCustomComboBox.h"
#include "skin/boxctrls/TskSkinNumEdit.h"
#include "skin/core/skUtils.h"

namespace {

constexpr DWORD CompletionGate = 200;
/// Key codes from "0" on produce text: their key-ups complete.
constexpr WPARAM FirstTextKey = 48;

constexpr TFontCharset ShiftJisCharset = 128;
constexpr TFontCharset Gb2312Charset = 134;
constexpr TFontCharset ChineseBig5Charset = 136;

bool IsCjkCharset(TFontCharset Charset) {
  return Charset == ShiftJisCharset || Charset == Gb2312Charset || Charset == ChineseBig5Charset;
}

}  // namespace

void TskSkinCustomComboBox::SetStyle(TskSkinCustomComboBoxStyle Value) {
  if (Value == FStyle && ComponentState().Contains(csDesigning)) return;
  FStyle = Value;
  if (Value == skcbEditStyle && !FEdit) {
    CreateEditControl();
    if (!ComponentState().Contains(csDesigning)) {
      FEdit->SetTabStop(TabStop());
      SetTabStop(false);
    }
    FEdit->SetText(Text());
    if (Focused() && FEdit->CanFocus()) FEdit->SetFocus();
  } else if (Value == skcbFixedStyle && FEdit) {
    FreeEdit();
  }
  CalcRects();
  PlaceEdit();
  RecreateWnd();
  Repaint();
}

void TskSkinCustomComboBox::CreateEditControl() {
  FEdit = FNumEdit ? new TskSkinNumEdit(this) : new TskCustomEdit(this);
  FEdit->SetParent(this);
  FEdit->SetColor(FDefaultColor);
  FEdit->SetAutoSize(false);
  FEdit->SetHideSelection(FHideSelection);
  FEdit->SetVisible(true);
  FEdit->OnChange = [this](TObject*) { EditChange(); };
  FEditWindowProc = FEdit->WindowProc();
  FEdit->SetWindowProc([this](TMessage& Message) { EditWndProc(Message); });
  FEdit->OnEditCancelMode = [this](TControl* Sender) {
    if (IsPopupVisible() && !IsListPart(Sender)) CloseUp(false);
  };
  FEdit->OnKeyDown = [this](TObject*, Word& Key, TShiftState Shift) {
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
  };
  FEdit->OnKeyPress = [this](TObject*, char32_t& Key) {
    if (OnKeyPress) OnKeyPress(this, Key);
  };
  FEdit->OnKeyUp = [this](TObject*, Word& Key, TShiftState Shift) {
    if (OnKeyUp) OnKeyUp(this, Key, Shift);
  };
  FEdit->SetCharCase(FCharCase);
  ApplyEditLook();
  PlaceEdit();
}

// The edit part's window procedure points back at this combo box: it goes before the combo box does.
void TskSkinCustomComboBox::FreeEdit() {
  if (!FEdit) return;
  FEdit->SetVisible(false);
  delete std::exchange(FEdit, nullptr);
  FEditWindowProc = nullptr;
}

void TskSkinCustomComboBox::SetCharCase(TEditCharCase Value) {
  FCharCase = Value;
  if (FEdit) FEdit->SetCharCase(Value);
}

void TskSkinCustomComboBox::SetDefaultColor(TColor Value) {
  TskSkinComboBase::SetDefaultColor(Value);
  if (FEdit && FIndex == -1) FEdit->SetColor(Value);
}

int TskSkinCustomComboBox::SelStart() const { return FEdit ? FEdit->SelStart() : 0; }
void TskSkinCustomComboBox::SetSelStart(int Value) {
  if (FEdit) FEdit->SetSelStart(Value);
}
int TskSkinCustomComboBox::SelLength() const { return FEdit ? FEdit->SelLength() : 0; }
void TskSkinCustomComboBox::SetSelLength(int Value) {
  if (FEdit) FEdit->SetSelLength(Value);
}

bool TskSkinCustomComboBox::FaceFocused() { return Focused() || (FEdit && FEdit->Focused()); }

void TskSkinCustomComboBox::Invalidate() {
  TskSkinComboBase::Invalidate();
  if (FEdit && FIndex != -1) FEdit->RePaintBuffered();
}

// ---- Look ----

bool TskSkinCustomComboBox::HasActiveLook() const { return FIndex != -1 && !IsEmptyRect(ActiveSkinRect); }

void TskSkinCustomComboBox::SetEditFontColor(TColor Value) {
  if (FEdit) FEdit->Font()->SetColor(Value);
}

void TskSkinCustomComboBox::ApplyEditLook() {
  if (!FEdit) return;
  TFont* F = FEdit->Font();
  const bool Skinned = FIndex != -1;
  if (Skinned && UseSkinFont()) {
    F->SetStyle(FontStyle);
    F->SetHeight(FontHeight);
    F->SetName(FontName);
    F->SetColor(FontColor);
  } else {
    F->Assign(DefaultFont());
    if (Skinned) F->SetColor(FontColor);
  }
  if (HasActiveLook() && (FEdit->Focused() || FMouseIn)) F->SetColor(ActiveFontColor);
  F->SetCharset(CurrentCharset());
  if (!Enabled()) F->SetColor(DisabledFontColor());
  // Over a skinned face the edit part shows only its text; without one it paints its own colour.
  FEdit->SetEditTransparent(Skinned);
}

void TskSkinCustomComboBox::PlaceEdit() {
  if (!FEdit) return;
  const HDC DC = CreateCompatibleDC(nullptr);
  SelectObject(DC, FEdit->Font()->Handle());
  TEXTMETRIC Metrics;
  GetTextMetrics(DC, Metrics);
  DeleteDC(DC);
  const int H = Metrics.tmHeight;
  FEdit->SetBounds(CBItem.R.Left, CBItem.R.Top + CBItem.R.Height() / 2 - H / 2, CBItem.R.Width(), H);
}

// ---- Typing, completion and steps ----

void TskSkinCustomComboBox::EditChange() {
  const std::weak_ptr<bool> Alive = LifeToken();
  FromEdit = true;
  const String Typed = FEdit->Text();
  const int Current = ItemIndex();
  // Text copied in from a selected item finds that item again, not an earlier one it begins.
  const bool IsCurrentItem = Current >= 0 && Current < Items()->Count() && Items()->Strings(Current) == Typed;
  if (!Typed.empty() && !IsCurrentItem) {
    const LRESULT Found = SendMessage(FListBox->ListBox->Handle(), LB_FINDSTRING, WPARAM(-1), LPARAM(Typed.c_str()));
    if (Found != LB_ERR) {
      if (FAutoComplete)
        FListBox->SetItemIndex(int(Found));
      else
        FListBox->SetTopIndex(int(Found));
    }
  }
  SetText(Typed);
  if (!Alive.expired()) FromEdit = false;
}

void TskSkinCustomComboBox::EditKeyUp(TMessage& Message) {
  const std::weak_ptr<bool> Alive = LifeToken();
  const WPARAM Key = Message.WParam;
  bool Completes = false;
  if (IsCjkCharset(CurrentCharset())) {
    if (Key != VK_DELETE && Key != VK_BACK) {
      // Only the tail the completion selected goes, and only after a character arrived (a key of the input
      // method's): a selection of the user's own, or a lone Shift's key-up, leaves the text alone.
      if (FCompleted.Typed && FCompleted.Length > 0 && FEdit->Text() == FCompleted.Text &&
          FEdit->SelStart() == FCompleted.Start && FEdit->SelLength() == FCompleted.Length)
        FEdit->ClearSelection();
      Completes = true;
    }
  } else {
    Completes = Message.Msg == WM_KEYUP && Key >= FirstTextKey;
  }
  FEditWindowProc(Message);
  if (Completes && FAutoComplete && !Alive.expired()) Complete();
}

void TskSkinCustomComboBox::Complete() {
  const DWORD Now = GetTickCount();
  if (Now - FLastTime <= CompletionGate) return;
  FLastTime = Now;
  const String Typed = Text();
  if (Typed.empty()) return;
  const bool Single = CodePointCount(Typed) == 1;
  const LRESULT Found = SendMessage(FListBox->ListBox->Handle(), LB_FINDSTRING, WPARAM(Single ? ItemIndex() : -1),
                                    LPARAM(Typed.c_str()));
  if (Found == LB_ERR) return;
  const std::weak_ptr<bool> Alive = LifeToken();
  SetItemIndex(int(Found));
  if (Alive.expired() || !FEdit) return;
  const int TypedLength = int(CodePointCount(Typed));
  SetSelStart(TypedLength);
  SetSelLength(int(CodePointCount(Text())) - TypedLength);
  FCompleted = { SelStart(), SelLength(), FEdit->Text(), false };
}

void TskSkinCustomComboBox::StepItem(int Delta, bool Fire) {
  const int Index = ItemIndex();
  if (Delta < 0 ? Index <= 0 : Index >= Items()->Count() - 1) return;
  FListBox->SetItemIndex(Index + Delta);
  if (!Fire) return;
  const std::weak_ptr<bool> Alive = LifeToken();
  SetText(Items()->Strings(Index + Delta));
  if (Alive.expired()) return;
  if (FEdit) FEdit->SelectAll();
  if (OnClick) OnClick(this);
}

void TskSkinCustomComboBox::EditWndProc(TMessage& Message) {
  const std::weak_ptr<bool> Alive = LifeToken();
  switch (Message.Msg) {
  case WM_SETFOCUS:
    if (HasActiveLook()) {
      SetEditFontColor(ActiveFontColor);
      Invalidate();
    }
    break;
  case WM_KILLFOCUS:
    if (IsPopupVisible()) CloseUp(false);
    if (HasActiveLook()) {
      SetEditFontColor(FontColor);
      Invalidate();
    }
    break;
  case WM_KEYDOWN:
    switch (Message.WParam) {
    case VK_RETURN:
    case VK_ESCAPE: CloseOnKey(Message.WParam); break;
    case VK_PRIOR:
      if (IsPopupVisible()) FListBox->SetItemIndex(std::max(0, ItemIndex() - FDropDownCount - 1));
      break;
    case VK_NEXT:
      if (IsPopupVisible()) FListBox->SetItemIndex(std::min(Items()->Count() - 1, ItemIndex() + FDropDownCount - 1));
      break;
    case VK_UP: StepItem(-1, true); return;
    case VK_DOWN: StepItem(1, true); return;
    default: break;
    }
    break;
  case WM_CHAR:
    if (Message.WParam >= 32) FCompleted.Typed = true;
    break;
  case WM_KEYUP:
  case WM_SYSKEYUP: EditKeyUp(Message); return;
  case WM_LBUTTONDOWN:
  case WM_RBUTTONDOWN:
    if (IsPopupVisible()) CloseUp(false);
    break;
  case WM_MOUSEWHEEL: StepItem(int16_t(HIWORD(Message.WParam)) > 0 ? -1 : 1, !IsPopupVisible()); break;
  default: break;
  }
  if (!Alive.expired() && FEditWindowProc) FEditWindowProc(Message);
}
