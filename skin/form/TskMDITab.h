#pragma once
// One tab of an MDI tab bar: the place the bar's layout gave one MDI child, its hover and active states,
// and its close button's states. The tab draws itself onto the bar.
#include "platform/base/TObject.h"
#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"

class TCanvas;
class TCustomForm;
class TskSkinMDITabsBar;

/// The tab of one MDI child on a TskSkinMDITabsBar.
class TskMDITab : public TObject {
public:
  TskMDITab(TskSkinMDITabsBar* AParentBar, TCustomForm* AChild) : TabsBar(AParentBar), Child(AChild) {}

  /// Draws the tab at ObjectRect onto Cnvs (nothing for an empty rectangle): its face (skinned from the
  /// bar's tab record, else plain), the child's caption shortened to fit, and the close button when the
  /// bar shows them.
  void Draw(TCanvas* Cnvs);
  /// Draws the close button at R's left, centred vertically in R, and remembers it in ButtonRect.
  void DrawCloseButton(TCanvas* Cnvs, const TRect& R);

  TskSkinMDITabsBar* TabsBar;
  /// The tab of the active child.
  bool Active { false };
  bool MouseIn { false };
  /// The tab's rectangle in bar coordinates; empty while the layout has no room for it.
  TRect ObjectRect;
  TCustomForm* Child;
  bool Visible { false };
  /// The close button in tab coordinates, as last drawn.
  TRect ButtonRect;
  bool ButtonMouseIn { false };
  bool ButtonMouseDown { false };
};
