// The skinned tree view's node painter: connector lines, buttons, node images and the selected node on
// the skin's list-box item image.
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/ImageListCalls.h"
#include "platform/ui/winsys/ScrollBars.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/TskSkinCustomTreeView.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/controls/skFadingLine.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skCaptionText.h"
#include "skin/core/skComposers.h"
#include "skin/core/skDataSkinListControls.h"

/// The painter as OnAdvancedCustomDrawItem holds it; its type tells the tree its own painter from others.
struct TskSkinCustomTreeView::TNodePainter {
  TskSkinCustomTreeView* Tree;
  void operator()(TCustomTreeView*, TTreeNode* Node, TCustomDrawState State, TCustomDrawStage, bool&,
                  bool& DefaultDraw) const {
    Tree->SkinDrawNode(Node, State, DefaultDraw);
  }
};

void TskSkinCustomTreeView::SetDrawSkin(bool Value) {
  FDrawSkin = Value;
  if (Value)
    OnAdvancedCustomDrawItem = TNodePainter { this };
  else if (OnAdvancedCustomDrawItem.target<TNodePainter>())
    OnAdvancedCustomDrawItem = nullptr;
  if (HandleAllocated()) Invalidate();
}

void TskSkinCustomTreeView::SkinDrawNode(TTreeNode* Node, TCustomDrawState State, bool& DefaultDraw) {
  if (!FSD || FSD->Empty) return;
  const int Index = FSD->GetControlIndex(FItemSkinDataName);
  auto* Record = Index == -1 ? nullptr : dynamic_cast<TskDataSkinListBox*>(FSD->CtrlList[Index].get());
  if (!Record) return;
  DefaultDraw = false;
  TCanvas* C = Canvas();
  SCROLLINFO Info;
  Info.fMask = SIF_POS;
  GetScrollInfo(Handle(), SB_HORZ, &Info);
  TRect R = Node->DisplayRect(false).Offset(-Info.nPos, 0);
  const TRect Tx = Node->DisplayRect(true);
  C->Brush()->SetColor(Color());
  C->FillRect(R);
  C->FillRect(Tx);
  C->Brush()->SetStyle(bsClear);
  R.Left += (ShowRoot() ? Node->Level() : Node->Level() - 1) * Indent();
  DrawLinesAndButton(R, Node);
  R.Left += Indent() + FButtonSize;
  DrawNodeImage(R, Node->ImageIndex());
  if (!State.Contains(cdsSelected)) {
    DrawLeftText(C, Node->Text(), Rect(Tx.Left + 2, Tx.Top + 1, Tx.Right, Tx.Bottom));
    return;
  }
  if (Tx.Width() < 1) return;
  TBitmap B;
  B.SetSize(Tx.Width(), Tx.Height());
  const bool Focus = Focused();
  if (TBitmap* Picture = TskSkinGeometry::ModelPicture(FSD, Record->PictureIndex))
    ComposeStretchedSkinImage(&B, Picture, Focus ? Record->FocusItemRect : Record->ActiveItemRect,
                              Record->ItemTextRect, true);
  B.Canvas()->SetFont(Font());
  B.Canvas()->Font()->SetColor(Focus ? Record->FocusFontColor : Record->ActiveFontColor);
  B.Canvas()->Brush()->SetStyle(bsClear);
  DrawLeftText(B.Canvas(), Node->Text(), Rect(2, 1, B.Width(), B.Height()));
  C->Draw(Tx.Left, Tx.Top, &B);
}

void TskSkinCustomTreeView::DrawLinesAndButton(const TRect& R, TTreeNode* Node) {
  TCanvas* C = Canvas();
  FButtonSize = ButtonSize();
  const int BS = FButtonSize;
  const int M = R.Top + R.Height() / 2;
  int B = R.Left + Indent() / 2;
  const int Cx = B - 1;
  const bool Children = Node->HasChildren();
  C->Pen()->SetColor(FLineColor);
  if (ShowLines()) {
    if (Children)
      DrawFadingLine(C, B + BS - 1, R.Left + Indent() + BS - 5, M - 1, FLineColor);
    else
      DrawFadingLine(C, Cx, R.Left + Indent(), M - 1, FLineColor);
    if (Node->AbsoluteIndex() != 0) {
      C->MoveTo(Cx, M - 1);
      C->LineTo(Cx, R.Top - 1);
    }
    TTreeNode* Next = Node->GetNextVisible();
    if ((Next && Next->Level() == Node->Level()) || Node->GetNextSibling()) {
      C->MoveTo(Cx, M);
      C->LineTo(Cx, R.Bottom + 1);
    }
  }
  if (Children && ShowButtons()) {
    if (FButtonImageList) {
      C->Brush()->SetColor(Color());
      C->FillRect(Rect(B - BS, M - BS, B + BS, M + BS));
      const int Image = Node->Expanded() ? FButtonExpandImageIndex : FButtonNoExpandImageIndex;
      if (Image >= 0 && Image < FButtonImageList->Count()) FButtonImageList->Draw(C, B - BS, M - BS, Image);
    } else {
      C->Pen()->SetColor(FButtonColor);
      C->Brush()->SetStyle(bsClear);
      C->Rectangle(B - BS, M - BS, B + BS - 1, M + BS - 1);
      C->Pen()->SetColor(Font()->Color());
      C->MoveTo(B - BS + 2, M - 1);
      C->LineTo(B + BS - 3, M - 1);
      if (!Node->Expanded()) {
        C->MoveTo(Cx, M - BS + 2);
        C->LineTo(Cx, M + BS - 3);
      }
      C->Pen()->SetColor(FLineColor);
      if (!FExpandImage->Empty() && !FNoExpandImage->Empty()) {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(Color());
        C->FillRect(Rect(B - BS - 2, M - BS - 2, B + BS - 2, M + BS - 2));
        C->Draw(B - BS - 3, M - BS - 3, Node->Expanded() ? FExpandImage.get() : FNoExpandImage.get());
      }
    }
    C->Brush()->SetStyle(bsClear);
  }
  if (!ShowLines()) return;
  for (TTreeNode* Ancestor = Node->Parent(); Ancestor; Ancestor = Ancestor->Parent()) {
    B -= Indent();
    if (Ancestor->GetNextSibling()) {
      C->MoveTo(B - 1, R.Top);
      C->LineTo(B - 1, R.Bottom + 1);
    }
  }
}

void TskSkinCustomTreeView::DrawNodeImage(const TRect& R, int Index) {
  TCanvas* C = Canvas();
  const int Y = R.Top + R.Height() / 2;
  if (TCustomImageList* List = Images()) {
    if (Index >= 0 && Index < List->Count()) List->Draw(C, R.Left - FButtonSize, Y - List->Height() / 2, Index);
    return;
  }
  const HIMAGELIST Native = HIMAGELIST(SendMessage(Handle(), TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
  FThirdImages = int(Native);
  if (!Native) return;
  ImageList_GetIconSize(Native, &FThirdImageWidth, &FThirdImageHeight);
  FThirdImagesCount = ImageList_GetImageCount(Native);
  if (Index < 0 || Index >= FThirdImagesCount) return;
  ImageList_DrawEx(Native, Index, C->Handle(), R.Left - FButtonSize, Y - FThirdImageHeight / 2, FThirdImageWidth,
                   FThirdImageHeight, CLR_NONE, CLR_NONE, ILD_NORMAL);
}
