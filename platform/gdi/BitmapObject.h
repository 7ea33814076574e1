#pragma once
// A bitmap object: a surface of pixels plus what GetObject reports about it.
#include <memory>

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/Surface.h"

class DeviceContext;

/// A bitmap: 32-bit (compatible bitmaps, 32-bit DIB sections), 24-bit (24-bit DIB sections) or
/// monochrome (CreateBitmap with 1 bit per pixel, held as black and white 32-bit pixels and reported as
/// 1 bit per pixel). A bitmap is selected into at most one memory device context at a time.
class BitmapObject : public GdiObject {
public:
  BitmapObject(std::unique_ptr<Surface> Pixels, int BitsPerPixel, bool DibSection);
  /// The 1x1 monochrome bitmap a new memory DC holds; drawing into it draws nothing.
  static BitmapObject* Stock();

  int ObjectType() const override { return OBJ_BITMAP; }
  int GetObjectData(int Size, void* Buffer) const override;

  Surface& Pixels() const { return *FPixels; }
  int Width() const { return FPixels->Width(); }
  int Height() const { return FPixels->Height(); }
  /// 1, 24 or 32.
  int BitsPerPixel() const { return FBitsPerPixel; }
  bool IsDibSection() const { return FDibSection; }

  /// The memory device context the bitmap is selected into, or null.
  DeviceContext* SelectedInto() const { return FSelectedInto; }
  void SetSelectedInto(DeviceContext* DC) { FSelectedInto = DC; }

private:
  std::unique_ptr<Surface> FPixels;
  int FBitsPerPixel { 32 };
  bool FDibSection { false };
  DeviceContext* FSelectedInto { nullptr };
};
