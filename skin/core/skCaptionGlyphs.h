#pragma once
// The caption-button glyphs of a form frame drawn without a skin: each is drawn with its top-left at
// (X, Y) in Color with the canvas's pen (and brush where stated), which it leaves so.
#include "platform/gdi/Colors.h"

class TCanvas;

/// A cross two pixels thick in a 11 x 9 area.
void DrawCloseGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
/// Two short lines, rows 3 and 5, columns 2 to 7.
void DrawSysMenuGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
/// A bar two rows high at the bottom: rows 8 and 9, columns 1 to 8.
void DrawMinimizeGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
/// An 11 x 10 window outline with a title bar two rows thick.
void DrawMaximizeGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
/// Two overlapping window outlines, each with a two-row title bar; the back one shows through the front.
void DrawRestoreGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
/// A downward triangle of rows 7, 5, 3 and 1 pixels, rows 3 to 6.
void DrawRollDownGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
/// An upward triangle of rows 1, 3, 5 and 7 pixels, rows 2 to 5.
void DrawRollUpGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
/// A filled 5 x 5 square at (X + 2, Y + 2) (pen and brush).
void DrawMinimizeToTrayGlyph(TCanvas* Canvas, int X, int Y, TColor Color);
