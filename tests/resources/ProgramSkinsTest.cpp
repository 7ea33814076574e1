// The program's own skins as the program carries them: the embedded containers load into a skin model,
// hold every record the converter's windows ask for, point only at pictures they have, and are exactly
// what the generator and the packer make from the sources.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "platform/base/SysUtils.h"
#include "platform/base/TMemIniFile.h"
#include "platform/base/TMemoryStream.h"
#include "platform/base/TStringList.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "resources/EmbeddedSkins.h"
#include "resources/skins/generator/TskSkinPreview.h"
#include "resources/skins/generator/skProgramSkins.h"
#include "skin/core/TskCompressedStoredSkin.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skDataSkinListControls.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "skin/core/skSkinIni.h"
#include "skin/core/skSkinKinds.h"

namespace {

struct TEmbedded {
  TskProgramSkin Skin;
  std::span<const Byte> (*Container)();
};

void PrintTo(const TEmbedded& E, std::ostream* Out) { *Out << ProgramSkinName(E.Skin); }

const TEmbedded Embedded[] = { { TskProgramSkin::Product, ProductSkinContainer },
                               { TskProgramSkin::Test, TestSkinContainer } };

std::unique_ptr<TskCompressedStoredSkin> Stored(std::span<const Byte> Container) {
  TMemoryStream bytes;
  bytes.WriteBuffer(Container.data(), Int64(Container.size()));
  auto stored = std::make_unique<TskCompressedStoredSkin>(nullptr);
  stored->LoadFromCompressStream(&bytes);
  return stored;
}

std::unique_ptr<TskSkinData> Loaded(std::span<const Byte> Container) {
  auto skin = std::make_unique<TskSkinData>(nullptr);
  skin->LoadCompressedStoredSkin(Stored(Container).get());
  return skin;
}

// The parts of an inflated container: the flags of the three frame pictures, the number of further
// pictures and the ini text after them.
struct TInner {
  int32_t Version { 0 };
  std::vector<Byte> Flags;
  int32_t Further { 0 };
  String Ini;
};

void SkipBmp(TMemoryStream& S) {
  const Int64 start = S.Position();
  ASSERT_EQ(S.ReadByte(), 'B');
  ASSERT_EQ(S.ReadByte(), 'M');
  const int32_t size = S.ReadInt32();
  S.SetPosition(start + size);
}

TInner Inflated(std::span<const Byte> Container) {
  TMemoryStream inner;
  Stored(Container)->DeCompressToStream(&inner);
  inner.SetPosition(0);
  TInner parts;
  parts.Version = inner.ReadInt32();
  for (int i = 0; i < 3; ++i) {
    parts.Flags.push_back(inner.ReadByte());
    if (parts.Flags.back() == 0) SkipBmp(inner);
  }
  parts.Further = inner.ReadInt32();
  for (int i = 0; i < parts.Further; ++i) SkipBmp(inner);
  parts.Ini.resize(size_t(inner.Size() - inner.Position()));
  inner.ReadBuffer(parts.Ini.data(), Int64(parts.Ini.size()));
  return parts;
}

class TempDir {
public:
  TempDir() {
    char pattern[] = "/tmp/programskins-XXXXXX";
    if (!mkdtemp(pattern)) throw std::runtime_error("no temporary folder");
    FPath = pattern;
  }
  ~TempDir() { std::filesystem::remove_all(FPath); }
  String Path(const String& Name) const { return FPath + "/" + Name; }

private:
  String FPath;
};

// Collects what the fields of records refer to as they are visited.
class TFieldCollector : public TskFieldVisitor {
public:
  void Visit(const TskFieldRef& Field) override {
    if (auto* index = std::get_if<int*>(&Field.Field); index && EndsWith(Field.Key, "pictureindex"))
      PictureIndexes.push_back({ Field.Key, **index });
    if (auto* r = std::get_if<TRect*>(&Field.Field); r && ((*r)->Left < 0 || (*r)->Top < 0 || (*r)->Right < 0 || (*r)->Bottom < 0))
      Negative.push_back(Field.Key);
    if (auto* p = std::get_if<TPoint*>(&Field.Field); p && ((*p)->X < 0 || (*p)->Y < 0)) Negative.push_back(Field.Key);
  }
  static bool EndsWith(const String& S, const String& Tail) {
    return S.size() >= Tail.size() && S.compare(S.size() - Tail.size(), Tail.size(), Tail) == 0;
  }
  std::vector<std::pair<String, int>> PictureIndexes;
  std::vector<String> Negative;
};

bool Inside(const TRect& R, TBitmap* Picture) {
  return R.Left >= 0 && R.Top >= 0 && R.Right <= Picture->Width() && R.Bottom <= Picture->Height();
}

class ProgramSkins : public testing::TestWithParam<TEmbedded> {
protected:
  static void SetUpTestSuite() {
    for (const TEmbedded& e : Embedded) Skins[int(e.Skin)] = Loaded(e.Container());
  }
  static void TearDownTestSuite() {
    for (auto& skin : Skins) skin.reset();
  }
  TskSkinData* Skin() const { return Skins[int(GetParam().Skin)].get(); }

  static std::unique_ptr<TskSkinData> Skins[2];
};

std::unique_ptr<TskSkinData> ProgramSkins::Skins[2];

String Name(const testing::TestParamInfo<TEmbedded>& Info) { return ProgramSkinName(Info.param.Skin); }

TEST_P(ProgramSkins, LoadFromTheEmbeddedContainerAsAValidSkin) {
  const TInner inner = Inflated(GetParam().Container());
  EXPECT_EQ(inner.Version, 3);
  EXPECT_EQ(inner.Flags, (std::vector<Byte> { 0, 0, 0 }));  // frame, inactive frame and mask
  TStringList lines;
  lines.SetText(inner.Ini);
  TMemIniFile ini;
  ini.SetStrings(&lines);
  EXPECT_TRUE(IsValidSkinIni(&ini));
  // The names of the further pictures are read from the text, their pixels from the container.
  EXPECT_EQ(ini.ReadInteger("PICTURES", "activepicturescount", -1), inner.Further);

  TskSkinData* skin = Skin();
  ASSERT_FALSE(skin->Empty);
  EXPECT_FALSE(skin->FPicture->Empty());
  EXPECT_FALSE(skin->FInActivePicture->Empty());
  EXPECT_FALSE(skin->FMask->Empty());
  EXPECT_EQ(int(skin->FActivePictures.size()), inner.Further);
  EXPECT_EQ(skin->FActivePicturesNames->Count(), inner.Further);
  for (const auto& picture : skin->FActivePictures) EXPECT_FALSE(picture->Empty());
}

TEST_P(ProgramSkins, HoldEveryRecordTheConverterAsksFor) {
  const struct {
    const char* Name;
    const char* Kind;
  } objects[] = {
    { "caption", "caption" },           { "closebutton", "stdbutton" },          { "minimizebutton", "stdbutton" },
    { "maximizebutton", "stdbutton" },  { "rollupbutton", "stdbutton" },         { "sysmenubutton", "stdbutton" },
    { "traybutton", "stdbutton" },      { "dialogclosebutton", "stdbutton" },    { "menuitem", "menuitem" },
  };
  const struct {
    const char* Name;
    const char* Kind;
  } controls[] = {
    { "button", "button" },          { "resizebutton", "button" },       { "resizetoolbutton", "button" },
    { "toolbutton", "button" },      { "bigtoolbutton", "button" },      { "header", "button" },
    { "editbutton", "button" },      { "combobutton", "button" },        { "menuitembutton", "button" },
    { "vtracktoolbutton", "button" }, { "htracktoolbutton", "button" },  { "toolmenubutton", "menubutton" },
    { "checkbox", "checkradio" },    { "radiobox", "checkradio" },       { "panel", "panel" },
    { "groupbox", "panel" },         { "toolpanel", "panel" },           { "statusbar", "panel" },
    { "hscrollbar", "scrollbar" },   { "vscrollbar", "scrollbar" },      { "bothhscrollbar", "scrollbar" },
    { "listbox", "listbox" },        { "checklistbox", "checklistbox" }, { "combobox", "combobox" },
    { "edit", "edit" },              { "buttonedit", "edit" },           { "memo", "memo" },
    { "hupdown", "updown" },         { "vupdown", "updown" },            { "stdlabel", "stdlabel" },
    { "label", "label" },            { "menuheader", "label" },          { "slider", "slider" },
    { "tab", "tab" },                { "listview", "listview" },         { "treeview", "treeview" },
    { "mainmenubar", "mainmenubar" }, { "scrollbox", "scrollbox" },      { "bevel", "bevel" },
    { "vsplitter", "splitter" },     { "hsplitter", "splitter" },
  };
  TskSkinData* skin = Skin();
  for (const auto& o : objects) {
    const int index = skin->GetIndex(o.Name);
    ASSERT_GE(index, 0) << o.Name;
    EXPECT_EQ(SkinObjectKind(skin->ObjectList[index].get()), o.Kind) << o.Name;
  }
  for (const auto& c : controls) {
    const int index = skin->GetControlIndex(c.Name);
    ASSERT_GE(index, 0) << c.Name;
    EXPECT_EQ(SkinControlKind(skin->CtrlList[index].get()), c.Kind) << c.Name;
  }

  // Records that name other records name ones of the right kind.
  auto* bar = dynamic_cast<TskDataSkinMainMenuBar*>(skin->CtrlList[skin->GetControlIndex("mainmenubar")].get());
  ASSERT_NE(bar, nullptr);
  const std::pair<String, const char*> named[] = {
    { bar->MenuBarItem, "mainmenubaritem" }, { bar->CloseButton, "mainmenubarbutton" },
    { bar->MaxButton, "mainmenubarbutton" }, { bar->MinButton, "mainmenubarbutton" },
    { bar->SysMenuButton, "mainmenubarbutton" },
  };
  for (const auto& [name, kind] : named) {
    const int index = skin->GetIndex(name);
    ASSERT_GE(index, 0) << name;
    EXPECT_EQ(SkinObjectKind(skin->ObjectList[index].get()), kind) << name;
  }
  auto kindOf = [&](const String& Name) {
    const int index = skin->GetControlIndex(Name);
    return index < 0 ? String("(none)") : SkinControlKind(skin->CtrlList[index].get());
  };
  auto* combo = dynamic_cast<TskDataSkinComboBox*>(skin->CtrlList[skin->GetControlIndex("combobox")].get());
  EXPECT_EQ(kindOf(combo->ListBoxName), "listbox");
  auto* list = dynamic_cast<TskDataSkinListBox*>(skin->CtrlList[skin->GetControlIndex("listbox")].get());
  for (const String& name : { list->VScrollBarName, list->HScrollBarName, list->BothScrollBarName })
    EXPECT_EQ(kindOf(name), "scrollbar") << name;
  auto* tab = dynamic_cast<TskDataSkinTabControl*>(skin->CtrlList[skin->GetControlIndex("tab")].get());
  EXPECT_EQ(kindOf(tab->UpDown), "updown");

  // No layered border: frames are drawn from the frame picture, and caption buttons build no alpha images.
  EXPECT_EQ(skin->LayerFrame->PictureIndex, -1);
}

TEST_P(ProgramSkins, ReferOnlyToPicturesTheyHold) {
  TskSkinData* skin = Skin();
  TFieldCollector fields;
  for (const auto& record : skin->ObjectList) record->VisitFields(fields);
  for (const auto& record : skin->CtrlList) record->VisitFields(fields);
  skin->PopupWindow->VisitFields(fields);
  skin->HintWindow->VisitFields(fields);
  skin->LayerFrame->VisitFields(fields);
  const int count = int(skin->FActivePictures.size());
  ASSERT_FALSE(fields.PictureIndexes.empty());
  for (const auto& [key, index] : fields.PictureIndexes) EXPECT_TRUE(index >= -1 && index < count) << key << " " << index;
  // A minus sign is dropped when a rectangle or a point is read back.
  EXPECT_EQ(fields.Negative, std::vector<String> {});

  for (const auto& record : skin->CtrlList) {
    if (record->PictureIndex < 0) continue;
    EXPECT_TRUE(Inside(record->SkinRect, skin->FActivePictures[record->PictureIndex].get())) << record->IDName;
  }
  for (const auto& record : skin->ObjectList) {
    TBitmap* picture = record->SkinRectInAPicture ? skin->FActivePictures[record->ActivePictureIndex].get()
                                                  : skin->FPicture.get();
    EXPECT_TRUE(Inside(record->SkinRect, picture)) << record->IDName;
  }

  // Sections are found ignoring case: two names alike but for case would share one.
  std::set<String> names;
  for (const auto& record : skin->ObjectList) EXPECT_TRUE(names.insert(LowerCase(record->IDName)).second) << record->IDName;
  for (const auto& record : skin->CtrlList) EXPECT_TRUE(names.insert(LowerCase(record->IDName)).second) << record->IDName;
}

TEST_P(ProgramSkins, EmbedExactlyWhatThePackerMakesFromTheSources) {
  TempDir dir;
  const String ini = dir.Path(ProgramSkinName(GetParam().Skin) + "/skin.ini");
  StoreProgramSkin(GetParam().Skin, ini);
  TMemoryStream packed;
  PackSkin(ini, &packed);
  const std::span<const Byte> embedded = GetParam().Container();
  ASSERT_EQ(packed.Size(), Int64(embedded.size()));
  EXPECT_TRUE(std::equal(embedded.begin(), embedded.end(), static_cast<const Byte*>(packed.Memory())));
}

TEST_P(ProgramSkins, WriteBackWhatTheyRead) {
  // Nothing the reader adjusts or leaves out differs from what the skin says: the loaded skin packs into
  // the very container it came from.
  TskCompressedStoredSkin repacked(nullptr);
  repacked.LoadFromSkinData(Skin());
  TMemoryStream bytes;
  repacked.SaveToCompressStream(&bytes);
  const std::span<const Byte> embedded = GetParam().Container();
  ASSERT_EQ(bytes.Size(), Int64(embedded.size()));
  EXPECT_TRUE(std::equal(embedded.begin(), embedded.end(), static_cast<const Byte*>(bytes.Memory())));
}

TEST_P(ProgramSkins, PreviewSheetDrawsTheSkin) {
  std::unique_ptr<TBitmap> sheet = TskSkinPreview(Skin()).Render();
  EXPECT_EQ(sheet->Width(), 1240);
  EXPECT_GT(sheet->Height(), 1000);
}

INSTANTIATE_TEST_SUITE_P(Embedded, ProgramSkins, testing::ValuesIn(Embedded), Name);

// The pixel (X, Y) of a picture.
TColor At(TBitmap* Picture, int X, int Y) { return Picture->Canvas()->Pixels(X, Y); }

TEST(TestSkin, PiecesAreSolidColoursOfTheirOwnInsideABorder) {
  auto skin = Loaded(TestSkinContainer());
  std::set<TColor> fills;
  int pieces = 0;
  for (const auto& record : skin->CtrlList) {
    auto* button = dynamic_cast<TskDataSkinButtonControl*>(record.get());
    if (!button) continue;
    TBitmap* picture = skin->FActivePictures[button->PictureIndex].get();
    for (const TRect& r : { button->SkinRect, button->ActiveSkinRect, button->DownSkinRect, button->FocusedSkinRect,
                            button->DisabledSkinRect }) {
      if (r.Width() <= 0) continue;
      ++pieces;
      const TColor fill = At(picture, r.Left + 1, r.Top + 1), border = At(picture, r.Left, r.Top);
      EXPECT_NE(fill, border) << button->IDName;
      for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
          const bool edge = x == r.Left || y == r.Top || x == r.Right - 1 || y == r.Bottom - 1;
          ASSERT_EQ(At(picture, x, y), edge ? border : fill) << button->IDName << " at " << x << "," << y;
        }
      EXPECT_TRUE(fills.insert(fill).second) << button->IDName << ": a fill colour used twice";
    }
  }
  EXPECT_GT(pieces, 40);
}

TEST(ProductSkin, MarksLeaveOutTheColourAroundThem) {
  // Check marks, slider parts and tree buttons are drawn without the colour of their bottom-left pixel:
  // that pixel must be the colour the mark stands on, or a coloured square shows round the mark.
  auto skin = Loaded(ProductSkinContainer());
  auto control = [&](const char* Name) { return skin->CtrlList[skin->GetControlIndex(Name)].get(); };
  TBitmap* controls = skin->FActivePictures[0].get();
  auto* check = dynamic_cast<TskDataSkinCheckRadioControl*>(control("checkbox"));
  auto* radio = dynamic_cast<TskDataSkinCheckRadioControl*>(control("radiobox"));
  auto* slider = dynamic_cast<TskDataSkinSlider*>(control("slider"));
  auto* tree = dynamic_cast<TskDataSkinTreeView*>(control("treeview"));
  const TColor face = skin->SkinColors()->cBtnFace();
  const struct {
    const char* What;
    TRect Mark;
    TColor Around;
  } marks[] = {
    { "check", check->CheckImageRect, face },           { "uncheck", check->UnCheckImageRect, face },
    { "hot check", check->ActiveCheckImageRect, face }, { "disabled check", check->UnEnabledCheckImageRect, face },
    { "grayed", check->GrayedCheckImageRect, face },    { "radio", radio->CheckImageRect, face },
    { "unchecked radio", radio->UnCheckImageRect, face }, { "ruler", slider->HRulerRect, slider->BGColor },
    { "thumb", slider->HThumbRect, slider->BGColor },   { "vertical ruler", slider->VRulerRect, slider->BGColor },
    { "expanded node", tree->ExpandImageRect, tree->BGColor },
  };
  for (const auto& mark : marks) {
    EXPECT_EQ(At(controls, mark.Mark.Left, mark.Mark.Bottom - 1), mark.Around) << mark.What;
    bool shows = false;  // and the mark itself is not all background
    for (int y = mark.Mark.Top; y < mark.Mark.Bottom; ++y)
      for (int x = mark.Mark.Left; x < mark.Mark.Right; ++x) shows = shows || At(controls, x, y) != mark.Around;
    EXPECT_TRUE(shows) << mark.What;
  }
}

TEST(ProductSkin, MaskKeepsTheClientAreaAndCutsTheTopCorners) {
  auto skin = Loaded(ProductSkinContainer());
  TBitmap* mask = skin->FMask.get();
  ASSERT_EQ(mask->Width(), skin->FPicture->Width());
  ASSERT_EQ(mask->Height(), skin->FPicture->Height());
  EXPECT_NE(At(mask, 0, 0), clBlack);
  EXPECT_NE(At(mask, mask->Width() - 1, 0), clBlack);
  EXPECT_EQ(At(mask, 0, mask->Height() - 1), clBlack);
  for (int y = 0; y < mask->Height(); ++y)
    for (int x = skin->LTPoint.X; x < skin->RTPoint.X; ++x) ASSERT_EQ(At(mask, x, y), clBlack) << x << "," << y;
}

}  // namespace
