#pragma once
// A group box: an etched frame with its caption in the top edge, holding other controls inside it.
#include "platform/ui/toolkit/TCustomControl.h"

/// A group box; see the file comment.
class TGroupBox : public TCustomControl {
public:
  explicit TGroupBox(TComponent* AOwner);

protected:
  /// The children align inside the frame, below the caption.
  void AdjustClientRect(TRect& Rect) override;
  void Paint() override;
  void Dispatch(TMessage& Message) override;

private:
  int CaptionHeight();
};
