#include "skin/boxctrls/TskCustomEdit.h"

#include "platform/base/ScopeGuard.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TCustomForm.h"
#include "platform/ui/toolkit/Caret.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/winsys/Input.h"
#include "skin/controls/IskSkinPopupMenu.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skParentBackground.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinPopupMenu.h"
#include "skin/form/skFormFinders.h"

namespace {

constexpr int LeftMargin = 2;
constexpr int RightMargin = 0;

}  // namespace

TskCustomEdit::TskCustomEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) { FControlStyle.Include(csOpaque); }

TskCustomEdit::~TskCustomEdit() { FreeSysPopupMenu(); }

void TskCustomEdit::SetEditTransparent(bool Value) {
  if (FEditTransparent == Value) return;
  FEditTransparent = Value;
  RecreateWnd();
}

bool TskCustomEdit::PaintsTransparent() const {
  return FEditTransparent && !ComponentState().Contains(csDesigning);
}

void TskCustomEdit::CreateParams(TCreateParams& Params) {
  TCustomMaskEdit::CreateParams(Params);
  Params.Style &= ~WS_BORDER;
  Params.ExStyle &= ~WS_EX_CLIENTEDGE;
  Params.Style |= PasswordChar() ? ES_PASSWORD : ES_MULTILINE;
}

void TskCustomEdit::Change() {
  TCustomMaskEdit::Change();
  if (PaintsTransparent()) RePaintBuffered();
}

// ---- Buffered painting ---------------------------------------------------------------------------------

void TskCustomEdit::RePaintBuffered() {
  if (!HandleAllocated()) return;
  const HWND Wnd = Handle();
  const bool CaretHidden = HideCaret(Wnd);
  const HDC DC = GetDC(Wnd);
  ScopeGuard Release([&] {
    ReleaseDC(Wnd, DC);
    if (CaretHidden) ShowCaret(Wnd);
  });
  PaintToDCBuffered(DC);
}

// The background and the text meet in one bitmap, which reaches the screen in one step.
void TskCustomEdit::PaintToDCBuffered(HDC DC) {
  if (!HandleAllocated()) return;
  const int W = ClientWidth(), H = ClientHeight();
  const HDC Memory = CreateCompatibleDC(DC);
  const HBITMAP Bitmap = CreateCompatibleBitmap(DC, W + 1, H + 1);
  const HGDIOBJ Old = SelectObject(Memory, Bitmap);
  FStopDraw = true;
  ScopeGuard Release([&] {
    FStopDraw = false;
    SelectObject(Memory, Old);
    DeleteObject(Bitmap);
    DeleteDC(Memory);
  });
  SendMessage(Handle(), WM_ERASEBKGND, WPARAM(Memory), 0);
  SendMessage(Handle(), WM_PAINT, WPARAM(Memory), 0);
  BitBlt(DC, 0, 0, W, H, Memory, 0, 0, SRCCOPY);
}

void TskCustomEdit::PaintBufferedBackground(HDC DC) {
  TBitmap B;
  B.SetSize(Width(), Height());
  DrawParentBackground(this, B.Canvas());
  BitBlt(DC, 0, 0, Width(), Height(), B.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TskCustomEdit::WMPaint(TMessage& Message) {
  if (FStopDraw) return TCustomMaskEdit::Dispatch(Message);
  const HWND Wnd = Handle();
  PAINTSTRUCT PS;
  const HDC DC = Message.WParam ? reinterpret_cast<HDC>(Message.WParam) : BeginPaint(Wnd, &PS);
  const bool CaretHidden = HideCaret(Wnd);
  PaintToDCBuffered(DC);
  if (CaretHidden) ShowCaret(Wnd);
  if (!Message.WParam) EndPaint(Wnd, &PS);
}

// ---- Keys ----------------------------------------------------------------------------------------------

void TskCustomEdit::DialogChar(TMessage& Message) {
  char32_t Key = char32_t(Message.WParam);
  if (OnKeyPress) {
    const TKeyPressEvent Handler = OnKeyPress;
    Handler(this, Key);
  }
  if (TCustomForm* Form = GetParentForm(this)) Form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam);
}

bool TskCustomEdit::RefusedWhileReadOnly(const TMessage& Message) const {
  if (!FReadOnly) return false;
  switch (Message.Msg) {
  case WM_CHAR: return Message.WParam != 3;
  case WM_KEYDOWN: return Message.WParam == VK_DELETE;
  case WM_CUT:
  case WM_PASTE:
  case WM_CLEAR:
  case WM_UNDO: return true;
  default: return false;
  }
}

// ---- Context menu --------------------------------------------------------------------------------------

void TskCustomEdit::FreeSysPopupMenu() {
  delete FSysPopupMenu;
  FSysPopupMenu = nullptr;
}

String TskCustomEdit::MenuCaption(const char* Name, const char* Default) const {
  TskSkinForm* Frame = GetSkinFormComponent(GetParentForm(const_cast<TskCustomEdit*>(this)));
  TskSkinData* Model = Frame ? Frame->SkinData() : nullptr;
  TskResourceStrData* Table = Model ? Model->ResourceStrData() : nullptr;
  const String Text = Table ? Table->GetResStr(Name) : String();
  return Text.empty() ? String(Default) : Text;
}

void TskCustomEdit::CreateSysPopupMenu() {
  FreeSysPopupMenu();
  FSysPopupMenu = new TskSkinPopupMenu(this);
  TCustomForm* Form = GetParentForm(this);
  if (Form && Form->FormStyle() == fsMDIChild && Application) Form = Application->MainForm();
  FSysPopupMenu->SetComponentForm(Form);
  const int Start = SelStart(), End = Start + SelLength();
  const bool Selected = Start < End;
  const bool All = Start == 0 && End == int(CodePointCount(Text()));
  const auto Add = [this](const char* Name, const char* Default, bool Enabled, std::function<void()> Action) {
    auto* Item = new TMenuItem(FSysPopupMenu);
    Item->SetCaption(Name ? MenuCaption(Name, Default) : String("-"));
    Item->SetEnabled(Enabled);
    if (Action) Item->OnClick = [Action](TObject*) { Action(); };
    FSysPopupMenu->Items()->Add(Item);
  };
  Add("EDIT_UNDO", "Undo", CanUndo(), [this] { Undo(); });
  Add(nullptr, nullptr, true, nullptr);
  Add("EDIT_CUT", "Cut", Selected && !FReadOnly, [this] { CutToClipboard(); });
  Add("EDIT_COPY", "Copy", Selected, [this] { CopyToClipboard(); });
  Add("EDIT_PASTE", "Paste", ClipboardHasText() && !FReadOnly, [this] { PasteFromClipboard(); });
  Add("EDIT_DELETE", "Delete", Selected && !FReadOnly, [this] { ClearSelection(); });
  Add(nullptr, nullptr, true, nullptr);
  Add("EDIT_SELECTALL", "Select All", !All, [this] { SelectAll(); });
}

void TskCustomEdit::WMContextMenu(TMessage& Message) {
  if (PopupMenu()) return TCustomMaskEdit::Dispatch(Message);
  CreateSysPopupMenu();
  TPoint P = LParamToPoint(Message.LParam);
  if (P.X < 0 || P.Y < 0) P = ClientToScreen({ Width() / 2, Height() / 2 });
  FSysPopupMenu->Popup2(this, P.X, P.Y);
  Message.Result = 1;
}

// ---- Messages ------------------------------------------------------------------------------------------

void TskCustomEdit::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_CHAR && (Message.WParam == VK_RETURN || Message.WParam == VK_ESCAPE))
    return DialogChar(Message);
  if (RefusedWhileReadOnly(Message)) return;
  switch (Message.Msg) {
  case WM_SETFONT:
    TCustomMaskEdit::Dispatch(Message);
    SendEdit(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(LeftMargin, RightMargin));
    return;
  case WM_SETFOCUS:
    TCustomMaskEdit::Dispatch(Message);
    if (AutoSelect()) SelectAll();
    if (PaintsTransparent()) RePaintBuffered();
    return;
  case WM_KILLFOCUS:
  case WM_CHAR:
  case WM_LBUTTONDOWN:
    TCustomMaskEdit::Dispatch(Message);
    if (PaintsTransparent()) RePaintBuffered();
    return;
  case WM_CONTEXTMENU: WMContextMenu(Message); return;
  case WM_SKINMENUCOMMAND: FreeSysPopupMenu(); return;
  case CM_CANCELMODE:
    TCustomMaskEdit::Dispatch(Message);
    if (OnEditCancelMode) {
      const TskOnEditCancelMode Handler = OnEditCancelMode;
      Handler(reinterpret_cast<TControl*>(Message.LParam));
    }
    return;
  default: break;
  }
  if (!PaintsTransparent()) return TCustomMaskEdit::Dispatch(Message);
  switch (Message.Msg) {
  case CN_CTLCOLOREDIT:
  case CN_CTLCOLORSTATIC: {
    const HDC DC = reinterpret_cast<HDC>(Message.WParam);
    SetBkMode(DC, TRANSPARENT);
    SetTextColor(DC, ColorToRGB(Font()->Color()));
    Message.Result = LRESULT(GetStockObject(NULL_BRUSH));
    return;
  }
  case WM_ERASEBKGND:
    if (FStopDraw)
      PaintBufferedBackground(reinterpret_cast<HDC>(Message.WParam));
    else
      RePaintBuffered();
    Message.Result = 1;
    return;
  case WM_PAINT: WMPaint(Message); return;
  default: TCustomMaskEdit::Dispatch(Message); return;
  }
}
