// Opening the preset dialog.
#include "app/forms/TForm1.h"

void TForm1::skSkinButton24Click(TObject*) {}
