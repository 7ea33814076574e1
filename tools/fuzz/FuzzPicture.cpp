// A picture file of one format (FUZZ_PICTURE names its class), loaded and then drawn into a bitmap.
#include "platform/base/Exception.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TGIFImage.h"
#include "platform/gdi/TIcon.h"
#include "platform/gdi/TJPEGImage.h"
#include "platform/gdi/TPngImage.h"
#include "tools/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TMemoryStream stream;
  fuzz::Fill(stream, Data, Size);
  try {
    FUZZ_PICTURE picture;
    picture.LoadFromStream(&stream);
    TBitmap target;
    target.SetPixelFormat(pf32bit);
    target.SetSize(64, 64);
    target.Canvas()->Draw(-1, -1, &picture);
  } catch (const Exception&) {
  }
  return 0;
}
