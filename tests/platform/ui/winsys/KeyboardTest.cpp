// Keys and text: the characters keys make, the key messages and their data, the system commands of the
// keyboard, committed text and input-method compositions.
#include "platform/ui/winsys/KeyboardInput.h"
#include "tests/platform/ui/InputFixture.h"

namespace {

class Keyboard : public InputTest {
protected:
  /// The key and character messages the window got, as (message, wParam).
  std::vector<std::pair<UINT, WPARAM>> Keys(HWND Wnd) const {
    std::vector<std::pair<UINT, WPARAM>> Result;
    for (const LoggedMessage& M : Log)
      if (M.Wnd == Wnd && ((M.Msg >= WM_KEYFIRST && M.Msg <= WM_KEYLAST) || M.Msg == WM_SYSCOMMAND))
        Result.push_back({ M.Msg, M.Msg == WM_SYSCOMMAND ? (M.WParam & 0xFFF0) : M.WParam });
    return Result;
  }
  /// The characters the window got through WM_CHAR.
  std::u32string Characters(HWND Wnd) const {
    std::u32string Result;
    for (const LoggedMessage& M : Log)
      if (M.Wnd == Wnd && M.Msg == WM_CHAR)
        Result += char32_t(M.WParam);
    return Result;
  }
};

TEST(KeyCharacters, KeysTranslateToTheirCharacters) {
  const struct {
    UINT Key;
    bool Shift, Ctrl, Alt, Caps, Printable;
    char32_t Expected;
  } Cases[] = {
    { VK_RETURN, false, false, false, false, false, 13 },
    { VK_RETURN, false, true, false, false, false, 10 },
    { VK_ESCAPE, false, false, false, false, false, 27 },
    { VK_BACK, false, false, false, false, false, 8 },
    { VK_TAB, true, false, false, false, false, 9 },
    { 'C', false, true, false, false, false, 3 },
    { 'X', false, true, false, false, false, 24 },
    { 'V', true, true, false, false, false, 22 },
    { 'Z', false, true, false, false, true, 26 },
    { 'A', false, false, false, false, false, 0 },  // text input delivers it
    { 'A', false, false, false, false, true, 'a' },
    { 'A', true, false, false, false, true, 'A' },
    { 'A', false, false, false, true, true, 'A' },
    { 'A', true, false, false, true, true, 'a' },
    { '1', true, false, false, false, true, '!' },
    { VK_OEM_2, true, false, false, false, true, '?' },
    { VK_SPACE, false, false, false, false, true, ' ' },
    { 'F', false, false, true, false, false, 'f' },
    { VK_SPACE, false, false, true, false, false, ' ' },
    { 'F', false, true, true, false, true, 0 },  // Ctrl+Alt: the layout's own characters come as text
    { VK_F5, false, false, false, false, true, 0 },
    { VK_LEFT, false, false, false, false, true, 0 },
  };
  for (const auto& C : Cases)
    EXPECT_EQ(KeyboardInput::CharacterFor(C.Key, C.Shift, C.Ctrl, C.Alt, C.Caps, C.Printable), C.Expected)
        << C.Key << " shift " << C.Shift << " ctrl " << C.Ctrl << " alt " << C.Alt << " caps " << C.Caps;
}

TEST_F(Keyboard, KeysReachTheFocusWithTheirDataAndCharacters) {
  const HWND Form = CreateTop({ 0, 0, 300, 300 });
  const HWND List = CreateChild(Form, { 10, 10, 200, 200 });
  SetFocus(List);
  short ControlDuringC = 0;
  Handlers[List] = [&](UINT Msg, WPARAM W, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_KEYDOWN && W == 'C')
      ControlDuringC = GetKeyState(VK_CONTROL);
    return std::nullopt;
  };
  Log.clear();
  Screen->Key('C', { VK_CONTROL });
  const std::vector<std::pair<UINT, WPARAM>> Expected { { WM_KEYDOWN, VK_CONTROL }, { WM_KEYDOWN, 'C' },
                                                        { WM_CHAR, 3 },          { WM_KEYUP, 'C' },
                                                        { WM_KEYUP, VK_CONTROL } };
  EXPECT_EQ(Keys(List), Expected);
  EXPECT_LT(ControlDuringC, 0);
  EXPECT_EQ(uint32_t(Last(List, WM_KEYUP)->LParam) >> 30, 3u) << "a release: the key was down before";

  Log.clear();
  Screen->KeyDown('A');
  Screen->KeyDown('A', true);
  Screen->KeyUp('A');
  EXPECT_EQ(Characters(List), U"aa") << "no text input outside an edit: the keys make the characters";
  EXPECT_EQ((uint32_t(Last(List, WM_KEYDOWN)->LParam) >> 30) & 1, 1u) << "the repeat was down before";
}

TEST_F(Keyboard, AltAndF10MakeTheKeyboardSystemCommands) {
  const HWND Form = CreateTop({ 0, 0, 300, 300 });
  const HWND Button = CreateChild(Form, { 10, 10, 100, 40 });
  SetFocus(Button);
  Answer(Form, WM_CLOSE, 0);
  Log.clear();

  Screen->Key('F', { VK_MENU });
  const std::vector<std::pair<UINT, WPARAM>> AltF { { WM_SYSKEYDOWN, VK_MENU }, { WM_SYSKEYDOWN, 'F' },
                                                    { WM_SYSCHAR, 'f' },        { WM_SYSKEYUP, 'F' },
                                                    { WM_SYSKEYUP, VK_MENU } };
  EXPECT_EQ(Keys(Button), AltF);
  EXPECT_NE(uint32_t(Last(Button, WM_SYSKEYDOWN)->LParam) & (1u << 29), 0u);
  const auto Menu = Last(Form, WM_SYSCOMMAND);
  ASSERT_TRUE(Menu);
  EXPECT_EQ(Menu->WParam & 0xFFF0, SC_KEYMENU);
  EXPECT_EQ(Menu->LParam, 'f');
  EXPECT_EQ(Count(Form, WM_SYSCOMMAND), 1) << "Alt released after another key opens nothing";

  const struct {
    std::vector<UINT> Held;
    UINT Key;
    WPARAM Command;
  } Cases[] = {
    { {}, VK_MENU, SC_KEYMENU },
    { {}, VK_F10, SC_KEYMENU },
    { { VK_MENU }, VK_F4, SC_CLOSE },
  };
  for (const auto& Case : Cases) {
    Log.clear();
    for (const UINT H : Case.Held)
      Screen->KeyDown(H);
    Screen->Key(Case.Key);
    for (const UINT H : Case.Held)
      Screen->KeyUp(H);
    const auto Command = Last(Form, WM_SYSCOMMAND);
    ASSERT_TRUE(Command) << Case.Key;
    EXPECT_EQ(Command->WParam & 0xFFF0, Case.Command) << Case.Key;
    EXPECT_EQ(Count(Form, WM_SYSCOMMAND), 1) << Case.Key;
  }
  EXPECT_EQ(Count(Form, WM_CLOSE), 1);
}

TEST_F(Keyboard, TextArrivesAsCodePointsAndCompositionsKeepTheirKeys) {
  const HWND Form = CreateTop({ 0, 0, 300, 300 });
  const HWND Edit = CreateChild(Form, { 10, 10, 200, 30 });
  Answer(Edit, WM_GETDLGCODE, DLGC_WANTCHARS | DLGC_WANTARROWS);
  SetFocus(Edit);
  EXPECT_TRUE(Screen->TextInputOn());
  Log.clear();

  Screen->SetComposing(true);
  Screen->Key('S');
  Screen->Key(VK_RETURN);
  Screen->SetComposing(false);
  Screen->TypeText("输出a");
  Screen->Key('B');

  EXPECT_EQ(Characters(Edit), U"输出a");
  EXPECT_EQ(Count(Edit, WM_KEYDOWN), 1) << "only B: the composition's keys belong to the input method";

  const HWND Button = CreateChild(Form, { 10, 50, 100, 80 });
  SetFocus(Button);
  EXPECT_FALSE(Screen->TextInputOn());
}

}  // namespace
