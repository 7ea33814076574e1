#pragma once
// The skinned single-line text field: a transparent TskCustomEdit whose frame lives in the window's
// non-client area, drawn from the record named SkinDataName ("edit"; "buttonedit" for the button form) or
// in the built-in look. The frame and the font colour change while the pointer is over the edit or it
// has the focus; the edit notices the pointer leave by polling every 100 ms while it is over it, so every
// entry fires OnMouseEnter and every leave OnMouseLeave, once each.
//
// ButtonMode adds an edit button at the right end of the frame (hit code 6; OnButtonClick on a press and
// release over it). With Images, LeftImageIndex and RightImageIndex add image buttons in strips at the
// ends of the client area (hit codes 104 and 105; OnLeftButtonClick, OnRightButtonClick on a release over
// a pressed one); the text keeps out of the strips, so clicks there never move the caret.
//
// The height follows the font (CalcEditHeight) or, with UseSkinFont and a record, the record's height.
// A disabled edit draws its text itself in DisabledFontColor (clGrayText without skin).
//
// Rectangles: FEditRect (the text area) and FButtonRect are in window coordinates; the image buttons'
// rectangles are in client coordinates.
#include <memory>

#include "platform/gdi/TFont.h"
#include "skin/boxctrls/TskCustomEdit.h"
#include "skin/controls/IskSkinChangeable.h"
#include "skin/controls/TskCBButtonX.h"

class TBitmap;
class TCanvas;
class TCustomImageList;
class TskDataSkinEditControl;
class TskSkinData;

/// Hit codes of the edit's buttons.
constexpr LRESULT HTEDITBUTTON = 6;
constexpr LRESULT HTOUTSIDETEXT = 7;
constexpr LRESULT HTLEFTIMAGEBUTTON = 104;
constexpr LRESULT HTRIGHTIMAGEBUTTON = 105;

/// The skinned edit with buttons; see the file comment.
class TskSkinCustomEdit : public TskCustomEdit, public IskSkinChangeable {
public:
  explicit TskSkinCustomEdit(TComponent* AOwner);
  ~TskSkinCustomEdit() override;

  // ---- Skin ----
  TskSkinData* SkinData() const override { return FSD; }
  /// Stores the model (registered for its removal); a model holding a skin is applied at once.
  virtual void SetSkinData(TskSkinData* Value);
  const String& SkinDataName() const { return FSkinDataName; }
  void SetSkinDataName(const String& Value) { FSkinDataName = Value; }
  /// Applies the skin again: font, height, frame; the window is made again, keeping the text.
  void ChangeSkinData() override;
  /// Looks the record up again and copies its fields.
  void GetSkinData();

  // ---- Look without skin ----
  TColor DefaultColor() const { return FDefaultColor; }
  void SetDefaultColor(TColor Value);
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  int DefaultWidth() const { return FDefaultWidth; }
  void SetDefaultWidth(int Value);
  int DefaultHeight() const { return FDefaultHeight; }
  void SetDefaultHeight(int Value);

  // ---- Buttons ----
  bool ButtonMode() const { return FButtonMode; }
  void SetButtonMode(bool Value);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  int LeftImageIndex() const { return FLeftImageIndex; }
  void SetLeftImageIndex(int Value);
  int RightImageIndex() const { return FRightImageIndex; }
  void SetRightImageIndex(int Value);
  int LeftImageHotIndex { -1 };
  int LeftImageDownIndex { -1 };
  int RightImageHotIndex { -1 };
  int RightImageDownIndex { -1 };
  int ButtonImageIndex() const { return FButtonImageIndex; }
  void SetButtonImageIndex(int Value);

  // ---- Geometry ----
  /// The height the font (or the skin) asks for.
  int CalcEditHeight();
  void AdjustEditHeight() { SetHeight(CalcEditHeight()); }
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  const TRect& EditRect() const { return FEditRect; }
  const TRect& EditButtonRect() const { return FButtonRect; }

  /// Paints the whole edit as it looks, showing AText, onto C at (X, Y).
  void PaintSkinTo(TCanvas* C, int X, int Y, const String& AText);

  TNotifyEvent OnButtonClick;
  TNotifyEvent OnLeftButtonClick;
  TNotifyEvent OnRightButtonClick;

  TskCBButtonX LeftButton;
  TskCBButtonX RightButton;

  // The record's fields, copied at every lookup.
  int FIndex { -1 };
  TBitmap* Picture { nullptr };
  int LOffset { 0 };
  int ROffset { 0 };
  TRect ClRect;
  TRect SkinRect;
  TRect ActiveSkinRect;
  String FontName;
  TFontStyles FontStyle;
  int FontHeight { 13 };
  TColor FontColor { clBlack };
  TColor DisabledFontColor { clGrayText };
  TColor ActiveFontColor { clBlack };
  TRect ButtonRect;
  TRect ActiveButtonRect;
  TRect DownButtonRect;
  TRect UnEnabledButtonRect;
  bool StretchEffect { false };

protected:
  void Dispatch(TMessage& Message) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void PaintBufferedBackground(HDC DC) override;

private:
  // Geometry (TskSkinCustomEdit.cpp).
  bool Skinned() const { return FIndex != -1 && Picture; }
  /// The insets of the client area within the window.
  TRect FrameInsets() const;
  void CalcEditRect();
  /// Places the image buttons; with SetFormatRect the text area between them becomes the edit's
  /// formatting rectangle.
  void CalcImageButtonRects(bool SetFormatRect);
  /// The pointer or the focus is on the edit: the hot look.
  bool Hot() const;
  void ApplyFontColor();
  void ApplySkinFont();

  // Mouse (TskSkinCustomEdit.cpp).
  LRESULT HitTest(TPoint Screen);
  void DoMouseEnter();
  void DoMouseLeave();
  void SetButtonActive(bool Value);
  void NCButtonDown(LRESULT Hit);
  bool NCButtonUp(LRESULT Hit);
  void FocusChanged(TMessage& Message);
  void Fire(const TNotifyEvent& Event);

  // Painting (TskSkinCustomEditPaint.cpp).
  /// Sends WM_NCPAINT and repaints the text area buffered.
  void RedrawFrame();
  void WMNCPaint();
  /// The frame of the window size into B (without the text).
  void PaintFrame(TBitmap* B);
  void PaintStretchFrame(TBitmap* B);
  void PaintBuiltInFrame(TBitmap* B, TColor Inner, bool CutAtButton);
  void DrawSkinEditButton(TBitmap* B);
  void DrawButtonImage(TCanvas* C);
  /// The frame into the window-coordinate DC, leaving out the text area when ExcludeText.
  void PaintFrameTo(HDC DC, bool ExcludeText);
  /// The text area's background, at (0, 0) of DC.
  void PaintClientBackground(HDC DC);
  void DrawImageButtons(HDC DC);
  void DrawImageButton(TCanvas* C, const TskCBButtonX& Button, int Index, int HotIndex, int DownIndex);
  /// A disabled edit's text, into DC over its background.
  void DrawDisabledText(HDC DC);
  /// Selects the text font of the disabled or painted-to look into C.
  void SelectTextFont(TCanvas* C, TColor Color);
  int TextLeft(int TextWidth, const TRect& R) const;

  TskSkinData* FSD { nullptr };
  String FSkinDataName { "edit" };
  TColor FDefaultColor { clWindow };
  std::unique_ptr<TFont> FDefaultFont;
  bool FUseSkinFont { true };
  int FDefaultWidth { 0 };
  int FDefaultHeight { 0 };
  bool FButtonMode { false };
  TCustomImageList* FImages { nullptr };
  int FLeftImageIndex { -1 };
  int FRightImageIndex { -1 };
  int FButtonImageIndex { -1 };

  TRect FEditRect;
  TRect FButtonRect;
  bool FButtonDown { false };
  bool FButtonActive { false };
  bool FMouseIn { false };
};
