#include "platform/base/TStringStream.h"

TStringStream::TStringStream(const String& AString) {
  WriteBuffer(AString.data(), static_cast<Int64>(AString.size()));
  SetPosition(0);
}
