// What the program answers a scripted run: where its showing controls and menu items lie on the screen,
// nothing for hidden ones, the job list's rows with their places, and the socket that carries the answers
// from the user-interface thread.
#include <gmock/gmock.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <thread>

#include "app/program/ControlQueries.h"
#include "app/program/TControlQueryServer.h"
#include "platform/base/SysUtils.h"
#include "platform/ui/toolkit/TListItem.h"
#include "platform/ui/toolkit/TListItems.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCustomListView.h"
#include "skin/form/TskSkinMainMenuBar.h"
#include "tests/app/forms/ConverterFormsFixture.h"

namespace {

String RectText(const TRect& R) {
  return IntToStr(R.Left) + " " + IntToStr(R.Top) + " " + IntToStr(R.Right) + " " + IntToStr(R.Bottom);
}

TRect ScreenRect(TControl* Control) {
  const TPoint Origin = Control->ClientToScreen({ 0, 0 });
  return Bounds(Origin.X, Origin.Y, Control->Width(), Control->Height());
}

TRect ParseRect(const String& Text) {
  TRect R;
  std::sscanf(Text.c_str(), "%d %d %d %d", &R.Left, &R.Top, &R.Right, &R.Bottom);
  return R;
}

using ControlQueriesTest = ConverterFormsTest;

TEST_F(ControlQueriesTest, ShowingControlsAndMenuItemsAnswerTheirScreenRectanglesHiddenOnesNone) {
  EXPECT_EQ(AnswerControlQuery("where Form1"), RectText(Main().BoundsRect()) + "\n");
  EXPECT_EQ(AnswerControlQuery("where skSkinButton2"), RectText(ScreenRect(Main().skSkinButton2)) + "\n");
  EXPECT_EQ(AnswerControlQuery("where form1.SKSKINBUTTON2"), AnswerControlQuery("where skSkinButton2"))
      << "names in any case, with or without their form";
  EXPECT_EQ(AnswerControlQuery("where edt"), "none\n") << "the rename editor is hidden";
  EXPECT_EQ(AnswerControlQuery("where Form5.skSkinButton6"), "none\n") << "the options dialog is closed";
  EXPECT_EQ(AnswerControlQuery("where nothing"), "none\n");

  // 文件 on the menu bar, and its items once its menu is open.
  const TRect File = ParseRect(AnswerControlQuery("where Item11"));
  const TRect Bar = ScreenRect(Main().skSkinMainMenuBar1);
  EXPECT_TRUE(Bar.Contains(File.TopLeft()) && File.Width() > 10) << RectText(File) << " on " << RectText(Bar);
  EXPECT_EQ(AnswerControlQuery("where N21"), "none\n");
  Display->Click((File.Left + File.Right) / 2, (File.Top + File.Bottom) / 2);
  Display->PumpUntilIdle();
  const TRect Add = ParseRect(AnswerControlQuery("where Item111"));
  const TRect Folder = ParseRect(AnswerControlQuery("where N21"));
  EXPECT_GT(Add.Top, File.Top);
  EXPECT_GT(Folder.Top, Add.Top) << "添加整个目录 lies below 添加一个文件";
}

TEST_F(ControlQueriesTest, AListViewAnswersItsRowsWithPlaceSelectionCaptionAndCells) {
  EXPECT_EQ(AnswerControlQuery("rows lvFiles"), "");
  for (const char* Name : { "a.mkv", "b.mkv" }) {
    TListItem* Row = Main().lvFiles->Items()->Add();
    Row->SetCaption(Name);
    Row->SubItems()->Add("00:00:02");
    Row->SubItems()->Add("");
    Row->SubItems()->Add(String(Name) + ".wmv");
  }
  Main().lvFiles->Items()->Item(1)->SetSelected(true);
  Display->PumpUntilIdle();
  const auto Place = [&](int Index) {
    const TRect R = Main().lvFiles->Items()->Item(Index)->DisplayRect(drBounds);
    const TPoint Origin = Main().lvFiles->ClientToScreen(R.TopLeft());
    return RectText(Bounds(Origin.X, Origin.Y, R.Width(), R.Height()));
  };
  EXPECT_EQ(AnswerControlQuery("rows lvFiles"), Place(0) + "\t-\ta.mkv\t00:00:02\t\ta.mkv.wmv\n" + Place(1) +
                                                    "\t*\tb.mkv\t00:00:02\t\tb.mkv.wmv\n");
  EXPECT_EQ(AnswerControlQuery("rows Form7.lvFiles"), "none\n") << "the preset dialog is closed";
  EXPECT_EQ(AnswerControlQuery("rows skSkinButton2"), "error: skSkinButton2 is no list view\n");
  EXPECT_EQ(AnswerControlQuery("press skSkinButton2"), "error: unknown request \"press\"\n");
  EXPECT_EQ(AnswerControlQuery("where"), "error: no control named\n");
}

// A combo box answers its item index and whether its drop-down list shows, so a script knows when its
// keys reach the open list and when a choice was taken.
TEST_F(ControlQueriesTest, AComboBoxAnswersItsChoiceAndWhetherItsListIsOpen) {
  TskSkinOfficeComboBox* Category = Main().skSkinOfficeComboBox2;
  EXPECT_EQ(AnswerControlQuery("choice skSkinOfficeComboBox2"), "0 closed\n");
  const TPoint Arrow = Category->ClientToScreen({ Category->Width() - 8, Category->Height() / 2 });
  Display->Click(Arrow.X, Arrow.Y);
  Display->PumpUntilIdle();
  EXPECT_EQ(AnswerControlQuery("choice skSkinOfficeComboBox2"), "0 open\n");
  Display->Key(VK_ESCAPE);
  Display->PumpUntilIdle();
  Category->SetItemIndex(3);
  EXPECT_EQ(AnswerControlQuery("choice skSkinOfficeComboBox2"), "3 closed\n");

  Main().skSkinComboBox3->SetItemIndex(2);
  EXPECT_EQ(AnswerControlQuery("choice skSkinComboBox3"), "2 closed\n");
  Pick(Main().skSkinOfficeComboBox1, 1);
  EXPECT_EQ(AnswerControlQuery("choice Form1.skSkinOfficeComboBox1"), "1 closed\n");
  EXPECT_EQ(AnswerControlQuery("choice skSkinButton2"), "error: skSkinButton2 is no combo box\n");
}

// The socket's answers come from the user-interface thread while it runs its loop; the socket file goes
// with the server.
TEST_F(ControlQueriesTest, TheSocketCarriesARequestAndItsAnswer) {
  const String Path = InstallDir() + "queries";
  std::atomic<bool> Answered { false };
  String Answer;
  {
    TControlQueryServer Server(Path);
    std::thread Client([&] {
      const int Socket = socket(AF_UNIX, SOCK_STREAM, 0);
      sockaddr_un Address {};
      Address.sun_family = AF_UNIX;
      std::strncpy(Address.sun_path, Path.c_str(), sizeof Address.sun_path - 1);
      if (connect(Socket, reinterpret_cast<sockaddr*>(&Address), sizeof Address) == 0 &&
          send(Socket, "where skSkinButton2\n", 20, 0) == 20) {
        char Buffer[256];
        for (ssize_t Read; (Read = recv(Socket, Buffer, sizeof Buffer, 0)) > 0;) Answer.append(Buffer, size_t(Read));
      }
      close(Socket);
      Answered = true;
    });
    PumpUntil([&] { return Answered.load(); });
    Client.join();
  }
  EXPECT_EQ(Answer, AnswerControlQuery("where skSkinButton2"));
  EXPECT_FALSE(std::filesystem::exists(Path));
}

}  // namespace
