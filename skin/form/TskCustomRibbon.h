#pragma once
// A form's ribbon as its frame knows it. The frame that takes a ribbon as its SkinRibbon writes itself into
// BSF and, while a ribbon is in use, leaves the form's frame to the system. The ribbon library's TskRibbon
// derives from this class and answers what the frame asks of it: closing a shown application menu on the
// keyboard-menu command, selecting a tab by the accelerator of its caption, the MDI buttons of a
// maximized child, and the application menu's caption piece in the frame's caption bar. This base has
// no tabs and no menu: it answers nothing and does nothing.
#include "skin/controls/TskSkinControl.h"

class IskSkinPopupMenu;
class TCanvas;
class TskAppMenuItem;
class TskSkinForm;

/// A form's ribbon as its frame knows it; see the file comment.
class TskCustomRibbon : public TskSkinControl {
public:
  using TskSkinControl::TskSkinControl;

  /// The number of tabs and the caption of tab Index, for the frame's Alt accelerators.
  virtual int TabCount() const { return 0; }
  virtual String TabCaption(int) const { return String(); }
  /// Selects tab Index as choosing its page does: a hidden tab shows again.
  virtual void SelectTabPage(int) {}
  /// The application button's popup menu, which may take a shortcut before the form.
  virtual IskSkinPopupMenu* AppButtonPopupMenu() const { return nullptr; }

  /// The application menu shows.
  virtual bool AppMenuShown() const { return false; }
  /// Hides the application menu and then runs Item's command (none for null).
  virtual void HideAppMenu(TskAppMenuItem*) {}
  /// The shown menu's caption piece: whether there is one, drawing it into the frame's top band R (0, 0,
  /// AppMenuItemWidth, band height), and where the frame's caption text starts meanwhile.
  virtual bool CanDrawAppMenuCaption() const { return false; }
  virtual void DrawAppMenuCaption(TCanvas*, const TRect&) {}
  virtual int GetAppMenuCaptionOffset() const { return 0; }
  virtual int AppMenuItemWidth() const { return 0; }

  /// The frame of an MDI main form reports a child maximized, or one that stopped being maximized.
  virtual void MDIChildMaximize() {}
  virtual void MDIChildRestore() {}

  /// The frame of the ribbon's form; set by the frame.
  TskSkinForm* BSF { nullptr };
};
