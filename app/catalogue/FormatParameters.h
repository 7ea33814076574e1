#pragma once
// The default conversion parameters of every format of the catalogue, by FormatKey.
#include <span>
#include <string_view>

#include "app/catalogue/TVideoParams.h"

/// One format's output extension and the values it gives the current parameters. Texts are empty where
/// the format leaves the choice to the engine; a bit rate of -1 is the reset value left in place, -1000
/// the engine's default.
struct FormatParameters {
  int FormatKey { 0 };
  std::string_view Extension;             // with its leading "."; replaces the input's extension
  std::string_view VideoCodec;
  std::string_view AudioCodec;
  std::string_view AudioChannels;
  std::string_view VideoTag;
  std::string_view FileExt;
  std::string_view FrameSize;
  int VideoBitrate { -1 };
  std::string_view FrameRate;
  int AudioBitrate { -1 };
  std::string_view AudioSampleRate;
  std::string_view FrameAspectRatio;
  std::string_view TargetType;
  std::string_view NormType;
  bool DisableVideo { false };

  /// Writes the values above into their fields of Params; the other fields keep what they hold.
  void AssignTo(TVideoParams& Params) const;
};

/// Every row, in the order of the categories and their formats.
std::span<const FormatParameters> FormatParameterTable();
/// The row of FormatKey, or nullptr when the catalogue has no such format.
const FormatParameters* FindFormatParameters(int FormatKey);
