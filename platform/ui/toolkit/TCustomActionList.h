#pragma once
// The list actions are kept in, with the images they show.
#include <vector>

#include "platform/base/TComponent.h"

class TCustomAction;
class TCustomImageList;

/// An action list: its actions (in the order they joined) and their images.
class TCustomActionList : public TComponent {
public:
  explicit TCustomActionList(TComponent* AOwner) : TComponent(AOwner) {}
  ~TCustomActionList() override;

  int ActionCount() const { return int(FActions.size()); }
  /// A bad index raises EListError.
  TCustomAction* Actions(int Index) const;
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  friend class TCustomAction;

  std::vector<TCustomAction*> FActions;
  TCustomImageList* FImages { nullptr };
};
