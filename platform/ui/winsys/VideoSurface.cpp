#include "platform/ui/winsys/VideoSurface.h"

#include <algorithm>

#include "platform/base/MainThread.h"
#include "platform/gdi/Gdi.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/Ui.h"

namespace {

std::mutex BoundLock;
/// The surface bound now, if any.
VideoSurface* Bound = nullptr;

/// Runs Proc on the UI thread (at once when already there).
void OnUiThread(const std::function<void()>& Proc) {
  if (IsMainThread())
    Proc();
  else
    Synchronize(Proc);
}

}  // namespace

std::unique_ptr<VideoSurface> VideoSurface::Bind(HWND Wnd, String& Error) {
  std::unique_ptr<VideoSurface> Result;
  OnUiThread([&] {
    if (!IsWindow(Wnd)) {
      Error = "no such window";
      return;
    }
    std::lock_guard<std::mutex> Guard(BoundLock);
    if (Bound) {
      Error = "another player shows its video already";
      return;
    }
    Result.reset(new VideoSurface(Wnd));
    Bound = Result.get();
    Result->Attach();
  });
  return Result;
}

VideoSurface::VideoSurface(HWND Wnd)
    : FWnd(Wnd), FProc([this](HWND W, UINT Msg, WPARAM WParam, LPARAM LParam) {
        return Handle(W, Msg, WParam, LParam);
      }) {}

VideoSurface::~VideoSurface() {
  OnUiThread([this] { Detach(); });
  std::lock_guard<std::mutex> Guard(BoundLock);
  if (Bound == this)
    Bound = nullptr;
}

void VideoSurface::Attach() {
  TRect Client;
  GetClientRect(FWnd, &Client);
  FClientSize = { Client.Width(), Client.Height() };
  FPrevious = reinterpret_cast<WNDPROC>(SetWindowLongPtr(FWnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&FProc)));
  FAttached = true;
}

void VideoSurface::Detach() {
  if (!FAttached)
    return;
  FAttached = false;
  if (!IsWindow(FWnd))
    return;
  SetWindowLongPtr(FWnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(FPrevious));
  InvalidateRect(FWnd, nullptr, true);
}

TSize VideoSurface::ClientSize() const {
  std::lock_guard<std::recursive_mutex> Guard(FLock);
  return FClientSize;
}

void VideoSurface::SetMode(int Width, int Height) {
  {
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    FBuffer = Width > 0 && Height > 0 ? std::make_unique<Surface>(Width, Height, SurfaceFormat::Bgra32) : nullptr;
    if (FBuffer)
      for (int Y = 0; Y < Height; ++Y)
        std::fill_n(FBuffer->Row32(Y), Width, 0xFF000000u);
  }
  InvalidateClient(nullptr);
}

TSize VideoSurface::Mode() const {
  std::lock_guard<std::recursive_mutex> Guard(FLock);
  return FBuffer ? TSize { FBuffer->Width(), FBuffer->Height() } : TSize {};
}

Surface* VideoSurface::Lock() {
  FLock.lock();
  return FBuffer.get();
}

void VideoSurface::Unlock() {
  FLock.unlock();
  if (FRepaintOwed.exchange(false))
    InvalidateClient(nullptr);
}

void VideoSurface::Fill(const TRect& R, TColor Color) {
  std::lock_guard<std::recursive_mutex> Guard(FLock);
  if (!FBuffer)
    return;
  const TColor RGBColor = ColorToRGB(Color);
  const uint32_t Pixel = 0xFF000000u | (uint32_t(GetRValue(RGBColor)) << 16) | (uint32_t(GetGValue(RGBColor)) << 8) |
                         GetBValue(RGBColor);
  const int Left = std::max(R.Left, 0), Right = std::min(R.Right, FBuffer->Width());
  for (int Y = std::max(R.Top, 0); Y < std::min(R.Bottom, FBuffer->Height()); ++Y)
    if (Right > Left)
      std::fill_n(FBuffer->Row32(Y) + Left, Right - Left, Pixel);
}

void VideoSurface::Update(const TRect& R) { InvalidateClient(&R); }

void VideoSurface::Clear() {
  {
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    FBuffer.reset();
  }
  InvalidateRect(FWnd, nullptr, true);
}

void VideoSurface::InvalidateClient(const TRect* R) { InvalidateRect(FWnd, R, false); }

bool VideoSurface::PaintPicture(HWND Wnd) {
  std::unique_lock<std::recursive_mutex> Guard(FLock, std::try_to_lock);
  PAINTSTRUCT Paint;
  if (!Guard.owns_lock()) {
    // The producer is writing: the UI thread never waits for it. The area is validated, or WM_PAINT
    // would come back at once and spin the loop; the producer's Unlock paints it again.
    FRepaintOwed = true;
    BeginPaint(Wnd, &Paint);
    EndPaint(Wnd, &Paint);
    return true;
  }
  if (!FBuffer)
    return false;
  // The player scales its pictures to the mode it chose, so the buffer shows at its own size; client
  // area beyond it is black, like the margins the player leaves.
  const HDC DC = BeginPaint(Wnd, &Paint);
  const HDC Source = CreateSurfaceDC(*FBuffer);
  BitBlt(DC, 0, 0, FBuffer->Width(), FBuffer->Height(), Source, 0, 0, SRCCOPY);
  DeleteDC(Source);
  const HBRUSH Black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  FillRect(DC, Rect(FBuffer->Width(), 0, FClientSize.cx, FClientSize.cy), Black);
  FillRect(DC, Rect(0, FBuffer->Height(), FBuffer->Width(), FClientSize.cy), Black);
  EndPaint(Wnd, &Paint);
  return true;
}

void VideoSurface::Notify(Event What) {
  if (OnEvent)
    OnEvent(What);
}

LRESULT VideoSurface::Handle(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  const WNDPROC Previous = FPrevious;
  switch (Msg) {
  case WM_PAINT:
    Notify(Event::Exposed);
    if (PaintPicture(Wnd))
      return 0;
    break;
  case WM_ERASEBKGND: {
    std::unique_lock<std::recursive_mutex> Guard(FLock, std::try_to_lock);
    if (!Guard.owns_lock() || FBuffer)
      return 1;
    break;
  }
  case WM_SIZE: {
    const LRESULT Result = CallWindowProc(Previous, Wnd, Msg, WParam, LParam);
    {
      std::lock_guard<std::recursive_mutex> Guard(FLock);
      FClientSize = { LOWORD(uintptr_t(LParam)), HIWORD(uintptr_t(LParam)) };
    }
    Notify(Event::Resized);
    return Result;
  }
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
    Notify(Msg == WM_SETFOCUS ? Event::FocusGained : Event::FocusLost);
    break;
  case WM_LBUTTONDOWN:
  case WM_RBUTTONDOWN:
  case WM_MBUTTONDOWN:
    SetFocus(Wnd);
    Notify(Event::MousePressed);
    break;
  case WM_DESTROY:
    Detach();
    break;
  }
  return CallWindowProc(Previous, Wnd, Msg, WParam, LParam);
}
