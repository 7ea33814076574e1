// The option names a conversion task accepts and what each one does; every other name is one of FFmpeg's
// generic codec, format or scaler options.
#include <cstring>
#include <string_view>
#include <unordered_map>

#include "engine/task/FFmpeg.h"
#include "platform/base/SysUtils.h"

void TCustomFFmpeg::ApplyOption(const String& Name, const String& Value) {
  using THandler = void (*)(TCustomFFmpeg& T, const String& N, const String& V);
  // A flag is off only for "0"; a set option is on whatever its value.
  static const auto Flag = [](const String& V) { return V != "0"; };
  static constexpr THandler Ignore = [](TCustomFFmpeg& T, const String& N, const String&) { T.Log(llInfo, "Do nothing: option - " + N); };
  static constexpr THandler Pad = [](TCustomFFmpeg&, const String&, const String&) { throw FFmpegException("Please use vfilters=pad"); };
  static const std::unordered_map<std::string_view, THandler> Table = {
    { "L", Ignore },
    { "h", Ignore },
    { "version", Ignore },
    { "formats", Ignore },
    { "codecs", Ignore },
    { "bsfs", Ignore },
    { "protocols", Ignore },
    { "filters", Ignore },
    { "loglevel", [](TCustomFFmpeg&, const String&, const String& V) { GlobalLogger()->OptLogLevel(V); } },
    { "f", [](TCustomFFmpeg& T, const String&, const String& V) { T.OptFormat(V); } },
    { "i", Ignore },
    { "y", Ignore },
    { "map", [](TCustomFFmpeg& T, const String&, const String& V) { T.OptMap(V); } },
    { "map_meta_data", [](TCustomFFmpeg& T, const String&, const String& V) { T.OptMapMetaData(V); } },
    { "t", [](TCustomFFmpeg& T, const String& N, const String& V) { T.SetRecordingTime(T.ParseTime(N, V, true)); } },
    { "fs", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Flimit_filesize = StrToInt64(V); } },
    { "ss", [](TCustomFFmpeg& T, const String& N, const String& V) { T.FSettings.Fstart_time = T.ParseTime(N, V, true); } },
    { "itsoffset", [](TCustomFFmpeg& T, const String& N, const String& V) { T.FSettings.Finput_ts_offset = T.ParseTime(N, V, true); } },
    { "itsscale", [](TCustomFFmpeg& T, const String&, const String& V) { T.OptInputTsScale(V); } },
    { "timestamp",
      [](TCustomFFmpeg& T, const String& N, const String& V) {
        T.FSettings.Frecording_timestamp = Round(double(T.ParseTime(N, V, false)) / 1000000);
      } },
    { "metadata", [](TCustomFFmpeg& T, const String&, const String& V) { T.OptMetadata(V); } },
    { "dframes", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fmax_frames[AVMEDIA_TYPE_DATA] = StrToInt(V); } },
    { "benchmark", Ignore },
    { "timelimit", [](TCustomFFmpeg& T, const String&, const String&) { T.Log(llWarning, "Warning: -timelimit not implemented on Windows"); } },
    { "dump", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fdo_pkt_dump = Flag(V); } },
    { "hex", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fdo_hex_dump = Flag(V); } },
    { "re", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Frate_emu = Flag(V); } },
    { "loop_input", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Floop_input = Flag(V); } },
    { "loop_output", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Floop_output = StrToInt(V); } },
    { "v", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fverbose = StrToInt(V); } },
    { "target",
      [](TCustomFFmpeg& T, const String&, const String& V) {
        // "pal-dvd": the norm comes first; without one the norm is found from the inputs.
        const String Target = Trim(V);
        for (const char* Norm : { "pal", "ntsc", "film" })
          if (Target.starts_with(String(Norm) + "-")) return T.SetTarget(Target.substr(strlen(Norm) + 1), Norm, "ntsc");
        T.SetTarget(Target, "auto", "ntsc");
      } },
    { "threads", [](TCustomFFmpeg&, const String& N, const String&) { throw FFmpegException("TODO: option - " + N); } },
    { "vsync", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fvideo_sync_method = StrToInt(V); } },
    { "async", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Faudio_sync_method = StrToInt(V); } },
    { "adrift_threshold", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Faudio_drift_threshold = float(StrToFloat(V)); } },
    { "vglobal", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fvideo_global_header = StrToInt(V); } },
    { "copyts", [](TCustomFFmpeg& T, const String&, const String&) { T.FSettings.Fcopy_ts = true; } },
    { "shortest", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fopt_shortest = Flag(V); } },
    { "dts_delta_threshold", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fdts_delta_threshold = float(StrToFloat(V)); } },
    { "programid", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fopt_programid = StrToInt(V); } },
    { "xerror", [](TCustomFFmpeg& T, const String&, const String&) { T.FSettings.Fexit_on_error = true; } },
    { "copyinkf", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fcopy_initial_nonkeyframes = StrToInt(V); } },
    { "b", [](TCustomFFmpeg& T, const String& N, const String& V) { T.OptBitRate(N, V); } },
    { "vb", [](TCustomFFmpeg& T, const String& N, const String& V) { T.OptBitRate(N, V); } },
    { "vframes", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fmax_frames[AVMEDIA_TYPE_VIDEO] = StrToInt(V); } },
    { "r", [](TCustomFFmpeg& T, const String&, const String& V) { T.OptFrameRate(V); } },
    { "s", [](TCustomFFmpeg& T, const String&, const String& V) { T.OptFrameSize(V); } },
    { "aspect", [](TCustomFFmpeg& T, const String&, const String& V) { T.OptAspect(V); } },
    { "pix_fmt", [](TCustomFFmpeg& T, const String&, const String& V) { T.OptPixelFormat(V); } },
    { "croptop",
      [](TCustomFFmpeg& T, const String&, const String& V) {
        T.OptCrop(T.FSettings.Fframe_topBand, T.FSettings.Fframe_height, StrToInt(V),
                  "Vertical crop dimensions are outside the range of the original image.");
      } },
    { "cropbottom",
      [](TCustomFFmpeg& T, const String&, const String& V) {
        T.OptCrop(T.FSettings.Fframe_bottomBand, T.FSettings.Fframe_height, StrToInt(V),
                  "Vertical crop dimensions are outside the range of the original image.");
      } },
    { "cropleft",
      [](TCustomFFmpeg& T, const String&, const String& V) {
        T.OptCrop(T.FSettings.Fframe_leftBand, T.FSettings.Fframe_width, StrToInt(V),
                  "Horizontal crop dimensions are outside the range of the original image.");
      } },
    { "cropright",
      [](TCustomFFmpeg& T, const String&, const String& V) {
        T.OptCrop(T.FSettings.Fframe_rightBand, T.FSettings.Fframe_width, StrToInt(V),
                  "Horizontal crop dimensions are outside the range of the original image.");
      } },
    { "padtop", Pad },
    { "padbottom", Pad },
    { "padleft", Pad },
    { "padright", Pad },
    { "padcolor", Pad },
    { "intra", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fintra_only = Flag(V); } },
    { "vn", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fvideo_disable = Flag(V); } },
    { "vdt", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fvideo_discard = StrToInt(V); } },
    { "qscale", [](TCustomFFmpeg& T, const String&, const String& V) { T.OptQScale(StrToFloat(V)); } },
    { "rc_override", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fvideo_rc_override_string = V; } },
    { "vcodec",
      [](TCustomFFmpeg& T, const String&, const String& V) {
        T.OptCodecName(AVMEDIA_TYPE_VIDEO, T.FSettings.Fvideo_codec_name, T.FSettings.Fvideo_stream_copy, V);
      } },
    { "me_threshold", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fme_threshold = StrToInt(V); } },
    { "sameq", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fsame_quality = Flag(V); } },
    { "pass", [](TCustomFFmpeg& T, const String&, const String& V) { T.SetPass(StrToInt(V)); } },
    { "passlogfile", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fpass_logfilename_prefix = V; } },
    { "deinterlace", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fdo_deinterlace = Flag(V); } },
    { "psnr", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fdo_psnr = Flag(V); } },
    { "vstats", [](TCustomFFmpeg& T, const String&, const String&) { T.SetVStats(true); } },
    { "vstats_file", [](TCustomFFmpeg& T, const String&, const String& V) { T.SetVStatsFile(V); } },
    { "vhook", [](TCustomFFmpeg& T, const String&, const String& V) { T.OptVideoHook(V); } },
    { "vfilters", [](TCustomFFmpeg& T, const String&, const String& V) { if (!V.empty()) T.FSettings.Fvfilters = V; } },
    { "vf", [](TCustomFFmpeg& T, const String&, const String& V) { if (!V.empty()) T.FSettings.Fvfilters = V; } },
    { "intra_matrix", [](TCustomFFmpeg& T, const String&, const String& V) { T.SetIntraMatrix(V); } },
    { "inter_matrix", [](TCustomFFmpeg& T, const String&, const String& V) { T.SetInterMatrix(V); } },
    { "top", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Ftop_field_first = StrToInt(V); } },
    { "dc", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fintra_dc_precision = StrToInt(V); } },
    { "vtag", [](TCustomFFmpeg& T, const String&, const String& V) { T.OptCodecTag(T.FSettings.Fvideo_codec_tag, "video", V); } },
    { "newvideo", [](TCustomFFmpeg& T, const String&, const String&) { T.OptNewStream(AVMEDIA_TYPE_VIDEO); } },
    { "vlang", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fvideo_language = V; } },
    { "qphist", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fqp_hist = Flag(V); } },
    { "force_fps", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fforce_fps = Flag(V); } },
    { "streamid", [](TCustomFFmpeg& T, const String& N, const String& V) { T.OptStreamId(N, V); } },
    { "ab", [](TCustomFFmpeg& T, const String& N, const String& V) { T.OptBitRate(N, V); } },
    { "aframes", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fmax_frames[AVMEDIA_TYPE_AUDIO] = StrToInt(V); } },
    { "aq", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Faudio_qscale = float(StrToFloat(V)); } },
    { "ar",
      [](TCustomFFmpeg& T, const String&, const String& V) {
        if (const int Rate = StrToInt(V); Rate > 0) T.FSettings.Faudio_sample_rate = Rate;
      } },
    { "ac",
      [](TCustomFFmpeg& T, const String&, const String& V) {
        if (const int Channels = StrToInt(V); Channels > 0) T.FSettings.Faudio_channels = Channels;
      } },
    { "an", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Faudio_disable = Flag(V); } },
    { "acodec",
      [](TCustomFFmpeg& T, const String&, const String& V) {
        T.OptCodecName(AVMEDIA_TYPE_AUDIO, T.FSettings.Faudio_codec_name, T.FSettings.Faudio_stream_copy, V);
      } },
    { "atag", [](TCustomFFmpeg& T, const String&, const String& V) { T.OptCodecTag(T.FSettings.Faudio_codec_tag, "audio", V); } },
    { "vol", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Faudio_volume = StrToInt(V); } },
    { "newaudio", [](TCustomFFmpeg& T, const String&, const String&) { T.OptNewStream(AVMEDIA_TYPE_AUDIO); } },
    { "alang", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Faudio_language = V; } },
    { "sample_fmt", [](TCustomFFmpeg& T, const String&, const String& V) { T.OptSampleFormat(V); } },
    { "sn", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fsubtitle_disable = Flag(V); } },
    { "scodec",
      [](TCustomFFmpeg& T, const String&, const String& V) {
        T.OptCodecName(AVMEDIA_TYPE_SUBTITLE, T.FSettings.Fsubtitle_codec_name, T.FSettings.Fsubtitle_stream_copy, V);
      } },
    { "newsubtitle", [](TCustomFFmpeg& T, const String&, const String&) { T.OptNewStream(AVMEDIA_TYPE_SUBTITLE); } },
    { "slang", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fsubtitle_language = V; } },
    { "stag", [](TCustomFFmpeg& T, const String&, const String& V) { T.OptCodecTag(T.FSettings.Fsubtitle_codec_tag, "subtitle", V); } },
    { "vc", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fvideo_channel = StrToInt(V); } },
    { "tvstd", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fvideo_standard = V; } },
    { "isync", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Finput_sync = Flag(V); } },
    { "muxdelay", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fmux_max_delay = float(StrToFloat(V)); } },
    { "muxpreload", [](TCustomFFmpeg& T, const String&, const String& V) { T.FSettings.Fmux_preload = float(StrToFloat(V)); } },
    { "absf", [](TCustomFFmpeg& T, const String& N, const String& V) { T.AddBitstreamFilter(N, V); } },
    { "vbsf", [](TCustomFFmpeg& T, const String& N, const String& V) { T.AddBitstreamFilter(N, V); } },
    { "sbsf", [](TCustomFFmpeg& T, const String& N, const String& V) { T.AddBitstreamFilter(N, V); } },
    { "apre", [](TCustomFFmpeg& T, const String& N, const String& V) { T.ApplyPreset(N, V); } },
    { "vpre", [](TCustomFFmpeg& T, const String& N, const String& V) { T.ApplyPreset(N, V); } },
    { "spre", [](TCustomFFmpeg& T, const String& N, const String& V) { T.ApplyPreset(N, V); } },
    { "fpre", [](TCustomFFmpeg& T, const String& N, const String& V) { T.ApplyPreset(N, V); } },
  };
  if (const auto Row = Table.find(Name); Row != Table.end()) Row->second(*this, Name, Value);
  // Any other name is a generic FFmpeg option; an unknown one is ignored and a bad value only logged.
  else SetCodecOption(Name, Value);
}

void TCustomFFmpeg::SetAudioVolume(int Value) {
  if (Value >= 0) FSettings.Faudio_volume = Value;
}

void TCustomFFmpeg::SetAudioSyncMethod(int Value) { FSettings.Faudio_sync_method = Value; }

void TCustomFFmpeg::SetVideoSyncMethod(int Value) { FSettings.Fvideo_sync_method = Value; }

void TCustomFFmpeg::SetMuxMaxDelay(float Value) {
  if (Value > 0) FSettings.Fmux_max_delay = Value;
}

void TCustomFFmpeg::SetMuxPreload(float Value) {
  if (Value > 0) FSettings.Fmux_preload = Value;
}
