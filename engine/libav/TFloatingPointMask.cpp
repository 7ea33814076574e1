#include "engine/libav/TFloatingPointMask.h"

#include <xmmintrin.h>

TFloatingPointMask::TFloatingPointMask() : FSaved(_mm_getcsr()) {
  _mm_setcsr((FSaved | AllExceptions) & ~RoundingControl);
}

TFloatingPointMask::~TFloatingPointMask() { _mm_setcsr(FSaved); }
