#pragma once
// The select-skin dialog: a component whose Execute builds a TskSelectSkinDlgForm (TskSelectSkinDlgForm.h
// says what it shows), runs it modally, frees it and tells which skin was chosen. The dialog never
// changes a skin model of the caller: applying the choice is the caller's task.
//
// Execute(SkinIndex) offers SkinList's skins starting at SkinIndex: true after OK, with
// SelectedSkinIndex the chosen index (a start index outside the list that the user did not change stays
// the result: the caller's SkinIndex setter ignores it); false after any other close, SelectedSkinIndex
// -1. Without SkinList it shows nothing and answers false, SelectedSkinIndex kept.
// Execute(DefaultCompressedSkin) offers the stored skins the component's owner holds: true after OK with
// SelectedSkin the chosen one; otherwise false and SelectedSkin null.
//
// The frame takes SkinData with no caption buttons, the list and buttons CtrlSkinData and DefaultFont.
// The client area is 420 x 240, or as large as the skinned frame's minimum size when that is larger.
#include <memory>

#include "platform/base/TComponent.h"
#include "platform/gdi/TFont.h"
#include "skin/dialogs/TskBorrowedComponents.h"

class TskCompressedSkinList;
class TskCompressedStoredSkin;
class TskSelectSkinDlgForm;
class TskSkinData;

/// The select-skin dialog component; see the file comment.
class TskSelectSkinDialog : public TComponent {
public:
  explicit TskSelectSkinDialog(TComponent* AOwner);
  ~TskSelectSkinDialog() override;

  bool Execute(int SkinIndex);
  bool Execute(TskCompressedStoredSkin* DefaultCompressedSkin);

  // Removal of these three is followed.
  TskSkinData* SkinData() const { return FSD; }
  void SetSkinData(TskSkinData* Value);
  TskSkinData* CtrlSkinData() const { return FCtrlFSD; }
  void SetCtrlSkinData(TskSkinData* Value);
  TskCompressedSkinList* SkinList() const { return FSkinList; }
  void SetSkinList(TskCompressedSkinList* Value);
  /// The list's and buttons' font without the skin's ("Tahoma" 13); the setter copies it.
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value) { FTitle = Value; }
  // Handed to the dialog's frame.
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
  Byte AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(Byte Value) { FAlphaBlendValue = Value; }
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }

  TskCompressedStoredSkin* SelectedSkin() const { return FSelectedSkin; }
  int SelectedSkinIndex() const { return FSelectedSkinIndex; }
  /// The dialog's form while Execute runs, else null.
  TskSelectSkinDlgForm* DlgFrm() const { return FDlgFrm; }

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  /// Gives Form its caption, skins, fonts and size, then shows it modally; true after OK.
  bool ShowDialog(TskSelectSkinDlgForm& Form);

  TskSkinData* FSD { nullptr };
  TskCompressedSkinList* FSkinList { nullptr };
  TskSkinData* FCtrlFSD { nullptr };
  std::unique_ptr<TFont> FDefaultFont;
  String FTitle { "Select skin" };
  TskSelectSkinDlgForm* FDlgFrm { nullptr };
  bool FAlphaBlend { false };
  Byte FAlphaBlendValue { 200 };
  bool FAlphaBlendAnimation { false };
  TskCompressedStoredSkin* FSelectedSkin { nullptr };
  int FSelectedSkinIndex { -1 };
  TskBorrowedComponents FBorrowed;
};
