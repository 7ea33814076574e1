#pragma once
// Window classes: the name, class styles, procedure and defaults windows are created from.
#include "platform/gdi/GdiObject.h"
#include "platform/ui/winsys/UiTypes.h"
#include "platform/ui/winsys/WindowProc.h"

// Class styles.
constexpr UINT CS_VREDRAW = 0x0001;
constexpr UINT CS_HREDRAW = 0x0002;
constexpr UINT CS_DBLCLKS = 0x0008;
constexpr UINT CS_OWNDC = 0x0020;
constexpr UINT CS_CLASSDC = 0x0040;
constexpr UINT CS_PARENTDC = 0x0080;
constexpr UINT CS_NOCLOSE = 0x0200;
constexpr UINT CS_SAVEBITS = 0x0800;
constexpr UINT CS_BYTEALIGNCLIENT = 0x1000;
constexpr UINT CS_BYTEALIGNWINDOW = 0x2000;
constexpr UINT CS_GLOBALCLASS = 0x4000;
constexpr UINT CS_DROPSHADOW = 0x00020000;

/// The system colour COLOR_x (the index of its clXxx constant) given as a class background "brush":
/// hbrBackground = SysColorBackground(COLOR_BTNFACE) paints with that system colour.
inline HBRUSH SysColorBackground(int Index) { return reinterpret_cast<HBRUSH>(uintptr_t(Index + 1)); }

/// What RegisterClass takes. lpfnWndProc null means the default window procedure.
struct WNDCLASS {
  UINT style { 0 };
  WNDPROC lpfnWndProc { nullptr };
  int cbClsExtra { 0 };
  int cbWndExtra { 0 };
  HICON hIcon { 0 };
  HCURSOR hCursor { 0 };
  /// A brush the default WM_ERASEBKGND fills with (the class keeps using it: it must outlive the class),
  /// a SysColorBackground value, or null (no erase).
  HBRUSH hbrBackground { nullptr };
  String lpszMenuName;
  String lpszClassName;
};

/// A registered class; windows point at it for their whole life.
class WindowClass {
public:
  explicit WindowClass(const WNDCLASS& Definition, ATOM AAtom) : Def(Definition), Atom(AAtom) {}

  WNDCLASS Def;
  ATOM Atom { 0 };
  /// Windows of this class that exist; a class with windows cannot be unregistered.
  int WindowCount { 0 };
};
