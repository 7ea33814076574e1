#pragma once
// The form frame's own window messages and the answers it gives to outside windows.
#include "platform/ui/winsys/UiTypes.h"
// WM_SKINMENUCLOSED (also to the frame's form after the control) and WM_SKINMENUCOMMAND.
#include "skin/controls/IskSkinPopupMenu.h"
#include "skin/controls/skControlMessages.h"
/// The tray icon shows the main form again.
constexpr UINT WM_SHOWFROMTRAY = 1426;

/// Outside windows ask whether the frame is drawn by a skin.
constexpr UINT WM_SKINFRAMEQUERY = 45490;
/// Outside windows announce and end a show effect of their own.
constexpr UINT WM_SMARTEFFECTSSHOW = 45491;
constexpr UINT WM_SMARTEFFECTSDONE = 45492;
// WM_SKINPRINTNC (outside windows ask the frame to paint itself into the DC in wParam) is the controls'.
/// As WM_SKINPRINTNC, only with lParam SkinPrintNCExKey.
constexpr UINT WM_SKINPRINTNCEX = 0xBC4B;

/// WM_SKINPRINTNC's answer: the frame was printed.
constexpr LRESULT SkinNCPrinted = SKINPRINTNC_ANSWER;
/// WM_SKINFRAMEQUERY's answers: a system-drawn frame, a skinned one.
constexpr LRESULT SkinFrameSystem = 12852;
constexpr LRESULT SkinFrameSkinned = 12853;
/// The key WM_SKINPRINTNCEX carries in lParam and answers with.
constexpr LPARAM SkinPrintNCExKey = 16802;

/// The Tag the tray icon gives the main form while it hides or shows it from the notification area.
constexpr int TrayRestoreTag = -10000;

// The frames of an MDI main form and of its children talk through these, sent to the main form (wParam 0
// unless stated).
/// To each child: a maximized child takes the whole MDI client area again.
constexpr UINT WM_MDICHILDREFIT = 1230;
/// A child maximized: every child that can maximizes, the menu bar shows the child's buttons.
constexpr UINT WM_MDICHILDMAXIMIZED = 1231;
/// A child was restored, minimized or destroyed: is some child still maximized?
constexpr UINT WM_MDICHILDRESTORED = 1232;
/// A child moved, sized, showed, or (wParam: its window) hid or went.
constexpr UINT WM_MDICHILDMOVED = 1233;
/// A child was restored: every child is restored.
constexpr UINT WM_MDIRESTOREALL = 1234;
/// A child (wParam: its window) was minimized: every other child is restored.
constexpr UINT WM_MDIRESTOREALLEXCEPT = 1235;
/// Answers 1 while a child is maximized.
constexpr UINT WM_MDIQUERYMAXIMIZED = 1236;
