#pragma once
// A window class for the presenter tests: each window paints its whole area in its own colour (or by a
// function of the pixel) and logs the messages it gets.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"

struct LoggedMessage {
  HWND Wnd;
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
};

/// Painted windows and a message log; the test keeps a presenter alive around it.
class PaintedWindows {
public:
  using Pattern = std::function<TColor(int X, int Y)>;

  PaintedWindows() {
    Current = this;
    WNDCLASS Class;
    Class.lpfnWndProc = &Proc();
    Class.lpszClassName = "PaintedWnd";
    RegisterClass(Class);
  }
  ~PaintedWindows() { Current = nullptr; }

  /// A visible top-level window painted in Color.
  HWND Create(TRect R, TColor Color, DWORD ExStyle = 0, DWORD Style = WS_POPUP | WS_VISIBLE) {
    return Create(R, [Color](int, int) { return Color; }, ExStyle, Style);
  }
  HWND Create(TRect R, Pattern Paint, DWORD ExStyle = 0, DWORD Style = WS_POPUP | WS_VISIBLE) {
    Next = std::move(Paint);
    const HWND Wnd = CreateWindowEx(ExStyle, "PaintedWnd", "", Style, R.Left, R.Top, R.Width(), R.Height(), 0, 0);
    Patterns[Wnd] = std::move(Next);
    InvalidateRect(Wnd, nullptr, true);
    return Wnd;
  }

  std::vector<UINT> MessagesOf(HWND Wnd, UINT Msg) const {
    std::vector<UINT> Result;
    for (const LoggedMessage& M : Log)
      if (M.Wnd == Wnd && M.Msg == Msg) Result.push_back(M.Msg);
    return Result;
  }

  std::vector<LoggedMessage> Log;
  std::map<HWND, Pattern> Patterns;
  /// Extra handling per window before the default: answer true to eat the message.
  std::map<HWND, std::function<bool(UINT, WPARAM, LPARAM)>> Handlers;

private:
  static LRESULT Dispatch(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    PaintedWindows* T = Current;
    if (!T) return DefWindowProc(Wnd, Msg, WParam, LParam);
    T->Log.push_back({ Wnd, Msg, WParam, LParam });
    if (const auto H = T->Handlers.find(Wnd); H != T->Handlers.end() && H->second && H->second(Msg, WParam, LParam))
      return 0;
    if (Msg == WM_ERASEBKGND) return 1;
    if (Msg == WM_PAINT) {
      PAINTSTRUCT Paint;
      const HDC DC = BeginPaint(Wnd, &Paint);
      const auto It = T->Patterns.find(Wnd);
      const Pattern& P = It != T->Patterns.end() ? It->second : T->Next;
      TRect Client;
      GetClientRect(Wnd, &Client);
      for (int Y = 0; P && Y < Client.Bottom; ++Y)
        for (int X = 0; X < Client.Right; ++X) SetPixel(DC, X, Y, P(X, Y));
      EndPaint(Wnd, &Paint);
      return 0;
    }
    return DefWindowProc(Wnd, Msg, WParam, LParam);
  }

  static const WindowProc& Proc() {
    static const WindowProc P(&Dispatch);
    return P;
  }

  Pattern Next;  // the pattern of a window still inside CreateWindowEx
  static inline PaintedWindows* Current = nullptr;
};
