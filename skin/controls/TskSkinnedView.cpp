#include "skin/controls/TskSkinnedView.h"

#include "platform/ui/toolkit/TCustomListView.h"
#include "platform/ui/toolkit/TCustomTreeView.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/skExternalScrollBar.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"

template <class TView>
TskSkinnedView<TView>::TskSkinnedView(TComponent* AOwner, const String& ARecordName)
    : TView(AOwner), FSkinDataName(ARecordName), FDefaultFont(std::make_unique<TFont>()) {
  FDefaultFont->SetName("Tahoma");
  FDefaultFont->SetHeight(13);
}

template <class TView> void TskSkinnedView<TView>::SetSkinData(TskSkinData* Value) {
  if (FSD && FSD != Value) FSD->RemoveFreeNotification(this);
  FSD = Value;
  if (FSD) FSD->FreeNotification(this);
  if (FSD && !FSD->Empty) ChangeSkinData();
}

template <class TView> void TskSkinnedView<TView>::SetDefaultFont(TFont* Value) {
  FDefaultFont->Assign(Value);
  if (FIndex == -1) this->SetFont(Value);
}

template <class TView> void TskSkinnedView<TView>::SetDefaultColor(TColor Value) {
  FDefaultColor = Value;
  if (FIndex == -1) this->SetColor(Value);
}

template <class TView> void TskSkinnedView<TView>::SetVScrollBar(TskSkinScrollBar* Value) {
  FVScrollBar = Value;
  AttachExternalScrollBar(FVScrollBar, this, [this](TObject* Sender) { OnVScrollBarChange(Sender); });
  UpDateScrollBars();
}

template <class TView> void TskSkinnedView<TView>::SetHScrollBar(TskSkinScrollBar* Value) {
  FHScrollBar = Value;
  AttachExternalScrollBar(FHScrollBar, this, [this](TObject* Sender) { OnHScrollBarChange(Sender); });
  UpDateScrollBars();
}

template <class TView>
void TskSkinnedView<TView>::Notification(TComponent* AComponent, TOperation Operation) {
  TView::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSD) FSD = nullptr;
  if (AComponent == FVScrollBar) FVScrollBar = nullptr;
  if (AComponent == FHScrollBar) FHScrollBar = nullptr;
}

template <class TView> void TskSkinnedView<TView>::WndProc(TMessage& Message) {
  TView::WndProc(Message);
  if (Message.Msg != CM_VISIBLECHANGED) return;
  for (TskSkinScrollBar* Bar : { FVScrollBar, FHScrollBar })
    if (Bar) Bar->SetVisible(this->Visible());
}

template <class TView> void TskSkinnedView<TView>::RealignBars() {
  for (TskSkinScrollBar* Bar : { FVScrollBar, FHScrollBar })
    if (Bar && Bar->Align() != alNone && Bar->Parent()) Bar->Parent()->Realign();
}

template <class TView> void TskSkinnedView<TView>::TakeDefaultLook() {
  this->SetColor(FDefaultColor);
  this->SetFont(FDefaultFont.get());
}

template <class TView> void TskSkinnedView<TView>::TakeCharset() {
  this->Font()->SetCharset(FSD && FSD->ResourceStrData() ? FSD->ResourceStrData()->CharSet() : FDefaultFont->Charset());
}

template class TskSkinnedView<TCustomListView>;
template class TskSkinnedView<TCustomTreeView>;
