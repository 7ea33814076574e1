#include "skin/controls/skMorph.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/core/TskEffectBmp.h"

void MorphByKind(TskEffectBmp* Old, TskEffectBmp* New, double Kf, TskMorphKind Kind) {
  switch (Kind) {
  case mkDefault: Old->Morph(New, Kf); break;
  case mkGradient: Old->MorphGrad(New, Kf); break;
  case mkLeftGradient: Old->MorphLeftGrad(New, Kf); break;
  case mkRightGradient: Old->MorphRightGrad(New, Kf); break;
  case mkLeftSlide: Old->MorphLeftSlide(New, Kf); break;
  case mkRightSlide: Old->MorphRightSlide(New, Kf); break;
  case mkPush: Old->MorphPush(New, Kf); break;
  }
}

void MorphBitmap(TBitmap* Normal, TBitmap* Hot, double Kf, TskMorphKind Kind) {
  std::unique_ptr<TskEffectBmp> From = TskEffectBmp::CreateFromhWnd(Normal->Handle());
  std::unique_ptr<TskEffectBmp> To = TskEffectBmp::CreateFromhWnd(Hot->Handle());
  MorphByKind(From.get(), To.get(), Kf, Kind);
  From->Draw(Normal->Canvas()->Handle(), 0, 0);
}
