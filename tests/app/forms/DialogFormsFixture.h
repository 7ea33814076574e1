#pragma once
// The converter's dialogs on the headless presenter: the main window built first, as the program builds it
// (installed in a folder of its own and run by a user whose home is another, over a recording engine), and
// the dialogs built after it.
#include <span>
#include <vector>

#include "platform/base/SysUtils.h"
#include "skin/controls/TskSkinTextLabel.h"
#include "tests/app/forms/TForm1Testing.h"

/// The main window's recording engine, also keeping every SetPreview value in order.
class TPreviewRecordingConverter : public TRecordingConverter {
public:
  void SetPreview(bool Value) override {
    PreviewCalls.push_back(Value);
    TRecordingConverter::SetPreview(Value);
  }
  std::vector<bool> PreviewCalls;
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

class DialogFormsTest : public TForm1Test {
protected:
  void SetUp() override {
    TForm1Test::SetUp();
    Services.Converter = &Engine;
  }

  /// The main window, made first as the program makes it.
  TForm1& MainWindow() { return Form1 ? *Form1 : *Start(); }

  /// A dialog of class F, built after the main window as the program builds it.
  template <class F> F* Build() {
    TForm1& Main = MainWindow();
    F* Dialog = nullptr;
    App->CreateForm(Dialog, Main);
    return Dialog;
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

  TPreviewRecordingConverter Engine;
};
