#pragma once
// Skinned scroll bars placed outside a list or tree view, standing in for the view's own bars: the steps
// both views take to adopt and show them.
#include "platform/base/TObject.h"

class TComponent;
class TskSkinScrollBar;

/// Hands ABar to AView: the view hears of the bar's removal, the bar starts enabled and hidden, and its
/// changes go to AOnChange. A nil bar is left alone.
void AttachExternalScrollBar(TskSkinScrollBar* ABar, TComponent* AView, TNotifyEvent AOnChange);

/// Shows or hides ABar with AUpdating set meanwhile, so the layout change that follows does not come back
/// into the view's bar update; whether the bar changed.
bool ShowExternalScrollBar(TskSkinScrollBar* ABar, bool AValue, bool& AUpdating);
