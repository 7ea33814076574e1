#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"

namespace {

struct TTextCase {
  String Actual;
  String Expected;
};

void ExpectAll(const std::vector<TTextCase>& Cases) {
  for (size_t i = 0; i < Cases.size(); ++i) EXPECT_EQ(Cases[i].Actual, Cases[i].Expected) << "case " << i;
}

TEST(FormatTest, PatternsOfTheSystem) {
  ExpectAll({
      { Format("%d", 42), "42" },
      { Format("%d", -7), "-7" },
      { Format("%5d|%-5d|", 42, 42), "   42|42   |" },
      { Format("%.2d:%.2d", 5, 12), "05:12" },
      { Format("%.3d", -5), "-005" },
      { Format("%u", 4000000000u), "4000000000" },
      { Format("%u", -1), "4294967295" },
      { Format("%ld", Int64(-9000000000)), "-9000000000" },
      { Format("%d", std::numeric_limits<Int64>::min()), "-9223372036854775808" },
      { Format("$%x", 255), "$FF" },
      { Format("%X", -1), "FFFFFFFF" },
      { Format("%x", Int64(-1)), "FFFFFFFFFFFFFFFF" },
      { Format("%.4x", 10), "000A" },
      { Format("%s=%s", "key", String("value")), "key=value" },
      { Format("[%-16s]", "name"), "[name            ]" },
      { Format("[%6s]", "视频"), "[    视频]" },
      { Format("%.2s", "视频文件"), "视频" },
      { Format("%s", 'c'), "c" },
      { Format("%f", 3.14159), "3.14" },
      { Format("%f", 2.0), "2.00" },
      { Format("%.2f", 1.005), "1.00" },
      { Format("%.2f", 0.125), "0.13" },
      { Format("%.2f", -0.125), "-0.13" },
      { Format("%.2f", -0.001), "0.00" },
      { Format("%3.2f", 9.999), "10.00" },
      { Format("%1.0f", 2.5), "3" },
      { Format("%8.0f", 1234.4), "    1234" },
      { Format("%0.3f", 0.0005), "0.001" },
      { Format("%2.2f", 0.5), "0.50" },
      { Format("%.2f GB", 1234567.891), "1234567.89 GB" },
      { Format("%f", 1e20), "100000000000000000000.00" },
      { Format("%-8.1f|", 1.25f), "1.3     |" },
      { Format("%e", 1.0), "1.00000000000000E+000" },
      { Format("%.3e", -12345.0), "-1.23E+004" },
      { Format("%.2e", 1.5e-10), "1.5E-010" },
      { Format("%g", 0.1), "0.1" },
      { Format("%.3g", 1234567.0), "1.23E6" },
      { Format("%f|%e", std::nan(""), -INFINITY), "NAN|-INF" },
      { Format("100%% of %d", 3), "100% of 3" },
      { Format("no arguments"), "no arguments" },
      { Format("%d", 1, 2), "1" },
  });
}

TEST(FormatTest, MismatchedOrMissingArgumentsRaise) {
  auto raises = [](auto call) {
    try {
      call();
    } catch (const EConvertError& e) {
      return String(e.what());
    }
    return String("no exception");
  };
  EXPECT_EQ(raises([] { return Format("%d", 1.5); }), "Format '%d' invalid or incompatible with argument");
  EXPECT_EQ(raises([] { return Format("%f", 2); }), "Format '%f' invalid or incompatible with argument");
  EXPECT_EQ(raises([] { return Format("%s", 2); }), "Format '%s' invalid or incompatible with argument");
  EXPECT_EQ(raises([] { return Format("%x", "ff"); }), "Format '%x' invalid or incompatible with argument");
  EXPECT_EQ(raises([] { return Format("%d %d", 1); }), "Format '%d %d' invalid or incompatible with argument");
  EXPECT_EQ(raises([] { return Format("%q", 1); }), "Format '%q' invalid or incompatible with argument");
  EXPECT_EQ(raises([] { return Format("50%", 1); }), "Format '50%' invalid or incompatible with argument");
}

TEST(NumberTextTest, IntToStrAndIntToHex) {
  ExpectAll({
      { IntToStr(0), "0" },
      { IntToStr(-123), "-123" },
      { IntToStr(std::numeric_limits<Int64>::max()), "9223372036854775807" },
      { IntToHex(255, 4), "00FF" },
      { IntToHex(-1, 1), "FFFFFFFF" },
      { IntToHex(Int64(-2), 2), "FFFFFFFFFFFFFFFE" },
      { IntToHex(uint8_t(200), 1), "C8" },
  });
}

TEST(NumberTextTest, StrToIntAcceptsDecimalAndHexadecimalText) {
  struct TCase {
    const char* Text;
    Int64 Value;
  };
  for (auto [text, value] : std::vector<TCase> {
           { "0", 0 }, { "42", 42 }, { "-42", -42 }, { "+7", 7 }, { "007", 7 }, { "$FF", 255 }, { "0x1f", 31 },
           { "0X1F", 31 }, { "-$10", -16 }, { "2147483647", 2147483647 }, { "-2147483648", -2147483648LL },
           { "$FFFFFFFF", -1 }, { "$80000000", -2147483648LL } }) {
    EXPECT_EQ(StrToInt(text), value) << text;
    EXPECT_EQ(StrToIntDef(text, 99), value) << text;
  }
  EXPECT_EQ(StrToInt64("9223372036854775807"), std::numeric_limits<Int64>::max());
  EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<Int64>::min());
  EXPECT_EQ(StrToInt64("5000000000"), 5000000000LL);
  EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
  EXPECT_EQ(StrToInt64("$FFFFFFFF"), 4294967295LL);
}

TEST(NumberTextTest, StrToIntRejectsBadText) {
  for (const char* text : { "", " ", "12 ", " 12", "1.5", "abc", "12a", "-", "+", "$", "0x", "--1", "1e3",
                            "2147483648", "-2147483649", "$100000000", "١٢" }) {
    int value = 5;
    EXPECT_FALSE(TryStrToInt(text, value)) << text;
    EXPECT_EQ(value, 5) << text;
    EXPECT_EQ(StrToIntDef(text, 1), 1) << text;
    try {
      StrToInt(text);
      ADD_FAILURE() << "no exception for '" << text << "'";
    } catch (const EConvertError& e) {
      EXPECT_EQ(String(e.what()), "'" + String(text) + "' is not a valid integer value");
    }
  }
  EXPECT_THROW(StrToInt64("9223372036854775808"), EConvertError);
  EXPECT_EQ(StrToInt64Def("$10000000000000000", -3), -3);
}

TEST(NumberTextTest, FloatToStrGivesTheShortestGeneralForm) {
  ExpectAll({
      { FloatToStr(0), "0" },
      { FloatToStr(-0.0), "0" },
      { FloatToStr(1.5), "1.5" },
      { FloatToStr(-2), "-2" },
      { FloatToStr(0.1 + 0.2), "0.3" },
      { FloatToStr(1.0 / 3), "0.333333333333333" },
      { FloatToStr(2.0 / 3), "0.666666666666667" },
      { FloatToStr(29.97002997002997), "29.97002997003" },
      { FloatToStr(123456789012345.0), "123456789012345" },
      { FloatToStr(1e15), "1E15" },
      { FloatToStr(1.5e20), "1.5E20" },
      { FloatToStr(0.0001), "0.0001" },
      { FloatToStr(0.00001), "1E-5" },
      { FloatToStr(-1.25e-7), "-1.25E-7" },
      { FloatToStr(INFINITY), "INF" },
      { FloatToStr(std::nan("")), "NAN" },
  });
}

TEST(NumberTextTest, StrToFloatReadsDotDecimalText) {
  struct TCase {
    const char* Text;
    double Value;
  };
  for (auto [text, value] : std::vector<TCase> { { "0.71", 0.71 }, { "1.85", 1.85 }, { "-3", -3 }, { "+.5", 0.5 },
                                                  { "5.", 5 }, { " 2.5\t", 2.5 }, { "1e3", 1000 },
                                                  { "1.5E-2", 0.015 }, { "1e-400", 0 }, { "-2.5e-310", -2.5e-310 } }) {
    EXPECT_DOUBLE_EQ(StrToFloat(text), value) << text;
  }
  for (const char* text : { "", ".", "-", "1,5", "1.2.3", "e5", "1e", "1e+", "inf", "nan", "0x10", "1 2", "1e999", "- 1" }) {
    double value = 7;
    EXPECT_FALSE(TryStrToFloat(text, value)) << text;
    EXPECT_EQ(value, 7) << text;
    EXPECT_EQ(StrToFloatDef(text, 4), 4) << text;
    try {
      StrToFloat(text);
      ADD_FAILURE() << "no exception for '" << text << "'";
    } catch (const EConvertError& e) {
      EXPECT_EQ(String(e.what()), "'" + String(text) + "' is not a valid floating point value");
    }
  }
}

TEST(ArithmeticTest, MulDivRoundsHalfAwayFromZero) {
  struct TCase {
    int Number, Numerator, Denominator, Expected;
  };
  for (auto c : std::vector<TCase> { { 10, 3, 4, 8 }, { 5, 1, 2, 3 }, { -5, 1, 2, -3 }, { 5, -1, 2, -3 },
                                     { 5, 1, -2, -3 }, { 7, 1, 3, 2 }, { 200, 30, 100, 60 }, { 255, 50, 100, 128 },
                                     { 2000000000, 2, 4, 1000000000 }, { 1, 1, 0, -1 },
                                     { 2000000000, 2000000000, 1, -1 } })
    EXPECT_EQ(MulDiv(c.Number, c.Numerator, c.Denominator), c.Expected)
        << c.Number << "*" << c.Numerator << "/" << c.Denominator;
}

TEST(ArithmeticTest, RoundHalvesToEvenAndTruncDropsTheFraction) {
  EXPECT_EQ(Round(0.5), 0);
  EXPECT_EQ(Round(1.5), 2);
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(-2.5), -2);
  EXPECT_EQ(Round(2.6), 3);
  EXPECT_EQ(Trunc(-2.7), -2);
  EXPECT_EQ(Trunc(2.7), 2);
}

TEST(ArithmeticTest, RandomIsRepeatableFromItsSeed) {
  RandSeed = 12345;
  std::vector<int> first;
  for (int i = 0; i < 50; ++i) first.push_back(Random(10));
  double fraction = Random();
  RandSeed = 12345;
  for (int i = 0; i < 50; ++i) EXPECT_EQ(Random(10), first[size_t(i)]);
  EXPECT_EQ(Random(), fraction);
  for (int v : first) EXPECT_TRUE(v >= 0 && v < 10);
  EXPECT_GE(fraction, 0.0);
  EXPECT_LT(fraction, 1.0);
  EXPECT_EQ(Random(0), 0);
}

TEST(TextTest, TrimRemovesBlanksAndControlCharactersOnly) {
  ExpectAll({
      { Trim(" \t\r\n a b \x01"), "a b" },
      { Trim("   "), "" },
      { Trim("\xC2\xA0x\xC2\xA0"), "\xC2\xA0x\xC2\xA0" },
      { TrimLeft("  a  "), "a  " },
      { TrimRight("  a  "), "  a" },
      { TrimRight("视频\n"), "视频" },
  });
}

TEST(TextTest, CaseAndComparisons) {
  EXPECT_EQ(UpperCase("Mp4-é"), "MP4-é");
  EXPECT_EQ(LowerCase("AVI.WMV Ä"), "avi.wmv Ä");
  EXPECT_TRUE(SameText(".AVI", ".avi"));
  EXPECT_FALSE(SameText(".avi", ".avi "));
  EXPECT_EQ(CompareText("abc", "ABD"), -1);
  EXPECT_EQ(CompareText("ABC", "abc"), 0);
  EXPECT_EQ(CompareText("ab", "a"), 1);
  EXPECT_EQ(CompareText("_", "a"), 1);
  EXPECT_EQ(AnsiCompareText("_", "a"), -1);
  EXPECT_EQ(CompareStr("B", "a"), -1);
  EXPECT_EQ(CompareStr("a", "a"), 0);
  EXPECT_EQ(AnsiCompareText("ÄRGER", "ärger"), 0);
  EXPECT_EQ(AnsiCompareText("ПРИВЕТ", "привет"), 0);
  EXPECT_EQ(AnsiCompareText("Ёлка", "ёлка"), 0);
  EXPECT_EQ(AnsiCompareText("ΑΒΓ", "αβγ"), 0);
  EXPECT_EQ(AnsiCompareText("b", "A"), 1);
  EXPECT_EQ(AnsiCompareText("视频", "视频文件"), -1);
}

TEST(TextTest, PosCopyReplaceAndLineBreaks) {
  EXPECT_EQ(Pos("=", "key=value"), 3);
  EXPECT_EQ(Pos("x", "key=value"), -1);
  EXPECT_EQ(Pos("", "abc"), -1);
  EXPECT_EQ(Pos("a", "abca", 1), 3);
  EXPECT_EQ(Copy("abcdef", 2, 3), "cde");
  EXPECT_EQ(Copy("abc", 1, 100), "bc");
  EXPECT_EQ(Copy("abc", 5, 1), "");
  EXPECT_EQ(Copy("abc", -1, 2), "a");
  ExpectAll({
      { StringReplace("a.b.c", ".", "/", {}), "a/b.c" },
      { StringReplace("a.b.c", ".", "/", { rfReplaceAll }), "a/b/c" },
      { StringReplace("X.Avi.avi", ".AVI", ".mp4", { rfReplaceAll, rfIgnoreCase }), "X.mp4.mp4" },
      { StringReplace("X.Avi", ".AVI", ".mp4", { rfReplaceAll }), "X.Avi" },
      { StringReplace("aaa", "a", "aa", { rfReplaceAll }), "aaaaaa" },
      { StringReplace("abc", "", "x", { rfReplaceAll }), "abc" },
      { AdjustLineBreaks("a\r\nb\rc\nd\r\r\n"), "a\nb\nc\nd\n\n" },
  });
}

TEST(Utf8Test, CountingAndValidity) {
  EXPECT_EQ(CodePointCount(""), 0u);
  EXPECT_EQ(CodePointCount("a视频€😀"), 5u);
  EXPECT_EQ(CodePointCount("a\xFF" "b"), 3u);
  EXPECT_TRUE(IsValidUtf8("Zorvik视频软件 😀"));
  for (const char* bad : { "\x80", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE4\xBD",
                           "\xF8\x88\x80\x80\x80", "a\xFE" })
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
  EXPECT_EQ(ToValidUtf8("a视\xEF\x83" "b"), "a视\xEF\xBF\xBD\xEF\xBF\xBD" "b");
  EXPECT_EQ(ToValidUtf8("\xC0\xAF"), "\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(ToValidUtf8("Zorvik视频软件 😀"), "Zorvik视频软件 😀");
}

TEST(Utf8Test, ReadingEncodingAndStepping) {
  const String text = "a视\xFF😀";
  size_t i = 0;
  EXPECT_EQ(ReadCodePoint(text, i), U'a');
  EXPECT_EQ(ReadCodePoint(text, i), U'视');
  EXPECT_EQ(i, 4u);
  EXPECT_EQ(ReadCodePoint(text, i), U'\xFFFD');
  EXPECT_EQ(i, 5u);
  EXPECT_EQ(ReadCodePoint(text, i), U'😀');
  EXPECT_EQ(i, text.size());
  for (char32_t c : { U'\0', U'A', U'\x7FF', U'视', U'\xFFFF', U'\x10000', U'\x10FFFF' }) {
    String bytes = CodePointToUtf8(c);
    size_t k = 0;
    EXPECT_EQ(ReadCodePoint(bytes, k), c);
    EXPECT_EQ(k, bytes.size());
  }
  EXPECT_EQ(CodePointToUtf8(0xD800), "\xEF\xBF\xBD");
  EXPECT_EQ(CodePointToUtf8(0x110000), "\xEF\xBF\xBD");
  EXPECT_EQ(CodePointOffset(text, 2), 4u);
  EXPECT_EQ(CodePointOffset(text, 9), text.size());
  EXPECT_EQ(PrevCodePointStart(text, text.size()), 5u);
  EXPECT_EQ(PrevCodePointStart(text, 5), 4u);
  EXPECT_EQ(PrevCodePointStart(text, 4), 1u);
  EXPECT_EQ(PrevCodePointStart(text, 1), 0u);
  EXPECT_EQ(PrevCodePointStart(text, 0), 0u);
}

TEST(Utf8Test, LetterCasesMapBothWays) {
  // Every letter one function changes, the other brings back; everything else stays.
  for (char32_t c = 0; c < 0x500; ++c) {
    const char32_t lower = LowerCodePoint(c);
    if (lower != c) {
      EXPECT_EQ(UpperCodePoint(lower), c) << std::hex << unsigned(c);
    }
    const char32_t upper = UpperCodePoint(c);
    if (upper != c) {
      EXPECT_EQ(LowerCodePoint(upper), c) << std::hex << unsigned(c);
    }
  }
  for (char32_t c : { char32_t('1'), char32_t('_'), char32_t(0xD7), char32_t(0xF7), char32_t(0xDF), char32_t(0xFF), char32_t(0x3C2), char32_t(0x89C6) }) {
    EXPECT_EQ(UpperCodePoint(c), c);
    EXPECT_EQ(LowerCodePoint(c), c);
  }
}

} // namespace

namespace {

/// Numbers are written and read with "." even when the process runs in a locale that uses ",".
TEST(NumberTextTest, DecimalDotInACommaLocale) {
  const char* saved = setlocale(LC_NUMERIC, nullptr);
  const String restore = saved ? saved : "C";
  if (!setlocale(LC_NUMERIC, "de_DE.UTF-8") && !setlocale(LC_NUMERIC, "de_DE.utf8"))
    GTEST_SKIP() << "no locale with a decimal comma installed";
  const String formatted = Format("%.2f|%e|%g", 1.25, 1.5, 0.75);
  const String general = FloatToStr(2.5);
  double value = 0;
  const bool parsed = TryStrToFloat("0.71", value);
  const bool commaRefused = !TryStrToFloat("0,71", value);
  setlocale(LC_NUMERIC, restore.c_str());
  EXPECT_EQ(formatted, "1.25|1.50000000000000E+000|0.75");
  EXPECT_EQ(general, "2.5");
  EXPECT_TRUE(parsed);
  EXPECT_TRUE(commaRefused);
}

} // namespace
