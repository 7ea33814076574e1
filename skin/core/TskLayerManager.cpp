#include "skin/core/TskLayerManager.h"

#include <algorithm>

#include "platform/gdi/Capabilities.h"
#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/TTimer.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/core/TskBitmap.h"
#include "skin/core/TskLayerWindow.h"
#include "skin/core/skLayeredBitmap.h"
#include "skin/core/skUtils.h"

namespace {

constexpr Cardinal FadeInterval = 25;

bool CanLayer() { return IsWindows2000OrLater() && PlatformCapabilities().LayeredWindowsAvailable(); }

}  // namespace

TskLayerManager::TskLayerManager(TComponent* AOwner) : TComponent(AOwner), Timer(std::make_unique<TTimer>(this)) {
  Timer->SetEnabled(false);
  Timer->SetInterval(FadeInterval);
  Timer->OnTimer = [this](TObject* Sender) { TimerProc(Sender); };
}

TskLayerManager::~TskLayerManager() = default;

void TskLayerManager::Show(int X, int Y, TBitmap* AImage, TBitmap* AImageMask, int AAlphaBlendValue) {
  if (!CanLayer())
    return;
  if (LayerWindow)
    Hide();
  IsVisible = true;
  LayerWindow = std::make_unique<TskLayerWindow>(this);
  LayerWindow->SetBounds(X, Y, AImage->Width(), AImage->Height());
  const HWND Wnd = LayerWindow->Handle();
  SetWindowLong(Wnd, GWL_EXSTYLE, GetWindowLong(Wnd, GWL_EXSTYLE) | WS_EX_LAYERED);
  Bmp = std::make_unique<TskBitmap>();
  CreateLayerBitmap(AImage, AImageMask, Bmp.get());
  UpdateLayeredBitmap(Bmp.get(), 0, LayerWindow.get());
  PlaceWindow();
  EndAlphaBlendValue = std::clamp(AAlphaBlendValue, 0, 255);
  // A tenth of a small end value is 0, and a fade of steps of 0 would never end.
  StepAlphaBlendValue = std::max(1, EndAlphaBlendValue / 10);
  StartTimer();
}

void TskLayerManager::Hide() {
  if (!IsWindows2000OrLater())
    return;
  StopTimer();
  Bmp.reset();
  IsVisible = false;
  if (!LayerWindow)
    return;
  if (LayerWindow->HandleAllocated())
    SetWindowPos(LayerWindow->Handle(), 0, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
  LayerWindow.reset();
}

void TskLayerManager::Update() {
  if (IsVisible && LayerWindow)
    PlaceWindow();
}

void TskLayerManager::StartTimer() {
  BeginAlphaBlendValue = 0;
  Timer->SetEnabled(true);
}

void TskLayerManager::StopTimer() { Timer->SetEnabled(false); }

void TskLayerManager::TimerProc(TObject*) {
  if (!Bmp || !LayerWindow)
    return;
  BeginAlphaBlendValue = std::min(BeginAlphaBlendValue + StepAlphaBlendValue, EndAlphaBlendValue);
  UpdateLayeredBitmap(Bmp.get(), Byte(BeginAlphaBlendValue), LayerWindow.get());
  if (BeginAlphaBlendValue == EndAlphaBlendValue)
    StopTimer();
}

void TskLayerManager::PlaceWindow() {
  SetWindowPos(LayerWindow->Handle(), TopMostMode ? HWND_TOPMOST : HWND_NOTOPMOST, LayerWindow->Left(),
               LayerWindow->Top(), 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
}
