// The icons windows show: the application's icon (the program's own at first), a form's own icon, and
// the application's icon for every form without one; on an X server the native windows show them.
#include "platform/gdi/Icons.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TImage.h"
#include "platform/ui/winsys/Messages.h"
#include "tests/platform/display/SdlAppFixture.h"
#include "tests/platform/display/XWindowIcon.h"
#include "tests/platform/ui/AppFixture.h"

namespace {

using FormIconTest = AppTest;

HICON Shown(HWND Wnd) { return HICON(SendMessage(Wnd, WM_GETICON, ICON_BIG, 0)); }

TEST_F(FormIconTest, FormsShowTheirOwnIconElseTheApplications) {
  ASSERT_FALSE(App->Icon()->Empty()) << "the program's icon from its pictures";
  EXPECT_EQ(App->Icon()->Width(), 32);
  EXPECT_EQ(Shown(App->Handle()), App->Icon()->Handle());

  TForm* Plain = NewForm(Rect(0, 0, 200, 100));
  TForm* Own = NewForm(Rect(0, 0, 200, 100));
  Own->Icon()->SetHandle(CopyImage(LoadIcon(0, IDI_WARNING), IMAGE_ICON, 0, 0, 0));
  Plain->Show();
  Own->Show();
  EXPECT_EQ(Shown(Plain->Handle()), App->Icon()->Handle());
  EXPECT_EQ(Shown(Own->Handle()), Own->Icon()->Handle());

  // A new application icon reaches the forms without an icon of their own.
  TIcon Question;
  Question.SetHandle(CopyImage(LoadIcon(0, IDI_QUESTION), IMAGE_ICON, 0, 0, 0));
  App->SetIcon(&Question);
  EXPECT_EQ(Shown(App->Handle()), App->Icon()->Handle());
  EXPECT_EQ(Shown(Plain->Handle()), App->Icon()->Handle());
  EXPECT_EQ(Shown(Own->Handle()), Own->Icon()->Handle());

  // A form that gives its icon up shows the application's again.
  Own->SetIcon(nullptr);
  EXPECT_EQ(Shown(Own->Handle()), App->Icon()->Handle());
  EXPECT_EQ(SendMessage(Own->Handle(), WM_GETICON, ICON_SMALL2, 0), LRESULT(App->Icon()->Handle()))
      << "without a small icon the big one";
  EXPECT_EQ(SendMessage(Own->Handle(), WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(FormIconTest, AnImageShowsAStandardIconAsTheMessageBoxPlacesIt) {
  TForm* Form = NewForm(Bounds(100, 100, 200, 100));
  Form->SetBorderStyle(bsNone);
  Form->SetColor(clWhite);
  auto* Image = Place<TImage>(Form, Form, Bounds(5, 10, 32, 32));
  Image->Picture()->Icon()->SetHandle(LoadIconW(0, IDI_ERROR));
  Form->Show();
  Display->PumpUntilIdle();

  TBitmap Expected;
  Expected.SetPixelFormat(pf32bit);
  Expected.SetSize(32, 32);
  Expected.Canvas()->Brush()->SetColor(clWhite);
  Expected.Canvas()->FillRect(Rect(0, 0, 32, 32));
  DrawIconEx(Expected.Canvas()->Handle(), 0, 0, LoadIcon(0, IDI_ERROR), 32, 32, 0, nullptr, DI_NORMAL);
  const Surface& Shown = *WindowSystem::Get().Find(Form->Handle())->Backing;
  auto Colour = [](uint32_t P) { return RGB(uint8_t(P >> 16), uint8_t(P >> 8), uint8_t(P)); };
  int Differing = 0;
  for (int Y = 0; Y < 32; ++Y)
    for (int X = 0; X < 32; ++X) Differing += Colour(Shown.Pixel(5 + X, 10 + Y)) != Expected.Canvas()->Pixels(X, Y);
  EXPECT_EQ(Differing, 0);
}

}  // namespace

namespace {

class FormIconDisplay : public SdlAppFixture {};

TEST_F(FormIconDisplay, TheNativeWindowShowsTheFormsIcon) {
  auto* Form = new TForm(App.get());
  Form->SetBounds(100, 100, 240, 160);
  Form->Show();
  ProcessPendingMessages();
  SDL_Window* Native = Presenter->NativeWindow(Form->Handle());
  ASSERT_NE(Native, nullptr);

  const TIconImage& Program = BestIconImage(*IconImagesOf(App->Icon()->Handle()), 48, 48);
  XWindowIcon Shown = XWindowIcon::Of(Native);
  ASSERT_EQ(Shown.Width, 48) << "the program's icon, its largest picture";
  EXPECT_EQ(Shown.Pixels[24 * 48 + 24], Program.Pixels->Pixel(24, 24));

  Form->Icon()->SetHandle(CopyImage(LoadIcon(0, IDI_ERROR), IMAGE_ICON, 0, 0, 0));
  const TIconImage& Error = (*IconImagesOf(Form->Icon()->Handle()))[0];
  Shown = XWindowIcon::Of(Native);
  ASSERT_EQ(Shown.Width, 32) << "a form's own icon of one picture";
  EXPECT_EQ(Shown.Pixels[16 * 32 + 8], Error.Pixels->Pixel(8, 16));
}

}  // namespace
