// The context menu of namespace items: the verbs offered per item, tracking through the installed tracker,
// open through the shell-open service, delete with and without asking, properties in a box.
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <deque>

#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/shell/IShellFolder.h"
#include "platform/shell/PopupMenuCalls.h"
#include "platform/shell/ShellFileInfo.h"
#include "platform/shell/ShellMessageBox.h"
#include "platform/shell/ShellNamespace.h"
#include "platform/ui/toolkit/TCustomLabel.h"
#include "tests/platform/shell/ShellTestSupport.h"
#include "tests/platform/shell/TRecordingShellOpenService.h"
#include "tests/platform/ui/AppFixture.h"

namespace {

CMINVOKECOMMANDINFO Invoke(std::variant<UINT, String> Verb, DWORD Mask = 0) {
  CMINVOKECOMMANDINFO info;
  info.fMask = Mask;
  info.lpVerb = std::move(Verb);
  return info;
}

bool Exists(const String& Path) {
  struct stat st {};
  return lstat(Path.c_str(), &st) == 0;
}

// A folder holding a video, a folder with a text file in it, and a link to that folder.
class ShellContextMenuTest : public AppTest {
protected:
  void SetUp() override {
    AppTest::SetUp();
    WriteFile(Root / "clip.avi", "video");
    ASSERT_EQ(mkdir((Root / "sub").c_str(), 0755), 0);
    WriteFile(Root / "sub/inside.txt", "kept");
    ASSERT_EQ(symlink((Root / "sub").c_str(), (Root / "link").c_str()), 0);
    IShellOpenService::SetCurrent(&Opener);
  }
  void TearDown() override {
    IShellOpenService::SetCurrent(nullptr);
    SetPopupMenuTracker(nullptr);
    FAnswers.clear();
    while (HandOversPending()) CheckSynchronize();
    AppTest::TearDown();
  }

  /// The context menu of the item at the path Relative below the fixture folder.
  std::shared_ptr<IContextMenu> MenuOf(const String& Relative) {
    const std::shared_ptr<IShellFolder> desktop = SHGetDesktopFolder();
    std::shared_ptr<IShellFolder> folder = desktop->BindToObject(desktop->ParseDisplayName(Root.Path()).get());
    const TItemIDListPtr id = folder->ParseDisplayName(Relative);
    return id ? folder->GetUIObjectOf(0, id.get()) : nullptr;
  }

  /// What Menu puts into a new popup menu: "command:verb" per entry ("*" after the default), "-" per
  /// separator.
  static std::vector<String> Offered(IContextMenu& Menu, UINT Flags, UINT First = 1, UINT Last = 0x7FFF) {
    const HMENU popup = CreatePopupMenu();
    const int taken = Menu.QueryContextMenu(popup, 0, First, Last, Flags);
    std::vector<String> offered;
    for (int position = 0; position < GetMenuItemCount(popup); ++position) {
      TMenuEntry entry;
      GetMenuEntry(popup, position, entry);
      String verb = "?";
      if (entry.Flags & MF_SEPARATOR) verb = "-";
      else Menu.GetCommandString(entry.ID - First, GCS_VERBA, verb);
      offered.push_back(verb == "-" ? verb : Format("%u:%s%s", entry.ID, verb, entry.Flags & MF_DEFAULT ? "*" : ""));
    }
    offered.push_back(Format("taken %d", taken));
    DestroyMenu(popup);
    return offered;
  }

  /// Answers the boxes that open next, in order: each whose caption contains the given text is
  /// answered with the given button, its caption and text kept in Boxes.
  void AnswerBoxes(std::deque<std::pair<String, int>> Answers) {
    FAnswers = std::move(Answers);
    Later([this] { AnswerNext(); });
  }

  TTempFolder Root;
  TRecordingShellOpenService Opener;
  std::vector<String> Boxes;

private:
  /// The open box's text; the box is a form whose one label holds it.
  static String BoxText(TCustomForm* Box) {
    for (int i = 0; i < Box->ControlCount(); ++i)
      if (auto* label = dynamic_cast<TCustomLabel*>(Box->Controls(i))) return label->Caption();
    return {};
  }
  void AnswerNext() {
    if (FAnswers.empty()) return;
    TCustomForm* box = Screen->ActiveForm();
    if (box && box->Caption().find(FAnswers.front().first) != String::npos) {
      Boxes.push_back(box->Caption() + ": " + BoxText(box));
      box->SetModalResult(FAnswers.front().second);
      FAnswers.pop_front();
    }
    if (!FAnswers.empty()) Later([this] { AnswerNext(); });  // the next box opens after this one closed
  }

  std::deque<std::pair<String, int>> FAnswers;
};

TEST_F(ShellContextMenuTest, ItemsOfferTheVerbsTheyAllow) {
  struct TCase {
    String Item;
    UINT Flags;
    UINT First, Last;
    std::vector<String> Offered;
  };
  const std::vector<TCase> cases {
    { "clip.avi", CMF_EXPLORE | CMF_CANRENAME, 1, 0x7FFF,
      { "1:open*", "-", "3:delete", "2:rename", "-", "4:properties", "taken 4" } },
    // Rename only for callers that rename in place.
    { "sub", CMF_EXPLORE, 1, 0x7FFF, { "1:open*", "-", "3:delete", "-", "4:properties", "taken 4" } },
    { "sub/inside.txt", CMF_CANRENAME, 100, 102, { "100:open*", "-", "102:delete", "101:rename", "taken 3" } },
  };
  for (const TCase& c : cases) {
    auto menu = MenuOf(c.Item);
    ASSERT_TRUE(menu) << c.Item;
    EXPECT_EQ(Offered(*menu, c.Flags, c.First, c.Last), c.Offered) << c.Item;
  }

  // A volume can be opened and shown, never renamed or deleted; Computer and the desktop have no menu.
  const std::shared_ptr<IShellFolder> desktop = SHGetDesktopFolder();
  auto volume = desktop->GetUIObjectOf(0, desktop->ParseDisplayName("/").get());
  ASSERT_TRUE(volume);
  EXPECT_EQ(Offered(*volume, CMF_CANRENAME), (std::vector<String> { "1:open*", "-", "4:properties", "taken 4" }));
  EXPECT_FALSE(desktop->GetUIObjectOf(0, SHGetSpecialFolderLocation(CSIDL_DRIVES).get()));
  EXPECT_FALSE(desktop->GetUIObjectOf(0, SHGetSpecialFolderLocation(CSIDL_DESKTOP).get()));
  EXPECT_EQ(MenuOf("clip.avi")->QueryContextMenu(HMENU(999999), 0, 1, 0x7FFF, 0), -1) << "no such menu";
}

TEST_F(ShellContextMenuTest, TheTrackedChoiceOpensTheItemInItsOwnFolder) {
  auto menu = MenuOf("sub/inside.txt");
  const HMENU popup = CreatePopupMenu();
  menu->QueryContextMenu(popup, 0, 1, 0x7FFF, CMF_EXPLORE | CMF_CANRENAME);
  TPoint at;
  HWND owner = 0;
  SetPopupMenuTracker([&](HMENU Menu, UINT, TPoint At, HWND Owner) {
    at = At;
    owner = Owner;
    TMenuEntry first;
    GetMenuEntry(Menu, 0, first);
    return first.ID;
  });
  const UINT command = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, 30, 40, 0, HWND(7), nullptr);
  DestroyMenu(popup);
  EXPECT_EQ(command, 1u);
  EXPECT_EQ(at, (TPoint { 30, 40 }));
  EXPECT_EQ(owner, HWND(7));

  String verb;
  ASSERT_TRUE(menu->GetCommandString(command - 1, GCS_VERBA, verb));
  EXPECT_EQ(verb, "open");
  EXPECT_TRUE(menu->InvokeCommand(Invoke(command - 1)));
  EXPECT_TRUE(MenuOf("sub")->InvokeCommand(Invoke(String("Open"))));
  EXPECT_EQ(Opener.Requests, (std::vector<TRecordingShellOpenService::TRequest> {
                                 { Root / "sub/inside.txt", Root / "sub" },
                                 { Root / "sub", Root.Path() },
                             }));

  Opener.Result = false;
  EXPECT_FALSE(menu->InvokeCommand(Invoke(String("open")))) << "an opener that cannot start fails the verb";
  EXPECT_FALSE(menu->InvokeCommand(Invoke(String("explore"))));
  EXPECT_FALSE(menu->InvokeCommand(Invoke(UINT(4))));
  EXPECT_FALSE(menu->InvokeCommand(Invoke(String("rename")))) << "renaming is the view's, in place";
  EXPECT_EQ(ReadFile(Root / "sub/inside.txt"), "kept");
}

TEST_F(ShellContextMenuTest, TrackingAnswersOnlyCommandsTheMenuOffers) {
  const HMENU popup = CreatePopupMenu();
  InsertMenu(popup, 0, MF_BYPOSITION | MF_STRING, 5, "Five");
  InsertMenu(popup, 0, MF_BYPOSITION | MF_STRING | MF_DEFAULT, 4, "Four");
  InsertMenu(popup, 1, MF_BYPOSITION | MF_SEPARATOR, 0, String());
  InsertMenu(popup, 99, MF_BYPOSITION | MF_GRAYED | MF_DEFAULT, 6, "Six");
  std::vector<TMenuEntry> entries(4);
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(GetMenuEntry(popup, i, entries[size_t(i)]));
  EXPECT_EQ(entries, (std::vector<TMenuEntry> {
                         { 4, "Four", MF_STRING }, { 0, "", MF_SEPARATOR }, { 5, "Five", MF_STRING },
                         { 6, "Six", MF_GRAYED | MF_DEFAULT } }))
      << "one default at a time";

  EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 0, 0, 0, 0, nullptr), 0u) << "no tracker installed";
  UINT answer = 0;
  SetPopupMenuTracker([&](HMENU, UINT, TPoint, HWND) { return answer; });
  // A greyed entry, a command the menu does not hold and no choice all answer 0.
  for (const auto& [chosen, returned] : std::vector<std::pair<UINT, UINT>> { { 5, 5 }, { 6, 0 }, { 9, 0 }, { 0, 0 } }) {
    answer = chosen;
    EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 0, 0, 0, 0, nullptr), returned) << chosen;
  }
  SetPopupMenuTracker([&](HMENU Menu, UINT, TPoint, HWND) {
    DestroyMenu(Menu);
    return 5u;
  });
  EXPECT_EQ(TrackPopupMenu(popup, TPM_RETURNCMD, 0, 0, 0, 0, nullptr), 0u) << "destroyed while shown";
  EXPECT_EQ(GetMenuItemCount(popup), -1);
  EXPECT_FALSE(InsertMenu(popup, 0, MF_BYPOSITION, 1, "x"));
  EXPECT_FALSE(DestroyMenu(popup));
}

TEST_F(ShellContextMenuTest, DeleteRemovesTheItemAndALinkWithoutItsTarget) {
  for (const String& item : { String("clip.avi"), String("link"), String("sub") }) {
    auto menu = MenuOf(item);
    ASSERT_TRUE(menu) << item;
    EXPECT_TRUE(menu->InvokeCommand(Invoke(String("delete"), CMIC_MASK_FLAG_NO_UI))) << item;
    EXPECT_FALSE(Exists(Root / item)) << item;
    if (item == "link") {
      EXPECT_EQ(ReadFile(Root / "sub/inside.txt"), "kept") << "the link's target stays";
    }
  }
  EXPECT_TRUE(Boxes.empty());

  WriteFile(Root / "gone.txt", "");
  auto gone = MenuOf("gone.txt");
  ASSERT_EQ(unlink((Root / "gone.txt").c_str()), 0);
  EXPECT_FALSE(gone->InvokeCommand(Invoke(String("delete"), CMIC_MASK_FLAG_NO_UI)));
}

TEST_F(ShellContextMenuTest, DeleteNeverReachesIntoAVolumeMountedInTheTree) {
  ASSERT_EQ(mkdir((Root / "sub/volume").c_str(), 0755), 0);
  auto folder = MenuOf("sub");
  auto mountPoint = MenuOf("sub/volume");
  // The volume is mounted by a child process in a mount namespace of its own: no one else sees it, and it
  // goes with the child.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("none", (Root / "sub/volume").c_str(), "tmpfs", 0, nullptr) != 0)
      _exit(77);
    WriteFile(Root / "sub/volume/data", "precious");
    const CMINVOKECOMMANDINFO remove = Invoke(String("delete"), CMIC_MASK_FLAG_NO_UI);
    if (folder->InvokeCommand(remove) || mountPoint->InvokeCommand(remove)) _exit(1);
    _exit(ReadFile(Root / "sub/volume/data") == "precious" && Exists(Root / "sub/inside.txt") ? 0 : 2);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no mount namespace to be had";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: a delete was reported done, 2: something was removed";
}

TEST_F(ShellContextMenuTest, DeleteAsksFirstAndShowsWhyItFailed) {
  auto clip = MenuOf("clip.avi");
  AnswerBoxes({ { "确认删除", IDNO } });
  EXPECT_FALSE(clip->InvokeCommand(Invoke(String("delete"))));
  EXPECT_TRUE(Exists(Root / "clip.avi")) << "declined";

  auto folder = MenuOf("sub");
  AnswerBoxes({ { "确认删除", IDYES } });
  EXPECT_TRUE(folder->InvokeCommand(Invoke(String("delete"))));
  EXPECT_FALSE(Exists(Root / "sub"));

  ASSERT_EQ(unlink((Root / "clip.avi").c_str()), 0);
  AnswerBoxes({ { "确认删除", IDYES }, { "错误", IDOK } });
  EXPECT_FALSE(clip->InvokeCommand(Invoke(String("delete"))));
  EXPECT_EQ(Boxes, (std::vector<String> {
                       "确认删除: 确实要永久删除“clip.avi”吗？",
                       "确认删除: 确实要永久删除文件夹“sub”及其中的全部内容吗？",
                       "确认删除: 确实要永久删除“clip.avi”吗？",
                       "错误: 无法删除“clip.avi”：No such file or directory",
                   }));
}

TEST_F(ShellContextMenuTest, PropertiesShowTheItemInAnInformationBox) {
  WriteFile(Root / "sub/big.mkv", String(3000, 'x'));
  const Int64 stamp = 1700000000;
  const utimbuf times { time_t(stamp), time_t(stamp) };
  ASSERT_EQ(utime((Root / "sub/big.mkv").c_str(), &times), 0);
  AnswerBoxes({ { "big.mkv 属性", IDOK }, { "sub 属性", IDOK } });
  EXPECT_TRUE(MenuOf("sub/big.mkv")->InvokeCommand(Invoke(String("properties"))));
  EXPECT_TRUE(MenuOf("sub")->InvokeCommand(Invoke(UINT(3))));
  ASSERT_EQ(Boxes.size(), 2u);
  EXPECT_EQ(Boxes[0], "big.mkv 属性: 名称：big.mkv\n类型：MKV file\n位置：" + Root / "sub" +
                          "\n大小：3 KB（3000 字节）\n修改时间：" + ShellTimeText(stamp));
  EXPECT_EQ(Boxes[1].substr(0, Boxes[1].find("\n修改时间")),
            "sub 属性: 名称：sub\n类型：Folder\n位置：" + Root.Path()) << "no size for a folder";
  EXPECT_FALSE(MenuOf("clip.avi")->InvokeCommand(Invoke(String("properties"), CMIC_MASK_FLAG_NO_UI)));
}

TEST_F(ShellContextMenuTest, AnInstalledPresenterShowsTheBoxesUntilTheFormerOneIsPutBack) {
  std::vector<String> shown;
  const TShellMessageBox former = SetShellMessageBox([&](const String& Text, const String& Caption, UINT Flags) {
    shown.push_back(Caption + ": " + Text + " " + IntToStr(Int64(Flags)));
    return IDYES;
  });
  EXPECT_FALSE(former) << "the plain box by default";
  EXPECT_TRUE(MenuOf("clip.avi")->InvokeCommand(Invoke(String("delete"))));
  EXPECT_FALSE(Exists(Root / "clip.avi"));
  EXPECT_EQ(shown, (std::vector<String> { "确认删除: 确实要永久删除“clip.avi”吗？ " +
                                          IntToStr(Int64(MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2)) }));
  EXPECT_TRUE(SetShellMessageBox(former)) << "the presenter comes back to be put away";
  AnswerBoxes({ { "sub 属性", IDOK } });
  EXPECT_TRUE(MenuOf("sub")->InvokeCommand(Invoke(String("properties"))));
  EXPECT_EQ(shown.size(), 1u);
  EXPECT_EQ(Boxes.size(), 1u) << "the plain box again";
}

}  // namespace
