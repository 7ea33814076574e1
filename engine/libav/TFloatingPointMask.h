#pragma once
// The engine's floating-point environment: every SSE floating-point exception masked, rounding to nearest.
#include <cstdint>

#include "platform/base/TObject.h"

/// Masks the six floating-point exceptions and selects round-to-nearest for the calling thread while it
/// lives, and puts the saved control register back when it goes. Threads created meanwhile inherit the
/// masked state, so the engine sets it up before any of its threads starts.
class TFloatingPointMask : public TObject {
public:
  TFloatingPointMask();
  ~TFloatingPointMask() override;
  TFloatingPointMask(const TFloatingPointMask&) = delete;
  TFloatingPointMask& operator=(const TFloatingPointMask&) = delete;

  /// The exception mask bits (invalid, denormal, divide by zero, overflow, underflow, precision).
  static constexpr uint32_t AllExceptions = 0x1F80;
  /// The two rounding-control bits; clear means round to nearest.
  static constexpr uint32_t RoundingControl = 0x6000;

private:
  uint32_t FSaved;
};
