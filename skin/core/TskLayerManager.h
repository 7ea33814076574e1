#pragma once
// The glow a skinned button or caption button shows around itself while the mouse is over it.
#include <memory>

#include "platform/base/TComponent.h"

class TBitmap;
class TTimer;
class TskBitmap;
class TskLayerWindow;

/// Shows one glow window at a time: an image with the alpha of a mask picture, laid over the screen at a
/// screen position and faded in over ten ticks of 25 ms. Where the platform cannot layer windows, showing
/// and hiding do nothing.
class TskLayerManager : public TComponent {
public:
  explicit TskLayerManager(TComponent* AOwner);
  ~TskLayerManager() override;

  /// Shows AImage (alpha from AImageMask) with its top-left corner at the screen point (X, Y), hiding a
  /// glow already shown, and fades it in from alpha 0 to AAlphaBlendValue (limited to 0..255) in steps of
  /// a tenth of it, at least 1.
  void Show(int X, int Y, TBitmap* AImage, TBitmap* AImageMask, int AAlphaBlendValue);
  /// Stops the fade and frees the window and its picture.
  void Hide();
  /// While shown, asserts the window's band again (topmost by TopMostMode) without activating it: a
  /// topmost glow goes back above the topmost windows shown after it.
  void Update();
  /// Starts the fade from alpha 0; stops it.
  void StartTimer();
  void StopTimer();

  /// A glow window is shown.
  bool IsVisible { false };
  /// The glow stays above every window that is not topmost.
  bool TopMostMode { true };

private:
  /// One fade step: the alpha rises by a step, at most to the end value, where the fade stops.
  void TimerProc(TObject* Sender);
  /// SetWindowPos of the shown window in its band at its place, showing it without activating it.
  void PlaceWindow();

  std::unique_ptr<TskLayerWindow> LayerWindow;
  std::unique_ptr<TskBitmap> Bmp;
  std::unique_ptr<TTimer> Timer;
  int EndAlphaBlendValue { 0 };
  int BeginAlphaBlendValue { 0 };
  int StepAlphaBlendValue { 0 };
};
