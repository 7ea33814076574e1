#pragma once
// The window in which a running conversion task shows what it encodes.
#include <atomic>
#include <memory>

#include "engine/task/IPreviewWindow.h"
#include "platform/base/TObject.h"
#include "platform/base/Types.h"
#include "platform/ui/winsys/UiTypes.h"
#include "platform/ui/winsys/WindowProc.h"

class TBitmap;

/// A conversion task's preview: a plain window, not skinned, staying on top of the others, that opens at
/// the centre of the screen at the first frame with its client area as large as that frame, shows each
/// frame at its top-left corner with the frame's time as its caption, and can be dragged by any point of
/// its picture. Once the user closed it, frames are refused (PaintFrame answers False) and the task stops
/// previewing. Each task has its own previewer; several may be open at once.
///
/// PaintFrame and the destructor may be called on any thread: the window is made, painted and removed on
/// the user-interface thread, the caller waiting meanwhile.
class TPreviewer : public TObject, public IPreviewWindow {
public:
  TPreviewer();
  /// Removes the window, if it is still open, and its drag handling.
  ~TPreviewer() override;
  TPreviewer(const TPreviewer&) = delete;
  TPreviewer& operator=(const TPreviewer&) = delete;

  /// Shows ABitmap (copied; the caller keeps it) as frame AFrameNumber of time APTS (microseconds,
  /// AV_NOPTS_VALUE: "N/A") and returns once it is on screen; does nothing and answers False once the
  /// user closed the window.
  bool PaintFrame(TBitmap* ABitmap, int AFrameNumber, Int64 APTS) override;

  /// The window, 0 before the first frame and after the user closed it.
  HWND FormHandle() const { return FFormHandle; }
  bool Closed() const { return FClosed; }
  int FrameNumber() const { return FFrameNumber; }

private:
  void Paint();
  void CreateForm();
  void WndProc(TMessage& AMessage);

  HWND FFormHandle { 0 };
  WNDPROC FProc { nullptr };               // the window's procedure, alive as long as the window
  std::atomic<bool> FClosed { false };
  TBitmap* FBitmap { nullptr };            // the frame being handed over
  std::unique_ptr<TBitmap> FShown;         // the frame on screen, for repaints
  int FFrameNumber { 0 };
  Int64 FPTS { 0 };
};
