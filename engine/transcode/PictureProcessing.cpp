// Picture pre-processing of a transcoder run (deinterlacing and the custom hook) and the preview outlets
// that get encoded pictures: the preview-bitmap event and the preview window.
#include <cstring>

#include "engine/libav/AVUtilStubs.h"
#include "engine/transcode/Deinterlace.h"
#include "engine/task/FFmpeg.h"
#include "engine/libav/SwScaleStubs.h"
#include "engine/libav/TServingLock.h"
#include "engine/transcode/TTranscoder.h"

TCriticalSection PostHookLock;

void TCustomFFmpeg::SetPostHooks(TPostHooks Hooks) {
  // A window switched off is freed after the lock is left: closing it is work for the user-interface
  // thread, which may be waiting for the lock.
  std::shared_ptr<IPreviewWindow> Released;
  TServingLock Lock(PostHookLock);
  Released = ChangePostHooks(Hooks);
}

TPostHooks TCustomFFmpeg::PostHooks() const {
  TServingLock Lock(PostHookLock);
  return FPostHooks;
}

std::shared_ptr<IPreviewWindow> TCustomFFmpeg::ChangePostHooks(TPostHooks Hooks) {
  std::shared_ptr<IPreviewWindow> Released;
  if (FPostHooks.Contains(phPreview) && !Hooks.Contains(phPreview)) Released = std::move(FPreviewer);
  FPostHooks = Hooks;
  return Released;
}

std::unique_ptr<IPreviewWindow> TCustomFFmpeg::CreatePreviewer() { return nullptr; }

void TTranscoder::PreprocessVideoFrame(TAVInputStream& AIst, AVFrame* AFrame) {
  ++FHookFrameNumber;
  if (!S.Fdo_deinterlace && !FTask.OnCustomHook && !S.Fusing_vhook) return;
  // The work is done on a picture of the task's own, so the decoder's buffers are never written; it is
  // sized from the picture itself, whatever the decoder context says.
  if (FHookFrame->width != AFrame->width || FHookFrame->height != AFrame->height || FHookFrame->format != AFrame->format) {
    LibAVUtil.av_frame_unref(FHookFrame);
    FHookFrame->width = AFrame->width;
    FHookFrame->height = AFrame->height;
    FHookFrame->format = AFrame->format;
    if (LibAVUtil.av_frame_get_buffer(FHookFrame, 0) < 0) {
      LibAVUtil.av_frame_unref(FHookFrame);
      FTask.Log(llError, "hook buf malloc error.");
      return;
    }
  }
  // An encoder may still hold the previous picture: it keeps that buffer and this picture gets another.
  if (LibAVUtil.av_frame_make_writable(FHookFrame) < 0) {
    FTask.Log(llError, "hook buf malloc error.");
    return;
  }
  const bool Hooked = FTask.OnCustomHook || S.Fusing_vhook;
  bool Deinterlaced = false;
  if (S.Fdo_deinterlace) {
    Deinterlaced = DeinterlacePicture(FHookFrame, AFrame);
    if (!Deinterlaced) FTask.Log(llError, "Deinterlacing failed.");
  }
  if (!Deinterlaced) {
    // The decoder's picture may be the reference of the pictures after it: hooks paint into a copy.
    if (!Hooked) return;
    LibAVUtil.av_image_copy(FHookFrame->data, FHookFrame->linesize, const_cast<const uint8_t**>(AFrame->data), AFrame->linesize,
                            AVPixelFormat(AFrame->format), AFrame->width, AFrame->height);
  }
  if (FTask.OnCustomHook) {
    RunCustomHook(FHookFrame, AIst.pts);
  } else if (S.Fusing_vhook) {
    TFrameHookPicture Planes;
    for (int I = 0; I < 4; ++I) {
      Planes.data[I] = FHookFrame->data[I];
      Planes.linesize[I] = FHookFrame->linesize[I];
    }
    ProcessFrameHooks(FTask.FFirstHook, &Planes, FHookFrame->format, FHookFrame->width, FHookFrame->height, AIst.pts);
  }
  // The decoded picture becomes the worked one, with the decoded picture's own properties.
  FHookFrame->pts = AFrame->pts;
  FHookFrame->quality = AFrame->quality;
  FHookFrame->interlaced_frame = AFrame->interlaced_frame;
  FHookFrame->top_field_first = AFrame->top_field_first;
  FHookFrame->sample_aspect_ratio = AFrame->sample_aspect_ratio;
  FHookFrame->pict_type = AFrame->pict_type;
  LibAVUtil.av_frame_unref(AFrame);
  if (LibAVUtil.av_frame_ref(AFrame, FHookFrame) < 0) throw FFmpegException("hook buf malloc error.");
}

void TTranscoder::RunCustomHook(AVFrame* AFrame, Int64 APTS) {
  bool Update = true;
  bool StopHook = false;
  if (!FrameToBitmap(FHookContext, AFrame)) {
    FTask.Log(llError, "Cannot initialize the toRGB conversion context");
    StopHook = true;
    Update = false;
  } else {
    try {
      FTask.OnCustomHook(&FTask, FHookContext.Bitmap.get(), FHookFrameNumber, APTS, Update, StopHook);
    } catch (const Exception& E) {
      FTask.Log(llError, "Error occurs OnCustomHook: " + E.Message);
      Update = false;
    }
  }
  if (Update) {
    // Back from the bitmap into the picture it was made from: directly when the picture has the bitmap's
    // layout, else through the RGB picture and the converter back.
    TBitmap& Bitmap = *FHookContext.Bitmap;
    const bool Converted = FHookContext.RGBPictureRef == FHookContext.RGBPicture;
    uint8_t* Rows = Converted ? FHookContext.RGBPicture[0] : AFrame->data[0];
    const int Stride = Converted ? FHookContext.RGBPictureLineSize[0] : AFrame->linesize[0];
    const size_t RowSize = size_t(AFrame->width) * 3;
    for (int Y = 0; Y < AFrame->height; ++Y) std::memcpy(Rows + ptrdiff_t(Y) * Stride, Bitmap.ScanLine(Y), RowSize);
    if (Converted) {
      FHookContext.fromRGB_convert_ctx = LibSwScale.sws_getCachedContext(
          FHookContext.fromRGB_convert_ctx, AFrame->width, AFrame->height, FHookContext.RGBPixFmt, AFrame->width, AFrame->height,
          AVPixelFormat(AFrame->format), SWS_BICUBIC, nullptr, nullptr, nullptr);
      if (FHookContext.fromRGB_convert_ctx) {
        LibSwScale.sws_scale(FHookContext.fromRGB_convert_ctx, FHookContext.RGBPicture, FHookContext.RGBPictureLineSize, 0,
                             AFrame->height, AFrame->data, AFrame->linesize);
      } else {
        FTask.Log(llError, "Cannot initialize the fromRGB conversion context");
        StopHook = true;
      }
    }
  }
  // A stopped hook is gone for the rest of the task, and so are the plug-ins.
  if (StopHook) {
    FTask.OnCustomHook = nullptr;
    S.Fusing_vhook = false;
  }
}

void TTranscoder::RunPostHooks(const AVFrame* AFrame, Int64 APTS) {
  enum { NoOutlet, EventOutlet, WindowOutlet } Outlet = NoOutlet;
  bool Made = false;
  bool Failed = false;
  std::shared_ptr<IPreviewWindow> Window;
  std::shared_ptr<IPreviewWindow> Released;
  {
    // Only the picture is made under the lock; the hand-over to the outlet comes after it.
    TServingLock Lock(PostHookLock);
    TPostHooks Hooks = FTask.FPostHooks;
    if (Hooks.Contains(phBitmap) && FTask.OnPreviewBitmap) Outlet = EventOutlet;
    else if (Hooks.Contains(phPreview)) Outlet = WindowOutlet;
    const Int64 Now = LibAVUtil.av_gettime_relative();
    if (Outlet != NoOutlet && Now - Fpreview_last_time > FTask.PreviewInterval) {
      Made = FrameToBitmap(FPostContext, AFrame);
      if (!Made) {
        Failed = true;
        Hooks.Exclude(Outlet == EventOutlet ? phBitmap : phPreview);
      }
      Fpreview_last_time = Now;
    }
    Released = FTask.ChangePostHooks(Hooks);
    if (Made && Outlet == WindowOutlet) {
      if (!FTask.FPreviewer) FTask.FPreviewer = FTask.CreatePreviewer();
      Window = FTask.FPreviewer;
    }
  }
  Released.reset();
  if (Failed) FTask.Log(llError, "Cannot initialize the toRGB conversion context");
  if (!Made) return;
  TBitmap* Bitmap = FPostContext.Bitmap.get();
  if (Outlet == EventOutlet) {
    FTask.OnPreviewBitmap(&FTask, Bitmap, FHookFrameNumber, APTS);
  } else if (Window && !Window->PaintFrame(Bitmap, FHookFrameNumber, APTS)) {
    // The user closed the window: previewing ends for this task.
    TServingLock Lock(PostHookLock);
    Released = FTask.ChangePostHooks(FTask.FPostHooks - TPostHooks { phPreview });
  }
}
