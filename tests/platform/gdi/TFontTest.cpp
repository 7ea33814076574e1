#include <gtest/gtest.h>

#include "platform/base/Exception.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBrush.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/TPen.h"
#include "platform/gdi/Text.h"

namespace {

LOGFONT RecordOf(HFONT Font) {
  LOGFONT L;
  EXPECT_EQ(GetObject(Font, sizeof L, &L), int(sizeof L));
  return L;
}

TEST(TFontTest, DefaultsAndSizeHeightConversion) {
  TFont Font;
  EXPECT_EQ(Font.Name(), "MS Sans Serif");
  EXPECT_EQ(Font.Height(), -11);
  EXPECT_EQ(Font.Size(), 8);
  EXPECT_EQ(Font.Color(), clWindowText);
  EXPECT_EQ(Font.Charset(), DEFAULT_CHARSET);
  EXPECT_TRUE(Font.Style().Empty());
  struct Case {
    int Size, Height;
  } Cases[] = { { 8, -11 }, { 9, -12 }, { 10, -13 }, { 12, -16 }, { 24, -32 } };
  for (const Case& C : Cases) {
    Font.SetSize(C.Size);
    EXPECT_EQ(Font.Height(), C.Height) << C.Size;
    EXPECT_EQ(Font.Size(), C.Size);
  }
  Font.SetHeight(13);
  EXPECT_EQ(Font.Size(), -10);
}

TEST(TFontTest, OnChangeFiresOncePerRealChange) {
  TFont Font;
  int Changes = 0;
  Font.OnChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &Font);
    ++Changes;
  };
  Font.SetHeight(13);
  Font.SetHeight(13);
  Font.SetName("Tahoma");
  Font.SetName("");
  Font.SetStyle({ fsBold });
  Font.SetStyle({ fsBold });
  Font.SetColor(clRed);
  Font.SetCharset(134);
  Font.SetPitch(fpFixed);
  EXPECT_EQ(Changes, 6);
  EXPECT_EQ(Font.Name(), "Tahoma");

  TFont Copy;
  int CopyChanges = 0;
  Copy.OnChange = [&](TObject*) { ++CopyChanges; };
  Copy.Assign(&Font);
  EXPECT_EQ(CopyChanges, 1);
  EXPECT_EQ(Copy.Name(), "Tahoma");
  EXPECT_EQ(Copy.Height(), 13);
  EXPECT_EQ(Copy.Style(), TFontStyles({ fsBold }));
  EXPECT_EQ(Copy.Color(), clRed);
  EXPECT_EQ(Copy.Charset(), 134);
  EXPECT_EQ(Copy.Pitch(), fpFixed);

  TPen NotAFont;
  EXPECT_THROW(Copy.Assign(&NotAFont), EConvertError);
}

TEST(TFontTest, HandleCarriesTheValuesAndIsRemadeAfterAChange) {
  TFont Font;
  Font.SetName("宋体");
  Font.SetHeight(14);
  Font.SetStyle({ fsBold, fsItalic, fsUnderline, fsStrikeOut });
  Font.SetCharset(134);
  HFONT First = Font.Handle();
  EXPECT_EQ(Font.Handle(), First);
  const LOGFONT L = RecordOf(First);
  EXPECT_STREQ(L.lfFaceName, "宋体");
  EXPECT_EQ(L.lfHeight, 14);
  EXPECT_EQ(L.lfWeight, FW_BOLD);
  EXPECT_TRUE(L.lfItalic && L.lfUnderline && L.lfStrikeOut);
  EXPECT_EQ(L.lfCharSet, 134);

  HDC DC = CreateCompatibleDC(nullptr);
  HGDIOBJ Original = SelectObject(DC, First);
  Font.SetStyle({});
  EXPECT_EQ(RecordOf(Font.Handle()).lfWeight, FW_NORMAL);
  TEXTMETRIC M;
  ASSERT_TRUE(GetTextMetrics(DC, M)) << "the DC keeps the font it holds";
  EXPECT_EQ(M.tmWeight, FW_BOLD);
  SelectObject(DC, Original);
  EXPECT_EQ(GetObjectType(First), 0);
  DeleteDC(DC);
}

TEST(TFontTest, PenAndBrushHandlesFollowTheirValues) {
  TPen Pen;
  int PenChanges = 0;
  Pen.OnChange = [&](TObject*) { ++PenChanges; };
  struct Case {
    TPenStyle Style;
    unsigned Expected;
  } Styles[] = { { psSolid, PS_SOLID }, { psDash, PS_DASH }, { psDot, PS_DOT }, { psClear, PS_NULL } };
  for (const Case& C : Styles) {
    Pen.SetStyle(C.Style);
    LOGPEN L;
    GetObject(Pen.Handle(), sizeof L, &L);
    EXPECT_EQ(L.lopnStyle, C.Expected);
  }
  Pen.SetColor(clBtnShadow);
  Pen.SetWidth(2);
  LOGPEN L;
  GetObject(Pen.Handle(), sizeof L, &L);
  EXPECT_EQ(L.lopnColor, ColorToRGB(clBtnShadow));
  EXPECT_EQ(L.lopnWidth.X, 2);
  EXPECT_EQ(PenChanges, 5);
  for (auto [Mode, Rop] : { std::pair { pmCopy, R2_COPYPEN }, { pmNot, R2_NOT }, { pmXor, R2_XORPEN } }) {
    Pen.SetMode(Mode);
    EXPECT_EQ(Pen.Rop2(), Rop);
  }

  TBrush Brush;
  Brush.SetStyle(bsClear);
  EXPECT_EQ(Brush.Handle(), GetStockObject(NULL_BRUSH));
  Brush.SetColor(clWhite);
  EXPECT_EQ(Brush.Style(), bsSolid) << "its own colour makes a clear brush solid";
  Brush.SetStyle(bsClear);
  Brush.SetColor(clBtnFace);
  EXPECT_EQ(Brush.Style(), bsSolid);
  LOGBRUSH B;
  GetObject(Brush.Handle(), sizeof B, &B);
  EXPECT_EQ(B.lbStyle, BS_SOLID);
  EXPECT_EQ(B.lbColor, ColorToRGB(clBtnFace));
}

}  // namespace
