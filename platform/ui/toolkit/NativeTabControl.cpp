#include "platform/ui/toolkit/NativeTabControl.h"

#include <algorithm>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/ImageListCalls.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/toolkit/TCustomTabControl.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/toolkit/ViewSupport.h"
#include "platform/ui/toolkit/ViewMessages.h"
#include "platform/ui/winsys/VirtualKeys.h"

namespace {

/// The margin around the tab row and the frame's thickness plus padding inside it.
constexpr int Margin = 2;
constexpr int FrameInset = 4;
/// Room on each side of a tab's caption, and between its image and caption.
constexpr int TabPadding = 6;
constexpr int ImageGap = 3;
/// The gap between button-style tabs and the display area.
constexpr int ButtonGap = 3;

}  // namespace

NativeTabControl::NativeTabControl(TCustomTabControl& Tabs) : FTabs(Tabs) {}

NativeTabControl::~NativeTabControl() = default;

// ---- Messages ------------------------------------------------------------------------------------------

bool NativeTabControl::Handle(TMessage& Message) {
  Message.Result = 0;
  const HWND Wnd = FTabs.FHandle;
  switch (Message.Msg) {
  case WM_SIZE: LayoutChanged(); return false;
  case WM_SETFONT: LayoutChanged(); return true;
  case WM_PAINT: {
    if (!Wnd) return false;
    PaintMessage(Wnd, Message.WParam, [this](HDC DC) { Paint(DC); });
    return true;
  }
  case WM_SETFOCUS:
  case WM_KILLFOCUS: Invalidate(); return false;
  case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS; return true;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK: {
    const int Index = HitTest(LParamToPoint(Message.LParam));
    if (Index < 0) return true;
    if (Wnd && GetFocus() != Wnd && FTabs.CanFocus()) SetFocus(Wnd);
    if (Index != FSelected) Pick(Index);
    return true;
  }
  case WM_MOUSEMOVE:
    if (FTabs.HotTrack()) {
      const int Hot = HitTest(LParamToPoint(Message.LParam));
      if (Hot != FHot) {
        FHot = Hot;
        Invalidate();
      }
    }
    return true;
  case WM_MOUSELEAVE:
    if (FHot >= 0) {
      FHot = -1;
      Invalidate();
    }
    return false;
  case WM_KEYDOWN: {
    const int Count = FTabs.TabCount();
    if (Count == 0) return true;
    const bool Back = Horizontal() ? Message.WParam == VK_LEFT : Message.WParam == VK_UP;
    const bool Forward = Horizontal() ? Message.WParam == VK_RIGHT : Message.WParam == VK_DOWN;
    int Target = -1;
    if (Back) Target = std::max(FSelected - 1, 0);
    if (Forward) Target = std::min(FSelected + 1, Count - 1);
    if (Message.WParam == VK_HOME) Target = 0;
    if (Message.WParam == VK_END) Target = Count - 1;
    if (Target >= 0 && Target != FSelected) Pick(Target);
    return true;
  }
  case WM_HSCROLL:
    if (!FTabs.MultiLine()) {
      const int Code = LOWORD(Message.WParam);
      int First = FFirst;
      if (Code == SB_THUMBPOSITION || Code == SB_THUMBTRACK) First = HIWORD(Message.WParam);
      if (Code == SB_LINELEFT) --First;
      if (Code == SB_LINERIGHT) ++First;
      First = std::clamp(First, 0, MaxFirst());
      if (First != FFirst) {
        FFirst = First;
        FLayoutStale = true;
        Invalidate();
      }
    }
    return true;
  case TCM_GETIMAGELIST: Message.Result = LRESULT(FImages); return true;
  case TCM_SETIMAGELIST:
    Message.Result = LRESULT(FImages);
    FImages = HIMAGELIST(Message.LParam);
    LayoutChanged();
    return true;
  case TCM_GETITEMCOUNT: Message.Result = FTabs.TabCount(); return true;
  case TCM_GETITEMRECT: {
    auto* R = reinterpret_cast<TRect*>(Message.LParam);
    const int Index = int(Message.WParam);
    if (!R || Index < 0 || Index >= FTabs.TabCount()) return true;
    Layout();
    *R = FRects[size_t(Index)];
    Message.Result = 1;
    return true;
  }
  case TCM_GETCURSEL: Message.Result = FSelected; return true;
  case TCM_SETCURSEL: {
    const int Index = int(Message.WParam);
    Message.Result = -1;
    if (Index < -1 || Index >= FTabs.TabCount()) return true;
    Message.Result = FSelected;
    Select(Index);
    return true;
  }
  case TCM_HITTEST: {
    auto* Info = reinterpret_cast<TCHITTESTINFO*>(Message.LParam);
    if (!Info) {
      Message.Result = -1;
      return true;
    }
    Message.Result = HitTest(Info->pt);
    Info->flags = Message.Result >= 0 ? TCHT_ONITEM : TCHT_NOWHERE;
    return true;
  }
  case TCM_ADJUSTRECT: {
    auto* R = reinterpret_cast<TRect*>(Message.LParam);
    if (!R) return true;
    Layout();
    *R = Message.WParam ? WindowFrom(*R) : DisplayFrom(*R);
    return true;
  }
  case TCM_SETITEMSIZE:
    Message.Result = MAKELRESULT(Word(FItemWidth), Word(FItemHeight));
    FItemWidth = int16_t(LOWORD(uintptr_t(Message.LParam)));
    FItemHeight = int16_t(HIWORD(uintptr_t(Message.LParam)));
    LayoutChanged();
    return true;
  case TCM_GETROWCOUNT: Message.Result = Lines(); return true;
  default: return false;
  }
}

void NativeTabControl::LayoutChanged() {
  if (FSelected >= FTabs.TabCount()) FSelected = FTabs.TabCount() - 1;
  if (FHot >= FTabs.TabCount() || !FTabs.HotTrack()) FHot = -1;
  FFirst = std::clamp(FFirst, 0, MaxFirst());
  FLayoutStale = true;
  Invalidate();
}

void NativeTabControl::Invalidate() {
  if (FTabs.FHandle) InvalidateRect(FTabs.FHandle, nullptr, false);
}

// ---- Layout ---------------------------------------------------------------------------------------------

bool NativeTabControl::Horizontal() const { return FTabs.TabPosition() == tpTop || FTabs.TabPosition() == tpBottom; }

int NativeTabControl::Lines() {
  Layout();
  return FLineCount;
}

int NativeTabControl::TabLength(int Index, HDC DC) {
  if (FItemWidth > 0) return FItemWidth;
  const TSize Image = ImageSize(FImages);
  TSize Text;
  GetTextExtentPoint32(DC, FTabs.Tabs()[size_t(Index)].Caption, Text);
  return Text.cx + 2 * TabPadding + (Image.cx ? Image.cx + ImageGap : 0);
}

int NativeTabControl::TabAcross() const {
  return FItemHeight > 0 ? FItemHeight : std::max(FTextHeight + 7, ImageSize(FImages).cy + 4);
}

// Tabs run along the side in lines; the line holding the selected tab lies next to the display area.
// Each tab's rectangle is kept in client coordinates; a single scrolled row starts at its first shown
// tab, the ones before it lying left of x 0 (above y 0 for side tabs).
void NativeTabControl::Layout() {
  if (!FLayoutStale) return;
  FLayoutStale = false;
  const TRect C = FTabs.HandleAllocated() ? FTabs.ClientRect() : Rect(0, 0, FTabs.Width(), FTabs.Height());
  const HDC DC = CreateCompatibleDC(nullptr);
  SelectObject(DC, FTabs.Font()->Handle());
  TEXTMETRIC TM;
  GetTextMetrics(DC, TM);
  FTextHeight = TM.tmHeight;
  const int Count = FTabs.TabCount();
  std::vector<int> Lengths;
  for (int I = 0; I < Count; ++I) Lengths.push_back(TabLength(I, DC));
  DeleteDC(DC);
  const int Across = TabAcross();
  const int Room = (Horizontal() ? C.Width() : C.Height()) - 2 * Margin;

  // Lines and positions along them.
  std::vector<int> LineOf(size_t(Count), 0), Along(size_t(Count), 0);
  FLineCount = 1;
  if (FTabs.MultiLine()) {
    int Cursor = 0;
    for (int I = 0; I < Count; ++I) {
      if (Cursor > 0 && Cursor + Lengths[size_t(I)] > Room) {
        ++FLineCount;
        Cursor = 0;
      }
      LineOf[size_t(I)] = FLineCount - 1;
      Along[size_t(I)] = Margin + Cursor;
      Cursor += Lengths[size_t(I)];
    }
    if (!FTabs.RaggedRight() && FLineCount > 1) {
      for (int Line = 0; Line < FLineCount; ++Line) {
        std::vector<int> Members;
        int Used = 0;
        for (int I = 0; I < Count; ++I)
          if (LineOf[size_t(I)] == Line) {
            Members.push_back(I);
            Used += Lengths[size_t(I)];
          }
        const int Extra = std::max(0, Room - Used), Each = Extra / int(Members.size());
        int Cursor = Margin;
        for (size_t K = 0; K < Members.size(); ++K) {
          const int I = Members[K];
          Lengths[size_t(I)] += Each + (K + 1 == Members.size() ? Extra - Each * int(Members.size()) : 0);
          Along[size_t(I)] = Cursor;
          Cursor += Lengths[size_t(I)];
        }
      }
    }
  } else {
    int Cursor = Margin;
    for (int I = 0; I < Count; ++I) {
      Along[size_t(I)] = Cursor;
      Cursor += Lengths[size_t(I)];
    }
    if (FFirst > 0 && FFirst < Count) {
      const int Shift = Along[size_t(FFirst)];
      for (int& A : Along) A -= Shift;
    }
  }

  const int Selected = FSelected >= 0 && FSelected < Count ? LineOf[size_t(FSelected)] : FLineCount - 1;
  FTabExtent = FLineCount * Across;
  FRects.assign(size_t(Count), TRect {});
  for (int I = 0; I < Count; ++I) {
    const int Line = LineOf[size_t(I)];
    const int Distance = Line == Selected ? 0 : Line < Selected ? Line + 1 : Line;
    const int A = Along[size_t(I)], L = Lengths[size_t(I)];
    switch (FTabs.TabPosition()) {
    case tpTop: FRects[size_t(I)] = Bounds(A, Margin + (FLineCount - 1 - Distance) * Across, L, Across); break;
    case tpBottom: FRects[size_t(I)] = Bounds(A, C.Height() - Margin - FTabExtent + Distance * Across, L, Across); break;
    case tpLeft: FRects[size_t(I)] = Bounds(Margin + (FLineCount - 1 - Distance) * Across, A, Across, L); break;
    case tpRight: FRects[size_t(I)] = Bounds(C.Width() - Margin - FTabExtent + Distance * Across, A, Across, L); break;
    }
  }
}

TRect NativeTabControl::DisplayFrom(const TRect& W) {
  const int Tabs = Margin + FTabExtent;
  const bool Buttons = FTabs.Style() != tsTabs;
  const int In = Buttons ? 0 : FrameInset, Gap = Buttons ? ButtonGap : FrameInset;
  switch (FTabs.TabPosition()) {
  case tpTop: return { W.Left + In, W.Top + Tabs + Gap, W.Right - In, W.Bottom - In };
  case tpBottom: return { W.Left + In, W.Top + In, W.Right - In, W.Bottom - Tabs - Gap };
  case tpLeft: return { W.Left + Tabs + Gap, W.Top + In, W.Right - In, W.Bottom - In };
  case tpRight: return { W.Left + In, W.Top + In, W.Right - Tabs - Gap, W.Bottom - In };
  }
  return W;
}

TRect NativeTabControl::WindowFrom(const TRect& D) {
  const TRect Zero = DisplayFrom({});
  return { D.Left - Zero.Left, D.Top - Zero.Top, D.Right - Zero.Right, D.Bottom - Zero.Bottom };
}

TRect NativeTabControl::FrameRect() {
  const TRect C = FTabs.ClientRect(), D = DisplayFrom(C);
  return { D.Left - FrameInset, D.Top - FrameInset, D.Right + FrameInset, D.Bottom + FrameInset };
}

int NativeTabControl::RowEnd() const {
  const TRect C = FTabs.HandleAllocated() ? FTabs.ClientRect() : Rect(0, 0, FTabs.Width(), FTabs.Height());
  return (Horizontal() ? C.Width() : C.Height()) - Margin;
}

int NativeTabControl::MaxFirst() {
  const int Count = FTabs.TabCount();
  if (FTabs.MultiLine() || Count == 0) return 0;
  const int Width = RowEnd();
  const HDC DC = CreateCompatibleDC(nullptr);
  SelectObject(DC, FTabs.Font()->Handle());
  std::vector<int> Lengths;
  for (int I = 0; I < Count; ++I) Lengths.push_back(TabLength(I, DC));
  DeleteDC(DC);
  int Rest = 0;
  for (int L : Lengths) Rest += L;
  if (Margin + Rest <= Width) return 0;
  for (int First = 1; First < Count; ++First) {
    Rest -= Lengths[size_t(First - 1)];
    if (Rest <= Width) return First;
  }
  return Count - 1;
}

int NativeTabControl::HitTest(TPoint P) {
  Layout();
  const TRect C = FTabs.HandleAllocated() ? FTabs.ClientRect() : Rect(0, 0, FTabs.Width(), FTabs.Height());
  if (!C.Contains(P)) return -1;
  if (FSelected >= 0 && FSelected < int(FRects.size()) && FRects[size_t(FSelected)].Contains(P)) return FSelected;
  for (size_t I = 0; I < FRects.size(); ++I)
    if (FRects[I].Contains(P)) return int(I);
  return -1;
}

// ---- Selection ------------------------------------------------------------------------------------------

void NativeTabControl::Select(int Index) {
  FSelected = Index;
  FLayoutStale = true;
  if (Index >= 0) MakeVisible(Index);
  Invalidate();
}

void NativeTabControl::Pick(int Index) {
  if (!FTabs.CanChange()) return;
  if (Index >= FTabs.TabCount()) return;
  Select(Index);
  FTabs.Change();
}

void NativeTabControl::MakeVisible(int Index) {
  if (FTabs.MultiLine()) return;
  const int End = RowEnd();
  const int Limit = MaxFirst();
  if (Index < FFirst) FFirst = Index;
  Layout();
  const auto TabEnd = [&] { return Horizontal() ? FRects[size_t(Index)].Right : FRects[size_t(Index)].Bottom; };
  while (FFirst < Limit && TabEnd() > End) {
    ++FFirst;
    FLayoutStale = true;
    Layout();
  }
}

// ---- Painting -------------------------------------------------------------------------------------------

void NativeTabControl::Paint(HDC DC) {
  Layout();
  const TRect C = FTabs.ClientRect();
  PaintFill(DC, C, FTabs.Color());
  if (FTabs.Style() == tsTabs) {
    TRect Frame = FrameRect();
    DrawEdge(DC, Frame, EDGE_RAISED, BF_RECT);
  }
  SelectObject(DC, FTabs.Font()->Handle());
  SetBkMode(DC, TRANSPARENT);
  for (int I = 0; I < int(FRects.size()); ++I)
    if (I != FSelected) PaintTab(DC, I, false);
  if (FSelected >= 0 && FSelected < int(FRects.size())) PaintTab(DC, FSelected, true);
}

// Tabs stand on the frame's edge, the selected one two pixels larger on every side so that it rises above
// the others and opens into the display area; button tabs are raised, or sunk when selected.
void NativeTabControl::PaintTab(HDC DC, int Index, bool Selected) {
  TRect R = FRects[size_t(Index)];
  const TTabPosition Position = FTabs.TabPosition();
  const TColor Face = FTabs.Color();
  if (FTabs.Style() != tsTabs) {
    PaintFill(DC, R, Face);
    if (Selected || FTabs.Style() == tsButtons) DrawEdge(DC, R, Selected ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  } else {
    // The selected tab also covers the frame's two lines where it meets it.
    if (Selected) R = { R.Left - 2, R.Top - 2, R.Right + 2, R.Bottom + 2 };
    PaintFill(DC, R, Face);
    const int L = R.Left, T = R.Top, Rt = R.Right - 1, B = R.Bottom - 1;
    switch (Position) {
    case tpTop:
      PaintLine(DC, L, B + 1, L, T + 2, clBtnHighlight);
      PaintLine(DC, L + 1, T + 1, L + 2, T, clBtnHighlight);
      PaintLine(DC, L + 2, T, Rt - 1, T, clBtnHighlight);
      PaintLine(DC, Rt - 1, T + 1, Rt - 1, B + 1, clBtnShadow);
      PaintLine(DC, Rt, T + 2, Rt, B + 1, cl3DDkShadow);
      break;
    case tpBottom:
      PaintLine(DC, L, T, L, B - 1, clBtnHighlight);
      PaintLine(DC, L + 1, B - 1, L + 2, B, cl3DDkShadow);
      PaintLine(DC, L + 2, B, Rt - 1, B, cl3DDkShadow);
      PaintLine(DC, Rt - 1, T, Rt - 1, B, clBtnShadow);
      PaintLine(DC, Rt, T, Rt, B - 1, cl3DDkShadow);
      break;
    case tpLeft:
    case tpRight: {
      TRect Edge = R;
      DrawEdge(DC, Edge, EDGE_RAISED, Position == tpLeft ? BF_LEFT | BF_TOP | BF_BOTTOM : BF_RIGHT | BF_TOP | BF_BOTTOM);
      break;
    }
    }
  }
  const TTabEntry& Tab = FTabs.Tabs()[size_t(Index)];
  const TSize Image = ImageSize(FImages);
  TSize Text;
  GetTextExtentPoint32(DC, Tab.Caption, Text);
  const bool HasImage = FImages && Tab.ImageIndex >= 0 && Tab.ImageIndex < ImageList_GetImageCount(FImages);
  const int Content = Text.cx + (Image.cx ? Image.cx + ImageGap : 0);
  int X = R.Left + std::max(TabPadding / 2, (R.Width() - Content) / 2);
  if (HasImage) ImageList_DrawEx(FImages, Tab.ImageIndex, DC, X, R.Top + (R.Height() - Image.cy) / 2, 0, 0, CLR_NONE, CLR_NONE, ILD_NORMAL);
  if (Image.cx) X += Image.cx + ImageGap;
  const TColor Ink = !FTabs.Enabled() ? clGrayText : Index == FHot ? clHighlight : clBtnText;
  SetTextColor(DC, ColorToRGB(Ink));
  TRect TextRect { X, R.Top, R.Right - 2, R.Bottom };
  DrawText(DC, Tab.Caption, TextRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if (Selected && FTabs.HandleAllocated() && GetFocus() == FTabs.FHandle) {
    SetTextColor(DC, ColorToRGB(clWindowText));
    DrawFocusRect(DC, { R.Left + 3, R.Top + 3, R.Right - 3, R.Bottom - 2 });
  }
}
