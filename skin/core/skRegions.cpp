#include "skin/core/skRegions.h"

#include <cstring>
#include <memory>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/core/TskFBitmap.h"
#include "skin/core/skPieces.h"
#include "skin/core/skUtils.h"

namespace {

// The region of Mask's black runs moved by (X, Y); null for an empty mask.
HRGN RegionOfRuns(TBitmap* Mask, int X, int Y) {
  std::vector<uint8_t> Data;
  const uint32_t Size = BuildMaskRegionData(Mask, X, Y, Data);
  return Size ? ExtCreateRegion(nullptr, Size, reinterpret_cast<const RGNDATA*>(Data.data())) : nullptr;
}

// One band of the mask between a top piece and a bottom piece, all Width columns from Left: the middle
// rows A .. B repeated from the band's top, then the piece above the middle (rows ClTop .. A) at the top
// and the piece below it (rows B .. ClBottom) at the bottom.
void SideBand(TBitmap* Band, HDC Mask, int Left, int Width, int H, int A, int B, int ClTop, int ClBottom) {
  Band->SetSize(Width, H);
  const HDC D = Band->Canvas()->Handle();
  if (B != A)
    TilePieceY(D, Mask, TRect { 0, 0, Width, H }, TRect { Left, A, Left + Width, B });
  if (A - ClTop > 0)
    CopyPiece(D, Mask, TRect { 0, 0, Width, A - ClTop }, TRect { Left, ClTop, Left + Width, A });
  if (ClBottom - B > 0)
    CopyPiece(D, Mask, TRect { 0, H - (ClBottom - B), Width, H }, TRect { Left, B, Left + Width, ClBottom });
}

// One band across the new width, Height rows from Top: the middle columns A .. B repeated from NewA and
// cut at NewB, the left end (0 .. A) at EndA, the right end (B .. mask width) at NewB .. NewWidth.
void CrossBand(TBitmap* Band, HDC Mask, int MaskWidth, int Top, int Height, int NewWidth, int A, int B, int NewA,
               int NewB, int EndA) {
  Band->SetSize(NewWidth, Height);
  const HDC D = Band->Canvas()->Handle();
  if (B != A)
    TilePieceX(D, Mask, TRect { NewA, 0, NewB, Height }, TRect { A, Top, B, Top + Height });
  CopyPiece(D, Mask, TRect { 0, 0, EndA, Height }, TRect { 0, Top, A, Top + Height });
  CopyPiece(D, Mask, TRect { NewB, 0, NewWidth, Height }, TRect { B, Top, MaskWidth, Top + Height });
}

}  // namespace

uint32_t BuildMaskRegionData(TBitmap* Mask, int X, int Y, std::vector<uint8_t>& Data) {
  Data.clear();
  if (!Mask || Mask->Empty())
    return 0;
  const TskFBitmap Pixels(Mask->Handle());
  // As many runs as the mask has; a complex mask may have far more than any fixed buffer would hold.
  std::vector<TRect> Runs;
  for (int Row = 0; Row < Pixels.Height; ++Row) {
    const TFBColor* Line = Pixels.Pixels[size_t(Row)];
    for (int Col = 0; Col < Pixels.Width;) {
      if (Line[Col].r + Line[Col].g + Line[Col].b != 0) {
        ++Col;
        continue;
      }
      const int Start = Col;
      while (Col < Pixels.Width && Line[Col].r + Line[Col].g + Line[Col].b == 0)
        ++Col;
      Runs.push_back({ X + Start, Y + Row, X + Col, Y + Row + 1 });
    }
  }
  RGNDATAHEADER Header;
  Header.nCount = uint32_t(Runs.size());
  Header.rcBound = { X, Y, X + Pixels.Width, Y + Pixels.Height };
  Data.resize(sizeof Header + Runs.size() * sizeof(TRect));
  std::memcpy(Data.data(), &Header, sizeof Header);
  if (!Runs.empty())
    std::memcpy(Data.data() + sizeof Header, Runs.data(), Runs.size() * sizeof(TRect));
  return uint32_t(Data.size());
}

void CreateRegionFromMask(HRGN& Rgn, TBitmap* Mask) { Rgn = RegionOfRuns(Mask, 0, 0); }

void ComposeMaskBands(const TPoint& LTPoint, const TPoint& RTPoint, const TPoint& LBPoint, const TPoint& RBPoint,
                      const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint, const TPoint& NewLBPoint,
                      const TPoint& NewRBPoint, const TRect& NewClRect, TBitmap* Mask, TBitmap* TopBand,
                      TBitmap* LeftBand, TBitmap* RightBand, TBitmap* BottomBand, int NewWidth, int) {
  if (!Mask || Mask->Empty())
    return;
  const HDC M = Mask->Canvas()->Handle();
  const int MW = Mask->Width(), MH = Mask->Height();
  const int LeftWidth = ClRect.Left, TopHeight = ClRect.Top, RightWidth = MW - ClRect.Right;
  const int BottomHeight = MH - ClRect.Bottom, H = RectHeight(NewClRect);
  if (LeftWidth > 0 && H > 0)
    SideBand(LeftBand, M, 0, LeftWidth, H, LTPoint.Y, LBPoint.Y, ClRect.Top, ClRect.Bottom);
  if (RightWidth > 0 && H > 0)
    SideBand(RightBand, M, ClRect.Right, RightWidth, H, RTPoint.Y, RBPoint.Y, ClRect.Top, ClRect.Bottom);
  if (NewWidth > 0 && TopHeight > 0)
    CrossBand(TopBand, M, MW, 0, TopHeight, NewWidth, LTPoint.X, RTPoint.X, NewLTPoint.X, NewRTPoint.X, LTPoint.X);
  if (NewWidth >= 1 && BottomHeight >= 1)
    CrossBand(BottomBand, M, MW, ClRect.Bottom, BottomHeight, NewWidth, LBPoint.X, RBPoint.X, NewLBPoint.X,
              NewRBPoint.X, LBPoint.X);
}

void CreateSkinRegion(HRGN& Rgn, const TPoint& LTPoint, const TPoint& RTPoint, const TPoint& LBPoint,
                      const TPoint& RBPoint, const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint,
                      const TPoint& NewLBPoint, const TPoint& NewRBPoint, const TRect& NewClRect, TBitmap* Mask,
                      int NewWidth, int NewHeight) {
  Rgn = nullptr;
  if (NewRTPoint.X < NewLTPoint.X || NewLBPoint.Y < NewLTPoint.Y || IsEmptyRect(NewClRect))
    return;
  TBitmap Top, Left, Right, Bottom;
  ComposeMaskBands(LTPoint, RTPoint, LBPoint, RBPoint, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint,
                   NewClRect, Mask, &Top, &Left, &Right, &Bottom, NewWidth, NewHeight);
  Rgn = CreateRectRgnIndirect(NewClRect);
  const struct {
    TBitmap* Band;
    TPoint At;
  } Bands[] { { &Top, {} }, { &Bottom, { 0, NewClRect.Bottom } }, { &Left, { 0, NewClRect.Top } },
              { &Right, { NewClRect.Right, NewClRect.Top } } };
  for (const auto& B : Bands)
    if (HRGN Part = RegionOfRuns(B.Band, B.At.X, B.At.Y)) {
      CombineRgn(Rgn, Rgn, Part, RGN_OR);
      DeleteObject(Part);
    }
}
