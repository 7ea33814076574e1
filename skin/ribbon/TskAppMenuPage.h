#pragma once
// The pages of the application menu's items: containers of the user's controls that scroll down
// (TskScrollingPage), with scrolling off by default. Range updates wait (FStopScroll) while the menu is
// hidden or the page is not the active one. A page with a parent and a menu takes the menu's page area:
// its whole width, or DefaultWidth when that is set and fits, never less than 100 either way. Its
// background is the client part of the menu's "appmenu" frame picture, else clWindow.
#include "skin/ribbon/TskScrollingPage.h"

class TskAppMenu;

/// An application-menu page container: scrolls down, CanScroll off, range updates suspended until its
/// menu shows it.
class TskAppMenuCustomPage : public TskScrollingPage {
public:
  explicit TskAppMenuCustomPage(TComponent* AOwner);

  /// The menu that shows this page; set by the menu.
  TskAppMenu* AppMenu { nullptr };
  /// Range updates wait while set.
  bool FStopScroll { true };

protected:
  TskSkinControl* SkinOwner() const override;
  bool RangeUpdatesAllowed() const override { return CanScroll() && !FStopScroll; }
  bool LaysOutButtons() const override { return AppMenu && CanScroll(); }
};

/// The page bound to an application-menu item; see the file comment.
class TskAppMenuPage : public TskAppMenuCustomPage {
public:
  explicit TskAppMenuPage(TComponent* AOwner);

  /// The preferred width inside the menu; 0: the whole page area. A change also sets Width.
  int DefaultWidth() const { return FDefaultWidth; }
  void SetDefaultWidth(int Value);
  /// Receives the focus when Enter, Space or Tab is pressed on the page's menu item.
  TWinControl* FirstActiveControl() const { return FFirstActiveControl; }
  void SetFirstActiveControl(TWinControl* Value);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;

private:
  void DrawBackground(HDC DC);

  int FDefaultWidth { 0 };
  TWinControl* FFirstActiveControl { nullptr };
};
