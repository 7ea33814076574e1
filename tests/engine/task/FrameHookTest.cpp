#include <gtest/gtest.h>
#include <dlfcn.h>

#include <array>
#include <vector>

#include "engine/task/FFmpeg.h"
#include "engine/task/FrameHook.h"
#include "tests/engine/TaskTesting.h"
#include "tests/engine/plugins/HookPlugin.h"

namespace {

String Plugin(const char* AVariant) { return String(HOOK_PLUGIN_DIR) + "/hook_" + AVariant + ".so"; }

/// The counters of a loaded plug-in library (the same copy the engine loaded).
THookPluginCounters& Counters(const String& APath) {
  void* Handle = dlopen(APath.c_str(), RTLD_NOW | RTLD_NOLOAD);
  EXPECT_NE(Handle, nullptr);
  auto* Get = reinterpret_cast<THookPluginCounters* (*)()>(dlsym(Handle, "HookPluginCounters"));
  dlclose(Handle);
  return *Get();
}

/// Adds a plug-in given as its texts.
int Add(PFrameHookEntry& AChain, std::vector<String> AArgs) {
  std::vector<char*> Argv;
  for (String& Arg : AArgs) Argv.push_back(Arg.data());
  return AddFrameHook(AChain, int(Argv.size()), Argv.data());
}

int Length(PFrameHookEntry AChain) {
  int Count = 0;
  for (; AChain; AChain = AChain->next) ++Count;
  return Count;
}

class FrameHookTest : public TTaskTest {
protected:
  bool LoggedError(const String& AText) {
    for (const auto& Event : Log.From(GlobalLogger()))
      if (Event.Level == llError && Event.Text.find(AText) != String::npos) return true;
    return false;
  }

  PFrameHookEntry Chain { nullptr };
};

}  // namespace

TEST_F(FrameHookTest, RefusedPlugins) {
  struct TCase {
    std::vector<String> Args;
    int Result;
    String Logged;  // empty: nothing logged
  };
  const String Missing = Plugin("missing");
  const TCase Cases[] = {
    { {}, -2, "" },
    { { Missing }, -1, Missing + ": cannot open shared object file" },
    { { Plugin("without_process") }, -2, "Failed to find Process entrypoint in " + Plugin("without_process") },
    { { Plugin("without_configure"), "-x" }, -2, "Failed to find Configure entrypoint in " + Plugin("without_configure") },
    { { Plugin("complete"), "-x", "fail" }, -22, "Failed to Configure " + Plugin("complete") },
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Args.empty() ? String("no name") : Case.Args.back());
    Log.Clear();
    EXPECT_EQ(Add(Chain, Case.Args), Case.Result);
    EXPECT_EQ(Chain, nullptr);
    if (Case.Logged.empty()) {
      EXPECT_TRUE(Log.From(GlobalLogger()).empty());
    } else {
      EXPECT_TRUE(LoggedError(Case.Logged));
    }
  }
}

TEST_F(FrameHookTest, ChainsShareTheLibraryButNotTheirContexts) {
  const String Path = Plugin("complete");
  PFrameHookEntry Other = nullptr;
  ASSERT_EQ(Add(Chain, { Path, "-a", "1" }), 0);
  ASSERT_EQ(Add(Chain, { Path }), 0);
  ASSERT_EQ(Add(Other, { Path, "-b" }), 0);
  EXPECT_EQ(Counters(Path).Loads, 1);
  ASSERT_EQ(Length(Chain), 2);
  auto* First = static_cast<THookPluginContext*>(Chain->ctx);
  auto* Second = static_cast<THookPluginContext*>(Chain->next->ctx);
  auto* OthersFirst = static_cast<THookPluginContext*>(Other->ctx);
  EXPECT_STREQ(First->Arguments, (Path + "|-a|1").c_str());
  EXPECT_STREQ(Second->Arguments, Path.c_str());
  EXPECT_STREQ(OthersFirst->Arguments, (Path + "|-b").c_str());

  // A 4 x 2 grey picture in a 8-byte-wide plane: every plug-in of the chain edits it in turn.
  std::array<uint8_t, 16> Luma {};
  Luma.fill(10);
  TFrameHookPicture Picture { { Luma.data(), nullptr, nullptr, nullptr }, { 8, 0, 0, 0 } };
  ProcessFrameHooks(Chain, &Picture, 8, 4, 2, 40000);
  EXPECT_EQ(Luma[0], 10);  // inverted twice
  ProcessFrameHooks(Other, &Picture, 8, 4, 2, 80000);
  EXPECT_EQ(Luma[3], 245);
  EXPECT_EQ(Luma[4], 10);  // beyond the width: untouched
  EXPECT_EQ(First->Processed, 1);
  EXPECT_EQ(First->PixelFormat, 8);
  EXPECT_EQ(First->Width, 4);
  EXPECT_EQ(First->Height, 2);
  EXPECT_EQ(First->PTS, 40000);
  EXPECT_EQ(OthersFirst->PTS, 80000);

  const int Released = Counters(Path).Releases;
  ReleaseFrameHooks(Chain);
  EXPECT_EQ(Chain, nullptr);
  EXPECT_EQ(Counters(Path).Releases, Released + 2);
  ReleaseFrameHooks(Other);
  EXPECT_EQ(Counters(Path).Releases, Released + 3);
}

TEST_F(FrameHookTest, APluginWithoutConfigureTakesItsNameAlone) {
  const String Path = Plugin("without_configure");
  ASSERT_EQ(Add(Chain, { Path }), 0);
  EXPECT_EQ(Chain->ctx, nullptr);
  std::array<uint8_t, 4> Luma { 0, 1, 2, 3 };
  TFrameHookPicture Picture { { Luma.data(), nullptr, nullptr, nullptr }, { 4, 0, 0, 0 } };
  const int Before = Counters(Path).ProcessedWithoutContext;
  ProcessFrameHooks(Chain, &Picture, 0, 4, 1, 0);
  EXPECT_EQ(Counters(Path).ProcessedWithoutContext, Before + 1);
  EXPECT_EQ(Luma[1], 254);
  ReleaseFrameHooks(Chain);
}

// The library the plug-in needs lies beside it, where no search path leads.
TEST_F(FrameHookTest, APluginFindsTheLibrariesOfItsOwnFolder) {
  ASSERT_EQ(Add(Chain, { Plugin("with_helper"), "a" }), 0);
  EXPECT_STREQ(static_cast<THookPluginContext*>(Chain->ctx)->Arguments, (Plugin("with_helper") + "|a").c_str());
  ReleaseFrameHooks(Chain);
}

TEST_F(FrameHookTest, TheVhookOptionBuildsTheChainAndTheRunReleasesIt) {
  const String Path = Plugin("complete");
  TScratchFolder Folder;
  const int Released = [&] {
    // Loading the plug-in once here lets the counters be read before the task loads it.
    PFrameHookEntry Probe = nullptr;
    EXPECT_EQ(Add(Probe, { Path }), 0);
    const int Count = Counters(Path).Releases + 1;
    ReleaseFrameHooks(Probe);
    return Count;
  }();
  {
    TCustomFFmpeg Task(20);
    ASSERT_TRUE(Task.OpenInputFile(Media().ClipAVI)) << Task.LastErrMsg();
    Task.ApplyOption("vhook", Path + "|-x|5");
    Task.ApplyOption("vcodec", "mpeg4");
    ASSERT_GT(Task.OpenOutputFile(Folder.Path("hooked.avi"), false), 0) << Task.LastErrMsg();
    Task.StartConvert(false, tpNormal);
    EXPECT_TRUE(Task.Finished()) << Task.FatalMessage();
  }
  EXPECT_EQ(Counters(Path).Releases, Released + 1) << "the run's clean-up releases the task's chain";

  TCustomFFmpeg Refusing(20);
  try {
    Refusing.ApplyOption("vhook", Path + " fail");
    FAIL() << "a plug-in that refuses its arguments is an error";
  } catch (const FFmpegException& E) {
    EXPECT_EQ(E.Message, "Failed to add video hook function: " + Path + " fail");
  }
}
