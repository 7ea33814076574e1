#pragma once
// An action with the values its controls show: caption, checked state, enabled, visible, hint, image
// and shortcut. Linked controls take them over (ApplyTo) whenever one changes.
#include "platform/ui/toolkit/ShortCuts.h"
#include "platform/ui/toolkit/TBasicAction.h"

class TCustomActionList;

/// An action; see the file comment. Checking an action of a group (GroupIndex > 0) unchecks the other
/// actions of that group in its list.
class TCustomAction : public TBasicAction {
public:
  explicit TCustomAction(TComponent* AOwner) : TBasicAction(AOwner) {}
  ~TCustomAction() override;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  /// The list the action belongs to (its images are the action's images).
  TCustomActionList* ActionList() const { return FActionList; }
  void SetActionList(TCustomActionList* Value);

  /// Runs OnExecute while enabled; false when disabled or nothing ran.
  bool Execute() override;
  /// Copies caption, enabled, visible and hint onto the control; with CheckDefaults only where the
  /// control still has its default (empty caption and hint, enabled, visible).
  void ApplyTo(TControl* Client, bool CheckDefaults) override;

private:
  void Changed(bool& Field, bool Value);

  String FCaption;
  bool FChecked { false };
  bool FEnabled { true };
  bool FVisible { true };
  String FHint;
  int FImageIndex { -1 };
  TShortCut FShortCut { scNone };
  int FGroupIndex { 0 };
  TCustomActionList* FActionList { nullptr };
};
