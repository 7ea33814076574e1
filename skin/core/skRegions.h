#pragma once
// Window regions cut from mask pictures: black pixels belong to the window, every other pixel is cut
// away. A region is made of the horizontal runs of black pixels of each row; a skin piece resized to a
// new size gets the region of its mask's four frame bands, resized the way the composers resize images,
// united with its client rectangle.
#include <cstdint>
#include <vector>

#include "platform/base/Types.h"
#include "platform/gdi/GdiObject.h"

class TBitmap;

/// The region data (a 32-byte header followed by one rectangle per run, in scan order) of the black runs
/// of Mask, each moved by (X, Y); the bounds are (X, Y, X + mask width, Y + mask height). Any number of
/// runs fits. Returns the byte size; an empty mask gives 0 and no data.
uint32_t BuildMaskRegionData(TBitmap* Mask, int X, int Y, std::vector<uint8_t>& Data);
/// Rgn := the region of Mask's black pixels at (0, 0), owned by the caller; null for an empty mask, an
/// empty region for a mask without black pixels.
void CreateRegionFromMask(HRGN& Rgn, TBitmap* Mask);
/// Cuts the four frame bands of Mask (the mask is exactly the skin piece; points and ClRect in its
/// coordinates) for the new geometry: LeftBand ClRect.Left x RectHeight(NewClRect), RightBand (mask
/// width - ClRect.Right) x the same, TopBand NewWidth x ClRect.Top, BottomBand NewWidth x (mask height -
/// ClRect.Bottom); band middles are repeated and cut at the new corner points. A band of no positive size
/// keeps what the caller gave it.
void ComposeMaskBands(const TPoint& LTPoint, const TPoint& RTPoint, const TPoint& LBPoint, const TPoint& RBPoint,
                      const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint,
                      const TPoint& NewLBPoint, const TPoint& NewRBPoint, const TRect& NewClRect, TBitmap* Mask,
                      TBitmap* TopBand, TBitmap* LeftBand, TBitmap* RightBand, TBitmap* BottomBand, int NewWidth,
                      int NewHeight);
/// Rgn := NewClRect united with the black runs of the four mask bands placed around it (top at (0, 0),
/// bottom at (0, NewClRect.Bottom), left at (0, NewClRect.Top), right at (NewClRect.Right,
/// NewClRect.Top)); owned by the caller. Null (the window stays rectangular) when the new corner points
/// cross or NewClRect is empty.
void CreateSkinRegion(HRGN& Rgn, const TPoint& LTPoint, const TPoint& RTPoint, const TPoint& LBPoint,
                      const TPoint& RBPoint, const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint,
                      const TPoint& NewLBPoint, const TPoint& NewRBPoint, const TRect& NewClRect, TBitmap* Mask,
                      int NewWidth, int NewHeight);
