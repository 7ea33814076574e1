#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/base/Exception.h"
#include "platform/base/TFileStream.h"
#include "platform/base/TMemoryStream.h"
#include "platform/base/TStringStream.h"

namespace {

namespace fs = std::filesystem;

// Hands out at most one byte per Read, like a descriptor on a slow pipe.
class TTrickleStream : public TMemoryStream {
public:
  Int64 Read(void* Buffer, Int64 Count) override { return TMemoryStream::Read(Buffer, Count > 0 ? 1 : 0); }
};

// Claims a size it cannot deliver.
class TBrokenStream : public TStream {
public:
  Int64 Read(void*, Int64) override { return 0; }
  Int64 Write(const void*, Int64) override { return 0; }
  Int64 Seek(Int64, TSeekOrigin Origin) override { return Origin == soEnd ? 10 : 0; }
};

String Bytes(TMemoryStream& Stream) { return String(static_cast<const char*>(Stream.Memory()), Stream.Size()); }

template <class E> String MessageOf(const std::function<void()>& Action) {
  try {
    Action();
  } catch (const E& e) {
    return e.Message;
  }
  return "no exception";
}

class StreamFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/streamtest.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    Dir = pattern;
  }
  void TearDown() override { fs::remove_all(Dir); }
  String Path(const String& Name) const { return Dir + "/" + Name; }
  static void Put(const String& FileName, const String& Text) { std::ofstream(FileName, std::ios::binary) << Text; }

  String Dir;
};

TEST(TMemoryStreamTest, GrowsOnWriteAndSeeksFromEveryOrigin) {
  TMemoryStream s;
  s.WriteBuffer("abcdef", 6);
  EXPECT_EQ(s.Position(), 6);
  EXPECT_EQ(s.Seek(-2, soEnd), 4);
  EXPECT_EQ(s.Seek(-3, soCurrent), 1);
  s.WriteBuffer("XY", 2);
  EXPECT_EQ(Bytes(s), "aXYdef");
  // A seek past the end leaves a gap that reads as zeros once something is written after it.
  s.Seek(8, soBeginning);
  s.WriteBuffer("Z", 1);
  EXPECT_EQ(Bytes(s), String("aXYdef\0\0Z", 9));
  char buffer[4];
  EXPECT_EQ(s.Read(buffer, 4), 0);
  EXPECT_THROW(s.Seek(-1, soBeginning), EStreamError);
  EXPECT_EQ(s.Position(), 9);
}

TEST(TMemoryStreamTest, SetSizeTruncatesExtendsAndPullsThePositionBack) {
  TMemoryStream s;
  s.WriteBuffer("abcdef", 6);
  s.SetSize(3);
  EXPECT_EQ(s.Position(), 3);
  EXPECT_EQ(Bytes(s), "abc");
  s.SetSize(5);
  EXPECT_EQ(Bytes(s), String("abc\0\0", 5));
  s.Clear();
  EXPECT_EQ(s.Size(), 0);
  EXPECT_EQ(s.Position(), 0);
}

TEST(TStreamTest, ReadBufferRaisesOnAShortReadAndCollectsPartialReads) {
  TMemoryStream s;
  s.WriteBuffer("abc", 3);
  s.SetPosition(0);
  char buffer[8] = {};
  EXPECT_EQ(MessageOf<EReadError>([&] { s.ReadBuffer(buffer, 4); }), "Stream read error");

  TTrickleStream trickle;
  trickle.WriteBuffer("abcdef", 6);
  trickle.SetPosition(0);
  trickle.ReadBuffer(buffer, 6);
  EXPECT_EQ(String(buffer, 6), "abcdef");
}

TEST(TStreamTest, CopyFromTakesWholeSourceForZeroAndCountBytesFromThePositionOtherwise) {
  TMemoryStream source;
  String big(200000, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = char(i * 7);
  source.WriteBuffer(big.data(), big.size());

  TMemoryStream whole;
  source.SetPosition(1000);
  EXPECT_EQ(whole.CopyFrom(&source, 0), 200000);
  EXPECT_EQ(Bytes(whole), big);

  TMemoryStream part;
  source.SetPosition(10);
  EXPECT_EQ(part.CopyFrom(&source, 5), 5);
  EXPECT_EQ(Bytes(part), big.substr(10, 5));
  EXPECT_EQ(source.Position(), 15);

  source.SetPosition(199998);
  EXPECT_THROW(part.CopyFrom(&source, 3), EReadError);
}

TEST(TStreamTest, Int32IsLittleEndian) {
  TMemoryStream s;
  s.WriteInt32(0x12345678);
  s.WriteInt32(-2);
  s.WriteByte(0xDA);
  EXPECT_EQ(Bytes(s), String("\x78\x56\x34\x12\xFE\xFF\xFF\xFF\xDA", 9));
  s.SetPosition(0);
  EXPECT_EQ(s.ReadInt32(), 0x12345678);
  EXPECT_EQ(s.ReadInt32(), -2);
  EXPECT_EQ(s.ReadByte(), 0xDA);
  EXPECT_THROW(s.ReadInt32(), EReadError);
}

TEST(TStringStreamTest, StartsAtZeroOverItsTextAndShowsWrites) {
  TStringStream s("hello");
  EXPECT_EQ(s.Position(), 0);
  s.Seek(0, soEnd);
  s.WriteBuffer(" world", 6);
  EXPECT_EQ(s.DataString(), "hello world");
  s.SetPosition(0);
  char buffer[5];
  s.ReadBuffer(buffer, 5);
  EXPECT_EQ(String(buffer, 5), "hello");
}

TEST(TMemoryStreamTest, LoadFromAFailingStreamKeepsTheOldContent) {
  TMemoryStream s;
  s.WriteBuffer("keep", 4);
  TBrokenStream broken;
  EXPECT_THROW(s.LoadFromStream(&broken), EReadError);
  EXPECT_EQ(Bytes(s), "keep");
}

TEST_F(StreamFileTest, CreateReplacesAndOpenModesKeepTheContent) {
  Put(Path("f"), "old content");
  {
    TFileStream f(Path("f"), fmCreate | fmShareExclusive);
    EXPECT_EQ(f.Size(), 0);
    f.WriteBuffer("new", 3);
  }
  {
    TFileStream f(Path("f"), fmOpenWrite);
    f.Seek(0, soEnd);
    f.WriteBuffer("er", 2);
  }
  {
    TFileStream f(Path("f"), fmOpenReadWrite | fmShareDenyNone);
    EXPECT_EQ(f.Size(), 5);
    f.SetSize(4);
    EXPECT_EQ(f.Position(), 0);
  }
  EXPECT_EQ(ReadFileToString(Path("f")), "newe");
  TFileStream reader(Path("f"), fmOpenRead);
  EXPECT_THROW(reader.WriteBuffer("x", 1), EWriteError);
}

TEST_F(StreamFileTest, FailuresNameTheFileAndTheReason) {
  Put(Path("plain"), "x");
  // A pipe nobody writes to would block its opener; a device such as /dev/zero would never end.
  ASSERT_EQ(mkfifo(Path("pipe").c_str(), 0666), 0);
  struct Case {
    String Name;
    uint16_t Mode;
    String Expected;
  } cases[] = {
    { Path("missing"), fmOpenRead, "Cannot open file \"" + Path("missing") + "\". No such file or directory" },
    { Dir, fmOpenRead, "Cannot open file \"" + Dir + "\". Is a directory" },
    { Path("pipe"), fmOpenRead, "Cannot open file \"" + Path("pipe") + "\". Is a named pipe" },
    { Path("pipe"), fmOpenReadWrite, "Cannot open file \"" + Path("pipe") + "\". Is a named pipe" },
    { "/dev/zero", fmOpenRead, "Cannot open file \"/dev/zero\". Is a device" },
    { Path("plain/sub"), fmCreate, "Cannot create file \"" + Path("plain/sub") + "\". Not a directory" },
    { Path("no/such"), fmCreate, "Cannot create file \"" + Path("no/such") + "\". No such file or directory" },
  };
  for (const Case& c : cases) {
    try {
      TFileStream f(c.Name, c.Mode);
      ADD_FAILURE() << c.Name << " opened";
    } catch (const EStreamError& e) {
      EXPECT_EQ(e.Message, c.Expected);
      bool create = c.Mode == fmCreate;
      EXPECT_EQ(dynamic_cast<const EFCreateError*>(&e) != nullptr, create) << c.Name;
      EXPECT_EQ(dynamic_cast<const EFOpenError*>(&e) != nullptr, !create) << c.Name;
    }
  }
  EXPECT_THROW(ReadFileToString(Path("missing")), EFOpenError);
  Put(Path("big"), String((1 << 20) + 1, 'x'));
  EXPECT_EQ(ReadFileToString(Path("big"), (1 << 20) + 1).size(), (1u << 20) + 1);
  try {
    ReadFileToString(Path("big"), 1 << 20);
    ADD_FAILURE() << "read beyond its limit";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message, "The file \"" + Path("big") + "\" is larger than 1 MB");
  }
}

TEST_F(StreamFileTest, MemoryStreamRoundTripsThroughAFile) {
  TMemoryStream out;
  String data("bin\0ary\xFF", 8);
  out.WriteBuffer(data.data(), data.size());
  out.SaveToFile(Path("m"));
  TMemoryStream in;
  in.WriteBuffer("stale and longer", 16);
  in.LoadFromFile(Path("m"));
  EXPECT_EQ(in.Position(), 0);
  EXPECT_EQ(Bytes(in), data);
  EXPECT_EQ(ReadFileToString(Path("m")), data);
}

}  // namespace
