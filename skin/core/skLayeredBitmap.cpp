#include "skin/core/skLayeredBitmap.h"

#include "platform/gdi/Capabilities.h"
#include "platform/gdi/TBitmap.h"
#include "platform/ui/winsys/LayeredWindows.h"
#include "platform/ui/toolkit/TWinControl.h"
#include "skin/core/TskBitmap.h"

void CreateLayerBitmap(TBitmap* AImage, TBitmap* AImageMask, TskBitmap* Bmp) {
  Bmp->Assign(AImage);
  TskBitmap Mask;
  Mask.Assign(AImageMask);
  SetPremultipliedAlphaFromMask(Bmp, &Mask);
}

void UpdateLayeredBitmap(TskBitmap* Bmp, Byte AlphaBlendValue, TWinControl* Control) {
  const auto& Update = PlatformCapabilities().UpdateLayeredWindow;
  if (!Control || !Bmp || !Update)
    return;
  const TPoint Position { Control->Left(), Control->Top() };
  const TSize Size { Bmp->Width(), Bmp->Height() };
  const TPoint Source;
  BLENDFUNCTION Blend;
  Blend.BlendOp = AC_SRC_OVER;
  Blend.BlendFlags = 0;
  Blend.SourceConstantAlpha = AlphaBlendValue;
  Blend.AlphaFormat = AC_SRC_ALPHA;
  Update(Control->Handle(), 0, &Position, &Size, Bmp->DC(), &Source, 0, &Blend, ULW_ALPHA);
}
