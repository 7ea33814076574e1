#include "platform/ui/toolkit/NativeListView.h"

#include <algorithm>

#include "platform/base/Clock.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/ImageListCalls.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/toolkit/NativeHeader.h"
#include "platform/ui/winsys/ScrollBars.h"
#include "platform/ui/toolkit/TCustomListView.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/toolkit/ViewSupport.h"
#include "platform/ui/toolkit/ViewScrolling.h"
#include "platform/ui/winsys/VirtualKeys.h"

namespace {

/// The check box and the room it takes in front of the icon.
constexpr int CheckBoxSize = 13;
constexpr int StateWidth = 18;
/// Inset of the caption column's content and of the text in the other cells.
constexpr int ColumnInset = 4;
constexpr int CellPadding = 6;
/// Rows (or columns in list view) one notch of the wheel scrolls.
constexpr int WheelLines = 3;
/// Type-ahead starts again after this pause (milliseconds).
constexpr DWORD SearchPause = 1000;
/// Room of an icon when there is no image list.
constexpr int DefaultIcon = 32;

}  // namespace

NativeListView::NativeListView(TCustomListView& List) : FList(List) {}

NativeListView::~NativeListView() = default;

// ---- Messages ------------------------------------------------------------------------------------------

bool NativeListView::Handle(TMessage& Message) {
  Message.Result = 0;
  switch (Message.Msg) {
  case WM_CREATE: Attach(FList.FHandle); return false;
  case WM_NCDESTROY: Detach(); return false;
  case WM_SIZE: Relayout(); return false;
  case WM_SETFONT:
    FMetricsStale = true;
    if (FHeader && FHeader->Handle()) SendMessage(FHeader->Handle(), WM_SETFONT, Message.WParam, Message.LParam);
    LayoutChanged();
    return true;
  case WM_PAINT: {
    if (!FWnd) return false;
    PaintMessage(FWnd, Message.WParam, [this](HDC DC) { Paint(DC); });
    return true;
  }
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
    if (FWnd) InvalidateRect(FWnd, nullptr, false);
    return false;
  case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return true;
  case WM_KEYDOWN: KeyDown(Message.WParam); return true;
  case WM_CHAR: CharTyped(char32_t(Message.WParam)); return true;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK: MouseDown(LParamToPoint(Message.LParam), Message.WParam, false); return true;
  case WM_RBUTTONDOWN: MouseDown(LParamToPoint(Message.LParam), Message.WParam, true); return true;
  case WM_MOUSEWHEEL: {
    const int Notches = -int16_t(HIWORD(Message.WParam)) / WHEEL_DELTA;
    if (FList.ViewStyle() == vsList)
      ScrollLines(SB_HORZ, Notches);
    else
      ScrollLines(SB_VERT, Notches * WheelLines);
    return true;
  }
  case WM_VSCROLL: OnScroll(SB_VERT, Message.WParam); return true;
  case WM_HSCROLL: OnScroll(SB_HORZ, Message.WParam); return true;
  case LVM_GETIMAGELIST:
    Message.Result = LRESULT(Message.WParam == LVSIL_NORMAL  ? FNormalImages
                             : Message.WParam == LVSIL_SMALL ? FSmallImages
                             : Message.WParam == LVSIL_STATE ? FStateImages
                                                             : 0);
    return true;
  case LVM_SETIMAGELIST: {
    HIMAGELIST* Slot = Message.WParam == LVSIL_NORMAL  ? &FNormalImages
                       : Message.WParam == LVSIL_SMALL ? &FSmallImages
                       : Message.WParam == LVSIL_STATE ? &FStateImages
                                                       : nullptr;
    if (!Slot) return true;
    Message.Result = LRESULT(*Slot);
    *Slot = HIMAGELIST(Message.LParam);
    FMetricsStale = true;
    LayoutChanged();
    return true;
  }
  case LVM_GETITEMCOUNT: Message.Result = FList.ItemCount(); return true;
  case LVM_GETITEMRECT: {
    auto* R = reinterpret_cast<TRect*>(Message.LParam);
    const int Index = int(Message.WParam);
    if (!R || Index < 0 || Index >= FList.ItemCount() || R->Left < LVIR_BOUNDS || R->Left > LVIR_SELECTBOUNDS)
      return true;
    *R = ItemPart(Index, R->Left);
    Message.Result = 1;
    return true;
  }
  case LVM_ENSUREVISIBLE:
    EnsureVisible(int(Message.WParam), Message.LParam != 0);
    Message.Result = 1;
    return true;
  case LVM_SCROLL:
    ScrollBy(int(intptr_t(Message.WParam)), int(Message.LParam));
    Message.Result = 1;
    return true;
  case LVM_GETCOLUMNWIDTH: {
    const int Index = int(Message.WParam);
    if (FMetricsStale) UpdateMetrics();
    if (FList.ViewStyle() == vsList)
      Message.Result = FMetrics.ListColumnWidth;
    else if (FList.ViewStyle() == vsReport && Index >= 0 && Index < FList.Columns()->Count())
      Message.Result = FList.Column(Index)->Width();
    return true;
  }
  case LVM_SETCOLUMNWIDTH: {
    const int Index = int(Message.WParam);
    if (FList.ViewStyle() == vsList) {
      FListColumnWidth = std::max(int(Message.LParam), 1);
      FMetricsStale = true;
      LayoutChanged();
      Message.Result = 1;
    } else if (Index >= 0 && Index < FList.Columns()->Count()) {
      FList.Column(Index)->SetWidth(int(Message.LParam));
      Message.Result = 1;
    }
    return true;
  }
  case LVM_GETHEADER: Message.Result = LRESULT(FHeader ? FHeader->Handle() : 0); return true;
  case LVM_GETTOPINDEX:
    Message.Result = FList.ViewStyle() == vsReport ? FTop : FList.ViewStyle() == vsList ? FTop * RowsPerColumn() : 0;
    return true;
  case LVM_GETCOUNTPERPAGE: Message.Result = CountPerPage(); return true;
  case LVM_GETSELECTEDCOUNT: Message.Result = FList.SelCount(); return true;
  case LVM_EDITLABEL: Message.Result = BeginEdit(int(Message.WParam)) ? LRESULT(FEditor.Handle()) : 0; return true;
  case LVM_GETEDITCONTROL: Message.Result = LRESULT(FEditor.Handle()); return true;
  case LVM_CANCELEDITLABEL: EndEdit(true); return true;
  default: return false;
  }
}

// ---- What the list view tells the window ---------------------------------------------------------------

// The items from From on moved or are new: the scroll state follows, and what shows from the first
// of them down is painted again (nothing when they all lie below the client area).
void NativeListView::CountChanged(int From) {
  if (!FWnd || FUpdating) return;
  if (FMetricsStale) UpdateMetrics();
  const int OldTop = FTop, OldX = FScrollX;
  UpdateScrolling();
  if (FTop != OldTop || FScrollX != OldX || From <= 0 || FList.ViewStyle() != vsReport) {
    if (FScrollX != OldX) PlaceHeader();
    InvalidateRect(FWnd, nullptr, false);
    return;
  }
  const TRect C = Client();
  const TRect R { C.Left, std::max(ItemBounds(From).Top, ItemArea().Top), C.Right, C.Bottom };
  if (R.Top < R.Bottom) InvalidateRect(FWnd, &R, false);
}

// Rows that do not show cost nothing, so filling a long list stays cheap.
void NativeListView::RedrawItem(int Index) {
  if (!FWnd || FUpdating || Index < 0 || Index >= FList.ItemCount()) return;
  if (FMetricsStale) UpdateMetrics();
  if (FList.ViewStyle() == vsReport) {
    if (Index < FTop || Index > FTop + FShownRows) return;
    const TRect Area = ItemArea();
    const int Top = Area.Top + (Index - FTop) * FMetrics.ItemHeight;
    const TRect Row { Area.Left, Top, Area.Right, Top + FMetrics.ItemHeight };
    if (Top < Area.Bottom) InvalidateRect(FWnd, &Row, false);
    return;
  }
  const TRect R = ItemBounds(Index);
  const TRect Visible = Client();
  if (R.Bottom <= Visible.Top || R.Top >= Visible.Bottom || R.Right <= Visible.Left || R.Left >= Visible.Right) return;
  InvalidateRect(FWnd, &R, false);
}

void NativeListView::LayoutChanged() {
  FMetricsStale = true;
  if (!FWnd || FUpdating) return;
  if (FList.ViewStyle() == vsReport) EnsureHeader();
  Relayout();
  if (FHeader && FHeader->Handle()) InvalidateRect(FHeader->Handle(), nullptr, false);
}

void NativeListView::SetUpdating(bool Updating) {
  FUpdating = Updating;
  if (!Updating) LayoutChanged();
}

// ---- Window ---------------------------------------------------------------------------------------------

void NativeListView::Attach(HWND Wnd) {
  FWnd = Wnd;
  FMetricsStale = true;
  if (FList.ViewStyle() == vsReport) EnsureHeader();
  Relayout();
}

void NativeListView::Detach() {
  FEditor.Discard();
  FHeader.reset();
  FWnd = 0;
}

void NativeListView::EnsureHeader() {
  if (FWnd && (!FHeader || !FHeader->Handle())) {
    FHeader.reset();
    FHeader = std::make_unique<NativeHeader>(FList, *this, FWnd);
  }
}

// ---- Layout ---------------------------------------------------------------------------------------------

void NativeListView::UpdateMetrics() {
  FMetricsStale = false;
  const HDC DC = CreateCompatibleDC(nullptr);
  SelectObject(DC, FList.Font()->Handle());
  TEXTMETRIC TM;
  GetTextMetrics(DC, TM);
  DeleteDC(DC);
  const TSize Small = ImageSize(FSmallImages), Large = ImageSize(FNormalImages);
  FMetrics.TextHeight = TM.tmHeight;
  FMetrics.ItemHeight = std::max({ TM.tmHeight + 4, Small.cy + 2, FList.Checkboxes() ? CheckBoxSize + 4 : 0 });
  if (FList.GridLines() && FList.ViewStyle() == vsReport) ++FMetrics.ItemHeight;
  FMetrics.HeaderHeight = TM.tmHeight + 8;
  const int IconW = Large.cx ? Large.cx : DefaultIcon, IconH = Large.cy ? Large.cy : DefaultIcon;
  FMetrics.IconCell = { std::max(IconW + 43, 75), IconH + 2 * TM.tmHeight + 12 };
  FMetrics.ListColumnWidth =
      FListColumnWidth > 0 ? FListColumnWidth : 16 * std::max(TM.tmAveCharWidth, 1) + Small.cx + 8;
  FMetrics.TotalColumnWidth = 0;
  for (int I = 0; I < FList.Columns()->Count(); ++I) FMetrics.TotalColumnWidth += FList.Column(I)->Width();
}

TRect NativeListView::Client() const {
  TRect R;
  if (FWnd) ::GetClientRect(FWnd, &R);
  return R;
}

int NativeListView::HeaderHeight() {
  if (FMetricsStale) UpdateMetrics();
  return FMetrics.HeaderHeight;
}

TRect NativeListView::ItemArea() {
  TRect R = Client();
  if (FList.ViewStyle() == vsReport && FList.ShowColumnHeaders()) R.Top = std::min(R.Bottom, R.Top + HeaderHeight());
  return R;
}

int NativeListView::TotalColumnWidth() {
  if (FMetricsStale) UpdateMetrics();
  return FMetrics.TotalColumnWidth;
}

int NativeListView::ColumnLeft(int Index) const {
  int Left = 0;
  for (int Column : FList.FColumnOrder) {
    if (Column == Index) break;
    Left += FList.Column(Column)->Width();
  }
  return Left;
}

TRect NativeListView::HeaderItemRect(int Index) {
  if (Index < 0 || Index >= FList.Columns()->Count()) return {};
  const int Left = ColumnLeft(Index);
  return { Left, 0, Left + FList.Column(Index)->Width(), HeaderHeight() };
}

int NativeListView::RowsPerColumn() {
  if (FMetricsStale) UpdateMetrics();
  return std::max(1, ItemArea().Height() / FMetrics.ItemHeight);
}

int NativeListView::ItemsPerRow() {
  if (FMetricsStale) UpdateMetrics();
  const int Cell = FList.ViewStyle() == vsIcon ? FMetrics.IconCell.cx : FMetrics.ListColumnWidth;
  return std::max(1, Client().Width() / Cell);
}

int NativeListView::CountPerPage() {
  if (FMetricsStale) UpdateMetrics();
  switch (FList.ViewStyle()) {
  case vsReport: return std::max(0, ItemArea().Height() / FMetrics.ItemHeight);
  case vsList: return RowsPerColumn() * std::max(1, Client().Width() / FMetrics.ListColumnWidth);
  default: return FList.ItemCount();
  }
}

TRect NativeListView::ItemBounds(int Index) {
  if (FMetricsStale) UpdateMetrics();
  const int H = FMetrics.ItemHeight;
  switch (FList.ViewStyle()) {
  case vsReport: {
    const int Top = ItemArea().Top + (Index - FTop) * H;
    return { -FScrollX, Top, TotalColumnWidth() - FScrollX, Top + H };
  }
  case vsList: {
    const int Rows = RowsPerColumn(), W = FMetrics.ListColumnWidth;
    const int X = (Index / Rows - FTop) * W, Y = (Index % Rows) * H;
    return { X, Y, X + W, Y + H };
  }
  case vsSmallIcon: {
    const int PerRow = ItemsPerRow(), W = FMetrics.ListColumnWidth;
    const int X = (Index % PerRow) * W - FScrollX, Y = (Index / PerRow) * H - FTop;
    return { X, Y, X + W, Y + H };
  }
  case vsIcon: {
    const int PerRow = ItemsPerRow();
    const TSize Cell = FMetrics.IconCell;
    const int X = (Index % PerRow) * Cell.cx - FScrollX, Y = (Index / PerRow) * Cell.cy - FTop;
    return { X, Y, X + Cell.cx, Y + Cell.cy };
  }
  }
  return {};
}

TRect NativeListView::CheckBoxRect(int Index) {
  const TRect Icon = ItemPart(Index, LVIR_ICON);
  if (FList.ViewStyle() == vsIcon)
    return Bounds(Icon.Left - CheckBoxSize - 1, Icon.Bottom - CheckBoxSize - 1, CheckBoxSize, CheckBoxSize);
  const int X = Icon.Left - StateWidth + (StateWidth - CheckBoxSize) / 2;
  return Bounds(X, Icon.Top + (Icon.Height() - CheckBoxSize) / 2, CheckBoxSize, CheckBoxSize);
}

// Report, list and small icons: check box, icon, label left to right; large icons: the icon centred
// above its label.
TRect NativeListView::ItemPart(int Index, int Code) {
  const TRect B = ItemBounds(Index);
  if (Code == LVIR_BOUNDS) return B;
  TRect Icon, Label;
  if (FList.ViewStyle() == vsIcon) {
    const TSize Size = ImageSize(FNormalImages);
    const int W = Size.cx ? Size.cx : DefaultIcon, H = Size.cy ? Size.cy : DefaultIcon;
    Icon = Bounds(B.Left + (B.Width() - W) / 2, B.Top + 2, W, H);
    Label = { B.Left + 2, Icon.Bottom + 2, B.Right - 2, B.Bottom - 2 };
  } else {
    int Left = B.Left, Right = B.Right;
    if (FList.ViewStyle() == vsReport) {
      if (FList.Columns()->Count() == 0) return Code == LVIR_SELECTBOUNDS ? B : TRect { B.Left, B.Top, B.Left, B.Bottom };
      Left = ColumnLeft(0) - FScrollX;
      Right = Left + FList.Column(0)->Width();
    }
    const int X = Left + (FList.ViewStyle() == vsReport ? ColumnInset : 2) + (FList.Checkboxes() ? StateWidth : 0);
    const int W = ImageSize(FSmallImages).cx;
    Icon = { std::min(X, Right), B.Top, std::min(X + W, Right), B.Bottom };
    Label = { std::min(Icon.Right + (W ? 2 : 0), Right), B.Top, Right, B.Bottom };
  }
  switch (Code) {
  case LVIR_ICON: return Icon;
  case LVIR_LABEL: return Label;
  default:
    if (FList.ViewStyle() == vsReport && FList.RowSelect()) return B;
    return { std::min(Icon.Left, Label.Left), std::min(Icon.Top, Label.Top), Label.Right, std::max(Icon.Bottom, Label.Bottom) };
  }
}

int NativeListView::ItemAt(TPoint P) { return ItemAtPoint(P, true); }

int NativeListView::ItemAtPoint(TPoint P, bool OnlyParts) {
  if (FMetricsStale) UpdateMetrics();
  const int Count = FList.ItemCount();
  int Index = -1;
  switch (FList.ViewStyle()) {
  case vsReport: {
    const TRect Area = ItemArea();
    if (P.Y < Area.Top) return -1;
    Index = FTop + (P.Y - Area.Top) / FMetrics.ItemHeight;
    break;
  }
  case vsList: {
    const int Col = P.X / FMetrics.ListColumnWidth + FTop, Row = P.Y / FMetrics.ItemHeight;
    if (P.X < 0 || Row >= RowsPerColumn()) return -1;
    Index = Col * RowsPerColumn() + Row;
    break;
  }
  default: {
    const TSize Cell = FList.ViewStyle() == vsIcon ? FMetrics.IconCell : TSize { FMetrics.ListColumnWidth, FMetrics.ItemHeight };
    const int X = P.X + FScrollX, Y = P.Y + FTop;
    if (X < 0 || Y < 0 || X / Cell.cx >= ItemsPerRow()) return -1;
    Index = (Y / Cell.cy) * ItemsPerRow() + X / Cell.cx;
  }
  }
  if (Index < 0 || Index >= Count || !ItemBounds(Index).Contains(P)) return -1;
  if (!OnlyParts || (FList.ViewStyle() == vsReport && FList.RowSelect())) return Index;
  const bool OnCheck = FList.Checkboxes() && CheckBoxRect(Index).Contains(P);
  return OnCheck || ItemPart(Index, LVIR_SELECTBOUNDS).Contains(P) ? Index : -1;
}

TSize NativeListView::ContentSize() {
  if (FMetricsStale) UpdateMetrics();
  const int Count = FList.ItemCount();
  switch (FList.ViewStyle()) {
  case vsReport: return { TotalColumnWidth(), Count * FMetrics.ItemHeight };
  case vsList: {
    const int Rows = RowsPerColumn();
    return { (Count + Rows - 1) / Rows * FMetrics.ListColumnWidth, Rows * FMetrics.ItemHeight };
  }
  default: {
    const int PerRow = ItemsPerRow();
    const TSize Cell = FList.ViewStyle() == vsIcon ? FMetrics.IconCell : TSize { FMetrics.ListColumnWidth, FMetrics.ItemHeight };
    const int Rows = (Count + PerRow - 1) / PerRow;
    return { std::min(Count, PerRow) * Cell.cx, Rows * Cell.cy };
  }
  }
}

// Scroll positions are clamped to what the content allows, the scroll information published, and the
// header placed. Showing or hiding a bar resizes the client area, which lays out again (bounded).
void NativeListView::Relayout() {
  if (!FWnd || FLayoutDepth > 2) return;
  ++FLayoutDepth;
  if (FMetricsStale) UpdateMetrics();
  UpdateScrolling();
  PlaceHeader();
  InvalidateRect(FWnd, nullptr, false);
  --FLayoutDepth;
}

// A bar that comes or goes changes the client area while the state is published; the state is then
// published again for the area as it is now.
void NativeListView::UpdateScrolling() {
  const TRect Before = Client();
  UpdateScrollInfo();
  if (Client() != Before) UpdateScrollInfo();
}

void NativeListView::UpdateScrollInfo() {
  const TSize Content = ContentSize();
  const TRect C = Client();
  switch (FList.ViewStyle()) {
  case vsReport: {
    const int Count = FList.ItemCount(), Page = CountPerPage();
    FShownRows = Page + 1;
    FTop = std::clamp(FTop, 0, std::max(0, Count - std::max(Page, 1)));
    FScrollX = std::clamp(FScrollX, 0, std::max(0, Content.cx - C.Width()));
    PublishScrollState(FWnd, SB_VERT, 0, std::max(Count - 1, 0), Page, FTop);
    PublishScrollState(FWnd, SB_HORZ, 0, std::max(Content.cx - 1, 0), C.Width(), FScrollX);
    break;
  }
  case vsList: {
    const int Columns = (FList.ItemCount() + RowsPerColumn() - 1) / RowsPerColumn();
    const int Page = std::max(1, C.Width() / FMetrics.ListColumnWidth);
    FTop = std::clamp(FTop, 0, std::max(0, Columns - Page));
    FScrollX = 0;
    PublishScrollState(FWnd, SB_VERT, 0, 0, 0, 0);
    PublishScrollState(FWnd, SB_HORZ, 0, std::max(Columns - 1, 0), Page, FTop);
    break;
  }
  default:
    FTop = std::clamp(FTop, 0, std::max(0, Content.cy - C.Height()));
    FScrollX = std::clamp(FScrollX, 0, std::max(0, Content.cx - C.Width()));
    PublishScrollState(FWnd, SB_VERT, 0, std::max(Content.cy - 1, 0), C.Height(), FTop);
    PublishScrollState(FWnd, SB_HORZ, 0, std::max(Content.cx - 1, 0), C.Width(), FScrollX);
  }
}

void NativeListView::PlaceHeader() {
  if (!FHeader || !FHeader->Handle()) return;
  const bool Show = FList.ViewStyle() == vsReport && FList.ShowColumnHeaders();
  const TRect C = Client();
  SetWindowPos(FHeader->Handle(), 0, -FScrollX, 0, C.Width() + FScrollX, HeaderHeight(),
               SWP_NOZORDER | SWP_NOACTIVATE | (Show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

// ---- Scrolling ------------------------------------------------------------------------------------------

void NativeListView::ScrollTo(int X, int Y) {
  if (!FWnd) return;
  const int OldX = FScrollX, OldTop = FTop;
  FScrollX = X;
  FTop = Y;
  UpdateScrolling();
  if (FScrollX == OldX && FTop == OldTop) return;
  EndEdit(false);
  if (FScrollX != OldX) PlaceHeader();
  InvalidateRect(FWnd, nullptr, false);
}

// Report view: vertical lines are rows, horizontal ones a step of the font's height; list view: columns;
// icon views: half an item.
void NativeListView::ScrollLines(int Bar, int Lines) {
  if (FMetricsStale) UpdateMetrics();
  const TViewStyle Style = FList.ViewStyle();
  if (Bar == SB_VERT) {
    const int Step = Style == vsReport ? 1 : Style == vsIcon ? FMetrics.IconCell.cy / 2 : FMetrics.ItemHeight;
    if (Style != vsList) ScrollTo(FScrollX, FTop + Lines * Step);
  } else if (Style == vsList) {
    ScrollTo(0, FTop + Lines);
  } else {
    ScrollTo(FScrollX + Lines * std::max(FMetrics.TextHeight, 1), FTop);
  }
}

void NativeListView::OnScroll(int Bar, WPARAM WParam) {
  SCROLLINFO Info;
  Info.fMask = SIF_ALL;
  if (!FWnd || !GetScrollInfo(FWnd, Bar, &Info)) return;
  // A line is a row, a column or a step of the font's height, which ScrollLines knows.
  if (LOWORD(WParam) == SB_LINEUP || LOWORD(WParam) == SB_LINEDOWN)
    return ScrollLines(Bar, LOWORD(WParam) == SB_LINEUP ? -1 : 1);
  const std::optional<int> Pos = RequestedScrollPosition(FWnd, Bar, WParam, Info, Info.nPos, 0);
  if (!Pos) return;
  if (Bar == SB_VERT)
    ScrollTo(FScrollX, *Pos);
  else if (FList.ViewStyle() == vsList)
    ScrollTo(0, *Pos);
  else
    ScrollTo(*Pos, FTop);
}

void NativeListView::ScrollBy(int DX, int DY) {
  if (FMetricsStale) UpdateMetrics();
  switch (FList.ViewStyle()) {
  case vsReport: ScrollTo(FScrollX + DX, FTop + DY / FMetrics.ItemHeight); break;
  case vsList: ScrollTo(0, FTop + DX / FMetrics.ListColumnWidth); break;
  default: ScrollTo(FScrollX + DX, FTop + DY);
  }
}

void NativeListView::EnsureVisible(int Index, bool PartialOK) {
  if (!FWnd || Index < 0 || Index >= FList.ItemCount()) return;
  switch (FList.ViewStyle()) {
  case vsReport: {
    const int Page = std::max(CountPerPage(), 1);
    const bool Partly = PartialOK && Index == FTop + Page && ItemArea().Height() % FMetrics.ItemHeight;
    if (Index < FTop)
      ScrollTo(FScrollX, Index);
    else if (Index >= FTop + Page && !Partly)
      ScrollTo(FScrollX, Index - Page + 1);
    break;
  }
  case vsList: {
    const int Column = Index / RowsPerColumn(), Page = std::max(1, Client().Width() / FMetrics.ListColumnWidth);
    if (Column < FTop)
      ScrollTo(0, Column);
    else if (Column >= FTop + Page)
      ScrollTo(0, Column - Page + 1);
    break;
  }
  default: {
    const TRect B = ItemBounds(Index), C = Client();
    int Y = FTop;
    if (B.Top < C.Top)
      Y += B.Top - C.Top;
    else if (B.Bottom > C.Bottom)
      Y += std::min(B.Bottom - C.Bottom, B.Top - C.Top);
    ScrollTo(FScrollX, Y);
  }
  }
}

// ---- Painting -------------------------------------------------------------------------------------------

bool NativeListView::ShowsSelection() const { return !FList.HideSelection() || GetFocus() == FWnd; }

// Each item paints its own cell (or row) whole, so an item a custom-draw handler skips keeps the pixels
// it had; what no item covers is painted afterwards.
void NativeListView::Paint(HDC DC) {
  if (FMetricsStale) UpdateMetrics();
  TRect Clip;
  GetClipBox(DC, &Clip);
  const HRGN Rest = CreateRectRgnIndirect(Clip);
  const int Count = FList.ItemCount();
  int First = 0, Last = Count - 1;
  switch (FList.ViewStyle()) {
  case vsReport: {
    const int Top = ItemArea().Top;
    First = FTop + std::max(0, (Clip.Top - Top) / FMetrics.ItemHeight);
    Last = FTop + (Clip.Bottom - Top + FMetrics.ItemHeight - 1) / FMetrics.ItemHeight;
    break;
  }
  case vsList: {
    const int Rows = RowsPerColumn();
    First = (FTop + std::max(0, Clip.Left / FMetrics.ListColumnWidth)) * Rows;
    Last = (FTop + (Clip.Right + FMetrics.ListColumnWidth - 1) / FMetrics.ListColumnWidth) * Rows;
    break;
  }
  default: {
    const int PerRow = ItemsPerRow();
    const int CellH = FList.ViewStyle() == vsIcon ? FMetrics.IconCell.cy : FMetrics.ItemHeight;
    First = std::max(0, (FTop + Clip.Top) / CellH) * PerRow;
    Last = ((FTop + Clip.Bottom) / CellH + 1) * PerRow;
  }
  }
  FList.FCanvas->PaintOn(DC, [&] {
    for (int I = std::max(First, 0); I <= Last && I < FList.ItemCount(); ++I) {
      TRect R = ItemBounds(I);
      if (FList.ViewStyle() == vsReport) R = { Clip.Left, R.Top, Clip.Right, R.Bottom };
      if (!Clip.Intersects(R)) continue;
      PaintItem(DC, I);
      const HRGN Done = CreateRectRgnIndirect(R);
      CombineRgn(Rest, Rest, Done, RGN_DIFF);
      DeleteObject(Done);
    }
  });
  HBRUSH Back = CreateSolidBrush(ColorToRGB(FList.Color()));
  FillRgn(DC, Rest, Back);
  DeleteObject(Back);
  DeleteObject(Rest);
  if (FList.ViewStyle() == vsReport && FList.GridLines()) {
    const TRect Area = ItemArea();
    PaintGridLines(DC, Area.Top + (std::min(Count, Last + 1) - FTop) * FMetrics.ItemHeight, Clip.Bottom);
  }
}

void NativeListView::PaintItem(HDC DC, int Index) {
  TListItem* Item = FList.FetchItem(Index, { irText, irImage });
  const bool Selected = FList.IsItemSelected(Index);
  const bool HasFocus = GetFocus() == FWnd;
  TCustomDrawState State;
  if (Selected) State.Include(cdsSelected);
  if (FList.FFocusIndex == Index && HasFocus) State.Include(cdsFocused);
  if (FList.IsItemChecked(Index)) State.Include(cdsChecked);
  TCanvas* Canvas = FList.Canvas();
  Canvas->Brush()->SetColor(FList.Color());
  Canvas->Font()->Assign(FList.Font());
  const int Saved = SaveDC(DC);
  const bool DefaultDraw = FList.CustomDrawItem(Item, State, cdPrePaint);
  Canvas->Refresh();
  RestoreDC(DC, Saved);
  if (!DefaultDraw || Index >= FList.ItemCount()) return;
  if (!FList.OwnerData() || Item->Index() != Index) Item = FList.FetchItem(Index, { irText, irImage });
  const TColor Back = Canvas->Brush()->Color(), Text = Canvas->Font()->Color();
  SelectObject(DC, FList.Font()->Handle());
  SetBkMode(DC, TRANSPARENT);
  if (FList.ViewStyle() == vsReport)
    PaintReportRow(DC, Index, Item, Selected, Back, Text);
  else
    PaintIconItem(DC, Index, Item, Selected, Back, Text);
}

void NativeListView::PaintReportRow(HDC DC, int Index, TListItem* Item, bool Selected, TColor Back, TColor Text) {
  const TRect B = ItemBounds(Index), C = Client();
  const bool Grid = FList.GridLines();
  const int Top = B.Top + (Grid ? 1 : 0);
  PaintFill(DC, { C.Left, Top, C.Right, B.Bottom }, Back);
  const bool Focused = GetFocus() == FWnd;
  const bool ShowSelected = Selected && ShowsSelection();
  const TColor SelectBack = Focused ? clHighlight : clBtnFace, SelectText = Focused ? clHighlightText : clWindowText;
  const TRect Label = ItemPart(Index, LVIR_LABEL);
  TRect Selection;
  if (FList.RowSelect()) {
    Selection = { B.Left, Top, B.Right, B.Bottom };
  } else {
    TSize Extent;
    GetTextExtentPoint32(DC, Item->Caption(), Extent);
    Selection = { Label.Left, Top, std::min(Label.Right, Label.Left + Extent.cx + 6), B.Bottom };
  }
  if (ShowSelected) PaintFill(DC, Selection, SelectBack);
  if (FList.Checkboxes() && FList.Columns()->Count()) PaintCheckBox(DC, CheckBoxRect(Index), Item->Checked());
  const TRect Icon = ItemPart(Index, LVIR_ICON);
  if (FSmallImages && Icon.Width())
    DrawImage(DC, FSmallImages, Item->ImageIndex(), Icon.Left, Top + (B.Bottom - Top - ImageSize(FSmallImages).cy) / 2);
  const unsigned Format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  SetTextColor(DC, ColorToRGB(ShowSelected ? SelectText : Text));
  TRect CaptionRect { Label.Left + 3, Top, Label.Right - 3, B.Bottom };
  if (FList.Columns()->Count()) DrawText(DC, Item->Caption(), CaptionRect, Format | DT_LEFT);
  SetTextColor(DC, ColorToRGB(ShowSelected && FList.RowSelect() ? SelectText : Text));
  for (int Column = 1; Column < FList.Columns()->Count(); ++Column) {
    TListColumn* Col = FList.Column(Column);
    const int Left = ColumnLeft(Column) - FScrollX;
    TRect Cell { Left + CellPadding, Top, Left + Col->Width() - CellPadding, B.Bottom };
    if (Cell.Right <= Cell.Left || Column - 1 >= Item->SubItems()->Count()) continue;
    const int Image = Item->SubItemImages(Column - 1);
    if (FSmallImages && Image >= 0) {
      const TSize Size = ImageSize(FSmallImages);
      DrawImage(DC, FSmallImages, Image, Cell.Left, Top + (B.Bottom - Top - Size.cy) / 2);
      Cell.Left += Size.cx + 3;
    }
    const unsigned Align = Col->Alignment() == taRightJustify ? DT_RIGHT : Col->Alignment() == taCenter ? DT_CENTER : DT_LEFT;
    DrawText(DC, Item->SubItems()->Strings(Column - 1), Cell, Format | Align);
  }
  if (Grid) PaintGridLines(DC, B.Top, B.Bottom);
  if (FList.FFocusIndex == Index && Focused) {
    SetTextColor(DC, ColorToRGB(clWindowText));
    DrawFocusRect(DC, Selection);
  }
}

// Horizontal lines at the top of every row between Top and Bottom, vertical ones at the right edge of
// every column.
void NativeListView::PaintGridLines(HDC DC, int Top, int Bottom) {
  const TRect C = Client();
  const TColor Color = clBtnFace;
  const int H = FMetrics.ItemHeight, First = ItemArea().Top;
  for (int Y = First + std::max(0, (Top - First + H - 1) / H) * H; Y < Bottom; Y += H) PaintLine(DC, C.Left, Y, C.Right, Y, Color);
  int X = -FScrollX;
  for (int Column : FList.FColumnOrder) {
    X += FList.Column(Column)->Width();
    PaintLine(DC, X - 1, Top, X - 1, Bottom, Color);
  }
}

void NativeListView::PaintIconItem(HDC DC, int Index, TListItem* Item, bool Selected, TColor Back, TColor Text) {
  const TRect B = ItemBounds(Index);
  PaintFill(DC, B, Back);
  const bool Large = FList.ViewStyle() == vsIcon;
  const HIMAGELIST Images = Large ? FNormalImages : FSmallImages;
  const TRect Icon = ItemPart(Index, LVIR_ICON);
  if (Images) DrawImage(DC, Images, Item->ImageIndex(), Icon.Left, Icon.Top + (Icon.Height() - ImageSize(Images).cy) / 2);
  if (FList.Checkboxes()) PaintCheckBox(DC, CheckBoxRect(Index), Item->Checked());
  const TRect Label = ItemPart(Index, LVIR_LABEL);
  const bool Wrap = Large && FList.IconOptions()->WrapText();
  const unsigned Format = DT_NOPREFIX | DT_END_ELLIPSIS | (Large ? DT_CENTER : DT_SINGLELINE | DT_VCENTER) | (Wrap ? DT_WORDBREAK : 0);
  TRect Extent { Label.Left + 2, Label.Top, Label.Right - 2, Label.Bottom };
  DrawText(DC, Item->Caption(), Extent, Format | DT_CALCRECT);
  TRect Selection;
  if (Large) {
    const int W = std::min(Extent.Width(), Label.Width() - 4);
    Selection = Bounds(Label.Left + (Label.Width() - W) / 2 - 2, Label.Top, W + 4, std::min(Extent.Height(), Label.Height()) + 2);
  } else {
    Selection = { Label.Left, B.Top, std::min(Label.Right, Label.Left + Extent.Width() + 4), B.Bottom };
  }
  const bool Focused = GetFocus() == FWnd;
  const bool ShowSelected = Selected && ShowsSelection();
  if (ShowSelected) PaintFill(DC, Selection, Focused ? clHighlight : clBtnFace);
  SetTextColor(DC, ColorToRGB(ShowSelected && Focused ? clHighlightText : ShowSelected ? clWindowText : Text));
  TRect TextRect = Large ? TRect { Selection.Left + 2, Selection.Top + 1, Selection.Right - 2, Selection.Bottom }
                         : TRect { Selection.Left + 2, B.Top, Label.Right, B.Bottom };
  DrawText(DC, Item->Caption(), TextRect, Format);
  if (FList.FFocusIndex == Index && Focused) {
    SetTextColor(DC, ColorToRGB(clWindowText));
    DrawFocusRect(DC, Selection);
  }
}

void NativeListView::PaintCheckBox(HDC DC, const TRect& R, bool Checked) {
  PaintFill(DC, R, clWindow);
  HBRUSH Frame = CreateSolidBrush(ColorToRGB(clBtnShadow));
  FrameRect(DC, R, Frame);
  DeleteObject(Frame);
  if (!Checked) return;
  // A tick three pixels thick from the left middle down to the bottom third and up to the top right.
  const TColor Ink = ColorToRGB(clWindowText);
  const int X = R.Left + 3, Y = R.Top + 5;
  for (int I = 0; I < 3; ++I) {
    PaintLine(DC, X, Y + I, X + 2, Y + 2 + I, Ink);
    PaintLine(DC, X + 2, Y + 2 + I, X + 7, Y - 3 + I, Ink);
  }
}

void NativeListView::DrawImage(HDC DC, HIMAGELIST List, int Index, int X, int Y) {
  if (List && Index >= 0 && Index < ImageList_GetImageCount(List))
    ImageList_DrawEx(List, Index, DC, X, Y, 0, 0, CLR_NONE, CLR_NONE, ILD_NORMAL);
}

// ---- Input ----------------------------------------------------------------------------------------------

void NativeListView::MouseDown(TPoint P, WPARAM Keys, bool Right) {
  if (!FWnd) return;
  EndEdit(false);
  if (GetFocus() != FWnd) SetFocus(FWnd);
  const int Index = ItemAtPoint(P, true);
  if (Index < 0) {
    if (!(Keys & (MK_SHIFT | MK_CONTROL))) FList.SelectOnly(-1, false);
    return;
  }
  if (Right) {
    if (!FList.IsItemSelected(Index)) FList.SelectOnly(Index, true);
    FList.SetFocusIndex(Index);
    return;
  }
  if (FList.Checkboxes() && CheckBoxRect(Index).Contains(P)) {
    FList.ToggleChecked(Index);
    return;
  }
  const bool Multi = FList.MultiSelect();
  if (Multi && (Keys & MK_SHIFT)) {
    FList.SelectRange(FList.FAnchorIndex >= 0 ? FList.FAnchorIndex : Index, Index);
    FList.SetFocusIndex(Index);
  } else if (Multi && (Keys & MK_CONTROL)) {
    FList.SetItemState(Index, !FList.IsItemSelected(Index), true);
    FList.FAnchorIndex = Index;
  } else {
    FList.SelectOnly(Index, true);
    FList.FAnchorIndex = Index;
  }
  EnsureVisible(Index, true);
}

int NativeListView::NeighbourOf(int Index, WPARAM Key) {
  const int Count = FList.ItemCount(), Last = Count - 1;
  const TViewStyle Style = FList.ViewStyle();
  const int Page = std::max(CountPerPage(), 1);
  const int Across = Style == vsList ? RowsPerColumn() : ItemsPerRow();
  if (Key == VK_HOME) return 0;
  if (Key == VK_END) return Last;
  if (Index < 0) return 0;
  int Step = 0;
  switch (Style) {
  case vsReport:
    if (Key == VK_UP) Step = -1;
    if (Key == VK_DOWN) Step = 1;
    if (Key == VK_PRIOR) return std::max(0, Index == FTop ? Index - (Page - 1) : FTop);
    if (Key == VK_NEXT) return std::min(Last, Index == FTop + Page - 1 ? Index + Page - 1 : FTop + Page - 1);
    break;
  case vsList:
    if (Key == VK_UP) Step = -1;
    if (Key == VK_DOWN) Step = 1;
    if (Key == VK_LEFT || Key == VK_PRIOR) Step = -Across;
    if (Key == VK_RIGHT || Key == VK_NEXT) Step = Across;
    break;
  default:
    if (Key == VK_LEFT) Step = -1;
    if (Key == VK_RIGHT) Step = 1;
    if (Key == VK_UP || Key == VK_PRIOR) Step = -Across;
    if (Key == VK_DOWN || Key == VK_NEXT) Step = Across;
  }
  const int Target = Index + Step;
  return Target < 0 || Target > Last ? (Step < 0 ? (Style == vsList ? 0 : Index) : (Style == vsList ? Last : Index)) : Target;
}

void NativeListView::MoveFocus(int Index, bool Shift, bool Ctrl) {
  if (Index < 0 || Index >= FList.ItemCount()) return;
  if (FList.MultiSelect() && Shift) {
    FList.SelectRange(FList.FAnchorIndex >= 0 ? FList.FAnchorIndex : Index, Index);
    FList.SetFocusIndex(Index);
  } else if (FList.MultiSelect() && Ctrl) {
    FList.SetFocusIndex(Index);
  } else {
    FList.SelectOnly(Index, true);
    FList.FAnchorIndex = Index;
  }
  EnsureVisible(Index, false);
}

void NativeListView::KeyDown(WPARAM Key) {
  if (FList.ItemCount() == 0) return;
  const bool Shift = GetKeyState(VK_SHIFT) < 0, Ctrl = GetKeyState(VK_CONTROL) < 0;
  const int Focus = FList.FFocusIndex;
  switch (Key) {
  case VK_LEFT:
  case VK_RIGHT:
    if (FList.ViewStyle() == vsReport) {
      ScrollLines(SB_HORZ, Key == VK_LEFT ? -1 : 1);
      return;
    }
    [[fallthrough]];
  case VK_UP:
  case VK_DOWN:
  case VK_PRIOR:
  case VK_NEXT:
  case VK_HOME:
  case VK_END: MoveFocus(NeighbourOf(Focus, Key), Shift, Ctrl); return;
  case VK_SPACE:
    if (Focus < 0) return;
    if (FList.Checkboxes())
      FList.ToggleChecked(Focus);
    else if (Ctrl && FList.MultiSelect())
      FList.SetItemState(Focus, !FList.IsItemSelected(Focus), true);
    return;
  default: return;
  }
}

// Typing finds the next item whose caption starts with what was typed (letters without case), from the
// focused item on and wrapping; owner-data lists search through OwnerDataFind.
void NativeListView::CharTyped(char32_t Char) {
  const int Count = FList.ItemCount();
  if (Char < 0x20 || Char == 0x7F || Count == 0) return;
  const DWORD Now = GetTickCount();
  if (Now - FSearchTime > SearchPause) FSearch.clear();
  FSearchTime = Now;
  FSearch += CodePointToUtf8(Char);
  const int Focus = std::max(FList.FFocusIndex, 0);
  const int Start = CodePointCount(FSearch) == 1 ? (Focus + 1) % Count : Focus;
  int Found = -1;
  if (FList.OwnerData()) {
    Found = FList.OwnerDataFind(ifPartialString, FSearch, {}, nullptr, Start, sdAll, true);
  } else {
    for (int N = 0; N < Count && Found < 0; ++N) {
      const int I = (Start + N) % Count;
      if (StartsWithText(FList.Items()->Item(I)->Caption(), FSearch)) Found = I;
    }
  }
  if (Found >= 0 && Found < Count) MoveFocus(Found, false, false);
}

// ---- Editing --------------------------------------------------------------------------------------------

// The editor lies over the caption's label, at least one line of the font high.
bool NativeListView::BeginEdit(int Index) {
  if (!FWnd || Index < 0 || Index >= FList.ItemCount()) return false;
  EndEdit(false);  // whose handlers, like OnEditing's, may change the list
  if (Index >= FList.ItemCount() || !FList.CanEdit(FList.FetchItem(Index, { irText }))) return false;
  if (Index >= FList.ItemCount()) return false;
  EnsureVisible(Index, false);
  TRect R = ItemPart(Index, LVIR_LABEL);
  R.Bottom = std::max(R.Bottom, R.Top + FMetrics.TextHeight + 6);
  if (FList.ViewStyle() == vsIcon) R.Bottom = R.Top + FMetrics.TextHeight + 6;
  FEditIndex = Index;
  FEditor.Begin(&FList, R, FList.FetchItem(Index, { irText })->Caption(), [this](const String* Text) {
    const int Edited = FEditIndex;
    FEditIndex = -1;
    FList.Edit(Edited, Text);
  });
  return true;
}

void NativeListView::ItemInserted(int Index) {
  if (Editing() && FEditIndex >= Index) ++FEditIndex;
  CountChanged(Index);
}

void NativeListView::ItemDeleted(int Index) {
  if (Editing() && FEditIndex > Index) --FEditIndex;
  CountChanged(Index);
}
