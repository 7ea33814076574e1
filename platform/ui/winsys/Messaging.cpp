// Sending, posting, retrieving and dispatching messages, and calls through procedure chains.
#include "platform/base/Clock.h"
#include "platform/base/MainThread.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"
#include "platform/ui/winsys/WindowSystemOps.h"

namespace {

DWORD GLastMessageTime = 0;
TPoint GLastMessagePos;

/// Keeps the record allocated while its code runs; the last call out frees a record destroyed meanwhile.
class DispatchGuard {
public:
  explicit DispatchGuard(Window& W) : FWindow(W) { ++FWindow.DispatchDepth; }
  ~DispatchGuard() {
    if (--FWindow.DispatchDepth == 0 && FWindow.Life == Window::State::Dead)
      ReleaseRecord(FWindow);
  }
  DispatchGuard(const DispatchGuard&) = delete;
  DispatchGuard& operator=(const DispatchGuard&) = delete;

private:
  Window& FWindow;
};

/// Position of Proc in the chain, or -1.
int ChainIndex(const Window& W, WNDPROC Proc) {
  for (size_t I = W.Procs.size(); I-- > 0;)
    if (W.Procs[I].Proc == Proc)
      return int(I);
  return -1;
}

/// The procedure a CallWindowProc(Proc) made for W reaches. From inside the chain: Proc when it lies
/// below the calling procedure, else the procedure right below the caller. From outside: Proc when it
/// is in the chain, else the one below the procedure that saved it when installed.
WNDPROC ResolveChained(const Window& W, WNDPROC Proc) {
  const int Target = ChainIndex(W, Proc);
  if (!W.Running.empty()) {
    const int Caller = ChainIndex(W, W.Running.back());
    if (Caller < 0 || (Target >= 0 && Target < Caller))
      return Proc;
    return Caller > 0 ? W.Procs[size_t(Caller) - 1].Proc : DefWindowProcInstance();
  }
  if (Target >= 0)
    return Proc;
  for (size_t I = W.Procs.size(); I-- > 1;)
    if (W.Procs[I].SavedPrevious == Proc)
      return W.Procs[I - 1].Proc;
  return Proc;
}

}  // namespace

LRESULT DeliverTo(WNDPROC Proc, Window& W, UINT Msg, WPARAM WParam, LPARAM LParam) {
  DispatchGuard Guard(W);
  if (!WindowProc::IsLive(Proc))
    return DefWindowProc(W.Handle, Msg, WParam, LParam);
  W.Running.push_back(Proc);
  struct Pop {
    Window& W;
    ~Pop() { W.Running.pop_back(); }
  } Popper { W };
  return Proc->Call(W.Handle, Msg, WParam, LParam);
}

LRESULT Deliver(Window& W, UINT Msg, WPARAM WParam, LPARAM LParam) {
  return DeliverTo(W.Procs.back().Proc, W, Msg, WParam, LParam);
}

LRESULT SendMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  Window* W = WindowSystem::Get().Find(Wnd);
  return W ? Deliver(*W, Msg, WParam, LParam) : 0;
}

LRESULT CallWindowProc(WNDPROC Proc, HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  Window* W = WindowSystem::Get().Find(Wnd);
  if (!W)
    return WindowProc::IsLive(Proc) ? Proc->Call(Wnd, Msg, WParam, LParam) : 0;
  return DeliverTo(ResolveChained(*W, Proc), *W, Msg, WParam, LParam);
}

bool PostMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  WindowSystem& WS = WindowSystem::Get();
  const TMsg Posted { Wnd, Msg, WParam, LParam, 0, {} };
  if (!IsMainThread()) {
    WS.Post(Posted);
    return true;
  }
  if (Wnd && !WS.Find(Wnd))
    return false;
  WS.Queue().Post(Posted, false);  // the UI thread is not waiting while it posts
  return true;
}

bool PostThreadMessage(DWORD Thread, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Thread != MainThreadID())
    return false;
  WindowSystem::Get().Post(TMsg { 0, Msg, WParam, LParam, 0, {} });
  return true;
}

void PostQuitMessage(int ExitCode) {
  WindowSystem::Get().Queue().PostQuit(ExitCode);
  WindowSystem::Get().Wake();
}

bool PeekMessage(TMsg* Msg, HWND Wnd, UINT FilterMin, UINT FilterMax, UINT RemoveFlags) {
  WindowSystem& WS = WindowSystem::Get();
  const bool Remove = (RemoveFlags & PM_REMOVE) != 0;
  const auto InRange = [&](UINT M) { return (FilterMin == 0 && FilterMax == 0) || (M >= FilterMin && M <= FilterMax); };
  const auto ForWindow = [&](HWND H) { return Wnd == 0 || H == Wnd || IsChild(Wnd, H); };
  const Int64 Now = CurrentClock().Now();
  const DWORD Time = DWORD(Now);
  const TPoint Pos = WS.LastInputPos();

  std::optional<TMsg> Found = WS.Queue().Peek(
      [&](const TMsg& M) { return InRange(M.message) && ForWindow(M.hwnd); }, InRange(WM_QUIT), Remove, Time, Pos);
  if (!Found && InRange(WM_TIMER))
    if (const auto Tick = WS.Timers().TakeDue(Now, ForWindow, Remove))
      Found = TMsg { Tick->Wnd, WM_TIMER, Tick->Id, 0, Time, Pos };
  if (!Found && InRange(WM_PAINT))
    if (Window* W = WS.FindPaintTarget(Wnd))
      Found = TMsg { W->Handle, WM_PAINT, 0, 0, Time, Pos };
  if (!Found)
    return false;
  if (Remove) {
    GLastMessageTime = Found->time;
    GLastMessagePos = Found->pt;
  }
  if (Msg)
    *Msg = *Found;
  return true;
}

bool GetMessage(TMsg* Msg, HWND Wnd, UINT FilterMin, UINT FilterMax) {
  while (!PeekMessage(Msg, Wnd, FilterMin, FilterMax, PM_REMOVE)) {
    try {
      CheckSynchronize(0);
    } catch (...) {
      ReportLoopException(std::current_exception());
    }
    if (!PeekMessage(Msg, Wnd, FilterMin, FilterMax, PM_REMOVE))
      WaitForWork();
    else
      break;
  }
  return Msg->message != WM_QUIT;
}

LRESULT DispatchMessage(const TMsg& Msg) {
  Window* W = WindowSystem::Get().Find(Msg.hwnd);
  if (!W)
    return 0;
  if (Msg.message == WM_PAINT) {
    PaintNow(Msg.hwnd);
    return 0;
  }
  return Deliver(*W, Msg.message, Msg.wParam, Msg.lParam);
}

bool TranslateMessage(const TMsg& Msg) {
  IInputLayer* Input = WindowSystem::Get().InputLayer();
  return Input && Input->Translate(Msg);
}

DWORD GetMessageTime() { return GLastMessageTime; }

DWORD GetMessagePos() { return MAKELONG(Word(GLastMessagePos.X), Word(GLastMessagePos.Y)); }
