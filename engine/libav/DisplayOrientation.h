#pragma once
// How a video stream's pictures stand when a player shows them: phones and cameras store the picture as
// the sensor saw it and put the turn that makes it upright into the container's display matrix.
extern "C" {
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
}

#include <utility>

/// The turn a player gives a stream's pictures: mirrored left to right (when Mirrored), then turned
/// QuarterTurns times 90 degrees clockwise.
struct TDisplayOrientation {
  int QuarterTurns { 0 };  // 0 to 3
  bool Mirrored { false };

  bool Upright() const { return QuarterTurns == 0 && !Mirrored; }
  /// Width and height trade places on the way to the screen.
  bool SwapsSides() const { return QuarterTurns % 2 != 0; }
  /// AWidth and AHeight of a stored picture become those of the picture shown.
  void StandSize(int& AWidth, int& AHeight) const {
    if (SwapsSides()) std::swap(AWidth, AHeight);
  }
  friend bool operator==(const TDisplayOrientation&, const TDisplayOrientation&) = default;
};

/// The orientation a display matrix (nine 16.16 fixed-point numbers) asks for; upright for none, for a
/// singular matrix and for a turn that is no multiple of 90 degrees.
TDisplayOrientation MatrixOrientation(const int32_t* AMatrix);
/// The orientation of AStream's pictures, from its display matrix; upright without a stream.
TDisplayOrientation StreamOrientation(const AVStream* AStream);
/// Gives ATo the display matrix of AFrom, for pictures copied as stored; false when memory runs out.
bool CopyDisplayMatrix(const AVStream* AFrom, AVStream* ATo);

/// Adds filter AName with AArgs to AGraph and links the last filter's first output to it; it becomes the
/// last. False when the filter cannot be made or linked.
bool AppendFilter(AVFilterGraph* AGraph, const char* AName, const char* AArgs, AVFilterContext*& ALast);
/// Appends the filters that stand the pictures as AOrientation says (none for upright ones).
bool AppendOrientationFilters(AVFilterGraph* AGraph, const TDisplayOrientation& AOrientation, AVFilterContext*& ALast);
