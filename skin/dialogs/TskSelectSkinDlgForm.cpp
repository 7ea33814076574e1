#include "skin/dialogs/TskSelectSkinDlgForm.h"

#include <algorithm>

#include "skin/boxctrls/TskListBox.h"
#include "skin/boxctrls/TskSkinListBox.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/core/TskCompressedSkinList.h"
#include "skin/core/TskCompressedStoredSkin.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/form/TskSkinForm.h"
#include "skin/dialogs/skDialogText.h"

namespace {

constexpr TRect ListBounds { 10, 10, 180, 180 };
constexpr TPoint PreviewPlace { 190, 10 };
constexpr TSize PreviewSize { 220, 170 };
constexpr TPoint SampleButtonPlace { 20, 20 };
constexpr int SampleButtonWidth = 100;
constexpr int ButtonTop = 200;
constexpr int OpenButtonLeft = 260;
constexpr int CancelButtonLeft = 340;
constexpr int ButtonWidth = 70;
constexpr int ButtonHeight = 25;

}  // namespace

TskSelectSkinDlgForm::TskSelectSkinDlgForm(TComponent* AOwner, TskSkinData* ACtrlSkinData)
    : TForm(AOwner), FStrings(ACtrlSkinData ? ACtrlSkinData->ResourceStrData() : nullptr) {
  SetPosition(poScreenCenter);
  SetBorderStyle(bsSingle);
  BSF = new TskSkinForm(this);

  PreviewForm = new TForm(this);
  PreviewForm->SetParent(this);
  PreviewForm->SetCaption(Text("MSG_PREVIEWSKIN", "Preview"));
  PreviewForm->SetEnabled(false);
  PreviewForm->SetBounds(0, 0, PreviewSize.cx, PreviewSize.cy);

  PreviewSkinData = new TskSkinData(this);
  if (FStrings) PreviewSkinData->SetResourceStrData(FStrings);

  PreviewButton = new TskSkinButton(this);
  PreviewButton->SetParent(PreviewForm);
  PreviewButton->SetCaption(Text("MSG_PREVIEWBUTTON", "Button"));
  PreviewButton->SetBounds(SampleButtonPlace.X, SampleButtonPlace.Y, SampleButtonWidth, PreviewButton->Height());
  PreviewButton->SetSkinData(PreviewSkinData);

  PreviewBSF = new TskSkinForm(PreviewForm);
  PreviewBSF->SetSkinData(PreviewSkinData);
  PreviewBSF->PreviewMode = true;

  auto AddButton = [this](const String& Caption, int Left, TModalResult Result) {
    auto* Button = new TskSkinButton(this);
    Button->SetCaption(Caption);
    Button->SetCanFocused(true);
    Button->SetBounds(Left, ButtonTop, ButtonWidth, ButtonHeight);
    Button->SetDefaultHeight(ButtonHeight);
    Button->SetParent(this);
    Button->SetModalResult(Result);
    return Button;
  };
  OpenButton = AddButton(Text("MSG_BTN_OK", "OK"), OpenButtonLeft, mrOk);
  OpenButton->SetDefault(true);
  CancelButton = AddButton(Text("MSG_BTN_CANCEL", "Cancel"), CancelButtonLeft, mrCancel);
  CancelButton->SetCancel(true);

  SkinsListBox = new TskSkinListBox(this);
  SkinsListBox->SetParent(this);
  SkinsListBox->SetBounds(ListBounds.Left, ListBounds.Top, ListBounds.Width(), ListBounds.Height());
  SkinsListBox->OnListBoxClick = [this](TObject* Sender) { SLBOnChange(Sender); };
  SkinsListBox->OnListBoxDblClick = [this](TObject* Sender) { SLBOnDblClick(Sender); };
}

std::unique_ptr<TskSelectSkinDlgForm> TskSelectSkinDlgForm::CreateEx(TComponent* AOwner, TComponent* AForm,
                                                                     TskCompressedStoredSkin* ADefaultSkin,
                                                                     TskSkinData* ACtrlSkinData) {
  std::unique_ptr<TskSelectSkinDlgForm> Form(new TskSelectSkinDlgForm(AOwner, ACtrlSkinData));
  for (int I = 0; AForm && I < AForm->ComponentCount(); ++I)
    if (auto* Skin = dynamic_cast<TskCompressedStoredSkin*>(AForm->Components(I))) {
      Form->SkinList.push_back(Skin);
      Form->SkinsListBox->Items()->Add(Skin->Description().empty() ? Skin->Name() : Skin->Description());
    }
  const auto Default = std::find(Form->SkinList.begin(), Form->SkinList.end(), ADefaultSkin);
  const int Index = Form->SkinList.empty() ? -1
                    : Default == Form->SkinList.end() ? 0
                                                      : int(Default - Form->SkinList.begin());
  Form->SkinsListBox->SetItemIndex(Index);
  if (Index >= 0) Form->PreviewSkinData->SetCompressedStoredSkin(Form->SkinList[size_t(Index)]);
  Form->FinishBuilding();
  return Form;
}

std::unique_ptr<TskSelectSkinDlgForm> TskSelectSkinDlgForm::CreateEx2(TComponent* AOwner,
                                                                      TskCompressedSkinList* ASkinList,
                                                                      int ASkinIndex, TskSkinData* ACtrlSkinData) {
  std::unique_ptr<TskSelectSkinDlgForm> Form(new TskSelectSkinDlgForm(AOwner, ACtrlSkinData));
  Form->FCSkinList = ASkinList;
  Form->FCSkinIndex = ASkinIndex;
  TskSkinListItems* Skins = ASkinList->Skins();
  for (int I = 0; I < Skins->Count(); ++I) {
    const TskSkinListItem* Item = Skins->Items(I);
    Form->SkinsListBox->Items()->Add(Item->Description().empty() ? Item->Name() : Item->Description());
  }
  Form->SkinsListBox->SetItemIndex(ASkinIndex);
  // The index first: assigning the list then loads the skin at it when it lies inside the list.
  Form->PreviewSkinData->SetSkinIndex(ASkinIndex);
  Form->PreviewSkinData->SetSkinList(ASkinList);
  Form->FinishBuilding();
  return Form;
}

TskCompressedStoredSkin* TskSelectSkinDlgForm::GetSelectedSkin() const {
  return PreviewSkinData->CompressedStoredSkin();
}

String TskSelectSkinDlgForm::Text(const char* Name, const char* Builtin) const { return DialogText(FStrings, Name, Builtin); }

void TskSelectSkinDlgForm::FinishBuilding() {
  PreviewForm->SetLeft(PreviewPlace.X);
  PreviewForm->SetTop(PreviewPlace.Y);
  PreviewForm->Show();
  SetActiveControl(SkinsListBox->ListBox);
}

void TskSelectSkinDlgForm::SLBOnChange(TObject*) {
  const int Index = SkinsListBox->ItemIndex();
  if (FCSkinList) PreviewSkinData->SetSkinIndex(Index);
  else if (Index >= 0 && Index < int(SkinList.size()))
    PreviewSkinData->SetCompressedStoredSkin(SkinList[size_t(Index)]);
}

void TskSelectSkinDlgForm::SLBOnDblClick(TObject*) { SetModalResult(mrOk); }
