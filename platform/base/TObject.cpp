#include "platform/base/TObject.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

String TObject::ClassName() const {
  const char* mangled = typeid(*this).name();
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
  String name = status == 0 && demangled ? String(demangled.get()) : String(mangled);
  auto lastScope = name.rfind("::");
  return lastScope == String::npos ? name : name.substr(lastScope + 2);
}
