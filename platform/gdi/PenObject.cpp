#include "platform/gdi/PenObject.h"

#include <cstring>

#include "platform/gdi/GdiRecords.h"

int PenObject::GetObjectData(int Size, void* Buffer) const {
  if (!Buffer)
    return sizeof(LOGPEN);
  if (Size < int(sizeof(LOGPEN)))
    return 0;
  LOGPEN Pen;
  Pen.lopnStyle = unsigned(FStyle);
  Pen.lopnWidth = { FWidth, 0 };
  Pen.lopnColor = FColor;
  std::memcpy(Buffer, &Pen, sizeof Pen);
  return sizeof Pen;
}
