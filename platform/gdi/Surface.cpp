#include "platform/gdi/Surface.h"

#include <climits>
#include <cstdlib>

#include "platform/base/Exception.h"

void Surface::FreeMemory::operator()(uint8_t* P) const { std::free(P); }

int Surface::RowBytes(int Width, SurfaceFormat Format) {
  return Format == SurfaceFormat::Bgra32 ? Width * 4 : Width * 3 + Width % 4;
}

Surface::Surface(int Width, int Height, SurfaceFormat Format, bool BottomUp)
    : FWidth(Width), FHeight(Height), FFormat(Format) {
  if (Width < 0 || Height < 0)
    throw EOutOfResources("Invalid surface size " + std::to_string(Width) + "x" + std::to_string(Height));
  const int64_t Row = Format == SurfaceFormat::Bgra32 ? int64_t(Width) * 4 : int64_t(Width) * 3 + Width % 4;
  // Compared by division: the product of two huge sides would not fit in 64 bits.
  if (Height > 0 && Row > INT_MAX / Height)
    throw EOutOfResources("Surface too large: " + std::to_string(Width) + "x" + std::to_string(Height));
  FStride = int(Row);
  const int64_t Total = Row * Height;
  if (Total == 0)
    return;
  // calloc maps fresh zero pages for large blocks without touching them.
  FMemory.reset(static_cast<uint8_t*>(std::calloc(size_t(Total), 1)));
  if (!FMemory)
    throw EOutOfResources("Out of memory for a " + std::to_string(Width) + "x" + std::to_string(Height) +
                          " surface");
  FTop = FMemory.get();
  if (BottomUp) {
    FTop += ptrdiff_t(Row) * (Height - 1);
    FStride = -FStride;
  }
}

Surface::Surface(void* TopRow, int Width, int Height, int Stride, SurfaceFormat Format)
    : FTop(static_cast<uint8_t*>(TopRow)), FWidth(Width), FHeight(Height), FStride(Stride), FFormat(Format) {}

uint32_t Surface::Pixel(int X, int Y) const {
  if (FFormat == SurfaceFormat::Bgra32)
    return Row32(Y)[X];
  const uint8_t* P = Row(Y) + X * 3;
  return 0xFF000000u | uint32_t(P[2]) << 16 | uint32_t(P[1]) << 8 | P[0];
}

void Surface::SetPixel(int X, int Y, uint32_t Value) {
  if (FFormat == SurfaceFormat::Bgra32) {
    Row32(Y)[X] = Value;
    return;
  }
  uint8_t* P = Row(Y) + X * 3;
  P[0] = uint8_t(Value);
  P[1] = uint8_t(Value >> 8);
  P[2] = uint8_t(Value >> 16);
}
