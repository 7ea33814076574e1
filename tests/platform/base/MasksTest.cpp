#include <gtest/gtest.h>

#include <vector>

#include "platform/base/Masks.h"

namespace {

TEST(MasksTest, MatchesMaskTable) {
  struct TCase {
    const char* Name;
    const char* Mask;
    bool Matches;
  };
  for (const TCase& c : std::vector<TCase> {
           { "X.AVI", "*.avi", true },
           { "x.avi", "*.AVI", true },
           { "clip.avi.mp4", "*.avi", false },
           { "clip.mp4", "*.*", true },
           { "README", "*.*", false },
           { "README", "*", true },
           { "", "*", true },
           { "", "?", false },
           { "a.b", "?.?", true },
           { "ab.b", "?.?", false },
           { "视频.mkv", "??.mkv", true },
           { "视频.mkv", "?.mkv", false },
           { "ПРИВЕТ.txt", "привет.*", true },
           { "Ärger.avi", "ä*", true },
           { "movie1.mp4", "movie[0-9].mp4", true },
           { "movieX.mp4", "movie[0-9].mp4", false },
           { "movieX.mp4", "movie[!0-9].mp4", true },
           { "movie5.mp4", "movie[!0-9].mp4", false },
           { "b.txt", "[A-C].txt", true },
           { "B.txt", "[a-c].txt", true },
           { "_.txt", "[a-c_].txt", true },
           { "-.txt", "[a-].txt", true },
           { "视.txt", "[视频].txt", true },
           { "[1].txt", "[1].txt", false },
           { "1.txt", "[1].txt", true },
           { "[x", "[x", true },
           { "a[b", "a[*", true },
           { "aXbXc", "a*b*c", true },
           { "abcbd", "a*b?", true },
           { "abcbdx", "a*b?", false },
           { "mississippi", "*sip*", true },
           { "aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*c", false },
           { "x.avi", "", false },
           { "bad\xFF.avi", "*.avi", true },
       })
    EXPECT_EQ(MatchesMask(c.Name, c.Mask), c.Matches) << c.Name << " / " << c.Mask;
}

} // namespace
