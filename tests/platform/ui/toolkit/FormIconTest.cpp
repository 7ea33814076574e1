// The icons windows show: the application's icon (the program's own at first), a form's own icon, and
// the application's icon for every form without one.
#include "platform/gdi/Icons.h"
#include "platform/ui/winsys/Messages.h"
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

}  // namespace
