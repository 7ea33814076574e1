#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <vector>

#include "app/snapshots/SnapshotWriter.h"
#include "platform/base/Exception.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TGIFImage.h"
#include "platform/gdi/TJPEGImage.h"
#include "platform/gdi/TPngImage.h"
#include "tests/platform/base/RespectFileModes.h"

namespace {

namespace fs = std::filesystem;

constexpr int Width = 96;
constexpr int Height = 64;

/// A picture of many colours: red grows to the right, green downwards.
std::unique_ptr<TBitmap> Gradient() {
  auto Picture = std::make_unique<TBitmap>();
  Picture->SetPixelFormat(pf24bit);
  Picture->SetSize(Width, Height);
  for (int Y = 0; Y < Height; ++Y) {
    auto* Row = static_cast<uint8_t*>(Picture->ScanLine(Y));
    for (int X = 0; X < Width; ++X) {
      Row[X * 3] = 128;
      Row[X * 3 + 1] = uint8_t(Y * 255 / (Height - 1));
      Row[X * 3 + 2] = uint8_t(X * 255 / (Width - 1));
    }
  }
  return Picture;
}

std::vector<uint8_t> Bytes(const String& FileName) {
  std::ifstream File(FileName, std::ios::binary);
  return { std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>() };
}

/// Offset of the JPEG marker 0xFF AMarker, -1 when absent.
long Marker(const std::vector<uint8_t>& AData, uint8_t AMarker) {
  for (size_t I = 0; I + 1 < AData.size(); ++I)
    if (AData[I] == 0xFF && AData[I + 1] == AMarker) return long(I);
  return -1;
}

/// The file read back by the picture class of its type, as a 24-bit bitmap.
template <class TPicture> std::unique_ptr<TBitmap> Decoded(const String& FileName) {
  TPicture Picture;
  Picture.LoadFromFile(FileName);
  auto Bitmap = std::make_unique<TBitmap>();
  Bitmap->Assign(&Picture);
  Bitmap->SetPixelFormat(pf24bit);
  return Bitmap;
}

struct TComparison {
  double MeanError { 0 };
  int MaxError { 0 };
  size_t Colours { 0 };
};

TComparison Compare(TBitmap& Original, TBitmap& Read) {
  TComparison Result;
  std::set<uint32_t> Colours;
  double Sum = 0;
  for (int Y = 0; Y < Height; ++Y) {
    const auto* A = static_cast<const uint8_t*>(Original.ScanLine(Y));
    const auto* B = static_cast<const uint8_t*>(Read.ScanLine(Y));
    for (int X = 0; X < Width * 3; X += 3) {
      for (int C = 0; C < 3; ++C) {
        const int Error = std::abs(A[X + C] - B[X + C]);
        Sum += Error;
        Result.MaxError = std::max(Result.MaxError, Error);
      }
      Colours.insert(B[X] | B[X + 1] << 8 | B[X + 2] << 16);
    }
  }
  Result.MeanError = Sum / (Width * Height * 3);
  Result.Colours = Colours.size();
  return Result;
}

class SnapshotWriterTest : public ::testing::Test {
protected:
  void SetUp() override {
    char Pattern[] = "/tmp/snapshotwriter.XXXXXX";
    ASSERT_NE(mkdtemp(Pattern), nullptr);
    Folder = Pattern;
  }
  void TearDown() override {
    fs::permissions(Folder, fs::perms::owner_all);
    fs::remove_all(Folder);
  }

  String Folder;
};

TEST_F(SnapshotWriterTest, EachTypeIsWrittenInItsFormatAndReadsBackAsThePicture) {
  const auto Picture = Gradient();

  SaveSnapshot(*Picture, snBMP, Folder + "/shot.bmp");
  const auto Bmp = Bytes(Folder + "/shot.bmp");
  ASSERT_GE(Bmp.size(), 54u);
  EXPECT_EQ(Bmp[0], 'B');
  EXPECT_EQ(Bmp[28], 24) << "24 bits per pixel";
  auto Read = Decoded<TBitmap>(Folder + "/shot.bmp");
  EXPECT_EQ(Compare(*Picture, *Read).MaxError, 0);

  SaveSnapshot(*Picture, snPNG, Folder + "/shot.png");
  const auto Png = Bytes(Folder + "/shot.png");
  ASSERT_GE(Png.size(), 29u);
  EXPECT_EQ(Png[24], 8) << "8 bits per sample";
  EXPECT_EQ(Png[25], 2) << "RGB";
  EXPECT_EQ(Png[28], 0) << "not interlaced";
  Read = Decoded<TPngImage>(Folder + "/shot.png");
  EXPECT_EQ(Compare(*Picture, *Read).MaxError, 0);

  SaveSnapshot(*Picture, snJPG, Folder + "/shot.jpg");
  const auto Jpeg = Bytes(Folder + "/shot.jpg");
  const long Baseline = Marker(Jpeg, 0xC0);
  ASSERT_GE(Baseline, 0) << "a baseline frame";
  EXPECT_EQ(Marker(Jpeg, 0xC2), -1) << "not progressive";
  EXPECT_EQ(Jpeg[Baseline + 9], 3) << "three colour components";
  // The first luminance quantiser of the standard table (16) scaled for quality 90.
  const long Quantisers = Marker(Jpeg, 0xDB);
  ASSERT_GE(Quantisers, 0);
  EXPECT_EQ(Jpeg[Quantisers + 5], 3);
  Read = Decoded<TJPEGImage>(Folder + "/shot.jpg");
  EXPECT_LT(Compare(*Picture, *Read).MeanError, 3.0);

  SaveSnapshot(*Picture, snGIF, Folder + "/shot.gif");
  const auto Gif = Bytes(Folder + "/shot.gif");
  ASSERT_GE(Gif.size(), 6u);
  EXPECT_EQ(String(Gif.begin(), Gif.begin() + 3), "GIF");
  Read = Decoded<TGIFImage>(Folder + "/shot.gif");
  const TComparison Reduced = Compare(*Picture, *Read);
  EXPECT_LE(Reduced.Colours, 256u);
  EXPECT_GT(Reduced.Colours, 64u) << "the palette is used, not a fixed handful of colours";
  EXPECT_LT(Reduced.MeanError, 6.0);
}

TEST_F(SnapshotWriterTest, AFileThatCannotBeCreatedRaisesTheCreationErrorAndKeepsWhatWasThere) {
  TRespectFileModes AsAnyUser;
  const auto Picture = Gradient();
  const String Kept = Folder + "/kept.jpg";
  std::ofstream(Kept) << "old";
  fs::permissions(Kept, fs::perms::owner_read);
  try {
    SaveSnapshot(*Picture, snJPG, Kept);
    ADD_FAILURE() << "no error";
  } catch (const EFCreateError& E) {
    EXPECT_EQ(E.Message, "Cannot create file \"" + Kept + "\". Permission denied");
  }
  EXPECT_EQ(fs::file_size(Kept), 3u) << "the file is left as it was";

  fs::permissions(Folder, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_THROW(SaveSnapshot(*Picture, snBMP, Folder + "/new.bmp"), EFCreateError);
  EXPECT_FALSE(fs::exists(Folder + "/new.bmp"));
}

TEST_F(SnapshotWriterTest, AWriteFailingHalfWayLeavesNoPartialFile) {
  const auto Picture = Gradient();
  // The file-size limit makes the writes beyond 1 KiB fail, as a full disk would.
  const auto OldHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit Saved;
  getrlimit(RLIMIT_FSIZE, &Saved);
  rlimit Small = Saved;
  Small.rlim_cur = 1024;
  setrlimit(RLIMIT_FSIZE, &Small);
  EXPECT_THROW(SaveSnapshot(*Picture, snBMP, Folder + "/cut.bmp"), EWriteError);
  setrlimit(RLIMIT_FSIZE, &Saved);
  signal(SIGXFSZ, OldHandler);
  EXPECT_FALSE(fs::exists(Folder + "/cut.bmp"));
}

}  // namespace
