#pragma once
// Value types of the control classes: alignment and anchors, control style and state, shift state and
// mouse buttons, cursors, the parameters a windowed control creates its window from, and the event
// signatures of controls.
#include <functional>

#include "platform/base/TObject.h"
#include "platform/base/TSet.h"
#include "platform/base/Types.h"
#include "platform/ui/winsys/UiTypes.h"
#include "platform/ui/winsys/WindowClass.h"

/// Where a control sits in its parent: nowhere in particular, along an edge (in the order top, bottom,
/// left, right), in what is left (alClient), or where the parent's CustomAlignPosition puts it.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
using TAlignSet = TSet<TAlign>;

/// The parent edges a control keeps its distance to when the parent is resized.
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

/// The anchors an alignment implies (set together with Align).
TAnchors AnchorAlign(TAlign Align);

/// What a control is and does, fixed by its class (ControlStyle).
enum TControlStyleItem {
  csAcceptsControls,    // other controls may be put on it
  csCaptureMouse,       // a press captures the mouse until the release
  csDesignInteractive,  // kept for completeness; no designer
  csClickEvents,        // a press and release inside it run Click
  csFramed,
  csSetCaption,         // its Name becomes its Caption while the Caption was never set
  csOpaque,             // a windowless control that covers its whole rectangle
  csDoubleClicks,       // double clicks arrive as such (otherwise as a second press)
  csFixedWidth,
  csFixedHeight,
  csNoDesignVisible,
  csReplicatable,
  csNoStdEvents,        // the mouse and key messages run no OnMouse*/OnKey* events
  csDisplayDragImage,
  csReflector,
  csActionClient,       // an action is linked
  csMenuEvents
};
using TControlStyle = TSet<TControlStyleItem>;

/// What a control is doing right now (ControlState).
enum TControlStateItem {
  csLButtonDown,       // the left button went down on it and is not released yet
  csClicked,           // a press that may become a Click is in progress
  csPalette,
  csReadingState,
  csAlignmentNeeded,   // a realign was asked for while alignment was disabled
  csFocusing,          // a focus change to it is being carried out
  csCreating,          // its window is being created
  csPaintCopy,         // it paints as the background of a neighbour, not for itself
  csCustomPaint,       // a windowed control paints itself (not the window class)
  csDestroyingHandle,  // its window is being destroyed
  csDocking
};
using TControlState = TSet<TControlStateItem>;

/// Modifier keys and buttons held during an input event; ssDouble marks the press of a double click.
enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

/// Reading order and alignment a control asks for; the platform lays text out left to right whatever
/// is stored.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
/// Whether a press starts dragging by itself (dmAutomatic), and whether a drag moves data or docks.
enum TDragMode { dmManual, dmAutomatic };
enum TDragKind { dkDrag, dkDock };
/// Where a drag stands over a control it passes: entering it, moving over it, leaving it.
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

/// The shift state a mouse message's wParam (MK_* flags) describes, Alt taken from the key state.
TShiftState KeysToShiftState(WPARAM Keys);
/// The shift state of a key message: bit 29 of KeyData is Alt, Shift and Ctrl come from the key state.
TShiftState KeyDataToShiftState(LPARAM KeyData);

/// A cursor of the screen's cursor list: crDefault (0) lets the parent or the window class decide.
using TCursor = short;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

/// What a windowed control's window is created from (CreateParams fills it, CreateWindowHandle uses it).
/// WindowClass.lpfnWndProc is the procedure the control's DefaultHandler passes unhandled messages to
/// (null: the default window procedure); the window is registered under WinClassName.
struct TCreateParams {
  String Caption;
  DWORD Style { 0 };
  DWORD ExStyle { 0 };
  int X { 0 };
  int Y { 0 };
  int Width { 0 };
  int Height { 0 };
  HWND WndParent { 0 };
  void* Param { nullptr };
  WNDCLASS WindowClass;
  String WinClassName;
};

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
/// Key may be set to 0 to consume the key.
using TKeyEvent = std::function<void(TObject* Sender, Word& Key, TShiftState Shift)>;
/// Key is one code point; 0 consumes it.
using TKeyPressEvent = std::function<void(TObject* Sender, char32_t& Key)>;
using TCanResizeEvent = std::function<void(TObject* Sender, int& NewWidth, int& NewHeight, bool& Resize)>;
using TContextPopupEvent = std::function<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
/// Source, a dragged control, is over Sender at X, Y (Sender's client coordinates); Accept says whether
/// Sender takes a drop.
using TDragOverEvent =
    std::function<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
/// Source was dropped on Sender at X, Y (Sender's client coordinates).
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
/// Sender's drag ended: dropped on Target at X, Y of Target, or cancelled (Target null, X, Y of Sender).
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;
