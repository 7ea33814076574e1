#pragma once
// What an output file records about its content: the recording time and the descriptive tags.
#include "platform/base/DateUtils.h"
#include "platform/base/Types.h"

/// The recording time and tags written into an output file. TimeStamp 0 stands for "now", a negative one
/// for none; Year and Track count only above 0; an empty text writes no tag.
struct TStreamInfo {
  TDateTime TimeStamp { -1.0 };
  int Year { -1 };
  int Track { -1 };
  String Title;
  String Author;
  String Copyright;
  String Comment;
  String Album;
  String Genre;
};
