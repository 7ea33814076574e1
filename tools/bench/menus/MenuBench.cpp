// Opening a skinned popup menu of 20 items through a form's frame (the window made, its rows built and
// measured, placed, shown and painted once), in the product skin and in the built-in look, beside one
// BitBlt of a picture prepared beforehand into a window of the same size: what showing those pixels costs
// at the least.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/base/TMemoryStream.h"
#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/Ui.h"
#include "platform/ui/winsys/WindowClass.h"
#include "platform/ui/winsys/WindowProc.h"
#include "resources/EmbeddedSkins.h"
#include "skin/core/TskCompressedStoredSkin.h"
#include "skin/core/TskSkinData.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/TskSkinMenu.h"
#include "skin/form/TskSkinPopupMenu.h"
#include "skin/form/TskSkinPopupWindow.h"

namespace {

constexpr int Items = 20;

LRESULT PlainProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  return Msg == WM_ERASEBKGND ? 1 : DefWindowProc(Wnd, Msg, WParam, LParam);
}

/// A framed form with a popup menu of 20 items, in the product skin or the built-in look.
struct Scene {
  explicit Scene(bool Skinned) {
    if (Skinned) {
      TMemoryStream Bytes;
      const auto Container = ProductSkinContainer();
      Bytes.WriteBuffer(Container.data(), Int64(Container.size()));
      TskCompressedStoredSkin Stored(nullptr);
      Stored.LoadFromCompressStream(&Bytes);
      Skin.LoadCompressedStoredSkin(&Stored);
    }
    Form = new TForm(&App);
    Form->SetBounds(100, 100, 600, 400);
    Frame = new TskSkinForm(Form);
    Frame->SetSkinData(Skinned ? &Skin : nullptr);
    Menu = new TskSkinPopupMenu(Form);
    for (int I = 0; I < Items; ++I) {
      auto* Item = new TMenuItem(Menu);
      Item->SetCaption(I % 7 == 6 ? "-" : "转换后的操作 " + std::to_string(I));
      Menu->Items()->Add(Item);
    }
    Form->Show();
    ProcessPendingMessages();
  }
  ~Scene() { delete Form; }

  HeadlessPresenter Presenter { { 1600, 900 } };
  TApplication App { nullptr };
  TskSkinData Skin { nullptr };
  TForm* Form { nullptr };
  TskSkinForm* Frame { nullptr };
  TskSkinPopupMenu* Menu { nullptr };
};

void BM_OpenSkinnedMenu(benchmark::State& State) {
  Scene S(State.range(0) == 0);
  TRect Area;
  for (auto _ : State) {
    S.Menu->PopupFromRect(Rect(200, 200, 200, 200), false);
    ProcessPendingMessages();
    State.PauseTiming();
    Area = S.Frame->SkinMenu->PopupList().front()->BoundsRect();
    S.Frame->SkinMenu->Hide();
    ProcessPendingMessages();
    State.ResumeTiming();
  }
  State.counters["width"] = Area.Width();
  State.counters["height"] = Area.Height();
}

// The reference: a window of the menu's size (the product skin's, measured once) filled by one blit.
void BM_BlitMenuArea(benchmark::State& State) {
  Scene S(true);
  S.Menu->PopupFromRect(Rect(200, 200, 200, 200), false);
  ProcessPendingMessages();
  const TRect Area = S.Frame->SkinMenu->PopupList().front()->BoundsRect();
  S.Frame->SkinMenu->Hide();
  TBitmap Picture;
  Picture.SetSize(Area.Width(), Area.Height());
  Picture.Canvas()->Brush()->SetColor(clWindow);
  Picture.Canvas()->FillRect(Rect(0, 0, Area.Width(), Area.Height()));
  WindowProc Procedure(&PlainProc);
  WNDCLASS Class;
  Class.lpfnWndProc = &Procedure;
  Class.lpszClassName = "MenuBenchWnd";
  RegisterClass(Class);
  const HWND Wnd = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "MenuBenchWnd", "", WS_POPUP | WS_VISIBLE,
                                  Area.Left, Area.Top, Area.Width(), Area.Height(), 0, 0);
  ProcessPendingMessages();
  if (!Wnd) State.SkipWithError("no window");
  for (auto _ : State) {
    const HDC DC = GetDC(Wnd);
    BitBlt(DC, 0, 0, Area.Width(), Area.Height(), Picture.Canvas()->Handle(), 0, 0, SRCCOPY);
    ReleaseDC(Wnd, DC);
    ProcessPendingMessages();
  }
  DestroyWindow(Wnd);
}

// 0: the product skin, 1: the built-in look.
BENCHMARK(BM_OpenSkinnedMenu)->ArgName("look")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BlitMenuArea)->Unit(benchmark::kMicrosecond);

}  // namespace
