// The converter's job list: 10,000 rows of 7 cells in a skinned report view with its header painted from
// the product skin and two external skinned bars, repainted whole, against the plain platform list view
// of the same rows and size in the same run (aim: at most 1.3 times its time). A third case paints the
// rows from the skin's list-box record as well.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/base/TMemoryStream.h"
#include "platform/display/HeadlessPresenter.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/toolkit/TListView.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/Ui.h"
#include "resources/EmbeddedSkins.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/core/TskCompressedStoredSkin.h"
#include "skin/core/TskSkinData.h"

namespace {

constexpr int Rows = 10000;
constexpr int Cells = 7;

enum class TList { Plain, Skinned, SkinDrawn };

/// A form with the job list filled and shown on a headless screen.
struct Scene {
  explicit Scene(TList Kind) {
    Form = new TForm(&App);
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(0, 0, 700, 500);
    TCustomListView* List = nullptr;
    if (Kind == TList::Plain) {
      List = new TListView(Form);
    } else {
      TMemoryStream Bytes;
      const auto Container = ProductSkinContainer();
      Bytes.WriteBuffer(Container.data(), Int64(Container.size()));
      TskCompressedStoredSkin Stored(nullptr);
      Stored.LoadFromCompressStream(&Bytes);
      Skin.LoadCompressedStoredSkin(&Stored);
      auto* Skinned = new TskSkinListView(Form);
      Skinned->SetHeaderSkinDataName("resizetoolbutton");
      List = Skinned;
    }
    List->SetViewStyle(vsReport);
    List->SetRowSelect(true);
    List->SetGridLines(true);
    List->SetBounds(0, 0, 660, 460);
    List->SetParent(Form);
    for (int C = 0; C < Cells; ++C) List->Columns()->Add()->SetWidth(80);
    List->Items()->BeginUpdate();
    for (int R = 0; R < Rows; ++R) {
      TListItem* Item = List->Items()->Add();
      Item->SetCaption("视频 " + std::to_string(R) + ".mp4");
      for (int C = 1; C < Cells; ++C) Item->SubItems()->Add(std::to_string(R * C));
    }
    List->Items()->EndUpdate();
    List->SetItemIndex(3);
    if (auto* Skinned = dynamic_cast<TskSkinListView*>(List)) {
      auto* VBar = new TskSkinScrollBar(Form);
      VBar->SetKind(sbVertical);
      VBar->SetBounds(660, 0, 19, 460);
      VBar->SetParent(Form);
      VBar->SetSkinData(&Skin);
      auto* HBar = new TskSkinScrollBar(Form);
      HBar->SetBounds(0, 460, 660, 19);
      HBar->SetParent(Form);
      HBar->SetSkinData(&Skin);
      Skinned->SetSkinData(&Skin);
      Skinned->SetVScrollBar(VBar);
      Skinned->SetHScrollBar(HBar);
      Skinned->SetDrawSkin(Kind == TList::SkinDrawn);
    }
    Form->Show();
    ProcessPendingMessages();
    Wnd = List->Handle();
  }
  ~Scene() { delete Form; }

  HeadlessPresenter Presenter { { 1280, 800 } };
  TApplication App { nullptr };
  TskSkinData Skin { nullptr };
  TForm* Form { nullptr };
  HWND Wnd { 0 };
};

/// One full repaint of the list, its header and (for the skinned list) nothing else.
void BM_RepaintJobList(benchmark::State& State) {
  Scene S(TList(State.range(0)));
  for (auto _ : State) RedrawWindow(S.Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  State.SetItemsProcessed(int64_t(State.iterations()));
}

BENCHMARK(BM_RepaintJobList)
    ->Arg(int(TList::Plain))
    ->Arg(int(TList::Skinned))
    ->Arg(int(TList::SkinDrawn))
    ->ArgName("plain0_skinned1_skindrawn2")
    ->Unit(benchmark::kMillisecond);

}  // namespace
