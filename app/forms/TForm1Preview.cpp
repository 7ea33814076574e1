// The preview player: the selected row's file played into Panel6, paused on opening, with its slider and
// the play, pause, stop and mute buttons.
#include "app/engine/IFFConverter.h"
#include "app/forms/TForm1.h"
#include "engine/player/FFPlay.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/TCheckBox.h"
#include "platform/ui/toolkit/TComboBox.h"
#include "platform/ui/toolkit/TLabel.h"
#include "platform/ui/toolkit/TMemo.h"
#include "platform/ui/toolkit/TPanel.h"
#include "platform/ui/toolkit/TScreen.h"
#include "platform/ui/toolkit/TTrackBar.h"
#include "platform/ui/winsys/Messages.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinSlider.h"

namespace {

/// The log's names of the player's states, in the order of TPlayState.
const char* const PlayStateNames[] = { "Play", "Pause", "Resume", "Step", "Stop", "End" };

/// Seconds as the labels and the log show them: two decimals.
String SecondsText(Int64 Microseconds) { return Format("%f", double(Microseconds) / 1000000.0); }

TVideoDriver VideoDriverOf(int Index) { return Index == 1 ? vdDirectDraw : Index == 2 ? vdGDI : vdDefault; }

TAudioDriver AudioDriverOf(int Index) { return Index == 1 ? adDirectSound : Index == 2 ? adWaveOut : adDefault; }

/// Fills one stream list with the probe's streams of one kind, "<Kind>#<stream index>".
void FillStreamList(TComboBox* List, const char* Kind, TAVProbe& Probe, bool (TAVProbe::*IsKind)(int)) {
  List->Items()->BeginUpdate();
  List->Items()->Clear();
  List->Items()->EndUpdate();
  for (int Stream = 0; Stream < Probe.StreamCount(); ++Stream)
    if ((Probe.*IsKind)(Stream)) List->Items()->Add(Format("%s#%d", Kind, Stream));
}

/// Enables List when it has at least AMinimum entries and the player plays a stream of its kind, and then
/// selects the entry of that stream.
void ShowPlayedStream(TComboBox* List, const char* Kind, int AMinimum, int PlayedIndex) {
  List->SetEnabled(List->Items()->Count() >= AMinimum && PlayedIndex >= 0);
  if (List->Enabled()) List->SetItemIndex(List->Items()->IndexOf(Format("%s#%d", Kind, PlayedIndex)));
}

}  // namespace

// ---- Opening ----

void TForm1::Button31Click(TObject*) {
  if (!FFPlayer->AVLibLoaded() && !FFPlayer->LoadAVLib(ExePath() + "LibAV")) {
    mmoLog->Lines()->Add(FFPlayer->LastErrMsg());
    return;
  }
  const int Screen = cboScreens->ItemIndex();
  FScreenControl = Screen >= 0 ? FindControlByName(cboScreens->Items()->Strings(Screen)) : nullptr;
  FFPlayer->SetVideoDriver(VideoDriverOf(cboVideoDriver->ItemIndex()));
  FFPlayer->SetAudioDriver(AudioDriverOf(cboAudioDriver->ItemIndex()));
  if (!FFPlayer->Open(T_Movie_PLayer_FileName, Panel6->Handle(), chkOpenPaused->Checked()))
    mmoLog->Lines()->Add(FFPlayer->LastErrMsg());
}

void TForm1::FFPlayerFileOpen(TObject*, Int64 ADuration, int AFrameWidth, int AFrameHeight, int& AScreenWidth,
                              int& AScreenHeight) {
  TAVProbe& Probe = *FFPlayer->AVProbe();
  mmoLog->Lines()->Add(Probe.FileInfoText());
  mmoLog->Lines()->Add(Format("duration: %f, frame size: %dx%d", double(ADuration) / 1000000.0, AFrameWidth, AFrameHeight));
  if (FScreenControl) {
    AScreenWidth = FScreenControl->Width();
    AScreenHeight = FScreenControl->Height();
  } else {
    AScreenWidth = Screen->DesktopWidth();
    AScreenHeight = Screen->DesktopHeight();
  }
  FDuration = ADuration;
  Label2->SetCaption(SecondsText(ADuration));
  Label3->SetCaption("0.0");
  skSkinSlider1->SetIncrement(5);
  skSkinSlider1->SetMaxValue(skSkinSlider1->Width());
  skSkinSlider1->SetValue(0);

  FillStreamList(cboVideo, "Video", Probe, &TAVProbe::IsVideoStream);
  FillStreamList(cboAudio, "Audio", Probe, &TAVProbe::IsAudioStream);
  FillStreamList(cboSubtitle, "Subtitle", Probe, &TAVProbe::IsSubtitleStream);
  ShowPlayedStream(cboVideo, "Video", 2, FFPlayer->VideoStreamIndex());
  ShowPlayedStream(cboAudio, "Audio", 2, FFPlayer->AudioStreamIndex());
  cboSubtitle->SetEnabled(cboSubtitle->Items()->Count() >= 1 && FFPlayer->VideoStreamIndex() >= 0);
  if (cboSubtitle->Enabled()) {
    cboSubtitle->Items()->Insert(0, "Subtitle#-1");
    cboSubtitle->SetItemIndex(
        cboSubtitle->Items()->IndexOf(Format("Subtitle#%d", FFPlayer->SubtitleStreamIndex())));
  }
}

TWinControl* TForm1::FindControlByName(const String& Name) {
  for (int i = 0; i < ControlCount(); ++i) {
    auto* Child = dynamic_cast<TWinControl*>(Controls(i));
    if (Child && Child->Name() == Name) return Child;
  }
  return nullptr;
}

// ---- Reports of the player ----

void TForm1::FFPlayerPosition(TObject*, Int64 APTS) {
  if (skSkinSlider1_down_UP != "UP") return;
  Label3->SetCaption(SecondsText(APTS));
  if (APTS >= 0 && FDuration > 0) skSkinSlider1->SetValue(int(Int64(skSkinSlider1->MaxValue()) * APTS / FDuration));
}

void TForm1::FFPlayerState(TObject*, TPlayState AState) {
  mmoLog->Lines()->Add(PlayStateNames[AState]);
  switch (AState) {
  case psPlay:
  case psResume:
    if (chkStayOnTop->Checked()) SetFormStyle(fsStayOnTop);
    break;
  case psPause:
  case psStep: SetFormStyle(fsNormal); break;
  case psStop:
    SetFormStyle(fsNormal);
    // The panel shows its placeholder again at once instead of the last picture.
    if (const HWND Screen = FFPlayer->ScreenHandle()) {
      PostMessage(Screen, CM_INVALIDATE, 0, 0);
      UpdateWindow(Screen);
    }
    break;
  case psEnd:
    FFPlayer->Seek(0, { sfAny }, false);
    FFPlayer->Pause();
    break;
  }
}

// ---- The slider: no position report moves it while pressed; the release seeks and plays ----

void TForm1::skSkinSlider1Change(TObject*) {}

void TForm1::skSkinSlider1MouseDown(TObject*, TMouseButton, TShiftState, int, int) {
  skSkinSlider1_down_UP = "Down";
  FFPlayer->Pause();
}

void TForm1::skSkinSlider1MouseUp(TObject*, TMouseButton, TShiftState, int, int) {
  FFPlayer->Pause();
  const int Maximum = skSkinSlider1->MaxValue();
  FFPlayer->Seek(Maximum > 0 ? FDuration * skSkinSlider1->Value() / Maximum : 0, {}, false);
  FFPlayer->Resume();
  skSkinSlider1_down_UP = "UP";
}

// ---- Buttons ----

void TForm1::skSkinButton13Click(TObject*) {
  FFPlayer->Resume();
  lvFiles->SetFocus();
}

void TForm1::skSkinButton14Click(TObject*) {
  FFPlayer->Pause();
  lvFiles->SetFocus();
}

// Stop shows the file's first picture again, paused: the file is opened anew.
void TForm1::skSkinButton15Click(TObject*) {
  if (!lvFiles->Selected()) return;
  try {
    FFPlayer->Stop(true);
    if (!FFPlayer->Open(T_Movie_PLayer_FileName, Panel6->Handle(), chkOpenPaused->Checked()))
      mmoLog->Lines()->Add(FFPlayer->LastErrMsg());
    lvFiles->SetFocus();
  } catch (...) {
    FFPlayer->Stop(true);
  }
}

void TForm1::skSkinButton16Click(TObject*) {
  FFPlayer->SetMute(true);
  skSkinButton20->Show();
  skSkinButton16->Hide();
}

void TForm1::skSkinButton20Click(TObject*) {
  FFPlayer->SetMute(false);
  skSkinButton20->Hide();
  skSkinButton16->Show();
}

// ---- Settings of the off-screen panels ----

void TForm1::TrackBar1Change(TObject*) {}

void TForm1::TrackBar2Change(TObject*) { FFPlayer->SetAudioVolume(TrackBar2->Position()); }

void TForm1::chkPreviewClick(TObject*) { FFConverter->SetPreview(chkPreview->Checked()); }

// ---- The window moved: the video follows Panel6 ----

void TForm1::WMWindowPosChanging(TMessage& Message) {
  TForm::Dispatch(Message);
  if (FFPlayer) FFPlayer->UpdateScreenPosition();
}

void TForm1::WMWindowPosChanged(TMessage& Message) {
  TForm::Dispatch(Message);
  if (FFPlayer) FFPlayer->UpdateScreenPosition();
}
