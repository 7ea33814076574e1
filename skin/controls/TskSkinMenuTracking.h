#pragma once
// What the menu button and the menu speed button add alike to their button (TButton is TskSkinButton or
// TskSkinSpeedButton): a skinned popup menu and/or an images menu opened below the button, from anywhere
// on it or, with TrackButtonMode, only from its drop-down part.
//
// Opening: OnShowTrackMenu, the popup menu; then OnShowTrackMenu again and the images menu. The button
// stays down while a menu is open (FMenuTracked): releases do nothing and the pointer's entering and
// leaving only track hot. The menu's close notice (WM_SKINMENUCLOSED from the popup menu, the internal
// close notice of the images menu) raises the button and runs OnHideTrackMenu, before the chosen item's
// command. When no menu opened at all, the button goes up at once without OnHideTrackMenu.
//
// Drawing styles by record name: "resizebutton" / "resizetoolbutton" compose the button and a drop-down
// part 15 pixels wide as two nine-part images, "toolbutton" / "bigtoolbutton" stretch the record's image
// into them; other names draw the button's own image and take the drop-down part from the record's
// TrackButtonRect.
#include "skin/controls/IskSkinPopupMenu.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinSpeedButton.h"

/// The menu part of a menu button; see the file comment.
template <class TButton> class TskSkinMenuTracking : public TButton {
public:
  explicit TskSkinMenuTracking(TComponent* AOwner);
  ~TskSkinMenuTracking() override;

  /// Only the drop-down part opens the menu; repaints only without a record.
  bool TrackButtonMode() const { return FTrackButtonMode; }
  void SetTrackButtonMode(bool Value);
  /// The popup menu (removal is followed when it is a component).
  IskSkinPopupMenu* SkinPopupMenu() const { return FSkinPopupMenu; }
  void SetSkinPopupMenu(IskSkinPopupMenu* Value);
  /// A menu opened by this button is open.
  bool MenuTracked() const { return this->FMenuTracked; }

  /// Also takes the drop-down part from a menu button record.
  void GetSkinData() override;

  /// Before each menu opens.
  TNotifyEvent OnShowTrackMenu;
  /// When the menu has closed.
  TNotifyEvent OnHideTrackMenu;
  /// The record's drop-down part, in skin coordinates.
  TRect TrackButtonRect;

protected:
  /// The width of the drop-down part of the styled records and of the built-in look.
  static constexpr int DropDownWidth = 15;

  /// The drop-down part in button coordinates: TrackButtonRect mapped to the size (moved right in
  /// resize mode 2, down in mode 3) for a skinned button of another name than the four styled ones, else
  /// the right 15 pixels.
  virtual TRect DropDownPart();
  /// Whether a press at the point opens the menu: some menu is set, and without TrackButtonMode
  /// anywhere, with it only in the drop-down part (edges included).
  virtual bool CanMenuTrack(int X, int Y);
  /// Opens the popup menu and then the images menu; when neither opened, the button goes up.
  virtual void TrackMenu();
  /// Runs before each menu opens; nothing here.
  virtual void BeforeMenuOpens() {}
  /// The close notices: FMenuTracked off, the button up, hot where the pointer is, OnHideTrackMenu.
  virtual void PopupMenuClosed() = 0;
  virtual void ImagesMenuClosed() = 0;

  /// The record name draws the two-part styles: "resizebutton", "resizetoolbutton" (nine-part).
  bool NinePartStyle();
  /// "toolbutton", "bigtoolbutton" (stretched).
  bool StretchedStyle();
  /// One of the four names above: the drop-down part is the right 15 pixels.
  bool StyledName() { return NinePartStyle() || StretchedStyle(); }
  /// The two-part styles: the background (whole, or main part and drop-down part in TrackButtonMode),
  /// the font, the content in the client rectangle less the part, the drop-down mark.
  void CreateStyledImage(TBitmap* B, bool ADown, bool AMouseIn);
  /// Whether a styled image draws a background; always here.
  virtual bool DrawsStyledBackground(bool) { return true; }
  /// The drop-down mark of a styled image in R: the skin's menu marker, else an arrow in DownFontColor
  /// while a menu is open, else in the font's colour.
  virtual void DrawDropDownMark(TCanvas* C, const TRect& R, bool Pressed, bool AMouseIn);
  /// The drop-down part of a "toolmenubutton"-like record drawn pressed while its menu is open in
  /// TrackButtonMode; false when it does not apply.
  bool CreateTrackedPartImage(TBitmap* B);

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Dispatch(TMessage& Message) override;

private:
  /// The record piece Source composed to W x Height() in the style of the record name.
  void ComposeStyledPiece(TBitmap* Dest, const TRect& Source, int W);

  bool FTrackButtonMode { false };
  IskSkinPopupMenu* FSkinPopupMenu { nullptr };
  /// The popup menu as a component, taken when it is set: its removal notice comes from ~TComponent, when
  /// the menu can no longer be cast.
  TComponent* FSkinPopupMenuComponent { nullptr };
};

extern template class TskSkinMenuTracking<TskSkinButton>;
extern template class TskSkinMenuTracking<TskSkinSpeedButton>;
