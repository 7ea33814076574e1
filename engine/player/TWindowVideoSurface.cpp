#include "engine/player/TWindowVideoSurface.h"

std::unique_ptr<IVideoSurface> TWindowVideoSurface::Bind(HWND AWindow, String& AError) {
  std::unique_ptr<VideoSurface> Surface = VideoSurface::Bind(AWindow, AError);
  if (!Surface) return nullptr;
  return std::unique_ptr<IVideoSurface>(new TWindowVideoSurface(std::move(Surface)));
}

TWindowVideoSurface::TWindowVideoSurface(std::unique_ptr<VideoSurface> ASurface) : FSurface(std::move(ASurface)) {
  // Set once, before the window can report anything; the player's listener comes and goes behind it.
  FSurface->OnEvent = [this](VideoSurface::Event AEvent) { Notify(AEvent); };
}

TWindowVideoSurface::~TWindowVideoSurface() = default;

TSize TWindowVideoSurface::ClientSize() { return FSurface->ClientSize(); }

void TWindowVideoSurface::SetMode(int AWidth, int AHeight) { FSurface->SetMode(AWidth, AHeight); }

TSize TWindowVideoSurface::Mode() { return FSurface->Mode(); }

uint8_t* TWindowVideoSurface::Lock(int& AStride) {
  Surface* Pixels = FSurface->Lock();
  AStride = Pixels ? Pixels->Stride() : 0;
  return Pixels ? Pixels->Row(0) : nullptr;
}

void TWindowVideoSurface::Unlock() { FSurface->Unlock(); }

void TWindowVideoSurface::Update(const TRect& ARect) { FSurface->Update(ARect); }

void TWindowVideoSurface::SetListener(TListener AListener) {
  std::lock_guard Lock(FListenerLock);
  FListener = std::move(AListener);
}

void TWindowVideoSurface::Notify(VideoSurface::Event AEvent) {
  TListener Listener;
  {
    std::lock_guard Lock(FListenerLock);
    Listener = FListener;
  }
  if (!Listener) return;
  if (AEvent == VideoSurface::Event::Resized) Listener(vnResize, FSurface->ClientSize());
  else if (AEvent == VideoSurface::Event::Exposed) Listener(vnExpose, {});
}
