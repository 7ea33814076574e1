#pragma once
// The settings of one input file of a conversion job, as the application fills them.
extern "C" {
#include <libavutil/avutil.h>
}

#include "platform/base/Types.h"

/// One input file's settings; InitInputOptions gives the defaults. ExtOptions holds further options as
/// option text (name=value lines, see OptionText.h). Tag and Data are the caller's own.
struct TInputOptions {
  String FileName;                  // filled in from the call's file name when empty
  String FileFormat;                // forced input format name
  Int64 TimeStart { AV_NOPTS_VALUE };  // microseconds to start reading at
  int ProgramID { -1 };             // program to keep of a multi-program input
  String ExtOptions;
  int Tag { 0 };
  void* Data { nullptr };
};
using PInputOptions = TInputOptions*;

/// Sets every field of AOptions to its default.
void InitInputOptions(TInputOptions& AOptions);
