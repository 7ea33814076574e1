// A list box of 10,000 items scrolled from the top to the bottom a page at a time, each page painted: the
// skinned list box (built-in look, and painted from the product skin with its external bar following)
// against the platform list box of the same items and size in the same run (aim: at most 1.5 times its
// time).
#include <benchmark/benchmark.h>

#include <string>

#include "platform/base/TMemoryStream.h"
#include "platform/display/HeadlessPresenter.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/toolkit/TListBox.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/Ui.h"
#include "resources/EmbeddedSkins.h"
#include "skin/boxctrls/TskListBox.h"
#include "skin/boxctrls/TskSkinListBox.h"
#include "skin/core/TskCompressedStoredSkin.h"
#include "skin/core/TskSkinData.h"

namespace {

constexpr int Items = 10000;

enum class TList { Plain, BuiltIn, Skinned };

/// A form with the list filled and shown on a headless screen.
struct Scene {
  explicit Scene(TList Kind) {
    Form = new TForm(&App);
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(0, 0, 400, 500);
    TStrings* Strings = nullptr;
    if (Kind == TList::Plain) {
      auto* List = new TListBox(Form);
      List->SetBounds(0, 0, 300, 400);
      List->SetParent(Form);
      Strings = List->Items();
      Inner = List;
    } else {
      auto* List = new TskSkinListBox(Form);
      List->SetBounds(0, 0, 300, 400);
      List->SetParent(Form);
      if (Kind == TList::Skinned) {
        TMemoryStream Bytes;
        const auto Container = ProductSkinContainer();
        Bytes.WriteBuffer(Container.data(), Int64(Container.size()));
        TskCompressedStoredSkin Stored(nullptr);
        Stored.LoadFromCompressStream(&Bytes);
        Skin.LoadCompressedStoredSkin(&Stored);
        List->SetSkinData(&Skin);
      }
      Strings = List->Items();
      Inner = List->ListBox;
    }
    Strings->BeginUpdate();
    for (int I = 0; I < Items; ++I) Strings->Add("视频文件 " + std::to_string(I) + ".mp4");
    Strings->EndUpdate();
    Form->Show();
    ProcessPendingMessages();
  }
  ~Scene() { delete Form; }

  /// From the top to the last page, painting every page.
  void ScrollThrough() {
    const HWND Wnd = Inner->Handle();
    SendMessage(Wnd, WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
    UpdateWindow(Wnd);
    int Top = -1;
    while (Inner->TopIndex() != Top) {
      Top = Inner->TopIndex();
      SendMessage(Wnd, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
      UpdateWindow(Wnd);
    }
  }

  HeadlessPresenter Presenter { { 1280, 800 } };
  TApplication App { nullptr };
  TskSkinData Skin { nullptr };
  TForm* Form { nullptr };
  TCustomListBox* Inner { nullptr };
};

void BM_ScrollListBoxThroughAllPages(benchmark::State& State) {
  Scene S(TList(State.range(0)));
  for (auto _ : State) S.ScrollThrough();
  State.SetItemsProcessed(int64_t(State.iterations()) * Items);
}

BENCHMARK(BM_ScrollListBoxThroughAllPages)
    ->Arg(int(TList::Plain))
    ->Arg(int(TList::BuiltIn))
    ->Arg(int(TList::Skinned))
    ->ArgName("plain0_builtin1_skinned2")
    ->Unit(benchmark::kMillisecond);

}  // namespace
