#pragma once
// The edit control: one line of text the user types, selects, cuts, copies, pastes and undoes. Its
// window's behaviour is NativeEdit (reached through DefaultHandler, after subclasses and message
// methods), so text, selection and undo work with or without a window and survive RecreateWnd.
//
// OnChange fires once per actual change of the text, by the user or by code (Text set to what it
// already is fires nothing). Clipboard commands and undo go through WM_CUT / WM_COPY / WM_PASTE /
// WM_CLEAR / WM_UNDO to the edit itself, so a subclass can refuse them.
#include <memory>

#include "platform/base/TAlignment.h"
#include "platform/ui/toolkit/EditMessages.h"
#include "platform/ui/toolkit/StdControlTypes.h"
#include "platform/ui/toolkit/TWinControl.h"

class NativeEdit;

/// An edit; see the file comment.
class TCustomEdit : public TWinControl {
public:
  explicit TCustomEdit(TComponent* AOwner);
  ~TCustomEdit() override;

  // ---- Appearance and rules (the window is made again where the style changes) ----
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value);
  /// False keeps the selection drawn while the edit has no focus.
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  /// Selects everything when the edit gets the focus (not for multi-line edits).
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  /// The most code points the user may enter; 0: no limit.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  /// Shown in place of each character (0: the text shows); the clipboard gets nothing from it.
  char32_t PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(char32_t Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  /// Stored only.
  bool OEMConvert() const { return FOEMConvert; }
  void SetOEMConvert(bool Value) { FOEMConvert = Value; }
  TImeMode ImeMode() const { return FImeMode; }
  void SetImeMode(TImeMode Value) { FImeMode = Value; }
  const String& ImeName() const { return FImeName; }
  void SetImeName(const String& Value) { FImeName = Value; }

  // ---- Text and selection ----
  /// The user changed the text since it was last set (WM_SETTEXT clears it).
  bool Modified();
  void SetModified(bool Value);
  int SelStart();
  /// Puts the caret at Value with nothing selected.
  void SetSelStart(int Value);
  int SelLength();
  /// Selects Value code points from SelStart.
  void SetSelLength(int Value);
  String SelText();
  /// Replaces the selection (undoable).
  void SetSelText(const String& Value);
  void SelectAll();
  void Clear() { SetText(""); }

  // ---- Commands ----
  bool CanUndo();
  void Undo();
  void ClearUndo();
  void ClearSelection();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();

  TNotifyEvent OnChange;

  /// The ES_* styles the properties give (what CreateParams adds); the edit's rules follow them while it
  /// has no window.
  virtual DWORD EditStyle() const;

protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void PaintWindow(HDC DC) override;
  void DoEnter() override;
  /// The text changed: OnChange.
  virtual void Change();
  /// Sends to the window when there is one (subclasses see it), else performs on the control.
  LRESULT SendEdit(UINT Msg, WPARAM WParam, LPARAM LParam);
  NativeEdit& Native() const { return *FNative; }

private:
  std::unique_ptr<NativeEdit> FNative;
  TAlignment FAlignment { taLeftJustify };
  TBorderStyle FBorderStyle { bsSingle };
  TEditCharCase FCharCase { ecNormal };
  bool FHideSelection { true };
  bool FAutoSelect { true };
  int FMaxLength { 0 };
  char32_t FPasswordChar { 0 };
  bool FReadOnly { false };
  bool FOEMConvert { false };
  TImeMode FImeMode { imDontCare };
  String FImeName;
};
