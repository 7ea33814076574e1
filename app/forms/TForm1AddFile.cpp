// Adding one file, the per-file steps every add shares, and the open dialogs' filter.
#include "app/forms/TForm1.h"

#include "app/catalogue/FormatCatalogue.h"
#include "app/catalogue/PresetCode.h"
#include "app/engine/IFFConverter.h"
#include "app/jobs/AddOutputOptions.h"
#include "app/jobs/JobTexts.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TListItem.h"
#include "platform/ui/toolkit/TListItems.h"
#include "platform/ui/toolkit/TMemo.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/dialogs/TskSkinMessage.h"
#include "skin/dialogs/TskSkinOpenDialog.h"

namespace {

/// What a new row shows of its file before the engine converts it.
struct TNewJob {
  Int64 Duration { -1 };  // microseconds, as the probe gives it
  Int64 FileSize { 0 };
  int TaskIndex { 0 };
  int FormatCode { 0 };
  String PresetCode;
};

/// The caption and the 24 cells of a new row, from the input and output records the engine completed.
void FillNewRow(TListItem& Row, const TNewJob& Job, const TInputOptions& Input, const TOutputOptions& Output,
                const TVideoParams& Params) {
  TStringList Cells;
  Cells.Add(Job.Duration > 0 ? SecToDate(int(Job.Duration / 1000000)) : "N/A");
  Cells.Add(SizeText(Job.FileSize));
  Cells.Add(ExtractFileName(Output.FileName));
  for (int Progress = 3; Progress <= 6; ++Progress) Cells.Add("");
  Cells.Add(IntToStr(Job.TaskIndex + 1));
  Cells.Add(IntToStr(Job.FormatCode));
  Cells.Add(Job.PresetCode);
  Cells.Add(Output.VideoCodec);
  Cells.Add(Output.AudioCodec);
  Cells.Add(IntToStr(Output.AudioChannels));
  Cells.Add(Output.VideoTag);
  Cells.Add(Output.FileExt);
  Cells.Add(Output.FrameSize);
  Cells.Add(IntToStr(Output.VideoBitrate));
  Cells.Add(Output.FrameRate);
  Cells.Add(IntToStr(Output.AudioBitrate));
  Cells.Add(IntToStr(Output.AudioSampleRate));
  Cells.Add(Output.FrameAspectRatio);
  Cells.Add(Params.Video_DisableVideo ? "True" : "False");
  Cells.Add(Params.Video_TargetType);
  Cells.Add(Params.Video_NormType);
  Row.SetCaption(Input.FileName);
  Row.SetSubItems(&Cells);
}

}  // namespace

void TForm1::btnAddClick(TObject*) {
  Button6->Click();
  if (!LoadEngineLibraries() || !OpenDialog1->Execute()) return;
  FRefusedAdds.clear();
  const TAddOutcome Outcome = AddJobFile(OpenDialog1->FileName(), true);
  ShowRefusedAdds(false);
  if (Outcome == TAddOutcome::Added) SelectLastRow();
}

bool TForm1::LoadEngineLibraries() {
  if (FFConverter->AVLibLoaded() || FFConverter->LoadAVLib(ExePath() + "LibAV")) return true;
  mmoLog->Lines()->Add(FFConverter->LastErrMsg());
  return false;
}

TForm1::TAddOutcome TForm1::AddJobFile(const String& FileName, bool FocusList) {
  if (!FileExists(FileName)) return TAddOutcome::Ended;
  // Every job keeps its options in a slot of its own until the list is cleared: with none left the file is
  // refused before anything is made for it.
  if (!JobSlots.HasFree()) {
    mmoLog->Lines()->Add(Format("***Job list full (%d files since it was last cleared), not added: %s",
                                JobSlotCount, FileName));
    return TAddOutcome::Passed;
  }
  TAVProbe* Probe = FFConverter->AVProbe();
  if (!Probe->LoadFile(FileName, "")) {
    RefuseAdd(FileName, "***File load error: ", Probe->LastErrMsg());
    return TAddOutcome::Passed;
  }
  Video_AddFileName = FileName;
  TInputOptions Input;
  InitInputOptions(Input);
  const int TaskIndex = FFConverter->AddTask(FileName, &Input);
  if (TaskIndex < 0) {
    RefuseAdd(FileName, "***File open error: ", FFConverter->LastErrMsg());
    return TAddOutcome::Ended;
  }
  mmoLog->Lines()->Add("");
  mmoLog->Lines()->Add(Probe->FileInfoText());
  T_Movie_PLayer_FileName = FileName;
  TOutputOptions Output;
  InitOutputOptions(Output);
  Button5->Click();
  Button13->Click();
  CopyVideoParams(*this, Output);
  if (!FFConverter->SetOutputFile(TaskIndex, Video_OutPutFileName, &Output)) {
    const String Error = FFConverter->LastErrMsg();
    FFConverter->RemoveTask(TaskIndex);
    RefuseAdd(FileName, "***Cannot do convert, error: ", Error);
    return TAddOutcome::Ended;
  }

  skSkinPanel5->Hide();
  const TNewJob Job {
    .Duration = Probe->FileStreamInfo().Duration,
    .FileSize = Probe->FileSize(),
    .TaskIndex = TaskIndex,
    .FormatCode = RowFormatCode(skSkinOfficeComboBox2->ItemIndex(), skSkinOfficeComboBox1->ItemIndex()),
    .PresetCode = PresetCode({ skSkinComboBox1->ItemIndex(), skSkinComboBox2->ItemIndex(), skSkinComboBox3->ItemIndex(),
                               skSkinComboBox4->ItemIndex(), skSkinComboBox9->ItemIndex(),
                               skSkinComboBox10->ItemIndex() }),
  };
  TListItem* Row = lvFiles->Items()->Add();
  FillNewRow(*Row, Job, Input, Output, *this);
  if (FocusList) lvFiles->SetFocus();
  SetJobCommands(true);
  JobSlots.Tie(Row, JobSlots.Take(Input, Output));
  LogBetweenEmptyLines("***Can do convert.");
  btnStart->SetFocus();
  return TAddOutcome::Added;
}

void TForm1::SelectLastRow() {
  const int Count = lvFiles->Items()->Count();
  if (Count == 0) return;
  lvFiles->Items()->Item(Count - 1)->SetSelected(true);
  lvFiles->SetFocus();
}

void TForm1::RefuseAdd(const String& FileName, const String& Logged, const String& Reason) {
  LogBetweenEmptyLines(Logged + Reason);
  FRefusedAdds.emplace_back(FileName, Reason);
}

void TForm1::ShowRefusedAdds(bool NameFiles) {
  if (FRefusedAdds.empty()) return;
  String Text;
  for (const auto& [FileName, Reason] : FRefusedAdds) {
    const bool Named = !NameFiles || Reason.find(FileName) != String::npos;
    Text += (Text.empty() ? "" : "\n") + (Named ? Reason : FileName + ": " + Reason);
  }
  FRefusedAdds.clear();
  skSkinMessage1->MessageDlg2(Text, "提示", mtWarning, { mbOK }, 0);
}

void TForm1::LogBetweenEmptyLines(const String& Line) {
  TStrings* Log = mmoLog->Lines();
  Log->Add("");
  Log->Add(Line);
  Log->Add("");
}

namespace {

/// The open dialogs' filter: 42 pairs of a description and its masks, in the order the dialogs list them.
constexpr const char* OpenDialogFilter[] = {
  "所有文件格式 (*.*)|*.*|",
  "支持的视频/音频文件格式|*.AVI;*.ASF;*.asx;*.WMV;*.AVS;*.FLV;*.MKV;*.MOV;*.3GP;*.MP4;*.MPG;*.MPEG;*.DAT;*.OGM;"
  "*.VOB;*.RM;*.RMVB;*.TS;*.TP;*.IFO;*.NSV;*.MP3;*.AAC;*.WAV;*.WMA;*.CDA;*.SWF;",
  "*.FLAC;*.M4A;*.MID;*.MKA;*.MP2;*.MPA;*.MPC;*.APE;*.OFR;*.OGG;*.RA;*.WV;*.TTA;*.AC3;*.DTS;*.DV;*.m4v;*.3g2;*.mkv;"
  "*.dv;*.yuv;*.h261;*.h264;*.mjpeg;*.dif;*.m4v;*.3gpp;*.3gp2;*.qt|",
  "支持的视频文件格式|*.AVI;*.ASF;*.asx;*.WMV;*.AVS;*.FLV;*.MKV;*.MOV;*.3GP;*.MP4;*.MPG;*.MPEG;*.DAT;*.OGM;*.VOB;*.RM;"
  "*.RMVB;*.TS;*.TP;*.IFO;*.NSV;*.SWF;*.WV;*.TTA;*.AC3;*.DTS;*.DV;*.m4v;*.3g2;*.mkv;*.dv;*.yuv;*.h261;*.h264;*.mjpeg;"
  "*.dif;*.m4v;*.3gpp;*.3gp2;*.qt|",
  "支持的音频文件格式|*.MP3;*.AAC;*.WAV;*.WMA;*.CDA;*.FLAC;*.M4A;*.MID;*.MKA;*.MP2;*.MPA;*.MPC;*.APE;*.OFR;*.OGG;*.RA;"
  "*.WV;*.TTA;*.AC3|",
  "AVI文件 (*.avi)|*.avi|",
  "Real视频文件格式 (*.rm;*.rmvb)|*.rm;*.rmvb|",
  "MP4视频格式 (*.mp4;*.m4v)|*.mp4;*.m4v|",
  "MPEG视频格式 (*.mpg;*.mpeg)|*.mpg;*.mpeg|",
  "DVD视频格式 (*.vob)|*.vob|",
  "VCD/SVCD视频格式 (*.dat;*.mpg)|*.dat;*.mpg|",
  "ASF微软视频格式 (*.asf)|*.asf|",
  "WMV微软视频格式 (*.wmv)|*.wmv|",
  "手机3GPP文件格式 (*.3gp;*.3gpp)|*.3gp;*.3gpp|",
  "手机3GPP2文件格式 (*.3g2;*.3gp2)|*.3g2;*.3gp2|",
  "Flash动画格式 (*.swf)|*.swf|",
  "Flash视频格式 (*.flv)|*.flv|",
  "MKV视频媒体格式 (*.mkv)|*.mkv|",
  "Quick Time视频文件格式 (*.mov;*.qt)|*.mov;*.qt|",
  "DV数字视频文件格式 (*.dv;*.dif)|*.dv;*.dif|",
  "Raw h261类型文件 (*.h261)|*.h261|",
  "Raw h264类型文件 (*.h264)|*.h264|",
  "YUV类型文件 (*.yuv)|*.yuv|",
  "GIF图片动画格式 (*.gif)|*.gif|",
  "MJPEG视频格式(*.mjpg;*.mjpeg)|*.mjpg;*.mjpeg|",
  "TS视频格式 (*.ts)|*.ts|",
  "WMV高清HD视频格式 (*.xwmv)|*.xwmv|",
  "微软数字视频格式( *.dvr-ms)|*.dvr-ms|",
  "iTunes视频格式 (*.m4v)|*.m4v|",
  "MP3音频格式 (*.mp3)|*.mp3|",
  "CD音频格式 (*.cda)|*.cda|",
  "WMA微软音频格式 (*.wma)|*.wma|",
  "WAVE音频格式 (*.wav)|*.wav|",
  "REAL音频格式 (*.ra;*.ram)|*.ra;*.ram|",
  "MP4音频格式 (*.m4a;*.mp4)|*.m4a;*.mp4|",
  "AAC高级音频格式 (*.aac)|*.aac|",
  "AC3音频格式 (*.ac3)|*.ac3|",
  "Monkey音频格式 (*.ape;*.cue)|*.ape;*.cue|",
  "Flac无损压缩音频格式\u3000(*.flac)|*.flac|",
  "MPEG音频编码格式(*.mpa)|*.mpa|",
  "MPEG 2音频编码格式(*.mp2)|*.mp2|",
  "OGG音频编码格式(*.ogg)|*.ogg|",
  "AIFF音频编码格式(*.aif; *.aiff)|*.aif; *.aiff|",
};

}  // namespace

void TForm1::Button21Click(TObject*) {
  String Filter;
  for (const char* Piece : OpenDialogFilter) Filter += Piece;
  OpenDialog1->SetFilter(Filter);
  OpenDialog2->SetFilter(Filter);
}
