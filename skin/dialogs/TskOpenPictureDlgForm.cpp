#include "skin/dialogs/TskOpenPictureDlgForm.h"

#include <exception>

#include "platform/base/FileUtils.h"
#include "platform/ui/toolkit/TImage.h"
#include "skin/boxctrls/TskSkinEdit.h"
#include "skin/boxctrls/TskSkinScrollBox.h"
#include "skin/controls/TskPngImageList.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinMenuSpeedButton.h"
#include "skin/controls/TskSkinPanel.h"
#include "skin/controls/TskSkinScrollBar.h"
#include "skin/controls/TskSkinSpeedButton.h"
#include "skin/controls/TskSkinSplitter.h"
#include "skin/controls/TskSkinToolBar.h"
#include "skin/dialogs/TskCustomShellListView.h"
#include "skin/dialogs/TskSkinFilterComboBox.h"

namespace {

constexpr int PreviewWidth = 200;
constexpr int SplitterWidth = 10;
constexpr int ScrollBarThickness = 19;
constexpr TSize StretchButtonSize { 27, 25 };
constexpr int StretchGlyph = 4;
constexpr int StretchGroup = 2;
constexpr int FieldLeft = 70;
constexpr int FieldWidth = 280;
constexpr int FirstRowTop = 10;
constexpr int SecondRowTop = 45;
constexpr int ButtonLeft = 370;

}  // namespace

TskOpenPictureDlgForm::TskOpenPictureDlgForm(TComponent* AOwner, bool ASaveMode, TskSkinData* ACtrlSkinData)
    : TskOpenDlgForm(AOwner, ASaveMode, ACtrlSkinData) {
  AddResourcePngs(PngImgList, { "BS_STRETCH_PNG" });
}

std::unique_ptr<TskOpenPictureDlgForm> TskOpenPictureDlgForm::CreateEx(TComponent* AOwner, bool ASaveMode,
                                                                       TskSkinData* ACtrlSkinData,
                                                                       bool AToolButtonsTransparent,
                                                                       TCustomImageList* AToolBarImageList) {
  std::unique_ptr<TskOpenPictureDlgForm> Form(new TskOpenPictureDlgForm(AOwner, ASaveMode, ACtrlSkinData));
  Form->BuildPreview();
  Form->BuildToolBar(AToolButtonsTransparent, AToolBarImageList);
  Form->BuildStretchButton(AToolButtonsTransparent);
  Form->BuildBottomPanel();
  Form->PlaceBottomRow();
  Form->BuildList();
  Form->FileListView->OnChange = [Dlg = Form.get()](TObject* Sender, TListItem* Item, TItemChange Change) {
    Dlg->FLVChange(Sender, Item, Change);
  };
  Form->SetActiveControl(Form->FileNameEdit);
  return Form;
}

void TskOpenPictureDlgForm::BuildPreview() {
  ImagePanel = new TskSkinPanel(this);
  ImagePanel->SetBorderStyle(TskSkinBorderStyle::bvFrame);
  ImagePanel->SetWidth(PreviewWidth);
  ImagePanel->SetAlign(alRight);
  ImagePanel->SetParent(this);
  // Made after the panel, the splitter lines up on its left.
  Splitter = new TskSkinSplitter(this);
  Splitter->SetDefaultSize(SplitterWidth);
  Splitter->SetWidth(SplitterWidth);
  Splitter->SetBeveled(false);
  Splitter->SetAlign(alRight);
  Splitter->SetParent(this);

  SBVScrollBar = new TskSkinScrollBar(this);
  SBVScrollBar->SetSkinDataName("vscrollbar");
  SBVScrollBar->SetKind(sbVertical);
  SBVScrollBar->SetDefaultWidth(ScrollBarThickness);
  SBVScrollBar->SetAlign(alRight);
  SBVScrollBar->SetParent(ImagePanel);
  SBHScrollBar = new TskSkinScrollBar(this);
  SBHScrollBar->SetSkinDataName("hscrollbar");
  SBHScrollBar->SetDefaultHeight(ScrollBarThickness);
  SBHScrollBar->SetBothMarkerWidth(ScrollBarThickness);
  SBHScrollBar->SetAlign(alBottom);
  SBHScrollBar->SetParent(ImagePanel);

  ScrollBox = new TskSkinScrollBox(this);
  ScrollBox->SetBorderStyle(TskSkinBorderStyle::bvNone);
  ScrollBox->SetAlign(alClient);
  ScrollBox->SetParent(ImagePanel);
  ScrollBox->SetVScrollBar(SBVScrollBar);
  ScrollBox->SetHScrollBar(SBHScrollBar);
  Image = new TImage(this);
  Image->SetBounds(0, 0, 0, 0);
  Image->SetParent(ScrollBox);
}

void TskOpenPictureDlgForm::BuildStretchButton(bool AToolButtonsTransparent) {
  StretchButton = new TskSkinSpeedButton(this);
  StretchButton->SetSkinDataName("toolbutton");
  StretchButton->SetDefaultWidth(StretchButtonSize.cx);
  StretchButton->SetDefaultHeight(StretchButtonSize.cy);
  StretchButton->SetGroupIndex(StretchGroup);
  StretchButton->SetAllowAllUp(true);
  StretchButton->SetImageIndex(StretchGlyph);
  StretchButton->SetHint(Text("MSG_BTN_STRETCH_HINT", "Stretch Picture"));
  StretchButton->SetShowHint(true);
  StretchButton->SetFlat(AToolButtonsTransparent);
  // Right of the view button: right-aligned controls line up by their right edges.
  StretchButton->SetLeft(StyleToolButton->Left() + StyleToolButton->Width());
  StretchButton->SetAlign(alRight);
  StretchButton->SetParent(ToolPanel);
  StretchButton->OnClick = [this](TObject* Sender) { StretchButtonClick(Sender); };
}

void TskOpenPictureDlgForm::PlaceBottomRow() {
  for (TControl* Control : std::initializer_list<TControl*> { FileNameEdit, FilterComboBox, OpenButton, CancelButton })
    Control->SetAnchors({ akLeft, akTop });
  FileNameEdit->SetBounds(FieldLeft, FirstRowTop, FieldWidth, FileNameEdit->Height());
  FilterComboBox->SetBounds(FieldLeft, SecondRowTop, FieldWidth, FilterComboBox->Height());
  OpenButton->SetLeft(ButtonLeft);
  CancelButton->SetLeft(ButtonLeft);
}

void TskOpenPictureDlgForm::FLVChange(TObject*, TListItem*, TItemChange) {
  const String Selected = FileListView->GetSelectedFile();
  FileNameEdit->SetText(ExtractFileName(Selected));
  ShowPicture(Selected);
}

void TskOpenPictureDlgForm::ShowPicture(const String& FileName) {
  TPicture* Picture = Image->Picture();
  if (FileName.empty()) Picture->SetGraphic(nullptr);
  else {
    // The preview opens whatever the user selects; a file it cannot show leaves it empty.
    try {
      Picture->LoadFromFile(FileName);
    } catch (const std::exception&) {
      Picture->SetGraphic(nullptr);
    }
  }
  FitImage();
}

void TskOpenPictureDlgForm::FitImage() {
  if (!Image->Stretch())
    Image->SetBounds(Image->Left(), Image->Top(), Image->Picture()->Width(), Image->Picture()->Height());
  ScrollBox->UpDateScrollRange();
}

void TskOpenPictureDlgForm::StretchButtonClick(TObject*) {
  Image->Hide();
  const bool Stretch = StretchButton->Down();
  Image->SetAlign(Stretch ? alClient : alNone);
  Image->SetStretch(Stretch);
  Image->Show();
  FitImage();
}
