// The preview's load: a 4 s 1280 x 720 H.264 clip (25 pictures a second, AAC sound) played from start to
// end by the player into a 210 x 135 window on the headless screen, the preview panel's size, while this
// thread serves the user-interface loop as the converter's does. Counted from the frame numbers the
// pictures carry: the pictures shown and those skipped in steady state (after the first second). Measured:
// the process's processor time against the playing time. The reference, in the same run: a plain decode
// of the same clip on one thread, as the player's decoders run, which also counts the clip's pictures.
// Aims: under one core on average, no picture skipped in steady state.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>

#include "engine/libav/FFmpegLoader.h"
#include "engine/libav/FFmpegLogger.h"
#include "engine/player/FFPlay.h"
#include "engine/player/TWindowVideoSurface.h"
#include "platform/base/MainThread.h"
#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"
#include "tests/engine/fixtures/MediaFixtures.h"
#include "tools/bench/transcode/BenchSupport.h"

namespace {

using namespace bench;

constexpr int PanelWidth = 210;
constexpr int PanelHeight = 135;
constexpr double SteadyAfterMs = 1000;

/// The pictures one playback put on screen.
struct TShownPictures {
  std::mutex Lock;
  std::chrono::steady_clock::time_point SteadyFrom;
  int LastFrame { -1 };
  int Shown { 0 };    // pictures with a new frame number, in steady state
  int Skipped { 0 };  // frame numbers passed over, in steady state

  /// A picture showing AFrame reached the screen.
  void Saw(int AFrame) {
    std::lock_guard Held(Lock);
    if (AFrame == LastFrame) return;
    if (LastFrame >= 0 && std::chrono::steady_clock::now() >= SteadyFrom) {
      ++Shown;
      Skipped += (AFrame - LastFrame - 1 + Fixture::FrameCount) % Fixture::FrameCount;
    }
    LastFrame = AFrame;
  }
};

/// The window's own video surface, reading the frame number of every picture the player shows in it.
class TCountingSurface : public IVideoSurface {
public:
  TCountingSurface(std::unique_ptr<IVideoSurface> AInner, TShownPictures& AShown) : FInner(std::move(AInner)), FShown(AShown) {}

  TSize ClientSize() override { return FInner->ClientSize(); }
  void SetMode(int AWidth, int AHeight) override { FInner->SetMode(AWidth, AHeight); }
  TSize Mode() override { return FInner->Mode(); }
  uint8_t* Lock(int& AStride) override { return FInner->Lock(AStride); }
  void Unlock() override { FInner->Unlock(); }
  void SetListener(TListener AListener) override { FInner->SetListener(std::move(AListener)); }

  /// A picture is shown in its place; the whole area is only ever cleared.
  void Update(const TRect& ARect) override {
    const TSize Area = FInner->Mode();
    if (ARect.Width() != Area.cx || ARect.Height() != Area.cy) FShown.Saw(FrameIn(ARect));
    FInner->Update(ARect);
  }

private:
  int FrameIn(const TRect& APicture) {
    int Stride = 0;
    const uint8_t* Rows = FInner->Lock(Stride);
    const int Frame = !Rows ? -1 : Fixture::FrameNumberOf([&](int X, int Y) {
      const uint8_t* P = Rows + ptrdiff_t(APicture.Top + Y * APicture.Height() / Fixture::Height) * Stride +
                         ptrdiff_t(APicture.Left + X * APicture.Width() / Fixture::Width) * 4;
      return Fixture::TRGB { P[2], P[1], P[0] };
    });
    FInner->Unlock();
    return Frame;
  }

  std::unique_ptr<IVideoSurface> FInner;
  TShownPictures& FShown;
};

/// The figures of one playback.
struct TPlayback {
  double Wall { 0 };
  double Cpu { 0 };
  int Shown { 0 };
  int Skipped { 0 };
};

TPlayback PlayIntoPanel(const String& AClip) {
  WindowSystem::Get().Reset();
  HeadlessPresenter Screen({ 640, 480 });
  WNDCLASS Class;
  Class.lpszClassName = "PreviewPanel";
  Class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  RegisterClass(Class);
  const HWND Panel = CreateWindowEx(0, "PreviewPanel", "", WS_POPUP | WS_VISIBLE, 20, 20, PanelWidth, PanelHeight, 0, 0);
  Screen.PumpUntilIdle();

  TShownPictures Shown;
  SetVideoSurfaceBinder([&](HWND AWindow, String& AError) -> std::unique_ptr<IVideoSurface> {
    std::unique_ptr<IVideoSurface> Inner = TWindowVideoSurface::Bind(AWindow, AError);
    return Inner ? std::make_unique<TCountingSurface>(std::move(Inner), Shown) : nullptr;
  });
  TPlayback Result;
  {
    TFFPlayer Player(nullptr);
    std::atomic<bool> Ended { false };
    Player.OnState = [&](TObject*, TPlayState AState) { Ended = Ended || AState == psEnd; };
    const double Cpu = CpuMilliseconds();
    const auto Start = std::chrono::steady_clock::now();
    Shown.SteadyFrom = Start + std::chrono::milliseconds(int(SteadyAfterMs));
    if (!Player.Open(AClip, Panel, false)) throw std::runtime_error(Player.LastErrMsg());
    while (!Ended) {
      Screen.PumpUntilIdle();
      WaitServing([&] { return Ended.load(); }, 10);
    }
    Result.Wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start).count();
    Result.Cpu = CpuMilliseconds() - Cpu;
    Player.Stop(true);
  }
  SetVideoSurfaceBinder(nullptr);
  DestroyWindow(Panel);
  std::lock_guard Held(Shown.Lock);
  Result.Shown = Shown.Shown;
  Result.Skipped = Shown.Skipped;
  return Result;
}

/// Every packet of AClip decoded on one thread; the number of pictures.
int PlainDecode(const String& AClip) {
  AVFormatContext* Input = nullptr;
  Check(LibAVFormat.avformat_open_input(&Input, AClip.c_str(), nullptr, nullptr), "open input");
  Check(LibAVFormat.avformat_find_stream_info(Input, nullptr), "stream info");
  std::vector<AVCodecContext*> Decoders(Input->nb_streams, nullptr);
  for (unsigned I = 0; I < Input->nb_streams; ++I) {
    const AVCodecParameters* Parameters = Input->streams[I]->codecpar;
    if (Parameters->codec_type != AVMEDIA_TYPE_VIDEO && Parameters->codec_type != AVMEDIA_TYPE_AUDIO) continue;
    const AVCodec* Codec = CheckPtr(LibAVCodec.avcodec_find_decoder(Parameters->codec_id), "decoder");
    Decoders[I] = CheckPtr(LibAVCodec.avcodec_alloc_context3(Codec), "decoder context");
    Check(LibAVCodec.avcodec_parameters_to_context(Decoders[I], Parameters), "decoder parameters");
    Decoders[I]->thread_count = 1;
    Check(LibAVCodec.avcodec_open2(Decoders[I], Codec, nullptr), "open decoder");
  }
  AVPacket* Packet = LibAVCodec.av_packet_alloc();
  AVFrame* Frame = LibAVUtil.av_frame_alloc();
  int Pictures = 0;
  const auto Drain = [&](AVCodecContext* ADecoder, const AVPacket* APacket) {
    Check(LibAVCodec.avcodec_send_packet(ADecoder, APacket), "decode");
    while (LibAVCodec.avcodec_receive_frame(ADecoder, Frame) >= 0) {
      Pictures += ADecoder->codec_type == AVMEDIA_TYPE_VIDEO;
      LibAVUtil.av_frame_unref(Frame);
    }
  };
  while (LibAVFormat.av_read_frame(Input, Packet) >= 0) {
    if (AVCodecContext* Decoder = Decoders[Packet->stream_index]) Drain(Decoder, Packet);
    LibAVCodec.av_packet_unref(Packet);
  }
  for (AVCodecContext* Decoder : Decoders)
    if (Decoder) Drain(Decoder, nullptr);
  for (AVCodecContext*& Decoder : Decoders) LibAVCodec.avcodec_free_context(&Decoder);
  LibAVUtil.av_frame_free(&Frame);
  LibAVCodec.av_packet_free(&Packet);
  LibAVFormat.avformat_close_input(&Input);
  return Pictures;
}

struct TFigures {
  int Pictures { 0 };
  double DecodeCpu { 1e300 };
  TPlayback Best { 1e300, 1e300 };
  int MostSkipped { 0 };
};
TFigures Figures;

/// Each round plays the clip once and decodes it once; the round with the least processor time gives the
/// figures least disturbed by the machine's other load, and every round's skipped pictures count.
void BM_Preview(benchmark::State& AState) {
  for (auto _ : AState) {
    const TPlayback Played = PlayIntoPanel(ClipH264());
    double Wall = 1e300;
    Measure([&] { Figures.Pictures = PlainDecode(ClipH264()); }, Wall, Figures.DecodeCpu);
    if (Played.Cpu < Figures.Best.Cpu) Figures.Best = Played;
    Figures.MostSkipped = std::max(Figures.MostSkipped, Played.Skipped);
    AState.SetIterationTime(Played.Wall / 1000);
  }
  AState.counters["cores"] = Figures.Best.Cpu / Figures.Best.Wall;
  AState.counters["shown"] = Figures.Best.Shown;
  AState.counters["skipped"] = Figures.MostSkipped;
  AState.counters["cpu_vs_decode"] = Figures.Best.Cpu / Figures.DecodeCpu;
}

}  // namespace

int main(int argc, char** argv) {
  // The screen is what is measured: the sound goes to SDL's silent device unless one is chosen.
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  String Error;
  if (!LoadAVLib("", PlayerLibraries, Error)) {
    std::fprintf(stderr, "%s\n", Error.c_str());
    return 1;
  }
  GlobalLogger()->SetTriggerEventInMainThread(false);
  GlobalLogger()->SetLogLevel(llQuiet);
  ClipH264();
  benchmark::RegisterBenchmark("Preview/720p-into-210x135", BM_Preview)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  const TPlayback& Best = Figures.Best;
  std::printf("\n1280x720 H.264 played into the 210x135 panel (round with the least processor time)\n"
              "  clip: %d pictures (plain decode on one thread: %.1f ms of processor time)\n"
              "  steady state (after %.0f ms): %d pictures shown, %d skipped (most in any round: %d)\n"
              "  playing time %.1f ms, processor time %.1f ms: %.2f cores on average (aim: under 1), %.2f times the "
              "plain decode\n",
              Figures.Pictures, Figures.DecodeCpu, SteadyAfterMs, Best.Shown, Best.Skipped, Figures.MostSkipped, Best.Wall,
              Best.Cpu, Best.Cpu / Best.Wall, Best.Cpu / Figures.DecodeCpu);
  benchmark::Shutdown();
  return 0;
}
