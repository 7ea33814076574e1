#pragma once
// The skin library's string table: the texts its windows show, by name, so an application can translate
// them in one place.
#include <memory>

#include "platform/base/TComponent.h"
#include "platform/base/TStringList.h"
#include "platform/gdi/TFont.h"

/// Lines "NAME=text" from which the skinned windows take captions, hints and dialog texts. A new table
/// holds the built-in English lines and CharSet 1 (the default character set).
class TskResourceStrData : public TComponent {
public:
  explicit TskResourceStrData(TComponent* AOwner);

  /// The text after the first "=" of the first line whose name matches ResName ignoring case (further
  /// "=" and trailing blanks belong to the text); "" when no line has that name.
  String GetResStr(const String& ResName) const;

  TStrings* ResStrings() const { return FResStrs.get(); }
  /// The table becomes a copy of Value's lines.
  void SetResStrings(TStrings* Value) { FResStrs->Assign(Value); }
  /// Kept for the windows that show the texts; not interpreted here.
  TFontCharset CharSet() const { return FCharSet; }
  void SetCharSet(TFontCharset Value) { FCharSet = Value; }

private:
  std::unique_ptr<TStringList> FResStrs { std::make_unique<TStringList>() };
  TFontCharset FCharSet { DEFAULT_CHARSET };
};
