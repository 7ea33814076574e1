#pragma once
// The layered border of a skinned form: four per-pixel-alpha windows around the form, one per side, that
// show the skin's layer-frame picture (section LAYERFRAME) composed for the form's size.
//
// The frame binds it to its skin with InitFrame and drives it while the border is in use (the frame's
// UseLayeredBorder): shown with the form, moved and recomposed with it, switched to the inactive picture
// and alpha when the form loses the activation, hidden with it. Every operation does nothing while no
// layer frame is bound (a skin without one, a picture index of -1, or no alpha picture built for it),
// and the windows are only made where the platform shows layered windows. Dragging a sizing zone of the
// border sizes the form within the frame's limits (TskFormLayerWindow).
//
// Full border: the top picture carries the frame's caption objects (the caption and the standard
// buttons, laid out in the picture's caption area), the form shows only its client area, and the top
// window tracks the hovered object, hands it the mouse, and moves the form by its caption.
#include <memory>

#include "platform/base/TComponent.h"
#include "platform/base/Types.h"
#include "skin/form/TskFormLayerWindow.h"

class TCanvas;
class TTimer;
class TskActiveSkinObject;
class TCustomForm;
class TskBitmap;
class TskDataSkinLayerFrame;
class TskSkinData;
class TskSkinForm;

/// The layered border of one frame; see the file comment.
class TskFormLayerBorder : public TComponent {
public:
  /// The border of the frame AOwner.
  explicit TskFormLayerBorder(TskSkinForm* AOwner);
  ~TskFormLayerBorder() override;

  /// Binds the skin's layer frame (none without a loaded skin, a picture or its alpha picture) and the
  /// form, and computes the sizing zones. Shows and hides nothing.
  void InitFrame(TskSkinData* ASkinData, TCustomForm* AForm);
  /// Composes the border for AWidth x AHeight and shows four new windows at (X, Y).
  void Show(int X, int Y, int AWidth, int AHeight);
  /// While shown: recomposes for the new size and places the windows at (X, Y).
  void SetBounds(int X, int Y, int AWidth, int AHeight);
  /// While shown: recomposes and repaints the windows where they stand.
  void Update(int X, int Y, int AWidth, int AHeight);
  /// Composes the border for AWidth x AHeight and draws it onto C at (X, Y); no window is touched.
  void Draw(TCanvas* C, int X, int Y, int AWidth, int AHeight);
  /// Show, SetBounds and Update for the border around the form's current bounds.
  void ShowWithForm();
  void SetBoundsWithForm();
  void UpdateBorder();
  /// SetBounds around the form at its place with the size AW x AH, or around the given rectangle.
  void SetBoundsWithForm2(int AW, int AH);
  void SetBoundsWithForm3(int ALeft, int ATop, int AW, int AH);
  /// While shown: the windows follow the form (or a form at (ALeft, ATop)) without recomposing.
  void MoveWithForm();
  void MoveWithForm2(int ALeft, int ATop);
  /// While shown: the windows go right above the form in the screen order (the form was raised or
  /// lowered).
  void StackWithForm();
  /// While shown: the images uploaded again with the alpha now in force (and placed at the form).
  void SetAlphaBlend();
  void SetAlphaBlend2();
  /// Frees the windows and the images.
  void Hide();
  /// The skin's alpha values scaled by AFormAlpha / 255 (halves to even); applied with AUpdate.
  void CheckFormAlpha(int AFormAlpha, bool AUpdate);
  /// The active or inactive picture and alpha; recomposes while shown, uploads with AUpdate.
  void SetActive(bool AValue, bool AUpdate);
  /// Shows the border around the form fading in from alpha 0.
  void ShowWithFormAnimation();
  /// Full border: the hovered object follows the point (X, Y) of the top window ((-1, -1): none),
  /// leaving and entering objects and their hints as the frame does.
  void TestActive(int X, int Y);
  /// A full border around a rolled-up form, or one the frame minimized: only its caption shows.
  bool RolledUpFullBorder() const;
  /// The object at Index of the frame's list; null outside it.
  TskActiveSkinObject* ObjectAt(int Index) const;

  /// The windows exist and are shown.
  bool Visible() const { return FVisible; }
  /// The bound layer frame; null while none is.
  TskDataSkinLayerFrame* Data() const { return FData; }
  /// The window of one side; null while hidden.
  TskFormLayerWindow* Window(TskFormLayerBorderType Side) const;

  TskSkinForm* BSF;
  /// The form counts as active: the picture and the alpha follow it.
  bool FActive { true };
  int FCurrentAlphaBlendValue { -1 };
  int FCurrentInActiveAlphaBlendValue { 0 };
  // The distances from the sizing area to the form on each side, and the sizes of the corner zones.
  int LeftSize { 0 };
  int TopSize { 0 };
  int RightSize { 0 };
  int BottomSize { 0 };
  int HitTopLeftX { 0 };
  int HitTopLeftY { 0 };
  int HitTopRightX { 0 };
  int HitTopRightY { 0 };
  int HitBottomLeftX { 0 };
  int HitBottomLeftY { 0 };
  int HitBottomRightX { 0 };
  int HitBottomRightY { 0 };
  /// Indexes into the frame's objects (-1 none): hovered before, hovered, holding the mouse.
  int OldActiveObject { -1 };
  int ActiveObject { -1 };
  int MouseCaptureObject { -1 };
  /// Clears the hover once the cursor has left the top window (500 ms; full border only).
  TTimer* MouseTimer { nullptr };

private:
  /// The border's rectangle around the form rectangle (L, T, W, H); RollUp: the rolled-up full border's
  /// height may apply.
  TRect BorderBounds(int L, int T, int W, int H, bool RollUp = true) const;
  /// Full border: the caption, its buttons and the system-menu button placed in the top picture.
  void ArrangeObjects();
  void MouseTimerProc();
  /// The form's bounds as they stand.
  TRect FormBounds() const;
  /// The four images for AWidth x AHeight from the picture of the activity in force.
  void CreateBorderImages(int AWidth, int AHeight);
  /// The alpha of an upload now.
  Byte CurrentAlpha() const;
  /// Uploads the images to the windows (the sides only while they have rows).
  void UploadImages();
  /// Places the windows for the border at (X, Y), showing those with pictures.
  void PlaceWindows(int X, int Y, bool BringToTop);
  void FreeWindows();

  TCustomForm* FForm { nullptr };
  bool FVisible { false };
  TskSkinData* FSD { nullptr };
  TskDataSkinLayerFrame* FData { nullptr };
  std::unique_ptr<TskBitmap> LeftImage;
  std::unique_ptr<TskBitmap> TopImage;
  std::unique_ptr<TskBitmap> RightImage;
  std::unique_ptr<TskBitmap> BottomImage;
  TskFormLayerWindow* LeftBorder { nullptr };
  TskFormLayerWindow* TopBorder { nullptr };
  TskFormLayerWindow* RightBorder { nullptr };
  TskFormLayerWindow* BottomBorder { nullptr };
  int FWidth { 0 };
  int FHeight { 0 };
};
