#pragma once
// The link between a control and its action.
#include "platform/base/TObject.h"

class TBasicAction;
class TControl;

/// Ties a client control to an action: Execute runs the action for the client, and each change of the
/// action reaches the client's ActionChange. Owned by the client control.
class TBasicActionLink : public TObject {
public:
  explicit TBasicActionLink(TControl* Client) : FClient(Client) {}
  ~TBasicActionLink() override;
  TBasicActionLink(const TBasicActionLink&) = delete;
  TBasicActionLink& operator=(const TBasicActionLink&) = delete;

  TBasicAction* Action() const { return FAction; }
  void SetAction(TBasicAction* Value);
  TControl* Client() const { return FClient; }
  /// Runs the action; false when there is none or it has nothing to run.
  virtual bool Execute();

protected:
  friend class TBasicAction;
  /// The action changed: the client's ActionChange runs.
  virtual void Change();

private:
  TControl* FClient;
  TBasicAction* FAction { nullptr };
};
