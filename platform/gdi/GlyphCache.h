#pragma once
// The rendered glyphs of one face, filled on first use and shared by the threads that draw with it.
#include <cstdint>
#include <mutex>
#include <shared_mutex>
#include <unordered_map>
#include <vector>

/// A rendered glyph: 8-bit coverage rows (Width × Height, no padding) placed at (pen x + Left,
/// baseline − Top), and the pen advance in whole pixels.
struct TGlyph {
  int Advance { 0 };
  int Left { 0 };
  int Top { 0 };
  int Width { 0 };
  int Height { 0 };
  std::vector<uint8_t> Coverage;
};

/// Code point → glyph map; lookups share a read lock, a miss renders outside any lock and the first
/// result stored wins.
class GlyphCache {
public:
  template <class TRender> const TGlyph& Find(char32_t C, TRender&& Render) {
    {
      std::shared_lock Lock(FLock);
      auto It = FGlyphs.find(C);
      if (It != FGlyphs.end()) return It->second;
    }
    TGlyph Rendered = Render(C);
    std::unique_lock Lock(FLock);
    return FGlyphs.try_emplace(C, std::move(Rendered)).first->second;
  }

private:
  std::shared_mutex FLock;
  std::unordered_map<char32_t, TGlyph> FGlyphs;
};
