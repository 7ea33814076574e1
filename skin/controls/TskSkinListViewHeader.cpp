// The skinned list view's column header: the subclass of the native header window and its painting.
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinButtonControls.h"

namespace {

/// The built-in look of a pressed section.
constexpr TColor PressedFrameColor = TColor(0xB76B3B);
constexpr TColor PressedFillColor = TColor(0xE4BCA2);
/// The header is kept this much wider than proposed, so no native edge shows right of the sections.
constexpr int HeaderExtraWidth = 25;

}  // namespace

void TskSkinCustomListView::SubclassHeader(HWND Header) {
  RestoreHeader();
  FHeaderHandle = Header;
  FDefHeaderProc = WNDPROC(GetWindowLongPtr(Header, GWL_WNDPROC));
  SetWindowLongPtr(Header, GWL_WNDPROC, LONG_PTR(&FHeaderInstance));
}

void TskSkinCustomListView::RestoreHeader() {
  if (FHeaderHandle && IsWindow(FHeaderHandle) &&
      WNDPROC(GetWindowLongPtr(FHeaderHandle, GWL_WNDPROC)) == &FHeaderInstance)
    SetWindowLongPtr(FHeaderHandle, GWL_WNDPROC, LONG_PTR(FDefHeaderProc));
  FHeaderHandle = 0;
  FDefHeaderProc = nullptr;
}

void TskSkinCustomListView::InvalidateHeader(bool Erase) {
  RedrawWindow(FHeaderHandle, nullptr, 0, Erase ? RDW_INVALIDATE | RDW_ERASE : RDW_INVALIDATE);
}

LRESULT TskSkinCustomListView::HeaderWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  switch (Msg) {
  case WM_WINDOWPOSCHANGING:
    reinterpret_cast<WINDOWPOS*>(LParam)->cx += HeaderExtraWidth;
    return 0;
  case WM_PAINT:
    PaintHeader(HDC(WParam));
    return 0;
  case WM_ERASEBKGND:
    return 1;
  case WM_NCDESTROY: {
    const WNDPROC Own = FDefHeaderProc;
    RestoreHeader();
    return CallWindowProc(Own, Wnd, Msg, WParam, LParam);
  }
  }
  const LRESULT Result = CallWindowProc(FDefHeaderProc, Wnd, Msg, WParam, LParam);
  switch (Msg) {
  case WM_MOUSEMOVE:
    if (FDevDown) RedrawWindow(Wnd, nullptr, 0, RDW_INVALIDATE);
    break;
  case WM_LBUTTONDOWN: {
    const TPoint P { GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam) };
    FActiveSection = -1;
    for (int I = 0; I < Columns()->Count(); ++I)
      if (GetHeaderSectionRect(I).Contains(P)) {
        FActiveSection = I;
        break;
      }
    HDHITTESTINFO Info;
    Info.pt = P;
    CallWindowProc(FDefHeaderProc, Wnd, HDM_HITTEST, 0, LPARAM(&Info));
    FDevDown = Info.flags == HHT_ONDIVIDER;
    FHeaderDown = !FDevDown;
    RedrawWindow(Wnd, nullptr, 0, RDW_INVALIDATE);
    break;
  }
  case WM_LBUTTONUP:
    FHeaderDown = false;
    FDevDown = false;
    FActiveSection = -1;
    RedrawWindow(Wnd, nullptr, 0, RDW_INVALIDATE);
    break;
  }
  return Result;
}

TRect TskSkinCustomListView::GetHeaderSectionRect(int Index) {
  int Item = Index;
  if (FullDrag()) {
    std::vector<int> Order(Columns()->Count());
    SendMessage(FHeaderHandle, HDM_GETORDERARRAY, WPARAM(Order.size()), LPARAM(Order.data()));
    if (Index >= 0 && Index < int(Order.size())) Item = Order[Index];
  }
  TRect R;
  SendMessage(FHeaderHandle, HDM_GETITEMRECT, WPARAM(Item), LPARAM(&R));
  return R;
}

// A record that is not a button, or one whose picture the model does not have, leaves the header in the
// built-in look (HeaderSkinned false): nothing is drawn from a missing picture.
void TskSkinCustomListView::GetHeaderSkinData() {
  FHeader = {};
  if (!FSD || FSD->Empty) return;
  FHeader.Index = FSD->GetControlIndex(FHeaderSkinDataName);
  if (FHeader.Index == -1) FHeader.Index = FSD->GetControlIndex("resizetoolbutton");
  if (FHeader.Index == -1) return;
  auto* Record = dynamic_cast<TskDataSkinButtonControl*>(FSD->CtrlList[FHeader.Index].get());
  if (!Record) return;
  FHeader.LTPt = Record->LTPoint;
  FHeader.RTPt = Record->RTPoint;
  FHeader.LBPt = Record->LBPoint;
  FHeader.RBPt = Record->RBPoint;
  FHeader.SkinRect = Record->SkinRect;
  FHeader.ClRect = Record->ClRect;
  FHeader.StretchEffect = Record->StretchEffect;
  FHeader.LeftStretch = Record->LeftStretch;
  FHeader.TopStretch = Record->TopStretch;
  FHeader.RightStretch = Record->RightStretch;
  FHeader.BottomStretch = Record->BottomStretch;
  FHeader.StretchType = Record->StretchType;
  FHeader.Picture = TskSkinGeometry::ModelPicture(FSD, Record->PictureIndex);
  FHeader.FontColor = Record->FontColor;
  FHeader.DownFontColor = Record->DownFontColor;
  FHeader.ActiveSkinRect = Record->ActiveSkinRect.IsEmpty() ? FHeader.SkinRect : Record->ActiveSkinRect;
  FHeader.DownSkinRect = Record->DownSkinRect.IsEmpty() ? FHeader.ActiveSkinRect : Record->DownSkinRect;
}

void TskSkinCustomListView::DrawHeaderFace(TBitmap* B, const TRect& S, bool LeftPart) {
  const THeaderSkin& H = FHeader;
  const int W = B->Width(), Ht = B->Height();
  if (H.LBPt != TPoint { 0, 0 }) {
    const int DW = W - H.SkinRect.Width(), DH = Ht - H.SkinRect.Height();
    const TPoint NewRT { H.RTPt.X + DW, H.RTPt.Y }, NewLB { H.LBPt.X, H.LBPt.Y + DH };
    const TPoint NewRB { H.RBPt.X + DW, H.RBPt.Y + DH };
    const TRect NewCl { H.ClRect.Left, H.ClRect.Top, H.ClRect.Right + DW, H.ClRect.Bottom + DH };
    auto* Compose = LeftPart ? &ComposeSkinImageLeftPart : &ComposeSkinImage;
    Compose(H.LTPt, H.RTPt, H.LBPt, H.RBPt, H.ClRect, H.LTPt, NewRT, NewLB, NewRB, NewCl, B, H.Picture, S, W, Ht,
            true, H.LeftStretch, H.TopStretch, H.RightStretch, H.BottomStretch, H.StretchEffect, H.StretchType);
    return;
  }
  TBitmap Strip;
  auto* Compose = LeftPart ? &ComposeHorzStripImageLeft : &ComposeHorzStripImage;
  Compose(H.LTPt.X, S.Width() - H.RTPt.X, &Strip, H.Picture, S, W, H.SkinRect.Height(), H.StretchEffect);
  B->Canvas()->StretchDraw(Rect(0, 0, W, Ht), &Strip);
}

void TskSkinCustomListView::DrawHeaderSection(TCanvas* Canvas, TListColumn* Column, const TRect& R, bool Pressed) {
  if (R.Width() <= 0 || R.Height() <= 0) return;
  TBitmap B;
  B.SetSize(R.Width(), R.Height());
  TCanvas* C = B.Canvas();
  TRect Q = Rect(0, 0, R.Width(), R.Height());
  C->SetFont(Font());
  if (!HeaderSkinned()) {
    C->Brush()->SetColor(Pressed ? PressedFrameColor : clBtnShadow);
    C->FrameRect(Q);
    Q = Rect(1, 1, Q.Right - 1, Q.Bottom - 1);
    C->Brush()->SetColor(Pressed ? PressedFillColor : clBtnFace);
    C->FillRect(Q);
    C->Font()->SetColor(clBtnText);
  } else {
    DrawHeaderFace(&B, Pressed ? FHeader.DownSkinRect : FHeader.SkinRect, false);
    C->Font()->SetColor(Pressed ? FHeader.DownFontColor : FHeader.FontColor);
  }
  C->Brush()->SetStyle(bsClear);
  if (OnDrawHeaderSection)
    OnDrawHeaderSection(C, Column, Pressed, Rect(0, 0, R.Width(), R.Height()));
  else
    DrawHeaderSectionContent(&B, Column, Q);
  Canvas->Draw(R.Left, R.Top, &B);
}

void TskSkinCustomListView::DrawHeaderSectionContent(TBitmap* B, TListColumn* Column, TRect T) {
  TCanvas* C = B->Canvas();
  T.Left += 5;
  T.Right -= 5;
  String Text = Column->Caption();
  int X = T.Left;
  TCustomImageList* Images = SmallImages();
  if (Images && Column->ImageIndex() >= 0 && Column->ImageIndex() < Images->Count()) {
    const String Full = Text;
    ShortenText(C, Text, T.Width() - Images->Width() - 10);
    const int Content = C->TextWidth(Text) + Images->Width() + 10;
    if (Text == Full) {
      if (Column->Alignment() == taRightJustify) X = T.Right - Content;
      if (Column->Alignment() == taCenter) X = T.Left + T.Width() / 2 - Content / 2;
    }
    Images->Draw(C, X, T.Top + T.Height() / 2 - Images->Height() / 2, Column->ImageIndex());
    X += Images->Width() + 10;
  } else {
    ShortenText(C, Text, T.Width());
    if (Column->Alignment() == taRightJustify) X = T.Right - C->TextWidth(Text);
    if (Column->Alignment() == taCenter) X = T.Left + T.Width() / 2 - C->TextWidth(Text) / 2;
  }
  int Y = T.Top + T.Height() / 2 - C->TextHeight(Text) / 2;
  if (C->Font()->Height() % 2 != 0) --Y;
  C->TextRect(T, X, Y, Text);
}

void TskSkinCustomListView::PaintHeader(HDC DC) {
  PAINTSTRUCT PS;
  const bool OwnDC = DC == 0;
  if (OwnDC) DC = BeginPaint(FHeaderHandle, &PS);
  {
    TCanvas Canvas;
    Canvas.SetHandle(DC);
    const int Count = int(SendMessage(FHeaderHandle, HDM_GETITEMCOUNT, 0, 0));
    int M = 0;
    for (int I = 0; I < Count && I < Columns()->Count(); ++I) {
      GetHeaderSkinData();
      const TRect R = GetHeaderSectionRect(I);
      DrawHeaderSection(&Canvas, Column(I), R, I == FActiveSection && FHeaderDown);
      M = std::max(M, R.Right);
    }
    TRect Window;
    GetWindowRect(FHeaderHandle, &Window);
    const TRect E = Rect(M, 0, Window.Width() + 1, Window.Height());
    GetHeaderSkinData();
    if (E.Left < E.Right) {
      if (!HeaderSkinned()) {
        Canvas.Brush()->SetColor(clBtnFace);
        Canvas.FillRect(E);
        Canvas.Brush()->SetColor(clBtnShadow);
        Canvas.FrameRect(E);
      } else {
        TBitmap B;
        B.SetSize(E.Width(), E.Height());
        DrawHeaderFace(&B, FHeader.SkinRect, true);
        Canvas.Draw(E.Left, E.Top, &B);
      }
    }
    Canvas.SetHandle(nullptr);
  }
  if (OwnDC) EndPaint(FHeaderHandle, &PS);
}
