#include "tests/skin/boxctrls/BoxSkin.h"

#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skDataSkinListControls.h"
#include "tests/skin/support/TskSkinModelBuilder.h"

using namespace BoxSkin;

namespace {

void AddButtonRecord(TskSkinModelBuilder& Skin, int Picture, const String& Name, int Top, TColor Normal, TColor Hot,
                     TColor Down) {
  auto& R = Skin.Add<TskDataSkinButtonControl>("button", Name);
  R.PictureIndex = Picture;
  SetNinePart(R, Skin.Paint(Picture, Bounds(0, Top, 16, 16), Normal), 2, Rect(2, 2, 14, 14));
  R.ActiveSkinRect = Skin.Paint(Picture, Bounds(16, Top, 16, 16), Hot);
  R.DownSkinRect = Skin.Paint(Picture, Bounds(32, Top, 16, 16), Down);
  R.FontColor = clBlack;
  R.ActiveFontColor = clWhite;
  R.DownFontColor = clWhite;
}

}  // namespace

void BuildBoxSkin(TskSkinData& Model) {
  TskSkinModelBuilder Skin(Model);
  const int P = Skin.AddPicture(200, 200);

  auto& Combo = Skin.Add<TskDataSkinComboBox>("combobox", "combobox");
  Combo.PictureIndex = P;
  SetHorzStrip(Combo, Skin.Paint(P, Bounds(0, 0, 60, 20), Face), 3, 20);
  Combo.ClRect = Rect(3, 3, 40, 17);
  Combo.ActiveSkinRect = Skin.Paint(P, Bounds(0, 20, 60, 20), FaceHot);
  Combo.ButtonRect = Rect(42, 2, 58, 18);
  Combo.ActiveButtonRect = Skin.Paint(P, Bounds(100, 0, 16, 16), ButtonHot);
  Combo.DownButtonRect = Skin.Paint(P, Bounds(120, 0, 16, 16), ButtonDown);
  Combo.UnEnabledButtonRect = Skin.Paint(P, Bounds(140, 0, 16, 16), ButtonOff);
  Combo.SItemRect = Skin.Paint(P, Bounds(60, 0, 37, 14), Item);
  Combo.ActiveItemRect = Skin.Paint(P, Bounds(60, 20, 37, 14), ItemHot);
  Combo.FocusItemRect = Skin.Paint(P, Bounds(60, 40, 37, 14), ItemFocus);
  Combo.ItemLeftOffset = 2;
  Combo.ItemRightOffset = 2;
  Combo.ItemTextRect = Rect(2, 0, 35, 14);
  Combo.FontColor = clBlack;
  Combo.ActiveFontColor = clBlack;
  Combo.FocusFontColor = clWhite;
  Combo.ListBoxName = "listbox";

  auto& List = Skin.Add<TskDataSkinListBox>("listbox", "listbox");
  List.PictureIndex = P;
  SetNinePart(List, Skin.Paint(P, Bounds(0, 100, 60, 60), ListClient, ListFrame), 2, Rect(2, 2, 58, 58));
  Skin.Paint(P, Bounds(0, 100, 60, 2), ListFrame);
  List.SItemRect = Skin.Paint(P, Bounds(60, 100, 40, 16), Row);
  List.ActiveItemRect = Skin.Paint(P, Bounds(60, 116, 40, 16), RowSelected);
  List.FocusItemRect = Skin.Paint(P, Bounds(60, 132, 40, 16), RowFocused);
  List.ItemTextRect = Rect(2, 0, 38, 16);
  List.FontColor = clBlack;
  List.ActiveFontColor = clWhite;
  List.FocusFontColor = clWhite;

  auto& Captioned = Skin.Add<TskDataSkinListBox>("listbox", "captionlist");
  Captioned.PictureIndex = P;
  Captioned.SkinRect = Skin.Paint(P, Bounds(100, 100, 60, 60), ListClient, ListFrame);
  Skin.Paint(P, Bounds(101, 101, 58, 16), CaptionStrip);
  Captioned.LTPoint = { 2, 18 };
  Captioned.RTPoint = { 30, 18 };
  Captioned.LBPoint = { 2, 58 };
  Captioned.RBPoint = { 30, 58 };
  Captioned.ClRect = Rect(2, 18, 58, 58);
  Captioned.CaptionRect = Rect(2, 1, 30, 17);
  Captioned.CaptionFontColor = CaptionText;
  Captioned.DownButtonRect = Skin.Paint(P, Bounds(130, 102, 14, 12), CaptionButton).Offset(-100, -100);
  Captioned.UpButtonRect = Skin.Paint(P, Bounds(144, 102, 14, 12), CaptionButton).Offset(-100, -100);
  Captioned.SItemRect = List.SItemRect;
  Captioned.ActiveItemRect = List.ActiveItemRect;
  Captioned.FocusItemRect = List.FocusItemRect;
  Captioned.ItemTextRect = List.ItemTextRect;

  AddButtonRecord(Skin, P, "combobutton", 60, SeparateButton, SeparateButtonHot, SeparateButtonDown);
  AddButtonRecord(Skin, P, "resizetoolbutton", 80, ToolButton, ToolButtonHot, ToolButtonDown);

  auto& Edit = Skin.Add<TskDataSkinEditControl>("edit", "edit");
  Edit.DisabledFontColor = DisabledText;
  Skin.Finish();
}
