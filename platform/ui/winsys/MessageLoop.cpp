#include "platform/ui/winsys/MessageLoop.h"

#include <algorithm>
#include <cstdio>

#include "platform/base/MainThread.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"

namespace {

int GModalDepth = 0;
std::optional<int> GDeferredQuit;
std::optional<int> GQuitReceived;
TMessageFilter GMessageFilter;

TLoopExceptionHandler& ExceptionHandler() {
  static TLoopExceptionHandler Handler;
  return Handler;
}

void DefaultReport(std::exception_ptr Error) {
  try {
    std::rethrow_exception(Error);
  } catch (const std::exception& E) {
    std::fprintf(stderr, "Unhandled exception: %s\n", E.what());
  } catch (...) {
    std::fprintf(stderr, "Unhandled exception\n");
  }
}

bool ServeHandOvers() {
  if (!HandOversPending())
    return false;
  try {
    CheckSynchronize(0);
  } catch (...) {
    ReportLoopException(std::current_exception());
  }
  return true;
}

bool TakeMessage(TMsg& Msg) {
  if (PeekMessage(&Msg, 0, 0, 0, PM_REMOVE))
    return true;
  // Native events turn into queued input only when asked; asking costs, so only when the queue is dry.
  if (IPresenter* P = WindowSystem::Get().Presenter()) {
    P->PumpEvents();
    return PeekMessage(&Msg, 0, 0, 0, PM_REMOVE);
  }
  return false;
}

}  // namespace

void SetMessageFilter(TMessageFilter Filter) { GMessageFilter = std::move(Filter); }

bool ProcessNextMessage() {
  if (ServeHandOvers())
    return true;
  TMsg Msg;
  if (!TakeMessage(Msg)) {
    WindowSystem::Get().FlushPresents();
    return false;
  }
  if (Msg.message == WM_QUIT) {
    (GModalDepth > 0 ? GDeferredQuit : GQuitReceived) = int(Msg.wParam);
    return true;
  }
  try {
    const TMsg Retrieved = Msg;
    if (!MessageHooks().Run(Msg) && Msg.message != WM_NULL && !(GMessageFilter && GMessageFilter(Msg))) {
      TranslateMessage(Msg);
      DispatchMessage(Msg);
    } else if (Retrieved.message == WM_PAINT) {
      // A paint a hook swallowed would be generated again at once, for ever.
      RedrawWindow(Retrieved.hwnd, nullptr, nullptr, RDW_VALIDATE | RDW_NOCHILDREN | RDW_NOERASE | RDW_NOFRAME);
    }
  } catch (...) {
    ReportLoopException(std::current_exception());
  }
  return true;
}

void ProcessPendingMessages() {
  while (ProcessNextMessage()) {
  }
}

void WaitForWork() {
  WindowSystem& WS = WindowSystem::Get();
  if (HandOversPending() || !WS.Queue().Empty() || WS.PaintPending())
    return;
  WS.WaitForEvents(WS.NextTimerDue());
}

void WaitForWorkUntil(Int64 Deadline) {
  WindowSystem& WS = WindowSystem::Get();
  if (HandOversPending() || !WS.Queue().Empty() || WS.PaintPending())
    return;
  const std::optional<Int64> Timer = WS.NextTimerDue();
  WS.WaitForEvents(Timer ? std::min(*Timer, Deadline) : Deadline);
}

void HandleMessage() {
  if (!ProcessNextMessage())
    WaitForWork();
}

void RunModalLoop(const std::function<bool()>& Done) {
  ++GModalDepth;
  struct Leave {
    ~Leave() {
      if (--GModalDepth >= 0 && GDeferredQuit) {
        PostQuitMessage(*GDeferredQuit);
        GDeferredQuit.reset();
      }
    }
  } Guard;
  while (!Done())
    if (!ProcessNextMessage() && !Done())
      WaitForWork();
}

bool QuitPending() { return GDeferredQuit.has_value(); }

std::optional<int> QuitReceived() { return GQuitReceived; }

void ClearQuit() {
  GQuitReceived.reset();
  GDeferredQuit.reset();
}

MessageHookStack& MessageHooks() {
  static MessageHookStack Hooks;
  return Hooks;
}

void SetLoopExceptionHandler(TLoopExceptionHandler Handler) { ExceptionHandler() = std::move(Handler); }

void ReportLoopException(std::exception_ptr Error) {
  if (const TLoopExceptionHandler& Handler = ExceptionHandler()) {
    try {
      Handler(Error);
      return;
    } catch (...) {
      // A failing handler must not take the loop down: fall back to the plain report.
    }
  }
  DefaultReport(Error);
}
