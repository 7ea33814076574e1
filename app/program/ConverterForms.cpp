#include "app/program/ConverterForms.h"

#include "app/forms/TForm1.h"
#include "app/forms/TForm2.h"
#include "app/forms/TForm5.h"
#include "app/forms/TForm7.h"
#include "platform/ui/toolkit/TApplication.h"

void CreateConverterForms(TApplication& App, const TConverterServices& Services) {
  App.SetTitle("ZorvikWMV格式转换器");
  App.SetHelpFile("help.chm");
  App.CreateForm(Form1, Services);
  App.CreateForm(Form2, *Form1);
  App.CreateForm(Form5, *Form1);
  App.CreateForm(Form7, *Form1);
}
