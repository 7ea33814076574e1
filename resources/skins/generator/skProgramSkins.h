#pragma once
// The program's two skins as the build makes them: drawn by the skin recipe in the product style or in
// the colour-coded test style, stored as a skin ini with its BMP pictures, and packed into the
// compressed skin container that the program embeds.
#include "platform/base/Types.h"

class TskSkinData;
class TStream;

enum class TskProgramSkin { Product, Test };

/// "product" or "test".
String ProgramSkinName(TskProgramSkin Skin);
/// The skin by its name; raises EConvertError for any other text.
TskProgramSkin ProgramSkinByName(const String& Name);

/// Builds the skin into Target, an empty model, without announcing it.
void BuildProgramSkin(TskProgramSkin Skin, TskSkinData* Target);
/// Builds the skin and writes it as the skin ini IniFileName with its pictures in the same folder,
/// which is created when missing; an ini file there before is replaced as a whole.
void StoreProgramSkin(TskProgramSkin Skin, const String& IniFileName);
/// Writes the compressed skin container of the skin ini IniFileName into Container. Raises
/// EConvertError when the file is not a skin ini.
void PackSkin(const String& IniFileName, TStream* Container);
