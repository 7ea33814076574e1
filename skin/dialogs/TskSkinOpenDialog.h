#pragma once
// The skinned open file dialog: a component whose Execute builds a TskOpenDlgForm (TskOpenDlgForm.h says
// what it shows), runs it modally, frees it and tells which file or files were chosen. A descendant
// turns it into a save dialog by setting FSaveMode before Execute.
//
// Execute starts in FileName's folder when it exists, else in InitialDir when that exists, else in the
// executable's folder; the name edit shows FileName's name part and the file type FilterIndex (1-based).
// True after OK: FileName the chosen file (completed by the save extension rule in save mode) and Files
// every selected file in list order. After Cancel FileName and Files keep their values. Either way
// FilterIndex, DialogWidth, DialogHeight and ListViewStyle take what the form showed last. The
// process's current folder is never changed.
#include <memory>

#include "platform/base/TComponent.h"
#include "platform/base/TStringList.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/toolkit/ViewTypes.h"
#include "skin/dialogs/TskBorrowedComponents.h"

class TCustomImageList;
class TskOpenDlgForm;
class TskSkinData;

/// The open (and, in a descendant, save) dialog component; see the file comment.
class TskSkinOpenDialog : public TComponent {
public:
  explicit TskSkinOpenDialog(TComponent* AOwner);
  ~TskSkinOpenDialog() override;

  bool Execute();
  /// While the dialog runs, the list's selected file; else empty.
  String GetSelectedFile();

  TNotifyEvent OnShow;
  TNotifyEvent OnClose;
  /// Fired with the form as Sender after each change of the list's folder or items.
  TNotifyEvent OnFolderChange;

  // Removal of these three is followed.
  TskSkinData* SkinData() const { return FSD; }
  void SetSkinData(TskSkinData* Value);
  TskSkinData* CtrlSkinData() const { return FCtrlFSD; }
  void SetCtrlSkinData(TskSkinData* Value);
  TCustomImageList* ToolBarImageList() const { return FToolBarImageList; }
  void SetToolBarImageList(TCustomImageList* Value);

  bool ShowHiddenFiles() const { return FShowHiddenFiles; }
  void SetShowHiddenFiles(bool Value) { FShowHiddenFiles = Value; }
  bool ToolButtonsTransparent() const { return FToolButtonsTransparent; }
  void SetToolButtonsTransparent(bool Value) { FToolButtonsTransparent = Value; }
  bool OverwritePromt() const { return FOverwritePromt; }
  void SetOverwritePromt(bool Value) { FOverwritePromt = Value; }
  const String& DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const String& Value) { FDefaultExt = Value; }
  /// The form's client size; below 1 means 450 x 290.
  int DialogWidth() const { return FDialogWidth; }
  void SetDialogWidth(int Value) { FDialogWidth = Value; }
  int DialogHeight() const { return FDialogHeight; }
  void SetDialogHeight(int Value) { FDialogHeight = Value; }
  /// The frame's minimum size (0: none).
  int DialogMinWidth() const { return FDialogMinWidth; }
  void SetDialogMinWidth(int Value) { FDialogMinWidth = Value; }
  int DialogMinHeight() const { return FDialogMinHeight; }
  void SetDialogMinHeight(int Value) { FDialogMinHeight = Value; }
  bool CheckFileExists() const { return FCheckFileExists; }
  void SetCheckFileExists(bool Value) { FCheckFileExists = Value; }
  bool MultiSelection() const { return FMultiSelection; }
  void SetMultiSelection(bool Value) { FMultiSelection = Value; }
  const String& LVHeaderSkinDataName() const { return FLVHeaderSkinDataName; }
  void SetLVHeaderSkinDataName(const String& Value) { FLVHeaderSkinDataName = Value; }
  /// The font of the buttons, the folder combo and the list without the skin's ("Tahoma" 13); copied.
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value) { FTitle = Value; }
  const String& InitialDir() const { return FInitialDir; }
  void SetInitialDir(const String& Value) { FInitialDir = Value; }
  /// "caption|mask|caption|mask...".
  const String& Filter() const { return FFilter; }
  void SetFilter(const String& Value) { FFilter = Value; }
  const String& FileName() const { return FFileName; }
  /// While the dialog runs the name edit shows the value too.
  void SetFileName(const String& Value);
  int FilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int Value) { FFilterIndex = Value; }
  // The form's transparency, and that of the combo lists and the frame's menus.
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
  Byte AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(Byte Value) { FAlphaBlendValue = Value; }
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
  bool CtrlAlphaBlend() const { return FCtrlAlphaBlend; }
  void SetCtrlAlphaBlend(bool Value) { FCtrlAlphaBlend = Value; }
  Byte CtrlAlphaBlendValue() const { return FCtrlAlphaBlendValue; }
  void SetCtrlAlphaBlendValue(Byte Value) { FCtrlAlphaBlendValue = Value; }
  bool CtrlAlphaBlendAnimation() const { return FCtrlAlphaBlendAnimation; }
  void SetCtrlAlphaBlendAnimation(bool Value) { FCtrlAlphaBlendAnimation = Value; }

  /// The files selected when the last successful Execute closed.
  TStrings* Files() const { return FFiles.get(); }
  /// The dialog's form while Execute runs, else null.
  TskOpenDlgForm* DlgFrm() const { return FDlgFrm; }

  /// The list's view style at start; written back after every run.
  TViewStyle ListViewStyle { vsList };

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  /// The form Execute runs; a descendant builds its own kind.
  virtual std::unique_ptr<TskOpenDlgForm> CreateForm();
  /// Gives Form the component's settings, start folder and size.
  virtual void Prepare(TskOpenDlgForm& Form);
  /// After every run: keeps what the form showed last (file type, size, view style) for the next.
  virtual void KeepLayout(TskOpenDlgForm& Form);

  bool FSaveMode { false };

private:
  /// The folder the list starts in.
  String StartFolder() const;

  TCustomImageList* FToolBarImageList { nullptr };
  bool FShowHiddenFiles { false };
  bool FToolButtonsTransparent { false };
  bool FOverwritePromt { false };
  String FDefaultExt;
  int FDialogWidth { 0 };
  int FDialogHeight { 0 };
  int FDialogMinWidth { 0 };
  int FDialogMinHeight { 0 };
  bool FCheckFileExists { true };
  bool FMultiSelection { false };
  TskSkinData* FSD { nullptr };
  TskSkinData* FCtrlFSD { nullptr };
  String FLVHeaderSkinDataName { "header" };
  std::unique_ptr<TFont> FDefaultFont;
  String FTitle { "Open file" };
  TskOpenDlgForm* FDlgFrm { nullptr };
  String FInitialDir;
  String FFilter { "All files|*.*" };
  String FFileName;
  int FFilterIndex { 1 };
  bool FAlphaBlend { false };
  Byte FAlphaBlendValue { 225 };
  bool FAlphaBlendAnimation { false };
  bool FCtrlAlphaBlend { false };
  Byte FCtrlAlphaBlendValue { 225 };
  bool FCtrlAlphaBlendAnimation { false };
  std::unique_ptr<TStringList> FFiles { std::make_unique<TStringList>() };
  TskBorrowedComponents FBorrowed;
};
