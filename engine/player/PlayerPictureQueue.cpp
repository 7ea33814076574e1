#include "engine/player/PlayerPictureQueue.h"

#include <algorithm>

#include "engine/libav/AVCodecStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/player/PlayerClocks.h"
#include "engine/player/PlayerVideoOutput.h"
#include "engine/player/TPlaybackHost.h"
#include "engine/libav/libsdl.h"

namespace {

/// Late pictures make the decoder hand on fewer of its pictures; a full queue lets it hand on more.
constexpr double FRAME_SKIP_LATE = 1.05;
constexpr double FRAME_SKIP_FULL = 0.95;

/// Advances the read index past the picture just shown or dropped and wakes the decoder.
void ReleaseFirstPicture(TVideoState& AState) {
  AState.pictq_rindex = (AState.pictq_rindex + 1) % VIDEO_PICTURE_QUEUE_SIZE;
  LibSDL.SDL_LockMutex(AState.pictq_mutex);
  --AState.pictq_size;
  LibSDL.SDL_CondSignal(AState.pictq_cond);
  LibSDL.SDL_UnlockMutex(AState.pictq_mutex);
}

int QueuedPictures(TVideoState& AState) {
  LibSDL.SDL_LockMutex(AState.pictq_mutex);
  const int Count = AState.pictq_size;
  LibSDL.SDL_UnlockMutex(AState.pictq_mutex);
  return Count;
}

/// Waits until the play thread gave ASlot an overlay of the wanted size; false once aborted.
bool WaitForOverlay(TVideoState& AState, TVideoPicture& ASlot, int AWidth, int AHeight) {
  LibSDL.SDL_LockMutex(AState.pictq_mutex);
  ASlot.allocated = 0;
  AState.alloc_width = AWidth;
  AState.alloc_height = AHeight;
  LibSDL.SDL_UnlockMutex(AState.pictq_mutex);
  AState.Owner->PostEvent(peAllocPicture);
  LibSDL.SDL_LockMutex(AState.pictq_mutex);
  while (!ASlot.allocated && !AState.videoq.abort_request) LibSDL.SDL_CondWait(AState.pictq_cond, AState.pictq_mutex);
  LibSDL.SDL_UnlockMutex(AState.pictq_mutex);
  return !AState.videoq.abort_request;
}

/// Copies AFrame into the overlay, upside down when asked, and lets the hook draw on it.
void FillOverlay(TVideoState& AState, TVideoPicture& ASlot, const AVFrame* AFrame, double APts) {
  TPlaybackHost& Player = *AState.Owner;
  std::lock_guard Lock(ASlot.bmp_lock);
  // The overlay on screen keeps its own pixels; this one gets a buffer of its own if it shares them.
  if (LibAVUtil.av_frame_make_writable(ASlot.bmp) < 0) return;
  const uint8_t* Source[4] = { AFrame->data[0], AFrame->data[1], AFrame->data[2], nullptr };
  int Pitch[4] = { AFrame->linesize[0], AFrame->linesize[1], AFrame->linesize[2], 0 };
  if (Player.FVerticalFlip) {
    // An odd height has one chroma row more than half its rows.
    const int ChromaRows = (ASlot.height + 1) / 2;
    const int Rows[3] = { ASlot.height - 1, ChromaRows - 1, ChromaRows - 1 };
    for (int Plane = 0; Plane < 3; ++Plane) {
      Source[Plane] += ptrdiff_t(Rows[Plane]) * Pitch[Plane];
      Pitch[Plane] = -Pitch[Plane];
    }
  }
  LibAVUtil.av_image_copy(ASlot.bmp->data, ASlot.bmp->linesize, Source, Pitch, AV_PIX_FMT_YUV420P, ASlot.width,
                          ASlot.height);
  Player.DoHook(AState, Source, Pitch, AVPixelFormat(AFrame->format), ASlot.bmp->data, ASlot.bmp->linesize,
                AV_PIX_FMT_YUV420P, ASlot.width, ASlot.height, APts);
}

/// Frees the first queued subtitle.
void ReleaseFirstSubtitle(TVideoState& AState) {
  LibAVCodec.avsubtitle_free(&AState.subpq[AState.subpq_rindex].sub);
  AState.subpq_rindex = (AState.subpq_rindex + 1) % SUBPICTURE_QUEUE_SIZE;
  LibSDL.SDL_LockMutex(AState.subpq_mutex);
  --AState.subpq_size;
  LibSDL.SDL_CondSignal(AState.subpq_cond);
  LibSDL.SDL_UnlockMutex(AState.subpq_mutex);
}

/// Drops subtitles whose time is over, or all of them after a subtitle stream change.
void ExpireSubtitles(TVideoState& AState) {
  if (AState.subtitle_stream_changed) {
    LibSDL.SDL_LockMutex(AState.subpq_mutex);
    while (AState.subpq_size) {
      LibAVCodec.avsubtitle_free(&AState.subpq[AState.subpq_rindex].sub);
      AState.subpq_rindex = (AState.subpq_rindex + 1) % SUBPICTURE_QUEUE_SIZE;
      --AState.subpq_size;
    }
    AState.subtitle_stream_changed = 0;
    LibSDL.SDL_CondSignal(AState.subpq_cond);
    LibSDL.SDL_UnlockMutex(AState.subpq_mutex);
    return;
  }
  const double Now = AState.video_current_pts;
  while (AState.subpq_size > 0) {
    const TSubPicture& First = AState.subpq[AState.subpq_rindex];
    const TSubPicture* Second =
        AState.subpq_size > 1 ? &AState.subpq[(AState.subpq_rindex + 1) % SUBPICTURE_QUEUE_SIZE] : nullptr;
    const bool Expired = Now > First.pts + double(First.sub.end_display_time) / 1000 ||
                         (Second && Now > Second->pts + double(Second->sub.start_display_time) / 1000);
    if (!Expired) break;
    ReleaseFirstSubtitle(AState);
  }
}

}  // namespace

int QueuePicture(TVideoState& AState, const AVFrame* AFrame, double APts, Int64 APos) {
  LibSDL.SDL_LockMutex(AState.pictq_mutex);
  if (AState.pictq_size >= VIDEO_PICTURE_QUEUE_SIZE && AState.refresh != 1)
    AState.skip_frames = std::max(FRAME_SKIP_FULL, AState.skip_frames * FRAME_SKIP_FULL);
  while (AState.pictq_size >= VIDEO_PICTURE_QUEUE_SIZE && !AState.videoq.abort_request)
    LibSDL.SDL_CondWait(AState.pictq_cond, AState.pictq_mutex);
  LibSDL.SDL_UnlockMutex(AState.pictq_mutex);
  if (AState.videoq.abort_request) return -1;

  TVideoPicture& Slot = AState.pictq[AState.pictq_windex];
  const int Width = AFrame->width & ~1;
  const int Height = AFrame->height & ~1;
  if ((!Slot.bmp || Slot.width != Width || Slot.height != Height) && !WaitForOverlay(AState, Slot, Width, Height))
    return -1;
  if (Slot.bmp) FillOverlay(AState, Slot, AFrame, APts);
  Slot.pts = APts;
  Slot.pos = APos;
  Slot.sample_aspect = AFrame->sample_aspect_ratio;
  AState.pictq_windex = (AState.pictq_windex + 1) % VIDEO_PICTURE_QUEUE_SIZE;
  LibSDL.SDL_LockMutex(AState.pictq_mutex);
  Slot.target_clock = ComputeTargetTime(AState, APts);
  ++AState.pictq_size;
  AState.picture_ready = true;
  LibSDL.SDL_UnlockMutex(AState.pictq_mutex);
  return 0;
}

bool AllPicturesShown(TVideoState& AState) {
  return AState.video_stream < 0 || (AState.video_drained && QueuedPictures(AState) == 0);
}

void DrainPictureQueue(TVideoState& AState) {
  LibSDL.SDL_LockMutex(AState.pictq_mutex);
  for (TVideoPicture& Slot : AState.pictq) Slot.target_clock = 0;
  while (AState.pictq_size && !AState.videoq.abort_request) LibSDL.SDL_CondWait(AState.pictq_cond, AState.pictq_mutex);
  AState.video_current_pos = -1;
  LibSDL.SDL_UnlockMutex(AState.pictq_mutex);
}

void RefreshVideo(TVideoState& AState, bool AConsume) {
  TPlaybackHost& Player = *AState.Owner;
  if (AState.video_stream < 0) {
    if (AState.audio_stream < 0) return;
    DisplayFrame(AState);
    Player.UpdatePosition(AState);
    return;
  }
  if (!AConsume) {
    // The picture on screen, not the next queued one, which is not due yet.
    DisplayFrame(AState);
    Player.UpdatePosition(AState);
    return;
  }
  bool Dropped = false;
  for (;;) {
    const int Queued = QueuedPictures(AState);
    if (Queued == 0) break;
    const double Now = SystemTime();
    TVideoPicture& Slot = AState.pictq[AState.pictq_rindex];
    if (Now < Slot.target_clock) return;
    AState.video_current_pts = Slot.pts;
    AState.video_current_pts_drift = Slot.pts - Now;
    AState.video_current_pos = Slot.pos;
    const double NextTarget = Queued > 1
                                  ? AState.pictq[(AState.pictq_rindex + 1) % VIDEO_PICTURE_QUEUE_SIZE].target_clock
                                  : Slot.target_clock + AState.video_clock - Slot.pts;
    const bool Late = Player.framedrop && Now > NextTarget && !AState.IsDevice;
    if (Late || AState.seek_done) {
      AState.skip_frames = AState.skip_frames * FRAME_SKIP_LATE;
      if (Queued > 1 || Now > NextTarget + 0.5 || AState.seek_done) {
        ReleaseFirstPicture(AState);
        Dropped = true;
        continue;
      }
    }
    if (AState.subtitle_st) ExpireSubtitles(AState);
    DisplayVideoImage(AState, Slot);
    ReleaseFirstPicture(AState);
    break;
  }
  if (!Dropped) Player.UpdatePosition(AState);
}
