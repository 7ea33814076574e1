#include "engine/transcode/Deinterlace.h"

#include <algorithm>

#include "engine/libav/AVUtilStubs.h"

namespace {

bool Supported(int AFormat) {
  switch (AFormat) {
    case AV_PIX_FMT_YUV420P:
    case AV_PIX_FMT_YUVJ420P:
    case AV_PIX_FMT_YUV422P:
    case AV_PIX_FMT_YUVJ422P:
    case AV_PIX_FMT_YUV444P:
    case AV_PIX_FMT_YUVJ444P:
    case AV_PIX_FMT_YUV411P:
    case AV_PIX_FMT_GRAY8: return true;
    default: return false;
  }
}

void FilterPlane(uint8_t* ADest, int ADestStride, const uint8_t* ASource, int ASourceStride, int AWidth, int AHeight) {
  const auto Line = [&](int Y) { return ASource + ptrdiff_t(std::clamp(Y, 0, AHeight - 1)) * ASourceStride; };
  for (int Y = 0; Y < AHeight; ++Y) {
    const uint8_t* Above2 = Line(Y - 2);
    const uint8_t* Above = Line(Y - 1);
    const uint8_t* Here = Line(Y);
    const uint8_t* Below = Line(Y + 1);
    const uint8_t* Below2 = Line(Y + 2);
    uint8_t* Out = ADest + ptrdiff_t(Y) * ADestStride;
    for (int X = 0; X < AWidth; ++X) {
      const int Sum = -Above2[X] + 4 * Above[X] + 2 * Here[X] + 4 * Below[X] - Below2[X];
      Out[X] = uint8_t(std::clamp((Sum + 4) >> 3, 0, 255));
    }
  }
}

}  // namespace

bool DeinterlacePicture(AVFrame* ADest, const AVFrame* ASource) {
  if (!Supported(ASource->format)) return false;
  const AVPixFmtDescriptor* Desc = LibAVUtil.av_pix_fmt_desc_get(AVPixelFormat(ASource->format));
  for (int Plane = 0; Plane < Desc->nb_components; ++Plane) {
    const bool Chroma = Plane > 0;
    const int Width = Chroma ? -((-ASource->width) >> Desc->log2_chroma_w) : ASource->width;
    const int Height = Chroma ? -((-ASource->height) >> Desc->log2_chroma_h) : ASource->height;
    FilterPlane(ADest->data[Plane], ADest->linesize[Plane], ASource->data[Plane], ASource->linesize[Plane], Width, Height);
  }
  return true;
}
