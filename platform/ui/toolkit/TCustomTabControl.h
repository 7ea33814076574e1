#pragma once
// The tab control: a row (or rows) of tabs along one side and a framed display area.
//
// The tabs' layout, selection, scrolling and painting are the NativeTabControl this object owns; it
// handles what reaches DefaultHandler (TCM_* messages included), so a WndProc override sees every
// message first and may post-process it: TCM_ADJUSTRECT gives the display rectangle the children are
// aligned in (AdjustClientRect asks it through the window procedure), TCM_GETITEMRECT a tab's
// rectangle, TCM_SETCURSEL selects a tab from code (no notification). Hit testing uses the control's own
// rectangles, whatever a subclass answers for TCM_GETITEMRECT.
//
// Layout without a skin: the first tab of a top row starts at (2, 2); the display rectangle lies 4
// pixels inside the frame, whose top is the tab row's bottom, so its top is the row's bottom + 4 (the
// other positions mirror this). A single row too long for the control scrolls by whole tabs
// (WM_HSCROLL, SB_THUMBPOSITION with the first tab to show), a row of side tabs alike; tabs scrolled
// off report rectangles that end at or left of x 0 (at or above y 0 for side tabs). No up-down child
// is made for it.
//
// A click on another tab asks CanChange (OnChanging), selects it and reports Change (OnChange).
#include <memory>
#include <vector>

#include "platform/ui/toolkit/TControlCanvas.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TWinControl.h"
#include "platform/ui/toolkit/ViewMessages.h"
#include "platform/ui/toolkit/ViewTypes.h"

class NativeTabControl;

/// One tab: its caption and image (-1: none).
struct TTabEntry {
  String Caption;
  int ImageIndex { -1 };
  friend bool operator==(const TTabEntry&, const TTabEntry&) = default;
};

/// The tab control; see the file comment.
class TCustomTabControl : public TWinControl {
public:
  explicit TCustomTabControl(TComponent* AOwner);
  ~TCustomTabControl() override;

  TCanvas* Canvas() const { return FCanvas.get(); }

  // ---- Layout ----
  TTabPosition TabPosition() const { return FTabPosition; }
  void SetTabPosition(TTabPosition Value);
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value);
  /// Height of the tabs (0: from the font); set on the window with TCM_SETITEMSIZE.
  int TabHeight() const { return FTabHeight; }
  void SetTabHeight(int Value);
  /// Width of every tab (0: from its caption).
  int TabWidth() const { return FTabWidth; }
  void SetTabWidth(int Value);
  TTabStyle Style() const { return FStyle; }
  void SetStyle(TTabStyle Value);
  /// The tab under the mouse shows in the highlight colour.
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value);
  /// Rows of several lines keep their natural widths instead of filling the width.
  bool RaggedRight() const { return FRaggedRight; }
  void SetRaggedRight(bool Value);
  /// Stored only.
  bool ScrollOpposite() const { return FScrollOpposite; }
  void SetScrollOpposite(bool Value) { FScrollOpposite = Value; }
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool Value) { FOwnerDraw = Value; }
  /// Each tab keeps room for an image of the list's size (TCM_SETIMAGELIST).
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);

  // ---- Tabs ----
  /// The selected tab (TCM_GETCURSEL); -1 when none.
  int TabIndex();
  /// Selects a tab from code (TCM_SETCURSEL), without OnChanging / OnChange.
  void SetTabIndex(int Value);
  int TabCount() const { return int(FTabs.size()); }
  /// The area inside the frame (TCM_ADJUSTRECT of the client rectangle).
  TRect DisplayRect();
  /// A tab's rectangle (TCM_GETITEMRECT); empty for a bad index.
  TRect TabRect(int Index);
  /// The tab at a client point (TCM_HITTEST); -1 when none.
  int IndexOfTabAt(int X, int Y);
  int RowCount();

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

protected:
  /// The user is about to select another tab: OnChanging.
  virtual bool CanChange();
  /// The user selected another tab: OnChange.
  virtual void Change();
  /// Replaces the tabs (the selection stays on the same index where it can).
  void SetTabs(std::vector<TTabEntry> Tabs);
  const std::vector<TTabEntry>& Tabs() const { return FTabs; }

  void AdjustClientRect(TRect& Rect) override;
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  /// The window's own painting, also when windowless children make the control paint them after it.
  void PaintWindow(HDC DC) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  friend class NativeTabControl;

  void SendItemSize();
  void LayoutChanged();

  std::unique_ptr<TControlCanvas> FCanvas;
  std::unique_ptr<NativeTabControl> FNative;
  std::vector<TTabEntry> FTabs;
  TTabPosition FTabPosition { tpTop };
  bool FMultiLine { false };
  int FTabHeight { 0 };
  int FTabWidth { 0 };
  TTabStyle FStyle { tsTabs };
  bool FHotTrack { false };
  bool FRaggedRight { false };
  bool FScrollOpposite { false };
  bool FOwnerDraw { false };
  TCustomImageList* FImages { nullptr };
};
