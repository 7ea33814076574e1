// zorvik-screenshot PROGRAM PICTURE: starts the converter PROGRAM from an install folder and a home of its
// own on the X server of DISPLAY, waits for its painted main window, writes that window as the PNG PICTURE,
// closes it as the desktop does and checks that the program ends with exit code 0. Exits 0 when all of it
// happened, 1 with a message otherwise.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>

#include "tools/screenshot/ConverterMainWindow.h"
#include "tools/screenshot/Polling.h"
#include "tools/screenshot/TInstalledProgram.h"
#include "tools/screenshot/WindowPicture.h"
#include "tools/screenshot/XTopLevelWindows.h"

namespace {

using namespace std::chrono_literals;

/// Generous: a cold start on a loaded machine only takes longer.
constexpr auto Patience = 120s;

int Fail(const char* Message) {
  std::fprintf(stderr, "zorvik-screenshot: %s\n", Message);
  return 1;
}

int Run(const String& Program, const String& Picture) {
  TInstalledProgram Converter(Program);
  XTopLevelWindows Windows;
  if (!Converter.Start()) return Fail("the program cannot be started");
  std::optional<TRect> Frame;
  XScreenshot Shot;
  // The window may move while the program sets itself up: it is found again on every look.
  const bool Painted = PollUntil(
      [&] { return (Frame = Windows.Find(ConverterTitle)) && ConverterWindowPainted(Shot, *Frame); }, Patience);
  if (!Painted)
    return Fail(Frame ? "the main window was never painted with its caption and menu bar" : "no main window came up");
  std::filesystem::create_directories(std::filesystem::path(Picture).parent_path());
  SaveWindowPicture(Shot, *Frame, Picture);
  std::printf("zorvik-screenshot: wrote %s (%d x %d)\n", Picture.c_str(), Frame->Width(), Frame->Height());
  if (!Windows.RequestClose(ConverterTitle)) return Fail("the main window went away before it was closed");
  const std::optional<int> ExitCode = Converter.WaitForExit(Patience);
  if (!ExitCode) return Fail("the program did not end after its main window was closed");
  if (*ExitCode != 0) return Fail("the program ended with a non-zero exit code");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: zorvik-screenshot PROGRAM PICTURE.png\n");
    return 2;
  }
  try {
    return Run(argv[1], argv[2]);
  } catch (const std::exception& E) {
    return Fail(E.what());
  }
}
