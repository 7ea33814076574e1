#include "engine/player/PlayerVideoOutput.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstring>
#include <thread>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/player/PlayerClocks.h"
#include "engine/libav/SwScaleStubs.h"
#include "engine/libav/TRGBConvertContext.h"
#include "engine/player/TPlaybackHost.h"
#include "engine/libav/libsdl.h"

namespace {

constexpr int DefaultWidth = 640;
constexpr int DefaultHeight = 480;
/// Opaque pixels of the back buffer as 0xAARRGGBB values (bytes B, G, R, A in memory).
constexpr uint32_t Opaque = 0xFF000000;
constexpr uint32_t Black = Opaque;
constexpr uint32_t White = 0xFFFFFFFF;

/// The locked back buffer of the player's surface, for the length of a scope.
class TSurfaceLock {
public:
  explicit TSurfaceLock(IVideoSurface& ASurface) : FSurface(ASurface), FMode(ASurface.Mode()) { FBits = ASurface.Lock(FStride); }
  ~TSurfaceLock() { FSurface.Unlock(); }
  TSurfaceLock(const TSurfaceLock&) = delete;
  TSurfaceLock& operator=(const TSurfaceLock&) = delete;

  bool Valid() const { return FBits != nullptr; }
  uint8_t* Pixel(int X, int Y) { return FBits + ptrdiff_t(Y) * FStride + ptrdiff_t(X) * 4; }
  int Stride() const { return FStride; }
  /// Fills ARect, clipped to the buffer.
  void Fill(const TRect& ARect, uint32_t AColour) {
    const int Left = std::max(ARect.Left, 0), Right = std::min(ARect.Right, FMode.cx);
    const int Top = std::max(ARect.Top, 0), Bottom = std::min(ARect.Bottom, FMode.cy);
    for (int Y = Top; Y < Bottom; ++Y) {
      auto* Row = reinterpret_cast<uint32_t*>(Pixel(0, Y));
      std::fill(Row + std::max(Left, 0), Row + std::max(Right, Left), AColour);
    }
  }

private:
  IVideoSurface& FSurface;
  TSize FMode;
  int FStride { 0 };
  uint8_t* FBits { nullptr };
};

TRect AreaRect(const TVideoState& AState) {
  return { AState.xleft, AState.ytop, AState.xleft + AState.width, AState.ytop + AState.height };
}

TRect Offset(const TRect& ARect, int ADX, int ADY) {
  return { ARect.Left + ADX, ARect.Top + ADY, ARect.Right + ADX, ARect.Bottom + ADY };
}

/// Scales APicture (planar YUV 4:2:0) into its place in the display area and shows it.
void DrawPicture(TVideoState& AState, const AVFrame* APicture, AVRational ASampleAspect) {
  IVideoSurface* Surface = AState.Owner->FSurface.get();
  if (!Surface || !APicture || !APicture->data[0]) return;
  const TRect Place = Offset(PictureRect(AState.Owner->FAspectRatio, APicture->width, APicture->height, ASampleAspect,
                                         AState.width, AState.height),
                             AState.xleft, AState.ytop);
  const int Width = Place.Right - Place.Left, Height = Place.Bottom - Place.Top;
  const TSize Mode = Surface->Mode();
  if (Width <= 0 || Height <= 0 || Place.Left < 0 || Place.Top < 0 || Place.Right > Mode.cx || Place.Bottom > Mode.cy)
    return;
  // The cached context is reused or freed by the call itself.
  AState.img_convert_ctx.reset(LibSwScale.sws_getCachedContext(AState.img_convert_ctx.release(), APicture->width,
                                                               APicture->height, AV_PIX_FMT_YUV420P, Width, Height,
                                                               AV_PIX_FMT_BGRA, SWS_BILINEAR, nullptr, nullptr, nullptr));
  if (!AState.img_convert_ctx) return;
  // The scaler writes its rows in whole blocks of pixels, past the width asked for when the row has room:
  // straight into the surface that would paint over the border beside the picture. It writes into rows of
  // its own, which are copied.
  const int RowBytes = Width * 4;
  const int ScaledPitch = ScalerRowPitch(Width, 4);
  AState.scaled_rows.resize(ScalerBufferSize(ScaledPitch, Height));
  uint8_t* Target[4] = { AState.scaled_rows.data(), nullptr, nullptr, nullptr };
  const int TargetPitch[4] = { ScaledPitch, 0, 0, 0 };
  LibSwScale.sws_scale(AState.img_convert_ctx, APicture->data, APicture->linesize, 0, APicture->height, Target,
                       TargetPitch);
  {
    TSurfaceLock Buffer(*Surface);
    if (!Buffer.Valid()) return;
    for (int Y = 0; Y < Height; ++Y)
      std::memcpy(Buffer.Pixel(Place.Left, Place.Top + Y), AState.scaled_rows.data() + size_t(Y) * ScaledPitch, RowBytes);
  }
  Surface->Update(Place);
}

/// Blends the first queued subtitle into ASlot's overlay when its time has come.
void BlendDueSubtitle(TVideoState& AState, TVideoPicture& ASlot) {
  LibSDL.SDL_LockMutex(AState.subpq_mutex);
  const bool Queued = AState.subpq_size > 0;
  LibSDL.SDL_UnlockMutex(AState.subpq_mutex);
  if (!Queued) return;
  const TSubPicture& Subtitle = AState.subpq[AState.subpq_rindex];
  if (ASlot.pts < Subtitle.pts + double(Subtitle.sub.start_display_time) / 1000) return;
  if (LibAVUtil.av_frame_make_writable(ASlot.bmp) < 0) return;
  const TYUVPlanes Planes { ASlot.bmp->data[0],     ASlot.bmp->data[1],     ASlot.bmp->data[2],
                            ASlot.bmp->linesize[0], ASlot.bmp->linesize[1], ASlot.bmp->linesize[2] };
  for (unsigned I = 0; I < Subtitle.sub.num_rects; ++I)
    BlendSubtitleRect(Planes, *Subtitle.sub.rects[I], ASlot.width, ASlot.height);
}

/// The display's sample index to start drawing from (see DisplayAudio).
int SampleDisplayStart(TVideoState& AState, int AChannels, int AUsed) {
  const TPlaybackHost& Player = *AState.Owner;
  Int64 Delay = (AState.audio_buf_size - AState.audio_buf_index) / (2 * AChannels);
  const Int64 CallbackTime = Player.Faudio_callback_time;
  if (CallbackTime) Delay -= Int64(AState.audio_tgt_freq) * (SystemTimeMicroseconds() - CallbackTime) / 1000000;
  Delay += 2 * AUsed;
  Delay = std::max<Int64>(Delay, AUsed);
  const Int64 Start = (AState.sample_array_index - Delay * AChannels) % SAMPLE_ARRAY_SIZE;
  return int(Start < 0 ? Start + SAMPLE_ARRAY_SIZE : Start);
}

int16_t Sample(const TVideoState& AState, Int64 AIndex) {
  const Int64 Index = AIndex % SAMPLE_ARRAY_SIZE;
  return AState.sample_array[Index < 0 ? Index + SAMPLE_ARRAY_SIZE : Index];
}

/// In wave mode the drawing starts at a rising zero crossing near AStart, so a steady tone stands still.
int WaveTrigger(const TVideoState& AState, int AStart, int AChannels) {
  int Best = INT_MIN;
  int Result = AStart;
  for (int I = 0; I < 1000; I += AChannels) {
    const int Index = (SAMPLE_ARRAY_SIZE + AStart - I) % SAMPLE_ARRAY_SIZE;
    const int A = Sample(AState, Index);
    const int B = Sample(AState, Index + 4 * AChannels);
    const int C = Sample(AState, Index + 5 * AChannels);
    const int D = Sample(AState, Index + 9 * AChannels);
    const int Score = A - D;
    if (Best < Score && (B ^ C) < 0) {
      Best = Score;
      Result = Index;
    }
  }
  return Result;
}

void DrawWave(TVideoState& AState, IVideoSurface& ASurface, int AStart, int AChannels) {
  const TRect Area = AreaRect(AState);
  {
    TSurfaceLock Buffer(ASurface);
    if (!Buffer.Valid()) return;
    Buffer.Fill(Area, Black);
    const int BandHeight = AState.height / AChannels;
    const int Amplitude = BandHeight * 9 / 20;
    for (int Channel = 0; Channel < AChannels; ++Channel) {
      const int Centre = AState.ytop + Channel * BandHeight + BandHeight / 2;
      Int64 Index = AStart + Channel;
      for (int X = 0; X < AState.width; ++X, Index += AChannels) {
        const int Value = (Sample(AState, Index) * Amplitude) >> 15;
        const int Top = Value < 0 ? Centre + Value : Centre;
        const int Length = Value < 0 ? -Value : Value;
        Buffer.Fill({ AState.xleft + X, Top, AState.xleft + X + 1, Top + Length }, White);
      }
    }
    for (int Channel = 1; Channel < AChannels; ++Channel) {
      const int Y = AState.ytop + Channel * BandHeight;
      Buffer.Fill({ Area.Left, Y, Area.Right, Y + 1 }, White);
    }
  }
  ASurface.Update(Area);
}

void DrawSpectrumColumn(TVideoState& AState, IVideoSurface& ASurface, int AStart, int AChannels, int ABits) {
  const int Bins = 1 << (ABits - 1);
  const int Shown = std::min(AChannels, 2);
  if (ABits != AState.rdft_bits) {
    if (AState.rdft) LibAVCodec.av_rdft_end(AState.rdft);
    AState.rdft = LibAVCodec.av_rdft_init(ABits, DFT_R2C);
    AState.rdft_bits = ABits;
    LibAVUtil.av_freep(&AState.rdft_data);
    AState.rdft_data = static_cast<float*>(LibAVUtil.av_mallocz(size_t(4) * Bins * sizeof(float)));
  }
  if (!AState.rdft || !AState.rdft_data) return;
  for (int Channel = 0; Channel < Shown; ++Channel) {
    float* Data = AState.rdft_data + size_t(2) * Bins * Channel;
    Int64 Index = AStart + Channel;
    for (int X = 0; X < 2 * Bins; ++X, Index += AChannels) {
      const double W = double(X - Bins) / Bins;
      Data[X] = float(Sample(AState, Index) * (1.0 - W * W));
    }
    LibAVCodec.av_rdft_calc(AState.rdft, Data);
  }
  const float* First = AState.rdft_data;
  const float* Second = First + size_t(2) * Bins;
  const double Gain = 1.0 / std::sqrt(double(Bins));
  auto Level = [Gain](const float* AData, int AY) {
    const double Magnitude = std::sqrt(double(AData[2 * AY]) * AData[2 * AY] + double(AData[2 * AY + 1]) * AData[2 * AY + 1]);
    return std::min(int(std::nearbyint(std::sqrt(Gain * Magnitude))), 255);
  };
  const TRect Column { AState.xpos, AState.ytop, AState.xpos + 1, AState.ytop + AState.height };
  {
    TSurfaceLock Buffer(ASurface);
    if (!Buffer.Valid()) return;
    // Row height - y for y = 0 would lie just below the area: the column starts one row up.
    for (int Y = 1; Y < AState.height; ++Y) {
      const int A = Level(First, Y);
      const int B = Shown == 2 ? Level(Second, Y) : A;
      const uint32_t Colour = Opaque | uint32_t(A) << 16 | uint32_t(B) << 8 | uint32_t((A + B) / 2);
      Buffer.Fill({ Column.Left, AState.ytop + AState.height - Y, Column.Right, AState.ytop + AState.height - Y + 1 },
                  Colour);
    }
  }
  ASurface.Update(Column);
  if (++AState.xpos >= AState.xleft + AState.width) AState.xpos = AState.xleft;
}

}  // namespace

TRect PictureRect(float AAspectRatio, int APictureWidth, int APictureHeight, AVRational ASampleAspect, int AAreaWidth,
                  int AAreaHeight) {
  double Aspect;
  if (AAspectRatio >= 0 || AAreaWidth == 0 || AAreaHeight == 0) {
    Aspect = AAspectRatio;
    if (!(Aspect > 0)) {
      double Ratio = ASampleAspect.num == 0 || ASampleAspect.den == 0 ? 0 : av_q2d(ASampleAspect);
      if (!(Ratio > 0)) Ratio = 1;
      Aspect = APictureHeight > 0 ? APictureWidth * Ratio / APictureHeight : 1;
    }
  } else Aspect = double(AAreaWidth) / AAreaHeight;
  int Height = AAreaHeight;
  int Width = int(std::nearbyint(Height * Aspect)) & ~1;
  if (Width > AAreaWidth) {
    Width = AAreaWidth;
    Height = int(std::nearbyint(Width / Aspect)) & ~1;
  }
  const int X = (AAreaWidth - Width) / 2;
  const int Y = (AAreaHeight - Height) / 2;
  return { X, Y, X + Width, Y + Height };
}

void BlendSubtitleRect(const TYUVPlanes& APicture, const AVSubtitleRect& ARect, int AWidth, int AHeight) {
  if (AWidth <= 0 || AHeight <= 0 || !ARect.data[0] || !ARect.data[1]) return;
  const int Left = std::clamp(ARect.x, 0, AWidth - 1);
  const int Top = std::clamp(ARect.y, 0, AHeight - 1);
  const int Width = std::clamp(ARect.w, 0, AWidth - Left);
  const int Height = std::clamp(ARect.h, 0, AHeight - Top);
  if (Width == 0 || Height == 0) return;
  const auto* Palette = reinterpret_cast<const uint32_t*>(ARect.data[1]);
  // The rectangle's own pixels, from its top-left corner, whatever part of it was clipped.
  auto Entry = [&](int X, int Y) { return Palette[ARect.data[0][ptrdiff_t(Y - Top) * ARect.linesize[0] + (X - Left)]]; };
  for (int Y = Top; Y < Top + Height; ++Y)
    for (int X = Left; X < Left + Width; ++X) {
      const uint32_t Colour = Entry(X, Y);
      const int Alpha = int(Colour >> 24);
      uint8_t& Luma = APicture.Y[ptrdiff_t(Y) * APicture.PitchY + X];
      Luma = uint8_t((Luma * (255 - Alpha) + int((Colour >> 16) & 0xFF) * Alpha) / 255);
    }
  for (int BlockY = Top / 2; BlockY <= (Top + Height - 1) / 2; ++BlockY)
    for (int BlockX = Left / 2; BlockX <= (Left + Width - 1) / 2; ++BlockX) {
      int Count = 0, AlphaSum = 0, USum = 0, VSum = 0;
      for (int Y = 2 * BlockY; Y < 2 * BlockY + 2; ++Y)
        for (int X = 2 * BlockX; X < 2 * BlockX + 2; ++X) {
          if (Y < Top || Y >= Top + Height || X < Left || X >= Left + Width) continue;
          const uint32_t Colour = Entry(X, Y);
          AlphaSum += int(Colour >> 24);
          USum += int((Colour >> 8) & 0xFF);
          VSum += int(Colour & 0xFF);
          ++Count;
        }
      // Four pixels and two share the block's weight by their average alpha; one pixel blends alone.
      const int Alpha = Count == 1 ? AlphaSum : AlphaSum >> 2;
      const int Divisor = 255 * Count;
      uint8_t& U = APicture.U[ptrdiff_t(BlockY) * APicture.PitchU + BlockX];
      uint8_t& V = APicture.V[ptrdiff_t(BlockY) * APicture.PitchV + BlockX];
      U = uint8_t((U * Count * (255 - Alpha) + USum * Alpha) / Divisor);
      V = uint8_t((V * Count * (255 - Alpha) + VSum * Alpha) / Divisor);
    }
}

int OpenVideoOutput(TVideoState& AState, bool AForce) {
  TPlaybackHost& Player = *AState.Owner;
  IVideoSurface* Surface = Player.FSurface.get();
  if (!Surface) return -1;
  int Width = DefaultWidth, Height = DefaultHeight;
  if (Player.FScreenWidth > 0) {
    Width = Player.FScreenWidth;
    Height = Player.FScreenHeight;
  } else if (AState.video_out_width > 0) {
    Width = AState.video_out_width & ~1;
    Height = AState.video_out_height & ~1;
  }
  const TSize Mode = Surface->Mode();
  if (!AForce && Mode.cx > 0 && Mode.cx == AState.width && Mode.cx == Width && Mode.cy == AState.height &&
      Mode.cy == Height)
    return 0;
  Surface->SetMode(Width, Height);
  if (Surface->Mode() != TSize { Width, Height }) {
    Player.ReportError("SDL: could not set video mode.", false);
    return -1;
  }
  AState.width = Width;
  AState.height = Height;
  return 0;
}

void AllocPicture(TVideoState& AState) {
  TVideoPicture& Slot = AState.pictq[AState.pictq_windex];
  LibSDL.SDL_LockMutex(AState.pictq_mutex);
  const int Width = AState.alloc_width, Height = AState.alloc_height;
  LibSDL.SDL_UnlockMutex(AState.pictq_mutex);
  {
    std::lock_guard Lock(Slot.bmp_lock);
    Slot.bmp.reset(LibAVUtil.av_frame_alloc());
    if (Slot.bmp) {
      Slot.bmp->format = AV_PIX_FMT_YUV420P;
      Slot.bmp->width = Width;
      Slot.bmp->height = Height;
      if (LibAVUtil.av_frame_get_buffer(Slot.bmp, 0) < 0) Slot.bmp.reset();
    }
    Slot.width = Width;
    Slot.height = Height;
  }
  LibSDL.SDL_LockMutex(AState.pictq_mutex);
  Slot.allocated = 1;
  LibSDL.SDL_CondSignal(AState.pictq_cond);
  LibSDL.SDL_UnlockMutex(AState.pictq_mutex);
}

void DisplayFrame(TVideoState& AState) {
  IVideoSurface* Surface = AState.Owner->FSurface.get();
  if (!Surface) return;
  if (Surface->Mode().cx == 0 && OpenVideoOutput(AState, false) < 0) return;
  if (AState.audio_st && AState.show_audio) {
    DisplayAudio(AState);
    return;
  }
  if (!AState.video_st) return;
  std::lock_guard Lock(AState.shown_lock);
  DrawPicture(AState, AState.shown, AState.shown_aspect);
}

void DisplayVideoImage(TVideoState& AState, TVideoPicture& ASlot) {
  std::lock_guard Lock(ASlot.bmp_lock);
  if (!ASlot.bmp) return;
  if (AState.subtitle_st) BlendDueSubtitle(AState, ASlot);
  std::lock_guard Shown(AState.shown_lock);
  if (!AState.shown) AState.shown.reset(LibAVUtil.av_frame_alloc());
  if (!AState.shown) return;
  LibAVUtil.av_frame_unref(AState.shown);
  if (LibAVUtil.av_frame_ref(AState.shown, ASlot.bmp) < 0) return;
  AState.shown_pts = ASlot.pts;
  AState.shown_aspect = ASlot.sample_aspect;
  DrawPicture(AState, AState.shown, AState.shown_aspect);
}

void DisplayAudio(TVideoState& AState) {
  IVideoSurface* Surface = AState.Owner->FSurface.get();
  const int Channels = AState.audio_tgt_channels;
  if (!Surface || Channels <= 0 || AState.width <= 0 || AState.height <= 0) return;
  int Bits = 1;
  while ((1 << Bits) < 2 * AState.height) ++Bits;
  const int Bins = 1 << (Bits - 1);
  const bool Wave = AState.show_audio == saWave;
  int Start = AState.last_i_start;
  if (!AState.paused) {
    Start = SampleDisplayStart(AState, Channels, Wave ? AState.width : 2 * Bins);
    if (Wave) Start = WaveTrigger(AState, Start, Channels);
    AState.last_i_start = Start;
  }
  if (Wave) DrawWave(AState, *Surface, Start, Channels);
  else DrawSpectrumColumn(AState, *Surface, Start, Channels, Bits);
}

void ClearDisplayArea(TVideoState& AState) {
  IVideoSurface* Surface = AState.Owner->FSurface.get();
  if (!Surface) return;
  const TRect Area = AreaRect(AState);
  {
    TSurfaceLock Buffer(*Surface);
    if (!Buffer.Valid()) return;
    Buffer.Fill(Area, Black);
  }
  Surface->Update(Area);
}

int RefreshThread(void* AOpaque) {
  TVideoState& State = *static_cast<TVideoState*>(AOpaque);
  TPlaybackHost& Player = *State.Owner;
  while (!State.abort_request) {
    if (State.refresh.exchange(1) != 1) Player.PostEvent(peRefresh);
    const int Pause = State.audio_st && State.show_audio ? int(Player.rdftspeed) : 5;
    std::this_thread::sleep_for(std::chrono::milliseconds(Pause));
  }
  return 0;
}
