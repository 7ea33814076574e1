#include "platform/ui/toolkit/TCustomMemo.h"

#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/NativeEdit.h"
#include "platform/ui/winsys/Ui.h"

namespace {

/// The lines of a memo, read and changed through the edit's line messages.
class TMemoStrings : public TStrings {
public:
  explicit TMemoStrings(TCustomMemo& Memo) : FMemo(Memo) {}

  // An empty last line is the place after the last line break, not a line.
  int Count() const override {
    const int Lines = int(Send(EM_GETLINECOUNT, 0, 0));
    return Send(EM_LINELENGTH, WPARAM(Send(EM_LINEINDEX, WPARAM(Lines - 1), 0)), 0) == 0 ? Lines - 1 : Lines;
  }

  void Insert(int Index, const String& S) override {
    if (Index < 0 || Index > Count()) IndexError(Index);
    LRESULT Start = Send(EM_LINEINDEX, WPARAM(Index), 0);
    String Line = S + "\n";
    if (Start < 0) {
      Start = Send(EM_LINEINDEX, WPARAM(Index - 1), 0);
      Start += Send(EM_LINELENGTH, WPARAM(Start), 0);
      Line = "\n" + S;
    }
    Replace(Start, Start, Line);
  }

  void Delete(int Index) override {
    if (Index < 0 || Index >= Count()) IndexError(Index);
    const LRESULT Start = Send(EM_LINEINDEX, WPARAM(Index), 0);
    LRESULT End = Send(EM_LINEINDEX, WPARAM(Index + 1), 0);
    if (End < 0) End = Start + Send(EM_LINELENGTH, WPARAM(Start), 0);
    Replace(Start, End, "");
  }

  void Put(int Index, const String& S) override {
    if (Index < 0 || Index >= Count()) IndexError(Index);
    const LRESULT Start = Send(EM_LINEINDEX, WPARAM(Index), 0);
    Replace(Start, Start + Send(EM_LINELENGTH, WPARAM(Start), 0), S);
  }

  void Clear() override { FMemo.SetText(""); }
  void SetText(const String& Value) override { FMemo.SetText(Value); }

protected:
  String Get(int Index) const override {
    if (Index < 0 || Index >= Count()) IndexError(Index);
    const LRESULT Start = Send(EM_LINEINDEX, WPARAM(Index), 0);
    const String Text = FMemo.Text();
    const size_t From = CodePointOffset(Text, size_t(Start));
    return Text.substr(From, CodePointOffset(Text, size_t(Start + Send(EM_LINELENGTH, WPARAM(Start), 0))) - From);
  }

private:
  LRESULT Send(UINT Msg, WPARAM WParam, LPARAM LParam) const {
    return FMemo.HandleAllocated() ? SendMessage(FMemo.Handle(), Msg, WParam, LParam) : FMemo.Perform(Msg, WParam, LParam);
  }
  void Replace(LRESULT From, LRESULT To, const String& S) {
    Send(EM_SETSEL, WPARAM(From), To);
    Send(EM_REPLACESEL, 0, LPARAM(S.c_str()));
  }

  TCustomMemo& FMemo;
};

}  // namespace

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner), FLines(std::make_unique<TMemoStrings>(*this)) {
  Native().SetKeepsLines(true);
  FWidth = 185;
  FHeight = 89;
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::SetScrollBars(TScrollStyle Value) {
  if (FScrollBars == Value) return;
  FScrollBars = Value;
  RecreateWnd();
}

void TCustomMemo::CreateParams(TCreateParams& Params) {
  static constexpr DWORD Bars[] = { 0, WS_HSCROLL, WS_VSCROLL, WS_HSCROLL | WS_VSCROLL };
  TCustomEdit::CreateParams(Params);
  Params.Style |= ES_MULTILINE | Bars[FScrollBars];
}

void TCustomMemo::Dispatch(TMessage& Message) {
  TCustomEdit::Dispatch(Message);
  if (Message.Msg != WM_GETDLGCODE) return;
  Message.Result = FWantTabs ? (Message.Result | DLGC_WANTTAB) : (Message.Result & ~DLGC_WANTTAB);
  if (!FWantReturns) Message.Result &= ~DLGC_WANTALLKEYS;
}

void TCustomMemo::KeyPress(char32_t& Key) {
  TCustomEdit::KeyPress(Key);
  if (Key == 13 && !FWantReturns) Key = 0;
}
