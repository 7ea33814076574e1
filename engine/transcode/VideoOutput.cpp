// Video output of a transcoder run: frame-rate sync (dropping or repeating pictures against the input
// clock), cropping and scaling without the filter graph, and encoding each copy.
#include <cmath>

#include "engine/libav/AVUtilStubs.h"
#include "engine/task/FFmpeg.h"
#include "engine/libav/SwScaleStubs.h"
#include "engine/transcode/TTranscoder.h"
#include "platform/base/SysUtils.h"

namespace {

/// Turns AView (a reference to the whole picture) into a view of the part inside the bands, by moving its
/// plane pointers; false for pixel formats whose planes cannot be addressed that way.
bool CropView(AVFrame* AView, int ATop, int ABottom, int ALeft, int ARight) {
  const AVPixFmtDescriptor* Desc = LibAVUtil.av_pix_fmt_desc_get(AVPixelFormat(AView->format));
  if (!Desc || (Desc->flags & (AV_PIX_FMT_FLAG_BITSTREAM | AV_PIX_FMT_FLAG_HWACCEL | AV_PIX_FMT_FLAG_PAL))) return false;
  if (ATop + ABottom >= AView->height || ALeft + ARight >= AView->width) return false;
  for (int Plane = 0; Plane < 4 && AView->data[Plane]; ++Plane) {
    int Step = 0;
    for (int C = 0; C < Desc->nb_components; ++C)
      if (Desc->comp[C].plane == Plane) Step = std::max(Step, Desc->comp[C].step);
    const bool Chroma = (Plane == 1 || Plane == 2) && !(Desc->flags & AV_PIX_FMT_FLAG_RGB);
    const int Rows = Chroma ? ATop >> Desc->log2_chroma_h : ATop;
    const int Columns = Chroma ? ALeft >> Desc->log2_chroma_w : ALeft;
    AView->data[Plane] += ptrdiff_t(Rows) * AView->linesize[Plane] + ptrdiff_t(Columns) * Step;
  }
  AView->width -= ALeft + ARight;
  AView->height -= ATop + ABottom;
  return true;
}

}  // namespace

int TTranscoder::WriteVideoFrame(TAVOutputStream& AOst, TAVInputStream& AIst, const AVFrame* AFrame) {
  const int Copies = FrameCount(AOst);
  if (Copies <= 0) return 0;
  const AVFrame* Final = AOst.graph ? AFrame : CropAndScale(AOst, AIst, AFrame);
  if (!Final) return 0;
  const AVCodecContext* Enc = AOst.enc();
  int FrameSize = 0;
  for (int Copy = 0; Copy < Copies && !FTask.Broken(); ++Copy) {
    // A long pause of the media is filled copy by copy: the run reports and answers Pause and Stop meanwhile.
    if (Copy > 0) {
      FTask.WaitWhilePaused();
      ReportProgressWhenDue(AIst.file_index);
    }
    // A reference of its own, so the encoder's time and quality can be set without touching the source.
    LibAVUtil.av_frame_unref(FPicture);
    if (LibAVUtil.av_frame_ref(FPicture, Final) < 0) throw FFmpegException("Video encoding failed");
    FPicture->interlaced_frame = AFrame->interlaced_frame;
    if (Enc->flags & (AV_CODEC_FLAG_INTERLACED_DCT | AV_CODEC_FLAG_INTERLACED_ME))
      FPicture->top_field_first = S.Ftop_field_first == -1 ? AFrame->top_field_first : S.Ftop_field_first;
    FPicture->quality = S.Fsame_quality ? AFrame->quality : int(std::lrint(AOst.config->quality));
    FPicture->pict_type = AV_PICTURE_TYPE_NONE;
    FPicture->pts = AOst.sync_opts;
    if (const int Size = EncodeFrame(AOst, FPicture); Size > 0) {
      FrameSize = Size;
      if (!FTask.PostHooks().Empty()) RunPostHooks(FPicture, LibAVUtil.av_rescale_q(AOst.sync_opts, Enc->time_base, AV_TIME_BASE_Q));
    }
    ++AOst.sync_opts;
    ++AOst.frame_number;
  }
  LibAVUtil.av_frame_unref(FPicture);
  return FrameSize;
}

int TTranscoder::FrameCount(TAVOutputStream& AOst) {
  const AVCodecContext* Enc = AOst.enc();
  // The input position in output frame periods.
  const double SyncTime = double(AOst.sync_ist->pts - S.Fstart_time) / AV_TIME_BASE / av_q2d(Enc->time_base);
  int Copies = 1;
  if (S.Fvideo_sync_method == 0) {
    AOst.sync_opts = Int64(std::nearbyint(SyncTime));
  } else {
    const double Delta = SyncTime - double(AOst.sync_opts);
    const bool Variable = S.Fvideo_sync_method == 2 || (S.Fvideo_sync_method < 0 && (AOst.file->Context->oformat->flags & AVFMT_VARIABLE_FPS));
    if (Delta < -1.1) {
      Copies = 0;
    } else if (Variable) {
      if (Delta <= -0.6) Copies = 0;
      else if (Delta > 0.6) AOst.sync_opts = Int64(std::nearbyint(SyncTime));
    } else if (Delta > 1.1) {
      Copies = int(std::nearbyint(std::min(Delta, double(S.Fmax_frames[AVMEDIA_TYPE_VIDEO]))));
    }
    if (Copies == 0) {
      ++Fnb_frames_drop;
      FShowDupOrDrop = true;
      if (S.Fverbose > 2) FTask.Log(llVerbose, "*** drop!");
    } else if (Copies > 1) {
      Fnb_frames_dup += Copies - 1;
      FShowDupOrDrop = true;
      if (S.Fverbose > 2) FTask.Log(llVerbose, Format("*** %d dup!", Copies - 1));
    }
  }
  return std::min(Copies, S.Fmax_frames[AVMEDIA_TYPE_VIDEO] - AOst.frame_number);
}

const AVFrame* TTranscoder::CropAndScale(TAVOutputStream& AOst, TAVInputStream& AIst, const AVFrame* AFrame) {
  // A change of the picture's size or format is followed first, so the bands fit the picture they cut.
  FollowInputSize(AOst, AIst, AFrame);
  const AVFrame* Picture = AFrame;
  if (AOst.video_crop) {
    LibAVUtil.av_frame_unref(FCropped);
    if (LibAVUtil.av_frame_ref(FCropped, AFrame) < 0 || !CropView(FCropped, AOst.topBand, AOst.bottomBand, AOst.leftBand, AOst.rightBand)) {
      if (S.Fexit_on_error) throw FFmpegException("error cropping picture");
      FTask.Log(llError, "error cropping picture");
      return nullptr;
    }
    Picture = FCropped;
  }
  if (!AOst.video_resample) return Picture;
  // The encoder may still hold the previous picture: it then keeps that buffer and this one gets a new one.
  if (LibAVUtil.av_frame_make_writable(AOst.pict_tmp) < 0) throw FFmpegException("Cannot allocate temp picture, check pix fmt");
  LibSwScale.sws_scale(AOst.img_resample_ctx, Picture->data, Picture->linesize, 0, AOst.resample_height, AOst.pict_tmp->data,
                       AOst.pict_tmp->linesize);
  return AOst.pict_tmp;
}

void TTranscoder::FollowInputSize(TAVOutputStream& AOst, const TAVInputStream& AIst, const AVFrame* AFrame) {
  const int Width = AFrame->width;
  const int Height = AFrame->height;
  if (Height - AOst.topBand - AOst.bottomBand == AOst.resample_height && Width - AOst.leftBand - AOst.rightBand == AOst.resample_width &&
      AFrame->format == AOst.resample_pix_fmt)
    return;
  const String Message = Format("Input Stream #%d.%d frame size changed to %dx%d, %s", AIst.file_index, AIst.index, Width, Height,
                                LibAVUtil.av_get_pix_fmt_name(AVPixelFormat(AFrame->format)));
  FTask.Log(llQuiet, Message);
  if (!AOst.video_resample) throw FFmpegException(Message);
  // The bands keep their share of the picture, on even lines and columns.
  if (AOst.original_height && AOst.original_width) {
    AOst.topBand = (Height * AOst.original_topBand / AOst.original_height) & ~1;
    AOst.bottomBand = (Height * AOst.original_bottomBand / AOst.original_height) & ~1;
    AOst.leftBand = (Width * AOst.original_leftBand / AOst.original_width) & ~1;
    AOst.rightBand = (Width * AOst.original_rightBand / AOst.original_width) & ~1;
  }
  AOst.resample_height = Height - AOst.topBand - AOst.bottomBand;
  AOst.resample_width = Width - AOst.leftBand - AOst.rightBand;
  AOst.resample_pix_fmt = AFrame->format;
  AOst.img_resample_ctx.reset();
  int64_t Flags = 0;
  LibAVUtil.av_opt_get_int(FTask.FOptions.ScalerHolder(), "sws_flags", 0, &Flags);
  S.Fsws_flags = uint32_t(Flags);
  const AVCodecContext* Enc = AOst.enc();
  AOst.img_resample_ctx.reset(LibSwScale.sws_getContext(AOst.resample_width, AOst.resample_height, AVPixelFormat(AOst.resample_pix_fmt),
                                                        Enc->width, Enc->height, Enc->pix_fmt, int(S.Fsws_flags), nullptr, nullptr, nullptr));
  if (!AOst.img_resample_ctx) throw FFmpegException("Cannot get resampling context");
}
