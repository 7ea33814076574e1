#include "platform/shell/ISoundService.h"

#include <atomic>

#include "platform/shell/TSdlSoundService.h"

namespace {

std::atomic<ISoundService*> Replacement { nullptr };

}  // namespace

ISoundService& ISoundService::Current() {
  if (ISoundService* service = Replacement.load()) return *service;
  static TSdlSoundService Real;
  return Real;
}

void ISoundService::SetCurrent(ISoundService* Service) {
  Replacement = Service;
}
