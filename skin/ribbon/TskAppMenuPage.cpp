#include "skin/ribbon/TskAppMenuPage.h"

#include <algorithm>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/WindowClass.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/ribbon/TskAppMenu.h"
#include "skin/ribbon/skPageBackground.h"

namespace {

/// The smallest width and height a page takes in its menu.
constexpr int MinPageSize = 100;

}  // namespace

TskAppMenuCustomPage::TskAppMenuCustomPage(TComponent* AOwner) : TskScrollingPage(AOwner, true) {
  SetCanScroll(false);
}

TskSkinControl* TskAppMenuCustomPage::SkinOwner() const { return AppMenu; }

TskAppMenuPage::TskAppMenuPage(TComponent* AOwner) : TskAppMenuCustomPage(AOwner) {
  FControlStyle.Include(csAcceptsControls).Include(csNoDesignVisible);
}

void TskAppMenuPage::SetDefaultWidth(int Value) {
  if (Value == FDefaultWidth) return;
  FDefaultWidth = Value;
  SetWidth(Value);
}

void TskAppMenuPage::SetFirstActiveControl(TWinControl* Value) {
  if (FFirstActiveControl) FFirstActiveControl->RemoveFreeNotification(this);
  FFirstActiveControl = Value;
  if (FFirstActiveControl) FFirstActiveControl->FreeNotification(this);
}

void TskAppMenuPage::Notification(TComponent* AComponent, TOperation Operation) {
  TskAppMenuCustomPage::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFirstActiveControl) FFirstActiveControl = nullptr;
}

void TskAppMenuPage::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (!Parent() || !AppMenu) return TskAppMenuCustomPage::SetBounds(ALeft, ATop, AWidth, AHeight);
  const TRect A = AppMenu->GetPageBounds();
  int W = A.Width();
  if (AWidth <= A.Width() && FDefaultWidth != 0 && FDefaultWidth <= A.Width()) W = FDefaultWidth;
  TskAppMenuCustomPage::SetBounds(A.Left, A.Top, std::max(W, MinPageSize), std::max(A.Height(), MinPageSize));
}

void TskAppMenuPage::CreateParams(TCreateParams& Params) {
  TskAppMenuCustomPage::CreateParams(Params);
  Params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TskAppMenuPage::DrawBackground(HDC DC) {
  TCanvas C;
  C.SetHandle(DC);
  const TRect R = Rect(0, 0, FWidth, FHeight);
  if (AppMenu) AppMenu->GetSkinData();
  const TskDataSkinAppMenu* D = AppMenu && AppMenu->FIndex != -1 ? AppMenu->FData : nullptr;
  if (D && AppMenu->FDataPicture) {
    const auto Piece = FrameClientPiece(AppMenu->FDataPicture, D->SkinRect, D->ClRect);
    DrawPageBackground(&C, R, Piece.get(), D->StretchEffect, D->StretchType);
  } else {
    C.Brush()->SetColor(clWindow);
    C.FillRect(R);
  }
  C.SetHandle(nullptr);
}

void TskAppMenuPage::WndProc(TMessage& Message) {
  if (Message.Msg == WM_ERASEBKGND) {
    if (Message.WParam) DrawBackground(HDC(Message.WParam));
    Message.Result = 1;
    return;
  }
  TskAppMenuCustomPage::WndProc(Message);
  if (Message.Msg == WM_SIZE) Repaint();
}
