#include "skin/core/skSkinKinds.h"

#include <span>

#include "skin/core/skDataSkinBarControls.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skDataSkinListControls.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/core/skDataSkinSimpleControls.h"

namespace {

template <class TBase> struct TKind {
  const char* Name;
  std::unique_ptr<TBase> (*Make)(const String& AIDName);
  bool (*Is)(const TBase* Record);
};

template <class TBase, class TRecord> constexpr TKind<TBase> Kind(const char* Name) {
  return { Name, [](const String& AIDName) -> std::unique_ptr<TBase> { return std::make_unique<TRecord>(AIDName); },
           [](const TBase* Record) { return dynamic_cast<const TRecord*>(Record) != nullptr; } };
}

// In writing order: a record is written as the first kind it is an instance of, so derived classes
// stand before their bases ("mainmenubarbutton" before "stdbutton" before "button").
using O = TskDataSkinObject;
const TKind<O> ObjectKinds[] = {
  Kind<O, TskDataSkinMenuItem>("menuitem"),
  Kind<O, TskDataSkinMainMenuBarItem>("mainmenubaritem"),
  Kind<O, TskDataSkinMainMenuBarButton>("mainmenubarbutton"),
  Kind<O, TskDataSkinStdButton>("stdbutton"),
  Kind<O, TskDataSkinButton>("button"),
  Kind<O, TskDataSkinCaption>("caption"),
  Kind<O, TskDataUserObject>("userobject"),
  Kind<O, TskDataSkinAnimate>("animate"),
};

using C = TskDataSkinControl;
const TKind<C> ControlKinds[] = {
  Kind<C, TskDataSkinPanelControl>("panel"),
  Kind<C, TskDataSkinExPanelControl>("expanel"),
  Kind<C, TskDataSkinMenuButtonControl>("menubutton"),
  Kind<C, TskDataSkinButtonControl>("button"),
  Kind<C, TskDataSkinCheckRadioControl>("checkradio"),
  Kind<C, TskDataSkinGaugeControl>("gauge"),
  Kind<C, TskDataSkinSplitterControl>("splitter"),
  Kind<C, TskDataSkinTrackBarControl>("trackbar"),
  Kind<C, TskDataSkinLabelControl>("label"),
  Kind<C, TskDataSkinStdLabelControl>("stdlabel"),
  Kind<C, TskDataSkinUpDownControl>("updown"),
  Kind<C, TskDataSkinGridControl>("grid"),
  Kind<C, TskDataSkinTabControl>("tab"),
  Kind<C, TskDataSkinMainMenuBar>("mainmenubar"),
  Kind<C, TskDataSkinControlBar>("controlbar"),
  Kind<C, TskDataSkinAppMenu>("appmenu"),
  Kind<C, TskDataSkinMemoControl>("memo"),
  Kind<C, TskDataSkinEditControl>("edit"),
  Kind<C, TskDataSkinCheckListBox>("checklistbox"),
  Kind<C, TskDataSkinListBox>("listbox"),
  Kind<C, TskDataSkinComboBox>("combobox"),
  Kind<C, TskDataSkinScrollBarControl>("scrollbar"),
  Kind<C, TskDataSkinSpinEditControl>("spinedit"),
  Kind<C, TskDataSkinScrollBoxControl>("scrollbox"),
  Kind<C, TskDataSkinTreeView>("treeview"),
  Kind<C, TskDataSkinBevel>("bevel"),
  Kind<C, TskDataSkinSlider>("slider"),
  Kind<C, TskDataSkinListView>("listview"),
  Kind<C, TskDataSkinRichEdit>("richedit"),
};

template <class TBase>
std::unique_ptr<TBase> Create(std::span<const TKind<TBase>> Kinds, const String& Kind, const String& AIDName) {
  for (const TKind<TBase>& kind : Kinds)
    if (Kind == kind.Name) return kind.Make(AIDName);
  return nullptr;
}

template <class TBase> String KindOf(std::span<const TKind<TBase>> Kinds, const TBase* Record) {
  for (const TKind<TBase>& kind : Kinds)
    if (kind.Is(Record)) return kind.Name;
  return String();
}

}  // namespace

std::unique_ptr<TskDataSkinObject> CreateSkinObject(const String& Kind, const String& AIDName) {
  return Create<O>(ObjectKinds, Kind, AIDName);
}

std::unique_ptr<TskDataSkinControl> CreateSkinControl(const String& Kind, const String& AIDName) {
  return Create<C>(ControlKinds, Kind, AIDName);
}

String SkinObjectKind(const TskDataSkinObject* Record) { return KindOf<O>(ObjectKinds, Record); }

String SkinControlKind(const TskDataSkinControl* Record) { return KindOf<C>(ControlKinds, Record); }
