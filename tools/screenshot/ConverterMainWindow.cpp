#include "tools/screenshot/ConverterMainWindow.h"

namespace {

/// How many pixels of R differ from Background.
int PixelsNotOf(const XScreenshot& Shot, const TRect& R, TColor Background) {
  int Count = 0;
  for (int Y = R.Top; Y < R.Bottom; ++Y)
    for (int X = R.Left; X < R.Right; ++X) Count += Shot.At(X, Y) != Background;
  return Count;
}

}  // namespace

bool ConverterWindowPainted(XScreenshot& Shot, const TRect& Frame) {
  const TColor CaptionBlue = RGB(43, 123, 223);
  const TRect Title { Frame.Left + 8, Frame.Top + 6, Frame.Left + 150, Frame.Top + 22 };
  const TRect MenuBar { Frame.Left + 4, Frame.Top + 30, Frame.Left + 200, Frame.Top + 50 };
  return Shot.Take(Frame) && Shot.At(Frame.Left + 300, Frame.Top + 5) == CaptionBlue &&
         PixelsNotOf(Shot, Title, CaptionBlue) > 100 && PixelsNotOf(Shot, MenuBar, clWhite) > 100;
}
