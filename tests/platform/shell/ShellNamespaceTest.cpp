#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>

#include "platform/base/DateUtils.h"
#include "platform/base/FileUtils.h"
#include "platform/shell/FindData.h"
#include "platform/shell/IShellFolder2.h"
#include "platform/shell/ItemIDList.h"
#include "platform/shell/ShellFileInfo.h"
#include "platform/shell/ShellNamespace.h"
#include "tests/platform/shell/ShellTestSupport.h"

namespace {

const String BadName = "bad\xff\xfe.avi";  // not valid UTF-8
constexpr uint32_t AllItems = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN;
constexpr uint32_t AllAttributes = 0xFFFFFFFFu;

std::shared_ptr<IShellFolder2> Desktop() {
  return std::dynamic_pointer_cast<IShellFolder2>(SHGetDesktopFolder());
}

TItemIDListPtr Parse(const String& Path) {
  return SHGetDesktopFolder()->ParseDisplayName(Path);
}

String PathOf(PCItemIDList ID) {
  String path;
  return SHGetPathFromIDList(ID, path) ? path : "<none>";
}

String NameOf(IShellFolder& Folder, PCItemIDList ID, uint32_t Flags) {
  String name;
  return Folder.GetDisplayNameOf(ID, Flags, name) ? name : "<none>";
}

std::vector<String> Names(IShellFolder& Folder, uint32_t Flags) {
  std::vector<TItemIDListPtr> items;
  EXPECT_TRUE(Folder.EnumObjects(Flags, items));
  std::vector<String> names;
  for (const TItemIDListPtr& id : items) names.push_back(NameOf(Folder, id.get(), SHGDN_INFOLDER));
  return names;
}

std::vector<String> Sorted(std::vector<String> Names) {
  std::sort(Names.begin(), Names.end());
  return Names;
}

/// Makes a UNIX socket file at Path; its descriptor is closed again, the file stays.
void MakeSocket(const String& Path) {
  sockaddr_un address {};
  address.sun_family = AF_UNIX;
  ASSERT_LT(Path.size(), sizeof address.sun_path);
  Path.copy(address.sun_path, Path.size());
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  EXPECT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  close(fd);
}

// A folder holding a sub-folder (with a folder and a file in it), a hidden file, a file whose name is not
// UTF-8, a text file, a link to the sub-folder and one to the text file, and what a listing leaves out: a
// named pipe, which nothing may open, a socket, a link to a device and a link to nowhere.
class ShellTreeTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(mkdir((Root / "sub").c_str(), 0755), 0);
    ASSERT_EQ(mkdir((Root / "sub/inner").c_str(), 0755), 0);
    WriteFile(Root / "sub/inner/clip.mp4", "x");
    WriteFile(Root / ".hidden", "h");
    WriteFile(Root / BadName, "b");
    WriteFile(Root / "notes.txt", String(1500, 'n'));
    ASSERT_EQ(symlink("sub", (Root / "link").c_str()), 0);
    ASSERT_EQ(symlink("notes.txt", (Root / "notes-link").c_str()), 0);
    ASSERT_EQ(mkfifo((Root / "pipe").c_str(), 0644), 0);
    MakeSocket(Root / "socket");
    ASSERT_EQ(symlink("/dev/null", (Root / "device").c_str()), 0);
    ASSERT_EQ(symlink("gone", (Root / "nowhere").c_str()), 0);
    Guard.emplace(Root / "pipe");
  }
  void TearDown() override {
    EXPECT_FALSE(Guard->Fired()) << "the named pipe was opened";
    Guard.reset();
  }

  std::shared_ptr<IShellFolder2> RootFolder() {
    TItemIDListPtr id = Parse(Root.Path());
    return std::dynamic_pointer_cast<IShellFolder2>(SHGetDesktopFolder()->BindToObject(id.get()));
  }
  TItemIDListPtr Child(IShellFolder& Folder, const String& Name) { return Folder.ParseDisplayName(Name); }

  TTempFolder Root;
  std::optional<TPipeGuard> Guard;
};

// A listing holds folders, regular files and links to them: nothing that cannot be opened as one of them.
TEST_F(ShellTreeTest, EnumerationFollowsTheFlags) {
  auto folder = RootFolder();
  ASSERT_TRUE(folder);
  struct TCase {
    uint32_t Flags;
    std::vector<String> Expected;
  };
  for (const TCase& c : std::vector<TCase> {
           { SHCONTF_FOLDERS, { "link", "sub" } },
           { SHCONTF_NONFOLDERS, { BadName, "notes-link", "notes.txt" } },
           { SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN, { ".hidden", BadName, "notes-link", "notes.txt" } },
           { SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, { BadName, "link", "notes-link", "notes.txt", "sub" } },
           { AllItems, { ".hidden", BadName, "link", "notes-link", "notes.txt", "sub" } },
           { 0, {} },
       })
    EXPECT_EQ(Sorted(Names(*folder, c.Flags)), c.Expected) << c.Flags;
}

TEST_F(ShellTreeTest, UnreadableOrVanishedFolderFailsToEnumerate) {
  auto folder = RootFolder();
  TItemIDListPtr sub = Child(*folder, "sub/inner");
  auto inner = folder->BindToObject(sub.get());
  ASSERT_TRUE(inner);
  std::filesystem::remove_all(Root / "sub/inner");
  std::vector<TItemIDListPtr> items;
  EXPECT_FALSE(inner->EnumObjects(AllItems, items));
  EXPECT_TRUE(items.empty());
}

TEST_F(ShellTreeTest, PathsRoundTripThroughItemIDLists) {
  for (const String& name : { String("sub"), String(".hidden"), BadName, String("link"), String("pipe"),
                              String("sub/inner/clip.mp4") }) {
    const String path = Root / name;
    TItemIDListPtr id = Parse(path);
    ASSERT_TRUE(id) << path;
    EXPECT_EQ(PathOf(id.get()), path);
    EXPECT_EQ(NameOf(*SHGetDesktopFolder(), id.get(), SHGDN_FORPARSING), path);
    const auto items = DecodeItemIDList(id.get());
    ASSERT_TRUE(items);
    EXPECT_EQ(items->front(), (TShellItem { TShellItemKind::Virtual, "Computer" }));
    EXPECT_EQ((*items)[1].Kind, TShellItemKind::Volume);
    EXPECT_EQ(items->back().Name, ExtractFileName(path));
  }
}

TEST_F(ShellTreeTest, ParsingFoldsDotsAndRefusesWhatDoesNotExist) {
  struct TCase {
    String Text, Path;  // Path "<none>": the text does not parse
  };
  for (const TCase& c : std::vector<TCase> {
           { Root / "sub/../notes.txt", Root / "notes.txt" },
           { Root / "./sub/", Root / "sub" },
           { Root.Path() + "//sub//inner", Root / "sub/inner" },
           { Root / "missing", "<none>" },
           { Root / "notes.txt/x", "<none>" },
           { Root / "notes.txt" + String("\0/x", 3), "<none>" },
           { "relative/notes.txt", "<none>" },
           { "", "<none>" },
       }) {
    TItemIDListPtr id = Parse(c.Text);
    EXPECT_EQ(id ? PathOf(id.get()) : "<none>", c.Path) << c.Text;
  }
  auto folder = RootFolder();
  for (const String& text : { String("../x"), Root / "sub", String("missing"), String("."), String("sub\0x", 5) })
    EXPECT_FALSE(Child(*folder, text)) << text;
}

TEST_F(ShellTreeTest, NamesInEachForm) {
  auto folder = RootFolder();
  for (const String& name : { BadName, String("sub"), String("pipe") }) {
    TItemIDListPtr id = Child(*folder, name);
    ASSERT_TRUE(id) << name;
    EXPECT_EQ(NameOf(*folder, id.get(), SHGDN_NORMAL), name);
    EXPECT_EQ(NameOf(*folder, id.get(), SHGDN_INFOLDER), name);
    EXPECT_EQ(NameOf(*folder, id.get(), SHGDN_INFOLDER | SHGDN_FORPARSING), name);
    EXPECT_EQ(NameOf(*folder, id.get(), SHGDN_FORPARSING), Root / name);
  }
  TItemIDListPtr deep = Child(*folder, "sub/inner");
  EXPECT_EQ(NameOf(*folder, deep.get(), SHGDN_INFOLDER), "inner");
  EXPECT_EQ(NameOf(*folder, deep.get(), SHGDN_FORPARSING), Root / "sub/inner");
}

TEST_F(ShellTreeTest, AttributesOfEachKindOfEntry) {
  auto folder = RootFolder();
  struct TCase {
    String Name;
    uint32_t Set, Clear;
  };
  const uint32_t fileSystem = SFGAO_FILESYSTEM | SFGAO_CANCOPY | SFGAO_CANLINK | SFGAO_CANRENAME | SFGAO_CANDELETE |
                              SFGAO_CANMOVE;
  const uint32_t folderBits = SFGAO_FOLDER | SFGAO_FILESYSANCESTOR | SFGAO_DROPTARGET;
  for (const TCase& c : std::vector<TCase> {
           { "sub", fileSystem | folderBits | SFGAO_HASSUBFOLDER, SFGAO_LINK | SFGAO_HIDDEN | SFGAO_READONLY },
           { "sub/inner", fileSystem | folderBits, SFGAO_HASSUBFOLDER | SFGAO_LINK },
           { "link", fileSystem | folderBits | SFGAO_LINK | SFGAO_HASSUBFOLDER, SFGAO_HIDDEN },
           { ".hidden", fileSystem | SFGAO_HIDDEN | SFGAO_GHOSTED, SFGAO_FOLDER | SFGAO_LINK },
           { "notes.txt", fileSystem, SFGAO_FOLDER | SFGAO_HIDDEN | SFGAO_LINK | SFGAO_HASSUBFOLDER },
           { "pipe", fileSystem, SFGAO_FOLDER | SFGAO_LINK | SFGAO_DROPTARGET },
           { BadName, fileSystem, SFGAO_FOLDER | SFGAO_SHARE | SFGAO_VALIDATE | SFGAO_REMOVABLE },
       }) {
    TItemIDListPtr id = Child(*folder, c.Name);
    ASSERT_TRUE(id) << c.Name;
    const uint32_t attributes = folder->GetAttributesOf(id.get(), AllAttributes);
    EXPECT_EQ(attributes & c.Set, c.Set) << c.Name;
    EXPECT_EQ(attributes & c.Clear, 0u) << c.Name;
    EXPECT_EQ(folder->GetAttributesOf(id.get(), SFGAO_LINK | SFGAO_CANCOPY), attributes & (SFGAO_LINK | SFGAO_CANCOPY))
        << "only the bits asked for come back";
  }
}

TEST_F(ShellTreeTest, ReadOnlyFolderAndItsEntries) {
  if (geteuid() == 0) GTEST_SKIP() << "the superuser may write anywhere";
  ASSERT_EQ(chmod((Root / "sub").c_str(), 0555), 0);
  auto folder = RootFolder();
  TItemIDListPtr sub = Child(*folder, "sub");
  TItemIDListPtr inner = Child(*folder, "sub/inner");
  EXPECT_EQ(folder->GetAttributesOf(sub.get(), SFGAO_READONLY | SFGAO_DROPTARGET), SFGAO_READONLY);
  EXPECT_EQ(folder->GetAttributesOf(inner.get(), SFGAO_CANRENAME | SFGAO_CANDELETE | SFGAO_CANCOPY), SFGAO_CANCOPY);
  TFindData data;
  ASSERT_TRUE(GetFindData(Root / "sub", data));
  EXPECT_EQ(data.Attributes, FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY);
}

TEST_F(ShellTreeTest, DetailColumns) {
  auto folder = RootFolder();
  TShellDetails details;
  std::vector<String> headers;
  for (int column = 0; folder->GetDetailsOf(nullptr, column, details); ++column) headers.push_back(details.Text);
  EXPECT_EQ(headers, (std::vector<String> { "Name", "Size", "Type", "Date modified", "Date changed" }));
  uint32_t state = 0;
  std::vector<bool> shown;
  for (int column = 0; folder->GetDefaultColumnState(column, state); ++column)
    shown.push_back(state & SHCOLSTATE_ONBYDEFAULT);
  EXPECT_EQ(shown, (std::vector<bool> { true, true, true, true, false }));

  auto texts = [&](const String& Name) {
    TItemIDListPtr id = Child(*folder, Name);
    std::vector<String> out;
    for (int column = 0; column < 5; ++column) {
      EXPECT_TRUE(folder->GetDetailsOf(id.get(), column, details));
      out.push_back(details.Text);
    }
    return out;
  };
  const std::vector<String> notes = texts("notes.txt");
  EXPECT_EQ(notes[0], "notes.txt");
  EXPECT_EQ(notes[1], "2 KB");
  EXPECT_EQ(notes[2], "TXT file");
  EXPECT_EQ(notes[3].size(), 16u);
  EXPECT_NE(notes[4].find(':'), String::npos) << "the sort guard reads column 4 for a time";
  const std::vector<String> sub = texts("sub");
  EXPECT_EQ(sub[1], "");
  EXPECT_EQ(sub[2], "Folder");
  EXPECT_EQ(texts("pipe")[1], "0 KB");
  EXPECT_EQ(texts(BadName)[2], "AVI file");
}

TEST_F(ShellTreeTest, FindDataOfEachKindOfEntry) {
  struct stat notes {};
  ASSERT_EQ(stat((Root / "notes.txt").c_str(), &notes), 0);
  struct TCase {
    String Name;
    Int64 Size;
    uint32_t Attributes;
    TDateTime Time;
  };
  for (const TCase& c : std::vector<TCase> {
           { "notes.txt", 1500, FILE_ATTRIBUTE_ARCHIVE, UnixToLocalDateTime(notes.st_mtime) },
           { "sub", -1, FILE_ATTRIBUTE_DIRECTORY, -1 },
           { "link", -1, FILE_ATTRIBUTE_DIRECTORY, -1 },
           { ".hidden", 1, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN, -2 },
           { "pipe", 0, 0, -2 },
       }) {
    TFindData data;
    ASSERT_TRUE(GetFindData(Root / c.Name, data)) << c.Name;
    EXPECT_EQ(data.FileName, c.Name);
    EXPECT_EQ(data.Size, c.Size) << c.Name;
    EXPECT_EQ(data.Attributes, c.Attributes) << c.Name;
    if (c.Time != -2) {
      EXPECT_EQ(data.LastWriteTime, c.Time) << c.Name;
    }
  }
  TFindData data;
  EXPECT_FALSE(GetFindData(Root / "missing", data));
}

TEST_F(ShellTreeTest, BindingGivesFoldersOnly) {
  auto folder = RootFolder();
  for (const String& name : { String("sub"), String("link") }) {
    auto bound = folder->BindToObject(Child(*folder, name).get());
    ASSERT_TRUE(bound) << name;
    EXPECT_EQ(Sorted(Names(*bound, AllItems)), (std::vector<String> { "inner" })) << name;
  }
  for (const String& name : { String("notes.txt"), String("pipe"), BadName })
    EXPECT_FALSE(folder->BindToObject(Child(*folder, name).get())) << name;
}

TEST_F(ShellTreeTest, RenamingInPlace) {
  auto folder = RootFolder();
  TItemIDListPtr notes = Child(*folder, "notes.txt");
  for (const String& refused : { String(""), String("."), String(".."), String("a/b"), String("sub"), BadName,
                                 String("x\0y", 3) })
    EXPECT_FALSE(folder->SetNameOf(notes.get(), refused)) << refused;
  EXPECT_EQ(ReadFile(Root / "notes.txt"), String(1500, 'n')) << "a refused rename changes nothing";

  TItemIDListPtr renamed = folder->SetNameOf(notes.get(), "新名字.txt");
  ASSERT_TRUE(renamed);
  EXPECT_EQ(NameOf(*folder, renamed.get(), SHGDN_FORPARSING), Root / "新名字.txt");
  EXPECT_FALSE(std::filesystem::exists(Root / "notes.txt"));
  EXPECT_EQ(ReadFile(Root / "新名字.txt"), String(1500, 'n'));
}

TEST_F(ShellTreeTest, FileInfoIconsAndTypes) {
  struct TCase {
    String Name;
    uint32_t Flags;
    int Icon;
    String Type;
  };
  for (const TCase& c : std::vector<TCase> {
           { "sub", 0, siFolder, "Folder" },
           { "sub", SHGFI_OPENICON, siFolderOpen, "Folder" },
           { BadName, 0, siVideo, "AVI file" },
           { "sub/inner/clip.mp4", SHGFI_OPENICON, siVideo, "MP4 file" },
           { "notes.txt", 0, siFile, "TXT file" },
           { "pipe", 0, siFile, "File" },
       }) {
    TShellFileInfo info;
    const HIMAGELIST list =
        SHGetFileInfo(Root / c.Name, c.Flags | SHGFI_SYSICONINDEX | SHGFI_TYPENAME | SHGFI_DISPLAYNAME, info);
    ASSERT_EQ(list, ShellSystemImageList(true)) << c.Name;
    EXPECT_EQ(info.IconIndex, c.Icon) << c.Name;
    EXPECT_EQ(info.TypeName, c.Type) << c.Name;
    EXPECT_EQ(info.DisplayName, ExtractFileName(c.Name));
  }
  TShellFileInfo info;
  EXPECT_EQ(SHGetFileInfo("/", SHGFI_SYSICONINDEX | SHGFI_SMALLICON, info), ShellSystemImageList(false));
  EXPECT_EQ(info.IconIndex, siDrive);
  EXPECT_EQ(SHGetFileInfo(Root / "missing", SHGFI_SYSICONINDEX, info), HIMAGELIST(0));
}

// The desktop's own layout, with HOME pointed at a folder of the test's.
class ShellDesktopTest : public ::testing::Test {
protected:
  TTempFolder Home;
  TEnvironmentOverride HomeVariable { "HOME", Home.Path() };
};

TEST_F(ShellDesktopTest, DesktopHoldsComputerHomeAndTheDesktopFolder) {
  auto desktop = Desktop();
  EXPECT_EQ(NameOf(*desktop, EncodeItemIDList({}).get(), SHGDN_FORPARSING), Home.Path()) << "no Desktop folder yet";
  ASSERT_EQ(mkdir((Home / "Desktop").c_str(), 0755), 0);
  WriteFile(Home / "Desktop/doc.txt", "d");
  WriteFile(Home / "Desktop/.secret", "s");

  EXPECT_EQ(Names(*desktop, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS),
            (std::vector<String> { "Computer", "Home", "doc.txt" }));
  EXPECT_EQ(Names(*desktop, SHCONTF_NONFOLDERS), (std::vector<String> { "doc.txt" }));
  TItemIDListPtr self = EncodeItemIDList({});
  EXPECT_EQ(NameOf(*desktop, self.get(), SHGDN_NORMAL), "Desktop");
  EXPECT_EQ(NameOf(*desktop, self.get(), SHGDN_FORPARSING), Home / "Desktop");
  EXPECT_EQ(PathOf(self.get()), Home / "Desktop");

  TItemIDListPtr doc = EncodeItemIDList({ { TShellItemKind::File, "doc.txt" } });
  EXPECT_EQ(PathOf(doc.get()), Home / "Desktop/doc.txt");
}

TEST_F(ShellDesktopTest, ComputerAndHome) {
  auto desktop = Desktop();
  TItemIDListPtr computer = SHGetSpecialFolderLocation(CSIDL_DRIVES);
  TItemIDListPtr home = SHGetSpecialFolderLocation(CSIDL_PERSONAL);
  ASSERT_TRUE(computer && home);
  EXPECT_EQ(NameOf(*desktop, computer.get(), SHGDN_NORMAL), "Computer");
  EXPECT_EQ(NameOf(*desktop, computer.get(), SHGDN_FORPARSING).substr(0, 3), "::{");
  EXPECT_EQ(PathOf(computer.get()), "<none>");
  EXPECT_EQ(NameOf(*desktop, home.get(), SHGDN_NORMAL), "Home");
  EXPECT_EQ(PathOf(home.get()), Home.Path());
  EXPECT_EQ(desktop->GetAttributesOf(computer.get(), SFGAO_FOLDER | SFGAO_FILESYSTEM | SFGAO_HASSUBFOLDER),
            SFGAO_FOLDER | SFGAO_HASSUBFOLDER);

  TItemIDListPtr reparsed = desktop->ParseDisplayName(NameOf(*desktop, computer.get(), SHGDN_FORPARSING));
  EXPECT_EQ(desktop->CompareIDs(0, reparsed.get(), computer.get()), 0);
  auto drives = desktop->BindToObject(computer.get());
  ASSERT_TRUE(drives);
  const std::vector<String> volumes = Names(*drives, SHCONTF_FOLDERS);
  ASSERT_FALSE(volumes.empty());
  EXPECT_EQ(volumes.front(), "File System");
  EXPECT_TRUE(Names(*drives, SHCONTF_NONFOLDERS).empty());

  TItemIDListPtr root = Parse("/");
  EXPECT_EQ(DecodeItemIDList(root.get())->size(), 2u) << "Computer, then the root volume";
  EXPECT_EQ(NameOf(*desktop, root.get(), SHGDN_INFOLDER), "File System");
  EXPECT_EQ(PathOf(root.get()), "/");
}

TEST_F(ShellDesktopTest, SpecialFolders) {
  ASSERT_EQ(mkdir((Home / "Desktop").c_str(), 0755), 0);
  ASSERT_EQ(mkdir((Home / "Templates").c_str(), 0755), 0);
  ASSERT_EQ(mkdir((Home / "config").c_str(), 0755), 0);
  TEnvironmentOverride config("XDG_CONFIG_HOME", Home / "config");
  struct TCase {
    int Folder;
    String Path;
  };
  for (const TCase& c : std::vector<TCase> {
           { CSIDL_DESKTOP, Home / "Desktop" },
           { CSIDL_DESKTOPDIRECTORY, Home / "Desktop" },
           { CSIDL_PERSONAL, Home.Path() },
           { CSIDL_TEMPLATES, Home / "Templates" },
           { CSIDL_APPDATA, Home / "config" },
           { CSIDL_DRIVES, "<none>" },
       }) {
    TItemIDListPtr id = SHGetSpecialFolderLocation(c.Folder);
    ASSERT_TRUE(id) << c.Folder;
    EXPECT_EQ(PathOf(id.get()), c.Path) << c.Folder;
  }
  for (int unsupported : { 1, 2, 3, 4, 6, 10, 18, 20, 22, 27 })
    EXPECT_FALSE(SHGetSpecialFolderLocation(unsupported)) << unsupported;
  std::filesystem::remove(Home / "Templates");
  EXPECT_FALSE(SHGetSpecialFolderLocation(CSIDL_TEMPLATES)) << "a folder that does not exist";
}

TEST(ShellCompareTest, OrderOfItems) {
  using K = TShellItemKind;
  const TShellItem computer { K::Virtual, "Computer" }, home { K::Virtual, "Home" };
  struct TCase {
    std::vector<TShellItem> A, B;
    int Order;
  };
  for (const TCase& c : std::vector<TCase> {
           { { computer }, { home }, -1 },
           { { home }, { { K::Folder, "aaa" } }, -1 },
           { { { K::Folder, "zzz" } }, { { K::File, "aaa" } }, -1 },
           { { { K::File, "apple" } }, { { K::File, "Banana" } }, -1 },
           { { { K::File, "Movie.avi" } }, { { K::File, "movie.avi" } }, -1 },
           { { { K::File, "movie.avi" } }, { { K::File, "movie.avi" } }, 0 },
           { { computer, { K::Volume, "/" } }, { computer, { K::Volume, "/home" } }, -1 },
           { { computer, { K::Volume, "/" } }, { computer, { K::Volume, "/" }, { K::Folder, "a" } }, -1 },
           { { computer, { K::Volume, "/" }, { K::File, "b" } }, { computer, { K::Volume, "/" }, { K::Folder, "z" } }, 1 },
           { {}, { computer }, -1 },
       }) {
    TItemIDListPtr a = EncodeItemIDList(c.A), b = EncodeItemIDList(c.B);
    EXPECT_EQ(SHGetDesktopFolder()->CompareIDs(0, a.get(), b.get()), c.Order);
    EXPECT_EQ(SHGetDesktopFolder()->CompareIDs(0, b.get(), a.get()), -c.Order);
  }
}

TEST(ShellItemIDListTest, ForeignOrDamagedListsAreRefused) {
  auto decode = [](std::vector<Byte> Bytes) { return DecodeItemIDList(reinterpret_cast<PCItemIDList>(Bytes.data())); };
  EXPECT_EQ(decode({ 0, 0 }), std::vector<TShellItem> {});
  EXPECT_EQ(decode({ 5, 0, 4, 'a', 'b', 0, 0 }), (std::vector<TShellItem> { { TShellItemKind::File, "ab" } }));
  for (const std::vector<Byte>& bytes : std::vector<std::vector<Byte>> {
           { 1, 0, 0, 0 },                       // a count that would never move on
           { 2, 0, 0, 0 },                       // no kind byte
           { 4, 0, 9, 'a', 0, 0 },               // unknown kind
           { 5, 0, 4, '.', '.', 0, 0 },          // a name leading out of its folder
           { 6, 0, 3, 'a', '/', 'b', 0, 0 },     // a name with a separator
           { 5, 0, 2, 'm', 'n', 0, 0 },          // a volume that is not absolute
           { 5, 0, 1, 'C', 'D', 0, 0 },          // an unknown virtual item
       })
    EXPECT_FALSE(decode(bytes)) << int(bytes[0]) << " " << int(bytes[2]);
  EXPECT_FALSE(DecodeItemIDList(nullptr));
  String desktopPath;
  EXPECT_FALSE(SHGetPathFromIDList(nullptr, desktopPath));
}

TEST(ShellItemIDListTest, RawNameBytesSurvive) {
  const std::vector<TShellItem> items { { TShellItemKind::Virtual, "Computer" },
                                        { TShellItemKind::Volume, "/" },
                                        { TShellItemKind::Folder, "\xc0\xaf\xff" },
                                        { TShellItemKind::File, "片段.mkv" } };
  TItemIDListPtr id = EncodeItemIDList(items);
  EXPECT_EQ(DecodeItemIDList(id.get()), items);
  EXPECT_FALSE(EncodeItemIDList({ { TShellItemKind::File, String(70000, 'x') } })) << "longer than an item can hold";
}

TEST(ShellTypeNameTest, NamesByExtension) {
  struct TCase {
    String Name;
    bool Folder;
    String Type;
  };
  for (const TCase& c : std::vector<TCase> {
           { "movie.avi", false, "AVI file" },
           { "archive.tar.gz", false, "GZ file" },
           { "README", false, "File" },
           { "name.", false, "File" },
           { "clips.avi", true, "Folder" },
       })
    EXPECT_EQ(ShellTypeName(c.Name, c.Folder), c.Type) << c.Name;
}

}  // namespace
