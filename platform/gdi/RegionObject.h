#pragma once
// A region object: the handle-side holder of a Region value.
#include <utility>

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/Region.h"

/// The object behind an HRGN.
class RegionObject : public GdiObject {
public:
  explicit RegionObject(Region Area = {}) : FArea(std::move(Area)) {}

  int ObjectType() const override { return OBJ_REGION; }

  Region& Area() { return FArea; }
  const Region& Area() const { return FArea; }

private:
  Region FArea;
};
