#include "platform/shell/IPowerService.h"

#include <atomic>

#include "platform/shell/TSystemPowerService.h"

namespace {

std::atomic<IPowerService*> Replacement { nullptr };

}  // namespace

IPowerService& IPowerService::Current() {
  if (IPowerService* service = Replacement.load()) return *service;
  static TSystemPowerService Real;
  return Real;
}

void IPowerService::SetCurrent(IPowerService* Service) {
  Replacement = Service;
}
