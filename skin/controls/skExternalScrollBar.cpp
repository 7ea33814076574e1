#include "skin/controls/skExternalScrollBar.h"

#include <utility>

#include "platform/base/TemporaryChange.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/skControlMessages.h"

bool AnswerOutsideBarsNonClient(TMessage& Message) {
  switch (Message.Msg) {
  case WM_NCCALCSIZE:
  case WM_NCPAINT: Message.Result = 0; return true;
  case WM_NCHITTEST: Message.Result = HTCLIENT; return true;
  case WM_SKINPRINTNC: Message.Result = SKINPRINTNC_ANSWER; return true;
  default: return false;
  }
}

void AttachExternalScrollBar(TskSkinScrollBar* ABar, TComponent* AView, TNotifyEvent AOnChange) {
  if (!ABar) return;
  ABar->FreeNotification(AView);
  ABar->SetEnabled(true);
  ABar->SetVisible(false);
  ABar->OnChange = std::move(AOnChange);
}

bool ShowExternalScrollBar(TskSkinScrollBar* ABar, bool AValue, bool& AUpdating) {
  if (!ABar || ABar->Visible() == AValue) return false;
  TemporaryChange Updating(AUpdating, true);
  ABar->SetVisible(AValue);
  return true;
}
