#include "platform/display/HeadlessPresenter.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/base/Exception.h"
#include "platform/display/MonitorLayout.h"
#include "platform/gdi/FontFace.h"
#include "platform/gdi/PixelOps.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TPngImage.h"
#include "platform/ui/winsys/InputLayer.h"
#include "platform/ui/winsys/LayeredWindows.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"

namespace {

/// Far enough from zero that code comparing tick counts with an initial 0 sees time that has passed.
constexpr Int64 ClockStart = 1000000;

/// Writes the colour bits of Pixels to an RGB PNG file.
void SavePng(const Surface& Pixels, const String& FileName) {
  TBitmap Bitmap;
  Bitmap.SetPixelFormat(pf32bit);
  Bitmap.SetSize(Pixels.Width(), Pixels.Height());
  for (int Y = 0; Y < Pixels.Height(); ++Y) {
    auto* Row = static_cast<uint32_t*>(Bitmap.ScanLine(Y));
    const uint32_t* Src = Pixels.Row32(Y);
    for (int X = 0; X < Pixels.Width(); ++X) Row[X] = Src[X] | 0xFF000000u;
  }
  TPngImage Png;
  Png.Assign(&Bitmap);
  Png.SaveToFile(FileName);
}

}  // namespace

HeadlessPresenter::HeadlessPresenter(TSize ScreenSize)
    : FClock(ClockStart),
      FSavedCapabilities(PlatformCapabilities()),
      FSavedTestFace(TestFontFaceInUse()),
      FMonitors { { { 0, 0, ScreenSize.cx, ScreenSize.cy }, { 0, 0, ScreenSize.cx, ScreenSize.cy } } } {
  FClock.SetTickStep(1);
  SetCurrentClock(&FClock);
  UseTestFontFace(true);
  PublishMonitors(FMonitors, false);
  EnableLayeredWindows(true);
  WindowSystem::Get().SetPresenter(this);
  InputLayer::Get().Reset();
  InputLayer::Get().Install();
}

HeadlessPresenter::~HeadlessPresenter() {
  WindowSystem& System = WindowSystem::Get();
  if (System.Presenter() == this) System.Reset();
  // The clock goes first: detaching the presenter then waits out any wake still notifying this clock.
  SetCurrentClock(nullptr);
  System.SetPresenter(nullptr);
  PlatformCapabilities() = FSavedCapabilities;
  UseTestFontFace(FSavedTestFace);
}

// ---- The screen ----

void HeadlessPresenter::SetMonitors(const std::vector<TMonitorArea>& Monitors) {
  if (Monitors.empty()) throw Exception("A screen needs at least one monitor");
  FMonitors = Monitors;
  ScreenChanged();
  PublishMonitors(FMonitors, true);
}

void HeadlessPresenter::SetWorkArea(const TRect& WorkArea) {
  FMonitors.front().WorkArea = WorkArea;
  PublishMonitors(FMonitors, true);
}

TRect HeadlessPresenter::ScreenBounds() const { return MonitorsBounds(FMonitors); }

const Surface& HeadlessPresenter::Screen() {
  WindowSystem::Get().FlushPresents();
  if (FScreenStale) Compose();
  return *FScreen;
}

TColor HeadlessPresenter::PixelAt(int X, int Y) {
  const Surface& S = Screen();
  const TRect B = ScreenBounds();
  X -= B.Left;
  Y -= B.Top;
  if (X < 0 || Y < 0 || X >= S.Width() || Y >= S.Height()) return TColor(0);
  return PixelToColor(S.Pixel(X, Y));
}

void HeadlessPresenter::SaveScreenPng(const String& FileName) { SavePng(Screen(), FileName); }

void HeadlessPresenter::SaveWindowPng(HWND Wnd, const String& FileName) {
  WindowSystem::Get().FlushPresents();
  const Window* W = WindowSystem::Get().Find(Wnd);
  const Surface* Pixels = W && W->IsTopLevel() ? ShownPixels(*W) : nullptr;
  if (!Pixels) throw Exception("The window has no pixels of its own to save");
  SavePng(*Pixels, FileName);
}

void HeadlessPresenter::Compose() {
  const TRect B = ScreenBounds();
  if (!FScreen || FScreen->Width() != B.Width() || FScreen->Height() != B.Height())
    FScreen = std::make_unique<Surface>(B.Width(), B.Height(), SurfaceFormat::Bgra32);
  const uint32_t Desktop = 0xFF000000u | ColorToPixel(DesktopColor);
  for (int Y = 0; Y < FScreen->Height(); ++Y) std::fill_n(FScreen->Row32(Y), FScreen->Width(), Desktop);
  const std::vector<Window*>& Windows = WindowSystem::Get().TopLevelWindows();
  for (auto It = Windows.rbegin(); It != Windows.rend(); ++It) ComposeWindow(**It);
  FScreenStale = false;
}

void HeadlessPresenter::ComposeWindow(const Window& W) {
  if (!W.Usable() || !(W.Style & WS_VISIBLE) || (W.Style & WS_MINIMIZE)) return;
  const bool Layered = (W.ExStyle & WS_EX_LAYERED) != 0;
  if (!LayeredWindowShows(W)) return;
  const Surface* Src = ShownPixels(W);
  if (!Src) return;

  const TRect B = ScreenBounds();
  const TPoint Origin { W.Rect.Left - B.Left, W.Rect.Top - B.Top };
  Region Area(Src->Bounds());
  if (W.WindowRgn) Area = Area.Intersect(*W.WindowRgn);
  Area.Offset(Origin.X, Origin.Y);
  Area = Area.Intersect(FScreen->Bounds());

  const bool Premultiplied = Layered && W.LayerImage;
  const uint32_t Alpha = Layered && (W.LayerFlags & LWA_ALPHA) ? W.LayerAlpha : 255;
  const bool Keyed = Layered && (W.LayerFlags & LWA_COLORKEY);
  const uint32_t Key = ColorToPixel(W.LayerKey);
  for (const TRect& R : Area.Rects()) {
    for (int Y = R.Top; Y < R.Bottom; ++Y) {
      const uint32_t* S = Src->Row32(Y - Origin.Y) + (R.Left - Origin.X);
      uint32_t* D = FScreen->Row32(Y) + R.Left;
      for (int X = 0; X < R.Width(); ++X) {
        const uint32_t P = S[X];
        if (Keyed && (P & 0xFFFFFFu) == Key) continue;
        if (!Premultiplied && Alpha == 255) {
          D[X] = P | 0xFF000000u;
          continue;
        }
        // Premultiplied source over the screen: each channel c*Alpha + d*(1 - a*Alpha); a plain window's
        // pixels count as opaque.
        const uint32_t A = Mul255(Premultiplied ? P >> 24 : 255, Alpha);
        uint32_t Out = 0xFF000000u;
        for (int Shift = 0; Shift < 24; Shift += 8) {
          const uint32_t C = Mul255(P >> Shift & 0xFF, Alpha) + Mul255(D[X] >> Shift & 0xFF, 255 - A);
          Out |= std::min<uint32_t>(C, 255) << Shift;
        }
        D[X] = Out;
      }
    }
  }
}

// ---- Synthetic input ----

IInputLayer* HeadlessPresenter::Input() const { return WindowSystem::Get().InputLayer(); }

void HeadlessPresenter::MoveTo(int X, int Y) {
  FPointer = { X, Y };
  if (IInputLayer* L = Input()) L->PointerMoved(FPointer);
  PumpUntilIdle();
}

void HeadlessPresenter::ButtonDown(int X, int Y, PointerButton Button) {
  if (FPointer != TPoint { X, Y }) MoveTo(X, Y);
  if (IInputLayer* L = Input()) L->PointerButtonChanged(Button, true, FPointer);
  PumpUntilIdle();
}

void HeadlessPresenter::ButtonUp(int X, int Y, PointerButton Button) {
  if (FPointer != TPoint { X, Y }) MoveTo(X, Y);
  if (IInputLayer* L = Input()) L->PointerButtonChanged(Button, false, FPointer);
  PumpUntilIdle();
}

void HeadlessPresenter::Click(int X, int Y, PointerButton Button) {
  ButtonDown(X, Y, Button);
  ButtonUp(X, Y, Button);
}

void HeadlessPresenter::Drag(TPoint From, TPoint To, PointerButton Button) {
  ButtonDown(From.X, From.Y, Button);
  MoveTo(To.X, To.Y);
  ButtonUp(To.X, To.Y, Button);
}

void HeadlessPresenter::Wheel(int Delta, int X, int Y) {
  if (FPointer != TPoint { X, Y }) MoveTo(X, Y);
  if (IInputLayer* L = Input()) L->PointerWheel(Delta, FPointer);
  PumpUntilIdle();
}

void HeadlessPresenter::Leave() {
  if (IInputLayer* L = Input()) L->PointerLeft();
  PumpUntilIdle();
}

void HeadlessPresenter::KeyDown(UINT Key, bool Repeat) {
  if (IInputLayer* L = Input()) L->KeyChanged(Key, true, Repeat);
  PumpUntilIdle();
}

void HeadlessPresenter::KeyUp(UINT Key) {
  if (IInputLayer* L = Input()) L->KeyChanged(Key, false, false);
  PumpUntilIdle();
}

void HeadlessPresenter::Key(UINT Key, std::initializer_list<UINT> Held) {
  for (UINT H : Held) KeyDown(H);
  KeyDown(Key);
  KeyUp(Key);
  for (auto It = std::rbegin(Held); It != std::rend(Held); ++It) KeyUp(*It);
}

void HeadlessPresenter::TypeText(const String& Text) {
  if (IInputLayer* L = Input()) L->TextCommitted(Text);
  PumpUntilIdle();
}

void HeadlessPresenter::SetComposing(bool Composing) {
  if (IInputLayer* L = Input()) L->CompositionChanged(Composing);
  PumpUntilIdle();
}

void HeadlessPresenter::SetNativeFocus(HWND Wnd, bool Gained) {
  if (IInputLayer* L = Input()) L->NativeFocusChanged(Wnd, Gained);
  PumpUntilIdle();
}

void HeadlessPresenter::RequestClose(HWND Wnd) {
  if (IInputLayer* L = Input()) L->CloseRequested(Wnd);
  PumpUntilIdle();
}

// ---- Time and the loop ----

void HeadlessPresenter::Advance(Int64 Milliseconds) {
  const Int64 Target = FClock.Now() + std::max<Int64>(Milliseconds, 0);
  PumpUntilIdle();
  for (;;) {
    const Int64 Now = FClock.Now();
    const std::optional<Int64> Due = WindowSystem::Get().NextTimerDue();
    if (Now >= Target || !Due || *Due > Target) break;
    // At least a millisecond per stop, so a timer that stays due cannot hold the clock still.
    FClock.Advance(std::max<Int64>(*Due - Now, 1));
    PumpUntilIdle();
  }
  FClock.Advance(Target - FClock.Now());
  PumpUntilIdle();
}

void HeadlessPresenter::PumpUntilIdle() { ProcessPendingMessages(); }

// ---- IPresenter ----

void HeadlessPresenter::WindowCreated(HWND) { ScreenChanged(); }
void HeadlessPresenter::WindowDestroyed(HWND) { ScreenChanged(); }
void HeadlessPresenter::WindowVisibilityChanged(HWND, bool) { ScreenChanged(); }
void HeadlessPresenter::WindowMoved(HWND) { ScreenChanged(); }
void HeadlessPresenter::WindowStateChanged(HWND) { ScreenChanged(); }
void HeadlessPresenter::WindowStyleChanged(HWND) { ScreenChanged(); }
void HeadlessPresenter::ZOrderChanged() { ScreenChanged(); }
void HeadlessPresenter::Present(HWND, const Region&) { ScreenChanged(); }

void HeadlessPresenter::Wake() {
  FWoken = true;
  FClock.Notify();
}

void HeadlessPresenter::WaitForEvents(std::optional<Int64> Deadline) {
  if (FWoken.exchange(false)) return;
  if (Deadline) {
    FClock.Advance(*Deadline - FClock.Now());
    return;
  }
  FClock.WaitUntil(std::numeric_limits<Int64>::max(), [this] { return FWoken.load(); });
  FWoken = false;
}

void HeadlessPresenter::SetTextInput(bool On, const TRect& Caret) {
  FTextInput = On;
  FTextCaret = Caret;
}
