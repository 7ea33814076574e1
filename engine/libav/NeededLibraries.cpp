#include "engine/libav/NeededLibraries.h"

#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace {

template <class T> bool ReadAt(const std::vector<char>& AFile, size_t AOffset, T& AValue) {
  if (AOffset > AFile.size() || AFile.size() - AOffset < sizeof(T)) return false;
  std::memcpy(&AValue, AFile.data() + AOffset, sizeof(T));
  return true;
}

}  // namespace

std::vector<String> NeededLibraries(const String& AFileName) {
  std::ifstream In(AFileName, std::ios::binary);
  const std::vector<char> File { std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>() };
  Elf64_Ehdr Header;
  if (!ReadAt(File, 0, Header) || std::memcmp(Header.e_ident, ELFMAG, SELFMAG) != 0 || Header.e_ident[EI_CLASS] != ELFCLASS64 ||
      Header.e_ident[EI_DATA] != ELFDATA2LSB)
    return {};
  // The dynamic section gives the string table by its address; the loadable segments turn that into a
  // place in the file.
  std::vector<Elf64_Phdr> Loads;
  Elf64_Phdr Dynamic {};
  for (size_t I = 0; I < Header.e_phnum; ++I) {
    Elf64_Phdr Segment;
    if (!ReadAt(File, Header.e_phoff + I * sizeof(Elf64_Phdr), Segment)) return {};
    if (Segment.p_type == PT_LOAD) Loads.push_back(Segment);
    if (Segment.p_type == PT_DYNAMIC) Dynamic = Segment;
  }
  std::vector<Elf64_Xword> Names;
  Elf64_Addr Strings = 0;
  for (size_t Offset = Dynamic.p_offset; Offset + sizeof(Elf64_Dyn) <= Dynamic.p_offset + Dynamic.p_filesz; Offset += sizeof(Elf64_Dyn)) {
    Elf64_Dyn Entry;
    if (!ReadAt(File, Offset, Entry) || Entry.d_tag == DT_NULL) break;
    if (Entry.d_tag == DT_NEEDED) Names.push_back(Entry.d_un.d_val);
    if (Entry.d_tag == DT_STRTAB) Strings = Entry.d_un.d_ptr;
  }
  size_t StringsOffset = 0;
  for (const Elf64_Phdr& Load : Loads)
    if (Strings >= Load.p_vaddr && Strings < Load.p_vaddr + Load.p_filesz) StringsOffset = Strings - Load.p_vaddr + Load.p_offset;
  std::vector<String> Result;
  if (StringsOffset == 0) return Result;
  for (const Elf64_Xword Name : Names) {
    const size_t At = StringsOffset + Name;
    if (At >= File.size()) continue;
    const char* Text = File.data() + At;
    Result.emplace_back(Text, strnlen(Text, File.size() - At));
  }
  return Result;
}
