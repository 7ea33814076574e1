#pragma once
// The link between a control and a TCustomAction.
#include "platform/ui/toolkit/TBasicActionLink.h"

/// A control's link to an action with caption, checked state and image: Execute runs it and each of its
/// changes reaches the control's ActionChange.
class TActionLink : public TBasicActionLink {
public:
  using TBasicActionLink::TBasicActionLink;
};
