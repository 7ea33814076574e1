#pragma once
// The tabs of a ribbon. Every tab is bound to a page (TskRibbonPage) whose Caption is the tab's text:
// adding a tab in code creates its page (owned by the ribbon's form, named "skRibbonPage%d" with the first
// number no component of the form uses, captioned with its name) and selects the new tab; deleting a tab
// frees its page; Clear keeps the pages. A page freed by other means is forgotten by its tab. Hiding the
// selected tab selects the next visible tab after it, else the nearest before it.
#include "platform/base/TTypedCollection.h"

class TskRibbon;
class TskRibbonPage;

/// One tab of a ribbon; see the file comment.
class TskRibbonTab : public TCollectionItem {
public:
  explicit TskRibbonTab(TCollection* Collection);

  TskRibbonPage* Page() const { return FPage; }
  /// Stores the page; a page already shown by a ribbon makes this tab that ribbon's selected tab.
  void SetPage(TskRibbonPage* Value);
  /// Invisible tabs take no room and cannot be hot or selected by the user.
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

  /// From another tab, the page reference only; any other source raises EConvertError.
  void Assign(TPersistent* Source) override;

  /// The mouse is over the tab.
  bool Active { false };
  /// The tab's rectangle in the ribbon and its width, from the last layout.
  TRect ItemRect;
  int Width { 0 };

private:
  friend class TskRibbon;
  friend class TskRibbonTabs;

  TskRibbon* Ribbon() const;

  TskRibbonPage* FPage { nullptr };
  bool FVisible { true };
};

/// The tab collection of a ribbon; see the file comment.
class TskRibbonTabs : public TTypedCollection<TskRibbonTab> {
public:
  explicit TskRibbonTabs(TskRibbon* ARibbon) : FRibbon(ARibbon) {}

  TskRibbon* Ribbon() const { return FRibbon; }

  /// A new tab with a page of its own, selected.
  TskRibbonTab* Add();
  TskRibbonTab* Insert(int Index);
  /// Frees the tab's page, then the tab.
  void Delete(int Index);
  /// The tab at Index; a bad index raises EListError.
  TskRibbonTab* GetItem(int Index) const { return Items(Index); }
  /// Creates, names and binds the page of Tab and selects it; nothing without a ribbon.
  void CreatePage(TskRibbonTab* Tab);

protected:
  /// Repaints the ribbon unless it is being loaded.
  void Update(TCollectionItem* Item) override;
  TPersistent* GetOwner() const override;

private:
  TskRibbon* FRibbon;
};
