#pragma once
// Sound through SDL's audio.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/shell/ISoundService.h"

/// Plays WAV files through an SDL audio device of its own, converted to the format the device offers.
/// SDL's audio starts on the first sound, with the driver SDL picks (SDL_AUDIODRIVER chooses one), and
/// stops with the service. The device is let go shortly after its sound has ended, so an idle program
/// holds no audio stream.
class TSdlSoundService : public ISoundService {
public:
  TSdlSoundService() = default;
  ~TSdlSoundService() override;
  TSdlSoundService(const TSdlSoundService&) = delete;
  TSdlSoundService& operator=(const TSdlSoundService&) = delete;

  bool PlaySound(const String& FileName) override;

private:
  bool StartAudio();
  void CloseDevice();
  void CloseDevicesWhenDone();

  std::mutex FLock;
  std::condition_variable FChanged;
  std::thread FCloser;
  uint32_t FDevice { 0 };
  std::chrono::steady_clock::time_point FEnd;
  bool FAudioStarted { false };
  bool FQuit { false };
};
