#include "platform/gdi/TFontObject.h"

#include <cstring>

#include "platform/base/SysUtils.h"
#include "platform/gdi/Gdi.h"

namespace {

LOGFONT MakeLogFont(std::string_view Face, int Height, int Weight, uint8_t Pitch) {
  LOGFONT Font;
  Font.lfHeight = Height;
  Font.lfWeight = Weight;
  Font.lfPitchAndFamily = Pitch;
  SetFaceName(Font, Face);
  return Font;
}

// The stock fonts: a monospace face for the fixed ones, the default GUI font for the others (it is also
// the font of a fresh DC).
HFONT MakeStockFont(int Index) {
  LOGFONT Font;
  switch (Index) {
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT:
      Font = MakeLogFont("monospace", -13, FW_NORMAL, FIXED_PITCH);
      break;
    case ANSI_VAR_FONT:
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
    case DEFAULT_GUI_FONT:
      Font = TFontObject::Default().LogFont();
      break;
    default:
      return nullptr;
  }
  HFONT Handle = CreateFontIndirect(Font);
  Handle->MarkStock();
  return Handle;
}

[[maybe_unused]] const bool StockFontsInstalled = (SetStockFontMaker(MakeStockFont), true);

}  // namespace

void SetFaceName(LOGFONT& Font, std::string_view Name) {
  size_t Length = 0;
  for (size_t Index = 0; Index < Name.size();) {
    size_t Next = Index;
    ReadCodePoint(Name, Next);
    if (Next >= size_t(LF_FACESIZE)) break;
    Length = Index = Next;
  }
  std::memset(Font.lfFaceName, 0, sizeof Font.lfFaceName);
  std::memcpy(Font.lfFaceName, Name.data(), Length);
}

int TFontObject::GetObjectData(int Size, void* Buffer) const {
  if (!Buffer) return int(sizeof(LOGFONT));
  if (Size < int(sizeof(LOGFONT))) return 0;
  std::memcpy(Buffer, &FLogFont, sizeof(LOGFONT));
  return int(sizeof(LOGFONT));
}

std::shared_ptr<FontFace> TFontObject::Face() const {
  const bool Test = TestFontFaceInUse();
  std::lock_guard Guard(FLock);
  if (!FFace || FFaceIsTest != Test) {
    TFaceRequest Request;
    Request.Family = FLogFont.lfFaceName;
    Request.Height = FLogFont.lfHeight;
    Request.Weight = FLogFont.lfWeight == FW_DONTCARE ? FW_NORMAL : FLogFont.lfWeight;
    Request.Italic = FLogFont.lfItalic != 0;
    FFace = FontFace::Get(Request);
    FFaceIsTest = Test;
  }
  return FFace;
}

TFontObject& TFontObject::Default() {
  static TFontObject* Font = [] {
    auto* F = new TFontObject(MakeLogFont("MS Sans Serif", -11, FW_NORMAL, VARIABLE_PITCH));
    F->MarkStock();
    return F;
  }();
  return *Font;
}

HFONT CreateFontIndirect(const LOGFONT& Font) {
  LOGFONT Copy = Font;
  Copy.lfFaceName[LF_FACESIZE - 1] = 0;
  return new TFontObject(Copy);
}

HFONT CreateFont(int Height, int Width, int Escapement, int Orientation, int Weight, unsigned Italic,
                 unsigned Underline, unsigned StrikeOut, unsigned CharSet, unsigned OutPrecision,
                 unsigned ClipPrecision, unsigned Quality, unsigned PitchAndFamily, std::string_view FaceName) {
  LOGFONT Font;
  Font.lfHeight = Height;
  Font.lfWidth = Width;
  Font.lfEscapement = Escapement;
  Font.lfOrientation = Orientation;
  Font.lfWeight = Weight;
  Font.lfItalic = uint8_t(Italic != 0);
  Font.lfUnderline = uint8_t(Underline != 0);
  Font.lfStrikeOut = uint8_t(StrikeOut != 0);
  Font.lfCharSet = uint8_t(CharSet);
  Font.lfOutPrecision = uint8_t(OutPrecision);
  Font.lfClipPrecision = uint8_t(ClipPrecision);
  Font.lfQuality = uint8_t(Quality);
  Font.lfPitchAndFamily = uint8_t(PitchAndFamily);
  SetFaceName(Font, FaceName);
  return CreateFontIndirect(Font);
}
