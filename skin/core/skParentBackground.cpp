#include "skin/core/skParentBackground.h"

#include <algorithm>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/toolkit/TCustomForm.h"
#include "platform/ui/toolkit/TWinControl.h"

namespace {

// A control's own painting is protected: only the control and its descendants call it. Painting a
// parent as the background of its child is the one outside use, so it goes through this descendant's
// view of the method.
struct TPaintWindowAccess : TWinControl {
  static void Paint(TWinControl* Control, HDC DC) { (Control->*&TPaintWindowAccess::PaintWindow)(DC); }
};

// Marks a control as painting for a neighbour while it lives, also when the painting raises.
class TPaintCopyMark {
public:
  explicit TPaintCopyMark(TControl* Control) : FControl(Control) { Set(true); }
  ~TPaintCopyMark() { Set(false); }
  TPaintCopyMark(const TPaintCopyMark&) = delete;
  TPaintCopyMark& operator=(const TPaintCopyMark&) = delete;

private:
  void Set(bool On) {
    TControlState State = FControl->ControlState();
    On ? State.Include(csPaintCopy) : State.Exclude(csPaintCopy);
    FControl->SetControlState(State);
  }

  TControl* FControl;
};

// The DC's state, saved while it lives, with the viewport origin moved by Shift from where it was and the
// drawing clipped to Clip (logical coordinates after the move); restored also when the painting raises.
class TShiftedDC {
public:
  TShiftedDC(HDC DC, TPoint Shift, const TRect& Clip) : FDC(DC), FSaved(SaveDC(DC)) {
    TPoint Origin;
    GetViewportOrgEx(DC, &Origin);
    SetViewportOrgEx(DC, Origin.X + Shift.X, Origin.Y + Shift.Y, nullptr);
    IntersectClipRect(DC, Clip.Left, Clip.Top, Clip.Right, Clip.Bottom);
  }
  ~TShiftedDC() { RestoreDC(FDC, FSaved); }
  TShiftedDC(const TShiftedDC&) = delete;
  TShiftedDC& operator=(const TShiftedDC&) = delete;

private:
  HDC FDC;
  int FSaved;
};

bool Overlap(const TRect& A, const TRect& B) {
  return std::max(A.Left, B.Left) < std::min(A.Right, B.Right) && std::max(A.Top, B.Top) < std::min(A.Bottom, B.Bottom);
}

// The parent's erased background. What shows around the controls of a form with documents is its
// document client window, which lies over the form's own background.
void EraseParent(TWinControl* Parent, HDC DC) {
  const auto* Form = dynamic_cast<TCustomForm*>(Parent);
  if (Form && Form->FormStyle() == fsMDIForm && Form->ClientHandle())
    SendMessage(Form->ClientHandle(), WM_ERASEBKGND, WPARAM(DC), 0);
  else
    Parent->Perform(WM_ERASEBKGND, WPARAM(DC), 0);
}

// Everything is drawn with the canvas's origin standing for Origin, a point in the parent's client
// coordinates.
void DrawBehind(TWinControl* Control, TPoint Origin, TCanvas* Canvas) {
  TWinControl* Parent = Control ? Control->Parent() : nullptr;
  if (!Parent)
    return;
  const HDC DC = Canvas->Handle();
  TPaintCopyMark ParentMark(Parent);
  {
    TShiftedDC Shifted(DC, { -Origin.X, -Origin.Y }, Rect(0, 0, Parent->ClientWidth(), Parent->ClientHeight()));
    EraseParent(Parent, DC);
    if (!dynamic_cast<TCustomForm*>(Parent))
      TPaintWindowAccess::Paint(Parent, DC);
  }
  const TRect Bounds = Control->BoundsRect();
  for (int I = 0; I < Parent->ControlCount(); ++I) {
    TControl* Sibling = Parent->Controls(I);
    if (Sibling == Control)
      break;
    if (!Sibling->Visible() || !Overlap(Sibling->BoundsRect(), Bounds) || dynamic_cast<TWinControl*>(Sibling))
      continue;
    TPaintCopyMark SiblingMark(Sibling);
    TShiftedDC Shifted(DC, { Sibling->Left() - Origin.X, Sibling->Top() - Origin.Y },
                       Rect(0, 0, Sibling->Width(), Sibling->Height()));
    Sibling->Perform(WM_PAINT, WPARAM(DC), 0);
  }
}

}  // namespace

void DrawParentBackground(TWinControl* Control, TCanvas* Canvas) {
  if (Control)
    DrawBehind(Control, { Control->Left(), Control->Top() }, Canvas);
}

void DrawParentBackgroundAt(TWinControl* Control, const TRect& R, TCanvas* Canvas) {
  if (Control)
    DrawBehind(Control, { Control->Left() + R.Left, Control->Top() + R.Top }, Canvas);
}
