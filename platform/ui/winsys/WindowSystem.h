#pragma once
// The window system's state for the UI thread: the handle table and the window tree, the classes, the
// message queue, the timers, the presenter and the input layer. The calls of Ui.h work on it; the input
// layer and the presenters use the lookups and helpers here.
//
// Handles: a handle is a slot index and a generation in 32 bits, never a pointer, so a handle kept after
// its window died names nothing (Find answers null) even once the slot is used again.
#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/base/Types.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/Region.h"
#include "platform/ui/winsys/HandleTable.h"
#include "platform/ui/winsys/IInputLayer.h"
#include "platform/ui/winsys/IPresenter.h"
#include "platform/ui/winsys/MessageQueue.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/winsys/TimerList.h"
#include "platform/ui/winsys/Window.h"
#include "platform/ui/winsys/WindowClass.h"

/// The process's one window system (WindowSystem::Get()).
class WindowSystem {
public:
  static WindowSystem& Get();

  // ---- Records ----
  /// The record of a window that exists (alive or inside DestroyWindow); null for anything else.
  Window* Find(HWND Wnd) const { return FHandles.Find(Wnd); }
  Window& Desktop() { return *FDesktop; }
  /// Top-level windows in z-order, topmost first.
  const std::vector<Window*>& TopLevelWindows() const { return FDesktop->Children; }
  WindowClass* FindClass(const String& Name) const;

  // ---- Geometry of records ----
  /// The window's top-left corner in screen coordinates.
  static TPoint ScreenOrigin(const Window& W);
  /// The client area's top-left corner in screen coordinates.
  static TPoint ClientScreenOrigin(const Window& W);
  /// The window's top-left corner in the coordinates of its top-level window (its backing surface).
  static TPoint OriginInTopLevel(const Window& W);
  /// The top-level window W belongs to (W itself when it is one; the desktop for the desktop).
  static Window& TopLevelOf(Window& W);
  /// WS_VISIBLE on W and every ancestor.
  static bool IsShown(const Window& W);
  /// What of W shows, in W's window coordinates: its rectangle (Whole) or its client area, within its
  /// window region and every ancestor's client area and region, less the children (ClipChildren) and
  /// the siblings above it and its ancestors where they have WS_CLIPSIBLINGS (ClipSiblings: W itself
  /// too). Empty for hidden windows.
  static Region VisibleRegion(const Window& W, bool Whole, bool ClipChildren, bool ClipSiblings);

  // ---- Collaborators ----
  /// The presenter (null: none; the loop then waits on the clock alone). The caller keeps it alive.
  void SetPresenter(IPresenter* Presenter);
  IPresenter* Presenter() const { return FPresenter.load(); }
  /// The input layer (null: frameless windows, no input). The caller keeps it alive.
  void SetInputLayer(IInputLayer* Layer) { FInputLayer = Layer; }
  IInputLayer* InputLayer() const { return FInputLayer; }

  // ---- Queue ----
  /// Queues an input message (UI thread) with its own time and cursor position.
  void PostInput(const TMsg& Msg);
  /// Queues any message; thread-safe.
  void Post(const TMsg& Msg);
  /// Makes the loop's wait return soon. Thread-safe.
  void Wake();
  /// Blocks until woken, a native event, or Deadline (CurrentClock() time; none: no deadline).
  void WaitForEvents(std::optional<Int64> Deadline);

  // ---- Timers and painting ----
  /// When the next timer is due (CurrentClock() time), if any timer runs.
  std::optional<Int64> NextTimerDue() const;
  /// True when some shown window waits for WM_PAINT.
  bool PaintPending();
  /// Hands every top-level window's changed pixels to the presenter.
  void FlushPresents();

  /// Destroys every window and forgets queued messages, timers, registered classes and message hooks:
  /// a clean window system for the next test. The presenter and the input layer are let go too.
  void Reset();

  // ---- Parts, for the window system's own modules ----
  HandleTable& Handles() { return FHandles; }
  MessageQueue& Queue() { return FQueue; }
  TimerList& Timers() { return FTimers; }
  /// Class records by upper-case name.
  std::map<String, std::unique_ptr<WindowClass>>& Classes() { return FClasses; }
  /// Device contexts handed out by GetDCEx and BeginPaint, with their window and its top-level window.
  struct DCRecord {
    HWND Wnd { 0 };
    HWND TopLevel { 0 };
  };
  std::map<HDC, DCRecord>& DCs() { return FDCs; }
  /// Called whenever an update region grows or a window shows, so the paint search looks again.
  void PaintMayBePending() { FPaintScan = true; }
  /// The first shown window needing WM_PAINT within Root (0: everywhere), parents before children.
  Window* FindPaintTarget(HWND Root);
  /// The cursor position the last input message carried (the position of posted messages).
  TPoint LastInputPos() const { return FLastInputPos; }

private:
  WindowSystem();

  HandleTable FHandles;
  Window* FDesktop { nullptr };
  std::map<String, std::unique_ptr<WindowClass>> FClasses;
  MessageQueue FQueue;
  TimerList FTimers;
  std::map<HDC, DCRecord> FDCs;
  bool FPaintScan { false };
  TPoint FLastInputPos;

  // Wake runs on any thread. FWakeLock is held for the whole of a wake and for every change of the
  // presenter, so a presenter detached from the system is no longer in use by a waking thread.
  std::mutex FWakeLock;
  std::atomic<IPresenter*> FPresenter { nullptr };
  IInputLayer* FInputLayer { nullptr };
  std::atomic<bool> FWoken { false };
};
