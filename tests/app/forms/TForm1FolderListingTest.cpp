// The folder add's listing: the regular files directly in a folder, hidden ones included, and nothing
// that opening could block on or that is not a file.
#include <sys/stat.h>

#include <algorithm>

#include "platform/base/TStringList.h"
#include "tests/app/forms/TForm1Testing.h"

namespace {

TEST_F(TForm1Test, AFolderListsItsRegularFilesOnlyWithTheirFullPaths) {
  TForm1* Form = Start();
  const String Folder = Root + "/媒体 文件夹";
  std::filesystem::create_directories(Folder + "/sub.mkv");
  for (const char* Name : { "clip.mkv", ".hidden.mkv", "noext", "测试 视频.a.b.mkv" })
    std::ofstream(Folder + "/" + Name) << "x";
  ASSERT_EQ(mkfifo((Folder + "/pipe.mkv").c_str(), 0600), 0);
  std::filesystem::create_symlink(Folder + "/clip.mkv", Folder + "/link.mkv");
  std::filesystem::create_symlink(Folder + "/gone", Folder + "/broken.mkv");

  std::unique_ptr<TStringList> Listed = Form->GetFilenames(Folder, "*.*");
  ASSERT_NE(Listed, nullptr);
  std::vector<String> Names;
  for (int i = 0; i < Listed->Count(); ++i) Names.push_back(Listed->Strings(i));
  std::sort(Names.begin(), Names.end());
  const std::vector<String> Expected = { Folder + "/.hidden.mkv", Folder + "/clip.mkv", Folder + "/link.mkv",
                                         Folder + "/noext", Folder + "/测试 视频.a.b.mkv" };
  EXPECT_EQ(Names, Expected) << "no folder, FIFO or broken link; *.* also takes a name without extension";

  Listed = Form->GetFilenames(Folder + "/", "*.MKV");
  EXPECT_EQ(Listed->Count(), 4) << "masks ignore case; a trailing separator is not doubled";
  EXPECT_EQ(Form->GetFilenames(Root + "/missing", "*.*"), nullptr);
  EXPECT_EQ(Form->GetFilenames(Folder + "/clip.mkv", "*.*"), nullptr) << "a file is no folder";
}

}  // namespace
