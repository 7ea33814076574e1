// A full repaint of a form holding 100 skinned check boxes and 100 skinned scroll bars (each control looks
// its record up, composes its off-screen bitmap and copies it), in the product skin and in the built-in
// look, beside 200 plain BitBlts of the same areas from one prepared picture into the same window, and
// beside the same form of 200 plain controls that each fill their rectangle once: what the window system
// itself costs before any control draws.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "platform/base/TMemoryStream.h"
#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TCustomControl.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/winsys/MessageLoop.h"
#include "platform/ui/winsys/Ui.h"
#include "resources/EmbeddedSkins.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/core/TskCompressedStoredSkin.h"
#include "skin/core/TskSkinData.h"

namespace {

constexpr int Columns = 10;
constexpr int Count = 200;

/// A windowed control that only fills itself.
class TFilledControl : public TCustomControl {
public:
  using TCustomControl::TCustomControl;

protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(clBtnFace);
    Canvas()->FillRect(ClientRect());
  }
};

enum class TLook { Product, BuiltIn, Plain };

/// The form and its 200 controls on a headless screen: skinned ones in the product skin or without a
/// skin, or plain filled ones.
struct Scene {
  explicit Scene(TLook Look) {
    const bool Skinned = Look == TLook::Product;
    if (Skinned) {
      TMemoryStream Bytes;
      const auto Container = ProductSkinContainer();
      Bytes.WriteBuffer(Container.data(), Int64(Container.size()));
      TskCompressedStoredSkin Stored(nullptr);
      Stored.LoadFromCompressStream(&Bytes);
      Skin.LoadCompressedStoredSkin(&Stored);
    }
    Form = new TForm(&App);
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(0, 0, 1280, 720);
    for (int I = 0; I < Count; ++I) {
      const int X = (I % Columns) * 125, Y = (I / Columns) * 34;
      TControl* Control = nullptr;
      if (Look == TLook::Plain) {
        Control = new TFilledControl(Form);
      } else if (I % 2 == 0) {
        auto* Box = new TskSkinCheckRadioBox(Form);
        Box->SetCaption("转换完成后关机");
        Box->SetChecked(I % 4 == 0);
        Control = Box;
      } else {
        auto* Bar = new TskSkinScrollBar(Form);
        Bar->SetRange(0, 100, I % 100, 20);
        Control = Bar;
      }
      static_cast<TWinControl*>(Control)->SetParent(Form);
      Control->SetBounds(X, Y, 120, 25);
      if (Skinned) static_cast<TskSkinCustomControl*>(Control)->SetSkinData(&Skin);
      Areas.push_back(Control->BoundsRect());
    }
    Form->Show();
    ProcessPendingMessages();
  }
  ~Scene() { delete Form; }

  HeadlessPresenter Presenter { { 1600, 900 } };
  TApplication App { nullptr };
  TskSkinData Skin { nullptr };
  TForm* Form { nullptr };
  std::vector<TRect> Areas;
};

void BM_RepaintControls(benchmark::State& State) {
  Scene S(TLook(State.range(0)));
  const HWND Wnd = S.Form->Handle();
  for (auto _ : State)
    RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  State.SetItemsProcessed(int64_t(State.iterations()) * Count);
}

// The reference: the same 200 areas copied into the form's window from one picture prepared beforehand.
void BM_PlainBlits(benchmark::State& State) {
  Scene S(TLook::Plain);
  TBitmap Picture;
  Picture.SetSize(1280, 720);
  Picture.Canvas()->Brush()->SetColor(clBtnFace);
  Picture.Canvas()->FillRect(Rect(0, 0, 1280, 720));
  const HWND Wnd = S.Form->Handle();
  for (auto _ : State) {
    const HDC DC = GetDC(Wnd);
    for (const TRect& R : S.Areas)
      BitBlt(DC, R.Left, R.Top, R.Width(), R.Height(), Picture.Canvas()->Handle(), R.Left, R.Top, SRCCOPY);
    ReleaseDC(Wnd, DC);
  }
  State.SetItemsProcessed(int64_t(State.iterations()) * Count);
}

// 0: the product skin, 1: the built-in look, 2: plain filled controls.
BENCHMARK(BM_RepaintControls)->ArgName("look")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainBlits)->Unit(benchmark::kMicrosecond);

}  // namespace
