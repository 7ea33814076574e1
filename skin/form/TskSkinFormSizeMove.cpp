// The frame in the system's move/size loop: a maximized form stays put, and a magnetic one snaps its
// edges to the work area and to the other forms.
#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/ui/toolkit/TScreen.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/form/TskFormLayerBorder.h"
#include "skin/form/TskFormLayerWindow.h"
#include "skin/form/TskSkinForm.h"

namespace {

/// One edge of a dragged form under a magnet. Pos is where the loop would put the edge, Places where it
/// may snap, Cursor the pointer's coordinate on the edge's axis. Near a place (closer than Size) the
/// edge snaps there and the cursor is remembered; held, it stays until the cursor has left the remembered
/// place by more than Size, then follows the cursor. Answers the edge's place.
int SnapEdge(int Pos, const std::vector<int>& Places, int Size, int Cursor, bool& Held, int& Place, int& Anchor) {
  std::optional<int> Nearest;
  for (int P : Places)
    if (P - Size < Pos && Pos < P + Size && (!Nearest || std::abs(P - Pos) < std::abs(*Nearest - Pos))) Nearest = P;
  int Result = Pos;
  if (Nearest && !Held) {
    Place = Result = *Nearest;
    Anchor = Cursor;
  } else if (Held) {
    Result = std::abs(Cursor - Anchor) > Size ? Cursor + Place - Anchor : Place;
  }
  Held = Nearest.has_value();
  return Result;
}

/// The two ranges overlap.
bool Overlap(int A1, int A2, int B1, int B2) { return A1 < B2 && B1 < A2; }

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
  TRect Area = MonitorArea(true);
  if (FForm->FormStyle() == fsMDIChild && FForm->Parent()) {
    GetClientRect(FForm->Parent()->Handle(), &Area);
    MapWindowPoints(FForm->Parent()->Handle(), 0, &Area);
  }
  // The area's edges, and the facing edges of the other forms beside the dragged one (not the windows of
  // a layered border: they move with their forms).
  std::vector<int> Lefts { Area.Left }, Tops { Area.Top }, Rights { Area.Right }, Bottoms { Area.Bottom };
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* Other = Screen->Forms(i);
    if (Other == FForm || !Other->Visible() || !Other->HandleAllocated() || IsIconic(Other->Handle()) ||
        Other->FormStyle() == fsMDIChild || dynamic_cast<TskFormLayerWindow*>(Other))
      continue;
    const TRect O = Other->BoundsRect();
    if (Overlap(R.Top - M, R.Bottom + M, O.Top, O.Bottom)) {
      Lefts.push_back(O.Right);
      Rights.push_back(O.Left);
    }
    if (Overlap(R.Left - M, R.Right + M, O.Left, O.Right)) {
      Tops.push_back(O.Bottom);
      Bottoms.push_back(O.Top);
    }
  }
  TPoint Cursor;
  GetCursorPos(&Cursor);
  int X = SnapEdge(R.Left, Lefts, M, Cursor.X, HMagnetized, FMagnetPlaces.Left, FOnMouseDownCoord.X);
  int Y = SnapEdge(R.Top, Tops, M, Cursor.Y, VMagnetized, FMagnetPlaces.Top, FOnMouseDownCoord.Y);
  X = SnapEdge(X + W, Rights, M, Cursor.X, HMagnetized2, FMagnetPlaces.Right, FOnMouseDownCoord.X) - W;
  Y = SnapEdge(Y + H, Bottoms, M, Cursor.Y, VMagnetized2, FMagnetPlaces.Bottom, FOnMouseDownCoord.Y) - H;
  R = Bounds(X, Y, W, H);
  if (Outer) R = Rect(R.Left + B->LeftSize, R.Top + B->TopSize, R.Right - B->RightSize, R.Bottom - B->BottomSize);
}
