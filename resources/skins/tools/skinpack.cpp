// skinpack <skin ini> <container>: packs a skin ini and the pictures beside it into a compressed skin
// container, as stored skins and skin lists hold them.
#include <cstdio>

#include "platform/base/Exception.h"
#include "platform/base/TFileStream.h"
#include "resources/skins/generator/skProgramSkins.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: skinpack <skin ini> <container>\n");
    return 2;
  }
  try {
    TFileStream container(argv[2], fmCreate);
    PackSkin(argv[1], &container);
  } catch (const Exception& error) {
    std::fprintf(stderr, "skinpack: %s\n", error.Message.c_str());
    return 1;
  }
  return 0;
}
