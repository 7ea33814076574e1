#include "platform/base/SysUtils.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include <locale.h>

#include "platform/base/Exception.h"

namespace {

// ---------------------------------------------------------------------------------------------------------
// Decimal digits of a double. The value is first written with 18 significant digits and rounded from
// there half away from zero, so 0.125 with two decimals shows as "0.13" and 2.5 with none as "3".

constexpr int MaxDigits = 18;

/// Value = 0.Digits * 10^Exponent; Digits is empty for zero.
struct TDecimal {
  bool Negative { false };
  String Digits;
  int Exponent { 0 };
};

TDecimal ToDecimal(double Value) {
  TDecimal d;
  d.Negative = std::signbit(Value);
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.*e", MaxDigits - 1, std::fabs(Value));
  for (const char* p = buf; *p && *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') d.Digits += *p;
  d.Exponent = std::atoi(std::strchr(buf, 'e') + 1) + 1;
  while (!d.Digits.empty() && d.Digits.back() == '0') d.Digits.pop_back();
  if (d.Digits.empty()) d.Exponent = 0;
  return d;
}

/// Keeps Count significant digits (none when Count <= 0), rounding half away from zero.
void RoundDigits(TDecimal& d, int Count) {
  if (Count >= int(d.Digits.size())) return;
  bool up = Count >= 0 && d.Digits[size_t(Count)] >= '5';
  d.Digits.resize(size_t(std::max(Count, 0)));
  if (up) {
    int i = int(d.Digits.size()) - 1;
    while (i >= 0 && d.Digits[size_t(i)] == '9') d.Digits[size_t(i--)] = '0';
    if (i >= 0) ++d.Digits[size_t(i)];
    else {
      d.Digits.insert(d.Digits.begin(), '1');
      ++d.Exponent;
    }
  }
  while (!d.Digits.empty() && d.Digits.back() == '0') d.Digits.pop_back();
  if (d.Digits.empty()) d.Exponent = 0;
}

char DigitAt(const TDecimal& d, int Index) {
  return Index >= 0 && Index < int(d.Digits.size()) ? d.Digits[size_t(Index)] : '0';
}

String SpecialText(double Value) {
  if (std::isnan(Value)) return "NAN";
  return Value < 0 ? "-INF" : "INF";
}

String Sign(const TDecimal& d) { return d.Negative && !d.Digits.empty() ? "-" : ""; }

String FixedText(double Value, int Decimals) {
  if (!std::isfinite(Value)) return SpecialText(Value);
  TDecimal d = ToDecimal(Value);
  RoundDigits(d, d.Exponent + Decimals);
  String s = Sign(d);
  if (d.Exponent <= 0) s += '0';
  for (int i = 0; i < d.Exponent; ++i) s += DigitAt(d, i);
  if (Decimals > 0) {
    s += '.';
    for (int i = 0; i < Decimals; ++i) s += DigitAt(d, d.Exponent + i);
  }
  return s;
}

String ExponentText(int Exponent, bool PlusSign, int MinDigits) {
  String digits = std::to_string(std::abs(Exponent));
  if (int(digits.size()) < MinDigits) digits.insert(0, size_t(MinDigits) - digits.size(), '0');
  return String("E") + (Exponent < 0 ? "-" : PlusSign ? "+" : "") + digits;
}

String ScientificText(double Value, int Precision) {
  if (!std::isfinite(Value)) return SpecialText(Value);
  Precision = std::clamp(Precision, 1, MaxDigits);
  TDecimal d = ToDecimal(Value);
  RoundDigits(d, Precision);
  String s = Sign(d) + DigitAt(d, 0);
  if (Precision > 1) {
    s += '.';
    for (int i = 1; i < Precision; ++i) s += DigitAt(d, i);
  }
  return s + ExponentText(d.Digits.empty() ? 0 : d.Exponent - 1, true, 3);
}

String GeneralText(double Value, int Precision) {
  if (!std::isfinite(Value)) return SpecialText(Value);
  Precision = std::clamp(Precision, 1, MaxDigits);
  TDecimal d = ToDecimal(Value);
  RoundDigits(d, Precision);
  if (d.Digits.empty()) return "0";
  String s = Sign(d);
  int count = int(d.Digits.size());
  if (d.Exponent > Precision || d.Exponent < -3) {
    s += d.Digits[0];
    if (count > 1) s += '.' + d.Digits.substr(1);
    return s + ExponentText(d.Exponent - 1, false, 0);
  }
  if (d.Exponent <= 0) return s + "0." + String(size_t(-d.Exponent), '0') + d.Digits;
  for (int i = 0; i < d.Exponent; ++i) s += DigitAt(d, i);
  if (count > d.Exponent) s += '.' + d.Digits.substr(size_t(d.Exponent));
  return s;
}

// ---------------------------------------------------------------------------------------------------------
// Format

struct TSpec {
  bool Left { false };
  int Width { 0 };
  int Precision { -1 };
  char Type { 0 };
};

[[noreturn]] void FormatError(std::string_view Fmt) {
  throw EConvertError("Format '" + String(Fmt) + "' invalid or incompatible with argument");
}

String Pad(String s, const TSpec& spec) {
  size_t length = CodePointCount(s);
  if (int(length) >= spec.Width) return s;
  String fill(size_t(spec.Width) - length, ' ');
  return spec.Left ? s + fill : fill + s;
}

String MinDigits(String digits, int Precision) {
  if (int(digits.size()) < Precision) digits.insert(0, size_t(Precision) - digits.size(), '0');
  return digits;
}

uint64_t AsUnsigned(const TFormatArg& Arg) {
  if (Arg.Kind == TFormatArg::TKind::Unsigned) return Arg.UInt;
  uint64_t bits = uint64_t(Arg.Int);
  return Arg.Bits >= 64 ? bits : bits & ((uint64_t(1) << Arg.Bits) - 1);
}

String IntegerText(const TFormatArg& Arg, const TSpec& spec, std::string_view Fmt) {
  if (Arg.Kind != TFormatArg::TKind::Signed && Arg.Kind != TFormatArg::TKind::Unsigned) FormatError(Fmt);
  switch (spec.Type) {
    case 'd':
      if (Arg.Kind == TFormatArg::TKind::Signed && Arg.Int < 0)
        return "-" + MinDigits(std::to_string(uint64_t(0) - uint64_t(Arg.Int)), spec.Precision);
      return MinDigits(Arg.Kind == TFormatArg::TKind::Signed ? std::to_string(Arg.Int) : std::to_string(Arg.UInt),
                       spec.Precision);
    case 'u': return MinDigits(std::to_string(AsUnsigned(Arg)), spec.Precision);
    default: return SysUtilsDetail::HexDigits(AsUnsigned(Arg), spec.Precision);
  }
}

String FloatText(const TFormatArg& Arg, const TSpec& spec, std::string_view Fmt) {
  if (Arg.Kind != TFormatArg::TKind::Float) FormatError(Fmt);
  switch (spec.Type) {
    case 'f': return FixedText(Arg.Float, spec.Precision < 0 ? 2 : spec.Precision);
    case 'e': return ScientificText(Arg.Float, spec.Precision < 0 ? 15 : spec.Precision);
    default: return GeneralText(Arg.Float, spec.Precision < 0 ? 15 : spec.Precision);
  }
}

String TextText(const TFormatArg& Arg, const TSpec& spec, std::string_view Fmt) {
  String s;
  if (Arg.Kind == TFormatArg::TKind::Text) s = String(Arg.Text);
  else if (Arg.Kind == TFormatArg::TKind::Char) s = String(1, char(Arg.Int));
  else FormatError(Fmt);
  if (spec.Precision >= 0) s.resize(CodePointOffset(s, size_t(spec.Precision)));
  return s;
}

int ReadNumber(std::string_view Fmt, size_t& i) {
  int n = 0;
  while (i < Fmt.size() && Fmt[i] >= '0' && Fmt[i] <= '9') {
    n = std::min(n * 10 + (Fmt[i] - '0'), 1 << 20);
    ++i;
  }
  return n;
}

// ---------------------------------------------------------------------------------------------------------
// Integer parsing

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

/// Parses S into a magnitude and sign; HexBits limits hexadecimal text, which may then use the sign bit.
bool ParseInteger(std::string_view S, int HexBits, Int64 Min, Int64 Max, Int64& Value) {
  size_t i = 0;
  bool negative = false;
  if (i < S.size() && (S[i] == '+' || S[i] == '-')) negative = S[i++] == '-';
  int base = 10;
  if (i < S.size() && S[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < S.size() && S[i] == '0' && (S[i + 1] == 'x' || S[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == S.size()) return false;
  uint64_t magnitude = 0;
  const uint64_t limit = base == 16 ? (HexBits >= 64 ? ~uint64_t(0) : (uint64_t(1) << HexBits) - 1)
                                    : uint64_t(Max) + 1;
  for (; i < S.size(); ++i) {
    char c = AsciiLower(S[i]);
    int digit = c >= '0' && c <= '9' ? c - '0' : base == 16 && c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    if (digit < 0) return false;
    if (magnitude > (limit - uint64_t(digit)) / uint64_t(base)) return false;
    magnitude = magnitude * uint64_t(base) + uint64_t(digit);
  }
  Int64 result;
  if (base == 16) {
    // Hexadecimal text gives the bit pattern of the target type.
    uint64_t bits = negative ? uint64_t(0) - magnitude : magnitude;
    if (HexBits < 64) {
      bits &= (uint64_t(1) << HexBits) - 1;
      if (bits >> (HexBits - 1)) bits |= ~((uint64_t(1) << HexBits) - 1);
    }
    result = Int64(bits);
  } else {
    if (!negative && magnitude > uint64_t(Max)) return false;
    if (negative && magnitude > uint64_t(Max) + 1) return false;
    result = negative ? Int64(uint64_t(0) - magnitude) : Int64(magnitude);
  }
  if (result < Min || result > Max) return false;
  Value = result;
  return true;
}

[[noreturn]] void IntegerError(std::string_view S) {
  throw EConvertError("'" + String(S) + "' is not a valid integer value");
}

// ---------------------------------------------------------------------------------------------------------
// UTF-8

size_t SequenceLength(std::string_view S, size_t Index, char32_t& CodePoint) {
  auto byte = [&](size_t k) { return static_cast<unsigned char>(S[k]); };
  unsigned char lead = byte(Index);
  if (lead < 0x80) {
    CodePoint = lead;
    return 1;
  }
  size_t length;
  char32_t value;
  char32_t minimum;
  if ((lead & 0xE0) == 0xC0) { length = 2; value = lead & 0x1F; minimum = 0x80; }
  else if ((lead & 0xF0) == 0xE0) { length = 3; value = lead & 0x0F; minimum = 0x800; }
  else if ((lead & 0xF8) == 0xF0) { length = 4; value = lead & 0x07; minimum = 0x10000; }
  else return 0;
  if (Index + length > S.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    if ((byte(Index + k) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte(Index + k) & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  CodePoint = value;
  return length;
}

} // namespace

// ---------------------------------------------------------------------------------------------------------

String FormatArgs(std::string_view Fmt, std::span<const TFormatArg> Args) {
  String out;
  size_t next = 0;
  for (size_t i = 0; i < Fmt.size();) {
    if (Fmt[i] != '%') {
      out += Fmt[i++];
      continue;
    }
    ++i;
    if (i < Fmt.size() && Fmt[i] == '%') {
      out += '%';
      ++i;
      continue;
    }
    TSpec spec;
    if (i < Fmt.size() && Fmt[i] == '-') {
      spec.Left = true;
      ++i;
    }
    spec.Width = ReadNumber(Fmt, i);
    if (i < Fmt.size() && Fmt[i] == '.') {
      ++i;
      spec.Precision = ReadNumber(Fmt, i);
    }
    if (i < Fmt.size() && Fmt[i] == 'l') ++i;
    if (i >= Fmt.size() || next >= Args.size()) FormatError(Fmt);
    spec.Type = AsciiLower(Fmt[i++]);
    const TFormatArg& arg = Args[next++];
    switch (spec.Type) {
      case 'd': case 'u': case 'x': out += Pad(IntegerText(arg, spec, Fmt), spec); break;
      case 'f': case 'e': case 'g': out += Pad(FloatText(arg, spec, Fmt), spec); break;
      case 's': out += Pad(TextText(arg, spec, Fmt), spec); break;
      default: FormatError(Fmt);
    }
  }
  return out;
}

String IntToStr(Int64 Value) { return std::to_string(Value); }

String SysUtilsDetail::HexDigits(uint64_t Value, int Digits) {
  static const char hex[] = "0123456789ABCDEF";
  String s;
  do {
    s.insert(s.begin(), hex[Value & 15]);
    Value >>= 4;
  } while (Value);
  return MinDigits(s, Digits);
}

bool TryStrToInt(std::string_view S, int& Value) {
  Int64 v;
  if (!ParseInteger(S, 32, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), v)) return false;
  Value = int(v);
  return true;
}

bool TryStrToInt64(std::string_view S, Int64& Value) {
  return ParseInteger(S, 64, std::numeric_limits<Int64>::min(), std::numeric_limits<Int64>::max(), Value);
}

int StrToInt(std::string_view S) {
  int v;
  if (!TryStrToInt(S, v)) IntegerError(S);
  return v;
}

Int64 StrToInt64(std::string_view S) {
  Int64 v;
  if (!TryStrToInt64(S, v)) IntegerError(S);
  return v;
}

int StrToIntDef(std::string_view S, int Default) {
  TryStrToInt(S, Default);
  return Default;
}

Int64 StrToInt64Def(std::string_view S, Int64 Default) {
  TryStrToInt64(S, Default);
  return Default;
}

String FloatToStr(double Value) { return GeneralText(Value, 15); }

bool TryStrToFloat(std::string_view S, double& Value) {
  std::string_view t = S;
  while (!t.empty() && IsBlankOrControl(t.front())) t.remove_prefix(1);
  while (!t.empty() && IsBlankOrControl(t.back())) t.remove_suffix(1);
  bool negative = false;
  if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
    negative = t[0] == '-';
    t.remove_prefix(1);
  }
  // Check the grammar first: the converter below would also take "inf", "nan", hexadecimal text and blanks.
  size_t i = 0;
  size_t digits = 0;
  auto skipDigits = [&] {
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
  };
  skipDigits();
  if (i < t.size() && t[i] == '.') {
    ++i;
    skipDigits();
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t before = i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
    if (i == before) return false;
  }
  if (i != t.size()) return false;
  // Converted in the "C" locale: "." is the separator whatever locale the process runs in. A value too
  // small to represent becomes 0 or a denormal; one too large is refused.
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
  const String text(t);
  double v = strtod_l(text.c_str(), nullptr, cLocale);
  if (std::isinf(v)) return false;
  Value = negative ? -v : v;
  return true;
}

double StrToFloat(std::string_view S) {
  double v;
  if (!TryStrToFloat(S, v)) throw EConvertError("'" + String(S) + "' is not a valid floating point value");
  return v;
}

double StrToFloatDef(std::string_view S, double Default) {
  TryStrToFloat(S, Default);
  return Default;
}

int MulDiv(int Number, int Numerator, int Denominator) {
  if (Denominator == 0) return -1;
  Int64 product = Int64(Number) * Numerator;
  Int64 quotient = product / Denominator;
  Int64 remainder = product % Denominator;
  if (2 * (remainder < 0 ? -remainder : remainder) >= (Denominator < 0 ? -Int64(Denominator) : Denominator))
    quotient += (product < 0) == (Denominator < 0) ? 1 : -1;
  if (quotient < std::numeric_limits<int>::min() || quotient > std::numeric_limits<int>::max()) return -1;
  return int(quotient);
}

uint32_t RandSeed = 0;

void Randomize() {
  RandSeed = uint32_t(std::chrono::steady_clock::now().time_since_epoch().count() ^
                     std::chrono::system_clock::now().time_since_epoch().count());
}

namespace {
uint32_t NextRandom() {
  RandSeed = RandSeed * 134775813u + 1u;
  return RandSeed;
}
} // namespace

int Random(int Range) {
  if (Range <= 0) return 0;
  return int((uint64_t(NextRandom()) * uint64_t(Range)) >> 32);
}

double Random() { return NextRandom() / 4294967296.0; }

String TrimLeft(std::string_view S) {
  size_t b = 0;
  while (b < S.size() && IsBlankOrControl(S[b])) ++b;
  return String(S.substr(b));
}

String TrimRight(std::string_view S) {
  size_t e = S.size();
  while (e > 0 && IsBlankOrControl(S[e - 1])) --e;
  return String(S.substr(0, e));
}

String Trim(std::string_view S) { return TrimLeft(TrimRight(S)); }

String UpperCase(std::string_view S) {
  String s(S);
  std::transform(s.begin(), s.end(), s.begin(), AsciiUpper);
  return s;
}

String LowerCase(std::string_view S) {
  String s(S);
  std::transform(s.begin(), s.end(), s.begin(), AsciiLower);
  return s;
}

int CompareStr(std::string_view S1, std::string_view S2) {
  int c = S1.compare(S2);
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

int CompareText(std::string_view S1, std::string_view S2) {
  size_t n = std::min(S1.size(), S2.size());
  for (size_t i = 0; i < n; ++i) {
    auto a = static_cast<unsigned char>(AsciiUpper(S1[i]));
    auto b = static_cast<unsigned char>(AsciiUpper(S2[i]));
    if (a != b) return a < b ? -1 : 1;
  }
  return S1.size() < S2.size() ? -1 : S1.size() > S2.size() ? 1 : 0;
}

bool SameText(std::string_view S1, std::string_view S2) {
  return S1.size() == S2.size() && CompareText(S1, S2) == 0;
}

int AnsiCompareText(std::string_view S1, std::string_view S2) {
  size_t i = 0, j = 0;
  while (i < S1.size() && j < S2.size()) {
    char32_t a = LowerCodePoint(ReadCodePoint(S1, i));
    char32_t b = LowerCodePoint(ReadCodePoint(S2, j));
    if (a != b) return a < b ? -1 : 1;
  }
  bool end1 = i >= S1.size(), end2 = j >= S2.size();
  return end1 && end2 ? 0 : end1 ? -1 : 1;
}

int Pos(std::string_view Sub, std::string_view S, int Offset) {
  if (Sub.empty() || Offset < 0 || size_t(Offset) > S.size()) return -1;
  size_t p = S.find(Sub, size_t(Offset));
  return p == std::string_view::npos ? -1 : int(p);
}

String Copy(std::string_view S, int Index, int Count) {
  if (Index < 0) {
    Count += Index;
    Index = 0;
  }
  if (Count <= 0 || size_t(Index) >= S.size()) return String();
  return String(S.substr(size_t(Index), size_t(Count)));
}

String StringReplace(std::string_view S, std::string_view OldPattern, std::string_view NewPattern,
                     TReplaceFlags Flags) {
  if (OldPattern.empty()) return String(S);
  const bool ignoreCase = Flags.Contains(rfIgnoreCase);
  auto matchesAt = [&](size_t at) {
    if (at + OldPattern.size() > S.size()) return false;
    std::string_view part = S.substr(at, OldPattern.size());
    return ignoreCase ? SameText(part, OldPattern) : part == OldPattern;
  };
  String out;
  size_t i = 0;
  bool replaced = false;
  while (i < S.size()) {
    if ((!replaced || Flags.Contains(rfReplaceAll)) && matchesAt(i)) {
      out += NewPattern;
      i += OldPattern.size();
      replaced = true;
    } else {
      out += S[i++];
    }
  }
  return out;
}

String AdjustLineBreaks(std::string_view S) {
  String out;
  out.reserve(S.size());
  for (size_t i = 0; i < S.size(); ++i) {
    if (S[i] == '\r') {
      out += '\n';
      if (i + 1 < S.size() && S[i + 1] == '\n') ++i;
    } else {
      out += S[i];
    }
  }
  return out;
}

size_t CodePointCount(std::string_view S) {
  size_t count = 0;
  for (size_t i = 0; i < S.size(); ++count) ReadCodePoint(S, i);
  return count;
}

bool IsValidUtf8(std::string_view S) {
  char32_t c;
  for (size_t i = 0; i < S.size();) {
    size_t length = SequenceLength(S, i, c);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

String ToValidUtf8(std::string_view S) {
  if (IsValidUtf8(S)) return String(S);
  String out;
  for (size_t i = 0; i < S.size();) out += CodePointToUtf8(ReadCodePoint(S, i));
  return out;
}

char32_t ReadCodePoint(std::string_view S, size_t& Index) {
  char32_t c = 0xFFFD;
  size_t length = SequenceLength(S, Index, c);
  Index += length ? length : 1;
  return length ? c : 0xFFFD;
}

String CodePointToUtf8(char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
  String s;
  if (c < 0x80) {
    s += char(c);
  } else if (c < 0x800) {
    s += char(0xC0 | (c >> 6));
    s += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += char(0xE0 | (c >> 12));
    s += char(0x80 | ((c >> 6) & 0x3F));
    s += char(0x80 | (c & 0x3F));
  } else {
    s += char(0xF0 | (c >> 18));
    s += char(0x80 | ((c >> 12) & 0x3F));
    s += char(0x80 | ((c >> 6) & 0x3F));
    s += char(0x80 | (c & 0x3F));
  }
  return s;
}

size_t CodePointOffset(std::string_view S, size_t N) {
  size_t i = 0;
  for (size_t k = 0; k < N && i < S.size(); ++k) ReadCodePoint(S, i);
  return i;
}

size_t PrevCodePointStart(std::string_view S, size_t Index) {
  Index = std::min(Index, S.size());
  if (Index == 0) return 0;
  // A sequence is at most four bytes long; take the start whose sequence ends exactly at Index.
  for (size_t back = 2; back <= 4 && back <= Index; ++back) {
    size_t start = Index - back;
    char32_t c;
    if (SequenceLength(S, start, c) == back) return start;
  }
  return Index - 1;
}

char32_t LowerCodePoint(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
      (c >= 0x410 && c <= 0x42F))
    return c + 32;
  if (c >= 0x400 && c <= 0x40F) return c + 80;
  return c;
}

char32_t UpperCodePoint(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if ((c >= 0xE0 && c <= 0xFE && c != 0xF7) || (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) || (c >= 0x430 && c <= 0x44F))
    return c - 32;
  if (c >= 0x450 && c <= 0x45F) return c - 80;
  return c;
}
