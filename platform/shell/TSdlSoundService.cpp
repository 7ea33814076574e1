#include "platform/shell/TSdlSoundService.h"

#include <SDL.h>

#include <vector>

#include "platform/base/FileUtils.h"

namespace {

// How long after the expected end a device is kept, for what is still in SDL's own buffers.
constexpr std::chrono::milliseconds EndMargin { 300 };

bool Convert(const SDL_AudioSpec& From, const SDL_AudioSpec& To, std::vector<Uint8>& Samples) {
  SDL_AudioCVT conversion;
  const int needed =
      SDL_BuildAudioCVT(&conversion, From.format, From.channels, From.freq, To.format, To.channels, To.freq);
  if (needed <= 0) return needed == 0;
  conversion.len = int(Samples.size());
  Samples.resize(Samples.size() * size_t(conversion.len_mult));
  conversion.buf = Samples.data();
  if (SDL_ConvertAudio(&conversion) != 0) return false;
  Samples.resize(size_t(conversion.len_cvt));
  return true;
}

bool LoadWav(const String& FileName, SDL_AudioSpec& Spec, std::vector<Uint8>& Samples) {
  TDirEntry entry;
  if (!GetDirEntry(FileName, entry) || entry.Kind != TFileKind::Regular) return false;  // never a pipe or device
  Uint8* data = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV(FileName.c_str(), &Spec, &data, &length)) return false;
  Samples.assign(data, data + length);
  SDL_FreeWAV(data);
  Spec.callback = nullptr;
  Spec.userdata = nullptr;
  return !Samples.empty();
}

}  // namespace

TSdlSoundService::~TSdlSoundService() {
  {
    std::lock_guard lock(FLock);
    FQuit = true;
    CloseDevice();
  }
  FChanged.notify_all();
  if (FCloser.joinable()) FCloser.join();
  if (FAudioStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool TSdlSoundService::PlaySound(const String& FileName) {
  std::lock_guard lock(FLock);
  CloseDevice();
  SDL_AudioSpec wav {};
  std::vector<Uint8> samples;
  if (!StartAudio() || !LoadWav(FileName, wav, samples)) return false;
  SDL_AudioSpec device {};
  FDevice = SDL_OpenAudioDevice(nullptr, 0, &wav, &device, SDL_AUDIO_ALLOW_ANY_CHANGE);
  if (FDevice == 0) return false;
  if (!Convert(wav, device, samples) || SDL_QueueAudio(FDevice, samples.data(), Uint32(samples.size())) != 0) {
    CloseDevice();
    return false;
  }
  SDL_PauseAudioDevice(FDevice, 0);
  const size_t bytesPerSecond = size_t(SDL_AUDIO_BITSIZE(device.format) / 8) * device.channels * size_t(device.freq);
  FEnd = std::chrono::steady_clock::now() + std::chrono::milliseconds(samples.size() * 1000 / bytesPerSecond) + EndMargin;
  if (!FCloser.joinable()) FCloser = std::thread([this] { CloseDevicesWhenDone(); });
  FChanged.notify_all();
  return true;
}

bool TSdlSoundService::StartAudio() {
  if (!FAudioStarted) {
    // Audio brings up SDL's event layer, which would otherwise turn Ctrl+C into an event nobody reads.
    SDL_SetHintWithPriority(SDL_HINT_NO_SIGNAL_HANDLERS, "1", SDL_HINT_DEFAULT);
    FAudioStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  }
  return FAudioStarted;
}

void TSdlSoundService::CloseDevice() {
  if (FDevice == 0) return;
  SDL_CloseAudioDevice(FDevice);
  FDevice = 0;
}

void TSdlSoundService::CloseDevicesWhenDone() {
  std::unique_lock lock(FLock);
  while (!FQuit) {
    if (FDevice == 0) {
      FChanged.wait(lock);
    } else if (FChanged.wait_until(lock, FEnd) == std::cv_status::timeout && FDevice != 0) {
      if (SDL_GetQueuedAudioSize(FDevice) == 0) CloseDevice();
      else FEnd = std::chrono::steady_clock::now() + EndMargin;
    }
  }
}
