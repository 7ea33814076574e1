#pragma once
// The platform list view dressed by the skin.
//
// Font and colours come from the record named SkinDataName (kind "listview"). The column header child
// ("SysHeader32") is subclassed when its creation is announced and painted by this control: each section
// from the record HeaderSkinDataName (kind "button"; "resizetoolbutton" when the skin has no such record)
// or in a flat built-in look, and the header is kept 25 pixels wider than proposed so no native edge shows
// at the right. The native scroll bars never show (no non-client area); two external skinned bars assigned
// to VScrollBar and HScrollBar mirror the window's scroll information (UpDateScrollBars) and scroll the
// list when moved. A bar's visibility change re-aligns the parent, which resizes the list and would update
// the bars again: FInCheckScrollBars and FromSB guard against that re-entry.
//
// With DrawSkin on, every item is painted from the list-box record ItemSkinDataName (selected rows from its
// focus or active piece), with check images from CheckSkinDataName and, with DrawSkinLines, the skin lines;
// without that record the native control draws the item. Turning DrawSkin off gives the items back to the
// native drawing.
//
// Not a skinned control of the common protocol: it keeps its own binding and a skin change reaches it
// through IskSkinChangeable.
#include <memory>

#include "platform/gdi/TFont.h"
#include "platform/ui/toolkit/TCustomListView.h"
#include "platform/ui/winsys/WindowProc.h"
#include "skin/controls/TskSkinnedView.h"
#include "skin/core/skSkinTypes.h"

class TBitmap;
class TskSkinData;
class TskSkinScrollBar;

/// Replaces the default drawing of one sub-item cell of a skin-painted item.
using TskDrawSkinSubItemEvent = std::function<void(TCustomListView* Sender, TListItem* Item, int SubItemIndex,
                                                   TCustomDrawState State, TCanvas* ACanvas, const TRect& ADrawRect)>;
/// Replaces the content (caption and image) of one header section; the section's face is drawn already.
using TskDrawHeaderSectionEvent =
    std::function<void(TCanvas* Cnvs, TListColumn* Column, bool Pressed, const TRect& R)>;

/// The skinned list view; see the file comment.
class TskSkinCustomListView : public TskSkinnedView<TCustomListView> {
public:
  explicit TskSkinCustomListView(TComponent* AOwner);
  ~TskSkinCustomListView() override;

  /// Re-reads the skin: font and colours, line colour, bars and header.
  void ChangeSkinData() override;
  void UpDateScrollBars() override;

  const String& HeaderSkinDataName() const { return FHeaderSkinDataName; }
  void SetHeaderSkinDataName(const String& Value) { FHeaderSkinDataName = Value; }
  const String& CheckSkinDataName() const { return FCheckSkinDataName; }
  void SetCheckSkinDataName(const String& Value) { FCheckSkinDataName = Value; }

  bool DrawSkin() const { return FDrawSkin; }
  /// On: the skinned item painter becomes OnCustomDrawItem (replacing any other) and FullDrag goes off.
  /// Off: the painter is removed when it is still installed, so the native control draws the items.
  virtual void SetDrawSkin(bool Value);
  bool DrawSkinLines() const { return FDrawSkinLines; }
  void SetDrawSkinLines(bool Value) { FDrawSkinLines = Value; }
  /// The colour of the skin lines, one eighth of the way from the record's background to its font colour.
  TColor LineColor() const { return FLineColor; }

  /// The subclassed header window; 0 when none.
  HWND HeaderHandle() const { return FHeaderHandle; }

  TskDrawSkinSubItemEvent OnDrawSkinSubItem;
  TskDrawHeaderSectionEvent OnDrawHeaderSection;

protected:
  void Loaded() override;
  void WndProc(TMessage& Message) override;
  void CreateParams(TCreateParams& Params) override;
  void Change(TListItem* Item, TItemChange Change) override;

private:
  struct TItemPainter;

  /// The header record's geometry, read before each section and before the area right of the sections.
  struct THeaderSkin {
    int Index { -1 };
    TPoint LTPt, RTPt, LBPt, RBPt;
    TRect SkinRect, ClRect, ActiveSkinRect, DownSkinRect;
    TBitmap* Picture { nullptr };
    TColor FontColor { clBlack };
    TColor DownFontColor { clBlack };
    bool StretchEffect { false };
    bool LeftStretch { false };
    bool TopStretch { false };
    bool RightStretch { false };
    bool BottomStretch { false };
    TskStretchType StretchType { skstFull };
  };

  // ---- Header (TskSkinListViewHeader.cpp) ----
  void SubclassHeader(HWND Header);
  void RestoreHeader();
  LRESULT HeaderWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  void GetHeaderSkinData();
  /// Whether the header record can draw: it exists and has its picture.
  bool HeaderSkinned() const { return FHeader.Index != -1 && FHeader.Picture; }
  TRect GetHeaderSectionRect(int Index);
  void DrawHeaderSection(TCanvas* Canvas, TListColumn* Column, const TRect& R, bool Pressed);
  void DrawHeaderSectionContent(TBitmap* B, TListColumn* Column, TRect T);
  /// The header's face in B (state piece S) at B's size; LeftPart leaves the right end out.
  void DrawHeaderFace(TBitmap* B, const TRect& S, bool LeftPart);
  /// Paints the header into DC, or inside BeginPaint/EndPaint for DC 0; a DC handed in is never released.
  void PaintHeader(HDC DC);
  void InvalidateHeader(bool Erase);

  // ---- Scroll bars ----
  void UpdateIconBars(int VMin, int VMax, int VPos, int HMin, int HMax, int HPos);
  void UpdateListBars(int HMin, int HMax, int HPos);
  void UpdateReportBars(int VMin, int VMax, int VPos, int HMin, int HMax, int HPos);
  void OnVScrollBarChange(TObject* Sender) override;
  void OnHScrollBarChange(TObject* Sender) override;
  void CancelEditing();
  int FirstItemHeight();
  int FirstItemWidth();

  // ---- Items (TskSkinListViewItems.cpp) ----
  void SkinDrawItem(TCustomListView* Sender, TListItem* Item, TCustomDrawState State, bool& DefaultDraw);
  void FetchThirdImages();
  void DrawItemIcon(TListItem* Item, TRect& I);
  void DrawItemCheck(TListItem* Item, const TRect& I, const TRect& Bd, TBitmap* Picture, const TRect& P);
  void DrawSubItemDefault(TListItem* Item, int SubItem, TCanvas* Canvas, TRect C, bool InSelectedRow);
  void DrawSubItems(TListItem* Item, TCustomDrawState State, TCanvas* Canvas, const TRect& Bd, int Top, int Bottom,
                    int ShiftLeft, bool InSelectedRow);
  void DrawSkinLinesOf(TListItem* Item, const TRect& Bd);
  int ColumnWidth(int Index);

  bool IsOurPainterInstalled() const;

  int FThirdImages { 0 };
  int FThirdImageWidth { 0 };
  int FThirdImageHeight { 0 };
  int FThirdImagesCount { 0 };
  TColor FLineColor { clBlack };
  String FCheckSkinDataName { "checkbox" };
  bool FDrawSkin { false };
  bool FDrawSkinLines { false };
  bool FDevDown { false };
  String FHeaderSkinDataName { "header" };
  bool FromSB { false };
  int FOldVScrollBarPos { 0 };
  int FOldHScrollBarPos { 0 };
  HWND FHeaderHandle { 0 };
  ::WindowProc FHeaderInstance { [this](HWND W, UINT M, WPARAM WP, LPARAM LP) { return HeaderWndProc(W, M, WP, LP); } };
  WNDPROC FDefHeaderProc { nullptr };
  int FActiveSection { -1 };
  bool FHeaderDown { false };
  THeaderSkin FHeader;
};

/// The published skinned list view.
class TskSkinListView : public TskSkinCustomListView {
public:
  using TskSkinCustomListView::TskSkinCustomListView;
};
