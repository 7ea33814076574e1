#pragma once
// Base of the canvas's drawing tools (font, pen, brush): a persistent object that reports its changes.
#include "platform/base/TPersistent.h"

/// A drawing tool whose changes are announced through OnChange (a canvas re-selects it then).
class TGraphicsObject : public TPersistent {
public:
  TNotifyEvent OnChange;

protected:
  virtual void Changed();
};
