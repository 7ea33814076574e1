// The main window's object: construction, the global, and the window messages it handles itself.
#include "app/forms/TForm1.h"

#include "platform/ui/winsys/Messages.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* AOwner, const TConverterServices& Services)
  : TForm(AOwner), FFConverter(Services.Converter), Services(Services) {}

TForm1::~TForm1() = default;

void TForm1::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_WINDOWPOSCHANGING: WMWindowPosChanging(Message); break;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(Message); break;
    default: TForm::Dispatch(Message);
  }
}
