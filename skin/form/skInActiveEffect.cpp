#include "skin/form/skInActiveEffect.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/core/TskEffectBmp.h"

void ApplyInActiveEffect(TBitmap* Image, TskInActiveEffect Effect) {
  if (Image->Empty()) return;
  std::unique_ptr<TskEffectBmp> Bmp = TskEffectBmp::CreateFromhWnd(Image->Handle());
  switch (Effect) {
  case ieBrightness: Bmp->ChangeBrightness(0.5); break;
  case ieDarkness: Bmp->ChangeDarkness(0.3); break;
  case ieGrayScale: Bmp->GrayScale(); break;
  case ieNoise: Bmp->AddMonoNoise(50); break;
  case ieSplitBlur: Bmp->SplitBlur(1); break;
  case ieInvert: Bmp->Invert(); break;
  }
  Bmp->Draw(Image->Canvas()->Handle(), 0, 0);
}
