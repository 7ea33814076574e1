// Menu commands, help, the about box and the log.
#include "app/forms/TForm1.h"

void TForm1::N4Click(TObject*) {}
void TForm1::N5Click(TObject*) {}
void TForm1::N24Click(TObject*) {}
void TForm1::skSkinButton19Click(TObject*) {}
void TForm1::N15Click(TObject*) {}
void TForm1::N19Click(TObject*) {}
void TForm1::EMAIL1Click(TObject*) {}
void TForm1::N21Click(TObject*) {}
void TForm1::N3331Click(TObject*) {}
void TForm1::N2222Click(TObject*) {}
void TForm1::skSkinPanel1Click(TObject*) {}
void TForm1::Button11Click(TObject*) {}
void TForm1::Button19Click(TObject*) {}
void TForm1::Button24Click(TObject*) {}
void TForm1::FFLoggerLog(TObject*, Cardinal, TLogLevel, const String&) {}
