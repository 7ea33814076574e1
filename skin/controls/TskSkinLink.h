#pragma once
// The skin binding of the platform controls that the skin only colours or decorates (labels, splitter,
// bevel): a model (SkinData, registered for removal: a freed model is forgotten), a record name and the
// record's index, resolved again at every drawing. Unlike TskSkinBinding.h these draw no skin picture
// through an off-screen bitmap; each descendant paints in its own way.
#include "platform/base/TComponent.h"
#include "platform/base/Types.h"
#include "skin/controls/IskSkinChangeable.h"

class TskDataSkinControl;
class TskSkinData;

/// A platform control bound to a skin record by name; see the file comment.
template <class TBase> class TskSkinLink : public TBase, public IskSkinChangeable {
public:
  explicit TskSkinLink(TComponent* AOwner) : TBase(AOwner) {}

  TskSkinData* SkinData() const override { return FSD; }
  /// Stores the model (registered for its removal) and runs ChangeSkinData, also for none.
  void SetSkinData(TskSkinData* Value);
  const String& SkinDataName() const { return FSkinDataName; }
  void SetSkinDataName(const String& Value) { FSkinDataName = Value; }

  /// FIndex := the record's position in the model, -1 without a model holding a skin.
  virtual void GetSkinData();
  /// Reads the skin again and repaints.
  void ChangeSkinData() override;

  /// The record's position in the model's control list; -1: no record.
  int FIndex { -1 };

protected:
  /// The record at FIndex; null without one.
  TskDataSkinControl* SkinRecord() const;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  TskSkinData* FSD { nullptr };
  String FSkinDataName;
};
