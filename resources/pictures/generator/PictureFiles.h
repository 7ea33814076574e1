#pragma once
// The file formats of the resource table, made from drawn pictures.
#include <functional>

#include "resources/pictures/generator/ProgramPictures.h"
#include "resources/pictures/generator/TPictureCanvas.h"

/// The sizes of every icon file, in pixels.
inline constexpr int IconSizes[] = { 16, 32, 48 };

/// An opaque BMP: the pixels the picture leaves out take the fuchsia key, which its bottom-left pixel always has.
TProgramPicture KeyedPicture(const char* Name, const TPictureCanvas& Canvas);
/// A PNG with alpha.
TProgramPicture PngPicture(const char* Name, const TPictureCanvas& Canvas);
/// An icon file of every size of IconSizes, each drawn by Draw(canvas, side).
TProgramPicture IconPicture(const char* Name, const std::function<void(TPictureCanvas&, double)>& Draw);
