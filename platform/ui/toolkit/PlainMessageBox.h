#pragma once
// The plain message box of the window system: a modal dialog with the default frame, the text, and the
// standard icon (IDI_*, Icons.h) and buttons its flags ask for. It serves the hand-overs of other threads
// while open. Its form is named "MessageBox", its text is the label "Message", its icon the control "Icon"
// and its buttons are named after their answers ("OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No"),
// so a modal responder can read and answer it.
#include "platform/base/Types.h"
#include "platform/ui/winsys/UiTypes.h"

// Buttons.
constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_OKCANCEL = 0x00000001;
constexpr UINT MB_ABORTRETRYIGNORE = 0x00000002;
constexpr UINT MB_YESNOCANCEL = 0x00000003;
constexpr UINT MB_YESNO = 0x00000004;
constexpr UINT MB_RETRYCANCEL = 0x00000005;
// Icons.
constexpr UINT MB_ICONHAND = 0x00000010;
constexpr UINT MB_ICONSTOP = MB_ICONHAND;
constexpr UINT MB_ICONERROR = MB_ICONHAND;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONASTERISK = 0x00000040;
constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
// The default button.
constexpr UINT MB_DEFBUTTON1 = 0x00000000;
constexpr UINT MB_DEFBUTTON2 = 0x00000100;
constexpr UINT MB_DEFBUTTON3 = 0x00000200;

// Answers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

/// Shows the box modally and answers the button chosen. Enter presses the focused button (the default
/// one at first), Esc and the close box the Cancel button, or OK when that is the only one; a box
/// without either ignores them.
int ShowPlainMessageBox(const String& Text, const String& Caption, UINT Flags);
