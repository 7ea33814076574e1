#include "skin/dialogs/skDialogFrame.h"

#include <algorithm>

#include "platform/ui/toolkit/TForm.h"
#include "skin/core/TskSkinData.h"
#include "skin/form/TskSkinForm.h"

void SetUpDialogFrame(TForm& Form, TskSkinForm& Frame, const String& Caption, const TskDialogFrameSettings& Settings) {
  Form.SetCaption(Caption);
  Frame.SetBorderIcons({});
  Frame.SetSkinData(Settings.SkinData);
  Frame.SetMenusSkinData(Settings.MenusSkinData);
  Frame.SetMinWidth(Settings.MinWidth);
  Frame.SetMinHeight(Settings.MinHeight);
  Frame.SetAlphaBlend(Settings.AlphaBlend);
  Frame.SetAlphaBlendAnimation(Settings.AlphaBlendAnimation);
  Frame.SetAlphaBlendValue(Settings.AlphaBlendValue);
}

void SetDialogClientSize(TForm& Form, TskSkinForm& Frame, TSize Size) {
  if (const TskSkinData* Skin = Frame.SkinData(); Skin && !Skin->Empty) {
    Size.cx = std::max(Size.cx, Frame.GetMinWidth());
    Size.cy = std::max(Size.cy, Frame.GetMinHeight());
  }
  Form.SetClientWidth(Size.cx);
  Form.SetClientHeight(Size.cy);
}

std::unique_ptr<TFont> DialogDefaultFont() {
  auto Font = std::make_unique<TFont>();
  Font->SetName("Tahoma");
  Font->SetHeight(13);
  Font->SetStyle({});
  return Font;
}
