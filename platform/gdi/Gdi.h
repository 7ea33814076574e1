#pragma once
// The drawing interface with the window system's names and semantics: objects, device contexts, bitmaps,
// blits, regions and shapes. Rectangles exclude their right and bottom edges; lines exclude their end
// point; every call goes through the DC's origins and clip. Colours are TColor (system colours are
// resolved). In 32-bit bitmaps, fills and pen strokes write opaque pixels, SRCCOPY copies alpha with the
// pixel, and the inverting and combining operations leave alpha as it is. Text drawing and fonts are in
// the text layer.
#include <cstdint>
#include <functional>

#include "platform/base/Types.h"
#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/BrushObject.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/GdiRecords.h"
#include "platform/gdi/PenObject.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/RegionObject.h"

// ---- Objects ----------------------------------------------------------------------------------------

// Stock objects.
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int OEM_FIXED_FONT = 10;
constexpr int ANSI_FIXED_FONT = 11;
constexpr int ANSI_VAR_FONT = 12;
constexpr int SYSTEM_FONT = 13;
constexpr int DEVICE_DEFAULT_FONT = 14;
constexpr int SYSTEM_FIXED_FONT = 16;
constexpr int DEFAULT_GUI_FONT = 17;

/// The text layer installs this to make its stock fonts; until then the stock fonts are null.
using TStockFontMaker = std::function<HGDIOBJ(int Index)>;
void SetStockFontMaker(TStockFontMaker Maker);

HGDIOBJ GetStockObject(int Index);
/// Frees the object, or marks it to be freed when the last DC that holds it lets go. False for a dead
/// handle or a stock object. DCs are freed with DeleteDC.
bool DeleteObject(HGDIOBJ Object);
/// OBJ_* type of a live object, 0 otherwise.
int GetObjectType(HGDIOBJ Object);
/// Copies the object's record (BITMAP or DIBSECTION, LOGPEN, LOGBRUSH, the text layer's LOGFONT).
int GetObject(HGDIOBJ Object, int Size, void* Buffer);
HGDIOBJ GetCurrentObject(HDC DC, int Type);
/// Selects a bitmap (memory DCs only, one DC at a time), pen, brush or font; returns the previous
/// object of that type, or null on failure. Regions are selected with SelectClipRgn.
HGDIOBJ SelectObject(HDC DC, HGDIOBJ Object);

HPEN CreatePen(int Style, int Width, TColor Color);
HBRUSH CreateSolidBrush(TColor Color);

// ---- Device contexts ---------------------------------------------------------------------------------

/// A memory DC; its bitmap is a 1x1 monochrome stock bitmap (nothing is drawn) until one is selected.
HDC CreateCompatibleDC(HDC DC);
/// A display DC that draws nowhere until DeviceContext::Bind gives it a surface (the screen DC).
HDC CreateDisplayDC();
/// A DC drawing into Target at DeviceOffset, limited to BaseClip (device coordinates) when given.
HDC CreateSurfaceDC(Surface& Target, TPoint DeviceOffset = {}, const Region* BaseClip = nullptr);
bool DeleteDC(HDC DC);

int SaveDC(HDC DC);
bool RestoreDC(HDC DC, int SavedDC);

bool SetWindowOrgEx(HDC DC, int X, int Y, TPoint* Old);
bool GetWindowOrgEx(HDC DC, TPoint* Origin);
bool OffsetWindowOrgEx(HDC DC, int DX, int DY, TPoint* Old);
bool SetViewportOrgEx(HDC DC, int X, int Y, TPoint* Old);
bool GetViewportOrgEx(HDC DC, TPoint* Origin);
bool OffsetViewportOrgEx(HDC DC, int DX, int DY, TPoint* Old);

/// Region in device coordinates; null removes the clip. Returns the new clip's kind, RGN_ERROR on failure.
int SelectClipRgn(HDC DC, HRGN Rgn);
int ExtSelectClipRgn(HDC DC, HRGN Rgn, int Mode);
/// Logical rectangle.
int IntersectClipRect(HDC DC, int Left, int Top, int Right, int Bottom);
int ExcludeClipRect(HDC DC, int Left, int Top, int Right, int Bottom);
int OffsetClipRgn(HDC DC, int DX, int DY);
/// Bounding box of the area that can be drawn, in logical coordinates; returns its kind.
int GetClipBox(HDC DC, TRect* R);
/// Copies the application clip (device coordinates) into Rgn: 1 when there is one, 0 when there is
/// none, -1 on error.
int GetClipRgn(HDC DC, HRGN Rgn);

constexpr TColor CLR_INVALID = static_cast<TColor>(0xFFFFFFFFu);
TColor SetTextColor(HDC DC, TColor Color);
TColor GetTextColor(HDC DC);
TColor SetBkColor(HDC DC, TColor Color);
TColor GetBkColor(HDC DC);
int SetBkMode(HDC DC, int Mode);
int GetBkMode(HDC DC);
int SetStretchBltMode(HDC DC, int Mode);
int GetStretchBltMode(HDC DC);
int SetROP2(HDC DC, int Mode);
int GetROP2(HDC DC);
bool SetBrushOrgEx(HDC DC, int X, int Y, TPoint* Old);

// Device capabilities.
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
/// BITSPIXEL 32, PLANES 1, LOGPIXELSX/Y 96, HORZRES/VERTRES the screen size; 0 otherwise.
int GetDeviceCaps(HDC DC, int Index);
/// The screen size GetDeviceCaps reports (the window system sets it; 1024x768 until then).
void SetScreenSize(int Width, int Height);

// ---- Bitmaps -----------------------------------------------------------------------------------------

/// A 32-bit bitmap of black pixels (whatever the DC); null on failure.
HBITMAP CreateCompatibleBitmap(HDC DC, int Width, int Height);
/// BitCount 1 (rows of Bits padded to 16 bits; a set bit is white) or 32; Bits may be null (zeroes).
HBITMAP CreateBitmap(int Width, int Height, unsigned Planes, unsigned BitCount, const void* Bits);
/// A 24- or 32-bit BI_RGB section, bottom-up for a positive height, top-down for a negative one; *Bits
/// receives the pixel memory (lowest address). Null (and *Bits null) on failure.
HBITMAP CreateDIBSection(HDC DC, const BITMAPINFO* Info, unsigned Usage, void** Bits, void* Section,
                         uint32_t Offset);
/// Copies rows of any bitmap to a 24- or 32-bit image (Info says which, top-down for a negative
/// height). StartScan counts from the bottom for bottom-up images, from the top for top-down ones.
/// With Bits null only fills in the header of a 32-bit bottom-up image of the bitmap's size.
/// Returns the number of rows copied (0 on failure).
int GetDIBits(HDC DC, HBITMAP Bitmap, unsigned StartScan, unsigned Scans, void* Bits, BITMAPINFO* Info,
              unsigned Usage);
/// Copies a Width x Height part of a 24- or 32-bit image to the DC. Source coordinates have their
/// origin at the image's lower-left corner, y up; Bits holds Lines rows starting with scan line
/// StartScan (counted from the bottom) in the image's own row order. Returns the rows drawn.
int SetDIBitsToDevice(HDC DC, int XDest, int YDest, unsigned Width, unsigned Height, int XSrc, int YSrc,
                      unsigned StartScan, unsigned Lines, const void* Bits, const BITMAPINFO* Info,
                      unsigned Usage);
/// Stretches a part of a 24- or 32-bit image onto the DC (SRCCOPY). Source coordinates have their
/// origin at the image's lower-left corner, y up. Each rectangle is the span between its origin and
/// origin + extent; a negative extent mirrors that axis, so equal signs on both sides copy upright.
/// Returns the rows drawn (0 on failure).
int StretchDIBits(HDC DC, int XDest, int YDest, int DestWidth, int DestHeight, int XSrc, int YSrc,
                  int SrcWidth, int SrcHeight, const void* Bits, const BITMAPINFO* Info, unsigned Usage,
                  uint32_t Rop);

// ---- Blits -------------------------------------------------------------------------------------------

constexpr uint32_t SRCCOPY = 0x00CC0020;
constexpr uint32_t SRCPAINT = 0x00EE0086;
constexpr uint32_t SRCAND = 0x008800C6;
constexpr uint32_t SRCINVERT = 0x00660046;
constexpr uint32_t PATCOPY = 0x00F00021;
constexpr uint32_t PATINVERT = 0x005A0049;
constexpr uint32_t DSTINVERT = 0x00550009;
constexpr uint32_t BLACKNESS = 0x00000042;
constexpr uint32_t WHITENESS = 0x00FF0062;

/// SRCCOPY copies whole pixels (alpha included); the other operations act on the colour bits and
/// leave alpha as it is. Source pixels outside the source surface are not drawn.
bool BitBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, uint32_t Rop);
/// Nearest neighbour: destination column dx takes source column floor((2dx + 1) * SrcW / (2 DestW)),
/// rows likewise; equal sizes copy exactly; negative extents mirror.
bool StretchBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, int SrcWidth,
                int SrcHeight, uint32_t Rop);
/// A stretched copy that leaves out source pixels whose low 24 bits equal Key (an RGB TColor).
bool TransparentBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc,
                    int SrcWidth, int SrcHeight, TColor Key);
/// A stretched source-over blend of premultiplied pixels: with AC_SRC_ALPHA the source's own alpha,
/// scaled by SourceConstantAlpha, else SourceConstantAlpha alone.
bool AlphaBlend(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, int SrcWidth,
                int SrcHeight, BLENDFUNCTION Blend);
/// This library's own: repeats the source rectangle over the destination (SRCCOPY) along the axes that
/// repeat, side by side from the destination's top-left and cut at its right and bottom, and stretches
/// it as StretchBlt does along the others; the pixels of a StretchBlt of each copy, in one call. Extents
/// that are not positive draw nothing.
bool TileBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, int SrcWidth,
             int SrcHeight, bool RepeatX, bool RepeatY);
/// PATCOPY, PATINVERT, DSTINVERT, BLACKNESS, WHITENESS with the selected brush.
bool PatBlt(HDC DC, int X, int Y, int Width, int Height, uint32_t Rop);

// ---- Regions -----------------------------------------------------------------------------------------

HRGN CreateRectRgn(int Left, int Top, int Right, int Bottom);
HRGN CreateRectRgnIndirect(const TRect& R);
/// A rectangle with corners rounded by ellipses of WidthEllipse x HeightEllipse.
HRGN CreateRoundRectRgn(int Left, int Top, int Right, int Bottom, int WidthEllipse, int HeightEllipse);
HRGN CreateEllipticRgn(int Left, int Top, int Right, int Bottom);
HRGN CreateEllipticRgnIndirect(const TRect& R);
/// A region from RGNDATA (header followed by nCount rectangles); Count is the byte size of Data.
/// Null when the data is malformed or shorter than it claims.
HRGN ExtCreateRegion(const void* Transform, uint32_t Count, const RGNDATA* Data);
/// Dest := Src1 op Src2 (Src2 unused for RGN_COPY); returns the kind of the result.
int CombineRgn(HRGN Dest, HRGN Src1, HRGN Src2, int Mode);
int OffsetRgn(HRGN Rgn, int DX, int DY);
bool SetRectRgn(HRGN Rgn, int Left, int Top, int Right, int Bottom);
bool PtInRegion(HRGN Rgn, int X, int Y);
bool RectInRegion(HRGN Rgn, const TRect& R);
int GetRgnBox(HRGN Rgn, TRect* R);
bool EqualRgn(HRGN A, HRGN B);
/// Writes RGNDATA (header, then the rectangles in banded order) when Data is non-null and Size is large
/// enough; returns the size needed.
uint32_t GetRegionData(HRGN Rgn, uint32_t Size, RGNDATA* Data);
bool FillRgn(HDC DC, HRGN Rgn, HBRUSH Brush);
/// Paints the pixels of Rgn that lie within Width columns or Height rows of its edge.
bool FrameRgn(HDC DC, HRGN Rgn, HBRUSH Brush, int Width, int Height);

// ---- Shapes and fills --------------------------------------------------------------------------------

bool MoveToEx(HDC DC, int X, int Y, TPoint* Old);
bool GetCurrentPositionEx(HDC DC, TPoint* P);
/// Draws from the current position towards (X, Y), leaving out (X, Y), which becomes the position.
bool LineTo(HDC DC, int X, int Y);
/// Connected lines; the last point is not drawn.
bool Polyline(HDC DC, const TPoint* Points, int Count);
/// A closed outline with the pen, filled (alternate rule) with the brush.
bool Polygon(HDC DC, const TPoint* Points, int Count);
/// Pen outline on the outermost pixels of [Left, Right) x [Top, Bottom), brush inside; with the null
/// pen the fill covers [Left, Right - 1) x [Top, Bottom - 1).
bool Rectangle(HDC DC, int Left, int Top, int Right, int Bottom);
bool RoundRect(HDC DC, int Left, int Top, int Right, int Bottom, int Width, int Height);
/// The ellipse inscribed in [Left, Right) x [Top, Bottom): pen outline, brush inside.
bool Ellipse(HDC DC, int Left, int Top, int Right, int Bottom);
int FillRect(HDC DC, const TRect& R, HBRUSH Brush);
/// A one-pixel frame on the outermost pixels of R.
int FrameRect(HDC DC, const TRect& R, HBRUSH Brush);
bool InvertRect(HDC DC, const TRect& R);
/// Returns the colour set, or CLR_INVALID when the pixel is outside the clip.
TColor SetPixel(HDC DC, int X, int Y, TColor Color);
/// CLR_INVALID outside the clip.
TColor GetPixel(HDC DC, int X, int Y);
/// A dotted frame whose pixels are inverted: drawing it twice restores the pixels.
bool DrawFocusRect(HDC DC, const TRect& R);

// DrawEdge edges and flags.
constexpr unsigned BDR_RAISEDOUTER = 0x0001;
constexpr unsigned BDR_SUNKENOUTER = 0x0002;
constexpr unsigned BDR_RAISEDINNER = 0x0004;
constexpr unsigned BDR_SUNKENINNER = 0x0008;
constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr unsigned BF_LEFT = 0x0001;
constexpr unsigned BF_TOP = 0x0002;
constexpr unsigned BF_RIGHT = 0x0004;
constexpr unsigned BF_BOTTOM = 0x0008;
constexpr unsigned BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr unsigned BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr unsigned BF_MIDDLE = 0x0800;
constexpr unsigned BF_SOFT = 0x1000;
constexpr unsigned BF_ADJUST = 0x2000;
constexpr unsigned BF_FLAT = 0x4000;
constexpr unsigned BF_MONO = 0x8000;
/// Three-dimensional edges in the system colours: top and left lines first, then right and bottom over
/// them; BF_MIDDLE fills the inside with clBtnFace; BF_ADJUST shrinks R by the edges drawn.
bool DrawEdge(HDC DC, TRect& R, unsigned Edge, unsigned Flags);
