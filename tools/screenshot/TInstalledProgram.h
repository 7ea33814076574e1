#pragma once
// A program run as a user installs and starts it: copied into an install folder of its own (it keeps its
// settings beside itself) and started with a home folder of its own, both under a temporary root.
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <vector>

#include "platform/base/Types.h"

/// One run of a copied program; the process is killed (when still running) and the root removed when this
/// object goes.
class TInstalledProgram {
public:
  /// Copies Program into <root>/install; raises std::runtime_error when the folders or the copy fail.
  explicit TInstalledProgram(const String& Program);
  ~TInstalledProgram();
  TInstalledProgram(const TInstalledProgram&) = delete;
  TInstalledProgram& operator=(const TInstalledProgram&) = delete;

  /// Starts the copy with this process's environment but HOME (the home folder) and silent sound; the
  /// X server's authority stays where it was found. Each of Changes then either sets a variable
  /// ("NAME=value") or removes one (a bare "NAME"). A non-empty Command (an absolute program path and its
  /// arguments) is run instead of the copy. False when it cannot be started or the last start still runs.
  bool Start(const std::vector<String>& Changes = {}, const std::vector<String>& Command = {});
  /// Waits up to Limit for the process to end; its exit code, or none while it runs or when a signal ended it.
  std::optional<int> WaitForExit(std::chrono::milliseconds Limit);
  /// The process's resident memory and its peak so far, in KiB; 0 when it cannot be read.
  long ResidentKiB() const;
  long PeakResidentKiB() const;

  const String& InstallFolder() const { return FInstall; }
  const String& HomeFolder() const { return FHome; }

private:
  long StatusKiB(const char* Field) const;

  String FRoot;
  String FProgram;
  String FInstall;
  String FHome;
  pid_t FPid { -1 };
  bool FEnded { false };
};
