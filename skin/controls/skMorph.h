#pragma once
// The hover transition of skinned controls: the normal look blended toward the hot look by a factor.
#include "skin/core/skSkinTypes.h"

class TBitmap;
class TskEffectBmp;

/// Changes Old toward New by Kf (0 Old .. 1 New) with the effect bitmap operation of Kind: mkDefault
/// Morph, mkGradient MorphGrad, mkLeftGradient MorphLeftGrad, mkRightGradient MorphRightGrad, mkLeftSlide
/// MorphLeftSlide, mkRightSlide MorphRightSlide, mkPush MorphPush.
void MorphByKind(TskEffectBmp* Old, TskEffectBmp* New, double Kf, TskMorphKind Kind);
/// MorphByKind on two pictures of one size: Normal becomes the transition's picture at Kf toward Hot.
void MorphBitmap(TBitmap* Normal, TBitmap* Hot, double Kf, TskMorphKind Kind);
