#pragma once
// The preview sheet of a skin, for a person reviewing its look: the form frame with its caption,
// caption buttons and menu bar, then one card per record of the skin in listing order, each drawn from
// the record's pictures and geometry at two sizes (fixed-size pieces at their own size and doubled), in
// every state the record has a picture for, with sample texts in the record's fonts and colours, and
// last the skin colours. Records of kinds the program does not use get a card that says so.
#include <memory>

#include "platform/base/Types.h"

class TBitmap;
class TskSkinData;

/// Draws the sheets of skins.
class TskSkinPreview {
public:
  explicit TskSkinPreview(TskSkinData* ASkin) : FSkin(ASkin) {}

  /// The whole sheet: 1240 pixels wide, as high as its cards need.
  std::unique_ptr<TBitmap> Render();

private:
  TskSkinData* FSkin;
};

/// Loads the skin ini IniFileName and writes its sheet as the PNG file PngFileName.
void WriteSkinPreview(const String& IniFileName, const String& PngFileName);
