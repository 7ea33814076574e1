#pragma once
// Temporary folders and environment overrides for the shell tests.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/base/Types.h"

/// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TTempFolder {
public:
  TTempFolder() {
    String pattern = (std::filesystem::temp_directory_path() / "zorvik-shell.XXXXXX").string();
    FPath = ::mkdtemp(pattern.data());
  }
  ~TTempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(FPath, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(FPath, ignored);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const String& Path() const { return FPath; }
  String operator/(const String& Name) const { return FPath + "/" + Name; }

private:
  String FPath;
};

/// Sets (or with nullopt unsets) an environment variable for the life of the object.
class TEnvironmentOverride {
public:
  TEnvironmentOverride(const char* Name, std::optional<String> Value) : FName(Name) {
    if (const char* old = ::getenv(Name)) FOld = old;
    Apply(Value);
  }
  ~TEnvironmentOverride() { Apply(FOld); }
  TEnvironmentOverride(const TEnvironmentOverride&) = delete;
  TEnvironmentOverride& operator=(const TEnvironmentOverride&) = delete;

private:
  void Apply(const std::optional<String>& Value) {
    if (Value) ::setenv(FName.c_str(), Value->c_str(), 1);
    else ::unsetenv(FName.c_str());
  }

  String FName;
  std::optional<String> FOld;
};

inline void WriteFile(const String& Path, const String& Bytes) {
  std::ofstream(Path, std::ios::binary) << Bytes;
}

inline String ReadFile(const String& Path) {
  std::ifstream file(Path, std::ios::binary);
  return String(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

/// Polls Done every few milliseconds until it holds or Seconds have passed; returns its last value.
inline bool WaitUntil(const std::function<bool()>& Done, double Seconds = 2.0) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(Seconds);
  while (!Done()) {
    if (std::chrono::steady_clock::now() >= deadline) return Done();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

/// Watches over a named pipe while code that must never open it runs: opening it for reading would block
/// for ever, so after a few seconds the guard opens the pipe itself (which lets a blocked opener go on)
/// and records that it had to.
class TPipeGuard {
public:
  explicit TPipeGuard(String Pipe) : FPipe(std::move(Pipe)), FWatchdog([this] { Watch(); }) {}
  ~TPipeGuard() {
    {
      std::lock_guard lock(FLock);
      FFinished = true;
    }
    FDone.notify_all();
    FWatchdog.join();
  }
  TPipeGuard(const TPipeGuard&) = delete;
  TPipeGuard& operator=(const TPipeGuard&) = delete;

  /// True when the code under watch was still running after the time allowed.
  bool Fired() {
    std::lock_guard lock(FLock);
    return FFired;
  }

private:
  void Watch() {
    std::unique_lock lock(FLock);
    if (FDone.wait_for(lock, std::chrono::seconds(5), [this] { return FFinished; })) return;
    FFired = true;
    const int fd = ::open(FPipe.c_str(), O_RDWR | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
  }

  String FPipe;
  std::mutex FLock;
  std::condition_variable FDone;
  bool FFinished { false };
  bool FFired { false };
  std::thread FWatchdog;  // last: it starts once the rest is ready
};
