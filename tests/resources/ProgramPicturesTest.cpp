#include <gtest/gtest.h>

#include <span>

#include "platform/gdi/EmbeddedResources.h"
#include "platform/gdi/TPngImage.h"
#include "resources/pictures/generator/ProgramPictures.h"

// The program carries exactly the pictures the generator draws from the current sources, byte for byte.
TEST(ProgramPicturesTest, TheEmbeddedTableHoldsWhatTheGeneratorDraws) {
  const std::vector<TProgramPicture> drawn = DrawProgramPictures();
  const std::span<const TEmbeddedResource> table = EmbeddedResourceTable();
  ASSERT_EQ(table.size(), drawn.size());
  for (const TProgramPicture& picture : drawn) {
    SCOPED_TRACE(picture.Name);
    const std::span<const Byte> embedded = FindEmbeddedResource(picture.Name);
    EXPECT_TRUE(std::equal(embedded.begin(), embedded.end(), picture.Bytes.begin(), picture.Bytes.end()));
  }
}

// The converter's image lists draw each picture into a cell of the list's size, so every picture has its
// list's size and an alpha channel; the category names pin the image-index order the catalogue relies on.
TEST(ProgramPicturesTest, TheConverterPicturesHaveTheirListsSizesAndAlpha) {
  struct TCase {
    std::vector<String> Names;
    int Width, Height;
  };
  const TCase cases[] = {
    { { "CAT00_VIDEO", "CAT01_AUDIO", "CAT02_HD", "CAT03_TV", "CAT04_CAMCORDER", "CAT05_FILMREEL", "CAT06_PHONE",
        "CAT07_TOUCHPLAYER", "CAT08_GAMEPAD", "CAT09_MEDIAPLAYER", "CAT10_MP4", "CAT11_FLASH", "CAT12_WEB", "CAT13_MPG",
        "CAT14_MOV", "CAT15_AVI", "CAT16_MKV", "CAT17_WMV", "CAT18_ASF", "CAT19_RM", "CAT20_VOB", "CAT21_HEADPHONES",
        "CAT22_AUDIOCD", "CAT23_MICROPHONE" },
      36, 36 },
    { { "FORMAT_VIDEO", "FORMAT_VIDEO_ALT", "FORMAT_AUDIO" }, 32, 32 },
    { { "PREVIEW_PLAY", "PREVIEW_PAUSE", "PREVIEW_STOP", "PREVIEW_MUTE", "PREVIEW_UNMUTE", "PREVIEW_SNAPSHOT",
        "PREVIEW_SETTINGS", "RENAME" },
      16, 16 },
    { { "TOOL_ADD", "TOOL_REMOVE", "TOOL_CLEAR", "TOOL_OPTIONS", "BATCH_START", "BATCH_STOP", "BATCH_PAUSE",
        "BATCH_RESUME" },
      32, 32 },
    { { "PREVIEW_PLACEHOLDER" }, 84, 87 },
    { { "ABOUT_PICTURE" }, 87, 83 },
    { { "LIST_COVER" }, 568, 225 },
  };
  for (const TCase& c : cases)
    for (const String& name : c.Names) {
      SCOPED_TRACE(name);
      TPngImage png;
      LoadFromResourceName(png, name);
      EXPECT_EQ(png.Width(), c.Width);
      EXPECT_EQ(png.Height(), c.Height);
      EXPECT_NE(png.AlphaScanline(0), nullptr);
    }
}
