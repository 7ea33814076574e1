#pragma once
// The about box: the program's picture, name and version, the maker's notice, and links to the web site and
// the support mail; "确定" or Esc closes it. Built in code as its stored description loads
// (TCustomForm::Build); its frame and every control draw from the main window's first skin model.
#include "platform/ui/toolkit/TForm.h"

class TForm1;
class TImage;
class TskSkinButton;
class TskSkinForm;
class TskSkinLinkLabel;
class TskSkinStdLabel;

/// The about box; see the file comment.
class TForm2 : public TForm {
public:
  /// The main window exists first: its skin model is bound while the box is built.
  TForm2(TComponent* AOwner, TForm1& AMainWindow);
  ~TForm2() override;

  /// "确定": closes the box.
  void skSkinButton1Click(TObject* Sender);

  TskSkinForm* skSkinForm1 { nullptr };
  TImage* Image1 { nullptr };
  TskSkinStdLabel* skSkinStdLabel3 { nullptr };
  TskSkinStdLabel* skSkinStdLabel4 { nullptr };
  TskSkinStdLabel* skSkinStdLabel5 { nullptr };
  TskSkinStdLabel* skSkinStdLabel1 { nullptr };
  TskSkinLinkLabel* skSkinLinkLabel1 { nullptr };
  TskSkinStdLabel* skSkinStdLabel2 { nullptr };
  TskSkinLinkLabel* skSkinLinkLabel2 { nullptr };
  TskSkinButton* skSkinButton1 { nullptr };

protected:
  void CreateComponents() override;
  void AssignProperties() override;
  void ResolveReferences() override;

private:
  void AssignFrame();
  void AssignLinkLabel(TskSkinLinkLabel* Label, int Left, const String& Shown, const String& URL);

  TForm1& FMainWindow;
};

/// The about box, made at start-up after the main window and shown modally by its help menu.
extern TForm2* Form2;
