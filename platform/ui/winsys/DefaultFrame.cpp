#include "platform/ui/winsys/DefaultFrame.h"

#include <algorithm>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/ui/winsys/MdiClient.h"
#include "platform/ui/winsys/ScreenMetrics.h"
#include "platform/ui/winsys/Ui.h"

namespace {

/// The thickness of the outer border: a sizing frame, a dialog frame (captions have one) or a line.
int BorderWidth(DWORD Style, DWORD ExStyle) {
  if (Style & WS_THICKFRAME)
    return GetSystemMetrics(SM_CXFRAME);
  if ((Style & WS_DLGFRAME) || (ExStyle & WS_EX_DLGMODALFRAME))
    return GetSystemMetrics(SM_CXDLGFRAME);
  return (Style & WS_BORDER) ? GetSystemMetrics(SM_CXBORDER) : 0;
}

int EdgeWidth(DWORD ExStyle) {
  return ((ExStyle & WS_EX_CLIENTEDGE) ? GetSystemMetrics(SM_CXEDGE) : 0) +
         ((ExStyle & WS_EX_STATICEDGE) ? GetSystemMetrics(SM_CXBORDER) : 0);
}

int CaptionHeight(DWORD ExStyle) {
  return GetSystemMetrics((ExStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

void FillColor(HDC DC, const TRect& R, TColor Color) {
  HBRUSH Brush = CreateSolidBrush(ColorToRGB(Color));
  FillRect(DC, R, Brush);
  DeleteObject(Brush);
}

/// The close glyph: two diagonals two pixels thick, centred in R.
void PaintCross(HDC DC, const TRect& R, TColor Color) {
  const int N = std::min(R.Width(), R.Height()) / 2 - 1;
  const int X0 = R.Left + (R.Width() - N) / 2, Y0 = R.Top + (R.Height() - N) / 2;
  for (int I = 0; I < N; ++I)
    for (int Thick = 0; Thick < 2 && I + Thick < N; ++Thick) {
      SetPixel(DC, X0 + I + Thick, Y0 + I, Color);
      SetPixel(DC, X0 + N - 1 - I - Thick, Y0 + I, Color);
    }
}

/// The minimize glyph: a bar two pixels high near the bottom of R.
void PaintBar(HDC DC, const TRect& R, TColor Color) {
  const int N = std::min(R.Width(), R.Height()) / 2;
  FillColor(DC, Bounds(R.Left + (R.Width() - N) / 2, R.Bottom - 2 - R.Height() / 4, N, 2), Color);
}

/// A window outline with a thick top edge at Box.
void PaintBox(HDC DC, const TRect& Box, TColor Color) {
  HBRUSH Brush = CreateSolidBrush(Color);
  FrameRect(DC, Box, Brush);
  FillRect(DC, Bounds(Box.Left, Box.Top, Box.Width(), 2), Brush);
  DeleteObject(Brush);
}

/// The maximize glyph, one window; the restore glyph, two overlapping windows.
void PaintWindows(HDC DC, const TRect& R, TColor Color, bool Restore) {
  const int N = std::min(R.Width(), R.Height()) / 2 + 1;
  const TRect Box = Bounds(R.Left + (R.Width() - N) / 2, R.Top + (R.Height() - N) / 2, N, N);
  if (!Restore) {
    PaintBox(DC, Box, Color);
    return;
  }
  const int Small = N * 3 / 4, Shift = N - Small;
  PaintBox(DC, Bounds(Box.Left + Shift, Box.Top, Small, Small), Color);
  FillColor(DC, Bounds(Box.Left, Box.Top + Shift, Small, Small), clBtnFace);
  PaintBox(DC, Bounds(Box.Left, Box.Top + Shift, Small, Small), Color);
}

}  // namespace

bool DefaultFrame::HasCaption(DWORD Style) { return (Style & WS_CAPTION) == WS_CAPTION; }

bool DefaultFrame::IsSizable(const Window& W) {
  return (W.Style & WS_THICKFRAME) && !(W.Style & (WS_MAXIMIZE | WS_MINIMIZE));
}

TRect DefaultFrame::Insets(DWORD Style, DWORD ExStyle) {
  const int Side = BorderWidth(Style, ExStyle) + EdgeWidth(ExStyle);
  const int Caption = HasCaption(Style) ? CaptionHeight(ExStyle) : 0;
  return { Side, Side + Caption, Side, Side };
}

TRect DefaultFrame::ClientFor(const TRect& WindowRect, DWORD Style, DWORD ExStyle) {
  const TRect In = Insets(Style, ExStyle);
  TRect C { WindowRect.Left + In.Left, WindowRect.Top + In.Top, WindowRect.Right - In.Right,
            WindowRect.Bottom - In.Bottom };
  if ((Style & WS_VSCROLL) && C.Width() >= GetSystemMetrics(SM_CXVSCROLL))
    C.Right -= GetSystemMetrics(SM_CXVSCROLL);
  if ((Style & WS_HSCROLL) && C.Height() >= GetSystemMetrics(SM_CYHSCROLL))
    C.Bottom -= GetSystemMetrics(SM_CYHSCROLL);
  C.Right = std::max(C.Right, C.Left);
  C.Bottom = std::max(C.Bottom, C.Top);
  return C;
}

TRect DefaultFrame::CaptionRect(const Window& W) {
  if (!HasCaption(W.Style))
    return {};
  const int B = BorderWidth(W.Style, W.ExStyle);
  return { B, B, W.Rect.Width() - B, B + CaptionHeight(W.ExStyle) };
}

TRect DefaultFrame::CaptionButtonRect(const Window& W, int Hit) {
  const TRect Caption = CaptionRect(W);
  if (!(W.Style & WS_SYSMENU) || Caption.Height() <= 4)
    return {};
  const int Size = Caption.Height() - 4;
  const TRect Close { Caption.Right - 2 - Size, Caption.Top + 2, Caption.Right - 2, Caption.Top + 2 + Size };
  if (Hit == HTCLOSE)
    return Close;
  if (W.ExStyle & WS_EX_TOOLWINDOW)
    return {};
  // Maximize sits left of close with a gap; minimize right beside maximize, or in its place without it.
  const TRect Maximize = (W.Style & WS_MAXIMIZEBOX) ? Bounds(Close.Left - 2 - Size, Close.Top, Size, Size) : TRect {};
  if (Hit == HTMAXBUTTON)
    return Maximize;
  if (Hit != HTMINBUTTON || !(W.Style & WS_MINIMIZEBOX))
    return {};
  return Bounds((Maximize.Width() ? Maximize.Left : Close.Left - 2) - Size, Close.Top, Size, Size);
}

TRect DefaultFrame::VScrollRect(const Window& W) {
  if (!(W.Style & WS_VSCROLL))
    return {};
  return { W.Client.Right, W.Client.Top, W.Client.Right + GetSystemMetrics(SM_CXVSCROLL), W.Client.Bottom };
}

TRect DefaultFrame::HScrollRect(const Window& W) {
  if (!(W.Style & WS_HSCROLL))
    return {};
  return { W.Client.Left, W.Client.Bottom, W.Client.Right, W.Client.Bottom + GetSystemMetrics(SM_CYHSCROLL) };
}

int DefaultFrame::SizingCode(const Window& W, TPoint Local) {
  const int Width = W.Rect.Width(), Height = W.Rect.Height();
  const int Frame = BorderWidth(W.Style, W.ExStyle);
  const int Corner = GetSystemMetrics(SM_CXSIZE) + Frame;
  const bool Left = Local.X < Frame, Right = Local.X >= Width - Frame;
  const bool Top = Local.Y < Frame, Bottom = Local.Y >= Height - Frame;
  const bool NearLeft = Local.X < Corner, NearRight = Local.X >= Width - Corner;
  const bool NearTop = Local.Y < Corner, NearBottom = Local.Y >= Height - Corner;
  if (Top)
    return NearLeft ? HTTOPLEFT : NearRight ? HTTOPRIGHT : HTTOP;
  if (Bottom)
    return NearLeft ? HTBOTTOMLEFT : NearRight ? HTBOTTOMRIGHT : HTBOTTOM;
  if (Left)
    return NearTop ? HTTOPLEFT : NearBottom ? HTBOTTOMLEFT : HTLEFT;
  if (Right)
    return NearTop ? HTTOPRIGHT : NearBottom ? HTBOTTOMRIGHT : HTRIGHT;
  return HTNOWHERE;
}

int DefaultFrame::HitTest(const Window& W, TPoint Local) {
  if (!TRect { 0, 0, W.Rect.Width(), W.Rect.Height() }.Contains(Local))
    return HTNOWHERE;
  if (W.Client.Contains(Local))
    return HTCLIENT;
  if (W.Style & WS_MINIMIZE)
    return HTCAPTION;
  if (IsSizable(W))
    if (const int Code = SizingCode(W, Local); Code != HTNOWHERE)
      return Code;
  for (const int Button : { HTCLOSE, HTMAXBUTTON, HTMINBUTTON })
    if (CaptionButtonRect(W, Button).Contains(Local))
      return Button;
  if (CaptionRect(W).Contains(Local))
    return HTCAPTION;
  if (VScrollRect(W).Contains(Local))
    return HTVSCROLL;
  if (HScrollRect(W).Contains(Local))
    return HTHSCROLL;
  return HTBORDER;
}

void DefaultFrame::PaintScrollBar(HDC DC, const TRect& Bar, bool Vertical, const ScrollBarState& State) {
  FillColor(DC, Bar, clScrollBar);
  const int Button = Vertical ? std::min(Bar.Width(), Bar.Height() / 2) : std::min(Bar.Height(), Bar.Width() / 2);
  TRect First = Vertical ? Bounds(Bar.Left, Bar.Top, Bar.Width(), Button) : Bounds(Bar.Left, Bar.Top, Button, Bar.Height());
  TRect Last = Vertical ? Bounds(Bar.Left, Bar.Bottom - Button, Bar.Width(), Button)
                        : Bounds(Bar.Right - Button, Bar.Top, Button, Bar.Height());
  DrawEdge(DC, First, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  DrawEdge(DC, Last, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  // The thumb shows the window's scroll information: its length is the page's share of the range, its
  // offset the position's share of the positions the page leaves.
  const int Track = (Vertical ? Bar.Height() : Bar.Width()) - 2 * Button;
  if (!State.CanScroll() || Track < Button)
    return;
  const Int64 Span = Int64(State.Max()) - State.Min() + 1;
  const int Length =
      State.Page() ? std::clamp(int(Track * Int64(State.Page()) / Span), Button / 2, Track) : std::min(Button, Track);
  const int Offset = int((Track - Length) * (Int64(State.Pos()) - State.Min()) / (Int64(State.MaxPos()) - State.Min()));
  TRect Thumb = Vertical ? Bounds(Bar.Left, First.Bottom + Offset, Bar.Width(), Length)
                         : Bounds(First.Right + Offset, Bar.Top, Length, Bar.Height());
  DrawEdge(DC, Thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

void DefaultFrame::PaintCaption(HDC DC, const Window& W, bool Active) {
  const TRect Caption = CaptionRect(W);
  FillColor(DC, Caption, Active ? clActiveCaption : clInactiveCaption);
  int TextRight = Caption.Right;
  for (const int Button : { HTCLOSE, HTMAXBUTTON, HTMINBUTTON })
    if (const TRect R = CaptionButtonRect(W, Button); R.Width())
      TextRight = std::min(TextRight, R.Left);
  TRect Text { Caption.Left + 4, Caption.Top, TextRight - 4, Caption.Bottom };
  const HGDIOBJ Font = GetStockObject(DEFAULT_GUI_FONT);
  if (Font)
    SelectObject(DC, Font);
  SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, ColorToRGB(Active ? clCaptionText : clInactiveCaptionText));
  DrawText(DC, MdiFrameCaption(W), Text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  for (const int Button : { HTCLOSE, HTMAXBUTTON, HTMINBUTTON })
    PaintCaptionButton(DC, W, Button);
}

void DefaultFrame::PaintCaptionButton(HDC DC, const Window& W, int Hit) {
  const TRect R = CaptionButtonRect(W, Hit);
  if (!R.Width())
    return;
  TRect Face = R;
  DrawEdge(DC, Face, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  const TColor Glyph = ColorToRGB(clBtnText);
  if (Hit == HTCLOSE)
    PaintCross(DC, R, Glyph);
  else if (Hit == HTMAXBUTTON)
    PaintWindows(DC, R, Glyph, (W.Style & WS_MAXIMIZE) != 0);
  else
    PaintBar(DC, R, Glyph);
}

void DefaultFrame::Paint(HDC DC, const Window& W, bool Active) {
  const TRect Whole { 0, 0, W.Rect.Width(), W.Rect.Height() };
  const int Border = BorderWidth(W.Style, W.ExStyle), Edge = EdgeWidth(W.ExStyle);
  if (!Border && !Edge && !(W.Style & (WS_VSCROLL | WS_HSCROLL)))
    return;
  const int Saved = SaveDC(DC);
  ExcludeClipRect(DC, W.Client.Left, W.Client.Top, W.Client.Right, W.Client.Bottom);
  FillColor(DC, Whole, clBtnFace);
  if (Border == GetSystemMetrics(SM_CXBORDER)) {
    HBRUSH Line = CreateSolidBrush(ColorToRGB(clWindowFrame));
    FrameRect(DC, Whole, Line);
    DeleteObject(Line);
  } else if (Border) {
    TRect Outer = Whole;
    DrawEdge(DC, Outer, EDGE_RAISED, BF_RECT);
  }
  if (HasCaption(W.Style))
    PaintCaption(DC, W, Active);
  const TRect VBar = VScrollRect(W), HBar = HScrollRect(W);
  if (VBar.Width())
    PaintScrollBar(DC, VBar, true, W.VScroll);
  if (HBar.Height())
    PaintScrollBar(DC, HBar, false, W.HScroll);
  if (Edge) {
    TRect Sunken { W.Client.Left - Edge, W.Client.Top - Edge, std::max(W.Client.Right, VBar.Right) + Edge,
                   std::max(W.Client.Bottom, HBar.Bottom) + Edge };
    DrawEdge(DC, Sunken, (W.ExStyle & WS_EX_CLIENTEDGE) ? EDGE_SUNKEN : BDR_SUNKENOUTER, BF_RECT);
  }
  RestoreDC(DC, Saved);
}
