#include "skin/core/TskCompressedStoredSkin.h"

#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TFileStream.h"
#include "platform/base/TMemIniFile.h"
#include "platform/base/TStringList.h"
#include "platform/gdi/TBitmap.h"
#include "skin/core/TskSkinData.h"
#include "skin/core/skSkinIni.h"
#include "skin/core/skzlibcompress.h"

namespace {

constexpr int32_t ContainerVersion = 3;

// A picture of the inflated data: its flag (0 when a BMP follows) and the BMP.
void WriteFlagged(TMemoryStream* Inner, TBitmap* Picture) {
  Inner->WriteByte(Picture->Empty() ? 1 : 0);
  if (!Picture->Empty()) Picture->SaveToStream(Inner);
}

// A picture beside a skin ini; an empty name is no picture.
void WritePictureFile(TMemoryStream* Inner, const String& Folder, const String& Name) {
  TBitmap picture;
  if (!Name.empty()) picture.LoadFromFile(Folder + Name);
  WriteFlagged(Inner, &picture);
}

}  // namespace

TskCompressedStoredSkin::TskCompressedStoredSkin(TComponent* AOwner) : TComponent(AOwner) {}

void TskCompressedStoredSkin::LoadFromSkinData(TskSkinData* ASkinData) {
  TMemoryStream inner;
  inner.WriteInt32(ContainerVersion);
  WriteFlagged(&inner, ASkinData->FPicture.get());
  WriteFlagged(&inner, ASkinData->FInActivePicture.get());
  WriteFlagged(&inner, ASkinData->FMask.get());
  inner.WriteInt32(int32_t(ASkinData->FActivePictures.size()));
  for (const auto& picture : ASkinData->FActivePictures) picture->SaveToStream(&inner);
  TMemIniFile ini;
  ASkinData->WriteSkinIni(&ini);
  TStringList lines;
  ini.GetStrings(&lines);
  const String text = lines.Text();
  inner.WriteBuffer(text.data(), Int64(text.size()));
  Pack(&inner);
}

void TskCompressedStoredSkin::LoadFromIniFile(const String& AFileName) {
  TMemIniFile ini(AFileName);
  if (!IsValidSkinIni(&ini)) return;
  const String text = ReadFileToString(AFileName, TMemIniFile::MaxFileSize);
  const String folder = ExtractFilePath(AFileName);
  // Everything is built aside first, so a picture that cannot be read leaves the skin as it was.
  TMemoryStream inner;
  inner.WriteInt32(ContainerVersion);
  for (const char* key : { "picture", "inactivepicture", "mask" })
    WritePictureFile(&inner, folder, ini.ReadString("PICTURES", key, String()));
  TStringList names;
  ReadStrings(&ini, "PICTURES", "activepictures", &names);
  inner.WriteInt32(names.Count());
  for (int i = 0; i < names.Count(); ++i) {
    TBitmap picture;
    picture.LoadFromFile(folder + names.Strings(i));
    picture.SaveToStream(&inner);
  }
  inner.WriteBuffer(text.data(), Int64(text.size()));
  Pack(&inner);
}

void TskCompressedStoredSkin::LoadFromCompressFile(const String& AFileName) {
  FCompressedStream->Clear();
  TFileStream file(AFileName, fmOpenRead | fmShareDenyWrite);
  ReadContainer(&file);
}

void TskCompressedStoredSkin::SaveToCompressFile(const String& AFileName) {
  if (Empty()) return;
  TFileStream file(AFileName, fmCreate);
  SaveToCompressStream(&file);
}

void TskCompressedStoredSkin::LoadFromCompressStream(TStream* Stream) {
  FCompressedStream->Clear();
  Stream->SetPosition(0);
  ReadContainer(Stream);
}

void TskCompressedStoredSkin::SaveToCompressStream(TStream* Stream) {
  Stream->WriteInt32(ContainerVersion);
  Stream->WriteInt32(int32_t(FCompressedStream->Size()));
  FCompressedStream->SaveToStream(Stream);
}

void TskCompressedStoredSkin::DeCompressToStream(TMemoryStream* S) {
  DecompressStream(S, FCompressedStream.get(), MaxSkinSize);
}

void TskCompressedStoredSkin::SetCompressedData(std::span<const Byte> Data) {
  FCompressedStream->Clear();
  FCompressedStream->WriteBuffer(Data.data(), Int64(Data.size()));
}

void TskCompressedStoredSkin::ReadContainer(TStream* Stream) {
  if (Stream->ReadInt32() > ContainerVersion) return;
  // The length comes from the data itself: one the stream cannot hold is damage, not a request to read
  // everything (a copy of 0 bytes means "all") or a negative amount.
  const int32_t length = Stream->ReadInt32();
  if (length < 0 || length > Stream->Size() - Stream->Position()) throw EReadError("Stream read error");
  if (length > MaxSkinSize) throw EReadError("The skin is larger than " + IntToStr(MaxSkinSize >> 20) + " MB");
  if (length > 0) FCompressedStream->CopyFrom(Stream, length);
}

void TskCompressedStoredSkin::Pack(TMemoryStream* Inner) {
  TMemoryStream packed;
  CompressStream(Inner, &packed);
  FCompressedStream->Clear();
  FCompressedStream->CopyFrom(&packed, 0);
}
