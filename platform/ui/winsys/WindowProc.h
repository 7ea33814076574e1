#pragma once
// Window procedures. A procedure is an object whose address is its identity: that address is what
// GetWindowLongPtr(GWL_WNDPROC) answers and what SetWindowLongPtr and CallWindowProc take, so a subclass
// saves the previous procedure, chains to it with CallWindowProc and later puts it back. A procedure may
// wrap a plain function or a bound method (MakeObjectInstance). Whoever makes a procedure keeps it alive
// while a window may still call it.
#include <functional>

#include "platform/ui/winsys/Messages.h"
#include "platform/ui/winsys/UiTypes.h"

using TWndProcFunction = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;
/// A method that handles a message record in place (the toolkit's WndProc shape).
using TWndMethod = std::function<void(TMessage&)>;

/// A window procedure; not copyable, since its address identifies it in subclass chains.
class WindowProc {
public:
  explicit WindowProc(TWndProcFunction Function);
  ~WindowProc();
  WindowProc(const WindowProc&) = delete;
  WindowProc& operator=(const WindowProc&) = delete;

  LRESULT Call(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) const { return FFunction(Wnd, Msg, WParam, LParam); }

  /// True while Proc is a procedure that has not been destroyed (CallWindowProc refuses dead ones).
  static bool IsLive(const WindowProc* Proc);

private:
  TWndProcFunction FFunction;
};

using WNDPROC = const WindowProc*;

/// The default window procedure as a procedure object (for classes whose procedure is the default one).
WNDPROC DefWindowProcInstance();

/// A procedure that packs each call into a TMessage, hands it to Method and answers its Result. Freed
/// with FreeObjectInstance.
WNDPROC MakeObjectInstance(TWndMethod Method);
void FreeObjectInstance(WNDPROC Proc);
