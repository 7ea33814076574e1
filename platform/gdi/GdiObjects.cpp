// Creation, selection, query and deletion of graphics objects; the stock objects.
#include <array>
#include <mutex>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiHandles.h"

namespace {

// The maker is installed during static initialisation of the text layer, so it lives in a function.
struct FontMakerSlot {
  std::mutex Lock;
  TStockFontMaker Maker;
  std::array<GdiObject*, 18> Fonts {};
};

FontMakerSlot& StockFonts() {
  static FontMakerSlot* Slot = new FontMakerSlot;  // stock objects are never freed
  return *Slot;
}

GdiObject* MakeStock(int Index) {
  GdiObject* Object = nullptr;
  switch (Index) {
    case WHITE_BRUSH: Object = new BrushObject(BS_SOLID, clWhite); break;
    case LTGRAY_BRUSH: Object = new BrushObject(BS_SOLID, RGB(192, 192, 192)); break;
    case GRAY_BRUSH: Object = new BrushObject(BS_SOLID, RGB(128, 128, 128)); break;
    case DKGRAY_BRUSH: Object = new BrushObject(BS_SOLID, RGB(64, 64, 64)); break;
    case BLACK_BRUSH: Object = new BrushObject(BS_SOLID, clBlack); break;
    case NULL_BRUSH: Object = new BrushObject(BS_NULL, clBlack); break;
    case WHITE_PEN: Object = new PenObject(PS_SOLID, 1, clWhite); break;
    case BLACK_PEN: Object = new PenObject(PS_SOLID, 1, clBlack); break;
    case NULL_PEN: Object = new PenObject(PS_NULL, 1, clBlack); break;
    default: return nullptr;
  }
  Object->MarkStock();
  return Object;
}

}  // namespace

void SetStockFontMaker(TStockFontMaker Maker) {
  FontMakerSlot& Slot = StockFonts();
  std::lock_guard Guard(Slot.Lock);
  Slot.Maker = std::move(Maker);
}

HGDIOBJ GetStockObject(int Index) {
  static std::array<GdiObject*, 18> Stock = [] {
    std::array<GdiObject*, 18> A {};
    for (int I = 0; I < int(A.size()); ++I)
      A[I] = MakeStock(I);
    return A;
  }();
  if (Index < 0 || Index >= int(Stock.size()))
    return nullptr;
  if (Stock[Index])
    return Stock[Index];
  FontMakerSlot& Slot = StockFonts();
  std::lock_guard Guard(Slot.Lock);
  if (!Slot.Fonts[size_t(Index)] && Slot.Maker) {
    GdiObject* Font = Slot.Maker(Index);
    if (Font)
      Font->MarkStock();
    Slot.Fonts[size_t(Index)] = Font;
  }
  return Slot.Fonts[size_t(Index)];
}

bool DeleteObject(HGDIOBJ Object) {
  if (!GdiObject::IsLive(Object) || Object->ObjectType() == OBJ_DC || Object->ObjectType() == OBJ_MEMDC)
    return false;
  return GdiObject::Delete(Object);
}

int GetObjectType(HGDIOBJ Object) { return GdiObject::IsLive(Object) ? Object->ObjectType() : 0; }

int GetObject(HGDIOBJ Object, int Size, void* Buffer) {
  return GdiObject::IsLive(Object) ? Object->GetObjectData(Size, Buffer) : 0;
}

HGDIOBJ GetCurrentObject(HDC DC, int Type) {
  DeviceContext* D = LiveDC(DC);
  return D ? D->CurrentObject(Type) : nullptr;
}

HGDIOBJ SelectObject(HDC DC, HGDIOBJ Object) {
  DeviceContext* D = LiveDC(DC);
  if (!D || !GdiObject::IsLive(Object))
    return nullptr;
  return D->Select(Object);
}

HPEN CreatePen(int Style, int Width, TColor Color) {
  if (Style < PS_SOLID || Style > PS_INSIDEFRAME)
    return nullptr;
  return new PenObject(Style, Width, ColorToRGB(Color));
}

HBRUSH CreateSolidBrush(TColor Color) { return new BrushObject(BS_SOLID, ColorToRGB(Color)); }
