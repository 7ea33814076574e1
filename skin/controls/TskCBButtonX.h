#pragma once
// One of the small buttons a skinned control draws inside itself (a scroll bar's arrows and thumb, an
// up-down's two buttons).
#include "platform/base/Types.h"

/// A button inside a control: where it is (control coordinates), whether the pointer is over it and
/// whether it is held down.
struct TskCBButtonX {
  TRect R;
  bool MouseIn { false };
  bool Down { false };
};
