#include "engine/player/PlayerStream.h"

#include <climits>
#include <cmath>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVHandles.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/FFUtils.h"
#include "engine/libav/MyUtils.h"
#include "engine/player/PlayerAudioOutput.h"
#include "engine/player/PlayerClocks.h"
#include "engine/player/PlayerDecoders.h"
#include "engine/player/PlayerPictureQueue.h"
#include "engine/player/PlayerVideoOutput.h"
#include "engine/libav/TCodecLockScope.h"
#include "engine/player/TPlaybackHost.h"
#include "engine/libav/UnicodeProtocol.h"
#include "engine/libav/libsdl.h"
#include "platform/base/MainThread.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TThread.h"

namespace {

/// All queued packets together stay below this.
constexpr int MAX_QUEUE_SIZE = 15 * 1024 * 1024;
/// A queue holding more than this has enough to go on with.
constexpr int MIN_AUDIOQ_SIZE = 20 * 16 * 1024;
constexpr int MIN_FRAMES = 5;


/// FFmpeg's interrupt callback: a read in progress gives up once the playback is ending.
int DecodeInterrupt(void* AOpaque) { return static_cast<TVideoState*>(AOpaque)->abort_request ? 1 : 0; }

/// Whether stream ACandidate is a better default than the best so far (AIncumbent, earlier in the file):
/// the one marked default, then the one with more frames, then the higher bit rate.
bool BetterDefault(const AVStream* ACandidate, const AVStream* AIncumbent) {
  const bool CandidateDefault = ACandidate->disposition & AV_DISPOSITION_DEFAULT;
  const bool IncumbentDefault = AIncumbent->disposition & AV_DISPOSITION_DEFAULT;
  if (CandidateDefault != IncumbentDefault) return CandidateDefault;
  if (ACandidate->nb_frames != AIncumbent->nb_frames) return ACandidate->nb_frames > AIncumbent->nb_frames;
  return ACandidate->codecpar->bit_rate > AIncumbent->codecpar->bit_rate;
}

/// The stream of each media type to play: the wanted one of its type when the player names one (its
/// ordinal among the streams of that type), else the best default.
void ChooseStreams(TVideoState& AState, int AChosen[AVMEDIA_TYPE_NB]) {
  const TPlaybackHost& Player = *AState.Owner;
  int Count[AVMEDIA_TYPE_NB] {};
  for (unsigned I = 0; I < AState.ic->nb_streams; ++I) {
    AVStream* Stream = AState.ic->streams[I];
    Stream->discard = AVDISCARD_ALL;
    const int Type = Stream->codecpar->codec_type;
    if (Type < 0 || Type >= AVMEDIA_TYPE_NB) continue;
    const int Ordinal = Count[Type]++;
    if (Player.Fwanted_stream[Type] >= 0 && Player.Fwanted_stream[Type] != Ordinal) continue;
    if (AChosen[Type] < 0 || BetterDefault(Stream, AState.ic->streams[AChosen[Type]])) AChosen[Type] = int(I);
  }
  if (Player.Fvideo_disable) AChosen[AVMEDIA_TYPE_VIDEO] = AChosen[AVMEDIA_TYPE_SUBTITLE] = -1;
  if (Player.Faudio_disable) AChosen[AVMEDIA_TYPE_AUDIO] = -1;
}

/// Opens the file, reads its streams and opens the chosen decoders; false with LastErrMsg set.
bool OpenInput(TVideoState& AState) {
  TPlaybackHost& Player = *AState.Owner;
  if (const String Refusal = InputRefusal(AState.filename); !Refusal.empty()) {
    Player.SetLastErrMsg(AState.filename + ": " + Refusal);
    return false;
  }
  AVFormatContext* Context = LibAVFormat.avformat_alloc_context();
  if (!Context) {
    Player.SetLastErrMsg(ErrorText(AState.filename, AVERROR(ENOMEM)));
    return false;
  }
  Context->interrupt_callback = { DecodeInterrupt, &AState };
  AVDictionary* Options = nullptr;
  if (Player.FFrameWidth > 0 && Player.FFrameHeight > 0)
    LibAVUtil.av_dict_set(&Options, "video_size", Format("%dx%d", Player.FFrameWidth, Player.FFrameHeight).c_str(), 0);
  if (Player.Fframe_pix_fmt >= 0)
    if (const char* Name = LibAVUtil.av_get_pix_fmt_name(AVPixelFormat(Player.Fframe_pix_fmt)))
      LibAVUtil.av_dict_set(&Options, "pixel_format", Name, 0);
  LibAVUtil.av_dict_set(&Options, "framerate", "25", 0);
  // A failed open frees the context.
  const int Opened = UnicodeOpenInput(&Context, AState.filename, AState.iformat, &Options);
  LibAVUtil.av_dict_free(&Options);
  if (Opened < 0) {
    Player.SetLastErrMsg(ErrorText(AState.filename, Opened));
    return false;
  }
  AState.ic = Context;
  if (Player.genpts) Context->flags |= AVFMT_FLAG_GENPTS;
  int Found;
  {
    TCodecLockScope Lock;
    Found = LibAVFormat.avformat_find_stream_info(Context, nullptr);
  }
  if (Found < 0) {
    Player.SetLastErrMsg(Format("%s: could not find codec parameters", AState.filename));
    return false;
  }
  if (Context->pb) Context->pb->eof_reached = 0;
  if (Player.seek_by_bytes < 0) Player.seek_by_bytes = Context->iformat->flags & AVFMT_TS_DISCONT ? 1 : 0;
  const String Demuxer = Context->iformat->name;
  AState.IsImage2 = Demuxer == "image2";
  AState.IsDevice = Demuxer == "vfwcap" || Demuxer == "vfwcapture";
  AState.StartTime = Context->start_time != AV_NOPTS_VALUE ? Context->start_time : 0;
  AState.Duration = Context->duration != AV_NOPTS_VALUE ? Context->duration : -1;
  if (Player.start_time != AV_NOPTS_VALUE) {
    const Int64 Target = Player.start_time + (Context->start_time != AV_NOPTS_VALUE ? Context->start_time : 0);
    if (LibAVFormat.avformat_seek_file(Context, -1, INT64_MIN, Target, INT64_MAX, 0) < 0)
      Player.ReportError(Format("%s: could not seek to position %0.3f", AState.filename, double(Target) / AV_TIME_BASE),
                         false);
  }
  int Chosen[AVMEDIA_TYPE_NB] = { -1, -1, -1, -1, -1 };
  ChooseStreams(AState, Chosen);
  if (Chosen[AVMEDIA_TYPE_AUDIO] >= 0) OpenStreamComponent(AState, Chosen[AVMEDIA_TYPE_AUDIO]);
  if (Chosen[AVMEDIA_TYPE_VIDEO] >= 0) OpenStreamComponent(AState, Chosen[AVMEDIA_TYPE_VIDEO]);
  // Without a picture the display shows the sound: the chosen display for a file that has no video, the
  // spectrum when its video cannot be decoded.
  if (AState.video_stream < 0 && !Player.Fdisplay_disable)
    AState.show_audio = Chosen[AVMEDIA_TYPE_VIDEO] >= 0 ? saRDFT : Player.FShowAudio.load();
  if (Chosen[AVMEDIA_TYPE_SUBTITLE] >= 0) OpenStreamComponent(AState, Chosen[AVMEDIA_TYPE_SUBTITLE]);
  if (AState.video_stream < 0 && AState.audio_stream < 0) {
    Player.SetLastErrMsg(Format("%s: could not open codecs, no stream to play.", AState.filename));
    return false;
  }
  return true;
}

void FlushForSeek(TPacketQueue& AQueue) {
  AQueue.Flush();
  AQueue.Put(FlushPacket());
}

/// Carries out the pending seek request.
void DoSeek(TVideoState& AState) {
  TPlaybackHost& Player = *AState.Owner;
  const Int64 Target = AState.seek_pos, Relative = AState.seek_rel;
  const Int64 Least = Relative > 0 ? Target - Relative + 2 : INT64_MIN;
  const Int64 Most = Relative < 0 ? Target - Relative - 2 : INT64_MAX;
  int Sought = LibAVFormat.avformat_seek_file(AState.ic, -1, Least, Target, Most, AState.seek_flags);
  if (Sought < 0) Sought = LibAVFormat.av_seek_frame(AState.ic, -1, Target, AState.seek_flags);
  if (Sought < 0) Sought = LibAVFormat.av_seek_frame(AState.ic, -1, Target, AState.seek_flags ^ AVSEEK_FLAG_BACKWARD);
  if (Sought < 0) {
    Player.ReportError(Format("%s: error while seeking", AState.filename), false);
    if (AState.video_stream >= 0) Player.FPictEvent.SetEvent();
  } else {
    // Marked before the queues are flushed, so the display drops every picture from before the seek.
    if (AState.video_stream >= 0) AState.seek_flushed = 0;
    AState.seek_done = 1;
    std::lock_guard Lock(AState.stream_lock);
    if (AState.audio_stream >= 0) FlushForSeek(AState.audioq);
    if (AState.subtitle_stream >= 0) FlushForSeek(AState.subtitleq);
    if (AState.video_stream >= 0) {
      FlushForSeek(AState.videoq);
      Player.FPictEvent.ResetEvent();
    }
  }
  AState.ErrorEOF = 0;
  AState.ReachEOF = 0;
  // The end may be reached, and reported, again.
  AState.EventEOF = 0;
  AState.seek_req = 0;
  AState.seek_done = 1;
  Player.FSeekEvent.SetEvent();
  if (AState.video_stream < 0) Player.FSeeking = false;
}

bool QueuesFull(const TVideoState& AState) {
  if (AState.audioq.size + AState.videoq.size + AState.subtitleq.size > MAX_QUEUE_SIZE) return true;
  return (AState.audioq.size > MIN_AUDIOQ_SIZE || AState.audio_stream < 0) &&
         (AState.videoq.nb_packets > MIN_FRAMES || AState.video_stream < 0) &&
         (AState.subtitleq.nb_packets > MIN_FRAMES || AState.subtitle_stream < 0);
}

/// Reads packets into the queues until the playback ends, carrying out seeks and pause changes.
void ReadLoop(TVideoState& AState) {
  TPlaybackHost& Player = *AState.Owner;
  const TAVPacketHandle Packet(LibAVCodec.av_packet_alloc());
  bool Eof = false;
  bool EndQueued = false;  // the video decoder was told the input ended
  while (Packet && !AState.abort_request) {
    if (AState.paused != AState.last_paused) {
      AState.last_paused = AState.paused;
      if (AState.paused) AState.read_pause_return = LibAVFormat.av_read_pause(AState.ic);
      else LibAVFormat.av_read_play(AState.ic);
    }
    if (AState.seek_req) {
      DoSeek(AState);
      Eof = EndQueued = false;
    }
    if (QueuesFull(AState)) {
      Sleep(10);
      continue;
    }
    if (Eof || (AState.ic->pb && LibAVFormat.avio_feof(AState.ic->pb))) {
      if (AState.video_stream >= 0) {
        // One empty packet lets the decoder give up its last pictures; more would only pile up while paused.
        if (!EndQueued) {
          LibAVCodec.av_packet_unref(Packet);
          std::lock_guard Lock(AState.stream_lock);
          Packet->stream_index = AState.video_stream;
          if (AState.video_stream >= 0) AState.videoq.Put(Packet);
          EndQueued = true;
        }
        Player.FPictEvent.SetEvent();
      }
      Sleep(10);
      // The end comes once the last picture is on screen, not when the decoder took the last packet.
      if (AState.audioq.size + AState.videoq.size + AState.subtitleq.size == 0 && AllPicturesShown(AState))
        AState.ReachEOF = 1;
      continue;
    }
    AState.Reading = 1;
    const int Read = LibAVFormat.av_read_frame(AState.ic, Packet);
    AState.Reading = 0;
    if (AState.abort_request) break;
    if (Read < 0) {
      if (Read == AVERROR(EAGAIN)) {
        Sleep(10);
        continue;
      }
      if (AState.video_stream >= 0) Player.FPictEvent.SetEvent();
      if (!AState.IsImage2 && !AState.ErrorEOF) {
        AState.ErrorEOF = 1;
        if (Read == AVERROR_EOF) Player.LogMessage(llInfo, Format("reach end of file: %s", AState.filename));
        else Player.ReportError(Format("error #%d while reading file: %s", Read, AState.filename), false);
      }
      if (Read == AVERROR_EOF) Eof = true;
      if (AState.ic->pb && AState.ic->pb->error) break;
      Sleep(100);
      continue;
    }
    {
      // A stream switch closes and opens queues: the packet goes to the queue of the stream played now.
      std::lock_guard Lock(AState.stream_lock);
      if (Packet->stream_index == AState.audio_stream) AState.audioq.Put(Packet);
      else if (Packet->stream_index == AState.video_stream) AState.videoq.Put(Packet);
      else if (Packet->stream_index == AState.subtitle_stream) AState.subtitleq.Put(Packet);
    }
    LibAVCodec.av_packet_unref(Packet);
  }
}

int ReadThread(void* AOpaque) {
  TVideoState& State = *static_cast<TVideoState*>(AOpaque);
  TPlaybackHost& Player = *State.Owner;
  if (OpenInput(State)) {
    State.Opened = 1;
    ReadLoop(State);
    while (!State.abort_request) Sleep(100);
  }
  if (State.Opened != 1) State.Opened = -1;
  {
    std::lock_guard Lock(State.stream_lock);
    CloseStreamComponent(State, State.audio_stream);
    CloseStreamComponent(State, State.video_stream);
    CloseStreamComponent(State, State.subtitle_stream);
  }
  if (State.ic) {
    Player.DetachProbe();
    UnicodeCloseInput(&State.ic);
  }
  if (State.Opened == -1) State.Opened = -2;
  return 0;
}

void DestroyQueueLocks(TVideoState& AState) {
  LibSDL.SDL_DestroyMutex(AState.pictq_mutex);
  LibSDL.SDL_DestroyCond(AState.pictq_cond);
  LibSDL.SDL_DestroyMutex(AState.subpq_mutex);
  LibSDL.SDL_DestroyCond(AState.subpq_cond);
  AState.pictq_mutex = AState.subpq_mutex = nullptr;
  AState.pictq_cond = AState.subpq_cond = nullptr;
}

/// Waits in 100 ms slices (serving on the user-interface thread) until AEvent is set or the playback ended.
void WaitWhilePlaying(TVideoState& AState, TEvent& AEvent) {
  while (AEvent.WaitFor(100) != wrSignaled) {
    if (AState.abort_request || !AState.Owner->Plays(AState)) return;
    ServeWhileWaiting();
  }
}

/// What a new engine thread runs and where it reports its end.
struct TThreadStart {
  int (*Function)(void*);
  TVideoState* State;
  TEngineThread* Thread;
};

int RunEngineThread(void* AStart) {
  const TThreadStart Start = *static_cast<TThreadStart*>(AStart);
  delete static_cast<TThreadStart*>(AStart);
  const int Result = Start.Function(Start.State);
  Start.Thread->Finished = true;
  return Result;
}

bool StartEngineThread(TEngineThread& AThread, int (*AFunction)(void*), const char* AName, TVideoState& AState) {
  auto* Start = new TThreadStart { AFunction, &AState, &AThread };
  AThread.Finished = false;
  AThread.Handle = LibSDL.SDL_CreateThread(RunEngineThread, AName, Start);
  if (!AThread.Handle) delete Start;
  return AThread.Handle != nullptr;
}

/// Waits for the end of AThread. On the user-interface thread the wait serves the hand-over queue, since
/// the thread may be handing a log line to it.
void JoinEngineThread(TEngineThread& AThread) {
  if (!AThread.Handle) return;
  if (IsMainThread())
    while (!WaitServing([&] { return AThread.Finished.load(); }, 10)) {}
  LibSDL.SDL_WaitThread(AThread.Handle, nullptr);
  AThread.Handle = nullptr;
}

void ConfigureDecoder(const TPlaybackHost& APlayer, AVCodecContext* ADecoder) {
  ADecoder->debug = APlayer.Fdebug;
  ADecoder->workaround_bugs = APlayer.workaround_bugs;
  ADecoder->lowres = APlayer.lowres;
  ADecoder->idct_algo = APlayer.idct_algo;
  if (APlayer.fast) ADecoder->flags2 |= AV_CODEC_FLAG2_FAST;
  ADecoder->skip_frame = AVDiscard(APlayer.Fskip_frame);
  ADecoder->skip_idct = AVDiscard(APlayer.Fskip_idct);
  ADecoder->skip_loop_filter = AVDiscard(APlayer.Fskip_loop_filter);
  // The levels of error recognition, from careful to aggressive, as detection flags.
  int Recognition = 0;
  if (APlayer.error_recognition >= 1) Recognition |= AV_EF_CAREFUL;
  if (APlayer.error_recognition >= 2) Recognition |= AV_EF_COMPLIANT;
  if (APlayer.error_recognition >= 3) Recognition |= AV_EF_AGGRESSIVE;
  ADecoder->err_recognition = Recognition;
  ADecoder->error_concealment = APlayer.error_concealment;
  ADecoder->thread_count = 1;
}

void FreeDecoder(AVCodecContext*& ADecoder) {
  TCodecLockScope Lock;
  LibAVCodec.avcodec_free_context(&ADecoder);
}

}  // namespace

bool StreamOpen(TPlaybackHost& APlayer, const String& AFileName, const AVInputFormat* AFormat, bool APaused,
                std::shared_ptr<TVideoState>& AState) {
  std::shared_ptr<TVideoState> State;
  try {
    State = std::make_shared<TVideoState>();
  } catch (const std::bad_alloc&) {
    APlayer.ReportError("av_mallocz() failed.", true);
    return false;
  }
  State->Owner = &APlayer;
  if (APaused) {
    State->paused = 1;
    State->open_paused = 1;
    APlayer.Fstep = false;
  }
  State->filename = AFileName;
  State->iformat = AFormat;
  State->pictq_mutex = LibSDL.SDL_CreateMutex();
  State->pictq_cond = LibSDL.SDL_CreateCond();
  State->subpq_mutex = LibSDL.SDL_CreateMutex();
  State->subpq_cond = LibSDL.SDL_CreateCond();
  State->av_sync_type = APlayer.av_sync_type;
  if (!StartEngineThread(State->parse_tid, ReadThread, "read", *State)) {
    APlayer.ReportError("SDL_CreateThread() failed.", true);
    DestroyQueueLocks(*State);
    return false;
  }
  while (!WaitServing([&] { return State->Opened != 0; }, 10)) ServeWhileWaiting();
  if (State->Opened > 0) {
    StartEngineThread(State->refresh_tid, RefreshThread, "refresh", *State);
    AState = State;
    return true;
  }
  JoinEngineThread(State->parse_tid);
  DestroyQueueLocks(*State);
  return false;
}

void StreamClose(TVideoState& AState) {
  AState.abort_request = 1;
  JoinEngineThread(AState.parse_tid);
  JoinEngineThread(AState.refresh_tid);
  for (TVideoPicture& Picture : AState.pictq) {
    std::lock_guard Lock(Picture.bmp_lock);
    Picture.bmp.reset();
  }
  DestroyQueueLocks(AState);
}

int OpenStreamComponent(TVideoState& AState, int AIndex) {
  if (AIndex < 0 || AIndex >= int(AState.ic->nb_streams)) return -1;
  TPlaybackHost& Player = *AState.Owner;
  AVStream* Stream = AState.ic->streams[AIndex];
  const AVCodec* Codec = LibAVCodec.avcodec_find_decoder(Stream->codecpar->codec_id);
  AVCodecContext* Decoder = Codec ? LibAVCodec.avcodec_alloc_context3(Codec) : nullptr;
  int Opened = Decoder ? LibAVCodec.avcodec_parameters_to_context(Decoder, Stream->codecpar) : -1;
  if (Opened >= 0) {
    Decoder->pkt_timebase = Stream->time_base;
    ConfigureDecoder(Player, Decoder);
    TCodecLockScope Lock;
    Opened = LibAVCodec.avcodec_open2(Decoder, Codec, nullptr);
  }
  if (Opened < 0) {
    Player.ReportError("avcodec_open() failed.", false);
    if (Decoder) FreeDecoder(Decoder);
    return -1;
  }
  switch (Decoder->codec_type) {
    case AVMEDIA_TYPE_AUDIO: {
      AState.audio_st = Stream;
      String Reason;
      // Without a sound device the file still plays, silently, on a clock of its own.
      if (!OpenAudioDevice(AState, Reason) && !Player.FNoSoundDeviceLogged.exchange(true))
        Player.LogMessage(llWarning, "no sound device, playing without sound: " + Reason);
      Stream->discard = AVDISCARD_DEFAULT;
      AState.audio_stream = AIndex;
      AState.audio_dec = Decoder;
      AState.AudioDuration =
          Stream->duration != AV_NOPTS_VALUE ? LibAVUtil.av_rescale_q(Stream->duration, Stream->time_base, AV_TIME_BASE_Q) : -1;
      AState.audio_buf_size = 0;
      AState.audio_buf_index = 0;
      AState.audio_diff_avg_coef = std::exp(std::log10(0.01) / 20);
      AState.audio_diff_avg_count = 0;
      AState.audio_diff_threshold = 2.0 * 1024 / AState.audio_tgt_freq;
      AState.audio_frame.reset(LibAVUtil.av_frame_alloc());
      AState.audio_pkt_pending = false;
      AState.audioq.Init();
      AState.audioq.Put(FlushPacket());
      AState.audio_start_time = SystemTimeMicroseconds();
      if (AState.audio_dev) LibSDL.SDL_PauseAudioDevice(AState.audio_dev, 0);
      else StartEngineThread(AState.audio_tid, SilentAudioThread, "sound", AState);
      break;
    }
    case AVMEDIA_TYPE_VIDEO: {
      Stream->discard = AVDISCARD_DEFAULT;
      AState.video_stream = AIndex;
      AState.video_st = Stream;
      AState.video_dec = Decoder;
      const AVRational Rate = LibAVFormat.av_guess_frame_rate(AState.ic, Stream, nullptr);
      AState.video_frame_duration = Rate.num > 0 && Rate.den > 0 ? double(Rate.den) / Rate.num : 0;
      AState.videoq.Init();
      AState.videoq.Put(FlushPacket());
      StartEngineThread(AState.video_tid, VideoThread, "video", AState);
      break;
    }
    case AVMEDIA_TYPE_SUBTITLE:
      Stream->discard = AVDISCARD_DEFAULT;
      AState.subtitle_stream = AIndex;
      AState.subtitle_st = Stream;
      AState.subtitle_dec = Decoder;
      AState.subtitleq.Init();
      AState.subtitleq.Put(FlushPacket());
      StartEngineThread(AState.subtitle_tid, SubtitleThread, "subtitle", AState);
      break;
    default:
      FreeDecoder(Decoder);
      return -1;
  }
  return 0;
}

void CloseStreamComponent(TVideoState& AState, int AIndex) {
  if (!AState.ic || AIndex < 0 || AIndex >= int(AState.ic->nb_streams)) return;
  AVStream* Stream = AState.ic->streams[AIndex];
  if (AIndex == AState.audio_stream) {
    AState.audioq.Abort();
    CloseAudioDevice(AState);
    JoinEngineThread(AState.audio_tid);
    AState.audioq.Done();
    FreeDecoder(AState.audio_dec);
    AState.audio_st = nullptr;
    AState.audio_stream = -1;
    AState.AudioDuration = -1;
  } else if (AIndex == AState.video_stream) {
    AState.videoq.Abort();
    LibSDL.SDL_LockMutex(AState.pictq_mutex);
    LibSDL.SDL_CondSignal(AState.pictq_cond);
    LibSDL.SDL_UnlockMutex(AState.pictq_mutex);
    JoinEngineThread(AState.video_tid);
    AState.videoq.Done();
    FreeDecoder(AState.video_dec);
    AState.video_st = nullptr;
    AState.video_stream = -1;
  } else if (AIndex == AState.subtitle_stream) {
    AState.subtitleq.Abort();
    LibSDL.SDL_LockMutex(AState.subpq_mutex);
    AState.subtitle_stream_changed = 1;
    LibSDL.SDL_CondSignal(AState.subpq_cond);
    LibSDL.SDL_UnlockMutex(AState.subpq_mutex);
    JoinEngineThread(AState.subtitle_tid);
    AState.subtitleq.Done();
    FreeDecoder(AState.subtitle_dec);
    AState.subtitle_st = nullptr;
    AState.subtitle_stream = -1;
  } else return;
  Stream->discard = AVDISCARD_ALL;
}

bool SwitchStream(TVideoState& AState, AVMediaType AType, int AIndex) {
  TPlaybackHost& Player = *AState.Owner;
  auto Refuse = [&](const char* AText) {
    Player.ReportError(AText, true);
    return false;
  };
  const int Current = AType == AVMEDIA_TYPE_VIDEO   ? AState.video_stream
                      : AType == AVMEDIA_TYPE_AUDIO ? AState.audio_stream
                                                    : AState.subtitle_stream;
  const int Least = AType == AVMEDIA_TYPE_SUBTITLE ? -1 : 0;
  if (Current < Least) return Refuse("the current stream is not valid.");
  if (AIndex < Least || AIndex >= int(AState.ic->nb_streams)) return Refuse("the stream index is not valid.");
  if (AIndex == Current) return true;
  if (AIndex == -1) {
    std::lock_guard Lock(AState.stream_lock);
    CloseStreamComponent(AState, Current);
    return true;
  }
  const AVCodecParameters* Parameters = AState.ic->streams[AIndex]->codecpar;
  if (Parameters->codec_type != AType) return Refuse("the stream type is not matched.");
  if (AType == AVMEDIA_TYPE_AUDIO && (Parameters->sample_rate <= 0 || Parameters->ch_layout.nb_channels <= 0))
    return Refuse("the audio stream is not invalid.");
  if (AType != AVMEDIA_TYPE_VIDEO && AType != AVMEDIA_TYPE_AUDIO && AType != AVMEDIA_TYPE_SUBTITLE)
    return Refuse("the stream type is invalid.");
  std::lock_guard Lock(AState.stream_lock);
  CloseStreamComponent(AState, Current);
  OpenStreamComponent(AState, AIndex);
  return true;
}

void RequestSeek(TVideoState& AState, int AFlags, bool AWait, Int64 ARelative, Int64 ATarget) {
  TPlaybackHost& Player = *AState.Owner;
  if (AState.seek_req) return;
  Player.FSeeking = true;
  AState.seek_paused = AState.paused.load();
  AState.seek_pos = ATarget;
  AState.seek_rel = ARelative;
  AState.seek_flags = AFlags;
  Player.FSeekEvent.ResetEvent();
  AState.seek_req = 1;
  if (!AWait) return;
  WaitWhilePlaying(AState, Player.FSeekEvent);
  if (AState.video_stream >= 0) WaitWhilePlaying(AState, Player.FPictEvent);
}

void ServeWhileWaiting() {
  if (!IsMainThread()) return;
  CheckSynchronize();
  PumpMessages();
}

void TogglePauseState(TVideoState& AState) {
  TPlaybackHost& Player = *AState.Owner;
  if (Player.FSeekEvent.WaitFor(250) != wrSignaled) Player.FSeekEvent.SetEvent();
  if (!Player.Plays(AState)) return;
  if (AState.paused) {
    const double Now = SystemTime();
    AState.frame_timer = AState.frame_timer + Now - (AState.video_current_pts - AState.video_current_pts_drift);
    if (AState.read_pause_return != AVERROR(ENOSYS)) AState.video_current_pts = Now + AState.video_current_pts_drift;
    AState.video_current_pts_drift = AState.video_current_pts - Now;
    AState.paused = 0;
    return;
  }
  if (AState.video_stream >= 0) {
    if (Player.FPictEvent.WaitFor(250) != wrSignaled) Player.FPictEvent.SetEvent();
    if (!Player.Plays(AState)) return;
  }
  AState.paused = 1;
}
