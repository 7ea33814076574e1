#include "platform/ui/winsys/LayeredWindows.h"

#include <memory>

#include "platform/gdi/Capabilities.h"
#include "platform/gdi/GdiHandles.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"

namespace {

Window* LayeredTopLevel(HWND Wnd) {
  Window* W = WindowSystem::Get().Find(Wnd);
  return W && W->IsTopLevel() && (W->ExStyle & WS_EX_LAYERED) ? W : nullptr;
}

void Changed(HWND Wnd) {
  if (IPresenter* Presenter = WindowSystem::Get().Presenter())
    Presenter->WindowStyleChanged(Wnd);
}

/// Width x Height pixels of Src's surface from logical point From, as premultiplied BGRA; pixels outside
/// the source are transparent, and without per-pixel alpha every pixel is opaque.
std::unique_ptr<Surface> CopyPicture(DeviceContext& Src, TPoint From, int Width, int Height, bool PixelAlpha) {
  auto Picture = std::make_unique<Surface>(Width, Height, SurfaceFormat::Bgra32);
  const Surface* Source = Src.Target();
  if (!Source)
    return Picture;
  const TPoint Origin = Src.LogicalToSurface(From);
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X) {
      const int SX = Origin.X + X, SY = Origin.Y + Y;
      if (SX < 0 || SY < 0 || SX >= Source->Width() || SY >= Source->Height())
        continue;
      const uint32_t Pixel = Source->Pixel(SX, SY);
      Picture->SetPixel(X, Y, PixelAlpha && Source->Format() == SurfaceFormat::Bgra32 ? Pixel : Pixel | 0xFF000000u);
    }
  return Picture;
}

}  // namespace

bool SetLayeredWindowAttributes(HWND Wnd, TColor Key, Byte Alpha, DWORD Flags) {
  Window* W = LayeredTopLevel(Wnd);
  if (!W || W->LayerImage)
    return false;
  W->LayerKey = Key;
  W->LayerAlpha = Alpha;
  W->LayerFlags = Flags & (LWA_COLORKEY | LWA_ALPHA);
  Changed(Wnd);
  return true;
}

bool UpdateLayeredWindow(HWND Wnd, HDC, const TPoint* Pos, const TSize* Size, HDC Src, const TPoint* SrcPos,
                         TColor Key, const BLENDFUNCTION* Blend, DWORD Flags) {
  if (!LayeredTopLevel(Wnd))
    return false;
  if (Pos || Size) {
    const UINT Keep = (Pos ? 0 : SWP_NOMOVE) | (Size ? 0 : SWP_NOSIZE);
    SetWindowPos(Wnd, 0, Pos ? Pos->X : 0, Pos ? Pos->Y : 0, Size ? Size->cx : 0, Size ? Size->cy : 0,
                 Keep | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Window* W = LayeredTopLevel(Wnd);
  if (!W)
    return false;
  if (Src) {
    DeviceContext* Source = LiveDC(Src);
    if (!Source)
      return false;
    const bool PixelAlpha = Blend && (Blend->AlphaFormat & AC_SRC_ALPHA) && !(Flags & ULW_OPAQUE);
    W->LayerImage = CopyPicture(*Source, SrcPos ? *SrcPos : TPoint {}, W->Rect.Width(), W->Rect.Height(), PixelAlpha);
  }
  W->LayerAlpha = Blend && (Flags & ULW_ALPHA) ? Blend->SourceConstantAlpha : 255;
  W->LayerKey = Key;
  W->LayerFlags = LWA_ALPHA | ((Flags & ULW_COLORKEY) ? LWA_COLORKEY : 0);
  Changed(Wnd);
  return true;
}

bool LayeredWindowShows(const Window& W) {
  return !(W.ExStyle & WS_EX_LAYERED) || W.LayerImage || W.LayerFlags != 0;
}

const Surface* ShownPixels(const Window& W) {
  const Surface* S = (W.ExStyle & WS_EX_LAYERED) && W.LayerImage ? W.LayerImage.get() : W.Backing.get();
  return S && S->Format() == SurfaceFormat::Bgra32 ? S : nullptr;
}

void EnableLayeredWindows(bool Available) {
  TPlatformCapabilities& Caps = PlatformCapabilities();
  Caps.SetLayeredWindowAttributes = nullptr;
  Caps.UpdateLayeredWindow = nullptr;
  if (!Available)
    return;
  Caps.SetLayeredWindowAttributes = [](HWND Wnd, TColor Key, Byte Alpha, Cardinal Flags) {
    return SetLayeredWindowAttributes(Wnd, Key, Alpha, Flags);
  };
  Caps.UpdateLayeredWindow = [](HWND Wnd, HDC Dest, const TPoint* Pos, const TSize* Size, HDC Src,
                                const TPoint* SrcPos, TColor Key, const BLENDFUNCTION* Blend, Cardinal Flags) {
    return UpdateLayeredWindow(Wnd, Dest, Pos, Size, Src, SrcPos, Key, Blend, Flags);
  };
}
