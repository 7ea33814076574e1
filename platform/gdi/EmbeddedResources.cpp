#include "platform/gdi/EmbeddedResources.h"

#include "platform/base/Exception.h"
#include "platform/base/TMemoryStream.h"
#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/TGraphic.h"

std::span<const Byte> FindEmbeddedResource(const String& Name) {
  for (const TEmbeddedResource& resource : EmbeddedResourceTable())
    if (Name == resource.Name) return resource.Data;
  throw EResNotFound("Resource " + Name + " not found");
}

void ReadEmbeddedResource(const String& Name, TMemoryStream& Stream) {
  const std::span<const Byte> data = FindEmbeddedResource(Name);
  Stream.Clear();
  Stream.WriteBuffer(data.data(), Int64(data.size()));
  Stream.SetPosition(0);
}

HBITMAP LoadBitmap(uintptr_t, const String& BitmapName) {
  try {
    TMemoryStream stream;
    ReadEmbeddedResource(BitmapName, stream);
    TBmpPicture picture = BmpCodec::Read(stream);
    const int bitsPerPixel = picture.Pixels->Format() == SurfaceFormat::Bgr24 ? 24 : 32;
    return new BitmapObject(std::move(picture.Pixels), bitsPerPixel, true);
  } catch (const Exception&) {
    return nullptr;
  }
}

void LoadFromResourceName(TGraphic& Graphic, const String& ResName) {
  TMemoryStream stream;
  ReadEmbeddedResource(ResName, stream);
  Graphic.LoadFromStream(&stream);
}
