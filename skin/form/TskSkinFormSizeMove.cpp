// The frame in the system's move/size loop: a maximized form stays put, and a magnetic one snaps its
// edges to the work area (an MDI child: to its MDI client).
#include <cstdlib>

#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/form/TskFormLayerBorder.h"
#include "skin/form/TskSkinForm.h"

namespace {

/// One edge of a dragged form under a magnet. Pos is where the loop would put the edge, Target the area's
/// edge it may snap to, Cursor the pointer's coordinate on the edge's axis. Near the target (closer than
/// Size) the edge snaps there and the cursor is remembered; held, it stays until the cursor has left the
/// remembered place by more than Size, then follows the cursor. Answers the edge's place.
int SnapEdge(int Pos, int Target, int Size, int Cursor, bool& Held, int& Place, int& Anchor) {
  const bool Near = Target - Size < Pos && Pos < Target + Size;
  int Result = Pos;
  if (Near && !Held) {
    Place = Result = Target;
    Anchor = Cursor;
  } else if (Held) {
    Result = std::abs(Cursor - Anchor) > Size ? Cursor + Place - Anchor : Place;
  }
  Held = Near;
  return Result;
}

}  // namespace

void TskSkinForm::ClearMagnets() { HMagnetized = VMagnetized = HMagnetized2 = VMagnetized2 = false; }

void TskSkinForm::WMMoving(TRect& R) {
  if (FWindowState == wsMaximized && FForm->FormStyle() != fsMDIChild) {
    R = FForm->BoundsRect();
    return;
  }
  if (FMagnetic) Snap(R);
}

void TskSkinForm::Snap(TRect& R) {
  // A border around the form snaps with its outer edges.
  const bool Outer = BorderOutsideForm();
  const TskFormLayerBorder* B = FBorderLayer;
  if (Outer) R = Rect(R.Left - B->LeftSize, R.Top - B->TopSize, R.Right + B->RightSize, R.Bottom + B->BottomSize);
  const int W = R.Width(), H = R.Height(), M = FMagneticSize;
  // Only the work area (an MDI child: its MDI client) holds a magnet; other forms do not.
  TRect Area = MonitorArea(true);
  if (FForm->FormStyle() == fsMDIChild && FForm->Parent()) {
    GetClientRect(FForm->Parent()->Handle(), &Area);
    MapWindowPoints(FForm->Parent()->Handle(), 0, &Area);
  }
  TPoint Cursor;
  GetCursorPos(&Cursor);
  int X = SnapEdge(R.Left, Area.Left, M, Cursor.X, HMagnetized, FMagnetPlaces.Left, FOnMouseDownCoord.X);
  int Y = SnapEdge(R.Top, Area.Top, M, Cursor.Y, VMagnetized, FMagnetPlaces.Top, FOnMouseDownCoord.Y);
  X = SnapEdge(X + W, Area.Right, M, Cursor.X, HMagnetized2, FMagnetPlaces.Right, FOnMouseDownCoord.X) - W;
  Y = SnapEdge(Y + H, Area.Bottom, M, Cursor.Y, VMagnetized2, FMagnetPlaces.Bottom, FOnMouseDownCoord.Y) - H;
  R = Bounds(X, Y, W, H);
  if (Outer) R = Rect(R.Left + B->LeftSize, R.Top + B->TopSize, R.Right - B->RightSize, R.Bottom - B->BottomSize);
}
