#pragma once
// Where the option records of a conversion job are written: the task's option state, or a recorder in
// tests.
#include "platform/base/Types.h"

/// Receives options by their command-line names (without the dash), in the order they are applied, and
/// the few settings that have setters of their own. Every call may raise the error of the option.
class IOptionSink {
public:
  virtual ~IOptionSink() = default;

  virtual void ApplyOption(const String& Name, const String& Value) = 0;
  /// "vol": a negative value changes nothing.
  virtual void SetAudioVolume(int Value) = 0;
  /// "async" and "vsync".
  virtual void SetAudioSyncMethod(int Value) = 0;
  virtual void SetVideoSyncMethod(int Value) = 0;
  /// "muxdelay" and "muxpreload" in seconds: 0 or less changes nothing.
  virtual void SetMuxMaxDelay(float Value) = 0;
  virtual void SetMuxPreload(float Value) = 0;
  /// The position the next input starts from, in microseconds.
  virtual void SetStartTime(Int64 Value) = 0;
  /// A disc target ("vcd", "svcd", "dvd") with its norm ("auto", "pal", "ntsc") and the norm assumed
  /// when the inputs do not tell.
  virtual void SetTarget(const String& TargetType, const String& Norm, const String& DefaultNorm) = 0;
};
