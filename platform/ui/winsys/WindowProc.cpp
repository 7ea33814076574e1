#include "platform/ui/winsys/WindowProc.h"

#include <mutex>
#include <unordered_set>

#include "platform/ui/winsys/Ui.h"

namespace {

struct ProcRegistry {
  std::mutex Lock;
  std::unordered_set<const WindowProc*> Live;
};

ProcRegistry& Registry() {
  static ProcRegistry R;
  return R;
}

}  // namespace

WindowProc::WindowProc(TWndProcFunction Function) : FFunction(std::move(Function)) {
  ProcRegistry& R = Registry();
  std::lock_guard Guard(R.Lock);
  R.Live.insert(this);
}

WindowProc::~WindowProc() {
  ProcRegistry& R = Registry();
  std::lock_guard Guard(R.Lock);
  R.Live.erase(this);
}

bool WindowProc::IsLive(const WindowProc* Proc) {
  if (!Proc)
    return false;
  ProcRegistry& R = Registry();
  std::lock_guard Guard(R.Lock);
  return R.Live.contains(Proc);
}

WNDPROC DefWindowProcInstance() {
  static const WindowProc Instance(&DefWindowProc);
  return &Instance;
}

WNDPROC MakeObjectInstance(TWndMethod Method) {
  return new WindowProc([Method = std::move(Method)](HWND, UINT Msg, WPARAM WParam, LPARAM LParam) {
    TMessage M { Msg, WParam, LParam, 0 };
    Method(M);
    return M.Result;
  });
}

void FreeObjectInstance(WNDPROC Proc) {
  if (WindowProc::IsLive(Proc))
    delete Proc;
}
