// An 830 x 500 form framed by the product skin (four bands, the caption text and six caption buttons):
// its whole frame painted (WM_NCPAINT), one hover-transition step of its close button, and one plain
// BitBlt of an 830 x 500 picture onto the same window, the reference. Aims: a frame paint within twice
// the BitBlt, a hover step within a tenth of a frame paint.
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/base/TMemoryStream.h"
#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/winsys/Ui.h"
#include "resources/EmbeddedSkins.h"
#include "skin/core/TskCompressedStoredSkin.h"
#include "skin/core/TskSkinData.h"
#include "skin/form/TskActiveSkinObject.h"
#include "skin/form/TskSkinForm.h"

namespace {

constexpr int Width = 830;
constexpr int Height = 500;

/// The framed form on a headless screen.
struct TFramedForm {
  TFramedForm() {
    TMemoryStream Bytes;
    const auto Container = ProductSkinContainer();
    Bytes.WriteBuffer(Container.data(), Int64(Container.size()));
    TskCompressedStoredSkin Stored(nullptr);
    Stored.LoadFromCompressStream(&Bytes);
    Skin.LoadCompressedStoredSkin(&Stored);
    Form = new TForm(&App);
    Form->SetBounds(20, 20, Width, Height);
    Form->SetCaption("视频格式转换 · 任务列表");
    Frame = new TskSkinForm(Form);
    Frame->SetBorderIcons({ TskBorderIcon::biSystemMenu, TskBorderIcon::biMinimize, TskBorderIcon::biMaximize,
                            TskBorderIcon::biRollUp, TskBorderIcon::biMinimizeToTray });
    Frame->SetSkinData(&Skin);
    Form->Show();
    Screen.PumpUntilIdle();
  }

  HeadlessPresenter Screen { { 1280, 800 } };
  TApplication App { nullptr };
  TskSkinData Skin { nullptr };
  TForm* Form { nullptr };
  TskSkinForm* Frame { nullptr };
};

void BM_PlainBitBlt(benchmark::State& State) {
  TFramedForm Framed;
  TBitmap Picture;
  Picture.SetPixelFormat(pf32bit);
  Picture.SetSize(Width, Height);
  const HWND Wnd = Framed.Form->Handle();
  for (auto _ : State) {
    const HDC DC = GetWindowDC(Wnd);
    BitBlt(DC, 0, 0, Width, Height, Picture.Canvas()->Handle(), 0, 0, SRCCOPY);
    ReleaseDC(Wnd, DC);
  }
}

void BM_SkinnedFramePaint(benchmark::State& State) {
  TFramedForm Framed;
  const HWND Wnd = Framed.Form->Handle();
  for (auto _ : State) SendMessage(Wnd, WM_NCPAINT, 0, 0);
}

void BM_CaptionButtonHoverStep(benchmark::State& State) {
  TFramedForm Framed;
  TskActiveSkinObject* Close = Framed.Frame->ObjectList[size_t(Framed.Frame->GetIndex("closebutton"))].get();
  Close->Active = true;
  for (auto _ : State) {
    Close->FMorphKf = 2;
    Close->DoMorphing();
  }
}

BENCHMARK(BM_PlainBitBlt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SkinnedFramePaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CaptionButtonHoverStep)->Unit(benchmark::kMicrosecond);

}  // namespace
