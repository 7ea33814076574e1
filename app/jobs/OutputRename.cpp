#include "app/jobs/OutputRename.h"

bool IsAcceptableOutputName(const String& Text) {
  if (Text.empty() || Text == "." || Text == "..") return false;
  return Text.find_first_of(String("/\\\0", 3)) == String::npos;
}
