// The larger pictures of the converter window: the preview placeholder on the dark preview panel, the
// about box's picture and the cover of the empty job list.
#include "resources/pictures/generator/ConverterPictures.h"
#include "resources/pictures/generator/PictureFiles.h"
#include "resources/pictures/generator/PictureShapes.h"

namespace {

// A dim film frame with a play mark: no video is showing.
TProgramPicture PreviewPlaceholder() {
  TPictureCanvas c(84, 87);
  c.FillRoundRect(6, 14, 78, 73, 6, RGB(96, 106, 122));
  c.FillRoundRect(7.5, 15.5, 76.5, 71.5, 4.8, TFill(RGB(58, 66, 80), RGB(32, 38, 48)));
  for (int i = 0; i < 8; ++i) {
    const double x = 12 + 8 * i;
    c.FillRoundRect(x, 19, x + 4, 23, 0.8, RGB(112, 122, 138));
    c.FillRoundRect(x, 64, x + 4, 68, 0.8, RGB(112, 122, 138));
  }
  c.FillEllipse(30, 31.5, 54, 55.5, RGB(150, 160, 176));
  c.FillEllipse(31.5, 33, 52.5, 54, TFill(RGB(120, 130, 148), RGB(76, 86, 102)));
  const TPoints play { { 38.5, 37.5 }, { 48.5, 43.5 }, { 38.5, 49.5 } };
  c.Stroke(Closed(play), 1.6, RGB(226, 232, 240));
  c.FillPolygon(play, RGB(226, 232, 240));
  return PngPicture("PREVIEW_PLACEHOLDER", c);
}

TProgramPicture AboutPicture() {
  TPictureCanvas c(87, 83);
  DrawProgramIcon(c, 83, { 2, 0 });
  return PngPicture("ABOUT_PICTURE", c);
}

// A dashed frame round two film tiles and an add badge: files go here.
TProgramPicture ListCover() {
  constexpr double W = 568, H = 225, Inset = 12, Dash = 7, Step = 12;
  TPictureCanvas c { int(W), int(H) };
  c.FillRect(0, 0, W, H, RGB(250, 251, 253));
  const TColor dash = RGB(190, 200, 214);
  for (double x = Inset + 10; x + Dash <= W - Inset - 10; x += Step) {
    c.FillRoundRect(x, Inset, x + Dash, Inset + 2, 1, dash);
    c.FillRoundRect(x, H - Inset - 2, x + Dash, H - Inset, 1, dash);
  }
  for (double y = Inset + 10; y + Dash <= H - Inset - 10; y += Step) {
    c.FillRoundRect(Inset, y, Inset + 2, y + Dash, 1, dash);
    c.FillRoundRect(W - Inset - 2, y, W - Inset, y + Dash, 1, dash);
  }
  DrawFilmTile(c, 222, 66, 64, 56, { RGB(86, 160, 246), RGB(30, 90, 200), RGB(18, 62, 150) }, "");
  DrawFilmTile(c, 260, 84, 64, 56, { RGB(104, 210, 120), RGB(32, 140, 64), RGB(20, 100, 44) }, "");
  const TPoints play { { 286, 102 }, { 300, 112 }, { 286, 122 } };
  c.Stroke(Closed(play), 2, clWhite);
  c.FillPolygon(play, clWhite);
  DrawBadge(c, 302, 120, 338, 156, { RGB(255, 190, 70), RGB(235, 130, 20), RGB(170, 90, 0) });
  c.Stroke({ { 320, 129 }, { 320, 147 } }, 4, clWhite);
  c.Stroke({ { 311, 138 }, { 329, 138 } }, 4, clWhite);
  return PngPicture("LIST_COVER", c);
}

}  // namespace

std::vector<TProgramPicture> DrawScenePictures() { return { PreviewPlaceholder(), AboutPicture(), ListCover() }; }
