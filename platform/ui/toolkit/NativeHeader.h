#pragma once
// The column header of a list view's report view: a child window of class "SysHeader32" whose sections
// are the list view's columns in display order. Its class procedure answers HDM_GETITEMCOUNT,
// HDM_GETITEMRECT, HDM_HITTEST and HDM_GETORDERARRAY, paints the sections, and handles the mouse:
// dragging a divider resizes a column, a click raises the list view's column click, and with FullDrag a
// section dragged sideways moves its column. A subclass installed on the window keeps all of this by
// passing the messages on.
#include "platform/base/Types.h"
#include "platform/gdi/GdiObject.h"
#include "platform/ui/winsys/Messages.h"

class NativeListView;
class TCustomListView;

/// The header window's behaviour; see the file comment. The list view's window side owns it; the window
/// is its child and dies with it.
class NativeHeader {
public:
  /// Creates the header window as a child of the list view's window.
  NativeHeader(TCustomListView& List, NativeListView& Owner, HWND Parent);
  ~NativeHeader();
  NativeHeader(const NativeHeader&) = delete;
  NativeHeader& operator=(const NativeHeader&) = delete;

  /// The window; 0 once it was destroyed.
  HWND Handle() const { return FWnd; }

  static constexpr const char* ClassName = "SysHeader32";

private:
  static LRESULT ClassProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  static void RegisterWindowClass();
  LRESULT Message(UINT Msg, WPARAM WParam, LPARAM LParam);

  int Count() const;
  /// The section under a point and whether it is on a divider (HHT_* flags).
  int HitTest(TPoint P, UINT& Flags);
  void Paint(HDC DC);
  void PaintSection(HDC DC, int Index, const TRect& R, bool Pressed);
  void MouseDown(TPoint P);
  void MouseMove(TPoint P);
  void MouseUp(TPoint P);
  void CancelTracking();
  /// The display position a section dropped at x goes to.
  int DropPosition(int X);

  TCustomListView& FList;
  NativeListView& FOwner;
  HWND FWnd { 0 };
  enum class Tracking { None, Divider, Section, Drag };
  Tracking FTracking { Tracking::None };
  int FTrackItem { -1 };
  int FTrackStartX { 0 };
  int FTrackStartWidth { 0 };
  int FDragX { 0 };
  bool FPressedInside { false };
};
