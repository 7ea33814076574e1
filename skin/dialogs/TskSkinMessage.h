#pragma once
// The skinned message box: a component whose message methods each build a TskMessageForm, show it
// modally, free it and answer its modal result. Every prompt of the program goes through it.
//
// The box. A skinned label with the message at (50, 15), auto-sized; beside it the system icon of the
// message kind (IDI_WARNING, IDI_ERROR, IDI_INFORMATION, IDI_QUESTION; none for mtCustom) or a picture of an
// image list; below it a centred row of skinned buttons 70 wide, 10 apart, 25 high or as high as the
// "button" record of CtrlSkinData, in TMsgDlgBtn order; with ShowAgainFlag a check box "Do not display
// this message again" above the row. The client area is the row or the label, whichever reaches further,
// plus 40, and never beyond the frame's widest form; a message too wide for that wraps in the label and
// the box grows downwards instead.
//
// Keys and results. Each button closes the box with its kind's modal result (Help opens the application's
// help and leaves the box open). Enter clicks the focused button, or the default button while the check
// box has the focus: mbOK, else mbYes, else mbRetry, unless the method names the default (which then also
// takes the focus); Escape clicks the cancel button: mbCancel, else mbNo, else mbOK. A kind the box does
// not show marks no button.
//
// Texts. With a string table on CtrlSkinData every caption comes from it ("MSG_BTN_OK", "MSG_CAP_WARNING",
// ...; a name the table lacks gives an empty text, and mbClose has none); only the check box falls back to
// its built-in text. Without a table the built-in English texts show.
//
// Placement. Methods without X and Y centre the box on the screen; the Pos methods put it at (X, Y), X
// below -10000 centring it, and let OnSetShowPos move it first.
//
// Show again. The check box starts ticked while ShowAgainFlagValue is false; after the box closes,
// however it closes, ShowAgainFlagValue becomes the opposite of the box's last state. The Wide methods
// show no check box and leave the value alone.
#include <memory>
#include <optional>

#include "platform/base/TComponent.h"
#include "platform/gdi/TFont.h"
#include "skin/dialogs/TskSkinMessageTypes.h"

class TCustomImageList;
class TskMessageForm;
class TskSkinData;

/// The skinned message box component; see the file comment.
class TskSkinMessage : public TComponent {
public:
  explicit TskSkinMessage(TComponent* AOwner);
  ~TskSkinMessage() override;

  // ---- Skins and looks ----
  /// The skin of the box's frame (removal is followed).
  TskSkinData* SkinData() const { return FSD; }
  void SetSkinData(TskSkinData* Value);
  /// The skin of the label, check box and buttons, and the string table (removal is followed).
  TskSkinData* CtrlSkinData() const { return FCtrlFSD; }
  void SetCtrlSkinData(TskSkinData* Value);
  const String& ButtonSkinDataName() const { return FButtonSkinDataName; }
  void SetButtonSkinDataName(const String& Value) { FButtonSkinDataName = Value; }
  const String& MessageLabelSkinDataName() const { return FMessageLabelSkinDataName; }
  void SetMessageLabelSkinDataName(const String& Value) { FMessageLabelSkinDataName = Value; }
  /// The font of the label and check box without the skin's ("Tahoma" 13); the setter copies it.
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
  /// The font of the buttons without the skin's; the setter copies it.
  TFont* DefaultButtonFont() const { return FDefaultButtonFont.get(); }
  void SetDefaultButtonFont(TFont* Value) { FDefaultButtonFont->Assign(Value); }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  // Handed to the box's frame.
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
  Byte AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(Byte Value) { FAlphaBlendValue = Value; }

  // ---- Show again ----
  /// Whether the boxes show the check box.
  bool ShowAgainFlag() const { return FShowAgainFlag; }
  void SetShowAgainFlag(bool Value) { FShowAgainFlag = Value; }
  /// The user's choice: true once the box was closed with its tick cleared.
  bool ShowAgainFlagValue() const { return FShowAgainFlagValue; }
  void SetShowAgainFlagValue(bool Value) { FShowAgainFlagValue = Value; }

  // ---- Message methods: each answers the box's modal result ----
  int MessageDlg2(const String& Msg, const String& ACaption, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);
  int MessageDlgHelp2(const String& Msg, const String& ACaption, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                      int HelpCtx, const String& HelpFileName);
  /// The caption of these comes from the message kind.
  int MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);
  int MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                 TMsgDlgBtn DefaultButton);
  int MessageDlgPos(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx, int X, int Y);
  int MessageDlgPos(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx, int X, int Y,
                    TMsgDlgBtn DefaultButton);
  int MessageDlgHelp(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                     const String& HelpFileName);
  /// Without the check box; WideMessageDlgPos does not ask OnSetShowPos.
  int WideMessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);
  int WideMessageDlgPos(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx, int X, int Y);
  /// With picture AImageIndex of AImages instead of an icon (none when the list or index is not usable).
  int CustomMessageDlg(const String& Msg, const String& ACaption, TCustomImageList* AImages, int AImageIndex,
                       TMsgDlgButtons Buttons, int HelpCtx);
  int CustomMessageDlg(const String& Msg, const String& ACaption, TCustomImageList* AImages, int AImageIndex,
                       TMsgDlgButtons Buttons, int HelpCtx, TMsgDlgBtn DefaultButton);
  int CustomMessageDlgPos(const String& Msg, const String& ACaption, TCustomImageList* AImages, int AImageIndex,
                          TMsgDlgButtons Buttons, int HelpCtx, int X, int Y);
  int CustomMessageDlgPos(const String& Msg, const String& ACaption, TCustomImageList* AImages, int AImageIndex,
                          TMsgDlgButtons Buttons, int HelpCtx, int X, int Y, TMsgDlgBtn DefaultButton);
  int CustomMessageDlgHelp(const String& Msg, const String& ACaption, TCustomImageList* AImages, int AImageIndex,
                           TMsgDlgButtons Buttons, int HelpCtx, const String& HelpFileName);

  /// Moves the box of a Pos method before it shows.
  TskMessageSetShowPosEvent OnSetShowPos;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  /// What one message method asks of the box.
  struct TRequest {
    String Msg {};
    /// The caption; none: the message kind's.
    std::optional<String> Caption {};
    TMsgDlgType DlgType { mtCustom };
    /// Take the picture from Images instead of the kind's icon.
    bool UseImages { false };
    TCustomImageList* Images { nullptr };
    int ImageIndex { -1 };
    TMsgDlgButtons Buttons {};
    /// The default button; none: by the rule.
    std::optional<TMsgDlgBtn> DefaultButton {};
    bool CheckBoxAllowed { true };
    int X { -10001 };
    int Y { -10001 };
  };
  /// How a message method runs its box.
  struct TRun {
    int HelpCtx { 0 };
    std::optional<String> HelpFile {};
    bool AskShowPos { false };
  };

  /// Builds, shows and frees the box; keeps the check box's answer.
  int Execute(const TRequest& Request, const TRun& Run);
  /// The finished, hidden box.
  std::unique_ptr<TskMessageForm> CreateMessageForm(const TRequest& Request);
  int ButtonHeight() const;
  String ButtonCaption(const TskMsgButtonKind& Kind) const;
  String DialogCaption(TMsgDlgType DlgType) const;
  String ShowAgainCaption() const;
  void AddImage(TskMessageForm* Form, const TRequest& Request);
  void AddCheckBox(TskMessageForm* Form, int BtnHeight);
  void AddButtons(TskMessageForm* Form, const TRequest& Request, int BtnHeight, int RowWidth);
  /// Wraps the message in a label that would make the box wider than its frame allows.
  void FitMessageToFrame(TskMessageForm* Form);

  TskSkinData* FSD { nullptr };
  TskSkinData* FCtrlFSD { nullptr };
  String FButtonSkinDataName { "button" };
  String FMessageLabelSkinDataName { "stdlabel" };
  std::unique_ptr<TFont> FDefaultFont;
  std::unique_ptr<TFont> FDefaultButtonFont;
  bool FAlphaBlend { false };
  bool FAlphaBlendAnimation { false };
  Byte FAlphaBlendValue { 200 };
  bool FUseSkinFont { true };
  bool FShowAgainFlag { false };
  bool FShowAgainFlagValue { false };
};
