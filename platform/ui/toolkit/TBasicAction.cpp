#include "platform/ui/toolkit/TBasicAction.h"

#include <algorithm>

#include "platform/ui/toolkit/TBasicActionLink.h"

TBasicAction::~TBasicAction() {
  // The links outlive the action: they forget it so their clients see no action any more.
  while (!FClients.empty()) FClients.back()->SetAction(nullptr);
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  const TNotifyEvent Handler = OnExecute;
  Handler(this);
  return true;
}

bool TBasicAction::Update() {
  if (!OnUpdate) return false;
  const TNotifyEvent Handler = OnUpdate;
  Handler(this);
  return true;
}

void TBasicAction::ApplyTo(TControl* Client, bool CheckDefaults) {
  (void)Client;
  (void)CheckDefaults;
}

void TBasicAction::Change() {
  const std::vector<TBasicActionLink*> Links = FClients;  // a client may unlink while it is told
  for (TBasicActionLink* Link : Links)
    if (std::find(FClients.begin(), FClients.end(), Link) != FClients.end()) Link->Change();
}

void TBasicAction::RegisterChanges(TBasicActionLink* Link) { FClients.push_back(Link); }

void TBasicAction::UnRegisterChanges(TBasicActionLink* Link) {
  const auto It = std::find(FClients.begin(), FClients.end(), Link);
  if (It != FClients.end()) FClients.erase(It);
}
