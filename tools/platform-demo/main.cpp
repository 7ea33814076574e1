// A small program that shows the toolkit at work on the desktop: a form with a label, a bevel, a
// splitter between a panel and a control that paints itself.
#include <cstdio>

#include "platform/base/Exception.h"
#include "platform/display/SdlPresenter.h"
#include "platform/ui/toolkit/TApplication.h"
#include "tools/platform-demo/TDemoForm.h"

int main() {
  try {
    SdlPresenter Presenter;
    TApplication App(nullptr);
    App.Initialize();
    App.SetTitle("Platform demo");
    TDemoForm* Form = nullptr;
    App.CreateForm(Form);
    App.Run();
  } catch (const std::exception& E) {
    std::fprintf(stderr, "platform-demo: %s\n", E.what());
    return 1;
  }
  return 0;
}
