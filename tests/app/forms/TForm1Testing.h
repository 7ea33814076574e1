#pragma once
// The main window on the headless presenter, installed in a folder of its own and run by a user whose
// home is another, with an engine that records what the window asks of it.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "app/engine/IFFConverter.h"
#include "app/forms/TForm1.h"
#include "app/forms/TForm2.h"
#include "app/forms/TForm5.h"
#include "app/forms/TForm7.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/ModalResponders.h"
#include "tests/platform/ui/AppFixture.h"

/// An engine that runs nothing and records the calls the window makes; Stop also records whether the
/// window's events were still attached at that moment.
class TRecordingConverter : public IFFConverter {
public:
  bool AVLibLoaded() const override { return false; }
  bool LoadAVLib(const String&) override { return Record("LoadAVLib"), false; }
  String LastErrMsg() const override { return {}; }
  TAVProbe* AVProbe() override { return nullptr; }
  int AddTask(const String&, TInputOptions*) override { return Record("AddTask"), -1; }
  bool SetOutputFile(int, const String&, TOutputOptions*) override { return Record("SetOutputFile"), false; }
  void RemoveTask(int) override { Record("RemoveTask"); }
  void ClearTasks() override { Record("ClearTasks"); }
  int TasksCount() const override { return 0; }
  TThreadPriority ThreadPriority() const override { return tpNormal; }
  void SetThreadPriority(TThreadPriority) override { Record("SetThreadPriority"); }
  bool Preview() const override { return FPreview; }
  void SetPreview(bool Value) override { FPreview = Value; }
  void Start(int) override { Record("Start"); }
  void Stop(bool AWaitFor) override {
    const bool Attached = OnProgress || OnTerminate || OnCustomHook;
    Record(String("Stop(") + (AWaitFor ? "True" : "False") + (Attached ? ") with events" : ")"));
  }
  void Pause() override { Record("Pause"); }
  void Resume() override { Record("Resume"); }

  std::vector<String> Calls;

private:
  void Record(const String& Call) { Calls.push_back(Call); }
  bool FPreview { false };
};

/// A temporary install folder (ExePath) and home for each test, the application on the headless
/// presenter, and the main window built by Start.
class TForm1Test : public AppTest {
protected:
  void SetUp() override {
    AppTest::SetUp();
    char Pattern[] = "/tmp/form1.XXXXXX";
    ASSERT_NE(mkdtemp(Pattern), nullptr);
    Root = Pattern;
    Home = Root + "/home";
    Install = Root + "/install";
    std::filesystem::create_directories(Home);
    std::filesystem::create_directories(Install);
    SavedHome = GetEnvironmentVariable("HOME");
    setenv("HOME", Home.c_str(), 1);
    OverrideExePath(Install);
    Services.Converter = &Converter;
  }

  void TearDown() override {
    ClearModalResponders();
    AppTest::TearDown();
    Form1 = nullptr;
    Form2 = nullptr;
    Form5 = nullptr;
    Form7 = nullptr;
    OverrideExePath("");
    setenv("HOME", SavedHome.c_str(), 1);
    std::filesystem::permissions(Install, std::filesystem::perms(0755));
    std::filesystem::remove_all(Root);
  }

  /// Builds the main window as the program does; F may be a test's subclass of TForm1.
  template <class F = TForm1> F* Start() {
    F* Form = nullptr;
    App->CreateForm(Form, Services);
    Form1 = Form;
    return Form;
  }

  String Ini() const { return Install + "/option.ini"; }
  void PutIni(const String& Text) const { std::ofstream(Ini(), std::ios::binary) << Text; }
  String GetIni() const {
    std::ostringstream Text;
    Text << std::ifstream(Ini(), std::ios::binary).rdbuf();
    return Text.str();
  }
  String OutputFolder() const { return Home + "/Zorvik视频软件/输出"; }

  String Root, Home, Install, SavedHome;
  TRecordingConverter Converter;
  TConverterServices Services;
};
