#pragma once
// The user-interface thread and the hand-over queue through which other threads run code on it.
//
// Other threads hand closures to the UI thread; the UI thread runs them whenever it serves the queue. Every
// wait of the UI thread must serve it (the message loop, nested loops, joins, waits on events), otherwise a
// worker blocked in a hand-over and the UI thread waiting for that worker dead-lock.
#include <functional>

#include "platform/base/Types.h"
#include "platform/base/WaitResult.h"

/// The calling thread's kernel thread id (an unsigned 32-bit value).
Cardinal GetCurrentThreadId();

/// Makes the calling thread the UI thread. Until called, the process's initial thread is the UI thread.
void SetMainThread();
/// The kernel thread id of the UI thread.
Cardinal MainThreadID();
bool IsMainThread();

/// Runs Proc on the UI thread and returns once it ran there; an exception Proc throws is thrown again here.
/// On the UI thread Proc runs at once.
void Synchronize(std::function<void()> Proc);
/// Hands Proc to the UI thread without waiting for it (on the UI thread too: it runs when the queue is next
/// served). An exception it throws leaves the CheckSynchronize or WaitServing call that ran it.
void Queue(std::function<void()> Proc);

/// On the UI thread: runs the closures queued so far, oldest first, waiting up to Timeout ms for one when
/// none is queued. Returns whether any ran. Re-entrant: a closure may serve the queue again inside. Raises
/// EThread on any other thread.
bool CheckSynchronize(Cardinal Timeout = 0);
/// Whether closures wait for the UI thread.
bool HandOversPending();

/// Hook called (on the queuing thread) whenever a closure is queued, so a loop blocked elsewhere wakes and
/// serves the queue. An empty function removes it.
void SetWakeMainThread(std::function<void()> Hook);

/// Waits until Done() holds or Timeout ms have passed (real time) and returns Done()'s last value. On the
/// UI thread it serves the hand-over queue meanwhile; elsewhere it only waits. Whoever changes what Done
/// reads calls WakeWaiters() afterwards; TEvent, TMutex and TThread do so themselves.
bool WaitServing(const std::function<bool()>& Done, Cardinal Timeout = INFINITE);
/// Makes every WaitServing call re-check its condition.
void WakeWaiters();
