#include "platform/ui/toolkit/ImageListCalls.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TCanvas.h"

bool ImageList_DrawEx(HIMAGELIST List, int Index, HDC DC, int X, int Y, int Width, int Height, TColor Background,
                      TColor Foreground, UINT Style) {
  (void)Foreground;
  TCustomImageList* Images = TCustomImageList::FromHandle(List);
  if (!Images || !DC || Index < 0 || Index >= Images->Count()) return false;
  const int W = Width ? Width : Images->Width(), H = Height ? Height : Images->Height();
  const int Saved = SaveDC(DC);
  IntersectClipRect(DC, X, Y, X + W, Y + H);
  const TColor Fill = Background == CLR_DEFAULT ? Images->BkColor() : Background;
  if (Fill != CLR_NONE && Fill != clNone) {
    const HBRUSH Brush = CreateSolidBrush(ColorToRGB(Fill));
    FillRect(DC, Bounds(X, Y, W, H), Brush);
    DeleteObject(Brush);
  }
  TCanvas Canvas;
  Canvas.SetHandle(DC);
  Images->Draw(&Canvas, X, Y, Index, Style | ILD_TRANSPARENT, true);
  Canvas.SetHandle(nullptr);
  RestoreDC(DC, Saved);
  return true;
}

bool ImageList_GetIconSize(HIMAGELIST List, int* Width, int* Height) {
  const TCustomImageList* Images = TCustomImageList::FromHandle(List);
  if (!Images || !Width || !Height) return false;
  *Width = Images->Width();
  *Height = Images->Height();
  return true;
}

int ImageList_GetImageCount(HIMAGELIST List) {
  const TCustomImageList* Images = TCustomImageList::FromHandle(List);
  return Images ? Images->Count() : 0;
}

TColor ImageList_SetBkColor(HIMAGELIST List, TColor Color) {
  TCustomImageList* Images = TCustomImageList::FromHandle(List);
  if (!Images) return CLR_NONE;
  const TColor Old = Images->BkColor();
  Images->SetBkColor(Color == CLR_NONE ? clNone : Color);
  return Old == clNone ? CLR_NONE : Old;
}
