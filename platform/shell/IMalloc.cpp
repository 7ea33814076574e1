#include "platform/shell/IMalloc.h"

#include <cstdlib>

void* IMalloc::Alloc(size_t Size) {
  return std::malloc(Size == 0 ? 1 : Size);
}

void IMalloc::Free(void* P) {
  std::free(P);
}

IMalloc& SHGetMalloc() {
  static IMalloc Allocator;
  return Allocator;
}
