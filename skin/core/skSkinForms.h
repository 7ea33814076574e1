#pragma once
// How skin models reach the application's forms. By default the source is the screen's form list, in
// creation order: a form with a window gets the message sent to it, one without a window yet gets it
// performed. Tests may install a source of their own; every skin-change broadcast asks the installed source
// for the forms present at that moment. With an empty source broadcasts reach nobody.
#include <functional>
#include <vector>

#include "platform/ui/winsys/UiTypes.h"

class TComponent;

/// One form as a broadcast reaches it.
struct TskFormReceiver {
  /// The form itself: compared with a model's owner, and forms of class "TskFormLayerWindow" (the
  /// layered borders of form frames) are left out.
  TComponent* Form { nullptr };
  /// Delivers a message synchronously (the handling is over when it returns): sent to the form's window,
  /// or performed on the form while it has no window yet. It must be harmless to call for a form that went
  /// away after the list was taken, since a receiver may free another form.
  std::function<void(UINT Msg, WPARAM WParam, LPARAM LParam)> Deliver;
};

/// Lists the application's forms in the screen's order, which is creation order.
using TskFormsSource = std::function<std::vector<TskFormReceiver>()>;

/// Installs the source of forms for every skin model (an empty function: no forms). Returns the source
/// that was installed before.
TskFormsSource SetSkinFormsSource(TskFormsSource Source);
/// The forms of the installed source now; none without a source.
std::vector<TskFormReceiver> SkinForms();
