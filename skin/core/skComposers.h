#pragma once
// The skin image composers: build an image of any size from a resizable piece of a skin picture, stored
// once at one size. Corners are copied unchanged, side bands are repeated or stretched (each side by its
// own flag), and the centre is stretched, stretched one way and repeated the other, or repeated.
//
// Geometry of a nine-part piece (as control records hold it): points and ClRect are relative to the
// top-left corner of SkinRect, which is a rectangle of the Source picture. ClRect is the centre; its
// edges give the thickness of the four bands. The corner points cut each band into a repeatable middle
// and two corner ends: the top band's middle spans LTPoint.X .. RTPoint.X, the bottom band's LBPoint.X ..
// RBPoint.X, the left band's LTPoint.Y .. LBPoint.Y, the right band's RTPoint.Y .. RBPoint.Y. The New
// geometry, computed by the caller for the new size, is in the coordinates of the destination image.
//
// A band repeated from a middle of no length, a centre repeated from a client area of no width or
// height, and any band or centre of negative size (new sizes smaller than the corners) draw nothing.
#include "platform/base/Types.h"
#include "skin/core/skSkinTypes.h"

class TBitmap;

/// The nine-part image: Dest becomes NewWidth x NewHeight; unless RBPoint.X = LTPoint.X, RBPoint.Y =
/// LTPoint.Y or Source is empty, the bands are drawn (top, bottom, left, right; stretched or repeated
/// from the new corner points), then the eight corner pieces, then, with DrawClient, the centre into
/// NewClRect: stretched by StretchType with StretchEffect (skstHorz: stretched to the client height and
/// repeated across, skstVert the other way round), otherwise repeated both ways. Without DrawClient the
/// centre of Dest keeps what it held.
void ComposeSkinImage(const TPoint& LTPoint, const TPoint& RTPoint, const TPoint& LBPoint, const TPoint& RBPoint,
                      const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint,
                      const TPoint& NewLBPoint, const TPoint& NewRBPoint, const TRect& NewClRect, TBitmap* Dest,
                      TBitmap* Source, const TRect& SkinRect, int NewWidth, int NewHeight, bool DrawClient,
                      bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch, bool StretchEffect,
                      TskStretchType StretchType);
/// ComposeSkinImage for the hint and popup-menu windows.
void ComposePopupSkinImage(const TPoint& LTPoint, const TPoint& RTPoint, const TPoint& LBPoint,
                           const TPoint& RBPoint, const TRect& ClRect, const TPoint& NewLTPoint,
                           const TPoint& NewRTPoint, const TPoint& NewLBPoint, const TPoint& NewRBPoint,
                           const TRect& NewClRect, TBitmap* Dest, TBitmap* Source, const TRect& SkinRect,
                           int NewWidth, int NewHeight, bool DrawClient, bool LeftStretch, bool TopStretch,
                           bool RightStretch, bool BottomStretch, bool StretchEffect, TskStretchType StretchType);
/// ComposeSkinImage without the right side: no right band or right corners (RightStretch is ignored);
/// the top and bottom bands and the centre run to the new width.
void ComposeSkinImageLeftPart(const TPoint& LTPoint, const TPoint& RTPoint, const TPoint& LBPoint,
                              const TPoint& RBPoint, const TRect& ClRect, const TPoint& NewLTPoint,
                              const TPoint& NewRTPoint, const TPoint& NewLBPoint, const TPoint& NewRBPoint,
                              const TRect& NewClRect, TBitmap* Dest, TBitmap* Source, const TRect& SkinRect,
                              int NewWidth, int NewHeight, bool DrawClient, bool LeftStretch, bool TopStretch,
                              bool RightStretch, bool BottomStretch, bool StretchEffect, TskStretchType StretchType);
/// The classic nine-slice at Dest's current size: the corners are the areas outside ClRect and
/// everything else is stretched. At the piece's own size it reproduces SkinRect exactly.
void ComposeStretchedSkinImage(TBitmap* Dest, TBitmap* Source, const TRect& SkinRect, const TRect& ClRect,
                               bool DrawClient);

/// A horizontal strip of SkinRect's height: Dest becomes NewWidth wide; the left and right ends (LeftWidth
/// and RightWidth of SkinRect) are copied and the middle between them is stretched or repeated.
/// NewHeight is not used.
void ComposeHorzStripImage(int LeftWidth, int RightWidth, TBitmap* Dest, TBitmap* Source, const TRect& SkinRect,
                           int NewWidth, int NewHeight, bool Stretch);
/// The strip without its right end: the middle runs to the new width (RightWidth only trims the middle's
/// source).
void ComposeHorzStripImageLeft(int LeftWidth, int RightWidth, TBitmap* Dest, TBitmap* Source,
                               const TRect& SkinRect, int NewWidth, int NewHeight, bool Stretch);
/// Only the strip's middle, across the whole new width.
void ComposeHorzStripImageMiddle(int LeftWidth, int RightWidth, TBitmap* Dest, TBitmap* Source,
                                 const TRect& SkinRect, int NewWidth, int NewHeight, bool Stretch);
/// A vertical strip of SkinRect's width: Dest becomes NewHeight high; the top and bottom ends are copied
/// and the middle is stretched or repeated. NewWidth is not used.
void ComposeVertStripImage(int TopHeight, int BottomHeight, TBitmap* Dest, TBitmap* Source,
                           const TRect& SkinRect, int NewWidth, int NewHeight, bool Stretch);

/// Four separate band images for a frame around a client area drawn elsewhere: TopBand NewWidth x
/// NewClRect.Top, BottomBand NewWidth x (NewHeight - NewClRect.Bottom), LeftBand NewClRect.Left x the
/// height left between the other two, RightBand (NewWidth - NewClRect.Right) x that height. A band whose
/// length or thickness is not positive is not built and keeps what the caller gave it. The caller draws
/// them at (0, 0), (0, top height), (width - right width, top height) and (0, height - bottom height).
void ComposeFrameBands(const TPoint& LTPoint, const TPoint& RTPoint, const TPoint& LBPoint, const TPoint& RBPoint,
                       const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint,
                       const TPoint& NewLBPoint, const TPoint& NewRBPoint, const TRect& NewClRect,
                       TBitmap* LeftBand, TBitmap* TopBand, TBitmap* RightBand, TBitmap* BottomBand, TBitmap* Source,
                       const TRect& SkinRect, int NewWidth, int NewHeight, bool LeftStretch, bool TopStretch,
                       bool RightStretch, bool BottomStretch);
