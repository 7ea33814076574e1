#include "engine/libav/FFmpegLoader.h"

#include <dlfcn.h>

#include <algorithm>
#include <array>
#include <vector>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFilterStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/FFmpegLogger.h"
#include "engine/libav/MyUtilStubs.h"
#include "engine/libav/MyUtils.h"
#include "engine/libav/SwResampleStubs.h"
#include "engine/libav/SwScaleStubs.h"
#include "engine/libav/TFloatingPointMask.h"
#include "engine/libav/libsdl.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"

namespace {

using TFixupProc = void (*)(const String& AFileName, void* AHandle);

/// One row of the library table: the file is "lib" + Name + ".so." + Version (".so" alone for -1).
struct TLibraryItem {
  TLibrary Lib;
  const char* Name;
  int Version;
  TFixupProc Fixup;  // nullptr: nothing to bind
};

constexpr std::array<TLibraryItem, 9> LibraryTable { {
  { avCodec, "avcodec", 59, AVCodecFixup },
  { avDevice, "avdevice", 59, nullptr },
  { avFilter, "avfilter", 8, AVFilterFixup },
  { avFormat, "avformat", 59, AVFormatFixup },
  { avUtil, "avutil", 57, AVUtilFixup },
  { swScale, "swscale", 6, SwScaleFixup },
  { swResample, "swresample", 4, SwResampleFixup },
  { myUtil, "c", 6, MyUtilFixup },
  { lbSDL, "SDL2-2.0", 0, SDLFixup },
} };

/// The load state of one library.
struct TLibraryStatus {
  String Name;  // a file name used instead of the composed one when not empty
  void* Handle { nullptr };
  bool Fixuped { false };
};

std::array<TLibraryStatus, LibraryTable.size()> Status;
String LastError;
String DefaultLibraryPath;
// Libraries whose exports went into the entry-point tables. They stay mapped for the process's life, with
// the one reference the loader took, because the tables point into them.
std::vector<void*> BoundModules;

bool IsBound(void* AHandle) { return std::ranges::find(BoundModules, AHandle) != BoundModules.end(); }

String ComposedFileName(TLibrary ALibrary) {
  if (!Status[ALibrary].Name.empty()) return Status[ALibrary].Name;
  const TLibraryItem& Item = LibraryTable[ALibrary];
  String Result = String("lib") + Item.Name + ".so";
  if (Item.Version >= 0) Result += "." + IntToStr(Item.Version);
  return Result;
}

void CheckNotEmpty(TLibraries ALibraries) {
  if (ALibraries.Empty()) throw EAssertionFailed("Assertion failure");
}

// The process's start-up and shut-down of the engine: the floating-point environment is set before
// any engine thread exists and restored last, after FFmpeg has stopped calling back into the engine and
// no thread holds CodecLock any more.
struct TEngineProcess {
  TFloatingPointMask FloatingPoint;
  ~TEngineProcess() {
    if (LibAVUtil.av_log_set_callback) LibAVUtil.av_log_set_callback(LibAVUtil.av_log_default_callback);
    CodecLock.Enter();
    CodecLock.Leave();
  }
};

}  // namespace

TCriticalSection CodecLock;
TFFmpegLoader FFLoader;

namespace {
TEngineProcess EngineProcess;
}

bool TFFmpegLoader::Load(TLibrary ALibrary) {
  TLibraryStatus& State = Status[ALibrary];
  const String FileName = ComposedFileName(ALibrary);
  if (!State.Handle) {
    String Folder = ExtractFilePath(FileName);
    if (Folder.empty() && !DefaultLibraryPath.empty()) Folder = IncludeTrailingPathDelimiter(DefaultLibraryPath);
    String Reason;
    void* Handle = LoadLibraryFromFolder(Folder, ExtractFileName(FileName), Reason);
    if (!Handle) {
      LastError = Format("Load library %s error: %s", Folder + ExtractFileName(FileName), Reason);
      return false;
    }
    // Opening a module that is already bound took a second reference to it; one is enough.
    if (IsBound(Handle)) dlclose(Handle);
    State.Handle = Handle;
  }
  if (!State.Fixuped) {
    try {
      if (LibraryTable[ALibrary].Fixup) LibraryTable[ALibrary].Fixup(FileName, State.Handle);
      State.Fixuped = true;
      if (!IsBound(State.Handle)) BoundModules.push_back(State.Handle);
    } catch (const EBindError& E) {
      LastError = E.Message;
    }
  }
  if (!State.Fixuped) {
    Unload(ALibrary);
    return false;
  }
  if (ALibrary == avUtil && FInstallLogger) GlobalLogger()->InstallAVLogCallback();
  return true;
}

bool TFFmpegLoader::Load(TLibraries ALibraries) {
  CheckNotEmpty(ALibraries);
  for (const TLibraryItem& Item : LibraryTable) {
    if (!ALibraries.Contains(Item.Lib) || Load(Item.Lib)) continue;
    Unload(ALibraries);
    return false;
  }
  return true;
}

bool TFFmpegLoader::Loaded(TLibrary ALibrary) const {
  return Status[ALibrary].Handle && Status[ALibrary].Fixuped;
}

bool TFFmpegLoader::Loaded(TLibraries ALibraries) const {
  CheckNotEmpty(ALibraries);
  return std::ranges::all_of(LibraryTable, [&](const TLibraryItem& Item) {
    return !ALibraries.Contains(Item.Lib) || Loaded(Item.Lib);
  });
}

void TFFmpegLoader::Unload(TLibrary ALibrary) {
  TLibraryStatus& State = Status[ALibrary];
  State.Fixuped = false;
  // Only a module that never reached the tables is really closed; see BoundModules.
  if (State.Handle && !IsBound(State.Handle)) dlclose(State.Handle);
  State.Handle = nullptr;
}

void TFFmpegLoader::Unload(TLibraries ALibraries) {
  CheckNotEmpty(ALibraries);
  for (const TLibraryItem& Item : LibraryTable)
    if (ALibraries.Contains(Item.Lib)) Unload(Item.Lib);
}

String TFFmpegLoader::LastErrMsg() const { return LastError; }

String TFFmpegLoader::LibraryPath() const { return DefaultLibraryPath; }

void TFFmpegLoader::SetLibraryPath(const String& Value) { DefaultLibraryPath = Value; }

bool LoadAVLib(const String& APath, TLibraries ALibraries, String& ALastErrMsg) {
  FFLoader.SetLibraryPath(APath);
  if (FFLoader.Load(ALibraries)) return true;
  ALastErrMsg = FFLoader.LastErrMsg();
  return false;
}
