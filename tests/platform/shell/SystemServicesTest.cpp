#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include "platform/shell/Processes.h"
#include "tests/platform/shell/TRecordingPowerService.h"
#include "tests/platform/shell/TRecordingShellOpenService.h"
#include "tests/platform/shell/TRecordingSoundService.h"
#include "platform/shell/TSdlSoundService.h"
#include "platform/shell/TSystemPowerService.h"
#include "platform/shell/TXdgOpenService.h"
#include "tests/platform/shell/ShellTestSupport.h"

namespace {

void WriteScript(const String& Path, const String& Body) {
  WriteFile(Path, "#!/bin/sh\n" + Body);
  chmod(Path.c_str(), 0755);
}

std::vector<String> SplitAtNul(const String& Text) {
  std::vector<String> parts;
  size_t start = 0;
  for (size_t end; (end = Text.find('\0', start)) != String::npos; start = end + 1)
    parts.push_back(Text.substr(start, end - start));
  return parts;
}

// A fake xdg-open first on PATH that writes its working folder and its arguments (each ended by NUL)
// into a file, which appears whole once the fake has run.
class ShellOpenTest : public ::testing::Test {
protected:
  void SetUp() override {
    WriteScript(Bin / "xdg-open", "{ printf '%s\\0' \"$(pwd)\" \"$@\"; } > '" + Record + ".part' && mv '" + Record +
                                      ".part' '" + Record + "'\n");
  }

  /// The working folder and the arguments of the fake's next run.
  std::vector<String> NextRun() {
    EXPECT_TRUE(WaitUntil([&] { return std::filesystem::exists(Record); }, 5.0)) << "the opener did not run";
    std::vector<String> run = SplitAtNul(ReadFile(Record));
    std::filesystem::remove(Record);
    return run;
  }

  TTempFolder Bin, Work;
  String Record = Work / "run";
  TEnvironmentOverride Path { "PATH", Bin.Path() + ":/usr/bin:/bin" };
};

TEST_F(ShellOpenTest, TargetIsPassedAsOneArgumentAndNothingIsRun) {
  const String marker = Work / "ran";
  struct TCase {
    String Target, Argument;
  };
  for (const TCase& c : std::vector<TCase> {
           { "/home/u/my clip \"final\" 'cut' $(touch " + marker + ") ; touch " + marker + ".avi",
             "/home/u/my clip \"final\" 'cut' $(touch " + marker + ") ; touch " + marker + ".avi" },
           { "https://example.org/?q=a b&c=`touch " + marker + "`; touch " + marker,
             "https://example.org/?q=a b&c=`touch " + marker + "`; touch " + marker },
           { "mailto:support@example.org?subject=视频 help", "mailto:support@example.org?subject=视频 help" },
           { "-n", "./-n" },
       }) {
    ASSERT_TRUE(TXdgOpenService().Open(c.Target, Work.Path())) << c.Target;
    EXPECT_EQ(NextRun(), (std::vector<String> { Work.Path(), c.Argument }));
  }
  EXPECT_FALSE(std::filesystem::exists(marker)) << "text of the target was run as a command";
}

TEST_F(ShellOpenTest, MissingOpenerOrFolderIsSilent) {
  {
    TEnvironmentOverride empty("PATH", Work.Path());
    EXPECT_FALSE(TXdgOpenService().Open("/tmp", ""));
  }
  EXPECT_FALSE(TXdgOpenService().Open("/tmp", Work / "missing"));
  EXPECT_FALSE(TXdgOpenService().Open("", ""));
  EXPECT_FALSE(std::filesystem::exists(Record));
}

TEST(ProcessesTest, ChildrenAreReaped) {
  const int child = SpawnDetached({ "true" });
  ASSERT_GT(child, 0);
  // A zombie still answers signal 0; a reaped child is gone.
  EXPECT_TRUE(WaitUntil([&] { return kill(child, 0) != 0 && errno == ESRCH; }, 5.0));
  EXPECT_EQ(SpawnDetached({}), -1);
  EXPECT_EQ(GetCurrentProcessId(), Cardinal(getpid()));
}

TEST(PowerServiceTest, RealServiceRefusesWhileAGuardIsSet) {
  // Should the guard ever fail, this systemctl runs instead of the real one.
  TTempFolder bin;
  WriteScript(bin / "systemctl", "touch '" + bin / "ran" + "'\n");
  TEnvironmentOverride path("PATH", bin.Path());
  struct TCase {
    std::optional<String> CI, NoPowerOff;
    const char* Named;
  };
  for (const TCase& c : std::vector<TCase> {
           { "true", std::nullopt, "CI" },
           { "", std::nullopt, "CI" },
           { std::nullopt, "1", "ZORVIK_NO_POWEROFF" },
       }) {
    TEnvironmentOverride ci("CI", c.CI), guard("ZORVIK_NO_POWEROFF", c.NoPowerOff);
    const TPowerOffResult result = TSystemPowerService().PowerOff();
    EXPECT_FALSE(result.Started);
    EXPECT_NE(result.Message.find(c.Named), String::npos) << result.Message;
  }
  EXPECT_FALSE(std::filesystem::exists(bin / "ran"));
}

TEST(SystemServicesTest, FakesStandInForTheRealServices) {
  TRecordingPowerService power;
  TRecordingSoundService sound;
  TRecordingShellOpenService opener;
  IPowerService::SetCurrent(&power);
  ISoundService::SetCurrent(&sound);
  IShellOpenService::SetCurrent(&opener);
  EXPECT_TRUE(IPowerService::Current().PowerOff().Started);
  ISoundService::Current().PlaySound("/opt/zorvik/sounds/ring001.wav");
  IShellOpenService::Current().Open("/home/u/out", "/home/u");
  IPowerService::SetCurrent(nullptr);
  ISoundService::SetCurrent(nullptr);
  IShellOpenService::SetCurrent(nullptr);

  EXPECT_EQ(power.Calls, 1);
  EXPECT_EQ(sound.Played, (std::vector<String> { "/opt/zorvik/sounds/ring001.wav" }));
  EXPECT_EQ(opener.Requests, (std::vector<TRecordingShellOpenService::TRequest> { { "/home/u/out", "/home/u" } }));
  EXPECT_TRUE(dynamic_cast<TSystemPowerService*>(&IPowerService::Current()));
  EXPECT_TRUE(dynamic_cast<TSdlSoundService*>(&ISoundService::Current()));
  EXPECT_TRUE(dynamic_cast<TXdgOpenService*>(&IShellOpenService::Current()));
}

// A mono 16-bit WAV of a 440 Hz tone.
void WriteWav(const String& Path, double Seconds) {
  const uint32_t rate = 22050, samples = uint32_t(rate * Seconds), dataBytes = samples * 2;
  String wav;
  auto add = [&](const void* P, size_t N) { wav.append(static_cast<const char*>(P), N); };
  auto add32 = [&](uint32_t V) { add(&V, 4); };
  auto add16 = [&](uint16_t V) { add(&V, 2); };
  wav += "RIFF";
  add32(36 + dataBytes);
  wav += "WAVEfmt ";
  add32(16);
  add16(1);
  add16(1);
  add32(rate);
  add32(rate * 2);
  add16(2);
  add16(16);
  wav += "data";
  add32(dataBytes);
  for (uint32_t i = 0; i < samples; ++i) add16(uint16_t(int16_t(12000 * std::sin(2 * M_PI * 440 * i / rate))));
  WriteFile(Path, wav);
}

TEST(SoundServiceTest, PlayingAWavWritesSoundThroughTheDiskDriver) {
  TTempFolder folder;
  WriteWav(folder / "ring.wav", 0.3);
  const String output = folder / "out.raw";
  TEnvironmentOverride driver("SDL_AUDIODRIVER", "disk"), file("SDL_DISKAUDIOFILE", output);
  TSdlSoundService sound;
  ASSERT_TRUE(sound.PlaySound(folder / "ring.wav"));
  EXPECT_TRUE(WaitUntil([&] {
    const String bytes = ReadFile(output);
    return std::any_of(bytes.begin(), bytes.end(), [](char B) { return B != 0; });
  }, 5.0)) << "the output stayed silent";
}

TEST(SoundServiceTest, WhatIsNoWavFilePlaysNothingAndRaisesNothing) {
  TTempFolder folder;
  WriteFile(folder / "text.wav", "not a sound");
  ASSERT_EQ(mkfifo((folder / "pipe.wav").c_str(), 0644), 0);
  TPipeGuard guard(folder / "pipe.wav");
  TEnvironmentOverride driver("SDL_AUDIODRIVER", "dummy");
  TSdlSoundService sound;
  for (const String& name : { folder / "missing.wav", folder.Path(), folder / "text.wav", folder / "pipe.wav" })
    EXPECT_FALSE(sound.PlaySound(name)) << name;
  EXPECT_FALSE(guard.Fired()) << "the named pipe was opened";
}

}  // namespace
