#pragma once
// Small steps the native views share: answering WM_PAINT, painting in a colour, point tests, image sizes, type-ahead matching.
#include <functional>

#include "platform/gdi/Colors.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/toolkit/ImageListCalls.h"
#include "platform/ui/winsys/Ui.h"

/// Answers WM_PAINT: Paint draws into the DC the message carries (WParam), else into the window's update
/// area between BeginPaint and EndPaint.
void PaintMessage(HWND Wnd, WPARAM WParam, const std::function<void(HDC)>& Paint);
/// Fills R with Color (system colours resolved); an empty rectangle paints nothing.
void PaintFill(HDC DC, const TRect& R, TColor Color);
/// Draws a one-pixel line from (X1, Y1) up to, but not including, (X2, Y2).
void PaintLine(HDC DC, int X1, int Y1, int X2, int Y2, TColor Color);
/// The image size of List; 0 x 0 without a list.
TSize ImageSize(HIMAGELIST List);
/// Whether Text starts with Prefix, letters compared without case.
bool StartsWithText(const String& Text, const String& Prefix);
