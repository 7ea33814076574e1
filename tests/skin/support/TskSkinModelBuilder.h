#pragma once
// Skin models built in code for tests: a few records on the skin core's own model, with pictures painted
// in solid colours, so no test needs a skin file.
//
//   TskSkinData Model { nullptr };
//   TskSkinModelBuilder Skin(Model);
//   const int Controls = Skin.AddPicture(100, 50);
//   auto& Box = Skin.Add<TskDataSkinCheckRadioControl>("checkradio", "checkbox");
//   Box.PictureIndex = Controls;
//   Box.SkinRect = Skin.Paint(Controls, Rect(0, 0, 40, 20), clRed);
//   Skin.Finish();
#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"
#include "skin/core/TskSkinData.h"

/// Fills a skin model with pictures and records in code; see the file comment.
class TskSkinModelBuilder {
public:
  /// Empties Model (without announcing it) to build a skin in it.
  explicit TskSkinModelBuilder(TskSkinData& Model);

  /// Appends a further picture of Width x Height filled with Background; answers its picture index.
  int AddPicture(int Width, int Height, TColor Background = clBlack);
  /// Paints R of picture Picture in Fill, inside a one-pixel border of Border unless that is clNone;
  /// answers R.
  TRect Paint(int Picture, const TRect& R, TColor Fill, TColor Border = clNone);
  /// Appends a control record of Kind (a listing kind: "checkradio", "scrollbar", "updown", ...) named Name,
  /// every field at the value a skin without its keys gives.
  template <class TRecord> TRecord& Add(const String& Kind, const String& Name) {
    return dynamic_cast<TRecord&>(AddRecord(Kind, Name));
  }
  /// The model holds a skin from now on.
  void Finish();

private:
  TskDataSkinControl& AddRecord(const String& Kind, const String& Name);

  TskSkinData& FModel;
};

/// The control record named Name in Model as class TRecord; null when there is none or it is of another
/// class.
template <class TRecord> TRecord* FindSkinRecord(TskSkinData& Model, const String& Name) {
  const int Index = Model.GetControlIndex(Name);
  return Index == -1 ? nullptr : dynamic_cast<TRecord*>(Model.CtrlList[Index].get());
}

/// Geometry of a resizable record: SkinRect with fixed corners of Corner pixels and the client rectangle
/// Client (skin coordinates), every side and the centre repeated.
void SetNinePart(TskDataSkinCustomControl& Record, const TRect& SkinRect, int Corner, const TRect& Client);
/// Geometry of a record resizable in width only: fixed ends of Left and Right pixels.
void SetHorzStrip(TskDataSkinCustomControl& Record, const TRect& SkinRect, int Left, int Right);
/// Geometry of a record resizable in height only: fixed ends of Top and Bottom pixels.
void SetVertStrip(TskDataSkinCustomControl& Record, const TRect& SkinRect, int Top, int Bottom);
