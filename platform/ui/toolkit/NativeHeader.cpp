#include "platform/ui/toolkit/NativeHeader.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/ImageListCalls.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/toolkit/NativeListView.h"
#include "platform/ui/toolkit/TCustomListView.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/toolkit/ViewSupport.h"
#include "platform/ui/toolkit/ViewMessages.h"

namespace {

/// Pixels on either side of a section's right edge that grab its divider.
constexpr int DividerGrip = 4;
/// How far a press must move before a section is dragged to another place.
constexpr int DragThreshold = 5;
/// Inset of a section's caption.
constexpr int TextInset = 6;

}  // namespace

NativeHeader::NativeHeader(TCustomListView& List, NativeListView& Owner, HWND Parent) : FList(List), FOwner(Owner) {
  RegisterWindowClass();
  CreateWindowEx(0, ClassName, "", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, Parent, 0, this);
}

// A header that outlives this object (its list view's window still exists) stops calling it.
NativeHeader::~NativeHeader() {
  if (!FWnd) return;
  const HWND Wnd = FWnd;
  SetWindowLongPtr(Wnd, 0, 0);
  FWnd = 0;
  DestroyWindow(Wnd);
}

void NativeHeader::RegisterWindowClass() {
  WNDCLASS Class;
  if (GetClassInfo(ClassName, &Class)) return;
  static const ::WindowProc Proc(&NativeHeader::ClassProc);
  Class.lpfnWndProc = &Proc;
  Class.cbWndExtra = sizeof(NativeHeader*);
  Class.hCursor = LoadCursor(0, IDC_ARROW);
  Class.lpszClassName = ClassName;
  RegisterClass(Class);
}

LRESULT NativeHeader::ClassProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_NCCREATE) {
    auto* Self = static_cast<NativeHeader*>(reinterpret_cast<const CREATESTRUCT*>(LParam)->lpCreateParams);
    SetWindowLongPtr(Wnd, 0, LONG_PTR(Self));
    if (Self) Self->FWnd = Wnd;
  }
  auto* Self = reinterpret_cast<NativeHeader*>(GetWindowLongPtr(Wnd, 0));
  if (Msg == WM_NCDESTROY && Self) {
    Self->FWnd = 0;
    SetWindowLongPtr(Wnd, 0, 0);
  }
  if (!Self) return DefWindowProc(Wnd, Msg, WParam, LParam);
  return Self->Message(Msg, WParam, LParam);
}

LRESULT NativeHeader::Message(UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case HDM_GETITEMCOUNT: return Count();
  case HDM_GETITEMRECT: {
    auto* R = reinterpret_cast<TRect*>(LParam);
    if (!R || int(WParam) < 0 || int(WParam) >= Count()) return 0;
    *R = FOwner.HeaderItemRect(int(WParam));
    return 1;
  }
  case HDM_HITTEST: {
    auto* Info = reinterpret_cast<HDHITTESTINFO*>(LParam);
    if (!Info) return -1;
    Info->iItem = HitTest(Info->pt, Info->flags);
    return Info->iItem;
  }
  case HDM_GETORDERARRAY: {
    auto* Order = reinterpret_cast<int*>(LParam);
    if (!Order) return 0;
    const size_t N = std::min(size_t(WParam), FList.FColumnOrder.size());
    std::copy_n(FList.FColumnOrder.begin(), N, Order);
    return 1;
  }
  case HDM_SETORDERARRAY: {
    const auto* Order = reinterpret_cast<const int*>(LParam);
    if (!Order || int(WParam) != Count()) return 0;
    std::vector<int> New(Order, Order + WParam);
    std::vector<int> Sorted = New;
    std::sort(Sorted.begin(), Sorted.end());
    for (int I = 0; I < Count(); ++I)
      if (Sorted[size_t(I)] != I) return 0;
    FList.FColumnOrder = New;
    FList.LayoutChanged();
    return 1;
  }
  case WM_SETFONT:
    if (FWnd) InvalidateRect(FWnd, nullptr, false);
    return 0;
  case WM_ERASEBKGND: return 1;
  case WM_PAINT: {
    PaintMessage(FWnd, WParam, [this](HDC DC) { Paint(DC); });
    return 0;
  }
  case WM_SETCURSOR: {
    TPoint P;
    UINT Flags = 0;
    if (LOWORD(uintptr_t(LParam)) == HTCLIENT && GetCursorPos(&P) && ScreenToClient(FWnd, &P)) HitTest(P, Flags);
    if (Flags == HHT_ONDIVIDER || FTracking == Tracking::Divider) {
      SetCursor(LoadCursor(0, IDC_SIZEWE));
      return 1;
    }
    break;
  }
  case WM_LBUTTONDOWN: MouseDown(LParamToPoint(LParam)); return 0;
  case WM_MOUSEMOVE: MouseMove(LParamToPoint(LParam)); return 0;
  case WM_LBUTTONUP: MouseUp(LParamToPoint(LParam)); return 0;
  case WM_CANCELMODE:
  case WM_CAPTURECHANGED: CancelTracking(); break;
  }
  return DefWindowProc(FWnd, Msg, WParam, LParam);
}

int NativeHeader::Count() const { return FList.Columns()->Count(); }

// Dividers first, right to left, so a narrow section's divider stays reachable; sections of width 0 have
// none (they stay hidden).
int NativeHeader::HitTest(TPoint P, UINT& Flags) {
  Flags = 0;
  const std::vector<int>& Order = FList.FColumnOrder;
  TRect Client;
  GetClientRect(FWnd, &Client);
  if (P.Y < 0 || P.Y >= Client.Bottom) {
    Flags = HHT_NOWHERE;
    return -1;
  }
  for (auto It = Order.rbegin(); It != Order.rend(); ++It) {
    const TRect R = FOwner.HeaderItemRect(*It);
    if (R.Width() > 0 && std::abs(P.X - R.Right) <= DividerGrip) {
      Flags = HHT_ONDIVIDER;
      return *It;
    }
  }
  for (int Index : Order)
    if (FOwner.HeaderItemRect(Index).Contains(P)) {
      Flags = HHT_ONHEADER;
      return Index;
    }
  Flags = HHT_NOWHERE | (P.X < 0 ? HHT_TOLEFT : 0);
  return -1;
}

// ---- Painting -------------------------------------------------------------------------------------------

void NativeHeader::Paint(HDC DC) {
  TRect Client;
  GetClientRect(FWnd, &Client);
  SelectObject(DC, FList.Font()->Handle());
  SetBkMode(DC, TRANSPARENT);
  int Right = 0;
  for (int Index : FList.FColumnOrder) {
    const TRect R = FOwner.HeaderItemRect(Index);
    Right = std::max(Right, R.Right);
    if (FTracking == Tracking::Drag && Index == FTrackItem) {
      PaintFill(DC, R, clBtnShadow);
      continue;
    }
    PaintSection(DC, Index, R, FTracking == Tracking::Section && Index == FTrackItem && FPressedInside);
  }
  const TRect Rest { Right, 0, Client.Right, Client.Bottom };
  PaintFill(DC, Rest, clBtnFace);
  PaintLine(DC, Rest.Left, Rest.Bottom - 1, Rest.Right, Rest.Bottom - 1, clBtnShadow);
  if (FTracking == Tracking::Drag) {
    const TRect R = FOwner.HeaderItemRect(FTrackItem);
    PaintSection(DC, FTrackItem, Bounds(R.Left + FDragX - FTrackStartX, 0, R.Width(), R.Height()), true);
  }
}

// A flat section with a thin etched separator at its right edge and a shadow line along the bottom; a
// pressed one sinks and its caption moves one pixel.
void NativeHeader::PaintSection(HDC DC, int Index, const TRect& R, bool Pressed) {
  if (R.Width() <= 0) return;
  TListColumn* Column = FList.Column(Index);
  PaintFill(DC, R, Pressed ? clBtnShadow : clBtnFace);
  if (Pressed) PaintFill(DC, { R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1 }, clBtnFace);
  PaintLine(DC, R.Left, R.Bottom - 1, R.Right, R.Bottom - 1, clBtnShadow);
  if (!Pressed) {
    PaintLine(DC, R.Right - 2, R.Top + 3, R.Right - 2, R.Bottom - 3, clBtnShadow);
    PaintLine(DC, R.Right - 1, R.Top + 3, R.Right - 1, R.Bottom - 3, clBtnHighlight);
  }
  const int Shift = Pressed ? 1 : 0;
  TRect Text { R.Left + TextInset + Shift, R.Top + Shift, R.Right - TextInset + Shift, R.Bottom - 1 + Shift };
  const HIMAGELIST Images = HIMAGELIST(FList.Perform(LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  if (Images && Column->ImageIndex() >= 0 && Column->ImageIndex() < ImageList_GetImageCount(Images)) {
    int W = 0, H = 0;
    ImageList_GetIconSize(Images, &W, &H);
    ImageList_DrawEx(Images, Column->ImageIndex(), DC, Text.Left, Text.Top + (Text.Height() - H) / 2, 0, 0, CLR_NONE,
                     CLR_NONE, ILD_NORMAL);
    Text.Left += W + 4;
  }
  const unsigned Align = Column->Alignment() == taRightJustify ? DT_RIGHT
                         : Column->Alignment() == taCenter     ? DT_CENTER
                                                               : DT_LEFT;
  SetTextColor(DC, ColorToRGB(clBtnText));
  DrawText(DC, Column->Caption(), Text, Align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// ---- Mouse ----------------------------------------------------------------------------------------------

void NativeHeader::MouseDown(TPoint P) {
  UINT Flags = 0;
  const int Index = HitTest(P, Flags);
  if (Index < 0) return;
  SetCapture(FWnd);
  FTrackItem = Index;
  FTrackStartX = P.X;
  FTrackStartWidth = FList.Column(Index)->Width();
  FPressedInside = true;
  FTracking = Flags == HHT_ONDIVIDER ? Tracking::Divider : Tracking::Section;
  InvalidateRect(FWnd, nullptr, false);
}

void NativeHeader::MouseMove(TPoint P) {
  switch (FTracking) {
  case Tracking::Divider: FList.ColumnResized(FTrackItem, FTrackStartWidth + P.X - FTrackStartX); break;
  case Tracking::Section:
    if (FList.FullDrag() && std::abs(P.X - FTrackStartX) > DragThreshold) {
      FTracking = Tracking::Drag;
      FDragX = P.X;
      InvalidateRect(FWnd, nullptr, false);
    } else if (const bool Inside = FOwner.HeaderItemRect(FTrackItem).Contains(P); Inside != FPressedInside) {
      FPressedInside = Inside;
      InvalidateRect(FWnd, nullptr, false);
    }
    break;
  case Tracking::Drag:
    FDragX = P.X;
    InvalidateRect(FWnd, nullptr, false);
    break;
  case Tracking::None: break;
  }
}

// The list view's handlers run last, after the header has let go of the mouse, since they may change the
// columns or the list.
void NativeHeader::MouseUp(TPoint P) {
  const Tracking Was = FTracking;
  const int Item = FTrackItem;
  const bool Inside = FPressedInside && FOwner.HeaderItemRect(Item).Contains(P);
  const int Position = Was == Tracking::Drag ? DropPosition(P.X) : -1;
  CancelTracking();
  if (Was == Tracking::Section && Inside) FList.ColumnClicked(Item);
  if (Was == Tracking::Drag) {
    std::vector<int>& Order = FList.FColumnOrder;
    Order.erase(std::find(Order.begin(), Order.end(), Item));
    Order.insert(Order.begin() + std::min<size_t>(size_t(Position), Order.size()), Item);
    FList.LayoutChanged();
  }
}

void NativeHeader::CancelTracking() {
  if (FTracking == Tracking::None) return;
  FTracking = Tracking::None;
  if (GetCapture() == FWnd) ReleaseCapture();
  if (FWnd) InvalidateRect(FWnd, nullptr, false);
}

int NativeHeader::DropPosition(int X) {
  const TRect Dragged = FOwner.HeaderItemRect(FTrackItem);
  const int Centre = Dragged.Left + X - FTrackStartX + Dragged.Width() / 2;
  int Position = 0;
  for (int Index : FList.FColumnOrder) {
    if (Index == FTrackItem) continue;
    const TRect R = FOwner.HeaderItemRect(Index);
    if (Centre > R.Left + R.Width() / 2) ++Position;
  }
  return Position;
}
