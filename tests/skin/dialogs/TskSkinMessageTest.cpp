// The skinned message box: its buttons and their keys and results, its layout, texts from the string
// table, the show-again box, icons and pictures, placement and help.
#include <functional>
#include <memory>

#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/ShortCuts.h"
#include "platform/ui/toolkit/TImage.h"
#include "platform/ui/toolkit/TMainMenu.h"
#include "platform/ui/toolkit/TMenuItem.h"
#include "platform/ui/winsys/VirtualKeys.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/dialogs/TskMessageForm.h"
#include "skin/dialogs/TskSkinMessage.h"
#include "skin/form/TskSkinForm.h"
#include "tests/platform/ui/AppFixture.h"
#include "tests/skin/support/TskSkinModelBuilder.h"

namespace {

class SkinMessageTest : public AppTest {
protected:
  void SetUp() override {
    AppTest::SetUp();
    Message = new TskSkinMessage(App.get());
  }

  /// The box open now.
  static TskMessageForm* Box() { return dynamic_cast<TskMessageForm*>(Screen->ActiveForm()); }
  /// The box's button of a kind's name; null when it shows none.
  static TskSkinButton* ButtonOf(const String& Name) {
    return dynamic_cast<TskSkinButton*>(Box()->FindComponent(Name));
  }
  static TImage* ImageOf() { return dynamic_cast<TImage*>(Box()->FindComponent("Image")); }

  /// Runs Inspect on the open box, then ends it with Finish (the box's modal result unless Finish closed it).
  static void WhileOpen(std::function<void()> Inspect, std::function<void()> Finish = [] {
    Box()->SetModalResult(mrOk);
  }) {
    Later([Inspect, Finish] {
      ASSERT_NE(Box(), nullptr);
      Inspect();
      Finish();
    });
  }

  TskSkinMessage* Message { nullptr };
};

TEST_F(SkinMessageTest, EachButtonSetHasItsRowDefaultAndCancelButtonAndAnswersEnterEscapeAndClicks) {
  struct Case {
    TMsgDlgButtons Buttons;
    std::vector<String> Row;
    String Default;
    String Cancel;  // "" for none
    int Enter;      // the first button, which holds the focus while no default is named
    int Escape;     // 0: Escape leaves the box open
    int Last;       // a click on the last button
  };
  const Case Cases[] = {
    { { mbOK }, { "OK" }, "OK", "OK", mrOk, mrOk, mrOk },
    { { mbOK, mbCancel }, { "OK", "Cancel" }, "OK", "Cancel", mrOk, mrCancel, mrCancel },
    { { mbYes, mbNo }, { "Yes", "No" }, "Yes", "No", mrYes, mrNo, mrNo },
    { { mbYes, mbNo, mbCancel }, { "Yes", "No", "Cancel" }, "Yes", "Cancel", mrYes, mrCancel, mrCancel },
    { { mbAbort, mbRetry, mbIgnore }, { "Abort", "Retry", "Ignore" }, "Retry", "", mrAbort, 0, mrIgnore },
    { { mbClose, mbYesToAll, mbNoToAll, mbAll }, { "All", "NoToAll", "YesToAll", "Close" }, "", "", mrAll, 0, mrClose },
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Row.front());
    WhileOpen([&] {
      std::vector<String> Row;
      int LastLeft = -1000;
      for (int I = 0; I < Box()->ControlCount(); ++I)
        if (auto* Button = dynamic_cast<TskSkinButton*>(Box()->Controls(I))) {
          Row.push_back(Button->Name());
          EXPECT_GT(Button->Left(), LastLeft) << "left to right in kind order";
          LastLeft = Button->Left();
          EXPECT_EQ(Button->Default(), Button->Name() == C.Default) << Button->Name();
          EXPECT_EQ(Button->Cancel(), Button->Name() == C.Cancel) << Button->Name();
        }
      EXPECT_EQ(Row, C.Row);
    }, [this] { Display->Key(VK_RETURN); });
    EXPECT_EQ(Message->MessageDlg("?", mtConfirmation, C.Buttons, 0), C.Enter);

    WhileOpen([] {}, [&] {
      Display->Key(VK_ESCAPE);
      if (C.Escape != 0) return;
      EXPECT_EQ(Box()->ModalResult(), mrNone) << "nothing answers Escape";
      ClickOn(ButtonOf(C.Row.back()));
    });
    EXPECT_EQ(Message->MessageDlg("?", mtConfirmation, C.Buttons, 0), C.Escape ? C.Escape : C.Last);
  }
}

TEST_F(SkinMessageTest, TheRowIsCentredBelowTheLabelAndTheBoxFitsTheWiderOfLabelAndRow) {
  struct Case {
    String Msg;
    TMsgDlgButtons Buttons;
    int RowWidth;
  };
  const Case Cases[] = {
    { "短", { mbYes, mbNo, mbCancel }, 230 },                              // the row is wider
    { String(60, 'W'), { mbOK }, 70 },                                     // the label is wider
    { "没有按钮的提示框，宽度只由标签决定。", {}, 0 },                  // no row at all
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Msg);
    WhileOpen([&] {
      const TskSkinStdLabel* Label = Box()->Message;
      EXPECT_EQ(Label->Name(), "Message");
      EXPECT_EQ(TPoint(Label->Left(), Label->Top()), TPoint(50, 15));
      const int LabelRight = Label->Left() + Label->Width();
      EXPECT_EQ(Box()->ClientWidth(), std::max(LabelRight, C.RowWidth) + 40);
      EXPECT_EQ(Box()->ClientHeight(), 25 + Label->Height() + 50);
      int Left = (Box()->ClientWidth() - C.RowWidth) / 2;
      for (int I = 0; I < Box()->ControlCount(); ++I)
        if (auto* Button = dynamic_cast<TskSkinButton*>(Box()->Controls(I))) {
          EXPECT_EQ(Button->BoundsRect(), Bounds(Left, Box()->ClientHeight() - 25 - 10, 70, 25)) << Button->Name();
          Left += 80;
        }
    });
    Message->MessageDlg(C.Msg, mtInformation, C.Buttons, 0);
  }
}

TEST_F(SkinMessageTest, ButtonsAreAsHighAsTheSkinsButtonRecordAndOtherwise25) {
  TskSkinData Controls { nullptr };
  TskSkinModelBuilder Skin(Controls);
  const int Picture = Skin.AddPicture(100, 50);
  auto& Record = Skin.Add<TskDataSkinButtonControl>("button", "button");
  SetNinePart(Record, Skin.Paint(Picture, Bounds(0, 0, 40, 31), clSilver), 3, Rect(3, 3, 37, 28));
  Skin.Finish();
  Message->SetCtrlSkinData(&Controls);
  WhileOpen([] {
    EXPECT_EQ(ButtonOf("OK")->Height(), 31);
    EXPECT_EQ(Box()->ClientHeight(), 31 + Box()->Message->Height() + 50);
    EXPECT_EQ(ButtonOf("OK")->Top(), Box()->ClientHeight() - 31 - 10);
  });
  Message->MessageDlg("?", mtInformation, { mbOK }, 0);

  Message->SetButtonSkinDataName("no such record");
  WhileOpen([] { EXPECT_EQ(ButtonOf("OK")->Height(), 25); });
  Message->MessageDlg("?", mtInformation, { mbOK }, 0);
}

TEST_F(SkinMessageTest, CaptionsComeFromTheStringTableWhereThereIsOneAndAMissingNameGivesAnEmptyText) {
  TskSkinData Controls { nullptr };
  TskResourceStrData Table { nullptr };
  TStringList Lines;
  Lines.SetText("MSG_BTN_YES=是\nMSG_BTN_OK=\nMSG_BTN_CANCEL=取消\nMSG_CAP_WARNING=警告\n");
  Table.SetResStrings(&Lines);
  Message->SetCtrlSkinData(&Controls);
  Message->SetShowAgainFlag(true);
  const TMsgDlgButtons Buttons { mbYes, mbOK, mbCancel, mbClose };
  struct Case {
    TskResourceStrData* Table;
    std::vector<String> Captions;  // Yes, OK, Cancel, Close
    String BoxCaption;
  };
  const Case Cases[] = {
    { &Table, { "是", "", "取消", "" }, "警告" },
    { nullptr, { "&Yes", "OK", "Cancel", "Close" }, "Warning" },
  };
  for (const Case& C : Cases) {
    Controls.SetResourceStrData(C.Table);
    WhileOpen([&] {
      const std::vector<String> Shown = { ButtonOf("Yes")->Caption(), ButtonOf("OK")->Caption(),
                                          ButtonOf("Cancel")->Caption(), ButtonOf("Close")->Caption() };
      EXPECT_EQ(Shown, C.Captions);
      EXPECT_EQ(Box()->Caption(), C.BoxCaption);
      EXPECT_EQ(Box()->DisplayCheckBox->Caption(), "Do not display this message again")
        << "the show-again text falls back to the built-in one";
    });
    Message->MessageDlg("?", mtWarning, Buttons, 0);
  }
  Lines.Add("MSG_CAP_SHOWFLAG=不再显示此消息");
  Table.SetResStrings(&Lines);
  Controls.SetResourceStrData(&Table);
  WhileOpen([] { EXPECT_EQ(Box()->DisplayCheckBox->Caption(), "不再显示此消息"); });
  Message->MessageDlg("?", mtWarning, Buttons, 0);
}

TEST_F(SkinMessageTest, TheShowAgainBoxStartsTickedWhileTheValueIsFalseAndTheValueBecomesTheOppositeOfItsTick) {
  Message->SetShowAgainFlag(true);
  WhileOpen([] {
    TskSkinCheckRadioBox* CheckBox = Box()->DisplayCheckBox;
    ASSERT_NE(CheckBox, nullptr);
    EXPECT_TRUE(CheckBox->Checked());
    EXPECT_EQ(CheckBox->Name(), "checkbox");
    EXPECT_EQ(CheckBox->Left(), 5);
    EXPECT_EQ(CheckBox->Top(), Box()->ClientHeight() - 25 - 50);
    EXPECT_EQ(Box()->ClientHeight(), 25 + Box()->Message->Height() + 50 + 40);
    EXPECT_GE(Box()->ClientWidth(), CheckBox->Width() + 5) << "the box is wide enough for its text";
  });
  EXPECT_EQ(Message->MessageDlg2("请先选择您需要删除的项目！", "提示", mtInformation, { mbOK }, 0), mrOk);
  EXPECT_FALSE(Message->ShowAgainFlagValue()) << "closed with the tick set";

  WhileOpen([this] { ClickOn(Box()->DisplayCheckBox); }, [this] { Display->Key(VK_RETURN); });
  EXPECT_EQ(Message->MessageDlg2("请先选择您需要删除的项目！", "提示", mtInformation, { mbOK }, 0), mrOk);
  EXPECT_TRUE(Message->ShowAgainFlagValue()) << "closed with the tick cleared";

  WhileOpen([] { EXPECT_FALSE(Box()->DisplayCheckBox->Checked()) << "the value true starts it cleared"; });
  Message->MessageDlg("?", mtInformation, { mbOK }, 0);

  WhileOpen([] { EXPECT_EQ(Box()->DisplayCheckBox, nullptr) << "the Wide methods show none"; });
  Message->WideMessageDlg("?", mtInformation, { mbOK }, 0);
  EXPECT_TRUE(Message->ShowAgainFlagValue());
}

TEST_F(SkinMessageTest, EachMessageKindShowsItsSystemIconAndCaptionAndTheCustomKindNoIconAndTheTitle) {
  App->SetTitle("Zorvik");
  struct Case {
    TMsgDlgType Type;
    uintptr_t Icon;
    String Caption;
  };
  const Case Cases[] = {
    { mtWarning, IDI_WARNING, "Warning" },         { mtError, IDI_ERROR, "Error" },
    { mtInformation, IDI_INFORMATION, "Information" }, { mtConfirmation, IDI_QUESTION, "Confirm" },
    { mtCustom, 0, "Zorvik" },
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Caption);
    WhileOpen([&] {
      EXPECT_EQ(Box()->Caption(), C.Caption);
      TImage* Image = ImageOf();
      ASSERT_NE(Image, nullptr);
      EXPECT_EQ(Image->Picture()->Icon()->Handle(), C.Icon ? LoadIconW(0, C.Icon) : HICON(0));
      const TskSkinStdLabel* Label = Box()->Message;
      EXPECT_EQ(Image->BoundsRect(), Bounds(5, std::max(10, Label->Top() + Label->Height() / 2 - 16), 32, 32));
    });
    Message->MessageDlg("?", C.Type, { mbOK }, 0);
  }
}

TEST_F(SkinMessageTest, ACustomBoxShowsTheListsPictureOnlyForAnIndexInTheList) {
  TCustomImageList Images { nullptr };
  Images.SetSize(24, 24);
  TBitmap Picture;
  Picture.SetSize(24, 24);
  Images.Add(&Picture, nullptr);
  WhileOpen([] {
    ASSERT_NE(ImageOf(), nullptr);
    EXPECT_EQ(ImageOf()->BoundsRect(), Bounds(5, ImageOf()->Top(), 24, 24));
    EXPECT_FALSE(ImageOf()->Picture()->Icon()->Empty());
    EXPECT_EQ(Box()->Caption(), "自定义");
  });
  Message->CustomMessageDlg("?", "自定义", &Images, 0, { mbOK }, 0);
  for (int Index : { -1, 1 }) {
    WhileOpen([] { EXPECT_EQ(ImageOf(), nullptr); });
    Message->CustomMessageDlg("?", "自定义", &Images, Index, { mbOK }, 0);
  }
  WhileOpen([] { EXPECT_EQ(ImageOf(), nullptr); });
  Message->CustomMessageDlg("?", "自定义", nullptr, 0, { mbOK }, 0);
}

TEST_F(SkinMessageTest, ANamedDefaultButtonTakesTheFocusAndEnter) {
  WhileOpen([] {
    EXPECT_TRUE(ButtonOf("No")->Default());
    EXPECT_FALSE(ButtonOf("Yes")->Default());
    EXPECT_TRUE(ButtonOf("No")->Focused());
  }, [this] { Display->Key(VK_RETURN); });
  EXPECT_EQ(Message->MessageDlg("?", mtConfirmation, { mbYes, mbNo }, 0, mbNo), mrNo);

  WhileOpen([] {
    EXPECT_FALSE(ButtonOf("Yes")->Default()) << "a kind the box does not show marks no button";
    EXPECT_FALSE(ButtonOf("No")->Default());
  });
  Message->MessageDlg("?", mtConfirmation, { mbYes, mbNo }, 0, mbIgnore);
}

TEST_F(SkinMessageTest, PosMethodsCentreBelowMinus10000ElsePlaceTheBoxAndLetOnSetShowPosMoveIt) {
  WhileOpen([] {
    EXPECT_EQ(Box()->Left(), (1280 - Box()->Width()) / 2);
    EXPECT_EQ(Box()->Top(), (800 - Box()->Height()) / 2);
  });
  Message->MessageDlgPos("?", mtInformation, { mbOK }, 0, -10001, -10001);
  WhileOpen([] { EXPECT_EQ(TPoint(Box()->Left(), Box()->Top()), TPoint(-10000, 7)) << "-10000 is a place"; });
  Message->MessageDlgPos("?", mtInformation, { mbOK }, 0, -10000, 7);

  std::vector<TRect> Asked;
  Message->OnSetShowPos = [&](int& AX, int& AY, int AWidth, int AHeight) {
    Asked.push_back(Bounds(AX, AY, AWidth, AHeight));
    AX += 10;
    AY += 20;
  };
  for (int X : { -10001, 0 }) {
    WhileOpen([&] {
      EXPECT_EQ(Box()->BoundsRect(), Asked.back().Offset(10, 20)) << "moved from where it would go";
    });
    Message->MessageDlgPos("?", mtInformation, { mbOK }, 0, X, X);
  }
  ASSERT_EQ(Asked.size(), 2u);
  EXPECT_EQ(Asked[0].Left, (1280 - Asked[0].Width()) / 2);
  EXPECT_EQ(Asked[1].TopLeft(), TPoint(0, 0));

  WhileOpen([] { EXPECT_EQ(Box()->Left(), (1280 - Box()->Width()) / 2); });
  Message->MessageDlg("?", mtInformation, { mbOK }, 0);
  WhileOpen([] { EXPECT_EQ(Box()->Left(), 0); });
  Message->WideMessageDlgPos("?", mtInformation, { mbOK }, 0, 0, 0);
  EXPECT_EQ(Asked.size(), 2u) << "neither asks OnSetShowPos";
}

TEST_F(SkinMessageTest, HelpAsksTheApplicationForTheHelpContextAndLeavesTheBoxOpen) {
  std::vector<int> Asked;
  App->OnHelp = [&](Word, int Data, bool&) {
    Asked.push_back(Data);
    return true;
  };
  WhileOpen([this] {
    ClickOn(ButtonOf("Help"));
    EXPECT_EQ(Box()->ModalResult(), mrNone);
    EXPECT_EQ(Box()->HelpFile(), "zorvik.hlp");
  }, [this] { ClickOn(ButtonOf("OK")); });
  EXPECT_EQ(Message->MessageDlgHelp("?", mtInformation, { mbOK, mbHelp }, 77, "zorvik.hlp"), mrOk);
  EXPECT_EQ(Asked, std::vector<int> { 77 });
}

TEST_F(SkinMessageTest, AMessageTooWideForTheScreenWrapsAndTheBoxGrowsDownwards) {
  String Long;
  for (int I = 0; I < 40; ++I) Long += "请先选择您需要删除的项目！";
  int OneLine = 0;
  WhileOpen([&] { OneLine = Box()->Message->Height(); });
  Message->MessageDlg2("请先选择您需要删除的项目！", "提示", mtInformation, { mbOK }, 0);
  WhileOpen([&] {
    TskSkinStdLabel* Label = Box()->Message;
    EXPECT_TRUE(Label->WordWrap());
    EXPECT_GT(Label->Height(), 2 * OneLine);
    EXPECT_LE(Box()->Width(), Box()->BSF->GetMaxWidth());
    EXPECT_LE(Label->Left() + Label->Width() + 40, Box()->ClientWidth()) << "the text stays inside";
    EXPECT_EQ(Box()->ClientHeight(), 25 + Label->Height() + 50);
    EXPECT_GE(ButtonOf("OK")->Top(), Label->Top() + Label->Height()) << "the row is below the text";
  });
  Message->MessageDlg2(Long, "提示", mtInformation, { mbOK }, 0);
}

TEST_F(SkinMessageTest, TheBoxHasAFrameOfItsOwnWithTheComponentsSkinsAndAlphaAndIsFreedAfterwards) {
  TskSkinData Frames { nullptr }, Controls { nullptr };
  Message->SetSkinData(&Frames);
  Message->SetCtrlSkinData(&Controls);
  Message->SetAlphaBlend(true);
  Message->SetAlphaBlendAnimation(true);
  Message->SetAlphaBlendValue(150);
  WhileOpen([&] {
    const TskSkinForm* Frame = Box()->BSF;
    EXPECT_EQ(Frame->Owner(), Box());
    EXPECT_EQ(Frame->SkinData(), &Frames);
    EXPECT_EQ(Frame->MenusSkinData(), &Controls);
    EXPECT_TRUE(Frame->BorderIcons().Empty());
    EXPECT_TRUE(Frame->AlphaBlend());
    EXPECT_TRUE(Frame->AlphaBlendAnimation());
    EXPECT_EQ(Frame->AlphaBlendValue(), 150);
    EXPECT_EQ(Box()->Owner(), App.get());
    EXPECT_EQ(Box()->BorderStyle(), bsDialog);
    EXPECT_TRUE(Box()->KeyPreview());
  });
  Message->MessageDlg("?", mtInformation, { mbOK }, 0);
  EXPECT_EQ(Screen->FormCount(), 0) << "the box is freed before the call returns";

  auto Shared = std::make_unique<TskSkinData>(nullptr);
  Message->SetSkinData(Shared.get());
  Message->SetCtrlSkinData(Shared.get());
  Shared.reset();
  EXPECT_EQ(Message->SkinData(), nullptr) << "a freed model is forgotten";
  EXPECT_EQ(Message->CtrlSkinData(), nullptr);
}

TEST_F(SkinMessageTest, AMenuCommandsMessageBoxAnswersKeysOnceTheMenuClosed) {
  TForm* Main = nullptr;
  App->CreateForm(Main);
  auto* Frame = new TskSkinForm(Main);
  auto* Menu = new TMainMenu(Main);
  auto* Item = new TMenuItem(Menu);
  Item->SetShortCut(ShortCut(VK_DELETE, {}));
  int Result = -1;
  Item->OnClick = [&](TObject*) {
    Later([this] { Display->Key(VK_ESCAPE); });
    Result = Message->MessageDlg2("请先选择您需要删除的项目！", "提示", mtInformation, { mbOK }, 0);
  };
  Menu->Items()->Add(Item);
  Frame->SetMainMenu(Menu);
  Main->Show();
  Frame->SkinMenuOpen();
  SendMessage(Main->Handle(), WM_LBUTTONDOWN, 0, 0);  // closes the menu
  Display->Key(VK_DELETE);
  EXPECT_EQ(Result, mrOk);
  EXPECT_FALSE(Frame->InMenu);
}

}  // namespace
