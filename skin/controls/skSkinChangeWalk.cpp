#include "skin/controls/skSkinChangeWalk.h"

#include <functional>

#include "skin/controls/IskSkinChangeable.h"
#include "skin/controls/TskSkinControl.h"

namespace {

// Visits the children of Parent depth first (a windowed child before its own children). The list is
// taken again at every step, since a change may resize a control and so realign its parent.
void Walk(TWinControl* Parent, const std::function<void(TControl*)>& Visit) {
  for (int i = 0; i < Parent->ControlCount(); ++i) {
    TControl* Child = Parent->Controls(i);
    Visit(Child);
    if (auto* Windowed = dynamic_cast<TWinControl*>(Child)) Walk(Windowed, Visit);
  }
}

template <class TControlClass> bool Bound(TControlClass* Control, TskSkinData* Model) {
  return Control && (!Model || Control->SkinData() == Model);
}

}  // namespace

void BeforeChangeSkinDataWalk(TWinControl* Root, TskSkinData* Model) {
  Walk(Root, [Model](TControl* Control) {
    auto* Skinned = dynamic_cast<TskSkinControl*>(Control);
    if (Bound(Skinned, Model)) Skinned->BeforeChangeSkinData();
  });
}

void ChangeSkinDataWalk(TWinControl* Root, TskSkinData* Model) {
  Walk(Root, [Model](TControl* Control) {
    auto* Skinned = dynamic_cast<IskSkinChangeable*>(Control);
    if (Bound(Skinned, Model)) Skinned->ChangeSkinData();
  });
}
