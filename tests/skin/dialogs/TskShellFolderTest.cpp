// Shell folder objects: the item-ID helpers, names, attributes and details of items in a temporary folder,
// root creation, renaming, and the context menu's hand-back to the control that showed it.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/shell/ShellFileInfo.h"
#include "platform/shell/ShellNamespace.h"
#include "platform/shell/TShellContextMenu.h"
#include "platform/ui/toolkit/TCustomControl.h"
#include "skin/dialogs/TskShellFolder.h"
#include "skin/dialogs/skShellContextMenu.h"
#include "tests/platform/shell/ShellTestSupport.h"
#include "tests/platform/shell/TRecordingShellOpenService.h"
#include "tests/platform/ui/AppFixture.h"

namespace {

TItemIDListPtr Parse(const String& Path) {
  return SHGetDesktopFolder()->ParseDisplayName(Path);
}

std::unique_ptr<TskShellFolder> RootAt(const String& Path) {
  TItemIDListPtr id = Parse(Path);
  return id ? CreateRootFromItemIDList(id.get()) : nullptr;
}

/// The child Name of Parent as a view makes it.
std::unique_ptr<TskShellFolder> ChildOf(TskShellFolder& Parent, const String& Name) {
  TItemIDListPtr id = Parent.ShellFolder()->ParseDisplayName(Name);
  if (!id) return nullptr;
  return std::make_unique<TskShellFolder>(&Parent, id.get(), BindItemFolder(Parent.ShellFolder(), id.get()));
}

/// A folder that answers one display name and reports every item as a folder.
class TFakeFolder : public IShellFolder {
public:
  explicit TFakeFolder(std::vector<String> Names) : FNames(std::move(Names)) {}
  TItemIDListPtr ParseDisplayName(const String&) override { return nullptr; }
  bool EnumObjects(uint32_t, std::vector<TItemIDListPtr>&) override { return false; }
  std::shared_ptr<IShellFolder> BindToObject(PCItemIDList) override { return nullptr; }
  int CompareIDs(int, PCItemIDList, PCItemIDList) override { return 0; }
  uint32_t GetAttributesOf(PCItemIDList, uint32_t Mask) override { return Mask & SFGAO_FOLDER; }
  bool GetDisplayNameOf(PCItemIDList, uint32_t Flags, String& Name) override {
    Asked.push_back(Flags);
    Name = FNames[std::min(Asked.size(), FNames.size()) - 1];
    return true;
  }
  std::shared_ptr<IContextMenu> GetUIObjectOf(HWND, PCItemIDList) override { return nullptr; }
  TItemIDListPtr SetNameOf(PCItemIDList, const String&) override { return nullptr; }

  std::vector<uint32_t> Asked;

private:
  std::vector<String> FNames;
};

class ShellFolderTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(mkdir((Dir / "a").c_str(), 0755), 0);
    ASSERT_EQ(mkdir((Dir / "a/b").c_str(), 0755), 0);
    WriteFile(Dir / "clip.avi", String(3000, 'v'));
    WriteFile(Dir / "arch.zip", "z");
  }
  TTempFolder Dir;
};

TEST_F(ShellFolderTest, ItemIDHelpersCountJoinCutAndSplitLists) {
  TItemIDListPtr b = Parse(Dir / "a/b");
  ASSERT_TRUE(b);
  const int count = ItemIDCount(b.get());
  EXPECT_GE(count, 4) << "Computer, the volume, then one item per folder";
  EXPECT_EQ(ItemIDCount(nullptr), 0);
  EXPECT_EQ(ItemIDListSize(nullptr), 0u);
  TItemIDListPtr desktop = DesktopItemIDList();
  EXPECT_EQ(ItemIDListSize(desktop.get()), 2u) << "the empty list is its terminator";

  TItemIDListPtr last = LastItemIDCopy(b.get());
  EXPECT_EQ(ItemIDCount(last.get()), 1);
  TItemIDListPtr parent = CopyItemIDList(b.get());
  RemoveLastItemID(parent.get());
  EXPECT_EQ(ItemIDCount(parent.get()), count - 1);
  EXPECT_TRUE(SameItemIDList(parent.get(), Parse(Dir / "a").get()));
  TItemIDListPtr joined = JoinItemIDLists(parent.get(), last.get());
  EXPECT_EQ(ItemIDListSize(joined.get()), ItemIDListSize(b.get()));
  EXPECT_TRUE(SameItemIDList(joined.get(), b.get()));
  EXPECT_TRUE(SameItemIDList(JoinItemIDLists(nullptr, b.get()).get(), b.get())) << "a null first list";
  RemoveLastItemID(desktop.get());
  EXPECT_EQ(ItemIDCount(desktop.get()), 0) << "nothing to cut from the empty list";

  std::vector<TItemIDListPtr> ancestors = ItemIDAncestors(b.get());
  ASSERT_EQ(int(ancestors.size()), count);
  EXPECT_EQ(ItemIDCount(ancestors.front().get()), 0) << "the desktop first";
  EXPECT_TRUE(SameItemIDList(ancestors[1].get(), SHGetSpecialFolderLocation(CSIDL_DRIVES).get()));
  EXPECT_TRUE(SameItemIDList(ancestors.back().get(), Parse(Dir / "a").get()));
  EXPECT_TRUE(ItemIDAncestors(DesktopItemIDList().get()).empty());

  EXPECT_EQ(ObjectTypesToEnumFlags({ otFolders }), 0x20u);
  EXPECT_EQ(ObjectTypesToEnumFlags({ otFolders, otNonFolders, otHidden }), 0xE0u);
}

TEST_F(ShellFolderTest, ItemsAnswerNamesPathsAttributesAndDetails) {
  const String bad = "bad\xff name.mp4";  // not UTF-8
  WriteFile(Dir / bad, String(1500, 'x'));
  const time_t modified = 1700000000;
  const timespec times[2] = { { modified, 0 }, { modified, 0 } };
  ASSERT_EQ(utimensat(AT_FDCWD, (Dir / "clip.avi").c_str(), times, 0), 0);

  std::unique_ptr<TskShellFolder> root = RootAt(Dir.Path());
  ASSERT_TRUE(root);
  EXPECT_EQ(root->PathName(), Dir.Path());
  EXPECT_EQ(root->Level(), 0);
  EXPECT_EQ(root->Parent(), DesktopFolderObject());
  EXPECT_TRUE(root->IsFolder());
  EXPECT_TRUE(root->SubFolders());

  auto clip = ChildOf(*root, "clip.avi");
  auto folder = ChildOf(*root, "a");
  auto zip = ChildOf(*root, "arch.zip");
  auto odd = ChildOf(*root, bad);
  ASSERT_TRUE(clip && folder && zip && odd);
  EXPECT_EQ(clip->DisplayName(), "clip.avi");
  EXPECT_EQ(clip->FullObjectName(), Dir / "clip.avi");
  EXPECT_EQ(clip->Level(), 1);
  EXPECT_FALSE(clip->IsFolder());
  EXPECT_TRUE(folder->IsFolder());
  EXPECT_TRUE(folder->SubFolders());
  EXPECT_FALSE(ChildOf(*folder, "b")->SubFolders());
  EXPECT_FALSE(zip->IsFolder());
  EXPECT_TRUE(clip->Capabilities().Contains(fcCanRename));
  EXPECT_TRUE(clip->Properties().Contains(fpFileSystem));
  EXPECT_FALSE(clip->Properties().Contains(fpIsLink));
  EXPECT_NE(clip->ImageIndex(false), folder->ImageIndex(false));

  struct stat st {};
  EXPECT_EQ(stat(odd->PathName().c_str(), &st), 0) << "the raw name bytes survive";
  EXPECT_EQ(st.st_size, 1500);

  EXPECT_THROW(clip->DetailText(1), Exception) << "before LoadColumnDetails";
  clip->LoadColumnDetails(root.get(), 0, 4);
  EXPECT_EQ(clip->DetailText(1), "3 KB");
  EXPECT_EQ(clip->DetailText(2), "AVI file");
  EXPECT_EQ(clip->DetailText(3), ShellTimeText(modified));
  EXPECT_NE(clip->DetailText(4).find(':'), String::npos) << "a time: the list's column sort relies on it";

  const TFindData data = clip->ReadFindData();
  EXPECT_EQ(data.Size, 3000);
  EXPECT_EQ(data.FileName, "clip.avi");
  EXPECT_TRUE(data.Attributes & FILE_ATTRIBUTE_ARCHIVE);
  std::unique_ptr<TskShellFolder> computer = CreateRootFromItemIDList(SHGetSpecialFolderLocation(CSIDL_DRIVES).get());
  EXPECT_EQ(computer->DisplayName(), "Computer");
  EXPECT_EQ(computer->PathName(), "Computer") << "a virtual item's parsing name is asked again in the normal form";
  EXPECT_EQ(computer->FullObjectName(), "");
  try {
    computer->ReadFindData();
    ADD_FAILURE() << "Computer has no find data";
  } catch (const EInvalidPath& E) {
    EXPECT_TRUE(E.Message.starts_with("Unable to retrieve folder details for \"Computer\". Error code $")) << E.Message;
  }
  EXPECT_FALSE(computer->Rename("x")) << "no rename capability: refused silently";
}

TEST_F(ShellFolderTest, DisplayTextDropsQuestionMarksOnlyBeforeADigit) {
  const std::vector<std::pair<String, String>> cases {
    { "?12abc", "12abc" }, { "?1?2", "12" }, { "?", "?" }, { "?a", "?a" }, { "plain", "plain" },
  };
  for (const auto& [shown, expected] : cases) {
    TFakeFolder folder({ shown });
    EXPECT_EQ(ItemDisplayText(&folder, nullptr, SHGDN_INFOLDER), expected) << shown;
  }
  TFakeFolder virtualItem({ "::{Thing}", "Thing" });
  EXPECT_EQ(ItemDisplayText(&virtualItem, nullptr, SHGDN_FORPARSING), "Thing");
  EXPECT_EQ(virtualItem.Asked, (std::vector<uint32_t> { SHGDN_FORPARSING, SHGDN_NORMAL }));
  EXPECT_EQ(ItemDisplayText(nullptr, nullptr, 0), "parentfolder = nil");
}

TEST_F(ShellFolderTest, AZipArchiveIsNoFolderEvenWhenItsFolderSaysSo) {
  // A parent whose folder reports every item as a folder, as archive-browsing shells do.
  TItemIDListPtr id = Parse(Dir.Path());
  TskShellFolder parent(nullptr, id.get(), std::make_shared<TFakeFolder>(std::vector<String> { "x" }));
  TItemIDListPtr zipID = SHGetDesktopFolder()->BindToObject(id.get())->ParseDisplayName("arch.zip");
  TItemIDListPtr aviID = SHGetDesktopFolder()->BindToObject(id.get())->ParseDisplayName("clip.avi");
  EXPECT_FALSE(TskShellFolder(&parent, zipID.get(), nullptr).IsFolder());
  EXPECT_TRUE(TskShellFolder(&parent, aviID.get(), nullptr).IsFolder()) << "only .zip is overruled";
}

TEST_F(ShellFolderTest, CreateRootFolderTakesSpecialNamesAndPathsAndKeepsTheOldRootOnFailure) {
  TRoot root = "rfMyComputer";
  EXPECT_EQ(CreateRootFolder("rfDesktop", root)->DisplayName(), "Computer");
  root = Dir / "a";
  EXPECT_EQ(CreateRootFolder("rfDesktop", root)->PathName(), Dir / "a");
  root = "rfDesktop";
  EXPECT_EQ(ItemIDCount(CreateRootFolder("", root)->AbsoluteID()), 0);

  for (const String& bad : { String(), Dir / "missing", String("rfPrinters") }) {
    root = bad;
    try {
      CreateRootFolder("rfDesktop", root);
      ADD_FAILURE() << bad;
    } catch (const Exception& E) {
      EXPECT_EQ(E.Message, "Error setting path: \"" + bad + "\"");
      EXPECT_EQ(root, "rfDesktop") << "the old root text is back";
    }
  }
}

TEST_F(ShellFolderTest, RenameUpdatesBothListsOrRaisesWhenRefused) {
  std::unique_ptr<TskShellFolder> root = RootAt(Dir / "a");
  WriteFile(Dir / "a/old.txt", "o");
  WriteFile(Dir / "a/taken.txt", "t");
  auto item = ChildOf(*root, "old.txt");
  ASSERT_TRUE(item->Rename("新名字.txt"));
  EXPECT_EQ(item->DisplayName(), "新名字.txt");
  EXPECT_EQ(item->PathName(), Dir / "a/新名字.txt") << "the absolute list still starts at the desktop";
  EXPECT_TRUE(FileExists(Dir / "a/新名字.txt"));
  try {
    item->Rename("taken.txt");
    ADD_FAILURE();
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message, "Rename to taken.txt failed");
  }
  EXPECT_EQ(item->DisplayName(), "新名字.txt");
  EXPECT_TRUE(item->Rename("新名字.txt")) << "keeping the name is no rename and no error";
  EXPECT_TRUE(FileExists(Dir / "a/新名字.txt"));
}

// ---- Context menu ----------------------------------------------------------------------------------------

/// A control that takes the shell's verbs back and logs them.
class TSinkControl : public TCustomControl, public IbsShellCommandSink {
public:
  using TCustomControl::TCustomControl;
  void ExecuteCommand(const String& Verb, bool& Handled) override {
    Log.push_back("execute " + Verb);
    Handled = Verb == "rename";
  }
  void CommandCompleted(const String& Verb, bool Succeeded) override {
    Log.push_back("completed " + Verb + (Succeeded ? " ok" : " failed"));
  }
  std::vector<String> Log;
};

class ShellCommandSinkTest : public AppTest {
protected:
  void SetUp() override {
    AppTest::SetUp();
    IShellOpenService::SetCurrent(&Opener);
    Form = NewForm(Bounds(100, 100, 300, 200));
    Form->Show();
    Control = Place<TSinkControl>(Form, Form, Bounds(10, 10, 100, 100));
    WriteFile(Dir / "clip.avi", "v");
    Root = RootAt(Dir.Path());
    Item = ChildOf(*Root, "clip.avi");
  }
  void TearDown() override {
    SetPopupMenuTracker(nullptr);
    IShellOpenService::SetCurrent(nullptr);
    AppTest::TearDown();
  }
  /// Makes the tracker choose the entry of Verb (none for -1), and record where it was shown.
  void Choose(int Verb) {
    SetPopupMenuTracker([this, Verb](HMENU Menu, UINT, TPoint At, HWND) -> UINT {
      ShownAt = At;
      Active = ActiveContextMenu2() != nullptr;
      for (int i = 0; i < GetMenuItemCount(Menu); ++i) {
        TMenuEntry entry;
        GetMenuEntry(Menu, i, entry);
        if (entry.ID && int(entry.ID) == Verb + 1) return entry.ID;  // commands are numbered from 1
      }
      return 0;
    });
  }

  TTempFolder Dir;
  TRecordingShellOpenService Opener;
  TForm* Form { nullptr };
  TSinkControl* Control { nullptr };
  std::unique_ptr<TskShellFolder> Root;
  std::unique_ptr<TskShellFolder> Item;
  TPoint ShownAt;
  bool Active { false };
};

TEST_F(ShellCommandSinkTest, TheControlTakesRenameAndOpenRunsInTheItemsFolder) {
  Choose(TShellContextMenu::vRename);
  InvokeShellContextMenu(Control, Item.get(), 5, 6);
  EXPECT_EQ(ShownAt, Control->ClientToScreen({ 5, 6 }));
  EXPECT_TRUE(Active) << "the menu is the active one while it is tracked";
  EXPECT_EQ(ActiveContextMenu2(), nullptr);
  EXPECT_EQ(Control->Log, (std::vector<String> { "execute rename", "completed rename ok" }));

  Control->Log.clear();
  char before[4096];
  ASSERT_TRUE(getcwd(before, sizeof before));
  Choose(TShellContextMenu::vOpen);
  InvokeShellContextMenu(Control, Item.get(), 5, 6);
  EXPECT_EQ(Control->Log, (std::vector<String> { "execute open", "completed open ok" }));
  ASSERT_EQ(Opener.Requests.size(), 1u);
  EXPECT_EQ(Opener.Requests[0].Target, Dir / "clip.avi");
  EXPECT_EQ(Opener.Requests[0].WorkingDir, Dir.Path());
  char after[4096];
  ASSERT_TRUE(getcwd(after, sizeof after));
  EXPECT_STREQ(before, after) << "the process's current folder never changes";

  Control->Log.clear();
  Choose(-1);
  InvokeShellContextMenu(Control, Item.get(), 5, 6);
  InvokeShellContextMenu(Control, nullptr, 5, 6);
  EXPECT_TRUE(Control->Log.empty()) << "no choice, no item: no command";
}

}  // namespace
