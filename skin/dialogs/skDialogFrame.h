#pragma once
// What the dialog components give the forms they build: the frame's settings, the client size and the
// font of the controls without the skin's.
#include <memory>

#include "platform/base/Types.h"
#include "platform/gdi/TFont.h"

class TForm;
class TskSkinData;
class TskSkinForm;

/// The settings a dialog component hands to its form's frame.
struct TskDialogFrameSettings {
  TskSkinData* SkinData { nullptr };
  /// The skin of the frame's menus: the one of the dialog's controls.
  TskSkinData* MenusSkinData { nullptr };
  /// The frame's size limits (0: none).
  int MinWidth { 0 };
  int MinHeight { 0 };
  bool AlphaBlend { false };
  bool AlphaBlendAnimation { false };
  Byte AlphaBlendValue { 0 };
};

/// Gives a dialog form its caption and its frame (Frame) the settings, without caption buttons.
void SetUpDialogFrame(TForm& Form, TskSkinForm& Frame, const String& Caption, const TskDialogFrameSettings& Settings);
/// Makes the form's client area Size, or as large as its skinned frame's minimum size where that is larger
/// (a frame without a skin, or with an empty one, has no minimum here).
void SetDialogClientSize(TForm& Form, TskSkinForm& Frame, TSize Size);
/// The font of a dialog's texts where the skin gives none: "Tahoma", height 13, no style.
std::unique_ptr<TFont> DialogDefaultFont();
