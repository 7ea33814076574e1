#include <gtest/gtest.h>

#include <climits>

#include "platform/base/SysUtils.h"
#include "platform/gdi/TestFontFace.h"
#include "platform/gdi/Text.h"
#include "platform/gdi/TextLayout.h"

namespace {

// Every character of the test face advances A pixels.
class TextLayoutTest : public ::testing::Test {
protected:
  TestFontFace Face { TFaceRequest { "", -10, 400, false } };
  const int A = Face.Metrics().AveCharWidth;
  TTabStops Tabs { {}, 8 * A, 0 };

  TextLayout Lay(std::string_view Text, unsigned Flags, int Width = INT_MAX / 2) const {
    return TextLayout(Face, Text, Flags, Width, Tabs);
  }

  static String Shown(const TTextLine& Line) {
    String S;
    for (const TLaidChar& C : Line.Chars) S += CodePointToUtf8(C.Code);
    return S;
  }

  static std::vector<String> ShownLines(const TextLayout& L) {
    std::vector<String> Lines;
    for (const TTextLine& Line : L.Lines()) Lines.push_back(Shown(Line));
    return Lines;
  }

  // The shown line with each underlined character in brackets.
  static String Marked(const TTextLine& Line) {
    String S;
    for (const TLaidChar& C : Line.Chars)
      S += C.Underline ? "[" + CodePointToUtf8(C.Code) + "]" : CodePointToUtf8(C.Code);
    return S;
  }
};

TEST_F(TextLayoutTest, PrefixesResolveByFlags) {
  struct Case {
    const char* Text;
    unsigned Flags;
    const char* Expected;
  } Cases[] = {
    { "Save && Exit", 0, "Save & Exit" },
    { "Mi&nimize", 0, "Mi[n]imize" },
    { "&Yes", 0, "[Y]es" },
    { "&a&b", 0, "[a][b]" },
    { "a&&&b", 0, "a&[b]" },
    { "Mi&nimize", DT_NOPREFIX, "Mi&nimize" },
    { "a && b", DT_NOPREFIX, "a && b" },
    { "Mi&nimize", DT_HIDEPREFIX, "Minimize" },
    { "a&&b", DT_HIDEPREFIX, "a&b" },
    { "end&", 0, "end" },
    { "&输出", 0, "[输]出" },
  };
  for (const Case& C : Cases) {
    const TextLayout L = Lay(C.Text, C.Flags | DT_SINGLELINE);
    ASSERT_EQ(L.Lines().size(), 1u) << C.Text;
    EXPECT_EQ(Marked(L.Lines()[0]), C.Expected) << C.Text << " flags " << C.Flags;
  }
}

TEST_F(TextLayoutTest, EachLineBreakFormBreaksOnce) {
  struct Case {
    const char* Text;
    unsigned Flags;
    std::vector<String> Lines;
  } Cases[] = {
    { "a\nb", 0, { "a", "b" } },
    { "a\r\nb", 0, { "a", "b" } },
    { "a\n\rb", 0, { "a", "b" } },
    { "a\rb", 0, { "a", "b" } },
    { "a\r\rb", 0, { "a", "", "b" } },
    { "a\n\nb", 0, { "a", "", "b" } },
    { "a\r\n\nb", 0, { "a", "", "b" } },
    { "a\n", 0, { "a", "" } },
    { "", 0, {} },
    { "a\nb", DT_SINGLELINE, { "ab" } },
    { "a\x01\x7F" "b", 0, { "ab" } },
  };
  for (const Case& C : Cases) {
    const TextLayout L = Lay(C.Text, C.Flags);
    EXPECT_EQ(ShownLines(L), C.Lines) << testing::PrintToString(C.Text);
    EXPECT_EQ(L.Height(), int(C.Lines.size()) * Face.Metrics().Height);
  }
}

TEST_F(TextLayoutTest, WordBreakWrapsWithinTheWidth) {
  struct Case {
    const char* Text;
    int WidthChars;
    std::vector<String> Lines;
  } Cases[] = {
    { "aaa bbb ccc", 7, { "aaa bbb", "ccc" } },
    { "aaa bbb ccc", 6, { "aaa", "bbb", "ccc" } },
    { "aaa   bbb", 4, { "aaa", "bbb" } },
    { "abcdefghij", 4, { "abcd", "efgh", "ij" } },
    { "ab abcdefgh", 4, { "ab", "abcd", "efgh" } },
    { "输出目录文件", 4, { "输出目录", "文件" } },
    { "输出，目录", 2, { "输", "出，", "目录" } },
    { "ab\ncd ef", 3, { "ab", "cd", "ef" } },
    { "abc", 0, { "a", "b", "c" } },
  };
  for (const Case& C : Cases) {
    const int Width = C.WidthChars * A;
    const TextLayout L = Lay(C.Text, DT_WORDBREAK, Width);
    EXPECT_EQ(ShownLines(L), C.Lines) << C.Text;
    for (const TTextLine& Line : L.Lines()) {
      if (Line.Chars.size() > 1) {
        EXPECT_LE(Line.Width, Width) << C.Text;
      }
    }
  }
  EXPECT_EQ(ShownLines(Lay("aaa bbb ccc", DT_WORDBREAK | DT_SINGLELINE, 3 * A)),
            std::vector<String>({ "aaa bbb ccc" }));
}

TEST_F(TextLayoutTest, EllipsesShortenOnlyOverWideLines) {
  struct Case {
    const char* Text;
    unsigned Flags;
    int WidthChars;
    const char* Expected;
  } Cases[] = {
    { "abcdefghij", DT_END_ELLIPSIS, 10, "abcdefghij" },
    { "abcdefghij", DT_END_ELLIPSIS, 9, "abcdef..." },
    { "abcdefghij", DT_END_ELLIPSIS, 2, "..." },
    { "/home/user/videos/clip.wmv", DT_PATH_ELLIPSIS, 26, "/home/user/videos/clip.wmv" },
    { "/home/user/videos/clip.wmv", DT_PATH_ELLIPSIS, 20, "/home/us.../clip.wmv" },
    { "/home/user/videos/clip.wmv", DT_PATH_ELLIPSIS, 5, ".../clip.wmv" },
    { "clip-without-folder.wmv", DT_PATH_ELLIPSIS, 10, "clip-wi..." },
    { "/clip.wmv", DT_PATH_ELLIPSIS, 6, "/cl..." },
    { "abcdefghij", DT_END_ELLIPSIS | DT_CALCRECT, 2, "abcdefghij" },
  };
  for (const Case& C : Cases) {
    const TextLayout L = Lay(C.Text, C.Flags | DT_SINGLELINE, C.WidthChars * A);
    ASSERT_EQ(L.Lines().size(), 1u);
    EXPECT_EQ(Shown(L.Lines()[0]), C.Expected) << C.Text << " in " << C.WidthChars;
  }
}

TEST_F(TextLayoutTest, TabsExpandToStopsOnlyWhenAsked) {
  const TextLayout Expanded = Lay("a\tb", DT_EXPANDTABS | DT_SINGLELINE);
  EXPECT_EQ(Expanded.Lines()[0].Chars[2].X, 8 * A);
  const TextLayout Plain = Lay("a\tb", DT_SINGLELINE);
  EXPECT_EQ(Plain.Lines()[0].Chars[2].X, A);

  struct Case {
    TTabStops Stops;
    int X, Next;
  } Cases[] = {
    { { {}, 40, 0 }, 0, 40 },
    { { {}, 40, 0 }, 40, 80 },
    { { {}, 40, 15 }, 0, 25 },
    { { { 30, 50 }, 40, 0 }, 10, 30 },
    { { { 30, 50 }, 40, 0 }, 30, 50 },
    { { { 30, 50 }, 40, 0 }, 55, 80 },
    { { { 30, 50 }, 40, 10 }, 25, 40 },
  };
  for (const Case& C : Cases) EXPECT_EQ(C.Stops.Next(C.X), C.Next) << C.X;
}

}  // namespace
