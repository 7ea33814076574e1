#pragma once
// Output file names: the folder, the input's name with the format's extension, and the free-name rule.
#include <functional>
#include <string_view>

#include "platform/base/Types.h"

/// Where output files go and which names count as taken.
struct TOutputNaming {
  String Folder;                 // the output folder as the user sees it, used unchanged
  bool Overwrite { false };      // an existing file is overwritten instead of giving way to a "_n" name
  /// True when a job already in the list writes a file of this name (without folder). Such a name is taken
  /// whatever Overwrite says: overwriting concerns files on disk, and two jobs must never write one file.
  std::function<bool(const String& Name)> HeldByJob;
};

/// Folder + "/" + the name part of InputFileName with its extension replaced by Extension (appended when
/// the name has no "."). One "/" is added whatever Folder ends with.
String OutputFileName(const String& Folder, const String& InputFileName, std::string_view Extension);
/// The free-name rule: Naming's folder + "/" + the name part of OutputFileName when that name is free,
/// else the first free of base_1.ext, base_2.ext, ... without an upper bound. A name is taken when a job
/// holds it, or when a file (not a folder) of that name exists and overwriting is off.
String AutoRenameOutputFile(const String& OutputFileName, const TOutputNaming& Naming);
