#include "platform/shell/IShellOpenService.h"

#include <atomic>

#include "platform/shell/TXdgOpenService.h"

namespace {

std::atomic<IShellOpenService*> Replacement { nullptr };

}  // namespace

IShellOpenService& IShellOpenService::Current() {
  if (IShellOpenService* service = Replacement.load()) return *service;
  static TXdgOpenService Real;
  return Real;
}

void IShellOpenService::SetCurrent(IShellOpenService* Service) {
  Replacement = Service;
}
