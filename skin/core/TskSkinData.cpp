#include "skin/core/TskSkinData.h"

#include <algorithm>
#include <set>

#include "platform/base/Exception.h"
#include "platform/base/FileUtils.h"
#include "platform/base/ScopeGuard.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TFileStream.h"
#include "platform/base/TMemIniFile.h"
#include "platform/base/TMemoryStream.h"
#include "platform/base/TemporaryChange.h"
#include "skin/core/TskCompressedSkinList.h"
#include "skin/core/TskCompressedStoredSkin.h"
#include "skin/core/TskResourceStrData.h"
#include "skin/core/skDataSkinBarControls.h"
#include "skin/core/skDataSkinButtonControls.h"
#include "skin/core/skDataSkinListControls.h"
#include "skin/core/skDataSkinSimpleControls.h"
#include "skin/core/skSkinForms.h"
#include "skin/core/skSkinIni.h"
#include "skin/core/skSkinKinds.h"

namespace {

constexpr const char* LayerWindowClass = "TskFormLayerWindow";

// True when Key is how the listing writes entry i (plain decimal, no sign or leading zero) for some i
// below Count.
bool IsEntryKey(const String& Key, int Count, int& Index) {
  if (Key.empty() || Key.size() > 10 || (Key.size() > 1 && Key[0] == '0')) return false;
  if (!std::all_of(Key.begin(), Key.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
  const long long value = std::stoll(Key);
  if (value >= Count) return false;
  Index = int(value);
  return true;
}

// The entries of a listing, in index order. Entries inside the count that are missing read as empty
// and make no record, so only the entries present are read: a damaged count of a billion costs nothing.
std::vector<String> ListingEntries(TCustomIniFile* Ini, const String& Section) {
  const int count = Ini->ReadInteger(Section, "count", 0);
  TStringList keys;
  Ini->ReadSection(Section, &keys);
  std::set<int> present;
  for (int i = 0, index; i < keys.Count(); ++i)
    if (IsEntryKey(keys.Strings(i), count, index)) present.insert(index);
  std::vector<String> entries;
  for (int index : present) entries.push_back(Ini->ReadString(Section, IntToStr(index), String()));
  return entries;
}

// Calls Create(name, kind) for each entry of a listing that has a ":".
template <class TCreate> void ForEachListed(TCustomIniFile* Ini, const String& Section, TCreate&& Create) {
  for (const String& entry : ListingEntries(Ini, Section)) {
    const size_t colon = entry.find(':');
    if (colon != String::npos) Create(entry.substr(0, colon), entry.substr(colon + 1));
  }
}

// A picture file beside a skin ini. Names come from skin data, so one that would leave the folder
// (absolute, or through "..") is refused rather than written there.
String PathInFolder(const String& Folder, const String& Name) {
  bool leaves = !Name.empty() && Name[0] == '/';
  for (size_t start = 0; start <= Name.size() && !leaves;) {
    size_t end = Name.find('/', start);
    if (end == String::npos) end = Name.size();
    leaves = Name.compare(start, end - start, "..") == 0;
    start = end + 1;
  }
  if (leaves)
    throw EFCreateError(Format("Cannot create file \"%s\". The name leads out of the skin's folder", Folder + Name));
  return Folder + Name;
}

void ChangeFont(String& Name, int& Height, const String& NewName, int Correction) {
  Name = NewName;
  Height += Correction;
}

}  // namespace

TskSkinData::TskSkinData(TComponent* AOwner) : TComponent(AOwner) {}

TskSkinData::~TskSkinData() = default;

void TskSkinData::LoadFromFile(const String& FileName) {
  if (FChanging) return;
  TMemIniFile ini(FileName);
  if (!IsValidSkinIni(&ini)) return;
  ChangeSkin([&] {
    ReadVersion(&ini);
    ReadPictureNames(&ini);
    ReadPictureFiles(ExtractFilePath(FileName));
    ReadLayout(&ini);
  });
}

void TskSkinData::SaveToFile(const String& FileName) {
  TMemIniFile ini(FileName);
  WriteSkinIni(&ini);
  ini.UpdateFile();
}

void TskSkinData::StoreToDisk(const String& FileName) {
  SaveToFile(FileName);
  const String folder = ExtractFilePath(FileName);
  // A picture without a name is none as far as the ini text is concerned, so there is nothing to write.
  auto store = [&](TBitmap* Picture, const String& Name) {
    if (!Picture->Empty() && !Name.empty()) Picture->SaveToFile(PathInFolder(folder, Name));
  };
  store(FPicture.get(), FPictureName);
  store(FInActivePicture.get(), FInActivePictureName);
  store(FMask.get(), FMaskName);
  const size_t named = std::min(FActivePictures.size(), size_t(FActivePicturesNames->Count()));
  for (size_t i = 0; i < named; ++i)
    FActivePictures[i]->SaveToFile(PathInFolder(folder, FActivePicturesNames->Strings(int(i))));
}

void TskSkinData::LoadCompressedStoredSkin(TskCompressedStoredSkin* AStoredSkin) {
  if (FChanging || !AStoredSkin || AStoredSkin->Empty()) return;
  // Inflating first finds damaged data and a version this reader does not know before anything changes.
  TMemoryStream inner;
  AStoredSkin->DeCompressToStream(&inner);
  inner.SetPosition(0);
  const int version = inner.ReadInt32();
  if (version > 3) return;
  ChangeSkin([&] {
    TStringList lines;
    lines.SetText(ReadContainerPictures(&inner, version));
    TMemIniFile ini;
    ini.SetStrings(&lines);
    ReadVersion(&ini);
    ReadPictureNames(&ini);
    // The text names each further picture the container holds. Counts that differ mean a damaged flag
    // or count moved the reading off the pictures, which would otherwise load as a skin without them.
    if (size_t(FActivePicturesNames->Count()) != FActivePictures.size())
      throw EReadError(Format("The skin holds %d further pictures but names %d", int(FActivePictures.size()),
                              FActivePicturesNames->Count()));
    ReadLayout(&ini);
  });
}

void TskSkinData::LoadFromCompressedFile(const String& FileName) {
  TskCompressedStoredSkin stored(nullptr);
  stored.LoadFromCompressFile(FileName);
  if (!stored.Empty()) LoadCompressedStoredSkin(&stored);
}

void TskSkinData::SaveToCompressedFile(const String& FileName) {
  TskCompressedStoredSkin stored(nullptr);
  stored.LoadFromSkinData(this);
  stored.SaveToCompressFile(FileName);
}

void TskSkinData::ClearSkin() {
  if (FChanging) return;
  TemporaryChange Changing(FChanging, true);
  ClearAll();
  SendSkinDataMessage(WM_BEFORECHANGESKINDATA);
  SendSkinDataMessage(WM_CHANGESKINDATA);
  SendSkinDataMessage(WM_AFTERCHANGESKINDATA);
}

void TskSkinData::ClearAll() {
  ClearObjects();
  FPicture->Assign(nullptr);
  FMask->Assign(nullptr);
  FInActivePicture->Assign(nullptr);
  FPictureName.clear();
  FMaskName.clear();
  Empty = true;
}

void TskSkinData::ClearObjects() {
  ObjectList.clear();
  CtrlList.clear();
  FActivePictures.clear();
  LayerFrame->PictureIndex = -1;
  LayerFrame->InActivePictureIndex = -1;
  LayerFrame->InitAlphaImages(this);
  PopupWindow->WindowPictureIndex = -1;
  HintWindow->WindowPictureIndex = -1;
  FActivePicturesNames->Clear();
  FSkinColors->SetColorsToDefault();
}

void TskSkinData::AddBitMap(const String& FileName) {
  // Read first, so a picture that cannot be read leaves the lists as they were.
  auto picture = std::make_unique<TBitmap>();
  picture->LoadFromFile(FileName);
  FActivePicturesNames->Add(ExtractFileName(FileName));
  FActivePictures.push_back(std::move(picture));
}

void TskSkinData::DeleteBitMap(int Index) {
  if (Index < 0 || Index >= int(FActivePictures.size()))
    throw EListError(Format("List index out of bounds (%d)", Index));
  if (Index < FActivePicturesNames->Count()) FActivePicturesNames->Delete(Index);
  FActivePictures.erase(FActivePictures.begin() + Index);
}

int TskSkinData::GetIndex(const String& AIDName) const {
  for (size_t i = 0; i < ObjectList.size(); ++i)
    if (ObjectList[i]->IDName == AIDName) return int(i);
  return -1;
}

int TskSkinData::GetControlIndex(const String& AIDName) const {
  for (size_t i = 0; i < CtrlList.size(); ++i)
    if (CtrlList[i]->IDName == AIDName) return int(i);
  return -1;
}

void TskSkinData::SendSkinDataMessage(UINT M) {
  const std::vector<TskFormReceiver> forms = SkinForms();
  const WPARAM model = WPARAM(this);
  auto deliver = [&](const TskFormReceiver& Form) {
    if (Form.Deliver) Form.Deliver(M, model, SkinMessageLParam);
  };
  // Without layered borders the owning form learns first, before the forms that may depend on it.
  const TskFormReceiver* owner = nullptr;
  if (!FShowLayeredBorders && Owner())
    for (const TskFormReceiver& form : forms)
      if (form.Form == Owner()) {
        owner = &form;
        break;
      }
  if (owner) deliver(*owner);
  std::vector<const TskFormReceiver*> others;
  for (const TskFormReceiver& form : forms)
    if (&form != owner && !(form.Form && form.Form->ClassName() == LayerWindowClass)) others.push_back(&form);
  if (FShowLayeredBorders && LayerFrame->PictureIndex != -1) std::reverse(others.begin(), others.end());
  for (const TskFormReceiver* form : others) deliver(*form);
}

void TskSkinData::GlobalChangeFont(const String& ANewFontName, int AFontHeightCorrection) {
  auto change = [&](String& Name, int& Height) { ChangeFont(Name, Height, ANewFontName, AFontHeightCorrection); };
  change(HintWindow->FontName, HintWindow->FontHeight);
  for (const auto& object : ObjectList) {
    TskDataSkinObject* o = object.get();
    if (auto* r = dynamic_cast<TskDataSkinMenuItem*>(o)) change(r->FontName, r->FontHeight);
    else if (auto* r = dynamic_cast<TskDataSkinMainMenuBarItem*>(o)) change(r->FontName, r->FontHeight);
    else if (auto* r = dynamic_cast<TskDataSkinCaption*>(o)) change(r->FontName, r->FontHeight);
  }
  for (const auto& control : CtrlList) {
    TskDataSkinControl* c = control.get();
    if (auto* r = dynamic_cast<TskDataSkinTreeView*>(c)) change(r->FontName, r->FontHeight);
    else if (auto* r = dynamic_cast<TskDataSkinListView*>(c)) change(r->FontName, r->FontHeight);
    else if (auto* r = dynamic_cast<TskDataSkinRichEdit*>(c)) change(r->FontName, r->FontHeight);
    else if (auto* r = dynamic_cast<TskDataSkinTabControl*>(c)) change(r->FontName, r->FontHeight);
    else if (auto* r = dynamic_cast<TskDataSkinGridControl*>(c)) {
      change(r->FontName, r->FontHeight);
      change(r->FixedFontName, r->FixedFontHeight);
    } else if (auto* r = dynamic_cast<TskDataSkinAppMenu*>(c)) change(r->FontName, r->FontHeight);
    else if (auto* r = dynamic_cast<TskDataSkinComboBox*>(c)) change(r->FontName, r->FontHeight);
    else if (auto* r = dynamic_cast<TskDataSkinListBox*>(c)) {
      change(r->FontName, r->FontHeight);
      change(r->CaptionFontName, r->CaptionFontHeight);
    } else if (auto* r = dynamic_cast<TskDataSkinSpinEditControl*>(c)) change(r->FontName, r->FontHeight);
    else if (auto* r = dynamic_cast<TskDataSkinEditControl*>(c)) change(r->FontName, r->FontHeight);
    else if (auto* r = dynamic_cast<TskDataSkinStdLabelControl*>(c)) change(r->FontName, r->FontHeight);
    else if (auto* r = dynamic_cast<TskDataSkinLabelControl*>(c)) change(r->FontName, r->FontHeight);
    else if (auto* r = dynamic_cast<TskDataSkinGaugeControl*>(c)) change(r->FontName, r->FontHeight);
    else if (auto* r = dynamic_cast<TskDataSkinButtonControl*>(c)) change(r->FontName, r->FontHeight);
    else if (auto* r = dynamic_cast<TskDataSkinCheckRadioControl*>(c)) change(r->FontName, r->FontHeight);
    else if (auto* r = dynamic_cast<TskDataSkinPanelControl*>(c)) change(r->FontName, r->FontHeight);
    else if (auto* r = dynamic_cast<TskDataSkinExPanelControl*>(c)) change(r->FontName, r->FontHeight);
  }
}

void TskSkinData::SetSkinnableForm(bool Value) {
  if (Value == FSkinnableForm) return;
  FSkinnableForm = Value;
  if (!ComponentState().Contains(csLoading)) SendSkinDataMessage(WM_CHANGESKINNABLEFORM);
}

void TskSkinData::SetShowLayeredBorders(bool Value) {
  if (Value == FShowLayeredBorders) return;
  FShowLayeredBorders = Value;
  if (!ComponentState().Contains(csLoading)) SendSkinDataMessage(WM_CHANGESHOWLAYEREDBORDERS);
}

void TskSkinData::SetAeroBlurEnabled(bool Value) {
  if (Value == FAeroBlurEnabled) return;
  FAeroBlurEnabled = Value;
  if (!ComponentState().Contains(csLoading)) SendSkinDataMessage(WM_CHANGEAEROBLURENABLED);
}

void TskSkinData::SetCompressedStoredSkin(TskCompressedStoredSkin* Value) {
  FCompressedStoredSkin = Value;
  if (!Value) return;
  FreeNotification(Value);
  LoadCompressedStoredSkin(Value);
}

void TskSkinData::SetResourceStrData(TskResourceStrData* Value) {
  FResourceStrData = Value;
  if (Value) FreeNotification(Value);
  // Open windows take their texts again; unlike the other settings this holds while a form is built.
  SendSkinDataMessage(WM_CHANGERESOURCESTRDATA);
}

void TskSkinData::SetSkinList(TskCompressedSkinList* Value) {
  FCompressedSkinList = Value;
  if (!Value) return;
  FreeNotification(Value);
  if (FCompressedSkinIndex >= 0 && FCompressedSkinIndex < Value->Skins()->Count())
    LoadCompressedStoredSkin(Value->Skins()->Items(FCompressedSkinIndex)->Skin());
}

void TskSkinData::SetSkinIndex(int Value) {
  if (Value == FCompressedSkinIndex) return;
  if (!FCompressedSkinList) {
    FCompressedSkinIndex = Value;
    return;
  }
  if (Value < 0 || Value >= FCompressedSkinList->Skins()->Count() || FChanging) return;
  FCompressedSkinIndex = Value;
  LoadCompressedStoredSkin(FCompressedSkinList->Skins()->Items(Value)->Skin());
}

void TskSkinData::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FCompressedStoredSkin) FCompressedStoredSkin = nullptr;
  if (AComponent == FResourceStrData) FResourceStrData = nullptr;
  if (AComponent == FCompressedSkinList) FCompressedSkinList = nullptr;
}

template <class TRead> void TskSkinData::ChangeSkin(TRead&& ReadSkin) {
  FChanging = true;
  ScopeGuard Changed([&] { FChanging = false; });
  Empty = true;
  ChangeSkinDataProcess = true;
  SendSkinDataMessage(WM_BEFORECHANGESKINDATA);
  ClearAll();
  // Every form was told the change began, so it must hear the change end, with whatever the model
  // holds: nothing, when the skin could not be read.
  ScopeGuard Finished([&] {
    if (Empty) ClearAll();
    FinishChange();
  });
  ReadSkin();
  Empty = false;
  if (OnLoadData) OnLoadData(this);
}

void TskSkinData::FinishChange() {
  SendSkinDataMessage(WM_CHANGESKINDATA);
  ChangeSkinDataProcess = false;
  SendSkinDataMessage(WM_AFTERCHANGESKINDATA);
}

void TskSkinData::ReadVersion(TCustomIniFile* Ini) {
  SkinName = Ini->ReadString("VERSION", "skinname", String());
  SkinAuthor = Ini->ReadString("VERSION", "skinauthor", String());
  AuthorEmail = Ini->ReadString("VERSION", "authoremail", String());
  AuthorURL = Ini->ReadString("VERSION", "authorurl", String());
  SkinComments = Ini->ReadString("VERSION", "skincomments", String());
}

void TskSkinData::ReadPictureNames(TCustomIniFile* Ini) {
  FPictureName = Ini->ReadString("PICTURES", "picture", String());
  FInActivePictureName = Ini->ReadString("PICTURES", "inactivepicture", String());
  FMaskName = Ini->ReadString("PICTURES", "mask", String());
  ReadStrings(Ini, "PICTURES", "activepictures", FActivePicturesNames.get());
}

void TskSkinData::ReadPictureFiles(const String& Folder) {
  if (!FPictureName.empty()) FPicture->LoadFromFile(Folder + FPictureName);
  if (!FInActivePictureName.empty()) FInActivePicture->LoadFromFile(Folder + FInActivePictureName);
  if (!FMaskName.empty()) FMask->LoadFromFile(Folder + FMaskName);
  for (int i = 0; i < FActivePicturesNames->Count(); ++i) {
    FActivePictures.push_back(std::make_unique<TBitmap>());
    FActivePictures.back()->LoadFromFile(Folder + FActivePicturesNames->Strings(i));
  }
}

String TskSkinData::ReadContainerPictures(TMemoryStream* Inner, int InnerVersion) {
  auto readFlagged = [&](TBitmap* Picture) {
    if (Inner->ReadByte() == 0)
      Picture->LoadFromStream(Inner);
    else
      Picture->Assign(nullptr);
  };
  readFlagged(FPicture.get());
  readFlagged(FInActivePicture.get());
  readFlagged(FMask.get());
  if (InnerVersion == 2) {
    TBitmap discarded;
    readFlagged(&discarded);
    readFlagged(&discarded);
  }
  const int count = Inner->ReadInt32();
  for (int i = 0; i < count; ++i) {
    FActivePictures.push_back(std::make_unique<TBitmap>());
    FActivePictures.back()->LoadFromStream(Inner);
  }
  String text(size_t(Inner->Size() - Inner->Position()), '\0');
  Inner->ReadBuffer(text.data(), Int64(text.size()));
  return text;
}

void TskSkinData::ReadLayout(TCustomIniFile* Ini) {
  TskIniFieldReader formInfo(Ini, "FORMINFO");
  VisitFormInfo(formInfo);
  AdjustFormInfo();
  PopupWindow->LoadFromFile(Ini);
  LayerFrame->LoadFromFile(Ini);
  LayerFrame->InitAlphaImages(this);
  HintWindow->LoadFromFile(Ini);
  FSkinColors->LoadFromFile(Ini);
  ReadObjects(Ini);
  ReadControls(Ini);
}

void TskSkinData::AdjustFormInfo() {
  if (!FMaskName.empty()) {
    if (MaskRectArea.Width() <= 0 || MaskRectArea.Height() <= 0) {
      MaskRectArea = ClRect;
    } else {
      MaskRectArea.Left = std::min(MaskRectArea.Left, ClRect.Left);
      MaskRectArea.Top = std::min(MaskRectArea.Top, ClRect.Top);
      MaskRectArea.Right = std::max(MaskRectArea.Right, ClRect.Right);
      MaskRectArea.Bottom = std::max(MaskRectArea.Bottom, ClRect.Bottom);
    }
    auto fromCorner = [](TPoint& HitTest, const TPoint& Corner) {
      if (HitTest.X == 0 || HitTest.Y == 0) HitTest = Corner;
    };
    fromCorner(HitTestLTPoint, LTPoint);
    fromCorner(HitTestRTPoint, RTPoint);
    fromCorner(HitTestLBPoint, LBPoint);
    fromCorner(HitTestRBPoint, RBPoint);
  }
  if (RBPoint.X == LTPoint.X || RBPoint.Y == LTPoint.Y) return;
  LTPoint.X = std::max(LTPoint.X, ClRect.Left);
  LBPoint.X = std::max(LBPoint.X, ClRect.Left);
  LTPoint.Y = std::max(LTPoint.Y, ClRect.Top);
  RTPoint.Y = std::max(RTPoint.Y, ClRect.Top);
  RTPoint.X = std::min(RTPoint.X, ClRect.Right);
  RBPoint.X = std::min(RBPoint.X, ClRect.Right);
  LBPoint.Y = std::min(LBPoint.Y, ClRect.Bottom);
  RBPoint.Y = std::min(RBPoint.Y, ClRect.Bottom);
}

void TskSkinData::ReadObjects(TCustomIniFile* Ini) {
  ForEachListed(Ini, "SKINOBJECTS", [&](const String& Name, const String& Kind) {
    std::unique_ptr<TskDataSkinObject> record = CreateSkinObject(Kind, Name);
    if (!record) return;
    TskDataSkinObject* added = ObjectList.emplace_back(std::move(record)).get();
    added->LoadFromFile(Ini);
    added->InitAlphaImages(this);
  });
}

void TskSkinData::ReadControls(TCustomIniFile* Ini) {
  ForEachListed(Ini, "SKINCONTROLS", [&](const String& Name, const String& Kind) {
    std::unique_ptr<TskDataSkinControl> record = CreateSkinControl(Kind, Name);
    if (record) CtrlList.emplace_back(std::move(record))->LoadFromFile(Ini);
  });
}

void TskSkinData::WriteSkinIni(TCustomIniFile* Ini) {
  Ini->EraseSection("VERSION");
  Ini->WriteInteger("VERSION", "ver", 1);
  Ini->WriteString("VERSION", "skinname", SkinName);
  Ini->WriteString("VERSION", "skinauthor", SkinAuthor);
  Ini->WriteString("VERSION", "authoremail", AuthorEmail);
  Ini->WriteString("VERSION", "authorurl", AuthorURL);
  Ini->WriteString("VERSION", "skincomments", SkinComments);

  Ini->EraseSection("PICTURES");
  Ini->WriteString("PICTURES", "picture", FPictureName);
  Ini->WriteString("PICTURES", "inactivepicture", FInActivePictureName);
  Ini->WriteString("PICTURES", "mask", FMaskName);
  WriteStrings(Ini, "PICTURES", "activepictures", FActivePicturesNames.get());

  Ini->EraseSection("FORMINFO");
  TskIniFieldWriter formInfo(Ini, "FORMINFO");
  VisitFormInfo(formInfo);

  Ini->EraseSection("POPUPWINDOW");
  PopupWindow->SaveToFile(Ini);
  Ini->EraseSection("LAYERFRAME");
  LayerFrame->SaveToFile(Ini);
  Ini->EraseSection("HINTWINDOW");
  HintWindow->SaveToFile(Ini);
  Ini->EraseSection("SKINCOLORS");
  FSkinColors->SaveToFile(Ini);

  Ini->EraseSection("SKINOBJECTS");
  Ini->WriteInteger("SKINOBJECTS", "count", int(ObjectList.size()));
  for (size_t i = 0; i < ObjectList.size(); ++i) {
    TskDataSkinObject* record = ObjectList[i].get();
    Ini->WriteString("SKINOBJECTS", IntToStr(int(i)), record->IDName + ":" + SkinObjectKind(record));
    record->SaveToFile(Ini);
  }
  Ini->EraseSection("SKINCONTROLS");
  Ini->WriteInteger("SKINCONTROLS", "count", int(CtrlList.size()));
  for (size_t i = 0; i < CtrlList.size(); ++i) {
    TskDataSkinControl* record = CtrlList[i].get();
    Ini->WriteString("SKINCONTROLS", IntToStr(int(i)), record->IDName + ":" + SkinControlKind(record));
    record->SaveToFile(Ini);
  }
}

void TskSkinData::VisitFormInfo(TskFieldVisitor& Visitor) {
  // Reading order; the writer puts the inactive rendering right after the border width.
  using C = TskSkinData;
  static const TskFieldTable<C> Table {
    {
      TskCornerPoints::Fields(),
      { "clientrect", &C::ClRect },
      { "bgpictureindex", &C::BGPictureIndex, -1 },
      { "mdibgpictureindex", &C::MDIBGPictureIndex, -1 },
      TskStretchSides::FrameFields(),
      { "mdibgstretcheffect", &C::MDIBGStretchEffect },
      { "mdibgstretchtype", &C::MDIBGStretchType },
      { "maskrectarea", &C::MaskRectArea },
      { "hittestlefttoppoint", &C::HitTestLTPoint },
      { "hittestrighttoppoint", &C::HitTestRTPoint },
      { "hittestleftbottompoint", &C::HitTestLBPoint },
      { "hittestrightbottompoint", &C::HitTestRBPoint },
      { "buttonsrect", &C::ButtonsRect },
      { "captionrect", &C::CaptionRect },
      { "buttonsoffset", &C::ButtonsOffset },
      { "buttonsinleft", &C::CapButtonsInLeft },
      { "mainmenupopupup", &C::MainMenuPopupUp },
      { "borderwidth", &C::BorderW },
      { "formminwidth", &C::FormMinWidth },
      { "formminheight", &C::FormMinHeight },
      { "mditabstransparent", &C::MDITabsTransparent },
      { "mainmenubartransparent", &C::MainMenuBarTransparent },
      { "autorenderinginactiveimage", &C::AutoRenderingInActiveImage },
      { "inactiveeffect", &C::InActiveEffect },
    },
    { { "autorenderinginactiveimage", "borderwidth" }, { "inactiveeffect", "autorenderinginactiveimage" } },
  };
  Table.Visit(*this, Visitor);
}
