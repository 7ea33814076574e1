#include "engine/tasklist/TFFmpegList.h"

#include <utility>

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"

int TFFmpegList::Add(std::unique_ptr<TFFmpeg> ATask) {
  FList.push_back(std::move(ATask));
  return Count() - 1;
}

std::unique_ptr<TFFmpeg> TFFmpegList::Extract(int AIndex) {
  CheckIndex(AIndex);
  std::unique_ptr<TFFmpeg> Task = std::move(FList[AIndex]);
  FList.erase(FList.begin() + AIndex);
  return Task;
}

void TFFmpegList::Exchange(int AIndex1, int AIndex2) {
  CheckIndex(AIndex1);
  CheckIndex(AIndex2);
  std::swap(FList[AIndex1], FList[AIndex2]);
}

TFFmpeg* TFFmpegList::Items(int AIndex) const {
  CheckIndex(AIndex);
  return FList[AIndex].get();
}

int TFFmpegList::IndexOf(const TFFmpeg* ATask) const {
  for (int I = 0; I < Count(); ++I)
    if (FList[I].get() == ATask) return I;
  return -1;
}

void TFFmpegList::PauseAll() {
  for (auto& Task : FList) Task->Pause();
}

void TFFmpegList::ResumeAll() {
  for (auto& Task : FList) Task->Resume();
}

void TFFmpegList::StopAll(bool AWaitFor) {
  for (auto& Task : FList) Task->CancelConvert(AWaitFor);
}

void TFFmpegList::CheckIndex(int AIndex) const {
  if (AIndex < 0 || AIndex >= Count()) throw EListError(Format("List index out of bounds (%d)", AIndex));
}

void TFFmpegList::SetPostHook(TPostHook AHook, bool AOn) {
  for (auto& Task : FList) {
    TPostHooks Hooks = Task->PostHooks();
    if (AOn) Hooks.Include(AHook);
    else Hooks.Exclude(AHook);
    Task->SetPostHooks(Hooks);
  }
}
