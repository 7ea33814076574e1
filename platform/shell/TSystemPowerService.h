#pragma once
// The real power-off.
#include "platform/shell/IPowerService.h"

/// Runs "systemctl poweroff" (detached, never through a shell). It refuses, doing nothing and saying why
/// in the result, while the environment variable CI or ZORVIK_NO_POWEROFF is set (to anything), so no test
/// or build machine can ever be switched off. Whether the system then obeys is not waited for.
class TSystemPowerService : public IPowerService {
public:
  TPowerOffResult PowerOff() override;
};
