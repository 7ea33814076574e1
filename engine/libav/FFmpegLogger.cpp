#include "engine/libav/FFmpegLogger.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>

#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/MyUtils.h"
#include "engine/libav/TServingLock.h"
#include "platform/base/ScopeGuard.h"

namespace {

std::atomic<int> AVLogLevel { 32 };
std::atomic<TFFLogger*> TheLogger { nullptr };
std::mutex CreateLock;  // guards the creation of an owner-less logger by FFmpeg's threads

// An owner-less logger made by GlobalLogger has nobody to free it but the process's end.
struct TLoggerShutdown {
  ~TLoggerShutdown() {
    TFFLogger* Logger = TheLogger.load();
    if (Logger && !Logger->Owner()) delete Logger;
  }
} LoggerShutdown;

// FFmpeg's text of the calling thread that has no line feed yet; gone with its thread.
thread_local String PendingLine;

constexpr int LogBufferSize = 2048;

}  // namespace

struct TLogBatch {
  std::mutex Lock;
  std::deque<TLogInfo> Lines;  // guarded by Lock, oldest first
  bool Delivering { false };   // guarded by Lock: a hand-over that delivers every line in Lines is queued
  TFFLogger* Logger { nullptr };  // guarded by Lock; cleared when the logger goes

  /// On the user-interface thread: raises the logger's current OnLog for each waiting line, oldest first,
  /// until none waits. A handler's exception leaves here with the lines after its own still waiting and
  /// a new hand-over queued for them.
  void Deliver(const std::shared_ptr<TLogBatch>& ASelf) {
    for (;;) {
      TLogInfo Line;
      TLogEvent Handler;
      {
        std::lock_guard Held(Lock);
        if (Lines.empty() || !Logger) {
          Delivering = false;
          return;
        }
        Line = std::move(Lines.front());
        Lines.pop_front();
        Handler = Logger->OnLog;
      }
      if (!Handler) continue;
      ScopeGuard DeliverRestLater([ASelf] { Queue([ASelf] { ASelf->Deliver(ASelf); }); });
      Handler(Line.Sender, Line.ThreadID, Line.LogLevel, Line.LogMsg);
      DeliverRestLater.Dismiss();
    }
  }
};

TLogLevel AVToLogLevel(int AAVLevel) {
  return TLogLevel(std::clamp(AAVLevel / 8 + 1, int(llQuiet), int(llDebug)));
}

int CurrentAVLogLevel() { return AVLogLevel.load(); }

TComponent* TFFLogger::CheckSingleInstance(TComponent* AOwner) {
  if (TheLogger.load()) throw EAssertionFailed("Allow creating only one instance of TFFLogger.");
  return AOwner;
}

TFFLogger::TFFLogger(TComponent* AOwner) : TFFBaseComponent(CheckSingleInstance(AOwner)), FBatch(std::make_shared<TLogBatch>()) {
  FBatch->Logger = this;
  SetLogLevel(AVToLogLevel(AVLogLevel.load()));
  TheLogger.store(this);
}

TFFLogger::~TFFLogger() {
  TFFLogger* Self = this;
  TheLogger.compare_exchange_strong(Self, nullptr);
  std::lock_guard Held(FBatch->Lock);
  FBatch->Logger = nullptr;
}

void TFFLogger::InstallAVLogCallback() {
  if (!LibAVUtil.av_log_set_callback || !LibAVUtil.av_log_set_level) throw EAssertionFailed("Assertion failure");
  LibAVUtil.av_log_set_callback(AVLogCallback);
  ApplyAVLogLevel();
}

void TFFLogger::SetLogLevel(TLogLevel Value) {
  if (FLogLevel.exchange(Value) == Value) return;
  if (LibAVUtil.av_log_set_level) ApplyAVLogLevel();
}

void TFFLogger::ApplyAVLogLevel() {
  AVLogLevel.store(LogLevelToAV(LogLevel()));
  LibAVUtil.av_log_set_level(AVLogLevel.load());
}

bool TFFLogger::Passes(TLogLevel ALogLevel) const {
  const TLogLevel Level = LogLevel();
  return ALogLevel <= Level || (ALogLevel == llVerbose && Level != llQuiet);
}

void TFFLogger::Log(TObject* Sender, TLogLevel ALogLevel, const String& ALogMsg) {
  if (Passes(ALogLevel)) Fire(Sender, GetCurrentThreadId(), ALogLevel, ALogMsg);
}

void TFFLogger::OptLogLevel(const String& AValue) {
  static constexpr std::pair<const char*, int> Words[] = {
    { "quiet", -8 }, { "panic", 0 }, { "fatal", 8 }, { "error", 16 },
    { "warning", 24 }, { "info", 32 }, { "verbose", 40 }, { "debug", 48 },
  };
  for (const auto& [Word, Level] : Words)
    if (SameText(AValue, Word)) return SetLogLevel(AVToLogLevel(Level));
  SetLogLevel(AVToLogLevel(StrToInt(AValue)));
}

void TFFLogger::Fire(TObject* Sender, Cardinal AThreadID, TLogLevel ALogLevel, const String& ALogMsg) {
  // Each event carries its own record, so lines of several threads never overwrite one another.
  // A line nobody listens to is dropped, not kept for a handler assigned later.
  const TLogEvent Handler = OnLog;
  if (!Handler) return;
  const TLogInfo Info { Sender, AThreadID, ALogLevel, ALogMsg };
  if (TriggerEventInMainThread()) return HandOver(Info);
  TServingLock Held(FDirectLock);
  Handler(Info.Sender, Info.ThreadID, Info.LogLevel, Info.LogMsg);
}

void TFFLogger::HandOver(const TLogInfo& AInfo) {
  bool Schedule = false;
  {
    std::lock_guard Held(FBatch->Lock);
    FBatch->Lines.push_back(AInfo);
    Schedule = !std::exchange(FBatch->Delivering, true);
  }
  // The user-interface thread delivers at once what waits, its own line last; another thread's line
  // waits for a hand-over, and a thread that finds one queued leaves its line to it.
  if (IsMainThread()) FBatch->Deliver(FBatch);
  else if (Schedule) Queue([Batch = FBatch] { Batch->Deliver(Batch); });
}

TFFLogger* GlobalLogger() {
  if (TFFLogger* Logger = TheLogger.load()) return Logger;
  std::lock_guard Creating(CreateLock);
  if (TFFLogger* Logger = TheLogger.load()) return Logger;
  return new TFFLogger(nullptr);
}

void AVLogCallback(void* avcl, int level, const char* fmt, va_list vl) {
  if (level > AVLogLevel.load()) return;
  char Buffer[LogBufferSize];
  int Used = 0;
  // Only the first piece of a line names the object that logs; a context without a class has no name.
  const AVClass* Class = avcl ? *static_cast<const AVClass* const*>(avcl) : nullptr;
  if (Class && PendingLine.empty())
    Used = std::clamp(std::snprintf(Buffer, sizeof Buffer, "[%s @ %p]", Class->item_name(avcl), avcl), 0, LogBufferSize - 1);
  const int Wanted = std::vsnprintf(Buffer + Used, sizeof Buffer - Used, fmt, vl);
  PendingLine += Buffer;
  // A message cut at the buffer's end still ends its line when it was meant to, instead of running into
  // the next message.
  const size_t FormatLength = std::strlen(fmt);
  if (Used + Wanted >= LogBufferSize && FormatLength > 0 && fmt[FormatLength - 1] == '\n') PendingLine += '\n';
  for (auto LineEnd = PendingLine.find('\n'); LineEnd != String::npos; LineEnd = PendingLine.find('\n')) {
    const String Line = PendingLine.substr(0, LineEnd);
    PendingLine.erase(0, LineEnd + 1);
    // A handler's exception must not unwind through FFmpeg's C frames.
    try {
      TFFLogger* Logger = GlobalLogger();
      Logger->Fire(Logger, GetCurrentThreadId(), AVToLogLevel(level), Line);
    } catch (...) {
    }
  }
}
