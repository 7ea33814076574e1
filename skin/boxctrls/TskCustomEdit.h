#pragma once
// The edit window every skinned text field is built on: the platform edit without its own border, one
// visible line in a multi-line edit (or a password edit), margins 2 / 0 after every font change.
//
// ReadOnly is the control's own: while it is set every command that would change the text is refused
// (typed characters except Ctrl+C, Delete, cut, paste, clear and undo), however it arrives, since the
// platform edit routes all of them through WM_CHAR, WM_KEYDOWN or WM_CUT / WM_PASTE / WM_CLEAR / WM_UNDO.
//
// Enter and Escape never reach the edit window: OnKeyPress sees them, then the parent form gets
// CM_DIALOGKEY, so its default or cancel button acts.
//
// Without a PopupMenu of its own the edit's context menu (right click, the menu key, Shift+F10) is a
// skinned popup menu shown through the frame of its form (of the main form for an MDI child): Undo, Cut,
// Copy, Paste, Delete and Select All, captioned from the frame's string table ("EDIT_UNDO" ...
// "EDIT_SELECTALL") or in English, each enabled only where it can act. A menu from the keyboard opens at
// the edit's centre. The menu lives until its command ran, the next context menu or the edit's end.
//
// EditTransparent draws the text alone over what lies behind the control, without flicker: every repaint
// draws the parent's background and the text into one off-screen bitmap and copies it in one step
// (RePaintBuffered); the edit repaints so after every change of text, focus or selection by the mouse.
#include <functional>

#include "platform/ui/toolkit/TCustomMaskEdit.h"

class TskSkinPopupMenu;

/// Told after the default CM_CANCELMODE handling, with the control whose press caused it.
using TskOnEditCancelMode = std::function<void(TControl* C)>;

/// The skinned controls' edit window; see the file comment.
class TskCustomEdit : public TCustomMaskEdit {
public:
  explicit TskCustomEdit(TComponent* AOwner);
  ~TskCustomEdit() override;

  /// The control's own read-only mode, independent of the platform edit's.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  /// Draws the text without a background over what lies behind; the window is made again.
  bool EditTransparent() const { return FEditTransparent; }
  void SetEditTransparent(bool Value);

  /// Redraws the client area through an off-screen bitmap (nothing without a window).
  virtual void RePaintBuffered();
  /// The same into DC, which stays the caller's; the caret is left as it is.
  virtual void PaintToDCBuffered(HDC DC);

  TskOnEditCancelMode OnEditCancelMode;

protected:
  /// Builds the context menu anew (the previous one is freed).
  void CreateSysPopupMenu();
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  /// OnChange, then a buffered repaint when transparent.
  void Change() override;

  /// Transparent painting is on (and the control is not being designed).
  bool PaintsTransparent() const;
  /// Paints the client area's background into DC inside a buffered repaint: what lies behind the control.
  virtual void PaintBufferedBackground(HDC DC);

  /// A buffered repaint is in progress.
  bool FStopDraw { false };

private:
  /// Enter or Escape: OnKeyPress, then CM_DIALOGKEY to the parent form.
  void DialogChar(TMessage& Message);
  /// Whether Message would change the text while ReadOnly refuses it.
  bool RefusedWhileReadOnly(const TMessage& Message) const;
  void WMPaint(TMessage& Message);
  void WMContextMenu(TMessage& Message);
  /// The caption of a context-menu item: the string table's text for Name, else Default.
  String MenuCaption(const char* Name, const char* Default) const;
  void FreeSysPopupMenu();

  TskSkinPopupMenu* FSysPopupMenu { nullptr };
  bool FReadOnly { false };
  bool FEditTransparent { false };
};
