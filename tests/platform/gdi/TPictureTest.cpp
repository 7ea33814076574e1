#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/base/Exception.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TGIFImage.h"
#include "platform/gdi/TJPEGImage.h"
#include "platform/gdi/TPicture.h"
#include "platform/gdi/TPngImage.h"

namespace {

namespace fs = std::filesystem;

class TPictureTest : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/picturetest.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    Dir = pattern;
    Source.SetPixelFormat(pf24bit);
    Source.SetSize(4, 3);
    Source.Canvas()->SetPixels(0, 0, clBlue);
  }
  void TearDown() override { fs::remove_all(Dir); }
  String Path(const String& Name) const { return Dir + "/" + Name; }
  // Writes Source to Name in the format of G.
  void Save(TGraphic& G, const String& Name) {
    G.Assign(&Source);
    G.SaveToFile(Path(Name));
  }

  String Dir;
  TBitmap Source;
};

TEST_F(TPictureTest, LoadsByExtension) {
  TBitmap bmp;
  TPngImage png;
  TJPEGImage jpeg;
  TGIFImage gif;
  Save(bmp, "a.bmp");
  Save(png, "a.PNG");
  Save(jpeg, "a.jpg");
  Save(jpeg, "a.jpeg");
  Save(gif, "a.gif");
  const std::pair<const char*, const char*> cases[] = {
    { "a.bmp", "TBitmap" }, { "a.PNG", "TPngImage" }, { "a.jpg", "TJPEGImage" }, { "a.jpeg", "TJPEGImage" }, { "a.gif", "TGIFImage" },
  };
  for (const auto& [name, className] : cases) {
    SCOPED_TRACE(name);
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    picture.LoadFromFile(Path(name));
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Graphic()->ClassName(), className);
    EXPECT_EQ(picture.Width(), 4);
    EXPECT_EQ(picture.Height(), 3);
    EXPECT_EQ(changes, 1);
  }
}

TEST(GraphicFilterTest, OffersExactlyTheTypesThatLoad) {
  EXPECT_EQ(GraphicFilter(),
            "All pictures (*.bmp;*.png;*.jpg;*.jpeg;*.gif;*.ico)|*.bmp;*.png;*.jpg;*.jpeg;*.gif;*.ico"
            "|Bitmaps (*.bmp)|*.bmp|PNG pictures (*.png)|*.png|JPEG pictures (*.jpg;*.jpeg)|*.jpg;*.jpeg"
            "|GIF pictures (*.gif)|*.gif|Icons (*.ico)|*.ico");
}

TEST_F(TPictureTest, FailedLoadsKeepTheGraphic) {
  TPicture picture;
  picture.SetGraphic(&Source);
  std::ofstream(Path("broken.png"), std::ios::binary) << "\x89PNG\r\n\x1a\nnot really";
  std::ofstream(Path("vector.emf"), std::ios::binary) << "EMF";
  std::ofstream(Path("noextension"), std::ios::binary) << "BM";
  const std::pair<const char*, const char*> cases[] = {
    { "vector.emf", "Unknown picture file extension (.emf)" },
    { "drawing.WMF", "Unknown picture file extension (.WMF)" },
    { "noextension", "Unknown picture file extension ()" },
  };
  for (const auto& [name, message] : cases) {
    try {
      picture.LoadFromFile(Path(name));
      ADD_FAILURE() << name;
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(e.Message, message);
    }
  }
  EXPECT_THROW(picture.LoadFromFile(Path("broken.png")), EInvalidGraphic);
  EXPECT_THROW(picture.LoadFromFile(Path("missing.bmp")), EFOpenError);
  ASSERT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Bitmap()->Canvas()->Pixels(0, 0), clBlue);
}

TEST_F(TPictureTest, HoldsCopiesAndHandsOutABitmap) {
  TPngImage png;
  png.Assign(&Source);
  TPicture picture;
  picture.SetGraphic(&png);
  ASSERT_NE(picture.Graphic(), &png);
  EXPECT_EQ(picture.Graphic()->ClassName(), "TPngImage");

  // Another picture's graphic is copied; a bitmap converts the PNG.
  TPicture copy;
  copy.Assign(&picture);
  EXPECT_EQ(copy.Graphic()->ClassName(), "TPngImage");
  TBitmap converted;
  converted.Assign(&picture);
  EXPECT_EQ(converted.Width(), 4);
  EXPECT_EQ(converted.Canvas()->Pixels(0, 0), clBlue);

  // Asking for the bitmap of a PNG picture replaces the PNG with an empty bitmap; drawing on it is a change.
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  TBitmap* bitmap = picture.Bitmap();
  EXPECT_EQ(picture.Graphic(), bitmap);
  EXPECT_TRUE(bitmap->Empty());
  EXPECT_EQ(changes, 1);
  bitmap->SetSize(2, 2);
  EXPECT_GT(changes, 1);

  picture.Assign(nullptr);
  EXPECT_EQ(picture.Graphic(), nullptr);
  EXPECT_EQ(picture.Width(), 0);
  TFont font;
  EXPECT_THROW(picture.Assign(&font), EConvertError);
}

TEST_F(TPictureTest, SavesInTheGraphicsFormat) {
  TPicture picture;
  picture.SetGraphic(&Source);
  picture.SaveToFile(Path("out.png"));  // the bitmap decides: a BMP file whatever the name
  std::ifstream in(Path("out.png"), std::ios::binary);
  char magic[2] {};
  in.read(magic, 2);
  EXPECT_EQ(std::string(magic, 2), "BM");
}

}  // namespace
