// Picture pre-processing of a transcoder run (deinterlacing, the custom hook, video-hook plug-ins) and
// the preview outlets that get encoded pictures.
#include "engine/FFmpeg.h"
#include "engine/TTranscoder.h"

void TTranscoder::PreprocessVideoFrame(TAVInputStream&, AVFrame*) { ++FHookFrameNumber; }

void TTranscoder::RunCustomHook(AVFrame*, Int64) {}

void TTranscoder::RunPostHooks(const AVFrame*, Int64) {}
