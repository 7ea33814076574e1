// The SDL2 presenter without a display (SDL's dummy video driver): native window kinds, the key map,
// native events turned into input-layer calls, and the process's signals left alone.
#include <SDL.h>
#include <signal.h>

#include <thread>

#include "platform/display/SdlKeyMap.h"
#include "platform/display/SdlPresenter.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "tests/platform/display/PresenterFixture.h"

namespace {

constexpr TColor Black = TColor(0);

/// An input layer that writes down what the presenter hands it.
class RecordingInput : public IInputLayer {
public:
  bool DefaultProc(HWND, UINT, WPARAM, LPARAM, LRESULT&) override { return false; }
  bool Translate(const TMsg&) override { return false; }
  void ActivateRequested(HWND) override {}
  void WindowHidden(HWND) override {}
  void WindowDisabled(HWND) override {}
  void WindowDestroying(HWND) override {}
  void PointerMoved(TPoint P) override { Calls.push_back("move " + Text(P)); }
  void PointerButtonChanged(PointerButton B, bool Down, TPoint P) override {
    Calls.push_back(std::string(Down ? "down " : "up ") + std::to_string(int(B)) + " " + Text(P));
  }
  void PointerWheel(int Delta, TPoint P) override { Calls.push_back("wheel " + std::to_string(Delta) + " " + Text(P)); }
  void PointerLeft() override { Calls.push_back("left"); }
  void KeyChanged(UINT Key, bool Down, bool Repeat) override {
    Calls.push_back(std::string(Down ? "keydown " : "keyup ") + std::to_string(Key) + (Repeat ? " repeat" : ""));
  }
  void TextCommitted(const String& T) override { Calls.push_back("text " + T); }
  void CompositionChanged(bool On) override { Calls.push_back(On ? "composing" : "composed"); }
  void NativeFocusChanged(HWND, bool Gained) override { Calls.push_back(Gained ? "focus" : "unfocus"); }
  void CloseRequested(HWND) override { Calls.push_back("close"); }
  void NativeMinimizedChanged(HWND, bool Minimized) override { Calls.push_back(Minimized ? "minimized" : "restored"); }

  static std::string Text(TPoint P) { return std::to_string(P.X) + "," + std::to_string(P.Y); }
  std::vector<std::string> Calls;
};

class SdlDummyVideo : public ::testing::Test {
protected:
  void SetUp() override {
    // SDL's own driver without a display, whatever the environment or the presenter ask for.
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "dummy", SDL_HINT_OVERRIDE);
    WindowSystem::Get().Reset();
    Presenter = std::make_unique<SdlPresenter>();
    Windows = std::make_unique<PaintedWindows>();
    WindowSystem::Get().SetInputLayer(&Input);
  }
  void TearDown() override {
    Windows.reset();
    WindowSystem::Get().Reset();
    Presenter.reset();
    SDL_ResetHint(SDL_HINT_VIDEODRIVER);
  }

  uint32_t FlagsOf(HWND Wnd) const {
    SDL_Window* N = Presenter->NativeWindow(Wnd);
    return N ? SDL_GetWindowFlags(N) : 0;
  }
  uint32_t IdOf(HWND Wnd) const { return SDL_GetWindowID(Presenter->NativeWindow(Wnd)); }
  /// Delivers what SDL queued by itself (shown, moved) and forgets the calls so far.
  void Settle() {
    Presenter->PumpEvents();
    Input.Calls.clear();
  }
  /// Queues native events and lets the presenter deliver them all.
  void Deliver(std::initializer_list<SDL_Event> Events) {
    for (SDL_Event E : Events) ASSERT_EQ(SDL_PushEvent(&E), 1) << E.type;
    while (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) Presenter->PumpEvents();
  }

  RecordingInput Input;
  std::unique_ptr<SdlPresenter> Presenter;
  std::unique_ptr<PaintedWindows> Windows;
};

TEST_F(SdlDummyVideo, NativeWindowKindsFollowTheStyles) {
  constexpr uint32_t Kind = SDL_WINDOW_BORDERLESS | SDL_WINDOW_UTILITY | SDL_WINDOW_POPUP_MENU | SDL_WINDOW_TOOLTIP |
                            SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_ALWAYS_ON_TOP;
  WNDCLASS Hint;
  Hint.lpszClassName = "TskSkinHintWindow";
  Hint.style = CS_SAVEBITS;
  RegisterClass(Hint);
  const HWND Main = Windows->Create(Rect(0, 0, 50, 50), Black, 0, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  const HWND Owned = CreateWindowEx(0, "PaintedWnd", "", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 50, 50, Main, 0);
  const HWND AppWindow =
      CreateWindowEx(WS_EX_APPWINDOW, "PaintedWnd", "", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 50, 50, Main, 0);
  const struct {
    HWND Wnd;
    uint32_t Expected;
    const char* What;
  } Cases[] = {
    { Main, SDL_WINDOW_BORDERLESS, "an unowned form has the taskbar entry" },
    { Owned, SDL_WINDOW_BORDERLESS | SDL_WINDOW_SKIP_TASKBAR, "an owned dialog" },
    { AppWindow, SDL_WINDOW_BORDERLESS, "an owned window with WS_EX_APPWINDOW" },
    { Windows->Create(Rect(0, 0, 50, 50), Black, WS_EX_TOOLWINDOW, WS_CAPTION | WS_VISIBLE),
      SDL_WINDOW_BORDERLESS | SDL_WINDOW_UTILITY | SDL_WINDOW_SKIP_TASKBAR, "a tool window form" },
    { Windows->Create(Rect(0, 0, 50, 50), Black, WS_EX_TOOLWINDOW), SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR,
      "a popup menu" },
    { Windows->Create(Rect(0, 0, 50, 50), Black, WS_EX_TOOLWINDOW | WS_EX_TOPMOST),
      SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_ALWAYS_ON_TOP,
      "a topmost drop-down" },
    { CreateWindowEx(WS_EX_TOOLWINDOW, "TskSkinHintWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, 0, 0),
      SDL_WINDOW_BORDERLESS | SDL_WINDOW_TOOLTIP, "a hint" },
    { Windows->Create(Rect(0, 0, 50, 50), Black), SDL_WINDOW_BORDERLESS, "a borderless form" },
  };
  for (const auto& Case : Cases) {
    EXPECT_EQ(FlagsOf(Case.Wnd) & Kind, Case.Expected) << Case.What;
    EXPECT_TRUE(FlagsOf(Case.Wnd) & SDL_WINDOW_SHOWN) << Case.What;
  }

  // A style change that makes another kind remakes the native window.
  SetWindowLongPtr(Main, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
  SetWindowPos(Main, 0, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_EQ(FlagsOf(Main) & Kind, SDL_WINDOW_BORDERLESS | SDL_WINDOW_UTILITY | SDL_WINDOW_SKIP_TASKBAR);
}

TEST_F(SdlDummyVideo, NativeWindowsFollowTheWindowSystem) {
  const HWND Layered = Windows->Create(Rect(0, 0, 50, 50), Black, WS_EX_LAYERED);
  EXPECT_EQ(Presenter->NativeWindow(Layered), nullptr) << "a layered window without alpha, key or picture shows nothing";
  EXPECT_FALSE(PlatformCapabilities().LayeredWindowsAvailable());
  const HWND Hidden = Windows->Create(Rect(0, 0, 50, 50), Black, 0, WS_POPUP);
  EXPECT_EQ(Presenter->NativeWindow(Hidden), nullptr) << "made on the first show";

  const HWND W = Windows->Create(Rect(30, 40, 130, 90), Black);
  SDL_Window* N = Presenter->NativeWindow(W);
  ASSERT_NE(N, nullptr);
  MoveWindow(W, 70, 80, 60, 30, true);
  int X, Y, Width, Height;
  SDL_GetWindowPosition(N, &X, &Y);
  SDL_GetWindowSize(N, &Width, &Height);
  EXPECT_EQ(Rect(X, Y, X + Width, Y + Height), Rect(70, 80, 130, 110));
  ShowWindow(W, SW_HIDE);
  EXPECT_FALSE(SDL_GetWindowFlags(N) & SDL_WINDOW_SHOWN);
  ShowWindow(W, SW_SHOW);
  EXPECT_TRUE(SDL_GetWindowFlags(N) & SDL_WINDOW_SHOWN);
  DestroyWindow(W);
  EXPECT_EQ(Presenter->NativeWindow(W), nullptr);
}

TEST_F(SdlDummyVideo, NativeEventsReachTheInputLayer) {
  const HWND W = Windows->Create(Rect(100, 200, 300, 300), Black);
  const uint32_t Id = IdOf(W);
  Settle();
  SDL_Event Move {}, Down {}, Up {}, Wheel {};
  Move.type = SDL_MOUSEMOTION;
  Move.motion = { SDL_MOUSEMOTION, 0, Id, 0, 0, 5, 7, 0, 0 };
  Down.button = { SDL_MOUSEBUTTONDOWN, 0, Id, 0, SDL_BUTTON_LEFT, SDL_PRESSED, 1, 0, 10, 20 };
  Up.button = { SDL_MOUSEBUTTONUP, 0, Id, 0, SDL_BUTTON_RIGHT, SDL_RELEASED, 1, 0, 11, 21 };
  Wheel.wheel = { SDL_MOUSEWHEEL, 0, Id, 0, 0, -2, SDL_MOUSEWHEEL_NORMAL, 0.f, -2.f, 3, 4 };
  Deliver({ Move, Down, Up, Wheel });
  EXPECT_EQ(Input.Calls, (std::vector<std::string> { "move 105,207", "down 0 110,220", "up 1 111,221",
                                                     "wheel -240 103,204" }));

  // One input event per pump, so the loop dispatches each one's message before the next is routed.
  Input.Calls.clear();
  SDL_PushEvent(&Down);
  SDL_PushEvent(&Up);
  Presenter->PumpEvents();
  EXPECT_EQ(Input.Calls, (std::vector<std::string> { "down 0 110,220" }));
  Presenter->PumpEvents();
  EXPECT_EQ(Input.Calls.size(), 2u);
}

TEST_F(SdlDummyVideo, KeysDuringACompositionReachNoControl) {
  const HWND W = Windows->Create(Rect(0, 0, 50, 50), Black);
  const uint32_t Id = IdOf(W);
  Presenter->SetTextInput(true, Rect(10, 10, 11, 25));
  Settle();
  auto Key = [Id](bool Down, SDL_Keycode Code, bool Repeat = false) {
    SDL_Event E {};
    E.key.type = Down ? SDL_KEYDOWN : SDL_KEYUP;
    E.key.windowID = Id;
    E.key.repeat = Repeat;
    E.key.keysym.sym = Code;
    E.key.keysym.scancode = SDL_GetScancodeFromKey(Code);
    return E;
  };
  auto Editing = [Id](const char* Text) {
    SDL_Event E {};
    E.edit.type = SDL_TEXTEDITING;
    E.edit.windowID = Id;
    SDL_strlcpy(E.edit.text, Text, sizeof(E.edit.text));
    return E;
  };
  SDL_Event Commit {};
  Commit.text.type = SDL_TEXTINPUT;
  Commit.text.windowID = Id;
  SDL_strlcpy(Commit.text.text, "输出", sizeof(Commit.text.text));

  Deliver({ Key(true, SDLK_a), Key(true, SDLK_a, true), Key(false, SDLK_a), Editing("shu"),
            Key(true, SDLK_RETURN), Commit, Key(false, SDLK_RETURN), Key(true, SDLK_LSHIFT) });
  EXPECT_EQ(Input.Calls, (std::vector<std::string> { "keydown 65", "keydown 65 repeat", "keyup 65", "composing",
                                                     "composed", "text 输出", "keydown 16" }));
  Presenter->SetTextInput(false, {});
  EXPECT_FALSE(SDL_IsTextInputActive());
}

TEST_F(SdlDummyVideo, WindowEventsReachTheInputLayer) {
  const HWND W = Windows->Create(Rect(0, 0, 50, 50), Black);
  auto Event = [this, W](Uint8 What) {
    SDL_Event E {};
    E.window = { SDL_WINDOWEVENT, 0, IdOf(W), What, 0, 0, 0, 0, 0 };
    return E;
  };
  Settle();
  Deliver({ Event(SDL_WINDOWEVENT_FOCUS_GAINED), Event(SDL_WINDOWEVENT_FOCUS_LOST), Event(SDL_WINDOWEVENT_CLOSE),
            Event(SDL_WINDOWEVENT_MINIMIZED), Event(SDL_WINDOWEVENT_RESTORED) });
  // The record is not minimized, so only the user's minimize counts; the restore echoes nothing.
  EXPECT_EQ(Input.Calls, (std::vector<std::string> { "focus", "unfocus", "close", "minimized" }));
}

TEST_F(SdlDummyVideo, TheDesktopsMovesAndSizesComeBackAsTheWindowsOwn) {
  const HWND W = Windows->Create(Rect(10, 20, 110, 100), Black);
  Settle();
  auto Event = [this, W](Uint8 What, int A, int B) {
    SDL_Event E {};
    E.window = { SDL_WINDOWEVENT, 0, IdOf(W), What, 0, 0, 0, A, B };
    return E;
  };
  Windows->Log.clear();
  Deliver({ Event(SDL_WINDOWEVENT_MOVED, 10, 20) });
  EXPECT_TRUE(Windows->MessagesOf(W, WM_WINDOWPOSCHANGED).empty()) << "where the window is already";

  Deliver({ Event(SDL_WINDOWEVENT_MOVED, 300, 200), Event(SDL_WINDOWEVENT_SIZE_CHANGED, 150, 60) });
  TRect R;
  GetWindowRect(W, &R);
  EXPECT_EQ(R, Rect(300, 200, 450, 260));
  EXPECT_EQ(Windows->MessagesOf(W, WM_MOVE).size(), 1u);
  EXPECT_EQ(Windows->MessagesOf(W, WM_SIZE).size(), 1u);
}

TEST_F(SdlDummyVideo, TheMainFormsEntryShowsTheApplicationsTitle) {
  const HWND Application = CreateWindowEx(0, "PaintedWnd", "ZorvikWMV格式转换器", WS_POPUP, 0, 0, 0, 0, 0, 0);
  const HWND Main = CreateWindowEx(WS_EX_APPWINDOW, "PaintedWnd", "Main", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0,
                                   50, 50, Application, 0);
  const HWND Dialog = CreateWindowEx(0, "PaintedWnd", "Options", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 50, 50,
                                     Application, 0);
  EXPECT_STREQ(SDL_GetWindowTitle(Presenter->NativeWindow(Main)), "ZorvikWMV格式转换器");
  EXPECT_FALSE(FlagsOf(Main) & SDL_WINDOW_SKIP_TASKBAR);
  EXPECT_STREQ(SDL_GetWindowTitle(Presenter->NativeWindow(Dialog)), "Options");
  SetWindowText(Application, "Zorvik");
  EXPECT_STREQ(SDL_GetWindowTitle(Presenter->NativeWindow(Main)), "Zorvik");
}

TEST_F(SdlDummyVideo, WakeEndsAWaitFromAnotherThread) {
  std::thread Waker([this] { Presenter->Wake(); });
  Presenter->WaitForEvents(std::nullopt);
  Waker.join();
  SUCCEED();
}

TEST_F(SdlDummyVideo, CtrlCAndTerminationSignalsKeepTheirOwnWay) {
  // Nothing reads SDL's quit event: had SDL caught these signals, Ctrl+C in the terminal and the session's
  // end would be lost and the program would go on running.
  Windows.reset();
  Presenter.reset();
  struct sigaction Before[2], After[2];
  sigaction(SIGINT, nullptr, &Before[0]);
  sigaction(SIGTERM, nullptr, &Before[1]);
  Presenter = std::make_unique<SdlPresenter>();
  sigaction(SIGINT, nullptr, &After[0]);
  sigaction(SIGTERM, nullptr, &After[1]);
  EXPECT_EQ(After[0].sa_handler, Before[0].sa_handler);
  EXPECT_EQ(After[1].sa_handler, Before[1].sa_handler);
}

TEST(SdlKeyMap, VirtualKeysOfNativeKeys) {
  const struct {
    int Code;
    int Scan;
    unsigned Mods;
    UINT Expected;
  } Cases[] = {
    { SDLK_a, SDL_SCANCODE_A, 0, 'A' },
    { SDLK_z, SDL_SCANCODE_Y, 0, 'Z' },  // a German layout: the code decides
    { 0x0444, SDL_SCANCODE_A, 0, 'A' },  // a Cyrillic letter falls back to the key's position
    { SDLK_7, SDL_SCANCODE_7, KMOD_SHIFT, '7' },
    { SDLK_F10, SDL_SCANCODE_F10, 0, VK_F10 },
    { SDLK_RETURN, SDL_SCANCODE_RETURN, 0, VK_RETURN },
    { SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, 0, VK_RETURN },
    { SDLK_RCTRL, SDL_SCANCODE_RCTRL, 0, VK_CONTROL },
    { SDLK_LALT, SDL_SCANCODE_LALT, 0, VK_MENU },
    { SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, 0, VK_SHIFT },
    { SDLK_KP_7, SDL_SCANCODE_KP_7, KMOD_NUM, VK_NUMPAD7 },
    { SDLK_KP_7, SDL_SCANCODE_KP_7, 0, VK_HOME },
    { SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, 0, VK_DELETE },
    { SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON, 0, VK_OEM_1 },
    { SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN, 0, VK_NEXT },
    { SDLK_VOLUMEUP, SDL_SCANCODE_VOLUMEUP, 0, 0 },
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(SdlVirtualKey(Case.Code, Case.Scan, Case.Mods), Case.Expected) << Case.Code;
}

}  // namespace
