// Bitmap creation and the exchange of pixel rows with images in memory.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/base/Exception.h"
#include "platform/gdi/Blitter.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiHandles.h"

namespace {

// Checks an image description of the formats exchanged here (24 or 32 bits, uncompressed).
bool ValidImage(const BITMAPINFO* Info) {
  if (!Info)
    return false;
  const BITMAPINFOHEADER& H = Info->bmiHeader;
  return H.biSize >= sizeof(BITMAPINFOHEADER) && H.biCompression == BI_RGB && H.biWidth > 0 && H.biHeight != 0 &&
         H.biHeight != INT32_MIN && (H.biBitCount == 24 || H.biBitCount == 32) &&
         int64_t(H.biWidth) * 4 <= INT32_MAX / std::abs(int64_t(H.biHeight));  // the product could overflow
}

SurfaceFormat FormatOf(const BITMAPINFOHEADER& H) {
  return H.biBitCount == 32 ? SurfaceFormat::Bgra32 : SurfaceFormat::Bgr24;
}

// A surface over Lines rows of an image in memory, in the image's own row order.
std::unique_ptr<Surface> ImageRows(const BITMAPINFOHEADER& H, const void* Bits, int Lines) {
  const SurfaceFormat F = FormatOf(H);
  const int Row = Surface::RowBytes(H.biWidth, F);
  auto* Base = static_cast<uint8_t*>(const_cast<void*>(Bits));
  if (H.biHeight < 0)
    return std::make_unique<Surface>(Base, H.biWidth, Lines, Row, F);
  return std::make_unique<Surface>(Base + ptrdiff_t(Row) * (Lines - 1), H.biWidth, Lines, -Row, F);
}

HBITMAP NewBitmap(int Width, int Height, SurfaceFormat Format, bool BottomUp, int BitsPerPixel, bool Section) {
  try {
    return new BitmapObject(std::make_unique<Surface>(Width, Height, Format, BottomUp), BitsPerPixel, Section);
  } catch (const EOutOfResources&) {
    return nullptr;
  }
}

}  // namespace

HBITMAP CreateCompatibleBitmap(HDC, int Width, int Height) {
  if (Width < 0 || Height < 0)
    return nullptr;
  return NewBitmap(Width, Height, SurfaceFormat::Bgra32, false, 32, false);
}

HBITMAP CreateBitmap(int Width, int Height, unsigned Planes, unsigned BitCount, const void* Bits) {
  if (Width < 0 || Height < 0 || Planes != 1 || (BitCount != 1 && BitCount != 32))
    return nullptr;
  HBITMAP B = NewBitmap(Width, Height, SurfaceFormat::Bgra32, false, int(BitCount), false);
  if (!B || !Bits)
    return B;
  const auto* In = static_cast<const uint8_t*>(Bits);
  Surface& S = B->Pixels();
  if (BitCount == 32) {
    for (int Y = 0; Y < Height; ++Y)
      std::memcpy(S.Row(Y), In + size_t(Y) * Width * 4, size_t(Width) * 4);
    return B;
  }
  const int RowBytes = (Width + 15) / 16 * 2;  // monochrome rows are padded to 16 bits
  for (int Y = 0; Y < Height; ++Y) {
    const uint8_t* Row = In + size_t(Y) * RowBytes;
    for (int X = 0; X < Width; ++X)
      S.Row32(Y)[X] = Row[X / 8] & (0x80 >> (X % 8)) ? 0xFFFFFFFFu : 0xFF000000u;
  }
  return B;
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* Info, unsigned, void** Bits, void*, uint32_t) {
  if (Bits)
    *Bits = nullptr;
  if (!ValidImage(Info))
    return nullptr;
  const BITMAPINFOHEADER& H = Info->bmiHeader;
  HBITMAP B = NewBitmap(H.biWidth, std::abs(H.biHeight), FormatOf(H), H.biHeight > 0, H.biBitCount, true);
  if (B && Bits)
    *Bits = B->Pixels().Bits();
  return B;
}

int GetDIBits(HDC DC, HBITMAP Bitmap, unsigned StartScan, unsigned Scans, void* Bits, BITMAPINFO* Info,
              unsigned) {
  BitmapObject* B = LiveBitmap(Bitmap);
  if (!LiveDC(DC) || !B || !Info)
    return 0;
  BITMAPINFOHEADER& H = Info->bmiHeader;
  const int W = B->Width(), Height = B->Height();
  if (!Bits) {
    if (H.biBitCount == 0) {
      H.biBitCount = uint16_t(B->BitsPerPixel());
      H.biWidth = W;
      H.biHeight = Height;
      H.biPlanes = 1;
      H.biCompression = BI_RGB;
    }
    const int Bpp = H.biBitCount;
    H.biSizeImage = uint32_t((int64_t(W) * Bpp + 31) / 32 * 4 * Height);
    return Height;
  }
  if (!ValidImage(Info) || H.biWidth != W || std::abs(H.biHeight) != Height || StartScan >= unsigned(Height))
    return 0;
  const int Lines = int(std::min<unsigned>(Scans, unsigned(Height) - StartScan));
  const SurfaceFormat F = FormatOf(H);
  const int RowBytes = Surface::RowBytes(W, F);
  const Surface& S = B->Pixels();
  for (int K = 0; K < Lines; ++K) {
    // Memory row K holds scan line StartScan + K, counted from the image's first stored row.
    const int Y = H.biHeight < 0 ? int(StartScan) + K : Height - 1 - (int(StartScan) + K);
    uint8_t* Out = static_cast<uint8_t*>(Bits) + ptrdiff_t(K) * RowBytes;
    std::memset(Out, 0, size_t(RowBytes));
    for (int X = 0; X < W; ++X) {
      const uint32_t P = S.Pixel(X, Y);
      if (F == SurfaceFormat::Bgra32) {
        std::memcpy(Out + X * 4, &P, 4);
      } else {
        Out[X * 3] = uint8_t(P);
        Out[X * 3 + 1] = uint8_t(P >> 8);
        Out[X * 3 + 2] = uint8_t(P >> 16);
      }
    }
  }
  return Lines;
}

int SetDIBitsToDevice(HDC DC, int XDest, int YDest, unsigned Width, unsigned Height, int XSrc, int YSrc,
                      unsigned StartScan, unsigned Lines, const void* Bits, const BITMAPINFO* Info, unsigned) {
  DeviceContext* D = LiveDC(DC);
  if (!D || !Bits || !ValidImage(Info))
    return 0;
  const BITMAPINFOHEADER& H = Info->bmiHeader;
  const int ImageHeight = std::abs(H.biHeight);
  if (StartScan >= unsigned(ImageHeight) || Lines == 0)
    return 0;
  const int Count = int(std::min<unsigned>(Lines, unsigned(ImageHeight) - StartScan));
  const std::unique_ptr<Surface> Rows = ImageRows(H, Bits, Count);
  // The rows given are scan lines [StartScan, StartScan + Count) counted from the bottom; row 0 of Rows is
  // the topmost of them.
  const int Base = ImageHeight - int(StartScan) - Count;
  const int Top = ImageHeight - YSrc - int(Height) - Base;
  const TPoint P = D->LogicalToSurface(TPoint { XDest, YDest });
  BlitOperation Copy;
  Blit(*D, P.X, P.Y, int(Width), int(Height), *Rows, XSrc, Top, int(Width), int(Height), Copy);
  return Count;
}

int StretchDIBits(HDC DC, int XDest, int YDest, int DestWidth, int DestHeight, int XSrc, int YSrc, int SrcWidth,
                  int SrcHeight, const void* Bits, const BITMAPINFO* Info, unsigned, uint32_t Rop) {
  DeviceContext* D = LiveDC(DC);
  BlitOperation Operation;
  if (!D || !Bits || !ValidImage(Info))
    return 0;
  switch (Rop) {
    case SRCCOPY: break;
    case SRCAND: Operation.Op = BlitOperation::And; break;
    case SRCPAINT: Operation.Op = BlitOperation::Or; break;
    case SRCINVERT: Operation.Op = BlitOperation::Xor; break;
    default: return 0;
  }
  const BITMAPINFOHEADER& H = Info->bmiHeader;
  const int ImageHeight = std::abs(H.biHeight);
  const std::unique_ptr<Surface> Rows = ImageRows(H, Bits, ImageHeight);
  // Source rows counted upwards from the bottom edge become top-down rows; the span's sign (mirroring)
  // is kept, so a positive extent on both sides copies upright.
  const int Low = std::min(YSrc, YSrc + SrcHeight), High = std::max(YSrc, YSrc + SrcHeight);
  const int SY = SrcHeight < 0 ? ImageHeight - Low : ImageHeight - High;
  const TPoint P = D->LogicalToSurface(TPoint { XDest, YDest });
  Blit(*D, P.X, P.Y, DestWidth, DestHeight, *Rows, XSrc, SY, SrcWidth, SrcHeight, Operation);
  return std::abs(SrcHeight);
}
