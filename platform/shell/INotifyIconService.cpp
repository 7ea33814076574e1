#include "platform/shell/INotifyIconService.h"

#include "platform/shell/TX11NotifyIconService.h"

namespace {

INotifyIconService* Replacement = nullptr;

}  // namespace

INotifyIconService& INotifyIconService::Current() {
  if (Replacement)
    return *Replacement;
  static TX11NotifyIconService Real;
  return Real;
}

void INotifyIconService::SetCurrent(INotifyIconService* Service) { Replacement = Service; }
