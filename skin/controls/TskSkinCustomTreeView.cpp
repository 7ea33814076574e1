#include "skin/controls/TskSkinCustomTreeView.h"

#include "platform/base/TemporaryChange.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/ScrollBars.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/skExternalScrollBar.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skColorMix.h"
#include "skin/core/skDataSkinSimpleControls.h"

namespace {

/// Lines without a skin.
constexpr TColor DefaultLineColor = TColor(0x808080);

}  // namespace

TskSkinCustomTreeView::TskSkinCustomTreeView(TComponent* AOwner)
    : TskSkinnedView(AOwner, "treeview"), FExpandImage(std::make_unique<TBitmap>()),
      FNoExpandImage(std::make_unique<TBitmap>()) {}

TskSkinCustomTreeView::~TskSkinCustomTreeView() = default;

// ---- Skin ------------------------------------------------------------------------------------------------

void TskSkinCustomTreeView::SetButtonImageList(TCustomImageList* Value) {
  FButtonImageList = Value;
  if (Value) Value->FreeNotification(this);
}

void TskSkinCustomTreeView::ReadButtonImages(TskSkinData* Model, int PictureIndex, const TRect& Expand,
                                             const TRect& NoExpand) {
  TBitmap* Picture = TskSkinGeometry::ModelPicture(Model, PictureIndex);
  if (Expand.IsEmpty() || NoExpand.IsEmpty() || !Picture) {
    FExpandImage = std::make_unique<TBitmap>();
    FNoExpandImage = std::make_unique<TBitmap>();
    return;
  }
  for (auto [Image, Source] : { std::pair { FExpandImage.get(), Expand }, std::pair { FNoExpandImage.get(), NoExpand } }) {
    Image->SetSize(Source.Width(), Source.Width());
    Image->Canvas()->CopyRect(Rect(0, 0, Source.Width(), Source.Width()), Picture->Canvas(), Source);
    Image->SetTransparent(true);
  }
}

void TskSkinCustomTreeView::ChangeSkinData() {
  if (ComponentState().Contains(csLoading)) return;
  FIndex = FSD && !FSD->Empty ? FSD->GetControlIndex(FSkinDataName) : -1;
  if (FIndex == -1) {
    TakeDefaultLook();
    FLineColor = DefaultLineColor;
  } else if (auto* Record = dynamic_cast<TskDataSkinTreeView*>(FSD->CtrlList[FIndex].get())) {
    TakeRecordLook(*Record);
    FLineColor = MixColors(MixColors(Record->FontColor, Record->BGColor), Record->BGColor);
    FButtonColor = MixColors(Record->FontColor, Record->BGColor);
    ReadButtonImages(FSD, Record->PictureIndex, Record->ExpandImageRect, Record->NoExpandImageRect);
  }
  TakeCharset();
  if (Images()) Images()->SetBkColor(Color());
  if (StateImages()) StateImages()->SetBkColor(Color());
  UpDateScrollBars();
  RealignBars();
  Invalidate();
}

void TskSkinCustomTreeView::Loaded() {
  TCustomTreeView::Loaded();
  ChangeSkinData();
}

void TskSkinCustomTreeView::Notification(TComponent* AComponent, TOperation Operation) {
  TskSkinnedView::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FButtonImageList) FButtonImageList = nullptr;
}

int TskSkinCustomTreeView::ButtonSize() {
  if (FButtonImageList) return std::max(FButtonImageList->Width(), FButtonImageList->Height()) / 2;
  if (!FExpandImage->Empty() && !FNoExpandImage->Empty()) return FExpandImage->Width() / 2 - 2;
  return 5;
}

// ---- Messages --------------------------------------------------------------------------------------------

void TskSkinCustomTreeView::CreateParams(TCreateParams& Params) {
  TCustomTreeView::CreateParams(Params);
  Params.Style &= ~(WS_HSCROLL | WS_VSCROLL);
}

void TskSkinCustomTreeView::Change(TTreeNode* Node) {
  TCustomTreeView::Change(Node);
  UpDateScrollBars();
}

void TskSkinCustomTreeView::WndProc(TMessage& Message) {
  if (AnswerOutsideBarsNonClient(Message)) return;
  TskSkinnedView::WndProc(Message);
  switch (Message.Msg) {
  case WM_SIZE:
  case WM_PAINT:
    if (!FInCheckScrollBars) UpDateScrollBars();
    break;
  case WM_KEYDOWN:
  case WM_LBUTTONUP:
    UpDateScrollBars();
    break;
  }
}

// ---- Scroll bars -----------------------------------------------------------------------------------------

void TskSkinCustomTreeView::UpDateScrollBars() {
  if (!HandleAllocated() || ComponentState().Contains(csLoading) || FInCheckScrollBars) return;
  bool Changed = false;
  if (FVScrollBar) {
    int Min = 0, Max = 0;
    GetScrollRange(Handle(), SB_VERT, &Min, &Max);
    SCROLLINFO Info;
    Info.fMask = SIF_POS;
    GetScrollInfo(Handle(), SB_VERT, &Info);
    const int Page = int(SendMessage(Handle(), TVM_GETVISIBLECOUNT, 0, 0));
    const int Count = int(SendMessage(Handle(), TVM_GETCOUNT, 0, 0));
    const bool Show = Visible() && Max > 0 && Max >= Page && Max < Count;
    Changed |= ShowExternalScrollBar(FVScrollBar, Show, FInCheckScrollBars);
    if (Show) FVScrollBar->SetRange(Min, Max, Info.nPos, Page);
  }
  if (FHScrollBar) {
    int Min = 0, Max = 0;
    GetScrollRange(Handle(), SB_HORZ, &Min, &Max);
    const bool Show = Visible() && Width() < Max;
    Changed |= ShowExternalScrollBar(FHScrollBar, Show, FInCheckScrollBars);
    if (Show) FHScrollBar->SetRange(Min, Max, GetScrollPos(Handle(), SB_HORZ), Width());
  }
  if (FVScrollBar && FHScrollBar && FHScrollBar->Both() != FVScrollBar->Visible())
    FHScrollBar->SetBoth(FVScrollBar->Visible());
  if (Changed && Align() != alNone && Parent()) {
    TemporaryChange Aligning(FInCheckScrollBars, true);
    Parent()->AlignChildren();
  }
}

// The message carries 16 bits of the position: the full position goes into the scroll information first,
// where the tree reads it on SB_THUMBPOSITION, so rows beyond 65,535 are reached.
void TskSkinCustomTreeView::OnVScrollBarChange(TObject*) {
  SCROLLINFO Info;
  Info.fMask = SIF_ALL;
  GetScrollInfo(Handle(), SB_VERT, &Info);
  Info.fMask = SIF_POS;
  Info.nPos = FVScrollBar->Position();
  SetScrollInfo(Handle(), SB_VERT, Info, true);
  Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, Word(FVScrollBar->Position() & 0xFFFF)), 0);
}

void TskSkinCustomTreeView::OnHScrollBarChange(TObject*) {
  Perform(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, Word(FHScrollBar->Position())), 0);
}
