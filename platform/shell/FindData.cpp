#include "platform/shell/FindData.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/base/FileUtils.h"

bool GetFindData(const String& Path, TFindData& Data) {
  struct stat st {};
  if (stat(Path.c_str(), &st) != 0 && lstat(Path.c_str(), &st) != 0) return false;
  Data.FileName = ExtractFileName(Path);
  const bool folder = S_ISDIR(st.st_mode);
  Data.Size = folder ? -1 : st.st_size;
  Data.Attributes = 0;
  if (folder) Data.Attributes |= FILE_ATTRIBUTE_DIRECTORY;
  if (S_ISREG(st.st_mode)) Data.Attributes |= FILE_ATTRIBUTE_ARCHIVE;
  if (Data.FileName.starts_with('.')) Data.Attributes |= FILE_ATTRIBUTE_HIDDEN;
  if (access(Path.c_str(), W_OK) != 0) Data.Attributes |= FILE_ATTRIBUTE_READONLY;
  Data.LastWriteTime = folder ? -1 : UnixToLocalDateTime(st.st_mtime);
  return true;
}
