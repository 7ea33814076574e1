#pragma once
// A windowless bar between aligned controls: dragging it resizes the control aligned next to it.
#include <functional>

#include "platform/ui/toolkit/TGraphicControl.h"

using TCanResizeSplitterEvent = std::function<void(TObject* Sender, int& NewSize, bool& Accept)>;

/// A splitter. It works on the visible sibling with the same alignment whose edge touches it (for
/// alLeft the control whose right edge is the splitter's left edge). A drag gives that control the size
/// it had plus the distance dragged, kept between MinSize and what the parent leaves (below MinSize it
/// snaps to 0 with AutoSnap); OnCanResize may change or refuse a size; OnMoved follows the release.
class TSplitter : public TGraphicControl {
public:
  explicit TSplitter(TComponent* AOwner);

  int MinSize() const { return FMinSize; }
  void SetMinSize(int Value) { FMinSize = Value < 1 ? 1 : Value; }
  bool AutoSnap() const { return FAutoSnap; }
  void SetAutoSnap(bool Value) { FAutoSnap = Value; }
  /// A raised line along each edge.
  bool Beveled() const { return FBeveled; }
  void SetBeveled(bool Value);

  TCanResizeSplitterEvent OnCanResize;
  TNotifyEvent OnMoved;
  TNotifyEvent OnPaint;

protected:
  /// Also turns the cursor into the splitter cursor of the new direction.
  void RequestAlign() override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  /// OnCanResize's decision on a new size.
  virtual bool DoCanResize(int& NewSize);

private:
  bool Horizontal() const { return Align() == alTop || Align() == alBottom; }
  /// The control the splitter resizes; null when none touches it.
  TControl* FindResizeControl() const;
  int SizeOf(const TControl* Control) const;
  void UpdateControlSize(int NewSize);

  int FMinSize { 30 };
  bool FAutoSnap { true };
  bool FBeveled { false };
  TControl* FControl { nullptr };  // being dragged
  TPoint FDownScreen;
  int FDownSize { 0 };
  int FMaxSize { 0 };
};
