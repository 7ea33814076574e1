#pragma once
// Compression of skin data with zlib: the errors of the zlib streams, their compression levels, and the
// helpers that compress or inflate a whole stream. The stream classes are TCompressionStream and
// TDecompressionStream.
#include <cstdint>

#include "platform/base/Exception.h"

class TMemoryStream;
class TStream;

/// Base of the errors of the zlib streams.
ZORVIK_DECLARE_EXCEPTION(EZlibError, Exception)
/// Deflate failed ("error") or a compressing stream was used the wrong way ("Invalid stream operation").
ZORVIK_DECLARE_EXCEPTION(ECompressionError, EZlibError)
/// The data is not a valid zlib stream ("compression error") or a decompressing stream was used the wrong
/// way ("Invalid stream operation").
ZORVIK_DECLARE_EXCEPTION(EDecompressionError, EZlibError)

/// Compression levels: none (0), fastest (1), zlib's default (-1) and the highest (9). Scoped, since the
/// colour names clNone and clDefault are taken.
enum class TCompressionLevel { clNone, clFastest, clDefault, clMax };

/// Compresses all of Source (from its start) at TCompressionLevel::clMax into one complete zlib stream written at Dest's
/// position.
void CompressStream(TMemoryStream* Source, TStream* Dest);
/// Inflates the zlib stream that fills Source from its start into Dest, at Dest's position, in blocks of
/// 4096 bytes. Data that is not a complete zlib stream (damaged, or ending before the stream does) raises
/// EDecompressionError "compression error"; bytes after the end of the stream are ignored. A stream that
/// inflates to more than MaxSize bytes raises EDecompressionError "The data inflates to more than <MaxSize
/// in MB> MB" as soon as it passes the limit (a few KB of zlib data can claim gigabytes).
void DecompressStream(TMemoryStream* Dest, TStream* Source, Int64 MaxSize = INT64_MAX);
