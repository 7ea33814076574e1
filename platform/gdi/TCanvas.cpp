#include "platform/gdi/TCanvas.h"

#include "platform/base/Exception.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TGraphic.h"
#include "platform/gdi/Text.h"

TCanvas::TCanvas() : FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()) {
  FFont->OnChange = [this](TObject*) {
    if (FFontSelected) SelectFont();
  };
  FPen->OnChange = [this](TObject*) {
    if (FPenSelected) SelectPen();
  };
  FBrush->OnChange = [this](TObject*) {
    if (FBrushSelected) SelectBrush();
  };
}

TCanvas::~TCanvas() { SetHandle(nullptr); }

HDC TCanvas::Handle() {
  Changing();
  RequireFont();
  RequirePen();
  RequireBrush();
  return FHandle;
}

void TCanvas::SetHandle(HDC DC) {
  if (DC == FHandle) return;
  DeselectHandles();
  FHandle = DC;
}

TPoint TCanvas::PenPos() {
  RequireHandle();
  TPoint P;
  GetCurrentPositionEx(FHandle, &P);
  return P;
}

TColor TCanvas::Pixels(int X, int Y) {
  RequireHandle();
  return GetPixel(FHandle, X, Y);
}

void TCanvas::SetPixels(int X, int Y, TColor Color) {
  Changing();
  RequirePen();
  SetPixel(FHandle, X, Y, ColorToRGB(Color));
  Changed();
}

TRect TCanvas::ClipRect() {
  RequireHandle();
  TRect R;
  GetClipBox(FHandle, &R);
  return R;
}

void TCanvas::MoveTo(int X, int Y) {
  RequireHandle();
  MoveToEx(FHandle, X, Y, nullptr);
}

void TCanvas::LineTo(int X, int Y) {
  Changing();
  RequirePen();
  RequireBrush();
  ::LineTo(FHandle, X, Y);
  Changed();
}

void TCanvas::Polyline(const TPoint* Points, int Count) {
  Changing();
  RequirePen();
  RequireBrush();
  ::Polyline(FHandle, Points, Count);
  Changed();
}

void TCanvas::Polygon(const TPoint* Points, int Count) {
  Changing();
  RequirePen();
  RequireBrush();
  ::Polygon(FHandle, Points, Count);
  Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
  Changing();
  RequirePen();
  RequireBrush();
  ::Rectangle(FHandle, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  Changing();
  RequirePen();
  RequireBrush();
  ::RoundRect(FHandle, X1, Y1, X2, Y2, X3, Y3);
  Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
  Changing();
  RequirePen();
  RequireBrush();
  ::Ellipse(FHandle, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::FillRect(const TRect& R) {
  Changing();
  RequireBrush();
  ::FillRect(FHandle, R, FBrush->Handle());
  Changed();
}

void TCanvas::FrameRect(const TRect& R) {
  Changing();
  RequireBrush();
  ::FrameRect(FHandle, R, FBrush->Handle());
  Changed();
}

void TCanvas::DrawFocusRect(const TRect& R) {
  Changing();
  RequireBrush();
  ::DrawFocusRect(FHandle, R);
  Changed();
}

void TCanvas::TextOut(int X, int Y, std::string_view Text) {
  Changing();
  RequireFont();
  RequireBrush();
  ::TextOut(FHandle, X, Y, Text);
  MoveTo(X + TextWidth(Text), Y);
  Changed();
}

void TCanvas::TextRect(const TRect& R, int X, int Y, std::string_view Text) {
  Changing();
  RequireFont();
  RequireBrush();
  const unsigned Options = ETO_CLIPPED | (FBrush->Style() != bsClear ? ETO_OPAQUE : 0);
  ExtTextOut(FHandle, X, Y, Options, &R, Text);
  Changed();
}

TSize TCanvas::TextExtent(std::string_view Text) {
  RequireFont();
  TSize Size;
  GetTextExtentPoint32(FHandle, Text, Size);
  return Size;
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  StretchDraw(Bounds(X, Y, Graphic->Width(), Graphic->Height()), Graphic);
}

void TCanvas::StretchDraw(const TRect& R, TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  Changing();
  RequireHandle();
  SetBkColor(FHandle, ColorToRGB(FBrush->Color()));
  SetTextColor(FHandle, ColorToRGB(FFont->Color()));
  Graphic->Draw(this, R);
  Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source) {
  if (!Canvas) return;
  Changing();
  RequireFont();
  RequireBrush();
  Canvas->RequireBrush();
  StretchBlt(FHandle, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Canvas->FHandle, Source.Left, Source.Top,
             Source.Width(), Source.Height(), FCopyMode);
  Changed();
}

void TCanvas::BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color) {
  if (!Bitmap || Bitmap->Empty()) return;
  Changing();
  RequireBrush();
  if (FBrush->Style() != bsClear) ::FillRect(FHandle, Dest, FBrush->Handle());
  TransparentBlt(FHandle, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Bitmap->Canvas()->Handle(), Source.Left,
                 Source.Top, Source.Width(), Source.Height(), ColorToRGB(Color));
  Changed();
}

void TCanvas::Lock() {
  FLock.lock();
  ++FLockCount;
}

void TCanvas::Unlock() {
  --FLockCount;
  FLock.unlock();
}

bool TCanvas::TryLock() {
  if (!FLock.try_lock()) return false;
  ++FLockCount;
  return true;
}

void TCanvas::Refresh() { DeselectHandles(); }

void TCanvas::Changing() {
  if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
  if (OnChange) OnChange(this);
}

void TCanvas::RequireHandle() {
  if (!FHandle) CreateHandle();
  if (!FHandle) throw EInvalidOperation("Canvas does not allow drawing");
}

void TCanvas::RequireFont() {
  RequireHandle();
  if (!FFontSelected) SelectFont();
}

void TCanvas::RequirePen() {
  RequireHandle();
  if (!FPenSelected) SelectPen();
}

void TCanvas::RequireBrush() {
  RequireHandle();
  if (!FBrushSelected) SelectBrush();
}

void TCanvas::SelectFont() {
  Select(FFont->Handle(), FOriginalFont);
  SetTextColor(FHandle, ColorToRGB(FFont->Color()));
  FFontSelected = true;
}

void TCanvas::SelectPen() {
  Select(FPen->Handle(), FOriginalPen);
  SetROP2(FHandle, FPen->Rop2());
  FPenSelected = true;
}

void TCanvas::SelectBrush() {
  Select(FBrush->Handle(), FOriginalBrush);
  SetBkColor(FHandle, ColorToRGB(FBrush->Color()));
  SetBkMode(FHandle, FBrush->Style() == bsClear ? TRANSPARENT : OPAQUE);
  FBrushSelected = true;
}

// Selects one of the canvas's objects, remembering what the DC had before the canvas's first one.
void TCanvas::Select(HGDIOBJ Object, HGDIOBJ& Original) {
  HGDIOBJ Previous = SelectObject(FHandle, Object);
  if (!Original) Original = Previous;
}

// Gives the DC its own objects back, so the canvas's handles can be freed while the DC lives on.
void TCanvas::DeselectHandles() {
  for (HGDIOBJ* Original : { &FOriginalFont, &FOriginalPen, &FOriginalBrush }) {
    if (FHandle && *Original) SelectObject(FHandle, *Original);
    *Original = nullptr;
  }
  FFontSelected = FPenSelected = FBrushSelected = false;
}
