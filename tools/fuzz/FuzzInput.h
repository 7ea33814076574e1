#pragma once
// What the fuzz targets share: the input as a stream or as a file, and a check that stops the run with a
// crash the fuzzer records when a promise of the code under test is broken.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/base/TMemoryStream.h"

namespace fuzz {

/// The input bytes in a memory stream positioned at its start.
inline void Fill(TMemoryStream& Stream, const uint8_t* Data, size_t Size) {
  Stream.WriteBuffer(Data, Int64(Size));
  Stream.SetPosition(0);
}

/// Writes the input into a file of this process's own (reused by every run) and returns its name.
inline std::string AsFile(const uint8_t* Data, size_t Size, const char* Extension) {
  static const std::string Folder = [] {
    char pattern[] = "/tmp/zorvik-fuzz-XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    return std::string(pattern);
  }();
  const std::string Name = Folder + "/input" + Extension;
  FILE* File = std::fopen(Name.c_str(), "wb");
  if (!File) std::abort();
  if (Size) std::fwrite(Data, 1, Size, File);
  std::fclose(File);
  return Name;
}

/// A broken promise: reported as a crash, with what was broken.
[[noreturn]] inline void Broken(const char* What) {
  std::fprintf(stderr, "broken promise: %s\n", What);
  std::abort();
}

}  // namespace fuzz
