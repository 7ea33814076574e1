#pragma once
// The menu a form shows along its top (drawn by the form's skinned frame).
#include "platform/ui/toolkit/TMenu.h"

/// A form's main menu; its shortcuts work through the form's IsShortCut.
class TMainMenu : public TMenu {
public:
  using TMenu::TMenu;
};
