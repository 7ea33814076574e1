#include "platform/gdi/FontFile.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <utility>

namespace {

// The FreeType library and the files opened so far. Opening faces must be serialised on the library.
// Faces stay open for the life of the process (a handful of files): worker threads may still draw text
// while static objects are destroyed at exit, so the library is never torn down.
struct TFontFiles {
  std::mutex Lock;
  FT_Library Library { nullptr };
  bool FontconfigReady { false };
  std::map<std::pair<String, int>, std::shared_ptr<FontFile>> Files;
  bool FallbackSearched { false };
  std::shared_ptr<FontFile> Fallback;
};

TFontFiles& Files() {
  static TFontFiles* Instance = new TFontFiles;
  return *Instance;
}

struct TFcMatch {
  String File;
  int Index { 0 };
};

// Runs fontconfig's own matching (its substitutes and defaults) for a pattern; false when nothing is
// installed. Called with the files' lock held.
bool MatchPattern(FcPattern* Pattern, TFcMatch& Result) {
  FcPatternAddBool(Pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, Pattern, FcMatchPattern);
  FcDefaultSubstitute(Pattern);
  FcResult Outcome = FcResultNoMatch;
  FcPattern* Found = FcFontMatch(nullptr, Pattern, &Outcome);
  FcPatternDestroy(Pattern);
  if (!Found) return false;
  FcChar8* File = nullptr;
  bool Ok = FcPatternGetString(Found, FC_FILE, 0, &File) == FcResultMatch && File;
  if (Ok) {
    Result.File = reinterpret_cast<const char*>(File);
    FcPatternGetInteger(Found, FC_INDEX, 0, &Result.Index);
  }
  FcPatternDestroy(Found);
  return Ok;
}

bool EnsureLibraries(TFontFiles& F) {
  if (!F.FontconfigReady) F.FontconfigReady = FcInit() == FcTrue;
  if (!F.Library && FT_Init_FreeType(&F.Library) != 0) F.Library = nullptr;
  return F.FontconfigReady && F.Library;
}

}  // namespace

std::shared_ptr<FontFile> FontFile::Open(const String& Path, int Index) {
  TFontFiles& F = Files();
  auto& Slot = F.Files[{ Path, Index }];
  if (!Slot) {
    FT_Face Face = nullptr;
    if (FT_New_Face(F.Library, Path.c_str(), Index, &Face) != 0) return nullptr;
    Slot.reset(new FontFile(Face));
  }
  return Slot;
}

std::shared_ptr<FontFile> FontFile::Match(const String& Family, int Weight, bool Italic) {
  TFontFiles& F = Files();
  std::lock_guard Guard(F.Lock);
  if (!EnsureLibraries(F)) return nullptr;
  FcPattern* Pattern = FcPatternCreate();
  if (!Family.empty())
    FcPatternAddString(Pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(Family.c_str()));
  FcPatternAddInteger(Pattern, FC_WEIGHT, FcWeightFromOpenType(Weight));
  FcPatternAddInteger(Pattern, FC_SLANT, Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  TFcMatch Found;
  return MatchPattern(Pattern, Found) ? Open(Found.File, Found.Index) : nullptr;
}

std::shared_ptr<FontFile> FontFile::CjkFallback() {
  TFontFiles& F = Files();
  std::lock_guard Guard(F.Lock);
  if (F.FallbackSearched) return F.Fallback;
  F.FallbackSearched = true;
  if (!EnsureLibraries(F)) return nullptr;
  FcPattern* Pattern = FcPatternCreate();
  FcPatternAddString(Pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("WenQuanYi Micro Hei"));
  FcPatternAddString(Pattern, FC_LANG, reinterpret_cast<const FcChar8*>("zh-cn"));
  TFcMatch Found;
  if (MatchPattern(Pattern, Found)) F.Fallback = Open(Found.File, Found.Index);
  return F.Fallback;
}
