#include "skin/dialogs/TskSkinMessage.h"

#include <algorithm>

#include "platform/base/ScopeGuard.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/toolkit/TApplication.h"
#include "platform/ui/toolkit/TCustomImageList.h"
#include "platform/ui/toolkit/TImage.h"
#include "platform/ui/toolkit/TScreen.h"
#include "skin/controls/TskSkinButton.h"
#include "skin/controls/TskSkinCheckRadioBox.h"
#include "skin/controls/TskSkinStdLabel.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/dialogs/TskMessageForm.h"
#include "skin/dialogs/skDialogFrame.h"
#include "skin/form/TskSkinForm.h"

namespace {

constexpr int ButtonWidth = 70;
constexpr int DefaultButtonHeight = 25;
constexpr int ButtonGap = 10;
constexpr int LabelLeft = 50;
constexpr int LabelTop = 15;
/// Space right of the label or the row, and below the label and around the row.
constexpr int Margin = 40;
constexpr int RowMargin = 50;
/// The row's distance from the bottom.
constexpr int RowBottom = 10;
constexpr int ImageLeft = 5;
/// The highest place of the system icon.
constexpr int IconTopMin = 10;
constexpr int IconSize = 32;
constexpr int CheckBoxHeight = 30;
constexpr int CheckBoxTextSpace = 60;
constexpr int CheckBoxWidthExtra = 55;
constexpr const char* ShowAgainText = "Do not display this message again";

const TskMsgDialogKind* DialogKind(TMsgDlgType DlgType) {
  for (const TskMsgDialogKind& Kind : MsgDialogKinds)
    if (Kind.Type == DlgType) return &Kind;
  return nullptr;
}

int CountButtons(TMsgDlgButtons Buttons) {
  return int(std::count_if(std::begin(MsgButtonKinds), std::end(MsgButtonKinds),
                           [Buttons](const TskMsgButtonKind& Kind) { return Buttons.Contains(Kind.Kind); }));
}

/// The default button by the rule: OK, else Yes, else Retry.
TMsgDlgBtn RuleDefault(TMsgDlgButtons Buttons) {
  if (Buttons.Contains(mbOK)) return mbOK;
  if (Buttons.Contains(mbYes)) return mbYes;
  return mbRetry;
}

/// The cancel button: Cancel, else No, else OK.
TMsgDlgBtn CancelKind(TMsgDlgButtons Buttons) {
  if (Buttons.Contains(mbCancel)) return mbCancel;
  if (Buttons.Contains(mbNo)) return mbNo;
  return mbOK;
}

}  // namespace

TskSkinMessage::TskSkinMessage(TComponent* AOwner)
    : TComponent(AOwner), FDefaultFont(DialogDefaultFont()), FDefaultButtonFont(DialogDefaultFont()) {}

TskSkinMessage::~TskSkinMessage() {
  SetSkinData(nullptr);
  SetCtrlSkinData(nullptr);
}

void TskSkinMessage::SetSkinData(TskSkinData* Value) {
  if (FSD && FSD != Value && FSD != FCtrlFSD) FSD->RemoveFreeNotification(this);
  FSD = Value;
  if (FSD) FSD->FreeNotification(this);
}

void TskSkinMessage::SetCtrlSkinData(TskSkinData* Value) {
  if (FCtrlFSD && FCtrlFSD != Value && FCtrlFSD != FSD) FCtrlFSD->RemoveFreeNotification(this);
  FCtrlFSD = Value;
  if (FCtrlFSD) FCtrlFSD->FreeNotification(this);
}

void TskSkinMessage::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSD) FSD = nullptr;
  if (AComponent == FCtrlFSD) FCtrlFSD = nullptr;
}

// ---- Message methods ----

int TskSkinMessage::MessageDlg2(const String& Msg, const String& ACaption, TMsgDlgType DlgType,
                                TMsgDlgButtons Buttons, int HelpCtx) {
  return Execute({ .Msg = Msg, .Caption = ACaption, .DlgType = DlgType, .Buttons = Buttons }, { .HelpCtx = HelpCtx });
}

int TskSkinMessage::MessageDlgHelp2(const String& Msg, const String& ACaption, TMsgDlgType DlgType,
                                    TMsgDlgButtons Buttons, int HelpCtx, const String& HelpFileName) {
  return Execute({ .Msg = Msg, .Caption = ACaption, .DlgType = DlgType, .Buttons = Buttons },
                 { .HelpCtx = HelpCtx, .HelpFile = HelpFileName });
}

int TskSkinMessage::MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx) {
  return Execute({ .Msg = Msg, .DlgType = DlgType, .Buttons = Buttons }, { .HelpCtx = HelpCtx });
}

int TskSkinMessage::MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                               TMsgDlgBtn DefaultButton) {
  return Execute({ .Msg = Msg, .DlgType = DlgType, .Buttons = Buttons, .DefaultButton = DefaultButton },
                 { .HelpCtx = HelpCtx });
}

int TskSkinMessage::MessageDlgPos(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                                  int X, int Y) {
  return Execute({ .Msg = Msg, .DlgType = DlgType, .Buttons = Buttons, .X = X, .Y = Y },
                 { .HelpCtx = HelpCtx, .AskShowPos = true });
}

int TskSkinMessage::MessageDlgPos(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                                  int X, int Y, TMsgDlgBtn DefaultButton) {
  return Execute(
    { .Msg = Msg, .DlgType = DlgType, .Buttons = Buttons, .DefaultButton = DefaultButton, .X = X, .Y = Y },
    { .HelpCtx = HelpCtx, .AskShowPos = true });
}

int TskSkinMessage::MessageDlgHelp(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                                   const String& HelpFileName) {
  return Execute({ .Msg = Msg, .DlgType = DlgType, .Buttons = Buttons },
                 { .HelpCtx = HelpCtx, .HelpFile = HelpFileName });
}

int TskSkinMessage::WideMessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx) {
  return Execute({ .Msg = Msg, .DlgType = DlgType, .Buttons = Buttons, .CheckBoxAllowed = false },
                 { .HelpCtx = HelpCtx });
}

int TskSkinMessage::WideMessageDlgPos(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                                      int X, int Y) {
  return Execute({ .Msg = Msg, .DlgType = DlgType, .Buttons = Buttons, .CheckBoxAllowed = false, .X = X, .Y = Y },
                 { .HelpCtx = HelpCtx });
}

int TskSkinMessage::CustomMessageDlg(const String& Msg, const String& ACaption, TCustomImageList* AImages,
                                     int AImageIndex, TMsgDlgButtons Buttons, int HelpCtx) {
  return Execute({ .Msg = Msg, .Caption = ACaption, .UseImages = true, .Images = AImages, .ImageIndex = AImageIndex,
                   .Buttons = Buttons },
                 { .HelpCtx = HelpCtx });
}

int TskSkinMessage::CustomMessageDlg(const String& Msg, const String& ACaption, TCustomImageList* AImages,
                                     int AImageIndex, TMsgDlgButtons Buttons, int HelpCtx, TMsgDlgBtn DefaultButton) {
  return Execute({ .Msg = Msg, .Caption = ACaption, .UseImages = true, .Images = AImages, .ImageIndex = AImageIndex,
                   .Buttons = Buttons, .DefaultButton = DefaultButton },
                 { .HelpCtx = HelpCtx });
}

int TskSkinMessage::CustomMessageDlgPos(const String& Msg, const String& ACaption, TCustomImageList* AImages,
                                        int AImageIndex, TMsgDlgButtons Buttons, int HelpCtx, int X, int Y) {
  return Execute({ .Msg = Msg, .Caption = ACaption, .UseImages = true, .Images = AImages, .ImageIndex = AImageIndex,
                   .Buttons = Buttons, .X = X, .Y = Y },
                 { .HelpCtx = HelpCtx, .AskShowPos = true });
}

int TskSkinMessage::CustomMessageDlgPos(const String& Msg, const String& ACaption, TCustomImageList* AImages,
                                        int AImageIndex, TMsgDlgButtons Buttons, int HelpCtx, int X, int Y,
                                        TMsgDlgBtn DefaultButton) {
  return Execute({ .Msg = Msg, .Caption = ACaption, .UseImages = true, .Images = AImages, .ImageIndex = AImageIndex,
                   .Buttons = Buttons, .DefaultButton = DefaultButton, .X = X, .Y = Y },
                 { .HelpCtx = HelpCtx, .AskShowPos = true });
}

int TskSkinMessage::CustomMessageDlgHelp(const String& Msg, const String& ACaption, TCustomImageList* AImages,
                                         int AImageIndex, TMsgDlgButtons Buttons, int HelpCtx,
                                         const String& HelpFileName) {
  return Execute({ .Msg = Msg, .Caption = ACaption, .UseImages = true, .Images = AImages, .ImageIndex = AImageIndex,
                   .Buttons = Buttons },
                 { .HelpCtx = HelpCtx, .HelpFile = HelpFileName });
}

// ---- Running ----

int TskSkinMessage::Execute(const TRequest& Request, const TRun& Run) {
  std::unique_ptr<TskMessageForm> Form = CreateMessageForm(Request);
  ScopeGuard KeepAnswer([&] {
    if (Form->DisplayCheckBox) FShowAgainFlagValue = !Form->DisplayCheckBox->Checked();
  });
  Form->SetHelpContext(Run.HelpCtx);
  if (Run.HelpFile) Form->SetHelpFile(*Run.HelpFile);
  if (Run.AskShowPos && OnSetShowPos) {
    // A centred box reports where it is going to be, so the event can move it from there.
    if (Form->Position() == poScreenCenter) {
      Form->SetBounds((Screen->Width() - Form->Width()) / 2, (Screen->Height() - Form->Height()) / 2, Form->Width(),
                      Form->Height());
      Form->SetPosition(poDesigned);
    }
    int AX = Form->Left(), AY = Form->Top();
    OnSetShowPos(AX, AY, Form->Width(), Form->Height());
    Form->SetLeft(AX);
    Form->SetTop(AY);
  }
  return Form->ShowModal();
}

// ---- Building ----

std::unique_ptr<TskMessageForm> TskSkinMessage::CreateMessageForm(const TRequest& Request) {
  auto Form = std::make_unique<TskMessageForm>(Application, Request.X, Request.Y);
  TskSkinForm* Frame = Form->BSF;
  Frame->SetSkinData(FSD);
  Frame->SetMenusSkinData(FCtrlFSD);
  Frame->SetAlphaBlend(FAlphaBlend);
  Frame->SetAlphaBlendAnimation(FAlphaBlendAnimation);
  Frame->SetAlphaBlendValue(FAlphaBlendValue);

  const int BtnHeight = ButtonHeight();
  const int Count = CountButtons(Request.Buttons);
  const int RowWidth = Count == 0 ? 0 : Count * ButtonWidth + (Count - 1) * ButtonGap;

  Form->SetCaption(Request.Caption ? *Request.Caption : DialogCaption(Request.DlgType));

  auto* Label = new TskSkinStdLabel(Form.get());
  Form->Message = Label;
  Label->Font()->Assign(FDefaultFont.get());
  Label->SetDefaultFont(FDefaultFont.get());
  Label->SetUseSkinFont(FUseSkinFont);
  Label->SetSkinDataName(FMessageLabelSkinDataName);
  Label->SetSkinData(FCtrlFSD);
  Label->SetName("Message");
  Label->SetParent(Form.get());
  Label->SetAutoSize(true);
  Label->SetCaption(Request.Msg);
  Label->SetLeft(LabelLeft);
  Label->SetTop(LabelTop);
  FitMessageToFrame(Form.get());
  const int LabelRight = Label->Left() + Label->Width();

  AddImage(Form.get(), Request);

  Form->SetClientHeight(BtnHeight + Label->Height() + RowMargin);
  Form->SetClientWidth(RowWidth < LabelRight ? LabelRight + Margin : RowWidth + Margin);

  if (FShowAgainFlag && Request.CheckBoxAllowed) AddCheckBox(Form.get(), BtnHeight);

  if (Frame->GetMaxWidth() < Form->Width())
    Form->SetWidth(Frame->GetMaxWidth());
  else if (Form->Width() < Frame->GetMinWidth())
    Form->SetWidth(Frame->GetMinWidth());

  AddButtons(Form.get(), Request, BtnHeight, RowWidth);
  return Form;
}

int TskSkinMessage::ButtonHeight() const {
  if (!FCtrlFSD || FCtrlFSD->Empty) return DefaultButtonHeight;
  const int Index = FCtrlFSD->GetControlIndex(FButtonSkinDataName);
  if (Index == -1) return DefaultButtonHeight;
  const auto* Record = dynamic_cast<const TskDataSkinButtonControl*>(FCtrlFSD->CtrlList[Index].get());
  return Record ? Record->SkinRect.Height() : DefaultButtonHeight;
}

String TskSkinMessage::ButtonCaption(const TskMsgButtonKind& Kind) const {
  const TskResourceStrData* Table = FCtrlFSD ? FCtrlFSD->ResourceStrData() : nullptr;
  if (!Table) return Kind.Caption;
  return *Kind.StrName ? Table->GetResStr(Kind.StrName) : String();
}

String TskSkinMessage::DialogCaption(TMsgDlgType DlgType) const {
  const TskMsgDialogKind* Kind = DialogKind(DlgType);
  if (!Kind) return Application->Title();
  const TskResourceStrData* Table = FCtrlFSD ? FCtrlFSD->ResourceStrData() : nullptr;
  return Table ? Table->GetResStr(Kind->StrName) : String(Kind->Caption);
}

String TskSkinMessage::ShowAgainCaption() const {
  const TskResourceStrData* Table = FCtrlFSD ? FCtrlFSD->ResourceStrData() : nullptr;
  const String Text = Table ? Table->GetResStr("MSG_CAP_SHOWFLAG") : String();
  return Text.empty() ? String(ShowAgainText) : Text;
}

void TskSkinMessage::FitMessageToFrame(TskMessageForm* Form) {
  TskSkinStdLabel* Label = Form->Message;
  const int FrameWidth = Form->Width() - Form->ClientWidth();
  const int Widest = Form->BSF->GetMaxWidth() - FrameWidth - Margin - LabelLeft;
  if (Label->Width() <= Widest || Widest <= 0) return;
  Label->SetAutoSize(false);
  Label->SetWordWrap(true);
  Label->SetWidth(Widest);
  Label->SetAutoSize(true);
}

void TskSkinMessage::AddImage(TskMessageForm* Form, const TRequest& Request) {
  const TskSkinStdLabel* Label = Form->Message;
  const int Middle = Label->Top() + Label->Height() / 2;
  if (!Request.UseImages) {
    const TskMsgDialogKind* Kind = DialogKind(Request.DlgType);
    auto* Image = new TImage(Form);
    Image->SetName("Image");
    Image->SetParent(Form);
    Image->Picture()->Icon()->SetHandle(LoadIconW(0, Kind ? Kind->IconName : 0));
    Image->SetBounds(ImageLeft, std::max(IconTopMin, Middle - IconSize / 2), IconSize, IconSize);
    return;
  }
  TCustomImageList* Images = Request.Images;
  if (!Images || Request.ImageIndex < 0 || Request.ImageIndex > Images->Count() - 1) return;
  auto* Image = new TImage(Form);
  Image->SetName("Image");
  Image->SetParent(Form);
  Image->SetTransparent(true);
  Image->SetBounds(ImageLeft, Middle - IconSize / 2, Images->Width(), Images->Height());
  Images->GetIcon(Request.ImageIndex, Image->Picture()->Icon());
}

void TskSkinMessage::AddCheckBox(TskMessageForm* Form, int BtnHeight) {
  Form->SetClientHeight(Form->ClientHeight() + Margin);
  auto* Box = new TskSkinCheckRadioBox(Form);
  Form->DisplayCheckBox = Box;
  Box->SetName("checkbox");
  Box->SetDefaultHeight(CheckBoxHeight);
  Box->SetChecked(!FShowAgainFlagValue);
  Box->SetParent(Form);
  Box->SetDefaultFont(FDefaultFont.get());
  Box->SetUseSkinFont(FUseSkinFont);
  Box->SetSkinData(FCtrlFSD);
  const int Top = Form->ClientHeight() - BtnHeight - RowMargin;
  Box->SetCaption(ShowAgainCaption());

  TFont* Measure = Form->Canvas()->Font();
  if (Box->FIndex != -1 && FUseSkinFont) {
    Measure->SetName(Box->FontName);
    Measure->SetHeight(Box->FontHeight);
  } else {
    Measure->Assign(FDefaultFont.get());
  }
  const int TextWidth = Form->Canvas()->TextWidth(Box->Caption());
  if (Form->ClientWidth() < TextWidth + CheckBoxTextSpace) Form->SetClientWidth(TextWidth + CheckBoxTextSpace);
  Box->SetBounds(ImageLeft, Top, TextWidth + CheckBoxWidthExtra, Box->DefaultHeight());
}

void TskSkinMessage::AddButtons(TskMessageForm* Form, const TRequest& Request, int BtnHeight, int RowWidth) {
  const TMsgDlgBtn DefaultKind = Request.DefaultButton.value_or(RuleDefault(Request.Buttons));
  const TMsgDlgBtn Cancel = CancelKind(Request.Buttons);
  int Left = (Form->ClientWidth() - RowWidth) / 2;
  for (const TskMsgButtonKind& Kind : MsgButtonKinds) {
    if (!Request.Buttons.Contains(Kind.Kind)) continue;
    auto* Button = new TskSkinButton(Form);
    Button->SetParent(Form);
    Button->SetName(Kind.Name);
    Button->SetCanFocused(true);
    Button->SetCaption(ButtonCaption(Kind));
    Button->SetModalResult(Kind.Result);
    if (Kind.Kind == DefaultKind) {
      Button->SetDefault(true);
      // Only a default the caller named takes the focus; otherwise the first button holds it and answers Enter.
      if (Request.DefaultButton) Form->SetActiveControl(Button);
    }
    if (Kind.Kind == Cancel) Button->SetCancel(true);
    Button->SetDefaultHeight(BtnHeight);
    Button->SetBounds(Left, Form->ClientHeight() - BtnHeight - RowBottom, ButtonWidth, BtnHeight);
    Button->SetDefaultFont(FDefaultButtonFont.get());
    Button->SetUseSkinFont(FUseSkinFont);
    Left += ButtonWidth + ButtonGap;
    if (Kind.Kind == mbHelp) Button->OnClick = [Form](TObject* Sender) { Form->HelpButtonClick(Sender); };
    Button->SetSkinDataName(FButtonSkinDataName);
    Button->SetSkinData(FCtrlFSD);
  }
}
