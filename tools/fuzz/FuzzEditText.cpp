// Text entering a single-line edit and a memo as a user and a program put it there: typed, pasted and
// replaced by message, with keys that move, select and delete in between. Whatever arrives, the text stays
// valid UTF-8 and the selection stays inside it.
//
// The input is a script of steps: a step's first byte chooses what it does, the byte after it how many of
// the following bytes it takes.
#include <memory>
#include <optional>

#include "platform/base/SysUtils.h"
#include "platform/display/HeadlessPresenter.h"
#include "platform/ui/toolkit/TCustomControl.h"
#include "platform/ui/toolkit/TEdit.h"
#include "platform/ui/toolkit/TMemo.h"
#include "platform/ui/toolkit/EditMessages.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "platform/ui/winsys/WindowSystem.h"
#include "tools/fuzz/FuzzInput.h"

namespace {

/// A frameless top-level window holding the edits.
class TRoot : public TCustomControl {
public:
  TRoot() : TCustomControl(nullptr) {
    FVisible = false;
    FControlStyle.Include(csAcceptsControls);
  }
  bool IsRootWindow() const override { return true; }

protected:
  void CreateParams(TCreateParams& Params) override {
    TCustomControl::CreateParams(Params);
    Params.Style = (Params.Style & ~WS_CHILD) | WS_POPUP;
  }
};

const UINT Keys[] = { VK_LEFT, VK_RIGHT, VK_HOME, VK_END, VK_BACK, VK_DELETE, VK_RETURN, VK_UP, VK_DOWN };

void Check(TCustomEdit* Edit) {
  const String text = Edit->Text();
  if (!IsValidUtf8(text)) fuzz::Broken("the text is valid UTF-8");
  const int length = int(CodePointCount(text));
  const int start = Edit->SelStart();
  const int selected = Edit->SelLength();
  if (start < 0 || selected < 0 || start + selected > length) fuzz::Broken("the selection lies inside the text");
}

void Step(HeadlessPresenter& Screen, TCustomEdit* Edit, uint8_t Kind, const String& Bytes) {
  switch (Kind % 6) {
  case 0: Screen.TypeText(Bytes); break;
  case 1:
    SetClipboardText(Bytes);
    Edit->PasteFromClipboard();
    break;
  case 2: SendMessage(Edit->Handle(), EM_REPLACESEL, 1, reinterpret_cast<LPARAM>(Bytes.c_str())); break;
  case 3: Screen.Key(Keys[(Bytes.empty() ? 0 : uint8_t(Bytes[0])) % std::size(Keys)], {}); break;
  case 4: Screen.Key(Keys[(Bytes.empty() ? 0 : uint8_t(Bytes[0])) % std::size(Keys)], { VK_SHIFT }); break;
  case 5:
    SendMessage(Edit->Handle(), EM_SETSEL, Bytes.size() > 0 ? uint8_t(Bytes[0]) : 0,
                Bytes.size() > 1 ? uint8_t(Bytes[1]) : -1);
    break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  WindowSystem::Get().Reset();
  HeadlessPresenter screen({ 400, 300 });
  auto root = std::make_unique<TRoot>();
  root->SetBounds(10, 10, 300, 200);
  TCustomEdit* edits[] = { new TEdit(root.get()), new TMemo(root.get()) };
  for (int i = 0; i < 2; ++i) {
    edits[i]->SetBounds(5, 5 + i * 40, 200, i ? 120 : 21);
    edits[i]->SetParent(root.get());
  }
  root->Show();
  screen.PumpUntilIdle();
  for (size_t at = 0; at + 1 < Size;) {
    const uint8_t kind = Data[at];
    const size_t length = std::min<size_t>(Data[at + 1] % 16, Size - at - 2);
    const String bytes(reinterpret_cast<const char*>(Data + at + 2), length);
    at += 2 + length;
    TCustomEdit* edit = edits[(kind / 6) % 2];
    edit->SetFocus();
    Step(screen, edit, kind, bytes);
    screen.PumpUntilIdle();
    Check(edit);
  }
  root.reset();
  WindowSystem::Get().Reset();
  return 0;
}
