#pragma once
// Skin records as tables of stored fields. Each record class lists its keys once, with the field each
// fills, the value form (given by the field's type) and the value an absent key gives; reading, writing
// and anything else that walks a record's fields visit that table, so no key is spelled twice.
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/base/TAlignment.h"
#include "platform/base/TCustomIniFile.h"
#include "platform/base/Types.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/TFont.h"
#include "skin/core/skSkinTypes.h"

/// Where a visited field lives; the pointee's type selects the value form (int: integer or colour).
using TskFieldPtr = std::variant<int*, String*, TRect*, TPoint*, bool*, TFontStyles*, TAlignment*, TskStretchType*,
                                 TskMorphKind*, TskInActiveEffect*, TskStdCommand*>;

/// One stored field of one record as a visitor meets it.
struct TskFieldRef {
  String Key;                     // as written: lower case, except where the format itself spells otherwise
  TskFieldPtr Field;
  int AbsentInt { 0 };            // integers and colours: the value of an absent key
  const char* AbsentText { "" };  // strings: the value of an absent key
};

/// Receives the stored fields of a record one by one, the base classes' keys first.
class TskFieldVisitor {
public:
  virtual ~TskFieldVisitor() = default;
  /// True to receive the fields in the writer's order, which differs from the reader's for a few keys.
  virtual bool WriterOrder() const { return false; }
  virtual void Visit(const TskFieldRef& Field) = 0;
};

/// Reads each visited field from one section of an ini file; an absent key gives the field's absent
/// value, a malformed rectangle or point raises EConvertError.
class TskIniFieldReader : public TskFieldVisitor {
public:
  TskIniFieldReader(TCustomIniFile* AIniFile, const String& ASection) : FIniFile(AIniFile), FSection(ASection) {}
  void Visit(const TskFieldRef& Field) override;

private:
  TCustomIniFile* FIniFile;
  String FSection;
};

/// Writes each visited field into one section of an ini file, in the writer's order.
class TskIniFieldWriter : public TskFieldVisitor {
public:
  TskIniFieldWriter(TCustomIniFile* AIniFile, const String& ASection) : FIniFile(AIniFile), FSection(ASection) {}
  bool WriterOrder() const override { return true; }
  void Visit(const TskFieldRef& Field) override;

private:
  TCustomIniFile* FIniFile;
  String FSection;
};

/// The four fields of a font group. Its keys are a prefix followed by "fontname", "fontheight",
/// "fontstyle" and "fontcolor", whose absent values are "Tahoma", 13, no style and black.
template <class C> struct TskFontFields {
  String C::* Name;
  int C::* Height;
  TFontStyles C::* Style;
  TColor C::* Color;
};

/// The font group of a record whose font fields are FontName, FontHeight, FontStyle and FontColor.
template <class C> TskFontFields<C> FontGroup() {
  return { &C::FontName, &C::FontHeight, &C::FontStyle, &C::FontColor };
}

template <class C> class TskFieldTable;

/// One row of a record class's table: a key and the field it fills, a font group, or a field group (a
/// base part the record shares with other records, with a table of its own).
template <class C> class TskField {
public:
  /// A field of C or of a base part of C.
  template <class T, class B>
    requires std::is_base_of_v<B, C>
  TskField(const char* AKey, T B::* AMember) : FKey(AKey), FMember(static_cast<T C::*>(AMember)) {}
  TskField(const char* AKey, int C::* AMember, int AAbsent) : FKey(AKey), FMember(AMember), FAbsentInt(AAbsent) {}
  TskField(const char* AKey, String C::* AMember, const char* AAbsent)
    : FKey(AKey), FMember(AMember), FAbsentText(AAbsent) {}
  TskField(TskFontFields<C> AFont, const char* APrefix = "") : FKey(APrefix), FMember(AFont) {}
  /// The rows of the part G of C, in G's order. AGroup lives as long as the program (a static table).
  template <class G>
    requires std::is_base_of_v<G, C>
  TskField(const TskFieldTable<G>& AGroup)
    : FKey(""),
      FMember(TGroup { [&AGroup](C& Record, TskFieldVisitor& Visitor) { AGroup.Visit(Record, Visitor); },
                       AGroup.LastKey() }) {}

  const char* Key() const { return FKey; }
  /// The key a font group or a field group ends with, else the key.
  String LastKey() const {
    if (IsFont()) return String(FKey) + "fontcolor";
    if (const TGroup* group = std::get_if<TGroup>(&FMember)) return group->LastKey;
    return FKey;
  }

  void Visit(C& Record, TskFieldVisitor& Visitor) const {
    std::visit(
      [&](const auto& Member) {
        using M = std::decay_t<decltype(Member)>;
        if constexpr (std::is_same_v<M, TskFontFields<C>>) {
          const String prefix = FKey;
          Visitor.Visit({ prefix + "fontname", &(Record.*Member.Name), 0, "Tahoma" });
          Visitor.Visit({ prefix + "fontheight", &(Record.*Member.Height), 13 });
          Visitor.Visit({ prefix + "fontstyle", &(Record.*Member.Style) });
          Visitor.Visit({ prefix + "fontcolor", &(Record.*Member.Color) });
        } else if constexpr (std::is_same_v<M, TGroup>) {
          Member.Visit(Record, Visitor);
        } else {
          Visitor.Visit({ FKey, &(Record.*Member), FAbsentInt, FAbsentText });
        }
      },
      FMember);
  }

private:
  struct TGroup {
    std::function<void(C&, TskFieldVisitor&)> Visit;
    String LastKey;
  };

  bool IsFont() const { return std::holds_alternative<TskFontFields<C>>(FMember); }

  using TMember = std::variant<int C::*, String C::*, TRect C::*, TPoint C::*, bool C::*, TFontStyles C::*,
                               TAlignment C::*, TskStretchType C::*, TskMorphKind C::*, TskInActiveEffect C::*,
                               TskStdCommand C::*, TskFontFields<C>, TGroup>;
  const char* FKey;
  TMember FMember;
  int FAbsentInt { 0 };
  const char* FAbsentText { "" };
};

/// The table of the keys a record class adds to its bases', in reading order. The writer follows the
/// same order except for the moves given: each moved key is written right after its anchor key (a font
/// group is named by its last key).
template <class C> class TskFieldTable {
public:
  struct TWriteMove {
    const char* Moved;
    const char* After;
  };

  TskFieldTable(std::initializer_list<TskField<C>> AFields, std::initializer_list<TWriteMove> WriteMoves = {})
    : FFields(AFields) {
    for (size_t i = 0; i < FFields.size(); ++i) FWriteOrder.push_back(i);
    for (const TWriteMove& move : WriteMoves) {
      const size_t from = Find(move.Moved, false);
      const size_t row = FWriteOrder[from];
      FWriteOrder.erase(FWriteOrder.begin() + long(from));
      FWriteOrder.insert(FWriteOrder.begin() + long(Find(move.After, true)) + 1, row);
    }
  }

  void Visit(C& Record, TskFieldVisitor& Visitor) const {
    for (size_t i = 0; i < FFields.size(); ++i)
      FFields[Visitor.WriterOrder() ? FWriteOrder[i] : i].Visit(Record, Visitor);
  }
  /// The key the writer writes last.
  String LastKey() const { return FFields[FWriteOrder.back()].LastKey(); }

private:
  // The position in the write order of the row with this key (or last key).
  size_t Find(const String& Key, bool ByLastKey) const {
    for (size_t i = 0; i < FWriteOrder.size(); ++i) {
      const TskField<C>& field = FFields[FWriteOrder[i]];
      if ((ByLastKey ? field.LastKey() : String(field.Key())) == Key) return i;
    }
    throw std::logic_error("skin record table has no key " + Key);
  }

  std::vector<TskField<C>> FFields;
  std::vector<size_t> FWriteOrder;
};

/// Reads every stored field of Record from Section.
template <class R> void LoadRecordSection(R& Record, TCustomIniFile* IniFile, const String& Section) {
  TskIniFieldReader reader(IniFile, Section);
  Record.VisitFields(reader);
}

/// Erases Section, then writes every stored field of Record into it, so it holds exactly those keys.
template <class R> void SaveRecordSection(R& Record, TCustomIniFile* IniFile, const String& Section) {
  IniFile->EraseSection(Section);
  TskIniFieldWriter writer(IniFile, Section);
  Record.VisitFields(writer);
}
