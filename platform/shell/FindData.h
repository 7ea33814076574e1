#pragma once
// What the file dialogs read of one entry for their detail columns and sorts.
#include <cstdint>

#include "platform/base/DateUtils.h"
#include "platform/base/Types.h"

// Attribute bits of TFindData.
constexpr uint32_t FILE_ATTRIBUTE_READONLY = 0x01;   // the entry cannot be written
constexpr uint32_t FILE_ATTRIBUTE_HIDDEN = 0x02;     // the name starts with "."
constexpr uint32_t FILE_ATTRIBUTE_DIRECTORY = 0x10;  // a folder (links followed)
constexpr uint32_t FILE_ATTRIBUTE_ARCHIVE = 0x20;    // a regular file (links followed)

/// One entry's name, size, last write time and attribute bits.
struct TFindData {
  String FileName;                  // the name part of the path
  Int64 Size { 0 };                 // bytes, links followed; -1 for folders
  TDateTime LastWriteTime { -1 };   // local time; -1 for folders
  uint32_t Attributes { 0 };
};

/// Fills Data for Path with stat (links followed; a broken link describes itself); nothing is opened.
/// False when nothing of that name exists.
bool GetFindData(const String& Path, TFindData& Data);
