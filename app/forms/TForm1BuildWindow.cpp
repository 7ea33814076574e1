// The main window's visible areas: tool bar, job list, preview group and the lower panel with the format
// choice and the output folder. Places are client coordinates of the 830 x 466 client area.
#include "app/catalogue/FormatCatalogue.h"
#include "app/forms/TForm1.h"
#include "app/jobs/JobTexts.h"
#include "platform/gdi/EmbeddedResources.h"
#include "platform/gdi/TPngImage.h"
#include "platform/ui/toolkit/TImage.h"
#include "platform/ui/toolkit/TListColumn.h"
#include "platform/ui/toolkit/TListColumns.h"
#include "platform/ui/toolkit/TPanel.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/boxctrls/TskSkinOfficeComboBox.h"
#include "skin/boxctrls/TskSkinOfficeItems.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/controls/TskSkinMenuSpeedButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinSlider.h"
#include "skin/controls/TskSkinTextLabel.h"

namespace {

/// Shows the embedded PNG picture Name in Image.
void ShowPicture(TImage* Image, const char* Name) {
  TPngImage Png;
  LoadFromResourceName(Png, Name);
  Image->Picture()->Assign(&Png);
}

/// A tool-bar button: a 64 x 64 button with its picture above its caption.
template <class TToolButton>
void PlaceToolButton(TToolButton* Button, TWinControl* Parent, int Left, const char* Caption, int ImageIndex) {
  Button->SetParent(Parent);
  Button->SetBounds(Left, 4, 64, 64);
  Button->SetCaption(Caption);
  Button->SetLayout(blGlyphTop);
  Button->SetImageIndex(ImageIndex);
}

/// A 30 x 30 button of the preview group: a picture of skPngImageList2 and a hint, never focused.
void PlacePreviewButton(TskSkinButton* Button, TWinControl* Parent, int Left, const char* Hint, int ImageIndex) {
  Button->SetParent(Parent);
  Button->SetSkinDataName("resizetoolbutton");
  Button->SetBounds(Left, 204, 30, 30);
  Button->SetCaption("");
  Button->SetHint(Hint);
  Button->SetShowHint(true);
  Button->SetImageIndex(ImageIndex);
  Button->SetCanFocused(false);
}

}  // namespace

void TForm1::AssignToolBar() {
  ToolBarPanel->SetParent(this);
  ToolBarPanel->SetSkinDataName("toolpanel");
  ToolBarPanel->SetBounds(0, 22, 830, 72);
  ToolBarPanel->SetCaption("");
  skSkinMenuSpeedButton1->SetSkinDataName("toolmenubutton");
  PlaceToolButton(skSkinMenuSpeedButton1, ToolBarPanel, 8, "添加", 0);
  skSkinMenuSpeedButton1->SetTrackPosition(sktpBottom);
  for (auto [Button, Left, Caption, Image] :
       { std::tuple { skSkinButton7, 76, "删除", 1 }, std::tuple { skSkinButton8, 144, "清空", 2 },
         std::tuple { skSkinButton19, 212, "选项", 3 }, std::tuple { skSkinButton2, 622, "开始", 0 },
         std::tuple { skSkinButton10, 690, "停止", 0 }, std::tuple { skSkinButton12, 758, "继续", 2 },
         std::tuple { skSkinButton11, 758, "暂停", 1 } }) {
    Button->SetSkinDataName("bigtoolbutton");
    PlaceToolButton(Button, ToolBarPanel, Left, Caption, Image);
    Button->SetCanFocused(false);
  }
  for (TskSkinButton* Off : { skSkinButton7, skSkinButton8, skSkinButton2, skSkinButton10, skSkinButton11,
                              skSkinButton12 })
    Off->SetEnabled(false);
}

void TForm1::AssignJobList() {
  skSkinPanel1->SetParent(this);
  skSkinPanel1->SetBounds(8, 99, 568, 225);
  skSkinPanel1->SetCaption("");
  // The list brings its own skinned frame; a borderless panel puts it at offset 0, where the rename editor's
  // position (columns 0-2 plus the list's offset in its panel) lands on the output cell.
  skSkinPanel1->SetBorderStyle(TskSkinBorderStyle::bvNone);
  lvFiles->SetParent(skSkinPanel1);
  lvFiles->SetBounds(0, 0, 568, 225);
  lvFiles->SetAlign(alClient);
  lvFiles->SetViewStyle(vsReport);
  lvFiles->SetRowSelect(true);
  lvFiles->SetGridLines(true);
  lvFiles->SetReadOnly(true);
  lvFiles->SetHideSelection(false);
  for (const TJobColumn& Job : JobColumns) {
    TListColumn* Column = lvFiles->Columns()->Add();
    Column->SetCaption(Job.Caption);
    Column->SetWidth(Job.Width);
    Column->SetMaxWidth(Job.MaxWidth);
  }

  skSkinPanel5->SetParent(this);
  skSkinPanel5->SetBounds(8, 99, 568, 225);
  skSkinPanel5->SetCaption("");
  CoverImage->SetParent(skSkinPanel5);
  CoverImage->SetAlign(alClient);
  CoverImage->SetCenter(true);
  ShowPicture(CoverImage, "LIST_COVER");

  for (auto [Button, Left, Caption, Hint] :
       { std::tuple { skSkinButton21, 8, "", "重命名" }, std::tuple { skSkinButton3, 42, "▲", "上移" },
         std::tuple { skSkinButton4, 76, "▼", "下移" } }) {
    Button->SetParent(this);
    Button->SetSkinDataName("resizetoolbutton");
    Button->SetBounds(Left, 330, 30, 30);
    Button->SetCaption(Caption);
    Button->SetHint(Hint);
    Button->SetShowHint(true);
    Button->SetCanFocused(false);
  }
  skSkinButton21->SetImageIndex(0);
  skSkinButton21->SetEnabled(false);
}

void TForm1::AssignPreview() {
  skSkinPanel3->SetParent(this);
  skSkinPanel3->SetSkinDataName("groupbox");
  skSkinPanel3->SetBounds(584, 99, 226, 261);
  skSkinPanel3->SetCaption("视频预览");
  skSkinPanel3->SetCaptionMode(true);
  skSkinSlider1->SetParent(skSkinPanel3);
  skSkinSlider1->SetSkinDataName("slider");
  skSkinSlider1->SetBounds(3, 173, 218, 31);
  skSkinSlider1->SetOptions({ soShowFocus, soSmooth });
  skSkinSlider1->SetMaxValue(218);
  skSkinSlider1->SetIncrement(5);
  PlacePreviewButton(skSkinButton13, skSkinPanel3, 8, "播放", 0);
  PlacePreviewButton(skSkinButton14, skSkinPanel3, 45, "暂停", 1);
  PlacePreviewButton(skSkinButton15, skSkinPanel3, 79, "停止", 2);
  PlacePreviewButton(skSkinButton16, skSkinPanel3, 115, "静音", 3);
  PlacePreviewButton(skSkinButton20, skSkinPanel3, 115, "静音", 4);
  skSkinButton20->SetVisible(false);
  PlacePreviewButton(skSkinButton22, skSkinPanel3, 151, "快照", 5);
  PlacePreviewButton(skSkinButton23, skSkinPanel3, 187, "设置", 6);

  Panel6->SetParent(this);
  Panel6->SetBounds(591, 131, 210, 135);
  Panel6->SetBevelOuter(bvNone);
  Panel6->SetCaption("");
  Panel6->SetColor(clBtnText);
  Image18->SetParent(Panel6);
  Image18->SetBounds(67, 33, 84, 87);
  ShowPicture(Image18, "PREVIEW_PLACEHOLDER");
}

void TForm1::AssignLowerPanel() {
  skSkinPanel2->SetParent(this);
  skSkinPanel2->SetBounds(8, 366, 802, 92);
  skSkinPanel2->SetCaption("");
  skSkinOfficeComboBox2->SetParent(skSkinPanel2);
  skSkinOfficeComboBox2->SetBounds(8, 8, 160, skSkinOfficeComboBox2->Height());
  for (const FormatCategory& Category : FormatCategories()) {
    TskSkinOfficeItem* Item = skSkinOfficeComboBox2->Items()->Add();
    Item->SetCaption(String(Category.Caption));
    Item->SetImageIndex(Category.ImageIndex);
  }
  skSkinOfficeComboBox2->SetItemIndex(0);
  skSkinOfficeComboBox1->SetParent(skSkinPanel2);
  skSkinOfficeComboBox1->SetBounds(176, 8, 330, skSkinOfficeComboBox1->Height());
  skSkinButton24->SetParent(skSkinPanel2);
  skSkinButton24->SetBounds(514, 8, 80, 25);
  skSkinButton24->SetCaption("设置...");

  skSkinTextLabel1->SetParent(skSkinPanel2);
  skSkinTextLabel1->SetAutoSize(true);
  skSkinTextLabel1->SetLeft(8);
  skSkinTextLabel1->SetTop(62);
  skSkinTextLabel1->Lines()->Add("输出目录：");
  Video_OutPut_Folder_Edit->SetParent(skSkinPanel2);
  Video_OutPut_Folder_Edit->SetSkinDataName("edit");
  Video_OutPut_Folder_Edit->SetBounds(80, 58, 420, Video_OutPut_Folder_Edit->Height());
  Video_OutPut_Folder_Edit->SetReadOnly(true);
  for (auto [Button, Left, Caption] :
       { std::tuple { skSkinButton5, 508, "浏览..." }, std::tuple { skSkinButton6, 591, "打开" } }) {
    Button->SetParent(skSkinPanel2);
    Button->SetSkinDataName("resizebutton");
    Button->SetBounds(Left, 58, 75, 25);
    Button->SetCaption(Caption);
  }
}
