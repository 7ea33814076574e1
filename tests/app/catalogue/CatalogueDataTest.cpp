#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <vector>

#include "app/catalogue/FormatCatalogue.h"
#include "app/catalogue/FormatParameters.h"
#include "app/catalogue/PresetTables.h"

// The catalogue's tables against the data file written down apart from them: every field is compared, and
// each difference is one failure naming the category, format or list and the field.

namespace {

using Fields = std::vector<String>;

/// A line of the data file split at every "|"; a trailing "|" leaves an empty last field.
Fields SplitFields(std::string_view Line) {
  Fields Result;
  for (size_t Start = 0;;) {
    const size_t End = Line.find('|', Start);
    Result.emplace_back(Line.substr(Start, End - Start));
    if (End == std::string_view::npos)
      return Result;
    Start = End + 1;
  }
}

/// The data file's sections by name, each with its lines in file order.
std::map<String, std::vector<Fields>> ReadSections(const String& FileName) {
  std::map<String, std::vector<Fields>> Sections;
  std::ifstream In(FileName);
  std::vector<Fields>* Current = nullptr;
  for (String Line; std::getline(In, Line);) {
    if (!Line.empty() && Line.back() == '\r')
      Line.pop_back();
    if (Line.empty() || Line.front() == '#')
      continue;
    if (Line.front() == '[' && Line.back() == ']')
      Current = &Sections[Line.substr(1, Line.size() - 2)];
    else if (Current)
      Current->push_back(SplitFields(Line));
  }
  return Sections;
}

String Quoted(std::string_view Text) { return "\"" + String(Text) + "\""; }

/// "V1:3 ("816 kbps")": a preset choice as list id:default index, with the entry it selects when Entries
/// holds one there.
String Described(const String& Choice, const Fields* Entries) {
  const size_t Colon = Choice.find(':');
  if (!Entries || Colon == String::npos)
    return Choice;
  const size_t Index = std::stoul(Choice.substr(Colon + 1));
  return Index < Entries->size() ? Choice + " (" + Quoted((*Entries)[Index]) + ")" : Choice;
}

/// One failure when the code's value of Field differs from the data file's.
void ExpectSame(const String& Where, std::string_view Field, const String& Code, const String& Data) {
  if (Code != Data)
    ADD_FAILURE() << Where << ", " << Field << ": the code has " << Quoted(Code) << ", the data file "
                  << Quoted(Data);
}

/// The columns of a format's parameter row, in the data file's order after the FormatKey.
constexpr std::string_view ParameterNames[] = {
  "output extension", "video codec", "audio codec", "audio channels", "video tag", "FileExt", "frame size",
  "video bit rate", "frame rate", "audio bit rate", "sample rate", "aspect ratio", "target", "norm", "video",
};

/// Row's values as the data file writes them: bit rates as decimal text, "off" for a format without video.
Fields ParameterFields(const FormatParameters& Row) {
  return { String(Row.Extension), String(Row.VideoCodec), String(Row.AudioCodec), String(Row.AudioChannels),
           String(Row.VideoTag), String(Row.FileExt), String(Row.FrameSize), std::to_string(Row.VideoBitrate),
           String(Row.FrameRate), std::to_string(Row.AudioBitrate), String(Row.AudioSampleRate),
           String(Row.FrameAspectRatio), String(Row.TargetType), String(Row.NormType),
           Row.DisableVideo ? "off" : "on" };
}

class CatalogueData : public ::testing::Test {
protected:
  static void SetUpTestSuite() { Sections = ReadSections(CATALOGUE_DATA); }

  /// The lines of section Name with Width fields (at least Width when AtLeast). A missing section or a line
  /// of another width is a fault of the data file: it fails the test and the line is left out.
  static std::vector<Fields> Section(const String& Name, size_t Width, bool AtLeast = false) {
    std::vector<Fields> Lines;
    const auto Found = Sections.find(Name);
    if (Found == Sections.end())
      ADD_FAILURE() << "the data file " << CATALOGUE_DATA << " has no section [" << Name << "]";
    else
      for (const Fields& Line : Found->second)
        if (AtLeast ? Line.size() >= Width : Line.size() == Width)
          Lines.push_back(Line);
        else
          ADD_FAILURE() << "[" << Name << "] line starting " << Quoted(Line.front()) << " has " << Line.size()
                        << " fields, not " << (AtLeast ? "at least " : "") << Width;
    return Lines;
  }

  /// "format 1700 "WMV标准视频(*.wmv)"", naming a format by its key and the data file's caption.
  static String FormatName(const String& Key) {
    if (const auto Formats = Sections.find("formats"); Formats != Sections.end())
      for (const Fields& Format : Formats->second)
        if (Format.size() == 4 && Format[2] == Key)
          return "format " + Key + " " + Quoted(Format[3]);
    return "format " + Key;
  }

  static inline std::map<String, std::vector<Fields>> Sections;
};

TEST_F(CatalogueData, CategoriesTheirCaptionsPicturesAndFormatCounts) {
  const auto Categories = Section("categories", 3);
  const auto Formats = Section("formats", 4);
  const auto Code = FormatCategories();
  ExpectSame("the category combo", "number of categories", std::to_string(Code.size()),
             std::to_string(Categories.size()));
  for (const Fields& Category : Categories) {
    const int Index = std::stoi(Category[0]);
    const String Where = "category " + Category[0] + " " + Quoted(Category[1]);
    if (Index < 0 || Index >= int(Code.size())) {
      ADD_FAILURE() << Where << ": the code has no such category";
      continue;
    }
    ExpectSame(Where, "caption", String(Code[Index].Caption), Category[1]);
    ExpectSame(Where, "CategoryImageIndex", std::to_string(CategoryImageIndex(Index)), Category[2]);
    ExpectSame(Where, "picture index of its item", std::to_string(Code[Index].ImageIndex), Category[2]);
    const auto InCategory = std::count_if(Formats.begin(), Formats.end(),
                                          [&](const Fields& Format) { return Format[0] == Category[0]; });
    ExpectSame(Where, "number of formats", std::to_string(FormatGroup(CategoryImageIndex(Index)).size()),
               std::to_string(InCategory));
  }
}

TEST_F(CatalogueData, FormatsTheirCaptionsKeysAndParameters) {
  for (const Fields& Format : Section("formats", 4)) {
    const int Category = std::stoi(Format[0]), Index = std::stoi(Format[1]);
    const String Where = FormatName(Format[2]);
    const auto Group = FormatGroup(CategoryImageIndex(Category));
    if (Index < 0 || Index >= int(Group.size())) {
      ADD_FAILURE() << Where << ": the code has no format at position " << Index << " of category " << Category;
      continue;
    }
    ExpectSame(Where, "caption", String(Group[Index]), Format[3]);
    ExpectSame(Where, "FormatKey", std::to_string(FormatKey(Category, Index)), Format[2]);
  }

  std::set<int> Keys;
  for (const Fields& Data : Section("parameters", 1 + std::size(ParameterNames))) {
    const String Where = FormatName(Data[0]);
    Keys.insert(std::stoi(Data[0]));
    const FormatParameters* Row = FindFormatParameters(std::stoi(Data[0]));
    if (!Row) {
      ADD_FAILURE() << Where << ": the code has no parameter row";
      continue;
    }
    const Fields Code = ParameterFields(*Row);
    for (size_t Field = 0; Field < std::size(ParameterNames); ++Field)
      ExpectSame(Where, ParameterNames[Field], Code[Field], Data[Field + 1]);
  }
  for (const FormatParameters& Row : FormatParameterTable())
    if (!Keys.contains(Row.FormatKey))
      ADD_FAILURE() << "the code has a parameter row for " << Row.FormatKey << " that the data file lacks";
}

TEST_F(CatalogueData, PresetListsEntryByEntry) {
  std::map<std::string_view, const PresetList*> Code;
  for (const PresetList* List : PresetLists())
    Code[List->Id] = List;
  std::set<String> Ids;
  for (const Fields& Data : Section("preset lists", 2, true)) {
    const String Where = "preset list " + Data[0];
    Ids.insert(Data[0]);
    const auto Found = Code.find(Data[0]);
    if (Found == Code.end()) {
      ADD_FAILURE() << Where << ": the code has no such list";
      continue;
    }
    const auto& Entries = Found->second->Entries;
    ExpectSame(Where, "number of entries", std::to_string(Entries.size()), std::to_string(Data.size() - 1));
    for (size_t Entry = 0; Entry < Entries.size() && Entry + 1 < Data.size(); ++Entry)
      ExpectSame(Where, "entry " + std::to_string(Entry), String(Entries[Entry]), Data[Entry + 1]);
  }
  for (const auto& [Id, List] : Code)
    if (!Ids.contains(String(Id)))
      ADD_FAILURE() << "the code has a preset list " << Id << " that the data file lacks";
}

TEST_F(CatalogueData, PresetSetsTheirListsAndDefaultEntries) {
  std::map<String, Fields> Lists;
  for (const Fields& List : Section("preset lists", 2, true))
    Lists[List[0]] = Fields(List.begin() + 1, List.end());
  const std::pair<TPresetRole, std::string_view> Roles[] = {
    { TPresetRole::Resolution, "resolution" },     { TPresetRole::VideoBitrate, "video bit rate" },
    { TPresetRole::FrameRate, "frame rate" },      { TPresetRole::AudioBitrate, "audio bit rate" },
    { TPresetRole::SampleRate, "sample rate" },    { TPresetRole::AspectMode, "aspect mode" },
  };
  std::set<int> Keys;
  for (const Fields& Data : Section("preset sets", 2 + std::size(Roles))) {
    const String Where = FormatName(Data[0]);
    Keys.insert(std::stoi(Data[0]));
    const PresetSet* Set = FindPresetSet(std::stoi(Data[0]));
    if (!Set) {
      ADD_FAILURE() << Where << ": the code has no preset set";
      continue;
    }
    for (size_t Role = 0; Role < std::size(Roles); ++Role) {
      const PresetChoice& Choice = Set->Choice(Roles[Role].first);
      const String Code = String(Choice.List->Id) + ":" + std::to_string(Choice.DefaultIndex);
      const String& Expected = Data[Role + 1];
      if (Code == Expected)
        continue;
      const Fields CodeEntries(Choice.List->Entries.begin(), Choice.List->Entries.end());
      const auto DataList = Lists.find(Expected.substr(0, Expected.find(':')));
      ADD_FAILURE() << Where << ", " << Roles[Role].second << ": the code has " << Described(Code, &CodeEntries)
                    << ", the data file " << Described(Expected, DataList == Lists.end() ? nullptr : &DataList->second);
    }
    ExpectSame(Where, "video combos", Set->AudioOnly ? "off" : "on", Data.back());
  }
  for (const PresetSet& Set : PresetSets())
    if (!Keys.contains(Set.FormatKey))
      ADD_FAILURE() << "the code has a preset set for " << Set.FormatKey << " that the data file lacks";
}

}  // namespace
