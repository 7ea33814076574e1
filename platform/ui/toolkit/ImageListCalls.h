#pragma once
// The handle-level image list calls: a handle is a TCustomImageList's Handle, and drawing goes through
// the list's DoDraw. A handle that names no live list makes a call fail harmlessly.
#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObject.h"
#include "platform/ui/toolkit/TCustomImageList.h"

/// No colour: a transparent background, no blending with a foreground colour.
constexpr TColor CLR_NONE = static_cast<TColor>(0xFFFFFFFFu);
/// The list's own background colour.
constexpr TColor CLR_DEFAULT = static_cast<TColor>(0xFF000000u);

/// Draws image Index at (X, Y) of DC through the list's DoDraw (clipped to Width x Height when they are
/// not 0). Background: CLR_NONE transparent, CLR_DEFAULT the list's BkColor, else that colour.
/// Foreground is ignored (no blending style is used).
bool ImageList_DrawEx(HIMAGELIST List, int Index, HDC DC, int X, int Y, int Width, int Height, TColor Background,
                      TColor Foreground, UINT Style);
bool ImageList_GetIconSize(HIMAGELIST List, int* Width, int* Height);
/// 0 for no list.
int ImageList_GetImageCount(HIMAGELIST List);
/// Returns the previous colour (CLR_NONE for clNone or no list).
TColor ImageList_SetBkColor(HIMAGELIST List, TColor Color);
