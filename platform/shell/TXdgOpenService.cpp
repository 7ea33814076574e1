#include "platform/shell/TXdgOpenService.h"

#include "platform/shell/Processes.h"

bool TXdgOpenService::Open(const String& Target, const String& WorkingDir) {
  if (Target.empty()) return false;
  const String argument = Target[0] == '-' ? "./" + Target : Target;
  return SpawnDetached({ "xdg-open", argument }, WorkingDir) >= 0;
}
