#include "platform/shell/TShellImageList.h"

#include <initializer_list>

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TCanvas.h"

namespace {

const TColor Outline = RGB(90, 90, 90);
const TColor Paper = RGB(255, 255, 255);
const TColor PaperFold = RGB(205, 205, 205);
const TColor FolderBody = RGB(244, 200, 80);
const TColor FolderTab = RGB(222, 170, 52);
const TColor FolderBack = RGB(200, 150, 40);
const TColor FolderEdge = RGB(160, 112, 20);

/// Draws one icon with shapes laid out on a 16 x 16 grid, scaled to the icon's size. Shapes are opaque;
/// what they leave out stays transparent.
class TIconPainter {
public:
  TIconPainter(Surface& Target, int Unit) : FDC(CreateSurfaceDC(Target)), FUnit(Unit) {
    FCanvas.SetHandle(FDC);
    FCanvas.Pen()->SetWidth(1);
  }
  ~TIconPainter() {
    FCanvas.SetHandle(nullptr);
    DeleteDC(FDC);
  }
  TIconPainter(const TIconPainter&) = delete;
  TIconPainter& operator=(const TIconPainter&) = delete;

  /// A filled rectangle without outline.
  void Bar(int Left, int Top, int Right, int Bottom, TColor Color) {
    FCanvas.Brush()->SetColor(Color);
    FCanvas.FillRect(Scaled(Left, Top, Right, Bottom));
  }
  /// A filled rectangle with an outline one grid unit wide.
  void Box(int Left, int Top, int Right, int Bottom, TColor Fill, TColor Line) {
    Bar(Left, Top, Right, Bottom, Line);
    const TRect r = Scaled(Left, Top, Right, Bottom);
    FCanvas.Brush()->SetColor(Fill);
    FCanvas.FillRect({ r.Left + FUnit, r.Top + FUnit, r.Right - FUnit, r.Bottom - FUnit });
  }
  void Shape(std::initializer_list<TPoint> Points, TColor Fill, TColor Line) {
    std::vector<TPoint> scaled;
    for (const TPoint& p : Points) scaled.push_back({ p.X * FUnit, p.Y * FUnit });
    Prepare(Fill, Line);
    FCanvas.Polygon(scaled.data(), int(scaled.size()));
  }
  void Disc(int Left, int Top, int Right, int Bottom, TColor Fill, TColor Line) {
    Prepare(Fill, Line);
    FCanvas.Ellipse(Scaled(Left, Top, Right, Bottom));
  }

private:
  TRect Scaled(int Left, int Top, int Right, int Bottom) const {
    return { Left * FUnit, Top * FUnit, Right * FUnit, Bottom * FUnit };
  }
  void Prepare(TColor Fill, TColor Line) {
    FCanvas.Brush()->SetColor(Fill);
    FCanvas.Pen()->SetColor(Line);
  }

  HDC FDC;
  int FUnit;
  TCanvas FCanvas;
};

void DrawPage(TIconPainter& P) {
  P.Box(3, 1, 13, 15, Paper, Outline);
  P.Shape({ { 9, 1 }, { 12, 4 }, { 9, 4 } }, PaperFold, Outline);
}

void DrawFolder(TIconPainter& P, bool Open) {
  P.Box(1, 2, 7, 5, FolderTab, FolderEdge);
  if (!Open) {
    P.Box(1, 4, 15, 14, FolderBody, FolderEdge);
    return;
  }
  P.Box(1, 4, 14, 14, FolderBack, FolderEdge);
  P.Shape({ { 4, 7 }, { 15, 7 }, { 12, 13 }, { 1, 13 } }, FolderBody, FolderEdge);
}

void DrawIcon(TShellIcon Icon, TIconPainter& P) {
  switch (Icon) {
    case siFile:
      DrawPage(P);
      P.Bar(5, 6, 11, 7, PaperFold);
      P.Bar(5, 8, 11, 9, PaperFold);
      P.Bar(5, 10, 9, 11, PaperFold);
      break;
    case siFolder:
      DrawFolder(P, false);
      break;
    case siFolderOpen:
      DrawFolder(P, true);
      break;
    case siVideo:
      DrawPage(P);
      P.Box(4, 6, 12, 12, RGB(44, 96, 190), RGB(24, 56, 120));
      P.Shape({ { 7, 7 }, { 10, 9 }, { 7, 11 } }, Paper, Paper);
      break;
    case siAudio:
      DrawPage(P);
      P.Bar(8, 5, 9, 11, RGB(110, 50, 160));
      P.Bar(8, 5, 11, 6, RGB(110, 50, 160));
      P.Disc(5, 9, 9, 13, RGB(140, 70, 200), RGB(110, 50, 160));
      break;
    case siPicture:
      DrawPage(P);
      P.Bar(4, 6, 12, 12, RGB(150, 200, 250));
      P.Shape({ { 4, 12 }, { 7, 8 }, { 10, 12 } }, RGB(60, 160, 70), RGB(40, 120, 50));
      P.Disc(9, 7, 11, 9, RGB(250, 210, 40), RGB(220, 170, 20));
      break;
    case siDrive:
      P.Box(1, 5, 15, 12, RGB(205, 205, 210), Outline);
      P.Bar(3, 9, 10, 10, Outline);
      P.Bar(12, 9, 14, 10, RGB(60, 200, 80));
      break;
    case siRemovableDrive:
      P.Box(6, 1, 10, 6, RGB(190, 190, 195), Outline);
      P.Box(4, 5, 12, 15, RGB(236, 140, 40), RGB(160, 80, 20));
      P.Bar(7, 3, 9, 4, Outline);
      break;
    case siComputer:
      P.Box(1, 2, 15, 11, RGB(70, 140, 220), RGB(50, 50, 60));
      P.Bar(7, 11, 9, 13, RGB(120, 120, 125));
      P.Box(4, 13, 12, 15, RGB(170, 170, 175), Outline);
      break;
    case siDesktop:
      P.Box(1, 2, 15, 14, RGB(60, 150, 140), RGB(30, 80, 75));
      P.Bar(2, 11, 14, 13, RGB(30, 80, 75));
      P.Box(4, 4, 9, 8, Paper, Outline);
      break;
    case siHome:
      P.Box(3, 7, 13, 15, RGB(240, 222, 182), Outline);
      P.Shape({ { 1, 8 }, { 8, 1 }, { 15, 8 } }, RGB(200, 60, 50), RGB(140, 40, 30));
      P.Bar(7, 10, 10, 15, RGB(130, 80, 40));
      break;
  }
}

}  // namespace

TShellImageList::TShellImageList(int Size) : FSize(Size) {
  for (int icon = 0; icon < ShellIconCount; ++icon) {
    auto picture = std::make_unique<Surface>(Size, Size, SurfaceFormat::Bgra32);
    TIconPainter painter(*picture, Size / 16);
    DrawIcon(static_cast<TShellIcon>(icon), painter);
    FIcons.push_back(std::move(picture));
  }
}

const TShellImageList& TShellImageList::Small() {
  static const TShellImageList List(16);
  return List;
}

const TShellImageList& TShellImageList::Large() {
  static const TShellImageList List(32);
  return List;
}

const Surface& TShellImageList::Icon(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError(Format("List index out of bounds (%d)", Index));
  return *FIcons[size_t(Index)];
}
