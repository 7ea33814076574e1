// The picture dialogs driven through their modal form: the preview of each readable format, damaged and
// unknown files previewing empty, folders and no selection clearing it, the stretch button, the layout
// kept between runs, and the save-picture dialog as the converter's snapshot dialog uses it.
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>

#include "platform/base/FileUtils.h"
#include "platform/base/TFileStream.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TGIFImage.h"
#include "platform/gdi/TJPEGImage.h"
#include "platform/gdi/TPicture.h"
#include "platform/gdi/TPngImage.h"
#include "platform/ui/toolkit/TImage.h"
#include "platform/ui/toolkit/TScreen.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/boxctrls/TskSkinScrollBox.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinMenuSpeedButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/TskSkinSplitter.h"
#include "skin/dialogs/TskCustomShellListView.h"
#include "skin/dialogs/TskMessageForm.h"
#include "skin/dialogs/TskOpenPictureDlgForm.h"
#include "skin/dialogs/TskSkinFilterComboBox.h"
#include "skin/dialogs/TskSkinOpenPictureDialog.h"
#include "skin/dialogs/TskSkinSavePictureDialog.h"
#include "tests/skin/dialogs/ShellViewFixture.h"

namespace {

/// A readable picture of the fixture: one colour all over.
struct TSample {
  String Name;
  TColor Color;
  TSize Size;
};

const TSample Samples[] = {
  { "red.bmp", clRed, { 40, 30 } },
  { "green.png", clLime, { 50, 20 } },
  { "blue.jpg", clBlue, { 30, 30 } },
  { "yellow.gif", clYellow, { 20, 40 } },
  { "big.bmp", clTeal, { 400, 300 } },
};

class SkinOpenPictureDialogTest : public ShellViewTest {
protected:
  void SetUp() override {
    ShellViewTest::SetUp();
    Pictures = Dir / "图片";
    ASSERT_TRUE(CreateDir(Pictures));
    for (const TSample& S : Samples) WritePicture(S);
    const String Png = ReadFileToString(Pictures + "/green.png", 1 << 20);
    WriteFile(Pictures + "/cut.png", Png.substr(0, Png.size() / 2));
    String Noise;
    std::srand(7);
    for (int I = 0; I < 4000; ++I) Noise += char(std::rand());
    WriteFile(Pictures + "/noise.jpg", Noise);
    WriteFile(Pictures + "/drawing.emf", String(200, '\1'));
    Open = new TskSkinOpenPictureDialog(App.get());
    Open->SetInitialDir(Pictures);
    Open->SetFilter("All|*.*");
  }

  void WritePicture(const TSample& S) const {
    TBitmap Pixels;
    Pixels.SetPixelFormat(pf24bit);
    Pixels.SetSize(S.Size.cx, S.Size.cy);
    Pixels.Canvas()->Brush()->SetColor(S.Color);
    Pixels.Canvas()->FillRect({ 0, 0, S.Size.cx, S.Size.cy });
    const String Path = Pictures + "/" + S.Name;
    if (S.Name.ends_with(".bmp")) Pixels.SaveToFile(Path);
    else if (S.Name.ends_with(".png")) Save<TPngImage>(Pixels, Path);
    else if (S.Name.ends_with(".jpg")) Save<TJPEGImage>(Pixels, Path);
    else Save<TGIFImage>(Pixels, Path);
  }
  template <class G> static void Save(TBitmap& Pixels, const String& Path) {
    G Picture;
    Picture.Assign(&Pixels);
    Picture.SaveToFile(Path);
  }

  TskOpenPictureDlgForm* Dlg(TskSkinOpenDialog* Dialog = nullptr) const {
    return static_cast<TskOpenPictureDlgForm*>((Dialog ? Dialog : Open)->DlgFrm());
  }
  TskSkinFileListView* List() const { return Dlg()->FileListView; }
  /// Runs Steps on the open dialog, then cancels it unless a step closed it.
  void WhileOpen(std::function<void()> Steps, TskSkinOpenDialog* Dialog = nullptr) {
    Later([this, Steps, Dialog] {
      ASSERT_NE(Dlg(Dialog), nullptr);
      Display->PumpUntilIdle();
      Steps();
      if (Dlg(Dialog)->ModalResult() == mrNone) Dlg(Dialog)->SetModalResult(mrCancel);
    });
  }
  /// Selects the entry named Name alone.
  void Select(const String& Name) {
    for (int I = 0; I < List()->EntryCount(); ++I)
      if (List()->EntryAt(I)->DisplayName() == Name) {
        List()->Items()->Item(I)->SetSelected(true);
        return;
      }
    ADD_FAILURE() << Name << " is not listed";
  }
  TImage* Image() const { return Dlg()->Image; }
  /// Clicks the stretch button with the pointer coming from elsewhere, as a hand brings it.
  void ClickStretch() {
    Display->MoveTo(0, 0);
    ClickOn(Dlg()->StretchButton);
  }
  /// The colour the preview shows at a point of the scroll box.
  TColor Previewed(int X, int Y) { return Shown(Dlg()->ScrollBox, X, Y); }
  /// Whether Shown is Expected within the small error of a lossy format.
  static bool Near(TColor Shown, TColor Expected) {
    for (int Shift : { 0, 8, 16 })
      if (std::abs(int((Shown >> Shift) & 0xFF) - int((Expected >> Shift) & 0xFF)) > 8) return false;
    return true;
  }
  void ExpectEmptyPreview(TColor Before) {
    EXPECT_EQ(Image()->Picture()->Graphic(), nullptr);
    EXPECT_FALSE(Near(Previewed(5, 5), Before)) << "the earlier picture is gone";
    EXPECT_FALSE(Dlg()->SBHScrollBar->Visible());
    EXPECT_FALSE(Dlg()->SBVScrollBar->Visible());
  }

  String Pictures;
  TskSkinOpenPictureDialog* Open { nullptr };
};

TEST_F(SkinOpenPictureDialogTest, EachReadableFormatPreviewsAtItsOwnSize) {
  WhileOpen([&] {
    for (const TSample& S : Samples) {
      SCOPED_TRACE(S.Name);
      Select(S.Name);
      EXPECT_EQ(Dlg()->FileNameEdit->Text(), S.Name);
      EXPECT_EQ(Image()->Width(), S.Size.cx);
      EXPECT_EQ(Image()->Height(), S.Size.cy);
      const TColor Inside = Previewed(std::min(S.Size.cx - 3, 100), std::min(S.Size.cy - 3, 100));
      EXPECT_TRUE(Near(Inside, S.Color)) << std::hex << Inside;
    }
    EXPECT_TRUE(Dlg()->SBHScrollBar->Visible()) << "the big picture scrolls";
    EXPECT_TRUE(Dlg()->SBVScrollBar->Visible());
  });
  EXPECT_FALSE(Open->Execute());
}

TEST_F(SkinOpenPictureDialogTest, AFileThatIsNoReadablePicturePreviewsEmptyAndRaisesNothing) {
  WhileOpen([&] {
    for (const char* Damaged : { "cut.png", "noise.jpg", "drawing.emf" }) {
      SCOPED_TRACE(Damaged);
      Select("big.bmp");
      ASSERT_TRUE(Near(Previewed(5, 5), clTeal));
      EXPECT_NO_THROW(Select(Damaged));
      EXPECT_EQ(Dlg()->FileNameEdit->Text(), Damaged);
      ExpectEmptyPreview(clTeal);
    }
  });
  EXPECT_FALSE(Open->Execute());

  Open->SetFileName(Pictures + "/cut.png");
  WhileOpen([&] {
    EXPECT_EQ(Dlg()->FileNameEdit->Text(), "cut.png");
    EXPECT_EQ(Image()->Picture()->Graphic(), nullptr);
  });
  EXPECT_NO_THROW(EXPECT_FALSE(Open->Execute())) << "a damaged start file opens the dialog all the same";
  EXPECT_EQ(Open->DlgFrm(), nullptr);
}

TEST_F(SkinOpenPictureDialogTest, AFolderOrNoSelectionEmptiesTheNameAndThePreview) {
  ASSERT_TRUE(CreateDir(Pictures + "/sub"));
  Open->SetStretchPicture(true);
  WhileOpen([&] {
    Select("red.bmp");
    ASSERT_TRUE(Near(Previewed(5, 5), clRed));
    Select("sub");
    EXPECT_EQ(Dlg()->FileNameEdit->Text(), "");
    ExpectEmptyPreview(clRed);
    Select("red.bmp");
    List()->ClearSelection();
    EXPECT_EQ(Dlg()->FileNameEdit->Text(), "");
    ExpectEmptyPreview(clRed);
  });
  EXPECT_FALSE(Open->Execute());
}

TEST_F(SkinOpenPictureDialogTest, ItOffersThePictureTypesTheProgramLoads) {
  const TskSkinOpenPictureDialog Fresh(nullptr);
  EXPECT_EQ(Fresh.Filter(), GraphicFilter());
}

TEST_F(SkinOpenPictureDialogTest, ExecuteReturnsTheChosenPictureAndStartsOnAGivenOne) {
  WhileOpen([&] {
    Select("green.png");
    ClickOn(Dlg()->OpenButton);
  });
  ASSERT_TRUE(Open->Execute());
  EXPECT_EQ(Open->FileName(), Pictures + "/green.png");
  EXPECT_EQ(Open->Files()->Count(), 1);

  Open->SetInitialDir(Dir.Path());
  Open->SetFileName(Pictures + "/yellow.gif");
  WhileOpen([&] {
    EXPECT_EQ(List()->Path(), Pictures);
    EXPECT_EQ(Dlg()->FileNameEdit->Text(), "yellow.gif");
    EXPECT_TRUE(Near(Previewed(5, 5), clYellow));
    EXPECT_EQ(Image()->Height(), 40);
  });
  EXPECT_FALSE(Open->Execute());
  EXPECT_EQ(Open->FileName(), Pictures + "/yellow.gif") << "Cancel keeps the file name";
}

TEST_F(SkinOpenPictureDialogTest, TheStretchButtonFitsThePictureToTheBoxAndTheNextRunStartsAsItWasLeft) {
  WhileOpen([&] {
    Select("big.bmp");
    ASSERT_TRUE(Dlg()->SBVScrollBar->Visible());
    Dlg()->SBVScrollBar->SetPosition(50);
    ClickStretch();
    EXPECT_TRUE(Dlg()->StretchButton->Down());
    EXPECT_EQ(Image()->BoundsRect(), Dlg()->ScrollBox->ClientRect());
    EXPECT_FALSE(Dlg()->SBVScrollBar->Visible());
    EXPECT_FALSE(Dlg()->SBHScrollBar->Visible());
    Select("red.bmp");
    EXPECT_EQ(Image()->BoundsRect(), Dlg()->ScrollBox->ClientRect()) << "a stretched picture keeps the box's size";
    EXPECT_TRUE(Near(Previewed(Dlg()->ScrollBox->ClientWidth() - 3, 5), clRed));
  });
  EXPECT_FALSE(Open->Execute());
  EXPECT_TRUE(Open->DialogStretch);

  WhileOpen([&] {
    EXPECT_TRUE(Dlg()->StretchButton->Down());
    Select("big.bmp");
    ClickStretch();
    EXPECT_FALSE(Dlg()->StretchButton->Down());
    EXPECT_EQ(Image()->BoundsRect(), TRect(0, 0, 400, 300));
    EXPECT_TRUE(Dlg()->SBVScrollBar->Visible()) << "back at its own size the picture scrolls again";
  });
  EXPECT_FALSE(Open->Execute());
  EXPECT_FALSE(Open->DialogStretch);

  Open->SetStretchPicture(true);
  WhileOpen([&] { EXPECT_TRUE(Dlg()->StretchButton->Down()); });
  Open->Execute();
}

TEST_F(SkinOpenPictureDialogTest, FirstRunLayoutAndWhatCancelKeepsForTheNext) {
  Open->SetFilter("Bitmaps|*.bmp|Pictures|*.png;*.jpg|All|*.*");
  WhileOpen([&] {
    EXPECT_EQ(Dlg()->ClientWidth(), 550);
    EXPECT_EQ(Dlg()->ClientHeight(), 290);
    EXPECT_EQ(Dlg()->Caption(), "Open picture");
    TskSkinPanel* Preview = Dlg()->ImagePanel;
    EXPECT_EQ(Preview->Width(), 190);
    EXPECT_EQ(Preview->Left() + Preview->Width(), 550);
    EXPECT_EQ(Dlg()->Splitter->Left() + Dlg()->Splitter->Width(), Preview->Left());
    EXPECT_EQ(Dlg()->FileListViewPanel->Left() + Dlg()->FileListViewPanel->Width(), Dlg()->Splitter->Left());
    EXPECT_EQ(Dlg()->StretchButton->Left(),
              Dlg()->StyleToolButton->Left() + Dlg()->StyleToolButton->Width()) << "the stretch button comes last";
    EXPECT_EQ(Dlg()->FileNameEdit->BoundsRect(), Bounds(70, 10, 280, Dlg()->FileNameEdit->Height()));
    EXPECT_EQ(Dlg()->OpenButton->BoundsRect(), Bounds(370, 10, 70, 25));
    EXPECT_EQ(Dlg()->CancelButton->BoundsRect(), Bounds(370, 45, 70, 25));
    Dlg()->SetClientWidth(640);
    Dlg()->SetClientHeight(330);
    EXPECT_EQ(Dlg()->OpenButton->Left(), 370) << "the bottom row keeps its places";
    EXPECT_EQ(Dlg()->FileNameEdit->Width(), 280);
    Preview->SetWidth(230);
    Dlg()->FilterComboBox->SetItemIndex(1);
    Dlg()->SelectViewStyle(vsReport);
    ClickStretch();
  });
  EXPECT_FALSE(Open->Execute());
  EXPECT_EQ(Open->DialogWidth(), 640);
  EXPECT_EQ(Open->DialogHeight(), 330);
  EXPECT_EQ(Open->ImagePanelWidth, 230);
  EXPECT_EQ(Open->FilterIndex(), 2);
  EXPECT_EQ(Open->ListViewStyle, vsReport);
  EXPECT_TRUE(Open->DialogStretch);
  WhileOpen([&] {
    EXPECT_EQ(Dlg()->ClientWidth(), 640);
    EXPECT_EQ(Dlg()->ImagePanel->Width(), 230);
    EXPECT_EQ(Dlg()->FilterComboBox->ItemIndex(), 1);
  });
  Open->Execute();
}

/// The save-picture dialog as the converter's snapshot dialog configures it.
class SkinSavePictureDialogTest : public SkinOpenPictureDialogTest {
protected:
  void SetUp() override {
    SkinOpenPictureDialogTest::SetUp();
    Save = new TskSkinSavePictureDialog(App.get());
    Save->SetInitialDir(Pictures);
    Save->SetFilter("Bitmaps (*.bmp)|*.bmp|JPEG Image File |*.jpg;*.jpeg|All|*.*");
    Save->SetOverwritePromt(true);
  }
  TskOpenPictureDlgForm* Form() const { return Dlg(Save); }
  /// Types Name and presses Save; Answer, when given, answers the overwrite question, which runs its own
  /// modal loop.
  void TypeAndSave(const String& Name, std::optional<TModalResult> Answer = std::nullopt) {
    Form()->FileNameEdit->SetText(Name);
    if (Answer)
      Later([Answer] {
        auto* Question = dynamic_cast<TskMessageForm*>(Screen->ActiveForm());
        EXPECT_NE(Question, nullptr) << "the overwrite question is asked";
        if (Question) Question->SetModalResult(*Answer);
      });
    Form()->OpenButtonClick(Form()->OpenButton);
  }

  TskSkinSavePictureDialog* Save { nullptr };
};

TEST_F(SkinSavePictureDialogTest, ATypedNameTakesTheSelectedTypesExtension) {
  struct Case {
    int FilterIndex;
    String Typed;
    String Expected;
  };
  const Case Cases[] = {
    { 1, "shot", "shot.bmp" },
    { 2, "shot", "shot.jpg" },  // the first pattern of "*.jpg;*.jpeg"
    { 3, "shot", "shot" },      // "*.*" adds nothing
    { 2, "shot.png", "shot.png" },
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Typed + " with type " + std::to_string(C.FilterIndex));
    Save->SetFilterIndex(C.FilterIndex);
    WhileOpen([&] {
      EXPECT_EQ(Form()->Caption(), "Save file");
      EXPECT_EQ(Form()->OpenButton->Caption(), "&Save");
      TypeAndSave(C.Typed);
    }, Save);
    ASSERT_TRUE(Save->Execute());
    EXPECT_EQ(Save->FileName(), Pictures + "/" + C.Expected);
  }
}

TEST_F(SkinSavePictureDialogTest, AnExistingFileIsTakenOnlyAfterTheOverwriteQuestionsOK) {
  WhileOpen([&] {
    TypeAndSave("red", mrCancel);
    EXPECT_EQ(Form()->ModalResult(), mrNone) << "Cancel keeps the dialog open";
    EXPECT_EQ(Form()->FileNameEdit->Text(), "red");
    TypeAndSave("red", mrOk);
  }, Save);
  ASSERT_TRUE(Save->Execute());
  EXPECT_EQ(Save->FileName(), Pictures + "/red.bmp");
}

}  // namespace
