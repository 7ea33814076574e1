#include "platform/ui/toolkit/TComboBox.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "platform/ui/winsys/VirtualKeys.h"

/// The items of a combo box; they tell the combo where they changed, so its choice stays on its item.
class TComboBoxStrings : public TStrings {
public:
  explicit TComboBoxStrings(TComboBox& Combo) : FCombo(Combo) {}

  int Count() const override { return int(FItems.size()); }
  void Insert(int Index, const String& S) override {
    if (Index < 0 || Index > Count()) IndexError(Index);
    FItems.insert(FItems.begin() + Index, { S, nullptr });
    FCombo.ItemsChanged(Index, 1);
  }
  void Delete(int Index) override {
    Check(Index);
    FItems.erase(FItems.begin() + Index);
    FCombo.ItemsChanged(Index, -1);
  }
  void Clear() override {
    FItems.clear();
    FCombo.ItemsChanged(0, 0);
  }
  void Put(int Index, const String& S) override {
    Check(Index);
    FItems[size_t(Index)].first = S;
    FCombo.Invalidate();
  }
  void PutObject(int Index, TObject* AObject) override {
    Check(Index);
    FItems[size_t(Index)].second = AObject;
  }

protected:
  String Get(int Index) const override {
    Check(Index);
    return FItems[size_t(Index)].first;
  }
  TObject* GetObject(int Index) const override {
    Check(Index);
    return FItems[size_t(Index)].second;
  }
  void SetUpdateState(bool Updating) override {
    if (!Updating) FCombo.Invalidate();
  }

private:
  void Check(int Index) const {
    if (Index < 0 || Index >= Count()) IndexError(Index);
  }

  TComboBox& FCombo;
  std::vector<std::pair<String, TObject*>> FItems;
};

TComboBox::TComboBox(TComponent* AOwner) : TCustomControl(AOwner), FItems(std::make_unique<TComboBoxStrings>(*this)) {
  FControlStyle = { csCaptureMouse, csDoubleClicks, csFixedHeight, csClickEvents };
  SetParentColor(false);
  FWidth = 145;
  FHeight = 21;
  SetTabStop(true);
}

TComboBox::~TComboBox() = default;

void TComboBox::SetItemIndex(int Value) {
  if (Value < 0 || Value >= FItems->Count()) Value = -1;
  if (FItemIndex == Value) return;
  FItemIndex = Value;
  Invalidate();
}

void TComboBox::ItemsChanged(int Index, int Delta) {
  if (Delta == 0 || (Delta < 0 && Index == FItemIndex))
    FItemIndex = -1;
  else if (Index <= FItemIndex)
    FItemIndex += Delta;
  if (FItems->UpdateCount() == 0) Invalidate();
}

String TComboBox::GetText() { return FItemIndex >= 0 ? FItems->Strings(FItemIndex) : String(); }

void TComboBox::Change() {
  if (OnChange) {
    const TNotifyEvent Handler = OnChange;
    Handler(this);
  }
}

void TComboBox::KeyDown(Word& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  const int Count = FItems->Count(), Page = std::max(1, FDropDownCount - 1);
  if (Count == 0) return;
  int To = FItemIndex;
  switch (Key) {
  case VK_UP: To = std::max(0, FItemIndex - 1); break;
  case VK_DOWN: To = std::min(Count - 1, FItemIndex + 1); break;
  case VK_PRIOR: To = std::max(0, FItemIndex - Page); break;
  case VK_NEXT: To = std::min(Count - 1, std::max(0, FItemIndex) + Page); break;
  case VK_HOME: To = 0; break;
  case VK_END: To = Count - 1; break;
  default: return;
  }
  if (To == FItemIndex) return;
  SetItemIndex(To);
  Click();
  Change();
}

void TComboBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
  case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS; return;
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
  case CM_ENABLEDCHANGED: Invalidate(); break;
  case WM_LBUTTONDOWN:
    if (CanFocus()) SetFocus();
    break;
  }
  TCustomControl::Dispatch(Message);
}

// A sunken field with the chosen item and a drop button at its right end.
void TComboBox::Paint() {
  TCanvas* C = Canvas();
  TRect R = ClientRect();
  const HDC DC = C->Handle();
  C->Brush()->SetColor(Enabled() ? Color() : clBtnFace);
  C->FillRect(R);
  DrawEdge(DC, R, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  const int ButtonWidth = GetSystemMetrics(SM_CXVSCROLL);
  TRect Button { R.Right - ButtonWidth, R.Top, R.Right, R.Bottom };
  C->Brush()->SetColor(clBtnFace);
  C->FillRect(Button);
  TRect Edge = Button;
  DrawEdge(DC, Edge, EDGE_RAISED, BF_RECT);
  // The arrow: a small triangle pointing down.
  C->Pen()->SetColor(Enabled() ? clBtnText : clGrayText);
  const int CX = (Button.Left + Button.Right) / 2, CY = (Button.Top + Button.Bottom) / 2 - 1;
  for (int Row = 0; Row < 4; ++Row) {
    C->MoveTo(CX - 3 + Row, CY + Row);
    C->LineTo(CX + 4 - Row, CY + Row);
  }
  TRect Field { R.Left + 1, R.Top + 1, Button.Left - 1, R.Bottom - 1 };
  C->SetFont(Font());
  if (Focused()) {
    C->Brush()->SetColor(clHighlight);
    C->FillRect(Field);
    C->Font()->SetColor(clHighlightText);
  } else if (!Enabled()) {
    C->Font()->SetColor(clGrayText);
  }
  C->Brush()->SetStyle(bsClear);
  TRect Text { Field.Left + 2, Field.Top, Field.Right, Field.Bottom };
  DrawText(DC, GetText(), Text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if (Focused()) C->DrawFocusRect(Field);
}
