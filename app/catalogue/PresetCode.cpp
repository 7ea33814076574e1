#include "app/catalogue/PresetCode.h"

#include "platform/base/SysUtils.h"

namespace {

constexpr size_t PairLength = 2;
constexpr size_t CodeLength = PairLength * PresetRoleCount;

String Pair(int Index) { return Format("%.2d", Index); }

}  // namespace

String PresetCode(const std::array<int, PresetRoleCount>& Indexes) {
  String Code;
  for (int Index : Indexes)
    Code += Pair(Index);
  return Code;
}

String ReplacePresetCodePair(const String& Code, TPresetRole Role, int Index) {
  String Result = Code;
  if (Result.size() < CodeLength)
    Result.resize(CodeLength, '0');
  Result.replace(size_t(Role) * PairLength, PairLength, Pair(Index));
  return Result;
}

std::array<int, PresetRoleCount> PresetCodeIndexes(const String& Code) {
  std::array<int, PresetRoleCount> Indexes {};
  for (size_t Role = 0; Role < Indexes.size(); ++Role)
    Indexes[Role] = StrToInt(Copy(Code, int(Role * PairLength), int(PairLength)));
  return Indexes;
}
