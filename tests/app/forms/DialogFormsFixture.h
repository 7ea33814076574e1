#pragma once
// The converter's dialogs on the headless presenter: the program installed in a folder of its own (its
// option.ini there) and run by a user whose home is another, the main window built over a recording engine,
// and the dialogs built after it as the program builds them.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <span>
#include <sstream>
#include <vector>

#include "app/engine/IFFConverter.h"
#include "app/forms/TForm1.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/FontFace.h"
#include "skin/controls/TskSkinTextLabel.h"
#include "skin/core/TskSkinData.h"
#include "tests/platform/ui/AppFixture.h"

/// An engine that records what the windows ask of it and runs nothing.
class TRecordingConverter : public IFFConverter {
public:
  bool AVLibLoaded() const override { return false; }
  bool LoadAVLib(const String&) override { return false; }
  String LastErrMsg() const override { return {}; }
  TAVProbe* AVProbe() override { return nullptr; }
  int AddTask(const String&, TInputOptions*) override { return -1; }
  bool SetOutputFile(int, const String&, TOutputOptions*) override { return false; }
  void RemoveTask(int) override {}
  void ClearTasks() override {}
  int TasksCount() const override { return 0; }
  TThreadPriority ThreadPriority() const override { return FPriority; }
  void SetThreadPriority(TThreadPriority Value) override { FPriority = Value; }
  bool Preview() const override { return PreviewCalls.empty() ? false : PreviewCalls.back(); }
  void SetPreview(bool Value) override { PreviewCalls.push_back(Value); }
  void Start(int) override {}
  void Stop(bool) override {}
  void Pause() override {}
  void Resume() override {}

  /// Every SetPreview value, in order.
  std::vector<bool> PreviewCalls;

private:
  TThreadPriority FPriority { tpNormal };
};

/// One control of a form as its stored description places it: an empty Parent names the form itself, a
/// null Caption and a Width or Height of -1 are not checked (a control that sizes itself).
struct TInventoryRow {
  const char* Name;
  const char* Class;
  const char* Parent;
  const char* Caption;
  int Left, Top, Width, Height;
  bool Visible { true };
};

/// Checks each row against the control of its name on Form.
inline void ExpectInventory(TCustomForm* Form, std::span<const TInventoryRow> Rows) {
  for (const TInventoryRow& Row : Rows) {
    SCOPED_TRACE(Row.Name);
    auto* Control = dynamic_cast<TControl*>(Form->FindComponent(Row.Name));
    ASSERT_NE(Control, nullptr);
    EXPECT_EQ(Control->ClassName(), Row.Class);
    EXPECT_EQ(Control->Parent() == Form ? String() : Control->Parent()->Name(), Row.Parent);
    auto* TextLabel = dynamic_cast<TskSkinTextLabel*>(Control);
    if (Row.Caption) {
      EXPECT_EQ(TextLabel ? TrimRight(TextLabel->Lines()->Text()) : Control->Caption(), Row.Caption);
    }
    EXPECT_EQ(Control->Left(), Row.Left);
    EXPECT_EQ(Control->Top(), Row.Top);
    if (Row.Width >= 0) {
      EXPECT_EQ(Control->Width(), Row.Width);
    }
    if (Row.Height >= 0) {
      EXPECT_EQ(Control->Height(), Row.Height);
    }
    EXPECT_EQ(Control->Visible(), Row.Visible);
  }
}

class DialogFormsTest : public AppTest {
protected:
  void SetUp() override {
    AppTest::SetUp();
    char Pattern[] = "/tmp/dialogforms.XXXXXX";
    ASSERT_NE(mkdtemp(Pattern), nullptr);
    Root = Pattern;
    Home = Root + "/home";
    Install = Root + "/install";
    std::filesystem::create_directories(Home);
    std::filesystem::create_directories(Install);
    SavedHome = GetEnvironmentVariable("HOME");
    setenv("HOME", Home.c_str(), 1);
    OverrideExePath(Install);
  }

  void TearDown() override {
    Form1 = nullptr;
    AppTest::TearDown();
    OverrideExePath("");
    setenv("HOME", SavedHome.c_str(), 1);
    std::filesystem::permissions(Install, std::filesystem::perms(0755));
    std::filesystem::remove_all(Root);
  }

  /// The main window, made first as the program makes it.
  TForm1& MainWindow() {
    if (!Form1) {
      TConverterServices Services;
      Services.Converter = &Converter;
      App->CreateForm(Form1, Services);
      ProvideSkinModels();
    }
    return *Form1;
  }

  /// A dialog of class F, built after the main window as the program builds it.
  template <class F> F* Build() {
    TForm1& Main = MainWindow();
    F* Dialog = nullptr;
    App->CreateForm(Dialog, Main);
    return Dialog;
  }

  String Ini() const { return Install + "/option.ini"; }
  void PutIni(const String& Text) const { std::ofstream(Ini(), std::ios::binary) << Text; }
  String GetIni() const {
    std::ostringstream Text;
    Text << std::ifstream(Ini(), std::ios::binary).rdbuf();
    return Text.str();
  }
  /// The lines of option.ini's [Options] section (its name in any case), its header included, up to the
  /// next section.
  String OptionsSection() const {
    const String Text = GetIni();
    const size_t Start = LowerCase(Text).find("[options]");
    if (Start == String::npos) return {};
    const size_t End = Text.find("\n[", Start);
    return Text.substr(Start, End == String::npos ? String::npos : End + 1 - Start);
  }

  TRecordingConverter Converter;
  String Root, Home, Install, SavedHome;

private:
  /// The dialogs bind to the main window's two skin models; they stand empty here until the main window
  /// makes its own.
  void ProvideSkinModels() {
    if (!Form1->skSkinData1) Form1->skSkinData1 = new TskSkinData(Form1);
    if (!Form1->skSkinData2) Form1->skSkinData2 = new TskSkinData(Form1);
  }
};
