#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "SkinModelFixtures.h"
#include "platform/base/Exception.h"
#include "platform/base/TMemoryStream.h"
#include "skin/core/TskCompressedSkinList.h"
#include "skin/core/TskCompressedStoredSkin.h"
#include "skin/core/skzlibcompress.h"

namespace fs = std::filesystem;

namespace {

String Bytes(TMemoryStream& Stream) { return String(static_cast<const char*>(Stream.Memory()), size_t(Stream.Size())); }

String Int32(int32_t Value) {
  TMemoryStream stream;
  stream.WriteInt32(Value);
  return Bytes(stream);
}

String Compressed(const String& Inner) {
  TMemoryStream source, packed;
  source.WriteBuffer(Inner.data(), Int64(Inner.size()));
  CompressStream(&source, &packed);
  return Bytes(packed);
}

String Bmp(TBitmap* Picture) {
  TMemoryStream stream;
  Picture->SaveToStream(&stream);
  return Bytes(stream);
}

String Container(int32_t Version, const String& Zlib) { return Int32(Version) + Int32(int32_t(Zlib.size())) + Zlib; }

void LoadContainer(TskCompressedStoredSkin& Skin, const String& Bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(Bytes.data(), Int64(Bytes.size()));
  Skin.LoadFromCompressStream(&stream);
}

String ContainerOf(TskCompressedStoredSkin& Skin) {
  TMemoryStream stream;
  Skin.SaveToCompressStream(&stream);
  return Bytes(stream);
}

const String SmallIni = "[VERSION]\nskinname=Small\n[PICTURES]\nactivepicturescount=1\n0=further.bmp\n"
                        "[FORMINFO]\nclientrect=1,1,5,4\n[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=1\n0=b:button\n";

class StoredSkins : public testing::Test {
protected:
  void SetUp() override {
    WriteMiniSkin(Folder);
    Mini.LoadFromIniFile(Folder.Path("mini.ini"));
    Forms.Model = &Model;
    Forms.Add("Form1");
  }

  TempFolder Folder;
  TskCompressedStoredSkin Mini { nullptr };
  FakeForms Forms;
  TskSkinData Model { nullptr };
};

TEST_F(StoredSkins, AnEmptySkinIsEightBytesAndIsIgnored) {
  TskCompressedStoredSkin empty(nullptr);
  EXPECT_EQ(ContainerOf(empty), String("\x03\0\0\0\0\0\0\0", 8));
  TskCompressedStoredSkin back(nullptr);
  LoadContainer(back, ContainerOf(empty));
  EXPECT_TRUE(back.Empty());
  back.SaveToCompressFile(Folder.Path("none.skin"));
  EXPECT_FALSE(fs::exists(Folder.Path("none.skin")));
  Model.LoadCompressedStoredSkin(&back);
  EXPECT_TRUE(Forms.Log.empty());
}

TEST_F(StoredSkins, OuterVersionsAndLengthsAreCheckedBeforeUse) {
  const String zlib = ContainerOf(Mini).substr(8);
  struct Case {
    const char* What;
    String Bytes;
    bool Raises;
    bool Holds;
  } cases[] = {
    { "version 3", Container(3, zlib), false, true },
    { "version 0", Container(0, zlib), false, true },
    { "version -1", Container(-1, zlib), false, true },
    { "version 4", Container(4, zlib), false, false },
    { "trailing bytes", Container(3, zlib) + "garbage", false, true },
    { "negative length", Int32(3) + Int32(-5) + zlib, true, false },
    { "length beyond the data", Int32(3) + Int32(int32_t(zlib.size()) + 1) + zlib, true, false },
    { "truncated header", Container(3, zlib).substr(0, 6), true, false },
    { "no bytes", "", true, false },
  };
  for (const Case& c : cases) {
    TskCompressedStoredSkin skin(nullptr);
    LoadContainer(skin, Container(3, zlib));
    if (c.Raises)
      EXPECT_THROW(LoadContainer(skin, c.Bytes), EReadError) << c.What;
    else
      LoadContainer(skin, c.Bytes);
    EXPECT_EQ(!skin.Empty(), c.Holds) << c.What;
    if (c.Holds) {
      EXPECT_EQ(ContainerOf(skin), Container(3, zlib)) << c.What;
    }
  }
}

TEST_F(StoredSkins, InnerVersionTwoSkipsTwoPicturesAndAnyNonZeroFlagMeansNone) {
  auto main = CodedPicture(4, 3, 1), mask = CodedPicture(4, 3, 2), extra = CodedPicture(2, 2, 3),
       further = CodedPicture(5, 2, 4);
  const String inner = Int32(2) + '\0' + Bmp(main.get()) + '\2' + '\0' + Bmp(mask.get()) + '\0' + Bmp(extra.get()) +
                       '\1' + Int32(1) + Bmp(further.get()) + SmallIni;
  TskCompressedStoredSkin skin(nullptr);
  skin.SetCompressedData({ reinterpret_cast<const Byte*>(Compressed(inner).data()), Compressed(inner).size() });
  Model.LoadCompressedStoredSkin(&skin);
  EXPECT_FALSE(Model.Empty);
  EXPECT_EQ(Model.SkinName, "Small");
  EXPECT_TRUE(SamePixels(Model.FPicture.get(), main.get()));
  EXPECT_TRUE(Model.FInActivePicture->Empty());
  EXPECT_TRUE(SamePixels(Model.FMask.get(), mask.get()));
  ASSERT_EQ(Model.FActivePictures.size(), 1u);
  EXPECT_TRUE(SamePixels(Model.FActivePictures[0].get(), further.get()));
  EXPECT_EQ(Model.FActivePicturesNames->Text(), "further.bmp\n");
  EXPECT_EQ(Model.GetControlIndex("b"), 0);
}

TEST_F(StoredSkins, DamagedInnerDataEitherChangesNothingOrCompletesTheAnnouncement) {
  auto picture = CodedPicture(4, 3, 1);
  const String flaggedNone = String("\1\1\1", 3) + Int32(1);
  const String bmp = Bmp(picture.get());
  struct Case {
    const char* What;
    String Zlib;
    bool Raises;
    bool Announced;
  } cases[] = {
    { "inner version 4", Compressed(Int32(4) + flaggedNone + bmp + SmallIni), false, false },
    { "not zlib data", "this is not zlib", true, false },
    { "zlib stream cut short", Compressed(Int32(3) + flaggedNone + bmp + SmallIni).substr(0, 40), true, false },
    { "shorter than a version", Compressed("\3\0"), true, false },
    { "picture cut short", Compressed(Int32(3) + flaggedNone + bmp.substr(0, 60)), true, true },
    { "bad picture header", Compressed(Int32(3) + String("\0", 1) + "XX" + bmp.substr(2)), true, true },
    // The picture would be read as text and the skin would load without it.
    { "picture count 0", Compressed(Int32(3) + String("\1\1\1", 3) + Int32(0) + bmp + SmallIni), true, true },
  };
  for (const Case& c : cases) {
    Model.LoadCompressedStoredSkin(&Mini);
    ASSERT_FALSE(Model.Empty);
    Forms.Log.clear();
    TskCompressedStoredSkin skin(nullptr);
    skin.SetCompressedData({ reinterpret_cast<const Byte*>(c.Zlib.data()), c.Zlib.size() });
    if (c.Raises)
      EXPECT_THROW(Model.LoadCompressedStoredSkin(&skin), Exception) << c.What;
    else
      Model.LoadCompressedStoredSkin(&skin);
    EXPECT_EQ(Forms.Log.size(), c.Announced ? 3u : 0u) << c.What;
    EXPECT_EQ(Model.Empty, c.Announced) << c.What;
    EXPECT_FALSE(Model.ChangeSkinDataProcess) << c.What;
  }
}

TEST_F(StoredSkins, PackingAnIniFileThatFailsKeepsTheSkin) {
  const String before = ContainerOf(Mini);
  fs::remove(Folder.Path("glyphs.bmp"));
  EXPECT_THROW(Mini.LoadFromIniFile(Folder.Path("mini.ini")), EFOpenError);
  EXPECT_EQ(ContainerOf(Mini), before);
  PutFile(Folder.Path("plain.ini"), "[VERSION]\nver=1\n");
  Mini.LoadFromIniFile(Folder.Path("plain.ini"));
  EXPECT_EQ(ContainerOf(Mini), before);
}

TEST_F(StoredSkins, ListItemsAreNamedByIndexAndCopiedWhole) {
  TskCompressedSkinList list(nullptr);
  list.Skins()->Add();
  list.Skins()->Add();
  TskSkinListItem* third = list.Skins()->Add();
  EXPECT_EQ(third->Name(), "skSkin2");
  EXPECT_EQ(third->DisplayName(), "skSkin2");
  const String container = ContainerOf(Mini);
  third->SetSkin({ reinterpret_cast<const Byte*>(container.data()), container.size() });
  third->SetDescription("third");

  TskCompressedSkinList copy(nullptr);
  copy.SetSkins(list.Skins());
  ASSERT_EQ(copy.Skins()->Count(), 3);
  EXPECT_EQ(copy.Skins()->Items(2)->Name(), "skSkin2");
  EXPECT_EQ(copy.Skins()->Items(2)->Description(), "third");
  EXPECT_EQ(ContainerOf(*copy.Skins()->Items(2)->Skin()), container);
  EXPECT_TRUE(copy.Skins()->Items(0)->Skin()->Empty());
  EXPECT_EQ(copy.Skins()->Owner(), &copy);
}

// Random damage to a stored skin, outside and inside its compression: every attempt ends in a loaded skin,
// an unchanged one or one of the system's errors, and every announced change is completed.
TEST_F(StoredSkins, FuzzedContainersNeverCrashHangOrLeaveAChangeOpen) {
  const String container = ContainerOf(Mini);
  TMemoryStream innerStream;
  Mini.DeCompressToStream(&innerStream);
  const String inner = Bytes(innerStream);

  std::mt19937 random(20240611);
  auto mutate = [&](String Data) {
    const int edits = 1 + int(random() % 3);
    for (int i = 0; i < edits && !Data.empty(); ++i) {
      const size_t at = random() % Data.size();
      switch (random() % 4) {
        case 0: Data[at] = char(random()); break;
        case 1: Data[at] = char(Data[at] ^ (1 << (random() % 8))); break;
        case 2: Data.resize(at); break;
        default: Data.insert(at, String(1 + random() % 8, char(random()))); break;
      }
    }
    return Data;
  };
  int loaded = 0, raisedAfterAnnouncing = 0;
  auto attempt = [&](auto&& Load) {
    Forms.Log.clear();
    try {
      Load();
      if (!Forms.Log.empty()) ++loaded;
    } catch (const Exception&) {
      if (!Forms.Log.empty()) ++raisedAfterAnnouncing;
    }
    ASSERT_TRUE(Forms.Log.empty() || Forms.Log.size() == 3u);
    ASSERT_FALSE(Model.ChangeSkinDataProcess);
  };
  TskCompressedStoredSkin skin(nullptr);
  for (int i = 0; i < 1500; ++i) {
    attempt([&] {
      LoadContainer(skin, mutate(container));
      Model.LoadCompressedStoredSkin(&skin);
    });
    const String damaged = Compressed(mutate(inner));
    attempt([&] {
      skin.SetCompressedData({ reinterpret_cast<const Byte*>(damaged.data()), damaged.size() });
      Model.LoadCompressedStoredSkin(&skin);
    });
  }
  // The damage reached the reader behind the decompression both ways.
  EXPECT_GT(loaded, 100);
  EXPECT_GT(raisedAfterAnnouncing, 100);
}

}  // namespace
