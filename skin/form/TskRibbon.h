#pragma once
// The ribbon a form frame may carry: the frame hands it the frame on linking and, while a ribbon is in
// use, leaves the form's frame to the system.
#include "platform/base/TComponent.h"

class TskSkinForm;

/// A form's ribbon as its frame knows it; see the file comment.
class TskRibbon : public TComponent {
public:
  using TComponent::TComponent;

  /// The frame of the ribbon's form; set by the frame.
  TskSkinForm* SkinForm { nullptr };
};
