// controls-gallery <folder>: writes controls-gallery-product.png, controls-gallery-test.png and
// controls-gallery-builtin.png into the folder: every skinned control in its states, in the product skin,
// the colour-coded test skin and the built-in look without a skin, with the skinned form frames last.
#include <cstdio>
#include <memory>

#include "platform/display/HeadlessPresenter.h"
#include "platform/gdi/FontFace.h"
#include "platform/ui/toolkit/TApplication.h"
#include "resources/EmbeddedSkins.h"
#include "skin/core/TskSkinData.h"
#include "tests/skin/support/EmbeddedSkinModels.h"
#include "tools/controls-gallery/TskControlsGallery.h"
#include "tools/controls-gallery/skGalleryFrames.h"
#include "tools/controls-gallery/skGalleryLayerBorder.h"
#include "tools/controls-gallery/skGalleryMDI.h"
#include "tools/controls-gallery/skGalleryMenus.h"
#include "tools/controls-gallery/skGalleryPictureDialog.h"
#include "tools/controls-gallery/skGalleryRows.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: controls-gallery <folder>\n");
    return 2;
  }
  try {
    HeadlessPresenter Display;
    UseTestFontFace(false);  // the sheets show the fonts a user sees
    TApplication App(nullptr);
    struct TLook {
      const char* Name;
      std::unique_ptr<TskSkinData> Skin;
      const char* Title;
    } Looks[] = {
      { "product", LoadEmbeddedSkin(ProductSkinContainer()), "控件一览 · 产品皮肤" },
      { "test", LoadEmbeddedSkin(TestSkinContainer()), "控件一览 · 测试皮肤（每块一种颜色）" },
      { "builtin", nullptr, "控件一览 · 无皮肤的内置外观" },
    };
    for (TLook& Look : Looks) {
      TskControlsGallery Gallery(Display, Look.Skin.get(), Look.Title);
      AddStandardControlRows(Gallery);
      AddButtonRows(Gallery);
      AddPanelRows(Gallery);
      AddViewRows(Gallery);
      AddPictureRows(Gallery);
      AddBoxRows(Gallery);
      AddComboEditRows(Gallery);
      AddOfficeRows(Gallery, Display);
      AddEditRows(Gallery);
      AddFileControlRows(Gallery, Display);
      AddFileDialogRows(Gallery, Display);
      AddPictureDialogRow(Gallery, Display);
      AddFrameRows(Gallery, Display);
      AddMenuRows(Gallery, Display);
      AddRibbonRows(Gallery, Display);
      AddLayerBorderRow(Gallery, Display);
      AddMDIRow(Gallery, Display);
      Gallery.SaveToPng(String(argv[1]) + "/controls-gallery-" + Look.Name + ".png");
    }
  } catch (const std::exception& E) {
    std::fprintf(stderr, "controls-gallery: %s\n", E.what());
    return 1;
  }
  return 0;
}
