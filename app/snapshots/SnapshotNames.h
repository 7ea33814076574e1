#pragma once
// The names of snapshot files: the previewed file's name with a running number, "base_n.ext".
#include "platform/base/Types.h"

/// The name part of AFileName (after its last "/") without its last extension: "/v/a.b.mp4" gives "a.b",
/// "/v/noext" gives "noext".
String SnapshotBaseName(const String& AFileName);
/// AFolder + "/" + ABaseName + "_" + n + AExtension for the smallest n from 1 up for which nothing of that
/// name exists (a file, a folder or a link, even a dangling one, all take their number). Numbers are
/// counted per extension and found afresh at every call.
String NextSnapshotFileName(const String& AFolder, const String& ABaseName, const String& AExtension);
