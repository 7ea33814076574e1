#include <gtest/gtest.h>

#include "SkinIniText.h"
#include "platform/base/Exception.h"
#include "skin/core/skSkinIni.h"

namespace {

TEST(SkinIniValues, PointsAndRectanglesDropEverythingButDigitsAndCommas) {
  struct Case {
    String Text;
    TRect Expected;
  } rects[] = {
    { "1,2,3,4", { 1, 2, 3, 4 } },
    { "10, 20 ,30 , 40", { 10, 20, 30, 40 } },
    { "-1,-2,-3,-4", { 1, 2, 3, 4 } },  // the minus sign is lost, as stored skins expect
    { "+5,6,7,8", { 5, 6, 7, 8 } },
    { "1a2,3b,c4,5", { 12, 3, 4, 5 } },
    { "007,0,0,32767", { 7, 0, 0, 32767 } },  // the largest side a picture can have
    { "1,2,3,4,", { 1, 2, 3, 4 } },   // a surplus comma,
    { "1,2,3,4,5", { 1, 2, 3, 4 } },  // or a surplus field, is ignored
    { "1,2,3,4,x", { 1, 2, 3, 4 } },
  };
  for (const Case& c : rects) EXPECT_EQ(ParseRect(c.Text), c.Expected) << c.Text;

  struct PointCase {
    String Text;
    TPoint Expected;
  } points[] = {
    { "10, 20", { 10, 20 } }, { "1a2,3", { 12, 3 } }, { "-3,4", { 3, 4 } }, { "5,6,7", { 5, 6 } },
  };
  for (const PointCase& c : points) EXPECT_EQ(ParsePoint(c.Text), c.Expected) << c.Text;
}

TEST(SkinIniValues, FieldWithoutDigitsOrTooLargeRaises) {
  for (const char* text : { "", "1,2,3", "1,,3,4", ",2,3,4", "a,b,c,d", "-,-,-,-", "2147483648,0,0,0",
                            "99999999999,1,2,3", "0,0,0,32768", "0,0,2147483647,1" })
    EXPECT_THROW(ParseRect(text), EConvertError) << text;
  for (const char* text : { "", "5", ",5", "x,1", "32768,0", "1,-2147483647" })
    EXPECT_THROW(ParsePoint(text), EConvertError) << text;
}

TEST(SkinIniValues, AbsentRectangleIsEmptyButPresentEmptyOneRaises) {
  auto ini = IniOf("[r]\nempty=\nblank=   \nSKINRECT=1,2,3,4\npoint=7,8\n");
  EXPECT_EQ(ReadRect(ini.get(), "r", "missing"), TRect());
  EXPECT_EQ(ReadRect(ini.get(), "R", "skinrect"), Rect(1, 2, 3, 4));
  EXPECT_EQ(ReadPoint(ini.get(), "r", "missing"), TPoint());
  EXPECT_EQ(ReadPoint(ini.get(), "r", "Point"), Point(7, 8));
  EXPECT_THROW(ReadRect(ini.get(), "r", "empty"), EConvertError);
  EXPECT_THROW(ReadRect(ini.get(), "r", "blank"), EConvertError);
  EXPECT_THROW(ReadPoint(ini.get(), "r", "empty"), EConvertError);
}

TEST(SkinIniValues, WrittenRectangleKeepsItsSignButReadsBackWithout) {
  auto ini = IniOf("");
  WriteRect(ini.get(), "s", "r", Rect(-1, 2, -3, 40));
  WritePoint(ini.get(), "s", "p", Point(-5, 6));
  EXPECT_EQ(TextOf(*ini), "[s]\nr=-1,2,-3,40\np=-5,6\n");
  EXPECT_EQ(ReadRect(ini.get(), "s", "r"), Rect(1, 2, 3, 40));
  EXPECT_EQ(ReadPoint(ini.get(), "s", "p"), Point(5, 6));
}

TEST(SkinIniValues, BooleanIsTrueOnlyForTheIntegerOne) {
  struct Case {
    const char* Text;
    bool Expected;
  } cases[] = {
    { "1", true },    { "0x1", true },  { "$1", true },  { " 1 ", true }, { "0", false },
    { "2", false },   { "-1", false },  { "yes", false }, { "true", false }, { "", false },
  };
  for (const Case& c : cases) {
    auto ini = IniOf(String("[s]\nb=") + c.Text + "\n");
    EXPECT_EQ(ReadBoolean(ini.get(), "s", "b"), c.Expected) << c.Text;
  }
  auto ini = IniOf("");
  EXPECT_FALSE(ReadBoolean(ini.get(), "s", "b"));
  WriteBoolean(ini.get(), "s", "t", true);
  WriteBoolean(ini.get(), "s", "f", false);
  EXPECT_EQ(TextOf(*ini), "[s]\nt=1\nf=0\n");
}

TEST(SkinIniValues, FontStylesAreFoundByCaseSensitiveSubstring) {
  struct Case {
    const char* Text;
    TFontStyles Expected;
  } cases[] = {
    { "fsbold,fsitalic", { fsBold, fsItalic } },
    { "fsBold", {} },
    { "xfsboldx", { fsBold } },
    { "fsstrikeout fsunderline", { fsUnderline, fsStrikeOut } },
    { "fsbold,fsbold", { fsBold } },
    { "", {} },
  };
  for (const Case& c : cases) {
    auto ini = IniOf(String("[s]\nf=") + c.Text + "\n");
    EXPECT_EQ(ReadFontStyles(ini.get(), "s", "f"), c.Expected) << c.Text;
  }
  auto ini = IniOf("");
  EXPECT_EQ(ReadFontStyles(ini.get(), "s", "missing"), TFontStyles());
  WriteFontStyles(ini.get(), "s", "a", { fsUnderline, fsBold });
  WriteFontStyles(ini.get(), "s", "b", {});
  WriteFontStyles(ini.get(), "s", "c", { fsStrikeOut, fsUnderline, fsItalic, fsBold });
  EXPECT_EQ(TextOf(*ini), "[s]\na=fsbold,fsunderline\nb=\nc=fsbold,fsitalic,fsunderline,fsstrikeout\n");
}

// Each enumeration: its exact names, what other texts fall back to, and the value of an absent key.
TEST(SkinIniValues, EnumerationsReadExactNamesAndFallBack) {
  struct Case {
    const char* Text;  // nullptr: the key is absent
    int Alignment, Stretch, Morph, Effect;
  };
  const int none = -1;  // this text is not tried for that type
  const Case cases[] = {
    { nullptr, taCenter, skstFull, mkDefault, ieBrightness },
    { "", taRightJustify, skstHorz, mkDefault, ieGrayScale },
    { "tacenter", taCenter, none, none, none },
    { "TACENTER", taRightJustify, none, none, none },
    { "taleftjustify", taLeftJustify, none, none, none },
    { "taleft", taRightJustify, none, none, none },
    { "tarightjustify", taRightJustify, none, none, none },
    { "stfull", none, skstFull, none, none },
    { "sthorz", none, skstHorz, none, none },
    { "stretch", none, skstHorz, none, none },
    { "stvert", none, skstVert, none, none },
    { "STVERT", none, skstHorz, none, none },
    { "mkpush", none, none, mkPush, none },
    { "mkrightgradient", none, none, mkRightGradient, none },
    { "mkfade", none, none, mkDefault, none },
    { "mkPush", none, none, mkDefault, none },
    { "ieinvert", none, none, none, ieInvert },
    { "iebrightness", none, none, none, ieBrightness },
    { "iewhatever", none, none, none, ieGrayScale },
  };
  for (const Case& c : cases) {
    auto ini = IniOf(c.Text ? String("[s]\nk=") + c.Text + "\n" : String("[s]\nother=1\n"));
    TCustomIniFile* f = ini.get();
    const String where = c.Text ? c.Text : "(absent)";
    if (c.Alignment != none) {
      EXPECT_EQ(ReadAlignment(f, "s", "k"), c.Alignment) << where;
    }
    if (c.Stretch != none) {
      EXPECT_EQ(ReadStretchType(f, "s", "k"), c.Stretch) << where;
    }
    if (c.Morph != none) {
      EXPECT_EQ(ReadMorphKind(f, "s", "k"), c.Morph) << where;
    }
    if (c.Effect != none) {
      EXPECT_EQ(ReadInActiveEffect(f, "s", "k"), c.Effect) << where;
    }
  }
}

TEST(SkinIniValues, CaptionCommandKnowsSixNamesAndMeansTrayOtherwise) {
  struct Case {
    const char* Text;
    TskStdCommand Expected;
  } cases[] = {
    { "cmclose", cmClose },     { "cmmaximize", cmMaximize },         { "cmminimize", cmMinimize },
    { "cmsysmenu", cmSysMenu }, { "cmdefault", cmDefault },           { "cmrollup", cmRollUp },
    { "cmclose2", cmMinimizeToTray }, { "cmMinimize", cmMinimizeToTray }, { "", cmMinimizeToTray },
    { "cmminimizetotray", cmMinimizeToTray },
  };
  for (const Case& c : cases) EXPECT_EQ(StdCommandFromText(c.Text), c.Expected) << c.Text;
  EXPECT_EQ(StdCommandToText(cmMinimizeToTray), "cmminimizetotray");
  EXPECT_EQ(StdCommandToText(cmRollUp), "cmrollup");
}

TEST(SkinIniValues, EveryEnumerationValueIsWrittenAsItsName) {
  auto ini = IniOf("");
  TCustomIniFile* f = ini.get();
  WriteAlignment(f, "a", "0", taLeftJustify);
  WriteAlignment(f, "a", "1", taRightJustify);
  WriteAlignment(f, "a", "2", taCenter);
  for (int v = skstFull; v <= skstVert; ++v) WriteStretchType(f, "st", std::to_string(v), TskStretchType(v));
  for (int v = mkDefault; v <= mkPush; ++v) WriteMorphKind(f, "mk", std::to_string(v), TskMorphKind(v));
  for (int v = ieBrightness; v <= ieInvert; ++v)
    WriteInActiveEffect(f, "ie", std::to_string(v), TskInActiveEffect(v));
  EXPECT_EQ(TextOf(*ini),
            "[a]\n0=taleftjustify\n1=tarightjustify\n2=tacenter\n"
            "[st]\n0=stfull\n1=sthorz\n2=stvert\n"
            "[mk]\n0=mkdefault\n1=mkgradient\n2=mkleftgradient\n3=mkrightgradient\n4=mkleftslide\n"
            "5=mkrightslide\n6=mkpush\n"
            "[ie]\n0=iebrightness\n1=iedarkness\n2=iegrayscale\n3=ienoise\n4=iesplitblur\n5=ieinvert\n");
  // Written names read back as their values, except the horizontal stretch, which any unknown text means.
  for (int v = skstFull; v <= skstVert; ++v) EXPECT_EQ(ReadStretchType(f, "st", std::to_string(v)), v);
  for (int v = mkDefault; v <= mkPush; ++v) EXPECT_EQ(ReadMorphKind(f, "mk", std::to_string(v)), v);
  for (int v = ieBrightness; v <= ieInvert; ++v) EXPECT_EQ(ReadInActiveEffect(f, "ie", std::to_string(v)), v);
  for (int v = taLeftJustify; v <= taCenter; ++v) EXPECT_EQ(ReadAlignment(f, "a", std::to_string(v)), v);
}

TEST(SkinIniValues, StringListAppendsAndIgnoresBadCounts) {
  struct Case {
    const char* Section;
    const char* Expected;
  } cases[] = {
    { "listcount=0\n0=a\n", "keep\n" },
    { "listcount=-2\n0=a\n", "keep\n" },
    { "listcount=abc\n0=a\n", "keep\n" },
    { "0=a\n", "keep\n" },
    { "LISTCOUNT=3\n0=a\n2=c\n", "keep\na\n\nc\n" },
    { "listcount=0x2\n0=a\n1=b\n9=z\n", "keep\na\nb\n" },
  };
  for (const Case& c : cases) {
    auto ini = IniOf(String("[p]\n") + c.Section);
    TStringList list;
    list.Add("keep");
    ReadStrings(ini.get(), "P", "list", &list);
    EXPECT_EQ(list.Text(), c.Expected) << c.Section;
  }
  auto ini = IniOf("");
  TStringList list;
  list.SetText("one.bmp\ntwo.bmp\n");
  WriteStrings(ini.get(), "p", "list", &list);
  EXPECT_EQ(TextOf(*ini), "[p]\nlistcount=2\n0=one.bmp\n1=two.bmp\n");
}

TEST(SkinIniValues, SkinIniNeedsFiveSectionsEachWithAKey) {
  const String complete =
    "[version]\nskinname=x\n[PICTURES]\npicture=a.bmp\n[FormInfo]\nclientrect=0,0,1,1\n"
    "[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=0\n";
  EXPECT_TRUE(IsValidSkinIni(IniOf(complete).get()));
  struct Case {
    String From, To;
  } broken[] = {
    { "[SKINCONTROLS]\ncount=0\n", "[SKINCONTROLS]\n" },
    { "[SKINCONTROLS]\ncount=0\n", "[SKINCONTROLS]\n; count=0\n" },
    { "[FormInfo]\nclientrect=0,0,1,1\n", "" },
    { "[version]\nskinname=x\n", "[versions]\nskinname=x\n" },
  };
  for (const Case& c : broken) {
    String text = complete;
    text.replace(text.find(c.From), c.From.size(), c.To);
    EXPECT_FALSE(IsValidSkinIni(IniOf(text).get())) << text;
  }
}

}  // namespace
