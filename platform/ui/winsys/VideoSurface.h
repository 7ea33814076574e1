#pragma once
// A player's picture in a window. The player binds a window, sets a mode (a black BGRA back buffer of
// its size), and from any thread writes frames into the buffer under its lock and asks for them to be
// shown (Update). The UI thread paints the buffer into the window's client area at its own size from the
// top-left corner (the rest black), in place of the window's own painting, so a repaint while paused
// shows the picture again without the player. A paint that finds the buffer locked waits for nothing:
// the picture is painted again once the producer unlocks. Without a picture (before SetMode, after Clear) and once unbound the window paints itself.
// One surface is bound at a time. The window's size changes, repaints, focus changes and mouse presses
// reach the listener on the UI thread; a press also gives the window the focus, and the window's own
// handling of the press goes on.
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/Surface.h"
#include "platform/ui/winsys/UiTypes.h"
#include "platform/ui/winsys/WindowProc.h"

/// A bound window's video output; see the file comment. Destroying it unbinds the window.
class VideoSurface {
public:
  enum class Event { Resized, Exposed, FocusGained, FocusLost, MousePressed };
  using TListener = std::function<void(Event)>;

  /// Binds Wnd (any thread). Null with Error set when Wnd names no window or another surface is bound.
  static std::unique_ptr<VideoSurface> Bind(HWND Wnd, String& Error);
  ~VideoSurface();
  VideoSurface(const VideoSurface&) = delete;
  VideoSurface& operator=(const VideoSurface&) = delete;

  HWND Handle() const { return FWnd; }
  /// The window's client size (any thread).
  TSize ClientSize() const;
  /// A new back buffer of Width x Height, black (any thread); the window shows it from now on.
  void SetMode(int Width, int Height);
  /// The back buffer's size; 0 x 0 without one (any thread).
  TSize Mode() const;
  /// The back buffer for writing, null before SetMode; held until Unlock (any thread; the calls above
  /// may be made while holding it).
  Surface* Lock();
  /// Lets the buffer go; repaints the window when a paint came while it was held.
  void Unlock();
  /// Fills R (buffer coordinates) with Color (any thread).
  void Fill(const TRect& R, TColor Color);
  /// Shows the buffer's R (buffer coordinates) in the window (any thread).
  void Update(const TRect& R);
  /// Drops the picture: the window paints itself again (any thread).
  void Clear();

  /// Told on the UI thread; set it before the window may send anything.
  TListener OnEvent;

private:
  explicit VideoSurface(HWND Wnd);
  void Attach();
  void Detach();
  LRESULT Handle(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
  /// Paints the picture into the window; false when there is none (the window paints itself).
  bool PaintPicture(HWND Wnd);
  void Notify(Event What);
  void InvalidateClient(const TRect* R);

  HWND FWnd { 0 };
  WindowProc FProc;
  WNDPROC FPrevious { nullptr };
  bool FAttached { false };
  mutable std::recursive_mutex FLock;
  std::unique_ptr<Surface> FBuffer;
  TSize FClientSize;
  /// A paint found the buffer locked and showed nothing.
  std::atomic<bool> FRepaintOwed { false };
};
