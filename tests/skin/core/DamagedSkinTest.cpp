// Skins damaged the way cut-off downloads and bit rot damage them fail to load with the reader's error,
// instead of handing drawing values it cannot work with or reading without end.
#include <gtest/gtest.h>

#include "SkinModelFixtures.h"
#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TMemoryStream.h"
#include "skin/core/TskCompressedStoredSkin.h"

namespace {

class DamagedSkin : public testing::Test {
protected:
  void SetUp() override { WriteMiniSkin(Folder); }

  // The mini skin with the first Line of its ini text replaced By another.
  void Damage(const String& Line, const String& By) {
    PutFile(Folder.Path("mini.ini"), StringReplace(MiniSkinIni(), Line, By, {}));
  }
  String Container(TskCompressedStoredSkin& Skin) {
    TMemoryStream stream;
    Skin.SaveToCompressStream(&stream);
    return String(static_cast<const char*>(stream.Memory()), size_t(stream.Size()));
  }

  TempFolder Folder;
  TskSkinData Model { nullptr };
};

// Drawing adds coordinates to each other; one near the top of int overflowed there.
TEST_F(DamagedSkin, CoordinatesNoPictureCanHaveFailTheLoad) {
  const struct {
    const char* Line;
    const char* By;
  } cases[] = {
    { "clientrect=3,21,143,115", "clientrect=3,21,2147483647,115" },  // the form frame
    { "righttoppoint=130,23", "righttoppoint=32768,23" },
    { "itemsrect=2,2,6,6", "itemsrect=2,2,6,99999" },                  // the popup window
    { "skinrect=0,0,4,3", "skinrect=0,0,4,40000" },                    // a caption button
    { "skinrect=0,0,6,3", "skinrect=0,0,2147483647,2147483647" },      // a control
  };
  for (const auto& c : cases) {
    Damage(c.Line, c.By);
    EXPECT_THROW(Model.LoadFromFile(Folder.Path("mini.ini")), EConvertError) << c.By;
    EXPECT_TRUE(Model.Empty) << c.By;
    // A stored skin keeps the text as it was packed and meets the damage when it is loaded.
    TskCompressedStoredSkin stored(nullptr);
    stored.LoadFromIniFile(Folder.Path("mini.ini"));
    EXPECT_THROW(Model.LoadCompressedStoredSkin(&stored), EConvertError) << c.By;
    EXPECT_TRUE(Model.Empty) << c.By;
  }
}

// Packing a skin whose count of further pictures was damaged used to append that many empty names.
TEST_F(DamagedSkin, PictureCountBeyondItsNamesFailsPackingAtOnceAndKeepsTheSkin) {
  TskCompressedStoredSkin stored(nullptr);
  stored.LoadFromIniFile(Folder.Path("mini.ini"));
  const String before = Container(stored);
  for (const char* count : { "2147483647", "2000000000", "7" }) {
    Damage("activepicturescount=2", String("activepicturescount=") + count);
    EXPECT_THROW(stored.LoadFromIniFile(Folder.Path("mini.ini")), EConvertError) << count;
    EXPECT_EQ(Container(stored), before) << count;
  }
}

}  // namespace
