#pragma once
// The windowless twin of the menu button (menu part: TskSkinMenuTracking.h): a speed button that opens a
// skinned popup menu and/or an images menu below itself. With NewStyle and TrackPosition sktpBottom the
// drop-down part is the bottom 15 pixels. The form frame's tab bar sets DrawStandardArrow and ArrowType to
// draw an arrow instead of the skin's marker. Default record "toolmenubutton".
#include "skin/controls/TskSkinMenuTracking.h"

/// The side of the drop-down part in the new style.
enum TskTrackPosition { sktpRight, sktpBottom };

/// A skinned menu speed button; see the file comment.
class TskSkinMenuSpeedButton : public TskSkinMenuTracking<TskSkinSpeedButton> {
public:
  explicit TskSkinMenuSpeedButton(TComponent* AOwner);

  /// On: the record "resizetoolbutton", with the drop-down part at the side TrackPosition names.
  bool NewStyle() const { return FNewStyle; }
  void SetNewStyle(bool Value);
  TskTrackPosition TrackPosition() const { return FTrackPosition; }
  void SetTrackPosition(TskTrackPosition Value);

  /// Draw an arrow of ArrowType (1 left, 2 right, 3 up, 4 down) instead of the skin's marker.
  bool FDrawStandardArrow { false };
  int FArrowType { 0 };

protected:
  TRect DropDownPart() override;
  void BeforeMenuOpens() override;
  void PopupMenuClosed() override;
  void ImagesMenuClosed() override;
  bool DrawsStyledBackground(bool AMouseIn) override;
  void DrawDropDownMark(TCanvas* C, const TRect& R, bool Pressed, bool AMouseIn) override;
  void CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn) override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void Paint() override;

private:
  /// The button less the drop-down strip (the bottom one with NewStyle and sktpBottom), and the strip.
  TRect MainPart();
  TRect StripPart();
  /// Up, hot cleared, OnHideTrackMenu, repainted (the images menu clears hot after the event).
  void MenuClosed(bool HotFirst);
  /// The new style: the model's "resizetoolbutton" (or "resizebutton") record over the button, and
  /// while hot in TrackButtonMode the drop-down part from "htracktoolbutton" / "vtracktoolbutton";
  /// blank when the model has neither record.
  void CreateNewStyleImage(TBitmap* B, bool ADown, bool AMouseIn);
  /// The model's button record Name; null when it has none of that kind.
  const TskDataSkinButtonControl* ModelRecord(const String& Name);
  /// Record's pressed, hot or normal image composed to Q's size and drawn at Q's corner.
  void DrawRecordImage(TCanvas* C, const TskDataSkinButtonControl& Record, const TRect& Q, bool Down, bool Active);

  bool FNewStyle { false };
  TskTrackPosition FTrackPosition { sktpRight };
};
