#pragma once
// The job list's selected row as the catalogue steps write it.
#include "platform/base/Types.h"

/// Cells of a job row (numbered from 0 after the row's caption) that the catalogue reads or writes.
namespace JobCell {
constexpr int OutputFile = 2;        // 输出文件: the output name without folder
constexpr int Progress = 3;          // 转换进度: cells 3 to 6 are written while a batch runs
constexpr int Fps = 4;
constexpr int ConvertedTime = 5;     // 当前时间
constexpr int ConvertedSize = 6;     // 转换大小
constexpr int TaskNumber = 7;        // 视频序号: the engine task index of the row's file plus 1
constexpr int FormatCode = 8;        // 视频类别: RowFormatCode
constexpr int Presets = 9;           // 视频选项: the preset code
constexpr int VideoCodec = 10;       // 视频编码; cells 10 to 23 are the parameter cells
constexpr int AudioCodec = 11;
constexpr int AudioChannels = 12;
constexpr int VideoTag = 13;
constexpr int FileExt = 14;
constexpr int FrameSize = 15;
constexpr int VideoBitrate = 16;
constexpr int FrameRate = 17;
constexpr int AudioBitrate = 18;
constexpr int AudioSampleRate = 19;
constexpr int FrameAspectRatio = 20;
constexpr int DisableVideo = 21;     // 视频能否: "True" or "False"
constexpr int TargetType = 22;
constexpr int NormType = 23;
}  // namespace JobCell

/// The selected row of the job list. Writing a cell runs no handler.
class ISelectedJobRow {
public:
  virtual ~ISelectedJobRow() = default;
  virtual String Cell(int Index) const = 0;
  virtual void SetCell(int Index, const String& Text) = 0;
  /// Gives the job list the keyboard focus.
  virtual void FocusJobList() = 0;
};
