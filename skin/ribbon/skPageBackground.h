#pragma once
// The page-area background of the ribbon and the application menu: a skin picture (or the client part of
// the owner's frame picture) laid over a rectangle, stretched or tiled as the owner's record says.
#include <memory>

#include "platform/base/Types.h"
#include "skin/core/skSkinTypes.h"

class TBitmap;
class TCanvas;

/// Covers R of Canvas with Source: with StretchEffect stretched by StretchType (skstFull over R;
/// skstHorz to R's height at Source's width, repeated across from R's left; skstVert to R's width at
/// Source's height, repeated down from R's top), else tiled in Source's size from R's top-left corner.
/// Nothing for an empty Source.
void DrawPageBackground(TCanvas* Canvas, const TRect& R, TBitmap* Source, bool StretchEffect,
                        TskStretchType StretchType);
/// The client part of a frame piece: ClRect (relative to SkinRect) of Picture's SkinRect, as a bitmap of
/// ClRect's size.
std::unique_ptr<TBitmap> FrameClientPiece(TBitmap* Picture, const TRect& SkinRect, const TRect& ClRect);
