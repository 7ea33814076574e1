// The copy engine under every blit: its column and row mapping against the centre formula over many
// sizes, and every operation, pixel format, clip and geometry against the same operation done one pixel
// at a time.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/gdi/Blitter.h"

namespace {

constexpr uint32_t Untouched = 0xFFFFFFFFu;

// The source index the centre formula gives destination index D of a blit from (SrcOrigin, SrcExtent)
// onto (DestOrigin, DestExtent), or nullopt when D is not in the destination span.
std::optional<int64_t> CentreSource(int64_t D, int64_t DestOrigin, int64_t DestExtent, int64_t SrcOrigin,
                                    int64_t SrcExtent) {
  const int64_t DStart = DestExtent < 0 ? DestOrigin + DestExtent : DestOrigin, DLength = std::abs(DestExtent);
  const int64_t SStart = SrcExtent < 0 ? SrcOrigin + SrcExtent : SrcOrigin, SLength = std::abs(SrcExtent);
  if (D < DStart || D >= DStart + DLength)
    return std::nullopt;
  const int64_t K = (DestExtent < 0) != (SrcExtent < 0) ? DStart + DLength - 1 - D : D - DStart;
  return SStart + (2 * K + 1) * SLength / (2 * DLength);
}

// Blits along one axis between one-pixel-thick surfaces whose pixel I holds I, and checks every
// destination pixel against the formula: its source index, or untouched where that lies outside.
void ExpectCentreMapping(bool Rows, int SrcLength, int DestOrigin, int DestExtent, int SrcOrigin, int SrcExtent) {
  constexpr int Window = 40;
  Surface Src(Rows ? 1 : SrcLength, Rows ? SrcLength : 1, SurfaceFormat::Bgra32);
  Surface Dest(Rows ? 1 : Window, Rows ? Window : 1, SurfaceFormat::Bgra32);
  for (int I = 0; I < SrcLength; ++I)
    Rows ? Src.SetPixel(0, I, uint32_t(I)) : Src.SetPixel(I, 0, uint32_t(I));
  for (int I = 0; I < Window; ++I)
    Rows ? Dest.SetPixel(0, I, Untouched) : Dest.SetPixel(I, 0, Untouched);
  DeviceContext DC(DeviceContext::Kind::Display, &Dest);
  if (Rows)
    Blit(DC, 0, DestOrigin, 1, DestExtent, Src, 0, SrcOrigin, 1, SrcExtent, BlitOperation {});
  else
    Blit(DC, DestOrigin, 0, DestExtent, 1, Src, SrcOrigin, 0, SrcExtent, 1, BlitOperation {});
  for (int D = 0; D < Window; ++D) {
    const std::optional<int64_t> S = CentreSource(D, DestOrigin, DestExtent, SrcOrigin, SrcExtent);
    const uint32_t Expected = S && *S >= 0 && *S < SrcLength ? uint32_t(*S) : Untouched;
    ASSERT_EQ(Rows ? Dest.Pixel(0, D) : Dest.Pixel(D, 0), Expected)
        << (Rows ? "row " : "column ") << D << " of " << SrcOrigin << "+" << SrcExtent << " -> " << DestOrigin
        << "+" << DestExtent;
  }
}

// Deterministic pixels: varied colours and alphas (0 and 255 among them), with every fifth pixel's
// colour bits equal to Key.
uint32_t TestPixel(uint32_t Seed, int I, uint32_t Key) {
  uint32_t V = (Seed + uint32_t(I)) * 2654435761u;
  V ^= V >> 15;
  V *= 2246822519u;
  V ^= V >> 13;
  if (I % 7 == 0)
    V = (V & 0xFFFFFFu) | (I % 2 ? 0u : 0xFF000000u);
  return I % 5 == 0 ? (V & 0xFF000000u) | Key : V;
}

void FillSurface(Surface& S, uint32_t Seed, uint32_t Key) {
  for (int Y = 0; Y < S.Height(); ++Y)
    for (int X = 0; X < S.Width(); ++X)
      S.SetPixel(X, Y, TestPixel(Seed, Y * S.Width() + X, Key));
}

struct Geometry {
  TRect Dest;  // origin and extent, not corners: Right and Bottom hold the (signed) width and height
  TRect Src;
  bool SameSurface;
};

}  // namespace

TEST(BlitterTest, ColumnsAndRowsFollowTheCentreFormulaOverManySizes) {
  for (const bool Rows : { false, true }) {
    for (int SrcLength = 1; SrcLength <= 32; ++SrcLength)
      for (int DestLength = 1; DestLength <= 32; ++DestLength)
        for (const int DestSign : { 1, -1 })
          for (const int SrcSign : { 1, -1 }) {
            // Whole spans inside the window, and spans that start before it (only their tail is visible).
            const int SrcOrigin = SrcSign > 0 ? 0 : SrcLength, WholeOrigin = DestSign > 0 ? 0 : DestLength;
            ExpectCentreMapping(Rows, SrcLength, WholeOrigin, DestSign * DestLength, SrcOrigin, SrcSign * SrcLength);
            ExpectCentreMapping(Rows, SrcLength, WholeOrigin - DestLength / 2 - 1, DestSign * DestLength, SrcOrigin,
                                SrcSign * SrcLength);
          }
    // Far apart sizes, seen through the window somewhere inside the span: extreme ratios, sizes whose
    // products pass 32 bits, and source spans far larger than the surface they lie on.
    const struct {
      int DestOrigin, DestExtent, SrcOrigin, SrcExtent;
    } Far[] = {
      { -500000, 1000000, 0, 1 },          { -300000, 1000000, 0, 7 },
      { -1999999980, 2000000000, 0, 3 },   { 1000000000, -2000000000, 3, -3 },
      { 1000000000, -2000000000, 0, 3 },   { 0, 37, -27027020, 2000000000 },
      { -999990, 1000003, -999950, 999983 }, { -5, 2147483647, 0, 40 },
      { -2147483600, 2147483647, -2147483590, 2147483646 }, { 0, 7, -7140, 100003 },
      { -60000, 65537, -59980, 65521 },
    };
    for (const auto& F : Far)
      ExpectCentreMapping(Rows, 40, F.DestOrigin, F.DestExtent, F.SrcOrigin, F.SrcExtent);
  }
}

TEST(BlitterTest, EveryOperationFormatClipAndGeometryMatchesTheOperationPixelByPixel) {
  constexpr uint32_t Key = 0x123456;
  BLENDFUNCTION Blend;
  Blend.SourceConstantAlpha = 200;
  Blend.AlphaFormat = AC_SRC_ALPHA;
  std::vector<BlitOperation> Operations;
  for (const auto Kind : { BlitOperation::Copy, BlitOperation::And, BlitOperation::Or, BlitOperation::Xor,
                           BlitOperation::Transparent, BlitOperation::Alpha })
    Operations.push_back(BlitOperation { Kind, Key, Blend });

  // A 16 x 10 target and a 12 x 7 source, whose 24-bit rows end without padding.
  std::vector<Geometry> Geometries = {
    { { 1, 1, 9, 5 }, { 1, 1, 9, 5 }, false },        // one to one, inside both
    { { 0, 0, 11, 7 }, { -2, -1, 11, 7 }, false },    // source sticking out at the top left
    { { 6, 4, 11, 7 }, { 3, 2, 11, 7 }, false },      // both sticking out at the bottom right
    { { 0, 2, 16, 3 }, { 0, 1, 16, 3 }, false },      // wider than the source
    { { 12, 8, -9, -5 }, { 1, 1, 9, 5 }, false },     // mirrored both ways
    { { 3, 3, 7, 4 }, { 9, 5, -7, -4 }, false },      // mirrored source
    { { 12, 8, -9, -5 }, { 10, 6, -9, -5 }, false },  // both sides mirrored: upright
    { { 0, 0, 16, 10 }, { 0, 0, 5, 3 }, false },      // enlarged
    { { 1, 1, 4, 3 }, { 0, 0, 11, 7 }, false },       // reduced
    { { 2, 0, 13, 10 }, { 1, 0, 13, 7 }, false },     // columns one to one, rows stretched
    { { 0, 1, 15, 5 }, { 2, 1, 6, 5 }, false },       // columns stretched, rows one to one
    { { -3, -2, 20, 14 }, { -1, -1, 13, 9 }, false }, // stretched, sticking out everywhere
    { { 2, 1, 9, 5 }, { 0, 0, 9, 5 }, true },         // moved within one surface, overlapping
    { { 0, 0, 12, 8 }, { 3, 2, 6, 4 }, true },        // enlarged within one surface
  };
  for (int Width = 1; Width <= 9; ++Width)  // every length of a row copied in groups of pixels
    Geometries.push_back({ { 1, 0, Width, 2 }, { 2, 3, Width, 2 }, false });

  const Region Hole = Region(TRect { 0, 0, 16, 10 }).Subtract(Region(TRect { 4, 3, 9, 6 }));
  for (const SurfaceFormat TargetFormat : { SurfaceFormat::Bgra32, SurfaceFormat::Bgr24 })
    for (const SurfaceFormat SourceFormat : { SurfaceFormat::Bgra32, SurfaceFormat::Bgr24 })
      for (const bool Clipped : { false, true })
        for (const Geometry& G : Geometries) {
          if (G.SameSurface && SourceFormat != TargetFormat)
            continue;
          for (const BlitOperation& Op : Operations) {
            // The clipped runs also draw into a bottom-up target.
            Surface Target(16, 10, TargetFormat, Clipped), Before(16, 10, TargetFormat), OwnSource(12, 7, SourceFormat);
            FillSurface(Target, 1, Key);
            FillSurface(Before, 1, Key);
            FillSurface(OwnSource, 2, Key);
            const Surface& Source = G.SameSurface ? Target : OwnSource;
            const Surface& SourceBefore = G.SameSurface ? Before : OwnSource;
            DeviceContext DC(DeviceContext::Kind::Display, &Target);
            if (Clipped)
              DC.SetClipRegion(Hole);
            Blit(DC, G.Dest.Left, G.Dest.Top, G.Dest.Right, G.Dest.Bottom, Source, G.Src.Left, G.Src.Top,
                 G.Src.Right, G.Src.Bottom, Op);

            Surface OneTarget(1, 1, TargetFormat), OneSource(1, 1, SourceFormat);
            DeviceContext OneDC(DeviceContext::Kind::Display, &OneTarget);
            for (int Y = 0; Y < 10; ++Y)
              for (int X = 0; X < 16; ++X) {
                const auto SX = CentreSource(X, G.Dest.Left, G.Dest.Right, G.Src.Left, G.Src.Right);
                const auto SY = CentreSource(Y, G.Dest.Top, G.Dest.Bottom, G.Src.Top, G.Src.Bottom);
                OneTarget.SetPixel(0, 0, Before.Pixel(X, Y));
                const bool Inside = SX && SY && *SX >= 0 && *SX < Source.Width() && *SY >= 0 && *SY < Source.Height();
                if (Inside && (!Clipped || Hole.Contains(X, Y))) {
                  OneSource.SetPixel(0, 0, SourceBefore.Pixel(int(*SX), int(*SY)));
                  Blit(OneDC, 0, 0, 1, 1, OneSource, 0, 0, 1, 1, Op);
                }
                ASSERT_EQ(Target.Pixel(X, Y), OneTarget.Pixel(0, 0))
                    << "pixel " << X << "," << Y << " operation " << Op.Op << " target " << int(TargetFormat)
                    << " source " << int(SourceFormat) << (Clipped ? " clipped" : "") << " geometry "
                    << G.Dest.Left << "," << G.Dest.Top << " " << G.Dest.Right << "x" << G.Dest.Bottom << " from "
                    << G.Src.Left << "," << G.Src.Top << " " << G.Src.Right << "x" << G.Src.Bottom;
              }
          }
        }
}

TEST(BlitterTest, TallStretchesOfA24BitPictureFollowTheCentreFormulaInEveryRow) {
  // Taller than the bands the stretch loops work in, enlarged and reduced, upright and mirrored.
  Surface Src(9, 50, SurfaceFormat::Bgr24);
  FillSurface(Src, 3, 0x123456);
  for (const Geometry& G : { Geometry { { 0, 0, 20, 110 }, { 0, 0, 9, 50 }, false },
                             Geometry { { 0, 109, 20, -110 }, { 0, 0, 9, 50 }, false },
                             Geometry { { 19, 0, -20, 70 }, { 1, 2, 7, 45 }, false },
                             Geometry { { 0, 0, 20, 110 }, { 0, 50, 9, -50 }, false } }) {
    Surface Target(20, 110, SurfaceFormat::Bgra32);
    DeviceContext DC(DeviceContext::Kind::Display, &Target);
    Blit(DC, G.Dest.Left, G.Dest.Top, G.Dest.Right, G.Dest.Bottom, Src, G.Src.Left, G.Src.Top, G.Src.Right,
         G.Src.Bottom, BlitOperation {});
    for (int Y = 0; Y < 110; ++Y)
      for (int X = 0; X < 20; ++X) {
        const auto SX = CentreSource(X, G.Dest.Left, G.Dest.Right, G.Src.Left, G.Src.Right);
        const auto SY = CentreSource(Y, G.Dest.Top, G.Dest.Bottom, G.Src.Top, G.Src.Bottom);
        const bool Inside = SX && SY && *SX >= 0 && *SX < 9 && *SY >= 0 && *SY < 50;
        ASSERT_EQ(Target.Pixel(X, Y), Inside ? Src.Pixel(int(*SX), int(*SY)) : 0u)
            << "pixel " << X << "," << Y << " of " << G.Dest.Right << "x" << G.Dest.Bottom << " from "
            << G.Src.Right << "x" << G.Src.Bottom;
      }
  }
}

TEST(BlitterTest, TilesGiveThePixelsOfABlitOfEachCopy) {
  struct TileCase {
    TRect Dest;  // origin and extent, as in Geometry
    TRect Src;
    bool RepeatX, RepeatY;
  };
  // A 16 x 10 target and a 12 x 7 source.
  const TileCase Cases[] = {
    { { 1, 1, 14, 5 }, { 2, 1, 3, 5 }, true, false },     // a band across, rows one to one
    { { 0, 1, 16, 8 }, { 2, 1, 3, 4 }, true, false },     // across, rows stretched
    { { 2, 0, 6, 10 }, { 1, 2, 4, 3 }, false, true },     // down, columns stretched
    { { 1, 0, 3, 10 }, { 4, 2, 3, 4 }, false, true },     // down, columns one to one
    { { 0, 0, 16, 10 }, { 1, 1, 5, 3 }, true, true },     // both ways
    { { 3, 2, 13, 8 }, { 0, 0, 12, 7 }, true, true },     // larger than one copy only one way
    { { 0, 0, 16, 4 }, { 5, 0, 1, 2 }, true, false },     // a one-pixel band
    { { -5, -3, 30, 20 }, { 2, 2, 3, 2 }, true, true },   // sticking out of the target
    { { 1, 1, 14, 8 }, { 10, 5, 4, 3 }, true, true },     // source sticking out of its surface
    { { 1, 1, 14, 8 }, { -2, 1, 4, 3 }, true, false },
    { { 1, 1, 9, 7 }, { 0, 0, 3, 2 }, true, true },       // the source on the target, under the copies
  };
  const Region Hole = Region(TRect { 0, 0, 16, 10 }).Subtract(Region(TRect { 4, 3, 9, 6 }));
  for (const SurfaceFormat TargetFormat : { SurfaceFormat::Bgra32, SurfaceFormat::Bgr24 })
    for (const SurfaceFormat SourceFormat : { SurfaceFormat::Bgra32, SurfaceFormat::Bgr24 })
      for (const bool Clipped : { false, true })
        for (const TileCase& T : Cases) {
          const bool Same = &T == &Cases[std::size(Cases) - 1];
          if (Same && SourceFormat != TargetFormat)
            continue;
          Surface Target(16, 10, TargetFormat, Clipped), Expected(16, 10, TargetFormat, Clipped), OwnSource(12, 7, SourceFormat);
          FillSurface(Target, 1, 0);
          FillSurface(Expected, 1, 0);
          FillSurface(OwnSource, 2, 0);
          DeviceContext DC(DeviceContext::Kind::Display, &Target), ExpectedDC(DeviceContext::Kind::Display, &Expected);
          if (Clipped) {
            DC.SetClipRegion(Hole);
            ExpectedDC.SetClipRegion(Hole);
          }
          TileBlit(DC, T.Dest.Left, T.Dest.Top, T.Dest.Right, T.Dest.Bottom, Same ? Target : OwnSource, T.Src.Left,
                   T.Src.Top, T.Src.Right, T.Src.Bottom, T.RepeatX, T.RepeatY);
          // The copies laid out one by one, left to right and each column downwards.
          const int StepX = T.RepeatX ? T.Src.Right : T.Dest.Right, StepY = T.RepeatY ? T.Src.Bottom : T.Dest.Bottom;
          for (int X = 0; X < T.Dest.Right; X += StepX)
            for (int Y = 0; Y < T.Dest.Bottom; Y += StepY) {
              const int W = std::min(StepX, T.Dest.Right - X), H = std::min(StepY, T.Dest.Bottom - Y);
              Blit(ExpectedDC, T.Dest.Left + X, T.Dest.Top + Y, W, H, Same ? Expected : OwnSource, T.Src.Left,
                   T.Src.Top, T.RepeatX ? W : T.Src.Right, T.RepeatY ? H : T.Src.Bottom, BlitOperation {});
            }
          for (int Y = 0; Y < 10; ++Y)
            for (int X = 0; X < 16; ++X)
              ASSERT_EQ(Target.Pixel(X, Y), Expected.Pixel(X, Y))
                  << "pixel " << X << "," << Y << " target " << int(TargetFormat) << " source " << int(SourceFormat)
                  << (Clipped ? " clipped" : "") << " tile " << T.Dest.Left << "," << T.Dest.Top << " "
                  << T.Dest.Right << "x" << T.Dest.Bottom << " from " << T.Src.Left << "," << T.Src.Top << " "
                  << T.Src.Right << "x" << T.Src.Bottom << " repeat " << T.RepeatX << T.RepeatY;
        }
}
