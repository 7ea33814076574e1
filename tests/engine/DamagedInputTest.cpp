// Damaged media: cut short or with bytes overwritten, a file must be described or refused and converted or
// failed with a message, never take the process down.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "engine/probe/AVProbe.h"
#include "engine/task/FFmpeg.h"
#include "platform/base/FileUtils.h"
#include "platform/gdi/TBitmap.h"
#include "tests/engine/TaskTesting.h"

namespace {

/// ASource with its tail cut off at AKeep (a fraction of its length).
String Truncated(const String& ASource, double AKeep) { return ASource.substr(0, size_t(double(ASource.size()) * AKeep)); }

/// ASource with ABursts runs of 16 random bytes written over it past its first 64 bytes (the headers stay
/// mostly readable, so the damage reaches the demuxers and decoders).
String Overwritten(const String& ASource, unsigned ASeed, int ABursts) {
  String Result = ASource;
  std::mt19937 Random(ASeed);
  for (int I = 0; I < ABursts && Result.size() > 96; ++I) {
    const size_t At = 64 + Random() % (Result.size() - 96);
    for (size_t J = 0; J < 16; ++J) Result[At + J] = char(Random());
  }
  return Result;
}

class DamagedInputTest : public TTaskTest {};

TEST_F(DamagedInputTest, IsDescribedOrRefusedAndConvertedOrFailedWithAMessage) {
  const std::vector<String> Sources = { Media().ClipAVI, Media().ClipMKV, Media().ClipMP4,
                                        Media().AudioWAV, Media().AudioMP3, Media().SubtitleMKV };
  int Made = 0;
  for (const String& Source : Sources) {
    const String Data = ReadFile(Source);
    const String Extension = ExtractFileExt(Source);
    std::vector<String> Damaged = { Truncated(Data, 0.02), Truncated(Data, 0.5), Truncated(Data, 0.93) };
    for (unsigned Seed = 1; Seed <= 4; ++Seed) Damaged.push_back(Overwritten(Data, Seed, int(Seed) * 8));
    for (const String& Content : Damaged) {
      const String Input = Folder.Path(Format("damaged%d%s", Made, Extension));
      const String Output = Folder.Path(Format("out%d.avi", Made++));
      SCOPED_TRACE(Input + " from " + Source);
      WriteFile(Input, Content);

      TAVProbe Probe(nullptr);
      if (Probe.LoadFile(Input)) {
        EXPECT_FALSE(Probe.FileInfoText().empty());
        // The snapshot path: step through the pictures, back, and to the middle.
        TBitmap Picture;
        for (int I = 0; I < 30 && Probe.Decode(); ++I) Probe.CopyToBitmap(&Picture);
        Probe.DecodePreviousFrame();
        Probe.DecodePreviousKeyFrame();
        if (Probe.Seek(1000000, {})) Probe.DecodeNextKeyFrame();
      } else {
        EXPECT_FALSE(Probe.LastErrMsg().empty());
      }

      TCustomFFmpeg Task(2);
      if (!Task.OpenInputFile(Input)) {
        EXPECT_FALSE(Task.LastErrMsg().empty());
        continue;
      }
      for (const auto& [Name, Value] : { std::pair<String, String> { "vcodec", "mpeg4" }, { "acodec", "mp2" }, { "s", "64x48" } })
        Task.ApplyOption(Name, Value);
      if (Task.OpenOutputFile(Output, false) <= 0) {
        EXPECT_FALSE(Task.LastErrMsg().empty());
        continue;
      }
      Task.StartConvert(false, tpNormal);
      if (Task.FatalException()) {
        EXPECT_FALSE(Task.FatalMessage().empty());
      }
      if (std::filesystem::exists(Output)) {
        EXPECT_GT(std::filesystem::file_size(Output), 0u) << "an empty output is removed";
      }
    }
  }
}

}  // namespace
