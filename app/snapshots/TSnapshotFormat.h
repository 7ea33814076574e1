#pragma once
// The picture types a snapshot of the preview is saved in, with their stored texts and file extensions.
#include "platform/base/Types.h"

/// The picture type of snapshots, stored in option.ini as "BMP", "JPG", "GIF" or "PNG".
enum TSnapshotFormat { snBMP, snJPG, snGIF, snPNG };

/// The text option.ini stores for AFormat.
String SnapshotFormatText(TSnapshotFormat AFormat);
/// The file extension of AFormat with its dot (".bmp", ".jpg", ".gif", ".png").
String SnapshotExtension(TSnapshotFormat AFormat);
/// The type whose stored text is AText exactly (case counts); false, AFormat unchanged, for any other text.
bool SnapshotFormatFromText(const String& AText, TSnapshotFormat& AFormat);
