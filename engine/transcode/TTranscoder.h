#pragma once
// One run of a conversion task: the working tables made from its opened files, the read loop, decoding,
// audio and video output, filters, subtitles, packet writing and progress.
#include <array>
#include <cstdio>
#include <deque>
#include <memory>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include "engine/libav/AVHandles.h"
#include "engine/transcode/TAVInputFile.h"
#include "engine/transcode/TAVInputStream.h"
#include "engine/transcode/TAVOutputStream.h"
#include "engine/transcode/TMuxedStream.h"
#include "engine/libav/TRGBConvertContext.h"
#include "engine/transcode/TSampleBuffer.h"

class TCustomFFmpeg;
struct TFFmpegSettings;

/// The body of a task's run. Run sets up the tables, reads every input, writes every output and closes
/// its codecs; a stopped run still flushes and writes its trailers. Failures raise FFmpegException and
/// leave the codecs opened so far in the task's codec lists. Everything the run allocated goes with the
/// object, also when it ends by an exception.
class TTranscoder {
public:
  explicit TTranscoder(TCustomFFmpeg& ATask);
  ~TTranscoder();
  TTranscoder(const TTranscoder&) = delete;
  TTranscoder& operator=(const TTranscoder&) = delete;

  void Run();

private:
  // Set-up (TranscodeSetup.cpp)
  void Setup();
  void BuildInputTables();
  void BuildOutputTables();
  void MapStreams();
  int DefaultSource(int AFile, const AVStream* AOutput) const;
  void SetupCodecs();
  void SetupCopy(TAVOutputStream& AOst, TAVInputStream& AIst);
  void SetupAudioEncoding(TAVOutputStream& AOst, TAVInputStream& AIst);
  void SetupVideoEncoding(TAVOutputStream& AOst, TAVInputStream& AIst);
  void SetupTwoPass(TAVOutputStream& AOst, int AIndex);
  void SetupBitstreamFilters();
  void OpenEncoders();
  void OpenEncoder(TAVOutputStream& AOst, int AIndex);
  void ReopenEncoder(TAVOutputStream& AOst, int AIndex);
  void PrepareEncoder(TAVOutputStream& AOst);
  int OpenCodec(TAVOutputStream& AOst, const AVCodec* ACodec);
  void OpenDecoders();
  void OpenDecoder(TAVInputStream& AIst);
  void InitTimes();
  void CopyMetadataMaps();
  void CopyChapters();
  /// Where input AFile begins in the output (µs): 0, or in join mode the expected end of the inputs before it.
  Int64 JoinedStart(int AFile) const;
  void WriteHeaders();
  void PrintStreamMapping();
  [[noreturn]] void FailAfterMapping(const String& AMessage);
  int OutputFileCount() const;

  // Main loop and join mode (TranscodeLoop.cpp)
  void ReadLoop();
  int ChooseInputFile(const std::vector<bool>& ANoPacket);
  int ChooseJoinedFile(int ACurrent);
  /// Gives a progress report when the report interval has passed since the last one.
  void ReportProgressWhenDue(int AFile);
  /// Logs a warning when an input's streams ended well before the file said they would (a cut file).
  void WarnOfEarlyEnd(int AFile);
  bool FeedsOutput(const TAVInputStream& AIst) const;

  // Time line of the input streams (TimeLine.cpp)
  /// Moves APacket's times onto the run's time line: the task's offset and scale, and the discontinuities
  /// its stream continues across.
  void AdjustTimestamps(TAVInputStream& AIst, int AFile, AVPacket* APacket);
  /// How far (µs) AIst starts after the earliest stream of its file, when that is a gap the output does
  /// not fill; 0 otherwise.
  Int64 LeadBeyondGap(const TAVInputStream& AIst) const;
  /// Whether ATime (µs, the run's time line) lies within a fillable gap of another running stream's clock.
  bool NearAnotherClock(const TAVInputStream& AIst, Int64 ATime) const;
  /// Whether AOst ended its recording, ending it when ATime (µs) is past the recording's end.
  bool PastRecordingTime(TAVOutputStream& AOst, Int64 ATime);
  bool EndOfJoinedFile(int AFile);
  void Finish();
  void CloseCodecs();

  // Packet step (PacketStep.cpp)
  int ProcessPacket(TAVInputStream& AIst, const AVPacket* APacket);
  int DecodeFrames(TAVInputStream& AIst, const AVPacket* APacket);
  void AdvanceClock(TAVInputStream& AIst, const AVPacket* APacket);
  void OutputAudioFrame(TAVInputStream& AIst, AVFrame* AFrame);
  void OutputVideoFrame(TAVInputStream& AIst, AVFrame* AFrame);
  void OutputPicture(TAVOutputStream& AOst, TAVInputStream& AIst, const AVFrame* AFrame);
  void OutputSubtitle(TAVInputStream& AIst, const AVPacket* APacket, AVSubtitle& ASubtitle);
  void CopyPacket(TAVOutputStream& AOst, const TAVInputStream& AIst, const AVPacket* APacket);
  void EmulateRate(const TAVInputStream& AIst) const;
  bool StartReached(const TAVInputStream& AIst) const;
  /// The time a decoded frame is heard or shown at (µs): its own time stamp, else the input clock.
  Int64 FrameTime(const TAVInputStream& AIst, const AVFrame* AFrame) const;
  int IndexOf(const TAVInputStream& AIst) const;
  void DrainEncoders(TAVInputStream& AIst);

  // Audio output (AudioOutput.cpp)
  void do_audio_out(TAVOutputStream& AOst, TAVInputStream& AIst, const AVFrame* AFrame);
  void ApplyVolume(AVFrame* AFrame) const;
  void PrepareResampler(TAVOutputStream& AOst, const AVFrame* AFrame);
  void EncodeAudioFifo(TAVOutputStream& AOst, bool AFinal);

  // Video output (VideoOutput.cpp)
  int WriteVideoFrame(TAVOutputStream& AOst, TAVInputStream& AIst, const AVFrame* AFrame);
  int FrameCount(TAVOutputStream& AOst);
  const AVFrame* CropAndScale(TAVOutputStream& AOst, TAVInputStream& AIst, const AVFrame* AFrame);
  void FollowInputSize(TAVOutputStream& AOst, const TAVInputStream& AIst, const AVFrame* AFrame);

  // Picture pre-processing, hooks and preview outlets (PictureProcessing.cpp)
  void PreprocessVideoFrame(TAVInputStream& AIst, AVFrame* AFrame);
  void RunCustomHook(AVFrame* AFrame, Int64 APTS);
  void RunPostHooks(const AVFrame* AFrame, Int64 APTS);

  // Video filter graph (VideoFilterGraph.cpp)
  bool BuildFilterGraph(TAVInputStream& AIst, TAVOutputStream& AOst);
  void FilterVideoFrame(TAVOutputStream& AOst, TAVInputStream& AIst, const AVFrame* AFrame, Int64 APTS);

  // Subtitle output (SubtitleOutput.cpp)
  void WriteSubtitle(TAVOutputStream& AOst, const TAVInputStream& AIst, Int64 APTS, const AVSubtitle& ASubtitle);

  // Packet writing (PacketWriter.cpp)
  int EncodeFrame(TAVOutputStream& AOst, const AVFrame* AFrame);
  void WritePacket(TAVOutputStream& AOst, AVPacket* APacket);
  void WriteFiltered(TAVOutputStream& AOst, AVPacket* APacket, size_t AFilter);
  void Interleave(TAVOutputStream& AOst, AVPacket* APacket);
  /// The filter that rewrites a copied stream's codec headers for its output, or nullptr.
  const char* HeaderFilter(const TAVOutputStream& AOst) const;

  // Progress and statistics (Progress.cpp)
  void ReportProgress(bool ALastReport, int AFileIndex);
  void WriteVideoStats(const TAVOutputStream& AOst, int AFrameSize);

  TCustomFFmpeg& FTask;
  TFFmpegSettings& S;

  std::vector<TAVInputFile> Finput_file_table;
  std::vector<std::unique_ptr<TAVInputStream>> Fist_table;
  std::vector<std::unique_ptr<TAVOutputStream>> Fost_table;
  std::deque<TMuxedStream> FMuxedStreams;
  int Fnb_ostreams_file0 { 0 };  // streams of output file 0: the size of a block in join mode

  TAVPacketHandle FPacket;         // the packet being read or written
  TAVPacketHandle FEncoded;        // packets received from encoders
  TAVFrameHandle FDecoded;         // frames received from decoders
  TAVFrameHandle FFiltered;        // frames taken from a filter graph
  TAVFrameHandle FAudioFrame;      // encoder-sized audio frames taken from a FIFO
  TAVFrameHandle FPicture;         // the picture handed to a video encoder
  TAVFrameHandle FCropped;         // a view of the cropped part of a decoded picture
  TAVFrameHandle FFeed;            // a picture on its way into a filter graph
  TSampleBuffer Faudio_buf;              // converted audio
  TSampleBuffer Finput_tmp;              // input audio with silence in front
  std::vector<uint8_t> FSubtitleBuf;     // encoded subtitles, made at the first one

  Int64 Ftimer_start { 0 };
  Int64 FLastReport { 0 };               // when the last progress report ended (µs, relative clock)
  double FReportedTime { 0 };            // the converted time of the last progress report (s)
  Int64 Fvideo_size { 0 };
  Int64 Faudio_size { 0 };
  Int64 Fextra_size { 0 };
  int Fnb_frames_dup { 0 };
  int Fnb_frames_drop { 0 };
  bool FShowDupOrDrop { false };
  std::array<int, 52> Fqp_hist {};
  FILE* Fvstats_file { nullptr };

  TAVFrameHandle FHookFrame;       // the picture deinterlacing and the custom hook work on
  int FHookFrameNumber { 0 };
  TRGBConvertContext FHookContext;
  TRGBConvertContext FPostContext;
  Int64 Fpreview_last_time { 0 };
};
