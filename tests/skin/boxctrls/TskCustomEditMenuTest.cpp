// The skinned edit's context menu through the frame of its form: items enabled by what they can do,
// captions from the string table or in English, its commands, and where the keyboard opens it.
#include "platform/base/TStringList.h"
#include "skin/boxctrls/TskCustomEdit.h"
#include "skin/core/TskResourceStrData.h"
#include "tests/skin/form/MenuFixture.h"

namespace {

class TskCustomEditMenuTest : public MenuTest {
protected:
  TskCustomEdit* NewEdit(const String& Text) {
    BuildMenuSkin(Model);
    auto* E = new TskCustomEdit(Main);
    E->SetBounds(10, 60, 200, 20);
    E->SetParent(Main);
    E->SetText(Text);
    E->SetFocus();
    Display->PumpUntilIdle();
    return E;
  }
  void RightClick(TskCustomEdit* E) {
    const TPoint P = E->ClientToScreen({ 20, 10 });
    Display->Click(P.X, P.Y, PointerButton::Right);
  }
  /// Each item as "Caption" or "(Caption)" when disabled, separators left out.
  AppLog Items() {
    AppLog Result;
    for (const auto& Row : Level(0)->ItemList) {
      const String& C = Row->MenuItem->Caption();
      if (C != "-") Result.push_back(Row->MenuItem->Enabled() ? C : "(" + C + ")");
    }
    return Result;
  }
};

TEST_F(TskCustomEditMenuTest, ItemsAreEnabledByWhatTheyCanDo) {
  TskCustomEdit* E = NewEdit("输出目录");
  SetClipboardText("");
  E->SetSelStart(1);
  E->SetSelLength(2);
  RightClick(E);
  ASSERT_EQ(Levels().size(), 1u);
  EXPECT_EQ(Items(), (AppLog { "(Undo)", "Cut", "Copy", "(Paste)", "Delete", "Select All" }));
  Display->Key(VK_ESCAPE);
  E->SetReadOnly(true);
  SetClipboardText("x");
  E->SelectAll();
  RightClick(E);
  EXPECT_EQ(Items(), (AppLog { "(Undo)", "(Cut)", "Copy", "(Paste)", "(Delete)", "(Select All)" }));
  Display->Key(VK_ESCAPE);
  E->SetReadOnly(false);
  E->SetText("");
  RightClick(E);
  EXPECT_EQ(Items(), (AppLog { "(Undo)", "(Cut)", "(Copy)", "Paste", "(Delete)", "(Select All)" }))
      << "an empty text is all selected";
}

TEST_F(TskCustomEditMenuTest, CaptionsComeFromTheStringTable) {
  TskResourceStrData Table(nullptr);
  TStringList Lines;
  Lines.Add("EDIT_CUT=剪切");
  Lines.Add("EDIT_SELECTALL=全选");
  Table.SetResStrings(&Lines);
  TskCustomEdit* E = NewEdit("输出目录");
  Model.SetResourceStrData(&Table);
  RightClick(E);
  EXPECT_EQ(Items().at(1), "剪切") << "the focus selected everything";
  EXPECT_EQ(Items().back(), "(全选)");
  EXPECT_EQ(Items().at(2), "Copy") << "a name missing from the table keeps its English caption";
  Display->Key(VK_ESCAPE);
  Model.SetResourceStrData(nullptr);
}

TEST_F(TskCustomEditMenuTest, CommandsActAndTheMenuKeyOpensAtTheCentre) {
  TskCustomEdit* E = NewEdit("输出目录");
  E->SetSelStart(0);
  Display->Key(VK_APPS);
  ASSERT_EQ(Levels().size(), 1u);
  TRect Menu;
  GetWindowRect(Level(0)->Handle(), &Menu);
  EXPECT_EQ(Menu.TopLeft(), E->ClientToScreen({ 100, 10 }));
  ClickAt(RowPoint(Level(0), "Select All"));
  EXPECT_EQ(E->SelLength(), 4);
  SetClipboardText("新");
  RightClick(E);
  ClickAt(RowPoint(Level(0), "Paste"));
  EXPECT_EQ(E->Text(), "新");
  RightClick(E);
  ClickAt(RowPoint(Level(0), "Undo"));
  EXPECT_EQ(E->Text(), "输出目录");
}

}  // namespace
