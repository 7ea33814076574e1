#pragma once
// The program's four windows on the front-end harness, built as the program builds them over the scripted
// engine with the main window showing.
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

  TFakeFFConverter Engine;
  TConverterServices Services;
};
