#pragma once
// The largest picture a decoder accepts. Headers of damaged or hostile files can claim any size; checking
// it before allocating keeps one bad file from taking gigabytes of memory.
#include <cstdint>

#include "platform/base/Exception.h"

constexpr int64_t MaxPictureSide = 32767;
constexpr int64_t MaxPicturePixels = int64_t(1) << 26;  // 8192 x 8192: 256 MiB of 32-bit pixels

/// Raises EInvalidGraphic with Message when a decoded picture of Width x Height would be negative or beyond
/// the limits above.
inline void CheckPictureSize(int64_t Width, int64_t Height, const char* Message) {
  if (Width < 0 || Height < 0 || Width > MaxPictureSide || Height > MaxPictureSide ||
      Width * Height > MaxPicturePixels)
    throw EInvalidGraphic(Message);
}
