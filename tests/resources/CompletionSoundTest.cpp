#include "resources/sounds/generator/CompletionSound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

uint32_t LE(const std::vector<Byte>& Bytes, size_t At, int Count) {
  uint32_t Value = 0;
  for (int i = Count - 1; i >= 0; --i) Value = Value << 8 | Bytes[At + size_t(i)];
  return Value;
}

// A plain 16-bit mono PCM WAV that any player reads: a short sound, loud enough to hear, never clipped,
// starting and ending at silence so it does not click.
TEST(CompletionSoundTest, IsAShortUnclippedMonoPcmWave) {
  const std::vector<Byte> Wav = CompletionSoundWav();
  ASSERT_GT(Wav.size(), 44u);
  EXPECT_EQ(std::memcmp(Wav.data(), "RIFF", 4), 0);
  EXPECT_EQ(LE(Wav, 4, 4), Wav.size() - 8);
  EXPECT_EQ(std::memcmp(Wav.data() + 8, "WAVEfmt ", 8), 0);
  EXPECT_EQ(LE(Wav, 20, 2), 1u) << "PCM";
  EXPECT_EQ(LE(Wav, 22, 2), 1u) << "mono";
  EXPECT_EQ(LE(Wav, 24, 4), uint32_t(CompletionSoundRate));
  EXPECT_EQ(LE(Wav, 34, 2), 16u);
  EXPECT_EQ(std::memcmp(Wav.data() + 36, "data", 4), 0);
  const uint32_t Frames = LE(Wav, 40, 4) / 2;
  ASSERT_EQ(Wav.size(), 44 + Frames * 2u);

  const double Seconds = double(Frames) / CompletionSoundRate;
  EXPECT_GT(Seconds, 0.5);
  EXPECT_LT(Seconds, 2.0);
  std::vector<int> Samples;
  for (uint32_t i = 0; i < Frames; ++i) Samples.push_back(int16_t(LE(Wav, 44 + 2 * i, 2)));
  const int Peak = std::ranges::max(Samples, {}, [](int S) { return std::abs(S); });
  EXPECT_GT(std::abs(Peak), 8000);
  EXPECT_LT(std::abs(Peak), 30000);
  EXPECT_LT(std::abs(Samples.front()), 100);
  EXPECT_LT(std::abs(Samples.back()), 100);
}

}  // namespace
