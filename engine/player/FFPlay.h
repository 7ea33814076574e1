#pragma once
// The player component: plays one media file at a time into a window the caller owns, with pause, single
// steps, seeking, stream choice, volume, snapshots of the picture on screen, and reports of the position
// and the playing state.
#include <atomic>
#include <memory>
#include <mutex>

#include "engine/probe/AVProbe.h"
#include "engine/player/PlayerTypes.h"
#include "engine/libav/TFFBaseComponent.h"
#include "engine/player/TPlayEvent.h"
#include "engine/player/TPlaybackHost.h"
#include "engine/player/TPlayerEventQueue.h"
#include "engine/libav/TRGBConvertContext.h"
#include "platform/base/TEvent.h"
#include "platform/base/TMutex.h"
#include "platform/base/TThread.h"

/// The player (see the file comment). It is driven from the user-interface thread. A play thread handles
/// the playback's events one at a time under the data lock; an event thread delivers OnPosition and
/// OnState (handed to the user-interface thread while TriggerEventInMainThread is on); the playback engine
/// reads, decodes and displays on threads of its own. Failures are logged and, where an operation returns
/// False, kept in LastErrMsg; only SetFormat raises. Times are microseconds from the file's start.
class TCustomPlayer : public TFFBaseComponent, protected TPlaybackHost {
public:
  explicit TCustomPlayer(TComponent* AOwner);
  ~TCustomPlayer() override;

  /// Whether the player's libraries (the transcoder's and SDL) are loaded.
  bool AVLibLoaded() const;
  /// Loads them from APath (then the system); False with LastErrMsg on failure.
  bool LoadAVLib(const String& APath);
  void UnloadAVLib();

  /// Stops any playback, then opens AFileName into the window AScreenHandle and plays it, or, with
  /// APaused, shows its first pictures and pauses (reporting psPause). False with LastErrMsg when the
  /// file cannot be played; no thread of the attempt is left then. A call made from a handler that runs
  /// while Open or Stop waits, or from the player's OnPosition or OnState handler, does nothing and
  /// returns False.
  bool Open(const String& AFileName, HWND AScreenHandle, bool APaused);
  /// Ends the playback; with AWaitForStop returns once its threads ended and psStop was delivered. From
  /// the player's OnPosition or OnState handler it does not wait: psStop follows that handler.
  void Stop(bool AWaitForStop);
  void Pause();
  void Resume();
  void TogglePause();
  /// Shows the next picture and pauses again (psStep).
  void StepToNextFrame();
  /// Cycles the sound display: none, wave, spectrum.
  void ToggleAudioDisplay();
  /// Seeks to APTS (a byte position with sfByte), at most the file's duration. With AWaitForSeekEnd returns
  /// once the seek was done and, with video, the first picture after it was decoded.
  void Seek(Int64 APTS, TSeekFlags ASeekFlags, bool AWaitForSeekEnd = false);
  /// Seeks by ADelta seconds from the playing position (with sfByte, by the bytes that many seconds take).
  void SeekRelative(double ADelta, TSeekFlags ASeekFlags, bool AWaitForSeekEnd = false);
  /// The picture on screen as a 24-bit bitmap owned by the player (valid until the next Open), with its
  /// time in APTS; 0 x 0 and APTS -1 without a video stream.
  TBitmap* CurrentFrame();
  TBitmap* CurrentFrame(Int64& APTS);
  /// Does nothing: the video surface follows its window by itself.
  void UpdateScreenPosition() {}

  /// The forced input format's name, empty for detection. Setting an unknown name raises Exception
  /// "Unknown input format: %s"; without the libraries it reports "libav or libsdl not loaded.".
  String Format() const;
  void SetFormat(const String& Value);
  String FileName() const;
  String LastErrMsg() const;
  HWND ScreenHandle() const { return FScreenHandle; }
  /// The stream played of each kind, -1 when nothing is open; setting switches streams.
  int AudioStreamIndex();
  void SetAudioStreamIndex(int Value);
  int VideoStreamIndex();
  void SetVideoStreamIndex(int Value);
  int SubtitleStreamIndex();
  void SetSubtitleStreamIndex(int Value);
  /// Describes the open file (sharing the playback's demuxer; it must not seek or decode it).
  TAVProbe* AVProbe() const { return FAVProbe.get(); }
  Int64 CurrentPTS() const { return FCurrentPTS; }
  /// True when nothing is open or the playback is paused.
  bool Paused();
  TPlayState PlayState() const { return FState; }
  /// Play-time limit (AV_NOPTS_VALUE: none) and what happens at it; both reset after every playback.
  Int64 PlayTime() const { return FPlayTime; }
  void SetPlayTime(Int64 Value) { FPlayTime = Value; }
  TRepeatType RepeatType() const { return FRepeatType; }
  void SetRepeatType(TRepeatType Value) { FRepeatType = Value; }
  bool Seeking() const { return FSeeking; }
  TShowAudio ShowAudio() const { return FShowAudio; }
  void SetShowAudio(TShowAudio Value);
  bool VerticalFlip() const { return FVerticalFlip; }
  void SetVerticalFlip(bool Value) { FVerticalFlip = Value; }
  const String& VideoFilters() const { return Fvfilters; }
  void SetVideoFilters(const String& Value) { Fvfilters = Value; }
  bool TriggerEventInMainThread() const { return FTriggerEventInMainThread; }
  void SetTriggerEventInMainThread(bool Value) { FTriggerEventInMainThread = Value; }
  TAudioDriver AudioDriver() const { return FAudioDriver; }
  void SetAudioDriver(TAudioDriver Value) { FAudioDriver = Value; }
  TVideoDriver VideoDriver() const { return FVideoDriver; }
  void SetVideoDriver(TVideoDriver Value) { FVideoDriver = Value; }
  /// 0 to 128.
  int AudioVolume() const { return FAudioVolume; }
  void SetAudioVolume(int Value);
  bool Mute() const { return FMute; }
  void SetMute(bool Value) { FMute = Value; }
  bool Hook() const { return FHook; }
  void SetHook(bool Value) { FHook = Value; }

  /// The ordinal of the stream to play among the file's streams of that kind, -1 for the default one.
  int wanted_audio_stream() const { return Fwanted_stream[AVMEDIA_TYPE_AUDIO]; }
  void set_wanted_audio_stream(int Value) { Fwanted_stream[AVMEDIA_TYPE_AUDIO] = Value; }
  int wanted_video_stream() const { return Fwanted_stream[AVMEDIA_TYPE_VIDEO]; }
  void set_wanted_video_stream(int Value) { Fwanted_stream[AVMEDIA_TYPE_VIDEO] = Value; }
  int wanted_subtitle_stream() const { return Fwanted_stream[AVMEDIA_TYPE_SUBTITLE]; }
  void set_wanted_subtitle_stream(int Value) { Fwanted_stream[AVMEDIA_TYPE_SUBTITLE] = Value; }
  using TPlaybackHost::av_sync_type;
  using TPlaybackHost::debug_mv;
  using TPlaybackHost::decoder_reorder_pts;
  using TPlaybackHost::error_concealment;
  using TPlaybackHost::error_recognition;
  using TPlaybackHost::fast;
  using TPlaybackHost::framedrop;
  using TPlaybackHost::genpts;
  using TPlaybackHost::idct_algo;
  using TPlaybackHost::lowres;
  using TPlaybackHost::rdftspeed;
  using TPlaybackHost::seek_by_bytes;
  using TPlaybackHost::start_time;
  using TPlaybackHost::workaround_bugs;

protected:
  void BeforeDestruction() override;
  /// > 0 a forced display aspect ratio; 0 the stream's own; < 0 fill the whole video area.
  float AspectRatio() const { return FAspectRatio; }
  void SetAspectRatio(float Value);
  bool DisableAudio() const { return Faudio_disable; }
  void SetDisableAudio(bool Value) { Faudio_disable = Value; }
  bool DisableVideo() const { return Fvideo_disable; }
  void SetDisableVideo(bool Value) { Fvideo_disable = Value; }
  bool DisableDisplay() const { return Fdisplay_disable; }
  void SetDisableDisplay(bool Value) { Fdisplay_disable = Value; }
  /// The picture size asked of the demuxer (devices and raw input), 0 for the file's own.
  int FrameWidth() const { return FFrameWidth; }
  void SetFrameWidth(int Value) { FFrameWidth = Value; }
  int FrameHeight() const { return FFrameHeight; }
  void SetFrameHeight(int Value) { FFrameHeight = Value; }
  /// The video output size; 0 follows the window (set when a file opens).
  int ScreenWidth() const { return FScreenWidth; }
  void SetScreenWidth(int Value) { FScreenWidth = Value; }
  int ScreenHeight() const { return FScreenHeight; }
  void SetScreenHeight(int Value) { FScreenHeight = Value; }
  const String& About() const { return FAbout; }
  void SetAbout(const String& Value) { FAbout = Value; }
  String Version() const { return "2.3"; }

  TFileOpenEvent OnFileOpen;
  THookEvent OnHook;
  TPositionEvent OnPosition;
  TPlayStateEvent OnState;

  // The playback engine's view of the player.
  void SetState(TPlayState AState) override;
  void UpdatePosition(TVideoState& AState) override;
  bool DoHook(TVideoState& AState, const uint8_t* const ASource[4], const int ASourcePitch[4],
              AVPixelFormat ASourceFormat, uint8_t* const ADest[4], const int ADestPitch[4], AVPixelFormat ADestFormat,
              int AWidth, int AHeight, double APTS) override;
  void ReportError(const String& AText, bool ASetLastError) override;
  void SetLastErrMsg(const String& AText) override;
  void LogMessage(TLogLevel ALevel, const String& AText) override;
  void PostEvent(TPlayerEventType AType) override;
  bool Plays(const TVideoState& AState) override;
  void DetachProbe() override;

private:
  class TPlayThread;
  class TEventThread;

  void ResetOptions();
  void ResetPlayState();
  std::shared_ptr<TVideoState> State();
  bool InitSDL(HWND AScreenHandle);
  void ShutdownSDL();
  void DoStop(bool AWaitForStop);
  /// Drops the event handlers and stops playback, waiting for the playing thread.
  void StopForGood();
  void WaitForStop();
  /// Closes the playback: its threads, the state, SDL's sound and the surface (under the data lock).
  void Shutdown();
  void DoFileOpen();
  /// The play thread's loop; returns when the playback was closed.
  void EventLoop();
  /// Handles one event under the data lock; true once the playback was closed.
  bool HandleEvent(TVideoState& AState, const TPlayerEvent& AEvent);
  /// The event thread's loop.
  void DeliverEvents();
  /// Runs a handler of OnPosition or OnState, on the user-interface thread when asked to.
  void Fire(const std::function<void()>& AHandler);
  /// Whether the calling thread is running one of those handlers.
  bool InsideHandler() const;
  void SwitchTo(AVMediaType AType, int AIndex);
  int StreamIndex(std::atomic<int> TVideoState::* AField);

  std::unique_ptr<TAVProbe> FAVProbe;
  TMutex FDataLock;                // held by the play thread while it handles one event
  TEvent FStopEvent { true, true };  // set when the play thread ended
  TPlayEvent FPlayEvent;
  TPlayerEventQueue FEvents;
  std::unique_ptr<TThread> FPlayThread;
  std::unique_ptr<TThread> FEventThread;
  mutable std::mutex FStateLock;  // guards FVideoState
  std::shared_ptr<TVideoState> FVideoState;
  std::atomic<bool> FSDLInited { false };
  bool FBusy { false };  // inside Open or Stop on the user-interface thread
  std::atomic<Cardinal> FHandlerThread { 0 };  // the thread running an OnPosition or OnState handler

  TRGBConvertContext FRGBContext;
  std::mutex FHookLock;  // guards FHookContext
  TRGBConvertContext FHookContext;
  mutable std::mutex FTextLock;  // guards FLastErrMsg
  String FLastErrMsg;
  String FFileName;
  String FFormat;
  const AVInputFormat* Ffile_iformat { nullptr };
  String FAbout;
  std::atomic<TPlayState> FState { psStop };
  std::atomic<int> FEventState { psStop };
  std::atomic<Int64> FEventPTS { 0 };
  std::atomic<Int64> FLastPTS { AV_NOPTS_VALUE };
  std::atomic<Int64> FCurrentPTS { -1 };
  std::atomic<Int64> FPlayTime { AV_NOPTS_VALUE };
  std::atomic<TRepeatType> FRepeatType { rtStop };
  std::atomic<bool> FHook { false };
  std::atomic<bool> FTriggerEventInMainThread { true };
  TAudioDriver FAudioDriver { adDefault };
  TVideoDriver FVideoDriver { vdDefault };
};

/// The player with its settings for forms: the protected ones of TCustomPlayer made public.
class TFFPlayer : public TCustomPlayer {
public:
  using TCustomPlayer::TCustomPlayer;

  using TCustomPlayer::About;
  using TCustomPlayer::AspectRatio;
  using TCustomPlayer::DisableAudio;
  using TCustomPlayer::DisableDisplay;
  using TCustomPlayer::DisableVideo;
  using TCustomPlayer::FrameHeight;
  using TCustomPlayer::FrameWidth;
  using TCustomPlayer::OnFileOpen;
  using TCustomPlayer::OnHook;
  using TCustomPlayer::OnPosition;
  using TCustomPlayer::OnState;
  using TCustomPlayer::ScreenHeight;
  using TCustomPlayer::ScreenWidth;
  using TCustomPlayer::SetAbout;
  using TCustomPlayer::SetAspectRatio;
  using TCustomPlayer::SetDisableAudio;
  using TCustomPlayer::SetDisableDisplay;
  using TCustomPlayer::SetDisableVideo;
  using TCustomPlayer::SetFrameHeight;
  using TCustomPlayer::SetFrameWidth;
  using TCustomPlayer::SetScreenHeight;
  using TCustomPlayer::SetScreenWidth;
  using TCustomPlayer::Version;
};
