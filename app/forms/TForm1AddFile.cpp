// Adding one file and the open dialogs' filter.
#include "app/forms/TForm1.h"

void TForm1::btnAddClick(TObject*) {}
void TForm1::Button21Click(TObject*) {}
