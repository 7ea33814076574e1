#pragma once
// What a timed wait on a synchronisation object reports, and the timeout that means "no limit".
#include "platform/base/Types.h"

enum TWaitResult { wrSignaled, wrTimeout, wrAbandoned, wrError };

/// A timeout in milliseconds that never lapses.
constexpr Cardinal INFINITE = 0xFFFFFFFF;
