#include "skin/boxctrls/TskSkinCustomListBox.h"

#include <algorithm>
#include <utility>

#include "platform/base/ScopeGuard.h"
#include "platform/base/TStringList.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TPopupMenu.h"
#include "platform/ui/winsys/ScrollBars.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skDataSkinListControls.h"
#include "skin/core/skUtils.h"

namespace {

constexpr int BarThickness = 20;
constexpr int BuiltInBarThickness = 19;

}  // namespace

TskSkinCustomListBox::TskSkinCustomListBox(TComponent* AOwner)
    : TskSkinCustomControl(AOwner), FTabWidths(std::make_unique<TStringList>()),
      FGlyph(std::make_unique<TBitmap>()), FDefaultCaptionFont(std::make_unique<TFont>()) {
  FControlStyle = { csAcceptsControls, csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks, csReplicatable };
  SetForcebackGround(true);
  SetDrawbackGround(false);
  FDefaultCaptionFont->SetName("Tahoma");
  FDefaultCaptionFont->SetHeight(13);
  FDefaultCaptionFont->OnChange = [this](TObject* Sender) { DefaultCaptionFontChanged(Sender); };
  Font()->SetName("Tahoma");
  Font()->SetHeight(13);
  Font()->SetColor(clWindowText);
  FWidth = 120;
  FHeight = 120;
  SetSkinDataName("listbox");
  ListBox = new TskListBox(this);
  ListBox->SkinListBox = this;
  ListBox->SetStyle(lbOwnerDrawFixed);
  ListBox->SetItemHeight(FDefaultItemHeight);
  ListBox->SetParent(this);
  ListBox->SetVisible(true);
  CalcRects();
}

TskSkinCustomListBox::~TskSkinCustomListBox() {
  StopRepeatTimer();
  delete ScrollBar;
  delete HScrollBar;
  delete ListBox;
}

void TskSkinCustomListBox::CreateParams(TCreateParams& Params) {
  TskSkinCustomControl::CreateParams(Params);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

// ---- Pass-throughs to the inner list ----

TStrings* TskSkinCustomListBox::Items() const { return ListBox->Items(); }
void TskSkinCustomListBox::SetItems(TStrings* Value) {
  ListBox->Items()->Assign(Value);
  UpDateScrollBar();
}
int TskSkinCustomListBox::ItemIndex() const { return ListBox->ItemIndex(); }
void TskSkinCustomListBox::SetItemIndex(int Value) { ListBox->SetItemIndex(Value); }
int TskSkinCustomListBox::TopIndex() const { return ListBox->TopIndex(); }
void TskSkinCustomListBox::SetTopIndex(int Value) { ListBox->SetTopIndex(Value); }
bool TskSkinCustomListBox::Sorted() const { return ListBox->Sorted(); }
void TskSkinCustomListBox::SetSorted(bool Value) {
  if (ScrollBar) ScrollBar->SetVisible(false);
  ListBox->SetSorted(Value);
}
bool TskSkinCustomListBox::ExtandedSelect() const { return ListBox->ExtendedSelect(); }
void TskSkinCustomListBox::SetExtandedSelect(bool Value) { ListBox->SetExtendedSelect(Value); }
bool TskSkinCustomListBox::AutoComplete() const { return ListBox->AutoComplete(); }
void TskSkinCustomListBox::SetAutoComplete(bool Value) { ListBox->SetAutoComplete(Value); }
TFont* TskSkinCustomListBox::ListBoxFont() const { return ListBox->Font(); }
void TskSkinCustomListBox::SetListBoxFont(TFont* Value) { ListBox->Font()->Assign(Value); }
bool TskSkinCustomListBox::ListBoxTabStop() const { return ListBox->TabStop(); }
void TskSkinCustomListBox::SetListBoxTabStop(bool Value) { ListBox->SetTabStop(Value); }
int TskSkinCustomListBox::ListBoxTabOrder() const { return ListBox->TabOrder(); }
void TskSkinCustomListBox::SetListBoxTabOrder(int Value) { ListBox->SetTabOrder(Value); }
TPopupMenu* TskSkinCustomListBox::ListBoxPopupMenu() const { return ListBox->PopupMenu(); }
void TskSkinCustomListBox::SetListBoxPopupMenu(TPopupMenu* Value) { ListBox->SetPopupMenu(Value); }
TDragMode TskSkinCustomListBox::ListBoxDragMode() const { return ListBox->DragMode(); }
void TskSkinCustomListBox::SetListBoxDragMode(TDragMode Value) { ListBox->SetDragMode(Value); }
TDragKind TskSkinCustomListBox::ListBoxDragKind() const { return ListBox->DragKind(); }
void TskSkinCustomListBox::SetListBoxDragKind(TDragKind Value) { ListBox->SetDragKind(Value); }
TCursor TskSkinCustomListBox::ListBoxDragCursor() const { return ListBox->DragCursor(); }
void TskSkinCustomListBox::SetListBoxDragCursor(TCursor Value) { ListBox->SetDragCursor(Value); }
const TNotifyEvent& TskSkinCustomListBox::OnListBoxStartDrag() const { return ListBox->OnStartDrag; }
void TskSkinCustomListBox::SetOnListBoxStartDrag(TNotifyEvent Value) { ListBox->OnStartDrag = std::move(Value); }
const TDragOverEvent& TskSkinCustomListBox::OnListBoxDragOver() const { return ListBox->OnDragOver; }
void TskSkinCustomListBox::SetOnListBoxDragOver(TDragOverEvent Value) { ListBox->OnDragOver = std::move(Value); }
const TDragDropEvent& TskSkinCustomListBox::OnListBoxDragDrop() const { return ListBox->OnDragDrop; }
void TskSkinCustomListBox::SetOnListBoxDragDrop(TDragDropEvent Value) { ListBox->OnDragDrop = std::move(Value); }
const TEndDragEvent& TskSkinCustomListBox::OnListBoxEndDrag() const { return ListBox->OnEndDrag; }
void TskSkinCustomListBox::SetOnListBoxEndDrag(TEndDragEvent Value) { ListBox->OnEndDrag = std::move(Value); }
TCanvas* TskSkinCustomListBox::ListBoxCanvas() const { return ListBox->Canvas(); }
bool TskSkinCustomListBox::MultiSelect() const { return ListBox->MultiSelect(); }
void TskSkinCustomListBox::SetMultiSelect(bool Value) { ListBox->SetMultiSelect(Value); }
int TskSkinCustomListBox::SelCount() const { return ListBox->SelCount(); }
bool TskSkinCustomListBox::Selected(int Index) const { return ListBox->Selected(Index); }
void TskSkinCustomListBox::SetSelected(int Index, bool Value) { ListBox->SetSelected(Index, Value); }
int TskSkinCustomListBox::Columns() const { return ListBox->Columns(); }
void TskSkinCustomListBox::SetColumns(int Value) {
  ListBox->SetColumns(Value);
  UpDateScrollBar();
}
void TskSkinCustomListBox::Clear() {
  ListBox->Clear();
  UpDateScrollBar();
}
int TskSkinCustomListBox::ItemAtPos(TPoint Pos, bool Existing) const { return ListBox->ItemAtPos(Pos, Existing); }
TRect TskSkinCustomListBox::ItemRect(int Item) const { return ListBox->ItemRect(Item); }

// ---- Setters ----

void TskSkinCustomListBox::SetShowCaptionButtons(bool Value) {
  if (FShowCaptionButtons == Value) return;
  FShowCaptionButtons = Value;
  Repaint();
}

void TskSkinCustomListBox::SetTabWidths(TStrings* Value) {
  FTabWidths->Assign(Value);
  if (FTabWidths->Count() > 0) ListBox->Invalidate();
}

void TskSkinCustomListBox::SetHorizontalExtent(bool Value) {
  FHorizontalExtent = Value;
  UpDateScrollBar();
}

void TskSkinCustomListBox::SetRowCount(int Value) {
  FRowCount = Value;
  if (FRowCount != 0) SetHeight(CalcHeight(FRowCount));
  UpDateScrollBar();
}

void TskSkinCustomListBox::SetImages(TCustomImageList* Value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages) FImages->FreeNotification(this);
  ListBox->Repaint();
}

void TskSkinCustomListBox::SetImageIndex(int Value) {
  FImageIndex = Value;
  ListBox->Repaint();
}

void TskSkinCustomListBox::SetDefaultItemHeight(int Value) {
  FDefaultItemHeight = Value;
  if (FIndex == -1 || !FUseSkinItemHeight) ListBox->SetItemHeight(Value);
}

void TskSkinCustomListBox::SetDefaultCaptionHeight(int Value) {
  FDefaultCaptionHeight = Value;
  if (FIndex == -1 && FCaptionMode) {
    CalcRects();
    Repaint();
  }
}

void TskSkinCustomListBox::SetDefaultCaptionFont(TFont* Value) { FDefaultCaptionFont->Assign(Value); }

void TskSkinCustomListBox::DefaultCaptionFontChanged(TObject*) {
  if (FIndex == -1 && FCaptionMode) Repaint();
}

void TskSkinCustomListBox::SetCaptionMode(bool Value) {
  FCaptionMode = Value;
  if (FIndex == -1) {
    CalcRects();
    Repaint();
  }
}

void TskSkinCustomListBox::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  if (FCaptionMode) Repaint();
}

void TskSkinCustomListBox::SetGlyph(TBitmap* Value) {
  FGlyph->Assign(Value);
  Repaint();
}

void TskSkinCustomListBox::SetNumGlyphs(int Value) {
  FNumGlyphs = Value;
  Repaint();
}

void TskSkinCustomListBox::SetSpacing(int Value) {
  FSpacing = Value;
  Repaint();
}

void TskSkinCustomListBox::DefaultFontChange() {
  if (FIndex == -1) Font()->Assign(DefaultFont());
}

void TskSkinCustomListBox::Notification(TComponent* AComponent, TOperation Operation) {
  TskSkinCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == ScrollBar) ScrollBar = nullptr;
  if (AComponent == HScrollBar) HScrollBar = nullptr;
  if (AComponent == ListBox) ListBox = nullptr;
}

// ---- Geometry ----

int TskSkinCustomListBox::CalcHeight(int AItemsCount) {
  int H;
  if (FIndex == -1) {
    H = AItemsCount * ListBox->ItemHeight() + 4;
    if (FCaptionMode) H += FDefaultCaptionHeight;
  } else {
    H = SkinRect.Height() - ClRect.Height() + AItemsCount * ListBox->ItemHeight();
  }
  if (HScrollBar) H += HScrollBar->Height();
  return H;
}

int TskSkinCustomListBox::DefaultCaptionSpace() const { return FCaptionMode ? FDefaultCaptionHeight : 1; }

void TskSkinCustomListBox::CalcRects() {
  const bool Skin = FIndex != -1;
  const int CapH = DefaultCaptionSpace();
  if (Skin)
    NewClRect = Rect(ClRect.Left, ClRect.Top, ClRect.Right + FWidth - SkinRect.Width(),
                     ClRect.Bottom + FHeight - SkinRect.Height());
  int HsH = 0;
  if (Columns() == 0 && HScrollBar && HScrollBar->Visible()) {
    if (!Skin) {
      HScrollBar->SetBounds(1, FHeight - BarThickness, FWidth - 2, BuiltInBarThickness);
      HsH = HScrollBar->Height() - 1;
    } else {
      HScrollBar->SetBounds(NewClRect.Left, NewClRect.Bottom - HScrollBar->Height(), NewClRect.Width(),
                            HScrollBar->Height());
      HsH = HScrollBar->Height();
    }
  }
  if (ScrollBar && ScrollBar->Visible()) {
    if (!Skin && Columns() <= 0) {
      ScrollBar->SetBounds(FWidth - BarThickness, CapH, BuiltInBarThickness, FHeight - 1 - CapH - HsH);
      ListRect = Rect(2, CapH + 1, ScrollBar->Left(), FHeight - 2 - HsH);
    } else if (!Skin) {
      ScrollBar->SetBounds(1, FHeight - BarThickness, FWidth - 2, BuiltInBarThickness);
      ListRect = Rect(2, CapH + 1, FWidth - 2, ScrollBar->Top());
    } else if (Columns() <= 0) {
      ScrollBar->SetBounds(NewClRect.Right - ScrollBar->Width(), NewClRect.Top, ScrollBar->Width(),
                           NewClRect.Height() - HsH);
      ListRect = Rect(NewClRect.Left, NewClRect.Top, NewClRect.Right - ScrollBar->Width(), NewClRect.Bottom - HsH);
    } else {
      ScrollBar->SetBounds(NewClRect.Left, NewClRect.Bottom - ScrollBar->Height(), NewClRect.Width(),
                           ScrollBar->Height());
      ListRect = Rect(NewClRect.Left, NewClRect.Top, NewClRect.Right, NewClRect.Bottom - ScrollBar->Height());
    }
  } else {
    ListRect = Skin ? Rect(NewClRect.Left, NewClRect.Top, NewClRect.Right, NewClRect.Bottom - HsH)
                    : Rect(2, CapH + 1, FWidth - 2, FHeight - 2 - HsH);
  }
  if (ListBox) ListBox->SetBoundsRect(ListRect);
}

void TskSkinCustomListBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TskSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FIndex == -1) Repaint();
}

// ---- Scroll bars ----

int TskSkinCustomListBox::HorizontalPage() {
  int Page = FIndex == -1 ? ListBox->Width() - 4 : ListBox->Width() + ItemTextRect.Width() - SItemRect.Width();
  if (FImages) Page -= FImages->Width() + 4;
  return Page;
}

void TskSkinCustomListBox::UpDateScrollBar() {
  if (!ListBox || FUpdatingBars) return;
  FUpdatingBars = true;
  ScopeGuard Done([this] { FUpdatingBars = false; });
  const HWND Wnd = ListBox->HandleAllocated() ? ListBox->Handle() : 0;
  if (!Wnd) return;
  const int Count = ListBox->Count();
  const int RowHeight = std::max(1, ListBox->ItemHeight());
  int Min = 0, Max = 0;
  if (Columns() >= 1) {
    GetScrollRange(Wnd, SB_HORZ, &Min, &Max);
    const int Pos = GetScrollPos(Wnd, SB_HORZ);
    if (Min < Max && Pos <= Max && Columns() <= Max && (ListBox->Height() / RowHeight) * Columns() < Count) {
      if (!ScrollBar) ShowVScrollBar();
      ScrollBar->SetRange(Min, Max, Pos, Columns());
    } else if (ScrollBar) {
      HideVScrollBar();
    }
    return;
  }
  if (FHorizontalExtent && !FStopUpDateHScrollBar) {
    TCanvas* C = ListBox->Canvas();
    if (FIndex != -1 && UseSkinFont()) {
      C->Font()->SetName(FontName);
      C->Font()->SetStyle(FontStyle);
      C->Font()->SetHeight(FontHeight);
    } else {
      C->Font()->Assign(ListBox->Font());
    }
    int Widest = 0;
    for (int I = 0; I < Count; ++I) Widest = std::max(Widest, GetItemWidth(I, C));
    const int Page = HorizontalPage();
    if (Page < Widest) {
      if (!HScrollBar) ShowHScrollBar();
      HScrollBar->SetRange(0, Widest, HScrollBar->Position(), Page);
      const int Step = C->TextWidth("0");
      HScrollBar->SetSmallChange(Step);
      HScrollBar->SetLargeChange(Step);
    } else if (HScrollBar) {
      HideHScrollBar();
    }
  } else if (HScrollBar) {
    HideHScrollBar();
  }
  if (FRowCount > 0 && FRowCount == Count) {
    if (ScrollBar) HideVScrollBar();
    return;
  }
  GetScrollRange(Wnd, SB_VERT, &Min, &Max);
  const int Pos = GetScrollPos(Wnd, SB_VERT);
  const int Page = ListBox->Height() / RowHeight;
  if (Min < Max && Pos <= Max && Page < Count) {
    if (!ScrollBar) ShowVScrollBar();
    ScrollBar->SetRange(Min, Max, Pos, Page);
    ScrollBar->SetLargeChange(Page);
  } else if (ScrollBar) {
    HideVScrollBar();
  }
}

void TskSkinCustomListBox::ShowVScrollBar() {
  ScrollBar = new TskSkinScrollBar(this);
  ScrollBar->SetKind(Columns() <= 0 ? sbVertical : sbHorizontal);
  ScrollBar->SetBounds(0, 0, BarThickness, 100);
  ScrollBar->SetRange(0, ScrollBar->Max(), 0, 0);
  ScrollBar->OnChange = [this](TObject* Sender) { VScrollBarChange(Sender); };
  ScrollBar->SetSkinDataName(FIndex == -1 ? String() : Columns() <= 0 ? VScrollBarName : HScrollBarName);
  ScrollBar->SetSkinData(SkinData());
  if (HScrollBar) {
    if (FIndex == -1) {
      HScrollBar->SetBoth(true);
      HScrollBar->SetBothMarkerWidth(BuiltInBarThickness);
    } else {
      HScrollBar->SetSkinDataName(BothScrollBarName);
      HScrollBar->SetBothSkinDataName(BothScrollBarName);
      HScrollBar->SetBoth(true);
    }
    HScrollBar->SetSkinData(SkinData());
  }
  ScrollBar->SetParent(this);
  CalcRects();
  ScrollBar->SetVisible(true);
  CalcRects();
  ScrollBar->Repaint();
}

void TskSkinCustomListBox::ShowHScrollBar() {
  HScrollBar = new TskSkinScrollBar(this);
  HScrollBar->SetKind(sbHorizontal);
  HScrollBar->SetBounds(0, 0, 100, BarThickness);
  HScrollBar->OnChange = [this](TObject* Sender) { HScrollBarChange(Sender); };
  if (FIndex == -1) {
    HScrollBar->SetSkinDataName("");
    if (ScrollBar) {
      HScrollBar->SetBoth(true);
      HScrollBar->SetBothMarkerWidth(BuiltInBarThickness);
    }
  } else {
    const String& Name = ScrollBar ? BothScrollBarName : HScrollBarName;
    HScrollBar->SetSkinDataName(Name);
    HScrollBar->SetBothSkinDataName(Name);
    HScrollBar->SetBoth(ScrollBar != nullptr);
  }
  HScrollBar->SetSkinData(SkinData());
  HScrollBar->SetParent(this);
  HScrollBar->SetVisible(true);
  CalcRects();
  HScrollBar->Repaint();
}

void TskSkinCustomListBox::HideVScrollBar() {
  TskSkinScrollBar* Bar = std::exchange(ScrollBar, nullptr);
  Bar->SetVisible(false);
  delete Bar;
  CalcRects();
}

void TskSkinCustomListBox::HideHScrollBar() {
  ListBox->SetHorizontalExtentValue(0);
  TskSkinScrollBar* Bar = std::exchange(HScrollBar, nullptr);
  Bar->SetVisible(false);
  delete Bar;
  CalcRects();
  ListBox->Repaint();
}

void TskSkinCustomListBox::VScrollBarChange(TObject*) {
  SendMessage(ListBox->Handle(), Columns() > 0 ? WM_HSCROLL : WM_VSCROLL,
              MAKEWPARAM(SB_THUMBPOSITION, Word(ScrollBar->Position())), 0);
}

void TskSkinCustomListBox::HScrollBarChange(TObject*) { ListBox->SetHorizontalExtentValue(HScrollBar->Position()); }

// ---- Skin ----

void TskSkinCustomListBox::GetSkinData() {
  TskSkinCustomControl::GetSkinData();
  const auto* R = dynamic_cast<const TskDataSkinListBox*>(SkinRecord());
  if (!R) return;
  FontName = R->FontName;
  FontStyle = R->FontStyle;
  FontHeight = R->FontHeight;
  SItemRect = R->SItemRect;
  ActiveItemRect = IsEmptyRect(R->ActiveItemRect) ? R->SItemRect : R->ActiveItemRect;
  FocusItemRect = IsEmptyRect(R->FocusItemRect) ? R->SItemRect : R->FocusItemRect;
  ItemLeftOffset = R->ItemLeftOffset;
  ItemRightOffset = R->ItemRightOffset;
  ItemTextRect = R->ItemTextRect;
  FontColor = R->FontColor;
  ActiveFontColor = R->ActiveFontColor;
  FocusFontColor = R->FocusFontColor;
  CaptionRect = R->CaptionRect;
  CaptionFontName = R->CaptionFontName;
  CaptionFontStyle = R->CaptionFontStyle;
  CaptionFontHeight = R->CaptionFontHeight;
  CaptionFontColor = R->CaptionFontColor;
  UpButtonRect = R->UpButtonRect;
  ActiveUpButtonRect = R->ActiveUpButtonRect;
  DownUpButtonRect = IsEmptyRect(R->DownUpButtonRect) ? R->ActiveUpButtonRect : R->DownUpButtonRect;
  DownButtonRect = R->DownButtonRect;
  ActiveDownButtonRect = R->ActiveDownButtonRect;
  DownDownButtonRect = IsEmptyRect(R->DownDownButtonRect) ? R->ActiveDownButtonRect : R->DownDownButtonRect;
  CheckButtonRect = R->CheckButtonRect;
  ActiveCheckButtonRect = R->ActiveCheckButtonRect;
  DownCheckButtonRect = IsEmptyRect(R->DownCheckButtonRect) ? R->ActiveCheckButtonRect : R->DownCheckButtonRect;
  VScrollBarName = R->VScrollBarName;
  HScrollBarName = R->HScrollBarName;
  BothScrollBarName = R->BothScrollBarName;
  ShowFocus = R->ShowFocus;
  ButtonsArea = R->ButtonsArea;
  DisabledButtonsRect = R->DisabledButtonsRect;
}

void TskSkinCustomListBox::ChangeSkinData() {
  TskSkinCustomControl::ChangeSkinData();
  FStopUpDateHScrollBar = true;
  if (FIndex == -1) {
    ListBox->SetItemHeight(FDefaultItemHeight);
    Font()->Assign(DefaultFont());
  } else if (FUseSkinItemHeight) {
    ListBox->SetItemHeight(SItemRect.Height());
  }
  if (ScrollBar) {
    ScrollBar->SetSkinDataName(FIndex == -1 ? String() : Columns() <= 0 ? VScrollBarName : HScrollBarName);
    ScrollBar->SetSkinData(SkinData());
  }
  if (HScrollBar) {
    if (FIndex == -1) {
      HScrollBar->SetSkinDataName("");
      if (ScrollBar) {
        HScrollBar->SetBoth(true);
        HScrollBar->SetBothMarkerWidth(BuiltInBarThickness);
      }
    } else {
      HScrollBar->SetSkinDataName(ScrollBar ? BothScrollBarName : HScrollBarName);
      HScrollBar->SetBoth(ScrollBar != nullptr);
    }
    HScrollBar->SetSkinData(SkinData());
  }
  if (FRowCount != 0) SetHeight(CalcHeight(FRowCount));
  CalcRects();
  FStopUpDateHScrollBar = false;
  UpDateScrollBar();
  ListBox->ForgetTile();
  ListBox->Repaint();
}

// ---- What the inner list calls ----

int TskSkinCustomListBox::GetItemWidth(int Index, TCanvas* Canvas) { return Canvas->TextWidth(Items()->Strings(Index)); }

void TskSkinCustomListBox::ListBoxMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnListBoxMouseDown) OnListBoxMouseDown(this, Button, Shift, X, Y);
}
void TskSkinCustomListBox::ListBoxMouseMove(TShiftState Shift, int X, int Y) {
  if (OnListBoxMouseMove) OnListBoxMouseMove(this, Shift, X, Y);
}
void TskSkinCustomListBox::ListBoxMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnListBoxMouseUp) OnListBoxMouseUp(this, Button, Shift, X, Y);
}
void TskSkinCustomListBox::ListBoxClick() {
  if (OnListBoxClick) OnListBoxClick(this);
}
void TskSkinCustomListBox::ListBoxDblClick() {
  if (OnListBoxDblClick) OnListBoxDblClick(this);
}
void TskSkinCustomListBox::ListBoxKeyDown(Word& Key, TShiftState Shift) {
  if (OnListBoxKeyDown) OnListBoxKeyDown(this, Key, Shift);
}
void TskSkinCustomListBox::ListBoxKeyUp(Word& Key, TShiftState Shift) {
  if (OnListBoxKeyUp) OnListBoxKeyUp(this, Key, Shift);
}
void TskSkinCustomListBox::ListBoxKeyPress(char32_t& Key) {
  if (OnListBoxKeyPress) OnListBoxKeyPress(this, Key);
}
void TskSkinCustomListBox::ListBoxWProc(TMessage&, bool& Handled) { Handled = true; }
