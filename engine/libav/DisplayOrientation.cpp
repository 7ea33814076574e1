#include "engine/libav/DisplayOrientation.h"

#include <array>
#include <cmath>
#include <cstring>

#include "engine/libav/AVFilterStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"

namespace {

/// Clockwise quarter turns of a matrix without a mirror; -1 when its angle is no multiple of 90 degrees.
int QuarterTurnsOf(const int32_t* AMatrix) {
  // The library measures the angle counterclockwise; a player turns the picture the other way round.
  const double Clockwise = -LibAVUtil.av_display_rotation_get(AMatrix);
  if (std::isnan(Clockwise)) return -1;
  const double Quarters = std::nearbyint(Clockwise / 90);
  if (std::fabs(Clockwise - Quarters * 90) > 1) return -1;
  return (int(Quarters) % 4 + 4) % 4;
}

}  // namespace

TDisplayOrientation MatrixOrientation(const int32_t* AMatrix) {
  if (!AMatrix) return {};
  // A negative determinant of the 2x2 part means the matrix mirrors: it is a turn followed by a left-right
  // mirror of the turned picture, which is the mirrored source turned the opposite way.
  const double Determinant = double(AMatrix[0]) * AMatrix[4] - double(AMatrix[1]) * AMatrix[3];
  if (Determinant == 0) return {};
  if (Determinant > 0) {
    const int Turns = QuarterTurnsOf(AMatrix);
    return Turns < 0 ? TDisplayOrientation {} : TDisplayOrientation { Turns, false };
  }
  std::array<int32_t, 9> Unmirrored;
  std::copy(AMatrix, AMatrix + 9, Unmirrored.begin());
  for (const int I : { 0, 3, 6 }) Unmirrored[I] = -Unmirrored[I];
  const int Turns = QuarterTurnsOf(Unmirrored.data());
  return Turns < 0 ? TDisplayOrientation {} : TDisplayOrientation { (4 - Turns) % 4, true };
}

TDisplayOrientation StreamOrientation(const AVStream* AStream) {
  if (!AStream) return {};
  size_t Size = 0;
  const uint8_t* Matrix = LibAVFormat.av_stream_get_side_data(AStream, AV_PKT_DATA_DISPLAYMATRIX, &Size);
  if (!Matrix || Size < 9 * sizeof(int32_t)) return {};
  return MatrixOrientation(reinterpret_cast<const int32_t*>(Matrix));
}

bool CopyDisplayMatrix(const AVStream* AFrom, AVStream* ATo) {
  size_t Size = 0;
  const uint8_t* Matrix = LibAVFormat.av_stream_get_side_data(AFrom, AV_PKT_DATA_DISPLAYMATRIX, &Size);
  if (!Matrix) return true;
  uint8_t* Copy = LibAVFormat.av_stream_new_side_data(ATo, AV_PKT_DATA_DISPLAYMATRIX, Size);
  if (!Copy) return false;
  std::memcpy(Copy, Matrix, Size);
  return true;
}

bool AppendFilter(AVFilterGraph* AGraph, const char* AName, const char* AArgs, AVFilterContext*& ALast) {
  AVFilterContext* Filter = nullptr;
  if (LibAVFilter.avfilter_graph_create_filter(&Filter, LibAVFilter.avfilter_get_by_name(AName), AName, AArgs, nullptr, AGraph) < 0)
    return false;
  if (LibAVFilter.avfilter_link(ALast, 0, Filter, 0) < 0) return false;
  ALast = Filter;
  return true;
}

bool AppendOrientationFilters(AVFilterGraph* AGraph, const TDisplayOrientation& AOrientation, AVFilterContext*& ALast) {
  struct TStep {
    const char* Name;
    const char* Args;
  };
  // One transpose serves a quarter turn with or without the mirror; a half turn is both flips, and the
  // mirror of a half turn leaves the upside-down flip alone.
  static constexpr TStep Turns[2][4][2] = {
    { {}, { { "transpose", "dir=clock" } }, { { "hflip", nullptr }, { "vflip", nullptr } }, { { "transpose", "dir=cclock" } } },
    { { { "hflip", nullptr } }, { { "transpose", "dir=clock_flip" } }, { { "vflip", nullptr } }, { { "transpose", "dir=cclock_flip" } } },
  };
  for (const TStep& Step : Turns[AOrientation.Mirrored][AOrientation.QuarterTurns & 3])
    if (Step.Name && !AppendFilter(AGraph, Step.Name, Step.Args, ALast)) return false;
  return true;
}
