#include "engine/libav/MyUtilStubs.h"

#include "engine/libav/LibraryExports.h"
#include "engine/libav/MyUtils.h"

#define ZORVIK_CHECK_EXPORT(name) BindFunction(AFileName, AHandle, #name);

void MyUtilFixup(const String& AFileName, void* AHandle) {
  ZORVIK_MYUTIL_EXPORTS(ZORVIK_CHECK_EXPORT)
}
