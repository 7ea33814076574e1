// skingen skin <product|test> <skin ini>: draws one of the program's skins and stores it as that skin
// ini with its pictures beside it.
// skingen preview <skin ini> <png>: loads a skin ini and writes a sheet showing every record of the skin.
#include <cstdio>

#include "platform/base/Exception.h"
#include "resources/skins/generator/TskSkinPreview.h"
#include "resources/skins/generator/skProgramSkins.h"

int main(int argc, char** argv) {
  const String command = argc > 1 ? argv[1] : "";
  if (argc != 4 || (command != "skin" && command != "preview")) {
    std::fprintf(stderr, "usage: skingen skin <product|test> <skin ini>\n       skingen preview <skin ini> <png>\n");
    return 2;
  }
  try {
    if (command == "skin")
      StoreProgramSkin(ProgramSkinByName(argv[2]), argv[3]);
    else
      WriteSkinPreview(argv[2], argv[3]);
  } catch (const Exception& error) {
    std::fprintf(stderr, "skingen: %s\n", error.Message.c_str());
    return 1;
  }
  return 0;
}
