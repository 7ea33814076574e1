#include "skin/boxctrls/TskSkinCustomComboBox.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "platform/base/Clock.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/boxctrls/TskCustomEdit.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/boxctrls/TskPopupListBox.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/core/skUtils.h"

namespace {

constexpr DWORD SearchReset = 500;

}  // namespace

TskSkinCustomComboBox::TskSkinCustomComboBox(TComponent* AOwner) : TskSkinComboBase(AOwner) {
  SetTabStop(true);
  FControlStyle = { csAcceptsControls, csCaptureMouse, csOpaque, csDoubleClicks, csReplicatable };
  Font()->SetName("Tahoma");
  Font()->SetColor(clWindowText);
  Font()->SetHeight(13);
  FWidth = 120;
  FHeight = 20;
  SetSkinDataName("combobox");
  FListBox = new TskPopupListBox(this);
  FListBox->SetVisible(false);
  FListBox->SetParent(this);
  TskListBox* Inner = FListBox->ListBox;
  Inner->SetTabStop(false);
  Inner->OnMouseMove = [this](TObject* Sender, TShiftState Shift, int X, int Y) { ListMouseMove(Sender, Shift, X, Y); };
  FilterListWindow(Inner);
  FListBox->OnCheckButtonClick = [this](TObject*) { CloseUp(true); };
  CalcRects();
}

TskSkinCustomComboBox::~TskSkinCustomComboBox() {
  StopAutoScroll();
  FreeEdit();
  delete std::exchange(FListBox, nullptr);
}

TStrings* TskSkinCustomComboBox::Items() const { return FListBox->Items(); }
void TskSkinCustomComboBox::SetItems(TStrings* Value) { FListBox->Items()->Assign(Value); }
int TskSkinCustomComboBox::ItemIndex() const { return FListBox->ItemIndex(); }

// Nothing is cached across the events: their handlers may clear and refill this combo box.
// A handler may also free it: the life token ends the work there.
void TskSkinCustomComboBox::SetItemIndex(int Value) {
  const std::weak_ptr<bool> Alive = LifeToken();
  FListBox->SetItemIndex(Value);
  const int Index = FListBox->ItemIndex();
  if (Items()->Count() > 0 && Index != -1) SetText(Items()->Strings(Index));
  if (Alive.expired()) return;
  FOldItemIndex = FListBox->ItemIndex();
  if (!FEdit) Repaint();
  if (Loading()) return;
  ClickAndChange();
}

void TskSkinCustomComboBox::SetDropDownCount(int Value) {
  if (Value >= 1) FDropDownCount = Value;
}

void TskSkinCustomComboBox::SetToolButtonStyle(bool Value) {
  if (Value && !FToolButtonStyle && FStyle != skcbFixedStyle) SetStyle(skcbFixedStyle);
  TskSkinComboBase::SetToolButtonStyle(Value);
}

TskSkinCustomControl* TskSkinCustomComboBox::DropDownList() const { return FListBox; }

// ---- Skin ----

void TskSkinCustomComboBox::ChangeSkinData() {
  TskSkinComboBase::ChangeSkinData();
  CalcRects();
  ApplyEditLook();
  Repaint();
  FListBox->SetSkinDataName(FIndex != -1 ? ListBoxName : String());
  FListBox->SetSkinData(SkinData());
  FListBox->UpDateScrollBar();
  CalcRects();
  PlaceEdit();
  if (FEdit && FIndex != -1) {
    int W = FWidth, H = FHeight;
    CalcSize(W, H);
    if (W != FWidth || H != FHeight) SetBounds(Left(), Top(), W, H);
  }
}

// ---- Opening and closing ----

void TskSkinCustomComboBox::DropDown() {
  if (Items()->Count() == 0) return;
  WasInLB = false;
  StopAutoScroll();
  if (OnDropDown) OnDropDown(this);
  if (Items()->Count() == 0) return;
  FListBox->SetWidth(FListBoxWidth > 0 ? FListBoxWidth : FWidth);
  FListBox->SetRowCount(std::min(Items()->Count(), FDropDownCount));
  TPoint P = ClientToScreen({ 0, FHeight });
  TRect WorkArea;
  GetMonitorWorkArea(Handle(), true, WorkArea);
  if (P.Y + FListBox->Height() > WorkArea.Bottom) P.Y = P.Y - FHeight - FListBox->Height();
  if (FEdit && FEdit->CanFocus()) FEdit->SetFocus();
  FOldItemIndex = FListBox->ItemIndex();
  if (FListBox->ItemIndex() == 0 && Items()->Count() >= 2) {
    FListBox->SetItemIndex(1);
    FListBox->SetItemIndex(0);
  }
  FDropDown = true;
  if (FToolButtonStyle) Repaint();
  FListBox->SetTopIndex(FListBox->ItemIndex());
  FListBox->SetSkinData(SkinData());
  FListBox->Show(P);
}

void TskSkinCustomComboBox::CloseUp(bool Value) {
  StopAutoScroll();
  if (!IsPopupVisible()) return;
  FListBox->Hide();
  const int Index = FListBox->ItemIndex();
  if (Index < 0) {
    FListBox->SetItemIndex(FOldItemIndex);
  } else if (Index < Items()->Count() && Value) {
    const std::weak_ptr<bool> Alive = LifeToken();
    FOldItemIndex = Index;
    if (FEdit) {
      FEdit->SetText(Items()->Strings(Index));
      if (Alive.expired()) return;
      if (FEdit) FEdit->SelectAll();
    } else {
      SetText(Items()->Strings(Index));
      if (Alive.expired()) return;
      Repaint();
    }
    if (!ClickAndChange()) return;
  } else {
    FListBox->SetItemIndex(FOldItemIndex);
  }
  FDropDown = false;
  Repaint();
  // A combo box closed by its own destruction tells its user nothing.
  if (OnCloseUp && !ComponentState().Contains(csDestroying)) OnCloseUp(this);
}

// ---- Mouse ----

bool TskSkinCustomComboBox::FocusOnPress() const { return !FEdit; }

bool TskSkinCustomComboBox::ItemAreaOpens() const { return FStyle == skcbFixedStyle; }

void TskSkinCustomComboBox::MouseMove(TShiftState Shift, int X, int Y) {
  if (FLBDown)
    TrackDrag();
  else
    TrackButtonHover(X, Y);
  TskSkinComboBase::MouseMove(Shift, X, Y);
}

void TskSkinCustomComboBox::ListMouseMove(TObject*, TShiftState, int X, int Y) {
  const int Index = FListBox->ListBox->ItemAtPos({ X, Y }, true);
  if (Index != -1) FListBox->SetItemIndex(Index);
}

void TskSkinCustomComboBox::TrackDrag() {
  if (!IsPopupVisible()) return;
  TskListBox* Inner = FListBox->ListBox;
  TPoint P;
  if (!TrackListPointer(Inner, FListBox->ScrollBar != nullptr, P)) return;
  Inner->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(1, Word(P.Y)));
  WasInLB = true;
}

void TskSkinCustomComboBox::AutoScrollTick() {
  if (TimerMode == 1) MoveHighlight(-1);
  if (TimerMode == 2) MoveHighlight(1);
}

void TskSkinCustomComboBox::MoveHighlight(int Delta) {
  const int Index = FListBox->ItemIndex();
  if ((Delta < 0 && Index > 0) || (Delta > 0 && Index < Items()->Count() - 1)) FListBox->SetItemIndex(Index + Delta);
}

bool TskSkinCustomComboBox::IsListPart(TControl* Control) const {
  return Control == this || Control == FListBox || (Control && Control == FListBox->ScrollBar) ||
         (Control && Control == FListBox->HScrollBar) || Control == FListBox->ListBox;
}

// ---- Keys ----

void TskSkinCustomComboBox::KeyDown(Word& Key, TShiftState Shift) {
  TskSkinComboBase::KeyDown(Key, Shift);
  const bool Alt = Shift.Contains(ssAlt);
  const int Index = ItemIndex();
  const int Count = Items()->Count();
  switch (Key) {
  case VK_RETURN:
  case VK_ESCAPE: CloseOnKey(Key); break;
  case VK_PRIOR: SetItemIndex(std::max(0, Index - FDropDownCount - 1)); break;
  case VK_NEXT: SetItemIndex(std::min(Count - 1, Index + FDropDownCount - 1)); break;
  case VK_UP:
  case VK_LEFT:
    if (Alt) {
      if (IsPopupVisible()) CloseUp(false);
    } else if (Index > 0) {
      SetItemIndex(Index - 1);
    }
    break;
  case VK_DOWN:
  case VK_RIGHT:
    if (Alt) {
      if (!IsPopupVisible()) DropDown();
    } else if (Index < Count - 1) {
      SetItemIndex(Index + 1);
    }
    break;
  default: break;
  }
}

void TskSkinCustomComboBox::KeyPress(char32_t& Key) {
  TskSkinComboBase::KeyPress(Key);
  if (FStyle != skcbFixedStyle || Key < 32) return;
  const String Typed = CodePointToUtf8(Key);
  String Search = Typed;
  if (FAutoComplete) {
    const DWORD Now = GetTickCount();
    if (Now - FLastTime >= SearchReset) FFilter.clear();
    FLastTime = Now;
    FFilter += Typed;
    Search = FFilter;
  }
  const bool Single = CodePointCount(Search) == 1;
  const LRESULT Found = SendMessage(FListBox->ListBox->Handle(), LB_FINDSTRING,
                                    WPARAM(Single ? ItemIndex() : -1), LPARAM(Search.c_str()));
  if (Found != LB_ERR) SetItemIndex(int(Found));
}

// ---- Messages ----

void TskSkinCustomComboBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case CM_TEXTCHANGED: {
    TskSkinComboBase::Dispatch(Message);
    const std::weak_ptr<bool> Alive = LifeToken();
    const bool Typed = FromEdit;
    if (FEdit && !Typed) FEdit->SetText(Text());
    if (Alive.expired()) return;
    if (OnChange) OnChange(this);
    if (Typed && !Alive.expired()) Change();
    return;
  }
  case WM_SETFOCUS:
    if (FEdit) {
      if (FEdit->CanFocus()) FEdit->SetFocus();
      if (HasActiveLook()) {
        SetEditFontColor(ActiveFontColor);
        Invalidate();
      }
      return;
    }
    TskSkinComboBase::Dispatch(Message);
    Repaint();
    return;
  case WM_KILLFOCUS:
    TskSkinComboBase::Dispatch(Message);
    if (IsPopupVisible() && !FEdit) CloseUp(false);
    Repaint();
    if (FEdit && HasActiveLook()) {
      SetEditFontColor(FontColor);
      Invalidate();
    }
    return;
  case WM_SIZE:
    TskSkinComboBase::Dispatch(Message);
    CalcRects();
    PlaceEdit();
    return;
  case WM_MOUSEWHEEL: {
    if (FEdit) break;
    const int Delta = int16_t(HIWORD(Message.WParam));
    if (IsPopupVisible())
      MoveHighlight(Delta > 0 ? -1 : 1);
    else if (Delta > 0 && ItemIndex() > 0)
      SetItemIndex(ItemIndex() - 1);
    else if (Delta <= 0 && ItemIndex() < Items()->Count() - 1)
      SetItemIndex(ItemIndex() + 1);
    Message.Result = 1;
    return;
  }
  case CM_MOUSEENTER:
  case CM_MOUSELEAVE:
    TskSkinComboBase::Dispatch(Message);
    TrackMouseIn(Message.Msg == CM_MOUSEENTER);
    if (FEdit && HasActiveLook() && !FEdit->Focused()) SetEditFontColor(FMouseIn ? ActiveFontColor : FontColor);
    if ((FIndex != -1 && !IsEmptyRect(ActiveSkinRect)) || FToolButtonStyle) Invalidate();
    return;
  case CM_ENABLEDCHANGED:
    TskSkinComboBase::Dispatch(Message);
    SetEditFontColor(!Enabled() ? DisabledFontColor() : FIndex == -1 ? DefaultFont()->Color() : FontColor);
    Repaint();
    return;
  default: break;
  }
  TskSkinComboBase::Dispatch(Message);
}
