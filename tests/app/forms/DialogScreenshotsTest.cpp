// Pictures of the three dialogs in the skin the main window's start-up loads, with the fonts a user sees, written into the build
// folder for a person to review (TForm2.png, TForm5-general.png, TForm5-cpu.png, TForm7.png).
#include "app/forms/TForm2.h"
#include "app/forms/TForm5.h"
#include "app/forms/TForm7.h"
#include "platform/gdi/FontFace.h"
#include "skin/controls/TskSkinPageControl.h"
#include "tests/app/forms/DialogFormsFixture.h"

namespace {

class DialogScreenshots : public DialogFormsTest {
protected:
  void SetUp() override {
    DialogFormsTest::SetUp();
    UseTestFontFace(false);
  }
  void TearDown() override {
    DialogFormsTest::TearDown();
    UseTestFontFace(true);
  }

  /// Shows Form and writes its window, frame included, as Name in the build folder.
  void Picture(TCustomForm* Form, const String& Name) {
    const String FileName = String(REVIEW_PICTURES) + Name;
    Form->Show();
    Display->PumpUntilIdle();
    Display->SaveWindowPng(Form->Handle(), FileName);
    EXPECT_TRUE(FileExists(FileName));
  }
};

TEST_F(DialogScreenshots, EachDialogIsWrittenAsAPicture) {
  Picture(Build<TForm2>(), "TForm2.png");
  auto* Options = Build<TForm5>();
  Picture(Options, "TForm5-general.png");
  Options->skSkinPageControl1->SetActivePage(Options->skSkinTabSheet1);
  Picture(Options, "TForm5-cpu.png");
  Picture(Build<TForm7>(), "TForm7.png");
}

}  // namespace
