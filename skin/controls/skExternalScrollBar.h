#pragma once
// Skinned scroll bars placed outside a list or tree view, standing in for the view's own bars: the steps
// both views take to adopt and show them.
#include "platform/base/TObject.h"
#include "platform/ui/winsys/Messages.h"

class TComponent;
class TskSkinScrollBar;

/// A view whose bars stand outside it has no non-client area: answers WM_NCCALCSIZE, WM_NCPAINT,
/// WM_NCHITTEST (all client) and WM_SKINPRINTNC for it; whether Message was one of them.
bool AnswerOutsideBarsNonClient(TMessage& Message);

/// Hands ABar to AView: the view hears of the bar's removal, the bar starts enabled and hidden, and its
/// changes go to AOnChange. A nil bar is left alone.
void AttachExternalScrollBar(TskSkinScrollBar* ABar, TComponent* AView, TNotifyEvent AOnChange);

/// Shows or hides ABar with AUpdating set meanwhile, so the layout change that follows does not come back
/// into the view's bar update; whether the bar changed.
bool ShowExternalScrollBar(TskSkinScrollBar* ABar, bool AValue, bool& AUpdating);
