#pragma once
// The icon handle type. The icon table (Icons.h) gives icon handles their meaning; the window system
// only stores them.
#include <cstdint>

/// Identifies an icon; 0 is no icon.
using HICON = uintptr_t;
