#include "platform/ui/winsys/UtilityWindow.h"

#include <memory>
#include <unordered_map>

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowProc.h"

namespace {

std::unordered_map<HWND, std::shared_ptr<TUtilityMethod>>& Methods() {
  static std::unordered_map<HWND, std::shared_ptr<TUtilityMethod>> Map;
  return Map;
}

/// The method whose window is being created; its first message binds them.
std::shared_ptr<TUtilityMethod> GCreating;

LRESULT UtilityProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto& Map = Methods();
  auto It = Map.find(Wnd);
  if (It == Map.end() && GCreating) It = Map.emplace(Wnd, std::exchange(GCreating, nullptr)).first;
  if (It == Map.end()) return DefWindowProc(Wnd, Msg, WParam, LParam);
  const std::shared_ptr<TUtilityMethod> Method = It->second;  // lives on if the window goes meanwhile
  if (Msg == WM_NCDESTROY) Map.erase(It);
  TMessage Message { Msg, WParam, LParam, 0 };
  try {
    if (!(*Method)(Message)) return DefWindowProc(Wnd, Msg, WParam, LParam);
  } catch (...) {
    ReportLoopException(std::current_exception());
    return 0;
  }
  return Message.Result;
}

}  // namespace

HWND AllocateHWnd(TUtilityMethod Method, const String& ClassName) {
  static const WindowProc Proc(&UtilityProc);
  WNDCLASS Class;
  if (!GetClassInfo(ClassName, &Class)) {
    Class = WNDCLASS {};
    Class.lpfnWndProc = &Proc;
    Class.lpszClassName = ClassName;
    if (!RegisterClass(Class)) throw EOutOfResources(Format("Cannot register the window class %s", ClassName));
  }
  GCreating = std::make_shared<TUtilityMethod>(std::move(Method));
  const HWND Wnd = CreateWindowEx(WS_EX_TOOLWINDOW, ClassName, "", WS_POPUP, 0, 0, 0, 0, 0, 0);
  GCreating = nullptr;
  if (!Wnd) throw EOutOfResources(Format("Cannot create a window of %s", ClassName));
  return Wnd;
}

void DeallocateHWnd(HWND Wnd) {
  if (Wnd) DestroyWindow(Wnd);
}
