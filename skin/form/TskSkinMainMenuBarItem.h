#pragma once
// One top-level item of a skinned main menu bar. It lays itself out after the item before it, hides
// itself (disabled) when it does not fit the bar, and draws its normal, hot (morphing or animated) and
// pressed looks from the "mainmenubaritem" record, or the built-in look without one. Pressing an item
// with subitems opens them below it through the frame's menu controller and puts the bar in menu mode;
// while an item is pressed, the pointer arriving on another item moves the open menu there. An item
// without subitems runs its command. In the bar's tool-bar mode the item has the look of the skin's tool
// buttons instead, and neither morphs from a transparent face nor animates.
#include "skin/form/TskMenuBarObject.h"
#include "platform/gdi/TFont.h"

class TMenuItem;
class TskDataSkinButtonControl;
class TskDataSkinMainMenuItem;

/// One item of the main menu bar; see the file comment.
class TskSkinMainMenuBarItem : public TskMenuBarObject {
public:
  TskSkinMainMenuBarItem(TskSkinMainMenuBar* AParent, TskDataSkinMainMenuItem* AData);

  void ReDraw() override;
  /// Lays the item out, hides it when it does not fit, and draws it.
  void Draw(TCanvas* Cnvs) override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  /// The record has an animation strip of at least one frame and the skin's effects are on.
  bool EnableAnimation() const;
  /// Pressed: the menu opens; released: the item plays or fades back.
  void SetDown(bool Value);
  /// Opens the item's subitems below it through the frame.
  void PopupItemMenu();
  /// The item fits the bar (the protected Visible of the layout).
  bool Shown() const { return FShown; }

  TMenuItem* MenuItem { nullptr };
  int CurrentFrame { 0 };
  int FrameCount { 0 };
  bool InActiveAnimation { false };
  bool OldEnabled { true };

private:
  /// ObjectRect after the item before it, with the width its caption needs.
  void Layout();
  enum class TLook { Normal, Hot, Down };

  int TextWidth();
  /// The font of Tool (the tool-bar look), else of the item's record, else DefItemFont.
  void SelectFont(TCanvas* C, const TskDataSkinButtonControl* Tool) const;
  /// The skin's tool button in the bar's tool-bar mode; null otherwise or when the skin has none.
  const TskDataSkinButtonControl* ToolButtonRecord() const;
  /// The canvas the bar is painted on: its off-screen bitmap while painting, else its own.
  TCanvas* BarCanvas() const;
  void SkinDraw(TCanvas* Cnvs);
  /// The item image of one look: from the item's record, or from Tool in tool-bar mode.
  void LookImage(TBitmap* B, TLook Look, const TskDataSkinButtonControl* Tool);
  void DefaultDraw(TCanvas* Cnvs);
  /// The item image of source S at the item's size (transparent items copy the bar's background).
  void ItemImage(TBitmap* B, const TRect& S, bool ActiveStyle, TCanvas* BarCanvas);
  /// Glyph and caption in R of B, in the font colour already selected.
  void DrawContent(TBitmap* B, TRect R, bool ActiveStyle, bool Centre);
  TRect FrameRect(int n) const;

  bool FSkinSupport { false };
  bool FShown { true };
  String FontName;
  int FontHeight { 0 };
  TFontStyles FontStyle;
  TColor UnEnabledFontColor { 0 };
  TColor FontColor { 0 };
  TColor ActiveFontColor { 0 };
  TColor DownFontColor { 0 };
  TRect TextRct;
  int LO { 0 };
  int RO { 0 };
  bool StretchEffect { false };
  TRect AnimateSkinRect;
  int AnimateInterval { 0 };
};
