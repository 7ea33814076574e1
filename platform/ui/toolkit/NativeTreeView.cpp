#include "platform/ui/toolkit/NativeTreeView.h"

#include <algorithm>
#include <cstring>

#include "platform/base/Clock.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/ImageListCalls.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/ScrollBars.h"
#include "platform/ui/toolkit/TCustomTreeView.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/toolkit/ViewSupport.h"
#include "platform/ui/toolkit/ViewScrolling.h"
#include "platform/ui/winsys/VirtualKeys.h"

namespace {

/// The expand button's side.
constexpr int ButtonSize = 9;
constexpr int WheelLines = 3;
constexpr DWORD SearchPause = 1000;

/// A dotted horizontal or vertical line (end excluded) whose dots fall on even x + y, so lines meet.
void Dotted(HDC DC, int X1, int Y1, int X2, int Y2, TColor Color) {
  const TColor C = ColorToRGB(Color);
  if (Y1 == Y2) {
    for (int X = std::min(X1, X2); X < std::max(X1, X2); ++X)
      if (((X + Y1) & 1) == 0) SetPixel(DC, X, Y1, C);
  } else {
    for (int Y = std::min(Y1, Y2); Y < std::max(Y1, Y2); ++Y)
      if (((X1 + Y) & 1) == 0) SetPixel(DC, X1, Y, C);
  }
}

}  // namespace

NativeTreeView::NativeTreeView(TCustomTreeView& Tree) : FTree(Tree) {}

NativeTreeView::~NativeTreeView() {
  if (FMeasure) DeleteDC(FMeasure);
}

// ---- Messages ------------------------------------------------------------------------------------------

bool NativeTreeView::Handle(TMessage& Message) {
  Message.Result = 0;
  switch (Message.Msg) {
  case WM_CREATE: Attach(FTree.FHandle); return false;
  case WM_NCDESTROY: Detach(); return false;
  case WM_SIZE:
    UpdateScrolling();
    if (FWnd) InvalidateRect(FWnd, nullptr, false);
    return false;
  case WM_SETFONT: LayoutChanged(); return true;
  case WM_PAINT: {
    if (!FWnd) return false;
    // The rows and the widest one are brought up to date before painting starts, so a bar that comes
    // or goes changes the frame before the paint, not during it.
    if (FRowsStale) {
      Rows();
      UpdateScrolling();
    }
    PaintMessage(FWnd, Message.WParam, [this](HDC DC) { Paint(DC); });
    return true;
  }
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
    RedrawNode(FTree.Selected());
    return false;
  case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return true;
  case WM_KEYDOWN: KeyDown(Message.WParam); return true;
  case WM_CHAR: CharTyped(char32_t(Message.WParam)); return true;
  case WM_LBUTTONDOWN: MouseDown(LParamToPoint(Message.LParam), false, false); return true;
  case WM_LBUTTONDBLCLK: MouseDown(LParamToPoint(Message.LParam), false, true); return true;
  case WM_RBUTTONDOWN: MouseDown(LParamToPoint(Message.LParam), true, false); return true;
  case WM_MOUSEWHEEL:
    ScrollTo(FScrollX, FTop - int16_t(HIWORD(Message.WParam)) / WHEEL_DELTA * WheelLines);
    return true;
  case WM_VSCROLL: OnScroll(SB_VERT, Message.WParam); return true;
  case WM_HSCROLL: OnScroll(SB_HORZ, Message.WParam); return true;
  case TVM_GETITEMRECT: {
    auto* R = reinterpret_cast<TRect*>(Message.LParam);
    if (!R) return true;
    HTREEITEM Id = 0;
    std::memcpy(&Id, R, sizeof(HTREEITEM));
    TTreeNode* Node = FTree.Items()->GetNodeFromId(Id);
    if (!Node || !Node->IsVisible()) return true;
    const int Row = RowOf(Node);
    *R = Message.WParam ? TextRect(Node, Row) : LineRect(Row);
    Message.Result = 1;
    return true;
  }
  case TVM_GETCOUNT: Message.Result = FTree.Items()->Count(); return true;
  case TVM_GETINDENT: Message.Result = FTree.FIndent; return true;
  case TVM_SETINDENT:
    FTree.FIndent = int(Message.WParam);
    LayoutChanged();
    return true;
  case TVM_GETIMAGELIST:
    Message.Result = LRESULT(Message.WParam == TVSIL_NORMAL ? FNormalImages : Message.WParam == TVSIL_STATE ? FStateImages : 0);
    return true;
  case TVM_SETIMAGELIST: {
    HIMAGELIST* Slot = Message.WParam == TVSIL_NORMAL ? &FNormalImages : Message.WParam == TVSIL_STATE ? &FStateImages : nullptr;
    if (!Slot) return true;
    Message.Result = LRESULT(*Slot);
    *Slot = HIMAGELIST(Message.LParam);
    LayoutChanged();
    return true;
  }
  case TVM_GETVISIBLECOUNT: Message.Result = VisibleCount(); return true;
  case TVM_ENSUREVISIBLE: {
    TTreeNode* Node = FTree.Items()->GetNodeFromId(HTREEITEM(Message.LParam));
    if (Node) EnsureVisible(Node);
    Message.Result = Node != nullptr;
    return true;
  }
  case TVM_GETITEMHEIGHT:
    if (FMetricsStale) UpdateMetrics();
    Message.Result = FItemHeight;
    return true;
  case TVM_EDITLABEL:
    Message.Result = BeginEdit(FTree.Items()->GetNodeFromId(HTREEITEM(Message.LParam))) ? LRESULT(FEditor.Handle()) : 0;
    return true;
  case TVM_ENDEDITLABELNOW:
    FEditor.End(Message.WParam != 0);
    Message.Result = 1;
    return true;
  default: return false;
  }
}

// ---- What the tree view tells the window ---------------------------------------------------------------

void NativeTreeView::NodeAdded(TTreeNode* Node) {
  if (Node->IsVisible()) ++FVisibleCount;
  FRowsStale = true;
  if (!FWnd || FUpdating) return;
  UpdateScrolling();
  InvalidateRect(FWnd, nullptr, false);
}

void NativeTreeView::NodeRemoving(TTreeNode* Node) {
  if (FEditor.Active() && (FEditNode == Node || FEditNode->HasAsParent(Node))) FEditor.End(true);
  if (Node->IsVisible()) FVisibleCount -= 1 + (Node->Expanded() ? VisibleBelow(Node) : 0);
  FRowsStale = true;
}

void NativeTreeView::StructureChanged() {
  FRowsStale = true;
  if (!FWnd || FUpdating) return;
  UpdateScrolling();
  InvalidateRect(FWnd, nullptr, false);
}

void NativeTreeView::ExpansionChanged(TTreeNode* Node) {
  if (Node->IsVisible()) FVisibleCount += (Node->Expanded() ? 1 : -1) * VisibleBelow(Node);
  StructureChanged();
}

void NativeTreeView::SelectionChanged(TTreeNode* Old, TTreeNode* New) {
  RedrawNode(Old);
  if (New) EnsureVisible(New);
  RedrawNode(New);
}

void NativeTreeView::RedrawNode(TTreeNode* Node) {
  if (!Node) return;
  Node->FTextWidth = -1;
  if (!FWnd || FUpdating || FRowsStale || !Node->IsVisible()) return;
  const TRect R = LineRect(RowOf(Node));
  InvalidateRect(FWnd, &R, false);
}

void NativeTreeView::LayoutChanged() {
  FMetricsStale = true;
  FRowsStale = true;
  for (TTreeNode* N = FTree.Items()->GetFirstNode(); N; N = N->GetNext()) N->FTextWidth = -1;
  if (!FWnd || FUpdating) return;
  UpdateScrolling();
  InvalidateRect(FWnd, nullptr, false);
}

void NativeTreeView::SetUpdating(bool Updating) {
  FUpdating = Updating;
  if (!Updating) StructureChanged();
}

TTreeNode* NativeTreeView::TopNode() {
  const auto& List = Rows();
  return FTop < int(List.size()) ? List[size_t(FTop)] : nullptr;
}

void NativeTreeView::SetTopNode(TTreeNode* Node) {
  if (Node && Node->IsVisible()) ScrollTo(FScrollX, RowOf(Node));
}

TTreeNode* NativeTreeView::NodeAt(TPoint P) {
  TTreeNode* Node = nullptr;
  HitTest(P, Node);
  return Node;
}

// ---- Layout ---------------------------------------------------------------------------------------------

void NativeTreeView::Attach(HWND Wnd) {
  FWnd = Wnd;
  FMetricsStale = FRowsStale = true;
  UpdateScrolling();
}

void NativeTreeView::Detach() {
  FEditor.Discard();
  FEditNode = nullptr;
  FWnd = 0;
}

void NativeTreeView::UpdateMetrics() {
  FMetricsStale = false;
  if (!FMeasure) FMeasure = CreateCompatibleDC(nullptr);
  SelectObject(FMeasure, FTree.Font()->Handle());
  TEXTMETRIC TM;
  GetTextMetrics(FMeasure, TM);
  FTextHeight = TM.tmHeight;
  FItemHeight = std::max({ TM.tmHeight + 3, ImageSize(FNormalImages).cy + 2, ImageSize(FStateImages).cy + 2 });
}

TRect NativeTreeView::Client() const {
  TRect R;
  if (FWnd) ::GetClientRect(FWnd, &R);
  return R;
}

int NativeTreeView::VisibleCount() {
  if (FMetricsStale) UpdateMetrics();
  return std::max(0, Client().Height() / FItemHeight);
}

const std::vector<TTreeNode*>& NativeTreeView::Rows() {
  if (!FRowsStale) return FRows;
  if (FMetricsStale) UpdateMetrics();
  FRowsStale = false;
  FRows.clear();
  FContentWidth = 0;
  std::vector<TTreeNode*> Pending;
  for (auto It = FTree.Items()->FRoots.rbegin(); It != FTree.Items()->FRoots.rend(); ++It) Pending.push_back(It->get());
  while (!Pending.empty()) {
    TTreeNode* Node = Pending.back();
    Pending.pop_back();
    Node->FRow = int(FRows.size());
    FRows.push_back(Node);
    FContentWidth = std::max(FContentWidth, TextRect(Node, Node->FRow).Right + FScrollX);
    if (Node->FExpanded)
      for (auto It = Node->FChildren.rbegin(); It != Node->FChildren.rend(); ++It) Pending.push_back(It->get());
  }
  FVisibleCount = int(FRows.size());
  return FRows;
}

int NativeTreeView::RowOf(const TTreeNode* Node) {
  Rows();
  return Node->FRow;
}

int NativeTreeView::VisibleBelow(const TTreeNode* Node) {
  int N = 0;
  for (const auto& Child : Node->FChildren) N += 1 + (Child->FExpanded ? VisibleBelow(Child.get()) : 0);
  return N;
}

int NativeTreeView::LevelOffset(const TTreeNode* Node) const { return Node->Level() + (FTree.ShowRoot() ? 1 : 0); }

int NativeTreeView::TextWidth(TTreeNode* Node) {
  if (Node->FTextWidth < 0) {
    if (FMetricsStale) UpdateMetrics();
    TSize Size;
    GetTextExtentPoint32(FMeasure, Node->Text(), Size);
    Node->FTextWidth = Size.cx;
  }
  return Node->FTextWidth;
}

// The whole line is not scrolled sideways; every part of it is.
TRect NativeTreeView::LineRect(int Row) const {
  const int Top = (Row - FTop) * FItemHeight;
  return { 0, Top, Client().Width(), Top + FItemHeight };
}

TRect NativeTreeView::ButtonRect(const TTreeNode* Node, int Row) const {
  const int Column = LevelOffset(Node) - 1;
  if (Column < 0) return {};
  const int Indent = FTree.FIndent, Top = (Row - FTop) * FItemHeight;
  return { Column * Indent - FScrollX, Top, (Column + 1) * Indent - FScrollX, Top + FItemHeight };
}

TRect NativeTreeView::StateIconRect(const TTreeNode* Node, int Row) const {
  const int Left = LevelOffset(Node) * FTree.FIndent - FScrollX, Top = (Row - FTop) * FItemHeight;
  return { Left, Top, Left + ImageSize(FStateImages).cx, Top + FItemHeight };
}

TRect NativeTreeView::IconRect(const TTreeNode* Node, int Row) const {
  const TRect State = StateIconRect(Node, Row);
  return { State.Right, State.Top, State.Right + ImageSize(FNormalImages).cx, State.Bottom };
}

TRect NativeTreeView::TextRect(TTreeNode* Node, int Row) {
  const TRect Icon = IconRect(Node, Row);
  const int Left = Icon.Right + (Icon.Width() ? 1 : 0);
  return { Left, Icon.Top, Left + TextWidth(Node) + 4, Icon.Bottom };
}

NativeTreeView::HitPart NativeTreeView::HitTest(TPoint P, TTreeNode*& Node) {
  Node = nullptr;
  if (FMetricsStale) UpdateMetrics();
  const auto& List = Rows();
  if (P.Y < 0 || P.X < 0 || P.X >= Client().Width()) return HitPart::Nowhere;
  const int Row = FTop + P.Y / FItemHeight;
  if (Row >= int(List.size())) return HitPart::Nowhere;
  Node = List[size_t(Row)];
  if (TextRect(Node, Row).Contains(P)) return HitPart::Label;
  if (IconRect(Node, Row).Contains(P)) return HitPart::Icon;
  if (StateIconRect(Node, Row).Contains(P)) return HitPart::StateIcon;
  if (FTree.ShowButtons() && Node->HasChildren() && ButtonRect(Node, Row).Contains(P)) return HitPart::Button;
  return P.X < StateIconRect(Node, Row).Left ? HitPart::Indent : HitPart::Right;
}

// ---- Scrolling ------------------------------------------------------------------------------------------

void NativeTreeView::UpdateScrolling() {
  if (!FWnd || FLayoutDepth > 2) return;
  ++FLayoutDepth;
  const TRect Before = Client();
  UpdateScrollInfo();
  if (Client() != Before) UpdateScrollInfo();
  --FLayoutDepth;
}

void NativeTreeView::UpdateScrollInfo() {
  if (FMetricsStale) UpdateMetrics();
  const int Page = VisibleCount(), Width = Client().Width();
  FTop = std::clamp(FTop, 0, std::max(0, FVisibleCount - std::max(Page, 1)));
  FScrollX = std::clamp(FScrollX, 0, std::max(0, FContentWidth - Width));
  PublishScrollState(FWnd, SB_VERT, 0, std::max(FVisibleCount - 1, 0), Page, FTop);
  PublishScrollState(FWnd, SB_HORZ, 0, std::max(FContentWidth - 1, 0), Width, FScrollX);
}

void NativeTreeView::ScrollTo(int X, int Top) {
  if (!FWnd) return;
  const int OldX = FScrollX, OldTop = FTop;
  FScrollX = X;
  FTop = Top;
  UpdateScrolling();
  if (FScrollX == OldX && FTop == OldTop) return;
  FEditor.End(false);
  InvalidateRect(FWnd, nullptr, false);
}

// Vertical steps are rows, horizontal ones a step of the font's height; the thumb positions are full
// 32-bit ones when the caller set them in the scroll information first.
void NativeTreeView::OnScroll(int Bar, WPARAM WParam) {
  SCROLLINFO Info;
  Info.fMask = SIF_ALL;
  if (!FWnd || !GetScrollInfo(FWnd, Bar, &Info)) return;
  const int Line = Bar == SB_VERT ? 1 : std::max(FTextHeight, 1);
  const std::optional<int> Pos = RequestedScrollPosition(FWnd, Bar, WParam, Info, Bar == SB_VERT ? FTop : FScrollX, Line);
  if (!Pos) return;
  if (Bar == SB_VERT)
    ScrollTo(FScrollX, *Pos);
  else
    ScrollTo(*Pos, FTop);
}

void NativeTreeView::EnsureVisible(TTreeNode* Node) {
  const HTREEITEM Id = Node->ItemId();
  std::vector<TTreeNode*> Ancestors;
  for (TTreeNode* P = Node->Parent(); P; P = P->Parent()) Ancestors.push_back(P);
  for (auto It = Ancestors.rbegin(); It != Ancestors.rend(); ++It)
    if (!(*It)->Expanded() && !FTree.ExpandNode(*It, true)) return;
  if (!FWnd || FTree.Items()->GetNodeFromId(Id) != Node || !Node->IsVisible()) return;
  const int Row = RowOf(Node), Page = std::max(VisibleCount(), 1);
  if (Row < FTop)
    ScrollTo(FScrollX, Row);
  else if (Row >= FTop + Page)
    ScrollTo(FScrollX, Row - Page + 1);
}

// ---- Painting -------------------------------------------------------------------------------------------

void NativeTreeView::Paint(HDC DC) {
  if (FMetricsStale) UpdateMetrics();
  TRect Clip;
  GetClipBox(DC, &Clip);
  const int Count = int(Rows().size());
  const int First = FTop + std::max(0, Clip.Top / FItemHeight);
  const int Last = std::min(Count - 1, FTop + (Clip.Bottom + FItemHeight - 1) / FItemHeight);
  FTree.FCanvas->PaintOn(DC, [&] {
    for (int Row = First; Row <= Last && Row < int(Rows().size()); ++Row) PaintRow(DC, Row);
  });
  const TRect C = Client();
  PaintFill(DC, { C.Left, std::max((std::max(Last, First - 1) + 1 - FTop) * FItemHeight, 0), C.Right, C.Bottom }, FTree.Color());
}

// A custom-draw handler that declines the default drawing gets the row to itself: nothing of it is
// painted here.
void NativeTreeView::PaintRow(HDC DC, int Row) {
  TTreeNode* Node = FRows[size_t(Row)];
  const HTREEITEM Id = Node->ItemId();
  const bool Selected = FTree.Selected() == Node, Focused = GetFocus() == FWnd;
  TCustomDrawState State;
  if (Selected) State.Include(cdsSelected);
  if (Selected && Focused) State.Include(cdsFocused);
  TCanvas* Canvas = FTree.Canvas();
  Canvas->Brush()->SetColor(FTree.Color());
  Canvas->Font()->Assign(FTree.Font());
  bool PaintImages = true;
  const int Saved = SaveDC(DC);
  const bool DefaultDraw = FTree.CustomDrawItem(Node, State, cdPrePaint, PaintImages);
  Canvas->Refresh();
  RestoreDC(DC, Saved);
  if (!DefaultDraw || FRowsStale || FTree.Items()->GetNodeFromId(Id) != Node) return;
  const TColor Back = Canvas->Brush()->Color(), Text = Canvas->Font()->Color();
  PaintFill(DC, LineRect(Row), Back);
  if (FTree.ShowLines()) PaintLines(DC, Node, Row);
  if (FTree.ShowButtons() && Node->HasChildren()) {
    const TRect B = ButtonRect(Node, Row);
    if (B.Width()) PaintButton(DC, B, Node->Expanded());
  }
  if (PaintImages) {
    if (FStateImages && Node->StateIndex() >= 0) {
      const TRect R = StateIconRect(Node, Row);
      ImageList_DrawEx(FStateImages, Node->StateIndex(), DC, R.Left, R.Top + (R.Height() - ImageSize(FStateImages).cy) / 2,
                       0, 0, CLR_NONE, CLR_NONE, ILD_NORMAL);
    }
    if (FNormalImages) {
      if (Selected)
        FTree.GetSelectedIndex(Node);
      else
        FTree.GetImageIndex(Node);
      if (FTree.Items()->GetNodeFromId(Id) != Node) return;
      const int Image = Selected ? Node->SelectedIndex() : Node->ImageIndex();
      const TRect R = IconRect(Node, Row);
      if (Image >= 0 && Image < ImageList_GetImageCount(FNormalImages))
        ImageList_DrawEx(FNormalImages, Image, DC, R.Left, R.Top + (R.Height() - ImageSize(FNormalImages).cy) / 2, 0, 0,
                         CLR_NONE, CLR_NONE, ILD_NORMAL);
    }
  }
  const TRect T = TextRect(Node, Row);
  const bool ShowSelected = Selected && (Focused || !FTree.HideSelection());
  if (ShowSelected) PaintFill(DC, T, Focused ? clHighlight : clBtnFace);
  SelectObject(DC, FTree.Font()->Handle());
  SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, ColorToRGB(ShowSelected ? (Focused ? clHighlightText : clWindowText) : Text));
  TRect TextArea { T.Left + 2, T.Top, T.Right, T.Bottom };
  DrawText(DC, Node->Text(), TextArea, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
  if (Selected && Focused) {
    SetTextColor(DC, ColorToRGB(clWindowText));
    DrawFocusRect(DC, T);
  }
}

// A dotted connector from the button's centre to the icon, the node's own vertical line up to its
// predecessor and down to its next sibling, and the lines of the ancestors that have siblings below.
void NativeTreeView::PaintLines(HDC DC, TTreeNode* Node, int Row) {
  const TRect B = ButtonRect(Node, Row);
  if (!B.Width()) return;
  const TColor Color = clBtnShadow;
  const int X = B.Left + B.Width() / 2, Y = B.Top + B.Height() / 2;
  Dotted(DC, X, Y, StateIconRect(Node, Row).Left, Y, Color);
  if (Node->GetPrevSibling() || Node->Parent()) Dotted(DC, X, B.Top, X, Y, Color);
  if (Node->GetNextSibling()) Dotted(DC, X, Y, X, B.Bottom, Color);
  for (TTreeNode* P = Node->Parent(); P; P = P->Parent()) {
    const TRect PB = ButtonRect(P, Row);
    if (PB.Width() && P->GetNextSibling()) Dotted(DC, PB.Left + PB.Width() / 2, B.Top, PB.Left + PB.Width() / 2, B.Bottom, Color);
  }
}

void NativeTreeView::PaintButton(HDC DC, const TRect& R, bool Expanded) {
  const int X = R.Left + R.Width() / 2, Y = R.Top + R.Height() / 2;
  const TRect Box = Bounds(X - ButtonSize / 2, Y - ButtonSize / 2, ButtonSize, ButtonSize);
  PaintFill(DC, Box, clWindow);
  HBRUSH Frame = CreateSolidBrush(ColorToRGB(clBtnShadow));
  FrameRect(DC, Box, Frame);
  DeleteObject(Frame);
  PaintLine(DC, X - 2, Y, X + 3, Y, clWindowText);
  if (!Expanded) PaintLine(DC, X, Y - 2, X, Y + 3, clWindowText);
}

// ---- Input ----------------------------------------------------------------------------------------------

void NativeTreeView::MouseDown(TPoint P, bool Right, bool Double) {
  if (!FWnd) return;
  FEditor.End(false);
  if (GetFocus() != FWnd) SetFocus(FWnd);
  TTreeNode* Node = nullptr;
  const HitPart Part = HitTest(P, Node);
  if (!Node) return;
  const bool OnItem = Part == HitPart::Label || Part == HitPart::Icon || Part == HitPart::StateIcon;
  if (Right) {
    if (OnItem && FTree.RightClickSelect()) FTree.Select(Node);
    return;
  }
  if (Part == HitPart::Button) {
    FTree.ExpandNode(Node, !Node->Expanded());
    return;
  }
  if (!OnItem) return;
  const HTREEITEM Id = Node->ItemId();
  FTree.Select(Node);
  if (Double && FTree.Items()->GetNodeFromId(Id) == Node) FTree.ExpandNode(Node, !Node->Expanded());
}

void NativeTreeView::KeyDown(WPARAM Key) {
  const auto& List = Rows();
  if (List.empty()) return;
  TTreeNode* Current = FTree.Selected();
  const int Row = Current && Current->IsVisible() ? RowOf(Current) : -1;
  const int Last = int(List.size()) - 1, Page = std::max(VisibleCount(), 1);
  int Target = -1;
  switch (Key) {
  case VK_UP: Target = std::max(Row - 1, 0); break;
  case VK_DOWN: Target = std::min(Row + 1, Last); break;
  case VK_HOME: Target = 0; break;
  case VK_END: Target = Last; break;
  case VK_PRIOR: Target = std::max(Row - (Page - 1), 0); break;
  case VK_NEXT: Target = std::min(std::max(Row, 0) + Page - 1, Last); break;
  case VK_LEFT:
    if (!Current) return;
    if (Current->Expanded())
      FTree.ExpandNode(Current, false);
    else if (Current->Parent())
      FTree.Select(Current->Parent());
    return;
  case VK_RIGHT:
    if (!Current) return;
    if (!Current->Expanded() && Current->HasChildren())
      FTree.ExpandNode(Current, true);
    else if (Current->Expanded() && Current->GetFirstChild())
      FTree.Select(Current->GetFirstChild());
    return;
  case VK_ADD:
  case VK_SUBTRACT:
    if (Current) FTree.ExpandNode(Current, Key == VK_ADD);
    return;
  default: return;
  }
  FTree.Select(Rows()[size_t(std::clamp(Target, 0, int(Rows().size()) - 1))]);
}

// Typing selects the next row whose text starts with what was typed (letters without case), wrapping.
void NativeTreeView::CharTyped(char32_t Char) {
  const auto& List = Rows();
  if (Char < 0x20 || Char == 0x7F || List.empty()) return;
  const DWORD Now = GetTickCount();
  if (Now - FSearchTime > SearchPause) FSearch.clear();
  FSearchTime = Now;
  FSearch += CodePointToUtf8(Char);
  const int Count = int(List.size());
  const int Current = FTree.Selected() && FTree.Selected()->IsVisible() ? RowOf(FTree.Selected()) : -1;
  const int Start = CodePointCount(FSearch) == 1 ? (Current + 1) % Count : std::max(Current, 0);
  for (int N = 0; N < Count; ++N) {
    TTreeNode* Node = Rows()[size_t((Start + N) % Count)];
    if (StartsWithText(Node->Text(), FSearch)) {
      FTree.Select(Node);
      return;
    }
  }
}

// The editor lies over the node's text, wide enough to type into.
bool NativeTreeView::BeginEdit(TTreeNode* Node) {
  if (!FWnd || !Node) return false;
  FEditor.End(false);
  const HTREEITEM Id = Node->ItemId();
  if (FTree.Items()->GetNodeFromId(Id) != Node || !FTree.CanEdit(Node) || FTree.Items()->GetNodeFromId(Id) != Node)
    return false;
  EnsureVisible(Node);
  if (!Node->IsVisible()) return false;
  TRect R = TextRect(Node, RowOf(Node));
  R.Right = std::max(R.Right + FTextHeight, R.Left + 8 * FTextHeight);
  R.Bottom = std::max(R.Bottom, R.Top + FTextHeight + 6);
  FEditNode = Node;
  FEditor.Begin(&FTree, R, Node->Text(), [this](const String* Text) {
    TTreeNode* Edited = FEditNode;
    FEditNode = nullptr;
    if (Edited) FTree.Edit(Edited, Text);
  });
  return true;
}
