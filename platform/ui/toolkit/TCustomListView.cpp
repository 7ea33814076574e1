#include "platform/ui/toolkit/TCustomListView.h"

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/NativeListView.h"
#include "platform/ui/winsys/Ui.h"

TCustomListView::TCustomListView(TComponent* AOwner)
    : TWinControl(AOwner),
      FItems(std::make_unique<TListItems>(this)),
      FColumns(std::make_unique<TListColumns>(this)),
      FIconOptions(std::make_unique<TIconOptions>(this)),
      FCanvas(std::make_unique<TControlCanvas>()),
      FNative(std::make_unique<NativeListView>(*this)) {
  FCanvas->SetControl(this);
  SetBounds(FLeft, FTop, 250, 150);
  SetTabStop(true);
  SetParentColor(false);
}

// The window goes first, while the items, the header and the window side it calls are still whole.
TCustomListView::~TCustomListView() {
  DestroyHandle();
  FCanvas->SetControl(nullptr);
}

// ---- Properties ----------------------------------------------------------------------------------------

void TCustomListView::SetViewStyle(TViewStyle Value) {
  if (FViewStyle == Value) return;
  FViewStyle = Value;
  LayoutChanged();
}

void TCustomListView::SetOwnerData(bool Value) {
  if (FOwnerData == Value) return;
  FItems->Clear();
  FOwnerData = Value;
  FVirtualSelected.clear();
  LayoutChanged();
}

void TCustomListView::SetMultiSelect(bool Value) {
  if (FMultiSelect == Value) return;
  FMultiSelect = Value;
  if (!Value) SelectOnly(ItemIndex(), false);
}

void TCustomListView::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomListView::SetOption(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  LayoutChanged();
}

// The window's own image list follows through the message, so a subclass sees the change.
void TCustomListView::SetImages(TCustomImageList*& Field, TCustomImageList* Value, WPARAM Kind) {
  if (Field == Value) return;
  if (Field) Field->RemoveFreeNotification(this);
  Field = Value;
  if (Value) Value->FreeNotification(this);
  Perform(LVM_SETIMAGELIST, Kind, LPARAM(Value ? Value->Handle() : 0));
}

void TCustomListView::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSmallImages) SetSmallImages(nullptr);
  if (AComponent == FLargeImages) SetLargeImages(nullptr);
  if (AComponent == FStateImages) SetStateImages(nullptr);
}

// ---- Window --------------------------------------------------------------------------------------------

void TCustomListView::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  // The header and editors placed over items are children; the list paints around them.
  Params.Style |= WS_CLIPCHILDREN;
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
  Params.WindowClass.style = CS_DBLCLKS;
}

void TCustomListView::PaintWindow(HDC DC) {
  TMessage Message { WM_PAINT, WPARAM(DC), 0, 0 };
  DefaultHandler(Message);
}

void TCustomListView::DefaultHandler(TMessage& Message) {
  if (!FNative->Handle(Message)) TWinControl::DefaultHandler(Message);
}

// ---- Selection and focus -------------------------------------------------------------------------------

TListItem* TCustomListView::Selected() { return GetNextItem(nullptr, sdAll, { isSelected }); }

void TCustomListView::SetSelected(TListItem* Item) {
  if (!Item)
    ClearSelection();
  else
    SetItemSelected(Item->Index(), true);
}

int TCustomListView::ItemIndex() const {
  for (int I = 0; I < ItemCount(); ++I)
    if (IsItemSelected(I)) return I;
  return -1;
}

void TCustomListView::SetItemIndex(int Value) {
  if (Value < -1 || Value >= ItemCount()) throw EListError(Format("List index out of bounds (%d)", Value));
  if (Value < 0)
    ClearSelection();
  else
    SetItemSelected(Value, true);
}

TListItem* TCustomListView::ItemFocused() { return FFocusIndex >= 0 ? FItems->Item(FFocusIndex) : nullptr; }

void TCustomListView::SetItemFocused(TListItem* Item) { SetFocusIndex(Item ? Item->Index() : -1); }

int TCustomListView::SelCount() const {
  int N = 0;
  for (int I = 0; I < ItemCount(); ++I) N += IsItemSelected(I);
  return N;
}

// Every direction searches the following items in list order: the only search the system makes.
TListItem* TCustomListView::GetNextItem(TListItem* StartItem, TSearchDirection, TItemStates States) {
  for (int I = StartItem ? StartItem->Index() + 1 : 0; I < ItemCount(); ++I) {
    if (States.Contains(isSelected) && !IsItemSelected(I)) continue;
    if (States.Contains(isFocused) && FFocusIndex != I) continue;
    return FItems->Item(I);
  }
  return nullptr;
}

void TCustomListView::ClearSelection() { SelectOnly(-1, false); }

void TCustomListView::SelectAll() {
  if (!FMultiSelect) return;
  for (int I = 0; I < ItemCount(); ++I) SetItemState(I, true, FFocusIndex == I);
}

// ---- View ----------------------------------------------------------------------------------------------

TListItem* TCustomListView::GetItemAt(int X, int Y) { return FItems->Item(FNative->ItemAt({ X, Y })); }

TListItem* TCustomListView::TopItem() { return FItems->Item(int(Perform(LVM_GETTOPINDEX, 0, 0))); }

int TCustomListView::VisibleRowCount() { return int(Perform(LVM_GETCOUNTPERPAGE, 0, 0)); }

void TCustomListView::Scroll(int DX, int DY) { Perform(LVM_SCROLL, WPARAM(intptr_t(DX)), LPARAM(DY)); }

bool TCustomListView::IsEditing() const { return FNative->Editing(); }

// ---- Virtual handlers ----------------------------------------------------------------------------------

void TCustomListView::Change(TListItem* Item, TItemChange Change) {
  if (OnChange) OnChange(this, Item, Change);
}

void TCustomListView::DoSelectItem(TListItem* Item, bool Selected) {
  if (OnSelectItem) OnSelectItem(this, Item, Selected);
}

void TCustomListView::ColClick(TListColumn* Column) {
  if (OnColumnClick) OnColumnClick(this, Column);
}

bool TCustomListView::OwnerDataFetch(TListItem* Item, TItemRequest) {
  if (!OnData) return false;
  OnData(this, Item);
  return true;
}

int TCustomListView::OwnerDataFind(TItemFind Find, const String& FindString, TPoint FindPosition, void* FindData,
                                   int StartIndex, TSearchDirection Direction, bool Wrap) {
  int Index = -1;
  if (OnDataFind) OnDataFind(this, Find, FindString, FindPosition, FindData, StartIndex, Direction, Wrap, Index);
  return Index;
}

bool TCustomListView::CanEdit(TListItem* Item) {
  if (FReadOnly) return false;
  bool Allow = true;
  if (OnEditing) OnEditing(this, Item, Allow);
  return Allow;
}

void TCustomListView::Edit(int Index, const String* Text) {
  TListItem* Item = FItems->Item(Index);
  if (!Text || !Item) return;
  String S = *Text;
  if (OnEdited) OnEdited(this, Item, S);
  if (!FOwnerData && Item == FItems->Item(Index)) Item->SetCaption(S);
}

bool TCustomListView::CustomDrawItem(TListItem* Item, TCustomDrawState State, TCustomDrawStage Stage) {
  bool DefaultDraw = true;
  if (OnCustomDrawItem && Stage == cdPrePaint) OnCustomDrawItem(this, Item, State, DefaultDraw);
  return DefaultDraw;
}

// ---- Item state ----------------------------------------------------------------------------------------

bool TCustomListView::IsItemSelected(int Index) const {
  if (Index < 0 || Index >= ItemCount()) return false;
  if (FOwnerData) return size_t(Index) < FVirtualSelected.size() && FVirtualSelected[size_t(Index)];
  return FItems->FItems[size_t(Index)]->FSelected;
}

bool TCustomListView::IsItemChecked(int Index) const {
  return !FOwnerData && Index >= 0 && Index < ItemCount() && FItems->FItems[size_t(Index)]->FChecked;
}

// One notification per item whatever changed of it; handlers may change the list meanwhile, so the item
// is looked up again before its selection is reported.
void TCustomListView::SetItemState(int Index, bool Selected, bool Focused) {
  if (Index < 0 || Index >= ItemCount()) return;
  const bool WasSelected = IsItemSelected(Index), WasFocused = FFocusIndex == Index;
  if (Selected == WasSelected && Focused == WasFocused) return;
  if (Focused && !WasFocused && FFocusIndex >= 0) SetItemState(FFocusIndex, IsItemSelected(FFocusIndex), false);
  if (Focused)
    FFocusIndex = Index;
  else if (WasFocused)
    FFocusIndex = -1;
  if (FOwnerData) {
    if (FVirtualSelected.size() < size_t(ItemCount())) FVirtualSelected.resize(size_t(ItemCount()));
    FVirtualSelected[size_t(Index)] = Selected;
  } else {
    FItems->FItems[size_t(Index)]->FSelected = Selected;
  }
  FNative->RedrawItem(Index);
  TListItem* Item = FetchItem(Index, { irText, irImage, irParam, irState });
  Change(Item, ctState);
  if (Selected != WasSelected && Index < ItemCount() && (FOwnerData || FItems->FItems[size_t(Index)].get() == Item))
    DoSelectItem(FetchItem(Index, { irText, irImage, irParam, irState }), Selected);
}

void TCustomListView::SetItemSelected(int Index, bool Value) {
  if (Value && !FMultiSelect)
    for (int I = 0; I < ItemCount(); ++I)
      if (I != Index && IsItemSelected(I)) SetItemState(I, false, FFocusIndex == I);
  SetItemState(Index, Value, FFocusIndex == Index);
}

void TCustomListView::SetFocusIndex(int Index) {
  if (Index >= 0)
    SetItemState(Index, IsItemSelected(Index), true);
  else if (FFocusIndex >= 0)
    SetItemState(FFocusIndex, IsItemSelected(FFocusIndex), false);
}

void TCustomListView::SelectOnly(int Index, bool MoveFocus) {
  for (int I = 0; I < ItemCount(); ++I)
    if (I != Index && (IsItemSelected(I) || (MoveFocus && FFocusIndex == I)))
      SetItemState(I, false, !MoveFocus && FFocusIndex == I);
  if (Index >= 0) SetItemState(Index, true, MoveFocus || FFocusIndex == Index);
}

void TCustomListView::SelectRange(int First, int Last) {
  if (First > Last) std::swap(First, Last);
  for (int I = 0; I < ItemCount(); ++I)
    if (I < First || I > Last) SetItemState(I, false, FFocusIndex == I);
  for (int I = std::max(First, 0); I <= Last && I < ItemCount(); ++I) SetItemState(I, true, FFocusIndex == I);
}

void TCustomListView::ToggleChecked(int Index) {
  if (!FOwnerData && Index >= 0 && Index < ItemCount())
    FItems->FItems[size_t(Index)]->SetChecked(!IsItemChecked(Index));
}

TListItem* TCustomListView::FetchItem(int Index, TItemRequest Request) {
  if (!FOwnerData) return FItems->FItems[size_t(Index)].get();
  TListItem* Item = FItems->FStandIn.get();
  Item->Reset(Index);
  OwnerDataFetch(Item, Request);
  return Item;
}

// ---- Changes of the model ------------------------------------------------------------------------------

void TCustomListView::ItemChanged(TListItem* Item, TItemChange Change) {
  FNative->RedrawItem(Item->Index());
  this->Change(Item, Change);
}

void TCustomListView::SubItemsChanged(TListItem* Item) { FNative->RedrawItem(Item->Index()); }

void TCustomListView::ItemInserted(int Index) {
  if (FFocusIndex >= Index) ++FFocusIndex;
  if (FAnchorIndex >= Index) ++FAnchorIndex;
  FNative->ItemInserted(Index);
}

void TCustomListView::ItemDeleting(int Index) {
  if (FNative->Editing() && (Index < 0 || FNative->EditIndex() == Index)) FNative->EndEdit(true);
}

void TCustomListView::ItemDeleted(int Index) {
  if (FFocusIndex == Index)
    FFocusIndex = -1;
  else if (FFocusIndex > Index)
    --FFocusIndex;
  if (FAnchorIndex == Index)
    FAnchorIndex = -1;
  else if (FAnchorIndex > Index)
    --FAnchorIndex;
  FNative->ItemDeleted(Index);
}

void TCustomListView::ItemsCleared() {
  FFocusIndex = FAnchorIndex = -1;
  FVirtualSelected.clear();
  FNative->CountChanged();
}

void TCustomListView::VirtualCountChanged() {
  if (FVirtualSelected.size() > size_t(ItemCount())) FVirtualSelected.resize(size_t(ItemCount()));
  if (FFocusIndex >= ItemCount()) FFocusIndex = -1;
  if (FAnchorIndex >= ItemCount()) FAnchorIndex = -1;
  FNative->CountChanged();
}

void TCustomListView::ColumnsChanged(TListColumn*) {
  if (FColumnOrder.size() != size_t(FColumns->Count())) {
    FColumnOrder.resize(size_t(FColumns->Count()));
    for (size_t I = 0; I < FColumnOrder.size(); ++I) FColumnOrder[I] = int(I);
  }
  LayoutChanged();
}

void TCustomListView::LayoutChanged() { FNative->LayoutChanged(); }

void TCustomListView::UpdateStateChanged(bool Updating) { FNative->SetUpdating(Updating); }

void TCustomListView::ColumnResized(int Index, int Width) {
  if (Index >= 0 && Index < FColumns->Count()) Column(Index)->SetWidth(Width);
}

void TCustomListView::ColumnClicked(int Index) {
  if (Index >= 0 && Index < FColumns->Count()) ColClick(Column(Index));
}
