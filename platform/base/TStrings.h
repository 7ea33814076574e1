#pragma once
// The abstract list of strings, each with an optional object, and everything built on its few primitives:
// name=value lines, whole text, delimited text, copying and loading.
#include "platform/base/TPersistent.h"

class TStream;

/// An abstract list of strings with attached objects. Subclasses store the items (Get, Count, Insert,
/// Delete, Clear, and GetObject/PutObject when they keep objects); names and values, text forms and
/// copying work on any subclass. Index errors raise EStringListError "List index out of bounds (%d)".
class TStrings : public TPersistent {
public:
  virtual int Count() const = 0;
  String Strings(int Index) const { return Get(Index); }
  TObject* Objects(int Index) const { return GetObject(Index); }
  /// Replaces the string at Index, keeping its object.
  virtual void Put(int Index, const String& S);
  virtual void PutObject(int Index, TObject* AObject);

  /// Appends S (a sorted list puts it in place); returns its index.
  virtual int Add(const String& S);
  virtual int AddObject(const String& S, TObject* AObject);
  virtual void Insert(int Index, const String& S) = 0;
  virtual void InsertObject(int Index, const String& S, TObject* AObject);
  virtual void Delete(int Index) = 0;
  virtual void Clear() = 0;
  /// Adds every string of Strings with its object.
  void AddStrings(TStrings* Strings);
  /// From another TStrings: replaces the strings and objects with copies of Source's; assigning a list
  /// to itself changes nothing.
  void Assign(TPersistent* Source) override;
  virtual void Exchange(int Index1, int Index2);
  /// Moves the item at CurIndex to NewIndex, its object with it.
  virtual void Move(int CurIndex, int NewIndex);

  /// Index of the first string equal to S (see CompareStrings), or -1.
  virtual int IndexOf(const String& S) const;
  /// Index of the first line whose name (the text before its first separator) equals Name, or -1.
  int IndexOfName(const String& Name) const;
  int IndexOfObject(TObject* AObject) const;

  char NameValueSeparator() const { return FNameValueSeparator; }
  void SetNameValueSeparator(char Value) { FNameValueSeparator = Value; }
  /// The text before the first separator of line Index; "" when the line has no separator.
  String Names(int Index) const;
  /// The text after the first separator of line Index; "" when the line has no separator.
  String ValueFromIndex(int Index) const;
  /// The value of the first line named Name; "" when there is none.
  String Values(const String& Name) const;
  /// Sets the value of the line named Name, adding the line when missing; an empty Value deletes it.
  void SetValue(const String& Name, const String& Value);

  /// Every string followed by LF.
  String Text() const;
  /// Replaces the list with the lines of Value, split at CR LF, LF or a lone CR.
  virtual void SetText(const String& Value);

  char Delimiter() const { return FDelimiter; }
  void SetDelimiter(char Value) { FDelimiter = Value; }
  char QuoteChar() const { return FQuoteChar; }
  void SetQuoteChar(char Value) { FQuoteChar = Value; }
  /// When set, only Delimiter separates items of DelimitedText; otherwise blanks separate them too.
  bool StrictDelimiter() const { return FStrictDelimiter; }
  void SetStrictDelimiter(bool Value) { FStrictDelimiter = Value; }
  /// The strings joined by Delimiter. A string that holds the delimiter or the quote character (or, without
  /// StrictDelimiter, a blank or control character) is put in QuoteChar with inner quotes doubled; a list
  /// of one empty string gives two quote characters.
  String DelimitedText() const;
  /// Replaces the list with the items of Value, undoing the quoting of DelimitedText.
  void SetDelimitedText(const String& Value);
  /// DelimitedText with "," and '"', blanks separating as well.
  String CommaText() const;
  void SetCommaText(const String& Value);

  /// Reads the rest of Stream as UTF-8 text (a leading byte-order mark is dropped) into the list.
  virtual void LoadFromStream(TStream* Stream);
  /// Writes Text to Stream, byte for byte, without a byte-order mark.
  virtual void SaveToStream(TStream* Stream) const;
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName) const;

  /// Nested updates: the list reports a change once, when the outermost EndUpdate is reached.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

protected:
  virtual String Get(int Index) const = 0;
  virtual TObject* GetObject(int Index) const;
  /// Called with True when the outermost BeginUpdate starts and False when the outermost EndUpdate ends.
  virtual void SetUpdateState(bool Updating);
  /// Orders two strings for IndexOf, IndexOfName and sorting: ignoring case in this base.
  virtual int CompareStrings(const String& S1, const String& S2) const;
  [[noreturn]] void IndexError(int Index) const;

private:
  String DelimitedTextWith(char ADelimiter, char AQuote, bool Strict) const;
  void SetDelimitedTextWith(const String& Value, char ADelimiter, char AQuote, bool Strict);

  int FUpdateCount { 0 };
  char FNameValueSeparator { '=' };
  char FDelimiter { ',' };
  char FQuoteChar { '"' };
  bool FStrictDelimiter { false };
};
