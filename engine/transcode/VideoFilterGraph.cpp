// The video filter graph of a transcoder run: from the decoded pictures through the display turn, crop,
// scale and the task's own filter description to the pictures the encoder takes.
#include "engine/libav/AVFilterStubs.h"
#include "engine/libav/DisplayOrientation.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/task/FFmpeg.h"
#include "engine/transcode/TTranscoder.h"
#include "platform/base/SysUtils.h"

namespace {

/// Parses ADescription between ALast (its open input, "in") and ASink (its open output, "out").
bool ParseDescription(AVFilterGraph* AGraph, const String& ADescription, AVFilterContext* ALast, AVFilterContext* ASink) {
  AVFilterInOut* Outputs = LibAVFilter.avfilter_inout_alloc();
  AVFilterInOut* Inputs = LibAVFilter.avfilter_inout_alloc();
  bool Parsed = false;
  if (Outputs && Inputs) {
    Outputs->name = LibAVUtil.av_strdup("in");
    Outputs->filter_ctx = ALast;
    Inputs->name = LibAVUtil.av_strdup("out");
    Inputs->filter_ctx = ASink;
    Parsed = LibAVFilter.avfilter_graph_parse_ptr(AGraph, ADescription.c_str(), &Inputs, &Outputs, nullptr) >= 0;
  }
  LibAVFilter.avfilter_inout_free(&Outputs);
  LibAVFilter.avfilter_inout_free(&Inputs);
  return Parsed;
}

}  // namespace

bool TTranscoder::BuildFilterGraph(TAVInputStream& AIst, TAVOutputStream& AOst) {
  AVCodecContext* Enc = AOst.enc();
  const AVCodecContext* Dec = AIst.dec();
  AOst.graph.reset(LibAVFilter.avfilter_graph_alloc());
  AVFilterGraph* Graph = AOst.graph;
  if (!Graph) return true;
  AVRational Aspect = Dec->sample_aspect_ratio;
  if (Aspect.num <= 0 || Aspect.den <= 0) Aspect = { 0, 1 };
  // Pictures enter with the input clock in microseconds.
  const String Source = Format("video_size=%dx%d:pix_fmt=%d:time_base=1/%d:pixel_aspect=%d/%d", Dec->width, Dec->height,
                               int(Dec->pix_fmt), AV_TIME_BASE, Aspect.num, Aspect.den);
  if (LibAVFilter.avfilter_graph_create_filter(&AOst.input_video_filter, LibAVFilter.avfilter_get_by_name("buffer"), "src",
                                               Source.c_str(), nullptr, Graph) < 0 ||
      LibAVFilter.avfilter_graph_create_filter(&AOst.out_video_filter, LibAVFilter.avfilter_get_by_name("buffersink"), "out",
                                               nullptr, nullptr, Graph) < 0)
    return true;
  const int Formats[] = { Enc->pix_fmt };
  if (LibAVUtil.av_opt_set_bin(AOst.out_video_filter, "pix_fmts", reinterpret_cast<const uint8_t*>(Formats), sizeof Formats,
                               AV_OPT_SEARCH_CHILDREN) < 0)
    return true;
  AVFilterContext* Last = AOst.input_video_filter;
  // The picture is first stood as a player shows it; the bands and the output size are meant for that picture.
  const TDisplayOrientation Orientation = StreamOrientation(AIst.st);
  if (!AppendOrientationFilters(Graph, Orientation, Last)) return true;
  int ShownWidth = Dec->width, ShownHeight = Dec->height;
  Orientation.StandSize(ShownWidth, ShownHeight);
  const int CroppedWidth = ShownWidth - S.Fframe_leftBand - S.Fframe_rightBand;
  const int CroppedHeight = ShownHeight - S.Fframe_topBand - S.Fframe_bottomBand;
  // The crop keeps the picture inside the bands; a different output size is the scaler's business after it.
  if (AOst.video_crop &&
      !AppendFilter(Graph, "crop", Format("w=%d:h=%d:x=%d:y=%d", CroppedWidth, CroppedHeight, AOst.leftBand, AOst.topBand).c_str(),
                    Last))
    return true;
  int64_t Flags = 0;
  LibAVUtil.av_opt_get_int(FTask.FOptions.ScalerHolder(), "sws_flags", 0, &Flags);
  if ((CroppedWidth != Enc->width || CroppedHeight != Enc->height) &&
      !AppendFilter(Graph, "scale", Format("%d:%d", Enc->width, Enc->height).c_str(), Last))
    return true;
  Graph->scale_sws_opts = LibAVUtil.av_strdup(Format("flags=0x%X", unsigned(Flags)).c_str());
  if (S.Fvfilters.empty() ? LibAVFilter.avfilter_link(Last, 0, AOst.out_video_filter, 0) < 0
                          : !ParseDescription(Graph, S.Fvfilters, Last, AOst.out_video_filter))
    return true;
  if (LibAVFilter.avfilter_graph_config(Graph, nullptr) < 0) return true;
  Enc->width = LibAVFilter.av_buffersink_get_w(AOst.out_video_filter);
  Enc->height = LibAVFilter.av_buffersink_get_h(AOst.out_video_filter);
  // A pixel shape the filters changed must reach the encoder and the stream before the header is written.
  const AVRational Filtered = LibAVFilter.av_buffersink_get_sample_aspect_ratio(AOst.out_video_filter);
  if (Filtered.num > 0 && av_cmp_q(Filtered, Aspect) != 0) AOst.st->sample_aspect_ratio = Enc->sample_aspect_ratio = Filtered;
  return false;
}

void TTranscoder::FilterVideoFrame(TAVOutputStream& AOst, TAVInputStream& AIst, const AVFrame* AFrame, Int64 APTS) {
  // Without a picture the source is told that no more come, so the filters hand over what they hold.
  if (AFrame) {
    LibAVUtil.av_frame_unref(FFeed);
    if (LibAVUtil.av_frame_ref(FFeed, AFrame) < 0) return;
    FFeed->pts = APTS;
    FFeed->sample_aspect_ratio = AIst.dec()->sample_aspect_ratio;
  }
  if (LibAVFilter.av_buffersrc_add_frame_flags(AOst.input_video_filter, AFrame ? FFeed.get() : nullptr, 0) < 0) return;
  AVCodecContext* Enc = AOst.enc();
  while (LibAVFilter.av_buffersink_get_frame(AOst.out_video_filter, FFiltered) >= 0) {
    AIst.pts = FFiltered->pts;
    if (FFiltered->sample_aspect_ratio.num) Enc->sample_aspect_ratio = FFiltered->sample_aspect_ratio;
    OutputPicture(AOst, AIst, FFiltered);
    LibAVUtil.av_frame_unref(FFiltered);
  }
}
