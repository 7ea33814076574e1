#pragma once
// A stand-in for a compositing manager: owns the screen's _NET_WM_CM_S0 selection over a connection of its
// own (DISPLAY) while it lives, which is how a program tells that one runs. It composes nothing.
#include <memory>

class XCompositorStandIn {
public:
  XCompositorStandIn();
  ~XCompositorStandIn();
  XCompositorStandIn(const XCompositorStandIn&) = delete;
  XCompositorStandIn& operator=(const XCompositorStandIn&) = delete;

  /// The selection is ours (false without a server or when another owner holds it).
  bool Owns() const;

private:
  struct State;
  std::unique_ptr<State> FState;
};
