#pragma once
// Operations on window records shared by the window system's modules (tree, placement, painting,
// messages, the input layer). Each takes records that exist; after anything that sends a message, a
// caller looks the window up again by handle, since a handler may have destroyed it.
#include "platform/gdi/Region.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/winsys/Window.h"

/// Calls the window's current procedure; the record stays allocated until the call returns.
LRESULT Deliver(Window& W, UINT Msg, WPARAM WParam, LPARAM LParam);
/// Calls Proc for the window under the same guard as Deliver.
LRESULT DeliverTo(WNDPROC Proc, Window& W, UINT Msg, WPARAM WParam, LPARAM LParam);

/// Adds Area (client coordinates) to W's update region, with the erase request when Erase; descends
/// into the children it covers when Children (their own children follow the WS_CLIPCHILDREN rule unless
/// AllChildren); Frame asks for WM_NCPAINT.
void InvalidateArea(Window& W, const Region& Area, bool Erase, bool Children, bool AllChildren, bool Frame);
/// Removes Area (client coordinates) from the update region of W and, with Children, of the children
/// it covers.
void ValidateArea(Window& W, const Region& Area, bool Children);
/// The whole client area of W in client coordinates.
Region ClientArea(const Window& W);
/// Sends WM_PAINT to W now and validates it when its handler validated nothing.
void PaintNow(HWND Wnd);
/// Paints, parents first, every window within Wnd (and its descendants when Children) that waits for it.
void UpdateNow(HWND Wnd, bool Children);

/// Gives a top-level window a backing surface of its size, keeping the pixels that still fit.
void ResizeBacking(Window& TopLevel);
/// Points the DCs drawing into TopLevel's backing surface nowhere (before the surface goes).
void DetachDCs(HWND TopLevel);
/// Marks a rectangle of TopLevel's backing surface (window coordinates) for the presenter.
void MarkDirty(Window& TopLevel, const TRect& R);

/// The area W covers in its parent's client coordinates: its rectangle within its window region.
Region ShapeInParent(const Window& W);

/// Frees a dead record once no call into it runs (DestroyWindow and the end of the last call).
void ReleaseRecord(Window& W);
/// The window's state for WM_SIZE's wParam.
WPARAM SizeType(const Window& W);

/// Puts W into its parent's children at InsertAfter (HWND_TOP, HWND_BOTTOM, HWND_TOPMOST,
/// HWND_NOTOPMOST or a sibling), keeping top-level windows in their band (WS_EX_TOPMOST first).
void LinkWindow(Window& W, HWND InsertAfter);
/// Takes W out of its parent's children.
void UnlinkWindow(Window& W);
/// Whether resizes of W ask WM_GETMINMAXINFO: top-level windows and sizable child windows.
bool UsesMinMaxInfo(const Window& W);
/// The WM_GETMINMAXINFO answer for the window, starting from the defaults (the work area).
MINMAXINFO QueryMinMaxInfo(HWND Wnd);
/// R with its size clamped to the window's track sizes (WM_GETMINMAXINFO); the top-left corner stays.
TRect ClampToTrackSize(HWND Wnd, TRect R);
/// Sends WM_NCCALCSIZE for window rectangle NewRect (parent coordinates; OldRect the previous one) and
/// stores the answer as the client area; false when the window went away meanwhile.
bool RecalcClientArea(HWND Wnd, const TRect& NewRect, const TRect& OldRect, WINDOWPOS* Pos);
