// The converter's application before its loop: title, help file and its four windows in creation order.
#include "app/forms/TForm2.h"
#include "app/forms/TForm5.h"
#include "app/forms/TForm7.h"
#include "app/program/ConverterForms.h"
#include "tests/app/forms/TForm1Testing.h"

namespace {

TEST_F(TForm1Test, TheApplicationMakesTheMainWindowFirstThenTheAboutOptionsAndPresetDialogs) {
  CreateConverterForms(*App, Services);
  EXPECT_EQ(App->Title(), "ZorvikWMV格式转换器");
  EXPECT_EQ(App->HelpFile(), "help.chm");
  ASSERT_EQ(Screen->FormCount(), 4);
  const std::vector<TCustomForm*> Order = { Screen->Forms(0), Screen->Forms(1), Screen->Forms(2), Screen->Forms(3) };
  EXPECT_EQ(Order, (std::vector<TCustomForm*> { Form1, Form2, Form5, Form7 }));
  EXPECT_EQ(App->MainForm(), Form1);
  EXPECT_EQ(Form2->Caption(), "关于");
  EXPECT_EQ(Form5->Caption(), "选项");
  EXPECT_EQ(Form7->Caption(), "选项设置");
  EXPECT_EQ(GetIni(), "[OutPath]\nOutPath=" + OutputFolder() +
                          "\n[Skin]\nSetSkin=0\n[Options]\nThread_Count=0\nAfter_Done=0\nThread_Priority=3\n"
                          "Overwrite_File=1\nShow_Preview=0\n")
    << "the seven keys of a first start, in the order they are read";
}

}  // namespace
