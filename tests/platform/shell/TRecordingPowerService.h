#pragma once
// A stand-in power-off for tests.
#include "platform/shell/IPowerService.h"

/// Counts the requests instead of switching anything off.
class TRecordingPowerService : public IPowerService {
public:
  TPowerOffResult PowerOff() override {
    ++Calls;
    return { true, String() };
  }

  int Calls { 0 };
};
