#pragma once
// The copy engine behind every blit: nearest-neighbour stretching with the one mapping used everywhere,
// mirroring for negative extents, clipping, and the per-pixel operation.
#include <cstdint>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiRecords.h"
#include "platform/gdi/Surface.h"

/// What a blit does with each source pixel.
struct BlitOperation {
  enum Kind { Copy, And, Or, Xor, Transparent, Alpha };
  Kind Op { Copy };
  uint32_t Key { 0 };  // Transparent: colour bits (0x00RRGGBB) of the pixels left out
  BLENDFUNCTION Blend;  // Alpha
};

/// Copies the source span (SX, SY) + (SW, SH) of Src onto the destination span (DX, DY) + (DW, DH) of
/// Dest's surface, both in surface coordinates; a negative extent mirrors that axis. Destination column
/// dx takes source column floor((2dx + 1) * |SW| / (2|DW|)); rows likewise. Destination pixels outside
/// Dest's clip, or whose source pixel lies outside Src, are left alone.
void Blit(DeviceContext& Dest, int DX, int DY, int DW, int DH, const Surface& Src, int SX, int SY, int SW,
          int SH, const BlitOperation& Operation);

/// Repeats the source span (SX, SY) + (SW, SH) over the destination span (DX, DY) + (DW, DH), copying
/// whole pixels; every extent is positive, or nothing is drawn. Along an axis that repeats, destination
/// index d takes source index S + (d - D) mod the source extent: copies side by side from the
/// destination's start, the last one cut. Along the other axis the centre formula of Blit applies. The
/// pixels are those of a Blit of each copy; the clip and the maps are worked out once for all of them.
void TileBlit(DeviceContext& Dest, int DX, int DY, int DW, int DH, const Surface& Src, int SX, int SY, int SW,
              int SH, bool RepeatX, bool RepeatY);
