#pragma once
// The engine's one logger: FFmpeg's own log lines and the messages of the engine's components reach the
// application through it, one event per line.
#include <atomic>
#include <cstdarg>
#include <functional>
#include <memory>
#include <string_view>

#include "engine/libav/TFFBaseComponent.h"
#include "platform/base/MainThread.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TCriticalSection.h"

/// Log levels; each stands for the FFmpeg level (ordinal - 1) * 8, from -8 (quiet) to 48 (debug).
enum TLogLevel { llQuiet, llPanic, llFatal, llError, llWarning, llInfo, llVerbose, llDebug };

/// The FFmpeg level a TLogLevel stands for.
constexpr int LogLevelToAV(TLogLevel ALevel) { return (int(ALevel) - 1) * 8; }
/// The TLogLevel of an FFmpeg level: level / 8 + 1 (truncating), clamped to llQuiet .. llDebug.
TLogLevel AVToLogLevel(int AAVLevel);

/// One log line: who logged it, on which thread, at which level.
struct TLogInfo {
  TObject* Sender { nullptr };
  Cardinal ThreadID { 0 };
  TLogLevel LogLevel { llQuiet };
  String LogMsg;
};

/// Lines waiting for the user-interface thread, shared with the hand-over that delivers them so that a
/// hand-over still queued when the logger goes finds it closed.
struct TLogBatch;

using TLogEvent = std::function<void(TObject* Sender, Cardinal AThreadID, TLogLevel ALogLevel, const String& ALogMsg)>;

/// The process's logger (GlobalLogger finds it). It filters the components' messages by LogLevel, gathers
/// FFmpeg's text per thread into whole lines and raises OnLog once per line, one event at a time: while
/// TriggerEventInMainThread is on, on the user-interface thread (at once for its own lines; the lines of
/// other threads are handed over in batches, in the order they were logged, without their threads
/// waiting), else on the logging thread. Only one can exist at a time.
class TFFLogger : public TFFBaseComponent {
public:
  /// Becomes the process's logger; while another one exists it raises EAssertionFailed
  /// "Allow creating only one instance of TFFLogger." and nothing is created.
  explicit TFFLogger(TComponent* AOwner);
  ~TFFLogger() override;

  /// Makes this logger FFmpeg's log callback and applies LogLevel; libavutil must be bound, otherwise
  /// EAssertionFailed "Assertion failure".
  void InstallAVLogCallback();

  /// Logs a component's message. It passes when ALogLevel <= LogLevel, and llVerbose messages pass at
  /// every level but llQuiet (so llQuiet messages always pass).
  void Log(TObject* Sender, TLogLevel ALogLevel, const String& ALogMsg);
  /// Log with the message built by Format.
  template <class... TArgs>
    requires(sizeof...(TArgs) > 0)
  void Log(TObject* Sender, TLogLevel ALogLevel, std::string_view AFormat, const TArgs&... Args) {
    if (Passes(ALogLevel)) Fire(Sender, GetCurrentThreadId(), ALogLevel, Format(AFormat, Args...));
  }

  /// Sets LogLevel from an FFmpeg level word ("quiet" ... "debug", any case) or a decimal number; other
  /// text raises EConvertError.
  void OptLogLevel(const String& AValue);

  TLogLevel LogLevel() const { return FLogLevel.load(); }
  /// Stores a changed level and, once libavutil is bound, makes it FFmpeg's level too.
  void SetLogLevel(TLogLevel Value);
  bool TriggerEventInMainThread() const { return FTriggerEventInMainThread.load(); }
  void SetTriggerEventInMainThread(bool Value) { FTriggerEventInMainThread.store(Value); }

  /// Raised once per line; see the class comment for the thread it runs on.
  TLogEvent OnLog;

private:
  friend void AVLogCallback(void* avcl, int level, const char* fmt, va_list vl);
  static TComponent* CheckSingleInstance(TComponent* AOwner);
  bool Passes(TLogLevel ALogLevel) const;
  void Fire(TObject* Sender, Cardinal AThreadID, TLogLevel ALogLevel, const String& ALogMsg);
  void HandOver(const TLogInfo& AInfo);
  void ApplyAVLogLevel();

  std::atomic<bool> FTriggerEventInMainThread { true };
  std::atomic<TLogLevel> FLogLevel { llQuiet };
  TCriticalSection FDirectLock;  // one direct delivery at a time
  std::shared_ptr<TLogBatch> FBatch;  // lines waiting for the user-interface thread
};

/// The process's logger; creates one without owner when none exists.
TFFLogger* GlobalLogger();
/// The FFmpeg level below which FFmpeg's lines are dropped before they are assembled; follows LogLevel.
int CurrentAVLogLevel();
/// FFmpeg's log callback: assembles each thread's text into lines and logs them through GlobalLogger.
void AVLogCallback(void* avcl, int level, const char* fmt, va_list vl);
