// soundgen <file>: writes the converter's completion sound, a WAV file, to file.
#include <cstdio>
#include <fstream>

#include "resources/sounds/generator/CompletionSound.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: soundgen <file>\n");
    return 2;
  }
  const std::vector<Byte> Wav = CompletionSoundWav();
  std::ofstream File(argv[1], std::ios::binary);
  File.write(reinterpret_cast<const char*>(Wav.data()), std::streamsize(Wav.size()));
  if (!File) {
    std::fprintf(stderr, "soundgen: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
