#include "skin/boxctrls/TskSkinCustomOfficeComboBox.h"

#include <memory>
#include <utility>

#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/boxctrls/TskPopupOfficeListBox.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/core/skUtils.h"

TskSkinCustomOfficeComboBox::TskSkinCustomOfficeComboBox(TComponent* AOwner) : TskSkinComboBase(AOwner) {
  FControlStyle = { csAcceptsControls, csCaptureMouse, csOpaque, csDoubleClicks, csReplicatable };
  FListBox = new TskPopupOfficeListBox(this);
  SetTabStop(true);
  Font()->SetName("Tahoma");
  Font()->SetColor(clWindowText);
  Font()->SetStyle({});
  Font()->SetHeight(13);
  FWidth = 120;
  FHeight = 41;
  FilterListWindow(FListBox);
  FListBox->SetVisible(false);
  FListBox->SetMouseMoveChangeIndex(true);
  if (!ComponentState().Contains(csDesigning)) FListBox->SetParent(this);
  CalcRects();
  SetSkinDataName("combobox");
  FUseSkinSize = false;
}

TskSkinCustomOfficeComboBox::~TskSkinCustomOfficeComboBox() {
  StopAutoScroll();
  delete std::exchange(FListBox, nullptr);
}

TskSkinCustomControl* TskSkinCustomOfficeComboBox::DropDownList() const { return FListBox; }

// ---- Properties ----

TskSkinOfficeItems* TskSkinCustomOfficeComboBox::Items() const { return FListBox->Items(); }
void TskSkinCustomOfficeComboBox::SetItems(TskSkinOfficeItems* Value) { FListBox->SetItems(Value); }
int TskSkinCustomOfficeComboBox::ItemIndex() const { return FListBox->ItemIndex(); }

// Nothing is cached across the events: their handlers may clear and refill this combo box.
// A handler may also free it: the life token ends the work there.
void TskSkinCustomOfficeComboBox::SetItemIndex(int Value) {
  const std::weak_ptr<bool> Alive = LifeToken();
  FListBox->SetItemIndex(Value);
  if (Alive.expired()) return;
  FOldItemIndex = FListBox->ItemIndex();
  Repaint();
  if (Loading()) return;
  ClickAndChange();
}

void TskSkinCustomOfficeComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TskSkinCustomOfficeComboBox::SetDropDownCount(int Value) {
  if (Value >= 0) FDropDownCount = Value;
}

TCustomImageList* TskSkinCustomOfficeComboBox::Images() const { return FListBox->Images(); }

void TskSkinCustomOfficeComboBox::SetImages(TCustomImageList* Value) {
  if (Images()) Images()->RemoveFreeNotification(this);
  FListBox->SetImages(Value);
  if (Value) Value->FreeNotification(this);
}

void TskSkinCustomOfficeComboBox::Notification(TComponent* AComponent, TOperation Operation) {
  TskSkinComboBase::Notification(AComponent, Operation);
  if (Operation == opRemove && FListBox && AComponent == Images()) FListBox->SetImages(nullptr);
}

void TskSkinCustomOfficeComboBox::SetShowItemTitle(bool Value) {
  if (FShowItemTitle == Value) return;
  FShowItemTitle = Value;
  Repaint();
}

void TskSkinCustomOfficeComboBox::SetShowItemImage(bool Value) {
  if (FShowItemImage == Value) return;
  FShowItemImage = Value;
  Repaint();
}

void TskSkinCustomOfficeComboBox::SetShowItemText(bool Value) {
  if (FShowItemText == Value) return;
  FShowItemText = Value;
  Repaint();
}

bool TskSkinCustomOfficeComboBox::ListBoxHeaderLeftAlignment() const { return FListBox->HeaderLeftAlignment(); }
void TskSkinCustomOfficeComboBox::SetListBoxHeaderLeftAlignment(bool Value) { FListBox->SetHeaderLeftAlignment(Value); }
bool TskSkinCustomOfficeComboBox::ListBoxShowItemTitles() const { return FListBox->ShowItemTitles(); }
void TskSkinCustomOfficeComboBox::SetListBoxShowItemTitles(bool Value) { FListBox->SetShowItemTitles(Value); }
String TskSkinCustomOfficeComboBox::ListBoxSkinDataName() const { return FListBox->SkinDataName(); }
void TskSkinCustomOfficeComboBox::SetListBoxSkinDataName(const String& Value) { FListBox->SetSkinDataName(Value); }
bool TskSkinCustomOfficeComboBox::ListBoxShowLines() const { return FListBox->ShowLines(); }
void TskSkinCustomOfficeComboBox::SetListBoxShowLines(bool Value) { FListBox->SetShowLines(Value); }
int TskSkinCustomOfficeComboBox::ListBoxItemHeight() const { return FListBox->ItemHeight(); }
void TskSkinCustomOfficeComboBox::SetListBoxItemHeight(int Value) { FListBox->SetItemHeight(Value); }
int TskSkinCustomOfficeComboBox::ListBoxHeaderHeight() const { return FListBox->HeaderHeight(); }
void TskSkinCustomOfficeComboBox::SetListBoxHeaderHeight(int Value) { FListBox->SetHeaderHeight(Value); }

void TskSkinCustomOfficeComboBox::BeginUpdateItems() { FListBox->BeginUpdateItems(); }
void TskSkinCustomOfficeComboBox::EndUpdateItems() { FListBox->EndUpdateItems(); }

// ---- Skin ----

// A combo box without a record leaves its list without one for good.
void TskSkinCustomOfficeComboBox::ChangeSkinData() {
  TskSkinComboBase::ChangeSkinData();
  CalcRects();
  Repaint();
  if (FIndex == -1) FListBox->SetSkinDataName(String());
  FListBox->SetSkinData(SkinData());
  CalcRects();
}

// ---- Opening and closing ----

void TskSkinCustomOfficeComboBox::DropDown() {
  if (Items()->Count() == 0) return;
  WasInLB = false;
  StopAutoScroll();
  if (OnDropDown) OnDropDown(this);
  if (Items()->Count() == 0) return;
  FListBox->HandleNeeded();
  FListBox->SetWidth(FListBoxWidth > 0 ? FListBoxWidth : FWidth);
  FListBox->OnDrawItem = OnDrawItem;
  FOldItemIndex = FListBox->ItemIndex();
  if (FListBox->ItemIndex() == 0 && Items()->Count() >= 2) {
    FListBox->SetItemIndex(1);
    FListBox->SetItemIndex(0);
  }
  FDropDown = true;
  if (FToolButtonStyle) Repaint();
  FListBox->SetSkinData(SkinData());
  if (FListBoxHeight > 0)
    FListBox->SetHeight(FListBoxHeight);
  else if (FDropDownCount > 0)
    FListBox->SetHeight(FListBox->CalcHeight(FDropDownCount));
  TPoint P = ClientToScreen({ FWidth - FListBox->Width(), FHeight });
  TRect WorkArea;
  GetMonitorWorkArea(Handle(), true, WorkArea);
  if (P.Y + FListBox->Height() > WorkArea.Bottom) P.Y = P.Y - FHeight - FListBox->Height();
  FLBDown = false;
  FListBox->Show(P);
}

void TskSkinCustomOfficeComboBox::CloseUp(bool Value) {
  StopAutoScroll();
  if (!IsPopupVisible()) return;
  FListBox->Hide();
  const int Index = FListBox->ItemIndex();
  if (Index >= 0 && Index < Items()->Count() && Value) {
    Repaint();
    if (!ClickAndChange()) return;
  } else {
    FListBox->SetItemIndex(FOldItemIndex);
  }
  FDropDown = false;
  Repaint();
  if (Value && OnCloseUp) OnCloseUp(this);
}

// ---- Steps ----

void TskSkinCustomOfficeComboBox::Step(TStep Kind, bool Firing) {
  switch (Kind) {
  case TStep::Up: FListBox->FindUp(); break;
  case TStep::Down: FListBox->FindDown(); break;
  case TStep::PageUp: FListBox->FindPageUp(); break;
  case TStep::PageDown: FListBox->FindPageDown(); break;
  }
  if (Firing) SetItemIndex(FListBox->ItemIndex());
}

// ---- Mouse ----

void TskSkinCustomOfficeComboBox::MouseMove(TShiftState Shift, int X, int Y) {
  if (!FLBDown) TrackButtonHover(X, Y);
  if (IsPopupVisible()) TrackMove();
  TskSkinComboBase::MouseMove(Shift, X, Y);
}

// The first move into the list after it opened counts as the start of a press over it, so a press-drag-
// release picks only after the pointer moved inside the list twice.
void TskSkinCustomOfficeComboBox::TrackMove() {
  TPoint P;
  if (!TrackListPointer(FListBox, FListBox->ScrollBar != nullptr, P)) return;
  FListBox->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(Word(P.X), Word(P.Y)));
  WasInLB = true;
  if (!FLBDown) {
    FLBDown = true;
    WasInLB = false;
  }
}

void TskSkinCustomOfficeComboBox::AutoScrollTick() {
  if (TimerMode == 1) FListBox->FindUp();
  if (TimerMode == 2) FListBox->FindDown();
}

bool TskSkinCustomOfficeComboBox::IsListPart(TControl* Control) const {
  return Control == this || Control == FListBox || (Control && Control == FListBox->ScrollBar);
}

// ---- Keys ----

void TskSkinCustomOfficeComboBox::KeyDown(Word& Key, TShiftState Shift) {
  TskSkinComboBase::KeyDown(Key, Shift);
  const bool Alt = Shift.Contains(ssAlt);
  switch (Key) {
  case VK_RETURN:
  case VK_ESCAPE: CloseOnKey(Key); break;
  case VK_PRIOR: Step(TStep::PageUp, true); break;
  case VK_NEXT: Step(TStep::PageDown, true); break;
  case VK_UP:
  case VK_LEFT:
    if (!Alt)
      Step(TStep::Up, true);
    else if (IsPopupVisible())
      CloseUp(false);
    break;
  case VK_DOWN:
  case VK_RIGHT:
    if (!Alt)
      Step(TStep::Down, true);
    else if (!IsPopupVisible())
      DropDown();
    break;
  default: break;
  }
}

// ---- Messages ----

void TskSkinCustomOfficeComboBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_SETFOCUS:
    TskSkinComboBase::Dispatch(Message);
    Repaint();
    return;
  case WM_KILLFOCUS:
    TskSkinComboBase::Dispatch(Message);
    if (IsPopupVisible()) CloseUp(false);
    Repaint();
    return;
  case WM_SIZE:
    TskSkinComboBase::Dispatch(Message);
    CalcRects();
    return;
  case WM_MOUSEWHEEL:
    Step(int16_t(HIWORD(Message.WParam)) > 0 ? TStep::Up : TStep::Down, !IsPopupVisible());
    Message.Result = 1;
    return;
  case CM_MOUSEENTER:
  case CM_MOUSELEAVE:
    TskSkinComboBase::Dispatch(Message);
    if (ComponentState().Contains(csDesigning)) return;
    TrackMouseIn(Message.Msg == CM_MOUSEENTER);
    if ((FIndex != -1 && !IsEmptyRect(ActiveSkinRect)) || FToolButtonStyle) Invalidate();
    return;
  case CM_ENABLEDCHANGED:
    TskSkinComboBase::Dispatch(Message);
    Repaint();
    return;
  default: break;
  }
  TskSkinComboBase::Dispatch(Message);
}
