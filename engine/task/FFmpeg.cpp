#include "engine/task/FFmpeg.h"

#include <algorithm>
#include <thread>

#include "engine/libav/FFmpegLoader.h"
#include "engine/libav/MyUtils.h"
#include "engine/tasklist/TConvertThread.h"
#include "engine/libav/TServingLock.h"
#include "platform/base/Exception.h"
#include "platform/base/MainThread.h"

namespace {

/// Signals an event when the block ends, however it ends.
struct TSignalOnExit {
  TEvent& Event;
  ~TSignalOnExit() { Event.SetEvent(); }
};

}  // namespace

/// Ends a task that never ran: fires its termination from a thread of its own, as a run would.
class TCustomFFmpeg::TDoTerminateThread : public TThread {
public:
  explicit TDoTerminateThread(TCustomFFmpeg* AOwner) : FOwner(AOwner) {}
  ~TDoTerminateThread() override { TerminateAndWait(); }

protected:
  void Execute() override {
    TSignalOnExit Signal { FOwner->FTermEvent };
    FOwner->TerminateConvert();
  }

private:
  TCustomFFmpeg* FOwner;
};

TCustomFFmpeg::TCustomFFmpeg(int AMaxFiles) : FMaxFiles(AMaxFiles) {
  if (AMaxFiles < 1 || AMaxFiles > 512) throw EAssertionFailed("Assertion failure");
  Finput_files.resize(FMaxFiles);
  Finput_files_ts_offset.assign(FMaxFiles, 0);
  Finput_files_ts_scale.assign(FMaxFiles, {});
  Foutput_files.resize(FMaxFiles);
  Fbitstream_filters.resize(FMaxFiles);
  InitOptions();
}

TCustomFFmpeg::~TCustomFFmpeg() {
  Stop(true);
  FWorker.reset();
  FTerminateThread.reset();
  CleanUp();
}

TThread* TCustomFFmpeg::StartConvert(bool AUseThread, TThreadPriority APriority) {
  {
    TServingLock Lock(FStateLock);
    if (FConverting || FTerminated || FTerminateThread) return nullptr;
    FConverting = true;
    FBroken = false;
    FFinished = false;
  }
  const char* Missing = Fnb_output_files <= 0 ? "At least one output file must be specified"
                        : Fnb_input_files == 0 ? "At least one input file must be specified"
                                               : nullptr;
  if (Missing) {
    CleanUp();
    RecordFailure(Missing);
    TerminateConvert();
    return nullptr;
  }
  if (!AUseThread) {
    RunConvert();
    return nullptr;
  }
  // The stop event is reset before the worker exists, so a Stop that waits never sees it set early.
  FStopEvent.ResetEvent();
  FWorker = std::make_unique<TConvertThread>(this);
  FWorker->SetPriority(APriority);
  return FWorker.get();
}

void TCustomFFmpeg::Stop(bool AWaitFor) {
  FBroken = true;
  if (!FWorker) return;
  FWorker->Resume();
  OpenPauseGate();
  // A handler running on the worker itself cannot wait for the worker's end.
  if (AWaitFor && GetCurrentThreadId() != FWorker->ThreadID()) FStopEvent.WaitFor();
}

void TCustomFFmpeg::Pause() {
  TServingLock Lock(FStateLock);
  if (!FWorker || !FConverting) return;
  std::lock_guard Gate(FPauseLock);
  FPaused = true;
}

void TCustomFFmpeg::Resume() { OpenPauseGate(); }

void TCustomFFmpeg::CancelConvert(bool AWaitFor) {
  bool Running = false;
  {
    TServingLock Lock(FStateLock);
    if (FConverting) Running = true;
    else if (FTerminated || FTerminateThread) return;
    else {
      FTermEvent.ResetEvent();
      FTerminateThread = std::make_unique<TDoTerminateThread>(this);
      FTerminateThread->Start();
    }
  }
  if (Running) Stop(AWaitFor);
  else if (AWaitFor) FTermEvent.WaitFor();
}

void TCustomFFmpeg::ResetTask() {
  if (!FFLoader.Loaded(TranscoderLibraries)) return;
  FWorker.reset();
  FTerminateThread.reset();
  CleanUp();
  InitOptions();
  {
    TServingLock Lock(FStateLock);
    FJoinMode = false;
    FConverting = false;
    FBroken = false;
    FFinished = false;
    FTerminated = false;
  }
  FTotalOutputDuration = -1;
  FOptions.Allocate(int(FSettings.Fsws_flags));
}

String TCustomFFmpeg::FatalMessage() const {
  std::lock_guard Lock(FFatalLock);
  return FFatalMessage;
}

int TCustomFFmpeg::CodecThreads() const {
  if (FSettings.Fthread_count > 0) return FSettings.Fthread_count;
  if (SimultaneousTasks <= 1) return 0;
  return std::max(1, int(std::thread::hardware_concurrency()) / SimultaneousTasks);
}

void TCustomFFmpeg::WaitWhilePaused() {
  std::unique_lock Gate(FPauseLock);
  FPauseChanged.wait(Gate, [this] { return !FPaused; });
}

void TCustomFFmpeg::OpenPauseGate() {
  {
    std::lock_guard Gate(FPauseLock);
    FPaused = false;
  }
  FPauseChanged.notify_all();
}

void TCustomFFmpeg::AddCodecItem(TCodecList& AList, AVCodecContext** ASlot) { AList.push_front({ ASlot }); }

void TCustomFFmpeg::RemoveCodecItem(TCodecList& AList, AVCodecContext** ASlot) {
  AList.remove_if([ASlot](const TCodecItem& AItem) { return AItem.Slot == ASlot; });
}

void TCustomFFmpeg::CloseEncoderList() {
  for (TCodecItem& Item : FEncoderList) FreeCodecContext(Item.Slot);
  FEncoderList.clear();
}

void TCustomFFmpeg::CloseDecoderList() {
  for (TCodecItem& Item : FDecoderList) FreeCodecContext(Item.Slot);
  FDecoderList.clear();
}

void TCustomFFmpeg::InitOptions() {
  FSettings = {};
  FFatalException = false;
}

void TCustomFFmpeg::CleanUp() {
  // Everything here was made through the libraries' entry points, which stay bound once bound, so it can
  // be released whatever the loader reports now.
  FOptions.Free();
  ReleaseFrameHooks(FFirstHook);
  // Join mode repeats one output in several slots; it goes with its last slot.
  for (int I = 0; I < Fnb_output_files; ++I) Foutput_files[I].reset();
  Fnb_output_files = 0;
  Foutput_codecs.clear();
  for (auto& Chains : Fbitstream_filters) Chains = {};
  for (int I = 0; I < Fnb_input_files; ++I) Finput_files[I].reset();
  Fnb_input_files = 0;
  Finput_codecs.clear();
  Finput_files_ts_offset.assign(FMaxFiles, 0);
  Finput_files_ts_scale.assign(FMaxFiles, {});
  Fstream_maps.clear();
  Fmeta_data_maps.clear();
  FSettings.Fintra_matrix.clear();
  FSettings.Finter_matrix.clear();
  FSettings.Fvstats_filename.clear();
  FSettings.Fvideo_codec_name.clear();
  FSettings.Faudio_codec_name.clear();
  FSettings.Faudio_codec_for_libfaac = false;
  FSettings.Fsubtitle_codec_name.clear();
  FSettings.Fvideo_standard.clear();
  FSettings.Fvideo_rc_override_string.clear();
  FSettings.Fvideo_language.clear();
  FSettings.Faudio_language.clear();
  FSettings.Fsubtitle_language.clear();
  FSettings.Fsubtitle_codec_tag = 0;
  // The window closes outside the lock: closing it is work for the user-interface thread.
  std::shared_ptr<IPreviewWindow> Previewer;
  {
    TServingLock Lock(PostHookLock);
    Previewer = std::move(FPreviewer);
  }
}

void TCustomFFmpeg::RunConvert() {
  FFinished = false;
  // Each step has its own failure boundary, so a failed transcode still closes its codecs, releases its
  // files and ends the task once.
  const auto Guarded = [this](const auto& AStep) {
    try {
      AStep();
    } catch (const std::exception& E) {
      RecordFailure(E.what());
    }
  };
  Guarded([this] { Transcode(); });
  Guarded([this] { CloseEncoderList(); });
  Guarded([this] { CloseDecoderList(); });
  Guarded([this] { CleanUp(); });
  Guarded([this] { TerminateConvert(); });
}

void TCustomFFmpeg::TerminateConvert() {
  {
    TServingLock Lock(FStateLock);
    if (FTerminated) return;
    FConverting = false;
    FTerminated = true;
  }
  if (OnTerminate) OnTerminate(this);
}

void TCustomFFmpeg::RecordFailure(const String& AMessage) {
  Log(llQuiet, AMessage);
  {
    std::lock_guard Lock(FFatalLock);
    FFatalMessage = AMessage;
  }
  FFatalException = true;
}

TFFOptions& TCustomFFmpeg::Options() {
  if (!FOptions.FormatHolder()) {
    if (!FFLoader.Loaded(TranscoderLibraries)) throw FFmpegException("libav not loaded.");
    FOptions.Allocate(int(FSettings.Fsws_flags));
  }
  return FOptions;
}

void TCustomFFmpeg::Log(TLogLevel ALevel, const String& AMessage) { GlobalLogger()->Log(this, ALevel, AMessage); }
