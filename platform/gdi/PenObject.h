#pragma once
// A pen: outline style, width and colour of lines and shape outlines.
#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObject.h"

// Pen styles. The dashed styles draw solid lines here (only solid and null pens are drawn by the callers).
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;
constexpr int PS_NULL = 5;
constexpr int PS_INSIDEFRAME = 6;

/// A cosmetic pen of a style, a width in pixels (0 counts as 1) and an RGB colour.
class PenObject : public GdiObject {
public:
  PenObject(int Style, int Width, TColor Color) : FStyle(Style), FWidth(Width < 1 ? 1 : Width), FColor(Color) {}

  int ObjectType() const override { return OBJ_PEN; }
  int GetObjectData(int Size, void* Buffer) const override;

  int Style() const { return FStyle; }
  int Width() const { return FWidth; }
  TColor Color() const { return FColor; }
  bool IsNull() const { return FStyle == PS_NULL; }

private:
  int FStyle { PS_SOLID };
  int FWidth { 1 };
  TColor FColor { 0 };
};
