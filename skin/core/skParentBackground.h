#pragma once
// What lies behind a transparent skinned control: its parent's background and the windowless siblings
// beneath it, painted into a canvas of the control's own (usually its off-screen bitmap) before the
// control draws its face over them.
#include "platform/base/Types.h"

class TCanvas;
class TWinControl;

/// Paints into Canvas, whose origin stands for Control's top-left corner, what lies behind Control: the
/// parent's erased background (WM_ERASEBKGND with the canvas's DC; sent to the document client window of
/// a form with documents), the parent's own painting unless it is a form, then every visible windowless
/// sibling before Control in its parent's list that overlaps it (WM_PAINT with the DC), in list order.
/// Parent and siblings are marked csPaintCopy while they paint. Nothing without a control or a parent.
/// An exception of a painter passes on with the marks and the DC's state restored.
void DrawParentBackground(TWinControl* Control, TCanvas* Canvas);
/// The same for the part R of Control (control coordinates); Canvas's origin stands for R's top-left
/// corner.
void DrawParentBackgroundAt(TWinControl* Control, const TRect& R, TCanvas* Canvas);
