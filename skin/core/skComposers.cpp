#include "skin/core/skComposers.h"

#include <algorithm>

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/core/skPieces.h"
#include "skin/core/skUtils.h"

namespace {

// Everything one nine-part composition works with.
struct TNineParts {
  TPoint LT, RT, LB, RB;
  TRect Cl;
  TPoint NewLT, NewRT, NewLB, NewRB;
  TRect NewCl;
  TBitmap* Dest;
  TBitmap* Source;
  TRect Skin;
  int W, H;
  bool DrawClient, LeftStretch, TopStretch, RightStretch, BottomStretch, StretchEffect;
  TskStretchType StretchType;
};

void BandX(HDC D, HDC S, bool Stretch, const TRect& Dst, const TRect& Src) {
  if (Stretch)
    CopyPiece(D, S, Dst, Src);
  else
    TilePieceX(D, S, Dst, Src);
}

void BandY(HDC D, HDC S, bool Stretch, const TRect& Dst, const TRect& Src) {
  if (Stretch)
    CopyPiece(D, S, Dst, Src);
  else
    TilePieceY(D, S, Dst, Src);
}

// The centre piece Src into Dst by the stretch settings.
void Centre(HDC D, HDC S, const TRect& Dst, const TRect& Src, bool StretchEffect, TskStretchType StretchType) {
  const int CW = RectWidth(Src), CH = RectHeight(Src);
  if (IsEmptyRect(Dst) || CW <= 0 || CH <= 0)
    return;
  if (!StretchEffect) {
    TilePiece(D, S, Dst, Src);
    return;
  }
  switch (StretchType) {
    case skstFull: CopyPiece(D, S, Dst, Src); break;
    // Copies stretched one way at the piece's own size the other way, side by side; the last one is cut
    // at the client edge, which needs no clipping because the uncut axis maps one to one.
    case skstHorz:
      for (int X = Dst.Left; X < Dst.Right; X += CW) {
        const int Width = std::min(CW, Dst.Right - X);
        CopyPiece(D, S, TRect { X, Dst.Top, X + Width, Dst.Bottom }, TRect { Src.Left, Src.Top, Src.Left + Width, Src.Bottom });
      }
      break;
    case skstVert:
      for (int Y = Dst.Top; Y < Dst.Bottom; Y += CH) {
        const int Height = std::min(CH, Dst.Bottom - Y);
        CopyPiece(D, S, TRect { Dst.Left, Y, Dst.Right, Y + Height }, TRect { Src.Left, Src.Top, Src.Right, Src.Top + Height });
      }
      break;
  }
}

void ComposeNineParts(const TNineParts& P, bool LeftPartOnly) {
  P.Dest->SetSize(std::max(P.W, 0), std::max(P.H, 0));
  if (P.RB.X == P.LT.X || P.RB.Y == P.LT.Y || !P.Source || P.Source->Empty() || P.Dest->Empty())
    return;
  const HDC D = P.Dest->Canvas()->Handle(), S = P.Source->Canvas()->Handle();
  const int SL = P.Skin.Left, ST = P.Skin.Top, SR = P.Skin.Right, SB = P.Skin.Bottom, W = P.W, H = P.H;
  const TRect& Cl = P.Cl;
  const TRect& NCl = P.NewCl;

  BandX(D, S, P.TopStretch, TRect { P.NewLT.X, 0, LeftPartOnly ? W : P.NewRT.X, NCl.Top },
        TRect { SL + P.LT.X, ST, SL + P.RT.X, ST + Cl.Top });
  BandX(D, S, P.BottomStretch, TRect { P.NewLB.X, NCl.Bottom, LeftPartOnly ? W : P.NewRB.X, H },
        TRect { SL + P.LB.X, ST + Cl.Bottom, SL + P.RB.X, SB });
  BandY(D, S, P.LeftStretch, TRect { 0, P.NewLT.Y, NCl.Left, P.NewLB.Y },
        TRect { SL, ST + P.LT.Y, SL + Cl.Left, ST + P.LB.Y });
  if (!LeftPartOnly)
    BandY(D, S, P.RightStretch, TRect { NCl.Right, P.NewRT.Y, W, P.NewRB.Y },
          TRect { SL + Cl.Right, ST + P.RT.Y, SR, ST + P.RB.Y });

  // The corners, each L-shaped and copied as two pieces.
  CopyPiece(D, S, TRect { 0, 0, P.NewLT.X, NCl.Top }, TRect { SL, ST, SL + P.LT.X, ST + Cl.Top });
  CopyPiece(D, S, TRect { 0, NCl.Top, NCl.Left, P.NewLT.Y }, TRect { SL, ST + Cl.Top, SL + Cl.Left, ST + P.LT.Y });
  if (!LeftPartOnly) {
    CopyPiece(D, S, TRect { P.NewRT.X, 0, W, NCl.Top }, TRect { SL + P.RT.X, ST, SR, ST + Cl.Top });
    CopyPiece(D, S, TRect { NCl.Right, NCl.Top, W, P.NewRT.Y }, TRect { SL + Cl.Right, ST + Cl.Top, SR, ST + P.RT.Y });
  }
  CopyPiece(D, S, TRect { 0, P.NewLB.Y, NCl.Left, H }, TRect { SL, ST + P.LB.Y, SL + Cl.Left, SB });
  CopyPiece(D, S, TRect { NCl.Left, NCl.Bottom, P.NewLB.X, H }, TRect { SL + Cl.Left, ST + Cl.Bottom, SL + P.LB.X, SB });
  if (!LeftPartOnly) {
    CopyPiece(D, S, TRect { P.NewRB.X, NCl.Bottom, W, H }, TRect { SL + P.RB.X, ST + Cl.Bottom, SR, SB });
    CopyPiece(D, S, TRect { NCl.Right, P.NewRB.Y, W, NCl.Bottom }, TRect { SL + Cl.Right, ST + P.RB.Y, SR, ST + Cl.Bottom });
  }

  if (!P.DrawClient)
    return;
  const TRect CentreDst { NCl.Left, NCl.Top, LeftPartOnly ? W : NCl.Right, NCl.Bottom };
  Centre(D, S, CentreDst, TRect { SL + Cl.Left, ST + Cl.Top, SL + Cl.Right, ST + Cl.Bottom }, P.StretchEffect,
         P.StretchType);
}

// The strip's middle from the source columns SL + LeftWidth .. SR - RightWidth into Dst.
void StripMiddleX(HDC D, HDC S, const TRect& Skin, int LeftWidth, int RightWidth, const TRect& Dst, bool Stretch) {
  BandX(D, S, Stretch, Dst, TRect { Skin.Left + LeftWidth, Skin.Top, Skin.Right - RightWidth, Skin.Bottom });
}

// Prepares a horizontal strip: Dest's size and the two device contexts; false when there is nothing to draw.
bool StartHorzStrip(TBitmap* Dest, TBitmap* Source, const TRect& SkinRect, int NewWidth, HDC& D, HDC& S) {
  Dest->SetSize(std::max(NewWidth, 0), std::max(RectHeight(SkinRect), 0));
  if (Dest->Empty() || !Source || Source->Empty())
    return false;
  D = Dest->Canvas()->Handle();
  S = Source->Canvas()->Handle();
  return true;
}

}  // namespace

void ComposeSkinImage(const TPoint& LTPoint, const TPoint& RTPoint, const TPoint& LBPoint, const TPoint& RBPoint,
                      const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint,
                      const TPoint& NewLBPoint, const TPoint& NewRBPoint, const TRect& NewClRect, TBitmap* Dest,
                      TBitmap* Source, const TRect& SkinRect, int NewWidth, int NewHeight, bool DrawClient,
                      bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch, bool StretchEffect,
                      TskStretchType StretchType) {
  ComposeNineParts({ LTPoint, RTPoint, LBPoint, RBPoint, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint,
                     NewClRect, Dest, Source, SkinRect, NewWidth, NewHeight, DrawClient, LeftStretch, TopStretch,
                     RightStretch, BottomStretch, StretchEffect, StretchType },
                   false);
}

void ComposePopupSkinImage(const TPoint& LTPoint, const TPoint& RTPoint, const TPoint& LBPoint,
                           const TPoint& RBPoint, const TRect& ClRect, const TPoint& NewLTPoint,
                           const TPoint& NewRTPoint, const TPoint& NewLBPoint, const TPoint& NewRBPoint,
                           const TRect& NewClRect, TBitmap* Dest, TBitmap* Source, const TRect& SkinRect,
                           int NewWidth, int NewHeight, bool DrawClient, bool LeftStretch, bool TopStretch,
                           bool RightStretch, bool BottomStretch, bool StretchEffect, TskStretchType StretchType) {
  ComposeSkinImage(LTPoint, RTPoint, LBPoint, RBPoint, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint,
                   NewClRect, Dest, Source, SkinRect, NewWidth, NewHeight, DrawClient, LeftStretch, TopStretch,
                   RightStretch, BottomStretch, StretchEffect, StretchType);
}

void ComposeSkinImageLeftPart(const TPoint& LTPoint, const TPoint& RTPoint, const TPoint& LBPoint,
                              const TPoint& RBPoint, const TRect& ClRect, const TPoint& NewLTPoint,
                              const TPoint& NewRTPoint, const TPoint& NewLBPoint, const TPoint& NewRBPoint,
                              const TRect& NewClRect, TBitmap* Dest, TBitmap* Source, const TRect& SkinRect,
                              int NewWidth, int NewHeight, bool DrawClient, bool LeftStretch, bool TopStretch,
                              bool RightStretch, bool BottomStretch, bool StretchEffect, TskStretchType StretchType) {
  ComposeNineParts({ LTPoint, RTPoint, LBPoint, RBPoint, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint,
                     NewClRect, Dest, Source, SkinRect, NewWidth, NewHeight, DrawClient, LeftStretch, TopStretch,
                     RightStretch, BottomStretch, StretchEffect, StretchType },
                   true);
}

void ComposeStretchedSkinImage(TBitmap* Dest, TBitmap* Source, const TRect& SkinRect, const TRect& ClRect,
                               bool DrawClient) {
  const int W = Dest->Width(), H = Dest->Height();
  const TRect NewCl { ClRect.Left, ClRect.Top, ClRect.Right + W - RectWidth(SkinRect),
                      ClRect.Bottom + H - RectHeight(SkinRect) };
  ComposeSkinImage(ClRect.TopLeft(), TPoint { ClRect.Right, ClRect.Top }, TPoint { ClRect.Left, ClRect.Bottom },
                   ClRect.BottomRight(), ClRect, NewCl.TopLeft(), TPoint { NewCl.Right, NewCl.Top },
                   TPoint { NewCl.Left, NewCl.Bottom }, NewCl.BottomRight(), NewCl, Dest, Source, SkinRect, W, H,
                   DrawClient, true, true, true, true, true, skstFull);
}

void ComposeHorzStripImage(int LeftWidth, int RightWidth, TBitmap* Dest, TBitmap* Source, const TRect& SkinRect,
                           int NewWidth, int, bool Stretch) {
  HDC D, S;
  if (!StartHorzStrip(Dest, Source, SkinRect, NewWidth, D, S))
    return;
  const int W = Dest->Width(), H = Dest->Height();
  if (LeftWidth != 0)
    CopyPiece(D, S, TRect { 0, 0, LeftWidth, H }, TRect { SkinRect.Left, SkinRect.Top, SkinRect.Left + LeftWidth, SkinRect.Bottom });
  if (RightWidth != 0)
    CopyPiece(D, S, TRect { W - RightWidth, 0, W, H }, TRect { SkinRect.Right - RightWidth, SkinRect.Top, SkinRect.Right, SkinRect.Bottom });
  StripMiddleX(D, S, SkinRect, LeftWidth, RightWidth, TRect { LeftWidth, 0, W - RightWidth, H }, Stretch);
}

void ComposeHorzStripImageLeft(int LeftWidth, int RightWidth, TBitmap* Dest, TBitmap* Source,
                               const TRect& SkinRect, int NewWidth, int, bool Stretch) {
  HDC D, S;
  if (!StartHorzStrip(Dest, Source, SkinRect, NewWidth, D, S))
    return;
  const int W = Dest->Width(), H = Dest->Height();
  if (LeftWidth != 0)
    CopyPiece(D, S, TRect { 0, 0, LeftWidth, H }, TRect { SkinRect.Left, SkinRect.Top, SkinRect.Left + LeftWidth, SkinRect.Bottom });
  StripMiddleX(D, S, SkinRect, LeftWidth, RightWidth, TRect { LeftWidth, 0, W, H }, Stretch);
}

void ComposeHorzStripImageMiddle(int LeftWidth, int RightWidth, TBitmap* Dest, TBitmap* Source,
                                 const TRect& SkinRect, int NewWidth, int, bool Stretch) {
  HDC D, S;
  if (!StartHorzStrip(Dest, Source, SkinRect, NewWidth, D, S))
    return;
  StripMiddleX(D, S, SkinRect, LeftWidth, RightWidth, TRect { 0, 0, Dest->Width(), Dest->Height() }, Stretch);
}

void ComposeVertStripImage(int TopHeight, int BottomHeight, TBitmap* Dest, TBitmap* Source,
                           const TRect& SkinRect, int, int NewHeight, bool Stretch) {
  Dest->SetSize(std::max(RectWidth(SkinRect), 0), std::max(NewHeight, 0));
  if (Dest->Empty() || !Source || Source->Empty())
    return;
  const HDC D = Dest->Canvas()->Handle(), S = Source->Canvas()->Handle();
  const int W = Dest->Width(), H = Dest->Height();
  if (TopHeight != 0)
    CopyPiece(D, S, TRect { 0, 0, W, TopHeight }, TRect { SkinRect.Left, SkinRect.Top, SkinRect.Right, SkinRect.Top + TopHeight });
  if (BottomHeight != 0)
    CopyPiece(D, S, TRect { 0, H - BottomHeight, W, H },
              TRect { SkinRect.Left, SkinRect.Bottom - BottomHeight, SkinRect.Right, SkinRect.Bottom });
  BandY(D, S, Stretch, TRect { 0, TopHeight, W, H - BottomHeight },
        TRect { SkinRect.Left, SkinRect.Top + TopHeight, SkinRect.Right, SkinRect.Bottom - BottomHeight });
}

void ComposeFrameBands(const TPoint& LTPoint, const TPoint& RTPoint, const TPoint& LBPoint, const TPoint& RBPoint,
                       const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint,
                       const TPoint& NewLBPoint, const TPoint& NewRBPoint, const TRect& NewClRect,
                       TBitmap* LeftBand, TBitmap* TopBand, TBitmap* RightBand, TBitmap* BottomBand, TBitmap* Source,
                       const TRect& SkinRect, int NewWidth, int NewHeight, bool LeftStretch, bool TopStretch,
                       bool RightStretch, bool BottomStretch) {
  if (!Source || Source->Empty())
    return;
  const HDC S = Source->Canvas()->Handle();
  const int SL = SkinRect.Left, ST = SkinRect.Top, SR = SkinRect.Right, SB = SkinRect.Bottom;
  const int W = NewWidth, H = NewHeight;

  // Top and bottom bands take their source rows at the new thickness; their middles are stretched
  // between the new corner points or repeated from the band's left edge, and the ends cover them.
  if (const int T = NewClRect.Top; W > 0 && T > 0 && RTPoint.X - LTPoint.X > 0) {
    TopBand->SetSize(W, T);
    const HDC D = TopBand->Canvas()->Handle();
    const TRect Middle { SL + LTPoint.X, ST, SL + RTPoint.X, ST + T };
    if (TopStretch)
      CopyPiece(D, S, TRect { NewLTPoint.X, 0, NewRTPoint.X, T }, Middle);
    else
      TilePieceX(D, S, TRect { 0, 0, W, T }, Middle);
    CopyPiece(D, S, TRect { 0, 0, NewLTPoint.X, T }, TRect { SL, ST, SL + LTPoint.X, ST + T });
    CopyPiece(D, S, TRect { NewRTPoint.X, 0, W, T }, TRect { SL + RTPoint.X, ST, SR, ST + T });
  }
  if (const int B = H - NewClRect.Bottom; W > 0 && B > 0 && RBPoint.X - LBPoint.X > 0) {
    BottomBand->SetSize(W, B);
    const HDC D = BottomBand->Canvas()->Handle();
    const TRect Middle { SL + LBPoint.X, SB - B, SL + RBPoint.X, SB };
    if (BottomStretch)
      CopyPiece(D, S, TRect { NewLBPoint.X, 0, NewRBPoint.X, B }, Middle);
    else
      TilePieceX(D, S, TRect { 0, 0, W, B }, Middle);
    CopyPiece(D, S, TRect { 0, 0, NewLBPoint.X, B }, TRect { SL, SB - B, SL + LBPoint.X, SB });
    CopyPiece(D, S, TRect { NewRBPoint.X, 0, W, B }, TRect { SL + RBPoint.X, SB - B, SR, SB });
  }

  // The side bands fill the height the top and bottom bands leave; their ends keep the skin's own
  // distances from the client rectangle's corners.
  const int M = H - BottomBand->Height() - TopBand->Height();
  if (const int L = NewClRect.Left; L > 0 && M > 0 && LBPoint.Y - LTPoint.Y > 0) {
    LeftBand->SetSize(L, M);
    const HDC D = LeftBand->Canvas()->Handle();
    const TRect Middle { SL, ST + LTPoint.Y, SL + L, ST + LBPoint.Y };
    if (LeftStretch)
      CopyPiece(D, S, TRect { 0, LTPoint.Y - ClRect.Top, L, M + LBPoint.Y - ClRect.Bottom }, Middle);
    else
      TilePieceY(D, S, TRect { 0, 0, L, M }, Middle);
    if (LTPoint.Y - ClRect.Top > 0)
      CopyPiece(D, S, TRect { 0, 0, L, LTPoint.Y - ClRect.Top }, TRect { SL, ST + ClRect.Top, SL + L, ST + LTPoint.Y });
    if (ClRect.Bottom - LBPoint.Y > 0)
      CopyPiece(D, S, TRect { 0, M + LBPoint.Y - ClRect.Bottom, L, M },
                TRect { SL, ST + LBPoint.Y, SL + L, ST + ClRect.Bottom });
  }
  if (const int R = W - NewClRect.Right; R >= 1 && M >= 1 && RBPoint.Y - RTPoint.Y >= 1) {
    RightBand->SetSize(R, M);
    const HDC D = RightBand->Canvas()->Handle();
    const TRect Middle { SL + ClRect.Right, ST + RTPoint.Y, SR, ST + RBPoint.Y };
    if (RightStretch)
      CopyPiece(D, S, TRect { 0, RTPoint.Y - ClRect.Top, R, M + RBPoint.Y - ClRect.Bottom }, Middle);
    else
      TilePieceY(D, S, TRect { 0, 0, R, M }, Middle);
    if (RTPoint.Y - ClRect.Top > 0)
      CopyPiece(D, S, TRect { 0, 0, R, RTPoint.Y - ClRect.Top }, TRect { SL + ClRect.Right, ST + ClRect.Top, SR, ST + RTPoint.Y });
    if (ClRect.Bottom - RBPoint.Y >= 1)
      CopyPiece(D, S, TRect { 0, M + RBPoint.Y - ClRect.Bottom, R, M },
                TRect { SL + ClRect.Right, ST + RBPoint.Y, SR, ST + ClRect.Bottom });
  }
}
