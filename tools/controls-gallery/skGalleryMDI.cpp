#include "tools/controls-gallery/skGalleryMDI.h"

#include <memory>
#include <utility>
#include <vector>

#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/toolkit/TMainMenu.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "skin/form/TskActiveSkinObject.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMDITabsBar.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "tools/controls-gallery/TskControlsGallery.h"
#include "tools/controls-gallery/skGalleryFrames.h"

namespace {

using TCells = std::vector<std::pair<String, std::unique_ptr<TBitmap>>>;

constexpr TRect MainPlace { 200, 100, 760, 480 };

void AddMenuItem(TMainMenu* Menu, const String& Caption, Byte Group) {
  auto* Item = new TMenuItem(Menu);
  Item->SetCaption(Caption);
  Item->SetGroupIndex(Group);
  Menu->Items()->Add(Item);
}

}  // namespace

void AddMDIRow(TskControlsGallery& Gallery, HeadlessPresenter& Display) {
  // Children live in the client of the application's main form; the gallery has none of its own.
  if (!Application || Application->MainForm()) return;
  enum class TLayout { Cascaded, Maximized, Outside, SystemMenu };
  auto Take = [&](TLayout Layout) {
    TForm* Main = nullptr;
    Application->CreateForm(Main);
    Main->SetFormStyle(fsMDIForm);
    Main->SetCaption("多文档窗体");
    Main->SetBoundsRect(MainPlace);
    auto* Frame = new TskSkinForm(Main);
    Frame->SetSkinData(Gallery.Skin());
    auto* Menu = new TMainMenu(Main);
    AddMenuItem(Menu, "文件", 0);
    AddMenuItem(Menu, "窗口", 9);
    auto* Bar = new TskSkinMainMenuBar(Main);
    Bar->SetParent(Main);
    Bar->SetSkinData(Gallery.Skin());
    Bar->SetMainMenu(Menu);
    Frame->SetMainMenuBar(Bar);
    auto* Tabs = new TskSkinMDITabsBar(Main);
    Tabs->SetAlign(alTop);
    Tabs->SetTop(Bar->Height());
    Tabs->SetParent(Main);
    Tabs->SetSkinData(Gallery.Skin());
    Tabs->SetShowCloseButtons(true);
    Tabs->SetShowAddButton(true);
    Tabs->SetSkinForm(Frame);
    Frame->SetMDITabsBar(Tabs);
    Main->Show();
    const char* Names[] = { "文档一", "文档二", "文档三" };
    TskSkinForm* Second = nullptr;
    TskSkinForm* Last = nullptr;
    for (int i = 0; i < 3; ++i) {
      auto* Child = new TForm(Main);
      Child->SetName("Doc" + std::to_string(i + 1));
      Child->SetCaption(Names[i]);
      Child->SetFormStyle(fsMDIChild);
      Child->SetBounds(10 + 40 * i, 10 + 30 * i, 260, 170);
      if (Layout == TLayout::Outside && i == 2) Child->SetBounds(380, 200, 260, 170);
      // The last child, the active one, brings a menu of its own into the bar.
      if (i == 2) {
        auto* ChildMenu = new TMainMenu(Child);
        AddMenuItem(ChildMenu, "编辑", 1);
        AddMenuItem(ChildMenu, "视图", 1);
      }
      auto* ChildFrame = new TskSkinForm(Child);
      ChildFrame->SetSkinData(Gallery.Skin());
      Child->Show();
      if (i == 1) Second = ChildFrame;
      if (i == 2) Last = ChildFrame;
    }
    if (Layout == TLayout::Maximized) Second->SetWindowState(wsMaximized);
    Display.PumpUntilIdle();
    // The active child's system menu drops from its button.
    if (const int Button = Last->GetIndex("sysmenubutton"); Layout == TLayout::SystemMenu && Button != -1) {
      const TRect R = Last->FrameToScreen(Last->ObjectList[size_t(Button)]->ObjectRect);
      Display.Click((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
      Display.PumpUntilIdle();
    }
    // An open menu is a window of its own over the form: the screen shows both.
    std::unique_ptr<TBitmap> Picture =
        Layout == TLayout::SystemMenu ? ScreenPicture(Display, Main->BoundsRect()) : WindowPicture(Main);
    delete Main;
    Display.PumpUntilIdle();
    return Picture;
  };
  TCells Cells;
  Cells.emplace_back("三个子窗体与标签，活动子窗体的菜单并入菜单栏", Take(TLayout::Cascaded));
  Cells.emplace_back("子窗体最大化：菜单栏上的按钮", Take(TLayout::Maximized));
  Cells.emplace_back("子窗体超出客户区：滚动条", Take(TLayout::Outside));
  Cells.emplace_back("活动子窗体的系统菜单", Take(TLayout::SystemMenu));
  Gallery.AddPictureRow("多文档", Cells);
}
