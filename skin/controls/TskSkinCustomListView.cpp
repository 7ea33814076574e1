#include "skin/controls/TskSkinCustomListView.h"

#include "platform/base/TemporaryChange.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/winsys/ScrollBars.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/skExternalScrollBar.h"
#include "skin/controls/skControlMessages.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skColorMix.h"
#include "skin/core/skDataSkinSimpleControls.h"

namespace {

/// Runs Action with Flag on, restoring its previous value afterwards.
template <class TAction> void WithFlag(bool& Flag, TAction&& Action) {
  TemporaryChange On(Flag, true);
  Action();
}

}  // namespace

TskSkinCustomListView::TskSkinCustomListView(TComponent* AOwner) : TskSkinnedView(AOwner, "listview") {
  FDefaultFont->SetStyle({});
  SetFont(FDefaultFont.get());
}

TskSkinCustomListView::~TskSkinCustomListView() { RestoreHeader(); }

// ---- Skin ------------------------------------------------------------------------------------------------

void TskSkinCustomListView::ChangeSkinData() {
  FIndex = FSD && !FSD->Empty ? FSD->GetControlIndex(FSkinDataName) : -1;
  if (FIndex == -1) {
    TakeDefaultLook();
  } else if (auto* Record = dynamic_cast<TskDataSkinListView*>(FSD->CtrlList[FIndex].get())) {
    TakeRecordLook(*Record);
    FLineColor = MixColors(MixColors(MixColors(Record->FontColor, Record->BGColor), Record->BGColor), Record->BGColor);
  }
  TakeCharset();
  UpDateScrollBars();
  RealignBars();
  if (ViewStyle() == vsReport && FHeaderHandle) InvalidateHeader(true);
}

void TskSkinCustomListView::Loaded() {
  WithFlag(FInCheckScrollBars, [&] { TCustomListView::Loaded(); });
  ChangeSkinData();
}

// ---- Messages --------------------------------------------------------------------------------------------

void TskSkinCustomListView::CreateParams(TCreateParams& Params) {
  TCustomListView::CreateParams(Params);
  Params.Style &= ~(WS_HSCROLL | WS_VSCROLL);
}

void TskSkinCustomListView::Change(TListItem* Item, TItemChange Change) {
  TCustomListView::Change(Item, Change);
  if (!FInCheckScrollBars) UpDateScrollBars();
}

void TskSkinCustomListView::WndProc(TMessage& Message) {
  if (AnswerOutsideBarsNonClient(Message)) return;
  switch (Message.Msg) {
  case WM_SKINPRINTHEADER:
    if (FHeaderHandle) PaintHeader(HDC(Message.WParam));
    return;
  case WM_PARENTNOTIFY:
    if (LOWORD(Message.WParam) == WM_CREATE && ShowColumnHeaders() &&
        GetClassName(HWND(Message.LParam)).substr(0, 80) == "SysHeader32")
      SubclassHeader(HWND(Message.LParam));
    break;
  }
  TskSkinnedView::WndProc(Message);
  switch (Message.Msg) {
  case WM_SIZE:
    if (!FInCheckScrollBars && Items()->Count() > 0) UpDateScrollBars();
    if (ViewStyle() == vsReport && FHeaderHandle) InvalidateHeader(false);
    break;
  case WM_PAINT:
    if (!FInCheckScrollBars) UpDateScrollBars();
    if (ViewStyle() == vsReport && FHeaderHandle && (GridLines() || FDrawSkin)) {
      TRect R;
      GetWindowRect(FHeaderHandle, &R);
      Canvas()->Brush()->SetColor(Color());
      Canvas()->FillRect(Rect(0, R.Height(), Width(), R.Height() + 1));
    }
    break;
  case WM_KEYDOWN:
  case WM_LBUTTONUP:
    UpDateScrollBars();
    break;
  }
}

// ---- Scroll bars -----------------------------------------------------------------------------------------

int TskSkinCustomListView::FirstItemHeight() {
  return Items()->Count() > 0 ? Items()->Item(0)->DisplayRect(drBounds).Height() : 0;
}

int TskSkinCustomListView::FirstItemWidth() {
  return Items()->Count() > 0 ? Items()->Item(0)->DisplayRect(drBounds).Width() : 0;
}

void TskSkinCustomListView::UpDateScrollBars() {
  if (!HandleAllocated() || FromSB || Width() <= 5 || Height() <= 5 || FInCheckScrollBars) return;
  int VMin = 0, VMax = 0, HMin = 0, HMax = 0;
  GetScrollRange(Handle(), SB_VERT, &VMin, &VMax);
  GetScrollRange(Handle(), SB_HORZ, &HMin, &HMax);
  const int VPos = GetScrollPos(Handle(), SB_VERT);
  const int HPos = GetScrollPos(Handle(), SB_HORZ);
  const bool VWasVisible = FVScrollBar && FVScrollBar->Visible();
  const bool HWasVisible = FHScrollBar && FHScrollBar->Visible();
  switch (ViewStyle()) {
  case vsIcon:
  case vsSmallIcon:
    UpdateIconBars(VMin, VMax, VPos, HMin, HMax, HPos);
    break;
  case vsList:
    UpdateListBars(HMin, HMax, HPos);
    break;
  case vsReport:
    UpdateReportBars(VMin, VMax, VPos, HMin, HMax, HPos);
    break;
  }
  if (FVScrollBar && FHScrollBar && FHScrollBar->Both() != FVScrollBar->Visible())
    FHScrollBar->SetBoth(FVScrollBar->Visible());
  const bool Changed = (FVScrollBar && FVScrollBar->Visible() != VWasVisible) ||
                       (FHScrollBar && FHScrollBar->Visible() != HWasVisible);
  if (Changed && Align() != alNone && Parent()) WithFlag(FInCheckScrollBars, [&] { Parent()->AlignChildren(); });
}

void TskSkinCustomListView::UpdateIconBars(int VMin, int VMax, int VPos, int HMin, int HMax, int HPos) {
  const int Step = std::max(FirstItemHeight() / 2, 1);
  if (FVScrollBar) {
    const bool Show = Visible() && Height() < VMax;
    ShowExternalScrollBar(FVScrollBar, Show, FInCheckScrollBars);
    if (Show) {
      FVScrollBar->SetSmallChange(Step);
      FVScrollBar->SetLargeChange(Step);
      FVScrollBar->SetRange(VMin, VMax, VPos, Height());
      FOldVScrollBarPos = VPos;
    }
  }
  if (FHScrollBar) {
    const bool Show = Visible() && Width() < HMax;
    ShowExternalScrollBar(FHScrollBar, Show, FInCheckScrollBars);
    if (Show) {
      FHScrollBar->SetSmallChange(Step);
      FHScrollBar->SetLargeChange(Step);
      FHScrollBar->SetRange(HMin, HMax, HPos, Width());
      FOldHScrollBarPos = HPos;
    }
  }
}

void TskSkinCustomListView::UpdateListBars(int HMin, int HMax, int HPos) {
  ShowExternalScrollBar(FVScrollBar, false, FInCheckScrollBars);
  if (!FHScrollBar) return;
  const int PerPage = int(SendMessage(Handle(), LVM_GETCOUNTPERPAGE, 0, 0));
  const bool Show = Visible() && PerPage < Items()->Count();
  ShowExternalScrollBar(FHScrollBar, Show, FInCheckScrollBars);
  if (!Show) return;
  const int W = std::max(FirstItemWidth(), 1);
  FHScrollBar->SetRange(HMin, HMax, HPos, Width() / W);
  FHScrollBar->SetSmallChange(1);
  FHScrollBar->SetLargeChange(1);
  FOldHScrollBarPos = HPos;
}

void TskSkinCustomListView::UpdateReportBars(int VMin, int VMax, int VPos, int HMin, int HMax, int HPos) {
  const int PerPage = int(SendMessage(Handle(), LVM_GETCOUNTPERPAGE, 0, 0));
  if (FVScrollBar) {
    const bool Show = Visible() && PerPage < VMax + 1;
    ShowExternalScrollBar(FVScrollBar, Show, FInCheckScrollBars);
    if (Show) {
      FVScrollBar->SetRange(VMin, VMax, VPos, PerPage);
      FOldVScrollBarPos = VPos;
      FVScrollBar->SetSmallChange(1);
      FVScrollBar->SetLargeChange(PerPage <= 0 ? 1 : PerPage);
    }
  }
  if (FHScrollBar) {
    const bool Show = Visible() && Width() < HMax;
    ShowExternalScrollBar(FHScrollBar, Show, FInCheckScrollBars);
    if (Show) {
      FHScrollBar->SetRange(HMin, HMax, HPos, Width());
      FOldHScrollBarPos = HPos;
    }
  }
}

void TskSkinCustomListView::CancelEditing() {
  if (IsEditing() && Selected()) Perform(LVM_CANCELEDITLABEL, 0, 0);
}

void TskSkinCustomListView::OnVScrollBarChange(TObject*) {
  WithFlag(FromSB, [&] {
    CancelEditing();
    int DY = FVScrollBar->Position() - FOldVScrollBarPos;
    if (ViewStyle() == vsList || ViewStyle() == vsReport) DY *= FirstItemHeight();
    Scroll(0, DY);
    FOldVScrollBarPos = FVScrollBar->Position();
  });
}

void TskSkinCustomListView::OnHScrollBarChange(TObject*) {
  WithFlag(FromSB, [&] {
    CancelEditing();
    const int Position = FHScrollBar->Position();
    if (ViewStyle() == vsList) {
      const WPARAM Code = Position < FOldHScrollBarPos ? SB_LINELEFT : SB_LINERIGHT;
      for (int I = std::abs(Position - FOldHScrollBarPos); I > 0; --I) Perform(WM_HSCROLL, Code, 0);
    } else {
      Scroll(Position - FOldHScrollBarPos, 0);
    }
    FOldHScrollBarPos = Position;
  });
}
