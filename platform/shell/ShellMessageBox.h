#pragma once
// The boxes in which the shell's context menus ask the user and tell them what happened.
#include <functional>

#include "platform/base/Types.h"
#include "platform/ui/toolkit/PlainMessageBox.h"

/// Shows a modal box of Text titled Caption with the buttons, icon and default button of the MB_* Flags,
/// and answers the ID of the button chosen (IDYES, IDNO, IDOK ...).
using TShellMessageBox = std::function<int(const String& Text, const String& Caption, UINT Flags)>;

/// Shows a box through the presenter installed, else as the plain message box. User-interface thread.
int ShowShellMessageBox(const String& Text, const String& Caption, UINT Flags);
/// Installs Presenter for the shell's boxes (null: the plain message box again) and answers the former
/// one, for the caller to put back.
TShellMessageBox SetShellMessageBox(TShellMessageBox Presenter);
