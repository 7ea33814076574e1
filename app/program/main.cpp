// The converter's program: the application titled "ZorvikWMV格式转换器" with its windows on the desktop,
// the conversion engine and the system's services. It reads no arguments and ends with 0 when the main
// window closes.
#include <cstdio>

#include "app/engine/TFFConverterEngine.h"
#include "app/forms/TConverterServices.h"
#include "app/forms/TForm1.h"
#include "platform/display/SdlPresenter.h"
#include "platform/shell/TSdlSoundService.h"
#include "platform/shell/TSystemPowerService.h"
#include "platform/shell/TXdgOpenService.h"
#include "platform/ui/toolkit/TApplication.h"

int main() {
  try {
    SdlPresenter Presenter;
    TFFConverterEngine Engine;
    TSystemPowerService Power;
    TSdlSoundService Sound;
    TXdgOpenService ShellOpen;
    const TConverterServices Services { &Engine, &Power, &Sound, &ShellOpen };
    TApplication App(nullptr);
    App.Initialize();
    App.SetTitle("ZorvikWMV格式转换器");
    App.SetHelpFile("help.chm");
    App.CreateForm(Form1, Services);
    App.Run();
  } catch (const std::exception& E) {
    std::fprintf(stderr, "zorvik: %s\n", E.what());
    return 1;
  }
  return 0;
}
