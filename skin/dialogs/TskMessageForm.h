#pragma once
// The form of one message box, built in code by TskSkinMessage (TskSkinMessage.h says how it is laid out).
// A dialog-bordered form that previews keys, centred on the screen when its X is below -10000 (-10000
// itself is a real place) and otherwise put at (X, Y), with a frame of its own that shows no caption buttons.
#include "platform/ui/toolkit/TForm.h"

class TskSkinCheckRadioBox;
class TskSkinForm;
class TskSkinStdLabel;

/// The message box's form; see the file comment.
class TskMessageForm : public TForm {
public:
  /// A form owned by AOwner, centred or at (X, Y), with its frame.
  TskMessageForm(TComponent* AOwner, int X, int Y);

  /// The Help button's click: the application's help for the form's HelpContext.
  void HelpButtonClick(TObject* Sender);

  /// The form's frame, owned by the form.
  TskSkinForm* BSF { nullptr };
  /// The show-again box; null unless the box asked for it.
  TskSkinCheckRadioBox* DisplayCheckBox { nullptr };
  /// The label that shows the message.
  TskSkinStdLabel* Message { nullptr };
};
