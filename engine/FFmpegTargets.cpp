#include "engine/FFmpeg.h"

// Targets, passes, matrices, statistics files, bitstream filters and encoder presets come with their own
// unit; until then their options get the task's reaction to an option it does not implement.
namespace {

[[noreturn]] void NotImplemented(const char* AOptionName) {
  throw FFmpegException(String("TODO: option - ") + AOptionName);
}

}  // namespace

void TCustomFFmpeg::SetTarget(const String&, const String&, const String&) { NotImplemented("target"); }
void TCustomFFmpeg::SetPass(int) { NotImplemented("pass"); }
void TCustomFFmpeg::SetIntraMatrix(const String&) { NotImplemented("intra_matrix"); }
void TCustomFFmpeg::SetInterMatrix(const String&) { NotImplemented("inter_matrix"); }
void TCustomFFmpeg::SetVStatsFile(const String&) { NotImplemented("vstats_file"); }
void TCustomFFmpeg::SetVStats(bool) { NotImplemented("vstats"); }
void TCustomFFmpeg::AddBitstreamFilter(const String& Kind, const String&) { NotImplemented(Kind.c_str()); }
void TCustomFFmpeg::ApplyPreset(const String& Kind, const String&) { NotImplemented(Kind.c_str()); }
