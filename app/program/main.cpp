// The converter's program: its windows on the desktop over the conversion engine and the system's
// services. It reads no arguments and ends with 0 when the main window closes. With the environment
// variable ZORVIK_CONTROL_QUERIES set it also answers scripted runs on that socket (TControlQueryServer.h).
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/engine/TFFConverterEngine.h"
#include "app/forms/TConverterServices.h"
#include "app/program/ConverterForms.h"
#include "app/program/TControlQueryServer.h"
#include "platform/display/SdlPresenter.h"
#include "platform/shell/TSdlSoundService.h"
#include "platform/shell/TSystemPowerService.h"
#include "platform/shell/TXdgOpenService.h"
#include "platform/ui/toolkit/TApplication.h"

int main() {
  try {
    SdlPresenter Presenter;
    TSystemPowerService Power;
    TSdlSoundService Sound;
    TXdgOpenService ShellOpen;
    TApplication App(nullptr);
    // Gone before the windows: its threads, task ends still on their way among them, end first.
    TFFConverterEngine Engine;
    App.Initialize();
    CreateConverterForms(App, { &Engine, &Power, &Sound, &ShellOpen });
    std::optional<TControlQueryServer> Queries;
    if (const char* Socket = std::getenv("ZORVIK_CONTROL_QUERIES")) Queries.emplace(Socket);
    App.Run();
  } catch (const std::exception& E) {
    std::fprintf(stderr, "zorvik: %s\n", E.what());
    return 1;
  }
  return 0;
}
