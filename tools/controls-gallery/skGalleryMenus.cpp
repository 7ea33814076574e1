#include "tools/controls-gallery/skGalleryMenus.h"

#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/toolkit/ShortCuts.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/core/TskSkinData.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMainMenu.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "skin/form/TskSkinMainMenuBarItem.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/TskSkinMenuItem.h"
#include "skin/form/TskSkinPopupMenu.h"
#include "skin/form/TskSkinPopupWindow.h"
#include "tools/controls-gallery/TskControlsGallery.h"
#include "tools/controls-gallery/skGalleryFrames.h"

namespace {

/// Where the menus' form stands on the screen, and the part of the screen a cell copies.
constexpr TRect FormBounds = { 600, 40, 1000, 300 };
constexpr TRect CellArea = { 590, 30, 1010, 340 };

TMenuItem* Add(TMenuItem* Parent, const String& Caption, TShortCut Key = scNone) {
  auto* Item = new TMenuItem(Parent->Owner());
  Item->SetCaption(Caption);
  Item->SetShortCut(Key);
  Parent->Add(Item);
  return Item;
}

/// The converter's main menu with a full "文件" menu.
void FillMainMenu(TMenuItem* Items) {
  TMenuItem* File = Add(Items, "文件(&F)");
  Add(File, "添加文件(&A)...", ShortCut('O', { ssCtrl }));
  Add(File, "添加文件夹(&D)...");
  TMenuItem* Recent = Add(File, "最近的文件(&R)");
  Add(Recent, "演示视频.wmv");
  Add(Recent, "会议记录.avi");
  Add(File, "-");
  TMenuItem* Shutdown = Add(File, "完成后关机");
  Shutdown->SetChecked(true);
  TMenuItem* High = Add(File, "高质量");
  High->SetRadioItem(true);
  TMenuItem* Fast = Add(File, "快速");
  Fast->SetRadioItem(true);
  High->SetChecked(true);
  Add(File, "清空列表")->SetEnabled(false);
  Add(File, "-");
  Add(File, "退出(&X)", ShortCut(VK_F4, { ssAlt }));
  for (const char* Caption : { "编辑(&E)", "工具(&T)", "帮助(&H)" }) Add(Add(Items, Caption), "项");
}

}  // namespace

void AddMenuRows(TskControlsGallery& Gallery, HeadlessPresenter& Display) {
  TForm* Sheet = ShowBackdrop(CellArea);
  auto* Form = new TForm(nullptr);
  Form->SetBounds(FormBounds.Left, FormBounds.Top, FormBounds.Width(), FormBounds.Height());
  Form->SetCaption("菜单");
  auto* Frame = new TskSkinForm(Form);
  Frame->SetSkinData(Gallery.Skin());
  auto* Menu = new TskSkinMainMenu(Form);
  FillMainMenu(Menu->Items());
  auto* Bar = new TskSkinMainMenuBar(Form);
  Bar->SetParent(Form);
  Bar->SetSkinData(Gallery.Skin());
  Bar->SetMainMenu(Menu);
  Frame->SetMainMenuBar(Bar);
  Form->Show();
  Display.PumpUntilIdle();

  std::vector<std::pair<String, std::unique_ptr<TBitmap>>> Cells;
  // The file menu open from the bar, its recent-files submenu open beside it.
  const TRect FileItem = Bar->Item(0)->ObjectRect;
  const TPoint FileAt = Bar->ClientToScreen({ FileItem.Left + 8, FileItem.Top + 8 });
  Display.Click(FileAt.X, FileAt.Y);
  TskSkinPopupWindow* Level = Frame->SkinMenu->PopupList().front();
  for (const auto& Row : Level->ItemList)
    if (Row->MenuItem->Caption() == "最近的文件(&R)") {
      const TPoint P = Level->ClientToScreen({ Row->ObjectRect.Left + 20, Row->ObjectRect.Top + 5 });
      Display.MoveTo(P.X, P.Y);
    }
  Display.Advance(600);
  Cells.emplace_back("菜单栏与子菜单", ScreenPicture(Display, CellArea));
  Frame->SkinMenu->Hide();
  Display.Advance(300);

  // A context menu with a header, a disabled item and a shortcut.
  auto* Context = new TskSkinPopupMenu(Form);
  Add(Context->Items(), "-任务-")->SetEnabled(false);
  Add(Context->Items(), "开始转换", ShortCut(VK_F5, {}));
  Add(Context->Items(), "暂停")->SetEnabled(false);
  Add(Context->Items(), "-");
  Add(Context->Items(), "删除", ShortCut(VK_DELETE, {}));
  Context->Popup(FormBounds.Left + 60, FormBounds.Top + 70);
  Display.PumpUntilIdle();
  Cells.emplace_back("右键菜单", ScreenPicture(Display, CellArea));
  Frame->SkinMenu->Hide();
  Display.PumpUntilIdle();

  // The bar in tool-bar mode: the skin's tool panel behind tool-button items, the second one hot.
  Bar->SetUseSkinSize(false);
  Bar->SetToolBarMode(true);
  Display.PumpUntilIdle();
  const TRect EditItem = Bar->Item(1)->ObjectRect;
  const TPoint EditAt = Bar->ClientToScreen({ (EditItem.Left + EditItem.Right) / 2, EditItem.Top + 5 });
  Display.MoveTo(EditAt.X, EditAt.Y);
  Display.Advance(300);
  Cells.emplace_back("工具栏模式", ScreenPicture(Display, CellArea));
  Bar->SetToolBarMode(false);
  Bar->SetUseSkinSize(true);
  Display.MoveTo(FormBounds.Right + 5, FormBounds.Bottom + 5);
  Display.Advance(300);

  // A skin that makes the bar transparent: the form's background shows behind the items.
  if (TskSkinData* Skin = Gallery.Skin()) {
    Skin->MainMenuBarTransparent = true;
    Bar->Invalidate();
    Display.PumpUntilIdle();
    Cells.emplace_back("透明菜单栏", ScreenPicture(Display, CellArea));
    Skin->MainMenuBarTransparent = false;
  }

  Gallery.AddPictureRow("菜单", Cells);
  delete Form;
  delete Sheet;
  Display.PumpUntilIdle();
}
