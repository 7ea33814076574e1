// The catalogue steps: format list, format parameters, preset lists.
#include "app/forms/TForm1.h"

void TForm1::Button2Click(TObject*) {}
void TForm1::Button5Click(TObject*) {}
void TForm1::Button18Click(TObject*) {}
