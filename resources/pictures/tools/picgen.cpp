// picgen pictures <dir>: draws the pictures of the program's resource table into dir, one file each,
// named by the resource (BS_HTB.bmp, BS_BACK_PNG.png, MAINICON.ico, ...).
// picgen sheet <png>: writes a sheet showing every picture, for a person to review the look.
// picgen icon <side> <png>: writes the program's icon of side x side pixels as a PNG.
#include <cstdio>
#include <cstdlib>

#include "platform/base/Exception.h"
#include "platform/base/TFileStream.h"
#include "resources/pictures/generator/ProgramPictures.h"

namespace {

void WritePicture(const String& FileName, const TProgramPicture& Picture) {
  TFileStream file(FileName, fmCreate);
  file.WriteBuffer(Picture.Bytes.data(), Int64(Picture.Bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  const String command = argc > 1 ? argv[1] : "";
  const int side = command == "icon" && argc == 4 ? std::atoi(argv[2]) : 0;
  if ((argc != 3 || (command != "pictures" && command != "sheet")) && (side < 16 || side > 512)) {
    std::fprintf(stderr, "usage: picgen pictures <dir>\n       picgen sheet <png>\n       picgen icon <side> <png>\n");
    return 2;
  }
  try {
    if (command == "icon") {
      WritePicture(argv[3], DrawProgramIconPng(side));
      return 0;
    }
    if (command == "sheet") {
      WriteProgramPictureSheet(argv[2]);
      return 0;
    }
    for (const TProgramPicture& picture : DrawProgramPictures())
      WritePicture(String(argv[2]) + "/" + picture.Name + picture.Extension, picture);
  } catch (const Exception& error) {
    std::fprintf(stderr, "picgen: %s\n", error.Message.c_str());
    return 1;
  }
  return 0;
}
