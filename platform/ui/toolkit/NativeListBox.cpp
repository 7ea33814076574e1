#include "platform/ui/toolkit/NativeListBox.h"

#include <algorithm>

#include "platform/base/SysUtils.h"
#include "platform/base/TemporaryChange.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/ScrollBars.h"
#include "platform/ui/toolkit/TCustomListBox.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/toolkit/ViewSupport.h"

namespace {

/// Whether Text starts with Prefix (or equals it, Exact), comparing letters without their case.
bool MatchesText(const String& Text, const String& Prefix, bool Exact) {
  size_t I = 0, J = 0;
  while (J < Prefix.size()) {
    if (I >= Text.size() || LowerCodePoint(ReadCodePoint(Text, I)) != LowerCodePoint(ReadCodePoint(Prefix, J)))
      return false;
  }
  return !Exact || I == Text.size();
}

bool Shift() { return GetKeyState(VK_SHIFT) < 0; }
bool Ctrl() { return GetKeyState(VK_CONTROL) < 0; }

}  // namespace

NativeListBox::NativeListBox(TCustomListBox& List) : FList(List) {}

// ---- Items -------------------------------------------------------------------------------------------------

int NativeListBox::Insert(int Index, const String& Text) {
  if (Index < 0 || Index > Count()) Index = Count();
  FItems.insert(FItems.begin() + Index, Item { Text });
  for (int* Ref : { &FCurSel, &FCaret, &FAnchor })
    if (*Ref >= Index) ++*Ref;
  if (Variable()) Measure(Index);
  ContentChanged();
  return Index;
}

// A variable-height row asks the parent for its height (WM_MEASUREITEM); without a window it keeps the
// font's until the window exists.
void NativeListBox::Measure(int Index) {
  MEASUREITEMSTRUCT Request { ODT_LISTBOX, 0, UINT(Index), 0, UINT(FixedHeight()), FItems[size_t(Index)].Data, Wnd() };
  if (const HWND W = Wnd(); W && GetParent(W)) SendMessage(GetParent(W), WM_MEASUREITEM, 0, LPARAM(&Request));
  FItems[size_t(Index)].Height = std::max(1, int(Request.itemHeight));
}

LRESULT NativeListBox::Delete(int Index) {
  if (!Valid(Index)) return LB_ERR;
  FItems.erase(FItems.begin() + Index);
  if (FCurSel == Index)
    FCurSel = -1;
  else if (FCurSel > Index)
    --FCurSel;
  for (int* Ref : { &FCaret, &FAnchor })
    if (*Ref > Index || *Ref >= Count()) --*Ref;
  ContentChanged();
  return Count();
}

void NativeListBox::Reset() {
  FItems.clear();
  FCurSel = FCaret = FAnchor = -1;
  FTop = 0;
  ContentChanged();
}

LRESULT NativeListBox::Find(int After, const String& Text, bool Exact) const {
  const int N = Count();
  const int Start = Valid(After) ? After + 1 : 0;
  for (int K = 0; K < N; ++K) {
    const int I = (Start + K) % N;
    if (MatchesText(FItems[size_t(I)].Text, Text, Exact)) return I;
  }
  return LB_ERR;
}

LRESULT NativeListBox::GetText(int Index, char* Buffer) const {
  if (!Valid(Index)) return LB_ERR;
  const String& Text = FItems[size_t(Index)].Text;
  if (Buffer) {
    std::copy(Text.begin(), Text.end(), Buffer);
    Buffer[Text.size()] = '\0';
  }
  return LRESULT(Text.size());
}

// ---- Style and geometry ------------------------------------------------------------------------------------

DWORD NativeListBox::Style() const { return Wnd() ? GetWindowLong(Wnd(), GWL_STYLE) : FList.ListStyle(); }
bool NativeListBox::Multiple() const { return (Style() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }
bool NativeListBox::Extended() const { return (Style() & LBS_EXTENDEDSEL) != 0; }
bool NativeListBox::OwnerDraw() const { return (Style() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0; }
bool NativeListBox::Variable() const { return (Style() & LBS_OWNERDRAWVARIABLE) != 0; }
bool NativeListBox::Columns() const { return (Style() & LBS_MULTICOLUMN) != 0; }
HWND NativeListBox::Wnd() const { return FList.HandleAllocated() ? FList.Handle() : 0; }

TRect NativeListBox::Client() const {
  TRect R;
  if (Wnd()) GetClientRect(Wnd(), &R);
  return R;
}

HFONT NativeListBox::Font() const { return FFont ? FFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

int NativeListBox::FixedHeight() const {
  if (FItemHeight > 0) return FItemHeight;
  if (FFontHeight == 0) {
    const HDC DC = CreateCompatibleDC(nullptr);
    SelectObject(DC, Font());
    TEXTMETRIC Metrics;
    GetTextMetrics(DC, Metrics);
    DeleteDC(DC);
    FFontHeight = std::max(1, int(Metrics.tmHeight));
  }
  return FFontHeight;
}

int NativeListBox::HeightOf(int Index) const {
  return Variable() && Valid(Index) ? FItems[size_t(Index)].Height : FixedHeight();
}

int NativeListBox::Rows() const {
  const int Height = Client().Height();
  if (!Variable()) return std::max(1, Height / FixedHeight());
  int Rows = 0;
  for (int I = FTop, Used = 0; I < Count() && (Used += HeightOf(I)) <= Height; ++I) ++Rows;
  return std::max(1, Rows);
}

int NativeListBox::ColumnWidth() const { return FColumnWidth > 0 ? FColumnWidth : std::max(1, Client().Width()); }
int NativeListBox::VisibleColumns() const { return std::max(1, Client().Width() / ColumnWidth()); }

// The top row that leaves the last page full (a whole last column in a multi-column list).
int NativeListBox::MaxTop() const {
  if (Columns()) {
    const int Rows = this->Rows(), Cols = (Count() + Rows - 1) / Rows;
    return std::max(0, Cols - VisibleColumns()) * Rows;
  }
  if (!Variable()) return std::max(0, Count() - Rows());
  int Top = Count(), Used = 0;
  while (Top > 0 && Used + HeightOf(Top - 1) <= Client().Height()) Used += HeightOf(--Top);
  return std::min(Top, std::max(0, Count() - 1));
}

bool NativeListBox::ItemRect(int Index, TRect& R) const {
  if (!Valid(Index)) return false;
  const TRect C = Client();
  if (Columns()) {
    const int Rows = this->Rows(), Height = FixedHeight(), Width = ColumnWidth();
    const int Column = Index / Rows - FTop / Rows;
    R = Bounds(Column * Width, (Index % Rows) * Height, Width, Height);
    return true;
  }
  int Y = (Index - FTop) * FixedHeight();
  if (Variable()) {
    Y = 0;
    for (int I = FTop; I < Index; ++I) Y += HeightOf(I);
    for (int I = Index; I < FTop; ++I) Y -= HeightOf(I);
  }
  R = Bounds(0, Y, C.Width(), HeightOf(Index));
  return true;
}

int NativeListBox::ItemAt(TPoint P, bool& Past) const {
  Past = false;
  if (Count() == 0) {
    Past = true;
    return 0;
  }
  const TRect C = Client();
  int Nearest = FTop;
  for (int I = FTop; I < Count(); ++I) {
    TRect R;
    ItemRect(I, R);
    if (R.Left > C.Right || (!Columns() && R.Top >= C.Bottom)) break;
    if (R.Contains(P)) return I;
    if (P.X >= R.Left && P.X < R.Right && P.Y >= R.Top) Nearest = I;
  }
  Past = true;
  return Nearest;
}

// ---- Scrolling ---------------------------------------------------------------------------------------------

void NativeListBox::SetTop(int Index) {
  int Top = std::clamp(Index, 0, MaxTop());
  if (Columns()) Top -= Top % Rows();
  if (Top == FTop) return;
  FTop = Top;
  ContentChanged();
}

void NativeListBox::EnsureVisible(int Index) {
  if (!Valid(Index) || !Wnd()) return;
  if (Columns()) {
    const int Rows = this->Rows(), Column = Index / Rows, First = FTop / Rows;
    if (Column < First)
      SetTop(Column * Rows);
    else if (Column >= First + VisibleColumns())
      SetTop((Column - VisibleColumns() + 1) * Rows);
    return;
  }
  if (Index < FTop) {
    SetTop(Index);
    return;
  }
  int Top = FTop;
  const int Height = Client().Height();
  auto Bottom = [&] {
    int Y = 0;
    for (int I = Top; I <= Index; ++I) Y += HeightOf(I);
    return Y;
  };
  while (Top < Index && Bottom() > Height) ++Top;
  SetTop(Top);
}

// The window's scroll information tells the range, page and position, and a bar the window was made
// with shows while there is something to scroll.
void NativeListBox::UpdateScrollInfo() {
  const HWND W = Wnd();
  if (!W || FUpdatingBars) return;
  TemporaryChange Updating(FUpdatingBars, true);
  const int Bar = Columns() ? SB_HORZ : SB_VERT;
  const bool Needed = PublishScrollInfo() || (Style() & LBS_DISABLENOSCROLL);
  const DWORD Wanted = Needed ? (Bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL) & FBars : 0;
  if ((GetWindowLong(W, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL) & FBars) != Wanted) {
    ShowScrollBar(W, SB_BOTH, false);
    if (Wanted) ShowScrollBar(W, Bar, true);
    PublishScrollInfo();  // the client area changed with the bars
  }
}

bool NativeListBox::PublishScrollInfo() {
  const int Rows = this->Rows();
  SCROLLINFO Info;
  Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  if (Columns()) {
    Info.nMax = std::max(0, (Count() + Rows - 1) / Rows - 1);
    Info.nPage = UINT(VisibleColumns());
    Info.nPos = FTop / Rows;
  } else {
    Info.nMax = std::max(0, Count() - 1);
    Info.nPage = UINT(Rows);
    Info.nPos = FTop;
  }
  SetScrollInfo(Wnd(), Columns() ? SB_HORZ : SB_VERT, Info, true);
  return Count() > 0 && Info.nMax + 1 > int(Info.nPage);
}

void NativeListBox::Scroll(int Bar, WPARAM Request) {
  if ((Bar == SB_HORZ) != Columns()) return;
  const int Unit = Columns() ? Rows() : 1;
  const int Page = Columns() ? VisibleColumns() * Unit : std::max(1, Rows() - 1);
  switch (LOWORD(Request)) {
  case SB_LINEUP: SetTop(FTop - Unit); break;
  case SB_LINEDOWN: SetTop(FTop + Unit); break;
  case SB_PAGEUP: SetTop(FTop - Page); break;
  case SB_PAGEDOWN: SetTop(FTop + Page); break;
  case SB_TOP: SetTop(0); break;
  case SB_BOTTOM: SetTop(Count()); break;
  case SB_THUMBPOSITION:
  case SB_THUMBTRACK: {
    // The message carries 16 bits; a full position set just before in the scroll information wins.
    int Pos = HIWORD(Request);
    SCROLLINFO Info;
    Info.fMask = SIF_POS;
    if (GetScrollInfo(Wnd(), Bar, &Info) && (Info.nPos & 0xFFFF) == Pos) Pos = Info.nPos;
    SetTop(Pos * Unit);
    break;
  }
  default: break;
  }
}

void NativeListBox::ContentChanged() {
  if (FTop > MaxTop()) FTop = MaxTop();
  UpdateScrollInfo();
  if (const HWND W = Wnd()) InvalidateRect(W, nullptr, true);
}

// ---- Selection ---------------------------------------------------------------------------------------------

bool NativeListBox::IsSelected(int Index) const {
  return Multiple() ? Valid(Index) && FItems[size_t(Index)].Selected : Index >= 0 && Index == FCurSel;
}

void NativeListBox::SetSelected(int Index, bool Value) {
  if (!Valid(Index) || FItems[size_t(Index)].Selected == Value) return;
  FItems[size_t(Index)].Selected = Value;
  RedrawItem(Index, ODA_SELECT);
}

void NativeListBox::SetCurSel(int Index) {
  if (!Valid(Index)) Index = -1;
  const int Old = FCurSel;
  FCurSel = Index;
  if (Old != Index) {
    RedrawItem(Old, ODA_SELECT);
    RedrawItem(Index, ODA_SELECT);
  }
  SetCaret(Index);
}

void NativeListBox::SetCaret(int Index) {
  if (!Valid(Index)) Index = -1;
  if (Index == FCaret) return;
  const int Old = FCaret;
  FCaret = Index;
  RedrawItem(Old, ODA_FOCUS);
  EnsureVisible(Index);
  RedrawItem(Index, ODA_FOCUS);
}

void NativeListBox::SelectOnly(int Index) {
  for (int I = 0; I < Count(); ++I) SetSelected(I, I == Index);
}

void NativeListBox::SelectRange(int From, int To) {
  const int Low = std::min(From, To), High = std::max(From, To);
  for (int I = 0; I < Count(); ++I) SetSelected(I, I >= Low && I <= High);
}

void NativeListBox::UserMove(int Index, bool ShiftHeld, bool CtrlHeld, bool Toggle) {
  if (!Valid(Index)) return;
  if (!Multiple()) {
    SetCurSel(Index);
    return;
  }
  if (Toggle) {
    SetSelected(Index, !FItems[size_t(Index)].Selected);
    FAnchor = Index;
  } else if (Extended() && ShiftHeld) {
    SelectRange(FAnchor < 0 ? Index : FAnchor, Index);
  } else if (Extended() && !CtrlHeld) {
    SelectOnly(Index);
    FAnchor = Index;
  }
  SetCaret(Index);
}

void NativeListBox::Notify(Word Code) {
  const HWND W = Wnd();
  if (!W || !(Style() & LBS_NOTIFY)) return;
  if (const HWND Parent = GetParent(W))
    SendMessage(Parent, WM_COMMAND, MAKEWPARAM(Word(GetWindowLong(W, GWL_ID)), Code), LPARAM(W));
}

// ---- Painting ----------------------------------------------------------------------------------------------

// The parent may choose the colours (WM_CTLCOLORLISTBOX); without an answer the list is window-coloured.
HBRUSH NativeListBox::Background(HDC DC) {
  const HWND W = Wnd();
  SetTextColor(DC, ColorToRGB(clWindowText));
  SetBkColor(DC, ColorToRGB(clWindow));
  HBRUSH Brush = nullptr;
  if (const HWND Parent = GetParent(W))
    Brush = reinterpret_cast<HBRUSH>(SendMessage(Parent, WM_CTLCOLORLISTBOX, WPARAM(DC), LPARAM(W)));
  return Brush;
}

void NativeListBox::DrawItem(HDC DC, int Index, UINT Action) {
  TRect R;
  if (!ItemRect(Index, R)) return;
  const HWND W = Wnd();
  UINT State = 0;
  if (IsSelected(Index)) State |= ODS_SELECTED;
  if (Index == FCaret && GetFocus() == W) State |= ODS_FOCUS;
  if (!IsWindowEnabled(W)) State |= ODS_DISABLED;
  if (OwnerDraw()) {
    DRAWITEMSTRUCT Draw { ODT_LISTBOX, 0, UINT(Index), Action, State, W, DC, R, FItems[size_t(Index)].Data };
    if (const HWND Parent = GetParent(W)) SendMessage(Parent, WM_DRAWITEM, 0, LPARAM(&Draw));
    return;
  }
  const int Saved = SaveDC(DC);
  HBRUSH Brush = Background(DC);
  const bool OwnBrush = !Brush || (State & ODS_SELECTED);
  if (State & ODS_SELECTED) {
    SetTextColor(DC, ColorToRGB(clHighlightText));
    Brush = CreateSolidBrush(ColorToRGB(clHighlight));
  } else if (!Brush) {
    Brush = CreateSolidBrush(ColorToRGB(clWindow));
  }
  if (State & ODS_DISABLED) SetTextColor(DC, ColorToRGB(clGrayText));
  FillRect(DC, R, Brush);
  if (OwnBrush) DeleteObject(Brush);
  SelectObject(DC, Font());
  SetBkMode(DC, TRANSPARENT);
  TRect Text { R.Left + 2, R.Top, R.Right, R.Bottom };
  DrawText(DC, FItems[size_t(Index)].Text, Text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if (State & ODS_FOCUS) DrawFocusRect(DC, R);
  RestoreDC(DC, Saved);
}

// A row whose state changed is drawn again at once, without erasing the rest.
void NativeListBox::RedrawItem(int Index, UINT Action) {
  const HWND W = Wnd();
  if (!W || !Valid(Index) || !IsWindowVisible(W)) return;
  TRect R;
  ItemRect(Index, R);
  const TRect C = Client();
  if (R.Bottom <= C.Top || R.Top >= C.Bottom || R.Right <= C.Left || R.Left >= C.Right) return;
  const HDC DC = GetDC(W);
  IntersectClipRect(DC, C.Left, C.Top, C.Right, C.Bottom);
  DrawItem(DC, Index, Action);
  ReleaseDC(W, DC);
}

void NativeListBox::Paint(HDC DC) {
  const TRect C = Client();
  const int Saved = SaveDC(DC);
  IntersectClipRect(DC, C.Left, C.Top, C.Right, C.Bottom);
  for (int I = FTop; I < Count(); ++I) {
    TRect R;
    ItemRect(I, R);
    if (R.Top >= C.Bottom && !Columns()) break;
    if (R.Left >= C.Right) break;
    DrawItem(DC, I, ODA_DRAWENTIRE);
    ExcludeClipRect(DC, R.Left, R.Top, R.Right, R.Bottom);
  }
  HBRUSH Brush = Background(DC);
  const bool Own = !Brush;
  if (Own) Brush = CreateSolidBrush(ColorToRGB(clWindow));
  FillRect(DC, C, Brush);
  if (Own) DeleteObject(Brush);
  RestoreDC(DC, Saved);
}

// ---- Input -------------------------------------------------------------------------------------------------

void NativeListBox::KeyDown(WPARAM Key) {
  if (Count() == 0) return;
  const int From = Multiple() ? FCaret : FCurSel;
  const int Rows = this->Rows();
  const int Step = Columns() ? Rows : 1;
  int To = From;
  switch (Key) {
  case VK_UP: To = From - 1; break;
  case VK_DOWN: To = From + 1; break;
  case VK_LEFT: To = From - Step; break;
  case VK_RIGHT: To = From + Step; break;
  case VK_PRIOR: To = From - std::max(1, Columns() ? Rows * VisibleColumns() : Rows - 1); break;
  case VK_NEXT: To = From + std::max(1, Columns() ? Rows * VisibleColumns() : Rows - 1); break;
  case VK_HOME: To = 0; break;
  case VK_END: To = Count() - 1; break;
  case VK_SPACE:
    if (Multiple() && Valid(FCaret) && (!Extended() || Ctrl())) {
      UserMove(FCaret, false, false, true);
      Notify(LBN_SELCHANGE);
    }
    return;
  default: return;
  }
  To = From < 0 ? 0 : std::clamp(To, 0, Count() - 1);
  if (To == From && IsSelected(To)) return;
  const bool Caret = Multiple() && (!Extended() || (Ctrl() && !Shift()));
  if (Caret)
    SetCaret(To);
  else
    UserMove(To, Shift(), Ctrl(), false);
  EnsureVisible(To);
  if (!Caret) Notify(LBN_SELCHANGE);
}

void NativeListBox::ButtonDown(TPoint P, WPARAM Keys, bool Double) {
  const HWND W = Wnd();
  if (GetFocus() != W) ::SetFocus(W);
  bool Past = false;
  const int Index = ItemAt(P, Past);
  FPressed = true;
  SetCapture(W);
  if (Past || !Valid(Index)) return;
  const bool Toggle = (Style() & LBS_MULTIPLESEL) || (Extended() && (Keys & MK_CONTROL) && !(Keys & MK_SHIFT));
  UserMove(Index, (Keys & MK_SHIFT) != 0, (Keys & MK_CONTROL) != 0, Toggle);
  FNotifyOnRelease = !Double;
  if (Double) Notify(LBN_DBLCLK);
}

// Dragging with the button down moves (or, extended, stretches) the selection; leaving the rows above
// or below scrolls by one row per move.
void NativeListBox::MouseMove(TPoint P) {
  if (!FPressed || GetCapture() != Wnd() || Count() == 0 || (Style() & LBS_MULTIPLESEL)) return;
  const TRect C = Client();
  int Index;
  if (P.Y < C.Top && !Columns()) {
    SetTop(FTop - 1);
    Index = FTop;
  } else if (P.Y >= C.Bottom && !Columns()) {
    SetTop(FTop + 1);
    Index = std::min(Count() - 1, FTop + Rows() - 1);
  } else {
    bool Past = false;
    Index = ItemAt(P, Past);
  }
  if (!Valid(Index) || Index == (Multiple() ? FCaret : FCurSel)) return;
  UserMove(Index, Extended(), false, false);
  FNotifyOnRelease = true;
}

void NativeListBox::ButtonUp() {
  if (!FPressed) return;
  FPressed = false;
  if (GetCapture() == Wnd()) ReleaseCapture();
  if (std::exchange(FNotifyOnRelease, false)) Notify(LBN_SELCHANGE);
}

// ---- Messages ----------------------------------------------------------------------------------------------

bool NativeListBox::Handle(TMessage& M) {
  const int Index = int(intptr_t(M.WParam));
  const char* Text = reinterpret_cast<const char*>(M.LParam);
  switch (M.Msg) {
  case LB_ADDSTRING: {
    int At = Count();
    if (Style() & LBS_SORT)
      At = int(std::find_if(FItems.begin(), FItems.end(),
                            [&](const Item& I) { return AnsiCompareText(I.Text, Text ? Text : "") > 0; }) -
               FItems.begin());
    M.Result = Insert(At, Text ? Text : "");
    return true;
  }
  case LB_INSERTSTRING:
    M.Result = Index < -1 || Index > Count() ? LB_ERR : Insert(Index, Text ? Text : "");
    return true;
  case LB_DELETESTRING: M.Result = Delete(Index); return true;
  case LB_RESETCONTENT: Reset(); return true;
  case LB_GETCOUNT: M.Result = Count(); return true;
  case LB_GETTEXT: M.Result = GetText(Index, reinterpret_cast<char*>(M.LParam)); return true;
  case LB_GETTEXTLEN: M.Result = Valid(Index) ? LRESULT(FItems[size_t(Index)].Text.size()) : LB_ERR; return true;
  case LB_GETITEMDATA: M.Result = Valid(Index) ? LRESULT(FItems[size_t(Index)].Data) : LB_ERR; return true;
  case LB_SETITEMDATA:
    if (Valid(Index)) FItems[size_t(Index)].Data = uintptr_t(M.LParam);
    M.Result = Valid(Index) ? LB_OKAY : LB_ERR;
    return true;
  case LB_GETCURSEL: M.Result = Multiple() ? FCaret : FCurSel; return true;
  case LB_SETCURSEL:
    if (Multiple()) {
      M.Result = LB_ERR;
      return true;
    }
    SetCurSel(Index);
    M.Result = Valid(Index) ? Index : LB_ERR;
    return true;
  case LB_GETSEL: M.Result = Valid(int(M.WParam)) ? IsSelected(int(M.WParam)) : LB_ERR; return true;
  case LB_SETSEL: {
    const int Target = int(M.LParam);
    if (!Multiple() || (Target != -1 && !Valid(Target))) {
      M.Result = LB_ERR;
      return true;
    }
    for (int I = 0; I < Count(); ++I)
      if (Target == -1 || I == Target) SetSelected(I, M.WParam != 0);
    if (Target != -1) SetCaret(Target);
    return true;
  }
  case LB_GETSELCOUNT:
    M.Result = Multiple() ? std::count_if(FItems.begin(), FItems.end(), [](const Item& I) { return I.Selected; })
                          : LB_ERR;
    return true;
  case LB_GETSELITEMS: {
    if (!Multiple()) {
      M.Result = LB_ERR;
      return true;
    }
    int* Out = reinterpret_cast<int*>(M.LParam);
    int Written = 0;
    for (int I = 0; I < Count() && Written < int(M.WParam); ++I)
      if (FItems[size_t(I)].Selected) Out[Written++] = I;
    M.Result = Written;
    return true;
  }
  case LB_GETCARETINDEX: M.Result = FCaret; return true;
  case LB_SETCARETINDEX:
    SetCaret(Index);
    M.Result = Valid(Index) ? LB_OKAY : LB_ERR;
    return true;
  case LB_GETTOPINDEX: M.Result = FTop; return true;
  case LB_SETTOPINDEX:
    if (!Valid(Index) && !(Index == 0 && Count() == 0)) {
      M.Result = LB_ERR;
      return true;
    }
    SetTop(Index);
    return true;
  case LB_GETITEMRECT: {
    TRect R;
    M.Result = ItemRect(Index, R) ? 1 : LB_ERR;
    if (M.Result == 1 && M.LParam) *reinterpret_cast<TRect*>(M.LParam) = R;
    return true;
  }
  case LB_ITEMFROMPOINT: {
    bool Past = false;
    const int At = ItemAt(LParamToPoint(M.LParam), Past);
    M.Result = MAKELRESULT(Word(At), Word(Past ? 1 : 0));
    return true;
  }
  case LB_SETITEMHEIGHT:
    if (M.LParam <= 0 || M.LParam > 255) {
      M.Result = LB_ERR;
      return true;
    }
    if (Variable()) {
      if (Valid(Index)) FItems[size_t(Index)].Height = int(M.LParam);
    } else {
      FItemHeight = int(M.LParam);
    }
    ContentChanged();
    return true;
  case LB_GETITEMHEIGHT: M.Result = HeightOf(Index); return true;
  case LB_SETCOLUMNWIDTH:
    FColumnWidth = int(M.WParam);
    ContentChanged();
    return true;
  case LB_FINDSTRING:
  case LB_FINDSTRINGEXACT: M.Result = Find(Index, Text ? Text : "", M.Msg == LB_FINDSTRINGEXACT); return true;
  case LB_SELECTSTRING:
    M.Result = Find(Index, Text ? Text : "", false);
    if (M.Result != LB_ERR) {
      if (Multiple()) SetSelected(int(M.Result), true);
      SetCurSel(int(M.Result));
    }
    return true;
  case WM_SETFONT:
    FFont = reinterpret_cast<HFONT>(M.WParam);
    FFontHeight = 0;
    ContentChanged();
    return true;
  case WM_GETFONT: M.Result = LRESULT(FFont); return true;
  case WM_GETDLGCODE: M.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return true;
  default: break;
  }
  const HWND W = Wnd();
  if (!W) return false;
  switch (M.Msg) {
  case WM_CREATE:
    FBars = reinterpret_cast<const CREATESTRUCT*>(M.LParam)->style & (WS_HSCROLL | WS_VSCROLL);
    if (Variable())
      for (int I = 0; I < Count(); ++I) Measure(I);
    return false;
  case WM_PAINT:
    PaintMessage(W, M.WParam, [this](HDC DC) { Paint(DC); });
    return true;
  case WM_SIZE: ContentChanged(); return false;
  case WM_VSCROLL:
  case WM_HSCROLL: Scroll(M.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ, M.WParam); return true;
  case WM_KEYDOWN: KeyDown(M.WParam); return true;
  case WM_SETFOCUS:
  case WM_KILLFOCUS: RedrawItem(FCaret, ODA_FOCUS); return true;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK: ButtonDown(LParamToPoint(M.LParam), M.WParam, M.Msg == WM_LBUTTONDBLCLK); return true;
  case WM_MOUSEMOVE: MouseMove(LParamToPoint(M.LParam)); return true;
  case WM_LBUTTONUP: ButtonUp(); return true;
  case WM_CAPTURECHANGED: ButtonUp(); return true;
  case WM_ENABLE: InvalidateRect(W, nullptr, true); return false;
  default: return false;
  }
}
