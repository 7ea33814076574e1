#pragma once
// The window record: one node of the window tree. The window system's modules (painting, non-client
// handling, input routing, the presenters) read it directly on the UI thread; only the window system's
// own calls change the tree, the geometry and the styles, so those stay consistent with the messages
// they send.
//
// Coordinates: Rect is the window rectangle in the parent's client coordinates (screen coordinates for
// a top-level window, whose parent is the desktop); Client is the client rectangle in window
// coordinates (origin at the window's top-left corner, non-client area included). Regions and the
// update region use the coordinates their comments name.
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/gdi/Colors.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Surface.h"
#include "platform/ui/winsys/ScrollBarState.h"
#include "platform/ui/winsys/UiTypes.h"
#include "platform/ui/winsys/WindowClass.h"
#include "platform/ui/winsys/WindowProc.h"

/// One window of the tree, top-level or child.
class Window {
public:
  enum class State {
    Alive,       ///< normal life, creation messages included
    Destroying,  ///< inside DestroyWindow: WM_DESTROY / WM_NCDESTROY still arrive
    Dead         ///< gone for every caller (IsWindow false); freed once no dispatch to it is running
  };

  /// One procedure in the subclass chain with the procedure that was current when it was installed.
  struct ProcEntry {
    WNDPROC Proc { nullptr };
    WNDPROC SavedPrevious { nullptr };
  };

  HWND Handle { 0 };
  WindowClass* Class { nullptr };
  State Life { State::Alive };

  // ---- Tree ----
  /// Null only for the desktop window.
  Window* Parent { nullptr };
  /// The owner of a top-level window (owned windows stay above it and go with it); 0 for none.
  HWND Owner { 0 };
  /// Child windows in z-order, topmost first. The desktop's children are the top-level windows, with
  /// the WS_EX_TOPMOST band first.
  std::vector<Window*> Children;

  // ---- Attributes ----
  DWORD Style { 0 };
  DWORD ExStyle { 0 };
  String Text;
  /// GWL_ID: a child window's id (CreateWindowEx's menu argument).
  UINT_PTR Id { 0 };
  LONG_PTR UserData { 0 };
  std::vector<Byte> Extra;  // cbWndExtra bytes for GetWindowLongPtr at positive offsets
  std::map<String, uintptr_t> Props;
  /// The icons of WM_SETICON (ICON_BIG, ICON_SMALL); a presenter shows the big one, else the small one.
  HICON BigIcon { 0 };
  HICON SmallIcon { 0 };
  /// Procedures, the class procedure first; the last one is called.
  std::vector<ProcEntry> Procs;
  /// Procedures of the chain running for this window now, innermost last: CallWindowProc goes on below
  /// the innermost one, so a subclass whose saved procedure left the chain (or came back above it)
  /// still reaches the rest of the chain.
  std::vector<WNDPROC> Running;

  // ---- Geometry ----
  TRect Rect;
  TRect Client;
  /// Placement to go back to from minimized or maximized (same coordinates as Rect).
  TRect RestoreRect;
  /// Minimized from maximized: SW_RESTORE maximizes again.
  bool RestoreMaximized { false };
  /// The window region in window coordinates; painting and hit testing stay inside it.
  std::optional<Region> WindowRgn;

  /// The standard bars' scroll information (ScrollBars.h), kept whether or not the bars show.
  ScrollBarState HScroll;
  ScrollBarState VScroll;

  // ---- Painting ----
  /// Area waiting for WM_PAINT, in client coordinates.
  Region Update;
  /// WM_ERASEBKGND is due before the next paint.
  bool EraseNeeded { false };
  /// WM_NCPAINT is due before the next paint.
  bool FrameNeeded { false };
  /// WM_SETREDRAW(FALSE) is in force: no WM_PAINT is generated.
  bool RedrawOff { false };
  /// Set by BeginPaint and Validate*: tells the loop that a WM_PAINT handler validated something.
  bool PaintTouched { false };
  /// Top-level windows only: the pixels of the whole window (non-client area and children included),
  /// null while the window has no area.
  std::unique_ptr<Surface> Backing;
  /// Top-level windows only: rectangles of Backing changed since the presenter last got them (window
  /// coordinates, overlapping at times).
  std::vector<TRect> Dirty;

  // ---- Layered windows (window coordinates, top-level only) ----
  /// Constant alpha and colour key of SetLayeredWindowAttributes, with its LWA_* flags (0: not set).
  Byte LayerAlpha { 255 };
  TColor LayerKey { 0 };
  DWORD LayerFlags { 0 };
  /// Premultiplied picture given by UpdateLayeredWindow; shown instead of Backing when present.
  std::unique_ptr<Surface> LayerImage;

  // ---- Dispatch ----
  /// Calls of this window's procedure in progress; the record is freed only when it drops to zero.
  int DispatchDepth { 0 };
  /// The record of a window hidden with its owner (ShowOwnedPopups), shown again when the owner is.
  bool HiddenWithOwner { false };

  bool IsChild() const { return (Style & 0x40000000u) != 0; }  // WS_CHILD
  bool IsTopLevel() const { return Parent && !Parent->Parent; }
  bool IsDesktop() const { return Parent == nullptr; }
  bool Usable() const { return Life != State::Dead; }
};
