#pragma once
// The message-logging window system of UiTest on the headless presenter, with a fresh input layer: tests
// click, type and read the messages each window got.
#include <functional>
#include <optional>

#include "platform/base/MainThread.h"
#include "platform/display/HeadlessPresenter.h"
#include "platform/ui/winsys/Input.h"
#include "platform/ui/winsys/InputLayer.h"
#include "tests/platform/ui/UiFixture.h"

class InputTest : public UiTest {
protected:
  void SetUp() override {
    UiTest::SetUp();
    Screen.emplace(TSize { 1280, 800 });
    InputLayer::Get().Reset();
    InputLayer::Get().Install();
  }

  void TearDown() override {
    Screen.reset();
    InputLayer::Get().Reset();
    UiTest::TearDown();
  }

  /// Native input that arrives while a modal loop (move, size) runs: handed to the UI thread's queue,
  /// which the loop serves, so each step enters the input layer inside the loop.
  static void DuringLoop(std::function<void()> Step) { Queue(std::move(Step)); }
  static IInputLayer& Layer() { return InputLayer::Get(); }

  /// Messages of the window between the first Begin and the first End after it (both included).
  std::vector<UINT> MessagesBetween(HWND Wnd, UINT Begin, UINT End) const {
    std::vector<UINT> Result;
    bool Inside = false;
    for (const LoggedMessage& M : Log) {
      if (M.Wnd != Wnd)
        continue;
      Inside = Inside || M.Msg == Begin;
      if (Inside)
        Result.push_back(M.Msg);
      if (Inside && M.Msg == End)
        break;
    }
    return Result;
  }

  /// The last logged message Msg of the window, if any.
  std::optional<LoggedMessage> Last(HWND Wnd, UINT Msg) const {
    for (auto It = Log.rbegin(); It != Log.rend(); ++It)
      if (It->Wnd == Wnd && It->Msg == Msg)
        return *It;
    return std::nullopt;
  }

  /// Answers Msg with Answer for the window, other messages as before.
  void Answer(HWND Wnd, UINT Msg, LRESULT Value) {
    Handler Previous = Handlers[Wnd];
    Handlers[Wnd] = [=](UINT M, WPARAM W, LPARAM L) -> std::optional<LRESULT> {
      if (M == Msg)
        return Value;
      return Previous ? Previous(M, W, L) : std::nullopt;
    };
  }

  std::optional<HeadlessPresenter> Screen;
};
