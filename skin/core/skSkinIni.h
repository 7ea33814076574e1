#pragma once
// The text forms of skin ini values and their readers and writers over an ini file object, and the test
// that an ini text is a skin. Integers and strings go through the ini object's own operations; every
// other value type has the fixed form below. Text comparisons of values are exact and case-sensitive;
// finding sections and keys is the ini object's business and ignores case.
#include "platform/base/TAlignment.h"
#include "platform/base/Types.h"
#include "platform/gdi/TFont.h"
#include "skin/core/skSkinTypes.h"

class TCustomIniFile;
class TStrings;

/// "L,T,R,B" and "X,Y": every character that is neither a digit nor a comma is dropped, the minus sign
/// too, so a value read back is never negative (stored skins rely on this). Commas separate the fields;
/// fields beyond the fourth (the second for a point) are ignored. A field without digits, or beyond the
/// largest side a picture can have (MaxPictureSide), raises EConvertError.
TRect ParseRect(const String& Text);
TPoint ParsePoint(const String& Text);

/// A rectangle: an absent key reads as (0,0,0,0); a present one goes through ParseRect.
TRect ReadRect(TCustomIniFile* IniFile, const String& Section, const String& Ident);
/// Writes "L,T,R,B" with no blanks (a negative number keeps its sign).
void WriteRect(TCustomIniFile* IniFile, const String& Section, const String& Ident, const TRect& Value);
/// A point: an absent key reads as (0,0); a present one goes through ParsePoint.
TPoint ReadPoint(TCustomIniFile* IniFile, const String& Section, const String& Ident);
void WritePoint(TCustomIniFile* IniFile, const String& Section, const String& Ident, const TPoint& Value);

/// True exactly when the value is the integer 1 ("1", "0x1"); anything else, and an absent key, is false.
bool ReadBoolean(TCustomIniFile* IniFile, const String& Section, const String& Ident);
/// Writes "1" or "0".
void WriteBoolean(TCustomIniFile* IniFile, const String& Section, const String& Ident, bool Value);

/// Each style is present when its name ("fsbold", "fsitalic", "fsunderline", "fsstrikeout") occurs
/// anywhere in the value.
TFontStyles ReadFontStyles(TCustomIniFile* IniFile, const String& Section, const String& Ident);
/// Writes the names of the styles present, in the order above, joined by ","; "" for no style.
void WriteFontStyles(TCustomIniFile* IniFile, const String& Section, const String& Ident, TFontStyles Value);

/// "tacenter" and "taleftjustify" give their values, any other text taRightJustify; absent: taCenter.
TAlignment ReadAlignment(TCustomIniFile* IniFile, const String& Section, const String& Ident);
void WriteAlignment(TCustomIniFile* IniFile, const String& Section, const String& Ident, TAlignment Value);
/// "stfull" and "stvert" give their values, any other text skstHorz; absent: skstFull.
TskStretchType ReadStretchType(TCustomIniFile* IniFile, const String& Section, const String& Ident);
void WriteStretchType(TCustomIniFile* IniFile, const String& Section, const String& Ident, TskStretchType Value);
/// A value's name gives the value, any other text mkDefault; absent: mkDefault.
TskMorphKind ReadMorphKind(TCustomIniFile* IniFile, const String& Section, const String& Ident);
void WriteMorphKind(TCustomIniFile* IniFile, const String& Section, const String& Ident, TskMorphKind Value);
/// A value's name gives the value, any other text ieGrayScale; absent: ieBrightness.
TskInActiveEffect ReadInActiveEffect(TCustomIniFile* IniFile, const String& Section, const String& Ident);
void WriteInActiveEffect(TCustomIniFile* IniFile, const String& Section, const String& Ident,
                         TskInActiveEffect Value);

/// Appends the list stored in Section to Strings (not cleared first): the count under Ident + "count",
/// then the items under the keys "0", "1", ... A count that is 0, negative or not a number adds nothing;
/// one above the number of keys in Section raises EConvertError and adds nothing.
void ReadStrings(TCustomIniFile* IniFile, const String& Section, const String& Ident, TStrings* Strings);
/// Writes the count under Ident + "count", then item i under the key i.
void WriteStrings(TCustomIniFile* IniFile, const String& Section, const String& Ident, TStrings* Strings);

/// True when the sections "VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS" and "SKINCONTROLS" each hold
/// at least one key.
bool IsValidSkinIni(TCustomIniFile* IniFile);

/// The caption command of a value: the names "cmclose" ... "cmrollup" give their values, any other text
/// (also "cmminimizetotray") cmMinimizeToTray.
TskStdCommand StdCommandFromText(const String& Text);
/// The name of a caption command ("cmminimizetotray" for cmMinimizeToTray).
String StdCommandToText(TskStdCommand Value);
