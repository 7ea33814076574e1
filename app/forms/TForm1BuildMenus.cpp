// The main window's skin models with their stored skins and string table, its menus and its dialogs.
#include "app/forms/TForm1.h"
#include "platform/ui/toolkit/ShortCuts.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "resources/EmbeddedSkins.h"
#include "skin/controls/TskPngImageList.h"
#include "skin/core/TskCompressedSkinList.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/TskSkinListItems.h"
#include "skin/dialogs/TskSkinOpenDialog.h"
#include "skin/dialogs/TskSkinSelectDirectoryDialog.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMainMenu.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "skin/form/TskSkinPopupMenu.h"

namespace {

/// Appends Item to Parent with its caption, enabled state and shortcut.
void AddItem(TMenuItem* Parent, TMenuItem* Item, const char* Caption, bool Enabled = true,
             TShortCut Key = scNone) {
  Item->SetCaption(Caption);
  Item->SetEnabled(Enabled);
  Item->SetShortCut(Key);
  Parent->Add(Item);
}

void FillPngList(TskPngImageList* List, int Size, const std::vector<String>& Names) {
  List->SetPngWidth(Size);
  List->SetPngHeight(Size);
  AddResourcePngs(List, Names);
}

}  // namespace

void TForm1::AssignSkinComponents() {
  // Both lists hold the product skin. The first model's stored index 1 lies outside its one-skin list: it
  // is kept while no list is attached, and attaching the list then loads nothing, so the first model has
  // no skin until the start-up skin step. The second model loads its skin as soon as its list is attached.
  skCompressedSkinList1->Skins()->Add()->SetSkin(ProductSkinContainer());
  skCompressedSkinList2->Skins()->Add()->SetSkin(ProductSkinContainer());
  skSkinData1->SetSkinIndex(1);
  skSkinData2->SetSkinIndex(0);

  skSkinForm1->SetBorderIcons({ TskBorderIcon::biMinimize });
  skSkinForm1->SetClientWidth(830);
  skSkinForm1->SetClientHeight(466);
  skSkinForm1->SetPositionInMonitor(skpScreenCenter);
  TFont CaptionFont;
  CaptionFont.SetName("Arial");
  CaptionFont.SetHeight(14);
  CaptionFont.SetStyle({ fsBold });
  skSkinForm1->SetDefCaptionFont(&CaptionFont);

  FillPngList(skPngImageList1, 32, { "TOOL_ADD", "TOOL_REMOVE", "TOOL_CLEAR", "TOOL_OPTIONS" });
  FillPngList(skPngImageList2, 16,
              { "PREVIEW_PLAY", "PREVIEW_PAUSE", "PREVIEW_STOP", "PREVIEW_MUTE", "PREVIEW_UNMUTE",
                "PREVIEW_SNAPSHOT", "PREVIEW_SETTINGS" });
  FillPngList(skPngImageList3, 32, { "FORMAT_VIDEO", "FORMAT_VIDEO_ALT", "FORMAT_AUDIO" });
  FillPngList(skPngImageList4, 16, { "RENAME" });
  FillPngList(skPngImageList5, 36,
              { "CAT00_VIDEO",   "CAT01_AUDIO",       "CAT02_HD",        "CAT03_TV",         "CAT04_CAMCORDER",
                "CAT05_FILMREEL", "CAT06_PHONE",      "CAT07_TOUCHPLAYER", "CAT08_GAMEPAD",  "CAT09_MEDIAPLAYER",
                "CAT10_MP4",     "CAT11_FLASH",       "CAT12_WEB",       "CAT13_MPG",        "CAT14_MOV",
                "CAT15_AVI",     "CAT16_MKV",         "CAT17_WMV",       "CAT18_ASF",        "CAT19_RM",
                "CAT20_VOB",     "CAT21_HEADPHONES",  "CAT22_AUDIOCD",   "CAT23_MICROPHONE" });
  FillPngList(skPngImageList7, 32, { "BATCH_START" });
  FillPngList(skPngImageList8, 32, { "BATCH_STOP", "BATCH_PAUSE", "BATCH_RESUME" });
}

void TForm1::AssignMenus() {
  TMenuItem* Bar = skSkinMainMenu1->Items();
  AddItem(Bar, Item11, "文件");
  AddItem(Item11, Item111, "添加一个文件");
  AddItem(Item11, Item121, "添加多个文件");
  AddItem(Item11, N21, "添加整个目录");
  AddItem(Item11, N3, "-");
  AddItem(Item11, N4, "退出");
  AddItem(Bar, N6, "编辑");
  AddItem(N6, N111, "上移文件");
  AddItem(N6, N2221, "下移文件");
  AddItem(N6, N12, "-");
  AddItem(N6, N13, "删除选择", false);
  AddItem(N6, N14, "清空文件", false);
  AddItem(N6, N25, "-");
  AddItem(N6, N26, "重新命名", false);
  AddItem(Bar, N1, "动作");
  AddItem(N1, N7, "开始转换", false);
  AddItem(N1, N8, "停止转换", false);
  AddItem(N1, N9, "-");
  AddItem(N1, N10, "暂停转换", false);
  AddItem(N1, N11, "继续继续", false);
  AddItem(N1, N23, "-");
  AddItem(N1, N24, "转换选项");
  AddItem(Bar, N2, "帮助");
  AddItem(N2, N15, "帮助系统", true, ShortCut(VK_F1, {}));
  AddItem(N2, N16, "-");
  AddItem(N2, N19, "官方网站");
  AddItem(N2, EMAIL1, "联系邮箱");
  AddItem(N2, N5, "关于软件");

  skSkinMainMenuBar1->SetParent(this);
  skSkinMainMenuBar1->SetBounds(0, 0, 830, 22);

  AddItem(skSkinPopupMenu1->Items(), N11111, "添加一个文件");
  AddItem(skSkinPopupMenu1->Items(), N2222, "添加多个文件");
  AddItem(skSkinPopupMenu1->Items(), N3331, "添加整个目录");

  TMenuItem* Snapshot = skSkinPopupMenu2->Items();
  AddItem(Snapshot, MenuItem1, "打开快照目录");
  AddItem(Snapshot, MenuItem2, "设置快照目录");
  AddItem(Snapshot, MenuItem3, "-");
  AddItem(Snapshot, N27, "快照保存类型");
  for (auto [Item, Caption] : { std::pair { BMP1, "BMP文件" }, std::pair { JPG1, "JPG文件" },
                                std::pair { GIF1, "GIF文件" }, std::pair { PNG1, "PNG文件" } }) {
    AddItem(N27, Item, Caption);
    Item->SetRadioItem(true);
    Item->SetGroupIndex(0);
  }
  BMP1->SetChecked(true);
}

void TForm1::AssignDialogs() {
  for (TskSkinOpenDialog* Dialog : { OpenDialog1, OpenDialog2 }) {
    Dialog->SetTitle("打开文件");
    Dialog->SetCheckFileExists(true);
    Dialog->SetFilterIndex(1);
  }
  OpenDialog2->SetMultiSelection(true);
  skSkinSelectDirectoryDialog1->SetTitle("选择目录");
  skSkinSelectDirectoryDialog1->SetShowToolBar(false);
  skSkinSelectDirectoryDialog2->SetTitle("选择输出目录");
  skSkinSelectDirectoryDialog2->SetShowToolBar(false);
}
