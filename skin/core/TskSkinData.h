#pragma once
// The skin model: one loaded skin (pictures, form-frame geometry, window records, colours and the named
// records of form objects and controls) that skinned forms and controls read what they draw from. Every
// load or clear is announced to all forms (skSkinMessages.h, skSkinForms.h).
//
// The skin ini layout, in the order the writer produces it:
//   [VERSION]      ver (1), skinname, skinauthor, authoremail, authorurl, skincomments
//   [PICTURES]     picture, inactivepicture, mask (file names beside the ini, empty for none), then
//                  activepicturescount and 0 .. n-1: the further pictures, which every picture index of the
//                  skin counts in
//   [FORMINFO]     the form-frame geometry below
//   [POPUPWINDOW], [LAYERFRAME], [HINTWINDOW], [SKINCOLORS]: one record each
//   [SKINOBJECTS]  count and 0 .. n-1 = "name:kind" of the form-object records, then their sections
//   [SKINCONTROLS] the same for the control records
// A listing entry is split at its first ":"; an entry without one, or of a kind no record class has,
// makes no record.
#include <memory>
#include <vector>

#include "platform/base/TComponent.h"
#include "platform/base/TStringList.h"
#include "platform/gdi/TBitmap.h"
#include "platform/ui/winsys/UiTypes.h"
#include "skin/core/skDataSkinControl.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/core/skDataSkinWindows.h"
#include "skin/core/skSkinColors.h"
#include "skin/core/skSkinFieldGroups.h"
#include "skin/core/skSkinMessages.h"
#include "skin/core/skSkinTypes.h"

class TCustomIniFile;
class TMemoryStream;
class TskCompressedSkinList;
class TskCompressedStoredSkin;
class TskResourceStrData;
class TskFieldVisitor;

/// A skin model. A load checks its input first (a file that is not a skin ini, or an empty stored skin,
/// changes nothing and sends nothing), then: Empty and ChangeSkinDataProcess become true,
/// WM_BEFORECHANGESKINDATA goes out, the old skin is cleared, the new one is read, Empty becomes false,
/// OnLoadData runs, WM_CHANGESKINDATA goes out, ChangeSkinDataProcess becomes false and
/// WM_AFTERCHANGESKINDATA goes out. A read that fails leaves the model empty, still sends the last two
/// messages (so no form frame stays without a skin and unpainted) and then raises its error. A load or
/// clear asked for by a receiver while the model's own change is being announced is ignored. The form
/// frame's corner points and stretch sides lie in the main picture.
class TskSkinData : public TComponent, public TskCornerPoints, public TskStretchSides {
public:
  explicit TskSkinData(TComponent* AOwner);
  ~TskSkinData() override;

  /// Loads a skin ini file and the BMP pictures it names beside it.
  void LoadFromFile(const String& FileName);
  /// Writes the skin's ini text into FileName: its sections are replaced, other sections stay.
  void SaveToFile(const String& FileName);
  /// SaveToFile, then every picture that is not empty as a BMP under its listed name in the file's
  /// folder. A name that leads out of that folder raises EFCreateError.
  void StoreToDisk(const String& FileName);
  /// Loads the skin of a stored skin. Its data is inflated and checked first: damaged data raises
  /// EDecompressionError and an inner version above 3 is ignored, both with nothing changed or sent. A
  /// container whose further pictures are not the ones its text names raises EReadError.
  void LoadCompressedStoredSkin(TskCompressedStoredSkin* AStoredSkin);
  /// Loads a compressed skin file (a container of a version above 3 is ignored).
  void LoadFromCompressedFile(const String& FileName);
  /// Writes the skin as a compressed skin file.
  void SaveToCompressedFile(const String& FileName);

  /// ClearAll, then the three skin-change messages (also when the model was empty already).
  void ClearSkin();
  /// Empties the model without announcing it; the inactive picture's name stays.
  void ClearAll();
  /// Frees the records and the further pictures, drops the window records' pictures and resets the
  /// colours to the system colours.
  void ClearObjects();
  /// Appends a further picture read from FileName, listed under its name without folder.
  void AddBitMap(const String& FileName);
  /// Removes the further picture at Index; records keep the indexes they have.
  void DeleteBitMap(int Index);

  /// The position in ObjectList of the first form-object record named exactly AIDName, or -1.
  int GetIndex(const String& AIDName) const;
  /// The position in CtrlList of the first control record named exactly AIDName, or -1.
  int GetControlIndex(const String& AIDName) const;
  /// Sends M (wParam the model, lParam 1000) synchronously: to the owner first and once when the owner
  /// is a form and ShowLayeredBorders is false; then to the other forms in screen order, leaving out the
  /// layered-border windows ("TskFormLayerWindow"), in reverse when ShowLayeredBorders is true and the
  /// layer frame has a picture.
  void SendSkinDataMessage(UINT M);
  /// Gives the hint window and every loaded record that has a font the font name ANewFontName and adds
  /// AFontHeightCorrection to its height (grids their fixed font too, list boxes their caption font,
  /// application menus the item height only). Nothing is announced.
  void GlobalChangeFont(const String& ANewFontName, int AFontHeightCorrection);

  bool DlgTreeViewDrawSkin() const { return FDlgTreeViewDrawSkin; }
  void SetDlgTreeViewDrawSkin(bool Value) { FDlgTreeViewDrawSkin = Value; }
  const String& DlgTreeViewItemSkinDataName() const { return FDlgTreeViewItemSkinDataName; }
  void SetDlgTreeViewItemSkinDataName(const String& Value) { FDlgTreeViewItemSkinDataName = Value; }
  bool DlgListViewDrawSkin() const { return FDlgListViewDrawSkin; }
  void SetDlgListViewDrawSkin(bool Value) { FDlgListViewDrawSkin = Value; }
  const String& DlgListViewItemSkinDataName() const { return FDlgListViewItemSkinDataName; }
  void SetDlgListViewItemSkinDataName(const String& Value) { FDlgListViewItemSkinDataName = Value; }
  bool AnimationForAllWindows() const { return FAnimationForAllWindows; }
  void SetAnimationForAllWindows(bool Value) { FAnimationForAllWindows = Value; }
  bool EnableSkinEffects() const { return FEnableSkinEffects; }
  void SetEnableSkinEffects(bool Value) { FEnableSkinEffects = Value; }
  bool ShowButtonGlowFrames() const { return FShowButtonGlowFrames; }
  void SetShowButtonGlowFrames(bool Value) { FShowButtonGlowFrames = Value; }
  bool ShowCaptionButtonGlowFrames() const { return FShowCaptionButtonGlowFrames; }
  void SetShowCaptionButtonGlowFrames(bool Value) { FShowCaptionButtonGlowFrames = Value; }

  // These three announce a change (outside loading) with their message.
  bool SkinnableForm() const { return FSkinnableForm; }
  void SetSkinnableForm(bool Value);
  bool ShowLayeredBorders() const { return FShowLayeredBorders; }
  void SetShowLayeredBorders(bool Value);
  bool AeroBlurEnabled() const { return FAeroBlurEnabled; }
  void SetAeroBlurEnabled(bool Value);

  TskCompressedStoredSkin* CompressedStoredSkin() const { return FCompressedStoredSkin; }
  /// Stores the reference and loads the stored skin when there is one.
  void SetCompressedStoredSkin(TskCompressedStoredSkin* Value);
  TskResourceStrData* ResourceStrData() const { return FResourceStrData; }
  /// Stores the reference and announces WM_CHANGERESOURCESTRDATA, also while loading.
  void SetResourceStrData(TskResourceStrData* Value);
  TskCompressedSkinList* SkinList() const { return FCompressedSkinList; }
  /// Stores the reference and loads the list's skin at SkinIndex when there is one.
  void SetSkinList(TskCompressedSkinList* Value);
  int SkinIndex() const { return FCompressedSkinIndex; }
  /// The current value changes nothing. Without a list any value is stored; with one, an index of the
  /// list is stored and its skin loaded, any other value is ignored.
  void SetSkinIndex(int Value);

  TskSkinColors* SkinColors() const { return FSkinColors.get(); }

  /// Raised after a skin was read, before WM_CHANGESKINDATA; Sender is the model.
  TNotifyEvent OnLoadData;

  // Form frame: caption-button and caption areas of the main picture, the buttons' spacing and side.
  TRect ButtonsRect;
  TRect CaptionRect;
  int ButtonsOffset { 0 };
  bool CapButtonsInLeft { false };
  /// The frame renders its inactive look from the active picture with InActiveEffect.
  bool AutoRenderingInActiveImage { false };
  TskInActiveEffect InActiveEffect { ieBrightness };
  std::unique_ptr<TskDataSkinPopupWindow> PopupWindow { std::make_unique<TskDataSkinPopupWindow>() };
  std::unique_ptr<TskDataSkinLayerFrame> LayerFrame { std::make_unique<TskDataSkinLayerFrame>() };
  std::unique_ptr<TskDataSkinHintWindow> HintWindow { std::make_unique<TskDataSkinHintWindow>() };
  /// True while the model holds no skin.
  bool Empty { true };
  // The form frame's main, inactive and mask pictures.
  std::unique_ptr<TBitmap> FPicture { std::make_unique<TBitmap>() };
  std::unique_ptr<TBitmap> FInActivePicture { std::make_unique<TBitmap>() };
  std::unique_ptr<TBitmap> FMask { std::make_unique<TBitmap>() };
  /// The further pictures: every picture index of every record is a position here.
  std::vector<std::unique_ptr<TBitmap>> FActivePictures;
  String FPictureName;
  String FInActivePictureName;
  String FMaskName;
  /// The file names of the further pictures, one per picture.
  std::unique_ptr<TStringList> FActivePicturesNames { std::make_unique<TStringList>() };
  /// The form-object and control records in skin order.
  std::vector<std::unique_ptr<TskDataSkinObject>> ObjectList;
  std::vector<std::unique_ptr<TskDataSkinControl>> CtrlList;
  // Form frame geometry in the main picture.
  int BGPictureIndex { -1 };
  int MDIBGPictureIndex { -1 };
  bool MainMenuPopupUp { false };
  TRect MaskRectArea;
  TPoint HitTestLTPoint;
  TPoint HitTestRTPoint;
  TPoint HitTestLBPoint;
  TPoint HitTestRBPoint;
  TRect ClRect;
  int BorderW { 0 };
  int FormMinWidth { 0 };
  int FormMinHeight { 0 };
  bool MDITabsTransparent { false };
  bool MainMenuBarTransparent { false };
  bool MDIBGStretchEffect { false };
  TskStretchType MDIBGStretchType { skstFull };
  String SkinName;
  String SkinAuthor;
  String AuthorURL;
  String AuthorEmail;
  String SkinComments;
  /// True from the start of a load until its WM_CHANGESKINDATA went out; frames do not paint meanwhile.
  bool ChangeSkinDataProcess { false };

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  friend class TskCompressedStoredSkin;

  /// Steps 2 to 10 of a load around ReadSkin.
  template <class TRead> void ChangeSkin(TRead&& ReadSkin);
  /// WM_CHANGESKINDATA, ChangeSkinDataProcess false, WM_AFTERCHANGESKINDATA.
  void FinishChange();
  void ReadVersion(TCustomIniFile* Ini);
  void ReadPictureNames(TCustomIniFile* Ini);
  void ReadPictureFiles(const String& Folder);
  /// Reads the pictures of an inflated container and returns its ini text.
  String ReadContainerPictures(TMemoryStream* Inner, int InnerVersion);
  /// FORMINFO, the fixed records and the two listings.
  void ReadLayout(TCustomIniFile* Ini);
  void AdjustFormInfo();
  void ReadObjects(TCustomIniFile* Ini);
  void ReadControls(TCustomIniFile* Ini);
  /// Writes every section of the skin into Ini (not to its file).
  void WriteSkinIni(TCustomIniFile* Ini);
  void VisitFormInfo(TskFieldVisitor& Visitor);

  TskCompressedSkinList* FCompressedSkinList { nullptr };
  int FCompressedSkinIndex { 0 };
  bool FSkinnableForm { true };
  bool FEnableSkinEffects { true };
  TskCompressedStoredSkin* FCompressedStoredSkin { nullptr };
  TskResourceStrData* FResourceStrData { nullptr };
  std::unique_ptr<TskSkinColors> FSkinColors { std::make_unique<TskSkinColors>() };
  bool FShowButtonGlowFrames { true };
  bool FShowCaptionButtonGlowFrames { true };
  bool FShowLayeredBorders { true };
  bool FAeroBlurEnabled { true };
  bool FAnimationForAllWindows { false };
  bool FDlgTreeViewDrawSkin { true };
  String FDlgTreeViewItemSkinDataName { "listbox" };
  bool FDlgListViewDrawSkin { true };
  String FDlgListViewItemSkinDataName { "listbox" };
  /// Set while a change of this model is under way, so a receiver cannot start another one.
  bool FChanging { false };
};
