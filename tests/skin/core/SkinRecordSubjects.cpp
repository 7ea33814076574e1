#include "SkinRecordSubjects.h"

#include <gtest/gtest.h>

#include "platform/base/Overloaded.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skDataSkinListControls.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "skin/core/skDataSkinWindows.h"
#include "skin/core/skSkinColors.h"

namespace {

const char* const AlignmentNames[] = { "taLeftJustify", "taRightJustify", "taCenter" };
const char* const StretchNames[] = { "skstFull", "skstHorz", "skstVert" };
const char* const MorphNames[] = { "mkDefault",      "mkGradient",   "mkLeftGradient", "mkRightGradient",
                                   "mkLeftSlide", "mkRightSlide", "mkPush" };
const char* const EffectNames[] = { "ieBrightness", "ieDarkness", "ieGrayScale", "ieNoise", "ieSplitBlur", "ieInvert" };
const char* const CommandNames[] = { "cmClose",   "cmMaximize", "cmMinimize",      "cmSysMenu",
                                     "cmDefault", "cmRollUp",   "cmMinimizeToTray" };

String Print(const TRect& R) {
  return std::to_string(R.Left) + "," + std::to_string(R.Top) + "," + std::to_string(R.Right) + "," +
         std::to_string(R.Bottom);
}

String Print(TFontStyles S) {
  String text = "[";
  const char* names[] = { "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut" };
  for (int i = 0; i < 4; ++i)
    if (S.Contains(TFontStyle(i))) text += (text.size() > 1 ? " " : "") + String(names[i]);
  return text + "]";
}

String PrintField(const TskFieldPtr& Field) {
  return std::visit(Overloaded {
                      [](int* p) { return std::to_string(*p); },
                      [](String* p) { return "\"" + *p + "\""; },
                      [](TRect* p) { return Print(*p); },
                      [](TPoint* p) { return std::to_string(p->X) + "," + std::to_string(p->Y); },
                      [](bool* p) { return String(*p ? "True" : "False"); },
                      [](TFontStyles* p) { return Print(*p); },
                      [](TAlignment* p) { return String(AlignmentNames[*p]); },
                      [](TskStretchType* p) { return String(StretchNames[*p]); },
                      [](TskMorphKind* p) { return String(MorphNames[*p]); },
                      [](TskInActiveEffect* p) { return String(EffectNames[*p]); },
                      [](TskStdCommand* p) { return String(CommandNames[*p]); },
                    },
                    Field);
}

class Printer : public TskFieldVisitor {
public:
  void Visit(const TskFieldRef& Field) override { Values.emplace_back(Field.Key, PrintField(Field.Field)); }
  FieldValues Values;
};

class KeyLister : public TskFieldVisitor {
public:
  bool WriterOrder() const override { return true; }
  void Visit(const TskFieldRef& Field) override { Keys.push_back(Field.Key); }
  std::vector<String> Keys;
};

// Prints what the format gives a field whose key is absent.
class AbsentPrinter : public TskFieldVisitor {
public:
  void Visit(const TskFieldRef& Field) override {
    Values.emplace_back(Field.Key, std::visit(Overloaded {
                                                [&](int*) { return std::to_string(Field.AbsentInt); },
                                                [&](String*) { return "\"" + String(Field.AbsentText) + "\""; },
                                                [](TRect*) { return String("0,0,0,0"); },
                                                [](TPoint*) { return String("0,0"); },
                                                [](bool*) { return String("False"); },
                                                [](TFontStyles*) { return String("[]"); },
                                                [](TAlignment*) { return String("taCenter"); },
                                                [](TskStretchType*) { return String("skstFull"); },
                                                [](TskMorphKind*) { return String("mkDefault"); },
                                                [](TskInActiveEffect*) { return String("ieBrightness"); },
                                                [](TskStdCommand*) { return String("cmDefault"); },
                                              },
                                              Field.Field));
  }
  FieldValues Values;
};

class Filler : public TskFieldVisitor {
public:
  explicit Filler(int APass) : FPass(APass) {}
  void Visit(const TskFieldRef& Field) override {
    const int n = ++FNumber;
    // Booleans and two-way enumeration choices follow bit Pass of the field's number, so any two fields
    // differ in some pass; numbers and texts differ in every pass.
    const bool bit = ((n >> FPass) & 1) != 0;
    std::visit(Overloaded {
                 [&](int* p) { *p = 100000 + 100 * n + FPass; },
                 [&](String* p) { *p = "v" + std::to_string(n) + "p" + std::to_string(FPass); },
                 [&](TRect* p) { *p = Rect(n, FPass, n + 10, FPass + 20); },
                 [&](TPoint* p) { *p = Point(n, FPass + 1); },
                 [&](bool* p) { *p = bit; },
                 [&](TFontStyles* p) { *p = TFontStyles::FromBits(uint64_t(1 + (n + FPass) % 15)); },
                 [&](TAlignment* p) { *p = bit ? taRightJustify : taLeftJustify; },
                 [&](TskStretchType* p) { *p = bit ? skstVert : skstHorz; },
                 [&](TskMorphKind* p) { *p = bit ? mkPush : mkGradient; },
                 [&](TskInActiveEffect* p) { *p = bit ? ieInvert : ieNoise; },
                 [&](TskStdCommand* p) { *p = bit ? cmRollUp : cmSysMenu; },
               },
               Field.Field);
  }

private:
  int FPass;
  int FNumber { 0 };
};

template <class R> RecordKind Kind(const String& Name, const String& Section = "Rec",
                                   std::vector<String> ForcedOnLoad = {}, bool ErasesSection = true) {
  return { Name, Section, [Section] { return std::make_unique<RecordSubjectOf<R>>(Section); },
           std::move(ForcedOnLoad), ErasesSection };
}

}  // namespace

const std::vector<RecordKind>& AllRecordKinds() {
  static const std::vector<RecordKind> kinds = {
    Kind<TskDataSkinControl>("control"),
    Kind<TskDataSkinCustomControl>("customcontrol"),
    Kind<TskDataSkinPanelControl>("panel"),
    Kind<TskDataSkinExPanelControl>("expanel"),
    Kind<TskDataSkinMenuButtonControl>("menubutton"),
    Kind<TskDataSkinButtonControl>("button"),
    Kind<TskDataSkinCheckRadioControl>("checkradio"),
    Kind<TskDataSkinGaugeControl>("gauge"),
    Kind<TskDataSkinSplitterControl>("splitter"),
    Kind<TskDataSkinTrackBarControl>("trackbar"),
    Kind<TskDataSkinLabelControl>("label"),
    Kind<TskDataSkinStdLabelControl>("stdlabel"),
    Kind<TskDataSkinUpDownControl>("updown"),
    Kind<TskDataSkinGridControl>("grid"),
    Kind<TskDataSkinTabControl>("tab"),
    Kind<TskDataSkinMainMenuBar>("mainmenubar"),
    Kind<TskDataSkinControlBar>("controlbar"),
    Kind<TskDataSkinAppMenu>("appmenu"),
    Kind<TskDataSkinMemoControl>("memo"),
    Kind<TskDataSkinEditControl>("edit"),
    Kind<TskDataSkinCheckListBox>("checklistbox"),
    Kind<TskDataSkinListBox>("listbox"),
    Kind<TskDataSkinComboBox>("combobox"),
    Kind<TskDataSkinScrollBarControl>("scrollbar"),
    Kind<TskDataSkinSpinEditControl>("spinedit"),
    Kind<TskDataSkinScrollBoxControl>("scrollbox"),
    Kind<TskDataSkinTreeView>("treeview"),
    Kind<TskDataSkinBevel>("bevel"),
    Kind<TskDataSkinSlider>("slider"),
    Kind<TskDataSkinListView>("listview"),
    Kind<TskDataSkinRichEdit>("richedit"),
    Kind<TskDataSkinObject>("object"),
    Kind<TskDataSkinMenuItem>("menuitem"),
    Kind<TskDataSkinMainMenuItem>("mainmenuitem"),
    Kind<TskDataSkinMainMenuBarItem>("mainmenubaritem"),
    Kind<TskDataSkinStdButton>("stdbutton"),
    Kind<TskDataSkinMainMenuBarButton>("mainmenubarbutton"),
    Kind<TskDataSkinButton>("objectbutton"),
    Kind<TskDataSkinCaption>("caption"),
    Kind<TskDataSkinAnimate>("animate", "Rec", { "morphing" }),
    Kind<TskDataUserObject>("userobject"),
    Kind<TskSkinColors>("colors", "SKINCOLORS", {}, false),
    Kind<TskDataSkinPopupWindow>("popupwindow", "POPUPWINDOW"),
    Kind<TskDataSkinLayerFrame>("layerframe", "LAYERFRAME"),
    Kind<TskDataSkinHintWindow>("hintwindow", "HINTWINDOW"),
  };
  return kinds;
}

FieldValues ValuesOf(RecordSubject& Subject) {
  Printer printer;
  Subject.Visit(printer);
  return printer.Values;
}

String ValueOf(RecordSubject& Subject, const String& Key) {
  for (const auto& [key, value] : ValuesOf(Subject))
    if (key == Key) return value;
  ADD_FAILURE() << "no key " << Key;
  return String();
}

std::vector<String> WrittenKeysOf(RecordSubject& Subject) {
  KeyLister lister;
  Subject.Visit(lister);
  return lister.Keys;
}

FieldValues AbsentValuesOf(RecordSubject& Subject) {
  AbsentPrinter printer;
  Subject.Visit(printer);
  return printer.Values;
}

void FillFields(RecordSubject& Subject, int Pass) {
  Filler filler(Pass);
  Subject.Visit(filler);
}
