#pragma once
// A small skin for the list and combo boxes: every picture a flat colour of its own, so a pixel tells which
// record rectangle was drawn.
#include "platform/gdi/Colors.h"
#include "skin/core/TskSkinData.h"

/// The colours of the pictures BuildBoxSkin paints.
namespace BoxSkin {
constexpr TColor Face = RGB(0, 0, 160);
constexpr TColor FaceHot = RGB(0, 160, 0);
constexpr TColor Item = RGB(255, 255, 0);
constexpr TColor ItemHot = RGB(0, 255, 255);
constexpr TColor ItemFocus = RGB(255, 0, 255);
constexpr TColor ButtonHot = RGB(255, 128, 0);
constexpr TColor ButtonDown = RGB(128, 0, 128);
constexpr TColor ButtonOff = RGB(128, 128, 128);
constexpr TColor SeparateButton = RGB(64, 0, 0);
constexpr TColor SeparateButtonHot = RGB(0, 64, 0);
constexpr TColor SeparateButtonDown = RGB(0, 0, 64);
constexpr TColor ToolButton = RGB(64, 64, 0);
constexpr TColor ToolButtonHot = RGB(0, 64, 64);
constexpr TColor ToolButtonDown = RGB(64, 0, 64);
constexpr TColor ListFrame = RGB(90, 60, 30);
constexpr TColor ListClient = RGB(230, 230, 200);
constexpr TColor Row = RGB(200, 200, 255);
constexpr TColor RowSelected = RGB(0, 128, 255);
constexpr TColor RowFocused = RGB(255, 64, 64);
constexpr TColor DisabledText = RGB(1, 2, 3);
constexpr TColor CaptionStrip = RGB(40, 120, 40);
constexpr TColor CaptionButton = RGB(200, 40, 200);
constexpr TColor CaptionText = RGB(250, 250, 250);
}  // namespace BoxSkin

/// Fills Model with "combobox" (60 x 20, item area (3, 3, 40, 17), button (42, 2, 58, 18) in the fixed right
/// part, hover pictures), "listbox" (60 x 60 frame of 2 around its client picture, rows 16 high),
/// "combobutton", "resizetoolbutton", "edit" (for the disabled text colour) and "captionlist" (60 x 60: a
/// caption strip 16 high over the client, up and down buttons in its fixed right part from X 30, no picture
/// for hidden buttons).
void BuildBoxSkin(TskSkinData& Model);
