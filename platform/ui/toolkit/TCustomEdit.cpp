#include "platform/ui/toolkit/TCustomEdit.h"

#include "platform/base/SysUtils.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/toolkit/NativeEdit.h"
#include "platform/ui/winsys/Ui.h"

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner), FNative(std::make_unique<NativeEdit>(*this)) {
  FControlStyle = { csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight };
  SetParentColor(false);
  FWidth = 121;
  FHeight = 21;
  SetTabStop(true);
}

TCustomEdit::~TCustomEdit() = default;

DWORD TCustomEdit::EditStyle() const {
  static constexpr DWORD Alignments[] = { ES_LEFT, ES_RIGHT, ES_CENTER };
  static constexpr DWORD Cases[] = { 0, ES_UPPERCASE, ES_LOWERCASE };
  DWORD Style = ES_AUTOHSCROLL | ES_AUTOVSCROLL | Alignments[FAlignment] | Cases[FCharCase];
  if (FPasswordChar) Style |= ES_PASSWORD;
  if (FReadOnly) Style |= ES_READONLY;
  if (!FHideSelection) Style |= ES_NOHIDESEL;
  if (FOEMConvert) Style |= ES_OEMCONVERT;
  return Style;
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style |= EditStyle();
  if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
  Params.WindowClass.hCursor = LoadCursor(0, IDC_IBEAM);
}

LRESULT TCustomEdit::SendEdit(UINT Msg, WPARAM WParam, LPARAM LParam) {
  return HandleAllocated() ? SendMessage(FHandle, Msg, WParam, LParam) : Perform(Msg, WParam, LParam);
}

void TCustomEdit::Dispatch(TMessage& Message) {
  if (Message.Msg == CN_COMMAND) {
    if (HIWORD(Message.WParam) == EN_CHANGE) Change();
    return;
  }
  TWinControl::Dispatch(Message);
}

void TCustomEdit::DefaultHandler(TMessage& Message) {
  if (!FNative->Handle(Message)) TWinControl::DefaultHandler(Message);
}

// The window class's painting is the edit's own, also for a DC someone else hands over.
void TCustomEdit::PaintWindow(HDC DC) {
  TMessage Message { WM_PAINT, WPARAM(DC), 0, 0 };
  DefaultHandler(Message);
}

void TCustomEdit::DoEnter() {
  if (FAutoSelect && !FControlState.Contains(csLButtonDown) && !(GetWindowLong(Handle(), GWL_STYLE) & ES_MULTILINE))
    SelectAll();
  TWinControl::DoEnter();
}

void TCustomEdit::Change() {
  if (OnChange) {
    const TNotifyEvent Handler = OnChange;
    Handler(this);
  }
}

// ---- Properties --------------------------------------------------------------------------------------------

void TCustomEdit::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  RecreateWnd();
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
  if (FCharCase == Value) return;
  FCharCase = Value;
  RecreateWnd();
}

void TCustomEdit::SetHideSelection(bool Value) {
  if (FHideSelection == Value) return;
  FHideSelection = Value;
  RecreateWnd();
}

void TCustomEdit::SetMaxLength(int Value) {
  FMaxLength = Value;
  SendEdit(EM_LIMITTEXT, WPARAM(std::max(Value, 0)), 0);
}

void TCustomEdit::SetPasswordChar(char32_t Value) {
  if (FPasswordChar == Value) return;
  FPasswordChar = Value;
  SendEdit(EM_SETPASSWORDCHAR, WPARAM(Value), 0);
}

void TCustomEdit::SetReadOnly(bool Value) {
  if (FReadOnly == Value) return;
  FReadOnly = Value;
  if (HandleAllocated()) SendMessage(FHandle, EM_SETREADONLY, Value, 0);
}

// ---- Text and selection ------------------------------------------------------------------------------------

bool TCustomEdit::Modified() { return SendEdit(EM_GETMODIFY, 0, 0) != 0; }
void TCustomEdit::SetModified(bool Value) { SendEdit(EM_SETMODIFY, Value, 0); }

int TCustomEdit::SelStart() {
  DWORD Start = 0;
  SendEdit(EM_GETSEL, WPARAM(&Start), 0);
  return int(Start);
}

void TCustomEdit::SetSelStart(int Value) { SendEdit(EM_SETSEL, WPARAM(Value), Value); }

int TCustomEdit::SelLength() {
  DWORD Start = 0, End = 0;
  SendEdit(EM_GETSEL, WPARAM(&Start), LPARAM(&End));
  return int(End - Start);
}

void TCustomEdit::SetSelLength(int Value) {
  const int Start = SelStart();
  SendEdit(EM_SETSEL, WPARAM(Start), Start + Value);
}

String TCustomEdit::SelText() {
  DWORD Start = 0, End = 0;
  SendEdit(EM_GETSEL, WPARAM(&Start), LPARAM(&End));
  const String Whole = Text();
  const size_t From = CodePointOffset(Whole, Start);
  return Whole.substr(From, CodePointOffset(Whole, End) - From);
}

void TCustomEdit::SetSelText(const String& Value) { SendEdit(EM_REPLACESEL, 1, LPARAM(Value.c_str())); }
void TCustomEdit::SelectAll() { SendEdit(EM_SETSEL, 0, -1); }

bool TCustomEdit::CanUndo() { return SendEdit(EM_CANUNDO, 0, 0) != 0; }
void TCustomEdit::Undo() { SendEdit(WM_UNDO, 0, 0); }
void TCustomEdit::ClearUndo() { SendEdit(EM_EMPTYUNDOBUFFER, 0, 0); }
void TCustomEdit::ClearSelection() { SendEdit(WM_CLEAR, 0, 0); }
void TCustomEdit::CopyToClipboard() { SendEdit(WM_COPY, 0, 0); }
void TCustomEdit::CutToClipboard() { SendEdit(WM_CUT, 0, 0); }
void TCustomEdit::PasteFromClipboard() { SendEdit(WM_PASTE, 0, 0); }
