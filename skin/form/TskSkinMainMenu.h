#pragma once
// A form's main menu with the skin model that frame buttons opening its items use.
#include "platform/ui/toolkit/TMainMenu.h"

class TskSkinData;

/// A main menu with a skin model; see the file comment.
class TskSkinMainMenu : public TMainMenu {
public:
  using TMainMenu::TMainMenu;

  TskSkinData* SkinData() const { return FSD; }
  /// Registers for the model's removal: a freed model is forgotten.
  void SetSkinData(TskSkinData* Value);

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  TskSkinData* FSD { nullptr };
};
