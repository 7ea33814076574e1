#include "engine/libav/MyUtils.h"

#include <dlfcn.h>
#include <link.h>

#include <optional>

#include "engine/libav/NeededLibraries.h"
#include "platform/base/FileUtils.h"
#include "platform/base/MainThread.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/winsys/Ui.h"

namespace {

String LastLoaderError() {
  const char* Reason = dlerror();
  return Reason ? String(Reason) : String("unknown error");
}

/// The file the dynamic loader mapped for AHandle.
String ModuleFile(void* AHandle) {
  link_map* Map = nullptr;
  return dlinfo(AHandle, RTLD_DI_LINKMAP, &Map) == 0 && Map && Map->l_name ? String(Map->l_name) : String();
}

}  // namespace

void* LoadLibraryFromFolder(const String& ADir, const String& AFileName, String& AError) {
  // RTLD_LOCAL keeps a library's symbols out of the global scope: the engine reaches them only through its
  // tables, and a test double of a library never shadows the real one for other code.
  const String InFolder = ADir.empty() ? String() : IncludeTrailingPathDelimiter(ADir) + AFileName;
  const String Name = !InFolder.empty() && FileExists(InFolder) ? InFolder : AFileName;
  if (Name == InFolder && !LoadFolderDependencies(InFolder, AError)) return nullptr;
  dlerror();
  void* Handle = dlopen(Name.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!Handle) AError = LastLoaderError();
  return Handle;
}

bool LoadFolderDependencies(const String& AFileName, String& AError) {
  // Loaded copies stay for the process's life, as the libraries that need them do.
  const String Dir = ExtractFilePath(AFileName);
  for (const String& Needed : NeededLibraries(AFileName)) {
    const String InFolder = IncludeTrailingPathDelimiter(Dir) + Needed;
    if (!FileExists(InFolder)) continue;
    if (void* Present = dlopen(Needed.c_str(), RTLD_NOW | RTLD_NOLOAD)) {
      const String From = ModuleFile(Present);
      dlclose(Present);
      if (From == InFolder) continue;
      AError = Format("%s needs %s, which is already loaded from %s instead of from its folder", ExtractFileName(AFileName),
                      Needed, From);
      return false;
    }
    if (!LoadLibraryFromFolder(Dir, Needed, AError)) return false;
  }
  return true;
}


void* BindFunction(const String& AFileName, void* AHandle, const char* AExportName) {
  dlerror();
  void* Address = dlsym(AHandle, AExportName);
  if (!Address) throw EBindError(Format("Load function %s@%s error: %s", AExportName, AFileName, LastLoaderError()));
  return Address;
}

String SizeToText(Int64 ASize) {
  if (ASize > 1073741824) return Format("%.2f GB", double(ASize) / 1073741824);
  if (ASize > 1048576) return Format("%.2f MB", double(ASize) / 1048576);
  if (ASize > 1024) return Format("%.2f KB", double(ASize) / 1024);
  return Format("%d Byte", ASize);
}

void SplitText(String& S, const String& ADelimiter, bool ARemove, String& AHead) {
  const auto At = ADelimiter.empty() ? String::npos : S.find(ADelimiter);
  if (At == String::npos) {
    AHead = S;
    if (ARemove) S.clear();
    return;
  }
  AHead = S.substr(0, At);
  if (ARemove) S.erase(0, At + ADelimiter.size());
}

void RunInMainThread(const std::function<void()>& AMethod) {
  if (IsMainThread()) AMethod();
  else Synchronize(AMethod);
}

void PumpMessages() {
  std::optional<int> quitCode;
  TMsg msg {};
  while (PeekMessage(&msg, 0, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quitCode = static_cast<int>(msg.wParam);
      continue;
    }
    TranslateMessage(msg);
    DispatchMessage(msg);
  }
  if (quitCode) PostQuitMessage(*quitCode);
}

void EnterServing(TCriticalSection& ALock) {
  if (!IsMainThread()) {
    ALock.Enter();
    return;
  }
  while (!ALock.TryEnter()) WaitServing([] { return false; }, 1);
}
