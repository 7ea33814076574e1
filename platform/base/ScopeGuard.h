#pragma once
// Undoing a step when a scope ends, however it ends: by its last statement, a return or an exception.
#include <exception>
#include <utility>

/// Calls its function when it goes out of scope, unless Dismiss was called first. While an exception
/// leaves the scope, an exception of the function itself is dropped, so the first failure is the one
/// that goes on; otherwise it leaves the scope like any other.
template <class F> class ScopeGuard {
public:
  explicit ScopeGuard(F Undo) : FUndo(std::move(Undo)) {}
  ~ScopeGuard() noexcept(false) {
    if (!FArmed) return;
    if (std::uncaught_exceptions() == FUnwinding) {
      FUndo();
      return;
    }
    try {
      FUndo();
    } catch (...) {
    }
  }
  ScopeGuard(const ScopeGuard&) = delete;
  ScopeGuard& operator=(const ScopeGuard&) = delete;

  /// The function will not be called.
  void Dismiss() { FArmed = false; }

private:
  F FUndo;
  bool FArmed { true };
  int FUnwinding { std::uncaught_exceptions() };
};
