#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <sstream>

#include "SkinIniText.h"
#include "SkinRecordSubjects.h"
#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "skin/core/skSkinColors.h"

namespace {

const RecordKind& KindNamed(const String& Name) {
  for (const RecordKind& kind : AllRecordKinds())
    if (kind.Name == Name) return kind;
  throw std::invalid_argument("no record kind " + Name);
}

std::vector<String> KeysOf(TCustomIniFile& Ini, const String& Section) {
  TStringList keys;
  Ini.ReadSection(Section, &keys);
  std::vector<String> result;
  for (int i = 0; i < keys.Count(); ++i) result.push_back(keys.Strings(i));
  return result;
}

FieldValues Without(FieldValues Values, const std::vector<String>& Keys) {
  std::erase_if(Values, [&](const auto& v) { return std::ranges::find(Keys, v.first) != Keys.end(); });
  return Values;
}

// Fill, save, load into a new record: every field comes back, and the section holds exactly the record's
// keys, spelled as the record spells them, whatever the section held before.
TEST(SkinRecords, EveryFieldOfEveryClassSurvivesSaveAndLoad) {
  for (const RecordKind& kind : AllRecordKinds()) {
    for (int pass = 0; pass < 6; ++pass) {
      SCOPED_TRACE(kind.Name + " pass " + std::to_string(pass));
      auto ini = IniOf("[" + UpperCase(kind.Section) + "]\nforeign=1\n[after]\nx=1\n");
      auto original = kind.Make();
      FillFields(*original, pass);
      original->Save(ini.get());
      const FieldValues saved = ValuesOf(*original);

      std::vector<String> expectedKeys = WrittenKeysOf(*original);
      if (!kind.ErasesSection) expectedKeys.insert(expectedKeys.begin(), "foreign");
      EXPECT_EQ(KeysOf(*ini, kind.Section), expectedKeys);

      auto loaded = kind.Make();
      loaded->Load(ini.get());
      EXPECT_EQ(Without(ValuesOf(*loaded), kind.ForcedOnLoad), Without(saved, kind.ForcedOnLoad));
    }
  }
}

TEST(SkinRecords, KeysAndSectionsAreFoundInAnyLetterCase) {
  for (const RecordKind& kind : AllRecordKinds()) {
    SCOPED_TRACE(kind.Name);
    auto ini = IniOf("");
    auto original = kind.Make();
    FillFields(*original, 0);
    original->Save(ini.get());
    TStringList lines;
    ini->ReadSectionValues(kind.Section, &lines);
    String shouted = "[" + UpperCase(kind.Section) + "]\n";
    for (int i = 0; i < lines.Count(); ++i) shouted += UpperCase(lines.Names(i)) + "=" + lines.ValueFromIndex(i) + "\n";

    auto loaded = kind.Make();
    loaded->Load(IniOf(shouted).get());
    EXPECT_EQ(Without(ValuesOf(*loaded), kind.ForcedOnLoad), Without(ValuesOf(*original), kind.ForcedOnLoad));
  }
}

TEST(SkinRecords, NewRecordSavedAndReloadedEqualsNewRecord) {
  for (const RecordKind& kind : AllRecordKinds()) {
    SCOPED_TRACE(kind.Name);
    auto ini = IniOf("");
    kind.Make()->Save(ini.get());
    auto loaded = kind.Make();
    FillFields(*loaded, 0);
    loaded->Load(ini.get());
    EXPECT_EQ(ValuesOf(*loaded), ValuesOf(*kind.Make()));
  }
}

// A missing section, or a section without the record's keys, replaces every field by its absent value.
TEST(SkinRecords, MissingSectionOrKeysGiveEveryAbsentValue) {
  for (const RecordKind& kind : AllRecordKinds()) {
    for (const String& text : { String("[other]\nskinrect=1,2,3,4\n"), "[" + kind.Section + "]\nunrelated=5\n" }) {
      SCOPED_TRACE(kind.Name + ": " + text);
      auto record = kind.Make();
      FillFields(*record, 0);
      record->Load(IniOf(text).get());
      EXPECT_EQ(ValuesOf(*record), AbsentValuesOf(*record));
    }
  }
}

// The keys of every kind in writing order, as the format lists them. C: the keys of every control
// record, N: the resizable geometry, F: a font group, O: the keys of every form object.
TEST(SkinRecords, EveryKindWritesTheFormatsKeysInOrder) {
  const String C = "pictureindex maskpictureindex skinrect ";
  const String N = "lefttoppoint righttoppoint leftbottompoint rightbottompoint clientrect leftstretch topstretch "
                   "rightstretch bottomstretch stretcheffect stretchtype ";
  auto F = [](const String& prefix) {
    return prefix + "fontname " + prefix + "fontheight " + prefix + "fontstyle " + prefix + "fontcolor ";
  };
  const String O = "hint activepictureindex activemaskpictureindex skinrectinapicture skinrect activeskinrect "
                   "inactiveskinrect morphing morphkind glowlayerpictureindex glowlayermaskpictureindex "
                   "glowlayeroffsetx glowlayeroffsety glowlayeralphablendvalue ";
  // The writer moves "glowlayeroffsetright" before "glowlayeroffsettop".
  const String button = C + N + F("") +
                        "activefontcolor downfontcolor disabledfontcolor activeskinrect downskinrect focusedskinrect "
                        "disabledskinrect morphing morphkind animateskinrect framecount animateinterval showfocus "
                        "menumarkerflatrect menumarkerrect menumarkeractiverect menumarkerdownrect "
                        "menumarkertransparentcolor glowlayerpictureindex glowlayermaskpictureindex "
                        "glowlayeroffsetleft glowlayeroffsetright glowlayeroffsettop glowlayeroffsetbottom "
                        "glowlayershowoffsetx glowlayershowoffsety glowlayeralphablendvalue ";
  const String listbox = C + N + "itemrect activeitemrect focusitemrect itemleftoffset itemrightoffset itemtextrect " +
                         F("") + "activefontcolor focusfontcolor captionrect " + F("caption") +
                         "upbuttonrect activeupbuttonrect downupbuttonrect downbuttonrect activedownbuttonrect "
                         "downdownbuttonrect checkbuttonrect activecheckbuttonrect downcheckbuttonrect "
                         "vscrollbarname hscrollbarname bothhscrollbarname showfocus disabledbuttonsrect buttonsarea ";
  const String edit = C + N + "activeskinrect " + F("") +
                      "disabledfontcolor activefontcolor buttonrect activebuttonrect downbuttonrect "
                      "unenabledbuttonrect ";
  const String objectButton = O + "downrect disableskinrsect alphamaskpictureindex alphamaskactivepictureindex "
                                  "alphamaskinactivepictureindex ";
  const String stdButton = objectButton + "command restorerect restoreactiverect restoredownrect "
                                          "restoreinactiverect restorehint ";
  const String mainMenuItem = O + "itemleftoffset itemrightoffset downrect textrect " + F("") +
                              "activefontcolor downfontcolor unenabledfontColor stretcheffect animateskinrect "
                              "framecount animateinterval inactiveanimation ";
  const String updownButtons = "upbuttonrect activeupbuttonrect downupbuttonrect downbuttonrect activedownbuttonrect "
                               "downdownbuttonrect ";
  const std::pair<const char*, String> expected[] = {
    { "control", C },
    { "customcontrol", C + N },
    { "stdlabel", C + F("") + "activefontcolor" },
    { "label", C + N + F("") },
    { "treeview", C + F("") + "bgcolor expandimagerect noexpandimagerect" },
    { "listview", C + F("") + "bgcolor" },
    { "richedit", C + F("") + "bgcolor" },
    { "bevel", C + "lightcolor darkcolor" },
    { "slider", C + "bgcolor hrulerrect hthumbrect vrulerrect vthumbrect edgesize pointscolor" },
    { "splitter", C + N + "gripperrect grippertransparent grippertransparentcolor" },
    { "scrollbox", C + N + "bgpictureindex" },
    { "updown", C + N + updownButtons },
    { "gauge", C + N + "progressarea progressrect beginoffset endoffset vertical " + F("") +
                 "progresstransparent progresstransparentcolor progressstretch animationskinrect "
                 "animationcountframes animationtimerinterval progressanimationskinrect "
                 "progressanimationcountframes progressanimationtimerinterval animationbeginoffset "
                 "animationendoffset" },
    { "trackbar", C + N + "activeskinrect trackarea buttonrect activebuttonrect vertical buttontransparent "
                          "buttontransparentcolor" },
    { "button", button },
    { "menubutton", button + "trackbuttonrect" },
    // "framefontcolor" is written right after the font group.
    { "checkradio", C + N + F("") +
                      "framefontcolor activefontcolor unenabledfontcolor activeskinrect checkimagearea textarea "
                      "checkimagerect uncheckimagerect activecheckimagerect activeuncheckimagerect "
                      "unenabledcheckimagerect unenableduncheckimagerect grayedcheckimagerect "
                      "activegrayedcheckimagerect morphing morphkind" },
    { "panel", C + N + "bgpictureindex captionrect alignment " + F("") +
                 "checkimagerect uncheckimagerect markframerect framerect frametextrect frameleftoffset "
                 "framerightoffset gripperrect grippertransparent grippertransparentcolor buttonrect "
                 "buttonactiverect buttondownrect buttontransparent buttontransparentcolor" },
    { "expanel", C + N +
                   "rollhskinrect rollvskinrect rollleftoffset rollrightoffset rolltopoffset rollbottomoffset "
                   "rollvcaptionrect rollhcaptionrect closebuttonrect closebuttonactiverect closebuttondownrect "
                   "hrollbuttonrect hrollbuttonactiverect hrollbuttondownrect hrestorebuttonrect "
                   "hrestorebuttonactiverect hrestorebuttondownrect vrollbuttonrect vrollbuttonactiverect "
                   "vrollbuttondownrect vrestorebuttonrect vrestorebuttonactiverect vrestorebuttondownrect "
                   "captionrect " +
                   F("") + "buttonstransparent buttonstransparentcolor" },
    { "scrollbar", C + N + "trackarea " + updownButtons +
                     "thumbrect activethumbrect downthumbrect thumboffset1 thumboffset2 thumbtransparent "
                     "thumbtransparentcolor thumbstretcheffect thumbminsize thumbminpagesize glyphrect "
                     "activeglyphrect downglyphrect glyphtransparent glyphtransparentcolor" },
    { "listbox", listbox },
    // "uncheckimagerect" is written before "checkimagerect".
    { "checklistbox", listbox + "itemcheckrect uncheckimagerect checkimagerect" },
    // "listboxname" is written after "unenabledbuttonrect".
    { "combobox", C + N + "activeskinrect itemrect activeitemrect focusitemrect itemleftoffset itemrightoffset "
                          "itemtextrect " +
                    F("") +
                    "focusfontcolor activefontcolor buttonrect activebuttonrect downbuttonrect unenabledbuttonrect "
                    "listboxname itemstretcheffect focusitemstretcheffect showfocus" },
    { "edit", edit },
    { "memo", edit + "bgcolor activebgcolor" },
    { "spinedit", C + N + "activeskinrect " + F("") + "activefontcolor disabledfontcolor " + updownButtons },
    { "tab", C + "tabrect activetabrect focustabrect mouseintabrect clientrect bgpictureindex lefttoppoint "
                 "righttoppoint leftbottompoint rightbottompoint tableftoffset tabrightoffset tabsbgrect "
                 "tabstretcheffect leftstretch topstretch rightstretch bottomstretch stretcheffect stretchtype " +
               F("") +
               "activefontcolor focusfontcolor mouseinfontcolor updown showfocus focusoffsetx focusoffsety "
               "closebuttonrect closebuttonactiverect closebuttondownrect buttontransparent buttontransparentcolor "
               "dividerrect dividertransparent dividertransparentcolor mdicloserect mdicloseactiverect "
               "mdiclosedownrect mdirestorerect mdirestoreactiverect mdirestoredownrect mdiminrect "
               "mdiminactiverect mdimindownrect mdibuttonstransparent mdibuttonstransparentcolor "
               "tableftbottomactiverect tableftbottomfocusrect" },
    // "bgpictureindex" is written after "bgcolor".
    { "grid", C + "fixedcellrect selectcellrect focuscellrect fixedcellleftoffset fixedcellrightoffset "
                  "fixedcelltextrect cellleftoffset cellrightoffset celltextrect linescolor bgcolor "
                  "bgpictureindex " +
                F("") + "selectfontcolor focusfontcolor " + F("fixed") +
                "cellstretcheffect fixedcellstretcheffect showfocus" },
    { "mainmenubar", C + "itemsrect menubaritem closebutton minbutton maxbutton sysmenubutton trackmarkcolor "
                         "trackmarkactivecolor stretcheffect itemtransparent" },
    // "itemstretcheffect" is written after "itemoffset2".
    { "controlbar", C + N + "itemrect bgpictureindex hgriprect vgriprect gripoffset1 gripoffset2 itemoffset1 "
                            "itemoffset2 itemstretcheffect itemtransparent itemtransparentcolor griptransparent "
                            "griptransparentcolor" },
    { "appmenu", C + N + "bgpictureindex bgstretcheffect bgpagepictureindex bgpagestretcheffect itemrect "
                         "pageitemrect pageitemactiverect itemoffset1 itemoffset2 pageitemoffset1 pageitemoffset2 "
                         "pageoffset fontname fontheight fontpageheight fontstyle fontcolor disabledfontcolor "
                         "activefontcolor fontpagecolor activefontpagecolor gripperrect grippertransparentcolor "
                         "toplinerect toplineoffset1 toplineoffset2 backbuttonrect backbuttonactiverect captionrect "
                         "captionleftoffset captiontopoffset" },
    { "object", O },
    { "userobject", "skinrect" },
    { "objectbutton", objectButton },
    { "stdbutton", stdButton },
    { "mainmenubarbutton", stdButton },
    { "animate", O + "countframes cycle buttonstyle timerinterval command downskinrect restorerect "
                     "restoreactiverect restoredownrect restoreinactiverect restorehint" },
    { "caption", O + "textrect " + F("") +
                   "activefontcolor alignment light lightcolor activelightcolor shadow shadowcolor "
                   "activeshadowcolor framerect activeframerect frametextrect frameleftoffset framerightoffset "
                   "stretcheffect animateskinrect framecount animateinterval inactiveanimation fullframe "
                   "vistagloweffect vistaglowinactiveeffect gloweffect glowinactiveeffect glowsize glowcolor "
                   "glowactivecolor glowoffset reflectioneffect reflactioncolor reflactionactivecolor "
                   "reflectionoffset dividerrect inactivedividerrect dividertransparent dividertransparentcolor "
                   "quickbuttonalphamaskpictureindex" },
    { "menuitem", O + "itemleftoffset itemrightoffset dividerrect dividerleftoffset dividerrightoffset textrect "
                      "imagerect " +
                    F("") +
                    "activefontcolor unenabledfontcolor stretcheffect inactivestretcheffect dividerstretcheffect "
                    "animateskinrect framecount animateinterval inactiveanimation useimagecolor imagecolor "
                    "activeimagecolor inactivetransparent checkimagerect activecheckimagerect radioimagerect "
                    "activeradioimagerect arrowimagerect activearrowimagerect" },
    { "mainmenuitem", mainMenuItem },
    { "mainmenubaritem", mainMenuItem },
    { "colors", "cbtnface cbtntext cwindow cwindowtext chighlight chighlighttext cbtnhighlight cbtnshadow" },
    { "popupwindow", "windowpictureindex maskpictureindex lefttoppoint righttoppoint leftbottompoint "
                     "rightbottompoint itemsrect scrollmarkercolor scrollmarkeractivecolor leftstretch "
                     "rightstretch topstretch bottomstretch stretcheffect stretchtype" },
    { "layerframe", "pictureindex maskpictureindex inactivepictureindex inactivemaskpictureindex lefttoppoint "
                    "righttoppoint leftbottompoint rightbottompoint clientrect alphablendvalue "
                    "inactivealphablendvalue borderrect hittestenable fullborder hittestsize captionrect "
                    "hittestlefttoppoint hittestrighttoppoint hittestleftbottompoint hittestrightbottompoint "
                    "buttonsrect sysmenubuttonrect fullstretch rollupformheight buttonstopoffset "
                    "sysbuttontopoffset blurmaskpictureindex intersectblurmaskrect excludeblurmaskrect "
                    "leftoffset topoffset widthoffset heightoffset" },
    { "hintwindow", "windowpictureindex maskpictureindex lefttoppoint righttoppoint leftbottompoint "
                    "rightbottompoint clientrect " +
                      F("") + "leftstretch rightstretch topstretch bottomstretch stretcheffect stretchtype" },
  };
  ASSERT_EQ(std::size(expected), AllRecordKinds().size());
  for (const auto& [name, keys] : expected) {
    std::istringstream words(keys);
    const std::vector<String> expectedKeys { std::istream_iterator<String>(words), std::istream_iterator<String>() };
    EXPECT_EQ(WrittenKeysOf(*KindNamed(name).Make()), expectedKeys) << name;
  }
}

// Printed values that stand for zero, empty, False or an enumeration's first value.
bool IsZeroLike(const String& Value, bool Constructed) {
  for (const char* zero : { "0", "\"\"", "0,0,0,0", "0,0", "False", "[]", "skstFull", "mkDefault" })
    if (Value == zero) return true;
  return Value == (Constructed ? "taLeftJustify" : "taCenter") || Value == (Constructed ? "cmClose" : "cmDefault") ||
         (!Constructed && Value == "ieBrightness");
}

struct KindKeyValue {
  const char* Kind;
  const char* Key;
  const char* Expected;
};

// Checks every field of every kind: the value a kind gives a key, else the value every kind gives that key,
// else zero, empty, False or the enumeration's first value.
void ExpectValues(bool Constructed, const std::map<String, String>& ByKey,
                  std::initializer_list<KindKeyValue> ByKind) {
  auto empty = IniOf("");
  for (const RecordKind& kind : AllRecordKinds()) {
    auto record = kind.Make();
    if (!Constructed) {
      FillFields(*record, 0);
      record->Load(empty.get());
    }
    for (const auto& [key, value] : ValuesOf(*record)) {
      const auto special = std::ranges::find_if(ByKind, [&, &key = key](const KindKeyValue& v) {
        return kind.Name == v.Kind && key == v.Key;
      });
      if (special != ByKind.end())
        EXPECT_EQ(value, special->Expected) << kind.Name << " " << key;
      else if (ByKey.contains(key))
        EXPECT_EQ(value, ByKey.at(key)) << kind.Name << " " << key;
      else
        EXPECT_TRUE(IsZeroLike(value, Constructed)) << kind.Name << " " << key << " = " << value;
    }
  }
}

TEST(SkinRecords, AbsentKeysGiveTheFormatsDefaults) {
  const std::map<String, String> byKey = {
    { "pictureindex", "-1" },
    { "maskpictureindex", "-1" },
    { "bgpictureindex", "-1" },
    { "bgpagepictureindex", "-1" },
    { "windowpictureindex", "-1" },
    { "inactivepictureindex", "-1" },
    { "inactivemaskpictureindex", "-1" },
    { "blurmaskpictureindex", "-1" },
    { "activepictureindex", "-1" },
    { "activemaskpictureindex", "-1" },
    { "glowlayerpictureindex", "-1" },
    { "glowlayermaskpictureindex", "-1" },
    { "alphamaskpictureindex", "-1" },
    { "alphamaskactivepictureindex", "-1" },
    { "alphamaskinactivepictureindex", "-1" },
    { "quickbuttonalphamaskpictureindex", "-1" },
    { "glowlayeralphablendvalue", "255" },
    { "alphablendvalue", "255" },
    { "inactivealphablendvalue", "255" },
    { "fontname", "\"Tahoma\"" },
    { "fontheight", "13" },
    { "captionfontname", "\"Tahoma\"" },
    { "captionfontheight", "13" },
    { "fixedfontname", "\"Tahoma\"" },
    { "fixedfontheight", "13" },
    { "fontpageheight", "16" },
    { "animateinterval", "25" },
    { "itemoffset1", "3" },
    { "itemoffset2", "3" },
    { "pageitemoffset1", "10" },
    { "pageitemoffset2", "10" },
    { "countframes", "1" },
    { "timerinterval", "50" },
    { "glowsize", "3" },
    { "vscrollbarname", "\"vscrollbar\"" },
    { "hscrollbarname", "\"hscrollbar\"" },
    { "bothhscrollbarname", "\"bothhscrollbar\"" },
    { "cbtnface", "-16777201" },
    { "cbtntext", "-16777198" },
    { "cwindow", "-16777211" },
    { "cwindowtext", "-16777208" },
    { "chighlight", "-16777203" },
    { "chighlighttext", "-16777202" },
    { "cbtnhighlight", "-16777196" },
    { "cbtnshadow", "-16777200" },
  };
  ExpectValues(false, byKey, { { "stdlabel", "activefontcolor", "16711680" } });
}

// A new record holds its own values, which differ from the absent ones in many fields.
TEST(SkinRecords, NewRecordsHoldTheirInitialValues) {
  const std::map<String, String> byKey = {
    { "pictureindex", "-1" },
    { "maskpictureindex", "-1" },
    { "bgpictureindex", "-1" },
    { "bgpagepictureindex", "-1" },
    { "windowpictureindex", "-1" },
    { "inactivepictureindex", "-1" },
    { "inactivemaskpictureindex", "-1" },
    { "blurmaskpictureindex", "-1" },
    { "activepictureindex", "-1" },
    { "activemaskpictureindex", "-1" },
    { "glowlayerpictureindex", "-1" },
    { "glowlayermaskpictureindex", "-1" },
    { "alphamaskpictureindex", "-1" },
    { "alphamaskactivepictureindex", "-1" },
    { "alphamaskinactivepictureindex", "-1" },
    { "glowlayeralphablendvalue", "255" },
    { "alphablendvalue", "255" },
    { "inactivealphablendvalue", "255" },
    { "fontname", "\"Tahoma\"" },
    { "fontheight", "13" },
    { "captionfontname", "\"Tahoma\"" },
    { "captionfontheight", "13" },
    { "fixedfontname", "\"Tahoma\"" },
    { "fixedfontheight", "13" },
  };
  ExpectValues(true, byKey,
               {
                 { "richedit", "fontheight", "14" },
                 { "appmenu", "fontname", "\"\"" },
                 { "appmenu", "fontheight", "0" },
                 { "caption", "fontname", "\"\"" },
                 { "caption", "fontheight", "0" },
                 { "menuitem", "fontname", "\"\"" },
                 { "menuitem", "fontheight", "0" },
                 { "mainmenuitem", "fontname", "\"\"" },
                 { "mainmenuitem", "fontheight", "0" },
                 { "mainmenubaritem", "fontname", "\"\"" },
                 { "mainmenubaritem", "fontheight", "0" },
                 { "stdlabel", "activefontcolor", "16711680" },
                 { "treeview", "bgcolor", "16777215" },
                 { "listview", "bgcolor", "16777215" },
                 { "richedit", "bgcolor", "16777215" },
                 { "panel", "alignment", "taCenter" },
                 { "panel", "grippertransparentcolor", "16711935" },
                 { "panel", "buttontransparentcolor", "16711935" },
                 { "expanel", "buttonstransparentcolor", "16711935" },
                 { "splitter", "grippertransparentcolor", "16711935" },
                 { "gauge", "progresstransparentcolor", "16711935" },
                 { "trackbar", "buttontransparentcolor", "16711935" },
                 { "scrollbar", "thumbtransparentcolor", "16711935" },
                 { "scrollbar", "glyphtransparentcolor", "16711935" },
                 { "tab", "buttontransparentcolor", "16711935" },
                 { "tab", "dividertransparentcolor", "16711935" },
               });
}

// Sections as stored skins write them, and what the record makes of them.
TEST(SkinRecords, SectionTextsAndTheirFields) {
  const struct Case {
    const char* Kind;
    const char* Section;
    const char* Key;
    const char* Expected;
  } cases[] = {
    { "label", "FONTNAME=Arial", "fontname", "\"Arial\"" },
    { "label", "FontStyle=fsbold,fsitalic", "fontstyle", "[fsBold fsItalic]" },
    { "panel", "alignment=taleft", "alignment", "taRightJustify" },
    { "panel", "alignment=", "alignment", "taRightJustify" },
    { "panel", "stretchtype=stretch", "stretchtype", "skstHorz" },
    { "button", "morphing=2", "morphing", "False" },
    { "button", "morphing=0x1", "morphing", "True" },
    { "button", "animateinterval=fast", "animateinterval", "25" },
    { "button", "animateinterval=$10", "animateinterval", "16" },
    { "button", "morphkind=mkfade", "morphkind", "mkDefault" },
    { "button", "skinrect=-1,-2,-3,-4", "skinrect", "1,2,3,4" },
    { "button", "lefttoppoint=1a2,3", "lefttoppoint", "12,3" },
    { "button", "fontcolor=-16777201", "fontcolor", "-16777201" },
    { "listbox", "bothscrollbarname=x", "bothhscrollbarname", "\"bothhscrollbar\"" },
    { "mainmenubaritem", "UNENABLEDFONTCOLOR=5", "unenabledfontColor", "5" },
    { "caption", "reflectioncolor=5", "reflactioncolor", "0" },
    { "tab", "buttontransparentcolor=255", "dividertransparentcolor", "0" },
    { "tab", "buttontransparentcolor=255", "tableftbottomfocusrect", "0,0,0,0" },
    { "updown", "lefttoppoint=3,4\nclientrect=1,1,9,9\nupbuttonrect=1,2,3,4", "lefttoppoint", "0,0" },
    { "updown", "lefttoppoint=3,4\nclientrect=1,1,9,9\nupbuttonrect=1,2,3,4", "clientrect", "0,0,0,0" },
    { "updown", "lefttoppoint=3,4\nclientrect=1,1,9,9\nupbuttonrect=1,2,3,4", "upbuttonrect", "1,2,3,4" },
    { "stdbutton", "command=cmMinimize", "command", "cmMinimizeToTray" },
    { "stdbutton", "command=cmminimizetotray", "command", "cmMinimizeToTray" },
    { "stdbutton", "hint=Maximize\ncommand=cmmaximize", "restorehint", "\"Restore\"" },
    { "stdbutton", "hint=maximize\ncommand=cmmaximize", "restorehint", "\"\"" },
    { "stdbutton", "hint=Maximize\ncommand=cmminimize", "restorehint", "\"\"" },
    { "stdbutton", "hint=Minimize\ncommand=cmminimize", "restorehint", "\"Restore\"" },
    { "stdbutton", "hint=Roll Up\ncommand=cmrollup", "restorehint", "\"Restore\"" },
    { "stdbutton", "hint=RollUp\ncommand=cmrollup", "restorehint", "\"Restore\"" },
    { "stdbutton", "hint=Maximize\ncommand=cmmaximize\nrestorehint=Back", "restorehint", "\"Back\"" },
    { "mainmenubarbutton", "hint=Maximize\ncommand=cmmaximize", "restorehint", "\"Restore\"" },
    { "animate", "hint=Minimize\ncommand=cmminimize", "restorehint", "\"Restore\"" },
    { "animate", "morphing=1", "morphing", "False" },
    { "menuitem", "checkimagerect=1,2,3,4", "activecheckimagerect", "1,2,3,4" },
    { "menuitem", "radioimagerect=1,2,3,4\nactiveradioimagerect=5,5,5,9", "activeradioimagerect", "1,2,3,4" },
    { "menuitem", "arrowimagerect=1,2,3,4\nactivearrowimagerect=5,6,7,8", "activearrowimagerect", "5,6,7,8" },
    { "colors", "cbtnface=255", "cwindow", "-16777211" },
  };
  for (const Case& c : cases) {
    const RecordKind& kind = KindNamed(c.Kind);
    auto record = kind.Make();
    record->Load(IniOf("[" + kind.Section + "]\n" + c.Section + "\n").get());
    EXPECT_EQ(ValueOf(*record, c.Key), c.Expected) << c.Kind << ": " << c.Section;
  }
}

TEST(SkinRecords, HotMenuImageTakenFromTheNormalOneIsWrittenSo) {
  TskDataSkinMenuItem item("menuitem");
  auto ini = IniOf("[menuitem]\ncheckimagerect=1,2,3,4\n");
  item.LoadFromFile(ini.get());
  item.SaveToFile(ini.get());
  EXPECT_EQ(ini->ReadString("menuitem", "activecheckimagerect", ""), "1,2,3,4");
}

TEST(SkinRecords, UpDownSavesItsGeometryAsZeros) {
  TskDataSkinUpDownControl updown("hupdown");
  updown.LTPoint = Point(3, 4);
  updown.RBPoint = Point(5, 6);
  updown.ClRect = Rect(1, 1, 9, 9);
  auto ini = IniOf("");
  updown.SaveToFile(ini.get());
  EXPECT_EQ(updown.LTPoint, TPoint());
  EXPECT_EQ(updown.ClRect, TRect());
  EXPECT_EQ(ini->ReadString("hupdown", "lefttoppoint", ""), "0,0");
  EXPECT_EQ(ini->ReadString("hupdown", "rightbottompoint", ""), "0,0");
  EXPECT_EQ(ini->ReadString("hupdown", "clientrect", ""), "0,0,0,0");
}

TEST(SkinRecords, UserObjectReadsOnlyItsRectangle) {
  TskDataUserObject object("logo");
  object.LoadFromFile(IniOf("[logo]\nactivepictureindex=3\nhint=x\nskinrect=1,2,3,4\n").get());
  EXPECT_EQ(object.ActivePictureIndex, -1);
  EXPECT_EQ(object.Hint, "");
  EXPECT_EQ(object.SkinRect, Rect(1, 2, 3, 4));
}

// The load stops at a malformed rectangle: fields before it are read, those after keep their values.
TEST(SkinRecords, MalformedRectangleStopsTheLoadWithAConversionError) {
  TskDataSkinButtonControl button("button");
  button.FontName = "Before";
  auto ini = IniOf("[button]\npictureindex=7\nskinrect=1,2\nlefttoppoint=1,1\nfontname=Arial\n");
  EXPECT_THROW(button.LoadFromFile(ini.get()), EConvertError);
  EXPECT_EQ(button.PictureIndex, 7);
  EXPECT_EQ(button.MaskPictureIndex, -1);
  EXPECT_EQ(button.LTPoint, TPoint());
  EXPECT_EQ(button.FontName, "Before");
}

TEST(SkinRecords, ColoursStartBlackAndDefaultToTheSystemColours) {
  TskSkinColors colors;
  EXPECT_EQ(colors.cBtnFace(), 0);
  EXPECT_EQ(colors.cWindow(), 0);
  colors.SetColorsToDefault();
  EXPECT_EQ(colors.cBtnFace(), -16777201);
  EXPECT_EQ(colors.cBtnText(), -16777198);
  EXPECT_EQ(colors.cWindow(), -16777211);
  EXPECT_EQ(colors.cWindowText(), -16777208);
  EXPECT_EQ(colors.cHighLight(), -16777203);
  EXPECT_EQ(colors.cHighLightText(), -16777202);
  EXPECT_EQ(colors.cBtnHighLight(), -16777196);
  EXPECT_EQ(colors.cBtnShadow(), -16777200);
}

}  // namespace
