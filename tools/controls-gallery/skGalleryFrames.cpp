#include "tools/controls-gallery/skGalleryFrames.h"

#include <memory>
#include <utility>
#include <vector>

#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TForm.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/form/TskActiveSkinObject.h"
#include "skin/form/TskSkinForm.h"
#include "skin/form/skFormFinders.h"
#include "tools/controls-gallery/TskControlsGallery.h"

namespace {

/// The gallery sheet's background, shown where a picture takes no window.
constexpr TColor SheetBackground = RGB(236, 238, 242);

using TCells = std::vector<std::pair<String, std::unique_ptr<TBitmap>>>;

/// Where the framed forms stand while they are taken, clear of the gallery's own form.
constexpr TPoint Place { 620, 420 };

/// The middle of the named object of Frame on the screen.
TPoint ObjectMiddle(TskSkinForm* Frame, const String& Name) {
  const int Index = Frame->GetIndex(Name) >= 0 ? Frame->GetIndex(Name) : 0;
  const TRect R = Frame->FrameToScreen(Frame->ObjectList[size_t(Index)]->ObjectRect);
  return { (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2 };
}

}  // namespace

TForm* FramedForm(TskSkinData* Skin, TFormBorderStyle Style, TskBorderIcons Icons, const String& Caption, TSize Size) {
  auto* Form = new TForm(nullptr);
  Form->SetBorderStyle(Style);
  Form->SetBounds(Place.X, Place.Y, Size.cx, Size.cy);
  Form->SetCaption(Caption);
  auto* Frame = new TskSkinForm(Form);
  Frame->SetBorderIcons(Icons);
  Frame->SetSkinData(Skin);
  Form->Show();
  return Form;
}

std::unique_ptr<TBitmap> ScreenPicture(HeadlessPresenter& Display, const TRect& Area) {
  auto Image = std::make_unique<TBitmap>();
  Image->SetPixelFormat(pf24bit);
  Image->SetSize(Area.Width(), Area.Height());
  for (int Y = 0; Y < Area.Height(); ++Y)
    for (int X = 0; X < Area.Width(); ++X)
      Image->Canvas()->SetPixels(X, Y, Display.PixelAt(Area.Left + X, Area.Top + Y));
  return Image;
}

TForm* ShowBackdrop(const TRect& Area) {
  auto* Sheet = new TForm(nullptr);
  Sheet->SetBorderStyle(bsNone);
  Sheet->SetColor(SheetBackground);
  Sheet->SetBoundsRect(Area);
  Sheet->Show();
  return Sheet;
}

std::unique_ptr<TBitmap> WindowPicture(TForm* Form) {
  auto Image = std::make_unique<TBitmap>();
  Image->SetPixelFormat(pf24bit);
  Image->SetSize(Form->Width(), Form->Height());
  Image->Canvas()->Brush()->SetColor(SheetBackground);
  Image->Canvas()->FillRect(Rect(0, 0, Form->Width(), Form->Height()));
  const HDC Window = GetWindowDC(Form->Handle());
  BitBlt(Image->Canvas()->Handle(), 0, 0, Form->Width(), Form->Height(), Window, 0, 0, SRCCOPY);
  ReleaseDC(Form->Handle(), Window);
  // What the window's region cuts away shows the sheet.
  const HRGN Shape = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(Form->Handle(), Shape) != RGN_ERROR)
    for (int Y = 0; Y < Form->Height(); ++Y)
      for (int X = 0; X < Form->Width(); ++X)
        if (!PtInRegion(Shape, X, Y)) Image->Canvas()->SetPixels(X, Y, SheetBackground);
  DeleteObject(Shape);
  return Image;
}

void AddFrameRows(TskControlsGallery& Gallery, HeadlessPresenter& Display) {
  const TskBorderIcons Main { TskBorderIcon::biSystemMenu, TskBorderIcon::biMinimize, TskBorderIcon::biMaximize };
  auto Take = [&](TFormBorderStyle Style, TskBorderIcons Icons, const String& Caption, TSize Size,
                  const std::function<void(TForm*, TskSkinForm*)>& Enter) {
    TForm* Form = FramedForm(Gallery.Skin(), Style, Icons, Caption, Size);
    TskSkinForm* Frame = GetSkinFormComponent(Form);
    Display.PumpUntilIdle();
    if (Enter) Enter(Form, Frame);
    Display.Advance(200);
    Display.PumpUntilIdle();
    std::unique_ptr<TBitmap> Picture = WindowPicture(Form);
    Display.MoveTo(5, 5);
    Display.Advance(100);
    Display.ButtonUp(5, 5);
    delete Form;
    Display.PumpUntilIdle();
    return Picture;
  };
  auto Hover = [&](const String& Name) {
    return [&Display, Name](TForm*, TskSkinForm* Frame) {
      const TPoint P = ObjectMiddle(Frame, Name);
      Display.MoveTo(P.X, P.Y);
    };
  };
  const String Caption = "视频格式转换 · 任务列表";
  const TSize Size { 340, 120 };
  TCells States;
  States.emplace_back("活动", Take(bsSingle, Main, Caption, Size, nullptr));
  States.emplace_back("非活动", Take(bsSingle, Main, Caption, Size, [&](TForm* Form, TskSkinForm*) {
                        // Another form takes the activation; it goes with the framed one.
                        auto* Other = new TForm(Form);
                        Other->SetBounds(10, 10, 50, 50);
                        Other->Show();
                      }));
  Gallery.AddPictureRow("窗体边框", States);
  TCells Buttons;
  Buttons.emplace_back("关闭按钮·悬停", Take(bsSingle, Main, Caption, Size, Hover("closebutton")));
  // The skins name it "minimizebutton", the built-in frame "minbutton".
  Buttons.emplace_back("最小化按钮·悬停", Take(bsSingle, Main, Caption, Size, [&](TForm* F, TskSkinForm* Frame) {
                         Hover(Frame->GetIndex("minimizebutton") >= 0 ? "minimizebutton" : "minbutton")(F, Frame);
                       }));
  Buttons.emplace_back("关闭按钮·按下", Take(bsSingle, Main, Caption, Size, [&](TForm* F, TskSkinForm* Frame) {
                         Hover("closebutton")(F, Frame);
                         const TPoint P = ObjectMiddle(Frame, "closebutton");
                         Display.Advance(100);
                         Display.ButtonDown(P.X, P.Y);
                       }));
  Gallery.AddPictureRow("标题按钮", Buttons);
  TCells Kinds;
  Kinds.emplace_back("可调大小的窗体", Take(bsSizeable, Main, "可调大小的窗体", { 300, 160 }, nullptr));
  Kinds.emplace_back("对话框（无边框图标）", Take(bsSingle, {}, "选项", { 260, 120 }, nullptr));
  const String LongCaption = "一个很长很长的窗体标题，放不下时以省略号结尾";
  Kinds.emplace_back("很长的标题被截断", Take(bsSingle, Main, LongCaption, { 260, 100 }, nullptr));
  Gallery.AddPictureRow("窗体种类", Kinds);
}
