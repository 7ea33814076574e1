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
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMDITabsBar.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "tools/controls-gallery/TskControlsGallery.h"
#include "tools/controls-gallery/skGalleryFrames.h"

namespace {

using TCells = std::vector<std::pair<String, std::unique_ptr<TBitmap>>>;

constexpr TRect MainPlace { 200, 100, 760, 480 };

void AddMenuItem(TMainMenu* Menu, const String& Caption) {
  auto* Item = new TMenuItem(Menu);
  Item->SetCaption(Caption);
  Menu->Items()->Add(Item);
}

}  // namespace

void AddMDIRow(TskControlsGallery& Gallery, HeadlessPresenter& Display) {
  // Children live in the client of the application's main form; the gallery has none of its own.
  if (!Application || Application->MainForm()) return;
  auto Take = [&](bool Maximized) {
    TForm* Main = nullptr;
    Application->CreateForm(Main);
    Main->SetFormStyle(fsMDIForm);
    Main->SetCaption("多文档窗体");
    Main->SetBoundsRect(MainPlace);
    auto* Frame = new TskSkinForm(Main);
    Frame->SetSkinData(Gallery.Skin());
    auto* Menu = new TMainMenu(Main);
    AddMenuItem(Menu, "文件");
    AddMenuItem(Menu, "窗口");
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
    for (int i = 0; i < 3; ++i) {
      auto* Child = new TForm(Main);
      Child->SetName("Doc" + std::to_string(i + 1));
      Child->SetCaption(Names[i]);
      Child->SetFormStyle(fsMDIChild);
      Child->SetBounds(10 + 40 * i, 10 + 30 * i, 260, 170);
      auto* ChildFrame = new TskSkinForm(Child);
      ChildFrame->SetSkinData(Gallery.Skin());
      Child->Show();
      if (i == 1) Second = ChildFrame;
    }
    if (Maximized) Second->SetWindowState(wsMaximized);
    Display.PumpUntilIdle();
    std::unique_ptr<TBitmap> Picture = WindowPicture(Main);
    delete Main;
    Display.PumpUntilIdle();
    return Picture;
  };
  TCells Cells;
  Cells.emplace_back("三个子窗体与标签", Take(false));
  Cells.emplace_back("子窗体最大化：菜单栏上的按钮", Take(true));
  Gallery.AddPictureRow("多文档", Cells);
}
