#include "resources/sounds/generator/CompletionSound.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

/// One note of the chime: its start and length in seconds and its pitch in Hz.
struct TNote {
  double Start;
  double Length;
  double Frequency;
};

constexpr TNote Notes[] = { { 0.0, 0.7, 1318.51 }, { 0.25, 0.95, 879.00 } };
constexpr double Peak = 0.5;
constexpr double Attack = 0.004;  // seconds to full level: no click at the start
constexpr double Decay = 5.0;     // per second, of the level

/// A bell's voice: the fundamental with two quieter, faster-fading partials above it.
double Bell(double Frequency, double Time) {
  const double Phase = 2 * std::numbers::pi * Frequency * Time;
  return std::sin(Phase) + 0.35 * std::sin(2.76 * Phase) * std::exp(-4 * Time) +
         0.2 * std::sin(5.4 * Phase) * std::exp(-8 * Time);
}

double Sample(double Time) {
  double Value = 0;
  for (const TNote& Note : Notes) {
    const double Local = Time - Note.Start;
    if (Local < 0 || Local >= Note.Length) continue;
    const double Rise = std::min(1.0, Local / Attack);
    const double Fade = std::min(1.0, (Note.Length - Local) / 0.05);  // the last 50 ms fade out to silence
    Value += Bell(Note.Frequency, Local) * std::exp(-Decay * Local) * Rise * Fade;
  }
  return Value * Peak / 1.55;  // 1.55 is the voice's highest sum of partials
}

void PutLE(std::vector<Byte>& Out, uint32_t Value, int Bytes) {
  for (int i = 0; i < Bytes; ++i) Out.push_back(Byte(Value >> (8 * i)));
}

}  // namespace

std::vector<Byte> CompletionSoundWav() {
  double End = 0;
  for (const TNote& Note : Notes) End = std::max(End, Note.Start + Note.Length);
  const auto Frames = uint32_t(End * CompletionSoundRate);
  const uint32_t DataBytes = Frames * 2;

  std::vector<Byte> Wav;
  const auto Tag = [&Wav](const char* Text) { Wav.insert(Wav.end(), Text, Text + 4); };
  Tag("RIFF");
  PutLE(Wav, 36 + DataBytes, 4);
  Tag("WAVE");
  Tag("fmt ");
  PutLE(Wav, 16, 4);
  PutLE(Wav, 1, 2);  // PCM
  PutLE(Wav, 1, 2);  // mono
  PutLE(Wav, CompletionSoundRate, 4);
  PutLE(Wav, CompletionSoundRate * 2, 4);
  PutLE(Wav, 2, 2);
  PutLE(Wav, 16, 2);
  Tag("data");
  PutLE(Wav, DataBytes, 4);
  for (uint32_t i = 0; i < Frames; ++i) {
    const double Value = std::clamp(Sample(double(i) / CompletionSoundRate), -1.0, 1.0);
    PutLE(Wav, uint32_t(int16_t(std::lround(Value * 32767))) & 0xFFFF, 2);
  }
  return Wav;
}
