#include "platform/gdi/Colors.h"

#include <gtest/gtest.h>

TEST(ColorsTest, ComponentsFollowTheBgrLayout) {
  const TColor C = 0xB76B3B;
  EXPECT_EQ(GetRValue(C), 0x3B);
  EXPECT_EQ(GetGValue(C), 0x6B);
  EXPECT_EQ(GetBValue(C), 0xB7);
  EXPECT_EQ(RGB(0x3B, 0x6B, 0xB7), C);
  EXPECT_EQ(clGray, 8421504);
}

TEST(ColorsTest, SystemColoursResolveThroughTheClassicTable) {
  EXPECT_EQ(clBtnFace, -16777201);  // stored skin colour "cbtnface"
  const struct {
    TColor Color;
    TColor Rgb;
  } Cases[] = {
    { clBtnFace, RGB(212, 208, 200) },     { clBtnShadow, RGB(128, 128, 128) },
    { clBtnHighlight, RGB(255, 255, 255) }, { clBtnText, RGB(0, 0, 0) },
    { cl3DDkShadow, RGB(64, 64, 64) },     { clWindow, RGB(255, 255, 255) },
    { clWindowText, RGB(0, 0, 0) },        { clHighlight, RGB(10, 36, 106) },
    { clHighlightText, RGB(255, 255, 255) }, { clGrayText, RGB(128, 128, 128) },
    { clInfoBk, RGB(255, 255, 225) },      { clInfoText, RGB(0, 0, 0) },
    { clAppWorkSpace, RGB(128, 128, 128) },
  };
  for (const auto& Case : Cases) {
    EXPECT_EQ(ColorToRGB(Case.Color), Case.Rgb) << std::hex << Case.Color;
    EXPECT_EQ(GetSysColor(Case.Color & 0xFF), Case.Rgb);
  }
}

TEST(ColorsTest, PlainColoursAndMarkersPassUnchanged) {
  for (TColor C : { clBlack, clGray, clWhite, TColor(0xB76B3B), clNone, clDefault })
    EXPECT_EQ(ColorToRGB(C), C);
  EXPECT_EQ(GetSysColor(-1), clBlack);
  EXPECT_EQ(GetSysColor(200), clBlack);
}
