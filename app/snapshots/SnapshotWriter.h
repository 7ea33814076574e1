#pragma once
// Writing a snapshot picture as a file of one of the snapshot types.
#include "app/snapshots/TSnapshotFormat.h"

class TBitmap;

/// Writes APicture (turned 24-bit first) to AFileName as AFormat: BMP as a 24-bit bitmap; JPEG baseline
/// colour at quality 90; GIF reduced to at most 256 colours with Floyd-Steinberg dithering; PNG 8-bit RGB,
/// zlib level 7, row filter Sub, not interlaced. A file that cannot be created raises EFCreateError (naming the path and the
/// system's reason); a write that fails on the way raises too, and what was written of the file is
/// removed, so no partial picture stays behind.
void SaveSnapshot(TBitmap& APicture, TSnapshotFormat AFormat, const String& AFileName);
