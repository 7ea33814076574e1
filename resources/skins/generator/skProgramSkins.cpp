#include "resources/skins/generator/skProgramSkins.h"

#include "platform/base/Exception.h"
#include "platform/base/FileUtils.h"
#include "resources/skins/generator/TskProductStyle.h"
#include "resources/skins/generator/TskSkinRecipe.h"
#include "resources/skins/generator/TskTestStyle.h"
#include "skin/core/TskCompressedStoredSkin.h"
#include "skin/core/TskSkinData.h"

String ProgramSkinName(TskProgramSkin Skin) { return Skin == TskProgramSkin::Product ? "product" : "test"; }

TskProgramSkin ProgramSkinByName(const String& Name) {
  if (Name == "product") return TskProgramSkin::Product;
  if (Name == "test") return TskProgramSkin::Test;
  throw EConvertError("no skin is called \"" + Name + "\" (product or test)");
}

void BuildProgramSkin(TskProgramSkin Skin, TskSkinData* Target) {
  if (Skin == TskProgramSkin::Product) {
    TskProductStyle style;
    TskSkinRecipe(Target, &style).Build("Zorvik Light", "The converter's own light skin.");
  } else {
    TskTestStyle style;
    TskSkinRecipe(Target, &style, TskListCaption::WithButtons)
      .Build("Zorvik Test Colours", "Every piece a solid colour of its own inside a one-pixel border of another.");
  }
}

void StoreProgramSkin(TskProgramSkin Skin, const String& IniFileName) {
  TskSkinData skin(nullptr);
  BuildProgramSkin(Skin, &skin);
  ForceDirectories(ExtractFilePath(IniFileName));
  // The writer keeps sections it does not write; a skin made before must not leave any behind.
  if (FileExists(IniFileName) && !DeleteFile(IniFileName)) throw EFCreateError("Cannot replace " + IniFileName);
  skin.StoreToDisk(IniFileName);
}

void PackSkin(const String& IniFileName, TStream* Container) {
  TskCompressedStoredSkin stored(nullptr);
  stored.LoadFromIniFile(IniFileName);
  if (stored.Empty()) throw EConvertError(IniFileName + " is not a skin ini");
  stored.SaveToCompressStream(Container);
}
