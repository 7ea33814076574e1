#pragma once
// One skin held in memory in compressed form, as stored skin components and skin lists carry it.
//
// The container of a skin file (and of a list item's stored "Skin" value), integers little-endian:
//   int32 version (3; a version above 3 is not read), int32 N, N bytes of zlib data.
// The inflated data:
//   int32 inner version (3; up to 3 is read), then the main, inactive and mask pictures, each a flag
//   byte (0: one BMP file follows; anything else: no picture, nothing follows) — an inner version of 2
//   has two more such pictures, which are skipped — then int32 count and count BMP files without flags
//   (the further pictures, in index order), then the skin's ini text up to the end.
#include <memory>
#include <span>

#include "platform/base/TComponent.h"
#include "platform/base/TMemoryStream.h"

class TskSkinData;

/// A skin as its zlib data (the container without its 8-byte header); empty while the data is empty.
class TskCompressedStoredSkin : public TComponent {
public:
  /// The largest skin, its pictures and text together, inflated or not: skins are a few MB at most, and a
  /// few KB of zlib data can claim gigabytes.
  static constexpr Int64 MaxSkinSize = Int64(64) << 20;

  explicit TskCompressedStoredSkin(TComponent* AOwner);

  bool Empty() const { return FCompressedStream->Size() == 0; }

  /// Packs the skin now in ASkinData: its pictures and the ini text its writer produces.
  void LoadFromSkinData(TskSkinData* ASkinData);
  /// Packs a skin ini file, its pictures read from the file's folder and its text kept byte for byte. A
  /// file that is not a skin ini changes nothing; a picture that cannot be read raises and also changes
  /// nothing.
  void LoadFromIniFile(const String& AFileName);
  /// Reads a container file. The data is emptied first: a version above 3 leaves it empty; a length that
  /// the file cannot hold or beyond MaxSkinSize raises EReadError and leaves it empty, as does a file that
  /// is not a regular file (EFOpenError).
  void LoadFromCompressFile(const String& AFileName);
  /// Writes the container file (replacing one that exists); an empty skin writes no file.
  void SaveToCompressFile(const String& AFileName);
  /// As LoadFromCompressFile, from the whole of Stream (read from its start).
  void LoadFromCompressStream(TStream* Stream);
  /// Writes the container at Stream's position, also when empty (version 3 and length 0).
  void SaveToCompressStream(TStream* Stream);
  /// Inflates the skin's data into S at its position (see DecompressStream), at most MaxSkinSize bytes.
  void DeCompressToStream(TMemoryStream* S);

  /// The stored value "CompressedData": the zlib data alone.
  void SetCompressedData(std::span<const Byte> Data);

  const String& Description() const { return FDescription; }
  void SetDescription(const String& Value) { FDescription = Value; }
  /// The names the skin came from; stored, nothing is read when they are set.
  const String& FileName() const { return FFileName; }
  void SetFileName(const String& Value) { FFileName = Value; }
  const String& CompressedFileName() const { return FCompressedFileName; }
  void SetCompressedFileName(const String& Value) { FCompressedFileName = Value; }

private:
  void ReadContainer(TStream* Stream);
  /// Compresses Inner into the zlib data.
  void Pack(TMemoryStream* Inner);

  String FFileName;
  String FCompressedFileName;
  std::unique_ptr<TMemoryStream> FCompressedStream { std::make_unique<TMemoryStream>() };
  String FDescription;
};
