// Progress, completion and the after-done actions of a batch.
#include "app/forms/TForm1.h"

void TForm1::Button25Click(TObject*) {}
void TForm1::Button29Click(TObject*) {}
void TForm1::FFConverterProgress(TObject*, PProgressInfo) {}
void TForm1::FFConverterTerminate(TObject*, const TTerminateInfo&) {}

bool TForm1::SetPrivilege(const String&, bool) { return true; }
