#pragma once
// Playing a sound file.
#include "platform/base/Types.h"

/// Plays sound files without waiting for them.
class ISoundService {
public:
  virtual ~ISoundService() = default;

  /// Starts playing the WAV file FileName and returns at once; a sound still playing stops first. A file
  /// that is missing, not a regular file or not a WAV file plays nothing and raises nothing. True when the
  /// sound started.
  virtual bool PlaySound(const String& FileName) = 0;

  /// The service in use: the real one unless another was put in place.
  static ISoundService& Current();
  /// Puts Service (not owned) in place of the real one; null goes back to the real one.
  static void SetCurrent(ISoundService* Service);
};
