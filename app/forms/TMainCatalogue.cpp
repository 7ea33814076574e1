#include "app/forms/TMainCatalogue.h"

#include "app/forms/TForm1.h"
#include "app/forms/TForm5.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "platform/ui/toolkit/TListItem.h"
#include "platform/ui/toolkit/TListItems.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "skin/controls/TskSkinCustomListView.h"

namespace {

/// True when a row of List other than Except already writes the output file Name.
bool HeldByRow(TskSkinListView& List, const String& Name, const TListItem* Except) {
  for (int i = 0; i < List.Items()->Count(); ++i) {
    if (List.Items()->Item(i) == Except) continue;
    TStrings* Cells = List.Items()->Item(i)->SubItems();
    if (Cells->Count() > JobCell::OutputFile && Cells->Strings(JobCell::OutputFile) == Name) return true;
  }
  return false;
}

TOutputNaming MainNaming(TForm1& Form) {
  TOutputNaming Naming;
  Naming.Folder = Form.Video_OutPut_Folder_Edit->Text();
  // The options dialog's choice "overwrite"; it does not exist yet while the main window starts.
  Naming.Overwrite = Form5 && Form5->skSkinCheckRadioBox3->Checked();
  return Naming;
}

}  // namespace

TMainCatalogue::TMainCatalogue(TForm1& Form)
  : CategoryIndex(Form.skSkinOfficeComboBox2->ItemIndex()),
    Formats(*Form.skSkinOfficeComboBox1),
    Resolution(*Form.skSkinComboBox1),
    VideoBitrate(*Form.skSkinComboBox2),
    AudioBitrate(*Form.skSkinComboBox3),
    AspectMode(*Form.skSkinComboBox4),
    FrameRate(*Form.skSkinComboBox9),
    SampleRate(*Form.skSkinComboBox10),
    Presets(Resolution, VideoBitrate, AudioBitrate, AspectMode, FrameRate, SampleRate),
    Target { Form, MainNaming(Form) } {
  if (TListItem* Selected = Form.lvFiles->Selected()) {
    Row.emplace(*Selected, *Form.lvFiles);
    Target.SelectedRow = &*Row;
  }
  // A step that writes the selected row replaces that row's own output name, so only the other rows' names
  // are taken for it; a step that writes no row (an add) counts every row.
  Target.Naming.HeldByJob = [this, List = Form.lvFiles](const String& Name) {
    return HeldByRow(*List, Name, Target.SelectedRow ? List->Selected() : nullptr);
  };
}
