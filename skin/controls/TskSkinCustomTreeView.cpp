#include "skin/controls/TskSkinCustomTreeView.h"

#include "platform/base/TemporaryChange.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/ScrollBars.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/TskSkinGeometry.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/skExternalScrollBar.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skColorMix.h"
#include "skin/core/skDataSkinSimpleControls.h"

namespace {

/// Lines without a skin.
constexpr TColor DefaultLineColor = TColor(0x808080);

}  // namespace

TskSkinCustomTreeView::TskSkinCustomTreeView(TComponent* AOwner)
    : TCustomTreeView(AOwner), FExpandImage(std::make_unique<TBitmap>()),
      FNoExpandImage(std::make_unique<TBitmap>()), FDefaultFont(std::make_unique<TFont>()) {
  FDefaultFont->SetName("Tahoma");
  FDefaultFont->SetHeight(13);
}

TskSkinCustomTreeView::~TskSkinCustomTreeView() = default;

// ---- Skin ------------------------------------------------------------------------------------------------

void TskSkinCustomTreeView::SetSkinData(TskSkinData* Value) {
  if (FSD && FSD != Value) FSD->RemoveFreeNotification(this);
  FSD = Value;
  if (FSD) FSD->FreeNotification(this);
  if (FSD && !FSD->Empty) ChangeSkinData();
}

void TskSkinCustomTreeView::SetDefaultFont(TFont* Value) {
  FDefaultFont->Assign(Value);
  if (FIndex == -1) SetFont(Value);
}

void TskSkinCustomTreeView::SetDefaultColor(TColor Value) {
  FDefaultColor = Value;
  if (FIndex == -1) SetColor(Value);
}

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
    SetColor(FDefaultColor);
    SetFont(FDefaultFont.get());
    FLineColor = DefaultLineColor;
  } else if (auto* Record = dynamic_cast<TskDataSkinTreeView*>(FSD->CtrlList[FIndex].get())) {
    if (FUseSkinFont) {
      Font()->SetName(Record->FontName);
      Font()->SetStyle(Record->FontStyle);
      Font()->SetHeight(Record->FontHeight);
    } else {
      SetFont(FDefaultFont.get());
    }
    Font()->SetColor(Record->FontColor);
    SetColor(Record->BGColor);
    FLineColor = MixColors(MixColors(Record->FontColor, Record->BGColor), Record->BGColor);
    FButtonColor = MixColors(Record->FontColor, Record->BGColor);
    ReadButtonImages(FSD, Record->PictureIndex, Record->ExpandImageRect, Record->NoExpandImageRect);
  }
  Font()->SetCharset(FSD && FSD->ResourceStrData() ? FSD->ResourceStrData()->CharSet() : FDefaultFont->Charset());
  if (Images()) Images()->SetBkColor(Color());
  if (StateImages()) StateImages()->SetBkColor(Color());
  UpDateScrollBars();
  for (TskSkinScrollBar* Bar : { FVScrollBar, FHScrollBar })
    if (Bar && Bar->Align() != alNone && Bar->Parent()) Bar->Parent()->Realign();
  Invalidate();
}

void TskSkinCustomTreeView::Loaded() {
  TCustomTreeView::Loaded();
  ChangeSkinData();
}

void TskSkinCustomTreeView::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomTreeView::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSD) FSD = nullptr;
  if (AComponent == FVScrollBar) FVScrollBar = nullptr;
  if (AComponent == FHScrollBar) FHScrollBar = nullptr;
  if (AComponent == FButtonImageList) FButtonImageList = nullptr;
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
  TCustomTreeView::WndProc(Message);
  switch (Message.Msg) {
  case CM_VISIBLECHANGED:
    for (TskSkinScrollBar* Bar : { FVScrollBar, FHScrollBar })
      if (Bar) Bar->SetVisible(Visible());
    break;
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

void TskSkinCustomTreeView::SetVScrollBar(TskSkinScrollBar* Value) {
  FVScrollBar = Value;
  AttachExternalScrollBar(FVScrollBar, this, [this](TObject* Sender) { OnVScrollBarChange(Sender); });
  UpDateScrollBars();
}

void TskSkinCustomTreeView::SetHScrollBar(TskSkinScrollBar* Value) {
  FHScrollBar = Value;
  AttachExternalScrollBar(FHScrollBar, this, [this](TObject* Sender) { OnHScrollBarChange(Sender); });
  UpDateScrollBars();
}

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
