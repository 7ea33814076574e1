// The category combo's pictures (36 x 36, one per image index) and the format combo's (32 x 32). Formats
// are film tiles with their name in stroke letters and a colour of their own; devices and kinds of media
// are drawn as what they are.
#include <functional>

#include "resources/pictures/generator/ConverterPictures.h"
#include "resources/pictures/generator/PictureFiles.h"
#include "resources/pictures/generator/PictureShapes.h"
#include "resources/pictures/generator/StrokeLabel.h"

namespace {

constexpr int Side = 36;
constexpr TColor Ink = RGB(36, 42, 52);
const TFill Graphite { RGB(92, 102, 118), RGB(50, 57, 70) };
const TFill Glass { RGB(108, 176, 246), RGB(36, 92, 186) };

using TRecipe = std::function<void(TPictureCanvas&)>;

TProgramPicture Category(const char* Name, const TRecipe& Draw) {
  TPictureCanvas c(Side, Side);
  Draw(c);
  return PngPicture(Name, c);
}

TRecipe Film(const char* Label, TPalette Colours) {
  return [=](TPictureCanvas& C) { DrawFilmTile(C, 2, 4, 32, 28, Colours, Label); };
}

void Play(TPictureCanvas& C, double Left, double Top, double Size, TColor Colour) {
  const TPoints mark { { Left, Top }, { Left + Size * 0.9, Top + Size / 2 }, { Left, Top + Size } };
  C.Stroke(Closed(mark), Size * 0.14, Colour);
  C.FillPolygon(mark, Colour);
}

void Clapperboard(TPictureCanvas& C) {
  C.FillRoundRect(4, 13, 32, 32, 2, Ink);
  C.FillRoundRect(5, 14, 31, 31, 1.5, Graphite);
  C.FillPolygon({ { 3.6, 8.6 }, { 30.4, 3.4 }, { 31.4, 8.3 }, { 4.6, 13.5 } }, Ink);
  C.FillPolygon({ { 4.8, 9.4 }, { 29.6, 4.6 }, { 30.2, 7.5 }, { 5.4, 12.3 } }, RGB(250, 250, 250));
  for (int k = 0; k < 4; ++k) {
    const double x = 8.5 + 6 * k, y = 8.8 - 1.16 * k - 0.6;
    C.FillPolygon({ { x, y }, { x + 3, y - 0.58 }, { x + 1.8, y + 3.1 }, { x - 1.2, y + 3.7 } }, Ink);
  }
  Play(C, 14.5, 17.5, 10, RGB(255, 255, 255));
}

void Notes(TPictureCanvas& C) {
  const TColor rim = RGB(70, 30, 130);
  const TFill fill { RGB(170, 110, 240), RGB(100, 48, 186) };
  C.FillEllipse(4, 22, 15, 31, rim);
  C.FillEllipse(19, 19, 30, 28, rim);
  C.FillRect(12, 7.5, 15.6, 27, rim);
  C.FillRect(27, 4.5, 30.6, 24, rim);
  C.FillPolygon({ { 12, 7.5 }, { 30.6, 3 }, { 30.6, 9.6 }, { 12, 14.1 } }, rim);
  C.FillEllipse(5, 23, 14, 30, fill);
  C.FillEllipse(20, 20, 29, 27, fill);
  C.FillRect(13, 9, 14.6, 26, fill);
  C.FillRect(28, 6, 29.6, 23, fill);
  C.FillPolygon({ { 13, 8.6 }, { 29.6, 4.6 }, { 29.6, 8.6 }, { 13, 12.6 } }, fill);
}

void HdMonitor(TPictureCanvas& C) {
  C.FillPolygon({ { 14, 26 }, { 22, 26 }, { 24, 31 }, { 12, 31 } }, Ink);
  C.FillRoundRect(9, 30, 27, 33, 1.2, RGB(96, 104, 118));
  C.FillRoundRect(2, 5, 34, 27, 2.5, Ink);
  C.FillRect(4, 7, 32, 25, Glass);
  DrawStrokeLabel(C, "HD", 18, 11.5, 9, 1.9, clWhite);
}

void Television(TPictureCanvas& C) {
  const TColor antenna = RGB(70, 76, 88);
  C.Stroke({ { 11, 2.5 }, { 18, 9.5 } }, 1.4, antenna);
  C.Stroke({ { 25, 2.5 }, { 18, 9.5 } }, 1.4, antenna);
  C.FillRoundRect(3, 9, 33, 32, 3, RGB(110, 70, 34));
  C.FillRoundRect(4, 10, 32, 31, 2, TFill(RGB(206, 146, 84), RGB(156, 100, 50)));
  C.FillRoundRect(6, 12, 24, 29, 3, Ink);
  C.FillRoundRect(7, 13, 23, 28, 2.5, Glass);
  for (double y : { 14.0, 20.0 }) {
    C.FillEllipse(26, y, 30, y + 4, RGB(70, 44, 20));
    C.FillEllipse(27, y + 1, 29, y + 3, RGB(236, 206, 160));
  }
}

void Camcorder(TPictureCanvas& C) {
  C.FillRoundRect(7, 7, 16, 12, 1.2, Ink);
  C.FillRoundRect(3, 11, 25, 29, 3, Ink);
  C.FillRoundRect(4, 12, 24, 28, 2, Graphite);
  C.FillPolygon({ { 24, 15 }, { 33.5, 10.5 }, { 33.5, 29.5 }, { 24, 25 } }, Ink);
  C.FillPolygon({ { 25, 15.8 }, { 32.5, 12.2 }, { 32.5, 27.8 }, { 25, 24.2 } }, Glass);
  C.FillEllipse(6.5, 14.5, 10.5, 18.5, RGB(236, 64, 60));
}

void FilmReel(TPictureCanvas& C) {
  C.FillEllipse(3, 3, 33, 33, RGB(70, 76, 88));
  C.FillEllipse(4, 4, 32, 32, TFill(RGB(214, 220, 230), RGB(146, 154, 168)));
  for (int i = 0; i < 5; ++i) {
    const TPointF p = ArcPoints(18, 18, 8.6, 8.6, 90 + 72 * i, 90 + 72 * i, 1)[0];
    C.ClearEllipse(p.X - 3.6, p.Y - 3.6, p.X + 3.6, p.Y + 3.6);
  }
  C.FillEllipse(15, 15, 21, 21, RGB(70, 76, 88));
  C.ClearEllipse(17, 17, 19, 19);
}

void KeypadPhone(TPictureCanvas& C) {
  C.FillRoundRect(9, 2, 27, 34, 3.5, Ink);
  C.FillRoundRect(10, 3, 26, 33, 2.5, Graphite);
  C.FillRect(12, 6, 24, 17, TFill(RGB(150, 230, 160), RGB(56, 166, 86)));
  Play(C, 15.8, 8.5, 6, RGB(255, 255, 255));
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      const double x = 12.3 + 4.1 * col, y = 19.5 + 4.3 * row;
      C.FillRoundRect(x, y, x + 3.2, y + 2.8, 0.8, RGB(214, 220, 230));
    }
}

void Slate(TPictureCanvas& C) {
  C.FillRoundRect(8, 2, 28, 34, 4, RGB(150, 158, 170));
  C.FillRoundRect(9, 3, 27, 33, 3, TFill(RGB(248, 249, 251), RGB(212, 216, 224)));
  C.FillRect(10.5, 6, 25.5, 28, TFill(RGB(64, 74, 96), RGB(18, 22, 32)));
  C.FillEllipse(16, 29, 20, 33, RGB(150, 158, 170));
  C.FillEllipse(16.8, 29.8, 19.2, 32.2, RGB(240, 242, 246));
  C.FillEllipse(13, 19.5, 18, 23.5, clWhite);
  C.FillRect(16.7, 10.5, 18, 21.5, clWhite);
  C.FillPolygon({ { 18, 10.5 }, { 22.5, 12.6 }, { 22.5, 15 }, { 18, 13 } }, clWhite);
}

void Gamepad(TPictureCanvas& C) {
  const TFill body { RGB(98, 106, 120), RGB(48, 54, 66) };
  C.FillRoundRect(4, 10, 32, 25, 7, Ink);
  C.FillEllipse(2, 13, 15, 32, Ink);
  C.FillEllipse(21, 13, 34, 32, Ink);
  C.FillRoundRect(5, 11, 31, 24, 6, body);
  C.FillEllipse(3, 14, 14, 31, body);
  C.FillEllipse(22, 14, 33, 31, body);
  const TColor light = RGB(222, 228, 236);
  C.FillRoundRect(8.2, 15, 10.8, 23.5, 0.6, light);
  C.FillRoundRect(5.2, 18, 13.8, 20.5, 0.6, light);
  const TColor keys[] = { RGB(250, 200, 60), RGB(90, 170, 240), RGB(240, 90, 90), RGB(110, 200, 110) };
  const TPointF at[] = { { 27, 15.5 }, { 23.5, 19 }, { 30.5, 19 }, { 27, 22.5 } };
  for (int i = 0; i < 4; ++i) C.FillEllipse(at[i].X - 1.7, at[i].Y - 1.7, at[i].X + 1.7, at[i].Y + 1.7, keys[i]);
}

void MediaPlayer(TPictureCanvas& C) {
  C.FillRoundRect(2, 9, 34, 28, 5, Ink);
  C.FillRoundRect(3, 10, 33, 27, 4, Graphite);
  C.FillRect(10, 12, 26, 25, Glass);
  Play(C, 15.5, 14.8, 7.4, RGB(255, 255, 255));
  const TColor light = RGB(214, 220, 230);
  C.FillRect(5.6, 17.2, 7.4, 21.8, light);
  C.FillRect(4.2, 18.6, 8.8, 20.4, light);
  C.FillEllipse(28, 14.5, 31, 17.5, light);
  C.FillEllipse(28, 19.5, 31, 22.5, light);
}

void Lightning(TPictureCanvas& C) {
  C.FillRoundRect(3, 3, 33, 33, 6, RGB(160, 26, 26));
  C.FillRoundRect(4, 4, 32, 32, 5, TFill(RGB(255, 116, 92), RGB(206, 38, 38)));
  const TPoints bolt { { 21, 6.5 }, { 10.5, 20 }, { 17, 20 }, { 14.5, 29.5 }, { 26, 15 }, { 19.5, 15 }, { 22.5, 6.5 } };
  C.Stroke(Closed(bolt), 1, RGB(255, 250, 230));
  C.FillPolygon(bolt, TFill(RGB(255, 255, 255), RGB(255, 236, 170)));
}

void Globe(TPictureCanvas& C) {
  C.FillEllipse(3, 3, 33, 33, RGB(20, 84, 150));
  C.FillEllipse(4, 4, 32, 32, TFill(RGB(100, 196, 250), RGB(30, 110, 200)));
  const TColor line = RGB(210, 238, 255);
  C.Stroke(ArcPoints(18, 18, 6.5, 13.4, 0, 360, 48), 1.2, line);
  C.Stroke({ { 18, 4.6 }, { 18, 31.4 } }, 1.2, line);
  C.Stroke({ { 4.6, 18 }, { 31.4, 18 } }, 1.2, line);
  for (double y : { 10.5, 25.5 }) C.Stroke({ { 8, y }, { 28, y } }, 1.2, line);
}

void Headphones(TPictureCanvas& C) {
  C.Stroke(ArcPoints(18, 20, 12.5, 14, 180, 0, 30), 3.6, Ink);
  C.Stroke(ArcPoints(18, 20, 12.5, 14, 180, 0, 30), 1.6, RGB(130, 140, 156));
  const TFill cup { RGB(255, 150, 70), RGB(212, 84, 20) };
  for (double x : { 2.5, 25.5 }) {
    C.FillRoundRect(x, 18, x + 8, 32, 3, Ink);
    C.FillRoundRect(x + 1, 19, x + 7, 31, 2, cup);
  }
}

void AudioDisc(TPictureCanvas& C) {
  C.FillEllipse(2, 2, 34, 34, RGB(118, 126, 140));
  C.FillEllipse(3, 3, 33, 33, TFill(RGB(246, 248, 252), RGB(176, 186, 206)));
  C.FillPolygon({ { 18, 18 }, { 4.5, 10.5 }, { 9.5, 4.8 } }, RGB(196, 222, 250));
  C.FillPolygon({ { 18, 18 }, { 31.5, 25.5 }, { 26.5, 31.2 } }, RGB(236, 214, 246));
  C.FillPolygon({ { 18, 18 }, { 25, 3.6 }, { 30, 7.2 } }, RGB(214, 246, 222));
  C.FillEllipse(11, 11, 25, 25, RGB(150, 158, 172));
  C.FillEllipse(12, 12, 24, 24, RGB(222, 226, 234));
  C.ClearEllipse(15.2, 15.2, 20.8, 20.8);
}

void Microphone(TPictureCanvas& C) {
  C.Stroke(ArcPoints(18, 14, 9, 10, 180, 360, 24), 1.8, Ink);
  C.FillRect(17, 24, 19, 30, Ink);
  C.FillRoundRect(11, 29.5, 25, 32.5, 1.5, Ink);
  C.FillRoundRect(12, 2, 24, 22, 6, Ink);
  C.FillRoundRect(13, 3, 23, 21, 5, TFill(RGB(214, 220, 230), RGB(134, 142, 156)));
  for (double y : { 7.0, 10.5, 14.0 }) C.FillRect(14.5, y, 21.5, y + 1, RGB(96, 104, 120));
}

// ---- Format items -------------------------------------------------------------------------------------

TProgramPicture FormatItem(const char* Name, const TPalette& Colours, bool Audio) {
  TPictureCanvas c(32, 32);
  DrawSheet(c, 5, 2, 27, 30);
  c.FillRoundRect(8.5, 12, 23.5, 26, 2.5, Colours.Rim);
  c.FillRoundRect(9.5, 13, 22.5, 25, 1.8, TFill(Colours.Light, Colours.Dark));
  if (Audio) {
    c.FillEllipse(11.5, 19.6, 16.3, 23.4, clWhite);
    c.FillRect(14.8, 14.6, 16.3, 21.8, clWhite);
    c.FillPolygon({ { 16.3, 14.6 }, { 20.5, 16.4 }, { 20.5, 18.6 }, { 16.3, 16.8 } }, clWhite);
  } else {
    Play(c, 13.5, 15, 8, clWhite);
  }
  return PngPicture(Name, c);
}

}  // namespace

std::vector<TProgramPicture> DrawCategoryPictures() {
  return {
    Category("CAT00_VIDEO", Clapperboard),
    Category("CAT01_AUDIO", Notes),
    Category("CAT02_HD", HdMonitor),
    Category("CAT03_TV", Television),
    Category("CAT04_CAMCORDER", Camcorder),
    Category("CAT05_FILMREEL", FilmReel),
    Category("CAT06_PHONE", KeypadPhone),
    Category("CAT07_TOUCHPLAYER", Slate),
    Category("CAT08_GAMEPAD", Gamepad),
    Category("CAT09_MEDIAPLAYER", MediaPlayer),
    Category("CAT10_MP4", Film("MP4", { RGB(104, 210, 120), RGB(32, 140, 64), RGB(20, 100, 44) })),
    Category("CAT11_FLASH", Lightning),
    Category("CAT12_WEB", Globe),
    Category("CAT13_MPG", Film("MPG", { RGB(246, 110, 96), RGB(192, 40, 40), RGB(140, 24, 24) })),
    Category("CAT14_MOV", Film("MOV", { RGB(136, 156, 186), RGB(70, 88, 120), RGB(48, 62, 90) })),
    Category("CAT15_AVI", Film("AVI", { RGB(170, 120, 236), RGB(100, 56, 182), RGB(70, 34, 140) })),
    Category("CAT16_MKV", Film("MKV", { RGB(252, 176, 76), RGB(220, 110, 20), RGB(160, 76, 8) })),
    Category("CAT17_WMV", Film("WMV", { RGB(86, 160, 246), RGB(30, 90, 200), RGB(18, 62, 150) })),
    Category("CAT18_ASF", Film("ASF", { RGB(70, 200, 206), RGB(18, 128, 146), RGB(10, 92, 106) })),
    Category("CAT19_RM", Film("RM", { RGB(226, 184, 70), RGB(170, 124, 20), RGB(126, 90, 10) })),
    Category("CAT20_VOB", Film("VOB", { RGB(240, 110, 180), RGB(180, 44, 120), RGB(130, 26, 86) })),
    Category("CAT21_HEADPHONES", Headphones),
    Category("CAT22_AUDIOCD", AudioDisc),
    Category("CAT23_MICROPHONE", Microphone),
    FormatItem("FORMAT_VIDEO", { RGB(86, 160, 246), RGB(30, 90, 200), RGB(18, 62, 150) }, false),
    FormatItem("FORMAT_VIDEO_ALT", { RGB(104, 210, 120), RGB(32, 140, 64), RGB(20, 100, 44) }, false),
    FormatItem("FORMAT_AUDIO", { RGB(252, 176, 76), RGB(220, 110, 20), RGB(160, 76, 8) }, true),
  };
}
