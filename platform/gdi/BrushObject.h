#pragma once
// A brush: how areas are filled.
#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObject.h"

// Brush styles.
constexpr unsigned BS_SOLID = 0;
constexpr unsigned BS_NULL = 1;
constexpr unsigned BS_HOLLOW = BS_NULL;

/// A solid brush of an RGB colour, or the null brush that leaves the background as it is.
class BrushObject : public GdiObject {
public:
  BrushObject(unsigned Style, TColor Color) : FStyle(Style), FColor(Color) {}

  int ObjectType() const override { return OBJ_BRUSH; }
  int GetObjectData(int Size, void* Buffer) const override;

  unsigned Style() const { return FStyle; }
  TColor Color() const { return FColor; }
  bool IsNull() const { return FStyle == BS_NULL; }

private:
  unsigned FStyle { BS_SOLID };
  TColor FColor { 0 };
};
