// Notification-area icons: texts cut at their limits, the state the calls leave, callbacks and the
// "TaskbarCreated" notice with the recorder; the X11 service without and with a tray manager.
#include <gtest/gtest.h>

#include "platform/base/ScopeGuard.h"
#include "platform/shell/NotifyIcon.h"
#include "platform/shell/TNotifyIconRecorder.h"
#include "platform/shell/TX11NotifyIconService.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/UtilityWindow.h"
#include "platform/ui/winsys/WindowSystem.h"
#include "tests/platform/shell/FakeTrayManager.h"

namespace {

constexpr UINT TrayCallback = 2048;

String Repeat(const String& Piece, size_t Times) {
  String S;
  for (size_t I = 0; I < Times; ++I) S += Piece;
  return S;
}

/// An owner window that logs the messages it gets, and a service in place for Shell_NotifyIconW.
class NotifyIconTest : public ::testing::Test {
protected:
  void SetUp() override {
    WindowSystem::Get().Reset();
    Owner = AllocateHWnd([this](TMessage& M) {
      if (M.Msg == TrayCallback || M.Msg == RegisterWindowMessage("TaskbarCreated")) Got.push_back(M);
      return false;
    });
  }
  void TearDown() override {
    INotifyIconService::SetCurrent(nullptr);
    WindowSystem::Get().Reset();
  }

  void Pump() {
    TMsg M;
    while (PeekMessage(&M, 0, 0, 0, PM_REMOVE)) DispatchMessage(M);
  }

  NOTIFYICONDATAW Icon(const String& Tip) const {
    NOTIFYICONDATAW Data;
    Data.cbSize = 956;
    Data.hWnd = Owner;
    Data.uID = 1;
    Data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    Data.uCallbackMessage = TrayCallback;
    Data.szTip = Tip;
    return Data;
  }

  /// The callbacks' mouse messages, in order.
  std::vector<LPARAM> MouseMessages() const {
    std::vector<LPARAM> Result;
    for (const TMessage& M : Got)
      if (M.Msg == TrayCallback && M.WParam == 1) Result.push_back(M.LParam);
    return Result;
  }
  bool HeardTaskbarCreated() const {
    const UINT Notice = RegisterWindowMessage("TaskbarCreated");
    return std::any_of(Got.begin(), Got.end(), [Notice](const TMessage& M) { return M.Msg == Notice; });
  }

  HWND Owner { 0 };
  std::vector<TMessage> Got;
};

TEST_F(NotifyIconTest, TextsAreCutToTheirLimitsInWholeCharacters) {
  TNotifyIconRecorder Recorder;
  INotifyIconService::SetCurrent(&Recorder);
  struct Case {
    String NOTIFYICONDATAW::* Field;
    size_t Limit;
  };
  const Case Cases[] = { { &NOTIFYICONDATAW::szTip, NotifyTipLimit },
                         { &NOTIFYICONDATAW::szInfo, NotifyInfoLimit },
                         { &NOTIFYICONDATAW::szInfoTitle, NotifyInfoTitleLimit } };
  for (const Case& C : Cases) {
    for (const size_t Length : { C.Limit, C.Limit + 1, size_t(300) }) {
      NOTIFYICONDATAW Data = Icon("");
      Data.uFlags |= NIF_INFO;
      Data.*C.Field = Repeat("提", Length);
      Recorder.Calls.clear();
      ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &Data));
      EXPECT_EQ(Recorder.Calls.at(0).Data.*C.Field, Repeat("提", std::min(Length, C.Limit)))
          << C.Limit << " of " << Length;
      EXPECT_EQ(Recorder.Icon(Owner, 1)->*C.Field, Repeat("提", std::min(Length, C.Limit)));
      ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &Data));
    }
  }
}

TEST_F(NotifyIconTest, TheRecorderKeepsWhatAddModifyAndDeleteLeave) {
  TNotifyIconRecorder Recorder;
  INotifyIconService::SetCurrent(&Recorder);
  NOTIFYICONDATAW Data = Icon("Converter");
  EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &Data)) << "no icon to modify yet";
  EXPECT_TRUE(Shell_NotifyIconW(NIM_ADD, &Data));
  EXPECT_FALSE(Shell_NotifyIconW(NIM_ADD, &Data)) << "an icon is added once";

  NOTIFYICONDATAW Balloon = Icon("not taken without NIF_TIP");
  Balloon.uFlags = NIF_INFO;
  Balloon.szInfo = "Done";
  Balloon.szInfoTitle = "Batch";
  Balloon.dwInfoFlags = NIIF_WARNING;
  EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &Balloon));
  const NOTIFYICONDATAW* Shown = Recorder.Icon(Owner, 1);
  ASSERT_NE(Shown, nullptr);
  EXPECT_EQ(Shown->szTip, "Converter");
  EXPECT_EQ(Shown->szInfo, "Done");
  EXPECT_EQ(Shown->szInfoTitle, "Batch");
  EXPECT_EQ(Shown->dwInfoFlags, NIIF_WARNING);
  EXPECT_EQ(Shown->uCallbackMessage, TrayCallback);
  EXPECT_EQ(Shown->cbSize, 956u);

  EXPECT_TRUE(Shell_NotifyIconW(NIM_DELETE, &Data));
  EXPECT_EQ(Recorder.Icon(Owner, 1), nullptr);
  EXPECT_FALSE(Shell_NotifyIconW(NIM_DELETE, &Data));
  ASSERT_EQ(Recorder.Calls.size(), 6u);
  EXPECT_EQ(Recorder.Calls[3].Message, NIM_MODIFY);

  Recorder.Result = false;
  EXPECT_FALSE(Shell_NotifyIconW(NIM_ADD, &Data)) << "a desktop without notification area shows nothing";
  EXPECT_EQ(Recorder.Icon(Owner, 1), nullptr);
}

TEST_F(NotifyIconTest, CallbacksReachTheOwnerAndARestartedAreaAsksForTheIconsAgain) {
  TNotifyIconRecorder Recorder;
  INotifyIconService::SetCurrent(&Recorder);
  const NOTIFYICONDATAW Data = Icon("Converter");
  ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &Data));
  EXPECT_TRUE(Recorder.SendCallback(Owner, 1, WM_LBUTTONDBLCLK));
  EXPECT_TRUE(Recorder.SendCallback(Owner, 1, NIN_BALLOONUSERCLICK));
  EXPECT_FALSE(Recorder.SendCallback(Owner, 2, WM_LBUTTONDOWN)) << "no icon 2";
  Pump();
  EXPECT_EQ(MouseMessages(), (std::vector<LPARAM> { WM_LBUTTONDBLCLK, NIN_BALLOONUSERCLICK }));

  Recorder.RestartTaskbar();
  EXPECT_EQ(Recorder.Icon(Owner, 1), nullptr);
  Pump();
  EXPECT_TRUE(HeardTaskbarCreated());
}

using NotifyIconDisplay = NotifyIconTest;

TEST_F(NotifyIconDisplay, WithoutATrayManagerNothingShowsAndNothingWaits) {
  TX11NotifyIconService Service;
  INotifyIconService::SetCurrent(&Service);
  const NOTIFYICONDATAW Data = Icon("Converter");
  EXPECT_FALSE(Shell_NotifyIconW(NIM_ADD, &Data));
  EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &Data));
  EXPECT_FALSE(Shell_NotifyIconW(NIM_DELETE, &Data));
  Service.ProcessEvents();
  Pump();
  EXPECT_TRUE(Got.empty());
}

TEST_F(NotifyIconDisplay, ADockedIconReportsClicksAndANewManagerAsksForItAgain) {
  TX11NotifyIconService Service;
  INotifyIconService::SetCurrent(&Service);
  const auto Manager = FakeTrayManager::Start();
  if (!Manager) GTEST_SKIP() << "no X server";
  const NOTIFYICONDATAW Data = Icon(Repeat("提", 130));
  ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &Data));
  const std::optional<unsigned long> Docked = Manager->TakeDockRequest();
  ASSERT_TRUE(Docked);
  EXPECT_EQ(Manager->TitleOf(*Docked), Repeat("提", NotifyTipLimit));

  Manager->SendButton(*Docked, 1, true, 1000);
  Manager->SendButton(*Docked, 1, false, 1050);
  Manager->SendButton(*Docked, 1, true, 1200);
  Manager->SendButton(*Docked, 3, true, 5000);
  Service.ProcessEvents();
  Pump();
  EXPECT_EQ(MouseMessages(), (std::vector<LPARAM> { WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN }));

  const auto Next = FakeTrayManager::Start();
  Service.ProcessEvents();
  Pump();
  EXPECT_TRUE(HeardTaskbarCreated());
  EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &Data)) << "the icon went with the old manager";
  EXPECT_TRUE(Shell_NotifyIconW(NIM_ADD, &Data));
  EXPECT_TRUE(Next->TakeDockRequest());
}

}  // namespace
