#pragma once
// Telling a control's children that the background they show parts of has changed.

class TWinControl;

/// WM_CHECKPARENTBG to each direct child of Parent: sent to a windowed child with a window, performed on
/// the others.
void SendCheckParentBg(TWinControl* Parent);
