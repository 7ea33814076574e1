#pragma once
// Where a conversion task shows the pictures it previews in a window of its own.
#include "platform/base/Types.h"

class TBitmap;

/// A task's preview window: it shows each picture handed to it, from the task's thread, and says when
/// the user closed it.
class IPreviewWindow {
public:
  virtual ~IPreviewWindow() = default;
  /// Shows ABitmap (borrowed for the call) with its frame number and time (microseconds); false once the
  /// user has closed the window.
  virtual bool PaintFrame(TBitmap* ABitmap, int AFrameNumber, Int64 APTS) = 0;
};
