#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "platform/base/Exception.h"
#include "platform/gdi/EmbeddedResources.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TIcon.h"
#include "platform/gdi/TPngImage.h"

// The program's named pictures: every one the program loads by name is there, of the size and format
// its users draw it at.

namespace {

struct Named {
  const char* Name;
  std::function<std::unique_ptr<TGraphic>()> New;
  int Width;
  int Height;
};

std::unique_ptr<TGraphic> Bitmap() { return std::make_unique<TBitmap>(); }
std::unique_ptr<TGraphic> Png() { return std::make_unique<TPngImage>(); }
std::unique_ptr<TGraphic> Icon() { return std::make_unique<TIcon>(); }

const Named Pictures[] = {
  // The slider's default thumbs (two states side by side) and rulers.
  { "BS_HTB", Bitmap, 10, 15 }, { "BS_HRL", Bitmap, 10, 7 }, { "BS_VTB", Bitmap, 31, 7 }, { "BS_VRL", Bitmap, 7, 10 },
  // Drives and folders of the drive combo and the folder list.
  { "BS_FLOPPY", Bitmap, 16, 16 }, { "BS_HARD", Bitmap, 16, 16 }, { "BS_NETWORK", Bitmap, 16, 16 },
  { "BS_CDROM", Bitmap, 16, 16 }, { "BS_RAM", Bitmap, 16, 11 }, { "BS_OPENFOLDER", Bitmap, 16, 15 },
  { "BS_CLOSEDFOLDER", Bitmap, 16, 15 }, { "BS_CURRENTFOLDER", Bitmap, 16, 15 },
  // The file dialogs' tool buttons.
  { "BS_BACK_PNG", Png, 16, 16 }, { "BS_UP_PNG", Png, 16, 16 }, { "BS_NEWFOLDER_PNG", Png, 16, 16 },
  { "BS_LVSTYLE_PNG", Png, 16, 16 }, { "BS_STRETCH_PNG", Png, 16, 16 },
  // The program's icon and the system's standard icons.
  { "MAINICON", Icon, 32, 32 }, { "IDI_APPLICATION", Icon, 32, 32 }, { "IDI_ERROR", Icon, 32, 32 },
  { "IDI_QUESTION", Icon, 32, 32 }, { "IDI_WARNING", Icon, 32, 32 }, { "IDI_INFORMATION", Icon, 32, 32 },
};

bool Opaque(uint32_t Pixel) { return (Pixel >> 24) == 0xFF; }

}  // namespace

TEST(EmbeddedResourcesTest, EveryNamedPictureLoadsAtItsSize) {
  for (const Named& named : Pictures) {
    SCOPED_TRACE(named.Name);
    std::unique_ptr<TGraphic> graphic = named.New();
    LoadFromResourceName(*graphic, named.Name);
    EXPECT_EQ(graphic->Width(), named.Width);
    EXPECT_EQ(graphic->Height(), named.Height);
    if (auto* bitmap = dynamic_cast<TBitmap*>(graphic.get())) {
      // Drawn with the bottom-left colour left out: that colour is the background, and something else
      // is drawn.
      bitmap->SetTransparent(true);
      const TColor key = bitmap->TransparentColor();
      EXPECT_EQ(key, clFuchsia);
      int drawn = 0;
      for (int y = 0; y < bitmap->Height(); ++y)
        for (int x = 0; x < bitmap->Width(); ++x) drawn += bitmap->Canvas()->Pixels(x, y) != key;
      EXPECT_GT(drawn, bitmap->Width() * bitmap->Height() / 4);
    }
    if (auto* png = dynamic_cast<TPngImage*>(graphic.get())) {
      EXPECT_EQ(png->TransparencyMode(), ptmPartial);
      EXPECT_EQ(png->AlphaScanline(0)[0], 0) << "the corner shows what is behind";
    }
    if (auto* icon = dynamic_cast<TIcon*>(graphic.get())) {
      std::set<int> sides;
      for (const TIconImage& image : *IconImagesOf(icon->Handle())) {
        EXPECT_TRUE(image.HasAlpha());
        EXPECT_FALSE(Opaque(image.Pixels->Pixel(0, 0))) << "the corner shows what is behind";
        EXPECT_TRUE(Opaque(image.Pixels->Pixel(image.Width() / 2, image.Height() / 2)));
        sides.insert(image.Width());
      }
      EXPECT_EQ(sides, (std::set<int> { 16, 32, 48 }));
    }
  }
}

TEST(EmbeddedResourcesTest, AnUnknownNameIsReportedAndLeavesTheGraphic) {
  TBitmap bitmap;
  LoadFromResourceName(bitmap, "BS_RAM");
  try {
    LoadFromResourceName(bitmap, "BS_NOSUCH");
    ADD_FAILURE() << "loaded";
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message, "Resource BS_NOSUCH not found");
  }
  EXPECT_EQ(bitmap.Height(), 11);
  EXPECT_THROW(FindEmbeddedResource("bs_ram"), EResNotFound) << "names compare exactly";
}

TEST(EmbeddedResourcesTest, LoadBitmapGivesABitmapOfABmpResourceOnly) {
  const HBITMAP ram = LoadBitmapW(0, "BS_RAM");
  ASSERT_NE(ram, nullptr);
  BITMAP info {};
  ASSERT_GT(GetObject(ram, sizeof info, &info), 0);
  EXPECT_EQ(info.bmWidth, 16);
  EXPECT_EQ(info.bmHeight, 11);
  EXPECT_EQ(info.bmBitsPixel, 24);
  EXPECT_EQ(ram->Pixels().Pixel(0, 10) & 0xFFFFFF, 0xFF00FFu) << "the key in the bottom-left pixel";
  EXPECT_TRUE(DeleteObject(ram));
  EXPECT_EQ(LoadBitmap(0, "BS_BACK_PNG"), nullptr) << "a PNG resource";
  EXPECT_EQ(LoadBitmap(0, "BS_NOSUCH"), nullptr);
}

TEST(EmbeddedResourcesTest, LoadIconGivesEachStandardIconOnce) {
  std::set<HICON> seen;
  for (uintptr_t name : { IDI_APPLICATION, IDI_ERROR, IDI_QUESTION, IDI_WARNING, IDI_INFORMATION }) {
    SCOPED_TRACE(name);
    const HICON icon = LoadIcon(0, name);
    ASSERT_NE(icon, 0u);
    EXPECT_EQ(LoadIconW(0, name), icon) << "shared: the same icon each time";
    EXPECT_TRUE(seen.insert(icon).second);
    const auto images = IconImagesOf(icon);
    ASSERT_TRUE(images);
    EXPECT_EQ(PrimaryIconImage(*images).Width(), 32);
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_TRUE(IconImagesOf(icon)) << "a shared icon outlives DestroyIcon";
  }
  EXPECT_EQ(LoadIcon(0, IDI_HAND), LoadIcon(0, IDI_ERROR));
  EXPECT_EQ(LoadIcon(0, 32600), 0u);
  EXPECT_EQ(LoadIcon(1, IDI_ERROR), 0u);

  // Each is a picture of its own: any two differ in a tenth of their pixels at least.
  const std::vector<HICON> icons(seen.begin(), seen.end());
  for (size_t a = 0; a < icons.size(); ++a)
    for (size_t b = a + 1; b < icons.size(); ++b) {
      const Surface& one = *PrimaryIconImage(*IconImagesOf(icons[a])).Pixels;
      const Surface& other = *PrimaryIconImage(*IconImagesOf(icons[b])).Pixels;
      int differing = 0;
      for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) differing += one.Pixel(x, y) != other.Pixel(x, y);
      EXPECT_GT(differing, 32 * 32 / 10) << a << " and " << b;
    }
}
