#include "skin/ribbon/TskRibbonTab.h"

#include <utility>

#include "platform/ui/toolkit/TCustomForm.h"
#include "skin/ribbon/TskRibbon.h"
#include "skin/ribbon/TskRibbonPage.h"
#include "skin/ribbon/skUniqueName.h"

// ---- TskRibbonTab ----

TskRibbonTab::TskRibbonTab(TCollection* Collection) : TCollectionItem(Collection) {}

TskRibbon* TskRibbonTab::Ribbon() const {
  auto* Tabs = static_cast<TskRibbonTabs*>(Collection());
  return Tabs ? Tabs->Ribbon() : nullptr;
}

void TskRibbonTab::SetPage(TskRibbonPage* Value) {
  if (Value == FPage) return;
  FPage = Value;
  if (TskRibbon* R = Ribbon(); R && FPage) R->WatchPage(FPage);
  if (FPage && FPage->Ribbon) FPage->Ribbon->SetTabIndex(Index());
}

void TskRibbonTab::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  TskRibbon* R = Ribbon();
  if (!R) return;
  if (!FVisible && FPage && FPage->Visible()) FPage->Hide();
  if (!FVisible && R->TabIndex() == Index()) {
    if (R->SelectVisibleTab(Index() + 1, 1) || R->SelectVisibleTab(Index() - 1, -1)) return;
  }
  R->Repaint();
}

void TskRibbonTab::Assign(TPersistent* Source) {
  auto* Tab = dynamic_cast<TskRibbonTab*>(Source);
  if (!Tab) return TCollectionItem::Assign(Source);
  SetPage(Tab->FPage);
}

// ---- TskRibbonTabs ----

TskRibbonTab* TskRibbonTabs::Add() {
  TskRibbonTab* Tab = TTypedCollection::Add();
  CreatePage(Tab);
  return Tab;
}

TskRibbonTab* TskRibbonTabs::Insert(int Index) {
  TskRibbonTab* Tab = TTypedCollection::Insert(Index);
  // The selected tab moved one place on: its index follows it, so selecting the new tab hides its page.
  if (FRibbon && Tab->Index() <= FRibbon->FTabIndex) ++FRibbon->FTabIndex;
  CreatePage(Tab);
  return Tab;
}

void TskRibbonTabs::Delete(int Index) {
  TskRibbonTab* Tab = Items(Index);
  delete std::exchange(Tab->FPage, nullptr);
  TTypedCollection::Delete(Index);
  if (FRibbon) FRibbon->TabDeleted(Index);
}

void TskRibbonTabs::CreatePage(TskRibbonTab* Tab) {
  if (!FRibbon || FRibbon->ComponentState().Contains(csLoading)) return;
  TCustomForm* Form = GetParentForm(FRibbon);
  auto* Page = new TskRibbonPage(Form);
  Page->SetParent(FRibbon);
  Page->Ribbon = FRibbon;
  Page->UpDateSize();
  Page->SetName(MakeUniqueName("skRibbonPage%d", Form));
  Tab->FPage = Page;
  FRibbon->WatchPage(Page);
  Page->SetCaption(Page->Name());
  FRibbon->FStopCheckTabIndex = true;
  FRibbon->SetTabIndex(Tab->Index());
  FRibbon->FStopCheckTabIndex = false;
  FRibbon->Repaint();
}

void TskRibbonTabs::Update(TCollectionItem* Item) {
  TTypedCollection::Update(Item);
  if (FRibbon && !FRibbon->ComponentState().Contains(csLoading)) FRibbon->Repaint();
}

TPersistent* TskRibbonTabs::GetOwner() const { return FRibbon; }
