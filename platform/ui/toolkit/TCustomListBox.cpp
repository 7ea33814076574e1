#include "platform/ui/toolkit/TCustomListBox.h"

#include "platform/base/Clock.h"
#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/toolkit/NativeListBox.h"
#include "platform/ui/winsys/Ui.h"

namespace {

/// The items of a list box, kept by its window side through the LB_* messages; an item's object is its
/// item data.
class TListBoxStrings : public TStrings {
public:
  explicit TListBoxStrings(TCustomListBox& List) : FList(List) {}

  int Count() const override { return int(Send(LB_GETCOUNT, 0, 0)); }
  int Add(const String& S) override { return int(Send(LB_ADDSTRING, 0, LPARAM(S.c_str()))); }
  void Insert(int Index, const String& S) override {
    if (Index < 0 || Index > Count()) IndexError(Index);
    Send(LB_INSERTSTRING, WPARAM(Index), LPARAM(S.c_str()));
  }
  void Delete(int Index) override {
    if (Send(LB_DELETESTRING, WPARAM(Index), 0) == LB_ERR) IndexError(Index);
  }
  void Clear() override { Send(LB_RESETCONTENT, 0, 0); }
  void PutObject(int Index, TObject* AObject) override {
    if (Send(LB_SETITEMDATA, WPARAM(Index), LPARAM(AObject)) == LB_ERR) IndexError(Index);
  }
  // Replacing a string keeps its object and the selection of its row.
  void Put(int Index, const String& S) override {
    TObject* Object = GetObject(Index);
    const bool WasSelected = FList.Selected(Index);
    Delete(Index);
    Insert(Index, S);
    PutObject(Index, Object);
    if (WasSelected) FList.SetSelected(Index, true);
  }

protected:
  String Get(int Index) const override {
    const LRESULT Length = Send(LB_GETTEXTLEN, WPARAM(Index), 0);
    if (Length == LB_ERR) IndexError(Index);
    String Text(size_t(Length) + 1, '\0');
    Send(LB_GETTEXT, WPARAM(Index), LPARAM(Text.data()));
    Text.resize(size_t(Length));
    return Text;
  }
  TObject* GetObject(int Index) const override {
    const LRESULT Data = Send(LB_GETITEMDATA, WPARAM(Index), 0);
    if (Data == LB_ERR) IndexError(Index);
    return reinterpret_cast<TObject*>(Data);
  }

private:
  LRESULT Send(UINT Msg, WPARAM WParam, LPARAM LParam) const {
    return FList.HandleAllocated() ? SendMessage(FList.Handle(), Msg, WParam, LParam) : FList.Perform(Msg, WParam, LParam);
  }

  TCustomListBox& FList;
};

}  // namespace

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TWinControl(AOwner), FNative(std::make_unique<NativeListBox>(*this)),
      FItems(std::make_unique<TListBoxStrings>(*this)), FCanvas(std::make_unique<TControlCanvas>()) {
  FControlStyle = { csSetCaption, csDoubleClicks, csOpaque };
  FCanvas->SetControl(this);
  SetParentColor(false);
  FWidth = 121;
  FHeight = 97;
  SetTabStop(true);
}

TCustomListBox::~TCustomListBox() = default;

DWORD TCustomListBox::ListStyle() const {
  static constexpr DWORD Styles[] = { 0, LBS_OWNERDRAWFIXED, LBS_OWNERDRAWVARIABLE };
  DWORD Style = LBS_HASSTRINGS | LBS_NOTIFY | Styles[FStyle];
  if (FSorted) Style |= LBS_SORT;
  if (FMultiSelect) Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (FColumns > 0) Style |= LBS_MULTICOLUMN;
  if (!FIntegralHeight) Style |= LBS_NOINTEGRALHEIGHT;
  return Style;
}

void TCustomListBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style |= ListStyle() | WS_HSCROLL | WS_VSCROLL;
  if (FBorderStyle == bsSingle) {
    if (Ctl3D())
      Params.ExStyle |= WS_EX_CLIENTEDGE;
    else
      Params.Style |= WS_BORDER;
  }
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomListBox::CreateWnd() {
  TWinControl::CreateWnd();
  if (FStyle == lbOwnerDrawFixed) SendList(LB_SETITEMHEIGHT, 0, FItemHeight);
  ApplyColumnWidth();
}

void TCustomListBox::ApplyColumnWidth() {
  if (FColumns > 0 && HandleAllocated()) SendList(LB_SETCOLUMNWIDTH, WPARAM(std::max(1, Width() / FColumns)), 0);
}

LRESULT TCustomListBox::SendList(UINT Msg, WPARAM WParam, LPARAM LParam) {
  return HandleAllocated() ? SendMessage(FHandle, Msg, WParam, LParam) : Perform(Msg, WParam, LParam);
}

void TCustomListBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case CN_COMMAND:
    if (HIWORD(Message.WParam) == LBN_SELCHANGE)
      Click();
    else if (HIWORD(Message.WParam) == LBN_DBLCLK)
      DblClick();
    return;
  case CN_DRAWITEM: CNDrawItem(Message); return;
  case CN_MEASUREITEM: {
    auto* Measure = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
    int Height = int(Measure->itemHeight);
    MeasureItem(int(Measure->itemID), Height);
    Measure->itemHeight = UINT(std::max(Height, 1));
    Message.Result = 1;
    return;
  }
  case WM_SIZE:
    TWinControl::Dispatch(Message);
    ApplyColumnWidth();
    return;
  case CM_CTL3DCHANGED:
    TWinControl::Dispatch(Message);
    if (FBorderStyle == bsSingle) RecreateWnd();
    return;
  default: TWinControl::Dispatch(Message); return;
  }
}

void TCustomListBox::DefaultHandler(TMessage& Message) {
  if (!FNative->Handle(Message)) TWinControl::DefaultHandler(Message);
}

void TCustomListBox::PaintWindow(HDC DC) {
  TMessage Message { WM_PAINT, WPARAM(DC), 0, 0 };
  DefaultHandler(Message);
}

// A row is drawn on the canvas bound to the message's DC, with the list's font and brush, highlighted
// when selected; the caret row of a focused list gets a focus rectangle.
void TCustomListBox::CNDrawItem(TMessage& Message) {
  const auto* Draw = reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam);
  const TOwnerDrawState State = TOwnerDrawState::FromBits(Draw->itemState & 0xFFFF);
  FCanvas->PaintOn(Draw->hDC, [&] {
    FCanvas->SetFont(Font());
    FCanvas->SetBrush(Brush());
    if (State.Contains(odSelected)) {
      FCanvas->Brush()->SetColor(clHighlight);
      FCanvas->Font()->SetColor(clHighlightText);
    }
    if (int(Draw->itemID) >= 0)
      DrawItem(int(Draw->itemID), Draw->rcItem, State);
    else
      FCanvas->FillRect(Draw->rcItem);
    if (State.Contains(odFocused)) DrawFocusRect(Draw->hDC, Draw->rcItem);
  });
  Message.Result = 1;
}

void TCustomListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  if (OnDrawItem) {
    const TDrawItemEvent Handler = OnDrawItem;
    Handler(this, Index, Rect, State);
    return;
  }
  FCanvas->FillRect(Rect);
  if (Index < Count()) FCanvas->TextOut(Rect.Left + 2, Rect.Top, FItems->Strings(Index));
}

void TCustomListBox::MeasureItem(int Index, int& Height) {
  if (OnMeasureItem) {
    const TMeasureItemEvent Handler = OnMeasureItem;
    Handler(this, Index, Height);
  }
}

// Typing selects the first item starting with what was typed within half a second, as a user's choice.
void TCustomListBox::KeyPress(char32_t& Key) {
  TWinControl::KeyPress(Key);
  if (!FAutoComplete || Key == 0 || Key == 13 || Key == 27 || Key == 9) return;
  const DWORD Now = GetTickCount();
  if (Now - FLastTime >= 500) FFilter.clear();
  FLastTime = Now;
  if (Key == 8) {
    if (!FFilter.empty()) FFilter.erase(PrevCodePointStart(FFilter, FFilter.size()));
  } else {
    FFilter += CodePointToUtf8(Key);
  }
  Key = 0;
  if (FFilter.empty()) return;
  const LRESULT Found = SendList(LB_FINDSTRING, WPARAM(-1), LPARAM(FFilter.c_str()));
  if (Found == LB_ERR) return;
  if (FMultiSelect) {
    SendList(LB_SETSEL, 0, -1);
    SendList(LB_SETSEL, 1, Found);
  }
  SetItemIndex(int(Found));
  Click();
}

// ---- Items and selection -----------------------------------------------------------------------------------

int TCustomListBox::Count() const { return FItems->Count(); }
int TCustomListBox::ItemIndex() { return int(SendList(LB_GETCURSEL, 0, 0)); }

void TCustomListBox::SetItemIndex(int Value) {
  if (ItemIndex() == Value) return;
  SendList(FMultiSelect ? LB_SETCARETINDEX : LB_SETCURSEL, WPARAM(Value), 0);
}

bool TCustomListBox::Selected(int Index) {
  const LRESULT Answer = SendList(LB_GETSEL, WPARAM(Index), 0);
  if (Answer == LB_ERR) throw EListError(Format("List index out of bounds (%d)", Index));
  return Answer != 0;
}

void TCustomListBox::SetSelected(int Index, bool Value) {
  if (Index < 0 || Index >= Count()) throw EListError(Format("List index out of bounds (%d)", Index));
  if (FMultiSelect)
    SendList(LB_SETSEL, Value, Index);
  else if (Value)
    SetItemIndex(Index);
  else if (ItemIndex() == Index)
    SetItemIndex(-1);
}

int TCustomListBox::SelCount() { return int(SendList(LB_GETSELCOUNT, 0, 0)); }

void TCustomListBox::ClearSelection() {
  if (FMultiSelect)
    SendList(LB_SETSEL, 0, -1);
  else
    SetItemIndex(-1);
}

void TCustomListBox::SelectAll() {
  if (FMultiSelect) SendList(LB_SETSEL, 1, -1);
}

void TCustomListBox::DeleteSelected() {
  for (int I = Count() - 1; I >= 0; --I)
    if (Selected(I)) FItems->Delete(I);
}

// ---- Layout ------------------------------------------------------------------------------------------------

int TCustomListBox::TopIndex() { return int(SendList(LB_GETTOPINDEX, 0, 0)); }
void TCustomListBox::SetTopIndex(int Value) { SendList(LB_SETTOPINDEX, WPARAM(Value), 0); }

int TCustomListBox::ItemHeight() {
  return FStyle == lbStandard && HandleAllocated() ? int(SendList(LB_GETITEMHEIGHT, 0, 0)) : FItemHeight;
}

void TCustomListBox::SetItemHeight(int Value) {
  if (Value <= 0 || FItemHeight == Value) return;
  FItemHeight = Value;
  if (FStyle != lbStandard) SendList(LB_SETITEMHEIGHT, 0, Value);
}

int TCustomListBox::ItemAtPos(TPoint Pos, bool Existing) {
  const TRect Client = ClientRect();
  if (Pos.X < Client.Left || Pos.Y < Client.Top || Pos.X >= Client.Right || Pos.Y >= Client.Bottom) return -1;
  const LRESULT Answer = SendList(LB_ITEMFROMPOINT, 0, PointToLParam(Pos));
  if (HIWORD(uintptr_t(Answer)) == 0) return LOWORD(uintptr_t(Answer));
  return Existing ? -1 : Count();
}

TRect TCustomListBox::ItemRect(int Index) {
  TRect R;
  SendList(LB_GETITEMRECT, WPARAM(Index), LPARAM(&R));
  return R;
}

// ---- Kind --------------------------------------------------------------------------------------------------

void TCustomListBox::SetStyle(TListBoxStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  RecreateWnd();
}

void TCustomListBox::SetMultiSelect(bool Value) {
  if (FMultiSelect == Value) return;
  FMultiSelect = Value;
  RecreateWnd();
}

void TCustomListBox::SetExtendedSelect(bool Value) {
  if (FExtendedSelect == Value) return;
  FExtendedSelect = Value;
  RecreateWnd();
}

// Sorting a list puts its items in order now; later additions go to their place.
void TCustomListBox::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  RecreateWnd();
  if (!Value) return;
  // The selected item stays selected at the place the sort gives it; each later item sorted in before it
  // moves it down by one.
  const int Selected = ItemIndex();
  std::vector<std::pair<String, TObject*>> Items;
  for (int I = 0; I < Count(); ++I) Items.emplace_back(FItems->Strings(I), FItems->Objects(I));
  FItems->Clear();
  int SelectedAt = -1;
  for (int I = 0; I < int(Items.size()); ++I) {
    const int At = FItems->Add(Items[I].first);
    FItems->PutObject(At, Items[I].second);
    if (I == Selected)
      SelectedAt = At;
    else if (SelectedAt >= 0 && At <= SelectedAt)
      ++SelectedAt;
  }
  if (SelectedAt >= 0) SetItemIndex(SelectedAt);
}

void TCustomListBox::SetColumns(int Value) {
  if (FColumns == Value || Value < 0) return;
  const bool Kind = (FColumns == 0) != (Value == 0);
  FColumns = Value;
  if (Kind)
    RecreateWnd();
  else
    ApplyColumnWidth();
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

