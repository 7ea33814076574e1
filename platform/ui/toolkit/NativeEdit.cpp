#include "platform/ui/toolkit/NativeEdit.h"

#include <algorithm>

#include "platform/base/SysUtils.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/ui/toolkit/Caret.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/ScrollBars.h"
#include "platform/ui/toolkit/TCustomEdit.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/toolkit/ViewSupport.h"

namespace {

String ConvertCase(const String& S, TEditCharCase Case) {
  String Result;
  for (size_t I = 0; I < S.size();) {
    const char32_t C = ReadCodePoint(S, I);
    Result += CodePointToUtf8(Case == ecUpperCase ? UpperCodePoint(C) : LowerCodePoint(C));
  }
  return Result;
}

bool IsBreakByte(char C) { return C == '\r' || C == '\n'; }

/// A memory DC with the edit's font, for measuring outside painting.
class MeasureDC {
public:
  explicit MeasureDC(HFONT Font) : FDC(CreateCompatibleDC(nullptr)) { SelectObject(FDC, Font); }
  ~MeasureDC() { DeleteDC(FDC); }
  MeasureDC(const MeasureDC&) = delete;
  MeasureDC& operator=(const MeasureDC&) = delete;
  operator HDC() const { return FDC; }

private:
  HDC FDC;
};

int TextWidth(HDC DC, const String& S) {
  TSize Size;
  GetTextExtentPoint32(DC, S, Size);
  return Size.cx;
}

bool Shift() { return GetKeyState(VK_SHIFT) < 0; }
bool Ctrl() { return GetKeyState(VK_CONTROL) < 0; }

}  // namespace

NativeEdit::NativeEdit(TCustomEdit& Edit) : FEdit(Edit) {}

void NativeEdit::SetKeepsLines(bool Value) {
  FKeepsLines = Value;
  Reindex();
}

// ---- Text ------------------------------------------------------------------------------------------------

String NativeEdit::Slice(int From, int To) const {
  return FText.substr(FOffsets[size_t(From)], FOffsets[size_t(To)] - FOffsets[size_t(From)]);
}

int NativeEdit::CountOf(const String& S) const { return int(CodePointCount(S)); }

// Only what follows a change needs indexing again; appending to a long text costs the appended part.
// The code point before From is looked at again, since a CR there may now be followed by an LF.
void NativeEdit::Reindex(int From) {
  const int Start = std::clamp(From - 1, 0, int(FOffsets.size()) - 1);
  size_t I = FOffsets[size_t(Start)];
  FOffsets.resize(size_t(Start));
  FLineStarts.erase(std::upper_bound(FLineStarts.begin(), FLineStarts.end(), Start), FLineStarts.end());
  while (I < FText.size()) {
    FOffsets.push_back(I);
    const char C = FText[I];
    ReadCodePoint(FText, I);
    // A line starts after LF, after a CR not followed by LF, and after CR LF.
    if (FKeepsLines && IsBreakByte(C) && !(C == '\r' && I < FText.size() && FText[I] == '\n'))
      FLineStarts.push_back(int(FOffsets.size()));
  }
  FOffsets.push_back(FText.size());
  const int N = Length();
  FAnchor = std::clamp(FAnchor, 0, N);
  FCaret = std::clamp(FCaret, 0, N);
}

int NativeEdit::PosOfByte(size_t Offset) const {
  return int(std::lower_bound(FOffsets.begin(), FOffsets.end(), Offset) - FOffsets.begin());
}

int NativeEdit::SelStart() const { return std::min(FAnchor, FCaret); }
int NativeEdit::SelEnd() const { return std::max(FAnchor, FCaret); }
DWORD NativeEdit::Style() const { return Wnd() ? GetWindowLong(Wnd(), GWL_STYLE) : FEdit.EditStyle(); }
bool NativeEdit::ReadOnly() const { return (Style() & ES_READONLY) != 0; }

void NativeEdit::Replace(int From, int To, const String& Insert, UndoKind Kind) {
  const int Inserted = CountOf(Insert);
  const String Removed = Slice(From, To);
  const bool Extends = FUndo.Valid && FUndo.Kind == Kind;
  if (Kind == UndoKind::Typing && Extends && From == To && From == FUndo.Pos + FUndo.Inserted) {
    FUndo.Inserted += Inserted;
  } else if (Kind == UndoKind::Backspace && Extends && To == FUndo.Pos) {
    FUndo.Pos = From;
    FUndo.Deleted = Removed + FUndo.Deleted;
  } else if (Kind == UndoKind::Forward && Extends && From == FUndo.Pos) {
    FUndo.Deleted += Removed;
  } else {
    FUndo = { true, Kind, From, Inserted, Removed };
  }
  const size_t InsertEnd = FOffsets[size_t(From)] + Insert.size();
  FText.replace(FOffsets[size_t(From)], Removed.size(), Insert);
  Reindex(From);
  FAnchor = FCaret = PosOfByte(InsertEnd);
  FModified = true;
  ScrollToCaret();
  Invalidate();
  UpdateCaret();
  Notify(EN_CHANGE);
}

String NativeEdit::Filtered(const String& S, bool FirstLineOnly, int Room) const {
  String Text = ToValidUtf8(S);
  if (FirstLineOnly) {
    const size_t Break = Text.find_first_of("\r\n");
    if (Break != String::npos) Text.resize(Break);
  }
  const DWORD Styles = Style();
  if (Styles & ES_UPPERCASE)
    Text = ConvertCase(Text, ecUpperCase);
  else if (Styles & ES_LOWERCASE)
    Text = ConvertCase(Text, ecLowerCase);
  if (Room < CountOf(Text)) Text.resize(CodePointOffset(Text, size_t(std::max(Room, 0))));
  return Text;
}

// Typing and pasting: the selection goes, the text comes in as far as the limit allows; a refused
// insertion beeps.
void NativeEdit::InsertText(const String& S, UndoKind Kind, bool FirstLineOnly) {
  const int From = SelStart(), To = SelEnd();
  const int Room = FLimit - (Length() - (To - From));
  const String Text = Filtered(S, FirstLineOnly, Room);
  if (Text.empty() && !S.empty() && Room <= 0) {
    MessageBeep(0);
    return;
  }
  if (Text.empty() && From == To) return;
  Replace(From, To, Text, Kind);
}

bool NativeEdit::DeleteSelection(UndoKind Kind) {
  if (SelStart() == SelEnd()) return false;
  Replace(SelStart(), SelEnd(), "", Kind);
  return true;
}

// One level of undo: the last change is taken back, and taking it back becomes the change the next undo
// takes back. The text put back is selected.
bool NativeEdit::Undo() {
  if (!FUndo.Valid) return false;
  const UndoRecord Last = FUndo;
  const String Current = Slice(Last.Pos, Last.Pos + Last.Inserted);
  FUndo = { true, UndoKind::Whole, Last.Pos, CountOf(Last.Deleted), Current };
  FText.replace(FOffsets[size_t(Last.Pos)], Current.size(), Last.Deleted);
  Reindex(Last.Pos);
  SetSel(Last.Pos, Last.Pos + FUndo.Inserted);
  FModified = true;
  Invalidate();
  if (Current != Last.Deleted) Notify(EN_CHANGE);
  return true;
}

void NativeEdit::SetText(const String& Value) {
  String Text = ToValidUtf8(Value);
  const bool Changed = Text != FText;
  FText = std::move(Text);
  Reindex();
  FAnchor = FCaret = 0;
  FScrollX = 0;
  FTopLine = 0;
  FUndo = {};
  FModified = false;
  Invalidate();
  UpdateCaret();
  if (Changed) Notify(EN_CHANGE);
}

void NativeEdit::Notify(Word Code) {
  if (const HWND W = Wnd()) {
    if (const HWND Parent = GetParent(W))
      SendMessage(Parent, WM_COMMAND, MAKEWPARAM(Word(GetWindowLong(W, GWL_ID)), Code), LPARAM(W));
  } else {
    FEdit.Perform(CN_COMMAND, MAKEWPARAM(0, Code), 0);
  }
}

LRESULT NativeEdit::SendSelf(UINT Msg, WPARAM WParam, LPARAM LParam) {
  return Wnd() ? SendMessage(Wnd(), Msg, WParam, LParam) : FEdit.Perform(Msg, WParam, LParam);
}

// ---- Lines and words ---------------------------------------------------------------------------------------

int NativeEdit::LineOf(int Pos) const {
  const auto It = std::upper_bound(FLineStarts.begin(), FLineStarts.end(), Pos);
  return int(It - FLineStarts.begin()) - 1;
}

// A line ends before its line break (CR LF, LF or CR).
int NativeEdit::LineEnd(int Line) const {
  if (Line + 1 >= LineCount()) return Length();
  int End = FLineStarts[size_t(Line) + 1] - 1;
  if (FText[FOffsets[size_t(End)]] == '\n' && End > FLineStarts[size_t(Line)] && FText[FOffsets[size_t(End) - 1]] == '\r')
    --End;
  return End;
}

int NativeEdit::StepLeft(int Pos) const {
  if (Pos <= 0) return 0;
  const int Line = LineOf(Pos);
  if (Line > 0 && Pos == FLineStarts[size_t(Line)]) return LineEnd(Line - 1);
  return Pos - 1;
}

int NativeEdit::StepRight(int Pos) const {
  if (Pos >= Length()) return Length();
  const int Line = LineOf(Pos);
  if (Pos == LineEnd(Line) && Line + 1 < LineCount()) return FLineStarts[size_t(Line) + 1];
  return Pos + 1;
}

bool NativeEdit::IsBlank(int Pos) const {
  const char C = FText[FOffsets[size_t(Pos)]];
  return C == ' ' || C == '\t' || IsBreakByte(C);
}

// Words are runs of characters other than blanks; a move goes to the start of a word.
int NativeEdit::WordLeft(int Pos) const {
  while (Pos > 0 && IsBlank(Pos - 1)) --Pos;
  while (Pos > 0 && !IsBlank(Pos - 1)) --Pos;
  return Pos;
}

int NativeEdit::WordRight(int Pos) const {
  const int N = Length();
  while (Pos < N && !IsBlank(Pos)) ++Pos;
  while (Pos < N && IsBlank(Pos)) ++Pos;
  return Pos;
}

// ---- Geometry ----------------------------------------------------------------------------------------------

HWND NativeEdit::Wnd() const { return FEdit.HandleAllocated() ? FEdit.Handle() : 0; }

HFONT NativeEdit::Font() const { return FFont ? FFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

int NativeEdit::LineHeight() const {
  MeasureDC DC(Font());
  TEXTMETRIC Metrics;
  GetTextMetrics(DC, Metrics);
  return std::max(1, int(Metrics.tmHeight));
}

TRect NativeEdit::DefaultRect() const {
  TRect Client;
  if (Wnd()) GetClientRect(Wnd(), &Client);
  return { Client.Left + FLeftMargin, Client.Top, std::max(Client.Left + FLeftMargin, Client.Right - FRightMargin),
           Client.Bottom };
}

TRect NativeEdit::FormatRect() const { return FRectSet ? FRect : DefaultRect(); }

String NativeEdit::Shown(int From, int To) const {
  if (!FPasswordChar) return Slice(From, To);
  String Mask;
  const String One = CodePointToUtf8(FPasswordChar);
  for (int I = From; I < To; ++I) Mask += One;
  return Mask;
}

std::vector<int> NativeEdit::LineOffsets(int Line) const {
  const int Start = FLineStarts[size_t(Line)], End = LineEnd(Line);
  MeasureDC DC(Font());
  std::vector<int> Offsets { 0 };
  for (int Pos = Start + 1; Pos <= End; ++Pos) Offsets.push_back(TextWidth(DC, Shown(Start, Pos)));
  return Offsets;
}

// A line narrower than the rectangle sits where the alignment puts it; a wider one starts at the left.
int NativeEdit::AlignShift(int LineWidth) const {
  const int Free = FormatRect().Width() - LineWidth;
  if (Free <= 0) return 0;
  const DWORD Styles = Style();
  if (Styles & ES_CENTER) return Free / 2;
  if (Styles & ES_RIGHT) return Free;
  return 0;
}

TPoint NativeEdit::PointOf(int Pos) const {
  const TRect R = FormatRect();
  const int Line = LineOf(Pos);
  const std::vector<int> Offsets = LineOffsets(Line);
  const int X = R.Left + AlignShift(Offsets.back()) - FScrollX + Offsets[size_t(Pos - FLineStarts[size_t(Line)])];
  return { X, R.Top + (Line - FTopLine) * LineHeight() };
}

// The position nearest to P: points above, below, left or right of the rectangle count as its edges.
int NativeEdit::PosAt(TPoint P) const {
  const TRect R = FormatRect();
  const int Line = std::clamp(FTopLine + (P.Y - R.Top) / LineHeight() - (P.Y < R.Top ? 1 : 0), 0, LineCount() - 1);
  const std::vector<int> Offsets = LineOffsets(Line);
  const int X = P.X - (R.Left + AlignShift(Offsets.back()) - FScrollX);
  int Best = 0;
  for (size_t I = 1; I < Offsets.size(); ++I)
    if (std::abs(Offsets[I] - X) < std::abs(Offsets[size_t(Best)] - X)) Best = int(I);
  return FLineStarts[size_t(Line)] + Best;
}

// Scrolls just enough for the caret to show; a shorter text scrolls back so no room is wasted.
void NativeEdit::ScrollToCaret() {
  if (!Wnd()) return;
  const TRect R = FormatRect();
  const int Line = LineOf(FCaret);
  const std::vector<int> Offsets = LineOffsets(Line);
  const int X = R.Left + AlignShift(Offsets.back()) - FScrollX + Offsets[size_t(FCaret - FLineStarts[size_t(Line)])];
  if (X < R.Left)
    FScrollX -= R.Left - X;
  else if (X >= R.Right)
    FScrollX += X - R.Right + 1;
  FScrollX = std::clamp(FScrollX, 0, std::max(0, Offsets.back() + 1 - R.Width()));
  const int Rows = std::max(1, R.Height() / LineHeight());
  if (Line < FTopLine)
    FTopLine = Line;
  else if (Line >= FTopLine + Rows)
    FTopLine = Line - Rows + 1;
}

// ---- Caret, selection and painting -------------------------------------------------------------------------

void NativeEdit::MoveCaret(int Pos, bool Extend) { SetSel(Extend ? FAnchor : Pos, Pos); }

void NativeEdit::SetSel(int Anchor, int Caret) {
  const int N = Length();
  Anchor = std::clamp(Anchor, 0, N);
  Caret = std::clamp(Caret, 0, N);
  if (Anchor == FAnchor && Caret == FCaret) return;
  FAnchor = Anchor;
  FCaret = Caret;
  SelectionChanged();
}

void NativeEdit::SelectionChanged() {
  ScrollToCaret();
  Invalidate();
  UpdateCaret();
}

void NativeEdit::UpdateCaret() {
  const HWND W = Wnd();
  if (!W || GetFocus() != W) return;
  const TPoint P = PointOf(FCaret);
  SetCaretPos(P.X, P.Y);
}

bool NativeEdit::ShowsSelection() const {
  return SelStart() != SelEnd() && ((Style() & ES_NOHIDESEL) || (Wnd() && GetFocus() == Wnd()));
}

// Every visible change passes here; a memo's vertical scroll information follows it.
void NativeEdit::Invalidate() {
  const HWND W = Wnd();
  if (!W) return;
  InvalidateRect(W, nullptr, false);
  if (!FKeepsLines) return;
  SCROLLINFO Info;
  Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  Info.nMax = LineCount() - 1;
  Info.nPage = UINT(std::max(1, FormatRect().Height() / LineHeight()));
  Info.nPos = FTopLine;
  SetScrollInfo(W, SB_VERT, Info, true);
}

// A memo scrolls by lines; the caret stays where it is in the text.
void NativeEdit::ScrollLines(WPARAM Request) {
  const int Rows = std::max(1, FormatRect().Height() / LineHeight());
  int Top = FTopLine;
  switch (LOWORD(Request)) {
  case SB_LINEUP: --Top; break;
  case SB_LINEDOWN: ++Top; break;
  case SB_PAGEUP: Top -= Rows; break;
  case SB_PAGEDOWN: Top += Rows; break;
  case SB_TOP: Top = 0; break;
  case SB_BOTTOM: Top = LineCount(); break;
  case SB_THUMBPOSITION:
  case SB_THUMBTRACK: {
    // The message carries 16 bits; a full position set just before in the scroll information wins.
    Top = HIWORD(Request);
    SCROLLINFO Info;
    Info.fMask = SIF_POS;
    if (GetScrollInfo(Wnd(), SB_VERT, &Info) && (Info.nPos & 0xFFFF) == Top) Top = Info.nPos;
    break;
  }
  default: return;
  }
  Top = std::clamp(Top, 0, std::max(0, LineCount() - Rows));
  if (Top == FTopLine) return;
  FTopLine = Top;
  Invalidate();
  UpdateCaret();
}

// The parent chooses the colours (WM_CTLCOLOREDIT, or WM_CTLCOLORSTATIC for read-only and disabled edits)
// and answers the background brush: 0 leaves the defaults, the null brush draws the text alone.
HBRUSH NativeEdit::PrepareColors(HDC DC) {
  const HWND W = Wnd();
  SetTextColor(DC, ColorToRGB(clWindowText));
  SetBkColor(DC, ColorToRGB(clWindow));
  SetBkMode(DC, OPAQUE);
  const bool Enabled = IsWindowEnabled(W);
  HBRUSH Brush = nullptr;
  if (const HWND Parent = GetParent(W))
    Brush = reinterpret_cast<HBRUSH>(
        SendMessage(Parent, (ReadOnly() || !Enabled) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT, WPARAM(DC), LPARAM(W)));
  if (!Enabled) SetTextColor(DC, ColorToRGB(clGrayText));
  return Brush;
}

void NativeEdit::Paint(HDC DC) {
  const HWND W = Wnd();
  TRect Client;
  GetClientRect(W, &Client);
  const HBRUSH Brush = PrepareColors(DC);
  if (!Brush) {
    const HBRUSH Default = CreateSolidBrush(ColorToRGB(clWindow));
    FillRect(DC, Client, Default);
    DeleteObject(Default);
  } else if (Brush != GetStockObject(NULL_BRUSH)) {
    FillRect(DC, Client, Brush);
  }
  const int Saved = SaveDC(DC);
  SelectObject(DC, Font());
  const TRect R = FormatRect();
  IntersectClipRect(DC, R.Left, R.Top, R.Right, R.Bottom);
  const int Height = LineHeight();
  const bool Selection = ShowsSelection();
  const int Last = std::min(LineCount() - 1, FTopLine + R.Height() / Height);
  for (int Line = FTopLine; Line <= Last; ++Line) {
    const int Start = FLineStarts[size_t(Line)], End = LineEnd(Line);
    const std::vector<int> Offsets = LineOffsets(Line);
    const int X0 = R.Left + AlignShift(Offsets.back()) - FScrollX, Y = R.Top + (Line - FTopLine) * Height;
    // Unselected, selected and unselected again; each part at its measured offset.
    const int Cuts[] = { Start, Selection ? std::clamp(SelStart(), Start, End) : End,
                         Selection ? std::clamp(SelEnd(), Start, End) : End, End };
    for (int Part = 0; Part < 3; ++Part) {
      if (Cuts[Part] == Cuts[Part + 1]) continue;
      const int Before = Part == 1 ? SaveDC(DC) : 0;
      if (Part == 1) {
        SetBkMode(DC, OPAQUE);
        SetBkColor(DC, ColorToRGB(clHighlight));
        SetTextColor(DC, ColorToRGB(clHighlightText));
      }
      TextOut(DC, X0 + Offsets[size_t(Cuts[Part] - Start)], Y, Shown(Cuts[Part], Cuts[Part + 1]));
      if (Part == 1) RestoreDC(DC, Before);
    }
  }
  RestoreDC(DC, Saved);
}

// ---- Messages ----------------------------------------------------------------------------------------------

void NativeEdit::KeyDown(WPARAM Key) {
  const bool Extend = Shift();
  const int Line = LineOf(FCaret);
  switch (Key) {
  case VK_LEFT:
  case VK_UP:
    if (Key == VK_UP && FKeepsLines) {
      if (Line > 0) MoveCaret(PosAt({ PointOf(FCaret).X, PointOf(FCaret).Y - LineHeight() }), Extend);
      break;
    }
    MoveCaret(Ctrl() ? WordLeft(FCaret) : StepLeft(FCaret), Extend);
    break;
  case VK_RIGHT:
  case VK_DOWN:
    if (Key == VK_DOWN && FKeepsLines) {
      if (Line + 1 < LineCount()) MoveCaret(PosAt({ PointOf(FCaret).X, PointOf(FCaret).Y + LineHeight() }), Extend);
      break;
    }
    MoveCaret(Ctrl() ? WordRight(FCaret) : StepRight(FCaret), Extend);
    break;
  case VK_HOME: MoveCaret(Ctrl() ? 0 : FLineStarts[size_t(Line)], Extend); break;
  case VK_END: MoveCaret(Ctrl() ? Length() : LineEnd(Line), Extend); break;
  case VK_PRIOR:
  case VK_NEXT:
    if (FKeepsLines) {
      const int Rows = std::max(1, FormatRect().Height() / LineHeight());
      const TPoint P = PointOf(FCaret);
      MoveCaret(PosAt({ P.X, P.Y + (Key == VK_NEXT ? Rows : -Rows) * LineHeight() }), Extend);
    }
    break;
  case VK_DELETE:
    if (Extend) {
      SendSelf(WM_CUT, 0, 0);
    } else if (ReadOnly()) {
      MessageBeep(0);
    } else if (!DeleteSelection(UndoKind::Whole) && FCaret < Length()) {
      Replace(FCaret, StepRight(FCaret), "", UndoKind::Forward);
    }
    break;
  case VK_INSERT:
    if (Extend)
      SendSelf(WM_PASTE, 0, 0);
    else if (Ctrl())
      SendSelf(WM_COPY, 0, 0);
    break;
  }
}

void NativeEdit::Char(char32_t C) {
  switch (C) {
  case 3: SendSelf(WM_COPY, 0, 0); return;
  case 22: SendSelf(WM_PASTE, 0, 0); return;
  case 24: SendSelf(WM_CUT, 0, 0); return;
  case 26: SendSelf(WM_UNDO, 0, 0); return;
  }
  const bool LineBreak = (C == 13 || C == 10) && FKeepsLines;
  const bool Tab = C == 9 && FKeepsLines;
  if (C < 32 && C != 8 && !LineBreak && !Tab) return;
  if (C == 127) return;
  if (ReadOnly()) {
    MessageBeep(0);
    return;
  }
  if (C == 8) {
    if (!DeleteSelection(UndoKind::Whole) && FCaret > 0) Replace(StepLeft(FCaret), FCaret, "", UndoKind::Backspace);
    return;
  }
  InsertText(LineBreak ? String("\n") : CodePointToUtf8(C), UndoKind::Typing, false);
}

void NativeEdit::ButtonDown(LPARAM LParam, WPARAM Keys, bool Double) {
  const HWND W = Wnd();
  if (GetFocus() != W) ::SetFocus(W);
  const int Pos = PosAt(LParamToPoint(LParam));
  if (Double) {
    const int Start = Pos > 0 && !IsBlank(Pos - 1) ? WordLeft(Pos) : Pos;
    int End = Pos;
    while (End < Length() && !IsBlank(End)) ++End;
    SetSel(Start, End);
    return;
  }
  MoveCaret(Pos, (Keys & MK_SHIFT) != 0);
  FDragging = true;
  SetCapture(W);
}

void NativeEdit::MouseMove(LPARAM LParam) {
  if (!FDragging || GetCapture() != Wnd()) return;
  MoveCaret(PosAt(LParamToPoint(LParam)), true);
}

// The caret lives while the edit has the focus; the selection shows only then (unless ES_NOHIDESEL).
void NativeEdit::SetFocused(bool Focused) {
  const HWND W = Wnd();
  if (Focused) {
    CreateCaret(W, nullptr, 1, LineHeight());
    UpdateCaret();
    ShowCaret(W);
  } else {
    FDragging = false;
    DestroyCaret();
  }
  Invalidate();
}

// A new font brings back the default margins and rectangle.
void NativeEdit::SetFont(HFONT Font, bool Redraw) {
  FFont = Font;
  FLeftMargin = FRightMargin = 1;
  FRectSet = false;
  FScrollX = 0;
  if (Wnd() && GetFocus() == Wnd()) SetFocused(true);
  ScrollToCaret();
  if (Redraw) Invalidate();
}

void NativeEdit::SetMargins(WPARAM Which, LPARAM Values) {
  const bool Default = Which == EC_USEFONTINFO;
  if (Default || (Which & EC_LEFTMARGIN)) FLeftMargin = Default ? 1 : LOWORD(uintptr_t(Values));
  if (Default || (Which & EC_RIGHTMARGIN)) FRightMargin = Default ? 1 : HIWORD(uintptr_t(Values));
  FRectSet = false;
  SelectionChanged();
}

void NativeEdit::SetRect(const TRect* R, bool Redraw) {
  FRectSet = R != nullptr;
  if (R) FRect = *R;
  ScrollToCaret();
  UpdateCaret();
  if (Redraw) Invalidate();
}

// Copies whole code points only, as many as fit with the terminating NUL.
LRESULT NativeEdit::GetText(WPARAM Size, char* Buffer) const {
  if (!Buffer || Size == 0) return 0;
  size_t N = std::min(FText.size(), size_t(Size) - 1);
  while (N < FText.size() && N > 0 && (Byte(FText[N]) & 0xC0) == 0x80) --N;
  std::copy_n(FText.data(), N, Buffer);
  Buffer[N] = '\0';
  return LRESULT(N);
}

LRESULT NativeEdit::GetSel(WPARAM Start, LPARAM End) const {
  if (Start) *reinterpret_cast<DWORD*>(Start) = DWORD(SelStart());
  if (End) *reinterpret_cast<DWORD*>(End) = DWORD(SelEnd());
  return LRESULT(MAKELONG(Word(std::min(SelStart(), 0xFFFF)), Word(std::min(SelEnd(), 0xFFFF))));
}

void NativeEdit::Paste() {
  if (ReadOnly() || !ClipboardHasText()) return;
  InsertText(GetClipboardText(), UndoKind::Whole, !FKeepsLines);
}

// A password never reaches the clipboard.
void NativeEdit::Copy() const {
  if (SelStart() != SelEnd() && !FPasswordChar) SetClipboardText(Slice(SelStart(), SelEnd()));
}

bool NativeEdit::Handle(TMessage& M) {
  const HWND W = Wnd();
  switch (M.Msg) {
  case WM_SETTEXT: {
    const char* Text = reinterpret_cast<const char*>(M.LParam);
    SetText(Text ? Text : "");
    M.Result = 1;
    return true;
  }
  case WM_GETTEXT: M.Result = GetText(M.WParam, reinterpret_cast<char*>(M.LParam)); return true;
  case WM_GETTEXTLENGTH: M.Result = LRESULT(FText.size()); return true;
  case EM_GETSEL: M.Result = GetSel(M.WParam, M.LParam); return true;
  case EM_SETSEL: {
    const int Start = int(intptr_t(M.WParam)), End = int(M.LParam);
    const int Caret = End < 0 ? Length() : End;
    SetSel(Start < 0 ? FCaret : Start, Start < 0 ? FCaret : Caret);
    return true;
  }
  case EM_REPLACESEL: {
    const char* Text = reinterpret_cast<const char*>(M.LParam);
    const int From = SelStart(), To = SelEnd();
    const String Insert = Filtered(Text ? Text : "", false, FLimit - (Length() - (To - From)));
    if (!Insert.empty() || From != To) {
      Replace(From, To, Insert, UndoKind::Whole);
      if (!M.WParam) FUndo = {};
    }
    return true;
  }
  case EM_LIMITTEXT: FLimit = M.WParam ? int(std::min<WPARAM>(M.WParam, 0x7FFFFFFE)) : 0x7FFFFFFE; return true;
  case EM_GETLIMITTEXT: M.Result = FLimit; return true;
  case EM_CANUNDO: M.Result = FUndo.Valid; return true;
  case EM_UNDO:
  case WM_UNDO: M.Result = !ReadOnly() && Undo(); return true;
  case EM_EMPTYUNDOBUFFER: FUndo = {}; return true;
  case EM_GETMODIFY: M.Result = FModified; return true;
  case EM_SETMODIFY: FModified = M.WParam != 0; return true;
  case EM_SETPASSWORDCHAR:
    FPasswordChar = char32_t(M.WParam);
    ScrollToCaret();
    Invalidate();
    UpdateCaret();
    return true;
  case EM_GETPASSWORDCHAR: M.Result = LRESULT(FPasswordChar); return true;
  case EM_SETREADONLY:
    if (W) SetWindowLong(W, GWL_STYLE, M.WParam ? (Style() | ES_READONLY) : (Style() & ~ES_READONLY));
    Invalidate();
    M.Result = 1;
    return true;
  case WM_CUT:
    if (!ReadOnly() && !FPasswordChar && SelStart() != SelEnd()) {
      Copy();
      DeleteSelection(UndoKind::Whole);
    }
    return true;
  case WM_COPY: Copy(); return true;
  case WM_PASTE: Paste(); return true;
  case WM_CLEAR:
    if (!ReadOnly()) DeleteSelection(UndoKind::Whole);
    return true;
  case EM_GETLINECOUNT: M.Result = LineCount(); return true;
  case EM_LINEINDEX: {
    const int Line = int(intptr_t(M.WParam)) < 0 ? LineOf(FCaret) : int(M.WParam);
    M.Result = Line < LineCount() ? FLineStarts[size_t(Line)] : -1;
    return true;
  }
  case EM_LINELENGTH: {
    const int Pos = int(intptr_t(M.WParam));
    const int Line = Pos < 0 ? LineOf(FCaret) : LineOf(std::min(Pos, Length()));
    M.Result = LineEnd(Line) - FLineStarts[size_t(Line)];
    return true;
  }
  case EM_LINEFROMCHAR: {
    const int Pos = int(intptr_t(M.WParam));
    M.Result = LineOf(Pos < 0 ? FCaret : std::min(Pos, Length()));
    return true;
  }
  case EM_GETFIRSTVISIBLELINE: M.Result = FKeepsLines ? FTopLine : (W ? PosAt(FormatRect().TopLeft()) : 0); return true;
  case EM_SCROLLCARET: SelectionChanged(); return true;
  case EM_SETMARGINS: SetMargins(M.WParam, M.LParam); return true;
  case EM_GETMARGINS: M.Result = MAKELRESULT(Word(FLeftMargin), Word(FRightMargin)); return true;
  case EM_SETRECT:
  case EM_SETRECTNP: SetRect(reinterpret_cast<const TRect*>(M.LParam), M.Msg == EM_SETRECT); return true;
  case EM_GETRECT:
    if (M.LParam) *reinterpret_cast<TRect*>(M.LParam) = FormatRect();
    return true;
  case EM_CHARFROMPOS: {
    const int Pos = PosAt(LParamToPoint(M.LParam));
    M.Result = MAKELRESULT(Word(Pos), Word(LineOf(Pos)));
    return true;
  }
  case EM_POSFROMCHAR: {
    const int Pos = int(intptr_t(M.WParam));
    if (Pos < 0 || Pos >= Length()) {
      M.Result = -1;
      return true;
    }
    const TPoint P = PointOf(Pos);
    M.Result = MAKELRESULT(Word(P.X), Word(P.Y));
    return true;
  }
  case WM_SETFONT: SetFont(reinterpret_cast<HFONT>(M.WParam), M.LParam != 0); return true;
  case WM_GETFONT: M.Result = LRESULT(FFont); return true;
  case WM_GETDLGCODE:
    M.Result = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | ((Style() & ES_MULTILINE) ? DLGC_WANTALLKEYS : 0);
    return true;
  case WM_CHAR: Char(char32_t(M.WParam)); return true;
  case WM_KEYDOWN: KeyDown(M.WParam); return true;
  default: break;
  }
  if (!W) return false;
  switch (M.Msg) {
  case WM_PAINT: {
    const bool CaretHidden = HideCaret(W);
    PaintMessage(W, M.WParam, [this](HDC DC) { Paint(DC); });
    if (CaretHidden) ShowCaret(W);
    return true;
  }
  case WM_SETFOCUS: SetFocused(true); return true;
  case WM_KILLFOCUS: SetFocused(false); return true;
  case WM_LBUTTONDOWN:
  case WM_LBUTTONDBLCLK: ButtonDown(M.LParam, M.WParam, M.Msg == WM_LBUTTONDBLCLK); return true;
  case WM_MOUSEMOVE: MouseMove(M.LParam); return true;
  case WM_LBUTTONUP:
    if (FDragging) {
      FDragging = false;
      if (GetCapture() == W) ReleaseCapture();
    }
    return true;
  case WM_CAPTURECHANGED: FDragging = false; return true;
  case WM_VSCROLL:
    if (!FKeepsLines) return false;
    ScrollLines(M.WParam);
    return true;
  case WM_SIZE:
    FRectSet = false;
    SelectionChanged();
    return false;
  case WM_ENABLE:
  case WM_STYLECHANGED:
    Invalidate();
    return false;
  default: return false;
  }
}
