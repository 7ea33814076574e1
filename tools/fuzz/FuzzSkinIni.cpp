// A skin's ini text, loaded into a skin model from a file (no pictures beside it).
#include "platform/base/Exception.h"
#include "skin/core/TskSkinData.h"
#include "tools/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const std::string file = fuzz::AsFile(Data, Size, ".ini");
  try {
    TskSkinData model(nullptr);
    model.LoadFromFile(file);
  } catch (const Exception&) {
  }
  return 0;
}
