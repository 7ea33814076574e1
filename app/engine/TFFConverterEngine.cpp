#include "app/engine/TFFConverterEngine.h"

#include "engine/tasklist/FFConverter.h"
#include "platform/base/MainThread.h"

TFFConverterEngine::TFFConverterEngine() : FConverter(std::make_unique<TFFConverter>(nullptr)) {
  // Each handler is copied before it runs, so a handler may clear or replace its own event.
  FConverter->OnProgress = [this](TObject* Sender, PProgressInfo AProgressInfo) {
    if (const TProgressEvent Handler = OnProgress) Handler(Sender, AProgressInfo);
  };
  // The hook runs on the task's thread and is never handed over: it reads the member there.
  FConverter->OnCustomHook = [this](TObject* Sender, PHookInfo AHookInfo) {
    if (const TCustomHookEvent Handler = OnCustomHook) Handler(Sender, AHookInfo);
  };
  // The member belongs to the user-interface thread, which may clear it at any time: it is read there.
  FConverter->OnTerminate = [this](TObject* Sender, const TTerminateInfo& ATerminateInfo) {
    TTerminateEvent Handler;
    Synchronize([&] { Handler = OnTerminate; });
    if (Handler) Handler(Sender, ATerminateInfo);
  };
}

TFFConverterEngine::~TFFConverterEngine() {
  // The component's threads still call into the events above until it is gone.
  FConverter.reset();
}

bool TFFConverterEngine::AVLibLoaded() const { return FConverter->AVLibLoaded(); }

bool TFFConverterEngine::LoadAVLib(const String& APath) { return FConverter->LoadAVLib(APath); }

String TFFConverterEngine::LastErrMsg() const { return FConverter->LastErrMsg(); }

TAVProbe* TFFConverterEngine::AVProbe() { return FConverter->AVProbe(); }

int TFFConverterEngine::AddTask(const String& AFileName, TInputOptions* AOptions) {
  return FConverter->AddTask(AFileName, AOptions);
}

bool TFFConverterEngine::SetOutputFile(int ATaskIndex, const String& AFileName, TOutputOptions* AOptions) {
  return FConverter->SetOutputFile(ATaskIndex, AFileName, AOptions);
}

void TFFConverterEngine::RemoveTask(int ATaskIndex) { FConverter->RemoveTask(ATaskIndex); }

void TFFConverterEngine::ClearTasks() { FConverter->ClearTasks(); }

int TFFConverterEngine::TasksCount() const { return FConverter->TasksCount(); }

TThreadPriority TFFConverterEngine::ThreadPriority() const { return FConverter->ThreadPriority(); }

void TFFConverterEngine::SetThreadPriority(TThreadPriority Value) { FConverter->SetThreadPriority(Value); }

bool TFFConverterEngine::Preview() const { return FConverter->Preview(); }

void TFFConverterEngine::SetPreview(bool Value) { FConverter->SetPreview(Value); }

void TFFConverterEngine::Start(int AThreadCount) { FConverter->Start(AThreadCount); }

void TFFConverterEngine::Stop(bool AWaitFor) { FConverter->Stop(AWaitFor); }

void TFFConverterEngine::Pause() { FConverter->Pause(); }

void TFFConverterEngine::Resume() { FConverter->Resume(); }
