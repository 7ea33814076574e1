#pragma once
// One conversion task: its input and output files, the settings the options made, and its run, on the
// caller's thread or on a worker thread of its own.
//
// Where its methods live:
//   task/FFmpeg.cpp                life cycle, state, pause gate, codec lists, log and failures
//   task/FFmpegDispatcher.cpp      ApplyOption: which option name does what
//   task/FFmpegOptionHandlers.cpp  one setting per option (codec names, sizes, rates, maps, metadata)
//   task/FFmpegTargets.cpp         options of several values: targets, passes, matrices, presets, bsf
//   task/FFmpegInput.cpp           OpenInputFile and what it reads from the input's streams
//   task/FFmpegOutput.cpp          OpenOutputFile: the muxer, new streams, encoders, join mode
//   transcode/Transcode.cpp        Transcode: the run itself, in a TTranscoder
//   transcode/PictureProcessing.cpp  post hooks and the preview window
#include <array>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

extern "C" {
#include <libavformat/avformat.h>
}

#include "engine/task/FFmpegException.h"
#include "engine/libav/FFmpegLogger.h"
#include "engine/task/FrameHook.h"
#include "engine/task/IPreviewWindow.h"
#include "engine/task/TAVMetaDataMap.h"
#include "engine/task/TAVStreamMap.h"
#include "engine/task/TCodecItem.h"
#include "engine/task/TFFOptions.h"
#include "engine/task/TFFmpegSettings.h"
#include "engine/task/TInputFileContext.h"
#include "engine/task/TOutputFileContext.h"
#include "platform/base/TCriticalSection.h"
#include "platform/base/TEvent.h"
#include "platform/base/TSet.h"
#include "platform/base/TThread.h"

class TBitmap;
class TConvertThread;
class TTranscoder;

/// The outlets that get pictures while a task encodes: the preview window, the preview-bitmap event, and
/// one no outlet serves.
enum TPostHook { phPreview, phBitmap, phHBITMAP };
using TPostHooks = TSet<TPostHook>;

/// Held while a task's preview outlets are read or switched, by every task of the process.
extern TCriticalSection PostHookLock;

/// Lets a picture be painted into before it is encoded; AUpdate False keeps the picture, AStopHook True
/// ends the hook for the rest of the task.
using TCustomHookEvent = std::function<void(TObject* Sender, TBitmap* ABitmap, int AFrameNumber, Int64 APTS,
                                            bool& AUpdate, bool& AStopHook)>;
using TPreviewBitmapEvent = std::function<void(TObject* Sender, TBitmap* ABitmap, int AFrameNumber, Int64 APTS)>;
using TProgressEvent = std::function<void(TObject* Sender, int AFileIndex, int AFrameNumber, int AFPS, float AQuality,
                                          float ABitRate, Int64 ACurrentSize, Int64 ACurrentDuration,
                                          Int64 ATotalDuration)>;

/// A conversion task. It is configured by named options (ApplyOption), each applying to the input or output
/// file opened next (OpenInputFile, OpenOutputFile), then run once (StartConvert). Configuration failures
/// raise FFmpegException or answer by result with LastErrMsg; a run never raises: it records its failure
/// (FatalException, FatalMessage), still closes every codec and file, and ends by firing OnTerminate exactly
/// once. Configuration belongs to one thread; Stop, Pause, Resume and CancelConvert may come from another.
class TCustomFFmpeg : public TObject {
public:
  static constexpr int MaxStreams = 20;  // streams per file

  /// AMaxFiles (1 to 512, else EAssertionFailed) bounds the input and the output files.
  explicit TCustomFFmpeg(int AMaxFiles);
  /// Stops a run and waits for it, then releases everything.
  ~TCustomFFmpeg() override;

  /// Starts the run: on the calling thread, returning when it ended (result nullptr), or with AUseThread on
  /// a new worker of priority APriority that is returned not yet started: the caller starts it. Nothing
  /// happens (nullptr) for a task that runs or ran. A task without an output or an input file ends at once
  /// with "At least one output file must be specified" / "At least one input file must be specified".
  TThread* StartConvert(bool AUseThread, TThreadPriority APriority);
  /// Asks the run to end early: it stops reading, then flushes and writes its files as at a normal end
  /// (Finished stays False). With AWaitFor it waits until the worker's run ended, serving the hand-over
  /// queue on the UI thread. A worker not yet started is started so that it can end.
  void Stop(bool AWaitFor);
  /// Holds a running worker before its next packet, until Resume, Stop or CancelConvert.
  void Pause();
  void Resume();
  /// Ends the task whatever its state: a running one is stopped; one never started still fires its
  /// OnTerminate, from a thread of its own (waited for with AWaitFor); an ended one is left alone.
  void CancelConvert(bool AWaitFor);
  /// Back to the configured state with default settings, no files and fresh option contexts; only while
  /// the transcoder libraries are loaded.
  void ResetTask();

  /// Applies one named option (the name without a leading "-") to the settings. Raises FFmpegException or
  /// EConvertError when the value is refused; a name the task does not know goes to FFmpeg's generic
  /// options, where an unknown name or a bad value is only logged.
  void ApplyOption(const String& Name, const String& Value);
  /// Setters the option records use directly: a negative volume and a delay or preload of 0 or less are
  /// ignored.
  void SetAudioVolume(int Value);
  void SetAudioSyncMethod(int Value);
  void SetVideoSyncMethod(int Value);
  void SetMuxMaxDelay(float Value);
  void SetMuxPreload(float Value);

  /// Opens an input file under the settings and makes it the next input; False with LastErrMsg when it
  /// cannot be opened. The settings then describe the file's streams, so an output opened afterwards
  /// inherits its picture and sound parameters.
  bool OpenInputFile(const String& FileName);
  /// The position the next input starts from, in microseconds; AV_NOPTS_VALUE is ignored.
  void SetStartTime(Int64 Value);
  /// The program the next input keeps (0 = every stream); negative values are ignored.
  void SetProgramID(int Value);
  /// Adds an output file with the streams the settings ask for and returns the number of output files,
  /// or -1 with LastErrMsg. With Join and several inputs, every input is converted into this one file
  /// (join mode; no output can be added after it). Nothing is written to disk before the run.
  int OpenOutputFile(const String& FileName, bool Join);

  /// Target presets, passes, quantiser matrices, statistics file, bitstream filters and encoder presets.
  void SetTarget(const String& TargetType, const String& Norm, const String& DefaultNorm);
  void SetPass(int N);
  void SetIntraMatrix(const String& Text);
  void SetInterMatrix(const String& Text);
  void SetVStatsFile(const String& Name);
  void SetVStats(bool On);
  void AddBitstreamFilter(const String& Kind, const String& Text);
  void ApplyPreset(const String& Kind, const String& Name);
  /// Switches the preview outlets, also while the task runs; switching the preview window off closes it
  /// once a picture it is showing has been shown.
  void SetPostHooks(TPostHooks Hooks);
  TPostHooks PostHooks() const;

  int nb_input_files() const { return Fnb_input_files; }
  int nb_output_files() const { return Fnb_output_files; }
  /// The demuxer context of input AIndex (0 .. nb_input_files - 1).
  AVFormatContext* InputContext(int AIndex) const { return Finput_files.at(AIndex)->Context; }
  /// Output AIndex (0 .. nb_output_files - 1); in join mode every index shows the one output.
  const TOutputFileContext& OutputFile(int AIndex) const { return *Foutput_files.at(AIndex); }
  const TFFmpegSettings& Settings() const { return FSettings; }
  /// The "map" and "map_meta_data" entries given so far, for the run.
  const std::vector<TAVStreamMap>& StreamMaps() const { return Fstream_maps; }
  const std::vector<TAVMetaDataMap>& MetaDataMaps() const { return Fmeta_data_maps; }
  /// The time-stamp scales of input AFile's streams ("itsscale"), 0 = none.
  const std::array<double, MaxStreams>& InputTsScale(int AFile) const { return Finput_files_ts_scale.at(AFile); }
  /// The length the output is expected to have in microseconds, -1 when unknown.
  Int64 TotalOutputDuration() const { return FTotalOutputDuration; }
  bool JoinMode() const { return FJoinMode; }
  /// True once a run ended its reading without Stop.
  bool Finished() const { return FFinished; }
  bool FatalException() const { return FFatalException.load(); }
  String FatalMessage() const;
  const String& LastErrMsg() const { return FLastErrMsg; }

  Int64 ReportInterval { 500000 };  // microseconds between progress reports
  /// Tasks converting at once, this one among them: codecs left to automatic threading share the machine's
  /// cores among them.
  int SimultaneousTasks { 1 };
  /// The thread count of this task's codecs: the settings' count when set, else automatic: the libraries'
  /// own choice while this task runs alone, and its share of the cores (at least one) beside others.
  int CodecThreads() const;
  Int64 PreviewInterval { 100000 };  // microseconds between preview pictures

  TCustomHookEvent OnCustomHook;
  TPreviewBitmapEvent OnPreviewBitmap;
  TProgressEvent OnProgress;
  TNotifyEvent OnTerminate;  // fired once at the end of the task, on the thread that ends it

protected:
  /// The body of a run: reads the inputs and writes the outputs. Failures raise; codecs it opens go
  /// into FEncoderList and FDecoderList (AddCodecItem) so that they are closed whatever happens; it sets
  /// FFinished when its reading ended without Stop.
  virtual void Transcode();
  /// The preview window of the phPreview outlet, made at the first previewed picture; this task has
  /// none (nullptr), so its phPreview outlet shows nothing.
  virtual std::unique_ptr<IPreviewWindow> CreatePreviewer();
  /// For the run, before each packet and between repeated pictures: waits while the task is paused.
  void WaitWhilePaused();
  bool Broken() const { return FBroken.load(); }
  /// Input AIndex and output AIndex, for the run.
  TInputFileContext& MutableInputFile(int AIndex) { return *Finput_files.at(AIndex); }
  TOutputFileContext& MutableOutputFile(int AIndex) { return *Foutput_files.at(AIndex); }

  void AddCodecItem(TCodecList& AList, AVCodecContext** ASlot);
  void RemoveCodecItem(TCodecList& AList, AVCodecContext** ASlot);
  /// Close (free) every codec still in the list, and empty it.
  void CloseEncoderList();
  void CloseDecoderList();

  TCodecList FEncoderList;
  TCodecList FDecoderList;
  std::atomic<bool> FFinished { false };

private:
  friend class TConvertThread;
  friend class TTranscoder;
  class TDoTerminateThread;

  // Life cycle and run
  void InitOptions();
  void CleanUp();
  void RunConvert();
  void TerminateConvert();
  void RecordFailure(const String& AMessage);
  void OpenPauseGate();
  void Log(TLogLevel ALevel, const String& AMessage);
  /// The generic option contexts, made on first use; raises without the transcoder libraries.
  TFFOptions& Options();

  // Option handlers
  bool SetCodecOption(const String& AName, const String& AValue);
  bool SetCodecOptionInt(const String& AName, int AValue);
  void AddMetadata(const String& AKey, const String& AValue);
  Int64 ParseTime(const String& AOptionName, const String& AText, bool AIsDuration);
  void SetRecordingTime(Int64 AValue);
  bool FindCodec(const String& AName, AVMediaType AType, AVCodecID& ACodecId, int AStrict, bool AEncoder);
  void OptFormat(const String& AValue);
  void OptFrameRate(const String& AValue);
  void OptFrameSize(const String& AValue);
  void OptAspect(const String& AValue);
  void OptPixelFormat(const String& AValue);
  void OptSampleFormat(const String& AValue);
  void OptCrop(int& ABand, int& ADimension, int AValue, const char* AOutsideLine);
  void OptBitRate(const String& AName, const String& AValue);
  void OptQScale(double AValue);
  void OptCodecName(AVMediaType AType, String& AName, int& ACopyFlag, const String& AValue);
  void OptCodecTag(uint32_t& ATag, const char* AKindWord, const String& AValue);
  void OptVideoHook(const String& AValue);
  void OptMetadata(const String& AValue);
  void OptMap(const String& AValue);
  void OptMapMetaData(const String& AValue);
  void OptInputTsScale(const String& AValue);
  void OptStreamId(const String& AName, const String& AValue);
  void OptNewStream(AVMediaType AType);

  // Files
  void ReleaseInputNames();
  /// The message refusing the output AFileName when it is the same file as an input of the task (also
  /// through a link); empty when it is none.
  String InputWrittenOver(const String& AFileName) const;
  void ReadInputStreams(AVFormatContext* AContext, TInputFileContext& AInput);
  void TakeVideoSettings(const AVStream* AStream, const AVCodecContext* ADecoder);
  void check_audio_video_sub_inputs(bool& HasVideo, bool& HasAudio, bool& HasSubtitle, bool FirstOnly);
  void new_video_stream(TOutputFileContext& AOutput, int AFileIndex);
  void new_audio_stream(TOutputFileContext& AOutput, int AFileIndex);
  void new_subtitle_stream(TOutputFileContext& AOutput, int AFileIndex);
  TOutputFileContext::TStream& NewStream(TOutputFileContext& AOutput);
  const AVCodec* ChooseEncoder(TOutputFileContext& AOutput, AVMediaType AType, const String& AName, AVCodecID& ACodecId,
                               const AVCodec*& ANamed);
  void FinishStream(TOutputFileContext::TStream& AStream, String& ALanguage);
  int LastOutputIndex() const;
  void SetupJoin();

  const int FMaxFiles;
  TFFmpegSettings FSettings;
  TFFOptions FOptions;

  std::vector<std::unique_ptr<TInputFileContext>> Finput_files;  // FMaxFiles slots
  std::vector<Int64> Finput_files_ts_offset;                     // microseconds, per input
  std::vector<std::array<double, MaxStreams>> Finput_files_ts_scale;  // per input and stream, 0 = none
  std::vector<const AVCodec*> Finput_codecs;                     // decoder named for each input stream, in order
  std::vector<std::shared_ptr<TOutputFileContext>> Foutput_files;  // FMaxFiles slots; join repeats one
  std::vector<const AVCodec*> Foutput_codecs;                    // encoder named for each output stream, in order
  std::vector<std::array<TBitstreamFilterChain, MaxStreams>> Fbitstream_filters;  // per output and stream
  std::vector<TAVStreamMap> Fstream_maps;                        // at most FMaxFiles * MaxStreams
  std::vector<TAVMetaDataMap> Fmeta_data_maps;                   // at most FMaxFiles
  int Fnb_input_files { 0 };
  int Fnb_output_files { 0 };

  std::unique_ptr<TConvertThread> FWorker;
  std::unique_ptr<TDoTerminateThread> FTerminateThread;
  TEvent FStopEvent { true, true };  // signalled while no worker runs
  TEvent FTermEvent { true, true };  // signalled while no terminate thread runs
  TCriticalSection FStateLock;       // start, cancel and termination one at a time
  std::mutex FPauseLock;
  std::condition_variable FPauseChanged;
  bool FPaused { false };

  /// Stores Hooks, forgetting the preview window when phPreview goes; the window comes back to be freed
  /// by the caller once it no longer holds PostHookLock. The caller holds PostHookLock.
  std::shared_ptr<IPreviewWindow> ChangePostHooks(TPostHooks Hooks);

  TPostHooks FPostHooks;                   // under PostHookLock
  PFrameHookEntry FFirstHook { nullptr };  // the task's video-hook plug-in chain
  std::shared_ptr<IPreviewWindow> FPreviewer;  // under PostHookLock; a picture being shown keeps its own reference
  bool FJoinMode { false };
  bool FConverting { false };
  std::atomic<bool> FBroken { false };
  bool FTerminated { false };
  std::atomic<bool> FFatalException { false };
  String FFatalMessage;
  mutable std::mutex FFatalLock;     // FatalMessage may be read while the worker records it
  Int64 FTotalOutputDuration { -1 };
  String FLastErrMsg;
};
