#pragma once
// One job of the task list: a conversion task with the probes of its inputs and the option records of its
// files.
#include <atomic>
#include <memory>
#include <vector>

#include "engine/probe/AVProbe.h"
#include "engine/task/FFmpeg.h"
#include "engine/task/IOptionSink.h"
#include "engine/tasklist/TInputOptions.h"
#include "engine/tasklist/TOutputOptions.h"

/// A conversion task as the task list keeps it: the options reach it through IOptionSink, each input may
/// have a probe sharing the task's opened file, and a copy of the record each input and output was made
/// from is kept by file index. The run operations are virtual so that a stand-in can take a task's place
/// in the list; the task itself passes them to TCustomFFmpeg.
class TFFmpeg : public TCustomFFmpeg, public IOptionSink {
public:
  /// AMaxFiles slots of probes and records (1 to 512, else EAssertionFailed).
  explicit TFFmpeg(int AMaxFiles);
  /// Frees the probes and records, then stops a run and waits for it.
  ~TFFmpeg() override;

  int MaxFiles() const { return int(FInputOptions.size()); }
  /// The probe of input AIndex, made on first use.
  TAVProbe* GetAVProbe(int AIndex);
  /// The probe of input AIndex, nullptr while it has none.
  TAVProbe* AVProbe(int AIndex) const { return FAVProbes.at(AIndex).get(); }
  /// Keep a copy of the record of input or output AIndex.
  void SetInputOptions(int AIndex, const TInputOptions& AOptions);
  void SetOutputOptions(int AIndex, const TOutputOptions& AOptions);
  /// Put a kept record back to the defaults (nothing when none is kept).
  void ResetInputOptions(int AIndex);
  void ResetOutputOptions(int AIndex);
  /// The kept records, nullptr when none is kept.
  const TInputOptions* InputOptions(int AIndex) const { return FInputOptions.at(AIndex).get(); }
  const TOutputOptions* OutputOptions(int AIndex) const { return FOutputOptions.at(AIndex).get(); }
  /// Applies option text (see ::ApplyExtOptions); AForInput lets codec and size options through.
  void ApplyExtOptions(const String& AText, bool AForInput);

  // The option state, as the option records write it.
  void ApplyOption(const String& Name, const String& Value) override { TCustomFFmpeg::ApplyOption(Name, Value); }
  void SetAudioVolume(int Value) override { TCustomFFmpeg::SetAudioVolume(Value); }
  void SetAudioSyncMethod(int Value) override { TCustomFFmpeg::SetAudioSyncMethod(Value); }
  void SetVideoSyncMethod(int Value) override { TCustomFFmpeg::SetVideoSyncMethod(Value); }
  void SetMuxMaxDelay(float Value) override { TCustomFFmpeg::SetMuxMaxDelay(Value); }
  void SetMuxPreload(float Value) override { TCustomFFmpeg::SetMuxPreload(Value); }
  void SetStartTime(Int64 Value) override { TCustomFFmpeg::SetStartTime(Value); }
  void SetTarget(const String& TargetType, const String& Norm, const String& DefaultNorm) override {
    TCustomFFmpeg::SetTarget(TargetType, Norm, DefaultNorm);
  }

  // The run, as the task list drives it (see TCustomFFmpeg).
  virtual TThread* StartConvert(bool AUseThread, TThreadPriority APriority);
  virtual void CancelConvert(bool AWaitFor);
  virtual void Pause();
  virtual void Resume();
  virtual bool Finished() const;
  virtual bool FatalException() const;
  virtual String FatalMessage() const;

  /// Whether the task list has counted this task's end (set under the list's completion lock): a task
  /// reports its end once, whichever run or stop it belongs to.
  std::atomic<bool> EndCounted { false };

protected:
  /// The task's preview window is a TPreviewer.
  std::unique_ptr<IPreviewWindow> CreatePreviewer() override;

private:
  std::vector<std::unique_ptr<TAVProbe>> FAVProbes;
  std::vector<std::unique_ptr<TInputOptions>> FInputOptions;
  std::vector<std::unique_ptr<TOutputOptions>> FOutputOptions;
};
