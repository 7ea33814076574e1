#include "app/jobs/JobTexts.h"

#include "platform/base/SysUtils.h"

String SecToDate(int Sec) {
  int s = Sec % 60;
  int m = (Sec - s) / 60 % 60;
  int h = (Sec - s - m * 60) / 3600 % 24;
  return Format("%.2d:%.2d:%.2d", h, m, s);
}

String SizeText(Int64 Bytes) {
  double hundredths = double(Round(double(Bytes) / 1024 / 1024 * 100));
  return FloatToStr(hundredths / 100) + "MB";
}

namespace {
constexpr TJobColumn Shown(const char* Caption, int Width) { return { Caption, Width, 0 }; }
constexpr TJobColumn Hidden(const char* Caption) { return { Caption, 0, 1 }; }
}  // namespace

const std::array<TJobColumn, JobColumnCount> JobColumns { {
  Shown("输入文件", 80),
  Shown("视频时间", 70),
  Shown("文件大小", 70),
  Shown("输出文件", 80),
  Shown("转换进度", 70),
  Hidden(""),
  Shown("当前时间", 80),
  Shown("转换大小", 80),
  Hidden("视频序号"),
  Hidden("视频类别"),
  Hidden("视频选项"),
  Hidden("视频编码"),
  Hidden("音频编码"),
  Hidden("声音频道"),
  Hidden("VideoTag"),
  Hidden("FileExt"),
  Hidden("视频分辨率"),
  Hidden("视频比特率"),
  Hidden("视频帧率"),
  Hidden("音频比特率"),
  Hidden("音频采样率"),
  Hidden("视频缩放"),
  Hidden("视频能否"),
  Hidden("TargetType"),
  Hidden("NormType"),
} };
