#include "resources/pictures/generator/ProgramPictures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/base/TMemoryStream.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Icons.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TIcon.h"
#include "platform/gdi/TPngImage.h"
#include "resources/pictures/generator/ConverterPictures.h"
#include "resources/pictures/generator/PictureFiles.h"
#include "resources/pictures/generator/TPictureCanvas.h"

namespace {

// ---- Slider -----------------------------------------------------------------------------------------

TFill ThumbFill(bool Pressed) {
  return Pressed ? TFill(RGB(150, 186, 236), RGB(84, 132, 210)) : TFill(RGB(255, 255, 255), RGB(198, 213, 236));
}
constexpr TColor ThumbBorder = RGB(56, 88, 140);

// A thumb 5 wide pointing down, at column X.
void DownThumb(TPictureCanvas& C, double X, bool Pressed) {
  C.FillPolygon({ { X, 0 }, { X + 5, 0 }, { X + 5, 10 }, { X + 2.5, 14.6 }, { X, 10 } }, ThumbBorder);
  C.FillPolygon({ { X + 1, 1 }, { X + 4, 1 }, { X + 4, 9.7 }, { X + 2.5, 12.6 }, { X + 1, 9.7 } }, ThumbFill(Pressed));
}

// A thumb 15 wide and 7 high pointing right, at column X; its left corners are cut so that the picture's
// bottom-left pixel stays the key.
void RightThumb(TPictureCanvas& C, double X, bool Pressed) {
  C.FillPolygon({ { X + 1.3, 0 }, { X + 10, 0 }, { X + 14.6, 3.5 }, { X + 10, 7 }, { X + 1.3, 7 }, { X, 5.7 }, { X, 1.3 } },
                ThumbBorder);
  C.FillPolygon({ { X + 1.6, 1 }, { X + 9.7, 1 }, { X + 12.6, 3.5 }, { X + 9.7, 6 }, { X + 1.6, 6 }, { X + 1, 5.4 }, { X + 1, 1.6 } },
                ThumbFill(Pressed));
}

// The groove's cross-section, outer edge first: shadow, track, light track, highlight.
constexpr TColor Groove[] = { RGB(128, 134, 146), RGB(188, 194, 204), RGB(224, 228, 234), RGB(255, 255, 255) };

TProgramPicture HorizontalThumb() {
  TPictureCanvas c(10, 15);
  DownThumb(c, 0, false);
  DownThumb(c, 5, true);
  return KeyedPicture("BS_HTB", c);
}

TProgramPicture VerticalThumb() {
  TPictureCanvas c(31, 7);
  RightThumb(c, 0, false);
  RightThumb(c, 15, true);
  return KeyedPicture("BS_VTB", c);
}

TProgramPicture HorizontalRuler() {
  TPictureCanvas c(10, 7);
  for (int i = 0; i < 4; ++i) c.FillRect(0, 2 + i, 10, 3 + i, Groove[i]);
  return KeyedPicture("BS_HRL", c);
}

TProgramPicture VerticalRuler() {
  TPictureCanvas c(7, 10);
  for (int i = 0; i < 4; ++i) c.FillRect(2 + i, 0, 3 + i, 10, Groove[i]);
  return KeyedPicture("BS_VRL", c);
}

// ---- Drives and folders -----------------------------------------------------------------------------

constexpr TColor DriveBorder = RGB(84, 90, 102);
const TFill DriveFace { RGB(240, 242, 245), RGB(182, 188, 198) };

// A drive's front from Top to Bottom: a bordered grey face with a slot and a green light.
void DriveBox(TPictureCanvas& C, double Top, double Bottom) {
  C.FillRoundRect(1, Top, 15, Bottom, 1.2, DriveBorder);
  C.FillRect(2, Top + 1, 14, Bottom - 1, DriveFace);
  const double middle = (Top + Bottom) / 2;
  C.FillRect(3, middle, 10, middle + 1, RGB(96, 102, 114));
  C.FillEllipse(11, middle - 1, 13, middle + 1, RGB(40, 200, 70));
}

TProgramPicture Floppy() {
  TPictureCanvas c(16, 16);
  c.FillPolygon({ { 1, 1 }, { 13, 1 }, { 15, 3 }, { 15, 15 }, { 1, 15 } }, RGB(26, 40, 84));
  c.FillPolygon({ { 2, 2 }, { 12.6, 2 }, { 14, 3.4 }, { 14, 14 }, { 2, 14 } }, TFill(RGB(76, 108, 180), RGB(38, 60, 118)));
  c.FillRect(4, 1, 12, 6, TFill(RGB(226, 230, 236), RGB(164, 170, 182)));
  c.FillRect(9, 2, 11, 5, RGB(56, 64, 82));
  c.FillRect(3, 8, 13, 15, RGB(252, 252, 252));
  c.FillRect(4, 10, 12, 11, RGB(150, 162, 184));
  c.FillRect(4, 12, 12, 13, RGB(150, 162, 184));
  return KeyedPicture("BS_FLOPPY", c);
}

TProgramPicture HardDisk() {
  TPictureCanvas c(16, 16);
  c.FillPolygon({ { 1.5, 6 }, { 4, 3 }, { 15, 3 }, { 14.5, 6 } }, RGB(120, 126, 138));
  c.FillPolygon({ { 3, 5.5 }, { 4.6, 4 }, { 13.8, 4 }, { 13.4, 5.5 } }, RGB(214, 218, 224));
  DriveBox(c, 5.5, 13);
  return KeyedPicture("BS_HARD", c);
}

TProgramPicture NetworkDrive() {
  TPictureCanvas c(16, 16);
  DriveBox(c, 1, 9);
  c.FillRect(7, 9, 9, 12, RGB(70, 74, 84));
  c.FillRect(2, 12, 14, 14, TFill(RGB(92, 150, 226), RGB(44, 96, 186)));
  return KeyedPicture("BS_NETWORK", c);
}

TProgramPicture CdRom() {
  TPictureCanvas c(16, 16);
  c.FillEllipse(1, 1, 15, 15, RGB(118, 126, 140));
  c.FillEllipse(2, 2, 14, 14, TFill(RGB(246, 248, 252), RGB(176, 186, 206)));
  c.FillPolygon({ { 8, 8 }, { 2.5, 5 }, { 4.5, 2.5 } }, RGB(196, 222, 250));
  c.FillPolygon({ { 8, 8 }, { 13.5, 11 }, { 11.5, 13.5 } }, RGB(236, 214, 246));
  c.FillEllipse(5, 5, 11, 11, RGB(150, 158, 172));
  c.FillEllipse(5.8, 5.8, 10.2, 10.2, RGB(222, 226, 234));
  c.ClearEllipse(6.6, 6.6, 9.4, 9.4);
  return KeyedPicture("BS_CDROM", c);
}

TProgramPicture RamDisk() {
  TPictureCanvas c(16, 11);
  c.FillRect(0, 1, 16, 8, RGB(22, 92, 44));
  c.FillRect(1, 2, 15, 7, TFill(RGB(54, 160, 84), RGB(34, 122, 62)));
  for (double x : { 2.0, 6.5, 11.0 }) c.FillRect(x, 2.5, x + 3, 6.5, RGB(34, 36, 42));
  for (int i = 0; i < 7; ++i) c.FillRect(1 + 2 * i, 8, 2 + 2 * i, 10, RGB(222, 180, 64));
  return KeyedPicture("BS_RAM", c);
}

constexpr TColor FolderBorder = RGB(186, 136, 28);
const TFill FolderBack { RGB(250, 214, 110), RGB(236, 178, 62) };

void FolderBackPart(TPictureCanvas& C) {
  C.FillPolygon({ { 1, 2 }, { 6, 2 }, { 7.5, 3.5 }, { 15, 3.5 }, { 15, 14 }, { 1, 14 } }, FolderBorder);
  C.FillPolygon({ { 2, 3 }, { 5.6, 3 }, { 7.1, 4.5 }, { 14, 4.5 }, { 14, 13 }, { 2, 13 } }, FolderBack);
}

void FolderFront(TPictureCanvas& C) {
  C.FillPolygon({ { 3.6, 6.5 }, { 15.5, 6.5 }, { 13.2, 14 }, { 1, 14 } }, FolderBorder);
  C.FillPolygon({ { 4.3, 7.4 }, { 14.2, 7.4 }, { 12.5, 13.1 }, { 2.3, 13.1 } }, TFill(RGB(255, 236, 150), RGB(250, 204, 92)));
}

TProgramPicture ClosedFolder() {
  TPictureCanvas c(16, 15);
  FolderBackPart(c);
  c.FillRect(2, 5.5, 14, 6.5, RGB(255, 238, 170));
  return KeyedPicture("BS_CLOSEDFOLDER", c);
}

TProgramPicture OpenFolder() {
  TPictureCanvas c(16, 15);
  FolderBackPart(c);
  FolderFront(c);
  return KeyedPicture("BS_OPENFOLDER", c);
}

// The open folder with a sheet inside: the folder whose contents are listed.
TProgramPicture CurrentFolder() {
  TPictureCanvas c(16, 15);
  FolderBackPart(c);
  c.FillRect(5, 1, 13, 9, RGB(150, 160, 176));
  c.FillRect(6, 2, 12, 9, RGB(255, 255, 255));
  for (double y : { 3.0, 5.0 }) c.FillRect(7, y, 11, y + 1, RGB(70, 130, 220));
  FolderFront(c);
  return KeyedPicture("BS_CURRENTFOLDER", c);
}

// ---- Tool-button pictures -----------------------------------------------------------------------------

const TFill ArrowFill { RGB(96, 172, 250), RGB(34, 104, 210) };
constexpr TColor ArrowBorder = RGB(24, 72, 156);

void Arrow(TPictureCanvas& C, const TPoints& Outline) {
  C.Stroke(Closed(Outline), 1.6, ArrowBorder);
  C.FillPolygon(Outline, ArrowFill);
}

TProgramPicture Back() {
  TPictureCanvas c(16, 16);
  Arrow(c, { { 1.5, 8 }, { 7.5, 2 }, { 7.5, 5.5 }, { 14.5, 5.5 }, { 14.5, 10.5 }, { 7.5, 10.5 }, { 7.5, 14 } });
  return PngPicture("BS_BACK_PNG", c);
}

TProgramPicture Up() {
  TPictureCanvas c(16, 16);
  Arrow(c, { { 8, 1.5 }, { 14, 7.5 }, { 10.5, 7.5 }, { 10.5, 14.5 }, { 5.5, 14.5 }, { 5.5, 7.5 }, { 2, 7.5 } });
  return PngPicture("BS_UP_PNG", c);
}

TProgramPicture NewFolder() {
  TPictureCanvas c(16, 16);
  c.FillPolygon({ { 0.5, 4 }, { 5, 4 }, { 6.5, 5.5 }, { 13, 5.5 }, { 13, 15 }, { 0.5, 15 } }, FolderBorder);
  c.FillPolygon({ { 1.5, 5 }, { 4.6, 5 }, { 6.1, 6.5 }, { 12, 6.5 }, { 12, 14 }, { 1.5, 14 } }, FolderBack);
  c.FillRect(1.5, 8, 12, 9, RGB(255, 238, 170));
  c.FillEllipse(9, 1, 16, 8, TFill(RGB(92, 206, 100), RGB(34, 150, 52)));
  c.FillRect(12, 2.5, 13, 6.5, clWhite);
  c.FillRect(10.5, 4, 14.5, 5, clWhite);
  return PngPicture("BS_NEWFOLDER_PNG", c);
}

TProgramPicture ViewStyle() {
  TPictureCanvas c(16, 16);
  for (double top : { 1.0, 9.0 })
    for (double left : { 1.0, 9.0 }) {
      c.FillRoundRect(left, top, left + 6, top + 6, 1.4, ArrowBorder);
      c.FillRoundRect(left + 1, top + 1, left + 5, top + 5, 0.8, ArrowFill);
    }
  return PngPicture("BS_LVSTYLE_PNG", c);
}

TProgramPicture Stretch() {
  TPictureCanvas c(16, 16);
  c.FillRoundRect(0.5, 0.5, 15.5, 15.5, 1.6, RGB(112, 120, 134));
  c.FillRoundRect(1.5, 1.5, 14.5, 14.5, 0.8, TFill(RGB(255, 255, 255), RGB(226, 232, 240)));
  c.Stroke({ { 4.8, 11.2 }, { 11.2, 4.8 } }, 1.5, ArrowBorder);
  c.FillPolygon({ { 12.6, 3.4 }, { 12.6, 8.4 }, { 7.6, 3.4 } }, ArrowBorder);
  c.FillPolygon({ { 3.4, 12.6 }, { 3.4, 7.6 }, { 8.4, 12.6 } }, ArrowBorder);
  return PngPicture("BS_STRETCH_PNG", c);
}

// ---- Icons ------------------------------------------------------------------------------------------

// A round badge of side S: a darker rim around a running fill.
void Badge(TPictureCanvas& C, double S, TColor Rim, TFill Fill) {
  C.FillEllipse(0.03 * S, 0.03 * S, 0.97 * S, 0.97 * S, Rim);
  C.FillEllipse(0.03 * S + 1, 0.03 * S + 1, 0.97 * S - 1, 0.97 * S - 1, Fill);
}

void ProgramIcon(TPictureCanvas& C, double S) { DrawProgramIcon(C, S, { 0, 0 }); }

void ApplicationIcon(TPictureCanvas& C, double S) {
  C.FillRoundRect(0.06 * S, 0.12 * S, 0.94 * S, 0.88 * S, 0.06 * S, RGB(84, 94, 110));
  C.FillRect(0.06 * S + 1, 0.28 * S, 0.94 * S - 1, 0.88 * S - 1, TFill(RGB(255, 255, 255), RGB(226, 232, 240)));
  C.FillRect(0.06 * S + 1, 0.12 * S + 1, 0.94 * S - 1, 0.28 * S, TFill(RGB(90, 164, 250), RGB(40, 106, 214)));
}

void ErrorIcon(TPictureCanvas& C, double S) {
  Badge(C, S, RGB(150, 20, 20), TFill(RGB(248, 100, 84), RGB(198, 32, 28)));
  C.Stroke({ At(S, 0.33, 0.33), At(S, 0.67, 0.67) }, 0.13 * S, clWhite);
  C.Stroke({ At(S, 0.67, 0.33), At(S, 0.33, 0.67) }, 0.13 * S, clWhite);
}

void InformationIcon(TPictureCanvas& C, double S) {
  Badge(C, S, RGB(24, 70, 168), TFill(RGB(96, 166, 248), RGB(32, 98, 208)));
  C.FillEllipse(0.425 * S, 0.19 * S, 0.575 * S, 0.34 * S, clWhite);
  C.FillRoundRect(0.43 * S, 0.41 * S, 0.57 * S, 0.8 * S, 0.04 * S, clWhite);
}

void QuestionIcon(TPictureCanvas& C, double S) {
  Badge(C, S, RGB(24, 70, 168), TFill(RGB(96, 166, 248), RGB(32, 98, 208)));
  TPoints hook;
  for (int degrees = 165; degrees >= -70; degrees -= 15) {
    const double a = degrees * std::numbers::pi / 180;
    hook.push_back(At(S, 0.5 + 0.155 * std::cos(a), 0.37 - 0.155 * std::sin(a)));
  }
  hook.push_back(At(S, 0.5, 0.6));
  C.Stroke(hook, 0.12 * S, clWhite);
  C.FillEllipse(0.43 * S, 0.69 * S, 0.57 * S, 0.83 * S, clWhite);
}

void WarningIcon(TPictureCanvas& C, double S) {
  const TPoints outer { At(S, 0.5, 0.1), At(S, 0.93, 0.86), At(S, 0.07, 0.86) };
  C.Stroke(Closed(outer), 0.1 * S, RGB(176, 112, 0));
  C.FillPolygon(outer, RGB(176, 112, 0));
  const double inset = 1 / S;
  const TPoints inner { At(S, 0.5, 0.1 + 2.2 * inset), At(S, 0.93 - 1.7 * inset, 0.86 - inset),
                        At(S, 0.07 + 1.7 * inset, 0.86 - inset) };
  const TFill yellow { RGB(255, 226, 90), RGB(246, 176, 20) };
  C.Stroke(Closed(inner), 0.1 * S - 2, yellow);
  C.FillPolygon(inner, yellow);
  C.FillPolygon({ At(S, 0.44, 0.33), At(S, 0.56, 0.33), At(S, 0.53, 0.64), At(S, 0.47, 0.64) }, RGB(30, 30, 30));
  C.FillEllipse(0.44 * S, 0.69 * S, 0.56 * S, 0.81 * S, RGB(30, 30, 30));
}

}  // namespace

std::vector<TProgramPicture> DrawProgramPictures() {
  std::vector<TProgramPicture> pictures {
    HorizontalThumb(), HorizontalRuler(), VerticalThumb(), VerticalRuler(),
    Floppy(), HardDisk(), NetworkDrive(), CdRom(), RamDisk(),
    OpenFolder(), ClosedFolder(), CurrentFolder(),
    Back(), Up(), NewFolder(), ViewStyle(), Stretch(),
    IconPicture("MAINICON", ProgramIcon), IconPicture("IDI_APPLICATION", ApplicationIcon), IconPicture("IDI_ERROR", ErrorIcon),
    IconPicture("IDI_QUESTION", QuestionIcon), IconPicture("IDI_WARNING", WarningIcon), IconPicture("IDI_INFORMATION", InformationIcon),
  };
  for (auto&& part : { DrawCategoryPictures(), DrawButtonPictures(), DrawScenePictures() })
    pictures.insert(pictures.end(), part.begin(), part.end());
  return pictures;
}

namespace {

struct TSheetItem {
  const TProgramPicture* Picture;
  int Side;  // the size an icon is drawn at; 0 for pictures drawn at their own size
};

// Paints the background of one sheet cell: light, dark or a checkerboard.
void Background(TBitmap& Cell, int Kind) {
  for (int y = 0; y < Cell.Height(); ++y) {
    auto* row = static_cast<uint32_t*>(Cell.ScanLine(y));
    for (int x = 0; x < Cell.Width(); ++x)
      row[x] = Kind == 0 ? 0xFFF4F6F8u : Kind == 1 ? 0xFF2A2E36u : ((x / 4 + y / 4) % 2 ? 0xFFCCCCCCu : 0xFFFFFFFFu);
  }
}

TSize Render(const TSheetItem& Item, TBitmap* Cell) {
  TMemoryStream stream;
  stream.WriteBuffer(Item.Picture->Bytes.data(), Int64(Item.Picture->Bytes.size()));
  stream.SetPosition(0);
  if (Item.Picture->Extension == ".ico") {
    TIcon icon;
    icon.LoadFromStream(&stream);
    if (Cell) DrawIconEx(Cell->Canvas()->Handle(), 0, 0, icon.Handle(), Item.Side, Item.Side, 0, nullptr, DI_NORMAL);
    return { Item.Side, Item.Side };
  }
  std::unique_ptr<TGraphic> graphic;
  if (Item.Picture->Extension == ".png") graphic = std::make_unique<TPngImage>();
  else graphic = std::make_unique<TBitmap>();
  graphic->LoadFromStream(&stream);
  graphic->SetTransparent(true);
  if (Cell) Cell->Canvas()->Draw(0, 0, graphic.get());
  return { graphic->Width(), graphic->Height() };
}

}  // namespace

void WriteProgramPictureSheet(const String& FileName) {
  const std::vector<TProgramPicture> pictures = DrawProgramPictures();
  std::vector<TSheetItem> items;
  for (const TProgramPicture& picture : pictures)
    if (picture.Extension == ".ico")
      for (int side : IconSizes) items.push_back({ &picture, side });
    else
      items.push_back({ &picture, 0 });

  // Pictures up to Zoomed pixels show at their own size and enlarged; larger ones only at their own size,
  // the three backgrounds side by side.
  constexpr int Zoomed = 64, Gap = 8, Block = 48 + Zoomed + 3 * Gap;
  int width = 3 * Block, height = Gap;
  for (const TSheetItem& item : items) {
    const TSize size = Render(item, nullptr);
    const bool large = std::max(size.cx, size.cy) > Zoomed;
    width = std::max(width, large ? 3 * (size.cx + Gap) + Gap : 0);
    height += (large ? size.cy : std::max(Zoomed, size.cy * std::max(1, Zoomed / std::max(size.cx, size.cy)))) + Gap;
  }
  TBitmap sheet;
  sheet.SetPixelFormat(pf32bit);
  sheet.SetSize(width, height);
  int top = Gap;
  for (const TSheetItem& item : items) {
    const TSize size = Render(item, nullptr);
    const bool large = std::max(size.cx, size.cy) > Zoomed;
    const int zoom = std::max(1, Zoomed / std::max(size.cx, size.cy));
    for (int kind = 0; kind < 3; ++kind) {
      TBitmap cell;
      cell.SetPixelFormat(pf32bit);
      cell.SetSize(size.cx, size.cy);
      Background(cell, kind);
      Render(item, &cell);
      const int left = kind * (large ? size.cx + Gap : Block) + Gap;
      BitBlt(sheet.Canvas()->Handle(), left, top, size.cx, size.cy, cell.Canvas()->Handle(), 0, 0, SRCCOPY);
      if (!large)
        StretchBlt(sheet.Canvas()->Handle(), left + 48 + Gap, top, size.cx * zoom, size.cy * zoom, cell.Canvas()->Handle(),
                   0, 0, size.cx, size.cy, SRCCOPY);
    }
    top += (large ? size.cy : std::max(Zoomed, size.cy * zoom)) + Gap;
  }
  TPngImage png;
  png.Assign(&sheet);
  png.SaveToFile(FileName);
}
