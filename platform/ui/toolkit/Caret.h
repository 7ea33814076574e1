#pragma once
// The system caret: one for the whole program, owned by one window (by custom the focus window, which
// creates it on WM_SETFOCUS and destroys it on WM_KILLFOCUS). It is drawn by inverting its rectangle in
// the owner's client area, on top of what the window painted, and blinks while shown. Hiding nests: it
// is created hidden, each HideCaret needs a ShowCaret before it shows again. A window that paints over
// the caret hides it around its painting, so the inversion is never left behind or doubled.
// UI thread only; a caret whose window went away is gone too.
#include "platform/base/Types.h"
#include "platform/gdi/GdiObject.h"
#include "platform/ui/winsys/UiTypes.h"

/// Makes Wnd the owner of a new, hidden caret of Width x Height pixels at (0, 0), destroying any other
/// caret. Bitmap is not used: the caret is always the inverted rectangle. False for no window.
bool CreateCaret(HWND Wnd, HBITMAP Bitmap, int Width, int Height);
/// Removes the caret from the screen and destroys it; false when there is none.
bool DestroyCaret();
/// One level less of hiding; the caret shows when no level is left. Wnd must own it (0: whoever does).
bool ShowCaret(HWND Wnd);
/// One level more of hiding; the caret leaves the screen at once.
bool HideCaret(HWND Wnd);
/// Moves the caret (the owner's client coordinates); shown, it is drawn at once in the new place. While
/// native text input is on for the owner, the input method is told the caret's place.
bool SetCaretPos(int X, int Y);
bool GetCaretPos(TPoint* P);
/// The time between two blinks in milliseconds (500 unless set).
UINT GetCaretBlinkTime();
bool SetCaretBlinkTime(UINT Milliseconds);
