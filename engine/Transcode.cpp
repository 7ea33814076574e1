#include "engine/FFmpeg.h"

// The transcoder itself comes with its own unit; until then a run fails plainly instead of reporting an
// empty success.
void TCustomFFmpeg::Transcode() { throw FFmpegException("TODO: transcode"); }
