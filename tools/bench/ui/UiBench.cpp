// Messages through SendMessage and through the queue, beside plain calls and a plain locked queue, and a
// full repaint of a 1280 x 720 window with 200 child windows, beside filling the same pixels once.
#include <benchmark/benchmark.h>

#include <deque>
#include <functional>
#include <mutex>

#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/Ui.h"

namespace {

constexpr int Batch = 1000;
constexpr int Width = 1280;
constexpr int Height = 720;

LRESULT CountingProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  static uint64_t Sum = 0;
  if (Msg == WM_USER) {
    Sum += WParam;
    return LRESULT(Sum);
  }
  return DefWindowProc(Wnd, Msg, WParam, LParam);
}

/// LParam carries the colour each window paints itself with.
LRESULT PaintingProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_ERASEBKGND)
    return 1;
  if (Msg != WM_PAINT)
    return DefWindowProc(Wnd, Msg, WParam, LParam);
  PAINTSTRUCT Paint;
  const HDC DC = BeginPaint(Wnd, &Paint);
  const HBRUSH Brush = CreateSolidBrush(TColor(GetWindowLongPtr(Wnd, GWL_USERDATA)));
  FillRect(DC, Paint.rcPaint, Brush);
  DeleteObject(Brush);
  EndPaint(Wnd, &Paint);
  return 0;
}

/// A headless screen with one window class whose procedure is Proc.
struct Screen {
  explicit Screen(LRESULT (*Proc)(HWND, UINT, WPARAM, LPARAM)) : Procedure(Proc) {
    WNDCLASS Class;
    Class.lpfnWndProc = &Procedure;
    Class.lpszClassName = "BenchWnd";
    RegisterClass(Class);
  }
  HeadlessPresenter Presenter { { 1600, 900 } };
  WindowProc Procedure;
};

void BM_PlainCall(benchmark::State& State) {
  const std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> Call = &CountingProc;
  for (auto _ : State)
    for (int I = 0; I < Batch; ++I)
      benchmark::DoNotOptimize(Call(1, WM_USER, WPARAM(I), 0));
  State.SetItemsProcessed(int64_t(State.iterations()) * Batch);
}

void BM_SendMessage(benchmark::State& State) {
  Screen S(&CountingProc);
  const HWND W = CreateWindowEx(0, "BenchWnd", "", WS_POPUP, 0, 0, 10, 10, 0, 0);
  for (auto _ : State)
    for (int I = 0; I < Batch; ++I)
      benchmark::DoNotOptimize(SendMessage(W, WM_USER, WPARAM(I), 0));
  State.SetItemsProcessed(int64_t(State.iterations()) * Batch);
}

void BM_PlainLockedQueue(benchmark::State& State) {
  std::mutex Lock;
  std::deque<TMsg> Queue;
  const std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> Call = &CountingProc;
  for (auto _ : State) {
    for (int I = 0; I < Batch; ++I) {
      std::lock_guard Guard(Lock);
      Queue.push_back(TMsg { 1, WM_USER, WPARAM(I), 0, 0, {} });
    }
    for (;;) {
      TMsg M;
      {
        std::lock_guard Guard(Lock);
        if (Queue.empty())
          break;
        M = Queue.front();
        Queue.pop_front();
      }
      benchmark::DoNotOptimize(Call(M.hwnd, M.message, M.wParam, M.lParam));
    }
  }
  State.SetItemsProcessed(int64_t(State.iterations()) * Batch);
}

void BM_PostMessageAndDispatch(benchmark::State& State) {
  Screen S(&CountingProc);
  const HWND W = CreateWindowEx(0, "BenchWnd", "", WS_POPUP, 0, 0, 10, 10, 0, 0);
  for (auto _ : State) {
    for (int I = 0; I < Batch; ++I)
      PostMessage(W, WM_USER, WPARAM(I), 0);
    TMsg M;
    while (PeekMessage(&M, 0, 0, 0, PM_REMOVE))
      DispatchMessage(M);
  }
  State.SetItemsProcessed(int64_t(State.iterations()) * Batch);
}

void BM_PostMessageThroughTheLoop(benchmark::State& State) {
  Screen S(&CountingProc);
  const HWND W = CreateWindowEx(0, "BenchWnd", "", WS_POPUP, 0, 0, 10, 10, 0, 0);
  for (auto _ : State) {
    for (int I = 0; I < Batch; ++I)
      PostMessage(W, WM_USER, WPARAM(I), 0);
    ProcessPendingMessages();
  }
  State.SetItemsProcessed(int64_t(State.iterations()) * Batch);
}

void BM_FillOnce(benchmark::State& State) {
  const HDC DC = CreateCompatibleDC(nullptr);
  const HBITMAP Bitmap = CreateCompatibleBitmap(DC, Width, Height);
  const HGDIOBJ Old = SelectObject(DC, Bitmap);
  const HBRUSH Brush = CreateSolidBrush(clRed);
  for (auto _ : State) {
    FillRect(DC, Rect(0, 0, Width, Height), Brush);
    benchmark::ClobberMemory();
  }
  DeleteObject(Brush);
  SelectObject(DC, Old);
  DeleteObject(Bitmap);
  DeleteDC(DC);
}

/// RedrawWindow of the whole tree, painted at once: the parent and 200 children of 64 x 72 pixels.
void BM_FullRepaint200Children(benchmark::State& State) {
  Screen S(&PaintingProc);
  const DWORD Clip = State.range(0) ? WS_CLIPCHILDREN : 0;
  const HWND Top = CreateWindowEx(0, "BenchWnd", "", WS_POPUP | WS_VISIBLE | Clip, 0, 0, Width, Height, 0, 0);
  SetWindowLongPtr(Top, GWL_USERDATA, clWhite);
  for (int I = 0; I < 200; ++I) {
    const HWND C = CreateWindowEx(0, "BenchWnd", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, (I % 20) * 64,
                                  (I / 20) * 72, 64, 72, Top, UINT_PTR(I + 1));
    SetWindowLongPtr(C, GWL_USERDATA, RGB(uint8_t(I), uint8_t(255 - I), 128));
  }
  ProcessPendingMessages();
  for (auto _ : State)
    RedrawWindow(Top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

BENCHMARK(BM_PlainCall);
BENCHMARK(BM_SendMessage);
BENCHMARK(BM_PlainLockedQueue);
BENCHMARK(BM_PostMessageAndDispatch);
BENCHMARK(BM_PostMessageThroughTheLoop);
BENCHMARK(BM_FillOnce)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRepaint200Children)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
