#include <map>
#include <mutex>

#include "platform/base/TMemoryStream.h"
#include "platform/gdi/EmbeddedResources.h"
#include "platform/gdi/IcoCodec.h"
#include "platform/gdi/Icons.h"

// LoadIcon lives apart from the other icon calls: it reads the program's resource table, which the code
// that draws the pictures at build time must not need.

namespace {

const std::map<uintptr_t, const char*> StandardIconNames {
  { IDI_APPLICATION, "IDI_APPLICATION" }, { IDI_ERROR, "IDI_ERROR" },
  { IDI_QUESTION, "IDI_QUESTION" },       { IDI_WARNING, "IDI_WARNING" },
  { IDI_INFORMATION, "IDI_INFORMATION" },
};

HICON Loaded(const char* Name) {
  TMemoryStream stream;
  ReadEmbeddedResource(Name, stream);
  return CreateIconFromImages(IcoCodec::Read(stream), true);
}

}  // namespace

HICON LoadIcon(uintptr_t Instance, uintptr_t IconName) {
  const auto name = StandardIconNames.find(IconName);
  if (Instance != 0 || name == StandardIconNames.end()) return 0;
  static std::mutex lock;
  static std::map<uintptr_t, HICON> loaded;
  std::lock_guard<std::mutex> guard(lock);
  HICON& icon = loaded[IconName];
  if (!icon) icon = Loaded(name->second);
  return icon;
}
