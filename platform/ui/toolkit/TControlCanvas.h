#pragma once
// The canvas of a control.
#include <functional>

#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/UiTypes.h"

class TControl;

/// A canvas over a control: bound to the DC its owner hands it while painting; used outside painting
/// it fetches a DC of the control (GetDeviceContext) and gives it back in FreeHandle.
class TControlCanvas : public TCanvas {
public:
  TControlCanvas() = default;
  ~TControlCanvas() override;

  TControl* Control() const { return FControl; }
  void SetControl(TControl* Value);
  /// Lets go of a DC the canvas fetched itself.
  void FreeHandle();
  /// Runs Paint with the canvas locked and bound to DC (origins and clip as DC has them), then unbinds.
  void PaintOn(HDC DC, const std::function<void()>& Paint);

protected:
  void CreateHandle() override;

private:
  TControl* FControl { nullptr };
  HDC FDeviceContext { nullptr };
  HWND FWindowHandle { 0 };
};

/// Gives back every DC control canvases fetched for drawing outside painting (after each message).
void FreeDeviceContexts();
