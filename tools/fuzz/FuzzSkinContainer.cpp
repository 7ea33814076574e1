// A stored (compressed) skin container: unpacked, then loaded into a skin model.
#include "platform/base/Exception.h"
#include "skin/core/TskCompressedStoredSkin.h"
#include "skin/core/TskSkinData.h"
#include "tools/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TMemoryStream stream;
  fuzz::Fill(stream, Data, Size);
  try {
    TskCompressedStoredSkin stored(nullptr);
    stored.LoadFromCompressStream(&stream);
    TskSkinData model(nullptr);
    model.LoadCompressedStoredSkin(&stored);
  } catch (const Exception&) {
  }
  return 0;
}
