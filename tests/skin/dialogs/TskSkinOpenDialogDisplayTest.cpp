// The open dialog on the SDL2 presenter and a real X server: the screen shows the folder's names as the
// dialog painted them, and a double click of the X server on a file closes the dialog with that file.
// Skipped without DISPLAY.
#include <sys/stat.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/base/MainThread.h"
#include "platform/display/X11Native.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/winsys/Ui.h"
#include "skin/dialogs/TskCustomShellListView.h"
#include "skin/dialogs/TskOpenDlgForm.h"
#include "skin/dialogs/TskSkinOpenDialog.h"
#include "tests/platform/display/SdlAppFixture.h"
#include "tests/platform/display/XScreenshot.h"
#include "tests/platform/shell/ShellTestSupport.h"

namespace {

using OpenDialogDisplay = SdlAppFixture;

/// What the window painted inside R (window coordinates).
std::unique_ptr<TBitmap> Painted(HWND Wnd, const TRect& R) {
  auto Picture = std::make_unique<TBitmap>();
  Picture->SetPixelFormat(pf24bit);
  Picture->SetSize(R.Width(), R.Height());
  const HDC Window = GetWindowDC(Wnd);
  BitBlt(Picture->Canvas()->Handle(), 0, 0, R.Width(), R.Height(), Window, R.Left, R.Top, SRCCOPY);
  ReleaseDC(Wnd, Window);
  return Picture;
}

/// Once the dialog stands on the screen: its row of Name shows there as the list painted it, and an X
/// double click on it closes the dialog.
void DoubleClickOnTheScreen(SdlPresenter& Presenter, TskOpenDlgForm* Form, const String& Name) {
  const auto Native = X11Native::Of(Presenter.NativeWindow(Form->Handle()));
  ASSERT_TRUE(Native) << "the dialog has a native window";
  ASSERT_TRUE(RunUntil([&] {
    const auto Geometry = Native->Geometry();
    return Geometry && Geometry->TopLeft() == TPoint { Form->Left(), Form->Top() };
  })) << "the dialog is on the screen";

  TskSkinFileListView* List = Form->FileListView;
  int Index = -1;
  for (int I = 0; I < List->EntryCount(); ++I)
    if (List->EntryAt(I)->DisplayName() == Name) Index = I;
  ASSERT_GE(Index, 0) << Name << " is listed";
  const TRect Label = List->Items()->Item(Index)->DisplayRect(drLabel);
  const TPoint OnScreen = List->ClientToScreen(Label.TopLeft());
  std::unique_ptr<TBitmap> Expected;
  auto HoldsText = [&] {
    Expected = Painted(Form->Handle(),
                       Bounds(OnScreen.X - Form->Left(), OnScreen.Y - Form->Top(), Label.Width(), Label.Height()));
    for (int X = 1; X < Label.Width(); ++X)
      if (Expected->Canvas()->Pixels(X, Label.Height() / 2) != Expected->Canvas()->Pixels(0, Label.Height() / 2))
        return true;
    return false;
  };
  EXPECT_TRUE(RunUntil(HoldsText)) << "the list painted the name";
  XScreenshot Shot;
  EXPECT_TRUE(RunUntil([&] {
    if (!Shot.Take(Bounds(OnScreen.X, OnScreen.Y, Label.Width(), Label.Height()))) return false;
    for (int Y = 0; Y < Label.Height(); ++Y)
      for (int X = 0; X < Label.Width(); ++X)
        if (Shot.At(OnScreen.X + X, OnScreen.Y + Y) != Expected->Canvas()->Pixels(X, Y)) return false;
    return true;
  })) << "the screen shows the row as the list painted it";

  const TPoint P = List->ClientToScreen({ Label.Left + 4, (Label.Top + Label.Bottom) / 2 });
  const std::string Command = "xdotool mousemove --sync " + std::to_string(P.X) + " " + std::to_string(P.Y) +
                              " click --repeat 2 --delay 80 1";
  ASSERT_EQ(std::system(Command.c_str()), 0);
  EXPECT_TRUE(RunUntil([&] { return Form->ModalResult() != mrNone; })) << "the double click closes the dialog";
}

TEST_F(OpenDialogDisplay, TheScreenShowsTheFoldersNamesAndAnXDoubleClickOnAFileReturnsIt) {
  TTempFolder Dir;
  ASSERT_EQ(mkdir((Dir / "视频").c_str(), 0755), 0);
  for (const char* Name : { "春节 晚会.avi", "会议记录.mp4", "readme.txt" }) WriteFile(Dir / Name, "x");
  auto* Dialog = new TskSkinOpenDialog(App.get());
  Dialog->SetInitialDir(Dir.Path());
  Queue([&] {
    TskOpenDlgForm* Form = Dialog->DlgFrm();
    DoubleClickOnTheScreen(*Presenter, Form, "会议记录.mp4");
    if (Form->ModalResult() == mrNone) Form->SetModalResult(mrCancel);  // never left open
  });
  EXPECT_TRUE(Dialog->Execute());
  EXPECT_EQ(Dialog->FileName(), Dir / "会议记录.mp4");
}

}  // namespace
