#pragma once
// The edit window's own behaviour, owned by a TCustomEdit and fed with what reaches its DefaultHandler:
// the text with its selection and one level of undo, the formatting rectangle and margins, painting,
// the caret, keys, characters, the mouse, the clipboard and the EM_* messages. The state lives here, not
// in the window, so the text, selection and undo work before the window exists and survive RecreateWnd.
//
// Positions count code points of the UTF-8 text. The text is always well-formed: bytes that are not valid
// UTF-8, whether set, pasted or replaced by message, become U+FFFD before they enter it, so an insertion
// never joins the characters around it. An edit keeps one line of text unless it keeps lines
// (a memo): then CR LF, LF and CR each end a line and the caret steps over a line break as a whole.
// Single-line edits take no line breaks from the user: Enter, Esc and Ctrl+Enter insert nothing and a
// paste keeps the first line only.
//
// A memo keeps its vertical scroll information in lines (range: the lines, page: the rows that show,
// position: the first row) and scrolls by WM_VSCROLL.
//
// Every change ends in EN_CHANGE to the parent window (reflected to the control as CN_COMMAND); without a
// window the control gets CN_COMMAND directly. Text set to what it already is changes nothing and
// notifies nothing. Commands that change text arrive as WM_CHAR, WM_CUT, WM_PASTE, WM_CLEAR and WM_UNDO
// (Ctrl+X/V/Z and Shift+Delete / Shift+Insert are sent to the window itself), so a subclass filters
// them in one place.
#include <vector>

#include "platform/base/Types.h"
#include "platform/gdi/GdiObject.h"
#include "platform/ui/winsys/Messages.h"

class TCustomEdit;

/// The window side of an edit: owned by its TCustomEdit, which feeds it the messages its DefaultHandler
/// receives and whose items and properties it reads; it never exists without that owner.
class NativeEdit {
public:
  explicit NativeEdit(TCustomEdit& Edit);
  NativeEdit(const NativeEdit&) = delete;
  NativeEdit& operator=(const NativeEdit&) = delete;

  /// Handles an edit message (setting Result); false leaves it to the default window procedure.
  bool Handle(TMessage& Message);

  /// Keeps lines (a memo) or one line.
  void SetKeepsLines(bool Value);
  bool KeepsLines() const { return FKeepsLines; }
  /// The text without copying through WM_GETTEXT.
  const String& Text() const { return FText; }

private:
  enum class UndoKind { Typing, Backspace, Forward, Whole };
  struct UndoRecord {
    bool Valid { false };
    UndoKind Kind { UndoKind::Whole };
    int Pos { 0 };        // where the change happened
    int Inserted { 0 };   // code points it inserted there
    String Deleted;       // the text it removed there
  };

  // ---- Text ----
  int Length() const { return int(FOffsets.size()) - 1; }
  String Slice(int From, int To) const;
  int CountOf(const String& S) const;
  /// Indexes code points and lines again from position From on (the text before it is unchanged).
  void Reindex(int From = 0);
  /// The position of the first code point starting at or after byte Offset of the text.
  int PosOfByte(size_t Offset) const;
  int SelStart() const;
  int SelEnd() const;
  bool ReadOnly() const;
  DWORD Style() const;
  /// Replaces From..To with Insert (already filtered), records undo by Kind, moves the caret after the
  /// insertion as the text now indexes it and notifies.
  void Replace(int From, int To, const String& Insert, UndoKind Kind);
  /// The text an insertion of S may put in: valid UTF-8, letter case, one line for single-line edits, and as much
  /// as the limit leaves room for when Room code points are free.
  String Filtered(const String& S, bool FirstLineOnly, int Room) const;
  void InsertText(const String& S, UndoKind Kind, bool FirstLineOnly);
  bool DeleteSelection(UndoKind Kind);
  bool Undo();
  void SetText(const String& Value);
  void Notify(Word Code);
  LRESULT SendSelf(UINT Msg, WPARAM WParam, LPARAM LParam);

  // ---- Lines and words ----
  int LineCount() const { return int(FLineStarts.size()); }
  int LineOf(int Pos) const;
  int LineEnd(int Line) const;
  /// The position one step left / right of Pos (a line break counts as one step).
  int StepLeft(int Pos) const;
  int StepRight(int Pos) const;
  int WordLeft(int Pos) const;
  int WordRight(int Pos) const;
  bool IsBlank(int Pos) const;

  // ---- Geometry ----
  HWND Wnd() const;
  HFONT Font() const;
  int LineHeight() const;
  TRect DefaultRect() const;
  TRect FormatRect() const;
  /// The text of From..To as it shows (password characters instead of the text).
  String Shown(int From, int To) const;
  /// X offsets of every position of Line from the line's start, in pixels (size: characters + 1).
  std::vector<int> LineOffsets(int Line) const;
  int AlignShift(int LineWidth) const;
  TPoint PointOf(int Pos) const;
  int PosAt(TPoint P) const;
  void ScrollToCaret();
  void ScrollLines(WPARAM Request);

  // ---- Caret, selection and painting ----
  void MoveCaret(int Pos, bool Extend);
  void SetSel(int Anchor, int Caret);
  void SelectionChanged();
  void UpdateCaret();
  bool ShowsSelection() const;
  void Invalidate();
  void Paint(HDC DC);
  HBRUSH PrepareColors(HDC DC);

  // ---- Messages ----
  void KeyDown(WPARAM Key);
  void Char(char32_t C);
  void ButtonDown(LPARAM LParam, WPARAM Keys, bool Double);
  void MouseMove(LPARAM LParam);
  void SetFocused(bool Focused);
  void SetFont(HFONT Font, bool Redraw);
  void SetMargins(WPARAM Which, LPARAM Values);
  void SetRect(const TRect* R, bool Redraw);
  LRESULT GetText(WPARAM Size, char* Buffer) const;
  LRESULT GetSel(WPARAM Start, LPARAM End) const;
  void Paste();
  void Copy() const;

  TCustomEdit& FEdit;
  String FText;
  /// Byte offset of each code point, and the text's size at the end.
  std::vector<size_t> FOffsets { 0 };
  /// First position of each line.
  std::vector<int> FLineStarts { 0 };
  bool FKeepsLines { false };
  int FAnchor { 0 };
  int FCaret { 0 };
  UndoRecord FUndo;
  bool FModified { false };
  int FLimit { 0x7FFFFFFE };
  char32_t FPasswordChar { 0 };
  HFONT FFont { nullptr };
  int FLeftMargin { 1 };
  int FRightMargin { 1 };
  TRect FRect;
  bool FRectSet { false };
  /// Horizontal scroll in pixels and the first line shown.
  int FScrollX { 0 };
  int FTopLine { 0 };
  bool FDragging { false };
};
