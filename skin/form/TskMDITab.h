#pragma once
// One tab of an MDI tab bar: the place the bar's layout gave one MDI child, its hover and active states,
// and its close button's states. The tab draws itself onto the bar.
#include "platform/base/TObject.h"
#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"

class TBitmap;
class TCanvas;
class TCustomForm;
class TskSkinMDITabsBar;

/// The tab of one MDI child on a TskSkinMDITabsBar.
class TskMDITab : public TObject {
public:
  TskMDITab(TskSkinMDITabsBar* AParentBar, TCustomForm* AChild) : TabsBar(AParentBar), Child(AChild) {}

  /// Draws the tab at ObjectRect onto Cnvs (nothing for an empty rectangle): its face (skinned from the
  /// bar's tab record, else plain), the child's icon with ShowChildIcon, the child's caption shortened to
  /// fit, and the close button when the bar shows them.
  void Draw(TCanvas* Cnvs);
  /// The skinned tab as a button: the "resizebutton" record grown to the tab (nothing without it).
  void ButtonDraw(TCanvas* Cnvs);
  /// The skinned tab grown from its picture both ways (the bar's UseSkinSize off); the active tab is
  /// taller by the bar's FActiveTabOffset.
  void ResizeDraw(TCanvas* Cnvs);
  /// Draws the close button at R's left, centred vertically in R, and remembers it in ButtonRect.
  void DrawCloseButton(TCanvas* Cnvs, const TRect& R);
  /// Draws the child's small icon (else the application's, else the system's) centred in the first 20
  /// pixels of R (as wide as the icon when that is wider); answers the room it took.
  int DrawChildIcon(TCanvas* Cnvs, const TRect& R);

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

private:
  /// The font for the tab's text: the skin's (name, style, height) when Skinned and the bar uses it,
  /// else the bar's DefaultFont; the string table's charset when the skin has one.
  void SetTabFont(TCanvas* C, bool Skinned) const;
  /// The icon, the caption in TextR and, with the bar's close buttons, the close button in CloseR.
  void DrawContent(TCanvas* C, TRect TextR, const TRect& CloseR);
  /// The bitmap's picture drawn at ObjectRect's corner.
  void Present(TCanvas* Cnvs, TBitmap* B) const;
};
