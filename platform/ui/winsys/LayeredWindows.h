#pragma once
// Layered windows: a top-level window with WS_EX_LAYERED shown with a constant alpha and colour key
// (SetLayeredWindowAttributes) or as a premultiplied picture of its own (UpdateLayeredWindow). The calls
// store what the presenter composes in the window record. Whether the platform can show them at all is
// the capability table's business: the presenter calls EnableLayeredWindows at start-up, and callers
// that depend on layered windows ask PlatformCapabilities() first.
#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/GdiRecords.h"
#include "platform/gdi/Surface.h"
#include "platform/ui/winsys/UiTypes.h"

// UpdateLayeredWindow flags.
constexpr DWORD ULW_COLORKEY = 0x00000001;
constexpr DWORD ULW_ALPHA = 0x00000002;
constexpr DWORD ULW_OPAQUE = 0x00000004;

/// Constant alpha (LWA_ALPHA) and colour key (LWA_COLORKEY) of a layered top-level window. Fails for
/// other windows and for a window that shows a picture of UpdateLayeredWindow.
bool SetLayeredWindowAttributes(HWND Wnd, TColor Key, Byte Alpha, DWORD Flags);

/// Moves and sizes the layered top-level window to Pos / Size (null: unchanged) and, with Src, shows
/// the window's size of Src's pixels from SrcPos (null: (0, 0)) as its picture: premultiplied alpha
/// when Blend has AC_SRC_ALPHA (opaque otherwise), times Blend's constant alpha. Dest is not used.
bool UpdateLayeredWindow(HWND Wnd, HDC Dest, const TPoint* Pos, const TSize* Size, HDC Src, const TPoint* SrcPos,
                         TColor Key, const BLENDFUNCTION* Blend, DWORD Flags);

class Window;

/// A layered window is shown only once it has its constant alpha, colour key or picture; any other
/// window is shown as it is.
bool LayeredWindowShows(const Window& W);
/// The pixels a top-level window shows: the UpdateLayeredWindow picture of a layered window that has
/// one, else its backing surface; null when that is no 32-bit surface.
const Surface* ShownPixels(const Window& W);

/// Fills (or empties) both layered-window slots of the capability table with the calls above.
void EnableLayeredWindows(bool Available);
