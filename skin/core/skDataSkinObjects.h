#pragma once
// The form-object records: the caption area, caption buttons, animated and user objects that the form
// frame places on its caption and borders, and the items and buttons of menus and the main menu bar.
// Like control records, each is a section named after the record, read and written base keys first.
#include <memory>

#include "platform/base/TObject.h"
#include "skin/core/TskBitmap.h"
#include "skin/core/skSkinFieldGroups.h"

class TskSkinData;

/// Root of the form-object records. SkinRect lies in the skin's main picture, or in the picture
/// ActivePictureIndex when SkinRectInAPicture is set; the other images lie in ActivePictureIndex.
class TskDataSkinObject : public TObject {
public:
  explicit TskDataSkinObject(const String& AIDName) : IDName(AIDName) {}

  /// Reads the record's keys from the section IDName. A malformed rectangle or point raises
  /// EConvertError.
  virtual void LoadFromFile(TCustomIniFile* IniFile);
  /// Erases the section IDName, then writes the record's keys.
  virtual void SaveToFile(TCustomIniFile* IniFile);
  /// Builds the record's alpha images from the pictures of the skin just loaded into ASkinData; the
  /// layer frame has been read before. Records without alpha images do nothing.
  virtual void InitAlphaImages(TskSkinData* ASkinData);
  /// Hands every stored field to Visitor, the base classes' keys first.
  virtual void VisitFields(TskFieldVisitor& Visitor);

  String IDName;
  String Hint;
  bool SkinRectInAPicture { false };
  TRect SkinRect;
  TRect ActiveSkinRect;
  int ActivePictureIndex { -1 };
  int ActiveMaskPictureIndex { -1 };
  TRect InActiveSkinRect;
  bool Morphing { false };
  TskMorphKind MorphKind { mkDefault };
  int GlowLayerPictureIndex { -1 };
  int GlowLayerMaskPictureIndex { -1 };
  int GlowLayerOffsetX { 0 };
  int GlowLayerOffsetY { 0 };
  int GlowLayerAlphaBlendValue { 255 };
};

/// Kind "userobject": only SkinRect is stored; every other field keeps its initial value.
class TskDataUserObject : public TskDataSkinObject {
public:
  using TskDataSkinObject::TskDataSkinObject;
  void VisitFields(TskFieldVisitor& Visitor) override;
};

/// Kind "button": a caption-bar button with a pressed and a disabled image and the mask pictures of its
/// alpha images. The alpha images (normal, active, pressed and inactive faces) exist only while the skin
/// has a full-border layer frame, whose layered window the button is then drawn into.
class TskDataSkinButton : public TskDataSkinObject {
public:
  using TskDataSkinObject::TskDataSkinObject;
  void InitAlphaImages(TskSkinData* ASkinData) override;
  void VisitFields(TskFieldVisitor& Visitor) override;

  /// AImage becomes ARect of the picture ActivePictureIndex as a 32-bit alpha-blended image, or null for
  /// an empty ARect or a missing picture. Without a valid mask picture it is opaque; with one, alpha is
  /// (R + G + B) div 3 of the mask's top-left part of ARect's size (whatever ARect is) and the colours are
  /// premultiplied.
  void InitAlphaImage(TskSkinData* ASkinData, std::unique_ptr<TskBitmap>& AImage, int AMaskPictureIndex,
                      const TRect& ARect);

  TRect DownRect;
  TRect DisableSkinRect;
  int AlphaMaskPictureIndex { -1 };
  int AlphaMaskActivePictureIndex { -1 };
  int AlphaMaskInActivePictureIndex { -1 };
  std::unique_ptr<TskBitmap> FAlphaNormalImage;
  std::unique_ptr<TskBitmap> FAlphaActiveImage;
  std::unique_ptr<TskBitmap> FAlphaDownImage;
  std::unique_ptr<TskBitmap> FAlphaInActiveImage;

protected:
  /// One look of a face: the image built for it and its rectangle in the picture ActivePictureIndex.
  struct TFaceLook {
    std::unique_ptr<TskBitmap>& Image;
    const TRect& Rect;
  };
  /// The alpha images of a face's normal, hot, pressed and inactive looks; the pressed look takes the
  /// hot look's mask. All are null while the skin has no alpha images.
  void InitFaceImages(TskSkinData* ASkinData, TFaceLook Normal, TFaceLook Active, TFaceLook Down,
                      TFaceLook InActive);

private:
  /// True when the skin's layer frame has a picture and a full border.
  static bool HasAlphaImages(TskSkinData* ASkinData);
};

/// Kind "stdbutton": a standard caption button: its command and the images and hint of its restore face.
/// A button that maximizes, minimizes or rolls up, whose hint says so and whose skin gives no restore
/// hint, gets the restore hint "Restore".
class TskDataSkinStdButton : public TskDataSkinButton, public TskRestoreFace {
public:
  using TskDataSkinButton::TskDataSkinButton;
  void LoadFromFile(TCustomIniFile* IniFile) override;
  /// The button's alpha images, then those of its restore face.
  void InitAlphaImages(TskSkinData* ASkinData) override;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TskStdCommand Command { cmClose };
  std::unique_ptr<TskBitmap> FAlphaRestoreNormalImage;
  std::unique_ptr<TskBitmap> FAlphaRestoreActiveImage;
  std::unique_ptr<TskBitmap> FAlphaRestoreDownImage;
  std::unique_ptr<TskBitmap> FAlphaInActiveRestoreImage;
};

/// Kind "mainmenubarbutton": the system-menu, minimize, maximize and close buttons of the main menu
/// bar; stored like a standard caption button.
class TskDataSkinMainMenuBarButton : public TskDataSkinStdButton {
public:
  using TskDataSkinStdButton::TskDataSkinStdButton;
};

/// Kind "animate": a caption object animated through CountFrames frames, optionally acting as a button
/// with a command, a pressed image and a restore face. It never morphs, whatever its section says.
class TskDataSkinAnimate : public TskDataSkinObject, public TskRestoreFace {
public:
  using TskDataSkinObject::TskDataSkinObject;
  void LoadFromFile(TCustomIniFile* IniFile) override;
  void VisitFields(TskFieldVisitor& Visitor) override;

  int CountFrames { 0 };
  bool Cycle { false };
  bool ButtonStyle { false };
  int TimerInterval { 0 };
  TskStdCommand Command { cmClose };
  TRect DownSkinRect;
};

/// Kind "caption": the caption text area with its font and alignment, light and shadow copies, a frame
/// image and animation, glow and reflection, dividers, and the alpha mask of quick buttons.
class TskDataSkinCaption : public TskDataSkinObject, public TskFrameAnimation {
public:
  using TskDataSkinObject::TskDataSkinObject;
  void VisitFields(TskFieldVisitor& Visitor) override;

  String FontName;
  int FontHeight { 0 };
  TFontStyles FontStyle;
  TColor FontColor { 0 };
  TColor ActiveFontColor { 0 };
  TColor ShadowColor { 0 };
  TColor ActiveShadowColor { 0 };
  bool Shadow { false };
  TAlignment Alignment { taLeftJustify };
  TRect TextRct;
  TRect FrameRect;
  TRect ActiveFrameRect;
  int FrameLeftOffset { 0 };
  int FrameRightOffset { 0 };
  TRect FrameTextRect;
  bool Light { false };
  TColor LightColor { 0 };
  TColor ActiveLightColor { 0 };
  bool StretchEffect { false };
  bool FullFrame { false };
  bool GlowEffect { false };
  bool VistaGlowEffect { false };
  bool VistaGlowInActiveEffect { false };
  bool GlowInActiveEffect { false };
  int GlowSize { 0 };
  TColor GlowColor { 0 };
  TColor GlowActiveColor { 0 };
  int GlowOffset { 0 };
  bool ReflectionEffect { false };
  TColor ReflectionColor { 0 };
  TColor ReflectionActiveColor { 0 };
  int ReflectionOffset { 0 };
  TRect DividerRect;
  TRect InActiveDividerRect;
  bool DividerTransparent { false };
  TColor DividerTransparentColor { 0 };
  int QuickButtonAlphaMaskPictureIndex { 0 };
};

/// Kind "menuitem": a row of the skinned popup menus: item and divider images with their fixed parts,
/// text and image areas, colours, a frame animation, and the check, radio and submenu-arrow images. An
/// absent hot check, radio or arrow image is the normal one.
class TskDataSkinMenuItem : public TskDataSkinObject, public TskFrameAnimation {
public:
  using TskDataSkinObject::TskDataSkinObject;
  void LoadFromFile(TCustomIniFile* IniFile) override;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TRect DividerRect;
  int DividerLO { 0 };
  int DividerRO { 0 };
  int ItemLO { 0 };
  int ItemRO { 0 };
  String FontName;
  int FontHeight { 0 };
  TFontStyles FontStyle;
  TColor UnEnabledFontColor { 0 };
  TColor FontColor { 0 };
  TColor ActiveFontColor { 0 };
  TRect TextRct;
  TRect ImageRct;
  bool UseImageColor { false };
  TColor ImageColor { 0 };
  TColor ActiveImageColor { 0 };
  bool StretchEffect { false };
  bool DividerStretchEffect { false };
  bool InActiveStretchEffect { false };
  bool InActiveTransparent { false };
  TRect CheckImageRect;
  TRect ActiveCheckImageRect;
  TRect RadioImageRect;
  TRect ActiveRadioImageRect;
  TRect ArrowImageRect;
  TRect ActiveArrowImageRect;
};

/// An item of the main menu bar: item image with its fixed parts, pressed image, text area, font
/// colours and a frame animation.
class TskDataSkinMainMenuItem : public TskDataSkinObject, public TskFrameAnimation {
public:
  using TskDataSkinObject::TskDataSkinObject;
  void VisitFields(TskFieldVisitor& Visitor) override;

  TRect DownRect;
  String FontName;
  int FontHeight { 0 };
  TFontStyles FontStyle;
  TColor FontColor { 0 };
  TColor ActiveFontColor { 0 };
  TColor DownFontColor { 0 };
  TColor UnEnabledFontColor { 0 };
  TRect TextRct;
  int ItemLO { 0 };
  int ItemRO { 0 };
  bool StretchEffect { false };
};

/// Kind "mainmenubaritem": stored like a main menu item.
class TskDataSkinMainMenuBarItem : public TskDataSkinMainMenuItem {
public:
  using TskDataSkinMainMenuItem::TskDataSkinMainMenuItem;
};
