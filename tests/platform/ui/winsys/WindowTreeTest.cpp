// Window records, creation and destruction, and the tree.
#include <cstring>

#include "tests/platform/ui/UiFixture.h"

namespace {

using Tree = UiTest;

TEST_F(Tree, StaleHandleNamesNothingEvenAfterTheSlotIsReused) {
  const HWND First = CreateTop(Rect(0, 0, 10, 10));
  ASSERT_TRUE(IsWindow(First));
  EXPECT_LE(First, HWND(0xFFFFFFFFu));
  DestroyWindow(First);
  std::vector<HWND> Later;
  for (int I = 0; I < 5; ++I)
    Later.push_back(CreateTop(Rect(0, 0, 10, 10)));
  EXPECT_FALSE(IsWindow(First));
  EXPECT_EQ(SendMessage(First, WM_USER, 0, 0), 0);
  EXPECT_FALSE(SetWindowText(First, "x"));
  for (HWND H : Later)
    EXPECT_NE(H, First);
}

TEST_F(Tree, CreationSendsItsMessagesInOrderAndAnnouncesTheChild) {
  const HWND Top = CreateTop(Rect(0, 0, 100, 100));
  const HWND Mid = CreateChild(Top, Rect(0, 0, 50, 50), WS_CHILD | WS_VISIBLE, 7);
  Log.clear();
  const HWND Leaf = CreateChild(Mid, Rect(1, 2, 10, 10), WS_CHILD, 9);
  const std::set<UINT> Of { WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_PARENTNOTIFY };
  const std::vector<std::pair<HWND, UINT>> Expected {
    { Leaf, WM_NCCREATE }, { Leaf, WM_NCCALCSIZE }, { Leaf, WM_CREATE }, { Leaf, WM_SIZE },
    { Leaf, WM_MOVE },     { Mid, WM_PARENTNOTIFY }, { Top, WM_PARENTNOTIFY },
  };
  EXPECT_EQ(Messages(Of), Expected);
  const LoggedMessage& Notice = *std::find_if(Log.begin(), Log.end(), [](const auto& M) { return M.Msg == WM_PARENTNOTIFY; });
  EXPECT_EQ(LOWORD(Notice.WParam), WM_CREATE);
  EXPECT_EQ(HIWORD(Notice.WParam), 9);
  EXPECT_EQ(HWND(Notice.LParam), Leaf);

  Log.clear();
  CreateChild(Mid, Rect(0, 0, 5, 5), WS_CHILD, 0, WS_EX_NOPARENTNOTIFY);
  EXPECT_EQ(Count(Mid, WM_PARENTNOTIFY) + Count(Top, WM_PARENTNOTIFY), 0);
  Log.clear();
  const HWND Popup = CreateTop(Rect(0, 0, 10, 10), WS_POPUP, Top);
  EXPECT_EQ(Count(Popup, WM_GETMINMAXINFO), 1);
  EXPECT_EQ(Count(Top, WM_PARENTNOTIFY), 0);
  EXPECT_EQ(GetWindow(Popup, GW_OWNER), Top);
}

LRESULT RefusingProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_NCCREATE || Msg == WM_CREATE) {
    const auto* Create = reinterpret_cast<const CREATESTRUCT*>(LParam);
    if (Create->lpCreateParams == reinterpret_cast<void*>(uintptr_t(Msg)))
      return Msg == WM_NCCREATE ? 0 : -1;
  }
  return DefWindowProc(Wnd, Msg, WParam, LParam);
}

TEST_F(Tree, RefusedCreationLeavesNoWindow) {
  static const WindowProc Refuser(&RefusingProc);
  WNDCLASS Class;
  Class.lpfnWndProc = &Refuser;
  Class.lpszClassName = "Refuser";
  RegisterClass(Class);
  const HWND Parent = CreateTop(Rect(0, 0, 10, 10));
  for (const UINT Refusing : { WM_NCCREATE, WM_CREATE }) {
    EXPECT_EQ(CreateWindowEx(0, "Refuser", "", WS_CHILD, 0, 0, 5, 5, Parent, 0, reinterpret_cast<void*>(uintptr_t(Refusing))), 0u)
        << Refusing;
    EXPECT_EQ(GetWindow(Parent, GW_CHILD), 0u) << Refusing;
  }
  EXPECT_TRUE(UnregisterClass("Refuser")) << "no window of the class is left";
  EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, 0, 0), 0u);
  EXPECT_EQ(CreateWindowEx(0, "TestWnd", "", WS_CHILD, 0, 0, 1, 1, 0, 0), 0u) << "a child needs a parent";
}

TEST_F(Tree, DestroyGoesParentFirstThenChildrenFirstAndTakesOwnedWindows) {
  const HWND Top = CreateTop(Rect(0, 0, 100, 100));
  const HWND A = CreateChild(Top, Rect(0, 0, 50, 50));
  const HWND A1 = CreateChild(A, Rect(0, 0, 10, 10));
  const HWND B = CreateChild(Top, Rect(50, 0, 50, 50));
  const HWND Owned = CreateTop(Rect(0, 0, 10, 10), WS_POPUP | WS_VISIBLE, Top);
  Log.clear();
  EXPECT_TRUE(DestroyWindow(Top));
  // Children are kept topmost first: B (created last) comes before A.
  const std::vector<std::pair<HWND, UINT>> Expected {
    { Owned, WM_DESTROY }, { Owned, WM_NCDESTROY }, { Top, WM_DESTROY },  { B, WM_DESTROY },
    { A, WM_DESTROY },     { A1, WM_DESTROY },      { B, WM_NCDESTROY }, { A1, WM_NCDESTROY },
    { A, WM_NCDESTROY },   { Top, WM_NCDESTROY },
  };
  EXPECT_EQ(Messages({ WM_DESTROY, WM_NCDESTROY }), Expected);
  for (HWND H : { Top, A, A1, B, Owned })
    EXPECT_FALSE(IsWindow(H));
  EXPECT_FALSE(DestroyWindow(Top));
}

TEST_F(Tree, WindowDestroyedInsideItsOwnHandlerStaysReadableUntilTheHandlerReturns) {
  const HWND Top = CreateTop(Rect(0, 0, 100, 100));
  const HWND Child = CreateChild(Top, Rect(0, 0, 10, 10));
  SetWindowText(Child, "kept");
  String TextAfterDestroy;
  bool RecordAlive = false;
  Handlers[Child] = [&](UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (Msg != WM_LBUTTONUP)
      return std::nullopt;
    DestroyWindow(Top);
    // The window is gone for callers, but its record is not freed under this running handler.
    RecordAlive = WindowSystem::Get().Handles().Record(Child) != nullptr;
    TextAfterDestroy = GetWindowText(Child);
    EXPECT_EQ(DefWindowProc(Child, WM_GETTEXTLENGTH, 0, 0), 0);
    return 0;
  };
  PostMessage(Child, WM_LBUTTONUP, 0, 0);
  PostMessage(Child, WM_LBUTTONUP, 0, 0);
  ProcessPendingMessages();
  EXPECT_TRUE(RecordAlive);
  EXPECT_EQ(TextAfterDestroy, "");
  EXPECT_FALSE(IsWindow(Child));
  EXPECT_EQ(WindowSystem::Get().Handles().Record(Child), nullptr);
  EXPECT_EQ(Count(Child, WM_LBUTTONUP), 1);
}

TEST_F(Tree, RelationsFollowTheTree) {
  const HWND Owner = CreateTop(Rect(0, 0, 100, 100));
  const HWND Popup = CreateTop(Rect(0, 0, 10, 10), WS_POPUP, Owner);
  const HWND Inner = CreateChild(Popup, Rect(0, 0, 5, 5));
  const HWND Deep = CreateChild(Inner, Rect(0, 0, 2, 2));
  const HWND Second = CreateChild(Popup, Rect(0, 0, 5, 5));
  struct Case {
    HWND Got;
    HWND Expected;
  };
  const Case Cases[] = {
    { GetParent(Inner), Popup },
    { GetParent(Popup), Owner },
    { GetParent(Owner), 0 },
    { GetWindow(Popup, GW_CHILD), Second },
    { GetWindow(Second, GW_HWNDNEXT), Inner },
    { GetWindow(Inner, GW_HWNDPREV), Second },
    { GetWindow(Inner, GW_HWNDFIRST), Second },
    { GetWindow(Second, GW_HWNDLAST), Inner },
    { GetWindow(Inner, GW_HWNDNEXT), 0 },
    { GetAncestor(Deep, GA_PARENT), Inner },
    { GetAncestor(Deep, GA_ROOT), Popup },
    { GetAncestor(Deep, GA_ROOTOWNER), Owner },
    { GetAncestor(Popup, GA_PARENT), GetDesktopWindow() },
  };
  for (size_t I = 0; I < std::size(Cases); ++I)
    EXPECT_EQ(Cases[I].Got, Cases[I].Expected) << "case " << I;
  EXPECT_TRUE(IsChild(Popup, Deep));
  EXPECT_FALSE(IsChild(Owner, Inner));
  std::vector<HWND> Descendants;
  EnumChildWindows(Popup, [&](HWND H) { Descendants.push_back(H); return true; });
  EXPECT_EQ(Descendants, (std::vector<HWND> { Second, Inner, Deep }));
}

TEST_F(Tree, TopmostBandStaysAboveTheNormalBand) {
  const HWND A = CreateTop(Rect(0, 0, 10, 10));
  const HWND B = CreateTop(Rect(0, 0, 10, 10));
  const HWND T = CreateTop(Rect(0, 0, 10, 10), WS_POPUP | WS_VISIBLE, 0, WS_EX_TOPMOST);
  const auto Order = [] {
    std::vector<HWND> O;
    EnumWindows([&](HWND H) { O.push_back(H); return true; });
    return O;
  };
  const UINT Keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  EXPECT_EQ(Order(), (std::vector<HWND> { T, B, A }));
  SetWindowPos(A, HWND_TOP, 0, 0, 0, 0, Keep);
  EXPECT_EQ(Order(), (std::vector<HWND> { T, A, B }));
  SetWindowPos(B, HWND_TOPMOST, 0, 0, 0, 0, Keep);
  EXPECT_EQ(Order(), (std::vector<HWND> { B, T, A }));
  EXPECT_TRUE(GetWindowLong(B, GWL_EXSTYLE) & WS_EX_TOPMOST);
  SetWindowPos(T, HWND_NOTOPMOST, 0, 0, 0, 0, Keep);
  EXPECT_EQ(Order(), (std::vector<HWND> { B, T, A }));
  EXPECT_FALSE(GetWindowLong(T, GWL_EXSTYLE) & WS_EX_TOPMOST);
  SetWindowPos(A, B, 0, 0, 0, 0, Keep);  // after a topmost window: stays at the top of its own band
  EXPECT_EQ(Order(), (std::vector<HWND> { B, A, T }));
  SetWindowPos(B, HWND_BOTTOM, 0, 0, 0, 0, Keep);
  EXPECT_EQ(Order(), (std::vector<HWND> { A, T, B }));
}

TEST_F(Tree, OwnedWindowsComeUpWithTheirOwner) {
  const HWND Owner = CreateTop(Rect(0, 0, 10, 10));
  const HWND Popup = CreateTop(Rect(0, 0, 10, 10), WS_POPUP | WS_VISIBLE, Owner);
  const HWND Other = CreateTop(Rect(0, 0, 10, 10));
  SetWindowPos(Owner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetTopWindow(0), Popup);
  EXPECT_EQ(GetWindow(Popup, GW_HWNDNEXT), Owner);
  SetWindowPos(Other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(Owner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  EXPECT_EQ(GetTopWindow(0), Owner);
}

TEST_F(Tree, SetParentMovesBetweenTopLevelAndChild) {
  const HWND A = CreateTop(Rect(0, 0, 100, 100));
  const HWND B = CreateTop(Rect(200, 0, 100, 100));
  const HWND C = CreateChild(A, Rect(10, 10, 20, 20));
  EXPECT_EQ(SetParent(C, B), A);
  EXPECT_EQ(GetParent(C), B);
  TRect R;
  GetWindowRect(C, &R);
  EXPECT_EQ(R, Rect(210, 10, 220, 20));
  EXPECT_EQ(SetParent(B, C), 0u) << "a window cannot go below its own descendant";
  EXPECT_EQ(SetParent(C, 0), B);
  EXPECT_NE(WindowSystem::Get().Find(C)->Backing, nullptr);
}

TEST_F(Tree, AttributesAndSubclassStyles) {
  WNDCLASS Class;
  Class.style = CS_DBLCLKS | CS_SAVEBITS;
  Class.cbWndExtra = 16;
  Class.lpszClassName = "ExtraClass";
  ASSERT_NE(RegisterClass(Class), 0);
  EXPECT_EQ(RegisterClass(Class), 0) << "names are unique, whatever their case";
  const HWND W = CreateWindowEx(0, "extraclass", "caption", WS_POPUP, 0, 0, 10, 10, 0, 0);
  ASSERT_TRUE(W);
  EXPECT_EQ(GetClassName(W), "ExtraClass");
  EXPECT_EQ(GetWindowText(W), "caption");
  SetClassLongW(W, GCL_STYLE, CS_DBLCLKS | CS_DROPSHADOW);
  EXPECT_EQ(GetClassLongPtr(W, GCL_STYLE), LONG_PTR(CS_DBLCLKS | CS_DROPSHADOW));
  SetWindowLongPtr(W, 8, 0x1234);
  EXPECT_EQ(GetWindowLongPtr(W, 8), 0x1234);
  EXPECT_EQ(GetWindowLongPtr(W, 12), 0) << "past the extra bytes";
  SetWindowLongPtr(W, GWL_USERDATA, 99);
  EXPECT_EQ(GetWindowLongPtr(W, GWL_USERDATA), 99);
  SetProp(W, "Key", 5);
  EXPECT_EQ(GetProp(W, "KEY"), 5u);
  EXPECT_EQ(RemoveProp(W, "key"), 5u);
  EXPECT_EQ(GetProp(W, "Key"), 0u);
  EXPECT_FALSE(UnregisterClass("ExtraClass")) << "a window of the class exists";
  DestroyWindow(W);
  EXPECT_TRUE(UnregisterClass("ExtraClass"));
  EXPECT_EQ(RegisterWindowMessage("TaskbarCreated"), RegisterWindowMessage("taskbarcreated"));
  EXPECT_GE(RegisterWindowMessage("TaskbarCreated"), WM_REGISTERED_FIRST);
  EXPECT_NE(RegisterWindowMessage("TaskbarCreated"), RegisterWindowMessage("Other"));
}

TEST_F(Tree, TextKeepsWholeCharactersWhenTheBufferIsShort) {
  const HWND W = CreateTop(Rect(0, 0, 10, 10));
  SetWindowText(W, "a输出");  // 1 + 3 + 3 bytes
  EXPECT_EQ(GetWindowTextLength(W), 7);
  EXPECT_EQ(GetWindowText(W), "a输出");
  char Buffer[8];
  const struct {
    WPARAM Size;
    const char* Expected;
  } Cases[] = { { 1, "" }, { 2, "a" }, { 4, "a" }, { 5, "a输" }, { 7, "a输" }, { 8, "a输出" } };
  for (const auto& C : Cases) {
    const LRESULT N = SendMessage(W, WM_GETTEXT, C.Size, LPARAM(Buffer));
    EXPECT_STREQ(Buffer, C.Expected) << C.Size;
    EXPECT_EQ(size_t(N), std::strlen(C.Expected));
  }
}

}  // namespace
