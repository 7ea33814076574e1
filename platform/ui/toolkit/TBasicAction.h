#pragma once
// The least an action is: something with an OnExecute that controls can be linked to.
#include <vector>

#include "platform/base/TComponent.h"

class TBasicActionLink;
class TControl;

/// An action: Execute runs OnExecute; Change tells every linked client. Richer actions (caption,
/// checked state, image) derive from it and hand their values to a client in ApplyTo.
class TBasicAction : public TComponent {
public:
  explicit TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}
  ~TBasicAction() override;

  /// Runs OnExecute; false when none is assigned.
  virtual bool Execute();
  /// Asks the action to refresh its state; false when nothing answered.
  virtual bool Update();
  /// Copies what the action holds onto a linked control (CheckDefaults: only where the control still
  /// has its default). The base action holds nothing to copy.
  virtual void ApplyTo(TControl* Client, bool CheckDefaults);

  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

protected:
  /// Tells every link that the action changed.
  virtual void Change();

private:
  friend class TBasicActionLink;
  void RegisterChanges(TBasicActionLink* Link);
  void UnRegisterChanges(TBasicActionLink* Link);

  std::vector<TBasicActionLink*> FClients;
};
