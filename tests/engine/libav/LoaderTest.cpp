#include <dlfcn.h>
#include <link.h>
#include <unistd.h>
#include <xmmintrin.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include <gtest/gtest.h>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFilterStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/FFmpegLoader.h"
#include "engine/libav/SwResampleStubs.h"
#include "engine/libav/SwScaleStubs.h"
#include "engine/libav/TFloatingPointMask.h"
#include "engine/libav/libsdl.h"
#include "platform/base/Exception.h"

namespace fs = std::filesystem;

namespace {

// The file a bound entry point lives in, as the dynamic loader names it.
String ModuleOf(const void* AEntryPoint) {
  Dl_info Info {};
  return dladdr(AEntryPoint, &Info) && Info.dli_fname ? String(Info.dli_fname) : String();
}

bool IsMapped(const String& AFileName) {
  void* Handle = dlopen(AFileName.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (Handle) dlclose(Handle);
  return Handle != nullptr;
}

// The installed file of a soname, found without loading it.
String SystemLibrary(const String& ASoname) {
  for (const char* Dir : { "/usr/lib/x86_64-linux-gnu", "/lib/x86_64-linux-gnu", "/usr/lib64", "/usr/lib", "/lib" })
    if (fs::exists(fs::path(Dir) / ASoname)) return fs::canonical(fs::path(Dir) / ASoname);
  return {};
}

struct TempDir {
  fs::path Path = fs::temp_directory_path() / ("engine-loader-" + std::to_string(getpid()));
  TempDir() { fs::create_directories(Path); }
  ~TempDir() { fs::remove_all(Path); }
};

// Every test starts from a loader with nothing loaded and no library folder.
class LoaderTest : public testing::Test {
protected:
  void SetUp() override {
    FFLoader.Unload(PlayerLibraries);
    FFLoader.SetLibraryPath("");
  }
  void TearDown() override { FFLoader.SetLibraryPath(""); }
};

}  // namespace

TEST_F(LoaderTest, SystemSearchLoadsEverySetAndBindsEveryExport) {
  ASSERT_TRUE(FFLoader.Load(PlayerLibraries)) << FFLoader.LastErrMsg();
  EXPECT_TRUE(FFLoader.Loaded(PlayerLibraries));
  EXPECT_TRUE(FFLoader.Loaded(ProbeLibraries));
  EXPECT_FALSE(FFLoader.Loaded(avDevice));

#define EXPECT_ENTRY(table, name) EXPECT_NE(table.name, nullptr) << #name;
#define AVCODEC_ENTRY(name) EXPECT_ENTRY(LibAVCodec, name)
#define AVFILTER_ENTRY(name) EXPECT_ENTRY(LibAVFilter, name)
#define AVFORMAT_ENTRY(name) EXPECT_ENTRY(LibAVFormat, name)
#define AVUTIL_ENTRY(name) EXPECT_ENTRY(LibAVUtil, name)
#define SWSCALE_ENTRY(name) EXPECT_ENTRY(LibSwScale, name)
#define SWRESAMPLE_ENTRY(name) EXPECT_ENTRY(LibSwResample, name)
#define SDL_ENTRY(name) EXPECT_ENTRY(LibSDL, name)
  ZORVIK_AVCODEC_EXPORTS(AVCODEC_ENTRY)
  ZORVIK_AVFILTER_EXPORTS(AVFILTER_ENTRY)
  ZORVIK_AVFORMAT_EXPORTS(AVFORMAT_ENTRY)
  ZORVIK_AVUTIL_EXPORTS(AVUTIL_ENTRY)
  ZORVIK_SWSCALE_EXPORTS(SWSCALE_ENTRY)
  ZORVIK_SWRESAMPLE_EXPORTS(SWRESAMPLE_ENTRY)
  ZORVIK_SDL_EXPORTS(SDL_ENTRY)

  // The entry points really reach the libraries.
  EXPECT_EQ(String(LibAVUtil.av_get_pix_fmt_name(AV_PIX_FMT_YUV420P)), "yuv420p");
  EXPECT_NE(LibAVCodec.avcodec_find_encoder_by_name("mpeg4"), nullptr);
  EXPECT_EQ(fs::canonical(ModuleOf(reinterpret_cast<void*>(LibAVCodec.avcodec_open2))).string(),
            SystemLibrary("libavcodec.so.59"));
}

TEST_F(LoaderTest, LoadingTwiceAndUnloadingKeepsTheLibrariesAndTheirEntryPoints) {
  ASSERT_TRUE(FFLoader.Load(ProbeLibraries)) << FFLoader.LastErrMsg();
  const auto OpenInput = LibAVFormat.avformat_open_input;
  ASSERT_TRUE(FFLoader.Load(ProbeLibraries));
  EXPECT_EQ(LibAVFormat.avformat_open_input, OpenInput);

  FFLoader.Unload(ProbeLibraries);
  for (TLibrary Lib : { avCodec, avFormat, avUtil, swScale, myUtil }) EXPECT_FALSE(FFLoader.Loaded(Lib)) << Lib;
  // Still mapped and still callable: a component that was using the libraries keeps working.
  EXPECT_TRUE(IsMapped("libavformat.so.59"));
  EXPECT_EQ(LibAVFormat.avformat_open_input, OpenInput);
  EXPECT_NE(LibAVUtil.av_get_pix_fmt_name(AV_PIX_FMT_RGB24), nullptr);

  ASSERT_TRUE(FFLoader.Load(ProbeLibraries));
  EXPECT_TRUE(FFLoader.Loaded(ProbeLibraries));
  EXPECT_EQ(LibAVFormat.avformat_open_input, OpenInput);
}

TEST_F(LoaderTest, AnIncompleteLibraryInTheFolderFailsTheWholeSetAndChangesNoEntryPoint) {
  ASSERT_TRUE(FFLoader.Load(TranscoderLibraries)) << FFLoader.LastErrMsg();
  const auto OpenInput = LibAVFormat.avformat_open_input;
  FFLoader.Unload(TranscoderLibraries);

  String Error;
  EXPECT_FALSE(LoadAVLib(FAKE_LIBAV_DIR, TranscoderLibraries, Error));
  EXPECT_EQ(Error.rfind("Load function av_read_frame@libavformat.so.59 error: ", 0), 0u) << Error;
  EXPECT_NE(Error.find("av_read_frame"), String::npos);
  EXPECT_EQ(FFLoader.LastErrMsg(), Error);
  EXPECT_FALSE(FFLoader.Loaded(TranscoderLibraries));
  for (TLibrary Lib : { avCodec, avFilter, avFormat, avUtil, swScale, swResample, myUtil })
    EXPECT_FALSE(FFLoader.Loaded(Lib)) << Lib;
  // The incomplete library is closed again and the tables still point into the real one.
  EXPECT_FALSE(IsMapped(String(FAKE_LIBAV_DIR) + "/libavformat.so.59"));
  EXPECT_EQ(LibAVFormat.avformat_open_input, OpenInput);

  // Once the folder is out of the way the set loads from the system again.
  EXPECT_TRUE(LoadAVLib("", TranscoderLibraries, Error));
}

TEST_F(LoaderTest, AFileInTheFolderThatIsNoLibraryReportsTheFolderAndName) {
  TempDir Folder;
  std::ofstream(Folder.Path / "libavcodec.so.59") << "not a library";
  FFLoader.SetLibraryPath(Folder.Path.string());
  EXPECT_FALSE(FFLoader.Load(ProbeLibraries));
  const String Expected = "Load library " + (Folder.Path / "libavcodec.so.59").string() + " error: ";
  EXPECT_EQ(FFLoader.LastErrMsg().rfind(Expected, 0), 0u) << FFLoader.LastErrMsg();
  EXPECT_FALSE(FFLoader.Loaded(ProbeLibraries));
}

TEST_F(LoaderTest, SetOperationsRefuseAnEmptySet) {
  const auto ExpectAssertion = [](auto&& Operation) {
    try {
      Operation();
      ADD_FAILURE() << "no assertion";
    } catch (const EAssertionFailed& E) {
      EXPECT_EQ(E.Message, "Assertion failure");
    }
  };
  ExpectAssertion([] { FFLoader.Load(TLibraries {}); });
  ExpectAssertion([] { FFLoader.Loaded(TLibraries {}); });
  ExpectAssertion([] { FFLoader.Unload(TLibraries {}); });
}

TEST(LoaderDeathTest, LibrariesInTheLibraryFolderArePreferredToTheSystemCopies) {
  // A fresh process, so no copy of FFmpeg is mapped before the loader runs.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  TempDir Folder;
  for (const char* Soname : { "libavcodec.so.59", "libavfilter.so.8", "libavformat.so.59", "libavutil.so.57",
                              "libswscale.so.6", "libswresample.so.4" })
    fs::create_symlink(SystemLibrary(Soname), Folder.Path / Soname);
  const String Wanted = (Folder.Path / "libavcodec.so.59").string();
  EXPECT_EXIT(
      {
        // The child leaves through _exit, so it removes its own copy of the folder first.
        String Error;
        const int Code = IsMapped("libavcodec.so.59")                                      ? 2
                         : !LoadAVLib(Folder.Path.string(), TranscoderLibraries, Error)    ? 3
                         : ModuleOf(reinterpret_cast<void*>(LibAVCodec.avcodec_open2)) != Wanted ? 4
                                                                                         : 0;
        fs::remove_all(Folder.Path);
        _exit(Code);
      },
      testing::ExitedWithCode(0), "");
}

TEST(LoaderDeathTest, LibrariesInTheLibraryFolderTakeTheirDependenciesFromTheFolderToo) {
  // Copies, not links: the system's copies are other files, which the dynamic loader would map beside them.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  TempDir Folder;
  const std::vector<String> Sonames { "libavcodec.so.59", "libavfilter.so.8",   "libavformat.so.59", "libavutil.so.57",
                                      "libswscale.so.6",  "libswresample.so.4", "libpostproc.so.56" };
  for (const String& Soname : Sonames) fs::copy_file(SystemLibrary(Soname), Folder.Path / Soname);
  EXPECT_EXIT(
      {
        String Error;
        int Code = IsMapped("libavutil.so.57") ? 2 : !LoadAVLib(Folder.Path.string(), TranscoderLibraries, Error) ? 3 : 0;
        // Every member of the set that is mapped at all is mapped from the folder.
        static std::vector<String> Strays;
        dl_iterate_phdr(
            [](dl_phdr_info* AInfo, size_t, void* AFolder) {
              const fs::path Mapped = AInfo->dlpi_name ? AInfo->dlpi_name : "";
              const auto& Names = *static_cast<const std::vector<String>*>(AFolder);
              if (std::ranges::find(Names, Mapped.filename().string()) != Names.end()) Strays.push_back(Mapped.string());
              return 0;
            },
            const_cast<std::vector<String>*>(&Sonames));
        for (const String& Mapped : Strays)
          if (fs::path(Mapped).parent_path() != Folder.Path) Code = 4;
        fs::remove_all(Folder.Path);
        _exit(Code);
      },
      testing::ExitedWithCode(0), "");
}

TEST_F(LoaderTest, FloatingPointExceptionsAreMaskedAndTheFormerStateComesBack) {
  EXPECT_EQ(_mm_getcsr() & TFloatingPointMask::AllExceptions, TFloatingPointMask::AllExceptions);
  const uint32_t Before = _mm_getcsr();
  const uint32_t Unmasked = (Before & ~TFloatingPointMask::AllExceptions) | TFloatingPointMask::RoundingControl;
  _mm_setcsr(Unmasked);
  {
    TFloatingPointMask Mask;
    EXPECT_EQ(_mm_getcsr() & TFloatingPointMask::AllExceptions, TFloatingPointMask::AllExceptions);
    EXPECT_EQ(_mm_getcsr() & TFloatingPointMask::RoundingControl, 0u);
  }
  EXPECT_EQ(_mm_getcsr(), Unmasked);
  _mm_setcsr(Before);
}
