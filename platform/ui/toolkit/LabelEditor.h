#pragma once
// The edit a list or tree view puts over an item's label while its text is edited in place.
#include <functional>
#include <memory>

#include "platform/base/Types.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/winsys/WindowProc.h"

class TEdit;
class TWinControl;

/// An in-place editor: Enter commits, Esc cancels, and losing the focus commits. The view hears of the
/// end once, with the text (null when cancelled). An editor that ends is hidden and freed later, since
/// it may end inside one of its own messages.
class LabelEditor {
public:
  /// Called once per edit: the edited text, or null when the edit was cancelled.
  using TEndEvent = std::function<void(const String* Text)>;

  LabelEditor();
  ~LabelEditor();
  LabelEditor(const LabelEditor&) = delete;
  LabelEditor& operator=(const LabelEditor&) = delete;

  /// Shows an edit over R (Parent's client coordinates) holding Text, all of it selected, and gives it
  /// the focus. An edit in progress is committed first.
  void Begin(TWinControl* Parent, const TRect& R, const String& Text, TEndEvent OnEnd);
  /// Ends the edit in progress, committing or cancelling it.
  void End(bool Cancel);
  /// Ends the edit in progress without telling the view (its window is going away).
  void Discard();
  bool Active() const { return FOnEnd != nullptr; }
  /// The edit's window; 0 while no edit is in progress.
  HWND Handle() const;

private:
  /// A message of Edit on its way to Previous, Edit's own message method.
  void EditorMessage(TEdit* Edit, const TWndMethod& Previous, TMessage& Message);
  /// Hides the edit and keeps it until the next edit or the editor's end.
  void Retire();

  std::unique_ptr<TEdit> FEdit;
  std::unique_ptr<TEdit> FRetired;
  TEndEvent FOnEnd;
  TWinControl* FParent { nullptr };
};
