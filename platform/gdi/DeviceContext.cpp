#include "platform/gdi/DeviceContext.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/BrushObject.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/PenObject.h"
#include "platform/gdi/PixelOps.h"

namespace {

std::atomic<int> ScreenWidth { 1024 };
std::atomic<int> ScreenHeight { 768 };

TRect Intersection(const TRect& A, const TRect& B) {
  return { std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
           std::min(A.Bottom, B.Bottom) };
}

}  // namespace

DeviceContext::DeviceContext(Kind AKind, Surface* Target, TPoint DeviceOffset, std::optional<Region> BaseClip)
    : FKind(AKind), FSurface(Target), FDeviceOffset(DeviceOffset), FBaseClip(std::move(BaseClip)) {
  if (FKind == Kind::Memory) {
    FState.Bitmap = BitmapObject::Stock();
    BitmapObject::Stock()->AddUse();
  }
  FState.Pen = GetStockObject(BLACK_PEN);
  FState.Brush = GetStockObject(WHITE_BRUSH);
  FState.Font = GetStockObject(SYSTEM_FONT);
  FState.Pen->AddUse();
  FState.Brush->AddUse();
  if (FState.Font)
    FState.Font->AddUse();
}

DeviceContext::~DeviceContext() {
  SetSelectedBitmap(nullptr);
  ReleaseAll(FState);
  for (const State& S : FSaved)
    ReleaseAll(S);
}

TSize DeviceContext::ScreenSize() { return { ScreenWidth, ScreenHeight }; }

void DeviceContext::SetScreenSize(TSize Size) {
  ScreenWidth = Size.cx;
  ScreenHeight = Size.cy;
}

void DeviceContext::Bind(Surface* Target, TPoint DeviceOffset, std::optional<Region> BaseClip) {
  FSurface = Target;
  FDeviceOffset = DeviceOffset;
  FBaseClip = std::move(BaseClip);
  InvalidateClip();
}

Surface* DeviceContext::Target() const {
  if (FKind == Kind::Display)
    return FSurface;
  auto* B = static_cast<BitmapObject*>(FState.Bitmap);
  return B && B != BitmapObject::Stock() ? &B->Pixels() : nullptr;
}

TPoint DeviceContext::LogicalToDevice(TPoint P) const {
  return { P.X - FState.WindowOrg.X + FState.ViewportOrg.X, P.Y - FState.WindowOrg.Y + FState.ViewportOrg.Y };
}

TPoint DeviceContext::LogicalToSurface(TPoint P) const {
  const TPoint D = LogicalToDevice(P);
  return { D.X + FDeviceOffset.X, D.Y + FDeviceOffset.Y };
}

TRect DeviceContext::LogicalToSurface(const TRect& R) const {
  const TPoint A = LogicalToSurface(R.TopLeft()), B = LogicalToSurface(R.BottomRight());
  return { std::min(A.X, B.X), std::min(A.Y, B.Y), std::max(A.X, B.X), std::max(A.Y, B.Y) };
}

TPoint DeviceContext::DeviceToLogical(TPoint P) const {
  return { P.X + FState.WindowOrg.X - FState.ViewportOrg.X, P.Y + FState.WindowOrg.Y - FState.ViewportOrg.Y };
}

const Region& DeviceContext::SurfaceClip() const {
  if (FClipValid)
    return FSurfaceClip;
  const Surface* S = Target();
  FSurfaceClip = S ? Region(S->Bounds()) : Region();
  if (S && FBaseClip)
    FSurfaceClip = FSurfaceClip.Intersect(FBaseClip->Offsetted(FDeviceOffset.X, FDeviceOffset.Y));
  if (S && FState.Clip)
    FSurfaceClip = FSurfaceClip.Intersect(FState.Clip->Offsetted(FDeviceOffset.X, FDeviceOffset.Y));
  FClipValid = true;
  return FSurfaceClip;
}

TRect DeviceContext::DeviceBounds() const {
  if (FKind == Kind::Memory) {
    auto* B = static_cast<BitmapObject*>(FState.Bitmap);
    return { 0, 0, B->Width(), B->Height() };
  }
  if (FBaseClip)
    return FBaseClip->Bounds();
  if (FSurface) {
    const TRect R = FSurface->Bounds();
    return { R.Left - FDeviceOffset.X, R.Top - FDeviceOffset.Y, R.Right - FDeviceOffset.X,
             R.Bottom - FDeviceOffset.Y };
  }
  const TSize S = ScreenSize();
  return { 0, 0, S.cx, S.cy };
}

void DeviceContext::SetWindowOrg(TPoint P) { FState.WindowOrg = P; }

void DeviceContext::SetViewportOrg(TPoint P) { FState.ViewportOrg = P; }

void DeviceContext::SetClipRegion(std::optional<Region> Clip) {
  FState.Clip = std::move(Clip);
  InvalidateClip();
}

BitmapObject* DeviceContext::Bitmap() const { return static_cast<BitmapObject*>(FState.Bitmap); }

PenObject* DeviceContext::Pen() const { return static_cast<PenObject*>(FState.Pen); }

BrushObject* DeviceContext::Brush() const { return static_cast<BrushObject*>(FState.Brush); }

TFontObject* DeviceContext::Font() const { return FState.Font ? FState.Font->AsFont() : nullptr; }

GdiObject* DeviceContext::CurrentObject(int Type) const {
  switch (Type) {
    case OBJ_BITMAP: return FState.Bitmap;
    case OBJ_PEN: return FState.Pen;
    case OBJ_BRUSH: return FState.Brush;
    case OBJ_FONT: return FState.Font;
    default: return nullptr;
  }
}

GdiObject* DeviceContext::Select(GdiObject* Object) {
  GdiObject** Slot = nullptr;
  switch (Object->ObjectType()) {
    case OBJ_BITMAP: {
      auto* B = static_cast<BitmapObject*>(Object);
      if (FKind != Kind::Memory || (B->SelectedInto() && B->SelectedInto() != this))
        return nullptr;
      Slot = &FState.Bitmap;
      break;
    }
    case OBJ_PEN: Slot = &FState.Pen; break;
    case OBJ_BRUSH: Slot = &FState.Brush; break;
    case OBJ_FONT: Slot = &FState.Font; break;
    default: return nullptr;
  }
  GdiObject* Old = *Slot;
  if (Old == Object)
    return Old;
  Object->AddUse();
  if (Slot == &FState.Bitmap)
    SetSelectedBitmap(Object);
  *Slot = Object;
  if (Old)
    Old->ReleaseUse();  // the caller's handle stays valid unless it was deleted while selected
  InvalidateClip();
  return Old;
}

void DeviceContext::SetSelectedBitmap(GdiObject* Bitmap) {
  auto* Old = static_cast<BitmapObject*>(FState.Bitmap);
  if (Old && Old->SelectedInto() == this)
    Old->SetSelectedInto(nullptr);
  auto* New = static_cast<BitmapObject*>(Bitmap);
  if (New && New != BitmapObject::Stock())
    New->SetSelectedInto(this);
}

int DeviceContext::Save() {
  FSaved.push_back(FState);
  HoldAll(FState);
  return int(FSaved.size());
}

bool DeviceContext::Restore(int Level) {
  const int Depth = int(FSaved.size());
  const int Index = Level < 0 ? Depth + Level : Level - 1;
  if (Level == 0 || Index < 0 || Index >= Depth)
    return false;
  State Restored = std::move(FSaved[Index]);
  for (int I = Depth - 1; I > Index; --I)
    ReleaseAll(FSaved[I]);
  FSaved.resize(Index);
  if (Restored.Bitmap != FState.Bitmap)
    SetSelectedBitmap(Restored.Bitmap);
  ReleaseAll(FState);
  FState = std::move(Restored);
  InvalidateClip();
  return true;
}

void DeviceContext::HoldAll(const State& S) {
  for (GdiObject* O : { S.Bitmap, S.Pen, S.Brush, S.Font })
    if (O)
      O->AddUse();
}

void DeviceContext::ReleaseAll(const State& S) {
  for (GdiObject* O : { S.Bitmap, S.Pen, S.Brush, S.Font })
    if (O)
      O->ReleaseUse();
}

template <class Fn> void DeviceContext::ForEachClipped(const TRect& R, Fn&& F) const {
  if (R.Left >= R.Right || R.Top >= R.Bottom)
    return;
  const std::vector<TRect>& Rects = SurfaceClip().Rects();
  auto It = std::upper_bound(Rects.begin(), Rects.end(), R.Top,
                             [](int V, const TRect& C) { return V < C.Bottom; });
  for (; It != Rects.end() && It->Top < R.Bottom; ++It) {
    const TRect Part = Intersection(*It, R);
    if (Part.Left < Part.Right && Part.Top < Part.Bottom)
      F(Part);
  }
}

void DeviceContext::FillSolid(const TRect& R, TColor Color) {
  Surface* S = Target();
  if (!S)
    return;
  const uint32_t Pixel = 0xFF000000u | ColorToPixel(Color);
  ForEachClipped(R, [&](const TRect& P) {
    const size_t RunBytes = size_t(P.Right - P.Left) * S->BytesPerPixel();
    const uint8_t* FirstRun = S->Row(P.Top) + ptrdiff_t(P.Left) * S->BytesPerPixel();
    for (int Y = P.Top; Y < P.Bottom; ++Y) {
      if (Y > P.Top) {
        // Copying the finished first run is a wide store, where filling is one pixel at a time.
        std::memcpy(S->Row(Y) + ptrdiff_t(P.Left) * S->BytesPerPixel(), FirstRun, RunBytes);
      } else if (S->Format() == SurfaceFormat::Bgra32) {
        std::fill_n(S->Row32(Y) + P.Left, P.Right - P.Left, Pixel);
      } else {
        uint8_t* Row = S->Row(Y) + P.Left * 3;
        for (int X = P.Left; X < P.Right; ++X, Row += 3) {
          Row[0] = uint8_t(Pixel);
          Row[1] = uint8_t(Pixel >> 8);
          Row[2] = uint8_t(Pixel >> 16);
        }
      }
    }
  });
}

void DeviceContext::MixRect(const TRect& R, TColor Color, int Mode) {
  if (Mode == R2_COPYPEN) {
    FillSolid(R, Color);
    return;
  }
  Surface* S = Target();
  if (!S || Mode == R2_NOP)
    return;
  const uint32_t Pen = ColorToPixel(Color);
  ForEachClipped(R, [&](const TRect& P) {
    for (int Y = P.Top; Y < P.Bottom; ++Y)
      for (int X = P.Left; X < P.Right; ++X)
        S->SetPixel(X, Y, MixPixel(S->Pixel(X, Y), Pen, Mode));
  });
}

void DeviceContext::BlendCoverage(int X, int Y, const uint8_t* Mask, int Width, int Height, int MaskStride,
                                  TColor Color) {
  Surface* S = Target();
  if (!S || !Mask)
    return;
  const uint32_t Pixel = ColorToPixel(Color);
  const uint32_t CR = Pixel >> 16 & 0xFF, CG = Pixel >> 8 & 0xFF, CB = Pixel & 0xFF;
  ForEachClipped({ X, Y, X + Width, Y + Height }, [&](const TRect& P) {
    for (int PY = P.Top; PY < P.Bottom; ++PY) {
      const uint8_t* M = Mask + ptrdiff_t(PY - Y) * MaskStride;
      for (int PX = P.Left; PX < P.Right; ++PX) {
        const uint32_t A = M[PX - X];
        if (A == 0)
          continue;
        const uint32_t D = S->Pixel(PX, PY);
        const uint32_t R = Mul255(CR, A) + Mul255(D >> 16 & 0xFF, 255 - A);
        const uint32_t G = Mul255(CG, A) + Mul255(D >> 8 & 0xFF, 255 - A);
        const uint32_t B = Mul255(CB, A) + Mul255(D & 0xFF, 255 - A);
        S->SetPixel(PX, PY, (D & 0xFF000000u) | std::min(R, 255u) << 16 | std::min(G, 255u) << 8 | std::min(B, 255u));
      }
    }
  });
}
