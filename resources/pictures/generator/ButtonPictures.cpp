// The icons of the converter's buttons: the preview buttons' (16 x 16, blue marks like the file dialogs'
// tool buttons), the tool bar's (32 x 32, a sheet with a badge, a bin, a gear), rename (a pencil) and the
// batch buttons' round badges.
#include <functional>

#include "resources/pictures/generator/ConverterPictures.h"
#include "resources/pictures/generator/PictureFiles.h"
#include "resources/pictures/generator/PictureShapes.h"

namespace {

const TFill Blue { RGB(96, 172, 250), RGB(34, 104, 210) };
constexpr TColor BlueRim = RGB(24, 72, 156);
constexpr TColor Ink = RGB(60, 70, 86);
const TPalette Green { RGB(110, 215, 120), RGB(30, 150, 50), RGB(20, 110, 40) };
const TPalette Red { RGB(248, 100, 84), RGB(198, 32, 28), RGB(150, 20, 20) };
const TPalette Orange { RGB(255, 190, 70), RGB(235, 130, 20), RGB(170, 90, 0) };
const TPalette BluePalette { RGB(96, 166, 248), RGB(32, 98, 208), RGB(24, 70, 168) };

TProgramPicture Picture(const char* Name, int Size, const std::function<void(TPictureCanvas&)>& Draw) {
  TPictureCanvas c(Size, Size);
  Draw(c);
  return PngPicture(Name, c);
}

/// A blue mark with a rim: the outline stroked, then filled.
void Mark(TPictureCanvas& C, const TPoints& Outline) {
  C.Stroke(Closed(Outline), 1.6, BlueRim);
  C.FillPolygon(Outline, Blue);
}

void BlueBox(TPictureCanvas& C, double L, double T, double R, double B, double Radius) {
  C.FillRoundRect(L, T, R, B, Radius, BlueRim);
  C.FillRoundRect(L + 1, T + 1, R - 1, B - 1, Radius - 0.6, Blue);
}

void Speaker(TPictureCanvas& C) { Mark(C, { { 1.8, 6 }, { 4.6, 6 }, { 8.4, 2.6 }, { 8.4, 13.4 }, { 4.6, 10 }, { 1.8, 10 } }); }

// ---- Preview buttons ------------------------------------------------------------------------------------

void PlayIcon(TPictureCanvas& C) { Mark(C, { { 4.5, 2.5 }, { 13.5, 8 }, { 4.5, 13.5 } }); }

void PauseIcon(TPictureCanvas& C) {
  BlueBox(C, 3, 2.5, 7, 13.5, 1);
  BlueBox(C, 9, 2.5, 13, 13.5, 1);
}

void StopIcon(TPictureCanvas& C) { BlueBox(C, 3, 3, 13, 13, 1.6); }

// The sound is on: the button mutes it.
void MuteIcon(TPictureCanvas& C) {
  Speaker(C);
  C.Stroke(ArcPoints(8.4, 8, 3, 3, -45, 45, 8), 1.3, BlueRim);
  C.Stroke(ArcPoints(8.4, 8, 5.6, 5.6, -50, 50, 12), 1.3, BlueRim);
}

// The sound is off: the button brings it back.
void UnmuteIcon(TPictureCanvas& C) {
  Speaker(C);
  const TColor red = RGB(214, 40, 40);
  C.Stroke({ { 10.6, 5.6 }, { 14.6, 10.4 } }, 1.7, red);
  C.Stroke({ { 14.6, 5.6 }, { 10.6, 10.4 } }, 1.7, red);
}

void SnapshotIcon(TPictureCanvas& C) {
  C.FillRoundRect(5, 2.5, 11, 6, 1, BlueRim);
  BlueBox(C, 1, 4.5, 15, 14, 2);
  C.FillEllipse(4.6, 6.1, 11.4, 12.9, BlueRim);
  C.FillEllipse(5.6, 7.1, 10.4, 11.9, RGB(226, 240, 255));
  C.FillEllipse(6.9, 8.4, 9.1, 10.6, BlueRim);
}

void SettingsIcon(TPictureCanvas& C) { DrawGear(C, 8, 8, 7.4, 8, BlueRim, Blue); }

// ---- Tool bar and rename ----------------------------------------------------------------------------------

/// A sheet with a small film mark, the tool bar's picture of a file.
void FileSheet(TPictureCanvas& C) {
  DrawSheet(C, 3, 1.5, 23, 28);
  C.FillRoundRect(6.5, 11, 19.5, 21, 1.8, RGB(24, 72, 156));
  C.FillRoundRect(7.5, 12, 18.5, 20, 1.2, Blue);
  C.FillPolygon({ { 11.2, 13.6 }, { 15.6, 16 }, { 11.2, 18.4 } }, clWhite);
}

void AddIcon(TPictureCanvas& C) {
  FileSheet(C);
  DrawBadge(C, 16, 16, 31, 31, Green);
  C.Stroke({ { 23.5, 19.6 }, { 23.5, 27.4 } }, 2.2, clWhite);
  C.Stroke({ { 19.6, 23.5 }, { 27.4, 23.5 } }, 2.2, clWhite);
}

void RemoveIcon(TPictureCanvas& C) {
  FileSheet(C);
  DrawBadge(C, 16, 16, 31, 31, Red);
  C.Stroke({ { 20.6, 20.6 }, { 26.4, 26.4 } }, 2.2, clWhite);
  C.Stroke({ { 26.4, 20.6 }, { 20.6, 26.4 } }, 2.2, clWhite);
}

void ClearIcon(TPictureCanvas& C) {
  C.FillRoundRect(12, 2.5, 20, 7, 1.5, Ink);
  C.FillRoundRect(13.6, 4, 18.4, 7, 0.6, RGB(236, 240, 246));
  C.FillRoundRect(4.5, 6, 27.5, 10, 1.6, Ink);
  C.FillRoundRect(5.5, 7, 26.5, 9, 1, RGB(150, 160, 176));
  C.FillPolygon({ { 6.5, 10.5 }, { 25.5, 10.5 }, { 23.8, 29.5 }, { 8.2, 29.5 } }, Ink);
  C.FillPolygon({ { 7.6, 11.5 }, { 24.4, 11.5 }, { 22.9, 28.5 }, { 9.1, 28.5 } }, TFill(RGB(240, 243, 248), RGB(188, 196, 210)));
  for (double x : { 12.0, 16.0, 20.0 }) C.Stroke({ { x, 14.5 }, { x, 25.5 } }, 1.5, RGB(120, 130, 148));
}

void OptionsIcon(TPictureCanvas& C) {
  DrawGear(C, 13, 13, 11.5, 10, BlueRim, Blue);
  DrawGear(C, 24, 24, 7, 8, RGB(120, 80, 10), TFill(RGB(255, 196, 80), RGB(232, 136, 24)));
}

void RenameIcon(TPictureCanvas& C) {
  C.Stroke({ { 5, 11 }, { 12, 4 } }, 4.6, RGB(150, 96, 16));
  C.Stroke({ { 5, 11 }, { 12, 4 } }, 2.8, RGB(252, 204, 70));
  C.Stroke({ { 12.2, 3.8 }, { 13.2, 2.8 } }, 4.6, RGB(150, 70, 80));
  C.Stroke({ { 12.2, 3.8 }, { 13.2, 2.8 } }, 2.8, RGB(246, 140, 150));
  C.FillPolygon({ { 1.4, 14.6 }, { 2.4, 10.4 }, { 5.6, 13.6 } }, RGB(238, 208, 164));
  C.FillPolygon({ { 1.4, 14.6 }, { 1.9, 12.5 }, { 3.5, 14.1 } }, RGB(50, 50, 56));
}

// ---- Batch buttons --------------------------------------------------------------------------------------

void StartIcon(TPictureCanvas& C) {
  DrawBadge(C, 1, 1, 31, 31, Green);
  const TPoints play { { 12.5, 9.5 }, { 23, 16 }, { 12.5, 22.5 } };
  C.Stroke(Closed(play), 1.8, clWhite);
  C.FillPolygon(play, clWhite);
}

void StopBatchIcon(TPictureCanvas& C) {
  DrawBadge(C, 1, 1, 31, 31, Red);
  C.FillRoundRect(10.5, 10.5, 21.5, 21.5, 1.8, clWhite);
}

void PauseBatchIcon(TPictureCanvas& C) {
  DrawBadge(C, 1, 1, 31, 31, Orange);
  C.FillRoundRect(10.5, 9.5, 14.5, 22.5, 1.2, clWhite);
  C.FillRoundRect(17.5, 9.5, 21.5, 22.5, 1.2, clWhite);
}

void ResumeIcon(TPictureCanvas& C) {
  DrawBadge(C, 1, 1, 31, 31, BluePalette);
  C.FillRoundRect(9.5, 9.5, 12.5, 22.5, 1, clWhite);
  const TPoints play { { 15.5, 10 }, { 24, 16 }, { 15.5, 22 } };
  C.Stroke(Closed(play), 1.6, clWhite);
  C.FillPolygon(play, clWhite);
}

}  // namespace

std::vector<TProgramPicture> DrawButtonPictures() {
  return {
    Picture("PREVIEW_PLAY", 16, PlayIcon),         Picture("PREVIEW_PAUSE", 16, PauseIcon),
    Picture("PREVIEW_STOP", 16, StopIcon),         Picture("PREVIEW_MUTE", 16, MuteIcon),
    Picture("PREVIEW_UNMUTE", 16, UnmuteIcon),     Picture("PREVIEW_SNAPSHOT", 16, SnapshotIcon),
    Picture("PREVIEW_SETTINGS", 16, SettingsIcon), Picture("TOOL_ADD", 32, AddIcon),
    Picture("TOOL_REMOVE", 32, RemoveIcon),        Picture("TOOL_CLEAR", 32, ClearIcon),
    Picture("TOOL_OPTIONS", 32, OptionsIcon),      Picture("RENAME", 16, RenameIcon),
    Picture("BATCH_START", 32, StartIcon),         Picture("BATCH_STOP", 32, StopBatchIcon),
    Picture("BATCH_PAUSE", 32, PauseBatchIcon),    Picture("BATCH_RESUME", 32, ResumeIcon),
  };
}
