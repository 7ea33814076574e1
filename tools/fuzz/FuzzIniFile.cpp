// The ini reader: a file read, every section and value listed, one value written back and read again.
#include "platform/base/Exception.h"
#include "platform/base/TMemIniFile.h"
#include "platform/base/TStringList.h"
#include "tools/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  const std::string file = fuzz::AsFile(Data, Size, ".ini");
  try {
    TMemIniFile ini(file);
    TStringList sections, values;
    ini.ReadSections(&sections);
    for (int i = 0; i < sections.Count(); ++i) ini.ReadSectionValues(sections.Strings(i), &values);
    ini.WriteString("Fuzz", "Key", "Value");
    if (ini.ReadString("Fuzz", "Key", "") != "Value") fuzz::Broken("a written value reads back");
  } catch (const Exception&) {
  }
  return 0;
}
