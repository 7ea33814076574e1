#pragma once
// The clips whose container asks a player to turn or mirror the picture, and where the marks of the
// picture stand once it is shown so: the conversion and the player must both show them there.
#include <gtest/gtest.h>

#include "platform/base/Types.h"
#include "tests/engine/fixtures/MediaFixtures.h"

/// A turned clip: the size of its picture as shown, and where the centres of the red and the white patch
/// of the bottom band stand in it.
struct TTurnedClip {
  const char* Name;
  String TMediaFixtures::*Clip;
  int Width;
  int Height;
  TPoint Red;
  TPoint White;
};

// The patches' centres in the stored 320x240 picture: red (40, 208), white (280, 208).
inline const TTurnedClip TurnedClips[] = {
  { "quarter clockwise", &TMediaFixtures::Turned90MP4, 240, 320, { 31, 40 }, { 31, 280 } },
  { "upside down", &TMediaFixtures::Turned180MP4, 320, 240, { 279, 31 }, { 39, 31 } },
  { "quarter anticlockwise", &TMediaFixtures::Turned270MP4, 240, 320, { 208, 279 }, { 208, 39 } },
  { "mirrored", &TMediaFixtures::MirroredMP4, 320, 240, { 279, 208 }, { 39, 208 } },
  { "mirrored and turned", &TMediaFixtures::MirroredTurnedMP4, 240, 320, { 31, 279 }, { 31, 39 } },
};

/// Expects AColour within 40 levels per channel at AAt, where APixel(X, Y) gives the picture's colours.
template <class TPixel> void ExpectColourAt(const TPixel& APixel, TPoint AAt, Fixture::TRGB AColour) {
  const Fixture::TRGB Found = APixel(AAt.X, AAt.Y);
  EXPECT_NEAR(Found.R, AColour.R, 40) << "at " << AAt.X << "," << AAt.Y;
  EXPECT_NEAR(Found.G, AColour.G, 40) << "at " << AAt.X << "," << AAt.Y;
  EXPECT_NEAR(Found.B, AColour.B, 40) << "at " << AAt.X << "," << AAt.Y;
}
