#include "platform/shell/TSystemPowerService.h"

#include <cstdlib>

#include "platform/shell/Processes.h"

TPowerOffResult TSystemPowerService::PowerOff() {
  for (const char* guard : { "CI", "ZORVIK_NO_POWEROFF" })
    if (std::getenv(guard)) return { false, String("Power-off refused: the environment variable ") + guard + " is set" };
  if (SpawnDetached({ "systemctl", "poweroff" }) < 0) return { false, "Power-off failed: systemctl could not be started" };
  return { true, String() };
}
