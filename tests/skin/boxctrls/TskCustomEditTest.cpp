#include "skin/boxctrls/TskCustomEdit.h"

#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/winsys/Input.h"
#include "skin/boxctrls/TskSkinNumEdit.h"
#include "tests/skin/controls/SkinControlFixture.h"

namespace {

class TskCustomEditTest : public SkinControlTest {
protected:
  TskCustomEdit* NewEdit(const String& Text) {
    auto* Edit = Add<TskCustomEdit>(Bounds(20, 20, 200, 20));
    Edit->SetText(Text);
    Edit->SetFocus();
    Display->PumpUntilIdle();
    return Edit;
  }
};

struct ReadOnlyCase {
  const char* Name;
  std::function<void(HeadlessPresenter&, TskCustomEdit*)> Act;
};

TEST_F(TskCustomEditTest, ReadOnlyRefusesEveryEditPathButCopies) {
  const ReadOnlyCase Cases[] = {
    { "typing", [](HeadlessPresenter& D, TskCustomEdit*) { D.TypeText("x"); } },
    { "Backspace", [](HeadlessPresenter& D, TskCustomEdit*) { D.Key(VK_BACK); } },
    { "Delete", [](HeadlessPresenter& D, TskCustomEdit*) { D.Key(VK_DELETE); } },
    { "Ctrl+X", [](HeadlessPresenter& D, TskCustomEdit*) { D.Key('X', { VK_CONTROL }); } },
    { "Ctrl+V", [](HeadlessPresenter& D, TskCustomEdit*) { D.Key('V', { VK_CONTROL }); } },
    { "Shift+Insert", [](HeadlessPresenter& D, TskCustomEdit*) { D.Key(VK_INSERT, { VK_SHIFT }); } },
    { "Shift+Delete", [](HeadlessPresenter& D, TskCustomEdit*) { D.Key(VK_DELETE, { VK_SHIFT }); } },
    { "Ctrl+Z", [](HeadlessPresenter& D, TskCustomEdit*) { D.Key('Z', { VK_CONTROL }); } },
    { "input method", [](HeadlessPresenter& D, TskCustomEdit*) { D.TypeText("输出"); } },
    { "cut", [](HeadlessPresenter&, TskCustomEdit* E) { E->CutToClipboard(); } },
    { "paste", [](HeadlessPresenter&, TskCustomEdit* E) { E->PasteFromClipboard(); } },
    { "delete", [](HeadlessPresenter&, TskCustomEdit* E) { E->ClearSelection(); } },
    { "undo", [](HeadlessPresenter&, TskCustomEdit* E) { E->Undo(); } },
  };
  for (const ReadOnlyCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TskCustomEdit* Edit = NewEdit("输出目录");
    Edit->SetSelText("输出目录/");  // something to undo
    Edit->SetReadOnly(true);
    Edit->SelectAll();
    SetClipboardText("pasted");
    Case.Act(*Display, Edit);
    EXPECT_EQ(Edit->Text(), "输出目录/");
    delete Edit;
  }
  TskCustomEdit* Edit = NewEdit("只读");
  Edit->SetReadOnly(true);
  Edit->SelectAll();
  Display->Key('C', { VK_CONTROL });
  EXPECT_EQ(GetClipboardText(), "只读");
}

TEST_F(TskCustomEditTest, EditsAsOneLineWithMarginsTwoAndZero) {
  TskCustomEdit* Edit = NewEdit("");
  EXPECT_TRUE(GetWindowLong(Edit->Handle(), GWL_STYLE) & ES_MULTILINE);
  EXPECT_FALSE(GetWindowLong(Edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  Edit->Font()->SetHeight(20);
  EXPECT_EQ(Edit->Perform(EM_GETMARGINS, 0, 0), MAKELRESULT(2, 0));
  Display->TypeText("输出目录");
  SetClipboardText("a\r\nb");
  Display->Key('V', { VK_CONTROL });
  Display->Key(VK_RETURN, { VK_CONTROL });
  EXPECT_EQ(Edit->Text(), "输出目录a");
  Display->Key('Z', { VK_CONTROL });
  EXPECT_EQ(Edit->Text(), "输出目录");
}

TEST_F(TskCustomEditTest, EnterAndEscapeGoToTheFormAfterOnKeyPress) {
  auto* Ok = Add<TButton>(Bounds(20, 60, 75, 25));
  Ok->SetDefault(true);
  Ok->OnClick = [this](TObject*) { Log.push_back("Ok.Click"); };
  auto* Cancel = Add<TButton>(Bounds(100, 60, 75, 25));
  Cancel->SetCancel(true);
  Cancel->OnClick = [this](TObject*) { Log.push_back("Cancel.Click"); };
  TskCustomEdit* Edit = NewEdit("abc");
  Edit->OnKeyPress = [this](TObject*, char32_t& Key) { Log.push_back("KeyPress(" + std::to_string(Key) + ")"); };
  Display->Key(VK_RETURN);
  Display->Key(VK_ESCAPE);
  EXPECT_EQ(Log, (AppLog { "KeyPress(13)", "Ok.Click", "KeyPress(27)", "Cancel.Click" }));
  EXPECT_EQ(Edit->Text(), "abc");
}

TEST_F(TskCustomEditTest, InputMethodCommitsTextAndKeysOfTheCompositionGoNowhere) {
  auto* Ok = Add<TButton>(Bounds(20, 60, 75, 25));
  Ok->SetDefault(true);
  Ok->OnClick = [this](TObject*) { Log.push_back("Ok.Click"); };
  TskCustomEdit* Edit = NewEdit("");
  Edit->OnKeyDown = [this](TObject*, Word& Key, TShiftState) { Log.push_back("KeyDown(" + std::to_string(Key) + ")"); };
  Display->SetComposing(true);
  Display->Key('S');
  Display->Key(VK_RETURN);
  Display->TypeText("输出目录");
  Display->SetComposing(false);
  EXPECT_EQ(Edit->Text(), "输出目录");
  EXPECT_EQ(Log, AppLog {});
  SetClipboardText("");
  Edit->SelectAll();
  Edit->CopyToClipboard();
  Edit->SetText("");
  Edit->PasteFromClipboard();
  EXPECT_EQ(Edit->Text(), "输出目录");
}

TEST_F(TskCustomEditTest, TransparentEditShowsItsParentBehindTheText) {
  Form->SetColor(clRed);
  TskCustomEdit* Edit = NewEdit("");
  Edit->SetEditTransparent(true);
  EXPECT_EQ(Shown(Edit, 150, 10), clRed);
  Edit->SetEditTransparent(false);
  EXPECT_EQ(Shown(Edit, 150, 10), TColor(ColorToRGB(clWindow)));
}

TEST_F(TskCustomEditTest, CancelModeTellsTheControlThatCausedIt) {
  TskCustomEdit* Edit = NewEdit("");
  TControl* Told = nullptr;
  Edit->OnEditCancelMode = [&](TControl* C) { Told = C; };
  auto* Other = Add<TButton>(Bounds(20, 60, 75, 25));
  Press(Other, 5, 5);
  EXPECT_EQ(Told, Other);
}

// ---- Numeric edit ----------------------------------------------------------------------------------------

class TskSkinNumEditTest : public SkinControlTest {};

TEST_F(TskSkinNumEditTest, ValidCharacters) {
  struct Case {
    const char* Text;
    int SelStart, SelLength;
    bool Float, EditorEnabled;
    char32_t C;
    bool Valid;
  };
  const Case Cases[] = {
    { "", 0, 0, false, true, U'7', true },
    { "", 0, 0, false, true, U'a', false },
    { "", 0, 0, false, true, U'.', false },
    { "1", 1, 0, true, true, U'.', true },
    { "1.5", 3, 0, true, true, U'.', false },
    { "", 0, 0, false, true, 8, true },
    { "", 0, 0, false, true, 13, false },
    { "", 0, 0, false, true, U'输', false },
    { "", 0, 0, false, true, 0xE9, false },
    { "12", 0, 0, false, true, U'-', true },
    { "-12", 0, 0, false, true, U'-', false },
    { "-12", 0, 3, false, true, U'-', true },
    { "12", 1, 0, false, true, U'-', false },
    { "12", 0, 0, false, false, U'5', false },
    { "12", 0, 0, false, false, 8, false },
    { "12", 0, 0, false, false, 3, true },
    // With the editor off nothing printable is valid, also "-" over a selection from the start.
    { "12", 0, 2, false, false, U'-', false },
  };
  auto* Edit = Add<TskSkinNumEdit>(Bounds(20, 20, 100, 20));
  for (const Case& C : Cases) {
    SCOPED_TRACE(std::string(C.Text) + " / " + std::to_string(C.C));
    Edit->SetText(C.Text);
    Edit->SetSelStart(C.SelStart);
    Edit->SetSelLength(C.SelLength);
    Edit->Float = C.Float;
    Edit->SetEditorEnabled(C.EditorEnabled);
    EXPECT_EQ(Edit->IsValidChar(C.C), C.Valid);
  }
}

TEST_F(TskSkinNumEditTest, RefusedCharactersBeepAndEnterGoesToTheFormSilently) {
  auto* Edit = Add<TskSkinNumEdit>(Bounds(20, 20, 100, 20));
  Edit->Float = true;
  Edit->SetFocus();
  const int Beeps = MessageBeepCount();
  Display->TypeText("1.5.x");
  EXPECT_EQ(Edit->Text(), "1.5");
  EXPECT_EQ(MessageBeepCount(), Beeps + 2);
  Display->Key(VK_RETURN);
  EXPECT_EQ(MessageBeepCount(), Beeps + 2);
}

TEST_F(TskSkinNumEditTest, ArrowsAndWheelStepUpAndDown) {
  auto* Edit = Add<TskSkinNumEdit>(Bounds(20, 20, 100, 20));
  Edit->OnUpClick = [this](TObject*) { Log.push_back("Up"); };
  Edit->OnDownClick = [this](TObject*) { Log.push_back("Down"); };
  Edit->SetText("12");
  Edit->SetFocus();
  Edit->SetSelStart(1);
  Display->Key(VK_UP);
  Display->Key(VK_DOWN);
  const TPoint P = At(Edit, 10, 10);
  Display->MoveTo(P.X, P.Y);
  Display->Wheel(120, P.X, P.Y);
  Display->Wheel(-120, P.X, P.Y);
  EXPECT_EQ(Log, (AppLog { "Up", "Down", "Up", "Down" }));
  EXPECT_EQ(Edit->SelStart(), 1);
}

}  // namespace
