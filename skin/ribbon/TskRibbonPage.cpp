#include "skin/ribbon/TskRibbonPage.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/WindowClass.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/ribbon/TskRibbon.h"
#include "skin/ribbon/skPageBackground.h"

TskRibbonCustomPage::TskRibbonCustomPage(TComponent* AOwner) : TskScrollingPage(AOwner, false) {}

TskSkinControl* TskRibbonCustomPage::SkinOwner() const { return Ribbon; }

// A stretched background does not survive the pixel copy of a scroll.
void TskRibbonCustomPage::ScrollControls(int Delta) {
  TskScrollingPage::ScrollControls(Delta);
  if (Ribbon && Ribbon->FIndex != -1 && Ribbon->FData && Ribbon->FData->StretchEffect) Repaint();
}

TskRibbonPage::TskRibbonPage(TComponent* AOwner) : TskRibbonCustomPage(AOwner) {
  FControlStyle.Include(csAcceptsControls).Include(csNoDesignVisible);
  SetAnchors(TAnchors { akLeft, akTop, akRight, akBottom });
}

void TskRibbonPage::SetCaption(const String& Value) {
  FCaption = Value;
  if (Ribbon) Ribbon->Repaint();
}

void TskRibbonPage::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (Parent() && Ribbon) {
    const TRect R = Ribbon->GetPageBounds();
    TskRibbonCustomPage::SetBounds(R.Left, R.Top, R.Width(), R.Height());
  } else {
    TskRibbonCustomPage::SetBounds(ALeft, ATop, AWidth, AHeight);
  }
}

void TskRibbonPage::CreateParams(TCreateParams& Params) {
  TskRibbonCustomPage::CreateParams(Params);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TskRibbonPage::DrawBackground(HDC DC) {
  if (!Ribbon || FWidth < 1 || FHeight < 1) return;
  Ribbon->GetSkinData();
  TCanvas C;
  C.SetHandle(DC);
  const TRect R = Rect(0, 0, FWidth, FHeight);
  const TskDataSkinTabControl* D = Ribbon->FIndex != -1 ? Ribbon->FData : nullptr;
  TBitmap* Picture = D ? TskSkinGeometry::ModelPicture(Ribbon->SkinData(), D->BGPictureIndex) : nullptr;
  std::unique_ptr<TBitmap> Piece;
  if (!Picture && D && Ribbon->FDataPicture) {
    Piece = FrameClientPiece(Ribbon->FDataPicture, D->SkinRect, D->ClRect);
    Picture = Piece.get();
  }
  if (Picture) {
    DrawPageBackground(&C, R, Picture, D->StretchEffect, D->StretchType);
  } else {
    C.Brush()->SetColor(clBtnFace);
    C.FillRect(R);
  }
  C.SetHandle(nullptr);
}

void TskRibbonPage::WndProc(TMessage& Message) {
  if (Message.Msg == WM_ERASEBKGND) {
    if (Message.WParam) DrawBackground(HDC(Message.WParam));
    Message.Result = 1;
    return;
  }
  TskRibbonCustomPage::WndProc(Message);
  if (Message.Msg == WM_SIZE) Repaint();
}
