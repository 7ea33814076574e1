#include "platform/ui/winsys/FocusManager.h"

#include <vector>

#include "platform/base/MainThread.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowSystem.h"

namespace {

/// Counts native focus losses over the whole run (never reset), so a deferred check queued before a
/// reset cannot mistake a later state for its own.
uint64_t NativeLosses = 0;

Window* Find(HWND Wnd) { return Wnd ? WindowSystem::Get().Find(Wnd) : nullptr; }

bool Alive(HWND Wnd) {
  const Window* W = Find(Wnd);
  return W && W->Life == Window::State::Alive;
}

/// The window and all its ancestors are enabled.
bool Enabled(const Window& W) {
  for (const Window* P = &W; P && !P->IsDesktop(); P = P->Parent)
    if (P->Style & WS_DISABLED)
      return false;
  return true;
}

WPARAM ActivationState(HWND Wnd, WPARAM How) {
  const Window* W = Find(Wnd);
  return MAKEWPARAM(Word(How), Word(W && (W->Style & WS_MINIMIZE) ? 1 : 0));
}

std::vector<HWND> TopLevelHandles() {
  std::vector<HWND> Handles;
  for (const Window* W : WindowSystem::Get().TopLevelWindows())
    Handles.push_back(W->Handle);
  return Handles;
}

}  // namespace

bool FocusManager::Within(HWND Wnd, HWND Root) { return Wnd && Root && (Wnd == Root || IsChild(Root, Wnd)); }

HWND FocusManager::SetFocus(HWND Wnd) {
  const HWND Old = FFocus;
  if (!Wnd) {
    if (Old && Alive(Old))
      SendMessage(Old, WM_KILLFOCUS, 0, 0);
    if (FFocus == Old)
      FFocus = 0;
    UpdateTextInput();
    return Old;
  }
  const Window* W = Find(Wnd);
  if (!W || W->Life != Window::State::Alive || W->IsDesktop() || !Enabled(*W))
    return 0;
  const HWND Top = WindowSystem::TopLevelOf(*Find(Wnd)).Handle;
  if (Top != FActive || !FProgramActive)
    Activate(Top, WA_ACTIVE);
  if (!Alive(Wnd))
    return 0;
  if (FFocus == Wnd)
    return Old;
  const HWND Losing = FFocus;
  if (Losing && Alive(Losing))
    SendMessage(Losing, WM_KILLFOCUS, Wnd, 0);
  if (!Alive(Wnd))
    return 0;
  FFocus = Wnd;
  SendMessage(Wnd, WM_SETFOCUS, Losing, 0);
  UpdateTextInput();
  return Old;
}

HWND FocusManager::Activate(HWND Wnd, WPARAM How) {
  Window* W = Find(Wnd);
  if (!W || W->IsDesktop() || W->Life != Window::State::Alive)
    return 0;
  Wnd = WindowSystem::TopLevelOf(*W).Handle;
  const HWND Old = FActive;
  if (!FProgramActive)
    ActivateProgram();
  if (Wnd == FActive || !Alive(Wnd))
    return Old;
  Deactivate(Wnd);
  if (!Alive(Wnd))
    return Old;
  // The active window comes to the top of its band with the windows it owns, so what the user
  // clicked is what lies under the pointer from now on.
  SetWindowPos(Wnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (!Alive(Wnd))
    return Old;
  FActive = Wnd;
  SendMessage(Wnd, WM_NCACTIVATE, 1, 0);
  if (Alive(Wnd))
    SendMessage(Wnd, WM_ACTIVATE, ActivationState(Wnd, How), Old);
  if (FActive == Wnd && FFocus && !Within(FFocus, Wnd))
    SetFocus(0);
  return Old;
}

void FocusManager::Deactivate(HWND Other) {
  const HWND Losing = FActive;
  if (!Alive(Losing))
    return;
  SendMessage(Losing, WM_NCACTIVATE, 0, 0);
  if (Alive(Losing))
    SendMessage(Losing, WM_ACTIVATE, ActivationState(Losing, WA_INACTIVE), Other);
}

void FocusManager::ActivateProgram() {
  FProgramActive = true;
  for (HWND Wnd : TopLevelHandles())
    if (Alive(Wnd))
      SendMessage(Wnd, WM_ACTIVATEAPP, 1, 0);
}

void FocusManager::DeactivateProgram() {
  if (!FProgramActive)
    return;
  Deactivate(0);
  FActive = 0;
  FProgramActive = false;
  for (HWND Wnd : TopLevelHandles())
    if (Alive(Wnd))
      SendMessage(Wnd, WM_ACTIVATEAPP, 0, 0);
  if (FFocus)
    SetFocus(0);
}

void FocusManager::NativeFocusChanged(HWND Wnd, bool Gained) {
  if (Gained) {
    FNativeFocus = Wnd;
    // A drop-down or tool popup the desktop gave the focus when it appeared leaves the activation where
    // it is: the program stays active and its active window keeps the focus.
    if (const Window* W = Find(Wnd); W && NeverActivates(*W))
      return;
    if (Alive(Wnd) && (FActive != Wnd || !FProgramActive))
      Activate(Wnd, WA_ACTIVE);
    return;
  }
  if (FNativeFocus != Wnd)
    return;
  FNativeFocus = 0;
  const uint64_t Loss = ++NativeLosses;
  // The focus often moves between two native windows of the program as a loss followed by a gain;
  // only a loss that nothing undid by the time the loop comes round deactivates the program.
  Queue([Self = FSelf, Loss] {
    FocusManager* Focus = *Self;
    if (Focus && Loss == NativeLosses && !Focus->FNativeFocus)
      Focus->DeactivateProgram();
  });
}

bool FocusManager::NeverActivates(const Window& W) {
  const bool PopupTool = (W.Style & WS_POPUP) && (W.ExStyle & WS_EX_TOOLWINDOW);
  return PopupTool || (W.ExStyle & (WS_EX_NOACTIVATE | WS_EX_TRANSPARENT));
}

bool FocusManager::CanActivate(const Window& W) {
  return W.Life == Window::State::Alive && (W.Style & WS_VISIBLE) && !(W.Style & (WS_DISABLED | WS_MINIMIZE)) &&
         !NeverActivates(W);
}

HWND FocusManager::Successor(HWND Gone) const {
  const Window* G = Find(Gone);
  if (G && G->Owner)
    if (const Window* Owner = Find(G->Owner); Owner && CanActivate(*Owner))
      return Owner->Handle;
  for (const Window* W : WindowSystem::Get().TopLevelWindows())
    if (W->Handle != Gone && W->Owner != Gone && CanActivate(*W))
      return W->Handle;
  return 0;
}

void FocusManager::WindowHidden(HWND Wnd) {
  if (FActive && Within(FActive, Wnd)) {
    if (const HWND Next = Successor(FActive))
      Activate(Next, WA_ACTIVE);
    else {
      Deactivate(0);
      FActive = 0;
    }
  }
  if (Within(FFocus, Wnd))
    SetFocus(0);
}

void FocusManager::WindowDisabled(HWND Wnd) {
  if (Within(FFocus, Wnd))
    SetFocus(0);
}

void FocusManager::WindowDestroying(HWND Wnd) {
  WindowHidden(Wnd);
  if (Within(FNativeFocus, Wnd))
    FNativeFocus = 0;
  if (Within(FActive, Wnd))
    FActive = 0;
}

void FocusManager::UpdateTextInput() {
  bool Wanted = false;
  TRect Caret;
  if (const Window* W = Find(FFocus)) {
    const TPoint O = WindowSystem::ClientScreenOrigin(*W);
    Caret = Bounds(O.X, O.Y, W->Client.Width(), W->Client.Height());
    Wanted = (SendMessage(FFocus, WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) != 0;
  }
  if (Wanted == FTextInput && !Wanted)
    return;
  FTextInput = Wanted;
  if (IPresenter* Presenter = WindowSystem::Get().Presenter())
    Presenter->SetTextInput(Wanted, Caret);
}
