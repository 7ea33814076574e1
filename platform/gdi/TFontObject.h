#pragma once
// The font object behind an HFONT: the logical font record it was made from, and the sized face the text
// layer draws it with.
#include <cstdint>
#include <memory>
#include <mutex>
#include <string_view>

#include "platform/base/Types.h"
#include "platform/gdi/FontFace.h"
#include "platform/gdi/GdiObject.h"

/// Room for a face name: UTF-8, NUL-terminated (a longer name is cut at a character boundary).
constexpr int LF_FACESIZE = 96;

// Font weights.
constexpr int FW_DONTCARE = 0;
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;

// Character sets; kept as numbers, rendering ignores them.
constexpr uint8_t ANSI_CHARSET = 0;
constexpr uint8_t DEFAULT_CHARSET = 1;

// Pitch bits of lfPitchAndFamily.
constexpr uint8_t DEFAULT_PITCH = 0;
constexpr uint8_t FIXED_PITCH = 1;
constexpr uint8_t VARIABLE_PITCH = 2;

/// A logical font. lfHeight > 0 asks for that cell height (ascent + descent, internal leading
/// included), < 0 for that em size, 0 for the default size. lfWidth, lfEscapement, lfOrientation and
/// the precision and quality fields are kept but not used.
struct LOGFONT {
  int32_t lfHeight { 0 };
  int32_t lfWidth { 0 };
  int32_t lfEscapement { 0 };
  int32_t lfOrientation { 0 };
  int32_t lfWeight { FW_DONTCARE };
  uint8_t lfItalic { 0 };
  uint8_t lfUnderline { 0 };
  uint8_t lfStrikeOut { 0 };
  uint8_t lfCharSet { DEFAULT_CHARSET };
  uint8_t lfOutPrecision { 0 };
  uint8_t lfClipPrecision { 0 };
  uint8_t lfQuality { 0 };
  uint8_t lfPitchAndFamily { DEFAULT_PITCH };
  char lfFaceName[LF_FACESIZE] {};
};

/// Copies Name into Font.lfFaceName, cut at a character boundary when it does not fit.
void SetFaceName(LOGFONT& Font, std::string_view Name);

/// A font object. Its face is looked up on first use and again after the test face was switched on or
/// off; safe to use from several threads.
class TFontObject : public GdiObject {
public:
  explicit TFontObject(const LOGFONT& Font) : FLogFont(Font) {}

  int ObjectType() const override { return OBJ_FONT; }
  int GetObjectData(int Size, void* Buffer) const override;
  TFontObject* AsFont() override { return this; }

  const LOGFONT& LogFont() const { return FLogFont; }
  std::shared_ptr<FontFace> Face() const;

  /// The font a DC without a selected font draws with (the default GUI font).
  static TFontObject& Default();

private:
  LOGFONT FLogFont;
  mutable std::mutex FLock;
  mutable std::shared_ptr<FontFace> FFace;
  mutable bool FFaceIsTest { false };
};

HFONT CreateFontIndirect(const LOGFONT& Font);
HFONT CreateFont(int Height, int Width, int Escapement, int Orientation, int Weight, unsigned Italic,
                 unsigned Underline, unsigned StrikeOut, unsigned CharSet, unsigned OutPrecision,
                 unsigned ClipPrecision, unsigned Quality, unsigned PitchAndFamily, std::string_view FaceName);
