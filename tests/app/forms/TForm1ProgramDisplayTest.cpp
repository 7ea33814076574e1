// The program zorvik on a real X server, installed in a folder of its own and run by a user whose home is
// another: its skinned main window comes up with its caption and menu bar, a picture of it is written, and
// a click on its close button ends the program with exit code 0. Skipped without DISPLAY.
#include <gtest/gtest.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <thread>
#include <vector>

#include "platform/base/Types.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TPngImage.h"
#include "tests/platform/display/XScreenshot.h"

// Last: Xlib's macros would clash with the names above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

const char* const Title = "ZorvikWMV格式转换器";

/// Polls Done every 50 ms for up to 20 s of real time; the program under test starts and ends by itself.
bool WaitFor(const std::function<bool()>& Done) {
  const auto Limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!Done()) {
    if (std::chrono::steady_clock::now() > Limit) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

/// Runs a program with Arguments; its process id, or -1.
pid_t Spawn(const std::vector<String>& Arguments, const std::vector<String>& Environment) {
  std::vector<char*> Argv, Envp;
  for (const String& A : Arguments) Argv.push_back(const_cast<char*>(A.c_str()));
  Argv.push_back(nullptr);
  for (const String& E : Environment) Envp.push_back(const_cast<char*>(E.c_str()));
  Envp.push_back(nullptr);
  pid_t Pid = -1;
  return posix_spawnp(&Pid, Argv[0], nullptr, nullptr, Argv.data(), Envp.data()) == 0 ? Pid : -1;
}

/// This process's environment with Home as HOME, the X server's authority kept where it was found, and
/// SDL's silent audio.
std::vector<String> ProgramEnvironment(const String& Home) {
  std::vector<String> Environment;
  for (char** Entry = environ; *Entry; ++Entry) {
    const String Variable = *Entry;
    if (Variable.rfind("HOME=", 0) != 0 && Variable.rfind("SDL_AUDIODRIVER=", 0) != 0) Environment.push_back(Variable);
  }
  if (!getenv("XAUTHORITY") && getenv("HOME")) Environment.push_back(String("XAUTHORITY=") + getenv("HOME") + "/.Xauthority");
  Environment.push_back("HOME=" + Home);
  Environment.push_back("SDL_AUDIODRIVER=dummy");
  return Environment;
}

/// The window's title as UTF-8 (_NET_WM_NAME, read as bytes, so no locale is needed).
String TitleOf(Display* X, Window W) {
  Atom Type;
  int Format = 0;
  unsigned long Count = 0, After = 0;
  unsigned char* Data = nullptr;
  String Text;
  if (XGetWindowProperty(X, W, XInternAtom(X, "_NET_WM_NAME", False), 0, 1024, False, AnyPropertyType, &Type,
                         &Format, &Count, &After, &Data) == Success && Data) {
    Text.assign(reinterpret_cast<const char*>(Data), Count);
    XFree(Data);
  }
  return Text;
}

/// The screen rectangle of the mapped top-level window titled Title; none while there is none.
std::optional<TRect> FindWindow(Display* X) {
  Window Root = DefaultRootWindow(X), Parent, *Children = nullptr;
  unsigned Count = 0;
  std::optional<TRect> Found;
  if (!XQueryTree(X, Root, &Root, &Parent, &Children, &Count)) return Found;
  for (unsigned i = 0; i < Count && !Found; ++i) {
    XWindowAttributes Attributes;
    if (TitleOf(X, Children[i]) != Title || !XGetWindowAttributes(X, Children[i], &Attributes) ||
        Attributes.map_state != IsViewable)
      continue;
    int Left = 0, Top = 0;
    Window Child;
    XTranslateCoordinates(X, Children[i], Root, 0, 0, &Left, &Top, &Child);
    Found = TRect { Left, Top, Left + Attributes.width, Top + Attributes.height };
  }
  if (Children) XFree(Children);
  return Found;
}

/// How many pixels of R differ from Background.
int PixelsNotOf(const XScreenshot& Shot, const TRect& R, TColor Background) {
  int Count = 0;
  for (int Y = R.Top; Y < R.Bottom; ++Y)
    for (int X = R.Left; X < R.Right; ++X) Count += Shot.At(X, Y) != Background;
  return Count;
}

void SavePicture(const XScreenshot& Shot, const TRect& R, const String& FileName) {
  TBitmap Image;
  Image.SetPixelFormat(pf24bit);
  Image.SetSize(R.Width(), R.Height());
  for (int Y = 0; Y < R.Height(); ++Y)
    for (int X = 0; X < R.Width(); ++X) Image.Canvas()->SetPixels(X, Y, Shot.At(R.Left + X, R.Top + Y));
  TPngImage Png;
  Png.Assign(&Image);
  Png.SaveToFile(FileName);
}

class TForm1ProgramDisplay : public ::testing::Test {
protected:
  void SetUp() override {
    if (!getenv("DISPLAY")) GTEST_SKIP() << "no X server";
    X = XOpenDisplay(nullptr);
    ASSERT_NE(X, nullptr);
    // The program's windows come and go while this test looks at them: a window gone is no error.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    char Pattern[] = "/tmp/zorvik-program.XXXXXX";
    ASSERT_NE(mkdtemp(Pattern), nullptr);
    Root = Pattern;
    fs::create_directories(Root + "/home");
    fs::create_directories(Root + "/install");
    fs::copy_file(ZORVIK_PROGRAM, Root + "/install/zorvik");
  }
  void TearDown() override {
    if (Pid > 0 && waitpid(Pid, nullptr, WNOHANG) == 0) {
      kill(Pid, SIGKILL);
      waitpid(Pid, nullptr, 0);
    }
    if (X) XCloseDisplay(X);
    if (!Root.empty()) fs::remove_all(Root);
  }

  Display* X { nullptr };
  String Root;
  pid_t Pid { -1 };
};

TEST_F(TForm1ProgramDisplay, TheMainWindowComesUpSkinnedAndItsCloseButtonEndsTheProgram) {
  Pid = Spawn({ Root + "/install/zorvik" }, ProgramEnvironment(Root + "/home"));
  ASSERT_GT(Pid, 0);

  std::optional<TRect> Frame;
  ASSERT_TRUE(WaitFor([&] { return (Frame = FindWindow(X)).has_value(); })) << "no window titled " << Title;
  const TRect Caption { Frame->Left, Frame->Top, Frame->Right, Frame->Top + 28 };
  const TRect MenuBar { Frame->Left + 4, Frame->Top + 30, Frame->Left + 200, Frame->Top + 50 };
  XScreenshot Shot;
  // The caption band is the product skin's blue with the title's light text on it; the menu bar white
  // with the dark texts of its four menus.
  const TColor CaptionBlue = RGB(43, 123, 223), MenuWhite = clWhite;
  int TitlePixels = 0, MenuPixels = 0;
  const bool Painted = WaitFor([&] {
    if (!Shot.Take(*Frame)) return false;
    TitlePixels = PixelsNotOf(Shot, { Caption.Left + 8, Caption.Top + 6, Caption.Left + 150, Caption.Bottom - 6 },
                              CaptionBlue);
    MenuPixels = PixelsNotOf(Shot, MenuBar, MenuWhite);
    return Shot.At(Caption.Left + 300, Caption.Top + 5) == CaptionBlue && TitlePixels > 100 && MenuPixels > 100;
  });
  EXPECT_TRUE(Painted) << "caption at its middle " << Shot.At(Caption.Left + 300, Caption.Top + 5) << ", "
                       << TitlePixels << " title pixels, " << MenuPixels << " menu pixels";
  const String Picture = testing::TempDir() + "zorvik-main-window.png";
  SavePicture(Shot, *Frame, Picture);
  std::cout << "main window on the X server: " << Picture << "\n";
  EXPECT_TRUE(fs::exists(Root + "/install/option.ini"));

  const pid_t Click = Spawn({ "xdotool", "mousemove", std::to_string(Frame->Right - 21),
                              std::to_string(Frame->Top + 15), "click", "1" },
                            ProgramEnvironment(Root + "/home"));
  ASSERT_GT(Click, 0) << "xdotool";
  waitpid(Click, nullptr, 0);
  int ExitStatus = -1;
  ASSERT_TRUE(WaitFor([&] { return waitpid(Pid, &ExitStatus, WNOHANG) == Pid; })) << "still running after the click";
  Pid = -1;
  EXPECT_TRUE(WIFEXITED(ExitStatus));
  EXPECT_EQ(WEXITSTATUS(ExitStatus), 0);
}

}  // namespace
