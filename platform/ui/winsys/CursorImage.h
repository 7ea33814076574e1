#pragma once
// The images of the system's cursors: 32 x 32 monochrome pictures with a hot spot, kept both as the AND
// and XOR masks the cursor queries report and as 32-bit pixels for the presenters.
#include <memory>
#include <string>
#include <vector>

#include "platform/base/Types.h"
#include "platform/gdi/Surface.h"
#include "platform/ui/winsys/UiTypes.h"

/// One cursor picture. Masks have rows of 4 bytes, the leftmost pixel in the high bit of the first byte;
/// a set AND bit leaves the screen pixel, the XOR bit of an opaque pixel is 1 for white, 0 for black.
class CursorImage {
public:
  static constexpr int Size = 32;
  static constexpr int RowBytes = Size / 8;

  /// A picture from text rows, the first at the top: '.' transparent, 'X' black, 'o' white; rows and
  /// columns left out are transparent.
  CursorImage(const std::vector<std::string>& Rows, TPoint HotSpot);

  /// The system cursor LoadCursor(0, Name) gives (an IDC_* value), or null.
  static const CursorImage* System(uintptr_t Name);
  /// The cursor a handle names (handles are the IDC_* names), or null.
  static const CursorImage* FromHandle(HCURSOR Cursor) { return System(Cursor); }

  TPoint HotSpot() const { return FHotSpot; }
  const std::vector<Byte>& AndMask() const { return FAndMask; }
  const std::vector<Byte>& XorMask() const { return FXorMask; }
  /// Premultiplied 32-bit pixels: transparent, opaque black or opaque white.
  const Surface& Pixels() const { return *FPixels; }

private:
  TPoint FHotSpot;
  std::vector<Byte> FAndMask;
  std::vector<Byte> FXorMask;
  std::unique_ptr<Surface> FPixels;
};
