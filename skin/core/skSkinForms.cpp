#include "skin/core/skSkinForms.h"

#include <algorithm>
#include <utility>

#include "platform/ui/toolkit/TCustomForm.h"
#include "platform/ui/toolkit/TScreen.h"
#include "platform/ui/winsys/Ui.h"

namespace {

bool IsScreenForm(TCustomForm* Form) {
  if (!Screen) return false;
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (Screen->Forms(i) == Form) return true;
  return false;
}

// The application's forms as the screen lists them. A receiver may free another form while the broadcast
// runs, so each delivery first checks that its form is still on the screen.
std::vector<TskFormReceiver> ScreenForms() {
  std::vector<TskFormReceiver> receivers;
  if (!Screen) return receivers;
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    receivers.push_back({ form, [form](UINT Msg, WPARAM WParam, LPARAM LParam) {
                           if (!IsScreenForm(form)) return;
                           if (form->HandleAllocated())
                             SendMessage(form->Handle(), Msg, WParam, LParam);
                           else
                             form->Perform(Msg, WParam, LParam);
                         } });
  }
  return receivers;
}

TskFormsSource& InstalledSource() {
  static TskFormsSource source = ScreenForms;
  return source;
}

}  // namespace

TskFormsSource SetSkinFormsSource(TskFormsSource Source) { return std::exchange(InstalledSource(), std::move(Source)); }

std::vector<TskFormReceiver> SkinForms() {
  const TskFormsSource& source = InstalledSource();
  return source ? source() : std::vector<TskFormReceiver>();
}
