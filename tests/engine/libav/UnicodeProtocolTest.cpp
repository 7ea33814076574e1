#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/FFUtils.h"
#include "engine/libav/FFmpegLoader.h"
#include "engine/libav/UnicodeProtocol.h"
#include "tests/engine/fixtures/MediaFixtures.h"

namespace fs = std::filesystem;

namespace {

int OpenDescriptors() {
  return int(std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator()));
}

struct TempDir {
  fs::path Path = fs::temp_directory_path() / ("engine-unicode-" + std::to_string(getpid()));
  TempDir() { fs::create_directories(Path); }
  ~TempDir() { fs::remove_all(Path); }
};

/// Opens AUrl through the engine's opener and counts the video packets in it.
int VideoPackets(const String& AUrl) {
  AVFormatContext* Input = nullptr;
  const int Opened = UnicodeOpenInput(&Input, AUrl, nullptr, nullptr);
  EXPECT_EQ(Opened, 0) << ErrorText(AUrl, Opened);
  if (Opened < 0) return -1;
  EXPECT_GE(LibAVFormat.avformat_find_stream_info(Input, nullptr), 0);
  AVPacket* Packet = LibAVCodec.av_packet_alloc();
  int Count = 0;
  while (LibAVFormat.av_read_frame(Input, Packet) >= 0) {
    if (Input->streams[Packet->stream_index]->codecpar->codec_type == AVMEDIA_TYPE_VIDEO) ++Count;
    LibAVCodec.av_packet_unref(Packet);
  }
  LibAVCodec.av_packet_free(&Packet);
  UnicodeCloseInput(&Input);
  EXPECT_EQ(Input, nullptr);
  return Count;
}

String ProtocolName(const String& APath) { return String(UnicodeProtocolPrefix) + APath; }

class UnicodeProtocolTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    String Error;
    ASSERT_TRUE(LoadAVLib("", TranscoderLibraries, Error)) << Error;
  }
};

}  // namespace

TEST_F(UnicodeProtocolTest, OnlyPrefixedNamesWithAPathAreProtocolNames) {
  const struct {
    String Name;
    bool Protocol;
    String FileName;
  } Cases[] = {
    { "/tmp/a.avi", false, "/tmp/a.avi" },
    { "/tmp/中文 名.mp4", false, "/tmp/中文 名.mp4" },
    { "http://host/视频.mp4", false, "http://host/视频.mp4" },
    { "udp://239.0.0.1:1234", false, "udp://239.0.0.1:1234" },
    { "file:/tmp/a.avi", false, "file:/tmp/a.avi" },
    { "unicode:utf8:/tmp/中文:名.mp4", true, "/tmp/中文:名.mp4" },
    { "unicode:utf8:", false, "unicode:utf8:" },
    { "Unicode:utf8:/tmp/a.avi", false, "Unicode:utf8:/tmp/a.avi" },
  };
  for (const auto& Case : Cases) {
    EXPECT_EQ(IsUnicodeProtocolName(Case.Name), Case.Protocol) << Case.Name;
    EXPECT_EQ(FFmpegToName(Case.Name), Case.FileName) << Case.Name;
  }
}

TEST_F(UnicodeProtocolTest, AChineseNameWithBlanksOpensByPrefixAndByPlainName) {
  const String Chinese = MediaFixtures().ChineseName;
  const int Descriptors = OpenDescriptors();
  EXPECT_EQ(VideoPackets(ProtocolName(Chinese)), Fixture::FrameCount);
  EXPECT_EQ(VideoPackets(Chinese), Fixture::FrameCount);
  EXPECT_EQ(OpenDescriptors(), Descriptors);
}

TEST_F(UnicodeProtocolTest, AnOutputWrittenThroughThePrefixReadsBackWhole) {
  TempDir Folder;
  const String Target = (Folder.Path / "输出 文件.mkv").string();
  AVFormatContext* Input = nullptr;
  ASSERT_EQ(UnicodeOpenInput(&Input, ProtocolName(MediaFixtures().ChineseName), nullptr, nullptr), 0);
  ASSERT_GE(LibAVFormat.avformat_find_stream_info(Input, nullptr), 0);
  AVFormatContext* Output = nullptr;
  ASSERT_GE(LibAVFormat.avformat_alloc_output_context2(&Output, nullptr, nullptr, Target.c_str()), 0);
  for (unsigned I = 0; I < Input->nb_streams; ++I) {
    AVStream* Stream = LibAVFormat.avformat_new_stream(Output, nullptr);
    LibAVCodec.avcodec_parameters_copy(Stream->codecpar, Input->streams[I]->codecpar);
    Stream->codecpar->codec_tag = 0;
  }
  const int Descriptors = OpenDescriptors();
  ASSERT_EQ(UnicodeOpenOutput(Output, ProtocolName(Target), nullptr, nullptr), 0);
  ASSERT_GE(LibAVFormat.avformat_write_header(Output, nullptr), 0);
  AVPacket* Packet = LibAVCodec.av_packet_alloc();
  while (LibAVFormat.av_read_frame(Input, Packet) >= 0) {
    LibAVCodec.av_packet_rescale_ts(Packet, Input->streams[Packet->stream_index]->time_base,
                                    Output->streams[Packet->stream_index]->time_base);
    ASSERT_GE(LibAVFormat.av_interleaved_write_frame(Output, Packet), 0);
  }
  LibAVCodec.av_packet_free(&Packet);
  ASSERT_GE(LibAVFormat.av_write_trailer(Output), 0);
  UnicodeCloseOutput(Output);
  EXPECT_EQ(Output->pb, nullptr);
  EXPECT_EQ(OpenDescriptors(), Descriptors);
  LibAVFormat.avformat_free_context(Output);
  UnicodeCloseInput(&Input);

  EXPECT_EQ(VideoPackets(Target), Fixture::FrameCount);
}

TEST_F(UnicodeProtocolTest, AMissingFileReportsNoSuchFile) {
  AVFormatContext* Input = nullptr;
  const String Name = ProtocolName("/nonexistent/缺少.avi");
  const int Result = UnicodeOpenInput(&Input, Name, nullptr, nullptr);
  EXPECT_EQ(ErrorText(Name, Result), Name + ": No such file or directory");
  EXPECT_EQ(Input, nullptr);
}

TEST_F(UnicodeProtocolTest, AFileThatIsNoMediaIsRefusedWithoutLeaks) {
  TempDir Folder;
  const auto File = Folder.Path / "文本.avi";
  { std::ofstream(File) << "no media here"; }
  const int Descriptors = OpenDescriptors();
  AVFormatContext* Input = nullptr;
  EXPECT_LT(UnicodeOpenInput(&Input, ProtocolName(File.string()), nullptr, nullptr), 0);
  EXPECT_EQ(Input, nullptr);
  EXPECT_EQ(OpenDescriptors(), Descriptors);
}

TEST_F(UnicodeProtocolTest, TheSizeQueryGivesTheFull64BitSize) {
  TempDir Folder;
  const auto File = Folder.Path / "大文件.bin";
  const int64_t Size = (int64_t(5) << 30) + 3;
  { std::ofstream(File) << ""; }
  fs::resize_file(File, Size);  // sparse: nothing is written
  AVIOContext* IO = UnicodeOpenIO(ProtocolName(File.string()), AVIO_FLAG_READ);
  ASSERT_NE(IO, nullptr);
  EXPECT_EQ(LibAVFormat.avio_size(IO), Size);
  EXPECT_EQ(LibAVFormat.avio_seek(IO, Size - 1, SEEK_SET), Size - 1);
  UnicodeCloseIO(&IO);
  EXPECT_EQ(IO, nullptr);
}

TEST_F(UnicodeProtocolTest, ANameLongerThan2047BytesOpensWhole) {
  TempDir Folder;
  fs::path Deep = Folder.Path;
  while (Deep.string().size() < 2100) Deep /= String(60, 'd') + "目录";
  fs::create_directories(Deep);
  const auto Copy = Deep / "长名.wav";
  fs::copy_file(MediaFixtures().AudioWAV, Copy);
  AVFormatContext* Input = nullptr;
  ASSERT_EQ(UnicodeOpenInput(&Input, ProtocolName(Copy.string()), nullptr, nullptr), 0);
  EXPECT_EQ(FFmpegToName(Input->url), Copy.string());
  UnicodeCloseInput(&Input);
}
