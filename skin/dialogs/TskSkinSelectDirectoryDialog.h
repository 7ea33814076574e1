#pragma once
// The select-directory dialog: a component whose Execute builds a TskSelDirDlgForm (TskSelDirDlgForm.h
// says what it shows), runs it modally, frees it and tells which folder was chosen.
//
// Execute opens the tree at Directory when that folder exists, else at Computer, expanded. It answers
// true after OK on a folder of the file system, Directory then holding its path; after Cancel, or OK on a
// node without a file-system path (Computer, or nothing selected), it answers false and Directory stays.
// OnShow fires before the form exists, OnClose while it still exists, also when the run raises.
//
// The frame takes SkinData with no caption buttons and DialogMinWidth / DialogMinHeight as its limits;
// the controls, the frame's menus and the texts take CtrlSkinData; the tree and buttons DefaultFont. The
// client area is DialogWidth x DialogHeight (280 x 280 while those are below 1), or as large as the
// skinned frame's minimum size when that is larger; every run writes the size it closed with back.
#include <memory>

#include "platform/base/TComponent.h"
#include "platform/gdi/TFont.h"
#include "skin/dialogs/TskBorrowedComponents.h"

class TCustomImageList;
class TskSelDirDlgForm;
class TskSkinData;

/// The select-directory dialog component; see the file comment.
class TskSkinSelectDirectoryDialog : public TComponent {
public:
  explicit TskSkinSelectDirectoryDialog(TComponent* AOwner);
  ~TskSkinSelectDirectoryDialog() override;

  bool Execute();

  // Removal of these four is followed.
  TskSkinData* SkinData() const { return FSD; }
  void SetSkinData(TskSkinData* Value);
  TskSkinData* CtrlSkinData() const { return FCtrlFSD; }
  void SetCtrlSkinData(TskSkinData* Value);
  /// The New Folder button's glyphs (the built-in glyph without a list).
  TCustomImageList* ToolBarImageList() const { return FToolBarImageList; }
  void SetToolBarImageList(TCustomImageList* Value);
  /// Pictures of the tree's expand buttons.
  TCustomImageList* TreeButtonImageList() const { return FTreeButtonImageList; }
  void SetTreeButtonImageList(TCustomImageList* Value);

  int ToolButtonImageIndex() const { return FToolButtonImageIndex; }
  void SetToolButtonImageIndex(int Value) { FToolButtonImageIndex = Value; }
  bool ToolButtonsTransparent() const { return FToolButtonsTransparent; }
  void SetToolButtonsTransparent(bool Value) { FToolButtonsTransparent = Value; }
  bool ShowToolBar() const { return FShowToolBar; }
  void SetShowToolBar(bool Value) { FShowToolBar = Value; }
  bool TreeShowLines() const { return FTreeShowLines; }
  void SetTreeShowLines(bool Value) { FTreeShowLines = Value; }
  int TreeButtonExpandImageIndex() const { return FTreeButtonExpandImageIndex; }
  void SetTreeButtonExpandImageIndex(int Value) { FTreeButtonExpandImageIndex = Value; }
  int TreeButtonNoExpandImageIndex() const { return FTreeButtonNoExpandImageIndex; }
  void SetTreeButtonNoExpandImageIndex(int Value) { FTreeButtonNoExpandImageIndex = Value; }
  int DialogWidth() const { return FDialogWidth; }
  void SetDialogWidth(int Value) { FDialogWidth = Value; }
  int DialogHeight() const { return FDialogHeight; }
  void SetDialogHeight(int Value) { FDialogHeight = Value; }
  int DialogMinWidth() const { return FDialogMinWidth; }
  void SetDialogMinWidth(int Value) { FDialogMinWidth = Value; }
  int DialogMinHeight() const { return FDialogMinHeight; }
  void SetDialogMinHeight(int Value) { FDialogMinHeight = Value; }
  /// The tree's and buttons' font without the skin's ("Tahoma" 13); the setter copies it.
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value) { FTitle = Value; }
  /// The start folder before Execute, the chosen folder after OK.
  const String& Directory() const { return FDirectory; }
  void SetDirectory(const String& Value) { FDirectory = Value; }
  // Handed to the dialog's frame.
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
  Byte AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(Byte Value) { FAlphaBlendValue = Value; }
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }

  /// The dialog's form while Execute runs, else null.
  TskSelDirDlgForm* DlgFrm() const { return FDlgFrm; }

  TNotifyEvent OnShow;
  TNotifyEvent OnClose;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  /// Gives Form its caption, frame, skins, fonts, start folder and size, then shows it modally; true after OK.
  bool ShowDialog(TskSelDirDlgForm& Form);

  TCustomImageList* FToolBarImageList { nullptr };
  int FToolButtonImageIndex { 0 };
  bool FToolButtonsTransparent { false };
  int FDialogWidth { 0 };
  int FDialogHeight { 0 };
  int FDialogMinWidth { 0 };
  int FDialogMinHeight { 0 };
  TskSkinData* FSD { nullptr };
  TskSkinData* FCtrlFSD { nullptr };
  std::unique_ptr<TFont> FDefaultFont;
  String FTitle { "Select folder" };
  TskSelDirDlgForm* FDlgFrm { nullptr };
  String FDirectory;
  bool FAlphaBlend { false };
  Byte FAlphaBlendValue { 200 };
  bool FAlphaBlendAnimation { false };
  bool FShowToolBar { false };
  bool FTreeShowLines { true };
  TCustomImageList* FTreeButtonImageList { nullptr };
  int FTreeButtonExpandImageIndex { 0 };
  int FTreeButtonNoExpandImageIndex { 1 };
  TskBorrowedComponents FBorrowed;
};
