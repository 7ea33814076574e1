#pragma once
// Answering the skinned message box that a modal dialog opens from one of its handlers.
#include <functional>

#include "platform/base/MainThread.h"
#include "platform/ui/toolkit/TScreen.h"
#include "skin/dialogs/TskMessageForm.h"

/// Runs Answer on the next message box, in the first loop step after it became the active form.
inline void OnMessageBox(std::function<void(TskMessageForm*)> Answer) {
  Screen->OnActiveFormChange = [Answer](TObject*) {
    auto* Box = dynamic_cast<TskMessageForm*>(Screen->ActiveForm());
    if (!Box) return;
    Screen->OnActiveFormChange = nullptr;
    Queue([Answer, Box] { Answer(Box); });
  };
}
