// Blits between device contexts and pattern fills.
#include "platform/gdi/Blitter.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiHandles.h"
#include "platform/gdi/PixelOps.h"

namespace {

bool SourceOperation(uint32_t Rop, BlitOperation::Kind& Kind) {
  switch (Rop) {
    case SRCCOPY: Kind = BlitOperation::Copy; return true;
    case SRCAND: Kind = BlitOperation::And; return true;
    case SRCPAINT: Kind = BlitOperation::Or; return true;
    case SRCINVERT: Kind = BlitOperation::Xor; return true;
    default: return false;
  }
}

bool IsPatternOperation(uint32_t Rop) {
  return Rop == PATCOPY || Rop == PATINVERT || Rop == DSTINVERT || Rop == BLACKNESS || Rop == WHITENESS;
}

// Maps both rectangles to their surfaces and calls Engine(destination DC, destination point, source
// surface, source point); false for a dead handle or a source DC that draws nowhere.
template <class Fn> bool DeviceBlit(HDC Dest, int X, int Y, HDC Src, int XSrc, int YSrc, Fn&& Engine) {
  DeviceContext* D = LiveDC(Dest);
  DeviceContext* S = Src == Dest ? D : LiveDC(Src);
  const Surface* Source = S ? S->Target() : nullptr;
  if (!D || !Source)
    return false;
  Engine(*D, D->LogicalToSurface(TPoint { X, Y }), *Source, S->LogicalToSurface(TPoint { XSrc, YSrc }));
  return true;
}

// Runs the copy engine between two device contexts.
bool DeviceBlit(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, int SrcWidth,
                int SrcHeight, const BlitOperation& Operation) {
  return DeviceBlit(Dest, X, Y, Src, XSrc, YSrc, [&](DeviceContext& D, TPoint DP, const Surface& S, TPoint SP) {
    Blit(D, DP.X, DP.Y, Width, Height, S, SP.X, SP.Y, SrcWidth, SrcHeight, Operation);
  });
}

}  // namespace

bool PatBlt(HDC DC, int X, int Y, int Width, int Height, uint32_t Rop) {
  DeviceContext* D = LiveDC(DC);
  if (!D || !IsPatternOperation(Rop))
    return false;
  const TRect R = D->LogicalToSurface(TRect { X, Y, X + Width, Y + Height });
  const BrushObject* Brush = D->Brush();
  switch (Rop) {
    case PATCOPY:
      if (!Brush->IsNull())
        D->FillSolid(R, Brush->Color());
      break;
    case PATINVERT:
      if (!Brush->IsNull())
        D->MixRect(R, Brush->Color(), R2_XORPEN);
      break;
    case DSTINVERT: D->MixRect(R, clBlack, R2_NOT); break;
    case BLACKNESS: D->FillSolid(R, clBlack); break;
    case WHITENESS: D->FillSolid(R, clWhite); break;
  }
  return true;
}

bool BitBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, uint32_t Rop) {
  return StretchBlt(Dest, X, Y, Width, Height, Src, XSrc, YSrc, Width, Height, Rop);
}

bool StretchBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, int SrcWidth,
                int SrcHeight, uint32_t Rop) {
  if (IsPatternOperation(Rop))
    return PatBlt(Dest, X, Y, Width, Height, Rop);
  BlitOperation Operation;
  if (!SourceOperation(Rop, Operation.Op))
    return false;
  return DeviceBlit(Dest, X, Y, Width, Height, Src, XSrc, YSrc, SrcWidth, SrcHeight, Operation);
}

bool TileBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, int SrcWidth,
             int SrcHeight, bool RepeatX, bool RepeatY) {
  return DeviceBlit(Dest, X, Y, Src, XSrc, YSrc, [&](DeviceContext& D, TPoint DP, const Surface& S, TPoint SP) {
    TileBlit(D, DP.X, DP.Y, Width, Height, S, SP.X, SP.Y, SrcWidth, SrcHeight, RepeatX, RepeatY);
  });
}

bool TransparentBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, int SrcWidth,
                    int SrcHeight, TColor Key) {
  if (Width < 0 || Height < 0 || SrcWidth < 0 || SrcHeight < 0)
    return false;
  BlitOperation Operation;
  Operation.Op = BlitOperation::Transparent;
  Operation.Key = ColorToPixel(Key);
  return DeviceBlit(Dest, X, Y, Width, Height, Src, XSrc, YSrc, SrcWidth, SrcHeight, Operation);
}

bool AlphaBlend(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, int SrcWidth,
                int SrcHeight, BLENDFUNCTION Blend) {
  if (Width < 0 || Height < 0 || SrcWidth < 0 || SrcHeight < 0 || Blend.BlendOp != AC_SRC_OVER)
    return false;
  BlitOperation Operation;
  Operation.Op = BlitOperation::Alpha;
  Operation.Blend = Blend;
  return DeviceBlit(Dest, X, Y, Width, Height, Src, XSrc, YSrc, SrcWidth, SrcHeight, Operation);
}
