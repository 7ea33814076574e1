#pragma once
// Shared set-up of the conversion-task tests: the libraries and media fixtures, a scratch folder and the
// logger's lines.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/libav/FFmpegLoader.h"
#include "tests/engine/TLogRecorder.h"
#include "tests/engine/fixtures/MediaFixtures.h"

/// A folder of its own for one test, removed with everything in it afterwards.
class TScratchFolder {
public:
  TScratchFolder() {
    static std::atomic<int> Counter { 0 };
    FPath = std::filesystem::temp_directory_path() /
            ("engine-task-" + std::to_string(getpid()) + "-" + std::to_string(Counter++));
    std::filesystem::create_directories(FPath);
  }
  ~TScratchFolder() {
    std::error_code Ignored;
    std::filesystem::permissions(FPath, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, Ignored);
    std::filesystem::remove_all(FPath, Ignored);
  }
  TScratchFolder(const TScratchFolder&) = delete;
  TScratchFolder& operator=(const TScratchFolder&) = delete;

  String Path(const String& AName) const { return (FPath / AName).string(); }

private:
  std::filesystem::path FPath;
};

inline void WriteFile(const String& AName, const String& AContent) { std::ofstream(AName, std::ios::binary) << AContent; }

inline String ReadFile(const String& AName) {
  std::ifstream File(AName, std::ios::binary);
  return String(std::istreambuf_iterator<char>(File), {});
}

/// Base of the task tests: transcoder libraries loaded, fixtures made, log lines recorded.
class TTaskTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    String Error;
    ASSERT_TRUE(LoadAVLib("", TranscoderLibraries, Error)) << Error;
    MediaFixtures();
  }
  static const TMediaFixtures& Media() { return MediaFixtures(); }

  /// Whether some line ASender logged so far contains AText (FFmpeg's own lines come from the logger).
  bool Logged(const String& AText, TObject* ASender) {
    for (const auto& Event : Log.From(ASender))
      if (Event.Text.find(AText) != String::npos) return true;
    return false;
  }

  TLogRecorder Log { llDebug };
  TScratchFolder Folder;
};
