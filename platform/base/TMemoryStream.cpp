#include "platform/base/TMemoryStream.h"

#include <algorithm>
#include <cstring>

#include "platform/base/Exception.h"
#include "platform/base/TFileStream.h"

Int64 TMemoryStream::Read(void* Buffer, Int64 Count) {
  Int64 n = std::clamp<Int64>(Size() - FPosition, 0, std::max<Int64>(Count, 0));
  if (n > 0) std::memcpy(Buffer, FData.data() + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

Int64 TMemoryStream::Write(const void* Buffer, Int64 Count) {
  if (Count <= 0) return 0;
  if (FPosition + Count > Size()) FData.resize(static_cast<size_t>(FPosition + Count));
  std::memcpy(FData.data() + FPosition, Buffer, static_cast<size_t>(Count));
  FPosition += Count;
  return Count;
}

Int64 TMemoryStream::Seek(Int64 Offset, TSeekOrigin Origin) {
  Int64 base = Origin == soBeginning ? 0 : Origin == soCurrent ? FPosition : Size();
  if (base + Offset < 0) throw EStreamError("Stream seek error");
  FPosition = base + Offset;
  return FPosition;
}

void TMemoryStream::SetSize(Int64 NewSize) {
  if (NewSize < 0) throw EStreamError("Stream size cannot be negative");
  FData.resize(static_cast<size_t>(NewSize));
  FPosition = std::min(FPosition, NewSize);
}

void TMemoryStream::Clear() {
  String().swap(FData);
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream) {
  // Read into a fresh buffer so that a failing source leaves the old content in place.
  Stream->SetPosition(0);
  String data(static_cast<size_t>(Stream->Size()), '\0');
  Stream->ReadBuffer(data.data(), static_cast<Int64>(data.size()));
  FData.swap(data);
  FPosition = 0;
}

void TMemoryStream::LoadFromFile(const String& FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&file);
}

void TMemoryStream::SaveToStream(TStream* Stream) { Stream->WriteBuffer(FData.data(), Size()); }

void TMemoryStream::SaveToFile(const String& FileName) {
  TFileStream file(FileName, fmCreate);
  SaveToStream(&file);
}
