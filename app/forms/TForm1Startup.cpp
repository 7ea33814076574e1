// Start-up and shut-down of the main window.
#include "app/forms/TForm1.h"

void TForm1::FormCreate(TObject*) {}
void TForm1::FormCloseQuery(TObject*, bool&) {}
