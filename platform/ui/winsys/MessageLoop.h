#pragma once
// The loop's primitives, for the application object, modal loops and every other wait of the UI thread.
//
// One step serves, in this order: the hand-over queue of other threads (CheckSynchronize), one posted or
// input message (through the message hooks, then TranslateMessage and DispatchMessage), a due timer,
// then one window's paint; when nothing is left the changed pixels go to the presenter. An exception
// escaping anything the loop runs is caught and reported through the loop's exception handler; the loop
// and its windows go on.
#include <exception>
#include <functional>
#include <optional>

#include "platform/base/Types.h"
#include "platform/ui/winsys/MessageHookStack.h"

/// Runs one step; false when nothing was pending (then the presenter has the latest pixels).
bool ProcessNextMessage();
/// Runs steps until nothing is pending; never blocks. Re-entrant.
void ProcessPendingMessages();
/// Blocks until something may be pending: a posted message, a hand-over, native input, or the next
/// timer's due time on CurrentClock().
void WaitForWork();
/// WaitForWork, but no later than Deadline (CurrentClock() time): for loops that pace themselves on the
/// clock and serve messages between their steps.
void WaitForWorkUntil(Int64 Deadline);
/// One step, or a wait for work when nothing is pending.
void HandleMessage();
/// A nested loop: steps and waits until Done() holds (checked before every step and after every wait).
/// A thread that changes what Done reads wakes the loop afterwards (a posted message, a hand-over or
/// WindowSystem::Wake). A WM_QUIT met meanwhile is kept and posted again when the loop ends, so the
/// outer loop still sees it.
void RunModalLoop(const std::function<bool()>& Done);
/// Inside a modal loop: a WM_QUIT was met and waits to be posted again (Done predicates may end on it).
bool QuitPending();

/// The WM_QUIT exit code the outermost loop met (the application ends on it); empty until then.
std::optional<int> QuitReceived();
/// Forgets a received WM_QUIT.
void ClearQuit();

/// The hooks queued messages pass before translation (the application's OnMessage).
MessageHookStack& MessageHooks();
/// What the application does with a queued message after the hooks and before translation (its shortcuts
/// and key reflection): answers true when it took the message, which is then neither translated nor
/// dispatched. Running after every hook, it also sees keys that an exclusive hook lets pass.
using TMessageFilter = std::function<bool(TMsg& Msg)>;
/// Installs the filter (empty: none).
void SetMessageFilter(TMessageFilter Filter);

using TLoopExceptionHandler = std::function<void(std::exception_ptr)>;
/// Replaces what happens to an exception that escaped a handler the loop ran (empty: the default, which
/// writes the message to stderr).
void SetLoopExceptionHandler(TLoopExceptionHandler Handler);
/// Hands an exception to the loop's exception handler (for other places that catch per event).
void ReportLoopException(std::exception_ptr Error);
