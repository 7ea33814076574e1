#pragma once
// The converter's windows on the real task-list component.
#include <memory>

#include "app/engine/IFFConverter.h"

class TFFConverter;

/// The program's IFFConverter: every call goes to a TFFConverter of its own, whose hand-over of progress
/// to the user-interface thread stays on. Each report reads the interface's event member when it comes
/// (progress on the user-interface thread; a task end on its delivery thread, through a hand-over that
/// reads the member on the user-interface thread), so clearing an event detaches it at once, also for ends
/// already on their way. Destroying the engine stops a run and waits for every thread the component started.
class TFFConverterEngine : public IFFConverter {
public:
  TFFConverterEngine();
  ~TFFConverterEngine() override;

  bool AVLibLoaded() const override;
  bool LoadAVLib(const String& APath) override;
  String LastErrMsg() const override;

  TAVProbe* AVProbe() override;
  int AddTask(const String& AFileName, TInputOptions* AOptions) override;
  bool SetOutputFile(int ATaskIndex, const String& AFileName, TOutputOptions* AOptions) override;
  void RemoveTask(int ATaskIndex) override;
  void ClearTasks() override;
  int TasksCount() const override;

  TThreadPriority ThreadPriority() const override;
  void SetThreadPriority(TThreadPriority Value) override;
  bool Preview() const override;
  void SetPreview(bool Value) override;

  void Start(int AThreadCount) override;
  void Stop(bool AWaitFor) override;
  void Pause() override;
  void Resume() override;

private:
  std::unique_ptr<TFFConverter> FConverter;
};
