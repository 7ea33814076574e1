#pragma once
// A windowed container with bevels around its client area and an optional centred caption.
#include "platform/base/TAlignment.h"
#include "platform/ui/toolkit/TCustomControl.h"

/// How a bevel edge looks: none, sunken, raised, or a flat band of the panel's colour.
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

/// A panel: from the outside in, the outer bevel, a border of BorderWidth in the panel's colour and the
/// inner bevel, each bevel BevelWidth wide; the children align inside them. The caption is drawn in the
/// middle of what is left, on one line.
class TCustomPanel : public TCustomControl {
public:
  explicit TCustomPanel(TComponent* AOwner);

  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut Value);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut Value);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int Value);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  /// Stored only.
  bool FullRepaint() const { return FFullRepaint; }
  void SetFullRepaint(bool Value) { FFullRepaint = Value; }

protected:
  void AdjustClientRect(TRect& Rect) override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;

private:
  /// The bevels and border changed: the children align again and the panel repaints.
  void FrameChanged();

  TBevelCut FBevelInner { bvNone };
  TBevelCut FBevelOuter { bvRaised };
  int FBevelWidth { 1 };
  int FBorderWidth { 0 };
  TAlignment FAlignment { taCenter };
  bool FFullRepaint { true };
};
