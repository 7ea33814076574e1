#pragma once
// The page control: a tab control whose tabs show pages.
#include <vector>

#include "platform/ui/toolkit/TCustomTabControl.h"
#include "platform/ui/toolkit/TTabSheet.h"

/// A tab control with a page per tab: the pages whose tab is visible have a tab each, in page order, and
/// the active page fills the display area (TCM_ADJUSTRECT, through the window procedure). TabIndex counts
/// the visible tabs only. Selecting a tab by mouse or keys activates its page and then reports Change
/// (OnChange); ActivePage set from code selects the tab without OnChanging / OnChange. The first page put
/// into a control without an active page becomes the active one; hiding the active page's tab activates
/// the next page with a visible tab.
class TPageControl : public TCustomTabControl {
public:
  explicit TPageControl(TComponent* AOwner);
  ~TPageControl() override;

  int PageCount() const { return int(FPages.size()); }
  TTabSheet* Pages(int Index) const;
  TTabSheet* ActivePage() const { return FActivePage; }
  /// Shows Value (a page of this control, or null) and selects its tab.
  void SetActivePage(TTabSheet* Value);
  int ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }
  void SetActivePageIndex(int Value);
  /// The page after (GoForward) or before CurPage, wrapping around, with a visible tab when
  /// CheckTabVisible; null when there is none.
  TTabSheet* FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const;
  /// Activates the next page as the user would, with OnChanging and OnChange.
  void SelectNextPage(bool GoForward, bool CheckTabVisible = true);

protected:
  void Change() override;

private:
  friend class TTabSheet;

  void InsertPage(TTabSheet* Page);
  void RemovePage(TTabSheet* Page);
  void MovePage(TTabSheet* Page, int Index);
  /// The tabs follow the pages; the selection stays on the active page.
  void UpdateTabs();
  /// Makes Page the shown page (hiding the previous one) without touching the tab selection.
  void ShowPage(TTabSheet* Page);
  TTabSheet* PageOfTab(int TabIndex) const;

  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage { nullptr };
};
