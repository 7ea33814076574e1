#pragma once
// A frame object the application paints itself, through the frame's OnPaintEvent.
#include "skin/form/TskActiveSkinObject.h"

/// A user-drawn frame object; see the file comment.
class TskUserObject : public TskActiveSkinObject {
public:
  using TskActiveSkinObject::TskActiveSkinObject;
  /// Fires the frame's OnPaintEvent with the object's name and rectangle, whatever UpDate is.
  void Draw(TCanvas* Cnvs, bool UpDate) override;
};
