// Progress of a transcoder run: the progress event and status line, and the per-frame video statistics
// file.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/libav/AVFormatStubs.h"
#include "engine/libav/AVUtilStubs.h"
#include "engine/task/FFmpeg.h"
#include "engine/transcode/TTranscoder.h"
#include "platform/base/SysUtils.h"

namespace {

constexpr size_t StatusLineSize = 1024;

/// -10 log10(AError / AScale): the PSNR of an accumulated squared error.
double Psnr(double AError, double AScale) { return -10.0 * std::log10(AError / AScale); }

}  // namespace

void TTranscoder::ReportProgress(bool ALastReport, int AFileIndex) {
  int FrameNumber = -1;
  int Fps = -1;
  float Quality = -1.0f;
  Int64 Size = 0;
  if (AVIOContext* Pb = FTask.Foutput_files[0]->Context->pb) {
    Size = LibAVFormat.avio_size(Pb);
    if (Size < 0) Size = LibAVFormat.avio_seek(Pb, 0, SEEK_CUR);
  }
  String Line;
  double Time = 1e10;
  double Longest = 0;
  bool VideoReported = false;
  for (const auto& Ost : Fost_table) {
    const AVCodecContext* Enc = Ost->enc();
    const bool Video = Ost->st->codecpar->codec_type == AVMEDIA_TYPE_VIDEO;
    const float StreamQuality = Ost->config->stream_copy ? -1.0f : float(Ost->last_quality) / FF_QP2LAMBDA;
    if (VideoReported && Video) Line += Format("q=%2.1f ", StreamQuality);
    if (!VideoReported && Video && Ost->show_fps) {
      const double Elapsed = double(LibAVUtil.av_gettime_relative() - Ftimer_start) / 1000000;
      FrameNumber = Ost->frame_number;
      // Progress starts with the first video frame; the last report is given whatever was written.
      if (FrameNumber < 1 && !ALastReport) return;
      Fps = Elapsed > 1 ? int(FrameNumber / Elapsed + 0.5) : 0;
      Quality = StreamQuality;
      Line += Format("frame=%5d fps=%3d q=%3.1f ", FrameNumber, Fps, Quality);
      if (ALastReport) Line += "L";
      if (S.Fqp_hist) {
        if (const long Q = std::lrint(Quality); Q >= 0 && Q < long(Fqp_hist.size())) ++Fqp_hist[Q];
        for (int J = 0; J < 32; ++J) Line += Format("%X", int(std::lrint(std::log2(Fqp_hist[J] + 1))));
      }
      if (Enc && (Enc->flags & AV_CODEC_FLAG_PSNR)) {
        double ErrorSum = 0;
        double ScaleSum = 0;
        Line += "PSNR=";
        for (int J = 0; J < 3; ++J) {
          const double Error = ALastReport ? double(Enc->error[J]) : double(Ost->last_error[J]);
          double Scale = double(Enc->width) * Enc->height * 255.0 * 255.0;
          if (ALastReport) Scale *= FrameNumber;
          if (J) Scale /= 4;
          ErrorSum += Error;
          ScaleSum += Scale;
          Line += Format("%s:%2.2f ", "YUV"[J], Psnr(Error, Scale));
        }
        Line += Format("*:%2.2f ", Psnr(ErrorSum, ScaleSum));
      }
      VideoReported = true;
    }
    const double OutputTime = double(Ost->muxed->end_time) * av_q2d(Ost->st->time_base);
    if (OutputTime > 0 && OutputTime < Time) Time = OutputTime;
    Longest = std::max(Longest, OutputTime);
  }
  // Before any stream has a time there is no converted time to report. A stream whose encoder holds its
  // first packets back joins later with a smaller time: the report keeps the largest time it gave. While
  // converting, the stream furthest behind tells how far the output is whole; once it is finished, the
  // output lasts as long as its longest stream (a sound beside a still picture, a picture longer than its
  // sound).
  if (ALastReport) Time = Longest > 0 ? Longest : 1e10;
  if (Time < 1e10) FReportedTime = std::max(FReportedTime, Time);
  Time = FReportedTime;
  const Int64 CurrentDuration = Int64(Time * 1000000);
  if (Time < 0.01) Time = 0.01;
  if (FTask.OnProgress || S.Fverbose > 0 || ALastReport) {
    const double BitRate = double(Size) * 8 / Time / 1000;
    Line += Format("size=%8.0fkB time=%0.2f bitrate=%6.1fkbits/s", double(Size) / 1024, Time, BitRate);
    if (Fnb_frames_dup || Fnb_frames_drop) {
      Line += Format(" dup=%d drop=%d", Fnb_frames_dup, Fnb_frames_drop);
      if (FShowDupOrDrop && S.Fverbose >= 0 && FTask.OnProgress) {
        FShowDupOrDrop = false;
        FTask.Log(llVerbose, Line.substr(0, StatusLineSize - 1));
      }
    }
    if (FTask.OnProgress)
      FTask.OnProgress(&FTask, AFileIndex, FrameNumber, Fps, Quality, float(BitRate), Size, CurrentDuration, FTask.FTotalOutputDuration);
    else if (S.Fverbose >= 0)
      FTask.Log(llVerbose, Line.substr(0, StatusLineSize - 1));
  }
  if (ALastReport && S.Fverbose >= 0) {
    const double Parts = double(Fvideo_size + Faudio_size + Fextra_size);
    FTask.Log(llVerbose, Format("video:%1.0fkB audio:%1.0fkB global headers:%1.0fkB muxing overhead %.6f%%\r\n", double(Fvideo_size) / 1024,
                                double(Faudio_size) / 1024, double(Fextra_size) / 1024, (double(Size) - Parts) * 100 / Parts));
  }
}

void TTranscoder::WriteVideoStats(const TAVOutputStream& AOst, int AFrameSize) {
  if (!Fvstats_file) {
    Fvstats_file = std::fopen(S.Fvstats_filename.c_str(), "w");
    if (!Fvstats_file) throw FFmpegException("fopen fail: " + S.Fvstats_filename);
  }
  const AVCodecContext* Enc = AOst.enc();
  if (Enc->codec_type != AVMEDIA_TYPE_VIDEO) return;
  String Line = Format("frame= %5d q= %2.1f ", AOst.frame_number, double(AOst.last_quality) / FF_QP2LAMBDA);
  if (Enc->flags & AV_CODEC_FLAG_PSNR)
    Line += Format("PSNR= %6.2f ", Psnr(double(AOst.last_error[0]), double(Enc->width) * Enc->height * 255.0 * 255.0));
  Line += Format("f_size= %6d ", AFrameSize);
  const double TimeBase = av_q2d(Enc->time_base);
  const double Time = std::max(double(AOst.sync_opts) * TimeBase, 0.01);
  const double BitRate = AFrameSize * 8 / TimeBase / 1000;
  const double Average = double(Fvideo_size) * 8 / Time / 1000;
  Line += Format("s_size= %8.0fkB time= %0.3f br= %7.1fkbits/s avg_br= %7.1fkbits/s ", double(Fvideo_size) / 1024, Time, BitRate, Average);
  Line += Format("type= %s\n", AOst.last_pict_type);
  std::fputs(Line.c_str(), Fvstats_file);
}
