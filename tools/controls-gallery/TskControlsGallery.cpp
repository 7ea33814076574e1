#include "tools/controls-gallery/TskControlsGallery.h"

#include <algorithm>

#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TPngImage.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/core/TskSkinData.h"

namespace {

constexpr int SheetWidth = 1200;
constexpr int SheetHeight = 20000;  // room for every row; the written sheet is cut to its rows
constexpr int Margin = 20;
constexpr int TitleWidth = 150;
constexpr int CellGap = 18;
constexpr int CaptionHeight = 22;
/// Where a control stands on the form while its cell is taken, and the room around it that is copied.
constexpr int Place = 12;
constexpr TColor SheetColor = RGB(236, 238, 242);

}  // namespace

TskControlsGallery::TskControlsGallery(HeadlessPresenter& Display, TskSkinData* Skin, const String& Title)
    : FDisplay(Display), FSkin(Skin), FSheet(std::make_unique<TBitmap>()) {
  FForm = new TForm(nullptr);
  FForm->SetBorderStyle(bsNone);
  FForm->SetBounds(0, 0, 600, 300);  // room for the widest cell, the file list
  FForm->SetColor(FSkin && !FSkin->Empty ? FSkin->SkinColors()->cBtnFace() : clBtnFace);
  FForm->Show();
  FSheet->SetPixelFormat(pf24bit);
  FSheet->SetSize(SheetWidth, SheetHeight);
  FSheet->Canvas()->Brush()->SetColor(SheetColor);
  FSheet->Canvas()->FillRect(Rect(0, 0, SheetWidth, SheetHeight));
  Text(Margin, Margin, Title, 22, true);
  FBottom = Margin + 44;
}

TskControlsGallery::~TskControlsGallery() { delete FForm; }

void TskControlsGallery::Text(int X, int Y, const String& S, int Height, bool Bold) {
  TCanvas* C = FSheet->Canvas();
  C->Font()->SetName("Tahoma");
  C->Font()->SetHeight(Height);
  C->Font()->SetStyle(Bold ? TFontStyles { fsBold } : TFontStyles {});
  C->Font()->SetColor(RGB(40, 44, 52));
  C->Brush()->SetStyle(bsClear);
  C->TextOut(X, Y, S);
}

// Broken between characters where the next would pass the title column, so no cell covers the title's end.
void TskControlsGallery::RowTitle(const String& Title) {
  constexpr int Height = 15, LineGap = 4;
  FSheet->Canvas()->Font()->SetName("Tahoma");
  FSheet->Canvas()->Font()->SetHeight(Height);
  FSheet->Canvas()->Font()->SetStyle({ fsBold });
  int Y = FBottom + 4;
  String Line;
  for (size_t I = 0; I < Title.size();) {
    size_t End = I + 1;
    while (End < Title.size() && (uint8_t(Title[End]) & 0xC0) == 0x80) ++End;
    const String Next = Title.substr(I, End - I);
    if (!Line.empty() && FSheet->Canvas()->TextWidth(Line + Next) > TitleWidth - CellGap) {
      Text(Margin, Y, Line, Height, true);
      Y += Height + LineGap;
      Line.clear();
    }
    Line += Next;
    I = End;
  }
  Text(Margin, Y, Line, Height, true);
}

std::unique_ptr<TBitmap> TskControlsGallery::Capture(const TMake& Make, const TskGalleryState& State) {
  TControl* Control = Make(FForm);
  Control->SetLeft(Place);
  Control->SetTop(Place);
  FDisplay.PumpUntilIdle();
  if (State.Enter) State.Enter(Control, FDisplay);
  FDisplay.PumpUntilIdle();
  const TRect R = Grown(Control->BoundsRect());
  auto Image = std::make_unique<TBitmap>();
  Image->SetPixelFormat(pf24bit);
  Image->SetSize(R.Width(), R.Height());
  const HDC Screen = GetDC(FForm->Handle());
  BitBlt(Image->Canvas()->Handle(), 0, 0, R.Width(), R.Height(), Screen, R.Left, R.Top, SRCCOPY);
  ReleaseDC(FForm->Handle(), Screen);
  // Let go of the pointer and the keys before the control goes.
  const TPoint Away = FForm->ClientToScreen({ 480, 280 });
  FDisplay.MoveTo(Away.X, Away.Y);
  FDisplay.ButtonUp(Away.X, Away.Y);
  FForm->SetFocus();
  delete Control;
  FDisplay.PumpUntilIdle();
  return Image;
}

TRect TskControlsGallery::Grown(const TRect& R) const {
  return Rect(std::max(R.Left - 4, 0), std::max(R.Top - 4, 0), R.Right + 4, R.Bottom + 4);
}

void TskControlsGallery::AddRow(const String& Title, const TMake& Make, const std::vector<TskGalleryState>& States) {
  RowTitle(Title);
  int X = Margin + TitleWidth, RowHeight = 0;
  for (const TskGalleryState& State : States) PlaceCell(State.Caption, Capture(Make, State).get(), X, RowHeight);
  FBottom += RowHeight + CaptionHeight + CellGap;
}

void TskControlsGallery::AddPictureRow(const String& Title,
                                       const std::vector<std::pair<String, std::unique_ptr<TBitmap>>>& Cells) {
  RowTitle(Title);
  int X = Margin + TitleWidth, RowHeight = 0;
  for (const auto& [Caption, Image] : Cells) PlaceCell(Caption, Image.get(), X, RowHeight);
  FBottom += RowHeight + CaptionHeight + CellGap;
}

void TskControlsGallery::PlaceCell(const String& Caption, TBitmap* Image, int& X, int& RowHeight) {
  FSheet->Canvas()->Font()->SetHeight(13);
  const int Width = std::max(Image->Width(), FSheet->Canvas()->TextWidth(Caption));
  if (X + Width > SheetWidth - Margin && X > Margin + TitleWidth) {
    X = Margin + TitleWidth;
    FBottom += RowHeight + CaptionHeight + CellGap;
    RowHeight = 0;
  }
  FSheet->Canvas()->Draw(X, FBottom, Image);
  Text(X, FBottom + Image->Height() + 3, Caption, 13, false);
  X += Width + CellGap;
  RowHeight = std::max(RowHeight, Image->Height());
}

void TskControlsGallery::SaveToPng(const String& FileName) {
  TBitmap Final;
  Final.SetPixelFormat(pf24bit);
  Final.SetSize(SheetWidth, FBottom + Margin);
  Final.Canvas()->CopyRect(Rect(0, 0, SheetWidth, FBottom + Margin), FSheet->Canvas(),
                           Rect(0, 0, SheetWidth, FBottom + Margin));
  TPngImage Png;
  Png.Assign(&Final);
  Png.SaveToFile(FileName);
}
