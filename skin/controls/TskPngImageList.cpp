#include "skin/controls/TskPngImageList.h"

#include <cmath>

#include "platform/base/SysUtils.h"
#include "platform/gdi/EmbeddedResources.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"

namespace {

constexpr int FadeAlpha = 127;

}  // namespace

// ---- Items ----

TskPngImageItem::TskPngImageItem(TCollection* Collection)
    : TCollectionItem(Collection), FPngImage(std::make_unique<TskPngImage>()), FName(Format("PngImage%d", Index())) {
  if (TskPngImageList* List = Owner()) List->InsertPlaceholder(Index());
}

TskPngImageItem::~TskPngImageItem() {
  TskPngImageList* List = Owner();
  if (List && Index() >= 0 && Index() < List->Count()) List->Delete(Index());
}

TskPngImageList* TskPngImageItem::Owner() const {
  auto* Items = dynamic_cast<TskPngImageItems*>(Collection());
  return Items ? Items->FPngImageList : nullptr;
}

void TskPngImageItem::SetPngImage(TskPngImage* Value) {
  FPngImage->Assign(Value);
  Changed(false);
}

void TskPngImageItem::Assign(TPersistent* Source) {
  if (auto* Item = dynamic_cast<TskPngImageItem*>(Source)) {
    FPngImage->Assign(Item->FPngImage.get());
    FName = Item->FName;
    return;
  }
  TCollectionItem::Assign(Source);
}

String TskPngImageItem::GetDisplayName() const { return FName.empty() ? TCollectionItem::GetDisplayName() : FName; }

TPersistent* TskPngImageItems::GetOwner() const { return FPngImageList; }

// ---- List ----

TskPngImageList::TskPngImageList(TComponent* AOwner)
    : TCustomImageList(AOwner), FPngImages(std::make_unique<TskPngImageItems>(this)) {}

// The items go first: each takes its placeholder out of the platform list while that still exists.
TskPngImageList::~TskPngImageList() { FPngImages.reset(); }

void TskPngImageList::SetPngWidth(int Value) {
  if (Value == Width()) return;
  SetWidth(Value);
  Resized();
}

void TskPngImageList::SetPngHeight(int Value) {
  if (Value == Height()) return;
  SetHeight(Value);
  Resized();
}

// A stored form brought the placeholders back with the platform list's stored images; a form built in
// code has none, so the list puts them back itself and keeps one per item.
void TskPngImageList::Resized() {
  if (!ComponentState().Contains(csLoading)) {
    FPngImages->Clear();
    return;
  }
  for (int i = Count(); i < FPngImages->Count(); ++i) InsertPlaceholder(i);
}

void TskPngImageList::InsertPlaceholder(int Index) {
  TBitmap Placeholder;
  Placeholder.SetMonochrome(true);
  Placeholder.SetSize(Width(), Height());
  Insert(Index, &Placeholder, nullptr);
}

// Any index without an item, also one beyond the collection, draws nothing: painting must not raise.
void TskPngImageList::DoDraw(int Index, TCanvas* Canvas, int X, int Y, UINT, bool Enabled) {
  if (Index < 0 || Index >= FPngImages->Count()) return;
  TskPngImage* Png = FPngImages->Items(Index)->PngImage();
  if (Png->Empty()) return;
  const TRect R = Bounds(X, Y, Width(), Height());
  if (Enabled) {
    Png->Draw(Canvas, R);
    return;
  }
  TskPngImage Faded;
  Faded.Assign(Png);
  MakeHalfTransparent(&Faded);
  Faded.Draw(Canvas, R);
}

void AddResourcePngs(TskPngImageList* List, const std::vector<String>& Names) {
  std::vector<std::unique_ptr<TskPngImage>> Pictures;
  for (const String& Name : Names) {
    Pictures.push_back(std::make_unique<TskPngImage>());
    LoadFromResourceName(*Pictures.back(), Name);
  }
  for (size_t i = 0; i < Names.size(); ++i) {
    TskPngImageItem* Item = List->PngImages()->Add();
    Item->SetName(Names[i]);
    Item->SetPngImage(Pictures[i].get());
  }
}

void MakeHalfTransparent(TskPngImage* Png) {
  const bool Bit = Png->TransparencyMode() == ptmBit;
  const TColor Key = Png->TransparentColor();
  const int Type = Png->Header().ColorType;
  const bool Widened = Type == COLOR_GRAYSCALE || Type == COLOR_PALETTE;
  if (Type != COLOR_GRAYSCALEALPHA && Type != COLOR_RGBALPHA) Png->CreateAlpha();
  for (int Y = 0; Y < Png->Height(); ++Y) {
    const uint8_t* Pixels = Png->Scanline(Y);
    uint8_t* Alpha = Png->AlphaScanline(Y);
    for (int X = 0; X < Png->Width(); ++X) {
      const uint8_t* P = Pixels + 3 * X;
      if (Bit && RGB(P[2], P[1], P[0]) == Key)
        Alpha[X] = 0;
      else
        Alpha[X] = Widened ? FadeAlpha : uint8_t(std::nearbyint(Alpha[X] * 128 / 256.0));
    }
  }
}
