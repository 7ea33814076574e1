#pragma once
// String, number and text helpers of the run-time library: formatting, number conversions that raise
// EConvertError on bad text, trimming and ASCII case handling, UTF-8 code points, integer arithmetic with
// the system's rounding rules and a seedable random generator. Numbers always use "." as decimal separator,
// whatever the locale. Positions are 0-based byte indexes; -1 means "not found".
#include <array>
#include <cmath>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>

#include "platform/base/TSet.h"
#include "platform/base/Types.h"

// ---------------------------------------------------------------------------------------------------------
// Format

/// One argument of Format: a signed or unsigned integer (with the bit width of its type, which %x and %u
/// use for negative values), a floating-point number, a character or a text (a view: it lives as long as the
/// call).
class TFormatArg {
public:
  enum class TKind { Signed, Unsigned, Float, Char, Text };

  template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char>)
  TFormatArg(T Value) : Kind(std::is_signed_v<T> ? TKind::Signed : TKind::Unsigned), Bits(sizeof(T) * 8) {
    if constexpr (std::is_signed_v<T>) Int = Value;
    else UInt = Value;
  }
  template <std::floating_point T> TFormatArg(T Value) : Kind(TKind::Float), Float(double(Value)) {}
  TFormatArg(char Value) : Kind(TKind::Char), Int(Value) {}
  TFormatArg(const char* Value) : Kind(TKind::Text), Text(Value ? Value : "") {}
  TFormatArg(std::string_view Value) : Kind(TKind::Text), Text(Value) {}
  TFormatArg(const String& Value) : Kind(TKind::Text), Text(Value) {}
  TFormatArg(bool) = delete;

  TKind Kind;
  int Bits { 64 };
  int64_t Int { 0 };
  uint64_t UInt { 0 };
  double Float { 0 };
  std::string_view Text;
};

/// Formats with a list of arguments; see Format.
String FormatArgs(std::string_view Fmt, std::span<const TFormatArg> Args);

/// Formats text: each "%" [-] [width] [.precision] [l] type takes the next argument. Types: d (signed
/// decimal; precision = minimum digits, zero-padded after the sign), u (unsigned decimal), x and X
/// (upper-case hexadecimal; precision as d), s (text; precision = most code points kept), f (fixed;
/// precision = decimals, 2 when omitted), e (scientific, "d.dddE+ddd"; precision = significant digits,
/// 15 when omitted), g (general as FloatToStr; precision = significant digits, 15 when omitted); "%%" is
/// "%". Width pads with blanks on the left, or on the right with "-"; widths of texts count code points.
/// Floating-point digits round half away from zero. Integers go to d, u, x; floating-point numbers to f,
/// e, g; texts and characters to s. An unknown type, a missing argument or an argument of the wrong kind
/// raises EConvertError "Format '<Fmt>' invalid or incompatible with argument"; surplus arguments are
/// ignored.
template <class... TArgs> String Format(std::string_view Fmt, const TArgs&... Args) {
  const std::array<TFormatArg, sizeof...(TArgs)> list { TFormatArg(Args)... };
  return FormatArgs(Fmt, list);
}

// ---------------------------------------------------------------------------------------------------------
// Numbers

/// Decimal text of Value, with a minus sign when negative.
String IntToStr(Int64 Value);

namespace SysUtilsDetail {
String HexDigits(uint64_t Value, int Digits);
}

/// Upper-case hexadecimal text of Value with at least Digits digits; a negative value is written as the
/// two's complement of its own type's width (IntToHex(-1, 1) = "FFFFFFFF" for an int).
template <std::integral T> String IntToHex(T Value, int Digits) {
  return SysUtilsDetail::HexDigits(uint64_t(std::make_unsigned_t<T>(Value)), Digits);
}

/// Integer value of S: an optional sign, then decimal digits or hexadecimal digits after "$" or "0x";
/// no blanks. Bad text or a value out of range raises EConvertError "'<S>' is not a valid integer value".
/// Hexadecimal text may use all 32 bits ("$FFFFFFFF" is -1).
int StrToInt(std::string_view S);
/// StrToInt for 64-bit values (hexadecimal text may use all 64 bits).
Int64 StrToInt64(std::string_view S);
/// StrToInt, or Default when S is not a valid integer.
int StrToIntDef(std::string_view S, int Default);
/// StrToInt64, or Default when S is not a valid integer.
Int64 StrToInt64Def(std::string_view S, Int64 Default);
/// StrToInt that reports bad text by result; Value is unchanged then.
bool TryStrToInt(std::string_view S, int& Value);
/// StrToInt64 that reports bad text by result; Value is unchanged then.
bool TryStrToInt64(std::string_view S, Int64& Value);

/// Shortest general text of Value with 15 significant digits: fixed notation while the value has at most
/// 15 integer digits and is at least 0.0001 in size, otherwise "1.5E20" / "1E-5"; "." as separator;
/// "NAN", "INF", "-INF" for the special values.
String FloatToStr(double Value);
/// Floating-point value of S: blanks around it, an optional sign, digits with an optional "." and an
/// optional exponent ("1.5e-3"); "." is the separator in every locale. Bad text or a value too large
/// raises EConvertError "'<S>' is not a valid floating point value".
double StrToFloat(std::string_view S);
/// StrToFloat, or Default when S is not a valid number.
double StrToFloatDef(std::string_view S, double Default);
/// StrToFloat that reports bad text by result; Value is unchanged then.
bool TryStrToFloat(std::string_view S, double& Value);

/// Value rounded to the nearest integer, halves to the even neighbour.
inline Int64 Round(double Value) { return Int64(std::nearbyint(Value)); }
/// Value with its fraction dropped (toward zero).
inline Int64 Trunc(double Value) { return Int64(Value); }
/// Number * Numerator / Denominator with a 64-bit intermediate, rounded half away from zero; -1 when
/// Denominator is 0 or the result does not fit an int.
int MulDiv(int Number, int Numerator, int Denominator);

/// Seed of Random; setting it makes the following sequence repeatable.
extern uint32_t RandSeed;
/// Seeds Random from the clock.
void Randomize();
/// A pseudo-random integer in 0 .. Range - 1 (0 when Range <= 0).
int Random(int Range);
/// A pseudo-random number in [0, 1).
double Random();

// ---------------------------------------------------------------------------------------------------------
// Text

/// S without leading and trailing blanks and control characters (bytes up to " ").
String Trim(std::string_view S);
/// S without leading blanks and control characters.
String TrimLeft(std::string_view S);
/// S without trailing blanks and control characters.
String TrimRight(std::string_view S);

/// S with ASCII letters in upper case; other bytes unchanged.
String UpperCase(std::string_view S);
/// S with ASCII letters in lower case; other bytes unchanged.
String LowerCase(std::string_view S);
/// Byte-wise comparison: negative, 0 or positive.
int CompareStr(std::string_view S1, std::string_view S2);
/// Byte-wise comparison with ASCII letters taken in upper case (so "_" sorts after letters): negative, 0 or
/// positive.
int CompareText(std::string_view S1, std::string_view S2);
/// True when S1 and S2 differ at most in the case of ASCII letters.
bool SameText(std::string_view S1, std::string_view S2);
/// Comparison of display texts by code point with letters taken in lower case (LowerCodePoint, so "_" sorts
/// before letters): negative, 0 or positive.
int AnsiCompareText(std::string_view S1, std::string_view S2);

/// Index of the first occurrence of Sub in S at or after Offset, or -1 (also for an empty Sub).
int Pos(std::string_view Sub, std::string_view S, int Offset = 0);
/// At most Count bytes of S from Index; indexes out of range give a shorter or empty result.
String Copy(std::string_view S, int Index, int Count);

enum TReplaceFlag { rfReplaceAll, rfIgnoreCase };
using TReplaceFlags = TSet<TReplaceFlag>;
/// S with the first (rfReplaceAll: every) occurrence of OldPattern replaced by NewPattern; rfIgnoreCase
/// matches ASCII letters in either case. An empty OldPattern replaces nothing.
String StringReplace(std::string_view S, std::string_view OldPattern, std::string_view NewPattern,
                     TReplaceFlags Flags);

/// S with every CR LF and every lone CR turned into LF.
String AdjustLineBreaks(std::string_view S);

// ---------------------------------------------------------------------------------------------------------
// UTF-8 code points. A byte that does not start a valid sequence counts as one code point of its own, so
// no text is ever lost or cut inside a character.

/// Number of code points in S.
size_t CodePointCount(std::string_view S);
/// True when S is well-formed UTF-8 (no overlong forms, surrogates or values above U+10FFFF).
bool IsValidUtf8(std::string_view S);
/// S as well-formed UTF-8: every byte that does not start a valid sequence becomes U+FFFD, so no later
/// text can join it into a character.
String ToValidUtf8(std::string_view S);
/// The code point starting at Index; Index moves past it. An invalid byte gives U+FFFD and moves by one.
char32_t ReadCodePoint(std::string_view S, size_t& Index);
/// The UTF-8 bytes of one code point (U+FFFD for surrogates and values above U+10FFFF).
String CodePointToUtf8(char32_t CodePoint);
/// Byte index of code point number N of S (S.size() when S has fewer code points).
size_t CodePointOffset(std::string_view S, size_t N);
/// Byte index where the code point ending just before Index starts (0 at the start).
size_t PrevCodePointStart(std::string_view S, size_t Index);
/// The lower-case form of an upper-case Latin (ASCII and Latin-1), Greek or Cyrillic letter; any other code
/// point unchanged. The case folding of file masks and display-text comparisons.
char32_t LowerCodePoint(char32_t CodePoint);
/// The upper-case form of the letters LowerCodePoint lowers; any other code point unchanged.
char32_t UpperCodePoint(char32_t CodePoint);
