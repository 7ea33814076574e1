#pragma once
// Records what the process's logger delivers, for tests that check a component's messages and levels.
#include <mutex>
#include <vector>

#include "engine/libav/FFmpegLogger.h"

/// While it exists, the process's logger delivers every line on the logging thread (at ALevel and above)
/// into Events; the logger's settings come back afterwards.
class TLogRecorder {
public:
  struct TEvent {
    TObject* Sender;
    TLogLevel Level;
    String Text;
    friend bool operator==(const TEvent&, const TEvent&) = default;
  };

  explicit TLogRecorder(TLogLevel ALevel = llInfo)
      : FLogger(GlobalLogger()), FLevel(FLogger->LogLevel()), FInMainThread(FLogger->TriggerEventInMainThread()) {
    FLogger->SetLogLevel(ALevel);
    FLogger->SetTriggerEventInMainThread(false);
    FLogger->OnLog = [this](TObject* Sender, Cardinal, TLogLevel Level, const String& Text) {
      std::lock_guard Lock(FLock);
      FEvents.push_back({ Sender, Level, Text });
    };
  }
  ~TLogRecorder() {
    FLogger->OnLog = nullptr;
    FLogger->SetTriggerEventInMainThread(FInMainThread);
    FLogger->SetLogLevel(FLevel);
  }
  TLogRecorder(const TLogRecorder&) = delete;
  TLogRecorder& operator=(const TLogRecorder&) = delete;

  /// The events ASender logged, oldest first.
  std::vector<TEvent> From(TObject* ASender) {
    std::lock_guard Lock(FLock);
    std::vector<TEvent> Result;
    for (const TEvent& Event : FEvents)
      if (Event.Sender == ASender) Result.push_back(Event);
    return Result;
  }
  void Clear() {
    std::lock_guard Lock(FLock);
    FEvents.clear();
  }

private:
  TFFLogger* FLogger;
  TLogLevel FLevel;
  bool FInMainThread;
  std::mutex FLock;
  std::vector<TEvent> FEvents;
};
