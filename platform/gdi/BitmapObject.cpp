#include "platform/gdi/BitmapObject.h"

#include <cstring>

#include "platform/gdi/GdiRecords.h"

BitmapObject::BitmapObject(std::unique_ptr<Surface> Pixels, int BitsPerPixel, bool DibSection)
    : FPixels(std::move(Pixels)), FBitsPerPixel(BitsPerPixel), FDibSection(DibSection) {}

BitmapObject* BitmapObject::Stock() {
  static BitmapObject* S = [] {
    auto* B = new BitmapObject(std::make_unique<Surface>(1, 1, SurfaceFormat::Bgra32), 1, false);
    B->MarkStock();
    return B;
  }();
  return S;
}

int BitmapObject::GetObjectData(int Size, void* Buffer) const {
  BITMAP Info;
  Info.bmWidth = Width();
  Info.bmHeight = Height();
  Info.bmWidthBytes = FBitsPerPixel == 1 ? (Width() + 15) / 16 * 2 : Surface::RowBytes(Width(), FPixels->Format());
  Info.bmBitsPixel = uint16_t(FBitsPerPixel);
  Info.bmBits = FDibSection ? FPixels->Bits() : nullptr;
  const int Needed = FDibSection ? int(sizeof(DIBSECTION)) : int(sizeof(BITMAP));
  if (!Buffer)
    return Needed;
  if (FDibSection && Size >= int(sizeof(DIBSECTION))) {
    DIBSECTION Section;
    Section.dsBm = Info;
    Section.dsBmih.biWidth = Width();
    Section.dsBmih.biHeight = FPixels->BottomUp() ? Height() : -Height();
    Section.dsBmih.biBitCount = uint16_t(FBitsPerPixel);
    Section.dsBmih.biSizeImage = uint32_t(FPixels->SizeInBytes());
    std::memcpy(Buffer, &Section, sizeof Section);
    return sizeof Section;
  }
  if (Size < int(sizeof(BITMAP)))
    return 0;
  std::memcpy(Buffer, &Info, sizeof Info);
  return sizeof Info;
}
