#pragma once
// Hidden windows that serve an object rather than show anything: timers, the application's window. Each
// one hands its messages to a method of its object; the default window procedure gets what the method
// leaves.
#include <functional>

#include "platform/ui/winsys/Messages.h"

/// Handles a message of a utility window (setting Result) and answers true, or answers false to leave it
/// to the default window procedure.
using TUtilityMethod = std::function<bool(TMessage& Message)>;

/// Makes a hidden top-level window of ClassName (registered on first use) whose messages go to Method.
/// The window may be destroyed inside one of its own messages: the method being run stays alive until
/// it returns. An exception escaping the method is reported to the loop and the message answers 0.
HWND AllocateHWnd(TUtilityMethod Method, const String& ClassName = "TPUtilWindow");
/// Destroys a window of AllocateHWnd; nothing for 0 or a window gone already.
void DeallocateHWnd(HWND Wnd);
