// picgen pictures <dir>: draws the pictures of the program's resource table into dir, one file each,
// named by the resource (BS_HTB.bmp, BS_BACK_PNG.png, MAINICON.ico, ...).
// picgen sheet <png>: writes a sheet showing every picture, for a person to review the look.
#include <cstdio>

#include "platform/base/Exception.h"
#include "platform/base/TFileStream.h"
#include "resources/pictures/generator/ProgramPictures.h"

int main(int argc, char** argv) {
  const String command = argc > 1 ? argv[1] : "";
  if (argc != 3 || (command != "pictures" && command != "sheet")) {
    std::fprintf(stderr, "usage: picgen pictures <dir>\n       picgen sheet <png>\n");
    return 2;
  }
  try {
    if (command == "sheet") {
      WriteProgramPictureSheet(argv[2]);
      return 0;
    }
    for (const TProgramPicture& picture : DrawProgramPictures()) {
      TFileStream file(String(argv[2]) + "/" + picture.Name + picture.Extension, fmCreate);
      file.WriteBuffer(picture.Bytes.data(), Int64(picture.Bytes.size()));
    }
  } catch (const Exception& error) {
    std::fprintf(stderr, "picgen: %s\n", error.Message.c_str());
    return 1;
  }
  return 0;
}
