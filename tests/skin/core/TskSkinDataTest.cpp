#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "SkinModelFixtures.h"
#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TMemoryStream.h"
#include "skin/core/TCompressionStream.h"
#include "skin/core/TskCompressedSkinList.h"
#include "skin/core/TskCompressedStoredSkin.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skDataSkinObjects.h"
#include "skin/core/skSkinIni.h"

namespace fs = std::filesystem;

namespace {

using Log = std::vector<String>;

// The log of a change announced to the given forms: each message to every form in turn.
Log Announced(const std::vector<String>& Forms, std::initializer_list<UINT> Messages = { 1225, 1226, 1227 }) {
  Log log;
  for (UINT message : Messages)
    for (const String& form : Forms) log.push_back(form + ":" + std::to_string(message));
  return log;
}

class SkinModel : public testing::Test {
protected:
  void SetUp() override {
    WriteMiniSkin(Folder);
    Forms.Model = &Model;
  }
  void LoadMini() { Model.LoadFromFile(Folder.Path("mini.ini")); }

  TempFolder Folder;
  FakeForms Forms;
  TskSkinData Model { nullptr };
};

TEST_F(SkinModel, MiniSkinLoadsWithItsRecordsInListingOrder) {
  Log events;
  Forms.Add("Form1");
  Forms.OnDeliver = [&](UINT Msg) { events.push_back(std::to_string(Msg)); };
  Model.OnLoadData = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &Model);
    EXPECT_TRUE(Model.ChangeSkinDataProcess);
    events.push_back(Model.Empty ? "empty" : "loaded");
  };
  LoadMini();
  EXPECT_EQ(events, Log({ "1225", "loaded", "1226", "1227" }));
  EXPECT_FALSE(Model.Empty);
  EXPECT_FALSE(Model.ChangeSkinDataProcess);

  EXPECT_EQ(Model.SkinName, "Mini");
  EXPECT_EQ(Model.SkinAuthor, "Tester");
  EXPECT_EQ(Model.AuthorEmail, "t@example.org");
  EXPECT_EQ(Model.AuthorURL, "http://example.org");
  EXPECT_EQ(Model.SkinComments, "made by a test");

  EXPECT_TRUE(SamePixels(Model.FPicture.get(), CodedPicture(6, 5, 1).get()));
  EXPECT_TRUE(Model.FInActivePicture->Empty());
  EXPECT_EQ(PixelAt(Model.FMask.get(), 0, 1), 0xFFFFFFu);
  EXPECT_EQ(PixelAt(Model.FMask.get(), 1, 1), 0u);
  ASSERT_EQ(Model.FActivePictures.size(), 2u);
  EXPECT_EQ(Model.FActivePicturesNames->Count(), 2);
  EXPECT_TRUE(SamePixels(Model.FActivePictures[0].get(), CodedPicture(8, 3, 2).get()));
  EXPECT_TRUE(SamePixels(Model.FActivePictures[1].get(), CodedPicture(3, 3, 3).get()));

  ASSERT_EQ(Model.ObjectList.size(), 4u);
  auto* close = dynamic_cast<TskDataSkinStdButton*>(Model.ObjectList[0].get());
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->RestoreHint, "Restore");
  EXPECT_EQ(Model.ObjectList[1]->ClassName(), "TskDataSkinCaption");
  EXPECT_EQ(Model.ObjectList[2]->ClassName(), "TskDataSkinMainMenuBarButton");
  auto* item = dynamic_cast<TskDataSkinMenuItem*>(Model.ObjectList[3].get());
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->ActiveCheckImageRect, Rect(1, 1, 3, 3));

  // "odd:b:c", "nocolon", an unknown kind and the missing entry 5 make no record.
  ASSERT_EQ(Model.CtrlList.size(), 3u);
  EXPECT_EQ(Model.CtrlList[0]->ClassName(), "TskDataSkinButtonControl");
  EXPECT_EQ(Model.CtrlList[1]->ClassName(), "TskDataSkinCheckRadioControl");
  EXPECT_EQ(Model.CtrlList[2]->ClassName(), "TskDataSkinScrollBarControl");
  EXPECT_EQ(Model.GetControlIndex("button"), 0);
  EXPECT_EQ(Model.GetControlIndex("Button"), -1);
  EXPECT_EQ(Model.GetControlIndex("hscrollbar"), 2);
  EXPECT_EQ(Model.GetControlIndex("odd"), -1);
  EXPECT_EQ(Model.GetIndex("caption"), 1);
  EXPECT_EQ(Model.GetIndex("button"), -1);

  EXPECT_EQ(Model.SkinColors()->cBtnFace(), 12632256);
  EXPECT_EQ(Model.SkinColors()->cBtnText(), 255);
  EXPECT_EQ(Model.SkinColors()->cWindow(), -16777211);
  EXPECT_EQ(Model.PopupWindow->WindowPictureIndex, 1);
  EXPECT_EQ(Model.HintWindow->FontName, "Arial");

  EXPECT_EQ(Model.ClRect, Rect(3, 21, 143, 115));
  EXPECT_EQ(Model.MaskRectArea, Rect(3, 5, 143, 115));
  EXPECT_EQ(Model.HitTestLTPoint, Point(10, 23));
  EXPECT_EQ(Model.HitTestRTPoint, Point(130, 23));
  EXPECT_EQ(Model.BGPictureIndex, 0);
  EXPECT_EQ(Model.MDIBGPictureIndex, -1);
  EXPECT_EQ(Model.ButtonsRect, Rect(80, 2, 140, 18));
  EXPECT_EQ(Model.ButtonsOffset, 2);
  EXPECT_EQ(Model.BorderW, 3);
  EXPECT_EQ(Model.FormMinWidth, 120);
  EXPECT_TRUE(Model.AutoRenderingInActiveImage);
  EXPECT_EQ(Model.InActiveEffect, ieDarkness);
}

// A skin whose [FORMINFO] holds FormInfo, with the mask named in [PICTURES] or not.
std::unique_ptr<TskSkinData> SkinWithFormInfo(const String& FormInfo, bool Mask) {
  TempFolder folder;
  PutFile(folder.Path("mask.bmp"), MonochromeBmp(2, 2, [](int, int) { return false; }));
  PutFile(folder.Path("f.ini"), "[VERSION]\nver=1\n[PICTURES]\nmask=" + String(Mask ? "mask.bmp" : "") +
                                  "\n[FORMINFO]\n" + FormInfo + "\n[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=0\n");
  auto model = std::make_unique<TskSkinData>(nullptr);
  model->LoadFromFile(folder.Path("f.ini"));
  EXPECT_FALSE(model->Empty);
  return model;
}

TEST(SkinModelFormInfo, MaskAreaAndHitTestPointsFollowTheClientRectOnlyWithAMask) {
  struct Case {
    const char* MaskArea;
    bool Mask;
    TRect Expected;
    TPoint HitTest;
  } cases[] = {
    { "0,0,0,0", true, Rect(3, 21, 143, 115), Point(10, 23) },
    { "3,3,143,119", true, Rect(3, 3, 143, 119), Point(10, 23) },
    { "5,5,100,100", true, Rect(3, 5, 143, 115), Point(10, 23) },
    { "5,5,100,100", false, Rect(5, 5, 100, 100), Point(0, 7) },
  };
  for (const Case& c : cases) {
    auto model = SkinWithFormInfo("clientrect=3,21,143,115\nlefttoppoint=10,23\nrightbottompoint=130,110\n"
                                  "hittestlefttoppoint=0,7\nmaskrectarea=" + String(c.MaskArea), c.Mask);
    EXPECT_EQ(model->MaskRectArea, c.Expected) << c.MaskArea << c.Mask;
    EXPECT_EQ(model->HitTestLTPoint, c.HitTest) << c.MaskArea << c.Mask;
  }
}

TEST(SkinModelFormInfo, CornersArePulledIntoTheClientRectUnlessTheFrameIsDegenerate) {
  const String corners = "clientrect=3,21,143,115\nlefttoppoint=1,1\nrighttoppoint=150,2\nleftbottompoint=0,200\n";
  auto pulled = SkinWithFormInfo(corners + "rightbottompoint=200,300", false);
  EXPECT_EQ(pulled->LTPoint, Point(3, 21));
  EXPECT_EQ(pulled->RTPoint, Point(143, 21));
  EXPECT_EQ(pulled->LBPoint, Point(3, 115));
  EXPECT_EQ(pulled->RBPoint, Point(143, 115));
  auto degenerate = SkinWithFormInfo(corners + "rightbottompoint=1,300", false);
  EXPECT_EQ(degenerate->LTPoint, Point(1, 1));
  EXPECT_EQ(degenerate->RBPoint, Point(1, 300));
}

void ExpectSameSkin(TskSkinData& A, TskSkinData& B) {
  EXPECT_EQ(WrittenIni(A), WrittenIni(B));
  EXPECT_TRUE(SamePixels(A.FPicture.get(), B.FPicture.get()));
  EXPECT_TRUE(SamePixels(A.FInActivePicture.get(), B.FInActivePicture.get()));
  EXPECT_TRUE(SamePixels(A.FMask.get(), B.FMask.get()));
  ASSERT_EQ(A.FActivePictures.size(), B.FActivePictures.size());
  for (size_t i = 0; i < A.FActivePictures.size(); ++i)
    EXPECT_TRUE(SamePixels(A.FActivePictures[i].get(), B.FActivePictures[i].get())) << i;
}

TEST_F(SkinModel, StoredToDiskTheSkinLoadsAgainUnchanged) {
  LoadMini();
  TempFolder out;
  Model.StoreToDisk(out.Path("copy.ini"));
  std::vector<String> files;
  for (const auto& entry : fs::directory_iterator(out.Dir())) files.push_back(entry.path().filename());
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, Log({ "copy.ini", "glyphs.bmp", "main.bmp", "mask.bmp", "parts.bmp" }));  // no inactive picture

  TskSkinData copy(nullptr);
  copy.LoadFromFile(out.Path("copy.ini"));
  ExpectSameSkin(Model, copy);
  const String written = GetFile(out.Path("copy.ini"));
  EXPECT_NE(written.find("2=mdiclose:mainmenubarbutton"), String::npos);
  EXPECT_NE(written.find("1=button:checkradio\n2=hscrollbar:scrollbar"), String::npos);

  // Saving over the skin's own file replaces the skin's sections and keeps the others.
  Model.SaveToFile(Folder.Path("mini.ini"));
  EXPECT_NE(GetFile(Folder.Path("mini.ini")).find("[EXTRA]\nkept=yes"), String::npos);
}

TEST_F(SkinModel, StoringRefusesPictureNamesThatLeaveTheFolder) {
  LoadMini();
  Model.FActivePicturesNames->Put(1, "../outside.bmp");
  TempFolder out;
  fs::create_directory(out.Path("skin"));
  EXPECT_THROW(Model.StoreToDisk(out.Path("skin/copy.ini")), EFCreateError);
  EXPECT_FALSE(fs::exists(out.Path("outside.bmp")));
}

TEST_F(SkinModel, CompressedFileGivesAnEqualModel) {
  LoadMini();
  Model.SaveToCompressedFile(Folder.Path("mini.skin"));
  TskSkinData copy(nullptr);
  copy.LoadFromCompressedFile(Folder.Path("mini.skin"));
  EXPECT_FALSE(copy.Empty);
  ExpectSameSkin(Model, copy);
  EXPECT_EQ(copy.FActivePicturesNames->Text(), "parts.bmp\nglyphs.bmp\n");

  // Packed from the ini file, the text travels byte for byte, comments and foreign sections included.
  TskCompressedStoredSkin stored(nullptr);
  stored.LoadFromIniFile(Folder.Path("mini.ini"));
  TMemoryStream inner;
  stored.DeCompressToStream(&inner);
  const String data(static_cast<const char*>(inner.Memory()), size_t(inner.Size()));
  EXPECT_EQ(data.substr(data.size() - MiniSkinIni().size()), MiniSkinIni());
  TskSkinData fromIni(nullptr);
  fromIni.LoadCompressedStoredSkin(&stored);
  ExpectSameSkin(Model, fromIni);
}

TEST_F(SkinModel, LoadAnnouncesToEveryFormInCreationOrderButLayeredBorders) {
  Forms.Add("Form1");
  Forms.Add<TskFormLayerWindow>("Layer");
  Forms.Add("Form2");
  Forms.Add("Form3");
  LoadMini();
  EXPECT_EQ(Forms.Log, Announced({ "Form1", "Form2", "Form3" }));
  EXPECT_EQ(Forms.BadParameters, 0);

  // A form made after the load has heard nothing of it, and hears the next change.
  Forms.Add("Late");
  Forms.Log.clear();
  Model.ClearSkin();
  EXPECT_EQ(Forms.Log, Announced({ "Form1", "Form2", "Form3", "Late" }));
}

TEST(SkinModelBroadcast, OrderFollowsTheOwnerAndTheLayeredBorders) {
  struct Case {
    bool Owned;
    bool ShowLayeredBorders;
    int LayerPicture;
    Log Expected;
  } cases[] = {
    { false, true, -1, { "A:1226", "B:1226", "C:1226" } },
    { true, false, -1, { "C:1226", "A:1226", "B:1226" } },
    { true, true, -1, { "A:1226", "B:1226", "C:1226" } },
    { true, true, 0, { "C:1226", "B:1226", "A:1226" } },
    { false, true, 0, { "C:1226", "B:1226", "A:1226" } },
    { true, false, 0, { "C:1226", "A:1226", "B:1226" } },
  };
  for (const Case& c : cases) {
    FakeForms forms;
    forms.Add("A");
    forms.Add<TskFormLayerWindow>("L");
    forms.Add("B");
    TFakeForm* formC = forms.Add("C");
    auto* model = new TskSkinData(c.Owned ? formC : nullptr);  // freed by its owner, or below
    forms.Model = model;
    model->SetShowLayeredBorders(c.ShowLayeredBorders);
    model->LayerFrame->PictureIndex = c.LayerPicture;
    forms.Log.clear();
    model->SendSkinDataMessage(WM_CHANGESKINDATA);
    EXPECT_EQ(forms.Log, c.Expected) << c.Owned << c.ShowLayeredBorders << c.LayerPicture;
    EXPECT_EQ(forms.BadParameters, 0);
    if (!c.Owned) delete model;
  }
}

TEST_F(SkinModel, FailedLoadStillCompletesTheAnnouncementAndRaises) {
  Forms.Add("Form1");
  Forms.Add("Form2");
  struct Case {
    const char* What;
    std::function<void(const TempFolder&)> Damage;
  } cases[] = {
    { "malformed rectangle", [](const TempFolder& F) {
        PutFile(F.Path("mini.ini"), StringReplace(MiniSkinIni(), "thumbrect=0,0,3,3", "thumbrect=1,2,3", {}));
      } },
    { "missing picture", [](const TempFolder& F) { fs::remove(F.Path("glyphs.bmp")); } },
    { "picture that is a pipe", [](const TempFolder& F) {
        fs::remove(F.Path("glyphs.bmp"));
        ASSERT_EQ(mkfifo(F.Path("glyphs.bmp").c_str(), 0666), 0);
      } },
    { "absurd picture count", [](const TempFolder& F) {
        PutFile(F.Path("mini.ini"),
                StringReplace(MiniSkinIni(), "activepicturescount=2", "activepicturescount=2000000000", {}));
      } },
  };
  for (const Case& c : cases) {
    TempFolder folder;
    WriteMiniSkin(folder);
    Model.LoadFromFile(folder.Path("mini.ini"));
    ASSERT_FALSE(Model.Empty);
    c.Damage(folder);
    Forms.Log.clear();
    EXPECT_THROW(Model.LoadFromFile(folder.Path("mini.ini")), Exception) << c.What;
    EXPECT_EQ(Forms.Log, Announced({ "Form1", "Form2" })) << c.What;
    EXPECT_TRUE(Model.Empty) << c.What;
    EXPECT_FALSE(Model.ChangeSkinDataProcess) << c.What;
    EXPECT_TRUE(Model.CtrlList.empty() && Model.ObjectList.empty() && Model.FActivePictures.empty()) << c.What;
  }
}

TEST_F(SkinModel, InputThatIsNoSkinChangesNothingAndSendsNothing) {
  LoadMini();
  Forms.Add("Form1");
  PutFile(Folder.Path("bare.ini"), "[VERSION]\nver=1\n[PICTURES]\npicture=\n[FORMINFO]\nclientrect=1,1,2,2\n"
                                   "[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\n");
  Model.LoadFromFile(Folder.Path("bare.ini"));
  Model.LoadFromFile(Folder.Path("missing.ini"));
  TskCompressedStoredSkin empty(nullptr);
  Model.LoadCompressedStoredSkin(&empty);
  Model.LoadCompressedStoredSkin(nullptr);
  EXPECT_TRUE(Forms.Log.empty());
  EXPECT_FALSE(Model.Empty);
  EXPECT_EQ(Model.CtrlList.size(), 3u);
}

// A container of a few KB whose data inflates to 65 MB of line breaks, as a hostile skin file is made.
String InflationBomb() {
  TMemoryStream container;
  container.WriteInt32(3);
  container.WriteInt32(0);
  {
    TCompressionStream packer(TCompressionLevel::clMax, &container);
    packer.WriteInt32(3);
    const String breaks(1 << 20, '\n');
    for (int i = 0; i < 65; ++i) packer.WriteBuffer(breaks.data(), Int64(breaks.size()));
    packer.Finish();
  }
  container.SetPosition(4);
  container.WriteInt32(int32_t(container.Size() - 8));
  return String(static_cast<const char*>(container.Memory()), size_t(container.Size()));
}

// Hostile files end in the load's error at once: the bomb is refused at the limit, not after gigabytes,
// and a pipe or device is never opened to wait on or read without end.
TEST_F(SkinModel, HostileSkinFilesAreRefusedAndChangeNothing) {
  LoadMini();
  Forms.Add("Form1");
  const String bomb = InflationBomb();
  ASSERT_LT(bomb.size(), 200000u);
  PutFile(Folder.Path("bomb.skin"), bomb);
  ASSERT_EQ(mkfifo(Folder.Path("pipe.skin").c_str(), 0666), 0);
  const struct {
    String Name;
    std::function<void()> Load;
    String Message;
  } Cases[] = {
    { "inflation bomb", [&] { Model.LoadFromCompressedFile(Folder.Path("bomb.skin")); },
      "The data inflates to more than 64 MB" },
    { "pipe as container", [&] { Model.LoadFromCompressedFile(Folder.Path("pipe.skin")); },
      "Cannot open file \"" + Folder.Path("pipe.skin") + "\". Is a named pipe" },
    { "pipe as ini", [&] { Model.LoadFromFile(Folder.Path("pipe.skin")); },
      "Cannot open file \"" + Folder.Path("pipe.skin") + "\". Is a named pipe" },
    { "device as ini", [&] { Model.LoadFromFile("/dev/zero"); }, "Cannot open file \"/dev/zero\". Is a device" },
  };
  for (const auto& c : Cases) {
    try {
      c.Load();
      ADD_FAILURE() << c.Name << " loaded";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message, c.Message) << c.Name;
    }
  }
  EXPECT_TRUE(Forms.Log.empty());
  EXPECT_FALSE(Model.Empty);
  EXPECT_EQ(Model.CtrlList.size(), 3u);
}

TEST_F(SkinModel, SkinIndexLoadsOnlyAnIndexOfItsList) {
  TskCompressedSkinList list(nullptr);
  list.Skins()->Add()->Skin()->LoadFromIniFile(Folder.Path("mini.ini"));
  Forms.Add("Form1");

  Model.SetSkinIndex(1);  // no list yet: stored as it is
  EXPECT_EQ(Model.SkinIndex(), 1);
  Model.SetSkinList(&list);  // 1 is not an index of the list
  Model.SetSkinIndex(5);
  EXPECT_EQ(Model.SkinIndex(), 1);
  EXPECT_TRUE(Model.Empty);
  EXPECT_TRUE(Forms.Log.empty());

  Model.SetSkinIndex(0);
  EXPECT_FALSE(Model.Empty);
  EXPECT_EQ(Forms.Log, Announced({ "Form1" }));
  Forms.Log.clear();
  Model.SetSkinIndex(0);
  EXPECT_TRUE(Forms.Log.empty());

  // A model built in a form's loading bracket with the default index loads when its list is assigned.
  TskSkinData second(nullptr);
  Forms.Model = &second;
  second.BeginLoading();
  second.SetSkinList(&list);
  EXPECT_FALSE(second.Empty);
  second.EndLoading();
  EXPECT_EQ(Forms.Log, Announced({ "Form1" }));
}

TEST_F(SkinModel, ClearingAnnouncesEvenWhenAlreadyEmpty) {
  Forms.Add("Form1");
  Model.ClearSkin();
  EXPECT_EQ(Forms.Log, Announced({ "Form1" }));
  LoadMini();
  Model.ClearSkin();
  EXPECT_TRUE(Model.Empty);
  EXPECT_TRUE(Model.FPicture->Empty() && Model.FActivePictures.empty() && Model.CtrlList.empty());
  EXPECT_EQ(Model.SkinColors()->cBtnFace(), -16777201);
}

TEST_F(SkinModel, SettingsAnnounceTheirChangesOutsideLoading) {
  Forms.Add("Form1");
  TskResourceStrData strings(nullptr);
  Model.SetSkinnableForm(true);  // unchanged
  Model.SetSkinnableForm(false);
  Model.SetShowLayeredBorders(false);
  Model.SetAeroBlurEnabled(false);
  Model.BeginLoading();
  Model.SetSkinnableForm(true);
  Model.SetShowLayeredBorders(true);
  Model.SetAeroBlurEnabled(true);
  Model.SetResourceStrData(&strings);  // announced while loading as well
  Model.EndLoading();
  EXPECT_EQ(Forms.Log, Log({ "Form1:1294", "Form1:1427", "Form1:1428", "Form1:1274" }));
  EXPECT_TRUE(Model.SkinnableForm() && Model.ShowLayeredBorders() && Model.AeroBlurEnabled());
}

TEST_F(SkinModel, AReceiverCannotStartAnotherChangeOfTheSameModel) {
  TskCompressedSkinList list(nullptr);
  list.Skins()->Add()->Skin()->LoadFromIniFile(Folder.Path("mini.ini"));
  list.Skins()->Add()->Skin()->LoadFromIniFile(Folder.Path("mini.ini"));
  Model.SetSkinList(&list);  // loads item 0
  Forms.Add("Form1");
  Forms.OnDeliver = [&](UINT) {
    LoadMini();
    Model.ClearSkin();
    Model.SetSkinIndex(1);
  };
  Model.ClearSkin();
  LoadMini();
  EXPECT_EQ(Forms.Log, Log({ "Form1:1225", "Form1:1226", "Form1:1227", "Form1:1225", "Form1:1226", "Form1:1227" }));
  EXPECT_FALSE(Model.Empty);
  EXPECT_EQ(Model.SkinIndex(), 0);
}

TEST_F(SkinModel, ReferencesToFreedComponentsAreCleared) {
  auto* list = new TskCompressedSkinList(nullptr);
  auto* stored = new TskCompressedStoredSkin(nullptr);
  auto* strings = new TskResourceStrData(nullptr);
  Model.SetSkinList(list);
  Model.SetCompressedStoredSkin(stored);
  Model.SetResourceStrData(strings);
  delete list;
  delete stored;
  delete strings;
  EXPECT_EQ(Model.SkinList(), nullptr);
  EXPECT_EQ(Model.CompressedStoredSkin(), nullptr);
  EXPECT_EQ(Model.ResourceStrData(), nullptr);
}

TEST_F(SkinModel, GlobalChangeFontReachesEveryRecordWithAFont) {
  LoadMini();
  Model.GlobalChangeFont("Sans", 2);
  EXPECT_EQ(Model.HintWindow->FontName, "Sans");
  EXPECT_EQ(Model.HintWindow->FontHeight, 13);
  auto* caption = dynamic_cast<TskDataSkinCaption*>(Model.ObjectList[1].get());
  EXPECT_EQ(caption->FontName, "Sans");
  EXPECT_EQ(caption->FontHeight, 16);
  auto* button = dynamic_cast<TskDataSkinButtonControl*>(Model.CtrlList[0].get());
  EXPECT_EQ(button->FontName, "Sans");
  EXPECT_EQ(button->FontHeight, 15);
}

TEST_F(SkinModel, FurtherPicturesAreAddedAndDeleted) {
  LoadMini();
  Model.AddBitMap(Folder.Path("main.bmp"));
  EXPECT_EQ(Model.FActivePicturesNames->Strings(2), "main.bmp");
  EXPECT_THROW(Model.AddBitMap(Folder.Path("none.bmp")), EFOpenError);
  EXPECT_EQ(Model.FActivePictures.size(), 3u);
  Model.DeleteBitMap(0);
  EXPECT_EQ(Model.FActivePicturesNames->Text(), "glyphs.bmp\nmain.bmp\n");
  EXPECT_TRUE(SamePixels(Model.FActivePictures[0].get(), CodedPicture(3, 3, 3).get()));
  EXPECT_THROW(Model.DeleteBitMap(2), EListError);
}

}  // namespace
