#include <gtest/gtest.h>

#include <random>

#include "platform/base/TMemoryStream.h"
#include "skin/core/TCompressionStream.h"
#include "skin/core/TDecompressionStream.h"
#include "skin/core/skzlibcompress.h"

namespace {

String Bytes(TMemoryStream& Stream) { return String(static_cast<const char*>(Stream.Memory()), size_t(Stream.Size())); }

// Text that compresses, with enough variety that a wrong offset shows.
String SampleText(size_t Size) {
  std::mt19937 random(7);
  String text;
  while (text.size() < Size) text += "skin line " + std::to_string(random() % 1000) + "\n";
  text.resize(Size);
  return text;
}

String Compressed(const String& Text) {
  TMemoryStream source, packed;
  source.WriteBuffer(Text.data(), Int64(Text.size()));
  CompressStream(&source, &packed);
  return Bytes(packed);
}

String Inflated(const String& Packed) {
  TMemoryStream source, inflated;
  source.WriteBuffer(Packed.data(), Int64(Packed.size()));
  DecompressStream(&inflated, &source);
  return Bytes(inflated);
}

TEST(ZlibStreams, EmptyInputIsTheEightByteStreamAtTheHighestLevel) {
  const String packed = Compressed("");
  EXPECT_EQ(packed, String("\x78\xDA\x03\x00\x00\x00\x00\x01", 8));
  EXPECT_EQ(Inflated(packed), "");
}

TEST(ZlibStreams, RoundTripAcrossBufferAndBlockBoundaries) {
  for (size_t size : { size_t(1), size_t(4095), size_t(4096), size_t(8192), size_t(100000) }) {
    const String text = SampleText(size);
    const String packed = Compressed(text);
    EXPECT_EQ(packed.substr(0, 2), "\x78\xDA") << size;
    EXPECT_EQ(Inflated(packed), text) << size;
  }
}

TEST(ZlibStreams, CompressionKeepsItsPlaceWhenTheDestinationIsMovedBetweenWrites) {
  // Incompressible data fills several output buffers, so the moves fall between real writes.
  std::mt19937 random(3);
  String data(40000, '\0');
  for (char& c : data) c = char(random());
  TMemoryStream dest;
  dest.WriteBuffer("head", 4);
  {
    TCompressionStream compressor(TCompressionLevel::clFastest, &dest);
    EXPECT_EQ(compressor.CompressionRate(), 0.0f);
    for (size_t at = 0; at < data.size(); at += 10000) {
      compressor.WriteBuffer(data.data() + at, 10000);
      dest.SetPosition(0);
    }
    compressor.Finish();
    EXPECT_LT(compressor.CompressionRate(), 0.0f);  // random bytes grow a little
  }
  const String all = Bytes(dest);
  EXPECT_EQ(all.substr(0, 4), "head");
  EXPECT_EQ(Inflated(all.substr(4)), data);
}

TEST(ZlibStreams, WrongDirectionAndImpossibleMovesRaise) {
  TMemoryStream dest;
  TCompressionStream compressor(TCompressionLevel::clMax, &dest);
  char buffer[4];
  try {
    compressor.Read(buffer, 4);
    FAIL();
  } catch (const ECompressionError& e) {
    EXPECT_EQ(e.Message, "Invalid stream operation");
  }
  EXPECT_THROW(compressor.Seek(1, soCurrent), ECompressionError);
  EXPECT_THROW(compressor.Seek(0, soBeginning), ECompressionError);
  compressor.WriteBuffer("abc", 3);
  EXPECT_EQ(compressor.Seek(0, soCurrent), 3);

  TMemoryStream source;
  const String packed = Compressed("x");
  source.WriteBuffer(packed.data(), Int64(packed.size()));
  source.SetPosition(0);
  TDecompressionStream inflater(&source);
  try {
    inflater.Write("x", 1);
    FAIL();
  } catch (const EDecompressionError& e) {
    EXPECT_EQ(e.Message, "Invalid stream operation");
  }
}

TEST(ZlibStreams, DecompressionSeeks) {
  const String text = SampleText(20000);
  TMemoryStream source;
  const String packed = Compressed(text);
  source.WriteBuffer(packed.data(), Int64(packed.size()));
  source.SetPosition(0);
  TDecompressionStream inflater(&source);
  char buffer[20];
  inflater.ReadBuffer(buffer, 20);

  EXPECT_EQ(inflater.Seek(0, soCurrent), 20);
  EXPECT_THROW(inflater.Seek(10, soBeginning), EDecompressionError);
  EXPECT_THROW(inflater.Seek(20, soBeginning), EDecompressionError);
  EXPECT_THROW(inflater.Seek(-1, soCurrent), EDecompressionError);
  EXPECT_THROW(inflater.Seek(0, soEnd), EDecompressionError);

  EXPECT_EQ(inflater.Seek(30, soBeginning), 30);
  inflater.ReadBuffer(buffer, 5);
  EXPECT_EQ(String(buffer, 5), text.substr(30, 5));
  EXPECT_EQ(inflater.Seek(9000, soCurrent), 9035);
  inflater.ReadBuffer(buffer, 5);
  EXPECT_EQ(String(buffer, 5), text.substr(9035, 5));

  EXPECT_EQ(inflater.Seek(0, soBeginning), 0);
  inflater.ReadBuffer(buffer, 20);
  EXPECT_EQ(String(buffer, 20), text.substr(0, 20));
  EXPECT_THROW(inflater.Seek(30000, soCurrent), EReadError);
}

TEST(ZlibStreams, DamagedDataRaisesAndNothingSpins) {
  const String good = Compressed(SampleText(5000));
  String flipped = good;
  flipped[good.size() / 2] ^= 0x55;
  // A header asking for a preset dictionary: inflate answers without progress, which must not loop.
  const String dictionary("\x78\xBB\x00\x00\x00\x01\x03\x00", 8);
  for (const String& damaged : { flipped, good.substr(0, good.size() - 9), dictionary, String("not zlib") }) {
    try {
      Inflated(damaged);
      ADD_FAILURE() << "no error";
    } catch (const EDecompressionError& e) {
      EXPECT_EQ(e.Message, "compression error");
    }
  }
}

TEST(ZlibStreams, ReadingStopsAtTheEndOfTheZlibStream) {
  const String text = SampleText(3000);
  const String packed = Compressed(text) + String(50000, 'G');
  EXPECT_EQ(Inflated(packed), text);

  TMemoryStream source;
  source.WriteBuffer(packed.data(), Int64(packed.size()));
  source.SetPosition(0);
  TDecompressionStream inflater(&source);
  String buffer(10000, '\0');
  EXPECT_EQ(inflater.Read(buffer.data(), 10000), 3000);
  EXPECT_TRUE(inflater.StreamEnded());
  EXPECT_EQ(inflater.Read(buffer.data(), 10000), 0);
}

}  // namespace
