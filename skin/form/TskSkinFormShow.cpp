// The frame when its form shows: the first place on the screen, the menu the frame draws itself, and the
// fade-in to the form's alpha.
#include <algorithm>

#include "platform/base/Clock.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowClass.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skUtils.h"
#include "skin/form/TskFormLayerBorder.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/skLayering.h"

namespace {

/// The window timer that starts the fade-in, and its interval.
constexpr UINT_PTR FadeInTimer = 1;
constexpr UINT FadeInDelay = 1;
/// A fade step comes each time more than this many milliseconds have passed; 15 steps in all.
constexpr Cardinal FadeStepInterval = 5;
constexpr int FadeSteps = 15;

}  // namespace

void TskSkinForm::WMShowWindow(bool Show) {
  if (!Show) {
    if (FSkinnableForm) HideLayers();
    return;
  }
  HookAppRestore();
  // The first show places the form, unless it shows minimized or maximized: then its first restore does.
  if (FStartShow) {
    if (FPositionInMonitor == skpDefault) {
      FStartShow = false;
    } else if (FWindowState == wsNormal) {
      FStartShow = false;
      ApplyPositionInMonitor();
    }
  }
  const bool AllWindows = FSD && FSD->AnimationForAllWindows();
  if (AllWindows && FAlphaBlendValue == 0) FAlphaBlendValue = 255;
  if (CanLayer() && (FAlphaBlend || FAlphaBlendAnimation || AllWindows) && FForm->HandleAllocated()) {
    const HWND Wnd = FForm->Handle();
    SetWindowLong(Wnd, GWL_EXSTYLE, GetWindowLong(Wnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetWindowAlpha(Wnd, 0);
    // The border shows with the form, as transparent as the form, and fades in with it.
    if (UseLayeredBorder()) FBorderLayer->CheckFormAlpha(0, false);
    FFadeInPending = true;
    SetTimer(Wnd, FadeInTimer, FadeInDelay);
  }
  if (FForm->FormStyle() == fsMDIForm)
    SubclassMDIClient();
  else
    NudgeWidth();
  // The skinned menu bar draws the main menu; the system's menu bar stays away.
  if (FSkinnableForm && FForm->Menu()) FForm->SetMenu(nullptr);
}

// The fade blocks the loop for its 15 steps, as the system's window animations do; between steps it waits
// on the clock (a test's virtual clock moves on at the wait) and serves nothing.
void TskSkinForm::FadeIn() {
  const HWND Wnd = FForm->Handle();
  KillTimer(Wnd, FadeInTimer);
  FFadeInPending = false;
  if (auto* Button = dynamic_cast<TskSkinButton*>(FForm->ActiveControl())) Button->FStopAnimate = true;
  const bool AllWindows = FSD && FSD->AnimationForAllWindows();
  const bool Animate = FAlphaBlendAnimation || AllWindows;
  const Byte Target = Animate && !FAlphaBlend ? 255 : FAlphaBlendValue;
  const bool Border = UseLayeredBorder();
  if (Border) FBorderLayer->FActive = GetFormActive();
  if (Animate) {
    const std::weak_ptr<bool> Alive = FAlive;
    Application->ProcessMessages();
    if (Alive.expired() || !IsWindow(Wnd)) return;
    const int Step = std::max(Target / FadeSteps, 1);
    int Alpha = 0;
    Cardinal Last = GetTickCount();
    while (Alpha < Target) {
      const Cardinal Now = GetTickCount();
      if (Now - Last > FadeStepInterval) {
        Last = Now;
        Alpha = std::min(Alpha + Step, int(Target));
        SetWindowAlpha(Wnd, Byte(Alpha));
        if (Border) FBorderLayer->CheckFormAlpha(Alpha, true);
      } else {
        WaitForWorkUntil(CurrentClock().Now() + (FadeStepInterval + 1 - (Now - Last)));
      }
    }
  } else if (Target != 255) {
    SetWindowAlpha(Wnd, Target);
    if (Border) FBorderLayer->CheckFormAlpha(Target, true);
  }
  if (Target == 255) {
    SetWindowLong(Wnd, GWL_EXSTYLE, GetWindowLong(Wnd, GWL_EXSTYLE) & ~WS_EX_LAYERED);
    if (Border) FBorderLayer->CheckFormAlpha(255, true);
  }
  if (Border && !FullLayeredBorder()) FBorderLayer->SetBoundsWithForm();
}

// The drop shadow is a style of the window's class: the window is shown again with its new style.
void TskSkinForm::EnableShadow(bool AShowShadow, bool AHideFormBefore) {
  if (!CanLayer() || AShowShadow == FHaveShadow || !FForm->HandleAllocated()) return;
  FHaveShadow = AShowShadow;
  const HWND Wnd = FForm->Handle();
  const bool Hide = AHideFormBefore && IsWindowVisible(Wnd);
  if (Hide) ShowWindow(Wnd, SW_HIDE);
  const LONG_PTR Style = GetClassLongPtr(Wnd, GCL_STYLE);
  SetClassLongPtr(Wnd, GCL_STYLE, AShowShadow ? Style | CS_DROPSHADOW : Style & ~LONG_PTR(CS_DROPSHADOW));
  if (Hide) ShowWindow(Wnd, SW_SHOWNA);
}
