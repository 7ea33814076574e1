#pragma once
// A clean window system per test: a virtual clock, a presenter that records what it is handed, and one
// window class whose procedure logs every message and lets a test answer messages per window.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "platform/base/Clock.h"
#include "platform/base/VirtualClock.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"

inline void PrintTo(const TRect& R, std::ostream* Out) {
  *Out << "(" << R.Left << ", " << R.Top << ", " << R.Right << ", " << R.Bottom << ")";
}
inline void PrintTo(const TPoint& P, std::ostream* Out) { *Out << "(" << P.X << ", " << P.Y << ")"; }

/// A presenter that shows nothing and remembers the dirty areas it was handed.
class RecordingPresenter : public IPresenter {
public:
  void Present(HWND Wnd, const Region& Dirty) override { Presented.push_back({ Wnd, Dirty }); }
  void Wake() override {
    Woken = true;
    CurrentClock().Notify();
  }
  void WaitForEvents(std::optional<Int64> Deadline) override {
    CurrentClock().WaitUntil(Deadline.value_or(INT64_MAX), [this] { return Woken.load(); });
    Woken = false;
  }
  void PumpEvents() override {}

  struct Presentation {
    HWND Wnd;
    Region Dirty;
  };
  std::vector<Presentation> Presented;
  std::atomic<bool> Woken { false };
};

struct LoggedMessage {
  HWND Wnd;
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
};

class UiTest : public ::testing::Test {
protected:
  using Handler = std::function<std::optional<LRESULT>(UINT Msg, WPARAM WParam, LPARAM LParam)>;

  void SetUp() override {
    WindowSystem::Get().Reset();
    SetCurrentClock(&Clock);
    WindowSystem::Get().SetPresenter(&Presenter);
    Current = this;
    WNDCLASS Class;
    Class.lpfnWndProc = &Proc();
    Class.lpszClassName = "TestWnd";
    Class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClass(Class);
  }

  void TearDown() override {
    WindowSystem::Get().Reset();
    Current = nullptr;
    SetCurrentClock(nullptr);
  }

  HWND CreateTop(TRect R, DWORD Style = WS_POPUP | WS_VISIBLE, HWND Owner = 0, DWORD ExStyle = 0) {
    return CreateWindowEx(ExStyle, "TestWnd", "", Style, R.Left, R.Top, R.Width(), R.Height(), Owner, 0);
  }
  HWND CreateChild(HWND Parent, TRect R, DWORD Style = WS_CHILD | WS_VISIBLE, UINT_PTR Id = 0, DWORD ExStyle = 0) {
    return CreateWindowEx(ExStyle, "TestWnd", "", Style, R.Left, R.Top, R.Width(), R.Height(), Parent, Id);
  }

  /// The logged messages among Of, in order, optionally for one window only.
  std::vector<std::pair<HWND, UINT>> Messages(const std::set<UINT>& Of, HWND Only = 0) const {
    std::vector<std::pair<HWND, UINT>> Result;
    for (const LoggedMessage& M : Log)
      if (Of.contains(M.Msg) && (!Only || M.Wnd == Only))
        Result.push_back({ M.Wnd, M.Msg });
    return Result;
  }
  int Count(HWND Wnd, UINT Msg) const {
    int N = 0;
    for (const LoggedMessage& M : Log)
      N += M.Wnd == Wnd && M.Msg == Msg;
    return N;
  }

  /// Makes the window paint its whole client area in Color on WM_PAINT.
  void PaintWith(HWND Wnd, TColor Color) {
    Handlers[Wnd] = [Wnd, Color](UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (Msg == WM_ERASEBKGND)
        return 1;
      if (Msg != WM_PAINT)
        return std::nullopt;
      PAINTSTRUCT Paint;
      const HDC DC = BeginPaint(Wnd, &Paint);
      TRect Client;
      GetClientRect(Wnd, &Client);
      const HBRUSH Brush = CreateSolidBrush(Color);
      FillRect(DC, Client, Brush);
      DeleteObject(Brush);
      EndPaint(Wnd, &Paint);
      return 0;
    };
  }

  /// The colour of a pixel of a top-level window's backing surface (window coordinates).
  static TColor PixelAt(HWND Top, int X, int Y) {
    const Window* W = WindowSystem::Get().Find(Top);
    const uint32_t P = W->Backing->Pixel(X, Y);
    return RGB(uint8_t(P >> 16), uint8_t(P >> 8), uint8_t(P));
  }

  /// A row of the backing surface as text: one character per pixel from Legend (colour -> character),
  /// '?' for colours not in it.
  static std::string Row(HWND Top, int Y, int X0, int X1, const std::map<TColor, char>& Legend) {
    std::string S;
    for (int X = X0; X < X1; ++X) {
      const auto It = Legend.find(PixelAt(Top, X, Y));
      S += It == Legend.end() ? '?' : It->second;
    }
    return S;
  }

  std::vector<LoggedMessage> Log;
  std::map<HWND, Handler> Handlers;
  TVirtualClock Clock;
  RecordingPresenter Presenter;

private:
  static LRESULT Dispatch(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    UiTest* T = Current;
    if (!T)
      return DefWindowProc(Wnd, Msg, WParam, LParam);
    T->Log.push_back({ Wnd, Msg, WParam, LParam });
    const auto It = T->Handlers.find(Wnd);
    if (It != T->Handlers.end() && It->second) {
      const Handler H = It->second;  // a handler may replace itself
      if (const std::optional<LRESULT> Answer = H(Msg, WParam, LParam))
        return *Answer;
    }
    return DefWindowProc(Wnd, Msg, WParam, LParam);
  }

  static const WindowProc& Proc() {
    static const WindowProc P(&Dispatch);
    return P;
  }

  static inline UiTest* Current = nullptr;
};
