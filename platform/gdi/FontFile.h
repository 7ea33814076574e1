#pragma once
// An installed font file opened with FreeType, and the fontconfig matching that finds one for a family.
#include <memory>
#include <mutex>

#include "platform/base/Types.h"

typedef struct FT_FaceRec_* FT_Face;

/// One face of a font file, open for the life of the process. FreeType faces are not thread-safe: hold
/// Lock while using Face.
class FontFile {
public:
  FontFile(const FontFile&) = delete;
  FontFile& operator=(const FontFile&) = delete;

  /// The installed face fontconfig chooses for Family and style (its own substitutes: "Tahoma", "Arial",
  /// ...), or null when no scalable font is installed at all.
  static std::shared_ptr<FontFile> Match(const String& Family, int Weight, bool Italic);
  /// The face glyphs missing from a matched face come from: WenQuanYi Micro Hei, else whatever
  /// fontconfig offers for Chinese; null when there is none.
  static std::shared_ptr<FontFile> CjkFallback();

  FT_Face Face() const { return FFace; }
  std::mutex& Lock() { return FLock; }

private:
  explicit FontFile(FT_Face Face) : FFace(Face) {}
  static std::shared_ptr<FontFile> Open(const String& Path, int Index);

  FT_Face FFace { nullptr };
  std::mutex FLock;
};
