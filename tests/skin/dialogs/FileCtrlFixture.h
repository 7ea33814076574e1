#pragma once
// A temporary folder tree with Chinese names for the file controls, on a shown form of the headless
// presenter:
//   视频/        片段.avi, 电影.MP4, 说明.txt, 只读.avi (read-only), .隐藏.avi (hidden)
//     子目录/深处/, 旅行 2026/, .隐藏目录/
// The tests check that the process's current folder is the same at the end.
#include <sys/stat.h>

#include <set>
#include <vector>

#include "platform/base/FileUtils.h"
#include "platform/base/TStrings.h"
#include "tests/platform/shell/ShellTestSupport.h"
#include "tests/skin/controls/SkinControlFixture.h"

class FileCtrlTest : public SkinControlTest {
protected:
  void SetUp() override {
    SkinControlTest::SetUp();
    for (const char* Folder : { "视频", "视频/子目录", "视频/子目录/深处", "视频/旅行 2026", "视频/.隐藏目录" })
      ASSERT_EQ(mkdir((Dir / Folder).c_str(), 0755), 0) << Folder;
    for (const char* File : { "片段.avi", "电影.MP4", "说明.txt", "只读.avi", ".隐藏.avi" }) WriteFile(Video + "/" + File, "x");
    ASSERT_EQ(chmod((Video + "/只读.avi").c_str(), 0444), 0);
  }
  void TearDown() override {
    EXPECT_EQ(GetCurrentDir(), StartDir) << "the current folder was changed";
    SkinControlTest::TearDown();
  }

  static std::vector<String> Lines(TStrings* S) {
    std::vector<String> L;
    for (int I = 0; I < S->Count(); ++I) L.push_back(S->Strings(I));
    return L;
  }
  static std::multiset<String> Listed(TStrings* S) {
    const std::vector<String> L = Lines(S);
    return { L.begin(), L.end() };
  }

  const String StartDir { GetCurrentDir() };
  TTempFolder Dir;
  const String Video { Dir / "视频" };
};
