#pragma once
// The tab control window's own behaviour, owned by a TCustomTabControl and fed with what reaches its
// DefaultHandler: the layout of the tabs in rows (or one scrolled row), the display rectangle, painting,
// hit testing, the mouse and keys, and the TCM_* messages.
#include <vector>

#include "platform/base/Types.h"
#include "platform/gdi/GdiObject.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/toolkit/TCustomImageList.h"

class TCustomTabControl;

/// The window side of a tab control: owned by its TCustomTabControl, which feeds it the messages its DefaultHandler
/// receives and whose items and properties it reads; it never exists without that owner.
class NativeTabControl {
public:
  explicit NativeTabControl(TCustomTabControl& Tabs);
  ~NativeTabControl();
  NativeTabControl(const NativeTabControl&) = delete;
  NativeTabControl& operator=(const NativeTabControl&) = delete;

  /// Handles a message of the tab control's window (or performed on it without one); false leaves it to
  /// the default window procedure.
  bool Handle(TMessage& Message);
  /// The tabs, an option or the font changed.
  void LayoutChanged();

private:
  void Layout();
  /// A tab's length along its line, and every tab's size across it.
  int TabLength(int Index, HDC DC);
  int TabAcross() const;
  bool Horizontal() const;
  /// Rows (columns for side tabs) of tabs.
  int Lines();
  /// The display rectangle inside a window rectangle, and back.
  TRect DisplayFrom(const TRect& Window);
  TRect WindowFrom(const TRect& Display);
  /// The frame around the display area, in client coordinates.
  TRect FrameRect();
  /// Where a single row must end to show whole: the client's width (height for side tabs) less the margin.
  int RowEnd() const;
  /// The largest first tab a single row may scroll to (the rest then fits).
  int MaxFirst();
  int HitTest(TPoint P);
  /// Selects Index (no notification) and scrolls a single row so that its tab shows whole.
  void Select(int Index);
  /// The user picks Index: CanChange, select, Change.
  void Pick(int Index);
  void MakeVisible(int Index);
  void Invalidate();

  void Paint(HDC DC);
  void PaintTab(HDC DC, int Index, bool Selected);

  TCustomTabControl& FTabs;
  bool FLayoutStale { true };
  std::vector<TRect> FRects;
  int FLineCount { 1 };
  int FTabExtent { 0 };
  int FTextHeight { 13 };
  int FSelected { -1 };
  int FFirst { 0 };
  int FHot { -1 };
  /// TCM_SETITEMSIZE: fixed width and height of the tabs (0: natural).
  int FItemWidth { 0 };
  int FItemHeight { 0 };
  HIMAGELIST FImages { 0 };
};
