#include "app/catalogue/CatalogueSteps.h"

#include "app/catalogue/FormatCatalogue.h"
#include "app/catalogue/FormatParameters.h"
#include "app/catalogue/PresetCode.h"
#include "app/catalogue/PresetMapping.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"

namespace {

void WriteParameterCells(const TVideoParams& Params, ISelectedJobRow& Row) {
  Row.SetCell(JobCell::VideoCodec, Params.Video_VideoCodec);
  Row.SetCell(JobCell::AudioCodec, Params.Video_AudioCodec);
  Row.SetCell(JobCell::AudioChannels, Params.Video_AudioChannels);
  Row.SetCell(JobCell::VideoTag, Params.Video_VideoTag);
  Row.SetCell(JobCell::FileExt, Params.Video_FileExt);
  Row.SetCell(JobCell::FrameSize, Params.Video_FrameSize);
  Row.SetCell(JobCell::VideoBitrate, IntToStr(Params.Video_VideoBitrate));
  Row.SetCell(JobCell::FrameRate, Params.Video_FrameRate);
  Row.SetCell(JobCell::AudioBitrate, IntToStr(Params.Video_AudioBitrate));
  Row.SetCell(JobCell::AudioSampleRate, Params.Video_AudioSampleRate);
  Row.SetCell(JobCell::FrameAspectRatio, Params.Video_FrameAspectRatio);
  Row.SetCell(JobCell::DisableVideo, Params.Video_DisableVideo ? "True" : "False");
  Row.SetCell(JobCell::TargetType, Params.Video_TargetType);
  Row.SetCell(JobCell::NormType, Params.Video_NormType);
}

String DefaultPresetCode(const PresetSet& Set) {
  std::array<int, PresetRoleCount> Indexes {};
  for (TPresetRole Role : PresetClearOrder)
    Indexes[size_t(Role)] = Set.Choice(Role).DefaultIndex;
  return PresetCode(Indexes);
}

}  // namespace

void RecordFormatKey(int FormatKey, TCatalogueTarget& Target) {
  if (!Target.All_Trant_Number)
    return;
  *Target.All_Trant_Number = FormatKey + 100;
  Target.Params.Video_DisableVideo = false;
}

void FillFormatList(int CategoryIndex, IFormatCombo& Formats) {
  Formats.ClearItems();
  Formats.Repaint();
  const std::span<const std::string_view> Group = FormatGroup(CategoryImageIndex(CategoryIndex));
  for (size_t Index = 0; Index < Group.size(); ++Index)
    Formats.AddItem(String(Group[Index]), int(Index % 2));
  Formats.Repaint();
  Formats.SetItemIndex(0);
}

void FillPresetCombos(int FormatKey, const TPresetCombos& Combos) {
  for (TPresetRole Role : PresetClearOrder)
    Combos[Role].ClearItems();
  for (TPresetRole Role : PresetClearOrder)
    Combos[Role].SetEnabled(true);
  const PresetSet* Set = FindPresetSet(FormatKey);
  if (!Set)
    return;
  for (TPresetRole Role : PresetFillOrder) {
    const PresetChoice& Choice = Set->Choice(Role);
    for (std::string_view Entry : Choice.List->Entries)
      Combos[Role].AddItem(String(Entry));
    Combos[Role].SetItemIndex(Choice.DefaultIndex);
  }
  if (Set->AudioOnly)
    for (TPresetRole Role : PresetVideoRoles)
      Combos[Role].SetEnabled(false);
}

void ApplyFormat(int FormatKey, TCatalogueTarget& Target) {
  TVideoParams& Params = Target.Params;
  RecordFormatKey(FormatKey, Target);
  if (const FormatParameters* Row = FindFormatParameters(FormatKey)) {
    Params.Video_OutPutFileName = OutputFileName(Target.Naming.Folder, Params.Video_AddFileName, Row->Extension);
    Row->AssignTo(Params);
  }
  Params.Video_OutPutFileName = AutoRenameOutputFile(Params.Video_OutPutFileName, Target.Naming);
  if (Target.SelectedRow)
    WriteParameterCells(Params, *Target.SelectedRow);
}

void ApplyPresets(const TPresetCombos& Combos, TVideoParams& Params) {
  static constexpr TPresetRole MappingOrder[] = {
    TPresetRole::Resolution, TPresetRole::FrameRate,    TPresetRole::VideoBitrate,
    TPresetRole::SampleRate, TPresetRole::AudioBitrate, TPresetRole::AspectMode,
  };
  for (TPresetRole Role : MappingOrder)
    MapPresetText(Role, Combos[Role].Text(), Params);
}

void PresetChange(TPresetRole Role, const IPresetCombo& Combo, TCatalogueTarget& Target) {
  ISelectedJobRow* Row = Target.SelectedRow;
  if (!Row)
    return;
  Row->SetCell(JobCell::Presets, ReplacePresetCodePair(Row->Cell(JobCell::Presets), Role, Combo.ItemIndex()));
  MapPresetText(Role, Combo.Text(), Target.Params);
  Row->SetCell(PresetParameterCell(Role), PresetFieldText(Role, Target.Params));
  Row->FocusJobList();
}

void FormatChange(int CategoryIndex, const IFormatCombo& Formats, ISelectedJobRow* Row,
                  const TFormatChangeSteps& Steps) {
  const int FormatIndex = Formats.ItemIndex();
  const int Key = FormatKey(CategoryIndex, FormatIndex);
  Steps.FillPresets();
  const String Extension = FormatExtension(Formats.ItemCaption(FormatIndex));
  if (!Row)
    return;
  if (const PresetSet* Set = FindPresetSet(Key))
    Row->SetCell(JobCell::Presets, DefaultPresetCode(*Set));
  Steps.ApplyFormat();
  Steps.ApplyPresets();
  Row->SetCell(JobCell::OutputFile, ChangeFileExt(ExtractFileName(Row->Cell(JobCell::OutputFile)), Extension));
  Row->SetCell(JobCell::FormatCode, IntToStr(RowFormatCode(CategoryIndex, FormatIndex)));
  Row->FocusJobList();
}

void CopyPresetIndexes(const TPresetCombos& From, const TPresetCombos& To) {
  static constexpr TPresetRole CopyOrder[] = {
    TPresetRole::Resolution, TPresetRole::VideoBitrate, TPresetRole::FrameRate,
    TPresetRole::AspectMode, TPresetRole::AudioBitrate, TPresetRole::SampleRate,
  };
  for (TPresetRole Role : CopyOrder)
    To[Role].SetItemIndex(From[Role].ItemIndex());
}
