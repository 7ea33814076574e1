// Starting, stopping, pausing and resuming a batch.
#include "app/forms/TForm1.h"

void TForm1::btnStartClick(TObject*) {}
void TForm1::btnStopClick(TObject*) {}
void TForm1::btnPauseClick(TObject*) {}
void TForm1::btnResumeClick(TObject*) {}
void TForm1::button28Click(TObject*) {}
void TForm1::Button22Click(TObject*) {}
void TForm1::Button23Click(TObject*) {}
void TForm1::skSkinButton2Click(TObject*) {}
void TForm1::skSkinButton10Click(TObject*) {}
void TForm1::skSkinButton11Click(TObject*) {}
void TForm1::skSkinButton12Click(TObject*) {}
