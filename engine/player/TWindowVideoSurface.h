#pragma once
// The player's video output in a window of the window system.
#include <memory>
#include <mutex>

#include "engine/player/IVideoSurface.h"
#include "platform/ui/winsys/VideoSurface.h"

/// A window's video surface seen as the player's IVideoSurface: the window's resizes and repaints become
/// the player's notices; its focus changes and mouse presses are the window's own business.
class TWindowVideoSurface : public IVideoSurface {
public:
  /// Binds AWindow; nullptr with the window system's reason in AError.
  static std::unique_ptr<IVideoSurface> Bind(HWND AWindow, String& AError);
  ~TWindowVideoSurface() override;

  TSize ClientSize() override;
  void SetMode(int AWidth, int AHeight) override;
  TSize Mode() override;
  uint8_t* Lock(int& AStride) override;
  void Unlock() override;
  void Update(const TRect& ARect) override;
  void SetListener(TListener AListener) override;

private:
  explicit TWindowVideoSurface(std::unique_ptr<VideoSurface> ASurface);
  void Notify(VideoSurface::Event AEvent);

  std::unique_ptr<VideoSurface> FSurface;
  std::mutex FListenerLock;
  TListener FListener;
};
