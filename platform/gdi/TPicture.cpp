#include "platform/gdi/TPicture.h"

#include "platform/base/Exception.h"
#include "platform/base/FileUtils.h"
#include "platform/base/SysUtils.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TGIFImage.h"
#include "platform/gdi/TIcon.h"
#include "platform/gdi/TJPEGImage.h"
#include "platform/gdi/TPngImage.h"

namespace {

template <class G> std::unique_ptr<TGraphic> Make() { return std::make_unique<G>(); }
template <class G> bool Is(const TGraphic* Graphic) { return dynamic_cast<const G*>(Graphic) != nullptr; }

/// The picture formats a TPicture knows: their file extensions and how to make an empty one.
struct GraphicFormat {
  const char* Name;
  const char* Extension;
  const char* OtherExtension;
  std::unique_ptr<TGraphic> (*New)();
  bool (*Holds)(const TGraphic*);
};

const GraphicFormat Formats[] = {
  { "Bitmaps", ".bmp", nullptr, Make<TBitmap>, Is<TBitmap> },
  { "PNG pictures", ".png", nullptr, Make<TPngImage>, Is<TPngImage> },
  { "JPEG pictures", ".jpg", ".jpeg", Make<TJPEGImage>, Is<TJPEGImage> },
  { "GIF pictures", ".gif", nullptr, Make<TGIFImage>, Is<TGIFImage> },
  { "Icons", ".ico", nullptr, Make<TIcon>, Is<TIcon> },
};

const GraphicFormat* FormatOfExtension(const String& Extension) {
  const String lower = LowerCase(Extension);
  for (const GraphicFormat& f : Formats)
    if (lower == f.Extension || (f.OtherExtension && lower == f.OtherExtension)) return &f;
  return nullptr;
}

const GraphicFormat* FormatOfGraphic(const TGraphic* Graphic) {
  for (const GraphicFormat& f : Formats)
    if (f.Holds(Graphic)) return &f;
  return nullptr;
}

}  // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::SetGraphic(TGraphic* Value) {
  if (Value == FGraphic.get()) return;
  std::unique_ptr<TGraphic> copy;
  if (Value) {
    const GraphicFormat* format = FormatOfGraphic(Value);
    if (!format) throw EConvertError("Cannot assign a " + Value->ClassName() + " to a " + ClassName());
    copy = format->New();
    copy->Assign(Value);
  }
  TakeGraphic(std::move(copy));
}

TBitmap* TPicture::Bitmap() {
  if (!dynamic_cast<TBitmap*>(FGraphic.get())) TakeGraphic(std::make_unique<TBitmap>());
  return static_cast<TBitmap*>(FGraphic.get());
}

void TPicture::SetBitmap(TBitmap* Value) { SetGraphic(Value); }

TIcon* TPicture::Icon() {
  if (!dynamic_cast<TIcon*>(FGraphic.get())) TakeGraphic(std::make_unique<TIcon>());
  return static_cast<TIcon*>(FGraphic.get());
}

void TPicture::SetIcon(TIcon* Value) { SetGraphic(Value); }

String GraphicFilter() {
  String all;
  String each;
  for (const GraphicFormat& f : Formats) {
    String masks = String("*") + f.Extension;
    if (f.OtherExtension) masks += String(";*") + f.OtherExtension;
    all += (all.empty() ? "" : ";") + masks;
    each += String("|") + f.Name + " (" + masks + ")|" + masks;
  }
  return "All pictures (" + all + ")|" + all + each;
}

void TPicture::LoadFromFile(const String& FileName) {
  const String extension = ExtractFileExt(FileName);
  const GraphicFormat* format = FormatOfExtension(extension);
  if (!format) throw EInvalidGraphic("Unknown picture file extension (" + extension + ")");
  std::unique_ptr<TGraphic> graphic = format->New();
  graphic->LoadFromFile(FileName);
  TakeGraphic(std::move(graphic));
}

void TPicture::SaveToFile(const String& FileName) {
  if (FGraphic) FGraphic->SaveToFile(FileName);
}

void TPicture::Assign(TPersistent* Source) {
  if (!Source)
    SetGraphic(nullptr);
  else if (auto* picture = dynamic_cast<TPicture*>(Source))
    SetGraphic(picture->Graphic());
  else if (auto* graphic = dynamic_cast<TGraphic*>(Source))
    SetGraphic(graphic);
  else
    TPersistent::Assign(Source);
}

void TPicture::AssignTo(TPersistent* Dest) {
  if (dynamic_cast<TGraphic*>(Dest))
    Dest->Assign(FGraphic.get());
  else
    TPersistent::AssignTo(Dest);
}

void TPicture::Changed(TObject*) {
  if (OnChange) OnChange(this);
}

void TPicture::TakeGraphic(std::unique_ptr<TGraphic> Graphic) {
  FGraphic = std::move(Graphic);
  if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(this); };
  Changed(this);
}
