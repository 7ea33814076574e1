#pragma once
// The engine's own deinterlacer for decoded pictures.
extern "C" {
#include <libavutil/frame.h>
}

/// Writes into ADest (same format and size, writable) the picture ASource with every line replaced by the
/// vertical low-pass (-1, 4, 2, 4, -1) / 8 of its neighbourhood, rounded and kept within 0..255, the lines
/// beyond the top and bottom edges taken as copies of the edge lines. Works on 8-bit planar YUV and grey
/// pictures; false for any other format, with ADest untouched.
bool DeinterlacePicture(AVFrame* ADest, const AVFrame* ASource);
