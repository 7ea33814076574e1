// Procedures and subclass chains, the queue's order, posting from other threads, and the message hooks.
#include <thread>

#include "platform/base/MainThread.h"
#include "tests/platform/ui/UiFixture.h"

namespace {

using Messaging = UiTest;

/// A subclass that records its name and chains to the procedure it replaced.
struct Subclass {
  explicit Subclass(char AName, std::string& ATrace)
      : Name(AName), Trace(ATrace), Proc([this](HWND W, UINT M, WPARAM WP, LPARAM LP) -> LRESULT {
          if (M == WM_USER)
            Trace += Name;
          return CallWindowProc(Saved, W, M, WP, LP);
        }) {}
  void Install(HWND W) { Saved = reinterpret_cast<WNDPROC>(SetWindowLongPtr(W, GWL_WNDPROC, LONG_PTR(&Proc))); }
  void Remove(HWND W) { SetWindowLongPtr(W, GWL_WNDPROC, LONG_PTR(Saved)); }

  char Name;
  std::string& Trace;
  WNDPROC Saved { nullptr };
  WindowProc Proc;
};

TEST_F(Messaging, SubclassChainsRunNewestFirstAndRestoreByIdentity) {
  // Steps: "+A" installs A, "-A" removes it (by putting back what it saved); after each step one
  // WM_USER is sent and the procedures it passed are recorded ('C' is the class procedure).
  const struct {
    std::vector<std::string> Steps;
    std::vector<std::string> Traces;
  } Cases[] = {
    { { "+A", "+B", "-B", "-A" }, { "AC", "BAC", "AC", "C" } },
    { { "+A", "+B", "-A", "-B" }, { "AC", "BAC", "BC", "C" } },
    { { "+A", "+B", "+C2", "-B", "-C2", "-A" }, { "AC", "BAC", "XBAC", "XAC", "AC", "C" } },
    { { "+A", "+B", "+C2", "-A", "-B", "+A", "-C2" }, { "AC", "BAC", "XBAC", "XBC", "XC", "AXC", "AC" } },
  };
  for (const auto& Case : Cases) {
    const HWND W = CreateTop(Rect(0, 0, 10, 10));
    std::string Trace;
    Handlers[W] = [&](UINT M, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (M == WM_USER)
        Trace += 'C';
      return std::nullopt;
    };
    Subclass A('A', Trace), B('B', Trace), X('X', Trace);
    std::map<std::string, Subclass*> ByName { { "A", &A }, { "B", &B }, { "C2", &X } };
    std::vector<std::string> Traces;
    for (const std::string& Step : Case.Steps) {
      Subclass& S = *ByName.at(Step.substr(1));
      Step[0] == '+' ? S.Install(W) : S.Remove(W);
      Trace.clear();
      SendMessage(W, WM_USER, 0, 0);
      Traces.push_back(Trace);
    }
    EXPECT_EQ(Traces, Case.Traces);
    DestroyWindow(W);
  }
}

TEST_F(Messaging, ObjectInstancesCarryTheMessageRecord) {
  const HWND W = CreateTop(Rect(0, 0, 10, 10));
  TMessage Seen;
  const WNDPROC Instance = MakeObjectInstance([&](TMessage& M) {
    Seen = M;
    M.Result = 42;
  });
  const LONG_PTR Old = SetWindowLongPtr(W, GWL_WNDPROC, LONG_PTR(Instance));
  EXPECT_EQ(SendMessage(W, WM_USER + 1, 5, -6), 42);
  EXPECT_EQ(Seen.Msg, WM_USER + 1);
  EXPECT_EQ(Seen.WParam, 5u);
  EXPECT_EQ(Seen.LParam, -6);
  SetWindowLongPtr(W, GWL_WNDPROC, Old);
  FreeObjectInstance(Instance);
  EXPECT_EQ(CallWindowProc(Instance, W, WM_GETTEXTLENGTH, 0, 0), 0) << "a freed procedure is not called";
}

TEST_F(Messaging, RetrievalOrderIsPostedThenQuitThenTimersThenPaints) {
  const HWND W = CreateTop(Rect(0, 0, 10, 10));
  ProcessPendingMessages();
  InvalidateRect(W, nullptr, false);
  SetTimer(W, 1, 10);
  Clock.Advance(10);
  PostMessage(W, WM_USER, 1, 0);
  PostQuitMessage(3);
  PostMessage(W, WM_USER, 2, 0);
  std::vector<std::pair<UINT, WPARAM>> Order;
  TMsg M;
  while (Order.size() < 5 && PeekMessage(&M, 0, 0, 0, PM_REMOVE)) {
    Order.push_back({ M.message, M.wParam });
    if (M.message == WM_PAINT)
      ValidateRect(W, nullptr);
  }
  const std::vector<std::pair<UINT, WPARAM>> Expected { { WM_USER, 1 }, { WM_USER, 2 }, { WM_QUIT, 3 }, { WM_TIMER, 1 }, { WM_PAINT, 0 } };
  EXPECT_EQ(Order, Expected);
  EXPECT_FALSE(PeekMessage(&M, 0, 0, 0, PM_REMOVE));
}

TEST_F(Messaging, PaintWaitsUntilThePostedAndInputMessagesAreDone) {
  const HWND W = CreateTop(Rect(0, 0, 10, 10));
  ProcessPendingMessages();
  Log.clear();
  int Chained = 0;
  Handlers[W] = [&](UINT Msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_USER && ++Chained < 3) {
      InvalidateRect(W, nullptr, true);
      PostMessage(W, WM_USER, 0, 0);  // each handler posts the next one
    }
    return std::nullopt;
  };
  PostMessage(W, WM_USER, 0, 0);
  WindowSystem::Get().PostInput(TMsg { W, WM_MOUSEMOVE, 0, 0, 0, {} });
  ProcessPendingMessages();
  const std::vector<std::pair<HWND, UINT>> Expected { { W, WM_USER }, { W, WM_MOUSEMOVE }, { W, WM_USER }, { W, WM_USER },
                                                      { W, WM_ERASEBKGND }, { W, WM_PAINT } };
  auto Seen = Messages({ WM_USER, WM_MOUSEMOVE, WM_PAINT, WM_ERASEBKGND });
  // WM_ERASEBKGND is sent from inside the WM_PAINT handler's BeginPaint: it is logged after WM_PAINT.
  ASSERT_EQ(Seen.size(), 6u);
  std::swap(Seen[4], Seen[5]);
  EXPECT_EQ(Seen, Expected);
}

TEST_F(Messaging, PostingToAGoneWindowIsRefusedOrDropped) {
  const HWND W = CreateTop(Rect(0, 0, 10, 10));
  EXPECT_TRUE(PostMessage(W, WM_USER, 0, 0));
  DestroyWindow(W);
  ProcessPendingMessages();
  EXPECT_EQ(Count(W, WM_USER), 0);
  EXPECT_FALSE(PostMessage(W, WM_USER, 0, 0));
  EXPECT_FALSE(PostThreadMessage(MainThreadID() + 1, WM_USER, 0, 0));
}

TEST_F(Messaging, OtherThreadsPostInOrderAndWakeTheLoop) {
  const HWND W = CreateTop(Rect(0, 0, 10, 10));
  std::vector<WPARAM> Received;
  Handlers[W] = [&](UINT Msg, WPARAM WParam, LPARAM) -> std::optional<LRESULT> {
    if (Msg == WM_USER)
      Received.push_back(WParam);
    return std::nullopt;
  };
  constexpr int Total = 500;
  std::thread Worker([W] {
    for (int I = 0; I < Total; ++I)
      PostMessage(W, WM_USER, WPARAM(I), 0);
    PostThreadMessage(MainThreadID(), WM_APP, 0, 0);
  });
  bool ThreadMessage = false;
  MessageHooks().Push(this, [&](TMsg& M, bool&) { ThreadMessage = ThreadMessage || (M.message == WM_APP && M.hwnd == 0); });
  RunModalLoop([&] { return ThreadMessage; });
  Worker.join();
  ASSERT_EQ(Received.size(), size_t(Total));
  for (int I = 0; I < Total; ++I)
    ASSERT_EQ(Received[size_t(I)], WPARAM(I));
}

TEST_F(Messaging, HookStackRemovesByOwnerAndExclusiveHooksHideTheOnesBelow) {
  const HWND W = CreateTop(Rect(0, 0, 10, 10));
  std::string Trace;
  int Previewer = 0, Menu = 0;
  const auto Key = [&] {
    Trace.clear();
    PostMessage(W, WM_KEYDOWN, 'A', 0);
    ProcessPendingMessages();
    if (Count(W, WM_KEYDOWN) > 0)
      Trace += "W";
    Log.clear();
    return Trace;
  };
  MessageHooks().Push(&Previewer, [&](TMsg& M, bool&) {
    if (M.message == WM_KEYDOWN)
      Trace += "P";
  });
  EXPECT_EQ(Key(), "PW");
  MessageHooks().Push(&Menu, [&](TMsg& M, bool& Handled) {
    if (M.message != WM_KEYDOWN)
      return;
    Trace += "M";
    M.message = 0;
    Handled = true;
  }, true);
  EXPECT_EQ(Key(), "M") << "the menu swallows keys and hides the previewer";
  MessageHooks().Remove(&Previewer);  // the previewer goes first, out of turn
  EXPECT_EQ(Key(), "M");
  MessageHooks().Remove(&Menu);
  EXPECT_EQ(Key(), "W") << "keys flow again";

  MessageHooks().Push(&Menu, [&](TMsg& M, bool&) {
    if (M.message != WM_KEYDOWN)
      return;
    Trace += "Z";
    M.message = WM_NULL;  // a message set to 0 is dropped even when not handled
  });
  EXPECT_EQ(Key(), "Z");
  MessageHooks().Remove(&Menu);
  MessageHooks().Push(&Menu, [&](TMsg& M, bool&) {
    if (M.message != WM_KEYDOWN)
      return;
    Trace += "R";
    MessageHooks().Remove(&Menu);  // a hook may remove itself while it runs
  });
  EXPECT_EQ(Key(), "RW");
  EXPECT_EQ(Key(), "W");
}

TEST_F(Messaging, HookThatSwallowsEverythingDoesNotStallTheLoop) {
  const HWND W = CreateTop(Rect(0, 0, 10, 10));
  int Seen = 0;
  MessageHooks().Push(this, [&](TMsg&, bool& Handled) {
    ++Seen;
    Handled = true;
  }, true);
  InvalidateRect(W, nullptr, true);
  ProcessPendingMessages();
  EXPECT_EQ(Seen, 1) << "the paint passed the hook once";
  EXPECT_EQ(Count(W, WM_PAINT), 0);
  EXPECT_FALSE(GetUpdateRect(W, nullptr, false));
}

TEST_F(Messaging, SentMessagesSkipTheHooks) {
  const HWND W = CreateTop(Rect(0, 0, 10, 10));
  int Hooked = 0;
  MessageHooks().Push(this, [&](TMsg&, bool&) { ++Hooked; });
  SendMessage(W, WM_KEYDOWN, 'A', 0);
  EXPECT_EQ(Hooked, 0);
  EXPECT_EQ(Count(W, WM_KEYDOWN), 1);
}

}  // namespace
