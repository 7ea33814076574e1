#include "engine/player/FFPlay.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/DisplayOrientation.h"
#include "engine/libav/FFmpegLoader.h"
#include "engine/libav/MyUtils.h"
#include "engine/player/PlayerClocks.h"
#include "engine/player/PlayerPictureQueue.h"
#include "engine/player/PlayerStream.h"
#include "engine/player/PlayerVideoOutput.h"
#include "engine/libav/SwScaleStubs.h"
#include "engine/libav/libsdl.h"
#include "platform/base/MainThread.h"
#include "platform/base/ScopeGuard.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TemporaryChange.h"
#include "platform/gdi/TCanvas.h"

namespace {

Int64 Microseconds(double ASeconds) { return Int64(std::nearbyint(ASeconds * 1000000.0)); }

String MessageOf(const std::exception& E) {
  if (const auto* Own = dynamic_cast<const Exception*>(&E)) return Own->Message;
  return E.what();
}

/// Holds a TMutex from construction to destruction.
class TDataLockScope {
public:
  explicit TDataLockScope(TMutex& ALock) : FLock(ALock) { FLock.Acquire(); }
  ~TDataLockScope() { FLock.Release(); }
  TDataLockScope(const TDataLockScope&) = delete;
  TDataLockScope& operator=(const TDataLockScope&) = delete;

private:
  TMutex& FLock;
};

}  // namespace

/// Runs the playback's event loop; reports psPlay when it starts and psStop when it ends.
class TCustomPlayer::TPlayThread : public TThread {
public:
  explicit TPlayThread(TCustomPlayer& APlayer) : FPlayer(APlayer) {}
  ~TPlayThread() override { TerminateAndWait(); }

protected:
  void Execute() override {
    FPlayer.SetState(psPlay);
    try {
      FPlayer.EventLoop();
    } catch (const std::exception& E) {
      FPlayer.LogMessage(llFatal, "PlayThread Exception: " + MessageOf(E));
      TDataLockScope Lock(FPlayer.FDataLock);
      FPlayer.Shutdown();
    }
    FPlayer.SetState(psStop);
    FPlayer.FStopEvent.SetEvent();
  }

private:
  TCustomPlayer& FPlayer;
};

/// Delivers the position and state reports of one playback, ending after its psStop.
class TCustomPlayer::TEventThread : public TThread {
public:
  explicit TEventThread(TCustomPlayer& APlayer) : FPlayer(APlayer) {}
  ~TEventThread() override { TerminateAndWait(); }

protected:
  void Execute() override { FPlayer.DeliverEvents(); }

private:
  TCustomPlayer& FPlayer;
};

TCustomPlayer::TCustomPlayer(TComponent* AOwner) : TFFBaseComponent(AOwner), FAVProbe(std::make_unique<TAVProbe>(nullptr)) {
  ResetOptions();
}

TCustomPlayer::~TCustomPlayer() { StopForGood(); }

void TCustomPlayer::BeforeDestruction() {
  // Deleted: the playing thread stops while the object is whole, so none reaches it halfway through its destructors.
  StopForGood();
  TFFBaseComponent::BeforeDestruction();
}

void TCustomPlayer::StopForGood() {
  OnPosition = nullptr;
  OnState = nullptr;
  OnHook = nullptr;
  DoStop(true);
}

bool TCustomPlayer::AVLibLoaded() const { return FFLoader.Loaded(PlayerLibraries); }

bool TCustomPlayer::LoadAVLib(const String& APath) {
  String Error;
  if (::LoadAVLib(APath, PlayerLibraries, Error)) return true;
  SetLastErrMsg(Error);
  return false;
}

void TCustomPlayer::UnloadAVLib() { FFLoader.Unload(PlayerLibraries); }

bool TCustomPlayer::Open(const String& AFileName, HWND AScreenHandle, bool APaused) {
  if (!AVLibLoaded()) {
    ReportError("libav or libsdl not loaded.", true);
    return false;
  }
  if (FBusy || InsideHandler()) return false;
  TemporaryChange Busy(FBusy, true);
  DoStop(true);
  if (!InitSDL(AScreenHandle)) return false;
  if (Fdisplay_disable) Fvideo_disable = true;
  FEvents.Clear();
  std::shared_ptr<TVideoState> Opened;
  if (!StreamOpen(*this, AFileName, Ffile_iformat, APaused, Opened)) {
    ShutdownSDL();
    ResetPlayState();
    return false;
  }
  {
    std::lock_guard Lock(FStateLock);
    FVideoState = Opened;
  }
  FFileName = AFileName;
  FScreenHandle = AScreenHandle;
  FAVProbe->SetFileHandle(Opened->ic);
  {
    // The handler's exception reaches the caller; the playback it interrupted does not stay half open.
    ScopeGuard CloseHalfOpen([this] { Shutdown(); });
    if (FTriggerEventInMainThread) RunInMainThread([this] { DoFileOpen(); });
    else DoFileOpen();
    CloseHalfOpen.Dismiss();
  }
  FStopEvent.ResetEvent();
  FEventThread = std::make_unique<TEventThread>(*this);
  FPlayThread = std::make_unique<TPlayThread>(*this);
  FEventThread->Start();
  FPlayThread->Start();
  return true;
}

void TCustomPlayer::Stop(bool AWaitForStop) {
  if (FBusy && IsMainThread()) return;
  // The delivery of this very report waits for the handler: the stop cannot be waited for in it.
  if (InsideHandler()) AWaitForStop = false;
  if (!IsMainThread()) {
    DoStop(AWaitForStop);
    return;
  }
  TemporaryChange Busy(FBusy, true);
  DoStop(AWaitForStop);
}

void TCustomPlayer::DoStop(bool AWaitForStop) {
  if (const auto Playing = State()) {
    if (Playing->paused) {
      TogglePauseState(*Playing);
      Fstep = false;
    }
    PostEvent(peQuit);
  }
  if (AWaitForStop) WaitForStop();
}

void TCustomPlayer::WaitForStop() {
  if (FPlayThread) {
    int Tries = 0;
    for (;;) {
      if (FStopEvent.WaitFor(100) == wrSignaled || !State()) break;
      ServeWhileWaiting();
      if (FDataLock.WaitFor(100) != wrSignaled) continue;
      ++Tries;
      const auto Playing = State();
      // A play thread that does not answer (stuck behind a read) has its playback closed from here.
      if (Playing && Tries <= 20 && !(Tries > 10 && Playing->Reading)) {
        PostEvent(peQuit);
        FDataLock.Release();
        continue;
      }
      if (Playing) Shutdown();
      FDataLock.Release();
      break;
    }
    // The play thread ends at its next event once nothing is open.
    PostEvent(peQuit);
    FPlayThread->WaitFor();
    FPlayThread.reset();
  }
  // The event thread ends with the psStop it delivers.
  if (FEventThread) {
    FEventThread->WaitFor();
    FEventThread.reset();
  }
}

void TCustomPlayer::Pause() {
  const auto Playing = State();
  if (!Playing || Playing->paused) return;
  TogglePauseState(*Playing);
  Fstep = false;
  SetState(psPause);
}

void TCustomPlayer::Resume() {
  const auto Playing = State();
  if (!Playing || !Playing->paused) return;
  TogglePauseState(*Playing);
  Fstep = false;
  SetState(psResume);
}

void TCustomPlayer::TogglePause() {
  const auto Playing = State();
  if (!Playing) return;
  TogglePauseState(*Playing);
  Fstep = false;
  SetState(Playing->paused ? psPause : psResume);
}

void TCustomPlayer::StepToNextFrame() {
  const auto Playing = State();
  if (!Playing) return;
  if (Playing->paused) TogglePauseState(*Playing);
  if (!Fstep.exchange(true)) SetState(psStep);
}

void TCustomPlayer::ToggleAudioDisplay() {
  TDataLockScope Lock(FDataLock);
  const auto Playing = State();
  if (!Playing || !FSurface || FSurface->Mode().cx == 0) return;
  Playing->show_audio = (Playing->show_audio + 1) % 3;
  ClearDisplayArea(*Playing);
}

void TCustomPlayer::Seek(Int64 APTS, TSeekFlags ASeekFlags, bool AWaitForSeekEnd) {
  const auto Playing = State();
  if (!Playing) return;
  const int Flags = int(ASeekFlags.Bits());
  if (ASeekFlags.Contains(sfByte)) {
    RequestSeek(*Playing, Flags, AWaitForSeekEnd, 0, APTS);
    return;
  }
  Int64 Target = Playing->Duration > 0 ? std::min(APTS, Playing->Duration) : APTS;
  if (Playing->ic->start_time != AV_NOPTS_VALUE) Target += Playing->ic->start_time;
  RequestSeek(*Playing, Flags, AWaitForSeekEnd, APTS <= 0 ? 1 : 0, Target);
}

void TCustomPlayer::SeekRelative(double ADelta, TSeekFlags ASeekFlags, bool AWaitForSeekEnd) {
  const auto Playing = State();
  if (!Playing) return;
  const int Flags = int(ASeekFlags.Bits());
  if (ASeekFlags.Contains(sfByte)) {
    const Int64 BitRate = Playing->ic->bit_rate;
    const Int64 Delta = BitRate ? Int64(ADelta * double(BitRate) / 8.0) : Int64(ADelta * 180000.0);
    const Int64 Now = Playing->ic->pb ? LibAVFormat.avio_seek(Playing->ic->pb, 0, SEEK_CUR) : 0;
    RequestSeek(*Playing, Flags, AWaitForSeekEnd, Delta, Now + Delta);
    return;
  }
  RequestSeek(*Playing, Flags, AWaitForSeekEnd, Microseconds(ADelta), Microseconds(GetMasterClock(*Playing) + ADelta));
}

TBitmap* TCustomPlayer::CurrentFrame() {
  Int64 Ignored = 0;
  return CurrentFrame(Ignored);
}

TBitmap* TCustomPlayer::CurrentFrame(Int64& APTS) {
  TDataLockScope Lock(FDataLock);
  APTS = -1;
  if (!FRGBContext.Bitmap) FRGBContext.Bitmap = CreateBitmap(0, 0, pf24bit);
  TBitmap* Bitmap = FRGBContext.Bitmap.get();
  const auto Playing = State();
  if (!Playing || !Playing->video_dec) {
    Bitmap->SetSize(0, 0);
    return Bitmap;
  }
  int Width = Playing->video_dec->width, Height = Playing->video_dec->height;
  StreamOrientation(Playing->video_st).StandSize(Width, Height);
  Bitmap->SetSize(Width, Height);
  for (int Y = 0; Y < Bitmap->Height(); ++Y) std::memset(Bitmap->ScanLine(Y), 0, size_t(Bitmap->Width()) * 3);
  std::lock_guard Shown(Playing->shown_lock);
  const AVFrame* Picture = Playing->shown;
  if (!Picture || !Picture->data[0]) return Bitmap;
  APTS = Microseconds(Playing->shown_pts) - Playing->StartTime;
  if (!FrameToBitmap(FRGBContext, Picture->data, Picture->linesize, AV_PIX_FMT_YUV420P, Picture->height, Picture->width))
    Bitmap->SetSize(0, 0);
  return Bitmap;
}

String TCustomPlayer::Format() const { return FFormat; }

void TCustomPlayer::SetFormat(const String& Value) {
  if (!AVLibLoaded()) {
    ReportError("libav or libsdl not loaded.", true);
    return;
  }
  const AVInputFormat* Found = nullptr;
  if (!Value.empty()) {
    Found = LibAVFormat.av_find_input_format(Value.c_str());
    if (!Found) throw Exception(::Format("Unknown input format: %s", Value));
  }
  FFormat = Value;
  Ffile_iformat = Found;
}

String TCustomPlayer::FileName() const { return FFileName; }

String TCustomPlayer::LastErrMsg() const {
  std::lock_guard Lock(FTextLock);
  return FLastErrMsg;
}

int TCustomPlayer::StreamIndex(std::atomic<int> TVideoState::* AField) {
  const auto Playing = State();
  return Playing ? ((*Playing).*AField).load() : -1;
}

int TCustomPlayer::AudioStreamIndex() { return StreamIndex(&TVideoState::audio_stream); }
int TCustomPlayer::VideoStreamIndex() { return StreamIndex(&TVideoState::video_stream); }
int TCustomPlayer::SubtitleStreamIndex() { return StreamIndex(&TVideoState::subtitle_stream); }
void TCustomPlayer::SetAudioStreamIndex(int Value) { SwitchTo(AVMEDIA_TYPE_AUDIO, Value); }
void TCustomPlayer::SetVideoStreamIndex(int Value) { SwitchTo(AVMEDIA_TYPE_VIDEO, Value); }
void TCustomPlayer::SetSubtitleStreamIndex(int Value) { SwitchTo(AVMEDIA_TYPE_SUBTITLE, Value); }

void TCustomPlayer::SwitchTo(AVMediaType AType, int AIndex) {
  // The play thread must not show or refresh while a decoder is replaced.
  TDataLockScope Lock(FDataLock);
  const auto Playing = State();
  if (Playing) SwitchStream(*Playing, AType, AIndex);
}

bool TCustomPlayer::Paused() {
  const auto Playing = State();
  return !Playing || Playing->paused;
}

void TCustomPlayer::SetShowAudio(TShowAudio Value) {
  FShowAudio = Value;
  const auto Playing = State();
  if (Playing && Playing->audio_st && !Fdisplay_disable) Playing->show_audio = Value;
}

void TCustomPlayer::SetAudioVolume(int Value) { FAudioVolume = std::clamp(Value, 0, SDL_MIX_MAXVOLUME); }

void TCustomPlayer::SetAspectRatio(float Value) {
  if (Value == FAspectRatio) return;
  FAspectRatio = Value;
  if (State()) PostEvent(peRedraw);
}

void TCustomPlayer::SetState(TPlayState AState) {
  FState = AState;
  if (OnState) FPlayEvent.PushEvent(TPlayEvent::ekState, AState);
  else if (AState == psStop) FPlayEvent.PushEvent(TPlayEvent::ekEndDelivery, 0);
}

void TCustomPlayer::UpdatePosition(TVideoState& AState) {
  if (!Plays(AState) || AState.IsImage2) return;
  Int64 Current;
  if (AState.video_st) Current = Microseconds(GetVideoClock(AState)) - AState.StartTime;
  else if (AState.audio_st) {
    Current = Microseconds(GetAudioClock(AState)) - AState.StartTime;
    // The sound may end a little before the file does.
    if (AState.AudioDuration > 0 && Current >= AState.AudioDuration && Current < AState.Duration) Current = AState.Duration;
  } else return;
  FCurrentPTS = Current;
  if (AState.Duration > 0 && Current >= AState.Duration) {
    if (FLastPTS != AState.Duration) FLastPTS = 0;
    Current = AState.Duration;
  }
  if (FLastPTS == AV_NOPTS_VALUE || std::abs(Current - FLastPTS) > 10000) {
    FLastPTS = Current;
    if (OnPosition) FPlayEvent.PushEvent(TPlayEvent::ekPosition, Current);
  }
  // Once per arrival at the end: a seek makes the end reportable again.
  if (!AState.IsDevice && !AState.EventEOF && AState.ReachEOF) {
    AState.EventEOF = 1;
    SetState(psEnd);
  }
  const Int64 Limit = FPlayTime;
  if (Limit == AV_NOPTS_VALUE) return;
  const Int64 Start = start_time;
  if (Current < (Start != AV_NOPTS_VALUE ? Start + Limit : Limit)) return;
  switch (FRepeatType.load()) {
    case rtStop: Stop(false); break;
    case rtLoop:
      if (Start != AV_NOPTS_VALUE) Seek(Start, {}, false);
      else Seek(0, { sfAny }, false);
      break;
    case rtNone: break;
  }
}

bool TCustomPlayer::DoHook(TVideoState& AState, const uint8_t* const ASource[4], const int ASourcePitch[4],
                           AVPixelFormat ASourceFormat, uint8_t* const ADest[4], const int ADestPitch[4],
                           AVPixelFormat ADestFormat, int AWidth, int AHeight, double APTS) {
  if (!FHook || !OnHook) return false;
  std::lock_guard Lock(FHookLock);
  if (!FrameToBitmap(FHookContext, ASource, ASourcePitch, ASourceFormat, AHeight, AWidth) || !FHookContext.RGBBuf) {
    LogMessage(llError, "Cannot initialize the toRGB conversion context");
    return false;
  }
  TBitmap* Bitmap = FHookContext.Bitmap.get();
  Bitmap->Canvas()->Lock();
  try {
    OnHook(this, Bitmap, Microseconds(APTS) - AState.StartTime);
  } catch (const std::exception& E) {
    Bitmap->Canvas()->Unlock();
    LogMessage(llError, "Error occurs OnHook: " + MessageOf(E));
    return false;
  }
  Bitmap->Canvas()->Unlock();
  const int RowSize = std::min(FHookContext.RGBPictureLineSize[0], AWidth * 3);
  for (int Y = 0; Y < AHeight; ++Y)
    std::memcpy(FHookContext.RGBPicture[0] + ptrdiff_t(Y) * FHookContext.RGBPictureLineSize[0], Bitmap->ScanLine(Y),
                size_t(RowSize));
  FHookContext.fromRGB_convert_ctx =
      LibSwScale.sws_getCachedContext(FHookContext.fromRGB_convert_ctx, AWidth, AHeight, FHookContext.RGBPixFmt, AWidth,
                                      AHeight, ADestFormat, SWS_BICUBIC, nullptr, nullptr, nullptr);
  if (!FHookContext.fromRGB_convert_ctx) {
    LogMessage(llError, "Cannot initialize the fromRGB conversion context");
    return false;
  }
  LibSwScale.sws_scale(FHookContext.fromRGB_convert_ctx, FHookContext.RGBPicture, FHookContext.RGBPictureLineSize, 0,
                       AHeight, ADest, ADestPitch);
  return true;
}

void TCustomPlayer::ReportError(const String& AText, bool ASetLastError) {
  LogMessage(llError, AText);
  if (ASetLastError) SetLastErrMsg(AText);
}

void TCustomPlayer::SetLastErrMsg(const String& AText) {
  std::lock_guard Lock(FTextLock);
  FLastErrMsg = AText;
}

void TCustomPlayer::LogMessage(TLogLevel ALevel, const String& AText) { GlobalLogger()->Log(this, ALevel, AText); }

void TCustomPlayer::PostEvent(TPlayerEventType AType) { FEvents.Push(AType); }

bool TCustomPlayer::Plays(const TVideoState& AState) {
  std::lock_guard Lock(FStateLock);
  return FVideoState.get() == &AState;
}

void TCustomPlayer::DetachProbe() { FAVProbe->CloseFile(); }

void TCustomPlayer::ResetOptions() {
  Fvfilters.clear();
  Fsws_flags = SWS_BICUBIC;
  FFormat.clear();
  Ffile_iformat = nullptr;
  FFileName.clear();
  FFrameWidth = FFrameHeight = 0;
  Fframe_pix_fmt = -1;
  workaround_bugs = 1;
  debug_mv = 0;
  fast = false;
  genpts = false;
  decoder_reorder_pts = -1;
  framedrop = 1;
  rdftspeed = 20;
  lowres = 0;
  idct_algo = 0;
  error_recognition = 1;
  error_concealment = 3;
  av_sync_type = AV_SYNC_AUDIO_MASTER;
  Fdebug = 0;
  Fskip_frame = Fskip_idct = Fskip_loop_filter = 0;
  ResetPlayState();
}

void TCustomPlayer::ResetPlayState() {
  FLastPTS = AV_NOPTS_VALUE;
  FCurrentPTS = -1;
  Fstep = false;
  for (int& Wanted : Fwanted_stream) Wanted = -1;
  seek_by_bytes = -1;
  start_time = AV_NOPTS_VALUE;
  FPlayTime = AV_NOPTS_VALUE;
  FRepeatType = rtStop;
  FVerticalFlip = false;
  FSeekEvent.SetEvent();
  FSeeking = false;
}

std::shared_ptr<TVideoState> TCustomPlayer::State() {
  std::lock_guard Lock(FStateLock);
  return FVideoState;
}

bool TCustomPlayer::InitSDL(HWND AScreenHandle) {
  LibSDL.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  const auto Refuse = [&](const String& AReason) {
    ReportError(::Format("Could not initialize SDL with ScreenHandle(%u): %s", Cardinal(AScreenHandle), AReason), true);
    return false;
  };
  // Without any sound driver files still play, without sound: the sound device then fails to open.
  FSDLInited = LibSDL.SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  String Reason;
  FSurface = BindVideoSurface(AScreenHandle, Reason);
  if (!FSurface) {
    ShutdownSDL();
    return Refuse(Reason);
  }
  FSurface->SetListener([this](IVideoSurface::TNotice ANotice, TSize ASize) {
    if (ANotice == IVideoSurface::vnResize) FEvents.Push(peResize, ASize);
    else FEvents.Push(peExpose);
  });
  if (const char* Driver = LibSDL.SDL_GetCurrentAudioDriver())
    LibAVUtil.av_log(nullptr, AV_LOG_DEBUG, "using audio driver: %s\n", Driver);
  return true;
}

void TCustomPlayer::ShutdownSDL() {
  if (FSurface) FSurface->SetListener(nullptr);
  FSurface.reset();
  if (FSDLInited.exchange(false)) LibSDL.SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void TCustomPlayer::Shutdown() {
  std::shared_ptr<TVideoState> Closing;
  {
    std::lock_guard Lock(FStateLock);
    Closing.swap(FVideoState);
  }
  if (Closing) StreamClose(*Closing);
  ResetPlayState();
  ShutdownSDL();
}

void TCustomPlayer::DoFileOpen() {
  ResetRGBContext(FRGBContext);
  {
    std::lock_guard Lock(FHookLock);
    ResetRGBContext(FHookContext);
  }
  const auto Playing = State();
  if (Playing && OnFileOpen) {
    const Int64 Duration = Playing->IsImage2 ? 0 : Playing->Duration;
    const bool Sized = Playing->video_dec && Playing->video_dec->width > 0;
    // The frame size told is that of the picture shown, turned as the source asks.
    int FrameWidth = Sized ? Playing->video_dec->width : -1, FrameHeight = Sized ? Playing->video_dec->height : -1;
    if (Sized) StreamOrientation(Playing->video_st).StandSize(FrameWidth, FrameHeight);
    int Width = FScreenWidth, Height = FScreenHeight;
    OnFileOpen(this, Duration, FrameWidth, FrameHeight, Width, Height);
    FScreenWidth = Width;
    FScreenHeight = Height;
  }
  if (FSurface && (FScreenWidth == 0 || FScreenHeight == 0)) {
    const TSize Client = FSurface->ClientSize();
    FScreenWidth = Client.cx;
    FScreenHeight = Client.cy;
  }
}

void TCustomPlayer::EventLoop() {
  for (;;) {
    const TPlayerEvent Event = FEvents.Wait();
    TDataLockScope Lock(FDataLock);
    const auto Playing = State();
    if (!Playing) {
      ShutdownSDL();
      return;
    }
    if (HandleEvent(*Playing, Event)) return;
  }
}

bool TCustomPlayer::HandleEvent(TVideoState& AState, const TPlayerEvent& AEvent) {
  switch (AEvent.Type) {
    case peQuitRequest:
    case peQuit: Shutdown(); return true;
    case peResize:
      FScreenWidth = AEvent.Size.cx;
      FScreenHeight = AEvent.Size.cy;
      OpenVideoOutput(AState, true);
      if (AState.paused) RefreshVideo(AState, false);
      break;
    case peExpose:
      if (AState.paused) RefreshVideo(AState, false);
      else DisplayFrame(AState);
      break;
    case peAllocPicture:
      OpenVideoOutput(AState, false);
      AllocPicture(AState);
      break;
    case peRefresh:
      RefreshVideo(AState, true);
      AState.refresh = 0;
      break;
    case peRedraw:
      OpenVideoOutput(AState, true);
      DisplayFrame(AState);
      break;
    case peNone: break;
  }
  return false;
}

void TCustomPlayer::DeliverEvents() {
  for (;;) {
    Int64 Value = 0;
    switch (FPlayEvent.PopEvent(Value)) {
      case TPlayEvent::ekPosition:
        FEventPTS = Value;
        Fire([this] {
          if (OnPosition) OnPosition(this, FEventPTS);
        });
        break;
      case TPlayEvent::ekState:
        FEventState = int(Value);
        Fire([this] {
          if (OnState) OnState(this, TPlayState(FEventState.load()));
        });
        if (Value == psStop) return;
        break;
      case TPlayEvent::ekEndDelivery: return;
      case TPlayEvent::ekNone: FPlayEvent.WaitFor(); break;
    }
  }
}

bool TCustomPlayer::InsideHandler() const { return FHandlerThread == GetCurrentThreadId(); }

void TCustomPlayer::Fire(const std::function<void()>& AHandler) {
  const auto Run = [this, &AHandler] {
    FHandlerThread = GetCurrentThreadId();
    struct TLeave {
      std::atomic<Cardinal>& Thread;
      ~TLeave() { Thread = 0; }
    } Leave { FHandlerThread };
    AHandler();
  };
  try {
    if (FTriggerEventInMainThread) RunInMainThread(Run);
    else Run();
  } catch (const std::exception& E) {
    // A failing handler must not end the delivery, or later reports and psStop would be lost.
    ReportError(MessageOf(E), false);
  }
}
