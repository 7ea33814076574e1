#pragma once
// What every skinned control has, windowed or not (TBase is TCustomControl or TGraphicControl).
//
// Binding: the control names a record (SkinDataName) in a skin model (SkinData, a reference registered for
// removal notification: a freed model leaves the control with its built-in look). Every paint looks the
// record up by name again (GetSkinData: FIndex is its position in the model's control list, -1 for none),
// so a new record shows at the next paint; only size and region wait for ChangeSkinData.
//
// Painting is double-buffered: Paint draws CreateControlDefaultImage (no record) or CreateControlSkinImage
// into an off-screen bitmap of the control's size and copies it onto the control.
#include "platform/ui/toolkit/TCustomControl.h"
#include "platform/ui/toolkit/TGraphicControl.h"
#include "skin/controls/IskSkinChangeable.h"

class TBitmap;
class TCustomImageList;
class TskDataSkinControl;
class TskSkinData;

/// The binding to a skin record and the double-buffered paint; see the file comment.
template <class TBase> class TskSkinBinding : public TBase, public IskSkinChangeable {
public:
  explicit TskSkinBinding(TComponent* AOwner) : TBase(AOwner) {}

  TskSkinData* SkinData() const override { return FSD; }
  /// Stores the model (registering for its removal) and, when it holds a skin, runs ChangeSkinData.
  virtual void SetSkinData(TskSkinData* Value);
  const String& SkinDataName() const { return FSkinDataName; }
  /// Stores the name only; the next lookup resolves it.
  virtual void SetSkinDataName(const String& Value) { FSkinDataName = Value; }

  /// Resolves the record: FIndex := its position in the model, -1 without a model holding a skin.
  virtual void GetSkinData();
  /// Reads the skin again and repaints.
  void ChangeSkinData() override;
  /// Drops the record (FIndex := -1) for the time of a skin change.
  virtual void BeforeChangeSkinData() { FIndex = -1; }

  /// The title line and image of the control's skinned hint.
  const String& HintTitle() const { return FHintTitle; }
  void SetHintTitle(const String& Value) { FHintTitle = Value; }
  int HintImageIndex() const { return FHintImageIndex; }
  void SetHintImageIndex(int Value) { FHintImageIndex = Value; }
  TCustomImageList* HintImageList() const { return FHintImageList; }
  /// Registers for the list's removal: a freed list is forgotten.
  void SetHintImageList(TCustomImageList* Value);

  /// The record's position in the model's control list; -1: no record, the built-in look.
  int FIndex { -1 };

protected:
  /// Draws the look without skin into B (the control's size); nothing here.
  virtual void CreateControlDefaultImage(TBitmap*) {}
  /// Draws the skinned look into B; nothing here.
  virtual void CreateControlSkinImage(TBitmap*) {}
  /// The record at FIndex; null without one.
  TskDataSkinControl* SkinRecord() const;

  void Paint() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  TskSkinData* FSD { nullptr };
  String FSkinDataName;
  String FHintTitle;
  int FHintImageIndex { 0 };
  TCustomImageList* FHintImageList { nullptr };
};

extern template class TskSkinBinding<TCustomControl>;
extern template class TskSkinBinding<TGraphicControl>;
