// The order of the controls' mouse, enter/leave, focus and key events under real input.
#include <algorithm>

#include "platform/ui/toolkit/TBasicAction.h"
#include "tests/platform/ui/ControlFixture.h"
#include "tests/platform/ui/UiFixture.h"

namespace {

/// The logged events whose text contains one of the words.
EventLog Only(const EventLog& Log, std::initializer_list<const char*> Words) {
  EventLog Result;
  for (const std::string& E : Log)
    if (std::any_of(Words.begin(), Words.end(), [&](const char* W) { return E.find(W) != std::string::npos; }))
      Result.push_back(E);
  return Result;
}

const std::initializer_list<const char*> MouseWords { "Mouse", "Click" };
const std::initializer_list<const char*> HoverWords { "Enter", "Leave" };

TEST_F(ControlTest, ClicksRunMouseDownClickMouseUpAndDoubleClicksDblClickFirst) {
  for (const bool Windowless : { false, true }) {
    SCOPED_TRACE(Windowless);
    SetUp();
    if (Windowless)
      Add<GraphicProbe>(Root.get(), "C", Bounds(20, 20, 40, 20));
    else
      Add<Probe>(Root.get(), "C", Bounds(20, 20, 40, 20));
    ShowRoot();
    Screen->Click(130, 130);
    EXPECT_EQ(Only(Take(), MouseWords), (EventLog { "C.MouseDown(10,10)", "C.Click", "C.MouseUp(10,10)" }));
    Screen->Click(130, 130);  // within the double-click time of the first
    EXPECT_EQ(Only(Take(), MouseWords), (EventLog { "C.DblClick", "C.MouseDown(10,10,double)", "C.MouseUp(10,10)" }));
    TearDown();
  }
}

TEST_F(ControlTest, APressedControlGetsTheReleaseOutsideItButNoClick) {
  for (const bool Windowless : { false, true }) {
    SCOPED_TRACE(Windowless);
    SetUp();
    TControl* C = Windowless ? static_cast<TControl*>(Add<GraphicProbe>(Root.get(), "C", Bounds(20, 20, 40, 20)))
                             : Add<Probe>(Root.get(), "C", Bounds(20, 20, 40, 20));
    ShowRoot();
    Screen->ButtonDown(130, 130);
    EXPECT_FALSE(Log.empty());
    EXPECT_EQ(TControl::CaptureControl(), C);
    Screen->MoveTo(350, 130);  // outside the root window
    Screen->ButtonUp(350, 130);
    EXPECT_EQ(Only(Take(), MouseWords), (EventLog { "C.MouseDown(10,10)", "C.MouseUp(230,10)" }));
    EXPECT_EQ(GetCapture(), HWND(0));
    TearDown();
  }
}

TEST_F(ControlTest, EnterAndLeaveFollowThePointerAcrossWindowedAndWindowlessControls) {
  auto* A = Add<GraphicProbe>(Root.get(), "A", Bounds(10, 10, 30, 30));
  auto* B = Add<GraphicProbe>(Root.get(), "B", Bounds(50, 10, 30, 30));
  int MovesOnB = 0;
  B->OnMouseMove = [&](TObject*, TShiftState, int, int) { ++MovesOnB; };
  auto* W = Add<Probe>(Root.get(), "W", Bounds(100, 10, 30, 30));
  auto* Inner = Add<GraphicProbe>(W, "Inner", Bounds(10, 10, 10, 10));
  (void)Inner;
  int Entered = 0;
  A->OnMouseEnter = [&](TObject*) { ++Entered; };
  ShowRoot();

  Screen->MoveTo(105, 105);  // the root's own client area
  Screen->MoveTo(120, 120);  // A
  Screen->MoveTo(160, 120);  // B
  Screen->MoveTo(210, 115);  // W
  Screen->MoveTo(215, 125);  // Inner, a windowless child of W
  Screen->MoveTo(105, 105);  // back on the root
  Screen->MoveTo(120, 120);  // A
  SendMessage(Root->Handle(), WM_MOUSEMOVE, 0, PointToLParam({ 60, 20 }));  // a move sent by code over B
  EXPECT_EQ(MovesOnB, 2);
  Screen->MoveTo(50, 50);    // out of every window
  Screen->MoveTo(120, 120);  // A
  Screen->Leave();           // the pointer leaves the program
  EXPECT_EQ(Only(Take(), HoverWords),
            (EventLog { "root.Enter", "root.Leave", "A.Enter", "A.Leave", "B.Enter", "B.Leave", "W.Enter", "W.Leave",
                        "Inner.Enter", "Inner.Leave", "root.Enter", "root.Leave", "A.Enter", "A.Leave", "A.Enter",
                        "A.Leave" }));
  EXPECT_EQ(Entered, 3);
  EXPECT_EQ(TControl::MouseControl(), nullptr);
  Root.reset();  // the handlers above refer to this test's locals
}

TEST_F(ControlTest, FocusMovesSendExitAndEnterAlongTheTreeThenBroadcastFocusChanged) {
  auto* E1 = Add<Probe>(Root.get(), "E1", Bounds(10, 10, 30, 20));
  auto* P = Add<Probe>(Root.get(), "P", Bounds(50, 10, 80, 60));
  auto* E2 = Add<Probe>(P, "E2", Bounds(10, 10, 30, 20));
  Add<GraphicProbe>(Root.get(), "G", Bounds(150, 10, 20, 20));
  ShowRoot();
  const std::initializer_list<const char*> FocusWords { "CM_", "Focus" };

  E1->SetFocus();
  EXPECT_TRUE(E1->Focused());
  EXPECT_EQ(Only(Take(), FocusWords),
            (EventLog { "E1.CM_ENTER", "root.FocusChanged(E1)", "E1.FocusChanged(E1)", "P.FocusChanged(E1)",
                        "E2.FocusChanged(E1)", "G.FocusChanged(E1)" }));

  E2->SetFocus();
  EXPECT_EQ(Only(Take(), FocusWords),
            (EventLog { "E1.CM_EXIT", "P.CM_ENTER", "E2.CM_ENTER", "root.FocusChanged(E2)", "E1.FocusChanged(E2)",
                        "P.FocusChanged(E2)", "E2.FocusChanged(E2)", "G.FocusChanged(E2)" }));
  EXPECT_EQ(Root->FocusedControl(), E2);

  // An OnExit that takes the focus back stops the move it interrupted.
  E2->OnExit = [&](TObject*) { E2->SetFocus(); };
  E1->SetFocus();
  EXPECT_TRUE(E2->Focused());
  EXPECT_EQ(Root->FocusedControl(), E2);
  const EventLog Events = Only(Take(), FocusWords);
  EXPECT_EQ(std::count(Events.begin(), Events.end(), "E1.CM_ENTER"), 0);
  EXPECT_EQ(std::count(Events.begin(), Events.end(), "root.FocusChanged(E1)"), 0);
  Root.reset();  // the handlers above refer to this test's locals
}

/// A root that previews keys and takes F1 as its shortcut.
class KeyRoot : public TestRoot {
public:
  using TestRoot::TestRoot;
  bool IsShortCut(TMessage& Message) override { return Message.WParam == VK_F1; }
  bool KeyPreviewActive() const override { return true; }
};

TEST_F(ControlTest, ReflectedKeysOfferDialogKeysAndCharactersToTheTreeFirst) {
  Root.reset(new KeyRoot(&Log));
  Root->SetBounds(100, 100, 200, 100);
  auto* Edit = Add<Probe>(Root.get(), "Edit", Bounds(10, 10, 30, 20));
  auto* Button = Add<GraphicProbe>(Root.get(), "Button", Bounds(50, 10, 30, 20));
  LRESULT DialogCode = 0;
  LRESULT WantsSpecial = 0;
  const TWndMethod EditProc = Edit->WindowProc();
  Edit->SetWindowProc([&, EditProc](TMessage& M) {
    if (M.Msg == WM_GETDLGCODE)
      M.Result = DialogCode;
    else if (M.Msg == CM_WANTSPECIALKEY)
      M.Result = WantsSpecial;
    else
      EditProc(M);
  });
  std::vector<std::pair<UINT, WPARAM>> ButtonSaw;
  const TWndMethod ButtonProc = Button->WindowProc();
  Button->SetWindowProc([&, ButtonProc](TMessage& M) {
    if (M.Msg == CM_DIALOGKEY || M.Msg == CM_DIALOGCHAR) {
      ButtonSaw.push_back({ M.Msg, M.WParam });
      M.Result = M.WParam == VK_RETURN || M.WParam == 'o';
      return;
    }
    ButtonProc(M);
  });
  ShowRoot();

  struct Case {
    UINT Msg;
    WPARAM Key;
    LRESULT Code;
    LRESULT Special;
    LRESULT Taken;
    bool Offered;
  };
  const Case Cases[] = {
    { CN_KEYDOWN, VK_RETURN, 0, 0, 1, true },
    { CN_KEYDOWN, VK_RETURN, DLGC_WANTALLKEYS, 0, 0, false },
    { CN_KEYDOWN, VK_RETURN, DLGC_WANTARROWS, 0, 1, true },
    { CN_KEYDOWN, VK_RETURN, 0, 1, 0, false },
    { CN_KEYDOWN, VK_TAB, 0, 0, 0, true },
    { CN_KEYDOWN, VK_TAB, DLGC_WANTTAB, 0, 0, false },
    { CN_KEYDOWN, VK_DOWN, DLGC_WANTARROWS, 0, 0, false },
    { CN_KEYDOWN, 'A', 0, 0, 0, false },
    { CN_KEYDOWN, VK_F1, DLGC_WANTALLKEYS, 1, 1, false },
    { CN_CHAR, 'o', 0, 0, 1, true },
    { CN_CHAR, 'o', DLGC_WANTCHARS, 0, 0, false },
    { CN_SYSCHAR, 'o', DLGC_WANTCHARS, 0, 1, true },
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(Format("%x %d %d %d", C.Msg, int(C.Key), int(C.Code), int(C.Special)));
    DialogCode = C.Code;
    WantsSpecial = C.Special;
    ButtonSaw.clear();
    EXPECT_EQ(SendMessage(Edit->Handle(), C.Msg, C.Key, 0), C.Taken);
    EXPECT_EQ(ButtonSaw.size(), C.Offered ? 1u : 0u);
  }

  // Then the key itself: the previewing top first; a key it consumes never reaches the control.
  Edit->SetFocus();
  Take();
  Root->OnKeyDown = [&](TObject*, Word& Key, TShiftState) {
    Log.push_back(Format("root.KeyDown(%d)", Key));
    if (Key == 'X') Key = 0;
  };
  Edit->OnKeyDown = [&](TObject*, Word& Key, TShiftState Shift) {
    Log.push_back(Format("Edit.KeyDown(%d%s)", Key, Shift.Contains(ssCtrl) ? ",ctrl" : ""));
  };
  Edit->OnKeyPress = [&](TObject*, char32_t& Key) { Log.push_back(Format("Edit.KeyPress(%d)", int(Key))); };
  SendMessage(Edit->Handle(), WM_KEYDOWN, 'A', 0);
  SendMessage(Edit->Handle(), WM_KEYDOWN, 'X', 0);
  SendMessage(Edit->Handle(), WM_CHAR, 'a', 0);
  Screen->Key('B', { VK_CONTROL });
  EXPECT_EQ(Only(Take(), { "Key" }), (EventLog { "root.KeyDown(65)", "Edit.KeyDown(65)", "root.KeyDown(88)",
                                                  "Edit.KeyPress(97)", "root.KeyDown(17)", "Edit.KeyDown(17,ctrl)",
                                                  "root.KeyDown(66)", "Edit.KeyDown(66,ctrl)", "Edit.KeyPress(2)" }));
  Root.reset();  // the handlers above refer to this test's locals
}

/// An action that hands a caption to its controls.
class CaptionAction : public TBasicAction {
public:
  using TBasicAction::TBasicAction;
  String Caption;
  void Changed() { Change(); }
  void ApplyTo(TControl* Client, bool CheckDefaults) override {
    if (!CheckDefaults || Client->Caption().empty()) Client->SetCaption(Caption);
  }
};

TEST_F(ControlTest, AClickRunsTheLinkedActionUnlessTheControlHasItsOwnOnClick) {
  auto* C = Add<Probe>(Root.get(), "C", Bounds(20, 20, 40, 20));
  auto* Action = new CaptionAction(Root.get());
  Action->Caption = "Go";
  int Executed = 0, Clicked = 0;
  Action->OnExecute = [&](TObject*) { ++Executed; };
  C->SetAction(Action);
  EXPECT_EQ(C->Caption(), "Go");
  ShowRoot();
  Screen->Click(130, 130);
  EXPECT_EQ(Executed, 1);
  Action->Caption = "Again";
  Action->Changed();
  EXPECT_EQ(C->Caption(), "Again");

  C->OnClick = [&](TObject*) { ++Clicked; };
  Screen->Advance(1000);
  Screen->Click(130, 130);
  EXPECT_EQ(Executed, 1);
  EXPECT_EQ(Clicked, 1);

  delete Action;
  EXPECT_EQ(C->Action(), nullptr);
  Root.reset();  // the handlers above refer to this test's locals
}

TEST_F(ControlTest, TheCursorOverAControlIsItsOwnOrItsParents) {
  auto* A = Add<GraphicProbe>(Root.get(), "A", Bounds(10, 10, 30, 30));
  A->SetCursor(crHandPoint);
  Root->SetCursor(crIBeam);
  ShowRoot();
  Screen->MoveTo(120, 120);
  EXPECT_EQ(GetCursor(), LoadCursor(0, IDC_HAND));
  Screen->MoveTo(160, 160);
  EXPECT_EQ(GetCursor(), LoadCursor(0, IDC_IBEAM));
}

TEST_F(ControlTest, AClickHandlerMayFreeItsControl) {
  for (const bool Windowless : { false, true }) {
    SCOPED_TRACE(Windowless);
    SetUp();
    TControl* C = Windowless ? static_cast<TControl*>(Add<GraphicProbe>(Root.get(), "C", Bounds(20, 20, 40, 20)))
                             : Add<Probe>(Root.get(), "C", Bounds(20, 20, 40, 20));
    C->OnClick = [C](TObject*) { delete C; };
    const std::weak_ptr<bool> Life = C->LifeToken();
    ShowRoot();
    Screen->Click(130, 130);
    EXPECT_EQ(Root->ControlCount(), 0);
    EXPECT_TRUE(Life.expired());
    EXPECT_EQ(Only(Take(), MouseWords), (EventLog { "C.MouseDown(10,10)", "C.Click" }));
    Screen->Click(130, 130);  // the root's own area now
    TearDown();
  }
}

}  // namespace
