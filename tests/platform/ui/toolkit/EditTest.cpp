// The edit under real input: key scripts, single-line rules, clipboard commands a subclass can refuse,
// change notices, text from the input method, the mouse, painting into a handed DC, and the memo's lines.
#include <functional>
#include <set>

#include "platform/gdi/Gdi.h"
#include "platform/ui/toolkit/Caret.h"
#include "platform/ui/winsys/ScrollBars.h"
#include "platform/ui/toolkit/TEdit.h"
#include "platform/ui/toolkit/TMemo.h"
#include "tests/platform/ui/ControlFixture.h"

namespace {

/// One step of a key script: text the keyboard or input method commits, or a key with held modifiers.
struct Step {
  String Text;
  UINT Key { 0 };
  std::vector<UINT> Held;
};
Step Type(const String& Text) { return { Text, 0, {} }; }
Step Press(UINT Key, std::vector<UINT> Held = {}) { return { "", Key, std::move(Held) }; }

/// An edit that logs its clipboard and undo commands and refuses those in Refused, as a filtering
/// subclass does.
class FilteringEdit : public TEdit {
public:
  using TEdit::TEdit;
  std::vector<UINT> Seen;
  std::set<UINT> Refused;

protected:
  void Dispatch(TMessage& Message) override {
    if (Message.Msg >= WM_CUT && Message.Msg <= WM_UNDO) {
      Seen.push_back(Message.Msg);
      if (Refused.contains(Message.Msg)) return;
    }
    TEdit::Dispatch(Message);
  }
};

/// An edit drawing its text only, over whatever lies below, as a transparent skinned edit asks.
class TransparentEdit : public TEdit {
public:
  using TEdit::TEdit;

protected:
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == CN_CTLCOLOREDIT || Message.Msg == CN_CTLCOLORSTATIC) {
      const HDC DC = reinterpret_cast<HDC>(Message.WParam);
      SetBkMode(DC, TRANSPARENT);
      SetTextColor(DC, ColorToRGB(Font()->Color()));
      Message.Result = LRESULT(GetStockObject(NULL_BRUSH));
      return;
    }
    TEdit::Dispatch(Message);
  }
};

class EditTest : public ControlTest {
protected:
  template <class T = TEdit> T* NewEdit(TRect Bounds = ::Bounds(10, 10, 120, 21)) {
    auto* E = new T(Root.get());
    E->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
    E->SetParent(Root.get());
    E->OnChange = [this](TObject*) { ++Changes; };
    return E;
  }
  /// A shown edit with the focus.
  template <class T = TEdit> T* FocusedEdit() {
    T* E = NewEdit<T>();
    ShowRoot();
    E->SetFocus();
    Screen->PumpUntilIdle();
    return E;
  }
  void Run(const std::vector<Step>& Script) {
    for (const Step& S : Script)
      if (S.Key) {
        std::initializer_list<UINT> None {};
        switch (S.Held.size()) {
        case 0: Screen->Key(S.Key, None); break;
        case 1: Screen->Key(S.Key, { S.Held[0] }); break;
        default: Screen->Key(S.Key, { S.Held[0], S.Held[1] }); break;
        }
      } else {
        Screen->TypeText(S.Text);
      }
  }
  /// Where a point of the edit's client area lies in the root window.
  static TPoint InRoot(TCustomEdit* E, TPoint P) { return { E->Left() + 2 + P.X, E->Top() + 2 + P.Y }; }

  int Changes { 0 };
};

TEST_F(EditTest, KeyScriptsEditTheTextAndSelection) {
  const struct {
    const char* Name;
    String Start;
    int SelStart, SelLength;
    std::vector<Step> Script;
    String Text;
    int ExpectedStart, ExpectedLength;
    int MaxLength { 0 };
    TEditCharCase Case { ecNormal };
  } Cases[] = {
    { "typing", "", 0, 0, { Type("abc") }, "abc", 3, 0 },
    { "typing replaces the selection", "hello", 1, 3, { Type("X") }, "hXo", 2, 0 },
    { "Backspace", "abc", 3, 0, { Press(VK_BACK) }, "ab", 2, 0 },
    { "Backspace removes the selection", "abcd", 1, 2, { Press(VK_BACK) }, "ad", 1, 0 },
    { "Backspace at the start", "abc", 0, 0, { Press(VK_BACK) }, "abc", 0, 0 },
    { "Delete", "abc", 0, 0, { Press(VK_DELETE) }, "bc", 0, 0 },
    { "Delete at the end", "abc", 3, 0, { Press(VK_DELETE) }, "abc", 3, 0 },
    { "Shift+Home", "abc", 3, 0, { Press(VK_HOME, { VK_SHIFT }) }, "abc", 0, 3 },
    { "Shift+Left twice", "abcd", 4, 0, { Press(VK_LEFT, { VK_SHIFT }), Press(VK_LEFT, { VK_SHIFT }) }, "abcd", 2, 2 },
    { "Left moves from the caret and drops the selection", "abcd", 1, 2, { Press(VK_LEFT) }, "abcd", 2, 0 },
    { "Ctrl+Left to the word start", "one two", 7, 0, { Press(VK_LEFT, { VK_CONTROL }) }, "one two", 4, 0 },
    { "Ctrl+Shift+Right selects a word and its blank", "one two", 0, 0,
      { Press(VK_RIGHT, { VK_CONTROL, VK_SHIFT }) }, "one two", 0, 4 },
    { "End", "abc", 0, 0, { Press(VK_END) }, "abc", 3, 0 },
    { "Ctrl+X then Ctrl+V", "abcdef", 1, 2, { Press('X', { VK_CONTROL }), Press(VK_END), Press('V', { VK_CONTROL }) },
      "adefbc", 6, 0 },
    { "Ctrl+Z takes the typed run back", "", 0, 0, { Type("ab"), Press('Z', { VK_CONTROL }) }, "", 0, 0 },
    { "Ctrl+Z twice brings it back selected", "", 0, 0,
      { Type("abc"), Press('Z', { VK_CONTROL }), Press('Z', { VK_CONTROL }) }, "abc", 0, 3 },
    { "Ctrl+Z after Backspaces restores them", "abcd", 4, 0,
      { Press(VK_BACK), Press(VK_BACK), Press('Z', { VK_CONTROL }) }, "abcd", 2, 2 },
    { "Ctrl+Z after a caret move takes back the last run only", "", 0, 0,
      { Type("ab"), Press(VK_LEFT), Type("c"), Press('Z', { VK_CONTROL }) }, "ab", 1, 0 },
    { "MaxLength 5", "abc", 3, 0, { Type("defg") }, "abcde", 5, 0, 5 },
    { "MaxLength 5 with a full text", "abcde", 2, 0, { Type("x") }, "abcde", 2, 0, 5 },
    { "CharCase upper", "", 0, 0, { Type("aBc1\xC3\xA4") }, "ABC1\xC3\x84", 5, 0, 0, ecUpperCase },
    { "code points, not bytes", "\xE4\xB8\xAD\xE6\x96\x87", 2, 0, { Press(VK_LEFT), Press(VK_BACK) }, "\xE6\x96\x87", 0,
      0 },
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    SetUp();
    TEdit* E = FocusedEdit();
    E->SetCharCase(C.Case);
    E->SetMaxLength(C.MaxLength);
    E->SetText(C.Start);
    E->SetSelStart(C.SelStart);
    E->SetSelLength(C.SelLength);
    Run(C.Script);
    EXPECT_EQ(E->Text(), C.Text);
    EXPECT_EQ(E->SelStart(), C.ExpectedStart);
    EXPECT_EQ(E->SelLength(), C.ExpectedLength);
    TearDown();
  }
}

TEST_F(EditTest, ASingleLineEditTakesNoLineBreaks) {
  TEdit* E = FocusedEdit();
  SetClipboardText("a\r\nb");
  Screen->Key('V', { VK_CONTROL });
  EXPECT_EQ(E->Text(), "a");
  Screen->Key(VK_RETURN, { VK_CONTROL });
  Screen->Key(VK_RETURN);
  Screen->Key(VK_ESCAPE);
  EXPECT_EQ(E->Text(), "a");
  SetClipboardText("\nb");
  E->PasteFromClipboard();
  EXPECT_EQ(E->Text(), "a");
  // A memo keeps the lines.
  TMemo* M = NewEdit<TMemo>(Bounds(10, 40, 120, 60));
  M->SetFocus();
  SetClipboardText("a\r\nb");
  Screen->Key('V', { VK_CONTROL });
  Screen->Key(VK_RETURN);
  Screen->TypeText("c");
  EXPECT_EQ(M->Text(), "a\r\nb\nc");
  EXPECT_EQ(M->Lines()->Count(), 3);
  EXPECT_EQ(M->Lines()->Strings(1), "b");
}

TEST_F(EditTest, ClipboardCommandsPassTheEditsMessagesSoASubclassCanRefuseThem) {
  const struct {
    UINT Key;
    std::vector<UINT> Held;
    UINT Message;
  } Keys[] = {
    { 'X', { VK_CONTROL }, WM_CUT },    { 'C', { VK_CONTROL }, WM_COPY },      { 'V', { VK_CONTROL }, WM_PASTE },
    { 'Z', { VK_CONTROL }, WM_UNDO },   { VK_DELETE, { VK_SHIFT }, WM_CUT },  { VK_INSERT, { VK_SHIFT }, WM_PASTE },
    { VK_INSERT, { VK_CONTROL }, WM_COPY },
  };
  for (const bool Refuse : { false, true }) {
    SCOPED_TRACE(Refuse);
    SetUp();
    auto* E = FocusedEdit<FilteringEdit>();
    if (Refuse) E->Refused = { WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR, WM_UNDO };
    for (const auto& K : Keys) {
      E->SetText("abc");
      E->SelectAll();
      SetClipboardText("clip");
      E->Seen.clear();
      Run({ Press(K.Key, K.Held) });
      EXPECT_EQ(E->Seen, std::vector<UINT> { K.Message }) << K.Key;
      if (Refuse) {
        EXPECT_EQ(E->Text(), "abc") << K.Key;
        EXPECT_EQ(GetClipboardText(), "clip") << K.Key;
      }
    }
    // The commands of code take the same way.
    E->SetText("abc");
    E->SelectAll();
    E->Seen.clear();
    E->ClearSelection();
    E->CopyToClipboard();
    E->CutToClipboard();
    E->PasteFromClipboard();
    E->Undo();
    EXPECT_EQ(E->Seen, (std::vector<UINT> { WM_CLEAR, WM_COPY, WM_CUT, WM_PASTE, WM_UNDO }));
    TearDown();
  }
}

TEST_F(EditTest, WhatTheCommandsDoWhenNobodyRefusesThem) {
  TEdit* E = FocusedEdit();
  E->SetText("one two");
  E->SetSelStart(4);
  E->SetSelLength(3);
  E->CutToClipboard();
  EXPECT_EQ(std::make_pair(E->Text(), GetClipboardText()), std::make_pair(String("one "), String("two")));
  E->SelectAll();
  E->ClearSelection();
  EXPECT_EQ(E->Text(), "");
  E->Undo();
  EXPECT_EQ(E->Text(), "one ");
  E->SetText("x");
  EXPECT_FALSE(E->CanUndo());  // new text from code ends the undo history
  EXPECT_FALSE(E->Modified());
  Screen->TypeText("y");
  EXPECT_TRUE(E->Modified());
  // A password reaches no clipboard; a read-only edit keeps its text but still copies.
  SetClipboardText("before");
  E->SetPasswordChar('*');
  E->SelectAll();
  Screen->Key('C', { VK_CONTROL });
  Screen->Key('X', { VK_CONTROL });
  EXPECT_EQ(GetClipboardText(), "before");
  EXPECT_EQ(E->Text(), "yx");
  E->SetPasswordChar(0);
  E->SetReadOnly(true);
  E->SelectAll();
  const int Beeps = MessageBeepCount();
  Run({ Type("z"), Press(VK_BACK), Press(VK_DELETE), Press('X', { VK_CONTROL }), Press('V', { VK_CONTROL }),
        Press('Z', { VK_CONTROL }), Press('C', { VK_CONTROL }) });
  EXPECT_EQ(E->Text(), "yx");
  EXPECT_EQ(GetClipboardText(), "yx");
  EXPECT_GT(MessageBeepCount(), Beeps);
}

TEST_F(EditTest, OnChangeFiresOncePerActualChange) {
  const struct {
    const char* Name;
    std::function<void(TEdit*, HeadlessPresenter&)> Act;
    int Expected;
  } Cases[] = {
    { "Text set to the same text", [](TEdit* E, HeadlessPresenter&) { E->SetText("abc"); }, 0 },
    { "Text set to another text", [](TEdit* E, HeadlessPresenter&) { E->SetText("abd"); }, 1 },
    { "WM_SETTEXT with the same text", [](TEdit* E, HeadlessPresenter&) { SendMessage(E->Handle(), WM_SETTEXT, 0, LPARAM("abc")); }, 0 },
    { "one typed character", [](TEdit*, HeadlessPresenter& S) { S.TypeText("x"); }, 1 },
    { "three typed characters", [](TEdit*, HeadlessPresenter& S) { S.TypeText("xyz"); }, 3 },
    { "a paste", [](TEdit* E, HeadlessPresenter&) { SetClipboardText("xyz"); E->PasteFromClipboard(); }, 1 },
    { "Backspace at the start", [](TEdit* E, HeadlessPresenter& S) { E->SetSelStart(0); S.Key(VK_BACK); }, 0 },
    { "Delete at the end", [](TEdit*, HeadlessPresenter& S) { S.Key(VK_DELETE); }, 0 },
    { "an undo", [](TEdit* E, HeadlessPresenter& S) { S.TypeText("x"); E->Undo(); }, 2 },
    { "selection moves", [](TEdit* E, HeadlessPresenter& S) { E->SelectAll(); S.Key(VK_LEFT); E->SetSelStart(1); }, 0 },
    { "typing into a full edit", [](TEdit* E, HeadlessPresenter& S) { E->SetMaxLength(3); S.TypeText("x"); }, 0 },
    { "a cut of nothing", [](TEdit* E, HeadlessPresenter&) { E->CutToClipboard(); }, 0 },
    { "a selection replaced in code", [](TEdit* E, HeadlessPresenter&) { E->SelectAll(); E->SetSelText("q"); }, 1 },
  };
  // Without a window the text and its notice work the same.
  auto* Loose = new TEdit(Root.get());
  int LooseChanges = 0;
  Loose->OnChange = [&](TObject*) { ++LooseChanges; };
  Loose->SetText("abc");
  Loose->SetText("abc");
  Loose->SetSelStart(1);
  Loose->SetSelText("X");
  EXPECT_EQ(Loose->Text(), "aXbc");
  EXPECT_EQ(LooseChanges, 2);
  EXPECT_FALSE(Loose->HandleAllocated());
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    SetUp();
    TEdit* E = FocusedEdit();
    E->SetText("abc");
    E->SetSelStart(3);
    Changes = 0;
    C.Act(E, *Screen);
    EXPECT_EQ(Changes, C.Expected);
    TearDown();
  }
}

TEST_F(EditTest, TextFromTheInputMethodArrivesAsCharacters) {
  TEdit* E = FocusedEdit();
  EXPECT_TRUE(Screen->TextInputOn());
  Screen->TypeText("\xE8\xBE\x93\xE5\x87\xBA\xE7\x9B\xAE\xE5\xBD\x95");  // 输出目录
  EXPECT_EQ(E->Text(), "\xE8\xBE\x93\xE5\x87\xBA\xE7\x9B\xAE\xE5\xBD\x95");
  EXPECT_EQ(Changes, 4);
  EXPECT_EQ(E->SelStart(), 4);
  // The composition window goes to the caret, inside the edit.
  const TRect Caret = Screen->TextInputCaret();
  const TPoint Origin = E->ClientOrigin();
  EXPECT_GT(Caret.Left, Origin.X);
  EXPECT_LT(Caret.Left, Origin.X + E->ClientWidth());
  // Keys the input method takes while it composes reach no control.
  Screen->SetComposing(true);
  Screen->Key(VK_BACK);
  Screen->SetComposing(false);
  EXPECT_EQ(E->SelStart(), 4);
  EXPECT_EQ(E->Text().size(), 12u);
  // The same text goes through the clipboard whole.
  E->SetSelStart(1);
  E->SetSelLength(2);
  Screen->Key('C', { VK_CONTROL });
  EXPECT_EQ(GetClipboardText(), "\xE5\x87\xBA\xE7\x9B\xAE");
  E->SetSelStart(4);
  Screen->Key('V', { VK_CONTROL });
  EXPECT_EQ(E->Text(), "\xE8\xBE\x93\xE5\x87\xBA\xE7\x9B\xAE\xE5\xBD\x95\xE5\x87\xBA\xE7\x9B\xAE");
}

// Pieces of one character arriving one after another must not join into it: the text would then hold
// fewer characters than the caret was placed after.
TEST_F(EditTest, InvalidUtf8ArrivesAsReplacementCharacters) {
  const String Bad = "\xEF\xBF\xBD";  // U+FFFD
  const struct {
    const char* Name;
    std::function<void(TEdit*, const String&)> Insert;
  } Ways[] = {
    { "pasted", [this](TEdit*, const String& S) { SetClipboardText(S); Screen->Key('V', { VK_CONTROL }); } },
    { "replaced by message",
      [](TEdit* E, const String& S) { SendMessage(E->Handle(), EM_REPLACESEL, 1, LPARAM(S.c_str())); } },
  };
  for (const auto& Way : Ways) {
    SCOPED_TRACE(Way.Name);
    TEdit* E = FocusedEdit();
    Way.Insert(E, "\xEF");
    Way.Insert(E, "\x83\x83");
    EXPECT_EQ(E->Text(), Bad + Bad + Bad);
    EXPECT_EQ(E->SelStart(), 3);
    Way.Insert(E, "a\xE4\xBD");
    Way.Insert(E, "\xA0\xE8\xA7\x86");  // the second half of 你, then 视 whole
    EXPECT_EQ(E->Text(), Bad + Bad + Bad + "a" + Bad + Bad + Bad + "\xE8\xA7\x86");
    EXPECT_EQ(E->SelStart(), 8);
    Screen->Key(VK_LEFT, { VK_SHIFT });
    Screen->Key(VK_BACK);
    Screen->Key(VK_HOME);
    Screen->Key(VK_DELETE);
    EXPECT_EQ(E->Text(), Bad + Bad + "a" + Bad + Bad + Bad);
    delete E;
  }
  TEdit* E = NewEdit();
  E->SetText("x\xC0\xAF");
  EXPECT_EQ(E->Text(), "x" + Bad + Bad);
}

TEST_F(EditTest, TheMouseSelectsAndPlacesTheCaret) {
  TEdit* E = FocusedEdit();
  E->SetText("one two three");
  const TPoint Origin = E->ClientOrigin();
  auto ScreenAt = [&](int Pos) {
    const LRESULT XY = SendMessage(E->Handle(), EM_POSFROMCHAR, WPARAM(Pos), 0);
    return TPoint { Origin.X + GET_X_LPARAM(XY) + 1, Origin.Y + 5 };
  };
  const TPoint At1 = ScreenAt(1), At6 = ScreenAt(6), At9 = ScreenAt(9);
  Screen->Drag(At1, At6);
  EXPECT_EQ(std::make_pair(E->SelStart(), E->SelLength()), std::make_pair(1, 5));
  Screen->Advance(1000);
  Screen->ButtonDown(At9.X, At9.Y);
  Screen->ButtonUp(At9.X, At9.Y);
  Screen->KeyDown(VK_SHIFT);
  Screen->Click(At1.X, At1.Y);
  Screen->KeyUp(VK_SHIFT);
  EXPECT_EQ(std::make_pair(E->SelStart(), E->SelLength()), std::make_pair(1, 8));
  Screen->Advance(1000);
  Screen->Click(At6.X, At6.Y);
  Screen->Click(At6.X, At6.Y);  // a double click selects the word
  EXPECT_EQ(E->SelText(), "two");
  // A click left of the formatting rectangle puts the caret at the start.
  TRect Format = Rect(20, 0, 100, 15);
  SendMessage(E->Handle(), EM_SETRECT, 0, LPARAM(&Format));
  Screen->Advance(1000);
  Screen->Click(Origin.X + 5, Origin.Y + 5);
  EXPECT_EQ(std::make_pair(E->SelStart(), E->SelLength()), std::make_pair(0, 0));
  TRect Read;
  SendMessage(E->Handle(), EM_GETRECT, 0, LPARAM(&Read));
  EXPECT_EQ(Read, Format);
  const TPoint Caret = [] { TPoint P; GetCaretPos(&P); return P; }();
  EXPECT_EQ(Caret.X, 20);
}

TEST_F(EditTest, TheCaretNestsItsHidingAndBlinks) {
  TEdit* E = FocusedEdit();
  const TColor Window = ColorToRGB(clWindow);
  TPoint Caret;
  ASSERT_TRUE(GetCaretPos(&Caret));
  const TPoint At = InRoot(E, { Caret.X, Caret.Y + 2 });
  auto Shown = [&] { return Pixel(At.X, At.Y) != Window; };
  EXPECT_TRUE(Shown());
  HideCaret(E->Handle());
  HideCaret(E->Handle());
  ShowCaret(E->Handle());
  EXPECT_FALSE(Shown());
  ShowCaret(E->Handle());
  EXPECT_TRUE(Shown());
  // A repaint under the caret leaves it drawn once, not erased or doubled.
  E->Repaint();
  EXPECT_TRUE(Shown());
  Screen->Advance(GetCaretBlinkTime());
  EXPECT_FALSE(Shown());
  Screen->Advance(GetCaretBlinkTime());
  EXPECT_TRUE(Shown());
  // Losing the focus takes the caret away.
  Root->SetFocus();
  Screen->PumpUntilIdle();
  EXPECT_FALSE(GetCaretPos(&Caret));
  EXPECT_FALSE(Shown());
}

TEST_F(EditTest, PaintingIntoAHandedDCHonoursTheColourAnswer) {
  auto* E = NewEdit<TransparentEdit>();
  E->SetText("Wi");
  ShowRoot();
  TRect Client = E->ClientRect();
  const HDC Memory = CreateCompatibleDC(nullptr);
  const HBITMAP Bitmap = CreateCompatibleBitmap(Memory, Client.Width(), Client.Height());
  SelectObject(Memory, Bitmap);
  const TColor Red = RGB(255, 0, 0);
  const HBRUSH Fill = CreateSolidBrush(Red);
  FillRect(Memory, Client, Fill);
  SendMessage(E->Handle(), WM_PAINT, WPARAM(Memory), 0);
  int Glyph = 0, Other = 0;
  for (int Y = 0; Y < Client.Height(); ++Y)
    for (int X = 0; X < Client.Width(); ++X) {
      const TColor C = GetPixel(Memory, X, Y);
      Glyph += C == ColorToRGB(E->Font()->Color());
      Other += C != Red && C != ColorToRGB(E->Font()->Color());
    }
  EXPECT_GT(Glyph, 0);   // the text was drawn
  EXPECT_EQ(Other, 0);   // and nothing else: red stays outside the glyphs
  EXPECT_EQ(GetPixel(Memory, Client.Width() - 1, Client.Height() - 1), Red);
  DeleteObject(Fill);
  DeleteDC(Memory);
  DeleteObject(Bitmap);
}

TEST_F(EditTest, TheSelectionShowsWhileFocusedUnlessKeptVisible) {
  for (const bool Hide : { true, false }) {
    SCOPED_TRACE(Hide);
    SetUp();
    TEdit* E = FocusedEdit();
    E->SetHideSelection(Hide);
    E->SetText("WWWW");
    E->SelectAll();
    Screen->PumpUntilIdle();
    // The last column of the second character's cell lies between two glyph boxes.
    const LRESULT XY = SendMessage(E->Handle(), EM_POSFROMCHAR, 2, 0);
    const TPoint In = InRoot(E, { GET_X_LPARAM(XY) - 1, 5 });
    EXPECT_EQ(Pixel(In.X, In.Y), ColorToRGB(clHighlight));
    Root->SetFocus();
    Screen->PumpUntilIdle();
    EXPECT_EQ(Pixel(In.X, In.Y), ColorToRGB(Hide ? clWindow : clHighlight));
    TearDown();
  }
}

TEST_F(EditTest, ANewWindowKeepsTextSelectionAndUndo) {
  TEdit* E = FocusedEdit();
  Screen->TypeText("hello");
  E->SetSelStart(1);
  E->SetSelLength(2);
  const HWND Before = E->Handle();
  E->SetCharCase(ecUpperCase);  // makes the window again
  Screen->PumpUntilIdle();
  EXPECT_NE(E->Handle(), Before);
  EXPECT_EQ(E->Text(), "hello");
  EXPECT_EQ(std::make_pair(E->SelStart(), E->SelLength()), std::make_pair(1, 2));
  EXPECT_TRUE(E->Focused());
  Screen->TypeText("x");
  EXPECT_EQ(E->Text(), "hXlo");
  E->Undo();
  EXPECT_EQ(E->Text(), "hello");
}

TEST_F(EditTest, MemoLinesReadAndChangeTheText) {
  auto* M = NewEdit<TMemo>(Bounds(10, 10, 120, 80));
  M->Lines()->Add("one");
  M->Lines()->Add("two");
  M->Lines()->Add("three");
  EXPECT_EQ(M->Text(), "one\ntwo\nthree\n");
  EXPECT_EQ(M->Lines()->Count(), 3);
  M->Lines()->Delete(1);
  M->Lines()->Insert(0, "zero");
  EXPECT_EQ(M->Text(), "zero\none\nthree\n");
  M->SetText("a\r\nbb\rc");
  EXPECT_EQ(M->Lines()->Count(), 3);
  EXPECT_EQ(M->Lines()->Strings(1), "bb");
  ShowRoot();
  M->SetFocus();
  M->SetSelStart(4);  // after "bb"
  Screen->Key(VK_UP);
  EXPECT_EQ(M->SelStart(), 1);
  Screen->Key(VK_RIGHT);  // over CR LF in one step
  EXPECT_EQ(M->SelStart(), 3);
  Screen->Key(VK_BACK);  // and back over it
  EXPECT_EQ(M->Text(), "abb\rc");
  EXPECT_EQ(SendMessage(M->Handle(), WM_GETDLGCODE, 0, 0) & (DLGC_WANTCHARS | DLGC_WANTALLKEYS),
            DLGC_WANTCHARS | DLGC_WANTALLKEYS);
}

TEST_F(EditTest, AMemoKeepsItsVerticalScrollInformationInLines) {
  auto* M = NewEdit<TMemo>(Bounds(10, 10, 120, 80));
  M->SetScrollBars(ssVertical);
  for (int I = 0; I < 12; ++I) M->Lines()->Add(Format("line %d", I));
  ShowRoot();
  SCROLLINFO Info;
  Info.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(M->Handle(), SB_VERT, &Info));
  const int Rows = int(Info.nPage);
  ASSERT_GT(Rows, 1);
  ASSERT_LT(Rows, 12);
  // Twelve lines and the empty one after the last break; the caret is there, so the last page shows.
  EXPECT_EQ(std::make_tuple(Info.nMin, Info.nMax, Info.nPos), std::make_tuple(0, 12, 13 - Rows));
  SendMessage(M->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 4), 0);
  EXPECT_EQ(SendMessage(M->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 4);
  EXPECT_EQ(GetScrollPos(M->Handle(), SB_VERT), 4);
  SendMessage(M->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(GetScrollPos(M->Handle(), SB_VERT), 13 - Rows);
  M->SetFocus();
  M->SetSelStart(0);  // the caret's line comes into view
  EXPECT_EQ(GetScrollPos(M->Handle(), SB_VERT), 0);
}

}  // namespace
