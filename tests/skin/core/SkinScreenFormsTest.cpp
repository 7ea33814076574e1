// Skin-change messages reach the application's real forms through the screen's form list.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/display/HeadlessPresenter.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/toolkit/TScreen.h"
#include "platform/ui/winsys/WindowSystem.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skSkinMessages.h"

namespace {

struct Heard {
  std::string Form;
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  bool HadWindow;
};

/// A form that logs the skin-change messages it gets and may free another form when it hears one.
class TListeningForm : public TForm {
public:
  TListeningForm(TComponent* AOwner, std::string AName, std::vector<Heard>* ALog)
      : TForm(AOwner), FName(std::move(AName)), FLog(ALog) {}
  TForm* FreeOnFirstMessage { nullptr };

protected:
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_BEFORECHANGESKINDATA || Message.Msg == WM_CHANGESKINDATA ||
        Message.Msg == WM_AFTERCHANGESKINDATA) {
      FLog->push_back({ FName, Message.Msg, Message.WParam, Message.LParam, HandleAllocated() });
      if (FreeOnFirstMessage) delete std::exchange(FreeOnFirstMessage, nullptr);
      return;
    }
    TForm::Dispatch(Message);
  }

private:
  std::string FName;
  std::vector<Heard>* FLog;
};

class SkinScreenForms : public ::testing::Test {
protected:
  void SetUp() override {
    WindowSystem::Get().Reset();
    Display.emplace(TSize { 800, 600 });
    App = std::make_unique<TApplication>(nullptr);
  }
  void TearDown() override {
    App.reset();
    Display.reset();
  }

  std::optional<HeadlessPresenter> Display;
  std::unique_ptr<TApplication> App;
  std::vector<Heard> Log;
};

TEST_F(SkinScreenForms, EveryFormHearsTheChangeInCreationOrderWithOrWithoutAWindow) {
  auto* first = new TListeningForm(App.get(), "first", &Log);
  auto* second = new TListeningForm(App.get(), "second", &Log);
  first->HandleNeeded();
  TskSkinData model(first);

  model.ClearSkin();

  const WPARAM self = reinterpret_cast<WPARAM>(&model);
  const std::vector<UINT> order { WM_BEFORECHANGESKINDATA, WM_CHANGESKINDATA, WM_AFTERCHANGESKINDATA };
  std::vector<std::string> heard;
  for (const Heard& h : Log) {
    EXPECT_EQ(h.WParam, self);
    EXPECT_EQ(h.LParam, LPARAM(SkinMessageLParam));
    EXPECT_EQ(h.HadWindow, h.Form == "first");
    heard.push_back(h.Form + ":" + std::to_string(h.Msg));
  }
  std::vector<std::string> expected;
  for (UINT msg : order)
    for (const char* form : { "first", "second" }) expected.push_back(std::string(form) + ":" + std::to_string(msg));
  EXPECT_EQ(heard, expected);
  (void)second;
}

TEST_F(SkinScreenForms, AFormFreedDuringTheBroadcastIsSkipped) {
  auto* first = new TListeningForm(App.get(), "first", &Log);
  auto* second = new TListeningForm(App.get(), "second", &Log);
  first->FreeOnFirstMessage = second;
  TskSkinData model(first);

  model.ClearSkin();

  for (const Heard& h : Log) EXPECT_EQ(h.Form, "first");
  EXPECT_EQ(Log.size(), 3u);
}

}  // namespace
