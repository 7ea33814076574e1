#pragma once
// Every skin record class behind one interface, and visitors that fill, print and list a record's stored
// fields, so that one test body covers every class and every field.
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/base/TCustomIniFile.h"
#include "skin/core/skSkinFields.h"

/// One record under test: its section and its reading, writing and field walk.
class RecordSubject {
public:
  virtual ~RecordSubject() = default;
  virtual void Load(TCustomIniFile* Ini) = 0;
  virtual void Save(TCustomIniFile* Ini) = 0;
  virtual void Visit(TskFieldVisitor& Visitor) = 0;
};

template <class R> class RecordSubjectOf : public RecordSubject {
public:
  explicit RecordSubjectOf(const String& Name) : Record(Make(Name)) {}
  void Load(TCustomIniFile* Ini) override { Record.LoadFromFile(Ini); }
  void Save(TCustomIniFile* Ini) override { Record.SaveToFile(Ini); }
  void Visit(TskFieldVisitor& Visitor) override { Record.VisitFields(Visitor); }

  R Record;

private:
  static R Make(const String& Name) {
    if constexpr (std::is_constructible_v<R, String>) {
      return R(Name);
    } else {
      (void)Name;
      return R();
    }
  }
};

/// A record class: a name to report, the section its records use, and how to make one.
struct RecordKind {
  String Name;
  String Section;
  std::function<std::unique_ptr<RecordSubject>()> Make;
  /// Keys whose loaded value a reading rule fixes, whatever was saved.
  std::vector<String> ForcedOnLoad;
  /// Whether saving erases the section first (every record but the colours).
  bool ErasesSection { true };
};

/// Every record class: the control and form-object kinds (named after their kind), their bases, and the
/// four records of fixed sections.
const std::vector<RecordKind>& AllRecordKinds();

/// The stored fields of a record as "key" -> printed value, in visiting order.
using FieldValues = std::vector<std::pair<String, String>>;
FieldValues ValuesOf(RecordSubject& Subject);
/// The printed value of one key; fails the test when the record has no such key.
String ValueOf(RecordSubject& Subject, const String& Key);
/// The keys of a record in the order the writer writes them.
std::vector<String> WrittenKeysOf(RecordSubject& Subject);
/// What each field holds after reading a section that lacks every key.
FieldValues AbsentValuesOf(RecordSubject& Subject);
/// Gives every field a value that differs from its initial and its absent value, from its neighbours'
/// and, over the passes 0 to 5, for booleans and enumerations, from every other field's.
void FillFields(RecordSubject& Subject, int Pass);
