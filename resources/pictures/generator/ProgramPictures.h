#pragma once
// The pictures of the program's resource table, drawn by our own code: the slider's default ruler and
// thumb bitmaps, the drive and folder bitmaps, the file dialogs' tool-button pictures, the program icon,
// the system's standard icons and the converter window's pictures (ConverterPictures.h).
#include <vector>

#include "platform/base/Types.h"

/// One picture as the resource table stores it: a BMP, PNG or icon file named Name + Extension.
struct TProgramPicture {
  String Name;
  String Extension;  // ".bmp", ".png" or ".ico"
  std::vector<Byte> Bytes;
};

/// Every picture of the resource table, drawn now; the same sources always give the same bytes.
std::vector<TProgramPicture> DrawProgramPictures();
/// The program's icon (MAINICON's drawing) as a PNG of Side x Side pixels, for the desktop's icon theme.
TProgramPicture DrawProgramIconPng(int Side);
/// Writes a PNG sheet showing each picture at its own size and, up to 64 pixels, enlarged, over light, dark
/// and checkered backgrounds, for a person to review the look.
void WriteProgramPictureSheet(const String& FileName);
