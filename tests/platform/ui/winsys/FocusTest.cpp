// Keyboard focus and activation: the messages of an activation change, windows that answer
// WM_MOUSEACTIVATE, the program losing and regaining the system's focus, and windows going away.
#include "tests/platform/ui/InputFixture.h"

namespace {

class Focus : public InputTest {};

TEST_F(Focus, ActivationTellsTheLosingWindowThenTheGainingOne) {
  const HWND A = CreateTop({ 0, 0, 200, 200 });
  const HWND Edit = CreateChild(A, { 10, 10, 100, 30 });
  const HWND B = CreateTop({ 300, 0, 500, 200 }, WS_POPUP);
  SetFocus(Edit);
  Log.clear();

  EXPECT_EQ(SetActiveWindow(B), A);

  const std::vector<std::pair<HWND, UINT>> Expected {
    { A, WM_NCACTIVATE }, { A, WM_ACTIVATE }, { B, WM_NCACTIVATE }, { B, WM_ACTIVATE }, { Edit, WM_KILLFOCUS },
    { B, WM_SETFOCUS },
  };
  EXPECT_EQ(Messages({ WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS, WM_ACTIVATEAPP }), Expected);
  EXPECT_EQ(Last(A, WM_NCACTIVATE)->WParam, 0u);
  EXPECT_EQ(Last(A, WM_ACTIVATE)->WParam, WA_INACTIVE);
  EXPECT_EQ(HWND(Last(A, WM_ACTIVATE)->LParam), B);
  EXPECT_EQ(Last(B, WM_ACTIVATE)->WParam, WA_ACTIVE);
  EXPECT_EQ(HWND(Last(B, WM_ACTIVATE)->LParam), A);
  EXPECT_EQ(GetActiveWindow(), B);
  EXPECT_EQ(GetFocus(), B);
}

TEST_F(Focus, ActivationRaisesTheWindowWithItsOwnedWindows) {
  const HWND Lower = CreateTop({ 0, 0, 200, 200 });
  const HWND Owned = CreateTop({ 20, 20, 80, 80 }, WS_POPUP | WS_VISIBLE, Lower);
  const HWND Upper = CreateTop({ 100, 100, 300, 300 });
  ASSERT_EQ(WindowFromPoint({ 150, 150 }), Upper);

  Screen->Click(50, 150);  // the part of Lower that shows
  EXPECT_EQ(GetActiveWindow(), Lower);
  EXPECT_EQ(WindowFromPoint({ 150, 150 }), Lower) << "the clicked window is on top at the overlap";
  EXPECT_EQ(GetWindow(Lower, GW_HWNDPREV), Owned) << "its owned window stays above it";
  Log.clear();
  Screen->Click(150, 150);
  EXPECT_EQ(Count(Lower, WM_LBUTTONDOWN), 1);
  EXPECT_EQ(Count(Upper, WM_LBUTTONDOWN), 0);

  SetForegroundWindow(Upper);
  EXPECT_EQ(WindowFromPoint({ 150, 150 }), Upper);
}

TEST_F(Focus, MouseActivateAnswersDecideActivationAndDelivery) {
  const HWND Form = CreateTop({ 0, 0, 300, 300 });
  const HWND Edit = CreateChild(Form, { 10, 10, 100, 30 });
  SetFocus(Edit);
  const struct {
    LRESULT Answer;
    bool Activates;
    bool Delivered;
  } Cases[] = {
    { MA_NOACTIVATE, false, true },
    { MA_ACTIVATEANDEAT, true, false },
    { MA_NOACTIVATEANDEAT, false, false },
  };
  for (const auto& Case : Cases) {
    const HWND Popup = CreateTop({ 400, 0, 500, 100 }, WS_POPUP, Form, WS_EX_TOOLWINDOW);
    SetWindowPos(Popup, HWND_TOPMOST, 400, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Answer(Popup, WM_MOUSEACTIVATE, Case.Answer);
    SetFocus(Edit);
    Log.clear();
    Screen->Click(450, 50);

    EXPECT_EQ(GetActiveWindow() == Popup, Case.Activates) << Case.Answer;
    EXPECT_EQ(Count(Popup, WM_LBUTTONDOWN) == 1, Case.Delivered) << Case.Answer;
    if (!Case.Activates) {
      EXPECT_EQ(GetActiveWindow(), Form);
      EXPECT_EQ(GetFocus(), Edit);
      EXPECT_EQ(Count(Edit, WM_KILLFOCUS) + Count(Form, WM_NCACTIVATE), 0);
    }
    DestroyWindow(Popup);
  }
}

TEST_F(Focus, TheProgramGoesInactiveOnlyWhenNoNativeWindowHasTheFocus) {
  const HWND Form = CreateTop({ 0, 0, 300, 300 });
  const HWND Dialog = CreateTop({ 400, 0, 600, 200 }, WS_POPUP, Form);
  SetActiveWindow(Form);
  Screen->SetNativeFocus(Form, true);
  Log.clear();

  Layer().NativeFocusChanged(Form, false);  // the focus moves between two native windows of the program
  Layer().NativeFocusChanged(Dialog, true);
  Screen->PumpUntilIdle();
  EXPECT_EQ(Messages({ WM_ACTIVATEAPP }).size(), 0u);
  EXPECT_EQ(GetActiveWindow(), Dialog);

  const HWND Edit = CreateChild(Dialog, { 10, 10, 100, 30 });
  SetFocus(Edit);
  Log.clear();
  Screen->SetNativeFocus(Dialog, false);
  EXPECT_EQ(GetActiveWindow(), HWND(0));
  EXPECT_EQ(GetForegroundWindow(), HWND(0));
  EXPECT_EQ(GetFocus(), HWND(0));
  EXPECT_EQ(Count(Dialog, WM_ACTIVATE), 1);
  EXPECT_EQ(Count(Form, WM_ACTIVATEAPP) + Count(Dialog, WM_ACTIVATEAPP), 2);
  EXPECT_EQ(Last(Form, WM_ACTIVATEAPP)->WParam, 0u);
  EXPECT_EQ(Count(Edit, WM_KILLFOCUS), 1);

  Log.clear();
  Screen->SetNativeFocus(Dialog, true);
  EXPECT_EQ(Last(Form, WM_ACTIVATEAPP)->WParam, 1u);
  EXPECT_EQ(GetActiveWindow(), Dialog);
  EXPECT_EQ(GetForegroundWindow(), Dialog);
  EXPECT_EQ(GetFocus(), Dialog);
}

TEST_F(Focus, ADropDownTakingTheNativeFocusLeavesTheProgramAndItsFocusAsTheyWere) {
  const HWND Form = CreateTop({ 0, 0, 300, 300 });
  const HWND Edit = CreateChild(Form, { 10, 10, 100, 30 });
  SetActiveWindow(Form);
  Screen->SetNativeFocus(Form, true);
  SetFocus(Edit);
  const HWND Popup = CreateTop({ 10, 30, 110, 130 }, WS_POPUP, Form, WS_EX_TOOLWINDOW);
  SetWindowPos(Popup, HWND_TOPMOST, 10, 30, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  Log.clear();

  Layer().NativeFocusChanged(Form, false);
  Layer().NativeFocusChanged(Popup, true);
  Screen->PumpUntilIdle();
  EXPECT_EQ(GetActiveWindow(), Form);
  EXPECT_EQ(GetFocus(), Edit);
  EXPECT_EQ(Count(Form, WM_ACTIVATE) + Count(Edit, WM_KILLFOCUS) + Messages({ WM_ACTIVATEAPP }).size(), 0u);
}

TEST_F(Focus, FocusCaptureAndActivationLeaveWindowsThatGo) {
  const HWND Owner = CreateTop({ 0, 0, 300, 300 });
  const HWND Dialog = CreateTop({ 50, 50, 250, 250 }, WS_POPUP | WS_VISIBLE, Owner);
  const HWND Button = CreateChild(Dialog, { 10, 10, 60, 30 });
  SetFocus(Button);
  SetCapture(Button);
  ASSERT_EQ(GetActiveWindow(), Dialog);

  DestroyWindow(Dialog);

  EXPECT_EQ(GetActiveWindow(), Owner);
  EXPECT_EQ(GetFocus(), Owner);
  EXPECT_EQ(GetCapture(), HWND(0));

  const HWND Panel = CreateChild(Owner, { 10, 10, 200, 200 });
  const HWND Inner = CreateChild(Panel, { 10, 10, 50, 50 });
  SetFocus(Inner);
  EnableWindow(Panel, false);
  EXPECT_EQ(GetFocus(), HWND(0));
  EXPECT_EQ(SetFocus(Inner), HWND(0)) << "a disabled window takes no focus";
  EnableWindow(Panel, true);
  SetFocus(Inner);
  ShowWindow(Panel, SW_HIDE);
  EXPECT_EQ(GetFocus(), HWND(0));
}

TEST_F(Focus, TheDesktopsCloseAndRestoreRequestsBecomeSystemCommands) {
  const HWND Application = CreateTop({ 0, 0, 0, 0 }, WS_POPUP);
  const HWND Form = CreateTop({ 0, 0, 300, 300 }, WS_CAPTION | WS_SYSMENU | WS_VISIBLE, Application);
  Answer(Application, WM_SYSCOMMAND, 0);
  Screen->RequestClose(Form);
  EXPECT_FALSE(IsWindow(Form)) << "SC_CLOSE, then WM_CLOSE, whose default destroys the window";

  const HWND Main = CreateTop({ 0, 0, 300, 300 }, WS_CAPTION | WS_VISIBLE, Application);
  Layer().NativeMinimizedChanged(Main, true);
  Layer().NativeMinimizedChanged(Main, false);
  Screen->PumpUntilIdle();
  EXPECT_EQ(Count(Application, WM_SYSCOMMAND), 1);
  EXPECT_EQ(Last(Application, WM_SYSCOMMAND)->WParam & 0xFFF0, SC_RESTORE);
}

}  // namespace
