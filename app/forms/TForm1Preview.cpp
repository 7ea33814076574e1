// The preview player.
#include "app/forms/TForm1.h"

#include "engine/player/FFPlay.h"
#include "platform/ui/toolkit/TWinControl.h"

void TForm1::Button31Click(TObject*) {}
void TForm1::skSkinButton13Click(TObject*) {}
void TForm1::skSkinButton14Click(TObject*) {}
void TForm1::skSkinButton15Click(TObject*) {}
void TForm1::skSkinButton16Click(TObject*) {}
void TForm1::skSkinButton20Click(TObject*) {}
void TForm1::skSkinSlider1Change(TObject*) {}
void TForm1::TrackBar1Change(TObject*) {}
void TForm1::TrackBar2Change(TObject*) {}
void TForm1::chkPreviewClick(TObject*) {}
void TForm1::FFPlayerFileOpen(TObject*, Int64, int, int, int&, int&) {}
void TForm1::FFPlayerPosition(TObject*, Int64) {}
void TForm1::FFPlayerState(TObject*, TPlayState) {}
void TForm1::skSkinSlider1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
void TForm1::skSkinSlider1MouseUp(TObject*, TMouseButton, TShiftState, int, int) {}

TWinControl* TForm1::FindControlByName(const String& Name) {
  for (int i = 0; i < ControlCount(); ++i) {
    auto* Child = dynamic_cast<TWinControl*>(Controls(i));
    if (Child && Child->Name() == Name) return Child;
  }
  return nullptr;
}

void TForm1::WMWindowPosChanging(TMessage& Message) {
  TForm::Dispatch(Message);
  if (FFPlayer) FFPlayer->UpdateScreenPosition();
}

void TForm1::WMWindowPosChanged(TMessage& Message) {
  TForm::Dispatch(Message);
  if (FFPlayer) FFPlayer->UpdateScreenPosition();
}
