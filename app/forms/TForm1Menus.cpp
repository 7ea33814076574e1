// Menu commands, help, the about box and the log.
#include <string>

#include "app/forms/TForm1.h"
#include "app/forms/TForm2.h"
#include "app/forms/TForm5.h"
#include "app/forms/WebAddresses.h"
#include "platform/shell/IShellOpenService.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TMemo.h"

void TForm1::N4Click(TObject*) { Close(); }
void TForm1::N5Click(TObject*) { Form2->ShowModal(); }
void TForm1::N24Click(TObject*) { Form5->ShowModal(); }
void TForm1::skSkinButton19Click(TObject*) { Form5->ShowModal(); }

// F1 opens the FAQ page; the application's help file is never opened.
void TForm1::N15Click(TObject*) { Services.ShellOpen->Open(FaqAddress, ""); }
void TForm1::N19Click(TObject*) { Services.ShellOpen->Open(WebSiteAddress, ""); }
void TForm1::EMAIL1Click(TObject*) { Services.ShellOpen->Open(SupportMailLink, ""); }

void TForm1::N21Click(TObject*) { Button12->Click(); }
void TForm1::N3331Click(TObject*) { Button12->Click(); }
void TForm1::N2222Click(TObject*) { Button8->Click(); }

// Handlers that do nothing: the job list's panel, the hidden buttons nothing clicks (Button11, Button19),
// and the skin refresh the batch end and the stop command click.
void TForm1::skSkinPanel1Click(TObject*) {}
void TForm1::Button11Click(TObject*) {}
void TForm1::Button19Click(TObject*) {}
void TForm1::Button24Click(TObject*) {}

// "#<thread>.<level>: <message>", the level as its position in TLogLevel (llQuiet 0 ... llDebug 7).
void TForm1::FFLoggerLog(TObject*, Cardinal AThreadID, TLogLevel ALogLevel, const String& ALogMsg) {
  mmoLog->Lines()->Add("#" + std::to_string(AThreadID) + "." + std::to_string(int(ALogLevel)) + ": " + ALogMsg);
}
