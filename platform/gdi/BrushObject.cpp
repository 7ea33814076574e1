#include "platform/gdi/BrushObject.h"

#include <cstring>

#include "platform/gdi/GdiRecords.h"

int BrushObject::GetObjectData(int Size, void* Buffer) const {
  if (!Buffer)
    return sizeof(LOGBRUSH);
  if (Size < int(sizeof(LOGBRUSH)))
    return 0;
  LOGBRUSH Brush;
  Brush.lbStyle = FStyle;
  Brush.lbColor = FColor;
  std::memcpy(Buffer, &Brush, sizeof Brush);
  return sizeof Brush;
}
