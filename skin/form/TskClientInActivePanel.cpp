#include "skin/form/TskClientInActivePanel.h"

#include "platform/gdi/Gdi.h"
#include "platform/ui/toolkit/TCustomForm.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/core/TskBitmap.h"

namespace {

constexpr int BlurRadius = 3;
/// How much of the form's own background covers the picture in the semi-transparent look.
constexpr Byte BackgroundAlpha = 170;

}  // namespace

TskClientInActivePanel::TskClientInActivePanel(TComponent* AOwner) : TskSkinControl(AOwner) { SetVisible(false); }

TskClientInActivePanel::~TskClientInActivePanel() = default;

void TskClientInActivePanel::ShowPanel(TCustomForm* AForm, TskClientInActiveEffect AEffect) {
  if (!AForm || !AForm->Visible()) return;
  const int W = AForm->ClientWidth(), H = AForm->ClientHeight();
  if (W == 0 || H == 0) return;
  SetVisible(false);
  SetParent(AForm);
  SetBounds(0, 0, W, H);
  Buffer = std::make_unique<TskBitmap>();
  Buffer->SetSize(W, H);
  const HDC FormDC = GetDC(AForm->Handle());
  BitBlt(Buffer->DC(), 0, 0, W, H, FormDC, 0, 0, SRCCOPY);
  ReleaseDC(AForm->Handle(), FormDC);
  if (AEffect == skieBlur) {
    StackBlurBitmap(Buffer.get(), BlurRadius);
  } else {
    TskBitmap Background;
    Background.SetSize(W, H);
    SendMessage(AForm->Handle(), WM_ERASEBKGND, WPARAM(Background.DC()), 0);
    Background.SetAlpha(BackgroundAlpha);
    Background.SetAlphaBlend(true);
    Background.Draw(Buffer.get(), 0, 0);
  }
  SetVisible(true);
}

void TskClientInActivePanel::HidePanel() {
  SetVisible(false);
  Buffer.reset();
}

void TskClientInActivePanel::Paint() {
  if (Buffer) Buffer->Draw(Canvas(), 0, 0);
}
