#pragma once
// The shell's allocator.
#include <cstddef>

/// The allocator of the shell namespace: item-ID lists the namespace hands out come from it, and whoever
/// receives one gives it back here (plain malloc and free underneath).
class IMalloc {
public:
  /// Size bytes of uninitialised memory; null when none can be had.
  void* Alloc(size_t Size);
  /// Gives P back; null is ignored.
  void Free(void* P);
};

/// The process's shell allocator.
IMalloc& SHGetMalloc();
