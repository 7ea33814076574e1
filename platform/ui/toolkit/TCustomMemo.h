#pragma once
// An edit of several lines. Lines is a string list over the memo's text: each line followed by a line
// break (LF), as Lines.Add appends them; reading splits at CR LF, LF or CR. Lines are not wrapped:
// WordWrap is stored only.
#include <memory>

#include "platform/base/TStrings.h"
#include "platform/ui/toolkit/TCustomEdit.h"

/// A multi-line edit; see the file comment.
class TCustomMemo : public TCustomEdit {
public:
  explicit TCustomMemo(TComponent* AOwner);
  ~TCustomMemo() override;

  TStrings* Lines() const { return FLines.get(); }
  void SetLines(TStrings* Value) { FLines->Assign(Value); }
  /// Bars of the memo's window (its frame draws them from the scroll information).
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  /// Enter starts a new line (true) or goes to the form as a dialog key.
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { FWantReturns = Value; }
  /// Tab inserts a tab (true) or moves the focus.
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { FWantTabs = Value; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value) { FWordWrap = Value; }

protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  void KeyPress(char32_t& Key) override;

private:
  std::unique_ptr<TStrings> FLines;
  TScrollStyle FScrollBars { ssNone };
  bool FWantReturns { true };
  bool FWantTabs { false };
  bool FWordWrap { true };
};
