#pragma once
// Job rows for the tests that select rows and change their format: made as adding one file makes them,
// without the engine, and read back.
#include <array>
#include <vector>

#include "app/catalogue/FormatCatalogue.h"
#include "app/catalogue/PresetCode.h"
#include "app/catalogue/PresetTables.h"
#include "app/forms/TForm1.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/TButton.h"
#include "platform/ui/toolkit/TListItem.h"
#include "platform/ui/toolkit/TListItems.h"
#include "skin/boxctrls/TskSkinComboBox.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/controls/TskSkinPanel.h"

/// Appends a row for InputFile with the cells an add of the main window's current choice gives it: the
/// format step and the preset mapping run as the add runs them (no existing row changes), then the row
/// takes the output name, the task number, the format and preset codes of the combos and the parameters,
/// and the cover over the list goes. Selects nothing: the add selects its row afterwards.
inline TListItem* AppendJobRow(TForm1& Form, const String& InputFile) {
  Form.Button6->Click();
  Form.Video_AddFileName = InputFile;
  Form.Button5->Click();
  Form.Button13->Click();
  Form.skSkinPanel5->Hide();
  const std::array<int, PresetRoleCount> Presets {
    Form.skSkinComboBox1->ItemIndex(), Form.skSkinComboBox2->ItemIndex(), Form.skSkinComboBox3->ItemIndex(),
    Form.skSkinComboBox4->ItemIndex(), Form.skSkinComboBox9->ItemIndex(), Form.skSkinComboBox10->ItemIndex(),
  };
  const TVideoParams& Params = Form;
  const String Cells[] = {
    "00:00:02", "1MB", ExtractFileName(Params.Video_OutPutFileName), "", "", "", "",
    IntToStr(Form.lvFiles->Items()->Count() + 1),
    IntToStr(RowFormatCode(Form.skSkinOfficeComboBox2->ItemIndex(), Form.skSkinOfficeComboBox1->ItemIndex())),
    PresetCode(Presets), Params.Video_VideoCodec, Params.Video_AudioCodec, Params.Video_AudioChannels,
    Params.Video_VideoTag, "", Params.Video_FrameSize, IntToStr(Params.Video_VideoBitrate),
    Params.Video_FrameRate, IntToStr(Params.Video_AudioBitrate), Params.Video_AudioSampleRate,
    Params.Video_FrameAspectRatio, Params.Video_DisableVideo ? "True" : "False", Params.Video_TargetType,
    Params.Video_NormType,
  };
  TListItem* Row = Form.lvFiles->Items()->Add();
  Row->SetCaption(InputFile);
  for (const String& Cell : Cells) Row->SubItems()->Add(Cell);
  return Row;
}

/// The row's cells in order.
inline std::vector<String> CellsOf(TListItem* Row) {
  std::vector<String> Cells;
  for (int Index = 0; Index < Row->SubItems()->Count(); ++Index) Cells.push_back(Row->SubItems()->Strings(Index));
  return Cells;
}

/// The preset code of a format's default entries.
inline String DefaultPresetCode(int FormatKey) {
  std::array<int, PresetRoleCount> Indexes {};
  for (TPresetRole Role : PresetClearOrder) Indexes[size_t(Role)] = FindPresetSet(FormatKey)->Choice(Role).DefaultIndex;
  return PresetCode(Indexes);
}
