#pragma once
// The pages of a ribbon's tabs: containers of the user's controls that scroll across (TskScrollingPage).
// A page with a parent and a ribbon always takes the ribbon's page area, whatever bounds it is given, and
// draws its background from the ribbon's "officetab" record: the record's background picture, else the
// client part of its frame picture, else clBtnFace.
#include "skin/ribbon/TskScrollingPage.h"

class TskRibbon;

/// A ribbon page container: scrolls across, CanScroll on; repaints after a scroll when the ribbon's
/// record stretches its background.
class TskRibbonCustomPage : public TskScrollingPage {
public:
  explicit TskRibbonCustomPage(TComponent* AOwner);

  /// The ribbon that shows this page; set by the ribbon.
  TskRibbon* Ribbon { nullptr };

protected:
  TskSkinControl* SkinOwner() const override;
  void ScrollControls(int Delta) override;
};

/// The page bound to a ribbon tab; see the file comment.
class TskRibbonPage : public TskRibbonCustomPage {
public:
  explicit TskRibbonPage(TComponent* AOwner);

  /// The text of the tab bound to this page; a change repaints the ribbon.
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);

  /// With a parent and a ribbon the page takes the ribbon's page area instead of the given bounds.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;

private:
  void DrawBackground(HDC DC);

  String FCaption;
};
