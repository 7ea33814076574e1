#include "platform/ui/toolkit/LabelEditor.h"

#include "platform/ui/winsys/Input.h"
#include "platform/ui/toolkit/TEdit.h"
#include "platform/ui/winsys/VirtualKeys.h"

LabelEditor::LabelEditor() = default;

LabelEditor::~LabelEditor() = default;

HWND LabelEditor::Handle() const { return Active() && FEdit->HandleAllocated() ? FEdit->Handle() : 0; }

void LabelEditor::Begin(TWinControl* Parent, const TRect& R, const String& Text, TEndEvent OnEnd) {
  End(false);
  FRetired.reset();
  FParent = Parent;
  FEdit = std::make_unique<TEdit>(nullptr);
  FEdit->SetWindowProc([this, Edit = FEdit.get(), Previous = FEdit->WindowProc()](TMessage& Message) {
    EditorMessage(Edit, Previous, Message);
  });
  FEdit->SetFont(Parent->Font());
  FEdit->SetBoundsRect(R);
  FEdit->SetText(Text);
  FEdit->SetParent(Parent);
  FOnEnd = std::move(OnEnd);
  FEdit->SelectAll();
  if (FEdit->CanFocus()) FEdit->SetFocus();
}

void LabelEditor::End(bool Cancel) {
  if (!Active()) return;
  const String Text = FEdit->Text();
  const TEndEvent OnEnd = std::move(FOnEnd);
  FOnEnd = nullptr;
  const bool HadFocus = FEdit->HandleAllocated() && GetFocus() == FEdit->Handle();
  Retire();
  if (HadFocus && FParent->HandleAllocated()) SetFocus(FParent->Handle());
  OnEnd(Cancel ? nullptr : &Text);
}

void LabelEditor::Discard() {
  if (!Active()) return;
  FOnEnd = nullptr;
  Retire();
}

void LabelEditor::Retire() {
  FEdit->Hide();
  FRetired = std::move(FEdit);
}

// Enter and Esc end the edit instead of reaching the form's dialog keys; the focus leaving commits. A
// retired edit only passes its messages on.
void LabelEditor::EditorMessage(TEdit* Edit, const TWndMethod& Previous, TMessage& Message) {
  if (Edit != FEdit.get()) {
    Previous(Message);
    return;
  }
  switch (Message.Msg) {
  case WM_GETDLGCODE:
    Previous(Message);
    Message.Result |= DLGC_WANTALLKEYS;
    return;
  case WM_KEYDOWN:
    if (Active() && (Message.WParam == VK_RETURN || Message.WParam == VK_ESCAPE)) {
      End(Message.WParam == VK_ESCAPE);
      return;
    }
    break;
  case WM_KILLFOCUS:
    Previous(Message);
    End(false);
    return;
  }
  Previous(Message);
}
