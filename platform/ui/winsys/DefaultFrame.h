#pragma once
// The built-in frame of windows that nothing skins: its geometry from the window's styles (borders,
// caption, client edges, scroll bars), the hit code of a point, and its painting. The look is plain: a
// border, a caption band with the window text (an MDI frame adds its maximized child's: MdiFrameCaption),
// and caption buttons when the window has WS_SYSMENU: close, and maximize (restore while maximized) and
// minimize where WS_MAXIMIZEBOX / WS_MINIMIZEBOX ask for them (never on tool windows).
#include "platform/base/Types.h"
#include "platform/gdi/GdiObject.h"
#include "platform/ui/winsys/UiTypes.h"
#include "platform/ui/winsys/Window.h"

/// Geometry and painting of the default frame; all rectangles are in window coordinates unless named
/// otherwise.
class DefaultFrame {
public:
  /// Width of the border on each side (Top includes the caption), scroll bars left out.
  static TRect Insets(DWORD Style, DWORD ExStyle);
  /// The client rectangle for a window rectangle (the same coordinates), scroll bars taken off; never
  /// inverted.
  static TRect ClientFor(const TRect& WindowRect, DWORD Style, DWORD ExStyle);

  /// The hit code of Local (window coordinates) in W; HTNOWHERE outside its rectangle.
  static int HitTest(const Window& W, TPoint Local);
  /// The caption band; empty for a window without WS_CAPTION.
  static TRect CaptionRect(const Window& W);
  /// The caption button answering Hit (HTCLOSE, HTMAXBUTTON, HTMINBUTTON); empty when the window's
  /// styles show no such button.
  static TRect CaptionButtonRect(const Window& W, int Hit);

  /// Paints the frame through a window DC (origin at the window's top-left); Active picks the caption
  /// colours. Paints nothing for a window without frame or scroll bars.
  static void Paint(HDC DC, const Window& W, bool Active);

  static bool HasCaption(DWORD Style);
  static bool IsSizable(const Window& W);

private:
  static TRect VScrollRect(const Window& W);
  static TRect HScrollRect(const Window& W);
  static int SizingCode(const Window& W, TPoint Local);
  static void PaintCaption(HDC DC, const Window& W, bool Active);
  static void PaintCaptionButton(HDC DC, const Window& W, int Hit);
  static void PaintScrollBar(HDC DC, const TRect& Bar, bool Vertical, const ScrollBarState& State);
};
