// Dragging a control over the program's controls (see TControl.h): one drag at a time, held here. The
// dragged control keeps the mouse capture, so its moves and its release reach it wherever the pointer is.
#include <cstdlib>
#include <optional>

#include "platform/ui/toolkit/IControlHost.h"
#include "platform/ui/toolkit/TControl.h"
#include "platform/ui/toolkit/TWinControl.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/Ui.h"

namespace {

constexpr int DefaultDragThreshold = 5;

struct TDragSession {
  TControl* Source { nullptr };
  std::weak_ptr<bool> SourceLife;
  /// Where the pointer was when the drag began, and how far it moves before the drag follows it.
  TPoint Start;
  int Threshold { DefaultDragThreshold };
  bool Moving { false };
  /// The control the pointer is over and whether it takes a drop.
  TControl* Target { nullptr };
  std::weak_ptr<bool> TargetLife;
  bool Accepted { false };
};

std::optional<TDragSession> GDrag;

/// The control under a screen point: an enabled windowless child of the window there, else the window's
/// control; null over no window of the program.
TControl* ControlAtScreen(TPoint P) {
  TWinControl* Window = FindControl(WindowFromPoint(P));
  if (!Window) return nullptr;
  if (TControl* Child = Window->ControlAtPos(Window->ScreenToClient(P), false)) return Child;
  return Window;
}

TControl* LiveTarget(const TDragSession& Drag) { return Drag.TargetLife.expired() ? nullptr : Drag.Target; }

/// Whether the drag that ran with Source still runs (a handler may have ended it).
bool StillDragging(TControl* Source, const std::weak_ptr<bool>& SourceLife) {
  return GDrag && GDrag->Source == Source && !SourceLife.expired();
}

}  // namespace

TControl* TControl::DraggedControl() { return GDrag && !GDrag->SourceLife.expired() ? GDrag->Source : nullptr; }

void TControl::BeginDrag(bool Immediate, int Threshold) {
  if (TControl* Running = DraggedControl()) Running->EndDrag(false);
  GDrag.reset();
  const std::weak_ptr<bool> Life = FLife;
  DoStartDrag();
  if (Life.expired()) return;
  TDragSession Drag;
  Drag.Source = this;
  Drag.SourceLife = FLife;
  GetCursorPos(&Drag.Start);
  Drag.Threshold = Threshold < 0 ? DefaultDragThreshold : Threshold;
  Drag.Moving = Immediate;
  GDrag = Drag;
  SetCaptureControl(this);
  if (Immediate) DragTo(Drag.Start);
}

void TControl::DragTo(TPoint Screen) {
  TControl* Source = GDrag->Source;
  const std::weak_ptr<bool> SourceLife = GDrag->SourceLife;
  TControl* Was = LiveTarget(*GDrag);
  TControl* Over = ControlAtScreen(Screen);
  if (Was && Was != Over) {
    bool Ignored = false;
    const TPoint P = Was->ScreenToClient(Screen);
    Was->DragOver(Source, P.X, P.Y, dsDragLeave, Ignored);
    if (!StillDragging(Source, SourceLife)) return;
  }
  GDrag->Target = Over;
  GDrag->TargetLife = Over ? Over->FLife : std::weak_ptr<bool>();
  GDrag->Accepted = false;
  bool Accept = false;
  if (Over) {
    const TPoint P = Over->ScreenToClient(Screen);
    Over->DragOver(Source, P.X, P.Y, Over == Was ? dsDragMove : dsDragEnter, Accept);
    if (!StillDragging(Source, SourceLife)) return;
  }
  GDrag->Accepted = Accept;
  const TCursor Cursor = Accept ? Source->FDragCursor : crNoDrop;
  IControlHost* Host = ControlHost();
  ::SetCursor(Host ? Host->CursorHandle(Cursor) : SystemCursorHandle(Cursor));
}

// The target's answer at the last move decides, as the cursor showed it.
void TControl::EndDrag(bool Drop) {
  if (!Dragging()) return;
  const TDragSession Drag = *GDrag;
  GDrag.reset();
  if (CaptureControl() == this) SetCaptureControl(nullptr);
  TPoint Screen;
  GetCursorPos(&Screen);
  TControl* Target = Drag.Moving ? LiveTarget(Drag) : nullptr;
  const bool Dropped = Drop && Target && Drag.Accepted;
  const std::weak_ptr<bool> Life = FLife;
  if (Target) {
    const TPoint P = Target->ScreenToClient(Screen);
    if (Dropped) {
      Target->DragDrop(this, P.X, P.Y);
    } else {
      bool Ignored = false;
      Target->DragOver(this, P.X, P.Y, dsDragLeave, Ignored);
    }
  }
  if (Life.expired()) return;
  // A target freed by its own drop handler is reported as none.
  if (Dropped && !Drag.TargetLife.expired()) {
    const TPoint P = Target->ScreenToClient(Screen);
    DoEndDrag(Target, P.X, P.Y);
  } else {
    const TPoint P = ScreenToClient(Screen);
    DoEndDrag(nullptr, P.X, P.Y);
  }
}

void TControl::DragMouseMessage(TMessage& Message) {
  switch (Message.Msg) {
  case WM_MOUSEMOVE: {
    TPoint P;
    GetCursorPos(&P);
    if (!GDrag->Moving && std::abs(P.X - GDrag->Start.X) <= GDrag->Threshold &&
        std::abs(P.Y - GDrag->Start.Y) <= GDrag->Threshold)
      return;
    GDrag->Moving = true;
    DragTo(P);
    return;
  }
  case WM_LBUTTONUP: EndDrag(true); return;
  case WM_RBUTTONDOWN: EndDrag(false); return;
  default: return;
  }
}

void TControl::DoStartDrag() {
  if (OnStartDrag) {
    const TNotifyEvent Handler = OnStartDrag;
    Handler(this);
  }
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  Accept = false;
  if (!OnDragOver) return;
  Accept = true;
  const TDragOverEvent Handler = OnDragOver;
  Handler(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int X, int Y) {
  if (OnDragDrop) {
    const TDragDropEvent Handler = OnDragDrop;
    Handler(this, Source, X, Y);
  }
}

void TControl::DoEndDrag(TObject* Target, int X, int Y) {
  if (OnEndDrag) {
    const TEndDragEvent Handler = OnEndDrag;
    Handler(this, Target, X, Y);
  }
}
