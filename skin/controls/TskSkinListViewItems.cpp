// The skinned list view's item painter: items drawn from the skin's list-box record.
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/ImageListCalls.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skDataSkinListControls.h"

/// The painter as OnCustomDrawItem holds it; its type tells the list its own painter from any other.
struct TskSkinCustomListView::TItemPainter {
  TskSkinCustomListView* List;
  void operator()(TCustomListView* Sender, TListItem* Item, TCustomDrawState State, bool& DefaultDraw) const {
    List->SkinDrawItem(Sender, Item, State, DefaultDraw);
  }
};

namespace {

template <class TRecord> TRecord* FindRecord(TskSkinData* Model, const String& Name) {
  const int Index = Model->GetControlIndex(Name);
  return Index == -1 ? nullptr : dynamic_cast<TRecord*>(Model->CtrlList[Index].get());
}

}  // namespace

bool TskSkinCustomListView::IsOurPainterInstalled() const {
  return OnCustomDrawItem.target<TItemPainter>() != nullptr;
}

void TskSkinCustomListView::SetDrawSkin(bool Value) {
  FDrawSkin = Value;
  if (Value) {
    OnCustomDrawItem = TItemPainter { this };
    SetFullDrag(false);
  } else if (IsOurPainterInstalled()) {
    OnCustomDrawItem = nullptr;
  }
  if (HandleAllocated()) Invalidate();
}

int TskSkinCustomListView::ColumnWidth(int Index) {
  return int(SendMessage(Handle(), LVM_GETCOLUMNWIDTH, WPARAM(Index), 0));
}

void TskSkinCustomListView::FetchThirdImages() {
  FThirdImages = 0;
  if (SmallImages() || LargeImages()) return;
  const HIMAGELIST List =
      HIMAGELIST(SendMessage(Handle(), LVM_GETIMAGELIST, ViewStyle() == vsIcon ? LVSIL_NORMAL : LVSIL_SMALL, 0));
  if (!List) return;
  FThirdImages = int(List);
  ImageList_GetIconSize(List, &FThirdImageWidth, &FThirdImageHeight);
  FThirdImagesCount = ImageList_GetImageCount(List);
}

void TskSkinCustomListView::SkinDrawItem(TCustomListView*, TListItem* Item, TCustomDrawState State,
                                         bool& DefaultDraw) {
  if (!FSD || FSD->Empty) return;
  FetchThirdImages();
  auto* Record = FindRecord<TskDataSkinListBox>(FSD, FItemSkinDataName);
  if (!Record) return;
  DefaultDraw = false;
  auto* Check = FindRecord<TskDataSkinCheckRadioControl>(FSD, FCheckSkinDataName);

  TCanvas* LC = Canvas();
  const TViewStyle Style = ViewStyle();
  const String& Caption = Item->Caption();
  TRect L = Item->DisplayRect(drLabel);
  const TRect Label = L;
  if (Style == vsList) L.Right = L.Left + GetTextWidthW(LC, Caption) + 2;
  if (Style == vsIcon) L = L.Offset(2, 0);
  TRect I = Item->DisplayRect(drIcon);
  const TRect Bd = Item->DisplayRect(drBounds);
  TRect E;
  if (Style == vsIcon) {
    E = Label;
  } else if (Style == vsList) {
    E = Rect(L.Left, L.Top, L.Right + 4 + (Caption.empty() ? 16 : 0), L.Bottom);
  } else {
    E = Item->DisplayRect(drSelectBounds);
    E.Left = L.Left;
  }
  E.Bottom -= 1;
  const bool Wrapped = Style == vsIcon && IconOptions()->WrapText();
  const int Indent = Style == vsReport ? 3 : 2;

  const bool Selected = Item->Selected() && E.Width() > 0;
  if (Selected) {
    TBitmap B;
    B.SetSize(E.Width(), E.Height());
    TCanvas* BC = B.Canvas();
    const bool Focus = Focused();
    if (TBitmap* Picture = TskSkinGeometry::ModelPicture(FSD, Record->PictureIndex))
      ComposeStretchedSkinImage(&B, Picture, Focus ? Record->FocusItemRect : Record->ActiveItemRect,
                                Record->ItemTextRect, true);
    TRect T = L.Offset(-E.Left, -E.Top);
    BC->SetFont(Font());
    BC->Font()->SetColor(Focus ? Record->FocusFontColor : Record->ActiveFontColor);
    BC->Brush()->SetStyle(bsClear);
    String Text = Caption;
    ShortenText(LC, Text, L.Width() - (Style == vsList ? 0 : Style == vsReport ? 3 : 2));
    if (Wrapped) {
      T.Right -= 4;
      DrawWrappedText(BC, Caption, T, true);
    } else {
      T.Left += Indent;
      DrawLeftText(BC, Text, T);
    }
    if (Style == vsReport && RowSelect() && Item->SubItems()->Count() > 0)
      DrawSubItems(Item, State, BC, Bd, 0, B.Height(), E.Left, true);
    LC->Draw(E.Left, E.Top, &B);
  } else {
    LC->FillRect(Rect(Bd.Left, Bd.Top, Bd.Right, Bd.Bottom - 1));
    String Text = Caption;
    ShortenText(LC, Text, L.Width() - Indent);
    if (Wrapped)
      DrawWrappedText(LC, Caption, Rect(L.Left, L.Top, L.Right - 4, L.Bottom), false);
    else
      DrawLeftText(LC, Text, Rect(L.Left + Indent, L.Top, L.Right, L.Bottom));
  }

  DrawItemIcon(Item, I);
  if (Checkboxes() && Check)
    DrawItemCheck(Item, I, Bd, TskSkinGeometry::ModelPicture(FSD, Check->PictureIndex),
                  Item->Checked() ? Check->CheckImageRect : Check->UnCheckImageRect);
  if (Style == vsReport && Item->SubItems()->Count() > 0 && (!Item->Selected() || !RowSelect()))
    DrawSubItems(Item, State, LC, Bd, Bd.Top, Bd.Bottom, 0, false);
  if (Style == vsReport && FDrawSkinLines) DrawSkinLinesOf(Item, Bd);
}

void TskSkinCustomListView::DrawItemIcon(TListItem* Item, TRect& I) {
  TCanvas* LC = Canvas();
  const bool Icon = ViewStyle() == vsIcon;
  auto Place = [&](int W) {
    if (!Icon) return I.TopLeft();
    const TPoint P { I.Left + I.Width() / 2 - W / 2, I.Top + 2 };
    if (Checkboxes()) I.Left = P.X;
    return P;
  };
  if (FThirdImages) {
    const TPoint P = Place(FThirdImageWidth);
    if (!Icon) LC->FillRect(Bounds(P.X, P.Y, FThirdImageWidth, FThirdImageHeight));
    ImageList_DrawEx(HIMAGELIST(FThirdImages), Item->ImageIndex(), LC->Handle(), P.X, P.Y, 0, 0, CLR_NONE, CLR_NONE,
                     ILD_NORMAL);
    return;
  }
  TCustomImageList* Images = Icon ? LargeImages() : SmallImages();
  if (!Images || Item->ImageIndex() < 0 || Item->ImageIndex() >= Images->Count()) return;
  const TPoint P = Place(Images->Width());
  Images->Draw(LC, P.X, P.Y, Item->ImageIndex());
}

void TskSkinCustomListView::DrawItemCheck(TListItem*, const TRect& I, const TRect& Bd, TBitmap* Picture,
                                          const TRect& P) {
  if (!Picture || P.IsEmpty()) return;
  TBitmap B;
  B.SetSize(P.Width(), P.Height());
  B.Canvas()->CopyRect(Rect(0, 0, P.Width(), P.Height()), Picture->Canvas(), P);
  B.SetTransparent(true);
  const int X = I.Left - P.Width() - 1;
  const int Y = ViewStyle() == vsIcon ? I.Bottom - P.Height() - 1 : Bd.Top + I.Height() / 2 - P.Height() / 2 - 1;
  Canvas()->Draw(X, std::max(Y, Bd.Top), &B);
}

void TskSkinCustomListView::DrawSubItems(TListItem* Item, TCustomDrawState State, TCanvas* Canvas, const TRect& Bd,
                                         int Top, int Bottom, int ShiftLeft, bool InSelectedRow) {
  int X = ColumnWidth(0);
  for (int J = 0; J < Item->SubItems()->Count() && J + 1 < Columns()->Count(); ++J) {
    const int W = ColumnWidth(J + 1);
    TRect C = Rect(Bd.Left + X - ShiftLeft, Top, Bd.Left + X + W - ShiftLeft, Bottom);
    if (!InSelectedRow) Canvas->FillRect(C);
    C.Left += 3;
    C.Right -= 3;
    if (OnDrawSkinSubItem)
      OnDrawSkinSubItem(this, Item, J, State, Canvas, C);
    else
      DrawSubItemDefault(Item, J, Canvas, C, InSelectedRow);
    X += W;
  }
}

void TskSkinCustomListView::DrawSubItemDefault(TListItem* Item, int SubItem, TCanvas* Canvas, TRect C,
                                               bool InSelectedRow) {
  TCustomImageList* Images = SmallImages();
  const int Image = Item->SubItemImages(SubItem);
  if (Images && Image >= 0 && Image < Images->Count()) {
    Images->Draw(Canvas, C.Left, C.Top, Image);
    C.Left += Images->Width() + 3;
  }
  String Text = Item->SubItems()->Strings(SubItem);
  ShortenText(Canvas, Text, C.Width());
  if (InSelectedRow) {
    Canvas->Brush()->SetStyle(bsClear);
    if (Canvas->Font()->Height() % 2 != 0) C.Top += 1;
  }
  DrawAlignedText(Canvas, Text, C, Column(SubItem + 1)->Alignment());
}

void TskSkinCustomListView::DrawSkinLinesOf(TListItem* Item, const TRect& Bd) {
  TCanvas* LC = Canvas();
  LC->Pen()->SetColor(FLineColor);
  int X = 0;
  for (int K = 0; K < Columns()->Count(); ++K) {
    X += ColumnWidth(K);
    LC->MoveTo(Bd.Left + X, Bd.Top);
    LC->LineTo(Bd.Left + X, Bd.Bottom);
  }
  LC->MoveTo(Bd.Left, Bd.Bottom - 1);
  LC->LineTo(Width(), Bd.Bottom - 1);
  if (Item->Index() == 0) {
    LC->MoveTo(Bd.Left, Bd.Top - 1);
    LC->LineTo(Width(), Bd.Top - 1);
  }
}
