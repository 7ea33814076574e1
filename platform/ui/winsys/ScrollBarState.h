#pragma once
// The scroll information of one standard scroll bar of a window (SB_HORZ or SB_VERT), kept in the window
// record whether or not the bar shows, so controls without visible bars still publish their range, page
// and position to whoever draws bars for them.
#include "platform/ui/winsys/UiTypes.h"

// SCROLLINFO::fMask bits.
constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

/// Range, page and position of a scroll bar as GetScrollInfo / SetScrollInfo exchange them; fMask says
/// which fields are read or filled.
struct SCROLLINFO {
  UINT cbSize { sizeof(SCROLLINFO) };
  UINT fMask { 0 };
  int nMin { 0 };
  int nMax { 0 };
  UINT nPage { 0 };
  int nPos { 0 };
  int nTrackPos { 0 };
};

/// One bar's state with the rules that keep it consistent: the page never exceeds the range's size
/// (nMax - nMin + 1) and the position stays within nMin .. nMax - max(nPage - 1, 0).
class ScrollBarState {
public:
  /// Applies the fields fMask names, then brings page and position back into range.
  void Set(const SCROLLINFO& Info);
  /// Fills the fields Info.fMask names.
  void Get(SCROLLINFO& Info) const;

  int Min() const { return FMin; }
  int Max() const { return FMax; }
  UINT Page() const { return FPage; }
  int Pos() const { return FPos; }
  /// The largest position the page allows.
  int MaxPos() const;
  /// Something to scroll: the range is larger than one page.
  bool CanScroll() const;

  /// ESB_* arrow flags of EnableScrollBar (0: both arrows enabled).
  UINT DisabledArrows() const { return FDisabledArrows; }
  void SetDisabledArrows(UINT Arrows) { FDisabledArrows = Arrows; }

private:
  int FMin { 0 };
  int FMax { 0 };
  UINT FPage { 0 };
  int FPos { 0 };
  UINT FDisabledArrows { 0 };
};
