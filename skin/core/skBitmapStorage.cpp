#include "skin/core/skBitmapStorage.h"

#include <string_view>
#include <vector>

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TStream.h"

namespace {

std::u16string ToUtf16(std::string_view S) {
  std::u16string Units;
  for (size_t I = 0; I < S.size();) {
    const char32_t C = ReadCodePoint(S, I);
    if (C >= 0x10000) {
      Units.push_back(char16_t(0xD800 + ((C - 0x10000) >> 10)));
      Units.push_back(char16_t(0xDC00 + ((C - 0x10000) & 0x3FF)));
    } else {
      Units.push_back(char16_t(C));
    }
  }
  return Units;
}

String FromUtf16(const std::u16string& Units) {
  String S;
  for (size_t I = 0; I < Units.size(); ++I) {
    char32_t C = Units[I];
    if (C >= 0xD800 && C < 0xDC00 && I + 1 < Units.size() && Units[I + 1] >= 0xDC00 && Units[I + 1] < 0xE000)
      C = 0x10000 + ((C - 0xD800) << 10) + (Units[++I] - 0xDC00);
    else if (C >= 0xD800 && C < 0xE000)
      C = 0xFFFD;  // a lone surrogate
    S += CodePointToUtf8(C);
  }
  return S;
}

bool IsSeparator(char C) {
  return C == ' ' || C == '(' || C == ')' || C == ',' || C == ':' || C == ';' || C == '=';
}

// Takes characters from the front of Rest up to and including the first separator; returns them without
// the separator, and leaves Rest after it. Both are trimmed of surrounding blanks.
String CutToken(String& Rest) {
  size_t I = 0;
  while (I < Rest.size() && !IsSeparator(Rest[I]))
    ++I;
  const String Token = Trim(std::string_view(Rest).substr(0, I));
  Rest = Trim(I < Rest.size() ? std::string_view(Rest).substr(I + 1) : std::string_view());
  return Token;
}

}  // namespace

void WriteStringToStream(TStream* Stream, const String& S) {
  const std::u16string Units = ToUtf16(S);
  Stream->WriteInt32(int32_t(Units.size()));
  for (char16_t U : Units) {
    Stream->WriteByte(Byte(U & 0xFF));
    Stream->WriteByte(Byte(U >> 8));
  }
}

void ReadStringFromStream(TStream* Stream, String& S) {
  const int32_t Count = Stream->ReadInt32();
  if (Count < 0 || int64_t(Count) * 2 > Stream->Size() - Stream->Position())
    throw EReadError("Stream read error");
  std::vector<Byte> Bytes(size_t(Count) * 2);
  Stream->ReadBuffer(Bytes.data(), Int64(Bytes.size()));
  std::u16string Units(size_t(Count), u'\0');
  for (size_t I = 0; I < Units.size(); ++I)
    Units[I] = char16_t(Bytes[2 * I] | Bytes[2 * I + 1] << 8);
  S = FromUtf16(Units);
}

TRect RectFromText(const String& Text) {
  String Rest = Trim(Text);
  int Values[4];
  for (int& V : Values)
    if (!TryStrToInt(CutToken(Rest), V))
      return TRect();
  return { Values[0], Values[1], Values[2], Values[3] };
}
