// The job slots and the current parameters.
#include "app/forms/TForm1.h"

#include "app/jobs/JobTexts.h"

void TForm1::Button6Click(TObject*) { TVideoParams::Reset(); }

void TForm1::Button15Click(TObject*) { JobSlots.FreeAll(); }

String TForm1::SecToDate(int Sec) { return ::SecToDate(Sec); }
