#include "platform/base/TStrings.h"

#include <algorithm>
#include <array>

#include "platform/base/Exception.h"
#include "platform/base/ScopeGuard.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TFileStream.h"

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char C) { return static_cast<unsigned char>(C) <= ' '; }

String Quoted(const String& S, char Quote) {
  String result(1, Quote);
  for (char c : S) {
    result += c;
    if (c == Quote) result += c;
  }
  result += Quote;
  return result;
}

// Reads the quoted item that starts at Value[Pos]; Pos ends after its closing quote. An unclosed quote
// takes the rest of the text.
String ExtractQuoted(const String& Value, size_t& Pos, char Quote) {
  String result;
  ++Pos;
  while (Pos < Value.size()) {
    char c = Value[Pos++];
    if (c != Quote) {
      result += c;
    } else if (Pos < Value.size() && Value[Pos] == Quote) {
      result += c;
      ++Pos;
    } else {
      break;
    }
  }
  return result;
}

}  // namespace

void TStrings::Put(int Index, const String& S) {
  TObject* object = GetObject(Index);
  BeginUpdate();
  ScopeGuard Updated([&] { EndUpdate(); });
  Delete(Index);
  InsertObject(Index, S, object);
}

void TStrings::PutObject(int, TObject*) {}

int TStrings::Add(const String& S) {
  int index = Count();
  Insert(index, S);
  return index;
}

int TStrings::AddObject(const String& S, TObject* AObject) {
  int index = Add(S);
  PutObject(index, AObject);
  return index;
}

void TStrings::InsertObject(int Index, const String& S, TObject* AObject) {
  Insert(Index, S);
  PutObject(Index, AObject);
}

void TStrings::AddStrings(TStrings* Strings) {
  BeginUpdate();
  ScopeGuard Updated([&] { EndUpdate(); });
  // The count is taken once, so adding a list to itself doubles it instead of running forever.
  int count = Strings->Count();
  for (int i = 0; i < count; ++i) AddObject(Strings->Get(i), Strings->GetObject(i));
}

void TStrings::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TStrings*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  // Clearing first would empty the source as well.
  if (source == this) return;
  BeginUpdate();
  ScopeGuard Updated([&] { EndUpdate(); });
  Clear();
  AddStrings(source);
}

void TStrings::Exchange(int Index1, int Index2) {
  String s1 = Get(Index1), s2 = Get(Index2);
  TObject* o1 = GetObject(Index1);
  TObject* o2 = GetObject(Index2);
  BeginUpdate();
  ScopeGuard Updated([&] { EndUpdate(); });
  Put(Index1, s2);
  PutObject(Index1, o2);
  Put(Index2, s1);
  PutObject(Index2, o1);
}

void TStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  // Both indexes are checked before the item is taken out, so a bad target loses nothing.
  if (NewIndex < 0 || NewIndex >= Count()) IndexError(NewIndex);
  String s = Get(CurIndex);
  TObject* object = GetObject(CurIndex);
  BeginUpdate();
  ScopeGuard Updated([&] { EndUpdate(); });
  Delete(CurIndex);
  InsertObject(NewIndex, s, object);
}

int TStrings::IndexOf(const String& S) const {
  for (int i = 0; i < Count(); ++i)
    if (CompareStrings(Get(i), S) == 0) return i;
  return -1;
}

int TStrings::IndexOfName(const String& Name) const {
  for (int i = 0; i < Count(); ++i) {
    String s = Get(i);
    size_t separator = s.find(FNameValueSeparator);
    if (separator != String::npos && CompareStrings(s.substr(0, separator), Name) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(TObject* AObject) const {
  for (int i = 0; i < Count(); ++i)
    if (GetObject(i) == AObject) return i;
  return -1;
}

String TStrings::Names(int Index) const {
  String s = Get(Index);
  size_t separator = s.find(FNameValueSeparator);
  return separator == String::npos ? String() : s.substr(0, separator);
}

String TStrings::ValueFromIndex(int Index) const {
  String s = Get(Index);
  size_t separator = s.find(FNameValueSeparator);
  return separator == String::npos ? String() : s.substr(separator + 1);
}

String TStrings::Values(const String& Name) const {
  int index = IndexOfName(Name);
  return index < 0 ? String() : ValueFromIndex(index);
}

void TStrings::SetValue(const String& Name, const String& Value) {
  int index = IndexOfName(Name);
  if (!Value.empty()) {
    String line = Name + FNameValueSeparator + Value;
    if (index < 0)
      Add(line);
    else
      Put(index, line);
  } else if (index >= 0) {
    Delete(index);
  }
}

String TStrings::Text() const {
  String result;
  for (int i = 0; i < Count(); ++i) {
    result += Get(i);
    result += '\n';
  }
  return result;
}

void TStrings::SetText(const String& Value) {
  String text = AdjustLineBreaks(Value);
  BeginUpdate();
  ScopeGuard Updated([&] { EndUpdate(); });
  Clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == String::npos) end = text.size();
    Add(text.substr(start, end - start));
    start = end + 1;
  }
}

String TStrings::DelimitedText() const { return DelimitedTextWith(FDelimiter, FQuoteChar, FStrictDelimiter); }

void TStrings::SetDelimitedText(const String& Value) {
  SetDelimitedTextWith(Value, FDelimiter, FQuoteChar, FStrictDelimiter);
}

String TStrings::CommaText() const { return DelimitedTextWith(',', '"', false); }

void TStrings::SetCommaText(const String& Value) { SetDelimitedTextWith(Value, ',', '"', false); }

String TStrings::DelimitedTextWith(char ADelimiter, char AQuote, bool Strict) const {
  // A lone empty string must not read back as an empty list.
  if (Count() == 1 && Get(0).empty()) return String(2, AQuote);
  String result;
  for (int i = 0; i < Count(); ++i) {
    String s = Get(i);
    bool quote = std::any_of(s.begin(), s.end(),
                             [&](char c) { return c == ADelimiter || c == AQuote || (!Strict && IsBlank(c)); });
    if (i > 0) result += ADelimiter;
    result += quote ? Quoted(s, AQuote) : s;
  }
  return result;
}

void TStrings::SetDelimitedTextWith(const String& Value, char ADelimiter, char AQuote, bool Strict) {
  auto skipBlanks = [&](size_t& pos) {
    if (!Strict)
      while (pos < Value.size() && IsBlank(Value[pos])) ++pos;
  };
  BeginUpdate();
  ScopeGuard Updated([&] { EndUpdate(); });
  Clear();
  size_t pos = 0;
  skipBlanks(pos);
  while (pos < Value.size()) {
    if (Value[pos] == AQuote) {
      Add(ExtractQuoted(Value, pos, AQuote));
    } else {
      size_t start = pos;
      while (pos < Value.size() && Value[pos] != ADelimiter && (Strict || !IsBlank(Value[pos]))) ++pos;
      Add(Value.substr(start, pos - start));
    }
    skipBlanks(pos);
    if (pos < Value.size() && Value[pos] == ADelimiter) {
      ++pos;
      skipBlanks(pos);
      // A delimiter at the end still separates: an empty last item follows it.
      if (pos == Value.size()) Add(String());
    }
  }
}

void TStrings::LoadFromStream(TStream* Stream) {
  String bytes;
  std::array<char, 65536> buffer;
  while (Int64 read = Stream->Read(buffer.data(), Int64(buffer.size()))) bytes.append(buffer.data(), size_t(read));
  if (bytes.starts_with(Utf8Bom)) bytes.erase(0, Utf8Bom.size());
  SetText(bytes);
}

void TStrings::SaveToStream(TStream* Stream) const {
  String text = Text();
  Stream->WriteBuffer(text.data(), Int64(text.size()));
}

void TStrings::LoadFromFile(const String& FileName) {
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

void TStrings::SaveToFile(const String& FileName) const {
  TFileStream stream(FileName, fmCreate);
  SaveToStream(&stream);
}

void TStrings::BeginUpdate() {
  // The state change is announced while no update is counted yet, so it still reaches the handlers.
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

TObject* TStrings::GetObject(int) const { return nullptr; }

void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(const String& S1, const String& S2) const { return AnsiCompareText(S1, S2); }

void TStrings::IndexError(int Index) const {
  throw EStringListError(Format("List index out of bounds (%d)", Index));
}
