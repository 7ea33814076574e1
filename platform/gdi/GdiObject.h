#pragma once
// The graphics objects behind the handle types. A handle is a pointer to one of our own objects (not an
// index): the objects are only ever touched through the functions of Gdi.h, which check a handle against
// the registry of live objects before using it, so a stale or foreign handle fails the call instead of
// reaching freed memory. The typed handles convert implicitly to HGDIOBJ; going back needs a
// static_cast (or the As... helpers), as with the strict handle types of the toolkit.
#include <atomic>
#include <cstdint>

class GdiObject;
class BitmapObject;
class PenObject;
class BrushObject;
class RegionObject;
class TFontObject;  // defined by the text layer
class DeviceContext;

using HGDIOBJ = GdiObject*;
using HBITMAP = BitmapObject*;
using HPEN = PenObject*;
using HBRUSH = BrushObject*;
using HRGN = RegionObject*;
using HFONT = TFontObject*;
using HDC = DeviceContext*;

// Object types (GetObjectType, GetCurrentObject).
constexpr int OBJ_PEN = 1;
constexpr int OBJ_BRUSH = 2;
constexpr int OBJ_DC = 3;
constexpr int OBJ_FONT = 6;
constexpr int OBJ_BITMAP = 7;
constexpr int OBJ_REGION = 8;
constexpr int OBJ_MEMDC = 10;

/// Base of every graphics object: its type, its record for GetObject, and the bookkeeping that keeps an
/// object alive while a device context (or a state saved by SaveDC) still holds it.
class GdiObject {
public:
  virtual ~GdiObject();
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  /// One of the OBJ_* values.
  virtual int ObjectType() const = 0;
  /// Copies the object's record (BITMAP/DIBSECTION, LOGPEN, LOGBRUSH, the text layer's LOGFONT) into
  /// Buffer; with Buffer null returns the size needed; 0 when the object has no record or Size is too small.
  virtual int GetObjectData(int Size, void* Buffer) const;
  /// The font object behind this handle, or null (lets the device context store fonts without knowing them).
  virtual TFontObject* AsFont() { return nullptr; }

  /// True while Object is a live graphics object (not deleted, not waiting to be freed, not a stray pointer).
  static bool IsLive(const GdiObject* Object);

  bool IsStock() const { return FStock; }
  /// Marks a process-wide stock object: DeleteObject leaves it alone.
  void MarkStock() { FStock = true; }

  /// Device contexts call these while they hold the object in their current or saved state.
  void AddUse() { ++FUses; }
  void ReleaseUse();
  bool InUse() const { return FUses > 0; }
  /// DeleteObject: frees the object now, or when the last device context lets go of it. False for stock
  /// objects and dead handles.
  static bool Delete(GdiObject* Object);

protected:
  GdiObject();

private:
  std::atomic<int> FUses { 0 };
  std::atomic<bool> FDeletePending { false };
  bool FStock { false };
};
