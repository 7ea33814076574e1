#include "platform/ui/toolkit/TPageControl.h"

#include <algorithm>

TPageControl::TPageControl(TComponent* AOwner) : TCustomTabControl(AOwner) {}

// The pages outlive the control only as orphans: they forget it before it goes.
TPageControl::~TPageControl() {
  for (TTabSheet* Page : FPages) Page->FPageControl = nullptr;
}

TTabSheet* TPageControl::Pages(int Index) const {
  return Index >= 0 && Index < PageCount() ? FPages[size_t(Index)] : nullptr;
}

void TPageControl::SetActivePage(TTabSheet* Value) {
  if (Value && Value->FPageControl != this) return;
  ShowPage(Value);
  Perform(TCM_SETCURSEL, WPARAM(intptr_t(Value ? Value->TabIndex() : -1)), 0);
}

void TPageControl::SetActivePageIndex(int Value) { SetActivePage(Pages(Value)); }

TTabSheet* TPageControl::FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const {
  const int Count = PageCount();
  if (Count == 0) return nullptr;
  const auto It = std::find(FPages.begin(), FPages.end(), CurPage);
  const int Start = It == FPages.end() ? (GoForward ? Count - 1 : 0) : int(It - FPages.begin());
  for (int Step = 1; Step <= Count; ++Step) {
    TTabSheet* Page = FPages[size_t(((GoForward ? Start + Step : Start - Step) % Count + Count) % Count)];
    if (Page == CurPage) break;
    if (!CheckTabVisible || Page->TabVisible()) return Page;
  }
  return nullptr;
}

void TPageControl::SelectNextPage(bool GoForward, bool CheckTabVisible) {
  TTabSheet* Page = FindNextPage(FActivePage, GoForward, CheckTabVisible);
  if (!Page || Page == FActivePage || !CanChange()) return;
  SetTabIndex(Page->TabIndex());
  Change();
}

void TPageControl::Change() {
  ShowPage(PageOfTab(TabIndex()));
  TCustomTabControl::Change();
}

void TPageControl::InsertPage(TTabSheet* Page) {
  FPages.push_back(Page);
  Page->FPageControl = this;
  UpdateTabs();
  if (!FActivePage && Page->TabVisible()) SetActivePage(Page);
}

void TPageControl::RemovePage(TTabSheet* Page) {
  const auto It = std::find(FPages.begin(), FPages.end(), Page);
  if (It == FPages.end()) return;
  if (Page == FActivePage) {
    TTabSheet* Next = FindNextPage(Page, true, true);
    FActivePage = nullptr;
    if (Next) Next->Show();
    FActivePage = Next;
  }
  FPages.erase(std::find(FPages.begin(), FPages.end(), Page));
  Page->FPageControl = nullptr;
  UpdateTabs();
}

void TPageControl::MovePage(TTabSheet* Page, int Index) {
  const auto It = std::find(FPages.begin(), FPages.end(), Page);
  if (It == FPages.end()) return;
  FPages.erase(It);
  FPages.insert(FPages.begin() + std::clamp(Index, 0, PageCount()), Page);
  UpdateTabs();
}

void TPageControl::UpdateTabs() {
  std::vector<TTabEntry> Entries;
  for (TTabSheet* Page : FPages)
    if (Page->TabVisible()) Entries.push_back({ Page->Caption(), Page->ImageIndex() });
  SetTabs(std::move(Entries));
  Perform(TCM_SETCURSEL, WPARAM(intptr_t(FActivePage ? FActivePage->TabIndex() : -1)), 0);
}

void TPageControl::ShowPage(TTabSheet* Page) {
  if (Page == FActivePage) return;
  TTabSheet* Old = FActivePage;
  FActivePage = Page;
  if (Page) {
    Page->BringToFront();
    Page->Show();
  }
  if (Old) Old->Hide();
}

TTabSheet* TPageControl::PageOfTab(int TabIndex) const {
  for (TTabSheet* Page : FPages)
    if (Page->TabVisible() && TabIndex-- == 0) return Page;
  return nullptr;
}
