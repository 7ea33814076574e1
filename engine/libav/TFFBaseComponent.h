#pragma once
// Common base of the engine's components (logger, probe, converter, player).
#include "platform/base/TComponent.h"

/// A plain component: the engine's components share it as their base and add nothing here.
class TFFBaseComponent : public TComponent {
public:
  using TComponent::TComponent;
};
