#include <gtest/gtest.h>

#include <ctime>
#include <vector>

#include "engine/tasklist/OptionText.h"
#include "engine/tasklist/OptionTranslation.h"
#include "engine/tasklist/TOutputOptionsTranslation.h"
#include "platform/base/DateUtils.h"
#include "platform/base/SysUtils.h"

namespace {

/// Records every option as "name=value", setters under their option names.
class TRecordingSink : public IOptionSink {
public:
  void ApplyOption(const String& Name, const String& Value) override { Calls.push_back(Name + "=" + Value); }
  void SetAudioVolume(int Value) override { Calls.push_back("vol=" + IntToStr(Value)); }
  void SetAudioSyncMethod(int Value) override { Calls.push_back("async=" + IntToStr(Value)); }
  void SetVideoSyncMethod(int Value) override { Calls.push_back("vsync=" + IntToStr(Value)); }
  void SetMuxMaxDelay(float Value) override { Calls.push_back("muxdelay=" + FloatToStr(Value)); }
  void SetMuxPreload(float Value) override { Calls.push_back("muxpreload=" + FloatToStr(Value)); }
  void SetStartTime(Int64 Value) override { Calls.push_back("start=" + IntToStr(Value)); }
  void SetTarget(const String& TargetType, const String& Norm, const String& DefaultNorm) override {
    Calls.push_back("target=" + TargetType + " " + Norm + " " + DefaultNorm);
  }

  std::vector<String> Calls;
};

using TCalls = std::vector<String>;

/// The options an output record gives before its file opens and after it opened.
struct TOutputCalls {
  TCalls BeforeOpen;
  TCalls AfterOpen;
};

TOutputCalls Translate(const TOutputOptions& AOptions) {
  TRecordingSink Sink;
  TOutputOptionsTranslation Translation(Sink, AOptions);
  Translation.ApplyBeforeOpen();
  TOutputCalls Result { Sink.Calls, {} };
  Sink.Calls.clear();
  Translation.AddNewStreams();
  Result.AfterOpen = Sink.Calls;
  return Result;
}

}  // namespace

TEST(OptionRecords, DefaultsOfTheRecords) {
  TInputOptions Input { "x", "avi", 5, 3, "a=b", 7, &Input };
  InitInputOptions(Input);
  EXPECT_EQ(Input.FileName, "");
  EXPECT_EQ(Input.TimeStart, AV_NOPTS_VALUE);
  EXPECT_EQ(Input.ProgramID, -1);
  EXPECT_EQ(Input.Data, nullptr);

  TOutputOptions Output;
  Output.VideoCodec = "mpeg4";
  Output.Info.Title = "t";
  Output.NormDefault = ntNTSC;
  InitOutputOptions(Output);
  EXPECT_EQ(Output.VideoCodec, "");
  EXPECT_EQ(Output.Info.Title, "");
  EXPECT_EQ(Output.Info.TimeStamp, -1.0);
  EXPECT_EQ(Output.NormDefault, ntPAL);
  EXPECT_EQ(Output.VideoSyncMethod, -1);
  EXPECT_EQ(Output.AudioSyncMethod, 0);
  EXPECT_EQ(Output.MuxDelay, -1.0f);
}

TEST(OptionRecords, AFreshOutputRecordGivesOnlyItsSetFieldsAndTheAlwaysAppliedOnes) {
  TOutputOptions Options;
  Options.FileFormat = "avi";
  Options.VideoCodec = "mpeg4";
  const TOutputCalls Calls = Translate(Options);
  EXPECT_EQ(Calls.BeforeOpen, (TCalls { "vcodec=mpeg4", "f=avi", "alang=", "async=0", "vsync=-1", "vlang=", "slang=", "isync=0" }));
  EXPECT_TRUE(Calls.AfterOpen.empty());
}

TEST(OptionRecords, EveryFieldInItsPlace) {
  TOutputOptions O;
  O.FileFormat = "mpeg";
  O.PacketSize = 2324;
  O.MuxRate = 1411200;
  O.MuxDelay = 0.5f;
  O.MuxPreload = 0.25f;
  O.AudioCodec = "mp2";
  O.AudioPreset = "ap";
  O.DisableAudio = true;
  O.AudioVolume = 0;
  O.AudioChannels = 2;
  O.AudioSampleRate = 44100;
  O.AudioBitrate = 224000;
  O.AudioBitRateTolerance = 1000;
  O.AudioLanguage = "eng";
  O.AudioSyncMethod = 1;
  O.AudioTag = "MP2 ";
  O.VideoCodec = "mpeg1video";
  O.VideoPreset = "vp";
  O.DisableVideo = true;
  O.FrameRate = "25";
  O.FrameSize = "352x288";
  O.FrameAspectRatio = "4:3";
  O.CropTop = 2;
  O.CropBottom = 4;
  O.CropLeft = 6;
  O.CropRight = 8;
  O.GroupPictureSize = 15;
  O.VideoBitrate = 1150000;
  O.VideoMaxRate = 1150001;
  O.VideoMinRate = 1149999;
  O.VideoBitRateTolerance = 5000;
  O.VideoBufSize = 327680;
  O.VideoSyncMethod = 2;
  O.VideoTag = "DX50";
  O.VideoFilters = "hflip";
  O.VideoLanguage = "deu";
  O.SubtitleCodec = "dvdsub";
  O.SubtitlePreset = "sp";
  O.DisableSubtitle = true;
  O.SubtitleLanguage = "fra";
  O.InputSync = true;
  O.CopyTimestamp = true;
  O.TimeStart = 1500000;
  O.TimeLength = -2;
  O.Info.Year = 2009;
  O.Info.Track = 3;
  O.Info.Title = "T=1";
  O.Info.Genre = "G";
  O.TargetType = ttVCD;
  O.NormType = ntNTSC;
  O.NormDefault = ntNTSC;
  O.ExtOptions = "qscale=3";
  const TCalls Expected = {
    "target=vcd ntsc ntsc", "acodec=mp2", "vcodec=mpeg1video", "scodec=dvdsub", "apre=ap", "vpre=vp", "spre=sp", "qscale=3",
    "f=mpeg", "packetsize=2324", "muxrate=1411200", "muxdelay=0.5", "muxpreload=0.25", "an=1", "vol=0", "ac=2",
    "ar=44100", "ab=224000", "abt=1000", "alang=eng", "async=1", "atag=MP2 ", "vn=1", "r=25", "aspect=4:3",
    "croptop=2", "cropbottom=4", "cropleft=6", "cropright=8", "g=15", "vb=1150000", "maxrate=1150001",
    "minrate=1149999", "bt=5000", "bufsize=327680", "vsync=2", "vtag=DX50", "vlang=deu", "sn=1", "slang=fra",
    "isync=1", "copyts=1", "ss=1500000us", "t=-2us", "metadata=year=2009", "metadata=track=3", "metadata=title=T=1",
    "metadata=genre=G", "s=352x288", "vf=hflip",
  };
  EXPECT_EQ(Translate(O).BeforeOpen, Expected);
}

TEST(OptionRecords, StreamOptionsOfTheTextWaitForTheStreamsItAdds) {
  struct TCase {
    const char* VideoCodec;
    const char* ExtOptions;
    TCalls BeforeOpen;  // the stream options among the calls before the output opens
    TCalls AfterOpen;
  };
  const TCase Cases[] = {
    // The first text line becomes the default, and still waits for the added stream; the last is never taken.
    { "", "vcodec=mpeg4\nnewvideo=\nvcodec=libx264", { "vcodec=mpeg4" }, { "vcodec=mpeg4", "newvideo=" } },
    { "msmpeg4v2", "vcodec=mpeg4\nnewvideo=\nvcodec=libx264", { "vcodec=msmpeg4v2" }, { "vcodec=mpeg4", "newvideo=" } },
    // Without a waiting line an added stream takes the default; "vfilters" counts as "vf".
    { "h263", "vfilters=vflip<CRLF>NewVideo=x<CRLF>newvideo=y", { "vcodec=h263", "vf=vflip" },
      { "vcodec=h263", "vf=vflip", "newvideo=x", "vcodec=h263", "vf=vflip", "newvideo=y" } },
    // Each kind takes only its own lines; presets and sizes too, in text order.
    { "", "apre=a1\nnewaudio=\ns=160x120\nspre=s1\nnewsubtitle=\nnewaudio=\nacodec=mp2",
      { "acodec=mp2", "apre=a1", "spre=s1", "s=160x120" },
      { "acodec=mp2", "apre=a1", "newaudio=", "spre=s1", "newsubtitle=", "acodec=mp2", "apre=a1", "newaudio=" } },
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.ExtOptions);
    TOutputOptions Options;
    Options.VideoCodec = Case.VideoCodec;
    Options.ExtOptions = Case.ExtOptions;
    const TOutputCalls Calls = Translate(Options);
    TCalls StreamCalls;
    for (const String& Call : Calls.BeforeOpen)
      for (const char* Name : { "acodec=", "vcodec=", "scodec=", "apre=", "vpre=", "spre=", "s=", "vf=" })
        if (Call.starts_with(Name)) StreamCalls.push_back(Call);
    EXPECT_EQ(StreamCalls, Case.BeforeOpen);
    EXPECT_EQ(Calls.AfterOpen, Case.AfterOpen);
  }
}

TEST(OptionRecords, FieldsApplyAfterTheTextAndOverrideIt) {
  TOutputOptions Options;
  Options.ExtOptions = "VSYNC=1\nalang=xx\nvcodec=mpeg4\ns=1x1\nnewvideo=";
  const TCalls Calls = Translate(Options).BeforeOpen;
  // Codec and size lines only set defaults, which come before the text (codec) and last (size).
  EXPECT_EQ(Calls, (TCalls { "vcodec=mpeg4", "vsync=1", "alang=xx", "alang=", "async=0", "vsync=-1", "vlang=", "slang=",
                             "isync=0", "s=1x1" }));
}

TEST(OptionRecords, TargetsAndTheirNorms) {
  struct TCase {
    TOptionTargetType Type;
    TOptionNormType Norm;
    TOptionNormDefault Default;
    const char* Call;
  };
  const TCase Cases[] = {
    { ttVCD, ntAuto, ntPAL, "target=vcd auto pal" },
    { ttSVCD, ntPAL, ntNTSC, "target=svcd pal ntsc" },
    { ttDVD, ntNTSC, ntPAL, "target=dvd ntsc pal" },
    { ttDVD, TOptionNormType(7), ntPAL, "target=dvd auto pal" },  // out of range: the inputs decide
    { ttIgnore, ntPAL, ntPAL, nullptr },
  };
  for (const TCase& Case : Cases) {
    TOutputOptions Options;
    Options.TargetType = Case.Type;
    Options.NormType = Case.Norm;
    Options.NormDefault = Case.Default;
    const TCalls Calls = Translate(Options).BeforeOpen;
    if (Case.Call) EXPECT_EQ(Calls.front(), Case.Call);
    else EXPECT_FALSE(Calls.front().starts_with("target="));
  }
}

TEST(OptionRecords, RecordingTimeIsNowAGivenLocalTimeOrNone) {
  const auto TimeStampCalls = [](TDateTime ATimeStamp) {
    TOutputOptions Options;
    Options.Info.TimeStamp = ATimeStamp;
    TCalls Result;
    for (const String& Call : Translate(Options).BeforeOpen)
      if (Call.starts_with("timestamp=")) Result.push_back(Call);
    return Result;
  };
  EXPECT_EQ(TimeStampCalls(0.0), TCalls { "timestamp=now" });
  EXPECT_EQ(TimeStampCalls(-1.0), TCalls {});
  // A summer and a winter date: each takes the offset in force on its own day.
  for (const auto& [Month, Day] : { std::pair { 7, 15 }, std::pair { 1, 15 } }) {
    std::tm Local {};
    Local.tm_year = 2021 - 1900;
    Local.tm_mon = Month - 1;
    Local.tm_mday = Day;
    Local.tm_hour = 14;
    Local.tm_min = 30;
    Local.tm_sec = 5;
    Local.tm_isdst = -1;
    const std::time_t Instant = std::mktime(&Local);
    std::tm Utc {};
    gmtime_r(&Instant, &Utc);
    char Text[32];
    std::strftime(Text, sizeof Text, "timestamp=%Y-%m-%d %H:%M:%SZ", &Utc);
    EXPECT_EQ(TimeStampCalls(EncodeDate(2021, Word(Month), Word(Day)) + EncodeTime(14, 30, 5, 0)), TCalls { Text });
  }
}

TEST(OptionRecords, InputRecords) {
  TRecordingSink Sink;
  TInputOptions Options;
  Options.ExtOptions = "vcodec=h264\nACodec=mp2\ns=320x240\nvf=hflip\nnewvideo=\napre=x\nar=22050\n=ignored";
  Options.FileFormat = "rawvideo";
  Options.TimeStart = 2000000;
  Options.ProgramID = 0;
  ApplyInputOptions(Sink, Options);
  EXPECT_EQ(Sink.Calls, (TCalls { "vcodec=h264", "acodec=mp2", "s=320x240", "ar=22050", "f=rawvideo", "start=2000000", "programid=0" }));

  Sink.Calls.clear();
  ApplyInputOptions(Sink, TInputOptions {});
  EXPECT_TRUE(Sink.Calls.empty());
}

TEST(OptionRecords, ReadingOptionText) {
  struct TCase {
    const char* Text;
    std::vector<TOptionLine> Lines;
  };
  const TCase Cases[] = {
    { "", { { "", "" } } },
    { "  a=1\r\nb=2\rc=3\nd=4 \t\n", { { "a", "1" }, { "b", "2" }, { "c", "3" }, { "d", "4" } } },
    { "a=1<CRLF>b= x = y <crlf>c", { { "a", "1" }, { "b", " x = y <crlf>c", } } },
    { "flag\n\n=v<CRLF>", { { "flag", "" }, { "", "" }, { "", "v" }, { "", "" } } },
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Text);
    EXPECT_EQ(ReadOptionText(Case.Text), Case.Lines);
  }
}

TEST(OptionRecords, TextFormsOfTheCalls) {
  const TInputOptions Input = InputOptionsFromText("timestart=1500<CRLF>VCodec=h264\nTimeStart=abc\nf=avi");
  EXPECT_EQ(Input.TimeStart, AV_NOPTS_VALUE);  // the last line wins, and it is no number
  EXPECT_EQ(Input.ExtOptions, "VCodec=h264\nf=avi\n");
  EXPECT_EQ(InputOptionsFromText("TIMESTART=1500").TimeStart, 1500);

  const TOutputOptions Output = OutputOptionsFromText("join=0\nHook\nTimeLength=90000000\nTimeStart=-5\nnewvideo=\nvcodec=mpeg4");
  EXPECT_TRUE(Output.Join);
  EXPECT_TRUE(Output.CustomHook);
  EXPECT_EQ(Output.TimeLength, 90000000);
  EXPECT_EQ(Output.TimeStart, -5);
  EXPECT_EQ(Output.ExtOptions, "newvideo=\nvcodec=mpeg4\n");
  const TOutputOptions Plain = OutputOptionsFromText("customhook=\nb=1");
  EXPECT_TRUE(Plain.CustomHook);
  EXPECT_FALSE(Plain.Join);
  EXPECT_EQ(Plain.TimeLength, AV_NOPTS_VALUE);
}
