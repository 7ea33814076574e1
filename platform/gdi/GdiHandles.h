#pragma once
// Handle checks of the drawing functions: a handle is used only while it names a live object of the
// expected type; anything else makes the call fail.
#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/BrushObject.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/PenObject.h"
#include "platform/gdi/RegionObject.h"

template <class T> T* LiveAs(GdiObject* Object, int Type, int OtherType = -1) {
  if (!GdiObject::IsLive(Object))
    return nullptr;
  const int Actual = Object->ObjectType();
  return Actual == Type || Actual == OtherType ? static_cast<T*>(Object) : nullptr;
}

inline DeviceContext* LiveDC(HDC DC) { return LiveAs<DeviceContext>(DC, OBJ_DC, OBJ_MEMDC); }
inline BitmapObject* LiveBitmap(HBITMAP B) { return LiveAs<BitmapObject>(B, OBJ_BITMAP); }
inline BrushObject* LiveBrush(HBRUSH B) { return LiveAs<BrushObject>(B, OBJ_BRUSH); }
inline RegionObject* LiveRegion(HRGN R) { return LiveAs<RegionObject>(R, OBJ_REGION); }
