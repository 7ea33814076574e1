#include "skin/boxctrls/TskSkinOfficeListBox.h"

#include <algorithm>
#include <utility>

#include "platform/base/TemporaryChange.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skDataSkinListControls.h"
#include "skin/core/skUtils.h"

namespace {

constexpr int BarWidth = 19;

}  // namespace

TskSkinOfficeListBox::TskSkinOfficeListBox(TComponent* AOwner)
    : TskSkinCustomControl(AOwner), FItems(std::make_unique<TskSkinOfficeItems>(this)) {
  SetSkinDataName("listbox");
  FWidth = 150;
  FHeight = 150;
  FControlStyle.Include(csAcceptsControls);
  FControlStyle.Include(csReplicatable);
}

// The items go first: their removal reports nothing to a list being torn down.
TskSkinOfficeListBox::~TskSkinOfficeListBox() {
  FItems.reset();
  delete std::exchange(ScrollBar, nullptr);
}

void TskSkinOfficeListBox::SetItems(TskSkinOfficeItems* Value) {
  FItems->Assign(Value);
  Repaint();
  UpdateScrollInfo();
}

void TskSkinOfficeListBox::ItemsChanged() {
  if (FInUpdateItems) return;
  Repaint();
  UpdateScrollInfo();
}

bool TskSkinOfficeListBox::Loading() const {
  return ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning);
}

// ---- Properties ----

void TskSkinOfficeListBox::SetImages(TCustomImageList* Value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages) FImages->FreeNotification(this);
}

void TskSkinOfficeListBox::Notification(TComponent* AComponent, TOperation Operation) {
  TskSkinCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == ScrollBar) ScrollBar = nullptr;
}

void TskSkinOfficeListBox::SetShowCheckBoxes(bool Value) {
  if (FShowCheckBoxes == Value) return;
  FShowCheckBoxes = Value;
  Repaint();
}

void TskSkinOfficeListBox::SetHeaderLeftAlignment(bool Value) {
  if (FHeaderLeftAlignment == Value) return;
  FHeaderLeftAlignment = Value;
  Repaint();
}

void TskSkinOfficeListBox::SetShowItemTitles(bool Value) {
  if (FShowItemTitles == Value) return;
  FShowItemTitles = Value;
  Repaint();
}

void TskSkinOfficeListBox::SetItemHeight(int Value) {
  if (FItemHeight == Value) return;
  FItemHeight = Value;
  Repaint();
}

void TskSkinOfficeListBox::SetHeaderHeight(int Value) {
  if (FHeaderHeight == Value) return;
  FHeaderHeight = Value;
  Repaint();
}

void TskSkinOfficeListBox::SetShowLines(bool Value) {
  if (FShowLines == Value) return;
  FShowLines = Value;
  Repaint();
}

void TskSkinOfficeListBox::BeginUpdateItems() {
  FInUpdateItems = true;
  if (HandleAllocated()) SendMessage(Handle(), WM_SETREDRAW, 0, 0);
}

void TskSkinOfficeListBox::EndUpdateItems() {
  FInUpdateItems = false;
  if (HandleAllocated()) SendMessage(Handle(), WM_SETREDRAW, 1, 0);
  Repaint();
  UpdateScrollInfo();
}

// ---- Geometry and scrolling ----

int TskSkinOfficeListBox::CalcHeight(int AItemCount) {
  const int N = std::min(AItemCount, FItems->Count());
  if (FIndex == -1) return N * FItemHeight + 5;
  return N * FItemHeight + FHeight - NewClRect.Height() + 1;
}

void TskSkinOfficeListBox::CalcItemRects() {
  FRealMax = 0;
  FItemsRect = FIndex == -1 ? Rect(2, 2, FWidth - 2, FHeight - 2) : NewClRect;
  if (ScrollBar) FItemsRect.Right -= ScrollBar->Width() - 1;
  int Top = FItemsRect.Top;
  for (int I = 0; I < FItems->Count(); ++I) {
    TskSkinOfficeItem* Item = FItems->Items(I);
    const int H = Item->Header() ? FHeaderHeight : FItemHeight;
    Item->ItemRect = Rect(FItemsRect.Left, Top - FScrollOffset, FItemsRect.Right, Top + H - FScrollOffset);
    const TRect& R = Item->ItemRect;
    Item->IsVisible = RectEdgeInRect(R, FItemsRect) || (R.Top <= FItemsRect.Top && R.Bottom >= FItemsRect.Bottom);
    if (Item->IsVisible) FRealMax = R.Bottom;
    Top += H;
  }
  FMax = Top;
}

TskSkinOfficeListBox::TScrollInfo TskSkinOfficeListBox::GetScrollInfo() {
  CalcItemRects();
  TScrollInfo Info { FMax - FItemsRect.Top, FItemsRect.Height(), FScrollOffset };
  if (Info.Page >= Info.Max) Info.Max = Info.Page = 0;
  return Info;
}

// The offset follows the bar's range, so content that shrank or vanished while scrolled never leaves the
// items above an empty area.
void TskSkinOfficeListBox::UpdateScrollInfo() {
  if (!HandleAllocated() || FInUpdateItems) return;
  const TScrollInfo Info = GetScrollInfo();
  if (Info.Max != 0) {
    if (!ScrollBar) ShowScrollbar();
    ScrollBar->SetRange(0, Info.Max, Info.Position, Info.Page);
    ScrollBar->SetLargeChange(Info.Page);
    if (ScrollBar->Position() != FScrollOffset) Scroll(ScrollBar->Position());
  } else {
    if (ScrollBar) {
      HideScrollBar();
      Repaint();
    }
    if (FScrollOffset != 0) Scroll(0);
  }
}

void TskSkinOfficeListBox::ShowScrollbar() {
  ScrollBar = new TskSkinScrollBar(this);
  ScrollBar->SetVisible(false);
  ScrollBar->SetParent(this);
  ScrollBar->SetDefaultHeight(0);
  ScrollBar->SetDefaultWidth(BarWidth);
  ScrollBar->SetSmallChange(FItemHeight);
  ScrollBar->SetLargeChange(FItemHeight);
  ScrollBar->SetSkinDataName("vscrollbar");
  ScrollBar->SetKind(sbVertical);
  ScrollBar->SetSkinData(SkinData());
  ScrollBar->OnChange = [this](TObject*) { Scroll(ScrollBar->Position()); };
  AdjustScrollBar();
  ScrollBar->SetVisible(true);
  Repaint();
}

void TskSkinOfficeListBox::HideScrollBar() {
  TskSkinScrollBar* Bar = std::exchange(ScrollBar, nullptr);
  Bar->SetVisible(false);
  delete Bar;
}

void TskSkinOfficeListBox::AdjustScrollBar() {
  if (!ScrollBar) return;
  const TRect Area = FIndex == -1 ? Rect(1, 1, FWidth - 1, FHeight - 1) : NewClRect;
  ScrollBar->SetBounds(Area.Right - ScrollBar->Width(), Area.Top, ScrollBar->Width(), Area.Height());
}

void TskSkinOfficeListBox::Scroll(int AScrollOffset) {
  FScrollOffset = AScrollOffset;
  Repaint();
  UpdateScrollInfo();
}

void TskSkinOfficeListBox::ScrollToItem(int Index) {
  if (Index < 0 || Index >= FItems->Count()) return;
  CalcItemRects();
  TskSkinOfficeItem* Item = FItems->Items(Index);
  const int T = Item->ItemRect.Top + FScrollOffset;
  const int H = Item->ItemRect.Height();
  bool Moved = false;
  if (Item->ItemRect.Top <= FItemsRect.Top) {
    FScrollOffset = Index == 1 && FItems->Items(0)->Header() ? 0 : T - FItemsRect.Top;
    Moved = true;
  } else if (Item->ItemRect.Bottom >= FItemsRect.Bottom) {
    FScrollOffset = T + H + FItemsRect.Top - FHeight + 1;
    Moved = true;
  }
  if (Moved) {
    CalcItemRects();
    Invalidate();
  }
  UpdateScrollInfo();
}

// A list shrunk while scrolled to its end scrolls back so that no empty space stays below the last item.
void TskSkinOfficeListBox::Resized() {
  if (FHeight != FOldHeight) {
    CalcItemRects();
    if (FItemsRect.Bottom >= FRealMax && FScrollOffset > 0) {
      FScrollOffset = std::max(0, FScrollOffset - (FItemsRect.Bottom - FRealMax));
      CalcItemRects();
      Invalidate();
    }
  }
  AdjustScrollBar();
  UpdateScrollInfo();
  FOldHeight = FHeight;
}

int TskSkinOfficeListBox::ItemAtPos(int X, int Y) {
  CalcItemRects();
  for (int I = 0; I < FItems->Count(); ++I) {
    const TskSkinOfficeItem* Item = FItems->Items(I);
    if (Item->Enabled() && Item->ItemRect.Contains({ X, Y })) return I;
  }
  return -1;
}

// ---- Selecting ----

void TskSkinOfficeListBox::SelectSilently(int Value) {
  FItemIndex = Value;
  if (Value < 0) {
    Repaint();
    return;
  }
  for (int I = 0; I < FItems->Count(); ++I) FItems->Items(I)->Active = I == Value;
  Repaint();
  ScrollToItem(Value);
}

// The item's handler may clear or refill the items: nothing of the item is used after it ran.
void TskSkinOfficeListBox::SetItemIndex(int Value) {
  SelectSilently(Value);
  if (Value < 0 || Value >= FItems->Count() || Loading()) return;
  const TNotifyEvent ItemClick = FItems->Items(Value)->OnClick;
  if (ItemClick) ItemClick(this);
  if (OnItemClick) OnItemClick(this);
}

bool TskSkinOfficeListBox::Selectable(int Index) const {
  const TskSkinOfficeItem* Item = FItems->Items(Index);
  return !Item->Header() && Item->Enabled();
}

void TskSkinOfficeListBox::FindStep(int From, int To) {
  const int Step = To >= From ? 1 : -1;
  for (int I = From; I != To + Step; I += Step)
    if (Selectable(I)) {
      SetItemIndex(I);
      return;
    }
}

void TskSkinOfficeListBox::FindPage(int From, int To) {
  const int Step = To >= From ? 1 : -1;
  bool PassedHeader = false;
  int Found = -1;
  for (int I = From; I != To + Step; I += Step) {
    if (FItems->Items(I)->Header()) {
      PassedHeader = true;
    } else if (Selectable(I)) {
      Found = I;
      if (PassedHeader) break;
    }
  }
  if (Found != -1) SetItemIndex(Found);
}

// A stale index (the items were cleared) starts from the end of the items.
void TskSkinOfficeListBox::FindUp() {
  if (FItemIndex <= 0) return;
  FindStep(std::min(FItemIndex, FItems->Count()) - 1, 0);
}

void TskSkinOfficeListBox::FindDown() {
  const int From = FItemIndex < 0 ? 0 : FItemIndex + 1;
  if (From < FItems->Count()) FindStep(From, FItems->Count() - 1);
}

void TskSkinOfficeListBox::FindPageUp() {
  if (FItemIndex <= 0) return;
  CalcItemRects();
  const int Page = FItemHeight > 0 && FItemsRect.Height() / FItemHeight > 0 ? FItemsRect.Height() / FItemHeight : 1;
  const int From = std::min(FItemIndex, FItems->Count()) - 1;
  if (From >= 0) FindPage(From, std::max(0, FItemIndex - 1 - Page));
}

void TskSkinOfficeListBox::FindPageDown() {
  CalcItemRects();
  const int Page = FItemHeight > 0 && FItemsRect.Height() / FItemHeight > 0 ? FItemsRect.Height() / FItemHeight : 1;
  const int From = FItemIndex < 0 ? 0 : FItemIndex + 1;
  if (From < FItems->Count()) FindPage(From, std::min(FItems->Count() - 1, From + Page));
}

void TskSkinOfficeListBox::ToggleCheck() {
  TskSkinOfficeItem* Item = FItems->Items(FItemIndex);
  Item->SetChecked(!Item->Checked());
  if (OnItemCheckClick) OnItemCheckClick(this);
}

// ---- Keys and mouse ----

void TskSkinOfficeListBox::KeyDown(Word& Key, TShiftState Shift) {
  TskSkinCustomControl::KeyDown(Key, Shift);
  switch (Key) {
  case VK_PRIOR: FindPageUp(); break;
  case VK_NEXT: FindPageDown(); break;
  case VK_LEFT:
  case VK_UP: FindUp(); break;
  case VK_RIGHT:
  case VK_DOWN: FindDown(); break;
  default: break;
  }
}

void TskSkinOfficeListBox::KeyUp(Word& Key, TShiftState Shift) {
  TskSkinCustomControl::KeyUp(Key, Shift);
  if (FShowCheckBoxes && Key == VK_SPACE && FItemIndex >= 0 && FItemIndex < FItems->Count()) ToggleCheck();
}

void TskSkinOfficeListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TskSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const int Index = ItemAtPos(X, Y);
  if (Index == -1 || FItems->Items(Index)->Header()) return;
  SelectSilently(Index);
  FMouseDown = true;
  FMouseActive = Index;
}

void TskSkinOfficeListBox::MouseMove(TShiftState Shift, int X, int Y) {
  TskSkinCustomControl::MouseMove(Shift, X, Y);
  const int Index = ItemAtPos(X, Y);
  if (Index == -1 || FItems->Items(Index)->Header() || Index == FMouseActive) return;
  if (FMouseDown || FMouseMoveChangeIndex) {
    SelectSilently(Index);
    FMouseActive = Index;
  }
}

void TskSkinOfficeListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TskSkinCustomControl::MouseUp(Button, Shift, X, Y);
  FMouseDown = false;
  if (Button != mbLeft) return;
  const int Index = ItemAtPos(X, Y);
  if (Index == -1 || FItems->Items(Index)->Header()) return;
  SetItemIndex(Index);
  if (!FShowCheckBoxes || FItemIndex < 0 || FItemIndex >= FItems->Count()) return;
  const TskSkinOfficeItem* Selected = FItems->Items(FItemIndex);
  if (Selected->ItemRect.Contains({ X, Y }) && X < Selected->ItemRect.Left + FCheckOffset) ToggleCheck();
}

// A press on an unfocused list takes the focus first; when the focus does not come, the press is dropped.
void TskSkinOfficeListBox::WndProc(TMessage& Message) {
  const bool Press = Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK;
  if (Press && !ComponentState().Contains(csDesigning) && HandleAllocated() && GetFocus() != Handle()) {
    {
      const TemporaryChange Disabled(FClicksDisabled, true);
      ::SetFocus(Handle());
    }
    if (GetFocus() != Handle()) return;
  }
  if (Message.Msg == CN_COMMAND && FClicksDisabled) return;
  TskSkinCustomControl::WndProc(Message);
}

void TskSkinOfficeListBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_SIZE:
    TskSkinCustomControl::Dispatch(Message);
    Resized();
    return;
  case WM_MOUSEWHEEL:
    TskSkinCustomControl::Dispatch(Message);
    if (ScrollBar) {
      const int Delta = int16_t(HIWORD(Message.WParam));
      ScrollBar->SetPosition(ScrollBar->Position() + (Delta < 0 ? 1 : -1) * ScrollBar->SmallChange());
    }
    Message.Result = 1;
    return;
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
    TskSkinCustomControl::Dispatch(Message);
    Repaint();
    return;
  case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS; return;
  default: break;
  }
  TskSkinCustomControl::Dispatch(Message);
}

// ---- Skin ----

void TskSkinOfficeListBox::ChangeSkinData() {
  TskSkinCustomControl::ChangeSkinData();
  if (TskSkinData* Model = SkinData(); Model && !Model->Empty) {
    const int Edit = Model->GetControlIndex("edit");
    const auto* Record = Edit == -1 ? nullptr : dynamic_cast<TskDataSkinEditControl*>(Model->CtrlList[Edit].get());
    FDisabledFontColor = Record ? Record->DisabledFontColor : Model->SkinColors()->cBtnShadow();
  }
  if (ScrollBar) {
    ScrollBar->SetSkinData(SkinData());
    AdjustScrollBar();
  }
  CalcItemRects();
  Repaint();
}
