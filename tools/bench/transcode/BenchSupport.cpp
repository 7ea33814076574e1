#include "tools/bench/transcode/BenchSupport.h"

#include <filesystem>
#include <utility>

#include "engine/task/FFmpeg.h"
#include "tests/engine/fixtures/MediaFixtures.h"

namespace fs = std::filesystem;

namespace bench {

namespace {

/// Converts ACopies of the fixture clip joined, with AOptions, into AName unless it exists; the file
/// appears only once whole.
String Made(const String& AName, int ACopies, const std::vector<std::pair<const char*, const char*>>& AOptions) {
  if (fs::exists(AName)) return AName;
  TCustomFFmpeg Task(20);
  for (int I = 0; I < ACopies; ++I) Task.OpenInputFile(MediaFixtures().ClipAVI);
  for (const auto& [Option, Value] : AOptions) Task.ApplyOption(Option, Value);
  const String Partial = AName + ".part" + fs::path(AName).extension().string();
  if (Task.OpenOutputFile(Partial, true) < 0) throw std::runtime_error(Task.LastErrMsg());
  Task.StartConvert(false, tpNormal);
  if (!Task.Finished()) throw std::runtime_error(Task.FatalMessage());
  fs::rename(Partial, AName);
  return AName;
}

}  // namespace

String Folder() {
  const String Path = MediaFixtures().Folder + "/bench-transcode";
  fs::create_directories(Path);
  return Path;
}

const String& Clip() {
  static const String Path =
    Made(Folder() + "/clip-640x360.avi", 5, { { "s", "640x360" }, { "vcodec", "mpeg4" }, { "qscale", "3" }, { "acodec", "mp2" } });
  return Path;
}

const String& ClipH264() {
  static const String Path = Made(Folder() + "/clip-1280x720.mp4", 2,
                                  { { "s", "1280x720" }, { "vcodec", "libx264" }, { "bf", "3" }, { "acodec", "aac" } });
  return Path;
}

}  // namespace bench
