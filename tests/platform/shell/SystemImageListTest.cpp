// The system image lists in the native views: a folder's items show the icon of their kind, given to the
// views by handle as the shell views do.
#include <sys/stat.h>

#include <algorithm>

#include "platform/base/FileUtils.h"
#include "platform/shell/IShellFolder.h"
#include "platform/shell/ShellFileInfo.h"
#include "platform/shell/ShellNamespace.h"
#include "platform/ui/toolkit/TListView.h"
#include "platform/ui/toolkit/TTreeView.h"
#include "platform/ui/toolkit/ImageListCalls.h"
#include "platform/ui/toolkit/ViewMessages.h"
#include "tests/platform/shell/ShellTestSupport.h"
#include "tests/platform/ui/ViewFixture.h"

namespace {

struct TShownItem {
  String Name;
  int Icon;  // the TShellIcon its kind has
};

class SystemImageListTest : public ViewTest {
protected:
  void SetUp() override {
    ViewTest::SetUp();
    ASSERT_EQ(mkdir((Folder / "sub").c_str(), 0755), 0);
    for (const char* name : { "movie.avi", "notes.txt", "photo.png", "song.mp3" }) WriteFile(Folder / name, "x");
    Root->SetBounds(100, 100, 400, 360);
  }

  /// The folder's items in the namespace's order, each with the icon index SHGetFileInfo gives, and the
  /// system image list of that size.
  std::vector<TShownItem> Items(bool Large, HIMAGELIST& List) {
    const std::shared_ptr<IShellFolder> desktop = SHGetDesktopFolder();
    const TItemIDListPtr folderID = desktop->ParseDisplayName(Folder.Path());
    const std::shared_ptr<IShellFolder> folder = desktop->BindToObject(folderID.get());
    std::vector<TItemIDListPtr> ids;
    EXPECT_TRUE(folder->EnumObjects(SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, ids));
    std::sort(ids.begin(), ids.end(), [&](const TItemIDListPtr& A, const TItemIDListPtr& B) {
      return folder->CompareIDs(0, A.get(), B.get()) < 0;
    });
    std::vector<TShownItem> items;
    for (const TItemIDListPtr& id : ids) {
      String path;
      folder->GetDisplayNameOf(id.get(), SHGDN_FORPARSING, path);
      TShellFileInfo info;
      List = SHGetFileInfo(path, SHGFI_SYSICONINDEX | (Large ? SHGFI_LARGEICON : SHGFI_SMALLICON), info);
      items.push_back({ ExtractFileName(path), info.IconIndex });
    }
    return items;
  }

  /// Whether the screen shows every opaque pixel of Icon somewhere inside Area of Control (client
  /// coordinates).
  bool ShowsIcon(TControl* Control, TRect Area, const Surface& Icon) {
    const Surface& screen = Screen->Screen();
    const TPoint origin = Control->ClientToScreen({ Area.Left, Area.Top });
    const auto matches = [&](int Left, int Top) {
      for (int y = 0; y < Icon.Height(); ++y)
        for (int x = 0; x < Icon.Width(); ++x) {
          const uint32_t pixel = Icon.Pixel(x, y);
          if ((pixel >> 24) == 0xFF && ((screen.Pixel(Left + x, Top + y) ^ pixel) & 0xFFFFFF) != 0) return false;
        }
      return true;
    };
    for (int y = 0; y + Icon.Height() <= Area.Height(); ++y)
      for (int x = 0; x + Icon.Width() <= Area.Width(); ++x)
        if (matches(origin.X + x, origin.Y + y)) return true;
    return false;
  }

  TTempFolder Folder;
};

TEST_F(SystemImageListTest, ListAndTreeViewsShowEachItemWithTheIconOfItsKind) {
  const std::vector<TShownItem> expected { { "sub", siFolder },    { "movie.avi", siVideo }, { "notes.txt", siFile },
                                           { "photo.png", siPicture }, { "song.mp3", siAudio } };
  struct TCase {
    TViewStyle Style;
    WPARAM Slot;
  };
  for (const TCase& c : { TCase { vsReport, LVSIL_SMALL }, TCase { vsIcon, LVSIL_NORMAL } }) {
    SCOPED_TRACE(c.Style);
    const bool large = c.Slot == LVSIL_NORMAL;
    HIMAGELIST system = 0;
    const std::vector<TShownItem> items = Items(large, system);
    ASSERT_EQ(items.size(), expected.size());
    int width = 0, height = 0;
    ASSERT_TRUE(ImageList_GetIconSize(system, &width, &height));
    EXPECT_EQ(width, large ? 32 : 16);

    auto* list = new TListView(Root.get());
    list->SetBorderStyle(bsNone);
    list->SetViewStyle(c.Style);
    list->Columns()->Add()->SetWidth(200);
    list->SetBounds(0, 0, 400, 360);
    list->SetParent(Root.get());
    for (const TShownItem& item : items) {
      TListItem* row = list->Items()->Add();
      row->SetCaption(item.Name);
      row->SetImageIndex(item.Icon);
    }
    ShowRoot();
    SendMessage(list->Handle(), LVM_SETIMAGELIST, c.Slot, LPARAM(system));
    Screen->PumpUntilIdle();
    for (size_t i = 0; i < items.size(); ++i) {
      EXPECT_EQ(items[i].Name, expected[i].Name);
      EXPECT_EQ(items[i].Icon, expected[i].Icon) << items[i].Name;
      const TShellImageList& icons = large ? TShellImageList::Large() : TShellImageList::Small();
      EXPECT_TRUE(ShowsIcon(list, list->Items()->Item(int(i))->DisplayRect(drBounds), icons.Icon(expected[i].Icon)))
          << items[i].Name;
    }
    Screen->SaveScreenPng(testing::TempDir() + Format("shell-icons-%d.png", int(c.Style)));
    delete list;
  }

  HIMAGELIST system = 0;
  const std::vector<TShownItem> items = Items(false, system);
  auto* tree = new TTreeView(Root.get());
  tree->SetBorderStyle(bsNone);
  tree->SetBounds(0, 0, 400, 360);
  tree->SetParent(Root.get());
  for (const TShownItem& item : items) tree->Items()->Add(nullptr, item.Name)->SetImageIndex(item.Icon);
  ShowRoot();
  SendMessage(tree->Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, LPARAM(system));
  Screen->PumpUntilIdle();
  for (size_t i = 0; i < items.size(); ++i) {
    const TRect row = tree->Items()->Item(int(i))->DisplayRect(false);
    EXPECT_TRUE(ShowsIcon(tree, { 0, row.Top, tree->ClientWidth(), row.Bottom },
                          TShellImageList::Small().Icon(expected[i].Icon)))
        << items[i].Name;
  }
  Screen->SaveScreenPng(testing::TempDir() + "shell-icons-tree.png");
}

}  // namespace
