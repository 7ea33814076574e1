#pragma once
// The recipe of the program's skins: every record that the converter's windows and the skinned dialogs
// ask for, with its geometry, fonts and colours, and the pictures its rectangles point into. The pixels
// come from a style (TskSkinStyle), so one recipe makes both the product skin and the test skin.
//
// Pictures, in the order the skins list them:
//   frame.bmp, frameinactive.bmp, framemask.bmp  the form frame (active, inactive) and its shape
//   0 controls.bmp  every control record's pieces and the main menu bar
//   1 objects.bmp   caption buttons, the main menu bar's items and buttons, popup menu rows and marks
//   2 popup.bmp     the background of popup menus (the whole picture)
//   3 hint.bmp      the background of hints (the whole picture)
#include <memory>

#include "platform/base/Types.h"
#include "resources/skins/generator/TskSkinStyle.h"
#include "skin/core/skSkinTypes.h"

class TskDataSkinButtonControl;
class TskDataSkinListBox;
class TskDataSkinStdButton;
class TskSkinAtlas;
class TskSkinData;

/// Whether the "listbox" record carries a caption band with its three caption buttons. Every skinned
/// list box then shows the band, captioned or not, so only the test skin has one: it lets tests and the
/// gallery see the caption and its buttons drawn from a skin.
enum class TskListCaption { None, WithButtons };

/// Builds one skin into an empty skin model.
class TskSkinRecipe {
public:
  TskSkinRecipe(TskSkinData* ASkin, TskSkinStyle* AStyle, TskListCaption AListCaption = TskListCaption::None);
  ~TskSkinRecipe();

  /// Fills the model: version texts, pictures, form geometry, the window records, the skin colours, the
  /// form objects and the control records. The model is not announced to any form.
  void Build(const String& ASkinName, const String& AComments);

  static constexpr int ControlsPicture = 0;
  static constexpr int ObjectsPicture = 1;
  static constexpr int PopupPicture = 2;
  static constexpr int HintPicture = 3;

private:
  /// Places a W x H piece in Atlas and paints it.
  TRect Piece(TskSkinAtlas& Atlas, int W, int H, const TskPiece& APiece);
  /// Paints a piece over part R of a piece placed before.
  void Overlay(TskSkinAtlas& Atlas, const TRect& R, const TskPiece& APiece);
  /// A new record with the values of a section that has none of its keys, listed last.
  template <class R> R& Control(const char* Kind, const String& Name);
  template <class R> R& Object(const char* Kind, const String& Name);

  void BuildFrame();
  void BuildCaptionButtons();
  TskDataSkinStdButton& CaptionButton(const String& Name, TskStdCommand Command, const String& Hint, TskGlyph Glyph,
                                      TskGlyph RestoreGlyph, int Width);
  void BuildCaption();
  void BuildMainMenuBar();
  void BuildPopupMenus();
  void BuildHint();
  void BuildButtons();
  TskDataSkinButtonControl& Button(const char* Kind, const String& Name, TskPieceRole Role, int W, int H,
                                   int Corner, const TRect& Client, bool Focusable);
  void BuildCheckRadio(const String& Name, TskPieceRole MarkRole, TskGlyph Mark);
  void BuildPanels();
  void BuildScrollBars();
  void BuildLists();
  void CaptionedListFrame(TskDataSkinListBox& Record);
  void BuildFields();
  void BuildUpDowns();
  void BuildSlider();
  void BuildTab();
  void BuildLabels();
  void BuildViews();
  void BuildSplitters();
  void BuildColors();
  void StorePictures();

  TskSkinData* FSkin;
  TskSkinStyle* FStyle;
  TskListCaption FListCaption;
  std::unique_ptr<TskSkinAtlas> FControls;
  std::unique_ptr<TskSkinAtlas> FObjects;
  std::unique_ptr<TskSkinAtlas> FPopup;
  std::unique_ptr<TskSkinAtlas> FHint;
  std::unique_ptr<TskSkinAtlas> FFrame;
  std::unique_ptr<TskSkinAtlas> FFrameInactive;
};
