#include "engine/task/FrameHook.h"

#include <dlfcn.h>

#include <map>
#include <mutex>

#include "engine/libav/AVUtilStubs.h"
#include "engine/libav/MyUtils.h"

namespace {

/// The plug-in libraries loaded so far, by the name they were given; never unloaded, since pictures may
/// still pass through their code until every task released its chain.
class TLoadedHooks {
public:
  /// The handle of AName, loading it the first time; nullptr with the loader's reason in AError.
  void* Handle(const String& AName, String& AError) {
    std::lock_guard Lock(FLock);
    if (const auto Found = FHandles.find(AName); Found != FHandles.end()) return Found->second;
    // A plug-in's own folder may hold the libraries it needs.
    if (AName.find('/') != String::npos && !LoadFolderDependencies(AName, AError)) return nullptr;
    void* Loaded = dlopen(AName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!Loaded) {
      const char* Reason = dlerror();
      AError = Reason ? Reason : AName;
      return nullptr;
    }
    FHandles.emplace(AName, Loaded);
    return Loaded;
  }

private:
  std::mutex FLock;
  std::map<String, void*> FHandles;
};

TLoadedHooks& LoadedHooks() {
  static TLoadedHooks Hooks;
  return Hooks;
}

template <class TFunction> TFunction Export(void* AHandle, const char* AName) {
  return reinterpret_cast<TFunction>(dlsym(AHandle, AName));
}

}  // namespace

int AddFrameHook(PFrameHookEntry& AFirst, int argc, char* argv[]) {
  if (argc <= 0) return -2;
  String Error;
  void* Handle = LoadedHooks().Handle(argv[0], Error);
  if (!Handle) {
    LibAVUtil.av_log(nullptr, AV_LOG_ERROR, "%s\n", Error.c_str());
    return -1;
  }
  auto* Entry = static_cast<TFrameHookEntry*>(LibAVUtil.av_mallocz(sizeof(TFrameHookEntry)));
  if (!Entry) return AVERROR(ENOMEM);
  Entry->Configure = Export<TFrameHookConfigure>(Handle, "Configure");
  Entry->Process = Export<TFrameHookProcess>(Handle, "Process");
  Entry->Release = Export<TFrameHookRelease>(Handle, "Release");
  const char* Failure = nullptr;
  int Result = 0;
  if (!Entry->Process) {
    Failure = "Failed to find Process entrypoint in %s\n";
    Result = -2;
  } else if (!Entry->Configure && argc > 1) {
    Failure = "Failed to find Configure entrypoint in %s\n";
    Result = -2;
  } else if (Entry->Configure && Entry->Configure(&Entry->ctx, argc, argv) != 0) {
    Failure = "Failed to Configure %s\n";
    Result = AVERROR(EINVAL);
  }
  if (Failure) {
    LibAVUtil.av_log(nullptr, AV_LOG_ERROR, Failure, argv[0]);
    LibAVUtil.av_free(Entry);
    return Result;
  }
  PFrameHookEntry* Last = &AFirst;
  while (*Last) Last = &(*Last)->next;
  *Last = Entry;
  return 0;
}

void ProcessFrameHooks(PFrameHookEntry AFirst, TFrameHookPicture* APicture, int APixFmt, int AWidth, int AHeight, Int64 APTS) {
  for (PFrameHookEntry Entry = AFirst; Entry; Entry = Entry->next) Entry->Process(Entry->ctx, APicture, APixFmt, AWidth, AHeight, APTS);
}

void ReleaseFrameHooks(PFrameHookEntry& AFirst) {
  while (AFirst) {
    PFrameHookEntry Entry = AFirst;
    AFirst = Entry->next;
    if (Entry->Release) Entry->Release(Entry->ctx);
    LibAVUtil.av_free(Entry);
  }
}
