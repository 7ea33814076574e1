#pragma once
// The program's four windows on the front-end harness, built as the program builds them over the scripted
// engine with the main window showing, and the user's way of picking an entry of their combos.
#include "app/forms/TForm1.h"
#include "app/forms/TForm2.h"
#include "app/forms/TForm5.h"
#include "app/forms/TForm7.h"
#include "app/program/ConverterForms.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/boxctrls/TskPopupListBox.h"
#include "skin/boxctrls/TskPopupOfficeListBox.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "tests/app/support/FrontEndHarness.h"
#include "tests/app/support/TFakeFFConverter.h"

class ConverterFormsTest : public FrontEndHarness {
protected:
  void SetUp() override {
    FrontEndHarness::SetUp();
    Services.Converter = &Engine;
    ShowForm([this](TApplication& App) -> TCustomForm* {
      CreateConverterForms(App, Services);
      return Form1;
    });
  }
  void TearDown() override {
    FrontEndHarness::TearDown();
    Form1 = nullptr;
    Form2 = nullptr;
    Form5 = nullptr;
    Form7 = nullptr;
  }

  TForm1& Main() { return *Form1; }

  /// Picks item Index of an office combo as the user does: a click opens its list, clicks on the arrows of
  /// its scroll bar bring the item into view and a click on the item picks it.
  void Pick(TskSkinOfficeComboBox* Combo, int Index) {
    Click(Combo);
    ASSERT_TRUE(Combo->IsPopupVisible()) << Combo->Name();
    TskPopupOfficeListBox* List = Combo->ListBox();
    TskSkinOfficeItem* Item = List->Items()->Items(Index);
    const auto Whole = [&] { return Item->ItemRect.Top >= 0 && Item->ItemRect.Bottom <= List->ClientHeight(); };
    for (int Turns = 0; !Whole() && List->ScrollBar && Turns < List->Items()->Count(); ++Turns) {
      TskSkinScrollBar* Bar = List->ScrollBar;
      const bool Below = Item->ItemRect.Top > 0;
      const TPoint Arrow = Bar->ClientToScreen({ Bar->Width() / 2, Below ? Bar->Height() - 4 : 4 });
      Display->Click(Arrow.X, Arrow.Y);
    }
    ASSERT_TRUE(Whole()) << Combo->Name() << " item " << Index;
    const TPoint P = List->ClientToScreen({ Item->ItemRect.Left + 10, (Item->ItemRect.Top + Item->ItemRect.Bottom) / 2 });
    Display->MoveTo(P.X, P.Y);
    Display->Click(P.X, P.Y);
  }

  /// Picks entry Index of a combo as the user does: a click opens its list and a click on the entry picks
  /// it. The list opens with the shown entry at its top; Index lies among the entries that show.
  void Pick(TskSkinComboBox* Combo, int Index) {
    Click(Combo);
    ASSERT_TRUE(Combo->IsPopupVisible()) << Combo->Name();
    TskListBox* List = Combo->ListBox()->ListBox;
    const TRect R = List->ItemRect(Index);
    ASSERT_TRUE(R.Top >= 0 && R.Bottom <= List->ClientHeight()) << Combo->Name() << " entry " << Index;
    const TPoint P = List->ClientToScreen({ 5, (R.Top + R.Bottom) / 2 });
    Display->MoveTo(P.X, P.Y);
    Display->Click(P.X, P.Y);
  }

  TFakeFFConverter Engine;
  TConverterServices Services;
};
