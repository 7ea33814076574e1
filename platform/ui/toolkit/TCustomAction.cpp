#include "platform/ui/toolkit/TCustomAction.h"

#include <algorithm>

#include "platform/ui/toolkit/TControl.h"
#include "platform/ui/toolkit/TCustomActionList.h"

TCustomAction::~TCustomAction() { SetActionList(nullptr); }

void TCustomAction::SetActionList(TCustomActionList* Value) {
  if (FActionList == Value) return;
  if (FActionList) {
    auto& List = FActionList->FActions;
    List.erase(std::remove(List.begin(), List.end(), this), List.end());
  }
  FActionList = Value;
  if (FActionList) FActionList->FActions.push_back(this);
}

void TCustomAction::Changed(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  Change();
}

void TCustomAction::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Change();
}

void TCustomAction::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  if (Value && FGroupIndex > 0 && FActionList)
    for (TCustomAction* Other : FActionList->FActions)
      if (Other != this && Other->FGroupIndex == FGroupIndex) Other->SetChecked(false);
  Change();
}

void TCustomAction::SetEnabled(bool Value) { Changed(FEnabled, Value); }

void TCustomAction::SetVisible(bool Value) { Changed(FVisible, Value); }

void TCustomAction::SetHint(const String& Value) {
  if (FHint == Value) return;
  FHint = Value;
  Change();
}

void TCustomAction::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Change();
}

void TCustomAction::SetShortCut(TShortCut Value) {
  if (FShortCut == Value) return;
  FShortCut = Value;
  Change();
}

void TCustomAction::SetGroupIndex(int Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  if (FChecked && Value > 0) {
    FChecked = false;
    SetChecked(true);
  }
}

bool TCustomAction::Execute() { return FEnabled && TBasicAction::Execute(); }

void TCustomAction::ApplyTo(TControl* Client, bool CheckDefaults) {
  if (!CheckDefaults || Client->Caption().empty()) Client->SetCaption(FCaption);
  if (!CheckDefaults || Client->Enabled()) Client->SetEnabled(FEnabled);
  if (!CheckDefaults || Client->Hint().empty()) Client->SetHint(FHint);
  if (!CheckDefaults || Client->Visible()) Client->SetVisible(FVisible);
}
